# Cross-builds for 64-bit Windows with Debian's MinGW-w64, POSIX-threads variant
# (so std::thread and std::mutex work). Libraries are looked up only in the
# prefixes of CMAKE_PREFIX_PATH (the one scripts/third-party.sh windows makes)
# and in the toolchain's own folder, never among the build machine's libraries.
# Programs link libgcc, libstdc++ and winpthread statically: one .exe, no DLLs
# beyond Windows' own.
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_PREFIX_PATH=<prefix> ...
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLET}-windres)

# Only the given prefixes and the toolchain's folder are searched: a prefix in
# CMAKE_PREFIX_PATH is both a root and a prefix, so its lib/cmake, lib/pkgconfig
# and include are found while /usr/lib and /usr/include are not.
set(CMAKE_FIND_ROOT_PATH ${CMAKE_PREFIX_PATH} /usr/${MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# pkg-config (FindPkgConfig) reads only the prefixes' .pc files, and gives
# the flags of a static link (a library's private dependencies too).
set(PKG_CONFIG_ARGN --static)
if(CMAKE_PREFIX_PATH)
  list(TRANSFORM CMAKE_PREFIX_PATH APPEND /lib/pkgconfig OUTPUT_VARIABLE _mingw_pc_dirs)
  string(REPLACE ";" ":" _mingw_pc_dirs "${_mingw_pc_dirs}")
  set(ENV{PKG_CONFIG_LIBDIR} "${_mingw_pc_dirs}")
  set(ENV{PKG_CONFIG_PATH} "")
endif()

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")

# Wine runs the cross-built tests and tools where CMake wants to (ctest, try_run).
find_program(MINGW_WINE NAMES wine wine64)
if(MINGW_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${MINGW_WINE})
endif()
