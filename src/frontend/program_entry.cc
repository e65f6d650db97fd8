// The program's run: records the name, reads the command line, then shows the help, stops with a
// message, or decodes. Checks run in a fixed order, and no file is opened before they pass.
#include "frontend/program_entry.h"

#include <cerrno>
#include <cstdio>

#include "decoder/decoder.h"
#include "frontend/command_line.h"
#include "frontend/diagnostics.h"
#include "frontend/help.h"

int run_program(int argc, const char* const* argv) {
  errno = 0;
  set_program_name(argc > 0 ? argv[0] : nullptr);
  command_line options;
  read_command_line(argc, argv, options);

  if (options.help) {
    write_help();
    // A help that did not reach standard output (a full disk, a closed pipe) is no success; no
    // message names such a cause, so the run ends with status 1 alone.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) fatal_error(nullptr);
    return 0;
  }
  if (options.invalid_option) fatal_error("Invalid option");
  if (!options.source[0] || !options.destination[0]) fatal_error("Too few arguments");
  if (!decode_file(options.source, options.destination, options.multi_byte)) {
    fatal_error("Cannot decode");
  }
  return 0;
}
