# SPDX-License-Identifier: GPL-3.0-or-later
# Tours that type into the form page, sourced after lib.sh: play starts the
# program on a tour, finish waits for it to quit, check_file compares what
# an entry saved.
source "$(dirname "${BASH_SOURCE[0]}")/folder_tour.sh"

cp "$(dirname "${BASH_SOURCE[0]}")/pages/form.html" "$WORK/form.html"
# The page and the point each entry clicks; a caller may choose others.
PAGE="$WORK/form.html"
CLICK="900;520"
# What the program is started with: an environment for it, for example.
LAUNCH=(env)
TABLE="abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-,/+*"

# Plays a tour of the form page whose entries type their text into the
# first field and save it to $WORK/outN.txt ("-" is an entry that waits
# for the next); the program's log goes to $LOG.
play() {
  local entries=() n=0
  for text in "$@"; do
    n=$((n + 1))
    if [[ "$text" == "-" ]]; then
      entries+=("=" "0;0;" "Pause")
    else
      entries+=("$PAGE" "$CLICK;$text~S:($WORK/out$n.txt|0)" "Eintrag $n")
    fi
  done
  printf '%s\r\n' "19200/15000" "03" "${entries[@]}" "=" "0;0;~Q" "Ende" >"$WORK/keys.txt"
  rm -f "$WORK"/out*.txt
  QT_LOGGING_RULES="rovanta.ui.info=true" timeout 120 "${LAUNCH[@]}" "$EXE" --play --allow-local-files \
    "$WORK/keys.txt" >"$LOG" 2>&1 &
  PID=$!
}

finish() {
  local status=0
  wait "$PID" || status=$?
  PID=""
  [[ $status -eq 0 ]] || fail "the program ended with status $status"
}

