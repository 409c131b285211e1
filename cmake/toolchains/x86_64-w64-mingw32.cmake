# 64-bit Windows, with Debian's MinGW-w64 compilers in their POSIX thread
# model (std::thread and std::mutex need it). Qt for Windows and GoogleTest
# are built with this file too, so a change to it builds them anew: their
# cache key holds its hash. What finds Qt and GoogleTest, and Wine as the
# emulator that runs the tests, comes from the windows preset, not from here.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_STRIP /usr/bin/x86_64-w64-mingw32-strip)
list(APPEND CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
