#!/usr/bin/env bash
# press-keys.sh <status-file> <window-name> <keys...>: once the X input focus is on the window with that
# name, presses keys with xdotool on $DISPLAY, then writes the outcome to <status-file>: 0, or the exit
# status of xdotool, or 124 when the focus did not arrive in time. A Windows program can start this Unix
# script under Wine but gets no handle to wait on, so it waits for the status file instead.
set -uo pipefail

if (($# < 3)); then
  echo "usage: press-keys.sh <status-file> <window-name> <keys...>" >&2
  exit 2
fi
status_file=$1
window_name=$2
shift 2

focus_timeout=5
focused() {
  [[ $(xdotool getwindowfocus getwindowname 2>/dev/null) == "$window_name" ]]
}

# Wine gives an unmanaged window the X focus a little after Windows made it active; a key sent before that
# goes elsewhere.
deadline=$((SECONDS + focus_timeout))
status=124
while ((SECONDS < deadline)); do
  if focused; then
    xdotool key "$@"
    status=$?
    break
  fi
  sleep 0.02
done
# Written whole under another name first, so that the waiting side never reads half a file.
echo "$status" >"$status_file.tmp"
mv -f "$status_file.tmp" "$status_file"
exit "$status"
