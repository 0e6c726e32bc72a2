#pragma once
// The texts of the working screen and of the workings, English and Polish,
// one row each: X(member, "English", "Polish"). "{1}", "{2}", ... mark where
// a number or a fraction goes (see `filled`). Lines that are formulas
// ("18 = 1 * 12 + 6") are the same in both languages and are not here.
#include <string>

#define CALCORA_WORKING_TEXTS(X)                                                                                    \
    X(working_hint, "W: show the working", "W: pokaz rozwiazanie")                                                  \
    X(working_keys, "Up/Down, Page Up/Down, Home/End: scroll    Enter: save to working.txt    Esc or W: back",      \
      "Gora/Dol, Page Up/Down, Home/End: przewijanie    Enter: zapis do working.txt    Esc lub W: powrot")          \
    X(working_more_above, "more above", "wiecej powyzej")                                                           \
    X(working_more_below, "more below", "wiecej ponizej")                                                           \
    X(working_saved, "Saved to working.txt", "Zapisano w pliku working.txt")                                        \
    X(working_save_failed, "Could not save working.txt", "Nie mozna zapisac pliku working.txt")                     \
    X(working_yes, "yes", "tak")                                                                                    \
    X(working_no, "no", "nie")                                                                                      \
    X(working_gcd_is, "GCD({1}, {2}) = {3}", "NWD({1}, {2}) = {3}")                                                 \
    X(working_euclid, "Euclid's algorithm: divide with remainder until the remainder is 0",                         \
      "Algorytm Euklidesa: dzielimy z reszta, az reszta bedzie rowna 0")                                            \
    X(working_gcd_zero, "GCD({1}, 0) = {1}: every number divides 0", "NWD({1}, 0) = {1}: kazda liczba dzieli 0")    \
    X(working_gcd_both_zero, "GCD(0, 0) = 0 by agreement: every number divides 0",                                  \
      "NWD(0, 0) = 0 umownie: kazda liczba dzieli 0")                                                               \
    X(working_zero_denominator, "{1} has the denominator 0: such a fraction has no value",                          \
      "{1} ma mianownik 0: taki ulamek nie ma wartosci")                                                            \
    X(working_saved_results, "The whole answer is saved in results.txt",                                            \
      "Cala odpowiedz jest zapisana w pliku results.txt")                                                           \
    X(working_remainder_title, "Remainder of {1} by {2}", "Reszta z dzielenia {1} przez {2}")                       \
    X(working_remainder_divide, "{1} : {2} = {3} remainder {4}", "{1} : {2} = {3} reszta {4}")                     \
    X(working_remainder_check, "Check: {1} * {2} + {3} = {4}", "Sprawdzenie: {1} * {2} + {3} = {4}")                \
    X(working_remainder_smaller, "The remainder {1} is smaller than {2}", "Reszta {1} jest mniejsza od {2}")        \
    X(working_by_zero, "Dividing by 0 has no answer: k * 0 = 0 for every k",                                        \
      "Dzielenie przez 0 nie ma wyniku: k * 0 = 0 dla kazdego k")                                                   \
    X(working_primes_title, "Primes from {1} to {2}", "Liczby pierwsze od {1} do {2}")                              \
    X(working_primes_too_far, "The list reaches at most 1000000, and {1} lies beyond it",                           \
      "Lista siega najwyzej 1000000, a {1} lezy dalej")                                                             \
    X(working_primes_sieve, "Sieve of Eratosthenes: write the numbers from 2 to {1};",                              \
      "Sito Eratostenesa: wypisujemy liczby od 2 do {1};")                                                          \
    X(working_primes_strike_each, "for each prime p with p * p <= {1}, strike its multiples from p * p on",         \
      "dla kazdej liczby pierwszej p, dla ktorej p * p <= {1}, skreslamy jej wielokrotnosci od p * p")              \
    X(working_primes_strike, "{1}: strike {2}", "{1}: skreslamy {2}")                                               \
    X(working_primes_nothing, "No prime p has p * p <= {1}: nothing to strike",                                     \
      "Zadna liczba pierwsza p nie ma p * p <= {1}: nic do skreslenia")                                             \
    X(working_primes_count, "Left unstruck from {1} to {2}: {3} primes",                                            \
      "Nieskreslone od {1} do {2}: {3} liczb pierwszych")                                                           \
    X(working_factors_title, "Prime factors of {1}", "Rozklad liczby {1} na czynniki pierwsze")                     \
    X(working_factors_too_small, "Only numbers from 2 up have prime factors",                                       \
      "Na czynniki pierwsze rozkladamy liczby od 2 w gore")                                                         \
    X(working_factors_ladder, "Divide by the smallest prime that divides, until 1 is left:",                        \
      "Dzielimy przez najmniejsza liczbe pierwsza, ktora dzieli, az zostanie 1:")                                   \
    X(working_factors_prime, "{1} is prime: no number d from 2 with d * d <= {1} divides it",                       \
      "{1} jest liczba pierwsza: nie dzieli jej zadna liczba d od 2, dla ktorej d * d <= {1}")                      \
    X(working_divisibility_title, "Divisibility of {1}", "Podzielnosc liczby {1}")                                  \
    X(working_rule_last_digit, "{1}: the last digit {2} is divisible by {1}? {3}",                                  \
      "{1}: ostatnia cyfra {2} jest podzielna przez {1}? {3}")                                                      \
    X(working_rule_last_digits, "{1}: the last {2} digits give {3}, divisible by {1}? {4}",                         \
      "{1}: {2} ostatnie cyfry daja {3}, podzielne przez {1}? {4}")                                                 \
    X(working_rule_digit_sum, "{1}: the digit sum {2} is divisible by {1}? {3}",                                    \
      "{1}: suma cyfr {2} jest podzielna przez {1}? {3}")                                                           \
    X(working_rule_alternating, "{1}: the alternating digit sum {2} is divisible by {1}? {3}",                      \
      "{1}: naprzemienna suma cyfr {2} jest podzielna przez {1}? {3}")                                              \
    X(working_rule_both, "{1}: divisible by {2} and by {3}? {4}", "{1}: podzielna przez {2} i przez {3}? {4}")      \
    X(working_gcd_title, "GCD of {1} and {2}", "NWD liczb {1} i {2}")                                               \
    X(working_gcd_last, "GCD = {1}, the last non-zero remainder", "NWD = {1}, ostatnia niezerowa reszta")           \
    X(working_lcm_title, "LCM of {1} and {2}", "NWW liczb {1} i {2}")                                               \
    X(working_lcm_zero, "The only multiple of 0 is 0, so the LCM is 0", "Jedyna wielokrotnoscia 0 jest 0, wiec NWW = 0") \
    X(working_goldbach_title, "Goldbach for {1}", "Hipoteza Goldbacha dla {1}")                                     \
    X(working_goldbach_range, "The program checks the numbers from 4 to 2500 only",                                 \
      "Program sprawdza tylko liczby od 4 do 2500")                                                                 \
    X(working_goldbach_odd, "{1} is odd, so one of the two primes must be 2, the only even prime",                  \
      "{1} jest nieparzysta, wiec jedna z dwoch liczb pierwszych musi byc 2, jedyna parzysta liczba pierwsza")      \
    X(working_goldbach_search, "For each prime p from 2 to {1}: is {2} - p prime?",                                 \
      "Dla kazdej liczby pierwszej p od 2 do {1}: czy {2} - p jest liczba pierwsza?")                               \
    X(working_goldbach_pair, "{1} - {2} = {3} is prime: {1} = {2} + {3}",                                           \
      "{1} - {2} = {3} jest liczba pierwsza: {1} = {2} + {3}")                                                      \
    X(working_goldbach_not_prime, "{1} - {2} = {3} is not prime", "{1} - {2} = {3} nie jest liczba pierwsza")       \
    X(working_goldbach_none, "No prime p gives a prime {1} - p", "Zadna liczba pierwsza p nie daje liczby pierwszej {1} - p") \
    X(working_goldbach_count, "Pairs found: {1}", "Znalezione pary: {1}")                                           \
    X(working_operations_title, "Four operations on {1} and {2}", "Cztery dzialania na ulamkach {1} i {2}")         \
    X(working_operations_reduced_title, "Four operations on {1} and {2}, results reduced",                          \
      "Cztery dzialania na ulamkach {1} i {2}, wyniki skrocone")                                                    \
    X(working_no_reciprocal, "{1} is 0 and has no reciprocal: dividing by it has no answer",                        \
      "{1} jest rowny 0 i nie ma odwrotnosci: nie mozna przez niego dzielic")                                       \
    X(working_reduce_each, "Reduce each result by the GCD of its numerator and denominator:",                       \
      "Skracamy kazdy wynik przez NWD licznika i mianownika:")                                                      \
    X(working_reduce_title, "Reduce {1}", "Skracanie ulamka {1}")                                                   \
    X(working_equality_title, "Are {1} and {2} equal?", "Czy ulamki {1} i {2} sa rowne?")                           \
    X(working_cross_products, "Multiply crosswise:", "Mnozymy na krzyz:")                                           \
    X(working_cross_equal, "{1} = {2}: the fractions are equal", "{1} = {2}: ulamki sa rowne")                      \
    X(working_cross_differ, "{1} and {2} differ: the fractions are not equal",                                      \
      "{1} i {2} sa rozne: ulamki nie sa rowne")                                                                    \
    X(working_six_title, "Six fractions in lowest terms", "Szesc ulamkow w najprostszej postaci")                   \
    X(working_six_line, "{1}) GCD({2}, {3}) = {4}, so {2}/{3} = {5}", "{1}) NWD({2}, {3}) = {4}, wiec {2}/{3} = {5}") \
    X(working_mixed_title, "Mixed fraction of {1}", "Liczba mieszana z ulamka {1}")                                 \
    X(working_recurring_title, "Recurring decimal {1}", "Ulamek okresowy {1}")                                      \
    X(working_recurring_shape, "Type digits, a point, digits and the repeating digits in brackets, e.g. 0.12[857]", \
      "Wpisz cyfry, kropke, cyfry i powtarzajace sie cyfry w nawiasach, np. 0.12[857]")                             \
    X(working_recurring_subtract, "Subtract so that the repeating digits cancel:",                                  \
      "Odejmujemy stronami, aby powtarzajace sie cyfry sie zniosly:")                                               \
    X(working_compare_title, "Compare {1} and {2}", "Porownanie ulamkow {1} i {2}")                                 \
    X(working_compare_first, "{1} > {2}, so {3} is greater", "{1} > {2}, wiec wiekszy jest ulamek {3}")            \
    X(working_compare_second, "{1} < {2}, so {3} is greater", "{1} < {2}, wiec wiekszy jest ulamek {3}")           \
    X(working_egyptian_title, "Egyptian fractions of {1}", "Ulamki egipskie dla {1}")                               \
    X(working_egyptian_whole, "{1} is a whole number: there is nothing to expand",                                  \
      "{1} jest liczba calkowita: nie ma czego rozkladac")                                                          \
    X(working_egyptian_unit_start, "{1} already has the numerator 1: it is split into two",                         \
      "{1} ma juz licznik 1: rozkladamy go na dwa ulamki")                                                          \
    X(working_egyptian_take, "The largest unit fraction below {1} is 1/{2}",                                        \
      "Najwiekszy ulamek o liczniku 1 mniejszy od {1} to 1/{2}")                                                    \
    X(working_egyptian_last, "{1} has the numerator 1: it is the last term",                                        \
      "{1} ma licznik 1: to ostatni skladnik")                                                                      \
    X(working_egyptian_too_long, "The sum grows longer than the panel can show",                                    \
      "Suma robi sie dluzsza, niz zmiesci panel")                                                                   \
    X(working_lines_title, "Straight lines y = ax + b", "Proste y = ax + b")                                        \
    X(working_line, "Line {1}: y = {2}", "Prosta {1}: y = {2}")                                                     \
    X(working_line_y_axis, "  crosses the y axis at (0, {1})", "  przecina os y w punkcie (0, {1})")                \
    X(working_line_x_axis, "  crosses the x axis where {1} = 0: at ({2}, 0)",                                       \
      "  przecina os x tam, gdzie {1} = 0: w punkcie ({2}, 0)")                                                     \
    X(working_line_x_never, "  is horizontal and never crosses the x axis", "  jest pozioma i nie przecina osi x")  \
    X(working_line_x_everywhere, "  is the x axis itself: it crosses it everywhere",                                \
      "  pokrywa sie z osia x: ma z nia wszystkie punkty wspolne")                                                  \
    X(working_lines_cross, "Lines {1} and {2}: {3} = {4}, so they cross at ({5}, {6})",                             \
      "Proste {1} i {2}: {3} = {4}, wiec przecinaja sie w punkcie ({5}, {6})")                                      \
    X(working_lines_parallel, "Lines {1} and {2} are parallel: same slope, different intercepts",                   \
      "Proste {1} i {2} sa rownolegle: ten sam wspolczynnik kierunkowy, rozne wyrazy wolne")                        \
    X(working_lines_same, "Lines {1} and {2} are the same line", "Proste {1} i {2} to ta sama prosta")              \
    X(working_two_points_title, "Line through ({1}, {2}) and ({3}, {4})",                                           \
      "Prosta przez punkty ({1}, {2}) i ({3}, {4})")                                                                \
    X(working_vertical, "x1 = x2 = {1}: the line is vertical", "x1 = x2 = {1}: prosta jest pionowa")               \
    X(working_same_points, "The two points are equal: every line through that point passes through both",          \
      "Punkty sa rowne: przez oba przechodzi kazda prosta przez ten punkt")                                         \
    X(working_not_a_line, "Two equal points do not fix one line", "Dwa rowne punkty nie wyznaczaja jednej prostej") \
    X(working_vectors_title, "Vectors w1 = [{1}, {2}] and w2 = [{3}, {4}]",                                         \
      "Wektory w1 = [{1}, {2}] i w2 = [{3}, {4}]")                                                                  \
    X(working_vectors_lengths, "Lengths: |[x, y]| = sqrt(x * x + y * y)", "Dlugosci: |[x, y]| = sqrt(x * x + y * y)")

// One member per row, holding the wording of one language.
struct WorkingTexts {
#define CALCORA_WORKING_TEXT_MEMBER(member, english, polish) std::string member;
    CALCORA_WORKING_TEXTS(CALCORA_WORKING_TEXT_MEMBER)
#undef CALCORA_WORKING_TEXT_MEMBER
};

// The wording of the language the program shows now (the Space key switches it).
const WorkingTexts& workingTexts();

// `pattern` with "{1}" replaced by values[0], "{2}" by values[1], and so on.
std::string filled(const std::string& pattern, std::initializer_list<std::string> values);
