#include "Program16.h"

#include "Fraction.h"
#include "app/GlobalVariables.h"

using namespace calc;

namespace {

// Appends to `answer` the greedy unit fractions of the proper fraction
// `rest` (0 < rest < 1) and, last, the unit fraction that ends the sum.
// Stops and returns false as soon as the answer is longer than `longest`.
bool appendUnitFractions(Fraction rest, std::string& answer, std::size_t longest) {
    do {
        // 1/i, the largest unit fraction strictly below rest: i = floor(d/n) + 1.
        const Integer i = rest.denominator / rest.numerator + 1;
        answer += "1/" + text(i) + " + ";
        if (answer.size() > longest) return false;
        rest = lowestTerms(rest.numerator * i - rest.denominator, i * rest.denominator);
    } while (rest.numerator != 1);  // the numerator falls at every step
    answer += text(rest);
    return answer.size() <= longest;
}

}  // namespace

void Program16::calculate(std::int64_t number1, std::int64_t number2) {
    if (number2 == 0) {
        solution = lang_file->error_zero_denominator;
        return;
    }
    // With a positive denominator and the whole part rounded down, what is
    // left is a proper fraction even for a negative input.
    const int sign = number2 < 0 ? -1 : 1;
    const Fraction reduced = lowestTerms(sign * Integer(number1), sign * Integer(number2));
    Integer whole, numerator;
    boost::multiprecision::divide_qr(reduced.numerator, reduced.denominator, whole, numerator);
    if (numerator < 0) {  // division rounds toward zero; round down instead
        whole -= 1;
        numerator += reduced.denominator;
    }
    if (numerator == 0) return;

    std::string answer = " " + text(number1) + "/" + text(number2) + " = ";
    if (whole != 0) answer += text(whole) + " + ";
    const bool fits = appendUnitFractions({numerator, reduced.denominator}, answer, LONGEST_ANSWER);
    solution = fits ? answer : lang_file->error_too_long;
}
