#!/usr/bin/env bash
# Undo and redo in the real program: Ctrl+N, a hint laid out (Ctrl+H), saved
# as "before"; the word put (Alt+P), saved as "after"; Alt+Backspace, saved as
# "undone"; Ctrl+Y, saved as "redone"; then the last game loaded again
# (Ctrl+Z), Alt+Backspace, saved as "reloaded". Copies the five games to
# OUT_DIR for the caller to compare. Writes "PASS" or "FAIL: reason" to RESULT_FILE.
#
# system-undo.sh EXE SOURCE_DIR FRAME_LEFT FRAME_TOP OUT_DIR RESULT_FILE
set -u
exe=$1 src=$2 frameLeft=$3 frameTop=$4 out=$5 result=$6
source "$(dirname "${BASH_SOURCE[0]}")/system-common.sh"

rm -rf "$out" && mkdir -p "$out" || finish "FAIL: cannot make $out"
prepare_program system-undo

start_program
xdotool key ctrl+n
sleep 4
ask_for_hint
sleep 1
save_as before
xdotool key alt+p
sleep 1
save_as after
xdotool key alt+BackSpace
sleep 1
save_as undone
xdotool key ctrl+y
sleep 1
save_as redone
xdotool key ctrl+z
sleep 3
xdotool key alt+BackSpace
sleep 1
save_as reloaded
[ -n "${SHOTS:-}" ] && import -window root "$out/undo.png"
xdotool key alt+F4
ended || finish "FAIL: Alt+F4 did not end the program"
finish "PASS"
