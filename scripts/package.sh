#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the release build (the program only, not
# its tests); prints the package's path.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
if [[ ! -f build/release/build.ninja ]]; then
  cmake --preset release >/dev/null
fi
cmake --build --preset release --target rovanta rovanta_package_files >&2
(cd build/release && cpack -G DEB >&2)
ls -t build/release/rovanta_*_amd64.deb | head -1
