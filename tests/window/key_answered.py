#!/usr/bin/python3
# Calcora: keyboard-driven mathematics for secondary-school pupils.
# SPDX-License-Identifier: GPL-3.0-or-later
# How long the window takes to answer a key: sends the key and prints the
# milliseconds until the box w x h at (x, y) of the screen first looks
# otherwise than before it (10000 when it never changes within 10 s).
# Debian's python3 with python3-pil.
# Usage: key_answered.py <window> <key> <x> <y> <w> <h>
import subprocess
import sys
import time

from PIL import ImageGrab

window, key = sys.argv[1], sys.argv[2]
x, y, w, h = (int(v) for v in sys.argv[3:7])
box = (x, y, x + w, y + h)
before = ImageGrab.grab(bbox=box).tobytes()
started = time.monotonic()
subprocess.run(["xdotool", "key", "--window", window, key], check=True)
while time.monotonic() - started < 10:
    if ImageGrab.grab(bbox=box).tobytes() != before:
        print(round((time.monotonic() - started) * 1000))
        sys.exit(0)
    time.sleep(0.005)
print(10000)
