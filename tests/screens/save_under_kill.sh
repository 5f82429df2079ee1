#!/usr/bin/env bash
# Kills the game's score-file rewrite with SIGKILL at random moments and
# checks, after every kill, that "scores.dat" holds one whole table: the old
# one while the rewrite had not yet renamed its temporary file, the new one
# after. A preloaded shim stretches each rewrite so that most kills land in
# it. Then a last run without kills must save cleanly over whatever was left.
# Usage: save_under_kill.sh <save_loop> <slow_save_shim.so> [kills]
set -euo pipefail
loop=$1
shim=$2
kills=${3:-200}

scratch=$(mktemp -d /tmp/orvessa-kill-XXXXXX)
pid=""
cleanup() {
    [[ -n "$pid" ]] && kill -9 "$pid" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The two tables, as the real save code writes them: a fresh folder gets the
# default table (A), one save writes B, the next A again.
mkdir "$scratch/ref"
"$loop" "$scratch/ref" 1 || fail "save_loop could not save"
cp "$scratch/ref/scores.dat" "$scratch/B"
"$loop" "$scratch/ref" 1 || fail "save_loop could not save"
cp "$scratch/ref/scores.dat" "$scratch/A"
cmp -s "$scratch/A" "$scratch/B" && fail "the two tables are the same"

game=$scratch/game
mkdir "$game"
cp "$scratch/A" "$game/scores.dat"
phase=$scratch/phase
file=$game/scores.dat
temp=$game/scores.dat.new
prev=A
other() { [[ $1 == A ]] && echo B || echo A; }
which_table() {
    if cmp -s "$file" "$scratch/A"; then echo A
    elif cmp -s "$file" "$scratch/B"; then echo B
    else echo none; fi
}

starting=0 before=0 during=0 after=0 saves_seen=0
export SAVE_PHASE=$phase
for i in $(seq 1 "$kills"); do
    printf 's%s' "$prev" >"$phase"
    LD_PRELOAD=$shim ASAN_OPTIONS=verify_asan_link_order=0 "$loop" "$game" &
    pid=$!
    # One kill in ten lands while the loop is still starting (reading what
    # the last kill left); the others wait until it is saving, so that a slow
    # start (a sanitizer build, a busy machine) does not take them all.
    if ((RANDOM % 10 != 0)); then
        for _ in $(seq 1 1000); do
            read -r -n 1 state <"$phase" || true
            [[ $state != s ]] && break
            sleep 0.005
        done
        sleep "0.0$(printf '%02d' $((RANDOM % 40)))"
    else
        sleep "0.0$(printf '%02d' $((RANDOM % 40)))"
    fi
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null && fail "save_loop ended by itself (kill $i)" || true
    pid=""

    state=$(head -c 1 "$phase")
    target=$(tail -c 1 "$phase")
    found=$(which_table)
    [[ $found == none ]] && fail "kill $i (phase $state): scores.dat holds neither table: $(od -c "$file" | head -5)"
    if [[ $state == s ]]; then
        expected=$prev
        starting=$((starting + 1))
    elif [[ $state == b ]]; then
        # A temporary file left by an earlier kill may still lie there.
        expected=$(other "$target")
        before=$((before + 1))
    elif [[ $state == w && -e $temp ]]; then
        expected=$(other "$target")
        during=$((during + 1))
    else
        # Renamed (the shim may not have marked it yet).
        expected=$target
        after=$((after + 1))
    fi
    [[ $found == "$expected" ]] ||
        fail "kill $i (phase $state, target $target): found table $found, expected $expected"
    [[ $found != "$prev" ]] && saves_seen=$((saves_seen + 1))
    prev=$found
done

# Whatever the last kill left (a temporary file, perhaps), the next saves
# go through and clean up after themselves.
unset SAVE_PHASE
"$loop" "$game" 3 || fail "saving after the kills failed"
[[ -e $temp ]] && fail "scores.dat.new left behind after a clean save"
[[ $(which_table) == "$(other "$prev")" ]] || fail "the clean saves did not leave the expected table"

echo "kills: $kills; during start-up: $starting, before the temporary file: $before," \
     "while the temporary file existed: $during, after the rename: $after;" \
     "kills that found the table changed since the last one: $saves_seen"
(( during > 0 && after > 0 )) || fail "no kill landed inside a rewrite; the shim did not slow it"
