#pragma once
// The one exact integer type of the calculators, its text form, and the
// exact conversion of a typed field. The calculators are written once over
// Boost.Multiprecision's front end: GMP does the arithmetic on the desktop,
// Boost's own cpp_int in the browser (GMP has no WebAssembly build);
// CALCORA_CPP_INT selects the latter. Expression templates are off in both,
// so `auto` and overloads see the same plain type.
#ifdef CALCORA_CPP_INT
#include <boost/multiprecision/cpp_int.hpp>
#else
#include <boost/multiprecision/gmp.hpp>
#endif

#include <cstdint>
#include <string>

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
std::string text(std::int64_t n);

// The value of a decimal text: an optional "-", then one or more digits;
// leading zeros are decimal, never octal. Anything else, "" included, throws
// std::invalid_argument (Boost alone would read "" as 0 and "012" as 10).
Integer fromDecimal(const std::string& written);

// -1, 0 or 1.
int sgn(const Integer& n);

// 10 to the power `exponent`.
Integer powerOfTen(std::size_t exponent);

// The value of the digits at the start of a typed field ("" and a text
// without leading digits read as 0), exactly: a field holds at most
// 10 digits, so the value always fits 64 bits.
std::int64_t fieldValue(const std::string& typed);

}  // namespace calc
