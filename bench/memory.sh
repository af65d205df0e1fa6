#!/usr/bin/env bash
# Peak memory (VmHWM) of the logbook with a log of QSOS QSOs (default 99,999) open,
# before and after one commit typed with xdotool, against its text floor (the same
# window filled with the least work, bench/bare/text_window.cpp) reading the same
# log; the logbook on an empty log against the floor that reads nothing; and, for
# reference, against an empty main window plus 1.5 times the log's size. Also counts the
# shared libraries each has mapped once drawn (/proc/<pid>/maps): what start-up loads.
# Builds in build-bench/ (Release). Exits with 1 when the open log's ratio is over 1.1.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build-bench}
count=${QSOS:-99999}

. "$root/bench/station_home.sh"
size=$(stat -c %s "$log")

cat > "$work/measure.sh" <<INNER
#!/usr/bin/env bash
set -eu
hwm() { awk '/^VmHWM:/ { print \$2 }' /proc/\$1/status; }
libs() { awk '\$6 ~ /\\.so(\\.|\$)/ { print \$6 }' /proc/\$1/maps | sort -u | wc -l; }
wait_painted() { for _ in \$(seq 1 200); do grep -q painted "\$1" && return 0; sleep 0.05; done; return 1; }

KVR_ZEL_STARTUP_PROBE=1 QT_QPA_PLATFORM=xcb "$build/bench/zel_bare_window" 2> "$work/bare.err" & bare=\$!
wait_painted "$work/bare.err"; sleep 0.5
echo "bare \$(hwm \$bare)"; kill \$bare

KVR_ZEL_STARTUP_PROBE=1 QT_QPA_PLATFORM=xcb "$build/bench/zel_text_window" "$log" 2> "$work/text.err" & text=\$!
wait_painted "$work/text.err"; sleep 0.5
echo "text \$(hwm \$text)"; echo "text-libs \$(libs \$text)"; kill \$text

KVR_ZEL_STARTUP_PROBE=1 QT_QPA_PLATFORM=xcb "$build/bench/zel_text_window" 2> "$work/textnr.err" & text=\$!
wait_painted "$work/textnr.err"; sleep 0.5
echo "text-noread \$(hwm \$text)"; kill \$text

mkdir -p "$work/empty/ZEL"; : > "$work/empty/ZEL/F4ZEL_ZEL.log"
XDG_DATA_HOME="$work/empty" KVR_ZEL_STARTUP_PROBE=1 QT_QPA_PLATFORM=xcb "$build/src/kvr_zel" 2> "$work/zelempty.err" & zel=\$!
wait_painted "$work/zelempty.err"; sleep 0.5
echo "empty \$(hwm \$zel)"; kill \$zel; wait \$zel 2>/dev/null || true

KVR_ZEL_STARTUP_PROBE=1 QT_QPA_PLATFORM=xcb "$build/src/kvr_zel" 2> "$work/zel.err" & zel=\$!
wait_painted "$work/zel.err"; sleep 0.5
echo "open \$(hwm \$zel)"; echo "open-libs \$(libs \$zel)"
win=\$(xdotool search --pid \$zel --name "KVR_ZEL" | head -1)
xdotool windowfocus --sync "\$win" 2>/dev/null || true
# One QSO typed as the operator types it, then "Valider le QSO" and "Oui".
xdotool type --delay 20 "ik0mem"; xdotool key Return Return
# LZ0000 is in no log makelog.py writes, nor in the abbey list: one notice to close.
xdotool type --delay 20 "lz0000"; xdotool key Return; sleep 0.3
for _ in 1 2 3 4 5 6 7 8; do xdotool key Return; sleep 0.15; done
sleep 0.3; xdotool key Return; sleep 1.5
echo "commit \$(hwm \$zel)"
grep -c "IK0MEM" "$log" | sed 's/^/saved /'
kill \$zel
INNER
chmod +x "$work/measure.sh"
"$root/tests/withx.sh" 1280x1024 "$work/measure.sh" > "$work/figures"
cat "$work/figures" >&2
python3 - "$work/figures" "$size" "$count" <<'PY'
import sys
f = dict(line.split() for line in open(sys.argv[1]))
size_mb, count = int(sys.argv[2]) / 1048576, int(sys.argv[3])
bare, text, textnr, empty, opened, committed = (int(f[k]) / 1024 for k in
                                                ("bare", "text", "text-noread", "empty", "open", "commit"))
saved = f.get("saved") == "1"
target = 1.1
print("peak memory, %d QSO (log %.1f MB): text floor reading the log %.1f MB, logbook open %.1f MB (%.2f x,"
      " target <= %.1f), after a commit %.1f MB (%.2f x)%s"
      % (count, size_mb, text, opened, opened / text, target, committed, committed / text,
         "" if saved else " -- COMMIT NOT SAVED"))
print("shared libraries mapped once drawn: logbook %s, text floor %s" % (f["open-libs"], f["text-libs"]))
print("peak memory, empty log: text floor without reading %.1f MB, logbook %.1f MB (%.2f x)"
      % (textnr, empty, empty / textnr))
print("for reference: empty window %.1f MB; empty window + 1.5 x log = %.1f MB"
      % (bare, bare + 1.5 * size_mb))
sys.exit(0 if saved and opened / text <= target else 1)
PY
