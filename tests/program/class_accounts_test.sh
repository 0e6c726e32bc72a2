#!/usr/bin/env bash
# Calcora: keyboard-driven mathematics for secondary-school pupils.
# SPDX-License-Identifier: GPL-3.0-or-later
# The class folder with real accounts: a teacher in a teachers' group and two
# pupils. The teacher makes the drop box with --class-setup; each pupil's
# rows go to a file of their own that no other pupil can list, read, change,
# rename or delete, nor the assignment; a file one pupil made in another's
# name first is never written by the other's program, whose rows wait, and
# the report flags it; a pupil cannot make the report.
# Usage: class_accounts_test.sh CALCORA CALCORA_TESTS
set -u
calcora=$1 tests=$2
fail() { echo "FAIL: $*"; exit 1; }
"$calcora" --class-setup only-a-folder 2>/dev/null; [ $? = 2 ] || fail "--class-setup took one argument"
said=$("$calcora" --class-setup "/tmp/calcora-no-folder-$$" "no-such-group-$$" 2>&1); [ $? = 1 ] || fail "a missing group: $said"
[ "$said" = "calcora: there is no group no-such-group-$$" ] && [ ! -e "/tmp/calcora-no-folder-$$" ] || fail "a missing group: $said"
[ "$(id -u)" = 0 ] || { echo "needs root, to make the accounts"; exit 77; }
tag=c$$
teacher=${tag}t pupil1=${tag}a pupil2=${tag}b teachers=${tag}g
here=$(mktemp -d /tmp/calcora-class.XXXXXX)
cleanup() {
  for user in "$teacher" "$pupil1" "$pupil2"; do userdel "$user" 2>/dev/null; done
  groupdel "$teachers" 2>/dev/null
  rm -rf "$here"
}
trap cleanup EXIT
groupadd "$teachers" && useradd -M -U -G "$teachers" "$teacher" && useradd -M -U "$pupil1" && useradd -M -U "$pupil2" ||
  fail "cannot make the accounts"
chmod 755 "$here"
chown "$teacher" "$here"
as() { local user=$1; shift; (cd "$here" && runuser -u "$user" -- "$@"); }
folder=$here/7b

setup=$(as "$teacher" "$calcora" --class-setup "$folder" "$teachers") || fail "--class-setup: $setup"
case "$setup" in *"made $folder"*"set the group to $teachers"*"set the mode to 3733"*"made an empty assignment.txt"*) ;;
  *) fail "--class-setup said: $setup" ;; esac
[ "$(stat -c '%a %U %G' "$folder")" = "3733 $teacher $teachers" ] || fail "the folder is $(stat -c '%a %U %G' "$folder")"
as "$teacher" sh -c "printf 'title Week 3\ngcd 1 2\n' >'$folder/assignment.txt'"

# A pupil's program writes as that pupil: a file the teachers' group reads and no one else.
pupil_writes() { # pupil, what the program should find: sent or foreign
  as "$1" env CALCORA_CLASS_FOLDER="$folder" CALCORA_CLASS_EXPECT="$2" "$tests" \
    --gtest_filter=ClassFolderAccount.AppendsOnlyToItsOwnFile >"$here/out" 2>&1 || fail "$1's program: $(cat "$here/out")"
  grep -q "PASSED  \] 1 test" "$here/out" || fail "$1's program did not run: $(cat "$here/out")"
}
pupil_writes "$pupil1" sent
[ "$(stat -c '%a %U %G' "$folder/$pupil1.csv")" = "640 $pupil1 $teachers" ] ||
  fail "the class file is $(stat -c '%a %U %G' "$folder/$pupil1.csv")"

# What the system refuses the other pupil.
refused() { as "$pupil2" sh -c "$1" 2>/dev/null && fail "$pupil2 could: $1"; return 0; }
refused "ls '$folder'"
refused "cat '$folder/$pupil1.csv'"
refused "echo forged >>'$folder/$pupil1.csv'"
refused "rm -f '$folder/$pupil1.csv'"
refused "mv '$folder/$pupil1.csv' '$folder/gone.csv'"
refused "echo 'gcd 1 100' >>'$folder/assignment.txt'"
refused "rm -f '$folder/assignment.txt'"
refused "mv '$folder/assignment.txt' '$folder/old.txt'"
refused "echo 'gcd 1 100' >'$folder/new.txt' && mv -f '$folder/new.txt' '$folder/assignment.txt'"
refused "$calcora --class-report '$folder'"
[ -f "$folder/$pupil1.csv" ] && [ "$(stat -c %U "$folder/assignment.txt")" = "$teacher" ] || fail "a file went"

# A file in another's name, made first: the system lets it be made, the program never writes it.
as "$pupil1" sh -c "touch '$folder/$pupil2.csv'" || fail "$pupil1 could not make a file"
pupil_writes "$pupil2" foreign
[ -s "$folder/$pupil2.csv" ] && fail "$pupil2's rows went into $pupil1's file"

# Another's link is followed by no one; a file open to every account is named, and left as it is.
as "$pupil1" ln -s "$folder/$pupil2.csv" "$folder/link.csv" || fail "$pupil1 could not make a link"
as "$teacher" sh -c "printf 'pupil,time,exercise,level,problem,answer,verdict,hints\n' >'$folder/notes.csv'; chmod 644 '$folder/notes.csv'"
again=$(as "$teacher" "$calcora" --class-setup "$folder" "$teachers") || fail "--class-setup again: $again"
case "$again" in *"found: link.csv is a link made by $pupil1"*"found: notes.csv can be read by every account (mode 0644)"*) ;;
  *) fail "--class-setup again said: $again" ;; esac
case "$again" in *"set the"*) fail "--class-setup set a set folder again: $again" ;; esac
[ "$(stat -c %a "$folder/notes.csv")" = 644 ] || fail "--class-setup changed notes.csv"

mkdir "$here/report" && chown "$teacher" "$here/report"
(cd "$here/report" && runuser -u "$teacher" -- "$calcora" --class-report "$folder") >"$here/out" 2>&1 ||
  fail "the teacher's report: $(cat "$here/out")"
grep -q "$pupil2.csv belongs to the account $pupil1, not to the login it is named for" "$here/report/class-report.html" ||
  fail "the page does not flag $pupil2.csv: $(cat "$here/out")"
grep -q "<span class=\"login\">$pupil1</span>" "$here/report/class-report.html" || fail "the page names no login"
grep -q "link.csv was not read: it is a link not made by the class folder&#39;s owner" "$here/report/class-report.html" ||
  fail "the page does not name the link: $(cat "$here/out")"
echo ok
