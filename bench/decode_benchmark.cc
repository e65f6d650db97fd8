// Measures decode_block in memory, in bytes of codes per second, for each format: 16 MiB of
// generated text decoded in 64 KiB blocks into one reused output buffer, as a file is decoded.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "code_generator.h"
#include "decoder/stream_decoder.h"

namespace {

constexpr std::size_t input_size = std::size_t{16} << 20;
constexpr std::size_t block_size = std::size_t{64} << 10;
constexpr std::uint64_t input_seed = 1;

void decode_codes(benchmark::State& state, int multi_byte) {
  std::vector<unsigned char> input(input_size);
  code_generator generator = start_generating(multi_byte, input_seed);
  fill_codes(generator, input.data(), input.size());
  std::vector<char> output(block_size * max_output_per_byte);
  std::size_t text_size = 0;
  for (auto _ : state) {
    decode_state decoder = start_decoding(multi_byte);
    text_size = 0;
    for (std::size_t at = 0; at < input.size(); at += block_size) {
      const unsigned char* begin = input.data() + at;
      const unsigned char* end = begin + std::min(block_size, input.size() - at);
      char* text_end = decode_block(decoder, begin, end, output.data());
      benchmark::DoNotOptimize(text_end);
      benchmark::ClobberMemory();
      text_size += static_cast<std::size_t>(text_end - output.data());
    }
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * input.size()));
  state.counters["text_bytes_per_code_byte"] =
      static_cast<double>(text_size) / static_cast<double>(input.size());
}

BENCHMARK_CAPTURE(decode_codes, single_byte, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(decode_codes, multi_byte, 1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
