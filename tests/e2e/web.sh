#!/usr/bin/env bash
# The browser build end to end in Debian's headless Chromium (web_play.py
# says what is checked), served from 127.0.0.1. The desktop's title frame
# and default score file come from the Linux build's title_frame program.
# Usage: web.sh <browser build folder> <Linux build folder> <artifact folder>
set -euo pipefail
web=$1
linux=$2
artifacts=$3
here="$(cd "$(dirname "$0")" && pwd)"
scratch=$(mktemp -d /tmp/orvessa-web-XXXXXX)
server=""
cleanup() {
    [[ -n "$server" ]] && kill "$server" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
rm -rf "$artifacts"
mkdir -p "$artifacts" "$scratch/desktop"

SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy \
    "$linux/tests/title_frame" "$linux" "$scratch/desktop/title.rgba" "$scratch/desktop"

# A port of its own on the loopback address, which the server names.
python3 -u -m http.server --bind 127.0.0.1 --directory "$web" 0 >"$scratch/server" 2>/dev/null &
server=$!
for _ in $(seq 1 50); do grep -q port "$scratch/server" && break; sleep 0.1; done
port=$(sed -n 's/.* port \([0-9]*\).*/\1/p' "$scratch/server")

python3 "$here/web_play.py" "http://127.0.0.1:$port/orvessa.html" "$scratch/desktop/title.rgba" \
    "$scratch/desktop/scores.dat" "$artifacts" "$scratch"
