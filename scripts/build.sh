#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds one CMake preset (default: dev) after the set-up.
set -euo pipefail
cd "$(dirname "$0")/.."
PRESET="${1:-dev}"
bash scripts/setup.sh
if [[ ! -f "build/$PRESET/build.ninja" ]]; then
  cmake --preset "$PRESET" >/dev/null
fi
cmake --build --preset "$PRESET"
