#pragma once
// Chapter 2, exercise 4: whether two fractions stand for the same rational number.
#include <cstdint>
#include <string>

class Program11 {
public:
    void calculate(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d);

    std::string getSolution() const { return solution; }
    void setSolution(std::string text) { solution = std::move(text); }

private:
    std::string solution;
};
