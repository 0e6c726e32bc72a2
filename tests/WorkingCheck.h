// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Checks a working against the panel it explains: it must end with the
// panel's lines, and every step must be true, which the checker finds out
// with arithmetic of its own (GMP rationals), not with the program's.
#include <string>
#include <vector>

namespace testsupport {

// `typed`: the exercise's typed field texts; `panel`: the texts the
// solution panel shows after the request, in panel order. Reports failures
// through gtest. Needs the English texts.
void checkWorking(const std::string& exercise, const std::vector<std::string>& typed,
                  const std::vector<std::string>& panel);

// The same working in Polish: no line has a word of a short list of English
// ones, and a step of numbers and signs only reads as in English. Called with the English texts; leaves them in place.
void checkPolishWording(const std::string& exercise, const std::vector<std::string>& typed);

}  // namespace testsupport
