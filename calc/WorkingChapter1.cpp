// The workings of chapter 1: natural numbers and integers.
#include <numeric>

#include "PrimeSieve.h"
#include "Program1.h"
#include "Program2.h"
#include "Program3.h"
#include "Program4.h"
#include "Program5.h"
#include "Program6.h"
#include "Program7.h"
#include "WorkingParts.h"

using namespace calc;
using namespace working;

namespace {

constexpr int STRUCK_SHOWN = 4;  // multiples written out per prime before "..."

// "4, 6, 8, 10, ...": the first multiples of p from p*p that do not pass `last`.
std::string struckMultiples(std::int64_t p, std::int64_t last) {
    std::string list;
    std::int64_t multiple = p * p;
    for (int shown = 0; shown < STRUCK_SHOWN && multiple <= last; ++shown, multiple += p)
        list += (shown ? ", " : "") + text(multiple);
    if (multiple <= last) list += ", ...";
    return list;
}

template <class Calculator>
std::vector<std::string> fiveLines(const Calculator& c) {
    return panelLines({c.getSolutionLine1(), c.getSolutionLine2(), c.getSolutionLine3(), c.getSolutionLine4(),
                       c.getSolutionLine5()});
}

}  // namespace

Working remainderWorking(std::int64_t n, std::int64_t k) {
    Program1 p;
    p.calculate(n, k);
    Working w{filled(lang_file->working_remainder_title, {text(n), text(k)}), {}, panelLines({p.getSolution()})};
    if (k == 0) {
        w.steps = {lang_file->working_by_zero};
        return w;
    }
    const std::int64_t m = n / k, r = n % k;
    w.steps = {filled(lang_file->working_remainder_divide, {text(n), text(k), text(m), text(r)}),
               filled(lang_file->working_remainder_check, {text(k), text(m), text(r), text(n)}),
               filled(lang_file->working_remainder_smaller, {text(r), text(k)})};
    return w;
}

Working primesWorking(std::int64_t from, std::int64_t to) {
    Program2 p;
    p.calculate(from, to);
    Working w{filled(lang_file->working_primes_title, {text(from), text(to)}), {}, fiveLines(p)};
    const PrimeSieve& sieve = PrimeSieve::shared();
    if (to > sieve.limit()) {
        w.steps = {filled(lang_file->working_primes_too_far, {text(to)})};
        return w;
    }
    w.steps = {filled(lang_file->working_primes_sieve, {text(to)}), filled(lang_file->working_primes_strike_each, {text(to)})};
    std::int64_t count = 0;
    for (std::uint32_t prime : sieve.primes()) {
        const std::int64_t p64 = prime;
        if (p64 * p64 <= to) w.steps.push_back(filled(lang_file->working_primes_strike, {text(p64), struckMultiples(p64, to)}));
        if (p64 >= from && p64 <= to) ++count;
        if (p64 > to) break;
    }
    if (w.steps.size() == 2) w.steps.push_back(filled(lang_file->working_primes_nothing, {text(to)}));
    w.steps.push_back(filled(lang_file->working_primes_count, {text(std::max<std::int64_t>(from, 2)), text(to), text(count)}));
    w.steps.push_back(lang_file->working_saved_results);
    return w;
}

Working factorsWorking(std::int64_t n) {
    Program3 p;
    p.calculate(n);
    Working w{filled(lang_file->working_factors_title, {text(n)}), {}, panelLines({p.getSolution()})};
    if (n < 2) {
        w.steps = {lang_file->working_factors_too_small};
        return w;
    }
    // The ladder tries the primes of the shared table, then odd numbers, as the calculator does.
    std::vector<std::string> ladder;
    std::int64_t rest = n, divisor = 2;
    const auto divideOut = [&](std::int64_t d) {
        while (rest % d == 0) {
            ladder.push_back(text(rest) + " : " + text(d) + " = " + text(rest / d));
            rest /= d;
        }
    };
    for (std::uint32_t prime : PrimeSieve::shared().primes()) {
        divisor = prime;
        if (divisor > rest / divisor) break;
        divideOut(divisor);
    }
    for (divisor |= 1; divisor <= rest / divisor; divisor += 2) divideOut(divisor);
    if (rest > 1) divideOut(rest);
    if (ladder.size() == 1) {
        w.steps = {filled(lang_file->working_factors_prime, {text(n)})};
        return w;
    }
    w.steps = {lang_file->working_factors_ladder};
    append(w.steps, ladder);
    return w;
}

namespace {

enum class Rule { LastDigits, DigitSum, AlternatingSum, Both };

struct DivisibilityRule {
    std::int64_t divisor;
    Rule rule;
    std::int64_t first, second;  // LastDigits: how many; Both: the two divisors
};

const DivisibilityRule RULES[] = {
    {2, Rule::LastDigits, 1, 0},  {3, Rule::DigitSum, 0, 0},  {4, Rule::LastDigits, 2, 0},
    {5, Rule::LastDigits, 1, 0},  {8, Rule::LastDigits, 3, 0}, {9, Rule::DigitSum, 0, 0},
    {11, Rule::AlternatingSum, 0, 0}, {12, Rule::Both, 3, 4},   {15, Rule::Both, 3, 5},
    {18, Rule::Both, 2, 9},
};

std::int64_t digitSum(std::int64_t n, bool alternating) {
    std::int64_t sum = 0, sign = 1;
    for (; n > 0; n /= 10, sign = alternating ? -sign : 1) sum += sign * (n % 10);
    return sum;
}

std::string ruleLine(const DivisibilityRule& r, std::int64_t n) {
    const Language& t = *lang_file;
    const std::string answer = n % r.divisor == 0 ? t.working_yes : t.working_no;
    const std::string d = text(r.divisor);
    switch (r.rule) {
    case Rule::LastDigits: {
        const std::int64_t power = r.first == 1 ? 10 : r.first == 2 ? 100 : 1000;
        if (r.first == 1) return filled(t.working_rule_last_digit, {d, text(n % power), answer});
        return filled(t.working_rule_last_digits, {d, text(r.first), text(n % power), answer});
    }
    case Rule::DigitSum: return filled(t.working_rule_digit_sum, {d, text(digitSum(n, false)), answer});
    case Rule::AlternatingSum: return filled(t.working_rule_alternating, {d, text(digitSum(n, true)), answer});
    case Rule::Both: return filled(t.working_rule_both, {d, text(r.first), text(r.second), answer});
    }
    return {};
}

}  // namespace

Working divisibilityWorking(std::int64_t n) {
    Program4 p;
    p.calculate(n);
    Working w{filled(lang_file->working_divisibility_title, {text(n)}), {},
              panelLines({p.getSolutionLine1(), p.getSolutionLine2()})};
    for (const DivisibilityRule& r : RULES) w.steps.push_back(ruleLine(r, n));
    return w;
}

Working gcdWorking(std::int64_t a, std::int64_t b) {
    Program5 p;
    p.calculate(a, b);
    Working w{filled(lang_file->working_gcd_title, {text(a), text(b)}), {}, panelLines({p.getSolution()})};
    const Euclid e = euclid(a, b);
    w.steps = e.lines;
    if (a != 0 && b != 0) w.steps.push_back(filled(lang_file->working_gcd_last, {text(e.gcd)}));
    return w;
}

Working lcmWorking(std::int64_t a, std::int64_t b) {
    Program6 p;
    p.calculate(a, b);
    Working w{filled(lang_file->working_lcm_title, {text(a), text(b)}), {}, panelLines({p.getSolution()})};
    if (a == 0 || b == 0) {
        w.steps = {lang_file->working_lcm_zero};
        return w;
    }
    const Euclid e = euclid(a, b);
    w.steps = e.lines;
    w.steps.push_back(filled(lang_file->working_gcd_is, {text(a), text(b), text(e.gcd)}));
    w.steps.push_back("LCM = " + text(a) + " * " + text(b) + " / " + text(e.gcd) + " = " +
                      text(Integer(a) * Integer(b) / e.gcd));
    return w;
}

Working goldbachWorking(std::int64_t n) {
    Program7 p;
    p.calculate(n);
    Working w{filled(lang_file->working_goldbach_title, {text(n)}), {}, fiveLines(p)};
    if (n < 4 || n > 2500) {
        w.steps = {lang_file->working_goldbach_range};
        return w;
    }
    const PrimeSieve& sieve = PrimeSieve::shared();
    int pairs = 0;
    if (n % 2 == 1) {
        // Two odd primes make an even sum, so only 2 + (n - 2) can work.
        w.steps = {filled(lang_file->working_goldbach_odd, {text(n)})};
        const bool prime = sieve.isPrime(n - 2);
        w.steps.push_back(filled(prime ? lang_file->working_goldbach_pair : lang_file->working_goldbach_not_prime,
                                 {text(n), "2", text(n - 2)}));
        pairs = prime;
    } else {
        w.steps = {filled(lang_file->working_goldbach_search, {text(n / 2), text(n)})};
        for (std::int64_t q = 2; q <= n / 2; ++q)
            if (sieve.isPrime(q) && sieve.isPrime(n - q)) {
                w.steps.push_back(filled(lang_file->working_goldbach_pair, {text(n), text(q), text(n - q)}));
                ++pairs;
            }
    }
    if (pairs == 0) w.steps.push_back(filled(lang_file->working_goldbach_none, {text(n)}));
    w.steps.push_back(filled(lang_file->working_goldbach_count, {text(pairs)}));
    w.steps.push_back(lang_file->working_saved_results);
    return w;
}
