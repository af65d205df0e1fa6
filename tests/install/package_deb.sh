#!/usr/bin/env bash
# `cpack -G DEB` into a temporary folder: checks the package's name, version, contents
# under /usr, that its dependencies are runtime packages covering every library the
# executable and its chart plugin link, plus the platform plugin, Qt's French texts and
# the fonts, that rigctld is only recommended, and that Debian's own checkers (lintian,
# appstreamcli) find no error and no warning in it.
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
for p in qt6-qpa-plugins qt6-translations-l10n fonts-liberation fonts-dejavu-core libqt6svg6 libqt6printsupport6 ca-certificates; do
  grep -qx "$p" <<< "$names" || fail "does not depend on $p"
done
# CAT is optional: rigctld is recommended, never required.
recommends=$(dpkg-deb -f "$deb" Recommends)
grep -qw libhamlib-utils <<< "$recommends" || fail "does not recommend libhamlib-utils: '$recommends'"
grep -qx libhamlib-utils <<< "$names" && fail "depends on libhamlib-utils"
# The keyring module's library is recommended: without it the passwords are typed each time.
grep -qw libqt6keychain1 <<< "$recommends" || fail "does not recommend libqt6keychain1: '$recommends'"
grep -qx libqt6keychain1 <<< "$names" && fail "depends on libqt6keychain1"

dpkg-deb -x "$deb" "$work/tree"
[ "$(ls -A "$work/tree")" = usr ] || fail "files outside /usr: $(ls -A "$work/tree")"
app_id=org.example.kvr_zel
for f in usr/bin/kvr_zel usr/lib/kvr-zel/zel_awardchart.so usr/lib/kvr-zel/zel_keyring.so usr/share/applications/$app_id.desktop \
         usr/share/metainfo/$app_id.metainfo.xml usr/share/man/man1/kvr_zel.1.gz \
         usr/share/icons/hicolor/scalable/apps/kvr-zel.svg usr/share/kvr-zel/Liste_Abbayes.txt \
         usr/share/kvr-zel/Liste_Prenom.txt usr/share/kvr-zel/FXXXX.txt usr/share/doc/kvr-zel/copyright \
         usr/share/doc/kvr-zel/changelog.gz; do
  [ -f "$work/tree/$f" ] || fail "missing /$f"
done
grep -qx 'Exec=/usr/bin/kvr_zel' "$work/tree/usr/share/applications/$app_id.desktop" || fail "Exec line"
# The package's changelog is the program's version history, newest first.
zcat "$work/tree/usr/share/doc/kvr-zel/changelog.gz" | head -1 | grep -qx "kvr-zel ($version) unstable; urgency=medium" \
  || fail "the changelog does not start with $version"

# Every library the executable needs comes from a package it depends on.
owner_of() { # the installed package holding a library path (with or without the /usr merge)
  local c o
  for c in "$1" "${1#/usr}" "/usr$1"; do
    o=$(dpkg -S "$c" 2>/dev/null | head -1 | cut -d: -f1) || true
    [ -n "$o" ] && { echo "$o"; return 0; }
  done
  return 0
}
for exe in "$work/tree/usr/bin/kvr_zel" "$work/tree/usr/lib/kvr-zel/zel_awardchart.so"; do
needed=$(readelf -d "$exe" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
[ -n "$needed" ] || fail "readelf lists no needed library in $exe"
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
done
# Hamlib's library only while the program links it.
if grep -qx libhamlib4 <<< "$names"; then
  readelf -d "$work/tree/usr/bin/kvr_zel" | grep -q 'libhamlib\.so' || fail "depends on libhamlib4, which it does not link"
fi

# Debian's checker: no error, no warning (informational tags may stay).
lintian --no-cfg --fail-on none --tag-display-limit 0 "$deb" > "$work/lintian.log" 2>&1 || { cat "$work/lintian.log"; fail "lintian did not run"; }
sed 's/^/  lintian: /' "$work/lintian.log"
grep -qE '^[EW]: ' "$work/lintian.log" && fail "lintian reports errors or warnings"
appstreamcli validate --no-net --pedantic "$work/tree/usr/share/metainfo/$app_id.metainfo.xml" > "$work/as.log" 2>&1 \
  || { cat "$work/as.log"; fail "appstreamcli rejects the packaged listing"; }
grep -qE '^[EW]:' "$work/as.log" && { cat "$work/as.log"; fail "appstreamcli: errors or warnings"; }
echo "debian package: ok"
