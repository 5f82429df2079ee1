#!/usr/bin/env bash
# Hostile files on the real program, under Xvfb with scripted keys.
#
# Character files: each file of the centre character (chars/*33.*) is in
# turn empty, cut in half, noise, a file of the other format under the same
# name, a PNG header claiming 100000 x 100000 pixels, or a folder. For each,
# one long-running game goes to the character select, chooses that
# character, drops a few runes and gives the game up from the pause screen;
# the program must still be there afterwards, and quit with status 0.
#
# Score files: "scores.dat" empty, short, with a name line of 1 MB, noise, a
# folder, chmod 444, immutable (chattr +i), in a read-only folder (a tmpfs
# remounted read-only) and on a full disk (a small tmpfs filled up). For
# each, a fresh program starts, plays a whole game until the board is full
# so that the result is saved, goes back to the title and quits: status 0,
# and "scores.dat" is either the old file, byte for byte, or six whole
# records.
#
# Also: no character at all gives a message and status 1.
#
# The cases run in five lanes side by side, each on its own X server.
# Screenshots and the program's output for every case, and a results table,
# go to the artifact folder.
# Usage: bad_input.sh <build folder> <artifact folder> <folder of bad_files and wait_pixel>
# BAD_INPUT_CASES=<regular expression> runs only the cases whose names match.
build=$(cd "$1" && pwd)
artifacts=$2
tools=$(cd "$3" && pwd)
source "$(dirname "$0")/lib.sh"
mkdir -p "$artifacts"

# lib.sh's cleanup, plus what these cases leave behind: mounts and the
# immutable flag, without which the scratch folder could not be removed.
cleanup() {
    local pids
    pids=$(jobs -p)
    [[ -n "$pids" ]] && kill $pids 2>/dev/null || true
    wait 2>/dev/null || true
    chattr -R -i "$scratch" 2>/dev/null || true
    { grep -o " $scratch/[^ ]*" /proc/mounts || true; } | while read -r point; do
        umount -l "$point" || true
    done
    rm -rf "$scratch"
}

pristine=$scratch/pristine
mkdir -p "$pristine"
cp "$build/orvessa" "$pristine/"
cp -r "$build/chars" "$pristine/"
[[ -e "$pristine/chars/face33.png" ]] || fail "the build has no centre character"

# A clean program folder at $1, on whatever file system is there.
program_folder() {
    mkdir -p "$1"
    cp "$pristine/orvessa" "$1/"
    cp -r "$pristine/chars" "$1/"
}

can_mount() {
    local probe=$scratch/mount-probe
    mkdir -p "$probe"
    mount -t tmpfs -o size=1m tmpfs "$probe" 2>/dev/null && umount "$probe"
}

# ---------------------------------------------------------------------------
# Driving one program (each lane is a subshell with its own copy of these).

game_pid=""
window=""
game_dir=""
log=""

launch() { # <program folder> <log prefix>
    game_dir=$1
    log=$2
    # launch_env: extra VAR=value words for the program alone.
    (cd / && exec env ${launch_env:-} SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy "$game_dir/orvessa" \
        >"$log.out" 2>"$log.err") &
    game_pid=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --name "Orvessa" |
        head -n 1) || window=""
    [[ -n "$window" ]] || return 1
    xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window" || true
}

alive() { [[ -n "$game_pid" ]] && kill -0 "$game_pid" 2>/dev/null; }

# The title at full brightness (the start button), the character select
# (an empty cell and the background), play (the face of the pressure clock).
wait_title() { "$tools/wait_pixel" "$window" "$1" 262,380=115,33,35 285,379=244,230,193 >/dev/null; }
# The menu itself, past the fade-in: "version 1.0" is drawn after the tables
# in every frame, so it shows only if drawing them does not stall.
wait_menu() { "$tools/wait_pixel" "$window" "$1" 262,380=115,33,35 599,248=255,255,255 >/dev/null; }
wait_select() { "$tools/wait_pixel" "$window" "$1" 400,80=41,50,82 600,20=21,17,44 >/dev/null; }
wait_play() { "$tools/wait_pixel" "$window" "$1" 575,420=250,250,225 >/dev/null; }

snap() { import -window "$window" "$1.png" 2>/dev/null || true; }

# Sanitizer reports and runtime errors, if the build has them.
trouble_pattern="AddressSanitizer|LeakSanitizer|runtime error|Segmentation|Aborted"

saves_refused() { grep -c "could not be saved" "$log.err" || true; }

# How long a whole game may take. A game is frame-exact, so on a machine
# busy with five lanes at once it runs slower than alone: 15 s to two
# minutes alone, several times that under load.
game_limit=${BAD_INPUT_GAME_LIMIT:-600}

# Ends the game the only way that saves a score: a full board. Drops a rune
# in every column, sweeping right and back, until the file is replaced or
# the program says it could not save it. Gives up after $1 seconds.
fill_board() {
    local limit=$1 file=$game_dir/scores.dat refused_before started
    local before
    before=$(stat -c %i "$file" 2>/dev/null || echo none)
    refused_before=$(saves_refused)
    started=$SECONDS
    local right="space Right space Right space Right space Right space Right space Right space Right space Right"
    local left=${right//Right/Left}
    while ((SECONDS - started < limit)); do
        for sweep in "$right" "$left"; do
            xdotool key --delay 30 $sweep
            alive || return 1
            [[ "$(stat -c %i "$file" 2>/dev/null || echo none)" != "$before" ]] && return 0
            (($(saves_refused) > refused_before)) && return 0
        done
    done
    return 1
}

# A few drops, a picture of the board, then Escape from the pause screen;
# succeeds when the title is back. <case folder>
play_a_little_and_give_up() {
    xdotool key --delay 40 space Right space Left Left space
    sleep 0.4
    snap "$1/play"
    xdotool key p
    sleep 0.4
    xdotool key Escape
    wait_title 10000
}

# After the game over: its banner slides down, then any key returns to the
# title. The key is Right, harmless if the title is already there.
back_to_title() {
    sleep 1.5
    wait_title 500 && return 0
    xdotool key Right
    wait_title 8000
}

quit_from_title() {
    xdotool key Escape
    wait_exit 10
}

wanted() { [[ -z "${BAD_INPUT_CASES:-}" || $1 =~ $BAD_INPUT_CASES ]]; }

# Results: one line per case, tab-separated, in the lane's own file.
row() { printf '%s\n' "$(IFS=$'\t'; echo "$*")" >>"$artifacts/results-$lane.tsv"; }

# ---------------------------------------------------------------------------
# Character files.

damage() { # <file> <how>
    local target=$game_dir/chars/$1 size
    size=$(stat -c %s "$pristine/chars/$1")
    rm -rf "$target"
    case $2 in
    empty) : >"$target" ;;
    truncated) head -c $((size / 2)) "$pristine/chars/$1" >"$target" ;;
    garbage) "$tools/bad_files" garbage "$size" 33 >"$target" ;;
    other-format)
        if [[ $1 == *.ogg ]]; then cp "$pristine/chars/face33.png" "$target"
        else cp "$pristine/chars/music33.ogg" "$target"; fi ;;
    huge-png) "$tools/bad_files" huge-png 100000 100000 >"$target" ;;
    folder) mkdir "$target" ;;
    esac
}

restore() { # <file>
    rm -rf "$game_dir/chars/$1"
    cp "$pristine/chars/$1" "$game_dir/chars/$1"
}

char_case() { # <file> <how>
    local name="chars-$1-$2" dir=$artifacts/chars-$1-$2 started=yes played=no back=no seen=""
    local status="running" verdict=ok lines_before
    wanted "$name" || return 0
    mkdir -p "$dir"
    if ! alive; then
        launch "$game_dir" "$artifacts/chars-program-$1-$2" || { row "$name" no no "-" "no window" "-" FAIL; return; }
        wait_title 25000 || started=no
    fi
    lines_before=$(wc -l <"$log.err")
    damage "$1" "$2"
    if [[ $started == yes ]] && wait_title 10000; then
        xdotool key Return
        if wait_select 10000; then
            sleep 0.4 # the portrait shows once the fade-in is over
            snap "$dir/select"
            xdotool key Return
            if wait_play 10000; then
                played=yes
                play_a_little_and_give_up "$dir" && back=yes
            fi
        fi
    fi
    restore "$1"
    tail -n +$((lines_before + 1)) "$log.err" >"$dir/stderr.txt"
    if ! alive; then
        wait_exit 1
        verdict=FAIL
        seen="the program ended. "
    fi
    [[ $played == yes && $back == yes ]] || verdict=FAIL
    if grep -qE "$trouble_pattern" "$dir/stderr.txt"; then verdict=FAIL; fi
    seen="$seen$(head -n 2 "$dir/stderr.txt" | tr '\n' ' ')"
    row "$name" "$started" "$played" "$status" "$seen" "-" "$verdict"
}

chars_lane() { # <file>...
    game_dir=$scratch/chars-game-$lane
    program_folder "$game_dir"
    for file in "$@"; do
        for how in empty truncated garbage other-format huge-png folder; do
            [[ $file == *.ogg && $how == huge-png ]] && continue
            char_case "$file" "$how"
        done
    done
    if ! alive; then
        return 0
    elif wait_title 5000; then
        quit_from_title
        row "chars-quit-$lane" yes yes "$status" "" "-" "$([[ $status == 0 ]] && echo ok || echo FAIL)"
    else
        row "chars-quit-$lane" - - - "no title to quit from" "-" FAIL
    fi
}

# ---------------------------------------------------------------------------
# Score files.

seed_scores() { # <folder>: the file any game beats
    printf 'Low one\r\n\x03\x00\x00\x00Low two\r\n\x02\x00\x00\x00Low three\r\n\x01\x00\x00\x00Eff one\r\n\x03\x00\x00\x00Eff two\r\n\x02\x00\x00\x00Eff three\r\n\x01\x00\x00\x00' \
        >"$1/scores.dat"
}

# Makes the program folder for one case at $1 and damages its score file;
# prints "skip: why" when the case cannot be set up here.
score_setup() { # <folder> <how>
    local folder=$1
    case $2 in
    empty | short | long-name | garbage | folder | chmod-444 | immutable)
        program_folder "$folder" ;;
    read-only | full-disk | read-only-missing)
        mkdir -p "$folder"
        can_mount || { echo "skip: cannot mount a tmpfs here"; return; }
        mount -t tmpfs -o size=24m tmpfs "$folder"
        program_folder "$folder" ;;
    esac
    case $2 in
    empty) : >"$folder/scores.dat" ;;
    short) seed_scores "$folder"; truncate -s 15 "$folder/scores.dat" ;;
    long-name)
        { head -c 1048576 /dev/zero | tr '\0' 'N'
          printf '\r\n\x01\x00\x00\x00Low two\r\n\x02\x00\x00\x00Low three\r\n\x01\x00\x00\x00Eff one\r\n\x03\x00\x00\x00Eff two\r\n\x02\x00\x00\x00Eff three\r\n\x01\x00\x00\x00'
        } >"$folder/scores.dat" ;;
    garbage) "$tools/bad_files" garbage 4096 7 >"$folder/scores.dat" ;;
    folder) mkdir "$folder/scores.dat" ;;
    chmod-444) seed_scores "$folder"; chmod 444 "$folder/scores.dat" ;;
    immutable)
        seed_scores "$folder"
        chattr +i "$folder/scores.dat" 2>/dev/null || echo "skip: chattr +i is not supported here" ;;
    read-only) seed_scores "$folder"; mount -o remount,ro "$folder" ;;
    read-only-missing) mount -o remount,ro "$folder" ;;
    full-disk)
        seed_scores "$folder"
        dd if=/dev/zero of="$folder/filler" bs=64k 2>/dev/null || true
        cat /dev/zero >"$folder/filler2" 2>/dev/null || true ;;
    esac
}

score_case() { # <how> [short: give the game up instead of playing it out]
    local how=$1 name="scores-$1" dir=$artifacts/scores-$1 folder=$scratch/scores-$1
    local started=no played=no saved=no seen="" after verdict=ok
    wanted "$name" || return 0
    mkdir -p "$dir"
    local setup
    setup=$(score_setup "$folder" "$how")
    if [[ $setup == skip:* ]]; then
        row "$name" - - - "${setup#skip: }" - skipped
        return
    fi
    [[ -f "$folder/scores.dat" ]] && cp "$folder/scores.dat" "$dir/scores.before"
    if ! launch "$folder" "$dir/program"; then
        row "$name" no no - "no window" - FAIL
        return
    fi
    if wait_title 25000; then
        started=yes
        if wait_menu 5000; then
            snap "$dir/title"
        else
            snap "$dir/title"
            seen="the title menu does not get drawn. "
            verdict=FAIL
        fi
        xdotool key Return
        if wait_select 10000; then
            xdotool key Return
            if wait_play 10000; then
                played=yes
                if [[ ${2:-} == short ]]; then
                    # The save this case is about already failed at start-up.
                    play_a_little_and_give_up "$dir" && saved=yes
                elif fill_board "$game_limit"; then
                    saved=yes
                    sleep 0.3
                    snap "$dir/game-over"
                    if back_to_title && wait_menu 5000; then snap "$dir/title-after"; fi
                fi
            fi
        fi
    fi
    if alive; then
        [[ $saved == yes ]] || snap "$dir/stuck"
        if [[ $saved == yes ]] && wait_title 1000; then
            quit_from_title
            [[ $status == timeout ]] && kill -9 "$game_pid" 2>/dev/null && wait_exit 5 && status="did not end"
        else
            kill -9 "$game_pid" 2>/dev/null || true
            wait_exit 5
            seen="stuck; killed. "
        fi
    else
        wait_exit 1
    fi
    [[ $status == 0 ]] || verdict=FAIL
    [[ $played == yes && $saved == yes ]] || verdict=FAIL
    if grep -qE "$trouble_pattern" "$dir/program.err"; then verdict=FAIL; fi
    seen="$seen$(grep -v '^$' "$dir/program.err" | head -n 2 | tr '\n' ' ' || true)"

    # The score file afterwards: the old one untouched, or six whole records.
    local file=$folder/scores.dat
    if [[ -d $file ]]; then
        after="still a folder"
        [[ $how == folder ]] || verdict=FAIL
    elif [[ ! -e $file ]]; then
        after="none"
        [[ $how == read-only-missing ]] || verdict=FAIL
    elif [[ -f "$dir/scores.before" ]] && cmp -s "$file" "$dir/scores.before"; then
        after="unchanged"
    elif "$tools/bad_files" check-scores "$file" >"$dir/scores.after.txt"; then
        after="new, whole: $(head -n 1 "$dir/scores.after.txt")"
    else
        after="DAMAGED: $(tail -n 1 "$dir/scores.after.txt")"
        verdict=FAIL
    fi
    cp -r "$file" "$dir/scores.after" 2>/dev/null || true
    chattr -i "$file" 2>/dev/null || true
    mountpoint -q "$folder" && umount "$folder"
    rm -rf "$folder"
    row "$name" "$started" "$played" "$status" "$seen" "$after" "$verdict"
}

# No character at all: a message on the select screen, and Escape ends the
# program with status 1 and the message on standard error.
no_characters_case() {
    local name="no-characters" dir=$artifacts/no-characters folder=$scratch/no-characters verdict=ok
    wanted "$name" || return 0
    mkdir -p "$dir"
    program_folder "$folder"
    rm -rf "$folder/chars"/*
    launch "$folder" "$dir/program" || { row "$name" no - - "no window" - FAIL; return; }
    local started=no
    if wait_title 25000; then
        started=yes
        xdotool key Return
        sleep 2
        snap "$dir/message"
        xdotool key Escape
    fi
    wait_exit 10
    [[ $status == 1 ]] || verdict=FAIL
    grep -q "No characters were found" "$dir/program.err" || verdict=FAIL
    row "$name" "$started" - "$status" "$(head -n 1 "$dir/program.err")" "-" "$verdict"
}

# The real program killed with SIGKILL in the middle of its game-over save,
# slowed down by the test shim: the old file must be intact, and the next
# start must read it.
killed_while_saving_case() {
    local name="scores-killed-while-saving" dir=$artifacts/scores-killed-while-saving
    local folder=$scratch/killed verdict=ok seen="" after phase=$scratch/killed-phase
    wanted "$name" || return 0
    mkdir -p "$dir"
    program_folder "$folder"
    seed_scores "$folder"
    cp "$folder/scores.dat" "$dir/scores.before"
    printf 'sA' >"$phase"
    launch_env="SAVE_PHASE=$phase SLOW_WRITE_US=100000 LD_PRELOAD=$tools/slow_save_shim.so"
    launch_env+=" ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"
    launch "$folder" "$dir/program" || { row "$name" no - - "no window" - FAIL; return; }
    launch_env=""
    # The killer waits beside the game for the temporary file to open; each
    # 8 bytes of it then take 0.1 s to write.
    local victim=$game_pid
    (while kill -0 "$victim" 2>/dev/null; do
        if [[ $(head -c 1 "$phase") == w ]]; then
            kill -9 "$victim"
            break
        fi
        sleep 0.01
    done) &
    local killer=$!
    local played=no killed=no started=no
    if wait_title 25000; then
        started=yes
        xdotool key Return
        wait_select 10000 && xdotool key Return
        if wait_play 10000; then
            played=yes
            fill_board "$game_limit" || true
        fi
    fi
    wait_exit 10
    kill "$killer" 2>/dev/null || true
    wait "$killer" 2>/dev/null || true
    [[ $status == 137 ]] && killed=yes
    if alive; then kill -9 "$game_pid"; wait_exit 5; fi
    [[ $killed == yes ]] || verdict=FAIL
    if cmp -s "$folder/scores.dat" "$dir/scores.before"; then
        after="unchanged"
    elif "$tools/bad_files" check-scores "$folder/scores.dat" >"$dir/scores.after.txt"; then
        after="new, whole"
    else
        after="DAMAGED"
        verdict=FAIL
    fi
    [[ -e "$folder/scores.dat.new" ]] && after="$after; scores.dat.new left behind"
    # The next start reads the table and quits cleanly.
    if launch "$folder" "$dir/restart" && wait_title 25000 && wait_menu 5000; then
        snap "$dir/title-after-restart"
        quit_from_title
        [[ $status == 0 ]] || verdict=FAIL
        seen="killed in the save (status $([[ $killed == yes ]] && echo 137 || echo "not killed")); restarted and quit with status $status"
    else
        verdict=FAIL
        seen="no title after the restart"
    fi
    # Killed with the temporary file open: the rename never came.
    [[ $after == unchanged* ]] || verdict=FAIL
    rm -rf "$folder"
    row "$name" "$started" "$played" "137, then $status" "$seen" "$after" "$verdict"
}

# ---------------------------------------------------------------------------

run_lane() { # <lane> <function>...
    lane=$1
    shift
    : >"$artifacts/results-$lane.tsv"
    trap '[[ -n "$game_pid" ]] && kill -9 "$game_pid" 2>/dev/null; [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null' EXIT
    set -E
    trap 'echo "lane $lane: \"$BASH_COMMAND\" failed at line $LINENO" >&2' ERR
    start_x
    for step in "$@"; do $step; done
}

started_at=$SECONDS
run_lane a "chars_lane face33.png port33.png board33.png" no_characters_case \
    >"$artifacts/lane-a.log" 2>&1 &
run_lane b "score_case empty" "score_case short" "score_case long-name" \
    >"$artifacts/lane-b.log" 2>&1 &
run_lane c "score_case garbage" "score_case folder" "score_case chmod-444" \
    >"$artifacts/lane-c.log" 2>&1 &
run_lane d "chars_lane runes33.png score33.png music33.ogg" "score_case read-only-missing short" \
    killed_while_saving_case >"$artifacts/lane-d.log" 2>&1 &
run_lane e "score_case immutable" "score_case read-only" "score_case full-disk" \
    >"$artifacts/lane-e.log" 2>&1 &
wait

{
    echo "| case | starts | played | exit status | seen on standard error | scores.dat afterwards | verdict |"
    echo "|---|---|---|---|---|---|---|"
    cat "$artifacts"/results-*.tsv | sed 's/\t/ | /g; s/^/| /; s/$/ |/'
} >"$artifacts/results.md"
cat "$artifacts/results.md"
echo "bad-input suite took $((SECONDS - started_at)) s"
cases=$(cat "$artifacts"/results-*.tsv | wc -l)
[[ -n "${BAD_INPUT_CASES:-}" ]] || ((cases >= 48)) || fail "only $cases cases reported; see $artifacts/lane-*.log"
if grep -q $'\tFAIL$' "$artifacts"/results-*.tsv; then
    fail "some cases failed (see above and $artifacts)"
fi
echo "bad-input passed"
