// Copies a file name from the command line into a name buffer.
#ifndef MOJIROLL_FRONTEND_FILE_NAME_H_
#define MOJIROLL_FRONTEND_FILE_NAME_H_

#include <cstddef>

// Copies `name` into `destination` (a buffer of `size` bytes, zero-filled after the name), with
// every backslash turned into a slash, and returns `destination`. On Windows the name is read in
// the active code page: a backslash byte that is the second byte of a two-byte character stays.
// A null name, a size of 0, or a name that does not fit with its NUL leaves the destination
// unchanged; a null destination gives null.
char* copy_file_name(char* destination, const char* name, std::size_t size);

#endif  // MOJIROLL_FRONTEND_FILE_NAME_H_
