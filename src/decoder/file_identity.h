// Tells whether an open file and a file name are the same file on disk.
#ifndef MOJIROLL_DECODER_FILE_IDENTITY_H_
#define MOJIROLL_DECODER_FILE_IDENTITY_H_

#include <cstdio>

// Gives 1 when `file` is a regular file on disk and `name` names it, however it is spelled and
// through any hard or symbolic link; gives 0 when it names another file or no file at all.
int is_same_file(std::FILE* file, const char* name);

#endif  // MOJIROLL_DECODER_FILE_IDENTITY_H_
