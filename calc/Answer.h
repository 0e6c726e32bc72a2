// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every calculator hands to the solution panel: its solution text and,
// for some, further lines. The panel shows as many further lines as a
// calculator has getSolutionLineN accessors, so a calculator gets exactly
// one accessor for each line it holds.
#include <array>
#include <cstddef>
#include <string>
#include <utility>

namespace calc {

class Answer {
public:
    std::string getSolution() const { return solution; }
    void setSolution(std::string text) { solution = std::move(text); }

protected:
    std::string solution;
};

namespace answer_lines {

// The lines themselves; Accessors<Count, Shown> stacks getSolutionLine1 to
// getSolutionLine<Shown> on them, one class a line.
template <std::size_t Count>
class Stored : public Answer {
    static_assert(Count >= 1 && Count <= 5, "the solution panel shows one to five further lines");

protected:
    std::array<std::string, Count> lines;
};

template <std::size_t Count, std::size_t Shown>
class Accessors;

template <std::size_t Count>
class Accessors<Count, 0> : public Stored<Count> {};

#define CALCORA_LINE_ACCESSOR(n)                                                  \
    template <std::size_t Count>                                                  \
    class Accessors<Count, n> : public Accessors<Count, n - 1> {                  \
    public:                                                                       \
        std::string getSolutionLine##n() const { return this->lines[n - 1]; }     \
    };
CALCORA_LINE_ACCESSOR(1)
CALCORA_LINE_ACCESSOR(2)
CALCORA_LINE_ACCESSOR(3)
CALCORA_LINE_ACCESSOR(4)
CALCORA_LINE_ACCESSOR(5)
#undef CALCORA_LINE_ACCESSOR

}  // namespace answer_lines

// An answer with Count further lines (1 to 5), held in `lines` and read as
// getSolutionLine1 to getSolutionLine<Count>.
template <std::size_t Count>
using AnswerWithLines = answer_lines::Accessors<Count, Count>;

}  // namespace calc
