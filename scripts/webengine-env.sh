# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts: Chromium refuses to run as root with its sandbox,
# and a virtual X server has no GPU.
if [[ $(id -u) -eq 0 ]]; then
  export QTWEBENGINE_DISABLE_SANDBOX=1
fi
export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:---disable-gpu}"
