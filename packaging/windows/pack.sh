#!/usr/bin/env bash
# Makes the two Windows packages from a cross build folder: the portable zip
# and the NSIS setup, both holding the same files.
#
#   packaging/windows/pack.sh <build folder> <library prefix> <version>
#
# In the build folder: orvessa-<version>-windows-x64.zip (one folder,
# Orvessa\) and orvessa-<version>-setup.exe; the files themselves are
# staged in package/Orvessa/. The library prefix is the one
# scripts/third-party.sh windows made: its share/doc/<source package>/
# copyright files go into COPYRIGHT.txt. Every file is dated from the last
# commit (SOURCE_DATE_EPOCH when set) and the zip's entries are sorted, so
# the same sources give the same bytes. Quiet unless something fails.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build=$(cd "$1" && pwd)
prefix=$2
version=$3
zip="$build/orvessa-$version-windows-x64.zip"
setup="$build/orvessa-$version-setup.exe"
stage="$build/package/Orvessa"
log="$build/package/makensis.log"

# The libraries built into the program: the name a reader knows, and the
# Debian source package it came from.
libraries=(SDL2:libsdl2 zlib:zlib libpng:libpng1.6 FreeType:freetype libogg:libogg
    libvorbis:libvorbis)

epoch=${SOURCE_DATE_EPOCH:-$(git -C "$here" log -1 --format=%ct 2>/dev/null || echo 1767225600)}

# crlf < text > text: Windows line ends, as Notepad and every editor expect.
crlf() { sed 's/\r*$/\r/'; }

# copyright: the game's notice, then each library's Debian copyright file.
copyright() {
    sed "s/@VERSION@/$version/g" "$here/COPYRIGHT.txt.in"
    local entry name package source_version
    for entry in "${libraries[@]}"; do
        name=${entry%%:*}
        package=${entry#*:}
        source_version=$(awk -v p="$package" '$1 == p { print $2 }' "$prefix/debian-sources.txt")
        printf '\n\n%s\n%s, from the Debian source package %s %s\n%s\n\n' \
            "$(printf '=%.0s' {1..76})" "$name" "$package" "$source_version" \
            "$(printf '=%.0s' {1..76})"
        cat "$prefix/share/doc/$package/copyright"
    done
}

stage_files() {
    rm -rf "$build/package"
    mkdir -p "$stage/chars"
    SOURCE_DATE_EPOCH=$epoch x86_64-w64-mingw32-strip -o "$stage/orvessa.exe" "$build/orvessa.exe"
    cp "$build"/chars/* "$stage/chars/"
    crlf <"$build/Brasswick-LICENSE.txt" >"$stage/Brasswick-LICENSE.txt"
    sed "s/@VERSION@/$version/g" "$here/README.txt" | crlf >"$stage/README.txt"
    copyright | crlf >"$stage/COPYRIGHT.txt"
    chmod -R u=rwX,go=rX "$stage"
    find "$stage" -exec touch -h -d "@$epoch" {} +
}

# files_nsh: the setup's INSTALL_FILES and UNINSTALL_FILES macros, one line
# per file and folder of the stage, so that uninstalling removes exactly
# what was installed.
files_nsh() {
    local path folder
    echo '!macro INSTALL_FILES'
    while read -r folder; do
        echo "    SetOutPath \"\$INSTDIR${folder:+\\${folder//\//\\}}\""
        find "$stage/$folder" -mindepth 1 -maxdepth 1 -type f -printf '%P\n' | LC_ALL=C sort |
            while read -r path; do echo "    File \"$stage/${folder:+$folder/}$path\""; done
    done < <(cd "$stage" && find . -type d -printf '%P\n' | LC_ALL=C sort)
    echo '!macroend'
    echo '!macro UNINSTALL_FILES'
    (cd "$stage" && find . -type f -printf '%P\n' | LC_ALL=C sort) |
        while read -r path; do echo "    Delete \"\$INSTDIR\\${path//\//\\}\""; done
    (cd "$stage" && find . -mindepth 1 -type d -printf '%P\n' | LC_ALL=C sort -r) |
        while read -r path; do echo "    RMDir \"\$INSTDIR\\${path//\//\\}\""; done
    echo '!macroend'
}

make_zip() {
    rm -f "$zip"
    (cd "$stage/.." && find Orvessa -print | LC_ALL=C sort | TZ=UTC zip -X -q -9 "$zip" -@)
}

make_setup() {
    files_nsh >"$build/package/files.nsh"
    rm -f "$setup"
    if ! makensis -V2 -WX -DVERSION="$version" -DSTAGE="$stage" -DFILES="$build/package/files.nsh" \
        -DICON="$build/icons/orvessa.ico" -DOUTFILE="$setup" "$here/orvessa.nsi" >"$log" 2>&1; then
        cat "$log" >&2
        echo "pack.sh: makensis failed (log: $log)" >&2
        exit 1
    fi
    touch -d "@$epoch" "$setup"
}

stage_files
make_zip
make_setup
