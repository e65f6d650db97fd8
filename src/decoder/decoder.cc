// Decodes one file of codes into one Shift-JIS text file, reading and writing in blocks.
#include "decoder/decoder.h"

#include <cstdio>
#include <memory>
#include <new>

#include "decoder/file_identity.h"
#include "decoder/stream_decoder.h"

namespace {

struct file_closer {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using file_handle = std::unique_ptr<std::FILE, file_closer>;

constexpr std::size_t input_block_size = 64 * 1024;
constexpr std::size_t output_buffer_size = 256 * 1024;
// The text is written out once less than this much room is left, so that each decode call
// still takes a good share of an input block.
constexpr std::size_t output_flush_room = 64 * 1024;

// Opens a file without the stream's own buffer: every read and write is already a whole block.
file_handle open_unbuffered(const char* name, const char* mode) {
  file_handle file(std::fopen(name, mode));
  if (file) std::setvbuf(file.get(), nullptr, _IONBF, 0);
  return file;
}

// Room for a block of codes and for the text decoded from them. Left uninitialised, so that a
// short source never touches the pages it does not need.
struct decode_buffers {
  std::unique_ptr<unsigned char[]> block{new (std::nothrow) unsigned char[input_block_size]};
  std::unique_ptr<char[]> output{new (std::nothrow) char[output_buffer_size]};
};

// Reads up to a block; gives 0 on a read error. A short count with no error is the end of input.
int read_block(std::FILE* source, unsigned char* block, std::size_t& count) {
  count = std::fread(block, 1, input_block_size, source);
  return !std::ferror(source);
}

int write_text(std::FILE* destination, const char* text, std::size_t size) {
  return std::fwrite(text, 1, size, destination) == size;
}

// Decodes the block into the output buffer, writing the buffer out whenever it runs short of room.
int decode_into(decode_state& state, const unsigned char* block, std::size_t count, char* output,
                std::size_t& used, std::FILE* destination) {
  const unsigned char* in = block;
  const unsigned char* in_end = in + count;
  while (in < in_end) {
    std::size_t room = output_buffer_size - used;
    if (room < output_flush_room) {
      if (!write_text(destination, output, used)) return 0;
      used = 0;
      room = output_buffer_size;
    }
    std::size_t take = room / max_output_per_byte;
    if (take > static_cast<std::size_t>(in_end - in)) take = static_cast<std::size_t>(in_end - in);
    char* out = output + used;
    used += static_cast<std::size_t>(decode_block(state, in, in + take, out) - out);
    in += take;
  }
  return 1;
}

}  // namespace

int decode_file(const char* source_name, const char* destination_name, int multi_byte) {
  if (!source_name || !*source_name || !destination_name || !*destination_name) return 0;

  file_handle source = open_unbuffered(source_name, "rb");
  if (!source) return 0;
  // Opening the destination would truncate a source that is the same file before it is read.
  if (is_same_file(source.get(), destination_name)) return 0;

  decode_buffers buffers;
  if (!buffers.block || !buffers.output) return 0;
  std::size_t count = 0;
  // The first block is read before the destination is touched, so a source that opens but cannot
  // be read (a directory, an I/O error) leaves the destination as it was.
  if (!read_block(source.get(), buffers.block.get(), count)) return 0;

  file_handle destination = open_unbuffered(destination_name, "wb");
  if (!destination) return 0;

  std::size_t used = 0;
  decode_state state = start_decoding(multi_byte);
  while (count > 0) {
    if (!decode_into(state, buffers.block.get(), count, buffers.output.get(), used,
                     destination.get())) {
      return 0;
    }
    if (!read_block(source.get(), buffers.block.get(), count)) return 0;
  }
  if (!write_text(destination.get(), buffers.output.get(), used)) return 0;
  // A failed close can lose what was written: it fails the run like a failed write.
  return std::fclose(destination.release()) == 0;
}
