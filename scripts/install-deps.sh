#!/usr/bin/env bash
# Installs, on Debian, what building and testing Pellacord need; does nothing when all of it is there.
set -euo pipefail

packages=(
  cmake ninja-build g++ googletest libgtest-dev python3           # native build and unit tests
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix            # the Windows images
  wine wine64 fonts-wine xvfb x11-utils xdotool imagemagick       # running them on a virtual display
  binutils icoutils libxml2-utils                                 # independent checks of the shipped image
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
((${#missing[@]} == 0)) && exit 0

sudo=()
((EUID == 0)) || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
