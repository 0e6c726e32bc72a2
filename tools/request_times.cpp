// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// Times each calculator on its slowest typable input, the benchmarks'
// worst cases, so that the same file runs natively (GMP, or cpp_int with
// CALCORA_CPP_INT) and as WebAssembly under Node.js (cpp_int): the ratio of
// the two runs is the browser's slowdown. Natively it counts the process's
// processor time, which other programs on the machine do not inflate; under
// Node.js only the standard clock is there. Prints "name microseconds"
// (median of repeated requests, each on a fresh calculator).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "app/GlobalVariables.h"
#include "calc/PrimeSieve.h"
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

namespace {

constexpr std::int64_t FIB49 = 7778742049, FIB48 = 4807526976, BIG = 9999999999;

double nowMicroseconds() {
#ifdef __EMSCRIPTEN__
    return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now().time_since_epoch()).count();
#else
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e6 + t.tv_nsec / 1e3;
#endif
}

template <class Run>
void timeRuns(const char* name, int repetitions, Run run) {
    std::vector<double> micros;
    for (int i = 0; i < repetitions; ++i) {
        const double start = nowMicroseconds();
        run();
        micros.push_back(nowMicroseconds() - start);
    }
    std::nth_element(micros.begin(), micros.begin() + micros.size() / 2, micros.end());
    std::printf("%-40s %10.2f\n", name, micros[micros.size() / 2]);
}

template <class P, class... Values>
void time(const char* name, int repetitions, Values... values) {
    timeRuns(name, repetitions, [&] {
        P p;
        p.setSolution("");
        p.calculate(values...);
    });
}

}  // namespace

int main() {
    setUpLanguage();
    timeRuns("prime table 0 to 1000000", 5, [] { PrimeSieve table(PrimeSieve::SHARED_LIMIT); });
    time<Program2>("primes 1 to 1000000", 5, std::int64_t{1}, std::int64_t{1000000});  // builds the table first
    time<Program2>("primes 1 to 1000000 (table built)", 21, std::int64_t{1}, std::int64_t{1000000});
    time<Program1>("remainder", 1001, BIG, std::int64_t{1});
    time<Program5>("greatest common divisor", 1001, FIB49, FIB48);
    time<Program6>("lowest common multiple", 1001, BIG, BIG - 1);
    time<Program3>("factorisation of 9999999967", 101, BIG - 32);
    time<Program4>("divisibility", 1001, BIG);
    time<Program7>("Goldbach 2500", 101, std::int64_t{2500});
    time<Program8>("four operations", 1001, FIB49, BIG - 1, BIG, FIB48);
    time<Program10>("four operations, reduced", 1001, FIB49, BIG - 1, BIG, FIB48);
    time<Program9>("reduce", 1001, FIB49, FIB48);
    time<Program11>("equality", 1001, BIG, BIG - 1, BIG - 1, BIG - 2);
    time<Program12>("six fractions", 1001, FIB49, FIB48, FIB48, FIB49, BIG, BIG - 1, FIB49, BIG, BIG - 1, FIB48, BIG,
                    FIB49);
    time<Program13>("mixed fraction", 1001, BIG, BIG - 1);
    time<Program14>("recurring decimal .[1428571]", 1001, std::string(".[1428571]"));
    time<Program15>("comparison", 1001, BIG, BIG - 1, BIG - 1, BIG - 2);
    time<Program16>("Egyptian fractions 5867139163/5933306209", 1001, std::int64_t{5867139163}, std::int64_t{5933306209});
    time<Program16>("Egyptian fractions 5/121", 1001, std::int64_t{5}, std::int64_t{121});
}
