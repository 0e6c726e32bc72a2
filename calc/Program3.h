#pragma once
// Prime factorisation of a natural number.
#include <cstdint>
#include <string>
#include <utility>

class Program3 {
public:
    // Numbers below 2 get the "incorrect data" text of the active language.
    void calculate(std::int64_t number_n);
    std::string getSolution() const { return solution; }
    void setSolution(std::string s) { solution = std::move(s); }

private:
    std::string solution;
};
