#!/usr/bin/env bash
# Installs what the builds need, skipping what is present.
# Usage: scripts/setup.sh [play|test]
set -euo pipefail
want=(cmake g++ googletest libgtest-dev libgmock-dev g++-mingw-w64-i686-posix wine wine32 xvfb xauth xdotool imagemagick)
if [ "${1:-test}" = test ]; then
  want+=(clang libclang-rt-14-dev libbenchmark-dev)
fi
missing=()
for p in "${want[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]} (about a minute)"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
# A mirror in the middle of a sync fails an index now and then: try again, and
# go on with the indexes there are if it still fails (the install then says
# plainly what it could not find).
$sudo apt-get update -qq || { sleep 20; $sudo apt-get update -qq; } || echo "setup: some package indexes could not be updated" >&2
install() { DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "$@" "${missing[@]}" >/dev/null; }
# The 32-bit libraries wine needs must match the 64-bit ones exactly; when one
# architecture's security index could not be read, take both from the release
# itself.
release=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
install || { [ -n "$release" ] && echo "setup: trying again with the packages of $release itself" >&2 && install -t "$release"; }
