// Tests the file-name copier: the bounded copy and the backslash rule.
#include "frontend/file_name.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(FileNameTest, CopiesWithSlashesAndZeroFill) {
  char buffer[16];
  std::memset(buffer, 'x', sizeof buffer);
  EXPECT_EQ(copy_file_name(buffer, "a\\b\\\\c", sizeof buffer), buffer);
  EXPECT_STREQ(buffer, "a/b//c");
  for (std::size_t i = std::strlen(buffer); i < sizeof buffer; ++i) EXPECT_EQ(buffer[i], '\0');
}

TEST(FileNameTest, LeavesTheBufferForNamesThatDoNotFit) {
  char buffer[8] = "keep";
  EXPECT_EQ(copy_file_name(buffer, "1234567", sizeof buffer), buffer);  // no room for its NUL
  EXPECT_STREQ(buffer, "keep");
  EXPECT_EQ(copy_file_name(buffer, nullptr, sizeof buffer), buffer);
  EXPECT_EQ(copy_file_name(buffer, "a", 0), buffer);
  EXPECT_STREQ(buffer, "keep");
  EXPECT_EQ(copy_file_name(buffer, "123456", sizeof buffer), buffer);  // the longest that fits
  EXPECT_STREQ(buffer, "123456");
  EXPECT_EQ(copy_file_name(nullptr, "a", sizeof buffer), nullptr);
}

}  // namespace
