#!/usr/bin/env bash
# wine-run.sh [--session <name>] [--32-bit] <state-dir> <program.exe> [args...]: runs a 64-bit Windows program
# in a session that wine-session.sh started (the stock one unless named), and exits with the program's exit
# code. --32-bit: the program starts a 32-bit one, so the session must have been readied for those; where it
# could not be, this reports a skip (exit 77) with the reason, or fails when CI=true.
set -euo pipefail

readonly skip=77

usage() {
  echo "usage: wine-run.sh [--session <name>] [--32-bit] <state-dir> <program.exe> [args...]" >&2
  exit 2
}

session=stock
needs_32_bit=no
while (($# > 0)); do
  case $1 in
  --session) (($# >= 2)) || usage; session=$2; shift 2 ;;
  --32-bit) needs_32_bit=yes; shift ;;
  *) break ;;
  esac
done
(($# >= 2)) || usage
state=$1
shift
directory=$state
[[ $session == stock ]] || directory=$state/$session
if [[ ! -f $directory/session.env ]]; then
  echo "wine-run: no session $session in $state; run: wine-session.sh start $state" >&2
  exit 2
fi

if [[ $needs_32_bit == yes ]]; then
  status=$(cat "$state/wine32.status" 2>/dev/null || echo "unavailable: the session was started without --32-bit")
  if [[ $status != ready ]]; then
    reason=${status#unavailable: }
    if [[ ${CI:-} == true ]]; then
      echo "wine-run: FAILED: the 32-bit route is required in CI but is not set up: $reason" >&2
      exit 1
    fi
    echo "wine-run: SKIPPED: the 32-bit image cannot be run here: $reason"
    exit "$skip"
  fi
  echo "wine-run: session $session; the 32-bit program runs by Wine's 32-bit loader under qemu-i386"
fi
# shellcheck source=/dev/null
source "$directory/session.env"

# Wine's helper processes inherit the output; a test runner would wait for them to close its pipe. They get
# a file instead, which is shown once the program has ended.
output=$(mktemp "$state/run.XXXXXX")
trap 'rm -f "$output"' EXIT
status=0
/usr/lib/wine/wine64 "$@" </dev/null >"$output" 2>&1 || status=$?
cat "$output"
exit "$status"
