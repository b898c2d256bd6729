#!/usr/bin/env bash
# repeat-under-load.sh [--64 K] [--32 K] [--foreground K] [--out FILE]
#
# Runs the end-to-end tests again and again while the machine is loaded, and prints for each test how many of
# its runs failed. Every end-to-end test of the 64-bit build runs K times (--64, default 10), every one of the
# shipped 32-bit image K times (--32, default 3), and every foreground scenario of either image K times
# (--foreground, default 100). Meanwhile one busy loop per core keeps every core busy and a writer keeps
# writing and syncing a file on the build tree's disk. The sessions are started once, and each round is one
# ctest run of the tests still due, so the figures are ctest's own. The table also goes to FILE (--out).
# Not part of CI: with the defaults it takes an hour or more.
set -euo pipefail
cd "$(dirname "$0")/.."

runs_64=10
runs_32=3
runs_foreground=100
out=""
while (($# > 0)); do
  case $1 in
  --64) runs_64=$2; shift 2 ;;
  --32) runs_32=$2; shift 2 ;;
  --foreground) runs_foreground=$2; shift 2 ;;
  --out) out=$2; shift 2 ;;
  *) echo "usage: repeat-under-load.sh [--64 K] [--32 K] [--foreground K] [--out FILE]" >&2; exit 2 ;;
  esac
done

scripts/install-deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev >/dev/null
build=$PWD/build/dev
results=$build/Testing/repeat-under-load
rm -rf "$results"
mkdir -p "$results"

load_pids=()
stop_load() {
  ((${#load_pids[@]} == 0)) || kill "${load_pids[@]}" 2>/dev/null || true
  rm -f "$results/disk-load"
  ctest --test-dir "$build" -R '^wine_session_stop$' >/dev/null || true
}
trap stop_load EXIT

cores=$(nproc)
for ((core = 0; core < cores; ++core)); do
  sh -c 'while :; do :; done' &
  load_pids+=($!)
done
sh -c 'while :; do dd if=/dev/zero of="$1" bs=1M count=256 conv=fsync status=none; rm -f "$1"; done' sh \
  "$results/disk-load" &
load_pids+=($!)
echo "load: $cores busy loops and a writer of 256 MiB at a time with fsync"

ctest --test-dir "$build" -R '^wine_session_start$' --output-on-failure >/dev/null

started=$SECONDS
most=$((runs_64 > runs_32 ? runs_64 : runs_32))
most=$((runs_foreground > most ? runs_foreground : most))
for ((round = 1; round <= most; ++round)); do
  due=()
  ((round <= runs_64)) && due+=('^e2e_win64_')
  ((round <= runs_32)) && due+=('^e2e_win32_')
  ((round <= runs_foreground)) && due+=('^e2e_win(32|64)_foreground')
  selection=$(IFS='|'; echo "${due[*]}")
  ctest --test-dir "$build" -L e2e -R "$selection" -E '^wine_session_' -FS wine -FC wine \
    --output-on-failure --output-junit "$results/round-$round.xml" >"$results/round-$round.log" 2>&1 || true
  echo "round $round of $most done after $((SECONDS - started)) s: $(grep -c '\*\*\*Failed' "$results/round-$round.log" || true) failed"
done

python3 - "$results" "$out" <<'PY'
import glob, os, sys
import xml.etree.ElementTree as ElementTree
results, out = sys.argv[1], sys.argv[2]
runs, failed, skipped = {}, {}, {}
for path in glob.glob(os.path.join(results, "round-*.xml")):
    for case in ElementTree.parse(path).getroot().iter("testcase"):
        name = case.get("name")
        runs[name] = runs.get(name, 0) + 1
        if case.find("failure") is not None or case.get("status") == "fail":
            failed[name] = failed.get(name, 0) + 1
        if case.find("skipped") is not None:
            skipped[name] = skipped.get(name, 0) + 1
lines = ["| test | runs | failed | skipped |", "|---|---:|---:|---:|"]
for name in sorted(runs):
    lines.append(f"| {name} | {runs[name]} | {failed.get(name, 0)} | {skipped.get(name, 0)} |")
lines.append(f"| all | {sum(runs.values())} | {sum(failed.values())} | {sum(skipped.values())} |")
table = "\n".join(lines)
print(table)
if out:
    with open(out, "w") as file:
        file.write(table + "\n")
PY
