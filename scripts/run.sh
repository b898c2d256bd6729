#!/usr/bin/env bash
# Builds Pellacord and runs it under Wine. With a display (DISPLAY set) it runs there until you close it.
# Without one it runs on a virtual display of its own, saves a screenshot to build/screenshot.png and closes
# the program again. It runs the 64-bit build of the sources; the shipped image is the 32-bit one
# (build/win32/src/Pellacord.exe), which this machine can only run through emulation.
set -euo pipefail
cd "$(dirname "$0")/.."

readonly wine64=/usr/lib/wine/wine64
scripts/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target Pellacord
program=$(realpath build/win64/src/Pellacord.exe)

if [[ -n ${DISPLAY-} ]]; then
  export WINEPREFIX=${WINEPREFIX:-$PWD/build/wine-desktop}
  export WINEDEBUG=${WINEDEBUG:--all}
  [[ -f $WINEPREFIX/system.reg ]] || "$wine64" wineboot --init
  # Debian's Wine does not look in the fonts package's directory.
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
  cp -u /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
  exec "$wine64" "$program"
fi

state=$PWD/build/run
tests/harness/wine-session.sh start "$state"
trap 'tests/harness/wine-session.sh stop "$state" >/dev/null' EXIT
# shellcheck source=/dev/null
source "$state/session.env"

"$wine64" "$program" </dev/null >"$state/program.log" 2>&1 &
pid=$!
deadline=$((SECONDS + 60))
until xdotool search --onlyvisible --name '^Pellacord$' >/dev/null 2>&1; do
  ((SECONDS < deadline)) || { echo "run: no window within 60 s; see $state/program.log" >&2; exit 1; }
  sleep 0.1
done
# Painting follows the window's appearance: the screenshot is taken once two in a row come out the same.
xdotool mousemove 1279 1023
previous=""
for _ in $(seq 100); do
  import -window root build/screenshot.png
  current=$(md5sum <build/screenshot.png)
  [[ $current == "$previous" ]] && break
  previous=$current
  sleep 0.1
done
echo "run: screenshot saved to build/screenshot.png"

# Closing the window as a user would: WM_CLOSE to its top-level windows.
"$wine64" taskkill /im Pellacord.exe </dev/null >/dev/null 2>&1
status=0
wait "$pid" || status=$?
echo "run: Pellacord exited with code $status"
exit "$status"
