set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Debian's "wine" script prefers the 32-bit loader whenever it is installed, even where the kernel
# cannot run 32-bit programs; 64-bit programs need only the 64-bit loader.
find_program(DESKROTATE_WINE NAMES wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
find_program(DESKROTATE_WINE NAMES wine64 wine)
set(CMAKE_CROSSCOMPILING_EMULATOR ${DESKROTATE_WINE})
