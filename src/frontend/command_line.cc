// Reads option clusters and file names from the command line.
#include "frontend/command_line.h"

#include "frontend/file_name.h"

namespace {

char fold_to_lower_case(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

void read_option_cluster(const char* letters, command_line& options) {
  for (const char* c = letters; *c; ++c) {
    switch (fold_to_lower_case(*c)) {
      case 'h':
        options.help = 1;
        break;
      case 'm':
        options.multi_byte = 1;
        break;
      case 's':
        options.multi_byte = 0;
        break;
      default:
        options.invalid_option = 1;
        break;
    }
  }
}

void read_file_name(const char* name, command_line& options) {
  if (!options.source[0]) {
    copy_file_name(options.source, name, name_buffer_size);
  } else if (!options.destination[0]) {
    copy_file_name(options.destination, name, name_buffer_size);
  }
}

}  // namespace

void read_command_line(int argc, const char* const* argv, command_line& options) {
  options = command_line{};
  for (int i = 1; i < argc; ++i) {
    const char* argument = argv[i];
    if (!argument) continue;
    if (argument[0] == '-') {
      read_option_cluster(argument + 1, options);
    } else {
      read_file_name(argument, options);
    }
  }
}
