#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays a looping tour in the real program for a while (default 600 s) and
# reports the memory (PSS) of all its processes early on and at the end.
# The tour: a folder listing, 98 page steps that fill a form field, and a
# jump back for the next of 100 files, so it loops for hours.
# Usage: bench/soak.sh [build folder] [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${1:-build/release}"
DURATION="${2:-600}"
source bench/lib.sh
WORK="$(mktemp -d)"
export HOME="$WORK"
mkdir -p "$WORK/in"
for i in $(seq 1 100); do printf 'Datei %s' "$i" >"$WORK/in/f$i.txt"; done
for p in a b; do
  printf '<html><body><form><input name="f"></form><p>Seite %s</p></body></html>' "$p" >"$WORK/$p.html"
done
{
  printf '19200/15000\r\n01\r\n'
  printf '=\r\n0;0;~D:(%s|*.txt)\r\nListe\r\n' "$WORK/in"
  for i in $(seq 1 98); do
    page=$([[ $((i % 2)) -eq 0 ]] && echo a || echo b)
    printf '%s\r\n0;0;~L:(%%)~F0\r\nSchritt %s\r\n' "$WORK/$page.html" "$i"
  done
  printf '=\r\n0;0;~G:2\r\nweiter\r\n'
} >"$WORK/soak.txt"


"$BUILD/src/rovanta" --play "$WORK/soak.txt" >"$WORK/soak.log" 2>&1 &
PID=$!
sleep 60
first=$(pss_tree "$PID")
sleep $((DURATION - 60))
last=$(pss_tree "$PID")
alive=yes
if ! kill -0 "$PID" 2>/dev/null; then
  alive=no
  echo "--- the program ended early; its last output ---"
  tail -20 "$WORK/soak.log"
fi
kill "$PID" 2>/dev/null || true
wait "$PID" 2>/dev/null || true
rm -rf "$WORK"
awk -v a="$first" -v b="$last" -v d="$DURATION" -v alive="$alive" 'BEGIN {
  printf "soak %d s: PSS after 60 s %d KiB, at the end %d KiB, growth %.1f %%, still running: %s\n",
         d, a, b, 100 * (b - a) / a, alive }'
