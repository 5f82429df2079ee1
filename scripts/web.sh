#!/usr/bin/env bash
# Builds Orvessa for the browser into build-web/ (orvessa.html with its .js,
# .wasm and .data), installing what it needs from Debian and building the
# libraries once into a cache (scripts/third-party.sh). With --serve it then
# serves build-web/ on 127.0.0.1 and prints the address to open.
# ORVESSA_HOST_TOOLS_DIR may name a Linux build folder whose art generators
# to use instead of building them again.
# Usage: scripts/web.sh [--serve [PORT]]
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="$top/build-web"
case "${1:-}" in
"" | --serve) ;;
*)
    echo "usage: $0 [--serve [PORT]]" >&2
    exit 2
    ;;
esac

"$top/scripts/install-packages.sh" packages.txt packages-web.txt
prefix=$("$top/scripts/third-party.sh" web --print-prefix)
eval "$("$top/scripts/third-party.sh" web --print-env)"
cmake -S "$top" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/emscripten.cmake" \
    -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_BUILD_TYPE=Release \
    -DORVESSA_HOST_TOOLS_DIR="${ORVESSA_HOST_TOOLS_DIR:-}" >/dev/null
cmake --build "$build" -j"$(nproc)"

[[ "${1:-}" == --serve ]] || exit 0
port="${2:-8640}"
echo "Orvessa is at http://127.0.0.1:$port/orvessa.html (Ctrl+C stops serving)"
exec python3 -m http.server --bind 127.0.0.1 --directory "$build" "$port"
