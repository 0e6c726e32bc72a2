// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// The workings at the slowest typable inputs, each built as the working
// screen builds it every frame: from the typed texts, answer included.
// Each must take at most 1 ms.
#include <benchmark/benchmark.h>

#include "app/GlobalVariables.h"
#include "calc/PrimeSieve.h"
#include "working/Working.h"

namespace {

void WorkingOf(benchmark::State& state, const char* exercise, TypedInputs typed) {
    setUpLanguage();
    PrimeSieve::shared();  // built once per run, before the first request that needs it
    for (auto _ : state) benchmark::DoNotOptimize(workingOf(exercise, typed)->lines().size());
}

// Consecutive Fibonacci numbers: the longest run of Euclid's algorithm among 10-digit operands.
const char* const FIB49 = "7778742049";
const char* const FIB48 = "4807526976";

}  // namespace

BENCHMARK_CAPTURE(WorkingOf, remainder, "part1_program1", {"9999999999", "1"});
BENCHMARK_CAPTURE(WorkingOf, primes_up_to_a_million, "part1_program2", {"0", "1000000"})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WorkingOf, factors_of_a_large_prime, "part1_program3", {"9999999967"})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WorkingOf, factors_two_large_primes, "part1_program3", {"9998000099"})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WorkingOf, divisibility, "part1_program4", {"9999999999"});
BENCHMARK_CAPTURE(WorkingOf, gcd_fibonacci, "part1_program5", {FIB49, FIB48});
BENCHMARK_CAPTURE(WorkingOf, lcm_fibonacci, "part1_program6", {FIB49, FIB48});
BENCHMARK_CAPTURE(WorkingOf, goldbach_2500, "part1_program7", {"2500"})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WorkingOf, operations, "part2_program1", {FIB49, FIB48, FIB48, FIB49});
BENCHMARK_CAPTURE(WorkingOf, reduce_fibonacci, "part2_program2", {FIB49, FIB48});
BENCHMARK_CAPTURE(WorkingOf, operations_reduced, "part2_program3", {FIB49, FIB48, "9999999967", "9999999999"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WorkingOf, equality, "part2_program4", {FIB49, FIB48, FIB48, FIB49});
BENCHMARK_CAPTURE(WorkingOf, six_fractions, "part2_program5",
                  {FIB49, FIB48, FIB48, FIB49, FIB49, FIB48, FIB48, FIB49, FIB49, FIB48, FIB48, FIB49});
BENCHMARK_CAPTURE(WorkingOf, mixed, "part3_program1", {"9999999999", "7"});
BENCHMARK_CAPTURE(WorkingOf, recurring_longest_period, "part3_program2", {".[1428571]"});
BENCHMARK_CAPTURE(WorkingOf, comparison, "part3_program3", {FIB49, FIB48, FIB48, FIB49});
BENCHMARK_CAPTURE(WorkingOf, egyptian_eight_steps_then_too_long, "part3_program4", {"5867139163", "5933306209"});
BENCHMARK_CAPTURE(WorkingOf, egyptian_longest_shown, "part3_program4", {"32", "143"});
BENCHMARK_CAPTURE(WorkingOf, egyptian_huge_denominators, "part3_program4", {"5", "121"});
BENCHMARK_CAPTURE(WorkingOf, straight_lines, "part4 program1",
                  {"-0.0000001", "999999999", "0.00000001", "-99999999", "-.12345678", "1234.56789"});
BENCHMARK_CAPTURE(WorkingOf, two_points, "part4 program2", {"-0.0000001", "999999999", "0.00000001", "-99999999"});
BENCHMARK_CAPTURE(WorkingOf, vectors, "part4 program3",
                  {"-0.0000001", "999999999", "0.00000001", "-99999999", "-.12345678", "1234.56789"});
