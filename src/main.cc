// mojiroll: decodes a file of Japanese text codes into a Shift-JIS text file.
#include "frontend/program_entry.h"

int main(int argc, char** argv) { return run_program(argc, argv); }
