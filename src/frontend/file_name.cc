// Copies a file name into a name buffer, turning backslashes into slashes.
#include "frontend/file_name.h"

#include <cstring>
#include <memory>
#include <new>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

// Tells whether a byte starts a two-byte character of the name's encoding. On Windows a narrow
// name is in the active code page, whose second bytes may be a backslash (in code page 932, 表 is
// 95 5C); elsewhere every byte is read alone.
#ifdef _WIN32
int is_double_byte_lead(unsigned char byte) { return IsDBCSLeadByte(byte) != 0; }
#else
int is_double_byte_lead(unsigned char) { return 0; }
#endif

}  // namespace

char* copy_file_name(char* destination, const char* name, std::size_t size) {
  if (!destination) return nullptr;
  if (!name || size == 0 || std::strlen(name) + 1 >= size) return destination;
  // Built in a scratch buffer, so the destination is either left as it was or filled whole.
  std::unique_ptr<char[]> scratch(new (std::nothrow) char[size]());
  if (!scratch) return destination;
  std::strcpy(scratch.get(), name);
  for (char* c = scratch.get(); *c; ++c) {
    // The second byte of a character is part of it, whatever its value; a lead byte cut off by
    // the end of the name stands alone.
    if (is_double_byte_lead(static_cast<unsigned char>(*c)) && c[1]) {
      ++c;
    } else if (*c == '\\') {
      *c = '/';
    }
  }
  std::memcpy(destination, scratch.get(), size);
  return destination;
}
