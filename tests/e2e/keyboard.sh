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
trap 'cleanup; stop_xorg' EXIT

source "$(dirname "$0")/typing.sh"

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
