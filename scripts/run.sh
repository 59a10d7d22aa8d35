#!/usr/bin/env bash
# Sets up, builds and starts the suite's start program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default
exec build/default/suite/zorurav/Corvane
