// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// Chapter 1 calculators at their slowest typable inputs, one request each as
// the screen runs it: fresh object, empty solution, calculate, read the text.
#include <benchmark/benchmark.h>

#include "app/GlobalVariables.h"
#include "calc/PrimeSieve.h"
#include "calc/Program1.h"
#include "calc/Program2.h"
#include "calc/Program3.h"
#include "calc/Program4.h"
#include "calc/Program5.h"
#include "calc/Program6.h"
#include "calc/Program7.h"

namespace {

// Consecutive Fibonacci numbers: the longest run of Euclid's algorithm
// among 10-digit operands.
constexpr std::int64_t FIBONACCI_49 = 7778742049;
constexpr std::int64_t FIBONACCI_48 = 4807526976;

template <class P, class... Args> void request(benchmark::State& state, Args... args) {
    setUpLanguage();
    PrimeSieve::shared();  // built once per run, before the first request that needs it
    for (auto _ : state) {
        P program;
        program.setSolution("");
        program.calculate(std::int64_t(args)...);
        benchmark::DoNotOptimize(program.getSolution());
    }
}

void Remainder(benchmark::State& s) { request<Program1>(s, 9999999999, 1); }
void Gcd(benchmark::State& s) { request<Program5>(s, FIBONACCI_49, FIBONACCI_48); }
void Lcm(benchmark::State& s) { request<Program6>(s, 9999999999, 9999999998); }
void LcmFibonacci(benchmark::State& s) { request<Program6>(s, FIBONACCI_49, FIBONACCI_48); }
void FactorisePrime(benchmark::State& s) { request<Program3>(s, 9999999967); }
void FactoriseTwoLargePrimes(benchmark::State& s) { request<Program3>(s, 9998000099); }
void Divisibility(benchmark::State& s) { request<Program4>(s, 9999999999); }
void ListPrimesUpToAMillion(benchmark::State& s) { request<Program2>(s, 1, 1000000); }
void ListPrimesOutOfRange(benchmark::State& s) { request<Program2>(s, 1, 9999999999); }
void Goldbach2500(benchmark::State& s) { request<Program7>(s, 2500); }

void BuildSieve(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(PrimeSieve(PrimeSieve::SHARED_LIMIT).primes().size());
}

}  // namespace

BENCHMARK(Remainder);
BENCHMARK(Gcd);
BENCHMARK(Lcm);
BENCHMARK(LcmFibonacci);
BENCHMARK(FactorisePrime)->Unit(benchmark::kMicrosecond);
BENCHMARK(FactoriseTwoLargePrimes)->Unit(benchmark::kMicrosecond);
BENCHMARK(Divisibility);
BENCHMARK(ListPrimesUpToAMillion)->Unit(benchmark::kMillisecond);
BENCHMARK(ListPrimesOutOfRange);
BENCHMARK(Goldbach2500)->Unit(benchmark::kMicrosecond);
BENCHMARK(BuildSieve)->Unit(benchmark::kMillisecond);
