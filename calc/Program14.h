// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Chapter 3, exercise 2: a recurring decimal such as "0.12[857]" (the period
// in brackets) as a common fraction in lowest terms.
#include <string>

#include "Answer.h"

class Program14 : public calc::Answer {
public:
    void calculate(std::string recurringDecimal);
};
