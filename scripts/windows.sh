#!/usr/bin/env bash
# Builds Orvessa for 64-bit Windows and makes both of its packages:
#
#   build-windows/orvessa-1.0-windows-x64.zip   portable: unpack anywhere, run
#   build-windows/orvessa-1.0-setup.exe         the setup (NSIS)
#
# Installs what is missing (packages.txt, packages-windows.txt), builds the
# libraries once into a cache outside the checkout (scripts/third-party.sh,
# docs/third-party.md), and the build-time generators for this machine: those
# of build/ when it is a Linux build of this checkout, else its own in
# build-windows/host-tools/. Then the cross build in build-windows/, and the
# packages (packaging/windows/pack.sh). tests/e2e/windows.sh tests them.
# Usage: scripts/windows.sh
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/scripts/install-packages.sh" packages.txt packages-windows.txt
prefix=$("$top/scripts/third-party.sh" windows --print-prefix)

# linux_build FOLDER: whether FOLDER is a configured build of this checkout
# for this machine.
linux_build() {
    local cache=$1/CMakeCache.txt
    [[ -f "$cache" ]] && grep -qxF "CMAKE_HOME_DIRECTORY:INTERNAL=$top" "$cache" &&
        ! grep -q '^CMAKE_TOOLCHAIN_FILE:' "$cache"
}
host_tools=""
linux_build "$top/build" && host_tools="$top/build"

# A new prefix (other library versions or recipe) is a new configuration:
# the old one's found libraries would stay in the cache.
fresh=()
grep -qxF "CMAKE_PREFIX_PATH:UNINITIALIZED=$prefix" "$top/build-windows/CMakeCache.txt" 2>/dev/null ||
    fresh=(--fresh)
cmake "${fresh[@]}" -S "$top" -B "$top/build-windows" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64.cmake" \
    -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_BUILD_TYPE=Release -DORVESSA_TESTS=ON \
    -DORVESSA_HOST_TOOLS_DIR="$host_tools" >/dev/null
cmake --build "$top/build-windows" -j"$(nproc)"
cmake --build "$top/build-windows" --target orvessa_packages >/dev/null
for package in "$top"/build-windows/orvessa-*-windows-x64.zip "$top"/build-windows/orvessa-*-setup.exe; do
    echo "$(du -k "$package" | cut -f1) kB  ${package#"$top"/}"
done
