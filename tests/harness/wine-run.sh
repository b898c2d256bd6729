#!/usr/bin/env bash
# wine-run.sh <state-dir> <program.exe> [args...]: runs a 64-bit Windows program in the session that
# wine-session.sh started, and exits with the program's exit code.
set -euo pipefail

if (($# < 2)); then
  echo "usage: wine-run.sh <state-dir> <program.exe> [args...]" >&2
  exit 2
fi
state=$1
shift
if [[ ! -f $state/session.env ]]; then
  echo "wine-run: no session in $state; run: wine-session.sh start $state" >&2
  exit 2
fi
# shellcheck source=/dev/null
source "$state/session.env"

# Wine's helper processes inherit the output; a test runner would wait for them to close its pipe. They get
# a file instead, which is shown once the program has ended.
output=$(mktemp "$state/run.XXXXXX")
trap 'rm -f "$output"' EXIT
status=0
/usr/lib/wine/wine64 "$@" </dev/null >"$output" 2>&1 || status=$?
cat "$output"
exit "$status"
