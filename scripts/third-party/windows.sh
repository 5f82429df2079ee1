# The Windows recipe of scripts/third-party.sh (sourced by it): Debian's
# MinGW-w64 with POSIX threads, through the toolchain file the game's own
# cross build uses. SDL2's defaults give WGL, WASAPI, DirectSound, winmm,
# XInput, raw input, HIDAPI and SDL2main. GoogleTest too, for the test suites.
# The packages ship each library's copyright and licence texts from Debian's
# source package (share/doc/<source package>/copyright).
binaries+=(libgtest-dev)
libraries+=(googletest licences)
recipe+=("$top/cmake/mingw-w64.cmake")

toolchain() {
    x86_64-w64-mingw32-g++-posix --version
    dpkg-query -W g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev
}
cmake_configure() { cmake -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64.cmake" "$@"; }
zlib_configure() { CHOST=x86_64-w64-mingw32 CC=x86_64-w64-mingw32-gcc-posix ./configure "$@"; }
make_tool() { make "$@"; }

build_googletest() { cmake_library googletest googletest -DBUILD_GMOCK=ON -DINSTALL_GTEST=ON; }

build_licences() {
    for package in "${!wanted[@]}"; do
        mkdir -p "$stage/share/doc/$package"
        cp "$(tree "$package")/debian/copyright" "$stage/share/doc/$package/copyright"
    done
}
