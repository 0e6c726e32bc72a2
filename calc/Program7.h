#pragma once
// Goldbach's conjecture: every way of writing n as a sum of two primes,
// cut into five lines of 115.
#include <cstdint>
#include <string>
#include <utility>

#include "LineCut.h"

class Program7 {
public:
    // n outside 4..2500 gets the range message, n without a pair the
    // no-solution message, each in line 1; the solution is then "n = ".
    void calculate(std::int64_t number_n);
    std::string getSolution() const { return solution; }
    void setSolution(std::string s) { solution = std::move(s); }
    std::string getSolutionLine1() const { return lines[0]; }
    std::string getSolutionLine2() const { return lines[1]; }
    std::string getSolutionLine3() const { return lines[2]; }
    std::string getSolutionLine4() const { return lines[3]; }
    std::string getSolutionLine5() const { return lines[4]; }

private:
    static constexpr std::size_t LINE_LENGTH = 115;

    std::string solution;
    calc::FiveLines lines;
};
