#!/usr/bin/env bash
# `cpack -G DEB` into a temporary folder: checks the package's name, version, contents
# under /usr, and that its dependencies are runtime packages covering every library the
# executable links, plus the platform plugin, Qt's French texts and the fonts.
# Usage: package_deb.sh <build folder> <version>
set -euo pipefail
build=$1 version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

(cd "$build" && cpack -G DEB -B "$work" > "$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack"; }
shopt -s nullglob
debs=("$work"/kvr-zel_"$version"_*.deb)
[ ${#debs[@]} -eq 1 ] || fail "expected one kvr-zel_${version}_<arch>.deb, found: $(ls "$work")"
deb=${debs[0]}
echo "package: $(basename "$deb")"

[ "$(dpkg-deb -f "$deb" Package)" = kvr-zel ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version"
[ "$(dpkg-deb -f "$deb" Section)" = hamradio ] || fail "section"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
names=$(tr ',' '\n' <<< "$depends" | sed 's/(.*//; s/[[:space:]]//g')
grep -q -- '-dev$' <<< "$names" && fail "depends on a -dev package"
for p in qt6-qpa-plugins qt6-translations-l10n fonts-liberation fonts-dejavu-core libqt6svg6 libqt6printsupport6; do
  grep -qx "$p" <<< "$names" || fail "does not depend on $p"
done

dpkg-deb -x "$deb" "$work/tree"
[ "$(ls -A "$work/tree")" = usr ] || fail "files outside /usr: $(ls -A "$work/tree")"
for f in usr/bin/kvr_zel usr/share/applications/kvr-zel.desktop \
         usr/share/icons/hicolor/scalable/apps/kvr-zel.svg usr/share/kvr-zel/Liste_Abbayes.txt \
         usr/share/kvr-zel/Liste_Prenom.txt usr/share/kvr-zel/FXXXX.txt usr/share/doc/kvr-zel/copyright; do
  [ -f "$work/tree/$f" ] || fail "missing /$f"
done
grep -qx 'Exec=/usr/bin/kvr_zel' "$work/tree/usr/share/applications/kvr-zel.desktop" || fail "Exec line"

# Every library the executable needs comes from a package it depends on.
owner_of() { # the installed package holding a library path (with or without the /usr merge)
  local c o
  for c in "$1" "${1#/usr}" "/usr$1"; do
    o=$(dpkg -S "$c" 2>/dev/null | head -1 | cut -d: -f1) || true
    [ -n "$o" ] && { echo "$o"; return 0; }
  done
  return 0
}
exe="$work/tree/usr/bin/kvr_zel"
needed=$(readelf -d "$exe" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
[ -n "$needed" ] || fail "readelf lists no needed library"
resolved=$(ldd "$exe")
for lib in $needed; do
  # Libraries read "name => path"; the program loader is listed by its path alone.
  path=$(awk -v l="$lib" '($1 == l && $2 == "=>") {print $3} ($1 ~ ("/" l "$")) {print $1}' <<< "$resolved" | head -1)
  [ -n "$path" ] && [ "$path" != "not" ] || fail "$lib is not found on this machine"
  owner=$(owner_of "$path")
  [ -n "$owner" ] || fail "no installed package holds $path"
  grep -qx "$owner" <<< "$names" || fail "$lib comes from $owner, which the package does not depend on"
  echo "  $lib <- $owner"
done
echo "debian package: ok"
