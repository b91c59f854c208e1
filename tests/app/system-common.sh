# Sourced by the system test scripts (system-*.sh) once they have set exe, src,
# frameLeft, frameTop and result from their arguments. Runs the program in a
# scratch folder and a wine prefix of its own (so its instance guard never meets
# another test's copy), and gives the steps the scripts share.
work=$(mktemp -d)
pid=""

cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  wineserver -k 2>/dev/null
  rm -rf "$work"
}
# Writes the verdict ("PASS" or "FAIL: reason") at once and ends the script.
finish() {
  echo "$1" > "$result.part" && mv "$result.part" "$result"
  cleanup
  exit 0
}

# The colour of one screen pixel as "#RRGGBB".
pixel() { convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | grep -o '#[0-9A-Fa-f]\{6\}' | head -1; }
# How many colours a square of the screenshot holds.
colours() { convert "$1" -crop "$4x$4+$2+$3" +repage -unique-colors txt:- | grep -c '#[0-9A-Fa-f]\{6\}'; }

# Waits up to SECONDS (30 by default) for a visible window whose title matches; prints its id.
window() {
  local id=""
  for _ in $(seq 1 $((2 * ${2:-30}))); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
    [ -n "$id" ] && break
    sleep 0.5
  done
  echo "$id"
}
# Waits up to SECONDS (10 by default) until no visible window's title matches.
gone() {
  for _ in $(seq 1 $((2 * ${2:-10}))); do
    [ -z "$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)" ] && return 0
    sleep 0.5
  done
  return 1
}
# Waits up to 30 s for the program to end.
ended() {
  for _ in $(seq 1 60); do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.5
  done
  return 1
}

# Copies the program and the English dictionary to the scratch folder and
# prepares the wine prefix PREFIX_NAME next to the program.
prepare_program() {
  cp "$exe" "$work/Vorbelle.exe" || finish "FAIL: cannot copy the program"
  mkdir "$work/VorbelleDictionaries"
  cp "$src/data/VorbelleDictionaries/English.vbd" "$src/data/VorbelleDictionaries/English.txt" \
    "$work/VorbelleDictionaries/" || finish "FAIL: cannot copy the dictionary"
  unset WINESERVERSOCKET WINELOADERNOEXEC
  export VB_WINE_ROOT="$(dirname "$exe")/wine-$1"
  source "$src/scripts/wine-env.sh"
  vb_wine_prepare
  vb_wine_start_server
}

# Clicks an empty spot of the board group, which activates the main window.
activate_main_window() {
  xdotool mousemove $((cx + 600)) $((cy + 8)) click 1
  sleep 0.5
}

# Starts the program and waits (the first start in a fresh prefix is slow) for
# its main window; sets cx, cy (the client area's screen position),
# clientWidth and clientHeight, and activates the window.
start_program() {
  (cd "$work" && exec wine Vorbelle.exe </dev/null >/dev/null 2>&1) &
  pid=$!
  wid=$(window '^Vorbelle$' 60)
  [ -n "$wid" ] || finish "FAIL: the main window did not appear"
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  cx=$((X + frameLeft)); cy=$((Y + frameTop))
  clientWidth=$((WIDTH - 2 * frameLeft)); clientHeight=$((HEIGHT - frameTop - frameLeft))
  activate_main_window
}

# Sets panelX, panelY (stock panel 1), cellX, cellY, cellWidth and cellHeight
# (board cell (2, 2)) in screen pixels.
locate_stock_and_cell() {
  # Stock panel 1: letters panel (5, 165) + group box (10, 5) + panel (10, 20), 40 x 40.
  panelX=$((cx + 25)); panelY=$((cy + 190))
  # Board: group box (340, 0) + paint area (5, 20), sized to the client area, 15 x 15 cells.
  cellWidth=$(((clientWidth - 355) / 15)); cellHeight=$(((clientHeight - 30) / 15))
  cellX=$((cx + 345 + 2 * cellWidth)); cellY=$((cy + 20 + 2 * cellHeight))
}

# Drags the letter of stock panel 1 onto board cell (2, 2) as a person does:
# press, a move past the drag threshold, the move to the cell, release.
drag_stock_letter_to_cell() {
  locate_stock_and_cell
  xdotool mousemove $((panelX + 20)) $((panelY + 20)) mousedown 1
  sleep 0.3
  xdotool mousemove $((panelX + 60)) $((panelY + 20))
  sleep 0.2
  xdotool mousemove $((cellX + cellWidth / 2)) $((cellY + cellHeight / 2))
  sleep 0.3
  xdotool mouseup 1
  sleep 1
}

# Saves the game as NAME (S, the name, Enter), waits for VorbelleGames/NAME.vbg
# and copies it to the folder $out. With SHOTS set, the dialog is photographed
# as $out/save-NAME.png.
save_as() {
  xdotool key s
  [ -n "$(window '^Save game$')" ] || finish "FAIL: S showed no save dialog for $1"
  sleep 1
  [ -n "${SHOTS:-}" ] && import -window root "$out/save-$1.png"
  xdotool type --delay 50 "$1"
  sleep 0.3
  xdotool key Return
  for _ in $(seq 1 20); do
    [ -f "$work/VorbelleGames/$1.vbg" ] && break
    sleep 0.5
  done
  [ -f "$work/VorbelleGames/$1.vbg" ] || finish "FAIL: no VorbelleGames/$1.vbg after saving"
  cp "$work/VorbelleGames/$1.vbg" "$out/$1.vbg"
  sleep 0.5
}

# Ctrl+H. The hint waits a while for the word graph; on a slow machine it may
# still say the coach is preparing: then the message is closed and it asks again.
ask_for_hint() {
  for attempt in 1 2 3 4 5 6; do
    xdotool key ctrl+h
    [ -z "$(window '^Message$' 3)" ] && return 0
    [ "$attempt" = 6 ] && finish "FAIL: the coach was still preparing after six hints"
    xdotool key Return
    sleep 5
  done
}

# Starts the program with OUT_DIR's start.vbg as its last game (as NAME.vbg in
# its games folder) and loads it with Ctrl+Z.
start_with_last_game() {
  mkdir -p "$work/VorbelleGames"
  cp "$out/start.vbg" "$work/VorbelleGames/$1.vbg" || finish "FAIL: no start.vbg in $out"
  local game="Z:$(printf '%s' "$work" | tr / '\\')\\VorbelleGames\\$1.vbg"
  printf '[VorbelleGame]\r\nLastDictionaryName=English.vbd\r\nLastGameTitle=%s\r\n\r\n' "$game" > "$work/Vorbelle.ini"
  start_program
  xdotool key ctrl+z
  [ -n "$(window '^Vorbelle - ')" ] || finish "FAIL: Ctrl+Z did not load the crafted game"
}
