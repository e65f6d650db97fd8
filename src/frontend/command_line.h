// Reads the command line: option clusters of the letters s, m and h, and two file names, in any
// order.
#ifndef MOJIROLL_FRONTEND_COMMAND_LINE_H_
#define MOJIROLL_FRONTEND_COMMAND_LINE_H_

#include "frontend/name_buffer.h"

struct command_line {
  int help;            // an "h" was given
  int invalid_option;  // a letter other than h, m and s was given
  int multi_byte;      // 1 when the last of "m" and "s" was "m"; 0 (single-byte) by default
  char source[name_buffer_size];       // empty while its first byte is zero
  char destination[name_buffer_size];  // empty while its first byte is zero
};

// Walks the arguments after the program name into `options`, which it first clears. Every
// argument that starts with "-" is a cluster of option letters in either case; any other
// non-empty argument fills the source slot, then the destination slot, and is ignored after that.
// A name too long for its slot fills nothing.
void read_command_line(int argc, const char* const* argv, command_line& options);

#endif  // MOJIROLL_FRONTEND_COMMAND_LINE_H_
