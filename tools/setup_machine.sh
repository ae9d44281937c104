#!/usr/bin/env bash
# Installs the Debian packages of .ci/apt-packages that this machine lacks.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
missing=()
while read -r package; do
  package=${package%%#*}
  package=$(echo "$package" | xargs)
  [ -n "$package" ] || continue
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing+=("$package")
done < "$root/.ci/apt-packages"
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
