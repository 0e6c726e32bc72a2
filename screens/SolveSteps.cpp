// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// The sixteen calculations of chapters 1 to 3 as rows of one table: which
// fields each reads and which calculator it runs. One generic function turns
// the typed texts into the calculator's arguments and its texts into a result.
#include <type_traits>
#include <utility>

#include "ExerciseScreen.h"
#include "calc/WholeNumber.h"
#include "calc/Program1.h"
#include "calc/Program10.h"
#include "calc/Program11.h"
#include "calc/Program12.h"
#include "calc/Program13.h"
#include "calc/Program14.h"
#include "calc/Program15.h"
#include "calc/Program16.h"
#include "calc/Program2.h"
#include "calc/Program3.h"
#include "calc/Program4.h"
#include "calc/Program5.h"
#include "calc/Program6.h"
#include "calc/Program7.h"
#include "calc/Program8.h"
#include "calc/Program9.h"

using namespace calc;

namespace {

using Texts = std::vector<std::string>;

// How many values a calculator's `calculate` takes.
template <class C, class... Args>
constexpr std::size_t arity(void (C::*)(Args...)) {
    return sizeof...(Args);
}

// The recurring decimal is read from its text; every other field is a
// whole number, read exactly.
template <class Calculator, std::size_t... I>
void calculateWith(Calculator& p, const Texts& typed, std::index_sequence<I...>) {
    if constexpr (std::is_invocable_v<decltype(&Calculator::calculate), Calculator&, std::string>)
        p.calculate(typed[0]);
    else
        p.calculate(fieldValue(typed[I])...);
}

// The further lines a calculator has: getSolutionLine1 onward, up to five.
#define CALCORA_HAS_LINE(n)                                                                     \
    template <class C, class = void>                                                            \
    struct HasLine##n : std::false_type {};                                                     \
    template <class C>                                                                          \
    struct HasLine##n<C, std::void_t<decltype(&C::getSolutionLine##n)>> : std::true_type {};
CALCORA_HAS_LINE(1)
CALCORA_HAS_LINE(2)
CALCORA_HAS_LINE(3)
CALCORA_HAS_LINE(4)
CALCORA_HAS_LINE(5)
#undef CALCORA_HAS_LINE

template <class C>
std::vector<std::string> linesOf(const C& p) {
    std::vector<std::string> lines;
    if constexpr (HasLine1<C>::value) lines.push_back(p.getSolutionLine1());
    if constexpr (HasLine2<C>::value) lines.push_back(p.getSolutionLine2());
    if constexpr (HasLine3<C>::value) lines.push_back(p.getSolutionLine3());
    if constexpr (HasLine4<C>::value) lines.push_back(p.getSolutionLine4());
    if constexpr (HasLine5<C>::value) lines.push_back(p.getSolutionLine5());
    return lines;
}

// Whether a calculator that ran reached an answer: a range of primes
// beyond the table and Goldbach's n outside its range get only a message.
template <class C>
bool answered(const C&) {
    return true;
}
template <>
bool answered(const Program2& p) {
    return p.getSolution() != lang_file->error_primes_range;
}
template <>
bool answered(const Program7& p) {
    return p.getSolutionLine1() != lang_file->program7_1;
}

// A fresh calculator with an empty solution, run only when every field holds text.
template <class Calculator>
SolveResult solveWith(const std::optional<Texts>& typed) {
    Calculator p;
    p.setSolution("");
    if (typed) calculateWith(p, *typed, std::make_index_sequence<arity(&Calculator::calculate)>{});
    return {p.getSolution(), linesOf(p), typed && answered(p)};
}

using F = Field;
using E = Exercise;

// The prime listing and the Goldbach check also save their whole text, when
// there is one.
const SolveStep SOLVE_STEPS[] = {
    // exercise, the fields it reads, calculator, saves to results.txt
    {E::remainder, {F::part1_program1_n, F::part1_program1_k}, solveWith<Program1>},
    {E::primes, {F::part1_program2_from, F::part1_program2_to}, solveWith<Program2>, true},
    {E::factors, {F::part1_program3_n}, solveWith<Program3>},
    {E::divisibility, {F::part1_program4_n}, solveWith<Program4>},
    {E::gcd, {F::part1_program5and6_n1, F::part1_program5and6_n2}, solveWith<Program5>},
    {E::lcm, {F::part1_program5and6_n1, F::part1_program5and6_n2}, solveWith<Program6>},
    {E::goldbach, {F::part1_program7_n}, solveWith<Program7>, true},
    {E::operations, {F::part2_program1_n1a, F::part2_program1_n1b, F::part2_program1_n2a, F::part2_program1_n2b},
     solveWith<Program8>},
    {E::reduce, {F::part2_program2_n_a, F::part2_program2_n_b}, solveWith<Program9>},
    {E::operations_reduced, {F::part2_program3_n1a, F::part2_program3_n1b, F::part2_program3_n2a, F::part2_program3_n2b},
     solveWith<Program10>},
    {E::equality, {F::part2_program4_n1a, F::part2_program4_n1b, F::part2_program4_n2a, F::part2_program4_n2b},
     solveWith<Program11>},
    {E::six_fractions,
     {F::part2_program5_n1a, F::part2_program5_n1b, F::part2_program5_n2a, F::part2_program5_n2b,
      F::part2_program5_n3a, F::part2_program5_n3b, F::part2_program5_n4a, F::part2_program5_n4b,
      F::part2_program5_n5a, F::part2_program5_n5b, F::part2_program5_n6a, F::part2_program5_n6b},
     solveWith<Program12>},
    {E::mixed, {F::part3_program1_n_a, F::part3_program1_n_b}, solveWith<Program13>},
    {E::recurring, {F::part3_program2_n}, solveWith<Program14>},
    {E::comparison, {F::part3_program3_n1a, F::part3_program3_n1b, F::part3_program3_n2a, F::part3_program3_n2b},
     solveWith<Program15>},
    {E::egyptian, {F::part3_program4_n_a, F::part3_program4_n_b}, solveWith<Program16>},
};
static_assert(std::size(SOLVE_STEPS) == SOLVED_COUNT, "one calculation per exercise of chapters 1 to 3");

}  // namespace

const std::vector<SolveStep>& solveSteps() {
    static const std::vector<SolveStep> steps(std::begin(SOLVE_STEPS), std::end(SOLVE_STEPS));
    return steps;
}
