#!/usr/bin/env bash
# Calcora: keyboard-driven mathematics for secondary-school pupils.
# SPDX-License-Identifier: GPL-3.0-or-later
# The built package (scripts/package): named by the project version, Depends
# on the program's libraries (met by either SDL 1.2 Debian ships) and the
# font, hardened (bind-now) and stripped of
# the compiler's notes, not a hint from lintian even when pedantic, and its
# menu entry, metadata and manual page pass Debian's and freedesktop's
# checkers.
# Usage: package_files_test.sh <folder of the .deb> <version>
set -euo pipefail
fail() { echo "FAIL: $*" >&2; exit 1; }

deb="$1/calcora_$2_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no package $deb: $(ls "$1")"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libsdl1.2debian libsdl-ttf2.0-0 libsdl-image1.2 libsdl-gfx1.2-5 libgmp10 fonts-liberation2; do
  [[ ", $depends," == *", $needed"[\ ,]* ]] || fail "Depends lacks $needed: $depends"
done
# Either SDL 1.2 that Debian ships will do: the classic library, or its
# replacement over SDL 2 through libsdl1.2-compat-shim, which stands in for
# libsdl1.2debian at the version it provides (bookworm's where apt knows none).
shim=$(apt-cache show libsdl1.2-compat-shim 2>/dev/null |
  sed -n 's/^Provides: .*libsdl1\.2debian (= \([^)]*\)).*/\1/p' | head -n 1)
wanted=$(sed -n 's/.*libsdl1\.2debian (>= \([^)]*\)).*/\1/p' <<<"$depends")
dpkg --compare-versions "${shim:=1.2.15-1}" ge "${wanted:-0}" ||
  fail "libsdl1.2-compat-shim, libsdl1.2debian $shim, does not meet libsdl1.2debian (>= $wanted)"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root"/usr/share/applications/*.desktop || fail "desktop-file-validate"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml >"$root/appstream.log" ||
  fail "appstreamcli: $(cat "$root/appstream.log")"
man_warnings=$(MANWIDTH=80 man --warnings -l "$root/usr/share/man/man1/calcora.1.gz" 2>&1 >"$root/man.txt")
[ -z "$man_warnings" ] || fail "the manual page renders with warnings: $man_warnings"
grep -q '^EXIT STATUS' "$root/man.txt" || fail "the manual page has no EXIT STATUS"
program="$root/usr/bin/calcora"
readelf -d "$program" | grep -q 'FLAGS.*BIND_NOW' || fail "the program is not linked with bind-now"
! readelf -S "$program" | grep -q '\.comment' || fail "the program keeps its .comment section"
# The known false alarms: the program is built with _FORTIFY_SOURCE, but its
# few calls that could be checked are all proved safe when it is compiled, so
# no checked libc function is left for lintian to find (as lintian's own
# explanation of the hint allows); and in the machine code that builds the
# colour name "white" lintian reads the bytes "whitH" as a misspelt word.
false_alarms=(
  'I: calcora: hardening-no-fortify-functions [usr/bin/calcora]'
  'I: calcora: spelling-error-in-binary whitH with [usr/bin/calcora]'
)
hints=$(lintian --pedantic --display-info "$deb" 2>/dev/null | grep -vxF "${false_alarms[@]/#/-e}" || true)
[ -z "$hints" ] || fail "lintian: $hints"
echo "ok"
