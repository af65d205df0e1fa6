#!/usr/bin/env bash
# What Qt Network (the DX-cluster connection) adds to start-up: the empty main window
# linked with the program's libraries (zel_bare_window, Qt Network among them) against
# the same window linked with Qt Widgets alone (zel_bare_window_widgets), both timed
# from exec to their first complete drawing under one Xvfb server, RUNS runs each
# (default 15), alternated. Builds in build-bench/ (Release).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build-bench}
runs=${RUNS:-15}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# KEEP_CONFIG=1 builds in an existing build folder as it is configured.
[ -n "${KEEP_CONFIG:-}" ] || \
  cmake -S "$root" -B "$build" -DZEL_BUILD_BENCH=ON -DZEL_BUILD_TESTS=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target zel_bare_window zel_bare_window_widgets >/dev/null

cat > "$work/time.sh" <<'INNER'
#!/usr/bin/env bash
start=$(date +%s%N)
painted=$(KVR_ZEL_STARTUP_PROBE=quit QT_QPA_PLATFORM=xcb "$@" 2>&1 >/dev/null | sed -n 's/^painted //p' | head -1)
[ -n "$painted" ] || { echo "no drawing seen from $1" >&2; exit 1; }
echo $(( (painted - start) / 1000 ))
INNER
chmod +x "$work/time.sh"
cat > "$work/runs.sh" <<INNER
#!/usr/bin/env bash
set -e
for what in zel_bare_window zel_bare_window_widgets; do "$work/time.sh" "$build/bench/\$what" >/dev/null; done
for i in \$(seq 1 $runs); do
  for what in zel_bare_window zel_bare_window_widgets; do echo "\$what \$("$work/time.sh" "$build/bench/\$what")"; done
done
INNER
chmod +x "$work/runs.sh"
"$root/tests/withx.sh" 1280x1024 "$work/runs.sh" > "$work/times"
python3 - "$work/times" <<'PY'
import statistics, sys
times = {}
for line in open(sys.argv[1]):
    what, us = line.split()
    times.setdefault(what, []).append(int(us) / 1000)
m = {k: statistics.median(v) for k, v in times.items()}
net, plain = m["zel_bare_window"], m["zel_bare_window_widgets"]
print("start-up (medians of %d): empty window with the program's libraries (Qt Network among them) %.1f ms,"
      " with Qt Widgets alone %.1f ms: %+.1f ms (ratio %.2f)" % (len(times["zel_bare_window"]), net, plain, net - plain, net / plain))
PY
