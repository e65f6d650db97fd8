// Tests decoding whole files: what is written, and that every failure gives 0 and leaves the
// files it must not touch as they were.
#include "decoder/decoder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "plain_decoder.h"
#include "temporary_directory.h"

namespace {

class DecodeFileTest : public testing::Test {
 protected:
  temporary_directory directory;
  const std::string source = directory.name("a.bin");
  const std::string destination = directory.name("a.txt");
};

TEST_F(DecodeFileTest, WritesTheTextOfEveryCode) {
  write_file(source, std::string("\x01\x05\x12\x16\x00", 5));
  ASSERT_EQ(decode_file(source.c_str(), destination.c_str(), 1), 1);
  EXPECT_EQ(read_file(destination), "\x8E\x84\x93\xF8\x90\x46\x82\xCC\x8A\x4C\x82\xAA\x82\xE7\r\n");
}

TEST_F(DecodeFileTest, ReplacesAnExistingDestination) {
  write_file(destination, "old text that is longer than the new one");
  write_file(source, "\x40");
  ASSERT_EQ(decode_file(source.c_str(), destination.c_str(), 0), 1);
  EXPECT_EQ(read_file(destination), "\x83\x6F");

  write_file(source, "");
  ASSERT_EQ(decode_file(source.c_str(), destination.c_str(), 0), 1);
  EXPECT_TRUE(std::filesystem::exists(destination));
  EXPECT_EQ(read_file(destination), "");
}

// Larger than every buffer, with two-byte codes across every block boundary: the file is
// decoded exactly as a plain one-code-at-a-time reading of the same bytes.
TEST_F(DecodeFileTest, LargeSourceMatchesReadingOneCodeAtATime) {
  std::string codes;
  for (int i = 0; i < 300000; ++i) codes += (i % 3 == 0) ? "\x12\xAE" : "\x01\x40\x0C";
  write_file(source, codes);
  ASSERT_EQ(decode_file(source.c_str(), destination.c_str(), 1), 1);

  const auto* bytes = reinterpret_cast<const unsigned char*>(codes.data());
  EXPECT_TRUE(read_file(destination) == decode_one_code_at_a_time(1, bytes, codes.size()));
}

TEST_F(DecodeFileTest, RefusesMissingNames) {
  write_file(source, "\x40");
  EXPECT_EQ(decode_file(nullptr, destination.c_str(), 1), 0);
  EXPECT_EQ(decode_file(source.c_str(), nullptr, 1), 0);
  EXPECT_EQ(decode_file("", destination.c_str(), 1), 0);
  EXPECT_EQ(decode_file(source.c_str(), "", 1), 0);
  EXPECT_FALSE(std::filesystem::exists(destination));
}

// A source that cannot be opened or read leaves an existing destination untouched.
TEST_F(DecodeFileTest, UnreadableSourceLeavesTheDestination) {
  write_file(destination, "keep");
  EXPECT_EQ(decode_file(directory.name("missing.bin").c_str(), destination.c_str(), 1), 0);
  EXPECT_EQ(decode_file(directory.path.c_str(), destination.c_str(), 1), 0);
  EXPECT_EQ(read_file(destination), "keep");
}

TEST_F(DecodeFileTest, FailsWhenTheDestinationCannotBeWritten) {
  write_file(source, std::string(100000, '\x40'));
  EXPECT_EQ(decode_file(source.c_str(), "/dev/full", 1), 0);
  EXPECT_EQ(decode_file(source.c_str(), directory.name("no/such/dir.txt").c_str(), 1), 0);
  EXPECT_EQ(decode_file(source.c_str(), directory.path.c_str(), 1), 0);
}

// Decoding a file into itself would truncate it before it is read.
TEST_F(DecodeFileTest, RefusesTheSourceAsDestination) {
  const std::string codes = "\x40\x41\x42";
  write_file(source, codes);
  ASSERT_EQ(link(source.c_str(), directory.name("hard.bin").c_str()), 0);
  ASSERT_EQ(symlink(source.c_str(), directory.name("soft.bin").c_str()), 0);
  const std::string other_spelling = directory.name("./a.bin");
  for (const std::string& same :
       {source, other_spelling, directory.name("hard.bin"), directory.name("soft.bin")}) {
    EXPECT_EQ(decode_file(source.c_str(), same.c_str(), 1), 0) << same;
    EXPECT_EQ(read_file(source), codes) << same;
  }
}

}  // namespace
