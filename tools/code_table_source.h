// Reads the UTF-8 source of the code tables (src/decoder/code_tables.txt) and converts its text
// to Shift-JIS. Used by the table generator and by the tests that check the compiled tables.
#ifndef MOJIROLL_TOOLS_CODE_TABLE_SOURCE_H_
#define MOJIROLL_TOOLS_CODE_TABLE_SOURCE_H_

#include <string>
#include <vector>

// One line of the source: the table ("single_byte", "multi_byte", "kana", "kanji" or "phrase"),
// the code, and its text in UTF-8 with "\n" already turned into a line feed.
struct code_table_entry {
  std::string table;
  unsigned code;
  std::string text;
  int line;
};

// Reads every entry of the source file. Gives 0 and a message in `error` on an unreadable file or
// a malformed line.
int read_code_table_source(const std::string& path, std::vector<code_table_entry>& entries,
                           std::string& error);

// Converts UTF-8 text to code page 932 with the C library's converter. Gives 0 when a character
// has no code page 932 form.
int convert_to_shift_jis(const std::string& utf8, std::string& shift_jis);

#endif  // MOJIROLL_TOOLS_CODE_TABLE_SOURCE_H_
