#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the real program in a real window, waits until its start page has
# loaded and keeps a screenshot of the screen as an artefact.
# Usage: smoke.sh <rovanta executable> <artefact folder>
set -euo pipefail

source "$(dirname "$0")/lib.sh"

QT_LOGGING_RULES="rovanta.browser.info=true" "$EXE" >"$LOG" 2>&1 &
PID=$!

for _ in $(seq 1 600); do
  if grep -q 'DocumentComplete.*start\.html' "$LOG"; then
    break
  fi
  kill -0 "$PID" 2>/dev/null || fail "the program ended before its start page loaded"
  sleep 0.1
done
grep -q 'DocumentComplete.*start\.html.*ok: true' "$LOG" || fail "the start page did not load"

xwininfo -root -tree | grep -q '"Kelmio"' || fail "no window titled Kelmio"

# Give the compositor a moment to paint the loaded page.
SHOT="$ARTIFACTS/smoke.png"
for _ in $(seq 1 50); do
  sleep 0.2
  import -window root "$SHOT"
  colours="$(convert "$SHOT" -format %c histogram:info:-)"
  if grep -qi '#1F4E79' <<<"$colours"; then
    echo "PASS: start page shown, screenshot in $SHOT"
    exit 0
  fi
done
fail "the start page's header never appeared on screen (see $SHOT)"
