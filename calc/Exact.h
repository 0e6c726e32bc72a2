// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one exact integer type of the calculators and its text form. Only
// files that compute with it include this header (it costs seconds of
// compiling); machine-word numbers need only WholeNumber.h. The calculators
// are written once over Boost.Multiprecision's front end: GMP does the
// arithmetic on the desktop, Boost's own cpp_int in the browser (GMP has no
// WebAssembly build); CALCORA_CPP_INT selects the latter. Expression
// templates are off in both, so `auto` and overloads see the same plain type.
#ifdef CALCORA_CPP_INT
#include <boost/multiprecision/cpp_int.hpp>
#else
#include <boost/multiprecision/gmp.hpp>
#endif

#include <cstdint>
#include <string>

#include "WholeNumber.h"

namespace calc {

#ifdef CALCORA_CPP_INT
using IntegerBackend = boost::multiprecision::cpp_int_backend<>;
#else
using IntegerBackend = boost::multiprecision::gmp_int;
#endif

// An integer of any size; products of typed values never overflow it.
using Integer = boost::multiprecision::number<IntegerBackend, boost::multiprecision::et_off>;

// Plain decimal: a leading "-" when negative, no blanks, no grouping.
std::string text(const Integer& n);

// The value of a decimal text: an optional "-", then one or more digits;
// leading zeros are decimal, never octal. Anything else, "" included, throws
// std::invalid_argument (Boost alone would read "" as 0 and "012" as 10).
Integer fromDecimal(const std::string& written);

// -1, 0 or 1.
int sgn(const Integer& n);

// 10 to the power `exponent`.
Integer powerOfTen(std::size_t exponent);

}  // namespace calc
