#!/usr/bin/env bash
# A real mouse drag in the real program. Starts Vorbelle.exe in a wine prefix of
# its own (so its instance guard never meets another test's copy), starts a game
# with Ctrl+N, drags the first stock letter onto board cell (2, 2) with xdotool
# and checks a screenshot: the cell shows the loose-letter fill and the stock
# panel is empty. Writes "PASS" or "FAIL: reason" to RESULT_FILE.
#
# system-drag.sh EXE SOURCE_DIR FRAME_LEFT FRAME_TOP LOOSE_HEX FACE_HEX RESULT_FILE
set -u
exe=$1 src=$2 frameLeft=$3 frameTop=$4 looseColour=$5 faceColour=$6 result=$7
work=$(mktemp -d)
pid=""

cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  wineserver -k 2>/dev/null
  rm -rf "$work"
}
finish() {
  echo "$1" > "$result.part" && mv "$result.part" "$result"
  cleanup
  exit 0
}

# The colour of one screen pixel as "#RRGGBB".
pixel() { convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | grep -o '#[0-9A-Fa-f]\{6\}' | head -1; }
# How many colours a square of the screenshot holds.
colours() { convert "$1" -crop "$4x$4+$2+$3" +repage -unique-colors txt:- | grep -c '#[0-9A-Fa-f]\{6\}'; }

cp "$exe" "$work/Vorbelle.exe" || finish "FAIL: cannot copy the program"
mkdir "$work/VorbelleDictionaries"
cp "$src/data/VorbelleDictionaries/English.vbd" "$src/data/VorbelleDictionaries/English.txt" \
  "$work/VorbelleDictionaries/" || finish "FAIL: cannot copy the dictionary"

unset WINESERVERSOCKET WINELOADERNOEXEC
export VB_WINE_ROOT="$(dirname "$exe")/wine-system"
source "$src/scripts/wine-env.sh"
vb_wine_prepare
vb_wine_start_server

cd "$work"
wine Vorbelle.exe </dev/null >/dev/null 2>&1 &
pid=$!
wid=""
for _ in $(seq 1 120); do
  wid=$(xdotool search --name '^Vorbelle$' 2>/dev/null | head -1)
  [ -n "$wid" ] && break
  sleep 0.5
done
[ -n "$wid" ] || finish "FAIL: the main window did not appear"
sleep 1
eval "$(xdotool getwindowgeometry --shell "$wid")"
cx=$((X + frameLeft)); cy=$((Y + frameTop))
clientWidth=$((WIDTH - 2 * frameLeft)); clientHeight=$((HEIGHT - frameTop - frameLeft))

# Activate the window with a click on an empty spot of the board group, then start a game.
xdotool mousemove $((cx + 600)) $((cy + 8)) click 1
sleep 0.5
xdotool key ctrl+n
sleep 2

# Stock panel 1: letters panel (5, 165) + group box (10, 5) + panel (10, 20), 40 x 40.
panelX=$((cx + 25)); panelY=$((cy + 190))
# Board: group box (340, 0) + paint area (5, 20), sized to the client area, 15 x 15 cells.
cellWidth=$(((clientWidth - 355) / 15)); cellHeight=$(((clientHeight - 30) / 15))
boardX=$((cx + 345)); boardY=$((cy + 20))
cellX=$((boardX + 2 * cellWidth)); cellY=$((boardY + 2 * cellHeight))

import -window root "$work/before.png"
[ "$(colours "$work/before.png" $((panelX + 8)) $((panelY + 8)) 24)" -gt 1 ] || finish "FAIL: no stock letter after Ctrl+N"
[ "$(pixel "$work/before.png" $((cellX + 2)) $((cellY + 2)))" = "$faceColour" ] || finish "FAIL: the cell is not empty before the drag"

xdotool mousemove $((panelX + 20)) $((panelY + 20)) mousedown 1
sleep 0.3
xdotool mousemove $((panelX + 60)) $((panelY + 20))
sleep 0.2
xdotool mousemove $((cellX + cellWidth / 2)) $((cellY + cellHeight / 2))
sleep 0.3
xdotool mouseup 1
sleep 1

import -window root "$work/after.png"
cp "$work/after.png" "$(dirname "$result")/system-drag-after.png" 2>/dev/null
fill=$(pixel "$work/after.png" $((cellX + 2)) $((cellY + 2)))
[ "$fill" = "$looseColour" ] || finish "FAIL: cell fill $fill, expected the loose-letter colour $looseColour"
[ "$(colours "$work/after.png" $((panelX + 8)) $((panelY + 8)) 24)" -eq 1 ] || finish "FAIL: the stock panel at $panelX,$panelY still shows a letter"
finish "PASS"
