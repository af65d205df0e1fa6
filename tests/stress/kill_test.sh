#!/bin/sh
# Kills the log writer with SIGKILL at N random moments of its commits and
# rewrites (default 1000) and checks, after each kill, that the log and the
# first-name list are a complete copy the writer made, every line intact, and that
# the next commit goes through at once. Prints the figures; exits 1 on a failure.
#   tests/stress/kill_test.sh [N] [folder]   (BUILD_DIR overrides ./build)
# tests/stress/shims/ holds LD_PRELOAD shims for harder runs (a slowed rename, no
# flock); stress_killtest also runs two copies at once ("duel") and the read-ahead
# raced by edits in place ("readahead").
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${BUILD_DIR:-$root/build}
rounds=${1:-1000}
cmake --build "$build" -j2 --target stress_killtest >/dev/null
if [ $# -ge 2 ]; then
    exec "$build/tests/stress_killtest" run --rounds "$rounds" --dir "$2"
fi
exec "$build/tests/stress_killtest" run --rounds "$rounds"
