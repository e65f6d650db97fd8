// Runs a Windows build of mojiroll under Wine where Windows alone can go wrong: the text of every
// code written through the Windows C library, and file names in the Japanese code page.
#include <gtest/gtest.h>
#include <locale.h>

#include <filesystem>
#include <string>
#include <vector>

#include "end_to_end.h"

namespace {

using WindowsTest = EndToEndTest;

// Every code of both formats, one after another: in single-byte mode every byte, in multi-byte
// mode every one-byte code and then each two-byte prefix with every second byte.
std::string every_code(bool multi_byte) {
  const std::string prefixes("\x01\x02\x03\x12", 4);
  std::string codes;
  for (int byte = 0; byte < 256; ++byte) {
    if (!multi_byte || prefixes.find(static_cast<char>(byte)) == std::string::npos)
      codes += static_cast<char>(byte);
  }
  if (multi_byte) {
    for (char prefix : prefixes) {
      for (int byte = 0; byte < 256; ++byte) codes += {prefix, static_cast<char>(byte)};
    }
  }
  return codes;
}

// The Windows build writes exactly the bytes of the Linux build, whose tables the unit tests prove
// against the C library's own code page 932: every code's text, and CR LF once for each line end.
TEST_F(WindowsTest, WritesEveryCodeAsTheLinuxBuild) {
  for (bool multi_byte : {false, true}) {
    const std::string mode = multi_byte ? "-m" : "-s";
    write_file("codes.bin", every_code(multi_byte));
    run_result r = run({mode, "codes.bin", "windows.txt"});
    EXPECT_EQ(r.status, 0) << mode;
    EXPECT_EQ(r.out + r.err, "") << mode;
    r = run_command(MOJIROLL_REFERENCE_PROGRAM, {"mojiroll", mode, "codes.bin", "linux.txt"});
    ASSERT_EQ(r.status, 0) << mode;
    ASSERT_FALSE(read_file("linux.txt").empty()) << mode;
    EXPECT_TRUE(read_file("windows.txt") == read_file("linux.txt")) << mode;
  }
}

// On Japanese Windows a program's narrow arguments are in code page 932, where the second byte of
// many characters is the backslash byte: 表 is 95 5C, ソ 83 5C, 能 94 5C, 予 97 5C. Those bytes
// belong to their characters; a backslash of its own is still read as a slash. Wine takes the code
// page from the locale: LC_ALL=ja_JP.UTF-8 makes it 932. (The names here are UTF-8, as Linux keeps
// them; Wine converts them.)
TEST_F(WindowsTest, KeepsJapaneseNamesWhole) {
  locale_t japanese = newlocale(LC_ALL_MASK, "ja_JP.UTF-8", nullptr);
  ASSERT_TRUE(japanese) << "the locale ja_JP.UTF-8 is not generated on this machine";
  freelocale(japanese);
  run_setup japanese_windows;
  japanese_windows.settings = {"LC_ALL=ja_JP.UTF-8"};

  std::filesystem::create_directory("予");
  write_file("表.bin", "\x01\x05");  // 私
  write_file("予/ソ.bin", "\x40");   // バ
  struct names_case {
    std::vector<std::string> arguments;
    std::string output;
    std::string text;
  };
  const names_case cases[] = {
      {{"-m", "表.bin", "能.txt"}, "能.txt", "\x8E\x84"},
      {{"予\\ソ.bin", "予\\表.txt"}, "予/表.txt", "\x83\x6F"},
  };
  for (const names_case& c : cases) {
    run_result r = run(c.arguments, japanese_windows);
    EXPECT_EQ(r.status, 0) << c.output;
    EXPECT_EQ(r.out + r.err, "") << c.output;
    EXPECT_EQ(read_file(c.output), c.text) << c.output;
  }
}

}  // namespace
