#!/usr/bin/env bash
# The window's close button and a termination signal end the program with
# status 0 from any screen, and an unfinished game enters no score.
# Usage: close_and_signal.sh <build folder> <artifact folder> <close_window tool>
build=$1
artifacts=$2
close_tool=$3
source "$(dirname "$0")/lib.sh"

make_program_folder
start_x

# Closed during the splash.
start_game
sleep 1
"$close_tool" "$window"
wait_exit 10
[[ "$status" == 0 ]] || fail "close during the splash: status $status"

# Closed in the middle of a game: the scores stay as they were.
rm -f "$scratch/game/scores.dat"
start_game
sleep 9
keys Return
sleep 2.5
keys Return
sleep 2.5
keys space Right space
sleep 0.5
scores=$(md5sum <"$scratch/game/scores.dat")
"$close_tool" "$window"
wait_exit 10
[[ "$status" == 0 ]] || fail "close during play: status $status"
[[ "$(md5sum <"$scratch/game/scores.dat")" == "$scores" ]] || fail "an unfinished game changed the scores"

# SIGTERM on the title screen.
start_game
sleep 9
kill -TERM "$game_pid"
wait_exit 10
[[ "$status" == 0 ]] || fail "SIGTERM on the title: status $status"

# SIGINT while the game waits for a key after giving up... on the key setup
# screen, where it blocks waiting for a key.
start_game
sleep 9
keys Right Return
sleep 0.6
kill -INT "$game_pid"
wait_exit 10
[[ "$status" == 0 ]] || fail "SIGINT on the key setup: status $status"
echo "close and signal passed"
