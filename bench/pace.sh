#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures the pace of action texts in the real program: a tour whose one
# entry types 200 letters against the same tour with 100 letters. Each is
# timed from its first key sent to its last, so their difference is 100
# letters, which at the 100 ms the player waits after each letter take 10,000 ms.
# Usage: bench/pace.sh [build folder] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${1:-build/release}"
RUNS="${2:-3}"
source bench/lib.sh
export QT_LOGGING_RULES="rovanta.ui.info=true
rovanta.input.info=true"
stamped_run_in_work_folder

# Milliseconds from the first to the last key sent by a tour that types n letters.
key_span_ms() {
  local letters
  letters="$(printf 'a%.0s' $(seq 1 "$1"))"
  printf '19200/15000\r\n01\r\n=\r\n0;0;%s\r\n?\r\n' "$letters" >"$WORK/pace.txt"
  "$BUILD/src/rovanta" --play "$WORK/pace.txt" >"$WORK/run.log" 2>&1 &
  local pid=$!
  for _ in $(seq 1 1200); do grep -q 'TOUR BEENDET' "$WORK/run.log" && break; sleep 0.05; done
  kill "$pid"; wait "$pid" 2>/dev/null || true
  awk '$2 == "KeyDown" {if (!first) first = $1; last = $1} END {
    printf "%.1f\n", (last - first) * 1000 }' "$WORK/run.log"
}

for _ in $(seq 1 "$RUNS"); do
  long=$(key_span_ms 200)
  short=$(key_span_ms 100)
  # 199 and 99 waits of 100 ms lie between the first key and the last.
  awk -v long="$long" -v short="$short" 'BEGIN {
    d = long - short
    printf "100 letters: %.0f ms, expected 10000 ms: %.4f (200 letters %.0f ms: %.4f, 100 letters %.0f ms: %.4f)\n",
      d, d / 10000, long, long / 19900, short, short / 9900 }'
done
