#!/usr/bin/env bash
# Builds the libraries the game links (SDL2, zlib, libpng, FreeType, libogg,
# libvorbis; GoogleTest for Windows) as static libraries for another target,
# from Debian's own source packages of the versions the Linux build uses, into
# a prefix cached outside the checkout; prints the prefix's path on request.
#   windows  64-bit Windows with MinGW-w64 (cmake/mingw-w64.cmake)
#   web      the browser with emscripten
# --print-env (web) prints the emscripten settings to eval before configuring.
# The build logs are kept beside the prefix; docs/third-party.md tells more.
# Usage: scripts/third-party.sh windows|web [--print-prefix | --print-env]
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
target="${1:-}"
print="${2:-}"
case "$target/$print" in
windows/ | windows/--print-prefix | web/ | web/--print-prefix | web/--print-env) ;;
*)
    echo "usage: $0 windows|web [--print-prefix | --print-env]" >&2
    exit 2
    ;;
esac
root="${ORVESSA_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/orvessa}/third-party"

# say TEXT: progress goes to standard error, so standard output is the prefix only.
say() { echo "$*" >&2; }

# --- what to build: the Linux build's -dev packages name the source versions --
binaries=(libsdl2-dev zlib1g-dev libpng-dev libfreetype-dev libogg-dev libvorbis-dev)
libraries=(zlib libpng freetype ogg vorbis sdl2)

# source_versions: one "source version" line for each library.
source_versions() {
    dpkg-query -W -f='${source:Package} ${source:Version}\n' "${binaries[@]}" | sort -u
}

# finish: the prefix is there; print it if asked.
finish() {
    [[ "$print" == --print-prefix ]] && echo "$prefix"
    exit 0
}

# run LOG COMMAND...: runs quietly into LOG; on failure shows its end and stops.
run() {
    local log="$logs/$1.log"
    shift
    echo "+ $*" >>"$log"
    if ! "$@" >>"$log" 2>&1; then
        tail -n 40 "$log" >&2
        say "FAILED: $* (whole log: $log; build folder: $scratch)"
        exit 1
    fi
}

# --- sources: apt-get source through a private list and state ---------------
apt_dir="$root/apt"
sources="$root/sources"

# apt_private COMMAND ARGS...: apt-get or apt-cache on our own source list,
# indexes and download cache, leaving the machine's APT state alone.
apt_private() {
    "$@" -q -o Dir::Etc::SourceList="$apt_dir/sources.list" \
        -o Dir::Etc::SourceParts="$apt_dir/sources.list.d" \
        -o Dir::State::Lists="$apt_dir/lists" -o Dir::Cache="$apt_dir/cache"
}

# deb822_as_source FILE...: the enabled stanzas of deb822 APT sources as
# deb-src ones, keeping their URIs, suites, components and keys.
deb822_as_source() {
    awk 'BEGIN { RS = ""; FS = "\n" }
    {
        kept = ""; enabled = 1; binary = 0
        for (i = 1; i <= NF; i++) {
            if ($i ~ /^#/) continue
            if (tolower($i) ~ /^enabled:[ \t]*no/) enabled = 0
            if ($i ~ /^Types:/) { binary = ($i ~ /[ \t]deb([ \t]|$)/); continue }
            kept = kept $i "\n"
        }
        if (enabled && binary) printf "Types: deb-src\n%s\n", kept
    }' "$@"
}

# index_sources: the source indexes of the mirrors this machine installs from.
index_sources() {
    rm -rf "$apt_dir"
    mkdir -p "$apt_dir/sources.list.d" "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
    local lines=(/etc/apt/sources.list /etc/apt/sources.list.d/*.list)
    local stanzas=(/etc/apt/sources.list.d/*.sources)
    for list in "${lines[@]}"; do
        [[ -f "$list" ]] && sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' "$list"
    done >"$apt_dir/sources.list"
    if [[ -e "${stanzas[0]}" ]]; then
        deb822_as_source "${stanzas[@]}" >"$apt_dir/sources.list.d/deb-src.sources"
    fi
    # A repository without source packages fails its index, harmlessly: the
    # Debian archive's indexes are what the sources come from.
    if ! apt_private apt-get update >>"$logs/fetch.log" 2>&1; then
        say "Some source indexes did not download (see $logs/fetch.log)"
    fi
}

# unpack PACKAGE VERSION FOLDER: downloads the source package and unpacks it
# with Debian's patches applied.
unpack() {
    rm -rf "$3"
    mkdir -p "$3"
    (cd "$3" && apt_private apt-get source "$1=$2") >>"$logs/fetch.log" 2>&1
}

# fetch PACKAGE: the source tree of the installed version, shared by both
# targets; when the mirror has it no more, the newest version it serves.
fetch() {
    local package=$1 tree="$sources/$1_${wanted[$1]}" work="$sources/.unpack"
    [[ -d "$tree" ]] && return
    [[ -n "$indexed" ]] || index_sources
    indexed=yes
    if ! unpack "$package" "${wanted[$package]}" "$work"; then
        local version=
        for version in $(apt_private apt-cache showsrc --only-source "$package" |
            sed -n 's/^Version: //p' | sort -urV); do
            unpack "$package" "$version" "$work" && break
            version=
        done
        if [[ -z "$version" ]]; then
            tail -n 20 "$logs/fetch.log" >&2
            say "FAILED: no source package $package on the mirror (log: $logs/fetch.log)"
            exit 1
        fi
        say "$package ${wanted[$package]} is no longer on the mirror: took $version"
    fi
    mv -T "$(find "$work" -mindepth 1 -maxdepth 1 -type d)" "$tree"
    rm -rf "$work"
}

# fetch_all: every library's sources, one run at a time (they are shared).
fetch_all() {
    mkdir -p "$sources"
    (
        flock 8
        indexed=
        for package in "${!wanted[@]}"; do fetch "$package"; done
    ) 8>"$sources/.lock"
}

# tree PACKAGE: the unpacked source tree of a library.
tree() { echo "$sources/$1_${wanted[$1]}"; }

# --- building ---------------------------------------------------------------
in_dir() { (cd "$1" && shift && "$@"); }

# cmake_library NAME PACKAGE [CMAKE ARGUMENTS...]: configures, builds and
# installs one CMake project of the given source package into the stage.
cmake_library() {
    local name=$1 source
    source=$(tree "$2")
    shift 2
    run "$name" cmake_configure -S "$source" -B "$scratch/$name" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$stage" -DCMAKE_PREFIX_PATH="$stage" -DBUILD_SHARED_LIBS=OFF "$@"
    run "$name" cmake --build "$scratch/$name" -j2
    run "$name" cmake --install "$scratch/$name"
}

# zlib's CMake build always adds a shared library; its own configure makes
# the plain static libz.a and zlib.pc. It builds in its source folder: a copy.
build_zlib() {
    cp -r "$(tree zlib)" "$scratch/zlib"
    run zlib in_dir "$scratch/zlib" zlib_configure --static --prefix="$stage"
    run zlib in_dir "$scratch/zlib" make_tool -j2 install
}

build_libpng() {
    cmake_library libpng libpng1.6 -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF \
        -DPNG_EXECUTABLES=OFF -DPNG_HARDWARE_OPTIMIZATIONS="${png_optimizations:-ON}"
}

build_freetype() {
    cmake_library freetype freetype -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON \
        -DFT_DISABLE_BZIP2=ON -DFT_REQUIRE_ZLIB=ON -DFT_REQUIRE_PNG=ON
}

build_ogg() { cmake_library ogg libogg -DINSTALL_DOCS=OFF -DBUILD_TESTING=OFF; }
build_vorbis() { cmake_library vorbis libvorbis; }

# SDL2 with the back-ends its defaults pick for the target.
build_sdl2() { cmake_library sdl2 libsdl2 -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF; }

# check_pkg_config: the pkg-config files resolve on their own, for a static link.
check_pkg_config() {
    PKG_CONFIG_LIBDIR="$stage/lib/pkgconfig" PKG_CONFIG_PATH='' \
        pkg-config --static --libs sdl2 vorbisfile vorbis ogg freetype2 libpng zlib
}

# relocate: the stage's text files (.pc, CMake, sdl2-config) name the prefix.
relocate() {
    grep -rlIF "$stage" "$stage" | while read -r file; do
        sed -i "s|$stage|$prefix|g" "$file"
    done
}

# provenance: which Debian source versions the prefix was built from.
provenance() {
    for package in "${!wanted[@]}"; do
        echo "$package $(dpkg-parsechangelog -l "$(tree "$package")/debian/changelog" -S Version)"
    done | sort >"$stage/debian-sources.txt"
}

# --- the run ----------------------------------------------------------------
"$top/scripts/install-packages.sh" packages.txt "packages-$target.txt" >&2
# The target's recipe: what identifies its compilers (toolchain), how to run
# them (cmake_configure, zlib_configure, make_tool), the files that say how it
# builds (recipe), and libraries or builders of its own.
recipe=("$0" "$top/scripts/third-party/$target.sh")
# shellcheck source=/dev/null
source "$top/scripts/third-party/$target.sh"

# The key: the library versions, the compilers, and how they are built.
key=$( (source_versions && toolchain && cat "${recipe[@]}") | sha256sum | cut -c1-12)
prefix="$root/$target-$key"
[[ -d "$prefix" ]] && finish

# One build of a prefix at a time; whoever waited finds it done.
mkdir -p "$root"
exec 9>"$root/.$target-$key.lock"
flock 9
[[ -d "$prefix" ]] && finish

scratch="$root/.$target-$key.tmp"
stage="$scratch/prefix"
logs="$prefix.logs"
rm -rf "$scratch" "$logs"
mkdir -p "$scratch" "$logs"

declare -A wanted
while read -r package version; do wanted[$package]="$version"; done < <(source_versions)

started=$SECONDS
say "Building the $target libraries into $prefix"
fetch_all
for library in "${libraries[@]}"; do
    began=$SECONDS
    "build_$library"
    say "  $library ($((SECONDS - began)) s)"
done
run check check_pkg_config
provenance
relocate
mv -T "$stage" "$prefix"
rm -rf "$scratch"
say "Done in $((SECONDS - started)) s"
finish
