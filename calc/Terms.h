// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A sum of terms written as a teacher writes it: "2x - 1", "-x + 2", "3",
// "x", "(1/2)w1 - w2", "0". A term with the coefficient 0 is left out, a
// coefficient 1 is not written, and a negative term is subtracted. Used by
// the workings (exact values) and by the plots' texts (doubles) alike.
#include <string>
#include <vector>

namespace calc {

struct Term {
    int sign;            // -1, 0 or 1
    std::string size;    // the coefficient's size as written: "3", "1/2", "0.5"
    std::string symbol;  // "x", "w1"; "" for a constant
};

// A double's term, its size written as the standard stream writes it (6
// significant digits).
Term termOf(double coefficient, std::string symbol);

// One term on its own, its coefficient written even when 0 ("0w1"): a label
// naming what it stands for.
std::string termText(const Term& term);

// The terms added up; "0" when every coefficient is 0.
std::string sumText(const std::vector<Term>& terms);

}  // namespace calc
