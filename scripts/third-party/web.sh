# The browser recipe of scripts/third-party.sh (sourced by it): Debian's
# emscripten. SDL2's defaults for it give the canvas (WebGL), Web Audio and
# the Gamepad API, without threads.
toolchain() {
    emcc --version
    dpkg-query -W emscripten
}
recipe+=("$top/cmake/emscripten.cmake")
cmake_configure() { cmake -DCMAKE_TOOLCHAIN_FILE="$top/cmake/emscripten.cmake" "$@"; }
zlib_configure() { emconfigure ./configure "$@"; }
make_tool() { emmake make "$@"; }
# libpng's hardware optimisations are for real processors.
png_optimizations=OFF

# Debian's emscripten finds its Node.js modules and Python only when told, and
# keeps its system libraries in a read-only cache; ours is a writable tree of
# links to it, so a variant Debian did not prebuild can be added.
export EMSDK_PYTHON=/usr/bin/python3 NODE_PATH=/usr/share/nodejs EM_FROZEN_CACHE=''
EM_CACHE="$root/emscripten-$(dpkg-query -W -f='${Version}' emscripten)"
export EM_CACHE
if [[ ! -e "$EM_CACHE/sysroot_install.stamp" ]]; then
    rm -rf "$EM_CACHE.tmp"
    mkdir -p "$root"
    cp -rs /usr/share/emscripten/cache "$EM_CACHE.tmp"
    rm -f "$EM_CACHE.tmp/cache.lock"
    mv -T "$EM_CACHE.tmp" "$EM_CACHE"
fi
if [[ "$print" == --print-env ]]; then
    for name in EMSDK_PYTHON NODE_PATH EM_CACHE EM_FROZEN_CACHE; do
        echo "export $name='${!name}'"
    done
    exit 0
fi
