#!/usr/bin/env bash
# Calcora: keyboard-driven mathematics for secondary-school pupils.
# SPDX-License-Identifier: GPL-3.0-or-later
# The class in a real window: system-wide settings name the pupil and a class
# folder with an assignment. A opens the assignment; the answers land in
# FOLDER/<login>.csv under the name set. While the folder is a file,
# practice.csv keeps the row and the practice screen says the folder cannot
# be reached; once it is back, the waiting row goes there before the next.
# A name typed in Options then goes on the rows, and is remembered.
source "$(dirname "$0")/lib.sh"
rm -f practice.csv
class="$WINDOW_TEST_DIR/7b"
mkdir -p "$WINDOW_TEST_DIR/etc/calcora" "$class"
printf 'pupil=Ola Test\nclass-folder=%s\n' "$class" >"$WINDOW_TEST_DIR/etc/calcora/settings"
printf 'title Week 3\nseed 1\ngcd 1 2\n' >"$class/assignment.txt"
export XDG_CONFIG_DIRS="$WINDOW_TEST_DIR/etc"
start_program "$1" --practice-seed 2026
keys a
shows_text assignment 55 20 900 30 '*Week 3: problem 1 of 2*' || fail "the assignment's page is headed: $SHOWN"
recorded=$(read_text assignment 415 610 500 24)
case "$recorded" in *"Recorded as: Ola Test"*) ;; *) fail "the practice screen reads: $recorded" ;; esac
file="$class/$(id -un).csv"
answer() { # types the answer $1, then waits for practice.csv to hold $2 lines
  keys Delete $(echo "$1" | sed 's/./& /g') Return
  file_has_lines practice.csv "$2" || fail "practice.csv holds: $(cat practice.csv)"
}
answer 999 2
file_has_lines "$file" 2 || fail "the class file holds: $(cat "$file" 2>&1)"

mv "$class" "$class.away"
echo "not a folder" >"$class"
answer 998 3
says_unreachable() {
  screenshot unreachable
  convert "$WINDOW_TEST_DIR/unreachable.png" -crop 900x120+55+140 +repage -colorspace gray -resize 400% "$WINDOW_TEST_DIR/crop.png"
  said=$(tesseract "$WINDOW_TEST_DIR/crop.png" - --psm 6 2>/dev/null | tr '\n' ' ')
  [[ "$said" == *"class folder cannot be reached"* ]]
}
eventually says_unreachable || fail "no word of the class folder: $said"
eventually grep -q "cannot reach the class folder $class" "$WINDOW_TEST_DIR/stderr" || fail "stderr: $(program_errors)"

rm "$class"
mv "$class.away" "$class"
answer 997 4
file_has_lines "$file" 4
[ "$(cut -d, -f1,3,4,6 "$file")" = "pupil,exercise,level,answer
Ola Test,gcd,1,999
Ola Test,gcd,1,998
Ola Test,gcd,1,997" ] || fail "the class file holds: $(cat "$file")"
[ "$(grep -c . "$WINDOW_TEST_DIR/stderr")" = 1 ] || fail "stderr: $(program_errors)"

# A name typed in Options on a Polish keyboard (AltGr and l: ł) goes on the next row.
setxkbmap pl
keys Escape Down Down Down Down Return Down Down Down Down Down Return $(printf 'BackSpace %.0s' $(seq 8)) \
  shift+Lstroke u c j a space shift+Zabovedot o k Return Escape a
answer 996 5
file_has_lines "$file" 5
[ "$(tail -n 1 "$file" | cut -d, -f1)" = "Łucja Żok" ] || fail "the class file holds: $(cat "$file")"
grep -qx "pupil=Łucja Żok" "$XDG_CONFIG_HOME/calcora/settings" || fail "the settings hold: $(cat "$XDG_CONFIG_HOME/calcora/settings")"
keys Escape
rm -f practice.csv
echo "ok"
