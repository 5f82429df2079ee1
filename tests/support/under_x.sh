#!/usr/bin/env bash
# Runs a test program in real X windows: a private Xvfb of the given size
# with a window manager (full screen is asked of it), SDL's x11 driver.
#
#   tests/support/under_x.sh 1024x768 <program> [arguments...]
set -euo pipefail
size=$1
shift
exec 3< <(Xvfb -displayfd 1 -screen 0 "${size}x24" -nolisten tcp 2>/dev/null & echo "pid $!")
read -r line <&3
xvfb_pid=${line#pid }
read -r number <&3 || true
wm_pid=""
trap 'kill $wm_pid $xvfb_pid 2>/dev/null || true' EXIT
[[ -n "$number" ]] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$number" SDL_VIDEODRIVER=x11
openbox >/dev/null 2>&1 &
wm_pid=$!
for _ in $(seq 1 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break
    sleep 0.1
done
"$@"
