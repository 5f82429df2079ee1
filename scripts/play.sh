#!/usr/bin/env bash
# Installs what is missing, builds the game into build/ and starts it.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/scripts/install-packages.sh"
cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE=Release -DORVESSA_TESTS=OFF -DORVESSA_BENCH=OFF >/dev/null
cmake --build "$top/build" -j"$(nproc)"
exec "$top/build/orvessa"
