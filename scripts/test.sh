#!/usr/bin/env bash
# Builds everything and runs every test: the window-free logic natively, the rest under Wine.
# The 32-bit Windows build is compiled and linked only: these machines cannot run 32-bit code.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh

ensure_packages
build_windows i686 -DCALVORIN_TESTS=OFF -DCALVORIN_BENCH=OFF
build_native
build_windows x86_64

status=0
ctest --test-dir build/native --output-on-failure || status=1
ctest --test-dir build/x86_64 --output-on-failure || status=1
exit $status
