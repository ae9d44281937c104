#!/usr/bin/env bash
# The demo: installs what a build needs (a compiler, CMake, Ninja), builds the
# programs, copies the sample working folder into a fresh folder under the
# build tree, runs battle there with a seed (it starts pagegen), then prints
# the battle report as text, the pages written and how to replay the battle.
# Usage: bash tools/demo.sh [SEED]   (SEED: 0 to 4294967295; default the clock)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash tools/setup_machine.sh demo
# The tests need GoogleTest, which only tools/run_tests.sh installs.
tests=OFF
dpkg-query -W -f='${Status}' libgtest-dev 2>/dev/null | grep -q "ok installed" && tests=ON
# A build/default made before the presets moved to Ninja is configured anew.
if grep -qs '^CMAKE_GENERATOR:INTERNAL=Unix Makefiles' build/default/CMakeCache.txt; then
  rm -rf build/default/CMakeCache.txt build/default/CMakeFiles
fi
cmake --preset default -DBATTLE_TESTS="$tests" >/dev/null
cmake --build --preset default --target battle pagegen report_text >/dev/null
seed=${1:-$(($(date +%s) % 4294967296))}
folder="$root/build/default/demo/$(date +%Y%m%d-%H%M%S)-$$"
mkdir -p "$folder"
cp -R examples/working_folder/. "$folder/"
echo "== Seed $seed"
(cd "$folder" && BATTLE_SEED="$seed" "$root/build/default/bin/battle" || true)
report=$(sed -n 4p "$folder/Bridge.txt" | tr -d '\r')
if [ ! -s "$folder/$report" ]; then
  echo "battle wrote no report: the seed is a number from 0 to 4294967295" >&2
  exit 1
fi
# pagegen runs on its own; give it a moment to finish the last page.
for _ in $(seq 1 50); do
  [ -s "$folder/left.html" ] && grep -q '</html>' "$folder/left.html" && break
  sleep 0.1
done
echo "== Battle report ($folder/$report)"
"$root/build/default/bin/report_text" "$folder/$report"
echo
echo "== Pages written"
for page in "$report" $(sed -n 5p "$folder/Bridge.txt" | tr -d '\r') digest.html left.html ste1.html ste2.html ste3.html; do
  [ -e "$folder/$page" ] && echo "$folder/$page"
done
echo
echo "== Replay this battle: bash tools/demo.sh $seed, or by hand in a fresh copy of the sample folder:"
echo "replay=\$(mktemp -d) && cp -R '$root/examples/working_folder/.' \"\$replay\" && cd \"\$replay\" &&" \
  "BATTLE_SEED=$seed '$root/build/default/bin/battle'"
exit 0
