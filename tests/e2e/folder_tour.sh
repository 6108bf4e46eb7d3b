# SPDX-License-Identifier: GPL-3.0-or-later
# The form-and-folder tour both play_tour.sh and headless.sh play, sourced
# after lib.sh: it types into a form, pastes, writes and saves fields, loops
# over a folder of three text files and ends the program with "~Q".

# Writes the form page, the folder and the tour to $WORK/tour.txt.
write_folder_tour() {
  local pages
  pages="$(cd "$(dirname "${BASH_SOURCE[0]}")/pages" && pwd)"
  mkdir -p "$WORK/in"
  cp "$pages/form.html" "$WORK/form.html"
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
}

check_file() {
  local file="$1" expected="$2"
  [[ -f "$file" ]] || fail "$file was not written"
  local actual want
  actual="$(od -An -c "$file" | tr -s ' ')"
  want="$(printf '%s\r\n' "$expected" | od -An -c | tr -s ' ')"
  [[ "$actual" == "$want" ]] || fail "$(basename "$file"): got [$actual], want [$want]"
}

# Checks every file the tour writes, byte for byte.
check_folder_tour_files() {
  check_file "$WORK/out0.txt" "Ab12-3"
  check_file "$WORK/out1.txt" "hello world"
  check_file "$WORK/out2.txt" "Feld"
  check_file "$WORK/in/a.out" "Anna"
  check_file "$WORK/in/b.out" "Bert"
  check_file "$WORK/in/c.out" "Carl"
}
