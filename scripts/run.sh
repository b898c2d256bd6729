#!/usr/bin/env bash
# Builds Pellacord and runs it under Wine: the shipped 32-bit image (build/win32/src/Pellacord.exe) where this
# machine can run it (natively where the kernel runs 32-bit code, else through the emulation that the set-up
# installs), the 64-bit build of the same sources with --64 or where neither is possible. It says which it ran,
# and why. With a display (DISPLAY set) it runs there until you close it. Without one it runs on a virtual
# display of its own, saves a screenshot to build/screenshot.png and closes the program again.
set -euo pipefail
cd "$(dirname "$0")/.."

readonly wine64=/usr/lib/wine/wine64
usage() {
  echo "usage: scripts/run.sh [--64]" >&2
  exit 2
}
image=32
case $# in
0) ;;
1) [[ $1 == --64 ]] || usage; image=64 ;;
*) usage ;;
esac

scripts/install-deps.sh
for build in win32 win64; do
  cmake --preset "$build" >/dev/null
  cmake --build --preset "$build" --target Pellacord
done

# How this machine runs 32-bit code, or why it cannot: the set-up's own check, quiet when it works.
route=""
if [[ $image == 32 ]]; then
  if reason=$(tests/harness/enable-i386-emulation.sh 2>&1 >/dev/null); then
    if [[ -e /proc/sys/fs/binfmt_misc/qemu-i386 ]]; then
      route="through qemu-i386 emulation (this kernel runs no 32-bit code)"
    else
      route="natively"
    fi
  else
    echo "run: the shipped 32-bit image cannot run here (${reason##*: }); running the 64-bit build instead"
    image=64
  fi
fi

# ready_for_32_bit <state-dir>: whether wine32-prefix.sh readied the prefix for 32-bit programs; says why not.
ready_for_32_bit() {
  local status
  status=$(cat "$1/wine32.status" 2>/dev/null || echo "unavailable: not prepared")
  [[ $status == ready ]] && return 0
  echo "run: the prefix could not be readied for 32-bit programs (${status#unavailable: }); running the 64-bit build instead"
  return 1
}

announce() {
  if [[ $image == 32 ]]; then
    echo "run: running the shipped 32-bit image $1 (PE32, x86) $route"
  else
    echo "run: running the 64-bit build $1 (PE32+, x86-64)"
  fi
}

if [[ -n ${DISPLAY-} ]]; then
  state=$PWD/build/wine-desktop
  prepare=(tests/harness/wine-session.sh prepare "$state")
  [[ $image == 32 ]] && prepare+=(--32-bit)
  "${prepare[@]}"
  [[ $image == 32 ]] && { ready_for_32_bit "$state" || image=64; }
  # shellcheck source=/dev/null
  source "$state/prefix.env"
  program=$(realpath "build/win$image/src/Pellacord.exe")
  announce "$program"
  exec "$wine64" "$program"
fi

state=$PWD/build/run
session=(tests/harness/wine-session.sh start "$state")
[[ $image == 32 ]] && session+=(--32-bit)
"${session[@]}"
trap 'tests/harness/wine-session.sh stop "$state" >/dev/null' EXIT
if [[ $image == 32 ]]; then
  ready_for_32_bit "$state" || image=64
fi
# shellcheck source=/dev/null
source "$state/session.env"
program=$(realpath "build/win$image/src/Pellacord.exe")
announce "$program"

"$wine64" "$program" </dev/null >"$state/program.log" 2>&1 &
pid=$!
# A 32-bit start under emulation takes seconds, more on a loaded machine.
deadline=$((SECONDS + 180))
until window=$(xdotool search --onlyvisible --name '^Pellacord$' 2>/dev/null); do
  ((SECONDS < deadline)) || { echo "run: no window within 180 s; see $state/program.log" >&2; exit 1; }
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

# Closing the window as a user would: Alt+F4 in it. (Wine's taskkill cannot name a 32-bit process run under
# emulation: it reads the image name from the process's memory, which another process cannot read there.)
xdotool windowfocus --sync "$window" key alt+F4
status=0
wait "$pid" || status=$?
echo "run: Pellacord ($( [[ $image == 32 ]] && echo "the shipped 32-bit image" || echo "the 64-bit build")) exited with code $status"
exit "$status"
