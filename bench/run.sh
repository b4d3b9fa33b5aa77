#!/usr/bin/env bash
# Builds and runs the benchmarks under Wine, in a prefix of their own (build/bench/wineprefix),
# on a private Xvfb display unless DISPLAY is set. Arguments go to clock_bench.exe:
#   bench/run.sh [idle seconds (default 10)] [alarm runs (default 8)]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh

ensure_packages
# A build tree of its own, so that the test build keeps its settings.
cmake -S . -B build/bench -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-x86_64.cmake \
  -DCALVORIN_TESTS=OFF >/dev/null
cmake --build build/bench -j "$(jobs)" --target clock_bench

export WINEPREFIX=$PWD/build/bench/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
[ -n "${DISPLAY:-}" ] || start_private_display
if [ ! -d "$WINEPREFIX/drive_c" ]; then
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1
  # Debian's Wine looks for its own fonts in the prefix only.
  cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
fi
wineserver -w || true  # nothing else of the prefix running while measuring
wine build/bench/bench/clock_bench.exe "$@"
wineserver -k || true
