// Makes seeded streams of text codes that look like running text, for the benchmarks. The same
// mode and seed give the same bytes on every machine, whatever block sizes the stream is asked in.
#ifndef MOJIROLL_BENCH_CODE_GENERATOR_H_
#define MOJIROLL_BENCH_CODE_GENERATOR_H_

#include <cstddef>
#include <cstdint>

struct code_generator {
  int multi_byte;              // 0 for the single-byte format, any other value for multi-byte
  std::uint64_t random_state;  // the state of the pseudo-random sequence
  std::uint64_t random_bits;   // the unused part of the last draw, 16 bits for each code
  int codes_left;              // how many codes random_bits still picks
  int pending_byte;            // the second byte of a two-byte code cut by the last block, or -1
};

// A generator at the start of the stream for a format and a seed.
code_generator start_generating(int multi_byte, std::uint64_t seed);

// Writes the next `size` bytes of the stream at `out`.
void fill_codes(code_generator& generator, unsigned char* out, std::size_t size);

#endif  // MOJIROLL_BENCH_CODE_GENERATOR_H_
