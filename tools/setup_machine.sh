#!/usr/bin/env bash
# Installs the Debian packages this machine lacks for one purpose:
#   demo  .ci/apt-packages: a compiler, CMake, Ninja (tools/demo.sh)
#   test  that list and .ci/apt-packages-test: the test tools, the Windows
#         cross compiler, Wine, the browser (tools/run_tests.sh); the default
# With --dry-run it prints the missing packages, one a line, and installs
# nothing.
# Usage: bash tools/setup_machine.sh [demo|test] [--dry-run]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
purpose=test
dry_run=false
for argument in "$@"; do
  case "$argument" in
    demo | test) purpose=$argument ;;
    --dry-run) dry_run=true ;;
    *)
      echo "usage: bash tools/setup_machine.sh [demo|test] [--dry-run]" >&2
      exit 2
      ;;
  esac
done
lists=("$root/.ci/apt-packages")
[ "$purpose" = demo ] || lists+=("$root/.ci/apt-packages-test")

missing=()
while read -r package; do
  package=${package%%#*}
  package=$(echo "$package" | xargs)
  [ -n "$package" ] || continue
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing+=("$package")
done < <(cat "${lists[@]}")

if $dry_run; then
  [ ${#missing[@]} -eq 0 ] || printf '%s\n' "${missing[@]}"
  exit 0
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
