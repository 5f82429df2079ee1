#!/usr/bin/env bash
# The Debian package as a player gets it: built from the build folder, its
# contents and metadata checked by Debian's own tools, then unpacked into a
# scratch root made read-only and played there by an ordinary user with a
# fresh home. The title must show the default tables, written to the
# player's data folder; a character dropped into the player's own chars
# folder must appear on the honeycomb and be played to game over; the
# result must land in the player's score file and nowhere else.
# Usage: package.sh <build folder> <artifact folder>
build=$1
artifacts=$2
source "$(dirname "$0")/lib.sh"
trap 'chmod -R u+w "$scratch" 2>/dev/null; cleanup' EXIT

# --- The package and its metadata -----------------------------------------
cpack -B "$scratch/pkg" --config "$build/CPackConfig.cmake" >"$scratch/cpack.log" 2>&1 ||
    fail "cpack: $(tail -5 "$scratch/cpack.log")"
deb="$scratch/pkg/orvessa_1.0.0_amd64.deb"
[[ -f "$deb" ]] || fail "no $deb"

field() { dpkg-deb -f "$deb" "$1"; }
[[ "$(field Package)" == orvessa && "$(field Version)" == 1.0.0 ]] || fail "name or version"
[[ "$(field Section)" == games && "$(field Architecture)" == amd64 ]] || fail "section or arch"
[[ "$(field Depends)" == *libsdl2-2.0-0* && "$(field Depends)" == *libgl1* ]] ||
    fail "Depends not computed from the program's libraries: $(field Depends)"

dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' >"$scratch/contents"
for path in /usr/games/orvessa /usr/share/games/orvessa/Brasswick-LICENSE.txt \
    /usr/share/applications/org.orvessa.orvessa.desktop \
    /usr/share/metainfo/org.orvessa.orvessa.metainfo.xml \
    /usr/share/icons/hicolor/scalable/apps/orvessa.svg /usr/share/man/man6/orvessa.6.gz \
    /usr/share/doc/orvessa/README.md /usr/share/doc/orvessa/characters.md \
    /usr/share/doc/orvessa/copyright /usr/share/doc/orvessa/changelog.gz; do
    grep -qx "$path" "$scratch/contents" || fail "the package lacks $path"
done
for size in 16 32 48 64 128 256 512; do
    grep -qx "/usr/share/icons/hicolor/${size}x$size/apps/orvessa.png" "$scratch/contents" ||
        fail "no $size px icon"
done
(( $(grep -c '^/usr/share/games/orvessa/chars/.' "$scratch/contents") == 30 )) ||
    fail "not the five characters' six files each"
# Nothing of the build or the tests comes along.
(( $(wc -l <"$scratch/contents") == 77 )) ||
    fail "$(wc -l <"$scratch/contents") entries in the package, 77 expected"

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/org.orvessa.orvessa.desktop" ||
    fail "the desktop entry is not valid"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.orvessa.orvessa.metainfo.xml" ||
    fail "the AppStream file is not valid"
lintian --fail-on error "$deb" >"$scratch/lintian" 2>&1 ||
    fail "lintian found errors: $(cat "$scratch/lintian")"
sed -i '/root privileges/d' "$scratch/lintian"
cat "$scratch/lintian"
echo "package checked: $(du -k "$deb" | cut -f1) kB, lintian: $(wc -l <"$scratch/lintian") tags"

# --- Played by an ordinary user from the read-only unpacked tree ----------
# As root the game runs as "nobody"; run by hand as a user, as that user.
home="$scratch/home"
mkdir -p "$home"
chmod 755 "$scratch"
as_player=()
if [[ $(id -u) -eq 0 ]]; then
    chown nobody:nogroup "$home"
    as_player=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
fi
chmod -R a-w "$root"
touch "$scratch/before-play"
mine="$home/.local/share/orvessa"

start_x
start_installed_game() {
    (cd / && env -i PATH=/usr/bin:/bin HOME="$home" DISPLAY="$DISPLAY" SDL_VIDEODRIVER=x11 \
        SDL_AUDIODRIVER=dummy "${as_player[@]}" "$root/usr/games/orvessa" \
        >>"$scratch/stdout" 2>>"$scratch/stderr") &
    game_pid=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --name "Orvessa" | head -n 1) ||
        fail "no game window: $(cat "$scratch/stderr")"
    xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
}
quit_from_title() {
    keys Escape
    wait_exit 10
    [[ "$status" == 0 ]] || fail "exit status $status: $(cat "$scratch/stderr")"
}

# First start: the default tables are written when the splash ends.
start_installed_game
for _ in $(seq 150); do [[ -s "$mine/scores.dat" ]] && break; sleep 0.1; done
[[ "$(head -c 11 "$mine/scores.dat")" == "K. Tesselk"$'\r' ]] ||
    fail "no default score file in the player's data folder"
for folder in "$home/.local" "$home/.local/share" "$mine"; do
    [[ "$(stat -c %a "$folder")" == 700 ]] || fail "$folder has mode $(stat -c %a "$folder")"
done
sleep 1.5
shot 01-title-with-default-tables
quit_from_title

# A character of the player's own, at place 15 (bottom left): character 23's
# files under another id. And tables that any game beats, so that the game
# below enters the player's name.
"${as_player[@]}" mkdir "$mine/chars"
for name in face port board runes score; do
    "${as_player[@]}" cp "$root/usr/share/games/orvessa/chars/${name}23.png" "$mine/chars/${name}15.png"
done
"${as_player[@]}" cp "$root/usr/share/games/orvessa/chars/music23.ogg" "$mine/chars/music15.ogg"
mkdir -p "$scratch/game"
seed_low_scores
"${as_player[@]}" cp "$scratch/game/scores.dat" "$mine/scores.dat"

start_installed_game
sleep 9

keys Left Return
sleep 0.5
type_text "Nobody"
keys Return Right Return
sleep 2.5
# Place 15's face, drawn at (200, 280), is place 23's, drawn at (280, 160).
face() { import -window "$window" -crop "40x40+$1+$2" +repage -depth 8 "$scratch/$3.png"; }
face 220 300 face15
face 300 180 face23
differ=$(compare -metric AE "$scratch/face15.png" "$scratch/face23.png" null: 2>&1 || true)
[[ "$differ" == 0 ]] || fail "the player's character is not on the honeycomb ($differ pixels differ)"
keys Left Left Down Down
sleep 0.5
shot 02-own-character
keys Return
sleep 2.5
shot 03-playing-own-character

# A whole game with it, dropping in every column in turn until the board
# fills and the score file is rewritten.
before=$(stat -c %i "$mine/scores.dat")
ended() { [[ "$(stat -c %i "$mine/scores.dat")" != "$before" ]]; }
sweep_until_ended "${PACKAGE_GAME_LIMIT:-300}"
sleep 3
shot 04-game-over
keys Return
sleep 2
shot 05-title-after-game
quit_from_title
[[ ! -s "$scratch/stderr" ]] || fail "the game said: $(cat "$scratch/stderr")"

[[ "$(head -c 7 "$mine/scores.dat")" == "Nobody"$'\r' ]] ||
    fail "the player's score file begins with '$(head -c 7 "$mine/scores.dat")'"
# Written only into the player's folder: nothing new under the root or home
# but the score file and the characters copied in.
changed=$(find "$root" "$home" -newer "$scratch/before-play" ! -type d | sed "s|^$scratch/||" | sort)
expected=$(printf 'home/.local/share/orvessa/%s\n' chars/board15.png chars/face15.png \
    chars/music15.ogg chars/port15.png chars/runes15.png chars/score15.png scores.dat | sort)
[[ "$changed" == "$expected" ]] || fail "files written: $changed"
echo "package test passed"
