#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Unattended runs with no display at all: --help, wrong calls, the
# form-and-folder tour headless with its report, a tour that ends, and a
# page that never answers ending the run at its time-out.
# Usage: headless.sh <rovanta executable> <artefact folder>
set -euo pipefail

source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/folder_tour.sh"
# Whatever display lib.sh found or started, the program gets none.
nodisplay() { env -u DISPLAY -u WAYLAND_DISPLAY "$@"; }

status_of() {
  local status=0
  "$@" >>"$LOG" 2>&1 || status=$?
  echo "$status"
}

out="$(nodisplay "$EXE" --help)" || fail "--help failed without a display"
[[ "$out" == *"Exit-Status"* && "$out" == *"--timeout SEKUNDEN"* ]] || fail "--help: $out"
[[ "$(status_of nodisplay "$EXE" --bogus)" == 2 ]] || fail "an unknown option must exit 2"
[[ "$(status_of nodisplay "$EXE" --headless "$WORK/none.txt")" == 4 ]] ||
  fail "a missing tour file must exit 4"

# The folder tour, byte for byte as in a window, and its report.
write_folder_tour
started=$(date +%s%N)
STATUS=$(status_of nodisplay timeout 120 "$EXE" --headless --allow-local-files \
  --report "$WORK/report.xml" "$WORK/tour.txt")
echo "headless folder tour: $(( ($(date +%s%N) - started) / 1000000 )) ms"
[[ $STATUS -eq 0 ]] || fail "the headless tour ended with status $STATUS"
check_folder_tour_files
report="$(cat "$WORK/report.xml")"
[[ "$report" == *'tests="6" failures="0"'* ]] || fail "report: $report"
[[ "$report" == *'name="Eintrag 3: Schleife (3. Durchlauf)"'* ]] || fail "report: $report"

# A tour that runs to its end says so and exits 0.
printf '%s\r\n' "19200/15000" "01" "$WORK/form.html" "0;0;" "Nur" >"$WORK/short.txt"
out="$(nodisplay timeout 60 "$EXE" --headless "$WORK/short.txt" 2>>"$LOG")" ||
  fail "the short tour did not exit 0"
[[ "$out" == *"Kelmio: > TOUR BEENDET! <"* ]] || fail "no end message in: $out"

# A loopback server that accepts and never answers.
python3 -c '
import socket, sys, time
s = socket.socket(); s.bind(("127.0.0.1", 0)); s.listen()
print(s.getsockname()[1], flush=True); time.sleep(120)' >"$WORK/port" &
SERVER=$!
trap 'kill $SERVER 2>/dev/null || true; cleanup' EXIT
for _ in $(seq 50); do [[ -s "$WORK/port" ]] && break; sleep 0.1; done
printf '%s\r\n' "19200/15000" "01" "http://127.0.0.1:$(cat "$WORK/port")/never" "0;0;" "Steht" \
  >"$WORK/slow.txt"
# The time runs from the step taking up the entry to the program's end.
env -u DISPLAY -u WAYLAND_DISPLAY QT_LOGGING_RULES="rovanta.ui.info=true" timeout 60 \
  "$EXE" --headless --timeout 3 --report "$WORK/slow.xml" "$WORK/slow.txt" >"$WORK/slow.log" 2>&1 &
PID=$!
started=""
while kill -0 "$PID" 2>/dev/null; do
  if [[ -z "$started" ]] && grep -q "Step 1" "$WORK/slow.log"; then
    started=$(date +%s%N)
  fi
  sleep 0.05
done
STATUS=0
wait "$PID" || STATUS=$?
PID=""
cat "$WORK/slow.log" >>"$LOG"
[[ -n "$started" ]] || fail "the step never began"
took=$(( ($(date +%s%N) - started) / 1000000 ))
echo "time-out run: status $STATUS, ended $took ms after the step began"
[[ $STATUS -eq 3 ]] || fail "the time-out must exit 3, got $STATUS"
(( took < 5000 )) || fail "the time-out of 3 s ended the run only after $took ms"
grep -q "Eintrag 1, http://127.0.0.1" "$LOG" || fail "no time-out message naming the entry"
grep -q '<failure type="timeout"' "$WORK/slow.xml" || fail "the report shows no failure"

# Stopped by a signal, the run still leaves its report.
env -u DISPLAY -u WAYLAND_DISPLAY QT_LOGGING_RULES="rovanta.ui.info=true" \
  "$EXE" --headless --report "$WORK/stopped.xml" \
  "$WORK/slow.txt" >"$WORK/stopped.log" 2>&1 &
PID=$!
for _ in $(seq 300); do grep -q "Step 1" "$WORK/stopped.log" && break; sleep 0.1; done
sleep 1
kill -TERM "$PID"
STATUS=0
wait "$PID" || STATUS=$?
PID=""
[[ $STATUS -eq 143 ]] || fail "SIGTERM must end the run with 143, got $STATUS"
grep -q 'name="Eintrag 1: Steht"' "$WORK/stopped.xml" || fail "no report after SIGTERM: $(tail -5 "$WORK/stopped.log")"
# The first keys of the first entry go into the field the page focuses
# itself (autofocus); the report lands where the caller is, not in the
# program's folder; nothing allowed for the run is remembered.
printf '<form><input id="f0" autofocus><input id="f1"></form>' >"$WORK/auto.html"
printf '%s\r\n' "19200/15000" "01" "$WORK/auto.html" \
  "0;0;xyz~Tabc~S:($WORK/o0.txt|0)~S:($WORK/o1.txt|1)~Q" "Autofokus" >"$WORK/auto.txt"
mkdir -p "$WORK/caller"
STATUS=$(cd "$WORK/caller" && status_of nodisplay timeout 60 "$EXE" --headless \
  --allow-local-files --report rel.xml ../auto.txt)
[[ $STATUS -eq 0 ]] || fail "the autofocus tour ended with status $STATUS"
check_file "$WORK/o0.txt" "xyz"
check_file "$WORK/o1.txt" "abc"
[[ -f "$WORK/caller/rel.xml" ]] || fail "--report rel.xml was not written into the caller's folder"
[[ ! -s "$HOME/.local/state/rovanta/trusted-tours" ]] ||
  fail "--allow-local-files trusted the tour for later runs"
[[ "$(status_of nodisplay "$EXE" --headless "$WORK")" == 4 ]] || fail "a folder as tour must exit 4"

# Random and truncated tour files end with a defined status, every step
# within the time-out: --timeout bounds each whole step, page and action.
python3 -c '
import random, sys
for seed in (1, 2):
    r = random.Random(seed)
    open(f"{sys.argv[1]}/random{seed}.txt", "wb").write(r.randbytes(300000))' "$WORK"
head -c 150 "$WORK/auto.txt" >"$WORK/truncated.txt"
for tour in random1 random2 truncated; do
  started=$(date +%s)
  STATUS=$(status_of nodisplay timeout 90 "$EXE" --headless --timeout 5 \
    --report "$WORK/$tour.xml" "$WORK/$tour.txt")
  took=$(( $(date +%s) - started ))
  echo "$tour: status $STATUS after $took s"
  [[ $STATUS -eq 0 || $STATUS -eq 3 ]] || fail "$tour ended with status $STATUS"
  python3 -c '
import sys, xml.etree.ElementTree as t
times = [float(c.get("time")) for c in t.parse(sys.argv[1]).iter("testcase")]
sys.exit(0 if all(x <= 5.2 for x in times) else f"a step took {max(times)} s")' "$WORK/$tour.xml" ||
    fail "$tour: a step outlasted the time-out"
done
echo "PASS: headless runs, their exit statuses and reports"
