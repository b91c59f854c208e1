#!/usr/bin/env bash
# ctest's emulator for Windows programs: wine-run.sh WINE_ROOT PROGRAM [ARGS...]
# Runs the program under wine in the build's private prefix; its exit code is ours.
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
export VB_WINE_ROOT="$1"
shift
source "$here/wine-env.sh"
exec wine "$@"
