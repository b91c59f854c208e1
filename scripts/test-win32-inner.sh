#!/usr/bin/env bash
# Runs inside the virtual display: prepares the prefix, starts one wineserver for
# the whole run (a server started without a display would break window tests),
# runs ctest and stops the server again.
set -euo pipefail
build="$1"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
export VB_WINE_ROOT="$build/wine"
source "$here/wine-env.sh"
wineserver -k 2>/dev/null || true
vb_wine_prepare
vb_wine_start_server
status=0
(cd "$build" && ctest --output-on-failure --no-tests=error -j 2) || status=$?
wineserver -k 2>/dev/null || true
exit $status
