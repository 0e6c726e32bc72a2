#!/usr/bin/python3
# Calcora: keyboard-driven mathematics for secondary-school pupils.
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints where a test run's time went: the time of each step of scripts/test
# (a file of "name seconds" lines) and, from CTest's JUnit report, the
# seconds the tests of each kind took (added up: they run side by side, so
# together they exceed the run's own time) and the five longest tests.
# Usage: test_times.py STEPS_FILE [JUNIT_XML]
import sys
import xml.etree.ElementTree as ElementTree

# The kinds of test, by the start of their CTest names; the rest are headless.
KINDS = [("window.", "window tests"), ("package.", "package"), ("web.", "browser"),
         ("fuzz.", "fuzz"), ("", "headless tests")]


def kind_of(name):
    return next(kind for prefix, kind in KINDS if name.startswith(prefix))


def main():
    print("Time of each step:")
    with open(sys.argv[1], encoding="utf-8") as steps:
        for line in steps:
            name, seconds = line.rsplit(" ", 1)
            print(f"  {name:<40} {int(seconds):5d} s")
    if len(sys.argv) < 3:
        return
    try:
        cases = list(ElementTree.parse(sys.argv[2]).getroot().iter("testcase"))
    except (OSError, ElementTree.ParseError):
        return
    totals = {}
    for case in cases:
        kind = kind_of(case.get("name", ""))
        totals[kind] = totals.get(kind, 0.0) + float(case.get("time", 0))
    print("Tests by kind (seconds added up over the tests):")
    for _, kind in KINDS:
        if kind in totals:
            print(f"  {kind:<40} {totals[kind]:7.1f} s")
    print("Longest tests:")
    for case in sorted(cases, key=lambda c: -float(c.get("time", 0)))[:5]:
        print(f"  {case.get('name'):<40} {float(case.get('time', 0)):7.1f} s")


main()
