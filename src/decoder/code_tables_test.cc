// Proves every compiled table entry against the C library's code page 932 conversion of its UTF-8
// source text, checks the codes a converter might choose differently, and checks that the
// generated header is what the generator makes of the source today.
#include "decoder/code_tables.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "code_table_header.h"
#include "code_table_source.h"

namespace {

std::vector<code_table_entry> read_source() {
  std::vector<code_table_entry> entries;
  std::string error;
  EXPECT_TRUE(read_code_table_source(CODE_TABLE_SOURCE, entries, error)) << error;
  return entries;
}

// The compiled entries a source line stands for: the kana block fills both one-byte tables.
std::vector<std::pair<std::string, std::string_view>> find_compiled(const code_table_entry& e) {
  if (e.table == "single_byte") return {{"single_byte", single_byte_table.at(e.code)}};
  if (e.table == "multi_byte") return {{"multi_byte", multi_byte_table.at(e.code)}};
  if (e.table == "kana") {
    return {{"single_byte", single_byte_table.at(e.code)},
            {"multi_byte", multi_byte_table.at(e.code)}};
  }
  if (e.table == "kanji") return {{"kanji", kanji_table.at(e.code)}};
  if (e.table == "phrase") return {{"phrase", phrase_table.at(e.code)}};
  ADD_FAILURE() << "line " << e.line << ": unknown table " << e.table;
  return {};
}

TEST(CodeTablesTest, EveryEntryIsTheCp932FormOfItsText) {
  std::set<std::pair<std::string, unsigned>> seen;
  for (const code_table_entry& entry : read_source()) {
    std::string expected;
    ASSERT_TRUE(convert_to_shift_jis(entry.text, expected)) << "line " << entry.line;
    for (const auto& [table, compiled] : find_compiled(entry)) {
      EXPECT_EQ(compiled, expected) << table << " entry " << std::hex << entry.code << " (line "
                                    << std::dec << entry.line << ": " << entry.text << ")";
      EXPECT_TRUE(seen.insert({table, entry.code}).second) << "line " << entry.line;
    }
  }
  EXPECT_EQ(seen.size(), 256u + 256u + 512u + 256u);
}

// The codes bound for characters that converters disagree on, and one-byte ASCII where a
// full-width form would also be Japanese text.
TEST(CodeTablesTest, HoldsTheBoundCodes) {
  struct bound_code {
    std::string_view entry;
    std::string_view bytes;
  };
  const bound_code cases[] = {
      {single_byte_table[0x3F], "\x81\xAC"},  // 〓
      {kanji_table[0x1F1], "\x81\xAC"},       // 〓
      {multi_byte_table[0xFC], "\x81\x60"},   // ～
      {multi_byte_table[0xE7], "\x81\x63"},   // …
      {multi_byte_table[0xE5], "\x81\x5B"},   // ー
      {kanji_table[0x1F2], "\x81\x45"},       // ・
      {kanji_table[0x1EB], "\x81\x58"},       // 々
      {kanji_table[0x1F0], "\x81\xF4"},       // ♪
      {multi_byte_table[0xFA], "\x81\x75"},   // 「
      {multi_byte_table[0xF0], "\x81\x42"},   // 。
      {multi_byte_table[0xF9], "\x81\x41"},   // 、
      {single_byte_table[0x6F], "\x82\xD8"},  // ぺ, hiragana in the katakana row
      {single_byte_table[0x73], "0"},
      {single_byte_table[0xE9], "!"},
      {single_byte_table[0xFF], " "},
      {kanji_table[0x1F4], "+"},
      {multi_byte_table[0x06], "\n  "},
      {phrase_table[0x07], ""},
      {phrase_table[0xC0], ""},
  };
  for (const bound_code& c : cases) EXPECT_EQ(c.entry, c.bytes);
}

TEST(CodeTablesTest, GeneratedHeaderIsUpToDate) {
  std::string header;
  std::string error;
  ASSERT_TRUE(write_code_tables_header(read_source(), header, error)) << error;
  std::ifstream file(CODE_TABLE_HEADER, std::ios::binary);
  std::stringstream checked_in;
  checked_in << file.rdbuf();
  EXPECT_TRUE(checked_in.str() == header)
      << "src/decoder/code_tables.h differs from its source; build the target "
         "regenerate_code_tables";
}

}  // namespace
