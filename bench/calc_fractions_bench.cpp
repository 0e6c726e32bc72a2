// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// The fraction calculators of chapters 2 and 3 at their worst typable
// inputs: 10-digit values, and for the Egyptian fractions the expansions
// that take the most steps before they end or outgrow the line.
#include <benchmark/benchmark.h>

#include "app/GlobalVariables.h"
#include "calc/Program10.h"
#include "calc/Program11.h"
#include "calc/Program12.h"
#include "calc/Program13.h"
#include "calc/Program14.h"
#include "calc/Program15.h"
#include "calc/Program16.h"
#include "calc/Program8.h"
#include "calc/Program9.h"

namespace {

// Consecutive Fibonacci numbers: the longest run of Euclid's algorithm below 10^10.
constexpr std::int64_t FIB49 = 7778742049, FIB48 = 4807526976;

// One request as the screen makes it: a fresh calculator, solution emptied, calculate.
template <class Calculator, class... Values>
void request(benchmark::State& state, Values... values) {
    setUpLanguage();
    for (auto _ : state) {
        Calculator p;
        p.setSolution("");
        p.calculate(values...);
        benchmark::DoNotOptimize(p.getSolution());
    }
}

void FourOperationsUnreduced(benchmark::State& s) { request<Program8>(s, FIB49, 9999999998, 9999999999, FIB48); }
void FourOperationsReduced(benchmark::State& s) { request<Program10>(s, FIB49, 9999999998, 9999999999, FIB48); }
void Reduction(benchmark::State& s) { request<Program9>(s, FIB49, FIB48); }
void Equality(benchmark::State& s) { request<Program11>(s, 9999999999, 9999999998, 9999999998, 9999999997); }
void SixFractions(benchmark::State& s) {
    request<Program12>(s, FIB49, FIB48, FIB48, FIB49, 9999999999, 9999999998, FIB49, 9999999999, 9999999998,
                       FIB48, 9999999999, FIB49);
}
void MixedFraction(benchmark::State& s) { request<Program13>(s, 9999999999, 9999999998); }
void RecurringDecimal(benchmark::State& s, const char* typed) { request<Program14>(s, std::string(typed)); }
void Comparison(benchmark::State& s) { request<Program15>(s, 9999999999, 9999999998, 9999999998, 9999999997); }
void Egyptian(benchmark::State& s, std::int64_t n, std::int64_t d) { request<Program16>(s, n, d); }

}  // namespace

BENCHMARK(FourOperationsUnreduced);
BENCHMARK(FourOperationsReduced);
BENCHMARK(Reduction);
BENCHMARK(Equality);
BENCHMARK(SixFractions);
BENCHMARK(MixedFraction);
BENCHMARK_CAPTURE(RecurringDecimal, longest_period, ".[1428571]");
BENCHMARK_CAPTURE(RecurringDecimal, longest_before_period, ".123456[7]");
BENCHMARK_CAPTURE(RecurringDecimal, longest_whole_part, "987654.[3]");
BENCHMARK(Comparison);
// Eight greedy steps before the line overflows: the most found among random 10-digit pairs.
BENCHMARK_CAPTURE(Egyptian, eight_steps_then_too_long, 5867139163, 5933306209);
BENCHMARK_CAPTURE(Egyptian, near_one, 9999999998, 9999999999);
BENCHMARK_CAPTURE(Egyptian, longest_shown_answer, 32, 143);
BENCHMARK_CAPTURE(Egyptian, huge_denominators, 5, 121);
BENCHMARK_CAPTURE(Egyptian, whole_number, 9999999999, 1);
