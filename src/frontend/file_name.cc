// Copies a file name into a name buffer, turning backslashes into slashes.
#include "frontend/file_name.h"

#include <cstring>
#include <memory>
#include <new>

char* copy_file_name(char* destination, const char* name, std::size_t size) {
  if (!destination) return nullptr;
  if (!name || size == 0 || std::strlen(name) + 1 >= size) return destination;
  // Built in a scratch buffer, so the destination is either left as it was or filled whole.
  std::unique_ptr<char[]> scratch(new (std::nothrow) char[size]());
  if (!scratch) return destination;
  std::strcpy(scratch.get(), name);
  for (char* c = scratch.get(); *c; ++c) {
    if (*c == '\\') *c = '/';
  }
  std::memcpy(destination, scratch.get(), size);
  return destination;
}
