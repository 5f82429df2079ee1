#!/usr/bin/env bash
# Installs the Debian packages of the given lists (default: packages.txt) that
# are not installed yet. A list is a path, or a file name at the top of the
# repository. Runs apt-get as root, through sudo when needed.
# Usage: scripts/install-packages.sh [LIST...]
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
[[ $# -gt 0 ]] || set -- packages.txt
wanted=()
for list in "$@"; do
    [[ -f "$list" ]] || list="$top/$list"
    mapfile -t -O "${#wanted[@]}" wanted < <(sed -e 's/#.*//' -e 's/[[:space:]]//g' "$list" | grep -v '^$')
done
missing=()
for package in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == *"install ok installed"* ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0
echo "Installing: ${missing[*]}"
as_root=()
[[ $(id -u) -eq 0 ]] || as_root=(sudo)
"${as_root[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
