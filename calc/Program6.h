#pragma once
// Lowest common multiple of two numbers, exact at any size.
#include <cstdint>
#include <string>
#include <utility>

class Program6 {
public:
    // n and k are typed digits, so never negative; a zero operand gives 0.
    void calculate(std::int64_t n, std::int64_t k);
    std::string getSolution() const { return solution; }
    void setSolution(std::string s) { solution = std::move(s); }

private:
    std::string solution;
};
