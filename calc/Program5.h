#pragma once
// Greatest common divisor of two numbers.
#include <cstdint>
#include <string>
#include <utility>

class Program5 {
public:
    // n and k are typed digits, so never negative; gcd(n, 0) is n.
    void calculate(std::int64_t n, std::int64_t k);
    std::string getSolution() const { return solution; }
    void setSolution(std::string s) { solution = std::move(s); }

private:
    std::string solution;
};
