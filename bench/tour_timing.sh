#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures the real program on two tours: the command-line open of a
# 32,767-entry tour until the list is painted (several runs), and a tour of
# 20 "=" entries at interval 1, timed from its first step to the end message
# against the 20 × (0.2 s + 1 s) its steps take by the player's rules.
# Usage: bench/tour_timing.sh [build folder] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${1:-build/release}"
RUNS="${2:-5}"
source bench/lib.sh
export QT_LOGGING_RULES="rovanta.ui.info=true"
stamped_run_in_work_folder

# Runs the program on a tour until a log line matches; leaves the log in $WORK/run.log.
run_until() {
  local pattern="$1"; shift
  "$BUILD/src/rovanta" "$@" >"$WORK/run.log" 2>&1 &
  local pid=$!
  for _ in $(seq 1 1200); do grep -q "$pattern" "$WORK/run.log" && break; sleep 0.05; done
  kill "$pid"; wait "$pid" 2>/dev/null || true
}

{ printf '19200/15000\r\n03\r\n'
  for i in $(seq 1 32767); do printf 'http://example.org/s%s.html\r\n412;380;~E\r\nHinweis %s\r\n' "$i" "$i"; done
} >"$WORK/large.txt"
times=()
for _ in $(seq 1 "$RUNS"); do
  run_until TourLoaded "$WORK/large.txt"
  times+=("$(grep -o 'TourLoaded.* in [0-9.]*' "$WORK/run.log" | awk '{print $NF}')")
done
printf '%s\n' "${times[@]}" | sort -n | awk -v runs="$RUNS" '{t[NR] = $1} END {
  printf "open of 32,767 entries until painted: median %.1f ms (min %.1f, max %.1f, %d runs), goal 50 ms: %.2f\n",
    t[int((NR + 1) / 2)], t[1], t[NR], runs, t[int((NR + 1) / 2)] / 50 }'

{ printf '19200/15000\r\n01\r\n'
  for _ in $(seq 1 20); do printf '=\r\n0;0;\r\n?\r\n'; done
} >"$WORK/hold.txt"
run_until 'TOUR BEENDET' --play "$WORK/hold.txt"
# Step k begins (k - 1) × 1200 ms after the first; the end message comes at
# the tick after the 20th step, 20 × 1200 ms after the first step.
awk '$2 == "Step" && $3 == 1 {start = $1} /TOUR BEENDET/ {end = $1} END {
  ms = (end - start) * 1000; expected = 20 * 1200
  printf "20 \"=\" entries at interval 1, from the first step: %d ms, expected %d ms: %.4f\n", ms, expected, ms / expected }' \
  "$WORK/run.log"
