// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Exact.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace calc {

std::string text(const Integer& n) { return n.str(); }

Integer fromDecimal(const std::string& written) {
    const std::size_t first = !written.empty() && written[0] == '-' ? 1 : 0;
    const bool digits = written.size() > first &&
        std::all_of(written.begin() + first, written.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
    if (!digits) throw std::invalid_argument("not a decimal number: \"" + written + "\"");
    // Without its leading zeros the text cannot be taken for octal.
    const std::size_t significant = written.find_first_not_of('0', first);
    if (significant == std::string::npos) return 0;
    const Integer size(written.c_str() + significant);
    return first ? Integer(-size) : size;
}

int sgn(const Integer& n) { return n.sign(); }

Integer powerOfTen(std::size_t exponent) { return boost::multiprecision::pow(Integer(10), static_cast<unsigned>(exponent)); }

}  // namespace calc
