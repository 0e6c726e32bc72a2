#!/usr/bin/env bash
# Calcora: keyboard-driven mathematics for secondary-school pupils.
# SPDX-License-Identifier: GPL-3.0-or-later
# Chapter 2 in a real window: reduce 12/18 and read "2/3" in the panel.
source "$(dirname "$0")/lib.sh"
start_program "$1"
# Item 2 opens chapter 2 on "program1_n1a"; Right twice reaches exercise 2.
keys Down Return Right Right 1 2 Down 1 8 Down Return
shows_text solved 105 15 300 25 "2/3" || fail "the panel shows: $SHOWN"
echo "ok"
