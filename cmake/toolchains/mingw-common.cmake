# The part of the MinGW-w64 cross builds for Windows that both word sizes share; the toolchain file
# of each sets CMAKE_SYSTEM_PROCESSOR first.
set(CMAKE_SYSTEM_NAME Windows)
set(mingw_triple ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)

# Named in full, so the build does not depend on the thread model the machine's alternatives pick:
# the posix model's C++ library is the complete one (GCC 12's win32 model lacks std::thread).
set(CMAKE_CXX_COMPILER ${mingw_triple}-g++-posix)

set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Static libgcc, libstdc++ and winpthread, so the .exe needs no DLL beyond Windows' own.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
