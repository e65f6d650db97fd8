// Tests the program-name record and the shape of every message line.
#include "frontend/diagnostics.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace {

std::string report(const char* format, ...) {
  testing::internal::CaptureStderr();
  std::va_list args;
  va_start(args, format);
  report_error(format, args);
  va_end(args);
  return testing::internal::GetCapturedStderr();
}

TEST(DiagnosticsTest, PrefixesMessagesWithTheProgramName) {
  set_program_name("mojiroll");
  EXPECT_EQ(report("Cannot decode"), "mojiroll: Cannot decode\n");
  EXPECT_EQ(report("%d %s", 7, "codes"), "mojiroll: 7 codes\n");
  EXPECT_EQ(report(nullptr), "mojiroll: \n");
  errno = ENOENT;
  EXPECT_EQ(report("open:"), std::string("mojiroll: open: ") + std::strerror(ENOENT) + "\n");

  set_program_name(nullptr);
  EXPECT_STREQ(program_name(), "mojiroll");
  set_program_name("");
  EXPECT_EQ(report("Too few arguments"), "Too few arguments\n");
}

TEST(DiagnosticsTest, CutsTheProgramNameTo1023Characters) {
  set_program_name(std::string(2000, 'p').c_str());
  EXPECT_EQ(program_name(), std::string(1023, 'p'));
  set_program_name(std::string(1023, 'q').c_str());
  EXPECT_EQ(program_name(), std::string(1023, 'q'));
}

TEST(DiagnosticsTest, FatalErrorFlushesOutputThenExitsWithStatus1) {
  EXPECT_EXIT(
      {
        set_program_name("name");
        std::printf("pending output");
        fatal_error("Invalid option");
      },
      testing::ExitedWithCode(1), "^name: Invalid option\n$");
}

}  // namespace
