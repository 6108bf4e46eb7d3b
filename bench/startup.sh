#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures the real program: time from start to the start page shown, and
# the memory (PSS) of all its processes once it has settled; the same for a
# bare Qt WebEngine window loading the same page, in the same run; then the
# ratios. Usage: bench/startup.sh [build folder] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${1:-build/release}"
RUNS="${2:-5}"
source bench/lib.sh
export QT_LOGGING_RULES="rovanta.browser.info=true"
PAGE="$PWD/$BUILD/src/start.html"


# Runs one program; prints "milliseconds-to-page pss-KiB".
measure() {
  local log
  log="$(mktemp)"
  local start end
  start=$(date +%s%N)
  HOME="$(mktemp -d)" "$@" >"$log" 2>&1 &
  local pid=$!
  for _ in $(seq 1 3000); do
    grep -q 'DocumentComplete' "$log" && break
    sleep 0.005
  done
  end=$(date +%s%N)
  sleep 3 # let the processes settle before reading their memory
  local pss
  pss=$(pss_tree "$pid")
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  rm -f "$log"
  echo "$(((end - start) / 1000000)) $pss"
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

declare -a prog_ms prog_pss base_ms base_pss
for i in $(seq 1 "$RUNS"); do
  read -r ms pss < <(measure "$BUILD/bench/minimal_browser" "$PAGE")
  base_ms+=("$ms"); base_pss+=("$pss")
  read -r ms pss < <(measure "$BUILD/src/rovanta")
  prog_ms+=("$ms"); prog_pss+=("$pss")
done
bm=$(printf '%s\n' "${base_ms[@]}" | median)
bp=$(printf '%s\n' "${base_pss[@]}" | median)
pm=$(printf '%s\n' "${prog_ms[@]}" | median)
pp=$(printf '%s\n' "${prog_pss[@]}" | median)
echo "runs: $RUNS (medians)"
echo "minimal WebEngine window: ${bm} ms to page, ${bp} KiB PSS"
echo "rovanta:                  ${pm} ms to page, ${pp} KiB PSS"
awk -v a="$pm" -v b="$bm" -v c="$pp" -v d="$bp" \
  'BEGIN {printf "ratios: time %.2f, memory %.2f\n", a / b, c / d}'
