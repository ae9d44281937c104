#!/usr/bin/env bash
# The demo, on a machine where no package is installed, asks apt for the
# packages of .ci/apt-packages alone: no Wine, no browser, no cross compiler.
# The test command asks for those too. apt-get, dpkg-query and cmake are
# stand-ins that record what they are asked; the demo runs from a copy of
# tools/ and .ci/, so no build folder of the tree is touched.
# Usage: demo_setup_test.sh SOURCE_DIR
set -euo pipefail
source_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/tree" "$work/stubs"
cp -R "$source_dir/tools" "$source_dir/.ci" "$work/tree/"
log="$work/calls.log"
stub() {  # name, body
  printf '#!/bin/sh\n%s\n' "$2" >"$work/stubs/$1"
  chmod +x "$work/stubs/$1"
}
stub dpkg-query 'exit 1'
stub apt-get "echo \"apt-get \$*\" >>'$log'"
stub sudo 'exec "$@"'
stub cmake "echo \"cmake \$*\" >>'$log'; exit 1"

fail() {
  echo "FAIL: $*"
  echo "--- calls:"
  cat "$log"
  exit 1
}
packages() { grep -v '^[[:space:]]*#' "$1" | sed 's/#.*//' | xargs; }

PATH="$work/stubs:$PATH" bash "$work/tree/tools/demo.sh" >/dev/null 2>&1 || true
grep -q '^cmake --preset default' "$log" || fail "the demo did not get to its build"
demo_install=$(grep '^apt-get install' "$log" | sed 's/^apt-get install -y -qq --no-install-recommends //')
[ "$demo_install" = "$(packages "$source_dir/.ci/apt-packages")" ] || fail "the demo installs: $demo_install"
for package in wine64 chromium g++-mingw-w64-x86-64-posix libgtest-dev; do
  case " $demo_install " in *" $package "*) fail "the demo installs $package" ;; esac
done

: >"$log"
PATH="$work/stubs:$PATH" bash "$work/tree/tools/setup_machine.sh" test >/dev/null
test_install=$(grep '^apt-get install' "$log")
for package in cmake wine64 chromium g++-mingw-w64-x86-64-posix libgtest-dev; do
  case " $test_install " in *" $package "*) ;; *) fail "the test set-up misses $package" ;; esac
done

dry_run=$(PATH="$work/stubs:$PATH" bash "$work/tree/tools/setup_machine.sh" demo --dry-run | xargs)
[ "$dry_run" = "$(packages "$source_dir/.ci/apt-packages")" ] || fail "demo --dry-run lists: $dry_run"
echo "the demo installs: $demo_install"
