#!/usr/bin/env bash
# Builds Lumaro (installing what it needs) and runs every test. Window tests
# run headless; the real-window test starts its own X server.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
cd build
ctest --output-on-failure -j 2
