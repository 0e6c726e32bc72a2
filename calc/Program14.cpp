// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Program14.h"

#include "FractionSteps.h"
#include "app/GlobalVariables.h"

using namespace calc;

void Program14::calculate(std::string recurringDecimal) {
    const std::optional<RecurringDecimal> parts = parseRecurringDecimal(recurringDecimal);
    solution = parts ? text(recurringValue(*parts, Keep::result).value.reduced) : lang_file->error_recurring_decimal;
}
