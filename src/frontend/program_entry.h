// The program's run: the command line in, one decoding, an exit status out.
#ifndef MOJIROLL_FRONTEND_PROGRAM_ENTRY_H_
#define MOJIROLL_FRONTEND_PROGRAM_ENTRY_H_

// Runs mojiroll on the command line. Gives 0 after the help or a decoding; on any error it writes
// one message and ends the process with status 1.
int run_program(int argc, const char* const* argv);

#endif  // MOJIROLL_FRONTEND_PROGRAM_ENTRY_H_
