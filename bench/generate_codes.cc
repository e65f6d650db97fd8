// Writes a seeded file of text codes for the benchmarks:
//   generate_codes MODE SIZE SEED OUT
// MODE is s (single-byte) or m (multi-byte); SIZE is a byte count with an optional K, M or G
// (binary multiples). The same arguments give the same file on every machine.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string_view>
#include <vector>

#include "code_generator.h"

namespace {

constexpr std::size_t block_size = 1 << 20;

// Reads a decimal number. Gives 0 on anything else or on overflow.
int parse_number(std::string_view text, std::uint64_t& value) {
  if (text.empty()) return 0;
  value = 0;
  for (char c : text) {
    if (c < '0' || c > '9' || value > (UINT64_MAX - 9) / 10) return 0;
    value = value * 10 + static_cast<unsigned>(c - '0');
  }
  return 1;
}

// Reads a byte count with an optional K, M or G (binary multiples).
int parse_size(std::string_view text, std::uint64_t& size) {
  int shift = 0;
  if (!text.empty()) {
    switch (text.back()) {
      case 'K':
        shift = 10;
        break;
      case 'M':
        shift = 20;
        break;
      case 'G':
        shift = 30;
        break;
      default:
        break;
    }
    if (shift) text.remove_suffix(1);
  }
  if (!parse_number(text, size) || size > (UINT64_MAX >> shift)) return 0;
  size <<= shift;
  return 1;
}

int write_codes(code_generator& generator, std::uint64_t size, const char* path) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  std::vector<unsigned char> block(block_size);
  while (out && size > 0) {
    std::size_t count = size < block_size ? static_cast<std::size_t>(size) : block_size;
    fill_codes(generator, block.data(), count);
    out.write(reinterpret_cast<const char*>(block.data()), static_cast<std::streamsize>(count));
    size -= count;
  }
  out.close();
  return out ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::uint64_t size = 0;
  std::uint64_t seed = 0;
  std::string_view mode = argc == 5 ? argv[1] : "";
  if ((mode != "s" && mode != "m") || !parse_size(argv[2], size) || !parse_number(argv[3], seed)) {
    std::fprintf(stderr, "usage: generate_codes s|m SIZE[K|M|G] SEED OUT\n");
    return 2;
  }
  code_generator generator = start_generating(mode == "m", seed);
  if (!write_codes(generator, size, argv[4])) {
    std::fprintf(stderr, "generate_codes: %s: cannot write\n", argv[4]);
    return 1;
  }
  return 0;
}
