#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the Debian package: its dependency line, lintian, the desktop entry,
# the AppStream metadata and the manual page; then unpacks it into a
# temporary root and starts the unpacked program, as a user who cannot
# write its folder, until its start page is shown.
# Usage: package.sh <package.deb> <artefact folder>
set -euo pipefail

DEB="$(realpath "$1")"
source "$(dirname "$0")/lib.sh" "$DEB" "$2"
chmod 755 "$WORK"

echo "package: $(basename "$DEB"), $(stat -c %s "$DEB") bytes"
depends="$(dpkg-deb -f "$DEB" Depends)"
echo "Depends: $depends"
[[ "$depends" == *libqt6webenginewidgets6* && "$depends" == *libxtst6* ]] ||
  fail "the dependency line lacks the shared libraries: $depends"
lintian --fail-on error "$DEB" || fail "lintian reports errors"

ROOT="$WORK/root"
dpkg -x "$DEB" "$ROOT"
desktop-file-validate "$ROOT/usr/share/applications/rovanta.desktop" ||
  fail "desktop-file-validate"
appstreamcli validate --no-net "$ROOT/usr/share/metainfo/org.rovanta.Rovanta.metainfo.xml" ||
  fail "appstreamcli validate"
manual="$(man -l "$ROOT/usr/share/man/man1/rovanta.1.gz" 2>/dev/null)"
[[ "$manual" == *EXIT-STATUS* ]] || fail "the manual page does not read"
for size in 16x16 32x32 48x48 64x64 128x128 256x256 scalable; do
  ls "$ROOT/usr/share/icons/hicolor/$size/apps/rovanta."* >/dev/null || fail "no $size icon"
done
version="$(env -u DISPLAY "$ROOT/usr/bin/rovanta" --version)"
packaged="$(dpkg-deb -f "$DEB" Version)"
[[ "${version%%$'\n'*}" == "rovanta ${packaged%-*}" ]] || fail "--version says $version, the package $packaged"
[[ "$version" == *"GPLv3+"* ]] || fail "--version names no licence: $version"

# The unpacked program, run by a user who cannot write its folder: its data
# folder is made with the demo tour and the start page.
USER_HOME="$WORK/nobody"
mkdir -p "$USER_HOME"
chown nobody "$USER_HOME"
cp "${XAUTHORITY:-/dev/null}" "$WORK/xauth" 2>/dev/null || true
chmod 644 "$WORK/xauth"
run_as_nobody() {
  setpriv --reuid=nobody --regid=nogroup --clear-groups \
    env HOME="$USER_HOME" XDG_DATA_HOME="$USER_HOME/data" XDG_CONFIG_HOME="$USER_HOME/config" \
    XAUTHORITY="$WORK/xauth" DISPLAY="$DISPLAY" "$@"
}
QT_LOGGING_RULES="rovanta.browser.info=true" run_as_nobody "$ROOT/usr/bin/rovanta" >"$LOG" 2>&1 &
PID=$!
for _ in $(seq 1 600); do
  grep -q 'DocumentComplete.*start\.html' "$LOG" && break
  kill -0 "$PID" 2>/dev/null || fail "the unpacked program ended before its start page loaded"
  sleep 0.1
done
grep -q "DocumentComplete.*$ROOT/usr/lib/rovanta/start\.html.*ok: true" "$LOG" ||
  fail "the installed start page did not load"
for file in Rovanta.txt start.html demo/seite1.html; do
  [[ -f "$USER_HOME/data/rovanta/$file" ]] || fail "the data folder lacks $file"
done
icon=""
for _ in $(seq 1 50); do
  icon="$(xprop -name Kelmio _NET_WM_ICON 2>&1 || true)"
  [[ "$icon" == *"_NET_WM_ICON(CARDINAL) = "*"Icon ("* ]] && break
  sleep 0.1
done
[[ "$icon" == *"_NET_WM_ICON(CARDINAL) = "*"Icon ("* ]] || fail "the window has no icon: ${icon:0:200}"
sleep 2
import -window root "$ARTIFACTS/package.png" || true
kill "$PID"
wait "$PID" 2>/dev/null || true
PID=""

# The demo tour in the data folder plays to its end.
out="$(run_as_nobody env -u DISPLAY timeout 120 "$ROOT/usr/bin/rovanta" --headless \
  "$USER_HOME/data/rovanta/Rovanta.txt" 2>>"$LOG")" || fail "the demo tour did not play to its end"
[[ "$out" == *"> TOUR BEENDET! <"* ]] || fail "the demo tour did not end: $out"
echo "PASS: the package validates and its unpacked program starts (see $ARTIFACTS/package.png)"
