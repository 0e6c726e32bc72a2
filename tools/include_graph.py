#!/usr/bin/env python3
# Calcora: keyboard-driven mathematics for secondary-school pupils.
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The product's include graph, room by room, with every include that reaches
# up a room flagged. The rooms stack one way: the drawing layer, the lists
# and the platform's files at the bottom, then the calculators, the workings,
# practice, the store, the keys and the screens, and at the top the frame
# loop and main, which alone see everything.
#
# Usage: tools/include_graph.py [--files]   (--files: one line per file, not per room)
# Exits with 1 when an include goes up.
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent

# Bottom first. A file takes the room of its first matching pattern.
ROOMS = [
    ("frame loop and main", ["app/FrameLoop.*", "app/Speech.*", "app/main.cpp", "app/CommandLine.*", "web/*"]),
    ("base", ["gfx/*", "app/Texts.h", "app/GlobalVariables.*", "app/Screens.*", "app/Exercises.h", "app/PracticeState.h",
              "app/SafeFile.*", "app/ClassFolder.*", "app/UserFile.*", "app/KeyRepeat.*", "app/Input.*"]),
    ("calc", ["calc/*"]),
    ("working", ["working/*"]),
    ("practice", ["practice/*"]),
    ("store", ["app/*"]),
    ("input and screens", ["input/*", "screens/*"]),
]
ORDER = ["base", "calc", "working", "practice", "store", "input and screens", "frame loop and main"]
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def room_of(path):
    for room, patterns in ROOMS:
        if any(path.match(p) for p in patterns):
            return room
    return None


def resolve(source, name):
    beside = source.parent / name
    return beside if beside.exists() else ROOT / name


def main():
    per_file = "--files" in sys.argv[1:]
    edges, upward = {}, []
    for source in sorted(ROOT.glob("*/*.[ch]*")):
        rel = source.relative_to(ROOT)
        room = room_of(rel)
        if room is None or source.suffix not in (".h", ".cpp"):
            continue
        for name in INCLUDE.findall(source.read_text(encoding="utf-8")):
            target = resolve(source, name)
            if not target.exists():
                continue
            to_rel = target.relative_to(ROOT)
            to_room = room_of(to_rel)
            if to_room is None:
                continue
            key = (str(rel), str(to_rel)) if per_file else (room, to_room)
            edges.setdefault(key, 0)
            edges[key] += 1
            if ORDER.index(to_room) > ORDER.index(room):
                upward.append(f"{rel} ({room}) includes {to_rel} ({to_room})")
    for (a, b), count in sorted(edges.items()):
        if a != b:
            print(f"{a} -> {b}" + ("" if per_file else f"  ({count})"))
    for line in upward:
        print("UPWARD: " + line)
    return 1 if upward else 0


if __name__ == "__main__":
    sys.exit(main())
