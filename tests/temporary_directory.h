// A fresh directory for one test, removed with everything in it when the test ends, and small
// helpers to write and read whole files in it.
#ifndef MOJIROLL_TESTS_TEMPORARY_DIRECTORY_H_
#define MOJIROLL_TESTS_TEMPORARY_DIRECTORY_H_

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

struct temporary_directory {
  std::filesystem::path path;

  temporary_directory() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "mojiroll-test-XXXXXX").string();
    if (mkdtemp(pattern.data())) path = pattern;
  }
  ~temporary_directory() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
  temporary_directory(const temporary_directory&) = delete;
  temporary_directory& operator=(const temporary_directory&) = delete;

  std::string name(const std::string& file) const { return (path / file).string(); }
};

inline void write_file(const std::string& name, const std::string& bytes) {
  std::ofstream(name, std::ios::binary) << bytes;
}

inline std::string read_file(const std::string& name) {
  std::ifstream file(name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

#endif  // MOJIROLL_TESTS_TEMPORARY_DIRECTORY_H_
