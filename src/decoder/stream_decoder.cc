// Decodes blocks of codes in memory: each code's text is found by one table lookup and written by
// one copy of a fixed-size slot. Which multi-byte codes take a second byte is as random as running
// text (one in four), so that loop has no branch that depends on the codes.
#include "decoder/stream_decoder.h"

#include <cstring>

#include "decoder/code_tables.h"
#include "decoder/stored_text.h"

namespace {

// Slots of 32 bytes hold the texts of the multi-byte format, of up to 31 bytes; slots of 4 bytes
// hold those of the single-byte format, each one character or a line end.
constexpr std::size_t text_capacity = 31;
constexpr std::size_t short_text_capacity = 3;
using text_slot = stored_text<text_capacity>;
using short_text_slot = stored_text<short_text_capacity>;

static_assert(sizeof(text_slot) == max_output_per_byte);
static_assert(sizeof(short_text_slot) == 4);
static_assert(fits_stored_text<text_capacity>(multi_byte_table));
static_assert(fits_stored_text<text_capacity>(kanji_table));
static_assert(fits_stored_text<text_capacity>(phrase_table));
static_assert(fits_stored_text<short_text_capacity>(single_byte_table));

// A one-byte table in its stored form, with byte 0x00 written as a line end.
template <std::size_t Capacity>
constexpr std::array<stored_text<Capacity>, 256> store_one_byte_table(
    const std::array<std::string_view, 256>& table) {
  std::array<stored_text<Capacity>, 256> stored = store_table<Capacity>(table);
  stored[0x00] = store_text<Capacity>("\n");
  return stored;
}

constexpr std::array<short_text_slot, 256> single_byte_output_table =
    store_one_byte_table<short_text_capacity>(single_byte_table);

// Where the texts of the multi-byte format stand in multi_byte_output_table: the one-byte codes
// by their byte, then 256 entries for each prefix: 0x01 and 0x02 (the kanji), 0x03 (skipped:
// nothing) and 0x12 (the phrases).
constexpr std::size_t kanji_low_texts = 256;
constexpr std::size_t kanji_high_texts = 512;
constexpr std::size_t skipped_texts = 768;
constexpr std::size_t phrase_texts = 1024;

constexpr std::array<text_slot, 1280> store_multi_byte_table() {
  std::array<text_slot, 1280> stored{};
  std::array<text_slot, 256> one_byte = store_one_byte_table<text_capacity>(multi_byte_table);
  std::array<text_slot, 512> kanji = store_table<text_capacity>(kanji_table);
  std::array<text_slot, 256> phrases = store_table<text_capacity>(phrase_table);
  for (std::size_t i = 0; i < 256; ++i) stored[i] = one_byte[i];
  for (std::size_t i = 0; i < 512; ++i) stored[kanji_low_texts + i] = kanji[i];
  for (std::size_t i = 0; i < 256; ++i) stored[phrase_texts + i] = phrases[i];
  return stored;
}

constexpr std::array<text_slot, 1280> multi_byte_output_table = store_multi_byte_table();

// How the multi-byte format reads a byte that starts a code: the code's text is
// multi_byte_output_table[first_text + (second byte & second_mask)]. A second_mask of 0 marks a
// one-byte code, 0xFF a prefix whose code takes the next byte too.
struct lead_byte {
  unsigned first_text;
  unsigned second_mask;
};

constexpr std::array<lead_byte, 256> make_lead_byte_table() {
  std::array<lead_byte, 256> table{};
  for (unsigned byte = 0; byte < 256; ++byte) table[byte] = {byte, 0};
  table[0x01] = {kanji_low_texts, 0xFF};
  table[0x02] = {kanji_high_texts, 0xFF};
  table[0x03] = {skipped_texts, 0xFF};
  table[0x12] = {phrase_texts, 0xFF};
  return table;
}

constexpr std::array<lead_byte, 256> lead_byte_table = make_lead_byte_table();

const text_slot& find_multi_byte_text(unsigned lead, unsigned second) {
  const lead_byte& kind = lead_byte_table[lead];
  return multi_byte_output_table[kind.first_text + (second & kind.second_mask)];
}

// Copies a whole slot and advances by the text's size: the bytes past the text are overwritten by
// the next code or lie beyond the end of the output.
template <std::size_t Capacity>
char* put_text(char* out, const stored_text<Capacity>& text) {
  std::memcpy(out, &text, sizeof text);
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
    out = put_text(out, find_multi_byte_text(static_cast<unsigned>(state.pending_prefix), *in++));
    state.pending_prefix = 0;
  }
  // Every byte but the last is decoded as if it started a code, and its text copied; when it is
  // in fact the second byte of a two-byte code, the output does not advance, and the next code
  // overwrites that copy. The advance is masked rather than branched on.
  unsigned start_mask = 0xFF;  // 0xFF while *in starts a code, 0 while it ends a two-byte one
  const unsigned char* last = in < end ? end - 1 : end;
  for (; in < last; ++in) {
    unsigned lead = in[0];
    const text_slot& text = find_multi_byte_text(lead, in[1]);
    std::memcpy(out, &text, sizeof text);
    out += text.size & start_mask;
    // The next byte starts a code unless this one starts a two-byte code.
    start_mask = (start_mask & lead_byte_table[lead].second_mask) ^ 0xFF;
  }
  // The last byte: the end of a two-byte code, a one-byte code, or a prefix whose second byte
  // comes with the next block.
  if (in < end && start_mask) {
    if (lead_byte_table[*in].second_mask) {
      state.pending_prefix = *in;
    } else {
      out = put_text(out, multi_byte_output_table[*in]);
    }
  }
  return out;
}
