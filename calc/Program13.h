#pragma once
// Chapter 3, exercise 1: a common fraction as a mixed fraction, "2 1/3";
// the fraction left after the whole part is not reduced.
#include <cstdint>
#include <string>

class Program13 {
public:
    void calculate(std::int64_t l, std::int64_t m);

    std::string getSolution() const { return solution; }
    void setSolution(std::string text) { solution = std::move(text); }

private:
    std::string solution;
};
