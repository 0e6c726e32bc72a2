#pragma once
// Chapter 2, exercise 2: a fraction in lowest terms, "numerator/denominator".
#include <cstdint>

#include "Answer.h"

class Program9 : public calc::Answer {
public:
    void calculate(std::int64_t number_n1, std::int64_t number_n2);
};
