// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "WholeNumber.h"

#include <cctype>

namespace calc {

std::string text(std::int64_t n) { return std::to_string(n); }

std::int64_t fieldValue(const std::string& typed) {
    std::int64_t value = 0;
    for (char c : typed) {
        if (!std::isdigit(static_cast<unsigned char>(c))) break;
        if (value > (INT64_MAX - 9) / 10) break;  // longer than any field; stop before overflow
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace calc
