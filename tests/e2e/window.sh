#!/usr/bin/env bash
# The window and the command line of the real program: the options' output
# and exit status, the message when no window system answers, and on a
# 1920 x 1080 desktop with a window manager: full screen from the command
# line with black bars beside the picture, F11 and Alt+Enter between full
# screen and a 2x window, and those presses never reaching the game.
# Usage: window.sh <build folder> <artifact folder> <folder of wait_pixel>
build=$1
artifacts=$2
tools=$3
source "$(dirname "$0")/lib.sh"

make_program_folder
program="$scratch/game/orvessa"

# The command line.
out=$("$program" --version) || fail "--version exited $?"
[[ "$out" == "orvessa 1.0" ]] || fail "--version printed '$out'"
"$program" --help >"$scratch/help" || fail "--help exited $?"
grep -q '^usage: orvessa \[--fullscreen | --window\] \[--scale N\]' "$scratch/help" ||
    fail "--help: $(head -n 2 "$scratch/help")"
grep -q 'scores.dat' "$scratch/help" || fail "--help says nothing of the scores"
for bad in "--bogus" "--scale 0" "--scale 9" "--scale x" "--scale" "--fullscreen --window"; do
    status=0
    # shellcheck disable=SC2086 # each case is its own words
    "$program" $bad >"$scratch/out" 2>"$scratch/err" || status=$?
    [[ $status == 2 ]] || fail "'$bad' exited $status"
    [[ ! -s "$scratch/out" ]] || fail "'$bad' printed to standard output"
    grep -q '^usage: orvessa' "$scratch/err" || fail "'$bad' gave no usage"
done

# No window system: one line and status 1, at once.
for display in "" ":$(( RANDOM % 1000 + 4000 ))"; do
    started=$(date +%s%N)
    status=0
    (cd / && env -u SDL_VIDEODRIVER -u WAYLAND_DISPLAY -u XDG_RUNTIME_DIR DISPLAY="$display" \
        SDL_AUDIODRIVER=dummy timeout 10 "$program" >"$scratch/out" 2>"$scratch/err") || status=$?
    took=$(( ($(date +%s%N) - started) / 1000000 ))
    [[ $status == 1 ]] || fail "no display '$display': exit status $status"
    grep -q '^orvessa: cannot open a window: .' "$scratch/err" ||
        fail "no display '$display': $(cat "$scratch/err")"
    [[ $(wc -l <"$scratch/err") == 1 ]] || fail "no display '$display': $(cat "$scratch/err")"
    (( took < 1000 )) || fail "no display '$display': $took ms"
done

# Full screen on a desktop with a window manager.
start_x 1920x1080
start_wm
geometry() { xdotool getwindowgeometry "$window" | awk '/Geometry/ { print $2 }'; }
wait_geometry() {
    for _ in $(seq 1 50); do
        [[ "$(geometry)" == "$1" ]] && return
        sleep 0.1
    done
    fail "the window is $(geometry), not $1"
}
(cd / && SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy exec "$program" --fullscreen \
    >"$scratch/stdout" 2>"$scratch/stderr") &
game_pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name "Orvessa" | head -n 1) ||
    fail "no game window"
xdotool windowfocus --sync "$window"
wait_geometry 1920x1080
sleep 9 # the splash, then the title
# The title's start button, at 2.25 times; black beside the picture.
"$tools/wait_pixel" "$window" 5000 830,855=115,33,35 100,540=0,0,0 1819,540=0,0,0 \
    >"$scratch/seen" || fail "full screen: $(cat "$scratch/seen")"
mkdir -p "$artifacts"
import -window root "$artifacts/fullscreen.png"

# F11 and Alt+Enter: a 2x window and back, and the title stays (Enter on the
# start button would have left it).
keys F11
wait_geometry 1280x960
"$tools/wait_pixel" "$window" 3000 524,760=115,33,35 >"$scratch/seen" ||
    fail "window: $(cat "$scratch/seen")"
shot window-2x
keys alt+Return
wait_geometry 1920x1080
keys alt+Return
wait_geometry 1280x960
sleep 1
"$tools/wait_pixel" "$window" 3000 524,760=115,33,35 >"$scratch/seen" ||
    fail "the title did not stay: $(cat "$scratch/seen")"
keys Escape
wait_exit 10
[[ "$status" == 0 ]] || fail "exit status $status"
echo "window passed"
