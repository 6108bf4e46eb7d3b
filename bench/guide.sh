#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What recording a guide costs a tour, in the real program under a 1280x1024
# virtual X server: a 20-step tour (each step types 10 letters on its own
# page) played with --guide against the same tour without, side by side.
# Prints the typing pace (the mean wait between two keys of one action text;
# the way from one step's last key to the next step's first is the tour's,
# not the typing's) and the whole tour's span, each against the run without,
# and the time each picture took on the step's path (encoding and writing
# run on a worker).
# Usage: bench/guide.sh [build folder] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${1:-build/release}"
RUNS="${2:-3}"
source bench/lib.sh
export QT_LOGGING_RULES="rovanta.ui.info=true
rovanta.input.info=true"
stamped_run_in_work_folder

printf '19200/15000\r\n01\r\n' >"$WORK/tour.txt"
for n in $(seq 1 20); do
  printf '<form><input id="f0" autofocus></form><p>Seite %s</p>' "$n" >"$WORK/s$n.html"
  printf '%s\r\n%s\r\n%s\r\n' "$WORK/s$n.html" "600;300;abcdefghij" "Schritt $n" >>"$WORK/tour.txt"
done

# The whole tour's span from its first key to its last, the typing pace (the
# mean wait between two keys of one action text) and the picture times.
play() {
  "$BUILD/src/rovanta" --unattended "$@" "$WORK/tour.txt" >"$WORK/run.log" 2>&1 || true
  awk '$2 == "Step" { last = 0 }
       $2 == "KeyDown" { if (!first) first = $1
                         if (last) { gaps += $1 - last; n++ }
                         last = $1; end = $1 }
       $2 == "Picture" { pictures++; sum += $5; if ($5 > max) max = $5 }
       END { printf "%.3f %.2f", end - first, gaps / n * 1000
             if (pictures) printf " %d %.1f %d", pictures, sum / pictures, max
             printf "\n" }' "$WORK/run.log"
}

# The two runs of a pair take turns going first, so that what changes from
# one run to the next (the engine's cache in the shared home) favours neither.
for run in $(seq 1 "$RUNS"); do
  if ((run % 2)); then
    read -r span pace < <(play)
    read -r gspan gpace pictures mean max < <(play --guide "$WORK/anleitung")
  else
    read -r gspan gpace pictures mean max < <(play --guide "$WORK/anleitung")
    read -r span pace < <(play)
  fi
  awk -v s="$span" -v p="$pace" -v gs="$gspan" -v gp="$gpace" -v n="$pictures" -v mean="$mean" \
      -v max="$max" 'BEGIN {
    printf "typing pace %.2f ms against %.2f ms per key: %.4f; whole tour %.3f s against %.3f s: %.4f; %d pictures, %.1f ms each on the step (max %d ms)\n",
      gp, p, gp / p, gs, s, gs / s, n, mean, max }'
done
