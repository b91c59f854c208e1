#!/usr/bin/env bash
# Builds the game and starts it under wine from a staged program folder
# (build/play/Vorbelle), in a 32-bit wine prefix of its own (build/play/wine).
# Options, saved games and words added during play persist between runs.
# Without a display the game runs in a virtual one and a screenshot is left in
# build/play/screenshot.png.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
scripts/setup.sh play

cmake -S . -B build/win32 -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake >/dev/null
cmake --build build/win32 -j "$(nproc)" --target Vorbelle

stage="$root/build/play/Vorbelle"
scripts/stage-program.sh build/win32/Vorbelle.exe "$stage"

export VB_WINE_ROOT="$root/build/play/wine"
source scripts/wine-env.sh

run_game() {
  vb_wine_prepare
  cd "$stage"
  wine Vorbelle.exe
}

if [ -n "${DISPLAY:-}" ]; then
  run_game
  exit 0
fi

echo "No display: starting the game in a virtual X display (Xvfb)."
shot="$root/build/play/screenshot.png"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  set -e
  source "'"$root"'/scripts/wine-env.sh"
  wineserver -k 2>/dev/null || true
  vb_wine_prepare
  cd "'"$stage"'"
  wine Vorbelle.exe </dev/null >/dev/null 2>&1 &
  for i in $(seq 1 100); do
    xdotool search --name "^Vorbelle" >/dev/null 2>&1 && break
    sleep 0.2
  done
  sleep 1
  import -window root "'"$shot"'"
  wineserver -k
'
echo "The game ran; its window is in $shot"
