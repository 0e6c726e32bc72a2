// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole numbers that fit a machine word: the value of a typed field and the
// plain decimal text of a number. Nothing here needs the multiprecision
// library, so the screens read their fields through this header alone.
#include <cstdint>
#include <string>

namespace calc {

// Plain decimal: a leading "-" when negative, no blanks, no grouping.
std::string text(std::int64_t n);

// The value of the digits at the start of a typed field ("" and a text
// without leading digits read as 0), exactly: a field holds at most
// 10 digits, so the value always fits 64 bits.
std::int64_t fieldValue(const std::string& typed);

}  // namespace calc
