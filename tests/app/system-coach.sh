#!/usr/bin/env bash
# The coach in the real program: loads the game OUT_DIR/start.vbg as the last
# game (Ctrl+Z), asks for a hint (Ctrl+H), puts it (Alt+P) and saves the game
# as "after" (S, the name, Enter). Copies the saved game to OUT_DIR/after.vbg
# for the caller to check. Writes "PASS" or "FAIL: reason" to RESULT_FILE.
#
# system-coach.sh EXE SOURCE_DIR FRAME_LEFT FRAME_TOP OUT_DIR RESULT_FILE
set -u
exe=$1 src=$2 frameLeft=$3 frameTop=$4 out=$5 result=$6
source "$(dirname "${BASH_SOURCE[0]}")/system-common.sh"

prepare_program system-coach
start_with_last_game coach
# The hint waits a while for the word graph; on a slow machine it may still
# say the coach is preparing: then close the message and ask again.
sleep 2
ask_for_hint
sleep 1
[ -n "${SHOTS:-}" ] && import -window root "$out/hint.png"
xdotool key alt+p
sleep 2
[ -n "${SHOTS:-}" ] && import -window root "$out/put.png"
save_as after
xdotool key alt+F4
ended || finish "FAIL: Alt+F4 did not end the program"
finish "PASS"
