#!/usr/bin/env bash
# `cmake --install` as an operator runs it, into a temporary root: checks the installed
# tree (executable, chart plugin, menu entry, software-centre listing, manual page, icon,
# reference files, nothing outside the prefix), then starts the installed program from
# its menu entry's Exec line under a real X server, over an operator's existing data
# folder: the chart's libraries are loaded only when the score window opens, from the
# prefix; the data folder is left as it was.
# Usage: install_tree.sh <build folder> <source folder>
set -euo pipefail
build=$1 src=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

install_into() { # <destdir> <prefix>
  HOME="$work/home" DESTDIR="$1" cmake --install "$build" --prefix "$2" > "$work/install.log" 2>&1 \
    || { cat "$work/install.log"; fail "cmake --install --prefix $2"; }
}

root="$work/root"
mkdir -p "$work/home"
install_into "$root" /usr

# What lands, and only there.
[ "$(ls -A "$root")" = usr ] || fail "files outside the prefix: $(ls -A "$root")"
[ -z "$(ls -A "$work/home")" ] || fail "the install wrote into HOME: $(ls -A "$work/home")"
[ -x "$root/usr/bin/kvr_zel" ] || fail "no executable usr/bin/kvr_zel"
[ "$(ls "$root/usr/bin")" = kvr_zel ] || fail "usr/bin holds more than the program: $(ls "$root/usr/bin")"
app_id=org.example.kvr_zel
desktop="$root/usr/share/applications/$app_id.desktop"
[ -f "$desktop" ] || fail "no menu entry: $(ls "$root/usr/share/applications")"
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the menu entry"
grep -qx 'Exec=/usr/bin/kvr_zel' "$desktop" || fail "Exec line: $(grep ^Exec= "$desktop")"
grep -qx 'Icon=kvr-zel' "$desktop" || fail "Icon line: $(grep ^Icon= "$desktop")"
grep -q '^Categories=.*HamRadio;' "$desktop" || fail "not in the HamRadio category"
icon="$root/usr/share/icons/hicolor/scalable/apps/kvr-zel.svg"
[ -f "$icon" ] && grep -q '<svg ' "$icon" || fail "no SVG icon"
for f in FXXXX.txt Liste_Prenom.txt Liste_Abbayes.txt; do
  cmp -s "$src/data/$f" "$root/usr/share/kvr-zel/$f" || fail "reference file $f missing or different"
done
[ -f "$root/usr/share/doc/kvr-zel/copyright" ] || fail "no copyright file"
grep -q '^License: GPL-3+' "$root/usr/share/doc/kvr-zel/copyright" || fail "the copyright file names no GPL-3+"
zcat "$root/usr/share/doc/kvr-zel/changelog.gz" | head -1 | grep -q '^kvr-zel (' || fail "no changelog.gz"
[ -f "$root/usr/lib/kvr-zel/zel_awardchart.so" ] || fail "no chart plugin in usr/lib/kvr-zel"

# The listing software centres read: valid, with the menu entry's id.
metainfo="$root/usr/share/metainfo/$app_id.metainfo.xml"
[ -f "$metainfo" ] || fail "no $app_id.metainfo.xml: $(ls "$root/usr/share/metainfo" 2>&1)"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" || fail "the listing does not name the menu entry"
appstreamcli validate --no-net --pedantic "$metainfo" > "$work/validate.log" 2>&1 || { cat "$work/validate.log"; fail "appstreamcli rejects the listing"; }
grep -E '^[EW]:' "$work/validate.log" && fail "appstreamcli: errors or warnings"

# The manual page, in French, read by man without a warning.
page="$root/usr/share/man/man1/kvr_zel.1.gz"
[ -f "$page" ] || fail "no manual page in man1"
[ "$(zcat "$page" | head -1)" = "'\\\" -*- coding: UTF-8 -*-" ] || fail "the manual page lacks its coding line"
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "man warns: $warnings"
LC_ALL=C.UTF-8 MANWIDTH=80 man -E UTF-8 -l "$page" 2>/dev/null > "$work/page.txt"
for words in "~/.local/share/ZEL/" "~/.config/ZEL/ZEL.conf" XDG_DATA_HOME "ENVIRONNEMENT" "FICHIERS" "GPL-3.0-or-later"; do
  grep -qF -- "$words" "$work/page.txt" || fail "the manual page does not say $words"
done

# Another prefix, with a blank in it: the entry follows it, quoted.
install_into "$work/other" "/opt/mon carnet"
other="$work/other/opt/mon carnet/share/applications/$app_id.desktop"
desktop-file-validate "$other" || fail "desktop-file-validate rejects the entry for /opt/mon carnet"
grep -qx 'Exec="/opt/mon carnet/bin/kvr_zel"' "$other" || fail "Exec line for /opt: $(grep ^Exec= "$other")"
# ...and the first install's entry was not touched by it.
grep -qx 'Exec=/usr/bin/kvr_zel' "$desktop" || fail "second install changed the first entry"

# Start the installed program from its Exec line over an operator's data folder.
op="$work/op"
export HOME="$op" XDG_CONFIG_HOME="$op/.config" XDG_DATA_HOME="$op/.local/share" XDG_RUNTIME_DIR="$op/run"
data="$XDG_DATA_HOME/ZEL"
mkdir -p "$XDG_CONFIG_HOME/ZEL" "$data" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
printf '[Setup%%20]\nIndicatif%%20Station=INST1\n' > "$XDG_CONFIG_HOME/ZEL/ZEL.conf"
printf 'I0CAS1 Abbazia di Montecassino, liste officielle de l operateur\r\n' > "$data/Liste_Abbayes.txt"
: > "$data/INST1_ZEL.log"
cp -p "$data/Liste_Abbayes.txt" "$work/abbeys.before"

exec_line=$(sed -n 's/^Exec=//p' "$desktop")
cat > "$work/drive.sh" <<'INNER'
#!/usr/bin/env bash
"$1" & pid=$!
win=""
for _ in $(seq 1 100); do
  win=$(xdotool search --name "KVR_ZEL    Revision" 2>/dev/null | head -1)
  [ -n "$win" ] && break
  sleep 0.2
done
if [ -z "$win" ]; then echo "the installed program showed no main window"; kill $pid; exit 1; fi
sleep 0.5
# The chart's libraries wait for the score window, then come from the prefix.
if grep -q -e libQt6Charts -e zel_awardchart /proc/$pid/maps; then
  echo "the chart was loaded at start"; kill $pid; exit 1
fi
xdotool windowfocus --sync "$win" 2>/dev/null || true
xdotool key alt+d; sleep 0.3; xdotool key s
for _ in $(seq 1 50); do grep -q "$2/zel_awardchart.so" /proc/$pid/maps && break; sleep 0.2; done
if ! grep -q "$2/zel_awardchart.so" /proc/$pid/maps; then
  echo "the score window did not load the chart from $2"; grep -e kvr-zel -e zel_ /proc/$pid/maps; kill $pid; exit 1
fi
grep -q libQt6Charts /proc/$pid/maps || { echo "no Qt Charts with the chart"; kill $pid; exit 1; }
xdotool key Escape; sleep 0.3
xdotool windowfocus --sync "$win" 2>/dev/null || true
xdotool key ctrl+q
for _ in $(seq 1 50); do kill -0 $pid 2>/dev/null || break; sleep 0.2; done
if kill -0 $pid 2>/dev/null; then echo "the installed program did not quit"; kill -9 $pid; exit 1; fi
wait $pid
INNER
chmod +x "$work/drive.sh"
QT_QPA_PLATFORM=xcb "$src/tests/withx.sh" 1024x768 "$work/drive.sh" "$root$exec_line" "$root/usr/lib/kvr-zel" \
  || fail "starting $exec_line"

cmp -s "$work/abbeys.before" "$data/Liste_Abbayes.txt" || fail "the operator's abbey list was changed"
[ -f "$data/INST1_ZEL.log" ] && [ ! -s "$data/INST1_ZEL.log" ] || fail "the operator's log was changed"
cmp -s "$src/data/FXXXX.txt" "$data/FXXXX.txt" || fail "the missing template was not seeded"
cmp -s "$src/data/Liste_Prenom.txt" "$data/Liste_Prenom.txt" || fail "the missing first-name list was not seeded"
grep -q 'INST1' "$XDG_CONFIG_HOME/ZEL/ZEL.conf" || fail "the operator's station setting was lost"
[ "$(ls "$root/usr/bin")" = kvr_zel ] || fail "the program wrote beside its executable"
[ -z "$(ls -A "$root/usr/share/kvr-zel" | grep -v -e FXXXX.txt -e Liste_Prenom.txt -e Liste_Abbayes.txt)" ] \
  || fail "the program wrote into share/kvr-zel"
echo "installed tree and installed start: ok"
