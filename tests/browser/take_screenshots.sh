#!/usr/bin/env bash
# Rewrites the screenshots of docs/: runs the sample working folder through
# the real battle (which starts pagegen) and photographs left.html and the
# battle report in headless Chromium, and the simulator's HTML report of the
# sweep fixture. Usage: bash tests/browser/take_screenshots.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"
bash tools/setup_machine.sh
cmake --preset default >/dev/null
cmake --build --preset default -j 2 --target battle pagegen sim-html >/dev/null
work=$(mktemp -d)
profile=$(mktemp -d)
trap 'rm -rf "$work" "$profile"' EXIT
cp -R examples/working_folder/. "$work/"
(cd "$work" && BATTLE_SEED=20240601 "$root/build/default/bin/battle" || true)
# pagegen runs on its own and writes left.html last.
for _ in $(seq 1 100); do
  [ -s "$work/left.html" ] && tail -c 9 "$work/left.html" | grep -q '</html>' && break
  sleep 0.1
done
shoot() {  # page, picture, width, height
  chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --user-data-dir="$profile" --hide-scrollbars --window-size="$3,$4" \
    --screenshot="$root/docs/$2" "file://$work/$1" 2>/dev/null
}
mkdir -p docs
shoot left.html left_panel.png 300 620
shoot "$(sed -n 4p "$work/Bridge.txt" | tr -d '\r')" battle_report.png 640 240
"$root/build/default/bin/sim-html" tests/fixtures/sim_html/sweep.json "$work/sweep_report.html"
shoot sweep_report.html sweep_report.png 800 740
echo "docs/left_panel.png docs/battle_report.png docs/sweep_report.png written"
