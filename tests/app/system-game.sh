#!/usr/bin/env bash
# A whole game in the real program, driven like a person with xdotool: start
# (Ctrl+Z on a first start shows the error dialog, whose Log button writes the
# error log), Ctrl+N, a drag, S, type a file name, Enter, Alt+F4; start again,
# Ctrl+Z, Alt+F4. Copies the saved game, the options file and the error log to
# OUT_DIR for the caller to check, with the window titles it saw in OUT_DIR/titles.txt.
# Writes "PASS" or "FAIL: reason" to RESULT_FILE.
#
# system-game.sh EXE SOURCE_DIR FRAME_LEFT FRAME_TOP OUT_DIR RESULT_FILE
set -u
exe=$1 src=$2 frameLeft=$3 frameTop=$4 out=$5 result=$6
source "$(dirname "${BASH_SOURCE[0]}")/system-common.sh"

rm -rf "$out" && mkdir -p "$out" || finish "FAIL: cannot make $out"
prepare_program system-game

# First start: there is no last game yet.
start_program
xdotool key ctrl+z
errorWindow=$(window '^Error$')
[ -n "$errorWindow" ] || finish "FAIL: Ctrl+Z on a first start showed no error dialog"
sleep 1
# Its client area is 340 x 265; the frame is what the window has beyond that.
eval "$(xdotool getwindowgeometry --shell "$errorWindow")"
border=$(((WIDTH - 340) / 2)); ex=$((X + border)); ey=$((Y + HEIGHT - 265 - border))
[ -n "${SHOTS:-}" ] && import -window root "$out/error-dialog.png"
xdotool mousemove $((ex + 127)) $((ey + 217)) click 1   # Log
sleep 1
xdotool key Escape
gone '^Error$' || finish "FAIL: Escape did not close the error dialog"
[ -f "$work/Errors.log" ] || finish "FAIL: the Log button wrote no Errors.log"
# Back to the main window.
activate_main_window

# A game: Ctrl+N, the first stock letter onto cell (2, 2).
xdotool key ctrl+n
# Reading the words list takes a while on a loaded machine.
sleep 4
drag_stock_letter_to_cell

# S, a name without extension, Enter.
activate_main_window
save_as mygame

xdotool key alt+F4
ended || finish "FAIL: Alt+F4 did not end the program"
[ -f "$work/Vorbelle.ini" ] || finish "FAIL: no Vorbelle.ini after closing"
cp "$work/Vorbelle.ini" "$out/first.ini"

# Start again and load the last game.
start_program
xdotool key ctrl+z
loaded=$(window '^Vorbelle - ')
[ -n "$loaded" ] || finish "FAIL: Ctrl+Z did not load the last game"
xdotool getwindowname "$loaded" > "$out/titles.txt"
xdotool key alt+F4
ended || finish "FAIL: Alt+F4 did not end the program the second time"
cp "$work/Vorbelle.ini" "$out/second.ini"
[ -f "$work/Errors.log" ] && cp "$work/Errors.log" "$out/Errors.log"
finish "PASS"
