// Fuzzes the block decoder: any bytes, in both formats, fed in blocks whose sizes come from the
// input, must decode to exactly the text the plain decoder gives for the same bytes. Each block is
// decoded into a buffer of exactly the room the decoder asks for, so a write past it is caught.
//
// Input: the low three bits of the first byte say how many of the next bytes are block sizes
// (0 to 255 each, 0 an empty block), used in turn; the rest is the codes. Without block sizes, or
// with only sizes of 0, the codes are one block.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "decoder/stream_decoder.h"
#include "plain_decoder.h"

namespace {

std::string decode_in_blocks(int multi_byte, const std::uint8_t* codes, const std::uint8_t* end,
                             const std::uint8_t* sizes, std::size_t size_count) {
  std::string text;
  decode_state state = start_decoding(multi_byte);
  const std::uint8_t* in = codes;
  for (std::size_t i = 0; in < end; ++i) {
    std::size_t block = size_count ? sizes[i % size_count] : static_cast<std::size_t>(end - in);
    if (block > static_cast<std::size_t>(end - in)) block = static_cast<std::size_t>(end - in);
    const std::size_t room = block * max_output_per_byte;
    std::unique_ptr<char[]> out(new char[room]);
    const char* written_end = decode_block(state, in, in + block, out.get());
    if (written_end < out.get() || written_end > out.get() + room) {
      std::fprintf(stderr, "decode_block ended its text outside its buffer\n");
      std::abort();
    }
    text.append(out.get(), static_cast<std::size_t>(written_end - out.get()));
    in += block;
  }
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  std::size_t size_count = data[0] & 7u;
  if (size_count > size - 1) size_count = size - 1;
  const std::uint8_t* sizes = data + 1;
  const std::uint8_t* codes = sizes + size_count;
  const std::uint8_t* end = data + size;
  std::size_t size_sum = 0;
  for (std::size_t i = 0; i < size_count; ++i) size_sum += sizes[i];
  if (size_sum == 0) size_count = 0;

  for (int multi_byte : {0, 1}) {
    const std::string fast = decode_in_blocks(multi_byte, codes, end, sizes, size_count);
    const std::string plain =
        decode_one_code_at_a_time(multi_byte, codes, static_cast<std::size_t>(end - codes));
    if (fast != plain) {
      std::size_t at = 0;
      while (at < fast.size() && at < plain.size() && fast[at] == plain[at]) ++at;
      std::fprintf(stderr,
                   "mode %d: the block decoder's text differs from the plain one at byte %zu\n",
                   multi_byte, at);
      std::abort();
    }
  }
  return 0;
}
