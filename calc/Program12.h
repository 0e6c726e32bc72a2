#pragma once
// Chapter 2, exercise 5: six fractions in lowest terms, two to a line,
// each after its label ("Fraction 1: ").
#include <array>
#include <cstdint>
#include <string>

class Program12 {
public:
    void calculate(std::int64_t n1a, std::int64_t n1b, std::int64_t n2a, std::int64_t n2b,
                   std::int64_t n3a, std::int64_t n3b, std::int64_t n4a, std::int64_t n4b,
                   std::int64_t n5a, std::int64_t n5b, std::int64_t n6a, std::int64_t n6b);

    std::string getSolution() const { return solution; }
    void setSolution(std::string text) { solution = std::move(text); }
    std::string getSolutionLine1() const { return lines[0]; }
    std::string getSolutionLine2() const { return lines[1]; }
    std::string getSolutionLine3() const { return lines[2]; }

private:
    std::string solution;  // not part of the lines
    std::array<std::string, 3> lines;  // fractions 1 and 2, 3 and 4, 5 and 6
};
