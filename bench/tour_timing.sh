#!/usr/bin/env bash
# Measures the real program on two tours: "laden" of a 32,767-entry tour until
# the list is on screen, and a tour of 20 "=" entries at interval 1 against
# the 20 × (1 s + 0.2 s) its steps should take. Usage: bench/tour_timing.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${1:-build/release}"
source bench/lib.sh
export QT_LOGGING_RULES="rovanta.ui.info=true"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
export HOME="$WORK"

{ printf '19200/15000\r\n03\r\n'
  for i in $(seq 1 32767); do printf 'http://example.org/s%s.html\r\n412;380;~E\r\nHinweis %s\r\n' "$i" "$i"; done
} >"$WORK/large.txt"
"$BUILD/src/rovanta" "$WORK/large.txt" >"$WORK/large.log" 2>&1 &
PID=$!
for _ in $(seq 1 600); do grep -q TourLoaded "$WORK/large.log" && break; sleep 0.1; done
grep -o 'TourLoaded.*' "$WORK/large.log"
kill "$PID"; wait "$PID" 2>/dev/null || true

{ printf '19200/15000\r\n01\r\n'
  for i in $(seq 1 20); do printf '=\r\n0;0;\r\n?\r\n'; done
} >"$WORK/hold.txt"
# The program stamps its own messages, so the times are its own.
QT_MESSAGE_PATTERN="%{time process} %{message}" "$BUILD/src/rovanta" --play "$WORK/hold.txt" \
  >"$WORK/hold.log" 2>&1 &
PID=$!
for _ in $(seq 1 600); do grep -q 'TOUR BEENDET' "$WORK/hold.log" && break; sleep 0.1; done
kill "$PID"; wait "$PID" 2>/dev/null || true
# The end comes one interval after the 20th step, at the free slot.
awk '/TourLoaded/ {start = $1} /TOUR BEENDET/ {end = $1} END {
  ms = (end - start) * 1000; expected = 20 * 1200 + 1000
  printf "20 \"=\" entries at interval 1: %d ms, expected %d ms, overhead %.2f %%\n", ms, expected, 100 * (ms - expected) / expected }' "$WORK/hold.log"
