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
# Waits up to 30 s for a window whose title matches; prints its id.
window() {
  local id=""
  for _ in $(seq 1 60); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
    [ -n "$id" ] && break
    sleep 0.5
  done
  echo "$id"
}
# Waits up to 30 s for the program to end.
ended() {
  for _ in $(seq 1 60); do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.5
  done
  return 1
}
start() {
  (cd "$work" && exec wine Vorbelle.exe </dev/null >/dev/null 2>&1) &
  pid=$!
  wid=$(window '^Vorbelle$')
  [ -n "$wid" ] || finish "FAIL: the main window did not appear"
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  cx=$((X + frameLeft)); cy=$((Y + frameTop))
  clientWidth=$((WIDTH - 2 * frameLeft)); clientHeight=$((HEIGHT - frameTop - frameLeft))
  # Activate the window with a click on an empty spot of the board group.
  xdotool mousemove $((cx + 600)) $((cy + 8)) click 1
  sleep 0.5
}

rm -rf "$out" && mkdir -p "$out" || finish "FAIL: cannot make $out"
cp "$exe" "$work/Vorbelle.exe" || finish "FAIL: cannot copy the program"
mkdir "$work/VorbelleDictionaries"
cp "$src/data/VorbelleDictionaries/English.vbd" "$src/data/VorbelleDictionaries/English.txt" \
  "$work/VorbelleDictionaries/" || finish "FAIL: cannot copy the dictionary"

unset WINESERVERSOCKET WINELOADERNOEXEC
export VB_WINE_ROOT="$(dirname "$exe")/wine-system-game"
source "$src/scripts/wine-env.sh"
vb_wine_prepare
vb_wine_start_server

# First start: there is no last game yet.
start
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
sleep 1
[ -z "$(xdotool search --onlyvisible --name '^Error$' 2>/dev/null | head -1)" ] || finish "FAIL: Escape did not close the error dialog"
[ -f "$work/Errors.log" ] || finish "FAIL: the Log button wrote no Errors.log"
# Back to the main window.
xdotool mousemove $((cx + 600)) $((cy + 8)) click 1
sleep 0.5

# A game: Ctrl+N, the first stock letter onto cell (2, 2).
xdotool key ctrl+n
sleep 2
panelX=$((cx + 25)); panelY=$((cy + 190))
cellWidth=$(((clientWidth - 355) / 15)); cellHeight=$(((clientHeight - 30) / 15))
cellX=$((cx + 345 + 2 * cellWidth)); cellY=$((cy + 20 + 2 * cellHeight))
xdotool mousemove $((panelX + 20)) $((panelY + 20)) mousedown 1
sleep 0.3
xdotool mousemove $((panelX + 60)) $((panelY + 20))
sleep 0.2
xdotool mousemove $((cellX + cellWidth / 2)) $((cellY + cellHeight / 2))
sleep 0.3
xdotool mouseup 1
sleep 1

# S, a name without extension, Enter.
xdotool key s
saveWindow=$(window '^Save game$')
[ -n "$saveWindow" ] || finish "FAIL: S showed no save dialog"
sleep 1
[ -n "${SHOTS:-}" ] && import -window root "$out/save-dialog.png"
xdotool type --delay 50 mygame
sleep 0.3
xdotool key Return
for _ in $(seq 1 20); do
  [ -f "$work/VorbelleGames/mygame.vbg" ] && break
  sleep 0.5
done
[ -f "$work/VorbelleGames/mygame.vbg" ] || finish "FAIL: no VorbelleGames/mygame.vbg after saving"
cp "$work/VorbelleGames/mygame.vbg" "$out/saved.vbg"
sleep 0.5

xdotool key alt+F4
ended || finish "FAIL: Alt+F4 did not end the program"
[ -f "$work/Vorbelle.ini" ] || finish "FAIL: no Vorbelle.ini after closing"
cp "$work/Vorbelle.ini" "$out/first.ini"

# Start again and load the last game.
start
xdotool key ctrl+z
loaded=$(window '^Vorbelle - ')
[ -n "$loaded" ] || finish "FAIL: Ctrl+Z did not load the last game"
xdotool getwindowname "$loaded" > "$out/titles.txt"
xdotool key alt+F4
ended || finish "FAIL: Alt+F4 did not end the program the second time"
cp "$work/Vorbelle.ini" "$out/second.ini"
[ -f "$work/Errors.log" ] && cp "$work/Errors.log" "$out/Errors.log"
finish "PASS"
