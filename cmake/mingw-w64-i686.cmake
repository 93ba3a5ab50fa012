# Cross-compiling for 32-bit Windows with Debian's MinGW-w64. The -win32
# variant: its runtime uses Windows' own primitives, where the -posix one
# brings a thread library that imports GetTickCount64 (Vista on), vectored
# exception handlers (XP on) and NT-only functions. Velmora uses no
# std::thread or std::mutex, which only the -posix variant has.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)

set(CMAKE_C_COMPILER   i686-w64-mingw32-gcc-win32)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-win32)
set(CMAKE_RC_COMPILER  i686-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
