#!/usr/bin/env bash
# wine32-prefix.sh <state-dir>: readies the prefix in WINEPREFIX, which wine-session.sh is preparing, for 32-bit
# programs. The kernel here runs no 32-bit code, so Wine's 32-bit loader runs under qemu-i386;
# enable-i386-emulation.sh sets that up where it can. The 64-bit prefix then gets its 32-bit half once (about a
# minute), and every run proves with one 32-bit start that the route works.
#
# Writes <state-dir>/wine32.status, which wine-run.sh reads: "ready", or "unavailable: <reason>".
# Exits 0 when ready; 77 when the route cannot be set up here, which the tests that need it report as a
# skip; 1 on any other failure, and also when the route cannot be set up while CI=true, where it must run.
set -euo pipefail

readonly skip=77
readonly wine64=/usr/lib/wine/wine64
# Debian's 32-bit builtin libraries and programs, in the form that a prefix holds them.
readonly i386_windows=/usr/lib/i386-linux-gnu/wine/i386-windows

if (($# != 1)); then
  echo "usage: wine32-prefix.sh <state-dir>" >&2
  exit 2
fi
harness=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
state=$(realpath -m "$1")
readonly harness state
readonly status_file=$state/wine32.status

fail() {
  echo "wine32-prefix: $*" >&2
  printf 'unavailable: %s\n' "$*" >"$status_file"
  exit 1
}

unavailable() {
  printf 'unavailable: %s\n' "$1" >"$status_file"
  if [[ ${CI:-} == true ]]; then
    echo "wine32-prefix: FAILED: the 32-bit route is required in CI but cannot be set up: $1" >&2
    exit 1
  fi
  echo "wine32-prefix: SKIPPED: the 32-bit image cannot be run here: $1"
  exit "$skip"
}

enable_emulation() {
  local errors=$state/enable-i386-emulation.err reason
  if ! "$harness/enable-i386-emulation.sh" 2>"$errors"; then
    cat "$errors" >&2
    reason=$(tail -n 1 "$errors")
    unavailable "${reason#enable-i386-emulation: }"
  fi
}

# The first 32-bit process in a 64-bit prefix needs the 32-bit system directory, which wineboot fills by
# starting a 32-bit program from it: under emulation that start finds the directory empty and fails. So it is
# seeded with the builtin files first; wineboot then installs the rest (registry, COM classes, side-by-side
# common controls) as it does on a machine that runs 32-bit code.
prepare_prefix() {
  local syswow64=$WINEPREFIX/drive_c/windows/syswow64 started=$SECONDS seeded
  [[ -d $i386_windows ]] || fail "no 32-bit builtin libraries at $i386_windows"
  mkdir -p "$syswow64"
  cp "$i386_windows"/* "$syswow64"/ || fail "cannot seed $syswow64"
  seeded=$SECONDS
  timeout 900 "$wine64" wineboot --update </dev/null >>"$state/wine.log" 2>&1 ||
    fail "wineboot --update failed; see $state/wine.log"
  echo "wine32-prefix: prepared $WINEPREFIX for 32-bit programs in $((SECONDS - started)) s" \
    "(seeding $((seeded - started)) s, wineboot $((SECONDS - seeded)) s)"
}

# A 32-bit program of the prefix, started as the driver starts the program under test, with a known exit code.
check_32bit_start() {
  local started=$SECONDS status=0
  timeout 600 "$wine64" 'C:\windows\syswow64\cmd.exe' /c exit 7 </dev/null >>"$state/wine.log" 2>&1 || status=$?
  ((status == 7)) || fail "a 32-bit program did not run: exit status $status instead of 7; see $state/wine.log"
  echo "wine32-prefix: a 32-bit program (PE32, i386: syswow64 cmd.exe) ran through qemu-i386 in" \
    "$((SECONDS - started)) s"
}

mkdir -p "$state"
rm -f "$status_file"
[[ -n ${WINEPREFIX:-} && -d $WINEPREFIX/drive_c ]] || fail "no prepared prefix in WINEPREFIX"

enable_emulation
# Kept in the prefix, so that a prefix prepared once is reused by every later run of the same build tree.
marker=$WINEPREFIX/.pellacord-32-bit-ready
if [[ -f $marker ]]; then
  echo "wine32-prefix: $WINEPREFIX was prepared for 32-bit programs before"
else
  prepare_prefix
fi
check_32bit_start
# Made once: wine-session.sh makes its copies of the prefix again when this changes.
[[ -f $marker ]] || : >"$marker"
echo ready >"$status_file"
