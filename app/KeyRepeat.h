// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// SDL's X11 layer takes a key-up followed within 2 ms by a key-down of the
// same key for the keyboard's auto-repeat and drops both, so "1000000" sent
// at machine speed (a paste tool, a scanner) arrives as "10". The program
// has no use for repeats: the X server is asked to send a held key as
// key-downs alone (which SDL drops for a key already down), and then no
// key-down is close enough to its key-up for SDL to take it for a repeat.
// Call once the video is up; elsewhere than on X11 it does nothing.
void keepFastRepeatedKeys();
