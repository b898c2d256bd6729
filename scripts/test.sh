#!/usr/bin/env bash
# Builds everything and runs every test: native unit tests, the checks of the shipped 32-bit image, and the
# end-to-end suite under Wine on a virtual display of its own. Arguments go to ctest (for example -R manifest).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset dev
cmake --build --preset dev
ctest --preset dev "$@"
