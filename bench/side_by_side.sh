#!/usr/bin/env bash
# Orvessa beside other builds of itself and beside Debian's frozen-bubble, one
# after the other on the same Xvfb in one run, so that the figures share the
# machine's state:
#
#   bench/side_by_side.sh [seconds of play] <program folder>[:option]... [frozen-bubble]
#
# A program folder holds an orvessa and its chars/ (build/, or a copy of an
# older build), or an orvessa.exe and its chars/ (build-windows/), run under
# Wine in a prefix of its own made on first use (WINEPREFIX, else one in the
# scratch folder); an option after a colon is passed to it
# ("build:--scale=1", "build:--fullscreen"). All run on one 1920 x 1080 Xvfb with a window
# manager, so a window opens at twice the size unless told. For each: CPU of
# the whole process (every thread, llvmpipe's included; utime + stime from
# /proc/PID/stat) on the title, on the select screen and over the stretch of
# play, then the game played on to game over, back to the title and into a
# second game, and the peak resident memory of that whole session (VmHWM).
# Each Orvessa also logs ORVESSA_STATS into the artifacts folder, from which
# every stretch gets its frames a second and its late frames (a frame shown
# more than 20 ms after the one before).
# frozen-bubble --solo gets the same stretch of play (it fires by itself) and
# its peak over it. Needs xdotool, openbox and, for the peer, the
# frozen-bubble package. Prints a table; measures, never judges.
set -euo pipefail
play_seconds=20
if [[ "${1:-}" =~ ^[0-9]+$ ]]; then
    play_seconds=$1
    shift
fi
(( $# > 0 )) || { echo "usage: $0 [seconds] <program folder>... [frozen-bubble]" >&2; exit 2; }
artifacts=${SIDE_BY_SIDE_ARTIFACTS:-/tmp/side-by-side}
build=""
source "$(dirname "$0")/../tests/e2e/lib.sh"
start_x 1920x1080
start_wm
ticks=$(getconf CLK_TCK)
mkdir -p "$artifacts"
report="$artifacts/side-by-side.txt"
: >"$report"
say() { echo "$*" | tee -a "$report"; }

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$game_pid/stat"; }
peak_kb() { awk '/^VmHWM/ { print $2 }' "/proc/$game_pid/status"; }
# The stats log's last line: its time, frames shown and late frames so far
# (0 0 0 for a program that keeps none).
frame_counts() { tail -n 1 "$stats" 2>/dev/null | awk '!/^#/ { t = $1; f = $5; l = $7 } END { print t + 0, f + 0, l + 0 }'; }
# Percent of one core used over the next $1 seconds while $2 runs (a command
# that presses keys, or sleep), with the frame rate and late frames of that time.
cpu_over() {
    local c0 t0 c1 t1 f0 f1
    c0=$(cpu_ticks)
    f0=$(frame_counts)
    t0=$(date +%s%N)
    "${@:2}"
    c1=$(cpu_ticks)
    f1=$(frame_counts)
    t1=$(date +%s%N)
    awk -v c=$(( (c1 - c0) * 1000 / ticks )) -v w=$(( (t1 - t0) / 1000000 )) -v f0="$f0" -v f1="$f1" \
        'BEGIN { printf "%.1f%% (%d ms CPU in %d ms)", 100 * c / w, c, w
                 split(f0, a, " "); split(f1, b, " ")
                 if (b[1] > a[1]) printf ", %.0f fps, %d late", (b[2] - a[2]) * 1000 / (b[1] - a[1]), b[3] - a[3] }'
}
# A slow player for the stretch: a move every 0.3 s, a drop every third.
slow_play() {
    local end=$(( SECONDS + $1 )) m=0 moves=(Right Right Right Right Left Left Left Left)
    while (( SECONDS < end )); do
        keys "${moves[m % 8]}"
        (( m % 3 == 0 )) && keys space
        m=$(( m + 1 ))
        sleep 0.3
    done
}
# Sweeps until the score file changes (game over), at most $1 seconds.
play_to_game_over() {
    local before end=$(( SECONDS + $1 ))
    before=$(md5sum <"$scratch/game/scores.dat")
    while [[ "$(md5sum <"$scratch/game/scores.dat")" == "$before" ]] && (( SECONDS < end )); do
        for move in Right Right Right Right Right Right Right Right Left Left Left Left Left Left Left Left; do
            keys space "$move"
        done
    done
}

# The stats log's path as the program names it (a Windows path under Wine).
stats_path() { if [[ $program == orvessa.exe ]]; then winepath -w "$1"; else echo "$1"; fi; }

measure_orvessa() {
    local folder=$1 label=$2 option=$3 title select play program=orvessa run=(env SDL_VIDEODRIVER=x11)
    # The Windows build: the CPU is the program's own process, into which wine turns.
    if [[ -f "$folder/orvessa.exe" ]]; then
        program=orvessa.exe run=(env SDL_VIDEODRIVER=windows WINEDEBUG=-all wine)
        export WINEPREFIX=${WINEPREFIX:-$scratch/wine}
        WINEDLLOVERRIDES="mscoree=;mshtml=" wineboot -i >/dev/null 2>&1 && wineserver -w
    fi
    rm -rf "$scratch/game"
    mkdir -p "$scratch/game"
    cp "$folder/$program" "$scratch/game/"
    cp -r "$folder/chars" "$scratch/game/"
    seed_low_scores
    stats="$artifacts/$(tr ' /=' '__-' <<<"$label").stats"
    rm -f "$stats"
    (cd / && SDL_AUDIODRIVER=dummy ORVESSA_STATS="$(stats_path "$stats")" exec "${run[@]}" "$scratch/game/$program" $option \
        >"$scratch/stdout" 2>"$scratch/stderr") &
    game_pid=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --name "Orvessa" | head -n 1) ||
        fail "no game window"
    xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
    sleep 10
    label="$label $(xdotool getwindowgeometry "$window" | awk '/Geometry/ { print $2 }')"
    title=$(cpu_over 10 sleep 10)
    keys Return
    sleep 3
    select=$(cpu_over 10 sleep 10)
    keys Return
    sleep 4
    play=$(cpu_over "$play_seconds" slow_play "$play_seconds")
    play_to_game_over 300
    sleep 6
    keys Return
    sleep 4
    keys Return
    sleep 4
    keys Return
    sleep 8
    say "$label | title $title | select $select | play $play | peak $(( $(peak_kb) / 1024 )) MB"
    shot "$label"
    kill -TERM "$game_pid"
    wait_exit 10
    if [[ $program == orvessa.exe ]]; then wineserver -w; fi
}

measure_frozen_bubble() {
    local peer=/usr/games/frozen-bubble
    [[ -x "$peer" ]] || { say "frozen-bubble is not installed"; return; }
    (cd / && SDL_AUDIODRIVER=dummy exec "$peer" --solo --no-fullscreen \
        >"$scratch/fb.out" 2>&1) &
    game_pid=$!
    stats=/nonexistent
    sleep 8
    local play
    play=$(cpu_over "$play_seconds" sleep "$play_seconds")
    say "frozen-bubble | play $play | peak $(( $(peak_kb) / 1024 )) MB"
    kill -TERM "$game_pid" 2>/dev/null || true
    wait_exit 10
}

say "machine: $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg)"
for what in "$@"; do
    if [[ "$what" == frozen-bubble ]]; then
        measure_frozen_bubble
    else
        folder=${what%%:*}
        option=""
        [[ "$what" == *:* ]] && option=${what#*:}
        measure_orvessa "$folder" "$(basename "$(cd "$folder" && pwd)")${option:+ $option}" "$option"
    fi
done
say "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
