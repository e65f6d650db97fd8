// Runs the built mojiroll as a user would and checks its exit status, standard output, standard
// error and the files it leaves. Output goes to files, never pipes, so that no helper process the
// program leaves behind can hold a test up.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "temporary_directory.h"

extern char** environ;

namespace {

struct run_result {
  int status;
  std::string out;
  std::string err;
};

const std::string help_text =
    "mojiroll - Copyright (C) 2026 the mojiroll developers\n"
    "mojiroll: [option] src-filename dst-filename\n"
    "\t-s\tdecode in single-byte mode\n"
    "\t-m\tdecode in multi-byte mode\n"
    "\t-h\tdisplay this help and exit\n"
    "\n";

// Every test runs in a fresh directory of its own, so relative names stay inside it.
class EndToEndTest : public testing::Test {
 protected:
  temporary_directory directory;
  std::filesystem::path previous = std::filesystem::current_path();

  void SetUp() override { std::filesystem::current_path(directory.path); }
  void TearDown() override { std::filesystem::current_path(previous); }

  // Runs mojiroll with the arguments, under the given program name, from the test's directory.
  run_result run(const std::vector<std::string>& arguments, const std::string& name = "mojiroll") {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(name.c_str()));
    for (const std::string& argument : arguments)
      argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, ".stdout", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, ".stderr", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = 0;
    int spawned = posix_spawn(&pid, MOJIROLL_EXECUTABLE, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    run_result result{-1, "", ""};
    int status = 0;
    if (spawned != 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) {
      ADD_FAILURE() << "mojiroll did not run to an exit";
      return result;
    }
    result.status = WEXITSTATUS(status);
    result.out = read_file(".stdout");
    result.err = read_file(".stderr");
    std::filesystem::remove(".stdout");
    std::filesystem::remove(".stderr");
    return result;
  }

  void expect_failure(const std::vector<std::string>& arguments, const std::string& message) {
    run_result r = run(arguments);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "mojiroll: " + message + "\n");
  }
};

TEST_F(EndToEndTest, DecodesTheExamples) {
  const std::string examples[] = {"greeting.single", "story.multi"};
  for (const std::string& example : examples) {
    const std::string mode = example == "story.multi" ? "-m" : "-s";
    run_result r = run({mode, EXAMPLES_DIR "/" + example + ".bin", "out.txt"});
    EXPECT_EQ(r.status, 0) << example;
    EXPECT_EQ(r.out + r.err, "") << example;
    EXPECT_TRUE(read_file("out.txt") == read_file(EXAMPLES_DIR "/" + example + ".txt")) << example;
  }
}

TEST_F(EndToEndTest, HelpWinsOverEverythingAndOpensNothing) {
  write_file("in.bin", "\x40");
  for (const std::vector<std::string>& arguments :
       std::vector<std::vector<std::string>>{{"-h"}, {"-hx"}, {"-x", "-H", "in.bin", "out.txt"}}) {
    run_result r = run(arguments);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, help_text);
    EXPECT_EQ(r.err, "");
  }
  EXPECT_FALSE(std::filesystem::exists("out.txt"));
}

TEST_F(EndToEndTest, ReportsUsageErrorsInOrderBeforeOpeningAFile) {
  write_file("in.bin", "\x40");
  expect_failure({"-x", "in.bin", "out.txt"}, "Invalid option");
  expect_failure({"-x"}, "Invalid option");
  expect_failure({}, "Too few arguments");
  expect_failure({"-m", "in.bin"}, "Too few arguments");
  expect_failure({"", "in.bin", ""}, "Too few arguments");
  EXPECT_FALSE(std::filesystem::exists("out.txt"));
}

TEST_F(EndToEndTest, ReportsADecodingThatFailsAndKeepsTheFiles) {
  write_file("in.bin", "\x40\x41");
  write_file("out.txt", "keep");
  expect_failure({"missing.bin", "out.txt"}, "Cannot decode");
  expect_failure({".", "out.txt"}, "Cannot decode");  // a directory opens but cannot be read
  EXPECT_EQ(read_file("out.txt"), "keep");
  expect_failure({"in.bin", "/dev/full"}, "Cannot decode");
  expect_failure({"in.bin", "./in.bin"}, "Cannot decode");
  EXPECT_EQ(read_file("in.bin"), "\x40\x41");
}

TEST_F(EndToEndTest, ReadsNamesAsTheCommandLineGivesThem) {
  std::filesystem::create_directory("dir");
  write_file("dir/in.bin", std::string(1, '\0'));
  const std::string too_long(1023, 'n');
  struct names_case {
    std::vector<std::string> arguments;
    std::string output;
  };
  const names_case cases[] = {
      {{"-M", "dir\\in.bin", "dir\\out.txt"}, "dir/out.txt"},
      {{"dir/in.bin", "-", "a.txt", "ignored.txt"}, "a.txt"},
      {{"", too_long, "dir/in.bin", "b.txt"}, "b.txt"},
  };
  for (const names_case& c : cases) {
    run_result r = run(c.arguments);
    EXPECT_EQ(r.status, 0) << c.output;
    EXPECT_EQ(read_file(c.output), "\r\n") << c.output;
  }
  EXPECT_FALSE(std::filesystem::exists("ignored.txt"));
}

TEST_F(EndToEndTest, UsesTheProgramNameAsInvoked) {
  run_result r = run({"-h"}, "");
  EXPECT_EQ(r.out.substr(r.out.find('\n') + 1, 29), ": [option] src-filename dst-f");
  r = run({}, "");
  EXPECT_EQ(r.err, "Too few arguments\n");
  const std::string long_name = "/" + std::string(1500, 'p');
  r = run({}, long_name);
  EXPECT_EQ(r.err, long_name.substr(0, 1023) + ": Too few arguments\n");
}

}  // namespace
