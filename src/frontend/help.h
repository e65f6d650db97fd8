// The help text.
#ifndef MOJIROLL_FRONTEND_HELP_H_
#define MOJIROLL_FRONTEND_HELP_H_

// Writes the help text to standard output, its usage line with the recorded program name.
void write_help();

#endif  // MOJIROLL_FRONTEND_HELP_H_
