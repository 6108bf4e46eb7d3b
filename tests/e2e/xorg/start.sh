# SPDX-License-Identifier: GPL-3.0-or-later
# Starts Xorg with the dummy video driver on a free display and exports
# DISPLAY; sourced by the scripts that need keyboard layouts. Stops the
# server on exit (after the caller's own cleanup, which it chains).
if [[ $(id -u) -ne 0 ]]; then
  echo "SKIP: Xorg with the dummy driver needs root here"
  exit 77
fi
XORG_DIR="$(mktemp -d)"
for n in $(seq 60 99); do
  [[ -e "/tmp/.X11-unix/X$n" || -e "/tmp/.X$n-lock" ]] || break
done
Xorg ":$n" -config "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/dummy.conf" \
  -noreset -nolisten tcp -keeptty -logfile "$XORG_DIR/xorg.log" >"$XORG_DIR/out" 2>&1 &
XORG_PID=$!
export DISPLAY=":$n"
for _ in $(seq 100); do
  xdpyinfo >/dev/null 2>&1 && break
  sleep 0.1
done
xdpyinfo >/dev/null 2>&1 || { echo "FAIL: Xorg did not start"; tail -20 "$XORG_DIR/out"; exit 1; }
stop_xorg() {
  kill "$XORG_PID" 2>/dev/null || true
  wait "$XORG_PID" 2>/dev/null || true
  rm -rf "$XORG_DIR"
}

# Locks the keyboard to layout group N (0-based), as a user switching
# layouts does.
lock_group() {
  python3 -c '
import ctypes, sys
x = ctypes.cdll.LoadLibrary("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
d = ctypes.c_void_p(x.XOpenDisplay(None))
x.XkbLockGroup(d, 0x100, int(sys.argv[1]))
x.XSync(d, 0)' "$1"
}
