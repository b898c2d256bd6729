#!/usr/bin/env bash
# wine32-run.sh <state-dir> <driver.exe> [args...]: runs the 64-bit driver, as wine-run.sh does, for a scenario
# that starts a 32-bit program, once wine32-prefix.sh has readied the session for those. Where it could not,
# this reports a skip (exit 77) with the reason, or fails when CI=true.
set -euo pipefail

readonly skip=77

if (($# < 2)); then
  echo "usage: wine32-run.sh <state-dir> <driver.exe> [args...]" >&2
  exit 2
fi
state=$1
harness=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
readonly state harness

status=$(cat "$state/wine32.status" 2>/dev/null || echo "unavailable: wine32-prefix.sh has not run for $state")
if [[ $status != ready ]]; then
  reason=${status#unavailable: }
  if [[ ${CI:-} == true ]]; then
    echo "wine32-run: FAILED: the 32-bit route is required in CI but is not set up: $reason" >&2
    exit 1
  fi
  echo "wine32-run: SKIPPED: the 32-bit image cannot be run here: $reason"
  exit "$skip"
fi

echo "wine32-run: the 64-bit driver starts a 32-bit program: Wine's 32-bit loader under qemu-i386"
exec "$harness/wine-run.sh" "$@"
