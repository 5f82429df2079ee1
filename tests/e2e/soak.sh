#!/usr/bin/env bash
# A long run of the real program: games played to game over one after
# another by the simple scripted player, each with a name typed at the title
# first, until the time is up; then quit from the title.
#
# At the title after every game it samples resident memory (VmRSS of the
# process) and, from the program's own stats log (ORVESSA_STATS), the live
# OpenGL textures and the audio ring underruns. It passes when
#   - resident memory at the end is less than 5 MB above that at the end of
#     the first game,
#   - the textures at the title do not pile up: never more than after the
#     first game, beyond the few rune and digit cells a game may or may not
#     have drawn (the count at the title is the title's own textures plus the
#     drawn cells of the last game's pictures),
#   - no underrun is counted after the title first shows,
#   - the program never dies and quits with status 0 at the end.
#
# Underruns are also a matter of the machine: the ring is mixed about 46 ms
# ahead of play, and a machine that stalls even a real-time thread for
# longer (a loaded virtual machine does, for 100 ms at a time) starves any
# mixer. A probe thread beside the program (stall_probe) measures that;
# underruns in a run where the probe saw such stalls are reported, not
# failed.
#
# Usage: soak.sh <build folder> <artifact folder> [minutes, default 20]
# The last game runs on past the time until at least one game has ended.
# Writes <artifact folder>/samples.txt (one line per game) and stats.txt
# (the program's log, one line a second).
build=$1
artifacts=$2
minutes=${3:-20}
source "$(dirname "$0")/lib.sh"

# The count at the title after a game includes the cells of that game's
# rune sheet that were drawn; some games show every special rune, some not.
texture_slack=11
rss_limit_kb=5120
stall_limit_us=46000

make_program_folder
seed_low_scores
start_x
probe_pid=""
"$build/tests/stall_probe" "$scratch/stalls.txt" &
probe_pid=$!
trap '[[ -n "$probe_pid" ]] && kill "$probe_pid" 2>/dev/null; cleanup' EXIT
export ORVESSA_STATS="$scratch/stats.txt"
start_game
started=$SECONDS
deadline=$(( started + minutes * 60 ))
mkdir -p "$artifacts"
samples="$artifacts/samples.txt"

alive() { kill -0 "$game_pid" 2>/dev/null || fail "the program died: $(cat "$scratch/stderr")"; }
rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$game_pid/status"; }
# Field n of the newest line of the stats log (3 textures, 4 underruns, ...).
stat_field() { tail -n 1 "$ORVESSA_STATS" | awk -v n="$1" '{ print $n }'; }
# The score file is rewritten (a new file renamed over the old) after every
# game that ends with a full board, whether or not its bytes change.
file_stamp() { stat -c '%i %.9Y' "$scratch/game/scores.dat" 2>/dev/null || echo none; }

# One line per sample: after the stats log has written a line from this
# screen, so that its figures belong here.
sample() {
    alive
    sleep 1.5
    alive
    local line
    line="$1 $(( SECONDS - started )) $(rss_kb) $(stat_field 3) $(stat_field 4) $(stat_field 5) $(stat_field 7)"
    echo "$line" >>"$samples"
    echo "$line"
}

echo "# game elapsed_s rss_kb textures underruns frames late_frames" | tee "$samples"
sleep 9 # splash
sample title
title_underruns=$(stat_field 4)

game_limit=${SOAK_GAME_LIMIT:-600}

# Plays one game from the title; returns 1 when the time ran out in the
# middle and the game was given up from the pause screen instead.
play_game() {
    local name=$1
    keys Left Return
    sleep 0.5
    type_text "$name"
    keys Return
    sleep 0.5
    keys Right Return
    sleep 2.5
    keys Return
    sleep 2.5
    alive
    local before
    before=$(file_stamp)
    # A drop and a move in one go, then the check: a move that comes after
    # the game ended lands in the game-over fade, and the wait for a key
    # after it starts by forgetting keys.
    # Lucky sweeps can clear lines for minutes, so a game is bounded by time
    # (SOAK_GAME_LIMIT seconds), not by a count of drops.
    local started=$SECONDS
    while (( SECONDS - started < game_limit )); do
        for move in Right Right Right Right Right Right Right Right Left Left Left Left Left Left Left Left; do
            keys space "$move"
            [[ "$(file_stamp)" != "$before" ]] && break 2
        done
        alive
        if (( SECONDS >= deadline && games >= 1 )); then
            keys p
            sleep 0.5
            keys Escape
            sleep 2.5
            return 1
        fi
    done
    [[ "$(file_stamp)" != "$before" ]] || fail "game $name had not ended after $game_limit s"
    sleep 3
    keys Return
    sleep 2
    return 0
}

games=0
while (( SECONDS < deadline )); do
    if play_game "Soak $(( games + 1 ))"; then
        games=$(( games + 1 ))
        sample "$games"
    else
        sample "given-up"
    fi
done
(( games >= 1 )) || fail "not one game was finished in $minutes minutes"

cp "$ORVESSA_STATS" "$artifacts/stats.txt"
keys Escape
wait_exit 15
cp "$ORVESSA_STATS" "$artifacts/stats.txt"
[[ "$status" == 0 ]] || fail "exit status $status after quitting: $(cat "$scratch/stderr")"
read -r worst_stall_us stalls <"$scratch/stalls.txt" || { worst_stall_us=0; stalls=0; }

# The verdict, from the samples.
awk -v rss_limit="$rss_limit_kb" -v slack="$texture_slack" -v title_underruns="$title_underruns" \
    -v worst_stall="$worst_stall_us" -v stalls="$stalls" -v stall_limit="$stall_limit_us" '
    /^#/ || $1 == "title" { next }
    {
        if (first_rss == "") { first_rss = $3; first_textures = $4 }
        last_rss = $3; last_underruns = $5
        if ($3 > peak_rss) peak_rss = $3
        if ($4 > most_textures) most_textures = $4
        if ($4 < fewest_textures || fewest_textures == "") fewest_textures = $4
    }
    END {
        printf "resident memory: %d kB after the first game, %d kB at the end (%+d kB), peak %d kB\n",
            first_rss, last_rss, last_rss - first_rss, peak_rss
        printf "textures at the title after games: %d to %d (first game %d)\n",
            fewest_textures, most_textures, first_textures
        printf "underruns: %d when the title first showed, %d at the end\n",
            title_underruns, last_underruns
        printf "machine stalls of an urgent thread: worst %.1f ms, %d over 40 ms\n",
            worst_stall / 1000, stalls
        bad = 0
        if (last_rss - first_rss >= rss_limit) { print "FAIL: resident memory grew by 5 MB or more"; bad = 1 }
        if (most_textures > first_textures + slack) { print "FAIL: textures piled up"; bad = 1 }
        if (last_underruns != title_underruns) {
            if (worst_stall > stall_limit)
                print "underruns after start-up, on a machine that stalled longer than the ring lead: not failed"
            else { print "FAIL: underruns after start-up"; bad = 1 }
        }
        exit bad
    }' "$samples" | tee "$artifacts/verdict.txt"
verdict=${PIPESTATUS[0]}
(( verdict == 0 )) || fail "see $artifacts/verdict.txt"
echo "soak passed: $games games in $(( (SECONDS - started) / 60 )) minutes"
