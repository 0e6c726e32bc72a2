// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Terms.h"

#include <cmath>
#include <sstream>

namespace calc {

namespace {

// The coefficient and the symbol, without the sign: "x", "2x", "(1/2)x", "3".
std::string unsignedTerm(const Term& t) {
    if (t.symbol.empty()) return t.size;
    if (t.size == "1") return t.symbol;
    return (t.size.find('/') == std::string::npos ? t.size : "(" + t.size + ")") + t.symbol;
}

}  // namespace

Term termOf(double coefficient, std::string symbol) {
    std::ostringstream size;
    size << std::fabs(coefficient);
    return {(coefficient > 0) - (coefficient < 0), size.str(), std::move(symbol)};
}

std::string termText(const Term& term) { return (term.sign < 0 ? "-" : "") + unsignedTerm(term); }

std::string sumText(const std::vector<Term>& terms) {
    std::string sum;
    for (const Term& t : terms) {
        if (t.sign == 0) continue;
        if (sum.empty()) sum = termText(t);
        else sum += (t.sign < 0 ? " - " : " + ") + unsignedTerm(t);
    }
    return sum.empty() ? "0" : sum;
}

}  // namespace calc
