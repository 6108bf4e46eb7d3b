#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds and runs every test. The end-to-end tests
# start their own virtual X server when there is no display.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh dev
source scripts/webengine-env.sh
ctest --preset dev "$@"

# The Debian package: built from the release build, validated, unpacked and
# started.
bash tests/e2e/package.sh "$(bash scripts/package.sh)" artifacts

# The core tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
bash scripts/build.sh asan
ctest --preset asan

# Every fuzz target for a short while, so a regression is caught.
bash scripts/fuzz.sh 20
