# SPDX-License-Identifier: GPL-3.0-or-later
# Shared parts of the measuring scripts, sourced from the repository root with
# the script's own arguments: restarts under a virtual X server when there is
# no display, and measures the memory of a process tree.
if [[ -z "${DISPLAY:-}" ]]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi
source scripts/webengine-env.sh

# PSS in KiB of a process, its children and grandchildren.
pss_tree() {
  local total=0 pid child
  for pid in $1 $(pgrep -P "$1" || true); do
    for child in $(pgrep -P "$pid" || true); do
      total=$((total + $(awk '/^Pss:/ {print $2}' /proc/"$child"/smaps_rollup 2>/dev/null || echo 0)))
    done
    total=$((total + $(awk '/^Pss:/ {print $2}' /proc/"$pid"/smaps_rollup 2>/dev/null || echo 0)))
  done
  echo "$total"
}

# The program stamps its own messages with its own clock, and runs with a
# fresh home in a work folder ($WORK) that is removed on exit.
stamped_run_in_work_folder() {
  export QT_MESSAGE_PATTERN="%{time process} %{message}"
  WORK="$(mktemp -d)"
  trap 'rm -rf "$WORK"' EXIT
  export HOME="$WORK"
}
