#pragma once
// The one exact integer type of the calculators, its text form, and the
// exact conversion of a typed field.
#include <gmpxx.h>

#include <cstdint>
#include <string>

namespace calc {

// An integer of any size; products of typed values never overflow it.
using Integer = mpz_class;

// Plain decimal: a leading "-" when negative, no blanks, no grouping.
std::string text(const Integer& n);
std::string text(std::int64_t n);

// The value of the digits at the start of a typed field ("" and a text
// without leading digits read as 0), exactly: a field holds at most
// 10 digits, so the value always fits 64 bits.
std::int64_t fieldValue(const std::string& typed);

}  // namespace calc
