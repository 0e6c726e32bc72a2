#pragma once
// Remainder: writes n as k times a quotient plus a remainder.
#include <cstdint>
#include <string>
#include <utility>

class Program1 {
public:
    // n and k are typed digits, so never negative. A zero k gets the
    // division-by-zero message of the active language.
    void calculate(std::int64_t n, std::int64_t k);
    std::string getSolution() const { return solution; }
    void setSolution(std::string s) { solution = std::move(s); }

private:
    std::string solution;
};
