#!/usr/bin/env bash
# Fails when a C++ file of the tree is not formatted as .clang-format says.
set -euo pipefail
format=${1:-clang-format}
files=$(git ls-files '*.cpp' '*.h' 2>/dev/null || find . -name '*.cpp' -o -name '*.h')
[ -n "$files" ] || exit 0
# shellcheck disable=SC2086
"$format" --dry-run --Werror $files
