#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a source, test, script or CMake file of ours lacks the licence
# line in its first two lines (the second one after a "#!" line).
set -euo pipefail
cd "$(dirname "$0")/.."

status=0
while IFS= read -r file; do
  if ! head -n 2 "$file" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later'; then
    echo "licence check: $file has no SPDX-License-Identifier line" >&2
    status=1
  fi
done < <(find src tests scripts cmake bench fuzz .ci CMakeLists.txt -type f \
           \( -name '*.cpp' -o -name '*.h' -o -name '*.sh' -o -name '*.cmake' \
              -o -name CMakeLists.txt -o -path .ci/run \) | sort)
if ((status == 0)); then
  echo "licence check: every file names its licence"
fi
exit "$status"
