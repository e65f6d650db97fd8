// Runs the program under test as a user would, each test in a fresh directory, and says what it
// must print there. The program is this build's mojiroll, or a Windows build of it started through
// Wine; where the two show the same behaviour differently, the difference is stated here, once.
// Output goes to files, never pipes, so that no helper process the program (or Wine) leaves behind
// can hold a test up.
#ifndef MOJIROLL_TESTS_END_TO_END_H_
#define MOJIROLL_TESTS_END_TO_END_H_

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "temporary_directory.h"

extern char** environ;

// The program under test, and the program that starts it (empty: it is started directly).
constexpr char test_program[] = MOJIROLL_TEST_PROGRAM;
constexpr char test_launcher[] = MOJIROLL_TEST_LAUNCHER;
constexpr bool windows_program = MOJIROLL_TEST_WINDOWS;

struct run_result {
  int status;
  std::string out;
  std::string err;
};

// The console of a Windows program stores every line end it prints as CR LF.
inline std::string console_text(const std::string& text) {
  if (!windows_program) return text;
  std::string converted;
  for (char c : text) converted += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return converted;
}

// The name the program records for itself when started as `name`. Wine always hands a program its
// full Windows path instead, on the drive Z: that stands for the Linux root.
inline std::string recorded_name(const std::string& name) {
  if (!windows_program) return name;
  std::string path = "Z:" + std::filesystem::absolute(test_program).lexically_normal().string();
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

inline std::string help_text(const std::string& name) {
  return console_text("mojiroll - Copyright (C) 2026 the mojiroll developers\n" +
                      recorded_name(name) +
                      ": [option] src-filename dst-filename\n"
                      "\t-s\tdecode in single-byte mode\n"
                      "\t-m\tdecode in multi-byte mode\n"
                      "\t-h\tdisplay this help and exit\n"
                      "\n");
}

inline std::string message_text(const std::string& message) {
  return console_text(recorded_name("mojiroll") + ": " + message + "\n");
}

// The strings as an array of C strings closed by a null pointer, as a new process takes them.
inline std::vector<char*> c_string_array(const std::vector<std::string>& strings) {
  std::vector<char*> array;
  for (const std::string& s : strings) array.push_back(const_cast<char*>(s.c_str()));
  array.push_back(nullptr);
  return array;
}

// Runs `path` with the argument vector `argv` from the current directory, with the environment
// plus `settings` ("NAME=value", replacing any variable of that name), and gives its exit status
// and what it wrote to standard output and standard error.
inline run_result run_command(const std::string& path, const std::vector<std::string>& argv,
                              const std::vector<std::string>& settings = {}) {
  std::vector<std::string> environment;
  for (char** variable = environ; *variable; ++variable) {
    const std::string entry = *variable;
    const std::string name = entry.substr(0, entry.find('=') + 1);
    if (std::none_of(settings.begin(), settings.end(),
                     [&](const std::string& s) { return s.compare(0, name.size(), name) == 0; }))
      environment.push_back(entry);
  }
  environment.insert(environment.end(), settings.begin(), settings.end());
  std::vector<char*> argv_array = c_string_array(argv);
  std::vector<char*> environment_array = c_string_array(environment);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, ".stdout", O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, 2, ".stderr", O_WRONLY | O_CREAT | O_TRUNC, 0644);
  pid_t pid = 0;
  int spawned = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv_array.data(),
                            environment_array.data());
  posix_spawn_file_actions_destroy(&actions);
  run_result result{-1, "", ""};
  int status = 0;
  if (spawned != 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) {
    ADD_FAILURE() << path << " did not run to an exit";
    return result;
  }
  result.status = WEXITSTATUS(status);
  result.out = read_file(".stdout");
  result.err = read_file(".stderr");
  std::filesystem::remove(".stdout");
  std::filesystem::remove(".stderr");
  return result;
}

// Every test runs in a fresh directory of its own, so relative names stay inside it.
class EndToEndTest : public testing::Test {
 protected:
  temporary_directory directory;
  std::filesystem::path previous = std::filesystem::current_path();

  void SetUp() override { std::filesystem::current_path(directory.path); }
  void TearDown() override { std::filesystem::current_path(previous); }

  // Runs the program under test with the arguments, started as `name`, with extra `settings` in
  // its environment.
  run_result run(const std::vector<std::string>& arguments, const std::string& name = "mojiroll",
                 const std::vector<std::string>& settings = {}) {
    std::vector<std::string> argv{name};
    if (*test_launcher) argv = {test_launcher, test_program};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    return run_command(*test_launcher ? test_launcher : test_program, argv, settings);
  }

  void expect_failure(const std::vector<std::string>& arguments, const std::string& message) {
    run_result r = run(arguments);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, message_text(message));
  }
};

#endif  // MOJIROLL_TESTS_END_TO_END_H_
