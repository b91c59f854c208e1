#!/usr/bin/env bash
# The core library needs nothing from the platform library: no symbol the core
# leaves undefined is one the platform library defines, and no core source
# includes a platform, window-layer or program header.
# Usage: core-stands-alone.sh SOURCE_DIR CORE_LIBRARY PLATFORM_LIBRARY
set -euo pipefail
src=$1 core=$2 platform=$3
fail() { echo "FAIL: $*"; exit 1; }
defined=$(nm --defined-only --extern-only "$platform" | awk 'NF == 3 { print $3 }' | sort -u)
needed=$(nm --undefined-only "$core" | awk '{ print $NF }' | sort -u)
both=$(comm -12 <(echo "$defined") <(echo "$needed"))
[ -z "$both" ] || fail "the core needs from the platform library: $both"
if grep -rnE '#include "(platform|ui|app)/' "$src/src/core"; then fail "a core source includes a header of an outer layer"; fi
if grep -rn '<windows.h>' "$src/src/core"; then fail "a core source includes windows.h"; fi
# Inside the core, each folder uses only the folders below it.
declare -A allowed=(
  [base]="" [text]="base" [errors]="base text" [input]="base text errors" [store]="base text errors"
  [help]="base text" [dictionary]="base text errors input store"
  [game]="base text errors input store dictionary"
  [files]="base text errors input store dictionary game"
  [coach]="base text errors input store dictionary game"
  [records]="base text errors store dictionary game"
  [presenter]="base text errors input store dictionary game files help coach records"
)
for dir in "$src"/src/core/*/; do
  folder=$(basename "$dir")
  [ -f "$dir/README.md" ] || fail "core/$folder has no README saying what it holds"
  [ -n "${allowed[$folder]+set}" ] || fail "core/$folder is not in the list of core folders"
  for used in $(grep -rhoE '#include "core/[a-z]+/' "$dir" | sed -E 's#.*core/([a-z]+)/#\1#' | sort -u); do
    [ "$used" = "$folder" ] && continue
    [[ " ${allowed[$folder]} " == *" $used "* ]] || fail "core/$folder uses core/$used"
  done
done
echo "1 passed, 0 failed"
