#!/usr/bin/env bash
# Performance figures of the real program under Xvfb on software OpenGL:
#   1. launch to the first splash frame (the third buffer swap: opening the
#      display shows two cleared frames first), over several launches; where
#      the picture reaches the window without OpenGL, to the first frame that
#      differs from the cleared one (the second update of the window's pixels:
#      a frame equal to the one before is not sent);
#   2. CPU time of the whole process (every thread, llvmpipe's rasteriser
#      threads included) over a stretch of scripted play, from utime + stime
#      in /proc/PID/stat, with the threads that used it;
#   3. frame intervals over the same stretch, from the program's stats log.
#
# Usage: perf.sh <build folder> <artifact folder> [launches, default 5]
#        [seconds of play, default 40]
# Needs the swap timing shim beside the tests (build/tests/libswap_times.so).
# Prints a summary and writes it to <artifact folder>/perf.txt. Exits 0 even
# when a target is missed: it measures, it does not judge.
build=$1
artifacts=$2
launches=${3:-5}
play_seconds=${4:-40}
source "$(dirname "$0")/lib.sh"

shim="$(cd "$build" && pwd)/tests/libswap_times.so"
[[ -f "$shim" ]] || fail "no $shim"
make_program_folder
seed_low_scores
start_x
mkdir -p "$artifacts"
report="$artifacts/perf.txt"
: >"$report"
say() { echo "$*" | tee -a "$report"; }
ticks=$(getconf CLK_TCK)

say "machine: $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg)"
say "LP_NUM_THREADS=${LP_NUM_THREADS:-unset}"

# 1. Launch to the first splash frame.
# The time the first splash frame was shown, from the shim's file $1; fails
# until it has been.
first_splash_frame() {
    [[ -f "$1" ]] && awk '$1 == "swap" && ++s == 3 { print $2; found = 1; exit }
                         $1 == "update" && ++u == 2 { print $2; found = 1; exit }
                         END { exit !found }' "$1"
}
launch_ms=()
for i in $(seq 1 "$launches"); do
    swaps="$scratch/swaps.$i"
    rm -f "$swaps"
    t0=$(date +%s%N)
    (cd / && SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy SWAP_TIMES_FILE="$swaps" \
        LD_PRELOAD="$shim" exec "$scratch/game/orvessa" >/dev/null 2>&1) &
    game_pid=$!
    t3=""
    for _ in $(seq 1 100); do
        t3=$(first_splash_frame "$swaps") && break
        sleep 0.05
    done
    [[ -n "$t3" ]] || fail "launch $i showed no splash frame"
    launch_ms+=($(( (t3 - t0) / 1000000 )))
    kill -TERM "$game_pid"
    wait_exit 10
    sleep 0.5
done
sorted=$(printf '%s\n' "${launch_ms[@]}" | sort -n | tr '\n' ' ')
say "launch to first splash frame (ms, sorted): $sorted"

# 2 and 3. Play: start a game and keep dropping runes for the stretch.
export ORVESSA_STATS="$scratch/stats.txt"
export ORVESSA_STATS_PERIOD_MS=1000
rm -f "$ORVESSA_STATS"
start_game
sleep 9
keys Return
sleep 2.5
keys Return
sleep 3 # the play screen is loaded and its music playing

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$game_pid/stat"; }
thread_ticks() {
    for task in /proc/"$game_pid"/task/*; do
        printf '%s:%s %s\n' "${task##*/}" "$(tr ' ' '_' <"$task/comm")" \
            "$(awk '{ print $14 + $15 }' "$task/stat")"
    done | sort
}
thread_ticks >"$scratch/threads.before"
frames0=$(tail -n 1 "$ORVESSA_STATS" | awk '{ print $5 }')
late0=$(tail -n 1 "$ORVESSA_STATS" | awk '{ print $7 }')
lines0=$(wc -l <"$ORVESSA_STATS")
c0=$(cpu_ticks)
t0=$(date +%s%N)
# A slow player: one key every ~0.4 s, so the board fills slowly and the
# stretch is play, not game over. Pause-free.
end=$(( SECONDS + play_seconds ))
moves=(Right Right Right Right Left Left Left Left)
m=0
while (( SECONDS < end )); do
    keys "${moves[m % 8]}"
    (( m % 3 == 0 )) && keys space
    m=$(( m + 1 ))
    sleep 0.3
    kill -0 "$game_pid" || fail "the program died in play"
done
c1=$(cpu_ticks)
t1=$(date +%s%N)
thread_ticks >"$scratch/threads.after"
sleep 1.2 # one more line of the log
frames1=$(tail -n 1 "$ORVESSA_STATS" | awk '{ print $5 }')
late1=$(tail -n 1 "$ORVESSA_STATS" | awk '{ print $7 }')
wall_ms=$(( (t1 - t0) / 1000000 ))
cpu_ms=$(( (c1 - c0) * 1000 / ticks ))
say "play: ${wall_ms} ms wall, ${cpu_ms} ms CPU = $(awk -v c="$cpu_ms" -v w="$wall_ms" 'BEGIN { printf "%.1f", 100 * c / w }')% of one core"
say "CPU by thread over the stretch (ms):"
join "$scratch/threads.before" "$scratch/threads.after" 2>/dev/null |
    awk -v t="$ticks" '{ sub(/^[0-9]+:/, "", $1); used[$1] += ($3 - $2) * 1000 / t } END { for (n in used) if (used[n] > 0) printf "  %-20s %6d\n", n, used[n] }' |
    sort -k2 -n -r | tee -a "$report"
say "frames in the stretch: $(( frames1 - frames0 )), over 20 ms apart: $(( late1 - late0 ))"
longest=$(tail -n +"$(( lines0 + 1 ))" "$ORVESSA_STATS" | awk '$6 > m { m = $6 } END { print m }')
say "longest frame interval in the stretch: $(awk -v u="$longest" 'BEGIN { printf "%.1f", u / 1000 }') ms"
say "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
cp "$ORVESSA_STATS" "$artifacts/stats.txt"

kill -TERM "$game_pid"
wait_exit 10
[[ "$status" == 0 ]] || fail "exit status $status"
