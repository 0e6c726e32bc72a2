// Times each calculator on its slowest typable input, the benchmarks'
// worst cases, with nothing but the standard clock, so that the same file
// runs natively (GMP) and as WebAssembly under Node.js (cpp_int): the ratio
// of the two runs is the browser's slowdown. Prints "name microseconds"
// (median of repeated requests, each on a fresh calculator).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/GlobalVariables.h"
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

template <class P, class... Values>
void time(const char* name, int repetitions, Values... values) {
    std::vector<double> micros;
    for (int i = 0; i < repetitions; ++i) {
        const auto start = std::chrono::steady_clock::now();
        P p;
        p.setSolution("");
        p.calculate(values...);
        micros.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    std::nth_element(micros.begin(), micros.begin() + micros.size() / 2, micros.end());
    std::printf("%-40s %10.2f\n", name, micros[micros.size() / 2]);
}

}  // namespace

int main() {
    setUpLanguage();
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
