#!/usr/bin/env bash
# Prepares (packages, build) and starts the logbook.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/preparer.sh
exec ./build/src/kvr_zel
