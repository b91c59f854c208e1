#!/usr/bin/env bash
# A real mouse drag in the real program. Starts Vorbelle.exe in a wine prefix of
# its own, starts a game with Ctrl+N, drags the first stock letter onto board
# cell (2, 2) with xdotool and checks a screenshot: the cell shows the
# loose-letter fill and the stock panel is empty. Writes "PASS" or
# "FAIL: reason" to RESULT_FILE.
#
# system-drag.sh EXE SOURCE_DIR FRAME_LEFT FRAME_TOP LOOSE_HEX FACE_HEX RESULT_FILE
set -u
exe=$1 src=$2 frameLeft=$3 frameTop=$4 looseColour=$5 faceColour=$6 result=$7
source "$(dirname "${BASH_SOURCE[0]}")/system-common.sh"

prepare_program system
start_program
xdotool key ctrl+n
sleep 2

locate_stock_and_cell
import -window root "$work/before.png"
[ "$(colours "$work/before.png" $((panelX + 8)) $((panelY + 8)) 24)" -gt 1 ] || finish "FAIL: no stock letter after Ctrl+N"
[ "$(pixel "$work/before.png" $((cellX + 2)) $((cellY + 2)))" = "$faceColour" ] || finish "FAIL: the cell is not empty before the drag"

drag_stock_letter_to_cell

import -window root "$work/after.png"
cp "$work/after.png" "$(dirname "$result")/system-drag-after.png" 2>/dev/null
fill=$(pixel "$work/after.png" $((cellX + 2)) $((cellY + 2)))
[ "$fill" = "$looseColour" ] || finish "FAIL: cell fill $fill, expected the loose-letter colour $looseColour"
[ "$(colours "$work/after.png" $((panelX + 8)) $((panelY + 8)) 24)" -eq 1 ] || finish "FAIL: the stock panel at $panelX,$panelY still shows a letter"
finish "PASS"
