// Runs mojiroll against the faults a user can cause with the files it is given. Each must end with
// "Cannot decode" and status 1 and leave every file as it was. A help that cannot be written must
// fail too, and a source read through a pipe on standard input must decode.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "end_to_end.h"

namespace {

// 虹色の貝がら then バ: more than one input block and more than one output buffer, with a two-byte
// code across every piece a pipe is fed in. A full disk then fails a write before the last one.
const std::string unit_codes = "\x12\x16\x40";
const std::string unit_text = "\x93\xF8\x90\x46\x82\xCC\x8A\x4C\x82\xAA\x82\xE7\x83\x6F";
constexpr int unit_count = 40000;

std::string repeat(const std::string& unit, int count) {
  std::string all;
  for (int i = 0; i < count; ++i) all += unit;
  return all;
}

// Every entry below the current directory with its mode and what it holds.
std::map<std::string, std::string> list_files() {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(".")) {
    std::string held;
    if (entry.is_symlink()) {
      held = "link to " + std::filesystem::read_symlink(entry.path()).string();
    } else if (entry.is_directory()) {
      held = "folder";
    } else {
      held = read_file(entry.path().string());
    }
    const auto mode = static_cast<int>(entry.symlink_status().permissions());
    files[entry.path().string()] = std::to_string(mode) + " " + held;
  }
  return files;
}

struct fault_case {
  const char* fault;
  std::vector<std::string> arguments;
  std::string input_file = "/dev/null";
};

class FaultTest : public EndToEndTest {
 protected:
  void SetUp() override {
    EndToEndTest::SetUp();
    write_file("in.bin", repeat(unit_codes, unit_count));
    write_file("small.bin", "\x40\x41");
    write_file("out.txt", "keep");
    std::filesystem::create_directory("dir");
    ASSERT_EQ(link("in.bin", "hard.bin"), 0);
    ASSERT_EQ(symlink("in.bin", "soft.bin"), 0);
  }

  // Runs each case and checks that it failed with the one message and changed no file.
  void expect_untouched_failures(const std::vector<fault_case>& cases, run_setup setup) {
    const std::map<std::string, std::string> before = list_files();
    for (const fault_case& c : cases) {
      SCOPED_TRACE(c.fault);
      setup.input_file = c.input_file;
      expect_failure(c.arguments, "Cannot decode", setup);
      EXPECT_TRUE(list_files() == before);
    }
  }
};

TEST_F(FaultTest, FailsWithoutTouchingAnyFile) {
  std::vector<fault_case> cases = {
      {"destination on a full disk", {"-m", "in.bin", "/dev/full"}},
      {"destination on a full disk, at the last write", {"small.bin", "/dev/full"}},
      {"destination a directory", {"in.bin", "dir"}},
      {"destination in a missing folder", {"in.bin", "missing/out.txt"}},
      {"source a directory", {"dir", "out.txt"}},
      {"source missing", {"missing.bin", "out.txt"}},
      {"same name", {"in.bin", "in.bin"}},
      {"same file, another spelling", {"-m", "in.bin", "./in.bin"}},
      {"same file, through a folder", {"in.bin", "dir/../in.bin"}},
      {"same file, with a backslash", {"in.bin", ".\\in.bin"}},
      {"same file, hard link", {"in.bin", "hard.bin"}},
      {"same file, symbolic link", {"in.bin", "soft.bin"}},
      {"same file, source a symbolic link", {"soft.bin", "in.bin"}},
  };
  // /dev/stdin is a name only Linux gives the standard input.
  if (!windows_program) {
    cases.push_back({"same file, through standard input", {"/dev/stdin", "in.bin"}, "in.bin"});
  }
  expect_untouched_failures(cases, run_setup{});
}

// Root passes file modes, so as root the program is started without the capabilities that let it,
// and the modes bind it as they bind any user. A destination on a read-only file system would need
// a mount and is not tried.
TEST_F(FaultTest, RefusesFilesTheUserMayNotUse) {
  write_file("read-only.txt", "keep");
  std::filesystem::create_directory("read-only");
  write_file("unreadable.bin", "\x40");
  ASSERT_EQ(chmod("read-only.txt", 0444), 0);
  ASSERT_EQ(chmod("read-only", 0555), 0);
  ASSERT_EQ(chmod("unreadable.bin", 0), 0);
  run_setup setup;
  setup.without_permission_override = geteuid() == 0;
  expect_untouched_failures(
      {
          {"read-only destination", {"in.bin", "read-only.txt"}},
          {"destination in a read-only folder", {"in.bin", "read-only/out.txt"}},
          {"unreadable source", {"unreadable.bin", "out.txt"}},
      },
      setup);
}

// The help is all such a run gives: a help that cannot be written is a failure, without a message.
TEST_F(FaultTest, FailsWhenTheHelpCannotBeWritten) {
  run_setup setup;
  setup.output_file = "/dev/full";
  run_result r = run({"-h"}, setup);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "");
}

TEST_F(FaultTest, DecodesASourcePipedThroughStandardInput) {
  run_setup setup;
  setup.piped_input = repeat(unit_codes, unit_count);
  run_result r = run({"-m", "/dev/stdin", "out.txt"}, setup);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out + r.err, "");
  EXPECT_TRUE(read_file("out.txt") == repeat(unit_text, unit_count));
}

}  // namespace
