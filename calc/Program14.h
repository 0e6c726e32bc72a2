#pragma once
// Chapter 3, exercise 2: a recurring decimal such as "0.12[857]" (the period
// in brackets) as a common fraction in lowest terms.
#include <string>

class Program14 {
public:
    void calculate(std::string recurringDecimal);

    std::string getSolution() const { return solution; }
    void setSolution(std::string text) { solution = std::move(text); }

private:
    std::string solution;
};
