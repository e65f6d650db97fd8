// The program-name record and the one way messages reach the user: a line on standard error
// that starts with the program name.
#ifndef MOJIROLL_FRONTEND_DIAGNOSTICS_H_
#define MOJIROLL_FRONTEND_DIAGNOSTICS_H_

#include <cstdarg>

// Records the name that prefixes every message, cut to 1023 characters; a null name leaves the
// record as it was.
void set_program_name(const char* name);

// The recorded name, empty until one is set.
const char* program_name();

// Writes one line to standard error: "name: " (nothing for an empty name), the message formatted
// printf-style, and, when the format ends in ':', a space and the text of the current errno.
void report_error(const char* format, std::va_list args);

// Flushes standard output, reports the message (none for a null format) and ends the process with
// status 1.
[[noreturn]] void fatal_error(const char* format, ...);

#endif  // MOJIROLL_FRONTEND_DIAGNOSTICS_H_
