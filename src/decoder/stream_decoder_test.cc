// Tests the in-memory decoding of codes: the text of each kind of code in both formats, and that
// cutting the input into blocks anywhere never changes the output, which is that of a plain
// one-code-at-a-time reading.
#include "decoder/stream_decoder.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "plain_decoder.h"

namespace {

// Decodes the bytes fed in blocks of the given sizes, cycling through them.
std::string decode_in_blocks(int multi_byte, const std::string& codes,
                             const std::vector<std::size_t>& block_sizes) {
  std::string text(codes.size() * max_output_per_byte, '\0');
  decode_state state = start_decoding(multi_byte);
  const auto* in = reinterpret_cast<const unsigned char*>(codes.data());
  const auto* end = in + codes.size();
  char* out = text.data();
  for (std::size_t i = 0; in < end; ++i) {
    std::size_t size = std::min(block_sizes[i % block_sizes.size()], std::size_t(end - in));
    out = decode_block(state, in, in + size, out);
    in += size;
  }
  text.resize(static_cast<std::size_t>(out - text.data()));
  return text;
}

std::string decode(int multi_byte, const std::string& codes) {
  return decode_in_blocks(multi_byte, codes, {codes.size() + 1});
}

TEST(StreamDecoderTest, DecodesEachKindOfCode) {
  struct decode_case {
    int multi_byte;
    std::string codes;
    std::string text;
  };
  const decode_case cases[] = {
      {0, std::string("\x00\x40\xFF", 3), "\r\n\x83\x6F "},
      {0, "\x01\x12", "\x81\xAC\x81\xAC"},  // prefixes mean nothing in single-byte mode
      {0, "\x8A\xE5\xC8", "\x83\x4A\x81\x5B\x83\x93"},
      {1, "\x8A\xE5\xC8", "\x83\x4A\x81\x5B\x83\x93"},
      {1, std::string("\x01\x00", 2), "\x97\x6C"},  // 様
      {1, "\x01\x05", "\x8E\x84"},                  // 私
      {1, "\x02\xFF", "\x94\x7B"},                  // 倍
      {1, "\x03\x41", ""},
      {1, "\x12\x16", "\x93\xF8\x90\x46\x82\xCC\x8A\x4C\x82\xAA\x82\xE7"},  // 虹色の貝がら
      {1, std::string("\x12\x00", 2), ""},
      {1, "\x06", "\r\n  "},
      {1, "\x0C", "\r\n\r\n  "},
      {1, std::string("\x00", 1), "\r\n"},
      {1, "\x01\x12\x41", "\x95\xA8\x82\xCE"},  // 物 then ば: a second byte is never a lead byte
      {1, "\x13", "\x83\x4E\x83\x8D\x83\x6D"},  // クロノ
      {1, "\x12\x5D", " \x8B\xB0\x97\xB3\x90\x6C"},  // 恐竜人 after its own space
      {1, "\x40\x01", "\x83\x6F"},                   // a lone prefix at the end writes nothing
      {1, "\x40\x12", "\x83\x6F"},
      {1, "\x03", ""},
      {0, "", ""},
      {1, "", ""},
  };
  for (const decode_case& c : cases) {
    EXPECT_EQ(decode(c.multi_byte, c.codes), c.text)
        << "mode " << c.multi_byte << ", codes of " << c.codes.size() << " bytes";
  }
}

// The decoder does not branch on each code: it decodes every byte and drops the text of second
// bytes. Runs of prefixes, where every other byte is a second byte, are the hard case.
TEST(StreamDecoderTest, MatchesReadingTheCodesOneByOne) {
  const std::string prefixes("\x01\x02\x03\x12", 4);
  std::mt19937 random(11);
  std::string codes;
  for (int i = 0; i < 20000; ++i) {
    codes += random() % 2 ? prefixes[random() % 4] : static_cast<char>(random() % 256);
  }
  for (int multi_byte : {0, 1}) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(codes.data());
    EXPECT_TRUE(decode(multi_byte, codes) ==
                decode_one_code_at_a_time(multi_byte, bytes, codes.size()))
        << "mode " << multi_byte;
  }
}

TEST(StreamDecoderTest, BlockBoundariesDoNotChangeTheText) {
  // Mostly prefixes and line codes, so that most cuts fall inside a two-byte code.
  const std::string alphabet("\x00\x01\x02\x03\x12\x05\x0C\x13\x40\xFF", 10);
  std::mt19937 random(7);
  std::string codes;
  for (int i = 0; i < 3000; ++i) codes += alphabet[random() % alphabet.size()];
  for (int multi_byte : {0, 1}) {
    const std::string whole = decode(multi_byte, codes);
    for (const std::vector<std::size_t>& sizes :
         {std::vector<std::size_t>{1}, {2}, {3}, {1, 2, 5}, {7, 64}, {4095, 1}}) {
      EXPECT_EQ(decode_in_blocks(multi_byte, codes, sizes), whole)
          << "mode " << multi_byte << ", first block size " << sizes[0];
    }
  }
}

}  // namespace
