#!/bin/sh
# Typing QSOs with the radio in use (Hamlib's dummy radio) against the radio off:
# builds zel_radio_bench in Release and runs it. Arguments go to it: ROUNDS QSOS
# (default 15 40), and "same" as third argument for the spread of the machine alone.
# Exits with 1 when the window thread's ratio is over 1.10.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build-bench}
cmake -S "$root" -B "$build" -DZEL_BUILD_BENCH=ON -DZEL_BUILD_TESTS=OFF \
      -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target zel_radio_bench >/dev/null
exec "$build/bench/zel_radio_bench" "$@"
