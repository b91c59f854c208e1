#!/usr/bin/env bash
# vorbelle-solve on a small dictionary and game: the output byte for byte, the
# default of ten moves, and exit code 2 with a message for bad input.
# Usage: solve-test.sh VORBELLE_SOLVE FIXTURE_DIR
set -uo pipefail
solve=$1 fixtures=$2
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$solve" --count --top 12 "$fixtures/Small.vbd" "$fixtures/Game.vbg" >"$work/out" 2>"$work/err" || fail "exit code $?"
cmp -s "$work/out" "$fixtures/Expected.txt" || { fail "output differs"; diff "$fixtures/Expected.txt" "$work/out"; }
[ ! -s "$work/err" ] || fail "unexpected messages: $(cat "$work/err")"

"$solve" "$fixtures/Small.vbd" "$fixtures/Game.vbg" >"$work/out"
tail -n +2 "$fixtures/Expected.txt" | head -n 10 | cmp -s - "$work/out" || fail "the default is not the ten best moves"
[ "$("$solve" --top 0 --count "$fixtures/Small.vbd" "$fixtures/Game.vbg")" = "$(head -n 1 "$fixtures/Expected.txt")" ] ||
  fail "--top 0 --count"

expect_bad() {
  local what=$1; shift
  "$solve" "$@" >"$work/out" 2>"$work/err" </dev/null
  local code=$?
  [ "$code" = 2 ] || fail "$what: exit code $code, not 2"
  [ -s "$work/err" ] || fail "$what: no message on stderr"
  [ ! -s "$work/out" ] || fail "$what: printed moves"
}
mkdir "$work/folder.vbg"
expect_bad "missing dictionary" "$work/None.vbd" "$fixtures/Game.vbg"
expect_bad "missing game" "$fixtures/Small.vbd" "$work/None.vbg"
expect_bad "game is a folder" "$fixtures/Small.vbd" "$work/folder.vbg"
expect_bad "too few letters" "$fixtures/Few.vbd" "$fixtures/Game.vbg"
expect_bad "no files" --count
expect_bad "bad --top" --top many "$fixtures/Small.vbd" "$fixtures/Game.vbg"
expect_bad "unknown option" --best "$fixtures/Small.vbd" "$fixtures/Game.vbg"

[ "$failures" = 0 ] || exit 1
echo "1 passed, 0 failed"
