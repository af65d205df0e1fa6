#!/usr/bin/env bash
# Start-up of the logbook on a 99,999-QSO log against an empty main window of the
# same size, both started the same way under one Xvfb server and timed from just
# before exec to the end of their first complete drawing (KVR_ZEL_STARTUP_PROBE).
# Alternates RUNS runs of each (default 15) and prints the ratio of the medians.
# Builds in build-bench/ (Release). Exits with 1 when the ratio is over its target.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build-bench}
runs=${RUNS:-15}
count=${QSOS:-99999}
target=1.3

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

cat > "$work/runs.sh" <<INNER
#!/usr/bin/env bash
set -e
# One start of each, unmeasured, so both find the libraries and fonts in the cache.
"$work/time.sh" "$build/src/kvr_zel" >/dev/null
"$work/time.sh" "$build/bench/zel_bare_window" >/dev/null
for i in \$(seq 1 $runs); do
  echo "logbook \$("$work/time.sh" "$build/src/kvr_zel")"
  echo "bare \$("$work/time.sh" "$build/bench/zel_bare_window")"
done
INNER
chmod +x "$work/runs.sh"
"$root/tests/withx.sh" 1280x1024 "$work/runs.sh" > "$work/times"

python3 - "$work/times" "$target" "$count" <<'PY'
import statistics, sys
times = {"logbook": [], "bare": []}
for line in open(sys.argv[1]):
    what, us = line.split()
    times[what].append(int(us) / 1000)
target, count = float(sys.argv[2]), int(sys.argv[3])
a, b = statistics.median(times["logbook"]), statistics.median(times["bare"])
print("start-up, %d QSO: logbook %.1f ms, empty window %.1f ms (medians of %d), ratio %.2f (target <= %.1f)"
      % (count, a, b, len(times["bare"]), a / b, target))
sys.exit(0 if a / b <= target else 1)
PY
