# Builds for the browser with Debian's emscripten: its own toolchain file, plus
# what it lacks on this system. Libraries are looked up in the prefixes of
# CMAKE_PREFIX_PATH (the one scripts/third-party.sh web makes) before
# emscripten's sysroot, whose SDL2 files only name its downloading ports.
#   eval "$(scripts/third-party.sh web --print-env)"
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/emscripten.cmake -DCMAKE_PREFIX_PATH=<prefix> ...

# Debian's emscripten finds its Node.js modules only through NODE_PATH, and
# should run on Debian's Python; the cache it uses (EM_CACHE, when set) must
# stay the same from configuring to the last link. So every compile and link
# gets these settings, as they were when the build folder was configured.
set(_web_env NODE_PATH=/usr/share/nodejs EMSDK_PYTHON=/usr/bin/python3)
foreach(_web_name EM_CACHE EM_FROZEN_CACHE)
  if(DEFINED ENV{${_web_name}})
    list(APPEND _web_env "${_web_name}=$ENV{${_web_name}}")
  endif()
endforeach()
foreach(_web_setting ${_web_env})
  string(REGEX MATCH "^[^=]+" _web_name "${_web_setting}")
  string(REGEX REPLACE "^[^=]+=" "" _web_value "${_web_setting}")
  set(ENV{${_web_name}} "${_web_value}")
endforeach()
foreach(_web_lang C CXX)
  set(CMAKE_${_web_lang}_COMPILER_LAUNCHER env ${_web_env})
  set(CMAKE_${_web_lang}_LINKER_LAUNCHER env ${_web_env})
endforeach()

include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
list(PREPEND CMAKE_FIND_ROOT_PATH ${CMAKE_PREFIX_PATH})

# pkg-config (FindPkgConfig) reads only the prefixes' .pc files, never the
# build machine's, and gives the flags of a static link.
set(PKG_CONFIG_ARGN --static)
if(CMAKE_PREFIX_PATH)
  list(TRANSFORM CMAKE_PREFIX_PATH APPEND /lib/pkgconfig OUTPUT_VARIABLE _web_pc_dirs)
  string(REPLACE ";" ":" _web_pc_dirs "${_web_pc_dirs}")
  set(ENV{PKG_CONFIG_LIBDIR} "${_web_pc_dirs}")
  set(ENV{PKG_CONFIG_PATH} "")
endif()

# Checks that run a program (type sizes, endianness) and tests run it in
# Node.js; this emscripten's loader reads its .wasm file only when Node.js's
# own fetch is off.
find_program(EMSCRIPTEN_NODE NAMES node nodejs)
set(CMAKE_CROSSCOMPILING_EMULATOR ${EMSCRIPTEN_NODE} --no-experimental-fetch)
