# Shared by the end-to-end scripts: a private X server, a scratch copy of the
# program folder, and helpers to drive and watch the game.
#
# The caller sets: build (the build folder), artifacts (where screenshots go).

set -euo pipefail

scratch=$(mktemp -d /tmp/orvessa-e2e-XXXXXX)
rm -rf "$artifacts"
xvfb_pid=""
game_pid=""
window=""

wm_pid=""

cleanup() {
    [[ -n "$game_pid" ]] && kill -9 "$game_pid" 2>/dev/null || true
    [[ -n "$wm_pid" ]] && kill "$wm_pid" 2>/dev/null || true
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    [[ -n "$window" ]] && shot "failure" || true
    exit 1
}

# A scratch copy of what the build puts beside the program.
make_program_folder() {
    mkdir -p "$scratch/game"
    cp "$build/orvessa" "$scratch/game/"
    cp -r "$build/chars" "$scratch/game/"
}

# A private X server, 800 x 600 unless a size is given ("1920x1080").
start_x() {
    exec 3< <(Xvfb -displayfd 1 -screen 0 "${1:-800x600}x24" -nolisten tcp 2>/dev/null & echo "pid $!")
    local line number=""
    read -r line <&3
    xvfb_pid=${line#pid }
    read -r number <&3 || true
    [[ -n "$number" ]] || fail "Xvfb did not start"
    export DISPLAY=":$number"
}

# A window manager on the X server, as desktops have: full screen is asked
# of it.
start_wm() {
    openbox >/dev/null 2>&1 &
    wm_pid=$!
    # Openbox names itself early in its start, and takes windows only once its
    # event loop runs: what reaches it in between can be lost, so a window
    # mapped then may never be shown (and SDL waits for ever for it to be).
    # The loop runs when a change of desktop, asked until it is made, has
    # been made; then it is undone.
    local desktop
    for desktop in 1 0; do
        for _ in $(seq 1 100); do
            xdotool set_desktop "$desktop" 2>/dev/null || true
            sleep 0.05
            xprop -root _NET_CURRENT_DESKTOP 2>/dev/null | grep -q "= $desktop\$" && continue 2
        done
        fail "the window manager does not answer"
    done
}

# Starts the game from a folder other than its own; arguments are VAR=value
# settings for the game alone.
start_game() {
    (cd / && exec env SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy "$@" "$scratch/game/orvessa" \
        >"$scratch/stdout" 2>"$scratch/stderr") &
    game_pid=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --name "Orvessa" | head -n 1) ||
        fail "no game window"
    xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
}

shot() {
    mkdir -p "$artifacts"
    import -window "$window" "$artifacts/$1.png" 2>/dev/null || true
}

keys() { xdotool key --delay 60 "$@"; }

type_text() { xdotool type --delay 80 "$1"; }

# Waits up to $1 seconds for the game to end; sets status to its exit status
# ("timeout" if it did not end) and forgets the game.
wait_exit() {
    local limit=$(( $1 * 10 )) i=0
    status=""
    while kill -0 "$game_pid" 2>/dev/null; do
        (( i++ < limit )) || { status="timeout"; return; }
        sleep 0.1
    done
    status=0
    wait "$game_pid" || status=$?
    game_pid=""
}

# The colour of one pixel of the window, as "r,g,b".
pixel() {
    import -window "$window" -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null |
        sed -n '2s/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}

# Drops a rune into every column in turn, sweeping right and then left,
# until the caller's `ended` holds or $1 seconds have passed (then it
# fails). `after_sweep`, when the caller defines it, runs after each sweep
# with $sweeps counting them.
sweep_until_ended() {
    local limit=$1 started=$SECONDS move
    sweeps=0
    while ! ended && (( SECONDS - started < limit )); do
        for move in Right Right Right Right Right Right Right Right Left Left Left Left Left Left Left Left; do
            keys space
            ended && break 2
            keys "$move"
        done
        (( ++sweeps ))
        if declare -F after_sweep >/dev/null; then after_sweep; fi
    done
    ended || fail "the game had not ended after $limit s ($sweeps sweeps)"
    echo "the game ended after $(( SECONDS - started )) s ($sweeps sweeps)"
}

# A score file whose entries any game beats.
seed_low_scores() {
    printf 'Low one\r\n\x03\x00\x00\x00Low two\r\n\x02\x00\x00\x00Low three\r\n\x01\x00\x00\x00Eff one\r\n\x03\x00\x00\x00Eff two\r\n\x02\x00\x00\x00Eff three\r\n\x01\x00\x00\x00' \
        >"$scratch/game/scores.dat"
}
