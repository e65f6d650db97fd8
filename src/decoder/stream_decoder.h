// Decodes blocks of codes in memory into Shift-JIS text with CR LF line ends. The caller feeds the
// source in blocks of any size; a two-byte code split between two blocks is decoded whole.
#ifndef MOJIROLL_DECODER_STREAM_DECODER_H_
#define MOJIROLL_DECODER_STREAM_DECODER_H_

#include <cstddef>

struct decode_state {
  int multi_byte;      // 0 for the single-byte format, any other value for the multi-byte format
  int pending_prefix;  // the lead byte of a two-byte code cut off by the end of a block, or 0
};

// The state at the start of a source.
decode_state start_decoding(int multi_byte);

// The room decode_block needs at `out` for each input byte.
constexpr std::size_t max_output_per_byte = 32;

// Decodes the codes in [begin, end) and writes their text at `out`, which must have room for
// (end - begin) * max_output_per_byte bytes. Returns the end of the text written. A lead byte that
// ends the block is kept in `state` and completed by the first byte of the next block; at the end
// of the source it writes nothing.
char* decode_block(decode_state& state, const unsigned char* begin, const unsigned char* end,
                   char* out);

#endif  // MOJIROLL_DECODER_STREAM_DECODER_H_
