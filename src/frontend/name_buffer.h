// The size of the buffers that hold the program name and the two file names.
#ifndef MOJIROLL_FRONTEND_NAME_BUFFER_H_
#define MOJIROLL_FRONTEND_NAME_BUFFER_H_

#include <cstddef>

// A name buffer holds a NUL-terminated name of at most 1023 characters.
constexpr std::size_t name_buffer_size = 1024;

#endif  // MOJIROLL_FRONTEND_NAME_BUFFER_H_
