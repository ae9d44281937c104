#!/usr/bin/env bash
# Sets up a fresh machine, then builds and runs the whole test suite through
# CTest: the ci build (warnings are errors), then the sanitizer build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash tools/setup_machine.sh test
jobs=$(nproc 2>/dev/null || echo 2)
for preset in ci sanitize; do
  echo "== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs"
done
for extra in tools/run_tests_*.sh; do
  [ -e "$extra" ] || continue
  echo "== $extra"
  bash "$extra"
done
