#!/usr/bin/env bash
# Runs a test program in real X windows: a private Xvfb of the given size
# with a window manager (full screen is asked of it), SDL's x11 driver.
#
#   tests/support/under_x.sh 1024x768 <program> [arguments...]
set -euo pipefail
size=$1
shift
build=""
artifacts=$(mktemp -u /tmp/orvessa-under-x-XXXXXX) # nothing is kept
source "$(dirname "$0")/../e2e/lib.sh"
start_x "$size"
start_wm
SDL_VIDEODRIVER=x11 "$@"
