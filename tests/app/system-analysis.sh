#!/usr/bin/env bash
# After a message box the main window has the keyboard again: the Work menu's
# "Analyze words list" from the keyboard, Enter on its message box, then Alt+F4
# must end the program without a question. Writes "PASS" or "FAIL: reason" to
# RESULT_FILE.
#
# system-analysis.sh EXE SOURCE_DIR FRAME_LEFT FRAME_TOP RESULT_FILE
set -u
exe=$1 src=$2 frameLeft=$3 frameTop=$4 result=$5
source "$(dirname "${BASH_SOURCE[0]}")/system-common.sh"

prepare_program system-analysis
start_program
# A new game reads the words list that the analysis counts.
xdotool key ctrl+n
sleep 4
# Work menu: the analysis is its seventh item (separators are skipped).
xdotool key alt+w
sleep 1
xdotool key Down Down Down Down Down Down Down Return
box=$(window '^Message$')
[ -n "$box" ] || { import -window root "$(dirname "$result")/system-analysis-fail.png"; finish "FAIL: the analysis showed no message box"; }
sleep 0.5
xdotool key Return
gone '^Message$' || finish "FAIL: Enter did not close the message box"
# No click: the keys must reach the main window by themselves.
xdotool key alt+F4
ended || finish "FAIL: Alt+F4 after the message box did not end the program"
finish "PASS"
