# Cross build for 64-bit Windows with Debian's MinGW-w64 (package mingw-w64):
#   cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
#         -DRERORE_GUI=OFF -DRERORE_BENCH=OFF
# The posix thread variant of the compiler gives the full C++ thread and
# filesystem support; everything is linked statically, so the .exe files run
# on a bare Windows (or under Wine) without the compiler's DLLs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(RERORE_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${RERORE_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${RERORE_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${RERORE_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${RERORE_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
