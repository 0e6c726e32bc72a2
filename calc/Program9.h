#pragma once
// Chapter 2, exercise 2: a fraction in lowest terms, "numerator/denominator".
#include <cstdint>
#include <string>

class Program9 {
public:
    void calculate(std::int64_t number_n1, std::int64_t number_n2);

    std::string getSolution() const { return solution; }
    void setSolution(std::string text) { solution = std::move(text); }

private:
    std::string solution;
};
