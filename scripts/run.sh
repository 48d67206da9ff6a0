#!/usr/bin/env bash
# Builds the 32-bit Windows program and starts it under Wine. With no display,
# it runs on a virtual one for a few seconds, is ended with a key press, and
# leaves a screenshot.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j"$(nproc)"

export WINEPREFIX="$PWD/build/win32/wineprefix" WINEDEBUG=-all
if [ -n "${DISPLAY:-}" ]; then
  exec wine build/win32/noise.exe
fi

shot="$PWD/build/noise-screenshot.png"
/usr/bin/python3 tests/e2e/e2e.py --exe build/win32/noise.exe \
  --probe build/win32/tests/e2e/probe.exe --size 1366x768 --case window --screenshot "$shot"
echo "screenshot: $shot"
