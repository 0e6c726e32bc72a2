#pragma once
// Chapter 3, exercise 3: which of two fractions is greater, or whether they are equal.
#include <cstdint>
#include <string>

class Program15 {
public:
    void calculate(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d);

    std::string getSolution() const { return solution; }
    void setSolution(std::string text) { solution = std::move(text); }

private:
    std::string solution;
};
