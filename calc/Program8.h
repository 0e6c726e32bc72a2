#pragma once
// Chapter 2, exercise 1: the four operations on two fractions, written as
// the schoolbook cross multiplication gives them, nothing reduced.
#include <array>
#include <cstdint>
#include <string>

// How the results of the four operations are written.
enum class ResultForm { cross_multiplied, lowest_terms };

// The lines "a/b op c/d = N/D     " for the sum, difference, product and
// quotient, with lines 2 to 4 starting with `prefix`. A zero denominator
// leaves only the zero-denominator message on line 1; dividing by a zero
// fraction turns line 4 into the division-by-zero message.
std::array<std::string, 4> fourOperationLines(const std::string& prefix, std::int64_t a, std::int64_t b,
                                              std::int64_t c, std::int64_t d, ResultForm form);

class Program8 {
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
