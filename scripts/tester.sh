#!/usr/bin/env bash
# Prepares (packages, build of everything) and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/preparer.sh --tests
cd build
ctest --output-on-failure --timeout 300
