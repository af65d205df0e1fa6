#!/usr/bin/env bash
# The waits of the real window on logs of 99,999 and 1,000,000 QSOs (or SIZES):
# each list and map window from its menu item to its first drawing, the ADIF
# export to the synced file and a typed commit from the final Return, each beside
# its floor measured in the same rounds (bench/windows/window_bench.cpp), under one
# Xvfb server. ROUNDS rounds (default 15; 5 from 1,000,000 QSOs). Builds in
# build-bench/ (Release).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build-bench}
sizes=${SIZES:-"99999 1000000"}

cmake -S "$root" -B "$build" -DZEL_BUILD_BENCH=ON -DZEL_BUILD_TESTS=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target zel_window_bench >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
for count in $sizes; do
  python3 "$root/bench/makelog.py" "$count" "$work/log"
  rounds=${ROUNDS:-$([ "$count" -ge 1000000 ] && echo 5 || echo 15)}
  "$root/tests/withx.sh" 1280x1024 env QT_QPA_PLATFORM=xcb "$build/bench/zel_window_bench" "$work/log" "$rounds" \
    2> >(grep -v propagateSizeHints >&2)
  echo
done
