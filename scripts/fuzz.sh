#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets and runs each for a while (default 20 s) on a
# copy of its seed corpus. Fails on the first finding (crash, leak, hang).
# Usage: scripts/fuzz.sh [seconds per target] [target ...]
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_EACH="${1:-20}"
shift || true
bash scripts/build.sh fuzz
TARGETS=("$@")
if ((${#TARGETS[@]} == 0)); then
  TARGETS=(FuzzTourText FuzzTourFile FuzzConfig FuzzPositionEntry FuzzWildcard FuzzActionText)
fi
for target in "${TARGETS[@]}"; do
  corpus="$(mktemp -d)"
  cp fuzz/corpus/"$target"/* "$corpus"/
  log="$(mktemp)"
  if ! (cd "$corpus" && "$OLDPWD/build/fuzz/fuzz/$target" -max_total_time="$SECONDS_EACH" \
        -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$corpus/" \
        "$corpus") >"$log" 2>&1; then
    tail -40 "$log"
    echo "FAIL: $target found a fault (inputs kept in $corpus)"
    exit 1
  fi
  runs=$(awk '/stat::number_of_executed_units/ {print $NF}' "$log")
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1)
  echo "fuzz $target: ${runs:-0} runs, $cov, no finding"
  rm -rf "$corpus" "$log"
done
