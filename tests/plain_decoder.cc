// Decodes one code at a time by the format's rules, reading the code tables directly.
#include "plain_decoder.h"

#include <string_view>

#include "decoder/code_tables.h"

namespace {

// Appends the text of a code, with every line feed stored as CR LF.
void append_code_text(std::string& text, std::string_view code_text) {
  for (char c : code_text) {
    if (c == '\n') text += '\r';
    text += c;
  }
}

}  // namespace

std::string decode_one_code_at_a_time(int multi_byte, const unsigned char* codes,
                                      std::size_t size) {
  std::string text;
  std::size_t at = 0;
  while (at < size) {
    const unsigned lead = codes[at++];
    if (lead == 0x00) {
      text += "\r\n";
    } else if (!multi_byte) {
      append_code_text(text, single_byte_table[lead]);
    } else if (lead != 0x01 && lead != 0x02 && lead != 0x03 && lead != 0x12) {
      append_code_text(text, multi_byte_table[lead]);
    } else if (at < size) {
      const unsigned second = codes[at++];
      if (lead == 0x12) {
        append_code_text(text, phrase_table[second]);
      } else if (lead != 0x03) {
        append_code_text(text, kanji_table[(lead - 1) * 256 + second]);
      }
    }
    // A lead byte of a two-byte code that ends the input writes nothing.
  }
  return text;
}
