#!/usr/bin/env bash
# Builds Lumaro (installing what it needs) and starts it, with this checkout's
# data folder as the Lumaro home.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export LUMARO_HOME="${LUMARO_HOME:-$PWD/data}"
exec build/lumaro "$@"
