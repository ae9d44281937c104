#!/usr/bin/env bash
# The packages as an operator gets them: builds the release presets, makes the
# Debian package and the Windows .zip with CPack, and checks what is in them.
# The .deb is unpacked into a scratch root with dpkg -x and its programs run
# from there on a copy of the sample working folder. Writes the packages to
# build/release and build/windows-release.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash tools/setup_machine.sh test
start=$(date +%s)
scratch=$(mktemp -d "${TMPDIR:-/tmp}/battle-package.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
# Builds a preset; its output is shown only when the build fails.
build() {
  cmake --preset "$1" >"$scratch/build.log" 2>&1 && cmake --build --preset "$1" >>"$scratch/build.log" 2>&1 ||
    { cat "$scratch/build.log"; fail "the $1 build failed"; }
}
# The files every package holds besides the programs: the README, the
# changelog and the documents of docs/.
documents=(README.md CHANGELOG.md)
for document in docs/*.md docs/*.png; do documents+=("$document"); done
[[ " ${documents[*]} " == *" docs/hosts.md "* && " ${documents[*]} " == *" docs/character_file.md "* ]] ||
  fail "docs/ lacks the host's or the designer's document"

echo "== package: release build and .deb"
build release
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/release/CMakeCache.txt)
[ -n "$version" ] || fail "no project version in build/release"
rm -f build/release/*.deb
cpack --preset release >/dev/null
deb=build/release/battle-module_${version}_amd64.deb
[ -f "$deb" ] || fail "no $deb"
[ "$(dpkg-deb -f "$deb" Package)" = battle-module ] || fail "package name $(dpkg-deb -f "$deb" Package)"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version $(dpkg-deb -f "$deb" Version)"
# The host programs need the C and C++ runtimes only; so does battle-sim.
depends=$(dpkg-deb -f "$deb" Depends)
for dependency in $(echo "$depends" | tr ',' '\n' | sed 's/(.*)//'); do
  case "$dependency" in
    libc6 | libgcc-s1 | libstdc++6) ;;
    *) fail "unexpected dependency $dependency (Depends: $depends)" ;;
  esac
done

cmake --install build/release --prefix "$scratch/prefix" >/dev/null
dpkg -x "$deb" "$scratch/deb"
programs=(battle pagegen collect)
[ -x build/release/bin/battle-sim ] && programs+=(battle-sim)
for tree in "$scratch/prefix" "$scratch/deb/usr"; do
  for program in "${programs[@]}"; do
    [ -x "$tree/bin/$program" ] || fail "$tree/bin/$program missing"
  done
  for document in "${documents[@]}"; do
    [ -f "$tree/share/doc/battle-module/$document" ] || fail "$tree/share/doc/battle-module/$document missing"
  done
done
bin="$scratch/deb/usr/bin"
for program in battle pagegen collect; do
  readelf -d "$bin/$program" | sed -n 's/.*Shared library: \[\(.*\)\]/\1/p' | while read -r library; do
    case "$library" in
      libc.so.* | libm.so.* | libstdc++.so.* | libgcc_s.so.*) ;;
      *) fail "$program needs $library" ;;
    esac
  done
done
for program in "${programs[@]}"; do
  shown=$(cd "$scratch" && "$bin/$program" --version)
  [ "$shown" = "$program $version" ] || fail "$program --version prints '$shown'"
done

# The installed battle fights the sample battle and starts the installed
# pagegen from its own folder.
work="$scratch/work"
cp -R examples/working_folder "$work"
(cd "$work" && env PATH=/nonexistent BATTLE_SEED=20240601 "$bin/battle") && fail "battle exited with 0"
for _ in $(seq 1 100); do
  [ -s "$work/left.html" ] && tail -c 9 "$work/left.html" | grep -q '</html>' && break
  sleep 0.1
done
report=$(sed -n 4p "$work/Bridge.txt" | tr -d '\r')
summary=$(sed -n 5p "$work/Bridge.txt" | tr -d '\r')
tail -c 9 "$work/$report" | grep -q '</html>' || fail "the battle report is not complete"
[ "$(tail -c 18 "$work/$summary")" = $'</tablet>\r\n</html>' ] || fail "the summary page is not complete"
[ -s "$work/digest.html" ] || fail "no digest.html"
for page in ste1.html ste2.html ste3.html left.html; do
  tail -c 9 "$work/$page" | grep -q '</html>' || fail "pagegen did not write $page"
done
cmp -s "$work/status1.dat" examples/working_folder/status1.dat && fail "status1.dat was not written back"
echo "$deb: $(stat -c %s "$deb") bytes, installed $(du -sk "$scratch/deb" | cut -f1) KiB; Depends: $depends"

echo "== package: Windows release build and .zip"
build windows-release
rm -f build/windows-release/*.zip
cpack --preset windows-release >/dev/null
zip=build/windows-release/battle-module-${version}-win64.zip
[ -f "$zip" ] || fail "no $zip"
expected=$(printf "battle-module-$version-win64/%s\n" battle.exe pagegen.exe collect.exe "${documents[@]}" | sort)
listed=$(unzip -Z1 "$zip" | grep -v '/$' | sort)
[ "$listed" = "$expected" ] || fail "the .zip holds:"$'\n'"$listed"
unzip -q "$zip" -d "$scratch/zip"
for program in battle pagegen collect; do
  imports=$(x86_64-w64-mingw32-objdump -p "$scratch/zip/battle-module-$version-win64/$program.exe" |
    sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u | xargs)
  [ "$imports" = "kernel32.dll msvcrt.dll" ] || fail "$program.exe imports $imports"
done
echo "$zip: $(stat -c %s "$zip") bytes"
echo "== package: checked in $(($(date +%s) - start)) s"
