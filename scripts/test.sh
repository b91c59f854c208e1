#!/usr/bin/env bash
# Builds and runs every test: the native core tests (sanitized), the fuzzers for a
# bounded time, and the Windows build's tests under wine in a virtual display.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
scripts/setup.sh test
jobs=$(nproc)

echo "== native build (sanitized core)"
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Debug -DVB_BENCH=ON >/dev/null
cmake --build build/native -j "$jobs"
(cd build/native && ctest --output-on-failure --no-tests=error -j "$jobs")

if [ -f cmake/fuzz.cmake ]; then
  echo "== fuzzers (clang, libFuzzer)"
  CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVB_FUZZ=ON >/dev/null
  cmake --build build/fuzz -j "$jobs" --target fuzzers
  (cd build/fuzz && ctest --output-on-failure --no-tests=error -j "$jobs" -R Fuzz)
fi

echo "== Windows build (mingw-w64, tests under wine)"
cmake -S . -B build/win32 -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake >/dev/null
cmake --build build/win32 -j "$jobs"
xvfb-run -a -s "-screen 0 1280x1024x24" scripts/test-win32-inner.sh "$root/build/win32"
