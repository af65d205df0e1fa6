#!/usr/bin/env bash
# Starts the logbook. Installs the missing packages and builds first, only when needed:
# a second start goes straight to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/preparer.sh
exec ./build/src/kvr_zel
