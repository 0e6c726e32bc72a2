#pragma once
// Divisibility of one number by 2, 3, 4, 5, 8, 9, 11, 12, 15 and 18.
#include <cstdint>
#include <string>
#include <utility>

class Program4 {
public:
    // Line 1 is the heading, line 2 one answer per divisor; the solution
    // text itself stays as set.
    void calculate(std::int64_t number_n);
    std::string getSolution() const { return solution; }
    void setSolution(std::string s) { solution = std::move(s); }
    std::string getSolutionLine1() const { return solution1; }
    std::string getSolutionLine2() const { return solution2; }

private:
    std::string solution;
    std::string solution1;
    std::string solution2;
};
