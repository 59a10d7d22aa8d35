#!/usr/bin/env bash
# Sets up, builds the programs (not the tests) and starts the suite menu.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default --target programs
exec build/default/suite/Halvery
