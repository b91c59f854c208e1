#!/usr/bin/env bash
# Keyboard play in the real program: loads OUT_DIR/start.vbg as the last game
# (Ctrl+Z), clicks board cell (COLUMN, ROW), types LETTERS, presses Enter and
# Escape and saves the game as "typed". Copies it to OUT_DIR/typed.vbg for the caller to
# check. Writes "PASS" or "FAIL: reason" to RESULT_FILE.
#
# system-keyboard.sh EXE SOURCE_DIR FRAME_LEFT FRAME_TOP OUT_DIR COLUMN ROW LETTERS RESULT_FILE
set -u
exe=$1 src=$2 frameLeft=$3 frameTop=$4 out=$5 column=$6 row=$7 letters=$8 result=$9
source "$(dirname "${BASH_SOURCE[0]}")/system-common.sh"

prepare_program system-keyboard
start_with_last_game keys
sleep 2
locate_stock_and_cell
xdotool mousemove $((cx + 345 + column * cellWidth + cellWidth / 2)) $((cy + 20 + row * cellHeight + cellHeight / 2)) click 1
sleep 1
xdotool type --delay 200 "$letters"
sleep 1
[ -n "${SHOTS:-}" ] && import -window root "$out/typed.png"
xdotool key Return
sleep 1
# The board keeps the keyboard after a put; Escape gives it back, so S saves.
xdotool key Escape
sleep 0.5
save_as typed
xdotool key alt+F4
ended || finish "FAIL: Alt+F4 did not end the program"
finish "PASS"
