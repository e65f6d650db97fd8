// Tells whether an open file and a file name are the same file, by the file system's identity of
// each: device and inode number, or on Windows volume serial number and file index.
#include "decoder/file_identity.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <sys/stat.h>
#endif

#ifdef _WIN32

int is_same_file(std::FILE* file, const char* name) {
  BY_HANDLE_FILE_INFORMATION file_info;
  HANDLE file_handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
  if (!GetFileInformationByHandle(file_handle, &file_info)) return 0;
  // Opened for no access at all, only to be identified; a missing file is not the same file.
  HANDLE named = CreateFileA(name, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                             nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (named == INVALID_HANDLE_VALUE) return 0;
  BY_HANDLE_FILE_INFORMATION named_info;
  int known = GetFileInformationByHandle(named, &named_info) != 0;
  CloseHandle(named);
  return known && file_info.dwVolumeSerialNumber == named_info.dwVolumeSerialNumber &&
         file_info.nFileIndexHigh == named_info.nFileIndexHigh &&
         file_info.nFileIndexLow == named_info.nFileIndexLow;
}

#else

int is_same_file(std::FILE* file, const char* name) {
  struct stat file_info;
  struct stat named_info;
  if (fstat(fileno(file), &file_info) != 0 || stat(name, &named_info) != 0) return 0;
  // Only a regular file is lost by truncating it; a terminal or a device may well be both ends.
  return S_ISREG(file_info.st_mode) && file_info.st_dev == named_info.st_dev &&
         file_info.st_ino == named_info.st_ino;
}

#endif
