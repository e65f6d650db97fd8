# Cross build for 64-bit Windows with MinGW-w64 (Debian package g++-mingw-w64-x86-64).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
