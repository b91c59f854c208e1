#!/usr/bin/env bash
# The real program on a screen of 144 DPI (the prefix's LogPixels): clicks the
# Columns box where it lies at one and a half times its 96-DPI place, picks 20
# by typing, starts a new game and saves it as "dpi"; copies it to
# OUT_DIR/dpi.vbg for the caller to check. Writes "PASS" or "FAIL: reason" to
# RESULT_FILE.
#
# system-dpi.sh EXE SOURCE_DIR FRAME_LEFT FRAME_TOP OUT_DIR RESULT_FILE
set -u
exe=$1 src=$2 frameLeft=$3 frameTop=$4 out=$5 result=$6
# The frame the caller measured at 96 DPI grows with the screen's DPI.
frameLeft=$((frameLeft * 3 / 2)) frameTop=$((frameTop * 3 / 2))
source "$(dirname "${BASH_SOURCE[0]}")/system-common.sh"

prepare_program system-dpi
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f </dev/null >/dev/null 2>&1
# The screen's DPI is read when the wine server starts.
wineserver -k
vb_wine_start_server
mkdir -p "$out"
start_program
# The Columns box: main panel (5, 45) + box (65, 10), 50 wide; its middle at 144 DPI.
xdotool mousemove $((cx + 142)) $((cy + 97)) click 1
sleep 1
xdotool key 2 Return
sleep 0.5
activate_main_window
xdotool key ctrl+n
sleep 2
[ -n "${SHOTS:-}" ] && import -window root "$out/dpi.png"
save_as dpi
xdotool key alt+F4
ended || finish "FAIL: Alt+F4 did not end the program"
finish "PASS"
