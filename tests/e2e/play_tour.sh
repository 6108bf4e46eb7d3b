#!/usr/bin/env bash
# Plays a tour in the real program (rovanta --play) that types into a form,
# pastes, writes and saves fields, loops over a folder of three text files
# and ends the program with "~Q". Checks every file written, byte for byte.
# Usage: play_tour.sh <rovanta executable> <artefact folder>
set -euo pipefail

source "$(dirname "$0")/lib.sh"
PAGES="$(cd "$(dirname "$0")/pages" && pwd)"
mkdir -p "$WORK/in"
cp "$PAGES/form.html" "$WORK/form.html"
printf 'Anna' >"$WORK/in/a.txt"
printf 'Bert' >"$WORK/in/b.txt"
printf 'Carl' >"$WORK/in/c.txt"

# The tour: header, interval, then URL / position / hint per entry.
# The point 900;520 lies in the browser, where the page's first field is.
printf '%s\r\n' \
  "19200/15000" "01" \
  "$WORK/form.html" "900;520;Ab12-3~T[hello world]~V[Feld]~F2~S:($WORK/out0.txt|0)~S:($WORK/out1.txt|1)~S:($WORK/out2.txt|2)" "Formular" \
  "=" "0;0;~D:($WORK/in|*.txt)" "Liste" \
  "$WORK/form.html" "900;520;~L:(%)~V~S:(%.out|0)~G:3" "Schleife" \
  "=" "0;0;~Q" "Ende" >"$WORK/tour.txt"

QT_LOGGING_RULES="rovanta.*.info=true" timeout 150 "$EXE" --play "$WORK/tour.txt" >"$LOG" 2>&1 &
PID=$!

# Keep a picture of the tour at work.
sleep 8
import -window root "$ARTIFACTS/play_tour.png" || true

STATUS=0
wait "$PID" || STATUS=$?
[[ $STATUS -eq 0 ]] || fail "the program ended with status $STATUS (124: it never quit)"

check() {
  local file="$1" expected="$2"
  [[ -f "$file" ]] || fail "$file was not written"
  local actual
  actual="$(od -An -c "$file" | tr -s ' ')"
  local want
  want="$(printf '%s\r\n' "$expected" | od -An -c | tr -s ' ')"
  [[ "$actual" == "$want" ]] || fail "$(basename "$file"): got [$actual], want [$want]"
}
check "$WORK/out0.txt" "Ab12-3"
check "$WORK/out1.txt" "hello world"
check "$WORK/out2.txt" "Feld"
check "$WORK/in/a.out" "Anna"
check "$WORK/in/b.out" "Bert"
check "$WORK/in/c.out" "Carl"
echo "PASS: every file written as expected and the program quit"
