// Runs the built mojiroll as a user would, this build or, under Wine, a Windows build, and checks
// its help, its usage errors, how it reads the names it is given, and the text it writes.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "end_to_end.h"

namespace {

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
    EXPECT_EQ(r.out, help_text("mojiroll"));
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
  if (windows_program) GTEST_SKIP() << "Wine names a program by its full path, however started";
  run_setup unnamed;
  unnamed.name = "";
  run_result r = run({"-h"}, unnamed);
  EXPECT_EQ(r.out.substr(r.out.find('\n') + 1, 29), ": [option] src-filename dst-f");
  r = run({}, unnamed);
  EXPECT_EQ(r.err, "Too few arguments\n");
  const std::string long_name = "/" + std::string(1500, 'p');
  run_setup long_named;
  long_named.name = long_name;
  r = run({}, long_named);
  EXPECT_EQ(r.err, long_name.substr(0, 1023) + ": Too few arguments\n");
}

}  // namespace
