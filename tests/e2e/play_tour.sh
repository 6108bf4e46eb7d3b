#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays the form-and-folder tour in the real program (rovanta --play) in a
# real window and checks every file written, byte for byte.
# Usage: play_tour.sh <rovanta executable> <artefact folder>
set -euo pipefail

source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/folder_tour.sh"
write_folder_tour
# The user allowed this tour's file tokens before: it plays without a question.
mkdir -p "$HOME/.local/state/rovanta"
sha256sum "$WORK/tour.txt" | cut -c1-64 >"$HOME/.local/state/rovanta/trusted-tours"

QT_LOGGING_RULES="rovanta.*.info=true" timeout 150 "$EXE" --play "$WORK/tour.txt" >"$LOG" 2>&1 &
PID=$!

# Keep a picture of the tour at work.
sleep 8
import -window root "$ARTIFACTS/play_tour.png" || true

STATUS=0
wait "$PID" || STATUS=$?
[[ $STATUS -eq 0 ]] || fail "the program ended with status $STATUS (124: it never quit)"
check_folder_tour_files
echo "PASS: every file written as expected and the program quit"
