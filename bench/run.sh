#!/usr/bin/env bash
# Builds and runs the benchmarks under Wine, in a prefix of their own (build/bench/wineprefix),
# on a private Xvfb display unless DISPLAY is set:
#   bench/run.sh [clock idle seconds (10)] [alarm runs (8)] [start-up runs (5)] [idle seconds (30)]
# clock_bench: wake-ups of the alarm clocks and the delay of an alarm.
# startup_bench: start-up, memory, idle CPU and size of calvorin.exe against a minimal tray
# program; it needs the Wine desktop with a notification area, which this script starts.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh

ensure_packages
# A build tree of its own, so that the test build keeps its settings.
cmake -S . -B build/bench -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-x86_64.cmake \
  -DCALVORIN_TESTS=OFF >/dev/null
cmake --build build/bench -j "$(jobs)" --target clock_bench startup_bench

export WINEPREFIX=$PWD/build/bench/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
[ -n "${DISPLAY:-}" ] || start_private_display
if [ ! -d "$WINEPREFIX/drive_c" ]; then
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1
  # Debian's Wine looks for its own fonts in the prefix only.
  cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
fi
wineserver -w || true  # nothing else of the prefix running while measuring
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d shell /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d 1024x768 /f >/dev/null 2>&1
wine build/bench/bench/clock_bench.exe "${1:-10}" "${2:-8}"
wine explorer /desktop=shell,1024x768 >/dev/null 2>&1 &
sleep 3
wine build/bench/bench/startup_bench.exe "${3:-5}" "${4:-30}" \
  "$(winepath -w build/bench/app/calvorin.exe)" "$(winepath -w build/bench/bench/minimal_tray.exe)"
wineserver -k || true
