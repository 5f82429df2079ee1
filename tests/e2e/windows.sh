#!/usr/bin/env bash
# The Windows packages under Wine, two lanes side by side, each on its own X
# server and fresh Wine prefix. Setup: the unit suites pass (ctest); a silent
# install, its Apps & features entry and shortcut; the shortcut's program
# shows the title, writes the Linux build's default scores.dat into
# %APPDATA%\Orvessa, plays a game to game over that enters its score, loads
# the fuzzers' hostile corpora as the player's own characters without
# crashing or hanging, and answers --version; a silent uninstall removes
# every installed file and keeps %APPDATA%\Orvessa. Zip: unpacked into a
# read-only folder, the same title, default scores and game, for a player
# whose profile folder's name has letters beyond ASCII; and kills in the
# middle of the crash-safe rewrite leave the file whole.
# Usage: windows.sh <cross build folder> <Linux build folder> <artifact folder>
windows_build=$(cd "$1" && pwd)
build=$(cd "$2" && pwd)
artifacts=$3
source "$(dirname "$0")/lib.sh"
corpora=$(cd "$(dirname "$0")/../fuzz" && pwd)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$windows_build/CMakeCache.txt")
mkdir -p "$artifacts"
# No .NET or HTML engine to offer, no menu entries for this machine's desktop.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d"
cleanup() {
    for prefix in "$scratch"/*/wine; do WINEPREFIX=$prefix wineserver -k 2>/dev/null || true; done
    { grep -o " $scratch/[^ ]*" /proc/mounts || true; } | xargs -r umount -l
    rm -rf "$scratch"
}

wait_pixels() { "$build/tests/wait_pixel" "$window" "$@" >/dev/null; }
wait_title() { wait_pixels "$1" 262,380=115,33,35 285,379=244,230,193; }
wait_select() { wait_pixels 20000 400,80=41,50,82 600,20=21,17,44 || fail "no select screen"; }
wait_play() { wait_pixels 20000 575,420=250,250,225 || fail "no game ${1:-}"; }

# play EXE: starts the program from the root folder and waits for its title.
play() {
    (cd / && exec env SDL_VIDEODRIVER=windows SDL_AUDIODRIVER=dummy \
        ORVESSA_STATS="$(winepath -w "$scratch/$lane-stats")" wine "$1" 2>>"$scratch/$lane-err") &
    game_pid=$!
    window=$(timeout 30 xdotool search --sync --onlyvisible --name "^Orvessa" | head -n 1) ||
        fail "no window"
    xdotool windowfocus --sync "$window"
    wait_title 30000 || fail "no title"
}
quit() {
    keys Escape
    wait_exit 20
    [[ "$status" == 0 ]] || fail "exit status $status: $(cat "$scratch/$lane-err")"
}

# the_game EXE: the default tables on the title (kept for the comparison
# with Linux), then a game under a new name to game over, entered first in
# the tables that any game beats; then --version on the console.
the_game() {
    play "$1"
    wait_pixels 5000 599,248=255,255,255 || fail "no menu on the title"
    shot "$lane-title"
    cp "$scores" "$scratch/default.dat"
    quit
    seed_low_scores && cp "$scratch/game/scores.dat" "$scores"
    play "$1"
    keys Left Return && type_text "$lane" && keys Return Right Return
    wait_select && keys Return && wait_play && shot "$lane-game"
    local before
    before=$(stat -c %Y.%i "$scores")
    ended() { [[ "$(stat -c %Y.%i "$scores")" != "$before" ]]; }
    sweep_until_ended "${WINDOWS_GAME_LIMIT:-300}"
    sleep 2 && shot "$lane-game-over" && keys Right
    wait_title 10000 || fail "no title after the game"
    [[ "$(head -c $((${#lane} + 1)) "$scores")" == "$lane"$'\r' ]] || fail "not entered: $(head -c 9 "$scores")"
    [[ "$(wine "$1" --version | tr -d '\r')" == "orvessa $version" ]] || fail "--version"
    echo "$lane: shown by $(awk '!/^#/ && $NF != "none" { r = $NF } END { print r }' "$scratch/$lane-stats")"
}

# hostile: every corpus file as a face and portrait on the honeycomb (not at
# 31, whose blank face marks the select screen), then a round per sound as
# the centre character's music, with three more files as its pictures.
hostile() {
    local files sounds i=0 round
    mapfile -t files < <(find "$corpora/seeds" "$corpora/regressions" -type f | LC_ALL=C sort)
    mapfile -t sounds < <(printf '%s\n' "${files[@]}" | grep -E '\.(ogg|wav)$')
    mkdir -p "$1"
    for id in 11 12 13 14 15 21 22 25 32 34 35 41 44 45 51 52 53 54 55; do
        ((i < ${#files[@]})) && cp "${files[i]}" "$1/face$id.png" && cp "${files[i++]}" "$1/port$id.png"
    done
    for round in "${!sounds[@]}"; do
        cp "${sounds[round]}" "$1/music33.ogg"
        for name in board runes score; do cp "${files[i++ % ${#files[@]}]}" "$1/${name}33.png"; done
        keys Return && wait_select && keys Return && wait_play "with ${sounds[round]##*/}"
        keys p && sleep 0.3 && keys Escape
        wait_title 20000 || fail "no title after round $round"
    done
    echo "$lane: ${#files[@]} hostile files in ${#sounds[@]} rounds"
}

# lane NAME FUNCTION: in a scratch folder of its own, on its own X server
# and fresh prefix (or the Linux build's program alone).
lane() {
    lane=$1 scratch=$scratch/$1
    mkdir -p "$scratch/game"
    trap 'kill -9 $game_pid $xvfb_pid 2>/dev/null' EXIT
    start_x
    [[ $1 == linux ]] && "$2" && return
    # Wine names the profile folder after USER: the zip's player has letters
    # beyond ASCII in it.
    export WINEPREFIX=$scratch/wine USER=player
    [[ $1 == zip ]] && USER="Zoë Łęcka"
    wineboot -i >/dev/null 2>&1 && wineserver -w
    scores="$WINEPREFIX/drive_c/users/$USER/AppData/Roaming/Orvessa/scores.dat"
    "$2"
    echo "$lane passed"
}

key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Orvessa'
setup_lane() {
    env -u DISPLAY -u SDL_VIDEODRIVER ctest --test-dir "$windows_build" --output-on-failure \
        --no-tests=error -j2 >"$artifacts/unit-suites.txt" 2>&1 &
    local unit=$! folder='C:\Program Files\Orvessa' link
    wine "$windows_build/orvessa-$version-setup.exe" /S || fail "setup: $?"
    wine reg query "$key" | tr -d '\r' >"$scratch/entry" || fail "no Apps & features entry"
    for value in "DisplayName|REG_SZ|Orvessa" "DisplayIcon|REG_SZ|$folder\\orvessa.exe,0" \
        "DisplayVersion|REG_SZ|$version" "InstallLocation|REG_SZ|$folder" "NoModify|REG_DWORD|0x1" \
        "UninstallString|REG_SZ|\"$folder\\uninstall.exe\"" "NoRepair|REG_DWORD|0x1" \
        "QuietUninstallString|REG_SZ|\"$folder\\uninstall.exe\" /S" "Publisher|REG_SZ|The Orvessa"; do
        grep -qF "    ${value//|/    }" "$scratch/entry" || fail "no $value in: $(cat "$scratch/entry")"
    done
    grep -q 'EstimatedSize    REG_DWORD    0x[0-9a-f]\{4\}' "$scratch/entry" || fail "EstimatedSize"
    wine uninstaller --list | tee "$artifacts/apps-and-features.txt" | grep -q Orvessa || fail "list"
    # The program the Start-menu shortcut starts; the setup installs the zip's files.
    link=$(winepath -u 'C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Orvessa.lnk')
    [[ "$(strings "$link" | grep -m 1 '^C:.*exe$')" == "$folder\\orvessa.exe" ]] || fail "link"
    diff <(unzip -Z1 "$windows_build"/orvessa-*.zip | sed -n 's|^Orvessa/\(.*[^/]\)$|\1|p' |
        cat - <(printf 'installed.txt\nuninstall.exe\n') | LC_ALL=C sort) \
        <(cd "$(winepath -u "$folder")" && find . -type f -printf '%P\n' | LC_ALL=C sort) || fail "files"
    the_game "$folder\\orvessa.exe"
    hostile "$(dirname "$scores")/chars"
    quit
    wait "$unit" || fail "unit suites: $(tail -n 20 "$artifacts/unit-suites.txt")"
    cp "$scores" "$scratch/kept"
    wine "$folder\\uninstall.exe" /S && wineserver -w # it runs on as a copy of itself
    [[ ! -e "$(winepath -u "$folder")" && ! -e "$link" ]] || fail "files left after uninstalling"
    ! wine reg query "$key" >/dev/null 2>&1 || fail "Apps & features entry left"
    cmp "$scores" "$scratch/kept" || fail "scores.dat not kept"
}
zip_lane() {
    local folder=$scratch/zip ro=yes
    mkdir -p "$folder"
    mount -t tmpfs tmpfs "$folder" 2>/dev/null || ro="" scores=$folder/Orvessa/scores.dat
    [[ -n $ro ]] || echo "zip: no mount here, so from a writable folder, its scores beside it"
    unzip -q "$windows_build"/orvessa-*.zip -d "$folder"
    [[ -z $ro ]] || mount -o remount,ro "$folder"
    the_game "$(winepath -w "$folder/Orvessa/orvessa.exe")"
    quit
    killed_while_saving
}

# Kills in the middle of saves: a program that rewrites one file for ever
# through the game's crash-safe rewrite, by turns with two contents, killed
# outright at staggered moments; the file must hold one of them whole each
# time, and kills must have found a save under way (its temporary file).
killed_while_saving() {
    local file=$scratch/rewritten.dat writer during=0 delay
    for delay in 0.003 0.011 0.023 0.037 0.05 0.07 0.09 0.13 0.17 0.23; do
        rm -f "$file" "$file.new"
        (exec wine "$windows_build/tests/rewrite_forever.exe" "$(winepath -w "$file")") &
        writer=$!
        for _ in $(seq 200); do [[ -e $file ]] && break || sleep 0.05; done
        sleep "$delay"
        kill -9 "$writer"
        wait "$writer" 2>/dev/null || true
        [[ -e $file.new ]] && during=$((during + 1))
        [[ $(stat -c %s "$file") == 262144 && $(tr -d "$(head -c 1 "$file")" <"$file" | wc -c) == 0 ]] ||
            fail "a kill in a save left the file half written"
    done
    echo "zip: 10 kills, $during in the middle of a save, the file whole each time"
    ((during > 0)) || fail "no kill came in the middle of a save"
}

# What the Linux build writes on its first start.
linux_lane() {
    make_program_folder
    start_game
    for _ in $(seq 300); do [[ -s "$scratch/game/scores.dat" ]] && break || sleep 0.1; done
    cp "$scratch/game/scores.dat" "$scratch/default.dat"
}

started=$SECONDS
declare -A lanes
for name in linux setup zip; do
    lane $name ${name}_lane >"$artifacts/$name.log" 2>&1 &
    lanes[$name]=$!
done
failed=""
for name in linux setup zip; do wait "${lanes[$name]}" || failed+=" $name"; done
cat "$artifacts/setup.log" "$artifacts/zip.log"
[[ -z "$failed" ]] || fail "lanes failed:$failed"
for name in setup zip; do
    cmp "$scratch/linux/default.dat" "$scratch/$name/default.dat" || fail "$name: not Linux's scores.dat"
done
echo "windows passed in $((SECONDS - started)) s"
