#!/usr/bin/env bash
# Runs a Windows program under Wine (wine64). Without a WINEPREFIX of the
# caller's, a prefix in the temporary folder is used (Wine creates it on first
# use). Wine's own messages are off unless WINEDEBUG says otherwise. The
# program sees a Japanese Windows (ANSI code page 932, as the host's) unless
# BATTLE_WINE_LOCALE names another locale; Wine needs no installed locale.
set -euo pipefail
export WINEDEBUG=${WINEDEBUG:--all}
export WINEPREFIX=${WINEPREFIX:-${TMPDIR:-/tmp}/battle-wineprefix-$(id -u)}
locale=${BATTLE_WINE_LOCALE:-ja_JP.UTF-8}
for wine in wine64 /usr/lib/wine/wine64 wine; do
  if command -v "$wine" >/dev/null 2>&1; then exec env LC_ALL="$locale" "$wine" "$@"; fi
done
echo "wine.sh: no wine64 found (apt-get install wine64)" >&2
exit 127
