#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds and starts Rovanta. Without a display the
# program runs under a virtual X server.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh dev
source scripts/webengine-env.sh
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" build/dev/src/rovanta
fi
exec build/dev/src/rovanta
