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

# A port of our own on the loopback address, told to us by the server.
python3 -u -c '
import functools, http.server, socketserver, sys
class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass
with socketserver.TCPServer(("127.0.0.1", 0), functools.partial(Quiet, directory=sys.argv[1])) as httpd:
    print(httpd.server_address[1], flush=True)
    httpd.serve_forever()
' "$web" >"$scratch/port" &
server=$!
for _ in $(seq 1 50); do [[ -s "$scratch/port" ]] && break; sleep 0.1; done
port=$(cat "$scratch/port")

python3 "$here/web_play.py" "http://127.0.0.1:$port/orvessa.html" "$scratch/desktop/title.rgba" \
    "$scratch/desktop/scores.dat" "$artifacts" "$scratch"
