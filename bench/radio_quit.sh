#!/bin/sh
# Time to quit with the radio in use (a silent radio, the logbook's own rigctld)
# beside CAT off: builds zel_radio_quit_bench in Release and runs it. The argument
# goes to it: ROUNDS (default 15). A figure, not a test: it exits with 0.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build-bench}
cmake -S "$root" -B "$build" -DZEL_BUILD_BENCH=ON -DZEL_BUILD_TESTS=OFF \
      -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target zel_radio_quit_bench >/dev/null
exec "$build/bench/zel_radio_quit_bench" "$@"
