#!/usr/bin/env bash
# The Windows build: cross-builds battle.exe, pagegen.exe and collect.exe with
# MinGW-w64 (preset windows, into build/windows/bin), then runs its tests
# under Wine in a fresh Wine prefix of the temporary folder: the unit and
# end-to-end tests, the check of our profile reader and writer against the
# platform's, the check that the programs need no extra DLL, and the check
# that battle.exe writes the same bytes as the Linux battle (build/ci).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash tools/setup_machine.sh test
jobs=$(nproc 2>/dev/null || echo 2)

if [ ! -x build/ci/bin/battle ]; then
  cmake --preset ci >/dev/null
  cmake --build --preset ci -j "$jobs"
fi

echo "== windows: build"
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$jobs"

wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/battle-wine.XXXXXX")
export WINEPREFIX WINEDEBUG=-all
cleanup() {
  "$wineserver" -k >/dev/null 2>&1 || true
  rm -rf "$WINEPREFIX"
}
trap cleanup EXIT

echo "== windows: Wine prefix"
start=$(date +%s)
# No .NET or HTML engine in the prefix: the programs need neither.
WINEDLLOVERRIDES="mscoree=;mshtml=" "$wine" wineboot -i >/dev/null 2>&1
"$wineserver" -w
echo "Wine prefix ready in $(($(date +%s) - start)) s"
# One wineserver for all tests instead of one per program started. Wine's own
# services start here, with our output closed: started by a test, they would
# hold CTest's output pipe open as long as the server runs.
"$wineserver" -p
"$wine" wineboot </dev/null >/dev/null 2>&1

echo "== windows: tests under Wine"
ctest --preset windows --timeout 900
