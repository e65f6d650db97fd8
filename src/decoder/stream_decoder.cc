// Decodes blocks of codes in memory: one table lookup and one fixed-size copy per code.
#include "decoder/stream_decoder.h"

#include <cstring>

#include "decoder/code_tables.h"
#include "decoder/stored_text.h"

namespace {

static_assert(max_output_per_byte == stored_text_capacity);
static_assert(fits_stored_text(single_byte_table));
static_assert(fits_stored_text(multi_byte_table));
static_assert(fits_stored_text(kanji_table));
static_assert(fits_stored_text(phrase_table));

constexpr unsigned char kanji_prefix_low = 0x01;
constexpr unsigned char skip_prefix = 0x03;
constexpr unsigned char phrase_prefix = 0x12;

// A one-byte table in its stored form, with byte 0x00 written as a line end.
constexpr std::array<stored_text, 256> store_one_byte_table(
    const std::array<std::string_view, 256>& table) {
  std::array<stored_text, 256> stored = store_table(table);
  stored[0x00] = store_text("\n");
  return stored;
}

// Every two-byte code in its stored form: 256 entries for each prefix, in the order
// 0x01, 0x02 (the kanji), 0x03 (skipped: nothing) and 0x12 (the phrases).
constexpr std::array<stored_text, 1024> store_two_byte_table() {
  std::array<stored_text, 1024> stored{};
  std::array<stored_text, 512> kanji = store_table(kanji_table);
  std::array<stored_text, 256> phrases = store_table(phrase_table);
  for (std::size_t i = 0; i < 512; ++i) stored[i] = kanji[i];
  for (std::size_t i = 0; i < 256; ++i) stored[768 + i] = phrases[i];
  return stored;
}

constexpr std::array<stored_text, 256> single_byte_output_table =
    store_one_byte_table(single_byte_table);
constexpr std::array<stored_text, 256> multi_byte_output_table =
    store_one_byte_table(multi_byte_table);
constexpr std::array<stored_text, 1024> two_byte_output_table = store_two_byte_table();

int is_prefix(unsigned lead) {
  return (lead >= kanji_prefix_low && lead <= skip_prefix) || lead == phrase_prefix;
}

const stored_text& find_two_byte_text(unsigned lead, unsigned second) {
  unsigned block = lead == phrase_prefix ? 3 : lead - kanji_prefix_low;
  return two_byte_output_table[block * 256 + second];
}

// Copies a whole slot and advances by the text's size: the bytes past the text are overwritten by
// the next code or lie beyond the end of the output.
char* put_text(char* out, const stored_text& text) {
  std::memcpy(out, text.bytes.data(), stored_text_capacity);
  return out + text.size;
}

}  // namespace

decode_state start_decoding(int multi_byte) { return decode_state{multi_byte, 0}; }

char* decode_block(decode_state& state, const unsigned char* begin, const unsigned char* end,
                   char* out) {
  const unsigned char* in = begin;
  if (!state.multi_byte) {
    while (in < end) out = put_text(out, single_byte_output_table[*in++]);
    return out;
  }
  if (state.pending_prefix && in < end) {
    out = put_text(out, find_two_byte_text(state.pending_prefix, *in++));
    state.pending_prefix = 0;
  }
  while (in < end) {
    unsigned lead = *in++;
    if (!is_prefix(lead)) {
      out = put_text(out, multi_byte_output_table[lead]);
    } else if (in < end) {
      out = put_text(out, find_two_byte_text(lead, *in++));
    } else {
      state.pending_prefix = static_cast<int>(lead);
    }
  }
  return out;
}
