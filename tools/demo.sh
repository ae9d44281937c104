#!/usr/bin/env bash
# The demo: builds the programs, copies the sample working folder into a fresh
# folder under the build tree, runs battle there (it starts pagegen), then
# prints the battle report as text and the paths of every page written.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash tools/setup_machine.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc 2>/dev/null || echo 2)" --target battle pagegen report_text >/dev/null
folder="$root/build/default/demo/$(date +%Y%m%d-%H%M%S)-$$"
mkdir -p "$folder"
cp -R examples/working_folder/. "$folder/"
(cd "$folder" && "$root/build/default/bin/battle" || true)
# pagegen runs on its own; give it a moment to finish the last page.
for _ in $(seq 1 50); do
  [ -s "$folder/left.html" ] && grep -q '</html>' "$folder/left.html" && break
  sleep 0.1
done
report=$(sed -n 4p "$folder/Bridge.txt" | tr -d '\r')
echo "== Battle report ($folder/$report)"
"$root/build/default/bin/report_text" "$folder/$report"
echo
echo "== Pages written"
for page in "$report" $(sed -n 5p "$folder/Bridge.txt" | tr -d '\r') digest.html left.html ste1.html ste2.html ste3.html; do
  [ -e "$folder/$page" ] && echo "$folder/$page"
done
exit 0
