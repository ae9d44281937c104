#!/usr/bin/env bash
# Runs every fuzz target of fuzz/ for a bounded time with libFuzzer (preset
# fuzz: Clang, AddressSanitizer, UndefinedBehaviorSanitizer), starting from
# the seed corpora of fuzz/corpus. New inputs go to a temporary folder; the
# committed corpora are never changed.
#
#   bash tools/run_tests_fuzz.sh          # 15 seconds per target (CI)
#   bash tools/run_tests_fuzz.sh 3600     # an hour per target
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
seconds=${1:-15}
jobs=$(nproc 2>/dev/null || echo 2)
targets=$(sed -n 's/^set(fuzz_targets \(.*\))$/\1/p' fuzz/CMakeLists.txt)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$jobs" --target $(printf 'fuzz_%s ' $targets)

work=$(mktemp -d "${TMPDIR:-/tmp}/battle-fuzz.XXXXXX")
trap 'rm -rf "$work"' EXIT
status=0
for target in $targets; do
  mkdir -p "$work/$target"
  # Six records and a seed need 8668 bytes; a profile file rarely 4096.
  case $target in
    battle_in_memory) max_len=8668 ;;
    *) max_len=4096 ;;
  esac
  echo "== fuzz $target: $seconds s"
  # Fuzzing runs no program and writes no file of its own; -close_fd_mask
  # keeps the targets' output out of the log.
  if ! "build/fuzz/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len="$max_len" -print_final_stats=1 -close_fd_mask=1 \
      -artifact_prefix="$work/$target-" "$work/$target" "fuzz/corpus/$target" >"$work/$target.log" 2>&1; then
    status=1
    tail -n 40 "$work/$target.log"
    for crash in "$work/$target"-*; do
      [ -e "$crash" ] && cp "$crash" "build/fuzz/" && echo "input kept: build/fuzz/$(basename "$crash")"
    done
  fi
  grep -E '^stat::(number_of_executed_units|peak_rss_mb)|^Done|^#[0-9]+.*DONE' "$work/$target.log" || true
done
exit $status
