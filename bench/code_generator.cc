// Makes seeded streams of text codes. Multi-byte text is mostly kana, with kanji, dictionary
// words, phrases and line breaks mixed in at rates like those of real dialogue; single-byte text
// is kana with line ends. For speed, each code is picked by 16 random bits from a table of 65536
// codes drawn once in those proportions, so one splitmix64 draw gives four codes.
#include "code_generator.h"

#include <array>

namespace {

// One code as the picking table holds it: its bytes and its length, 1 or 2.
struct table_code {
  unsigned char bytes[2];
  unsigned char length;
};

using code_pick_table = std::array<table_code, 65536>;

// One-byte codes of kana, the long-vowel mark and the most common punctuation (。、「): what nearly
// every one-byte code of real text is.
constexpr std::array<unsigned char, 157> make_kana_code_table() {
  std::array<unsigned char, 157> codes{};
  std::size_t size = 0;
  for (unsigned code = 0x40; code <= 0x72; ++code) codes[size++] = static_cast<unsigned char>(code);
  for (unsigned code = 0x80; code <= 0xE6; ++code) codes[size++] = static_cast<unsigned char>(code);
  codes[size++] = 0xF0;
  codes[size++] = 0xF9;
  codes[size++] = 0xFA;
  return codes;
}

constexpr std::array<unsigned char, 157> kana_code_table = make_kana_code_table();

// Lead bytes of the two-byte codes and the ranges of the one-byte dictionary and line codes.
constexpr unsigned char skip_prefix = 0x03;
constexpr unsigned char phrase_prefix = 0x12;
constexpr unsigned first_dictionary_code = 0x13;
constexpr unsigned dictionary_codes = 0x3F - 0x13 + 1;
constexpr unsigned first_phrase = 0x08;
constexpr unsigned phrases = 0xBF - 0x08 + 1;
constexpr std::array<unsigned char, 9> line_code_table = {0x00, 0x05, 0x06, 0x07, 0x08,
                                                          0x09, 0x0A, 0x0B, 0x0C};

// The mix of multi-byte codes, as upper bounds of a draw in [0, 1024): about 0.3% skip codes, 5%
// line codes, 10% phrases, 10% dictionary words, 15% kanji and the rest (60%) one-byte kana.
constexpr unsigned skip_share_end = 3;
constexpr unsigned line_share_end = skip_share_end + 51;
constexpr unsigned phrase_share_end = line_share_end + 102;
constexpr unsigned dictionary_share_end = phrase_share_end + 102;
constexpr unsigned kanji_share_end = dictionary_share_end + 154;

// One single-byte code in this many is a line end.
constexpr unsigned single_byte_line_length = 32;

// The fixed seed of the picking tables: they are the same for every stream.
constexpr std::uint64_t table_seed = 0x6D6F6A69726F6C6Cu;

std::uint64_t draw_random(std::uint64_t& state) {
  std::uint64_t z = (state += 0x9E3779B97F4A7C15u);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
  return z ^ (z >> 31);
}

table_code make_one_byte_code(unsigned code) { return {{static_cast<unsigned char>(code), 0}, 1}; }

table_code make_two_byte_code(unsigned lead, unsigned second) {
  return {{static_cast<unsigned char>(lead), static_cast<unsigned char>(second)}, 2};
}

// A one-byte code with a kana text, or one time in 16 any code of the kana block (digits, Latin
// letters and marks included).
table_code make_kana_code(std::uint64_t bits) {
  if ((bits & 15) == 0) return make_one_byte_code(0x40 + (bits >> 4) % 192);
  return make_one_byte_code(kana_code_table[(bits >> 4) % kana_code_table.size()]);
}

// One code of the mix, made from `random`.
table_code make_code(int multi_byte, std::uint64_t random) {
  unsigned share = static_cast<unsigned>(random & 1023);
  std::uint64_t bits = random >> 16;
  if (!multi_byte) {
    return share % single_byte_line_length == 0 ? make_one_byte_code(0x00) : make_kana_code(bits);
  }
  if (share < skip_share_end) return make_two_byte_code(skip_prefix, bits & 0xFF);
  if (share < line_share_end) return make_one_byte_code(line_code_table[bits % 9]);
  if (share < phrase_share_end)
    return make_two_byte_code(phrase_prefix, first_phrase + bits % phrases);
  if (share < dictionary_share_end) {
    return make_one_byte_code(first_dictionary_code + bits % dictionary_codes);
  }
  if (share < kanji_share_end) return make_two_byte_code(1 + (bits & 1), (bits >> 1) & 0xFF);
  return make_kana_code(bits);
}

code_pick_table make_code_pick_table(int multi_byte) {
  code_pick_table table{};
  std::uint64_t state = table_seed;
  for (table_code& code : table) code = make_code(multi_byte, draw_random(state));
  return table;
}

const code_pick_table& find_code_pick_table(int multi_byte) {
  static const code_pick_table single_byte_pick_table = make_code_pick_table(0);
  static const code_pick_table multi_byte_pick_table = make_code_pick_table(1);
  return multi_byte ? multi_byte_pick_table : single_byte_pick_table;
}

table_code pick_code(code_generator& generator, const code_pick_table& table) {
  if (generator.codes_left == 0) {
    generator.random_bits = draw_random(generator.random_state);
    generator.codes_left = 4;
  }
  const table_code& code = table[generator.random_bits & 0xFFFF];
  generator.random_bits >>= 16;
  --generator.codes_left;
  return code;
}

}  // namespace

code_generator start_generating(int multi_byte, std::uint64_t seed) {
  return code_generator{multi_byte, seed, 0, 0, -1};
}

void fill_codes(code_generator& generator, unsigned char* out, std::size_t size) {
  const code_pick_table& table = find_code_pick_table(generator.multi_byte);
  std::size_t filled = 0;
  if (generator.pending_byte >= 0 && size > 0) {
    out[filled++] = static_cast<unsigned char>(generator.pending_byte);
    generator.pending_byte = -1;
  }
  // Both bytes are stored for every code; a one-byte code's second is overwritten by the next.
  while (filled + 2 <= size) {
    table_code code = pick_code(generator, table);
    out[filled] = code.bytes[0];
    out[filled + 1] = code.bytes[1];
    filled += code.length;
  }
  if (filled < size) {
    table_code code = pick_code(generator, table);
    out[filled] = code.bytes[0];
    if (code.length == 2) generator.pending_byte = code.bytes[1];
  }
}
