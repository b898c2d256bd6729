#!/usr/bin/env bash
# enable-i386-emulation.sh: lets this x86-64 machine start 32-bit Windows programs under Wine. Its kernel
# refuses 32-bit code, so Wine's 32-bit loader (an i386 ELF program) is handed to qemu-i386 through
# binfmt_misc. Does only what is missing, so it is cheap once everything is in place, and needs root only
# for what is missing.
#
# Exits 0 when the route works; otherwise 1, with the reason as the last line on standard error.
set -euo pipefail

readonly packages=(qemu-user-static wine32:i386)
readonly binfmt=/proc/sys/fs/binfmt_misc
readonly qemu=/usr/bin/qemu-i386-static
readonly loader32=/usr/lib/wine/wine
readonly loader64=/usr/lib/wine/wine64
# The i386 ELF executable header, matched by the kernel. F: qemu is opened now, so that it is found also
# from inside another mount namespace or a chroot.
readonly registration=':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:'"$qemu"':F'

fail() {
  echo "enable-i386-emulation: $*" >&2
  exit 1
}

# need_root <what>: the step that follows changes the system.
need_root() {
  ((EUID == 0)) || fail "not root, so cannot $1"
}

installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

apt_get() {
  # Another apt run on the machine holds the lock for a while; wait for it instead of failing at once.
  DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 "$@"
}

install_packages() {
  local missing=() package
  for package in "${packages[@]}"; do
    installed "$package" || missing+=("$package")
  done
  ((${#missing[@]} > 0)) || return 0
  need_root "install ${missing[*]}"
  echo "enable-i386-emulation: installing ${missing[*]}"
  apt_get update -qq || fail "apt-get update failed"
  # The i386 libraries must match their amd64 twins, so apt may upgrade some of those; it must remove none,
  # or the 64-bit Wine that the rest of the suite uses could go.
  local plan removals
  plan=$(apt_get install -s "${missing[@]}" 2>&1) || fail "apt-get cannot install ${missing[*]}: $(tail -n 1 <<<"$plan")"
  removals=$(awk '$1 == "Remv" { printf " %s", $2 }' <<<"$plan")
  [[ -z $removals ]] || fail "installing ${missing[*]} would remove:$removals"
  apt_get install -y -qq "${missing[@]}" >/dev/null || fail "apt-get install ${missing[*]} failed"
}

enable_binfmt() {
  if [[ ! -e $binfmt/register ]]; then
    grep -qw binfmt_misc /proc/filesystems || fail "this kernel has no binfmt_misc"
    need_root "mount binfmt_misc"
    mount -t binfmt_misc binfmt_misc "$binfmt" 2>/dev/null || fail "cannot mount binfmt_misc on $binfmt"
  fi
  [[ $(head -n 1 "$binfmt/status") == enabled ]] || fail "binfmt_misc is disabled ($binfmt/status)"
  if [[ ! -e $binfmt/qemu-i386 ]]; then
    need_root "register qemu-i386 with binfmt_misc"
    # Another run may have registered it meanwhile; then the write fails and the entry is there.
    printf '%s\n' "$registration" >"$binfmt/register" 2>/dev/null || [[ -e $binfmt/qemu-i386 ]] ||
      fail "cannot register qemu-i386 with binfmt_misc"
    echo "enable-i386-emulation: registered $qemu for i386 programs"
  fi
  [[ $(head -n 1 "$binfmt/qemu-i386") == enabled ]] || fail "the binfmt_misc entry qemu-i386 is disabled"
}

# Each loader started once: the 32-bit one proves the emulation, the 64-bit one that it still works.
check_loaders() {
  local version
  [[ -x $loader32 ]] || fail "no 32-bit Wine loader at $loader32"
  version=$(timeout 120 "$loader32" --version 2>&1) || fail "the 32-bit Wine loader does not start: $version"
  timeout 60 "$loader64" --version >/dev/null 2>&1 || fail "the 64-bit Wine loader no longer starts"
  echo "enable-i386-emulation: 32-bit Wine ($version) starts through qemu-i386"
}

if ! command -v dpkg >/dev/null || ! command -v apt-get >/dev/null; then
  fail "no dpkg or apt-get: not a Debian system"
fi
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  need_root "add the i386 architecture"
  dpkg --add-architecture i386 || fail "dpkg --add-architecture i386 failed"
fi
install_packages
# A kernel that runs 32-bit code needs no emulation: the 32-bit loader starts by itself.
if [[ ! -e $binfmt/qemu-i386 ]] && timeout 60 "$loader32" --version >/dev/null 2>&1; then
  echo "enable-i386-emulation: 32-bit Wine starts natively; no emulation needed"
  exit 0
fi
[[ -x $qemu ]] || fail "no $qemu"
enable_binfmt
check_loaders
