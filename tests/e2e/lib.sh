# SPDX-License-Identifier: GPL-3.0-or-later
# Shared set-up of the end-to-end scripts, sourced after "set -euo pipefail"
# with the script's own arguments: <rovanta executable> <artefact folder>.
# Restarts the script under a virtual X server when there is no display,
# gives the program a fresh home, defines fail(), and on exit stops the
# program started as $PID and removes the work folder.
if [[ -z "${DISPLAY:-}" ]]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/webengine-env.sh"

EXE="$1"
ARTIFACTS="$2"
mkdir -p "$ARTIFACTS"
WORK="$(mktemp -d)"
LOG="$WORK/rovanta.log"
export HOME="$WORK/home" XDG_DATA_HOME="$WORK/data" XDG_CONFIG_HOME="$WORK/config"
mkdir -p "$HOME"
PID=""

cleanup() {
  if [[ -n "$PID" ]]; then
    kill "$PID" 2>/dev/null || true
    wait "$PID" 2>/dev/null || true
  fi
  rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*"
  echo "--- program output ---"
  tail -40 "$LOG"
  exit 1
}
