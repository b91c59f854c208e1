#!/usr/bin/env bash
# Lays out a program folder to run the game from: the executable, the shipped
# data and the texts the About box opens (read-me, support text, licence) with
# Windows line ends. Shipped data replaces only older staged files, so a words
# list that grew during play is kept.
# Usage: scripts/stage-program.sh PROGRAM.exe FOLDER
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
program="$1"
stage="$2"

mkdir -p "$stage"
cp "$program" "$stage/"
shopt -s nullglob
for item in "$root"/data/*; do
  cp -ru --preserve=timestamps "$item" "$stage/"
done

# Texts for players open in any Windows editor: CR LF line ends.
windows_text() {
  sed -e 's/\r$//' -e 's/$/\r/' "$1" > "$2.tmp" && mv "$2.tmp" "$2"
}
windows_text "$root/LICENSE" "$stage/License.txt"
for name in Readme.txt Support.txt; do
  [ -f "$root/data/$name" ] && windows_text "$root/data/$name" "$stage/$name"
done
exit 0
