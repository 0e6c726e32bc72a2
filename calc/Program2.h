#pragma once
// Lists and counts the primes of a range, cut into five lines of 100.
#include <cstdint>
#include <string>
#include <utility>

#include "LineCut.h"

class Program2 {
public:
    // Both ends count. A start below 2 starts at 2; an end above the
    // table's 1000000 gets the range message as the whole text.
    void calculate(std::int64_t start_at, std::int64_t finish_at);
    std::string getSolution() const { return solution; }
    void setSolution(std::string s) { solution = std::move(s); }
    std::string getSolutionLine1() const { return lines[0]; }
    std::string getSolutionLine2() const { return lines[1]; }
    std::string getSolutionLine3() const { return lines[2]; }
    std::string getSolutionLine4() const { return lines[3]; }
    std::string getSolutionLine5() const { return lines[4]; }

private:
    static constexpr std::size_t LINE_LENGTH = 100;

    std::string solution;
    calc::FiveLines lines;
};
