#!/usr/bin/env bash
# Calcora: keyboard-driven mathematics for secondary-school pupils.
# SPDX-License-Identifier: GPL-3.0-or-later
# Chapter 3 in a real window: type "0,12[857]" (the comma types a point) and
# read the fraction "2569/19980" in the panel.
source "$(dirname "$0")/lib.sh"
start_program "$1"
keys Down Down Return Right 0 comma 1 2 bracketleft 8 5 7 bracketright Down Return
shows_text solved 105 15 300 25 "2569/19980" || fail "the panel shows: $SHOWN"
echo "ok"
