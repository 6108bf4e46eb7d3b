#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Keys on a real X server that honours keyboard layouts (Xorg, dummy
# driver): the whole typing table arrives as itself with "us", "de", "fr",
# and with two layouts where the second is active; a layout changed between
# two entries is followed.
# Usage: keyboard.sh <rovanta executable> <artefact folder>
set -euo pipefail

source "$(dirname "$0")/xorg/start.sh"
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/folder_tour.sh"
trap 'cleanup; stop_xorg' EXIT

cp "$(dirname "$0")/pages/form.html" "$WORK/form.html"
TABLE="abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-,/+*"

# Plays a tour of the form page whose entries type their text into the
# first field and save it to $WORK/outN.txt ("-" is an entry that waits
# for the next); the program's log goes to $LOG.
play() {
  local entries=() n=0
  for text in "$@"; do
    n=$((n + 1))
    if [[ "$text" == "-" ]]; then
      entries+=("=" "0;0;" "Pause")
    else
      entries+=("$WORK/form.html" "900;520;$text~S:($WORK/out$n.txt|0)" "Eintrag $n")
    fi
  done
  printf '%s\r\n' "19200/15000" "03" "${entries[@]}" "=" "0;0;~Q" "Ende" >"$WORK/keys.txt"
  rm -f "$WORK"/out*.txt
  QT_LOGGING_RULES="rovanta.ui.info=true" timeout 120 "$EXE" --play --allow-local-files \
    "$WORK/keys.txt" >"$LOG" 2>&1 &
  PID=$!
}

finish() {
  local status=0
  wait "$PID" || status=$?
  PID=""
  [[ $status -eq 0 ]] || fail "the program ended with status $status"
}

for layout in us de fr us,de:1 de,us:1; do
  name="${layout%%:*}"
  setxkbmap -layout "$name"
  [[ "$layout" == *:* ]] && lock_group "${layout##*:}"
  play "$TABLE"
  finish
  check_file "$WORK/out1.txt" "$TABLE"
  echo "layout $layout: the typing table arrived"
done

# A layout change while the program runs, between two entries.
setxkbmap -layout us
play "yz" "-" "yz"
for _ in $(seq 300); do grep -q "Step 2" "$LOG" && break; sleep 0.1; done
grep -q "Step 2" "$LOG" || fail "the second entry never began"
setxkbmap -layout us,de
lock_group 1
finish
check_file "$WORK/out1.txt" "yz"
check_file "$WORK/out3.txt" "yz"
echo "PASS: the typing table arrives on every layout, and a layout change is followed"
