#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A Wayland session: weston nested in an X server, with Xwayland. Started
# as a session starts it (no QT_QPA_PLATFORM), the program runs on Xwayland
# and types with XTest; forced onto native Wayland, its synthetic keys
# arrive. Either way the maximised window fits the 1024×600 output.
# Usage: wayland.sh <rovanta executable> <artefact folder>
set -euo pipefail

source "$(dirname "$0")/xorg/start.sh"
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/typing.sh"

export XDG_RUNTIME_DIR="$WORK/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
weston --backend=x11-backend.so --xwayland --socket=rovanta-test --width=1024 --height=600 \
  --log="$WORK/weston.log" >/dev/null 2>&1 &
WESTON=$!
trap 'cleanup; kill $WESTON 2>/dev/null || true; wait $WESTON 2>/dev/null || true; stop_xorg' EXIT
for _ in $(seq 100); do grep -q "xserver listening on display" "$WORK/weston.log" && break; sleep 0.1; done
XWAYLAND=$(grep -o "xserver listening on display :[0-9]*" "$WORK/weston.log" | grep -o ":[0-9]*$") ||
  { echo "FAIL: weston started no Xwayland"; tail -20 "$WORK/weston.log"; exit 1; }

# The page focuses its field itself; the entries click nothing (0;0).
printf '<form><textarea id="f0" autofocus style="width:90vw;height:50vh"></textarea></form>' >"$WORK/auto.html"
PAGE="$WORK/auto.html"
CLICK="0;0"

# As a Wayland session starts a program.
SESSION=(env -u QT_QPA_PLATFORM WAYLAND_DISPLAY=rovanta-test DISPLAY="$XWAYLAND"
         XDG_SESSION_TYPE=wayland)

for mode in session native; do
  LAUNCH=("${SESSION[@]}")
  [[ $mode == native ]] && LAUNCH+=(QT_QPA_PLATFORM=wayland)
  play "$TABLE"
  finish
  check_file "$WORK/out1.txt" "$TABLE"
  platform=$(grep -o 'Platform "[a-z]*"' "$LOG" || true)
  echo "$mode: $platform, the typing table arrived"
  if [[ $mode == session ]]; then
    [[ "$platform" == *xcb* ]] || fail "a Wayland session with Xwayland must run on it: $platform"
  else
    [[ "$platform" == *wayland* ]] || fail "QT_QPA_PLATFORM=wayland must win: $platform"
  fi
  grep -q "does not match the configured" "$WORK/weston.log" "$LOG" &&
    fail "the compositor refused the window's size"
done
echo "PASS: keys arrive in a Wayland session, on Xwayland and natively"
