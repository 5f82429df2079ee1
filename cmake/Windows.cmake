# What the cross build for Windows needs beyond the Linux build's libraries.
# Configure with the toolchain file and the prefix of static libraries that
# scripts/third-party.sh windows makes:
#
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
#         -DCMAKE_PREFIX_PATH="$(scripts/third-party.sh windows --print-prefix)"
#   cmake --build build-windows -j2    # orvessa.exe, chars/ and the licence
#   ctest --test-dir build-windows     # the unit tests, under wine
#
# The generators of the art and the font run on the build machine: they are
# built for it by cmake/HostTools.cmake.

# SDL's CMake package, not its pkg-config file: that one would rename every
# main() to SDL_main and make every program, the tests too, a GUI program.
# The game's own entry is a plain main (platform/ tells SDL so).
find_package(SDL2 REQUIRED CONFIG)
add_library(PkgConfig::SDL2 INTERFACE IMPORTED)
target_link_libraries(PkgConfig::SDL2 INTERFACE SDL2::SDL2-static)

# A static FreeType needs the libraries it was built with after it.
set_property(TARGET Freetype::Freetype APPEND PROPERTY INTERFACE_LINK_LIBRARIES
    PNG::PNG ZLIB::ZLIB)

include(cmake/HostTools.cmake)

# M_PI and its kin, which glibc's <cmath> gives without asking.
add_compile_definitions(_USE_MATH_DEFINES)
