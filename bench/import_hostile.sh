#!/bin/sh
# The import against hostile files (bench/import/hostile_bench.cpp): a 2 MB file of
# damaged lengths beside a well-formed one, and a 200 MB general log loaded as the
# window loads it (delays before and between looks at "Annuler", peak memory).
#   bench/import_hostile.sh [size of the general log in MB]   (BUILD_DIR overrides build-bench)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build-bench}
cmake -S "$root" -B "$build" -DZEL_BUILD_BENCH=ON -DZEL_BUILD_TESTS=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target zel_import_hostile_bench >/dev/null
exec "$build/bench/zel_import_hostile_bench" "$@"
