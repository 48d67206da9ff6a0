#!/usr/bin/env bash
# Builds every preset with warnings as errors and runs every test: formatting,
# the portable core natively and under the sanitizers, and both Windows builds
# under Wine, unit tests and end-to-end cases.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

echo "== formatting"
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror

for preset in native native-asan native-tsan win32 win64; do
  echo "== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j"$(nproc)"
  ctest --preset "$preset" -j"$(nproc)"
done
