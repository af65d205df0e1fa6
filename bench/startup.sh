#!/usr/bin/env bash
# Start-up of the logbook on a log of QSOS QSOs (default 99,999) against its text
# floor (bench/bare/text_window.cpp: the same window, menus, entry row and list,
# filled with the least work), and on an empty log against the same floor without
# reading anything; the empty main window of the same size is shown for reference.
# All are started the same way under one Xvfb server and timed from just before
# exec to the end of their first complete drawing (KVR_ZEL_STARTUP_PROBE).
# Alternates RUNS runs of each (default 15) and prints the ratios of the medians.
# Then starts the logbook and the floor once more, both reading the log, and counts the
# shared libraries each has mapped once drawn (/proc/<pid>/maps).
# Builds in build-bench/ (Release). Exits with 1 when the ratio is over its target.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build-bench}
runs=${RUNS:-15}
count=${QSOS:-99999}
target=1.1        # the log read
target_empty=1.3  # an empty log: what start-up costs besides reading

. "$root/bench/station_home.sh"

cat > "$work/time.sh" <<'INNER'
#!/usr/bin/env bash
# Prints the milliseconds from exec to the first complete drawing.
start=$(date +%s%N)
painted=$(KVR_ZEL_STARTUP_PROBE=quit QT_QPA_PLATFORM=xcb "$@" 2>&1 >/dev/null | sed -n 's/^painted //p' | head -1)
[ -n "$painted" ] || { echo "no drawing seen from $1" >&2; exit 1; }
echo $(( (painted - start) / 1000 ))
INNER
chmod +x "$work/time.sh"

# The same station with an empty log, for the start-up that reads nothing.
mkdir -p "$work/empty/ZEL"
: > "$work/empty/ZEL/F4ZEL_ZEL.log"

cat > "$work/runs.sh" <<INNER
#!/usr/bin/env bash
set -e
run() {
  case \$1 in
    logbook) "$work/time.sh" "$build/src/kvr_zel" ;;
    logbook-empty) "$work/time.sh" env XDG_DATA_HOME="$work/empty" "$build/src/kvr_zel" ;;
    text) "$work/time.sh" "$build/bench/zel_text_window" "$log" ;;
    text-noread) "$work/time.sh" "$build/bench/zel_text_window" ;;
    bare) "$work/time.sh" "$build/bench/zel_bare_window" ;;
  esac
}
# One start of each, unmeasured, so all find the libraries and fonts in the cache.
for what in logbook logbook-empty text text-noread bare; do run \$what >/dev/null; done
for i in \$(seq 1 $runs); do
  for what in logbook text logbook-empty text-noread bare; do echo "\$what \$(run \$what)"; done
done
INNER
chmod +x "$work/runs.sh"
"$root/tests/withx.sh" 1280x1024 "$work/runs.sh" > "$work/times"

cat > "$work/libs.sh" <<INNER
#!/usr/bin/env bash
set -eu
count() { # <name> <command...>: the libraries mapped once the first drawing is done
  local name=\$1; shift
  KVR_ZEL_STARTUP_PROBE=1 QT_QPA_PLATFORM=xcb "\$@" 2> "$work/\$name.err" & local pid=\$!
  for _ in \$(seq 1 200); do grep -q painted "$work/\$name.err" && break; sleep 0.05; done
  sleep 0.3
  echo "\$name \$(awk '\$6 ~ /\\.so(\\.|\$)/ { print \$6 }' /proc/\$pid/maps | sort -u | wc -l)"
  kill \$pid; wait \$pid 2>/dev/null || true
}
count logbook "$build/src/kvr_zel"
count text "$build/bench/zel_text_window" "$log"
INNER
chmod +x "$work/libs.sh"
"$root/tests/withx.sh" 1280x1024 "$work/libs.sh" > "$work/libs"

python3 - "$work/times" "$target" "$count" "$work/libs" "$target_empty" <<'PY'
import statistics, sys
times = {}
for line in open(sys.argv[1]):
    what, us = line.split()
    times.setdefault(what, []).append(int(us) / 1000)
target, count = float(sys.argv[2]), int(sys.argv[3])
m = {k: statistics.median(v) for k, v in times.items()}
runs = len(times["bare"])
read = m["logbook"] / m["text"]
empty = m["logbook-empty"] / m["text-noread"]
print("start-up, %d QSO (medians of %d): logbook %.1f ms, text floor reading the log %.1f ms, ratio %.2f (target <= %.1f)"
      % (count, runs, m["logbook"], m["text"], read, target))
target_empty = float(sys.argv[5])
print("start-up, empty log: logbook %.1f ms, text floor without reading %.1f ms, ratio %.2f (target <= %.1f)"
      % (m["logbook-empty"], m["text-noread"], empty, target_empty))
print("for reference, against an empty window (%.1f ms): logbook %.2f, text floor %.2f"
      % (m["bare"], m["logbook"] / m["bare"], m["text"] / m["bare"]))
libs = dict(line.split() for line in open(sys.argv[4]))
print("shared libraries mapped once drawn: logbook %s, text floor %s" % (libs["logbook"], libs["text"]))
sys.exit(0 if read <= target and empty <= target_empty else 1)
PY
