#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A played tour writes its guide: headless with --guide and --screenshots,
# and in a window on an X server. Every page and picture of the guide is there and linked, the
# pictures show the pages (their colours), the click is ringed, the words
# say what the action text did, and the report names each step's picture.
# Each guide is also opened in the browser engine (guide_view), as its
# reader would: every page and picture loads, and → leads on.
# Usage: guide.sh <rovanta executable> <artefact folder> <guide_view executable>
set -euo pipefail

source "$(dirname "$0")/lib.sh"
VIEW="$3"

for page in rot:ff0000 gruen:00aa00 blau:0000ff; do
  name="${page%%:*}"
  printf '<html><body style="margin:0;background:#%s"><form><input id="f0" autofocus></form>%s</body></html>' \
    "${page##*:}" "<p style=\"color:white\">Seite $name</p>" >"$WORK/$name.html"
done
printf '%s\r\n' "19200/15000" "01" \
  "$WORK/rot.html" "0;0;abc" "Rot ausfüllen" \
  "$WORK/gruen.html" "900;420;" "Grün <anklicken>" \
  "$WORK/blau.html" "0;0;" "?" | iconv -f UTF-8 -t WINDOWS-1252 >"$WORK/tour.txt"

# Checks the guide in folder $1: pages, links, pictures, words.
check_guide() {
  local guide="$1"
  python3 - "$guide" <<'PY' || fail "the guide in $guide is not whole"
import html.parser, os, re, sys
folder = sys.argv[1]
class Links(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(); self.links = []
    def handle_starttag(self, tag, attrs):
        self.links += [v for k, v in attrs if k in ("href", "src")]
pages = ["index.html", "alle.html", "schritt-001.html", "schritt-002.html", "schritt-003.html"]
for page in pages:
    parser = Links(); parser.feed(open(os.path.join(folder, page), encoding="utf-8").read())
    for link in parser.links:
        assert os.path.exists(os.path.join(folder, link)), f"{page} links {link}"
one = open(os.path.join(folder, "schritt-001.html"), encoding="utf-8").read()
assert "Schritt 1 von 3" in one and "Aktion: tippt abc" in one, one
assert 'id="weiter" href="schritt-002.html"' in one, "→ leads on"
assert "schritt-001-danach.png" in one, "a picture after typing"
two = open(os.path.join(folder, "schritt-002.html"), encoding="utf-8").read()
assert "<h2>Grün &lt;anklicken&gt;</h2>" in two, two
md = open(os.path.join(folder, "anleitung.md"), encoding="utf-8").read()
named = set(re.findall(r"\]\(([^)]+\.png)\)", md))
present = {f for f in os.listdir(folder) if f.endswith(".png")}
assert named == present, f"Markdown names {named}, folder has {present}"
PY
  QT_QPA_PLATFORM=offscreen timeout 120 "$VIEW" "$guide" schritt-001.html schritt-002.html \
    >"$WORK/view.log" 2>&1 || fail "read in the browser engine: $(grep -v '^\[' "$WORK/view.log" | tail -5)"
  # The pictures show the pages, and only the step with a point is ringed.
  local colours=(x "srgb(255,0,0)" "srgb(0,170,0)" "srgb(0,0,255)")
  for n in 1 2 3; do
    local picture="$guide/schritt-00$n.png"
    local pixel
    pixel=$(convert "$picture" -alpha off -format '%[pixel:p{5,200}]' info:)
    [[ "$pixel" == "${colours[$n]}" ]] || fail "schritt-00$n.png shows $pixel at 5,200, not ${colours[$n]}"
    local ring
    ring=$(convert "$picture" -alpha off -fill black +opaque "rgb(220,20,20)" -fill white -opaque "rgb(220,20,20)" \
      -format '%[fx:mean>0]' info:)
    if [[ $n == 2 ]]; then
      [[ "$ring" == 1 ]] || fail "the click of step 2 is not ringed"
    else
      [[ "$ring" == 0 ]] || fail "step $n has a ring but no point"
    fi
  done
}

# Headless, with the folders named on the command line.
STATUS=0
env -u DISPLAY -u WAYLAND_DISPLAY timeout 90 "$EXE" --headless --guide "$WORK/anleitung" \
  --screenshots "$WORK/bilder" --report "$WORK/report.xml" "$WORK/tour.txt" >"$LOG" 2>&1 || STATUS=$?
[[ $STATUS -eq 0 ]] || fail "the headless run ended with status $STATUS"
grep -q "Anleitung angelegt auf: $WORK/anleitung" "$LOG" || fail "no message naming the guide"
check_guide "$WORK/anleitung"
for n in 1 2 3; do
  [[ -s "$WORK/bilder/schritt-00$n.png" ]] || fail "no screenshot of step $n"
  grep -q "\[\[ATTACHMENT|$WORK/bilder/schritt-00$n.png\]\]" "$WORK/report.xml" ||
    fail "the report does not attach step $n"
done
cp "$WORK/anleitung/schritt-002.png" "$ARTIFACTS/guide_headless_step.png"

# In a window on the X server: real keys and clicks, the pictures grabbed
# from the shown window.
STATUS=0
timeout 90 "$EXE" --unattended --guide "$WORK/fenster" "$WORK/tour.txt" >"$LOG" 2>&1 || STATUS=$?
[[ $STATUS -eq 0 ]] || fail "the run in a window ended with status $STATUS"
check_guide "$WORK/fenster"
cp "$WORK/fenster/schritt-002.png" "$ARTIFACTS/guide_window_step.png"
echo "PASS: the guide of a played tour, headless and in a window"
