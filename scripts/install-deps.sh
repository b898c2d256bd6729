#!/usr/bin/env bash
# Installs, on Debian, what building and testing Pellacord need; does nothing when all of it is there.
set -euo pipefail

packages=(
  cmake ninja-build g++ googletest libgtest-dev python3 clang-format # native build and unit tests
  g++-mingw-w64-i686-win32 g++-mingw-w64-x86-64-win32            # the Windows images
  wine wine64 fonts-wine xvfb x11-utils xdotool imagemagick       # running them on a virtual display
  xserver-xephyr                                                  # a display with two monitors
  binutils icoutils libxml2-utils                                 # independent checks of the shipped image
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done

sudo=()
((EUID == 0)) || sudo=(sudo)
if ((${#missing[@]} > 0)); then
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# The shipped 32-bit image runs here only through emulation. Set up before anything uses Wine, since it may
# upgrade libraries that Wine loads; where it cannot be done, the 32-bit runs say so and are skipped.
if ! "${sudo[@]}" "$(dirname "$0")/../tests/harness/enable-i386-emulation.sh"; then
  echo "install-deps: the 32-bit image cannot be run on this machine; its tests will be skipped" >&2
fi
