#!/usr/bin/env bash
# The whole game on a real X server, driven by key presses: splash, title,
# name entry, key configuration, character select, play with pause and
# resume, giving up from the pause screen, then a whole game to game over by
# a simple scripted player, whose result must land in "scores.dat".
# Usage: play_through.sh <build folder> <artifact folder>
build=$1
artifacts=$2
source "$(dirname "$0")/lib.sh"

make_program_folder
seed_low_scores
# A 1920 x 1080 desktop: the game opens its window at twice its size.
start_x 1920x1080
start_game

sleep 2.5
shot 01-splash
sleep 6.5
shot 02-title

# Name entry from the left panel.
keys Left Return
sleep 0.5
type_text "Tess Ada"
keys BackSpace a
sleep 0.4
shot 03-name-entry
keys Return
sleep 0.5

# Key configuration from the right panel, keeping the default keys.
keys Right Right Return
sleep 0.5
shot 04-key-setup
keys Left
sleep 0.2
keys Right
sleep 0.2
keys space
sleep 0.5
shot 05-title-with-name

# Start, and choose the centre character.
keys Left Return
sleep 2.5
keys Right Left
sleep 0.8
shot 06-character-select
keys Return
sleep 2.5

# Play a little: move and drop.
keys Left space Right Right space Right space Left Left Left space
sleep 1.5
shot 07-play
keys p
sleep 0.6
shot 08-paused
keys p
sleep 0.5
keys space
sleep 0.5
keys p
sleep 0.4
keys Escape
sleep 2.5
shot 09-title-after-giving-up
kill -0 "$game_pid" || fail "the game ended after Escape on the pause screen"

# A whole game: drop a rune in every column, sweeping right and back, until
# the board is full and the game over rewrites the score file.
before=$(md5sum <"$scratch/game/scores.dat")
keys Return
sleep 2.5
keys Return
sleep 2.5
# The file is checked after every drop, so that no key meant for the game
# reaches the game-over screen or the title after it.
# How long that takes is up to the dice and the machine: a lucky sweep clears
# line after line, and under load the game's frames (and with them the
# pressure clock) run slower than the keys come, so it plays until the board
# fills or the time limit (seconds) runs out, not for a count of drops.
limit=${PLAY_THROUGH_GAME_LIMIT:-600}
ended() { [[ "$(md5sum <"$scratch/game/scores.dat")" != "$before" ]]; }
after_sweep() { if (( sweeps == 3 )); then shot 10-busy-board; fi; }
sweep_until_ended "$limit"
sleep 3
shot 11-game-over
keys Return
sleep 2
shot 12-title-after-game
keys Escape
wait_exit 10
[[ "$status" == 0 ]] || fail "exit status $status after quitting: $(cat "$scratch/stderr")"

# The game's result is first in the runes-cleared table (the seeded entries
# were all lower) under the name typed at the start.
first=$(head -c 9 "$scratch/game/scores.dat")
[[ "$first" == "Tess Ada"$'\r' ]] || fail "scores.dat begins with '$first'"
echo "play-through passed"
