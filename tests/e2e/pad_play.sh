#!/usr/bin/env bash
# A whole game with a pad alone, not a key pressed: the pad is plugged in
# while the title shows, starts a game, chooses the centre character, plays
# until the board is full, leaves the game-over screen and quits from the
# title. The pad is SDL's virtual one, made inside the program by a shim.
# Usage: pad_play.sh <build folder> <artifact folder> <virtual pad shim>
build=$1
artifacts=$2
shim=$(realpath "$3")
source "$(dirname "$0")/lib.sh"

make_program_folder
seed_low_scores
start_x
mkfifo "$scratch/pad"
start_game LD_PRELOAD="$shim" VIRTUAL_PAD="$scratch/pad"
exec 4<>"$scratch/pad"
send() { echo "$*" >&4; }
# Each change is held for a few frames (SDL reads a pad once a frame); in
# play a press that a slow frame misses costs nothing but time.
hold=0.1
press() { send button "$1" 1; sleep $hold; send button "$1" 0; sleep $hold; }
stick() { send axis 0 "$1"; sleep $hold; send axis 0 0; sleep $hold; }
A=0 B=1 BACK=4 START=6 RIGHT=14

sleep 9
send attach
sleep 0.5
shot 01-title
press $START # on the centre entry
sleep 2.5
press $A # the centre character
sleep 2.5
shot 02-select-done

# Fills the board a column at a time, moving right with the d-pad and back
# with the stick, until the game over rewrites the score file. How long that
# takes is up to the dice, so it plays until then or the time limit.
before=$(md5sum <"$scratch/game/scores.dat")
ended() { [[ "$(md5sum <"$scratch/game/scores.dat")" != "$before" ]]; }
limit=${PAD_PLAY_GAME_LIMIT:-600}
started=$SECONDS
hold=0.04
while ! ended && (( SECONDS - started < limit )); do
    for move in "press $RIGHT" "stick -32768"; do
        for _ in 1 2 3 4 5 6 7 8; do
            for _ in 1 2 3 4 5 6 7 8; do press $A; done
            ended && break 3
            $move
        done
    done
done
ended || fail "the game had not ended after $limit s"
echo "the game ended after $(( SECONDS - started )) s"
hold=0.1
sleep 3
shot 03-game-over
press $B # any button
sleep 2
shot 04-title
press $BACK
wait_exit 10
[[ "$status" == 0 ]] || fail "exit status $status after quitting: $(cat "$scratch/stderr")"
echo "pad play passed"
