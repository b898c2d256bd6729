#!/usr/bin/env bash
# Measures Pellacord against the baseline program (tests/bench/baseline) under Wine on a virtual display of its
# own, prints the figures and writes them to docs/benchmark.md. Optional argument: rounds of each program
# (default 15). A program that prints figures, not a test: nothing here passes or fails on a figure.
set -euo pipefail
cd "$(dirname "$0")/.."

rounds=${1:-15}
if [[ ! $rounds =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: scripts/bench.sh [rounds]" >&2
  exit 2
fi

scripts/install-deps.sh
cmake --preset dev >/dev/null
# Only the two cross builds: the bench needs nothing of the native tree.
cmake --build --preset dev --target win32 win64

build=$PWD/build/dev
state=$PWD/build/bench
tests/harness/wine-session.sh start "$state"
trap 'tests/harness/wine-session.sh stop "$state" >/dev/null' EXIT

read -r load1 load5 load15 _ </proc/loadavg
cpu=$(grep -m 1 '^model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')
tests/harness/wine-run.sh "$state" "$build/win64/tests/bench/pellacord-bench.exe" \
  --program "$build/win64/src/Pellacord.exe" \
  --baseline "$build/win64/tests/bench/baseline/pellacord-baseline.exe" \
  --shipped "$build/win32/src/Pellacord.exe" \
  --shipped-baseline "$build/win32/tests/bench/baseline/pellacord-baseline.exe" \
  --rounds "$rounds" \
  --markdown "$PWD/docs/benchmark.md" \
  --note "Display: a virtual one (Xvfb, 1280x1024) at 96 DPI, with no window manager." \
  --note "Why 64-bit: this machine's kernel runs 32-bit code only through emulation, which would measure the emulator; the shipped 32-bit image is built from the same sources with the same flags." \
  --note "Host: $(nproc) cores ($cpu), shared with other work; load average $load1, $load5, $load15 when the run began."
# The image's size by build setting and the toggle's cost per step were measured by hand once and are kept
# beside what the bench writes.
for measured in docs/image-size.md docs/fullscreen-toggle.md; do
  printf '\n' >>docs/benchmark.md
  cat "$measured" >>docs/benchmark.md
done
