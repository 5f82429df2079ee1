# What the browser build needs beyond the Linux build's libraries. Configure
# with the toolchain file and the prefix that scripts/third-party.sh web
# makes (scripts/web.sh does all of it):
#
#   cmake -S . -B build-web -DCMAKE_TOOLCHAIN_FILE=cmake/emscripten.cmake \
#         -DCMAKE_PREFIX_PATH="$(scripts/third-party.sh web --print-prefix)"
#   cmake --build build-web -j2   # orvessa.html, .js, .wasm and .data
#
# The generators of the art and the font run on the build machine
# (cmake/HostTools.cmake). The unit tests and benchmarks are the Linux
# build's; the browser is tested end to end (tests/e2e/web.sh).

pkg_check_modules(SDL2 REQUIRED IMPORTED_TARGET sdl2)
# A static FreeType needs the libraries it was built with after it.
set_property(TARGET Freetype::Freetype APPEND PROPERTY INTERFACE_LINK_LIBRARIES
    PNG::PNG ZLIB::ZLIB)
include(cmake/HostTools.cmake)
set(ORVESSA_TESTS OFF)
set(ORVESSA_BENCH OFF)

# The library layer reports hard failures as C++ exceptions, some of them
# thrown from inside waits; emscripten leaves exceptions off unless asked.
add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-fexceptions>)
add_link_options(-fexceptions)

# How the program runs in the page:
# - Asyncify: the screens' loops block as on the desktop, and every wait
#   hands control back to the page (the page draws, plays and takes input
#   only then); its stack holds the frames of the deepest wait;
# - OpenGL 1.1's calls emulated over WebGL 1.0;
# - memory that grows with the decoded music;
# - the player's folder kept in the browser's storage (IndexedDB), mounted
#   and loaded by web/storage.js before the program starts;
# - the characters packed beside the program, where an installed game keeps
#   them (platform/emscripten/folder.cpp);
# - what SDL's own scripts call in the page (web/sdl-needs.json): resuming
#   the sound once the player first presses a key or clicks (browsers start
#   it no sooner), and calling back into the program. A file, for the names'
#   '$' does not pass through CMake's link command unharmed.
set(ORVESSA_WEB_LINK_OPTIONS
    -sASYNCIFY=1 -sASYNCIFY_STACK_SIZE=65536
    -sLEGACY_GL_EMULATION=1 -sGL_UNSAFE_OPTS=0
    -sALLOW_MEMORY_GROWTH=1
    -sENVIRONMENT=web
    -lidbfs.js
    -sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=@${PROJECT_SOURCE_DIR}/web/sdl-needs.json
    "SHELL:--pre-js ${PROJECT_SOURCE_DIR}/web/storage.js"
    "SHELL:--preload-file ${CMAKE_BINARY_DIR}/chars@/usr/share/games/orvessa/chars")
