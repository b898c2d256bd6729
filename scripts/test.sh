#!/usr/bin/env bash
# Builds everything and runs every test: native unit tests, the checks of the shipped 32-bit image, and the
# end-to-end suite under Wine on a virtual display of its own. Arguments go to ctest (for example -R manifest).
# After ctest's summary come the tests it skipped, each with its reason.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset dev
cmake --build --preset dev
junit="$PWD/build/dev/Testing/results.xml"
status=0
ctest --preset dev --output-junit "$junit" "$@" || status=$?
[[ -f $junit ]] && python3 tests/harness/skip-summary.py "$junit"
exit "$status"
