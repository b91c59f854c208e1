#!/usr/bin/env bash
# The staged program folder has what the game opens (the licence among them, in
# Windows line ends) and keeps a words list that grew during play.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

printf 'MZ' > "$work/Vorbelle.exe"
"$root/scripts/stage-program.sh" "$work/Vorbelle.exe" "$work/stage"
for name in Vorbelle.exe License.txt Readme.txt Support.txt Help.hlp VorbelleDictionaries/English.vbd; do
  [ -f "$work/stage/$name" ] || fail "$name is not staged"
done
expected="$(sed -e 's/\r$//' -e 's/$/\r/' "$root/LICENSE")"
[ "$(cat "$work/stage/License.txt")" = "$expected" ] || fail "License.txt is not the licence with CR LF"
grep -q $'\r$' "$work/stage/Readme.txt" || fail "Readme.txt has no CR LF"

# A words list changed after staging (newer than the shipped one) stays.
list="$work/stage/VorbelleDictionaries/English.txt"
printf 'GROWN\r\n' > "$list"
touch -d '+1 hour' "$list"
"$root/scripts/stage-program.sh" "$work/Vorbelle.exe" "$work/stage"
[ "$(cat "$list")" = $'GROWN\r' ] || fail "the grown words list was replaced"
echo "1 passed, 0 failed"
