// The program-name record, the error reporter and the fatal exit.
#include "frontend/diagnostics.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "frontend/name_buffer.h"

namespace {

char program_name_record[name_buffer_size];

}  // namespace

void set_program_name(const char* name) {
  if (!name) return;
  std::strncpy(program_name_record, name, name_buffer_size);
  program_name_record[name_buffer_size - 1] = '\0';
}

const char* program_name() { return program_name_record; }

void report_error(const char* format, std::va_list args) {
  // Taken first: writing the message may change errno.
  int error_number = errno;
  if (program_name_record[0]) std::fprintf(stderr, "%s: ", program_name_record);
  if (format) {
    std::vfprintf(stderr, format, args);
    std::size_t length = std::strlen(format);
    if (length > 0 && format[length - 1] == ':') {
      std::fprintf(stderr, " %s", std::strerror(error_number));
    }
  }
  std::fputc('\n', stderr);
}

void fatal_error(const char* format, ...) {
  std::fflush(stdout);
  if (format) {
    std::va_list args;
    va_start(args, format);
    report_error(format, args);
    va_end(args);
  }
  std::exit(1);
}
