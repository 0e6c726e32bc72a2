#include "Program16.h"

#include "FractionSteps.h"
#include "app/GlobalVariables.h"

using namespace calc;

void Program16::calculate(std::int64_t number1, std::int64_t number2) {
    if (number2 == 0) {
        solution = lang_file->error_zero_denominator;
        return;
    }
    // A unit fraction of more digits than the panel holds characters can never be shown.
    const EgyptianExpansion e = egyptianExpansion(number1, number2, LONGEST_ANSWER);
    if (e.proper.numerator == 0) return;
    std::string answer = " " + text(number1) + "/" + text(number2) + " = ";
    if (e.whole != 0) answer += text(e.whole) + " + ";
    for (const GreedyStep& step : e.steps) {
        answer += "1/" + text(step.unit) + " + ";
        if (answer.size() > LONGEST_ANSWER) break;
    }
    if (e.complete) answer += text(e.last());
    solution = e.complete && answer.size() <= LONGEST_ANSWER ? answer : lang_file->error_too_long;
}
