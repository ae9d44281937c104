#!/usr/bin/env bash
# For every fixture folder that runs battle (tests/fixtures/*/ with an
# input/Bridge.txt and a seed), runs the Linux battle and battle.exe under
# Wine on two copies of the input with the fixture's BATTLE_SEED, then
# pagegen of the same platform in each folder, and compares the two folders
# file by file. Each program is copied alone into a private folder, so
# battle starts no pagegen behind our back. digest.html holds the local time
# of the run, which is masked.
#
# Usage: compare_with_linux.sh LINUX_BIN_DIR WINDOWS_BIN_DIR FIXTURES_DIR
set -uo pipefail
linux_bin=$1 windows_bin=$2 fixtures=$3
here=$(cd "$(dirname "$0")" && pwd)
for program in battle pagegen; do
  [ -x "$linux_bin/$program" ] || { echo "no Linux $program in $linux_bin (build the ci preset first)"; exit 1; }
  [ -f "$windows_bin/$program.exe" ] || { echo "no $program.exe in $windows_bin"; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# run_alone linux|windows BIN_DIR PROGRAM FOLDER SEED: runs PROGRAM (PROGRAM.exe
# under Wine for windows) copied alone into a private folder, in FOLDER.
run_alone() {
  local platform=$1 bin_dir=$2 program=$3 folder=$4 seed=$5 private
  private=$(mktemp -d "$work/bin.XXXXXX")
  if [ "$platform" = linux ]; then
    cp "$bin_dir/$program" "$private/"
    (cd "$folder" && env PATH= BATTLE_SEED="$seed" "$private/$program")
  else
    cp "$bin_dir/$program.exe" "$private/"
    (cd "$folder" && BATTLE_SEED="$seed" "$here/wine.sh" "$private/$program.exe")
  fi
}

mask_times() {
  find "$1" -name digest.html -type f | while read -r digest; do
    LC_ALL=C sed -i -E 's#[0-9]{4}/[0-9]{2}/[0-9]{2}\x81\x40[0-9]{2}:[0-9]{2}:[0-9]{2}#YYYY/MM/DD hh:mm:ss#g' "$digest"
  done
}

passed=0 failed=0
for fixture in "$fixtures"/*/; do
  fixture=${fixture%/}
  name=$(basename "$fixture")
  [ -f "$fixture/input/Bridge.txt" ] && [ -f "$fixture/seed" ] || continue
  seed=$(head -n 1 "$fixture/seed" | tr -d '\r\n')
  mkdir -p "$work/$name"
  cp -a "$fixture/input" "$work/$name/linux"
  cp -a "$fixture/input" "$work/$name/windows"
  problems=""
  for program in battle pagegen; do
    run_alone linux "$linux_bin" "$program" "$work/$name/linux" "$seed"
    linux_code=$?
    run_alone windows "$windows_bin" "$program" "$work/$name/windows" "$seed"
    windows_code=$?
    [ "$linux_code" = "$windows_code" ] ||
      problems+="  $program exit code: Linux $linux_code, Windows $windows_code"$'\n'
  done
  mask_times "$work/$name/linux"
  mask_times "$work/$name/windows"
  if ! differences=$(diff -rq "$work/$name/linux" "$work/$name/windows"); then
    problems+=$(echo "$differences" | sed "s#$work/$name/##g; s#^#  #")$'\n'
  fi
  if [ -z "$problems" ]; then
    echo "same bytes: $name ($(find "$work/$name/linux" -type f | wc -l) files)"
    passed=$((passed + 1))
  else
    echo "DIFFERENT: $name"
    printf '%s' "$problems"
    failed=$((failed + 1))
  fi
done
echo "fixtures compared: $passed passed, $failed failed"
[ $((passed + failed)) -gt 0 ] || { echo "no fixture folder with input/Bridge.txt and a seed"; exit 1; }
[ "$failed" -eq 0 ]
