#pragma once
// Chapter 2, exercise 3: the four operations on two fractions, each result
// in lowest terms (the operands are written as typed).
#include <array>
#include <cstdint>
#include <string>

class Program10 {
public:
    void calculate(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d);

    std::string getSolution() const { return solution; }
    void setSolution(std::string text) { solution = std::move(text); }
    std::string getSolutionLine1() const { return lines[0]; }
    std::string getSolutionLine2() const { return lines[1]; }
    std::string getSolutionLine3() const { return lines[2]; }
    std::string getSolutionLine4() const { return lines[3]; }

private:
    std::string solution;  // leading text of lines 2 to 4; the screen empties it
    std::array<std::string, 4> lines;  // sum, difference, product, quotient
};
