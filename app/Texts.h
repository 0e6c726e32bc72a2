#pragma once
// Every text the pupil can see, once: the member of `Language` that holds it,
// its English wording and its Polish wording (plain ASCII, no diacritics).
// The text table, its members and its count are all generated from this list.
#define CALCORA_TEXTS(X) \
    X(start_screen_line1, "1. Natural numbers and integers", "1. Liczby naturalne i calkowite") \
    X(start_screen_line2, "2. Fractions and rational numbers - part 1", "2. Ulamki i liczby wymierne - czesc 1") \
    X(start_screen_line3, "3. Fractions and rational numbers - part 2", "3. Ulamki i liczby wymierne - czesc 2") \
    X(start_screen_line4, "4. Linear functions and vectors", "4. Funkcje liniowe i wektory") \
    X(start_screen_line5, "Options", "Opcje") \
    X(start_screen_line6, "About program", "O programie") \
    X(start_screen_line7, "Exit", "Wyjscie") \
    X(start_screen_language1, "zmien na:", "change to:") \
    X(start_screen_language2, "POLSKI", "ENGLISH") \
    X(part4_line1, "Linear functions and vectors", "Funckje liniowe i wektory") \
    X(part4_line2, "1. Draw 1-3 straight lines", "1. Rysowanie 1-3 prostych") \
    X(part4_line3, "2. Draw a straight line through 2 points", "2. Narysuj prosta przechodzaca przez 2 punkty") \
    X(part4_line4, "3. Draw 1-2 vectors", "3. Narysuj 1-2 dowolnych wektorow") \
    X(part4_line5, "Back", "Powrot") \
    X(options_line1, "Options", "Opcje") \
    X(options_line2, "Fullscreen: ", "Pelen ekran: ") \
    X(options_line3, "Grid on the chart: ", "Kratki na wykresie: ") \
    X(options_line4, "Back", "Powrot") \
    X(options_fullscreen_on, "on", "wlaczony") \
    X(options_fullscreen_off, "off", "wylaczony") \
    X(options_gridlines_on, "on", "wlaczone") \
    X(options_gridlines_off, "off", "wylaczone") \
    X(options_controls, "controls:", "klawisze:") \
    X(options_key1, "arrow keys - move around the program", "strzalki - poruszanie sie po programie") \
    X(options_key2, "enter - validate", "enter - zawierdz") \
    X(options_key3, "delete - remove entered data", "delete - usun wpisane dane") \
    X(options_key4, "space key - change language", "spacja - zmien jezyk") \
    X(options_key5, "escape - back to previous screen", "escape - powrot do poprzedniego ekranu") \
    X(about_line1, "About program", "O programie") \
    X(about_line2, "Created by:", "Stworzony przez:") \
    X(about_line3, "The Calcora team", "The Calcora team") \
    X(about_line4, "", "") \
    X(about_line5, "as addition to book:", "jako dodatek do ksiazki:") \
    X(about_line6, "Mathematics for secondary schools", "Matematyka dla szkol srednich") \
    X(about_line7, "written by a team of mathematics teachers", "napisanej przez zespol nauczycieli matematyki") \
    X(_back, "Back", "Powrot") \
    X(to_remove_data_press, "To remove data press", "Aby usunac dane wcisnij") \
    X(_delete, "Delete", "Delete") \
    X(results_from, "Results from tasks 2 and 7 are saved to file results.txt", "Wyniki z zadan 2 oraz 7 sa zapisywane do pliku results.txt") \
    X(part1_program1_line1, "1. Calculate the rest r by dividing n by k", "1. Oblicz reszte r z dzielenia n przez k") \
    X(part1_program1_line2, "n = k * m + r", "n = k * m + r") \
    X(part1_program1_line3, "n =", "n =") \
    X(part1_program1_line4, "k =", "k =") \
    X(part1_program1_line5, "calculate1", "oblicz1") \
    X(part1_program2_line1, "Prime numbers (sieve of Eratosthenes)", "2. Liczby pierwsze (sito Eratostenesa)") \
    X(part1_program2_line2, "List prime numbers", "Wypisz liczby pierwsze") \
    X(part1_program2_line3, "from", "od") \
    X(part1_program2_line4, "to", "do") \
    X(part1_program2_line5, "calculate2", "oblicz2") \
    X(part1_program3_line1, "3. Distribution of a natural number to prime divisors", "3. Rozklad liczby naturalnej na dzielniki pierwsze") \
    X(part1_program3_line2, "Enter number", "Wpisz liczbe") \
    X(part1_program3_line3, "calculate3", "oblicz3") \
    X(part1_program4_line1, "4. Can a given number be devided by:", "4. Czy dana liczba jest podzielna przez:") \
    X(part1_program4_line2, "2, 3, 4, 5, 8, 9, 11, 12, 15, 18", "2, 3, 4, 5, 8, 9, 11, 12, 15, 18") \
    X(part1_program4_line3, "Enter number", "Wpisz liczbe") \
    X(part1_program4_line4, "calculate4", "oblicz4") \
    X(part1_program5and6_line1, "5. GCD - greatest common divisor", "5. NWD - najwiekszy wspolny dzielnik") \
    X(part1_program5and6_line2, "6. LCM - lowest common multiple", "6. NWW - najmniejsza wspolna wielokrotnosc") \
    X(part1_program5and6_line3, "Number 1", "Liczba 1") \
    X(part1_program5and6_line4, "Number 2", "Liczba 2") \
    X(part1_program5and6_line5, "calculate5", "oblicz5") \
    X(part1_program5and6_line6, "calculate6", "oblicz6") \
    X(part1_program7_line1, "7. Check with Goldbach's conjecture is true", "7. Sprawdz ze hipoteza Goldbacha jest prawdziwa") \
    X(part1_program7_line2, "for numbers n: 4<=n<=2500", "dla liczb n: 4<=n<=2500") \
    X(part1_program7_line3, "Enter n", "Wpisz n") \
    X(part1_program7_line4, "calculate7", "oblicz7") \
    X(part2_program1_line1, "1. Solve 4 actions in set U", "1. Wykonaj 4 dzialania w zbiorze U") \
    X(part2_program1_line2, "numerator:", "licznik:") \
    X(part2_program1_line3, "denominator:", "mianownik:") \
    X(part2_program1_line4, "number1:", "liczba1:") \
    X(part2_program1_line5, "number2:", "liczba2:") \
    X(part2_program1_line6, "calculate1", "oblicz1") \
    X(part2_program2_line1, "2. Reduce fraction", "2. Skroc ulamek") \
    X(part2_program2_line2, "numerator:", "licznik:") \
    X(part2_program2_line3, "denominator:", "mianownik:") \
    X(part2_program2_line4, "calculate2", "oblicz2") \
    X(part2_program3_line1, "3. Solve 4 actions in set W", "3. Wykonaj 4 dzialania w zbiorze W") \
    X(part2_program3_line2, "numerator:", "licznik:") \
    X(part2_program3_line3, "denominator:", "mianownik:") \
    X(part2_program3_line4, "number1:", "liczba1:") \
    X(part2_program3_line5, "number2:", "liczba2:") \
    X(part2_program3_line6, "calculate3", "oblicz3") \
    X(part2_program4_line1, "4. Do these fractions represent the same rational number", "4. Czy te ulamki reprezentuja te sama liczbe wymierna") \
    X(part2_program4_line2, "numerator:", "licznik:") \
    X(part2_program4_line3, "denominator:", "mianownik:") \
    X(part2_program4_line4, "number1:", "liczba1:") \
    X(part2_program4_line5, "number2:", "liczba2:") \
    X(part2_program4_line6, "calculate4", "oblicz4") \
    X(part2_program5_line1, "5. What rational numbers do these fractions represent", "5. Jakie liczby wymierne reprezentuja te ulamki") \
    X(part2_program5_line2, "numerator:", "licznik:") \
    X(part2_program5_line3, "denominator:", "mianownik:") \
    X(part2_program5_line4, "number1:", "liczba1:") \
    X(part2_program5_line5, "number2:", "liczba2:") \
    X(part2_program5_line6, "number3:", "liczba3:") \
    X(part2_program5_line7, "number4:", "liczba4:") \
    X(part2_program5_line8, "number5:", "liczba5:") \
    X(part2_program5_line9, "number6:", "liczba6:") \
    X(part2_program5_line10, "calculate5", "oblicz5") \
    X(part3_program1_line1, "1. Exchange common fraction for mixed fraction", "1. Zamien ulamek zwykly na ulamek mieszany") \
    X(part3_program1_line2, "numerator:", "licznik:") \
    X(part3_program1_line3, "denominator:", "mianownik:") \
    X(part3_program1_line4, "calculate1", "oblicz1") \
    X(part3_program2_line1, "2. Introduce recurring decimal in the form of", "2. Przedstaw ulamek dziesietny okresowy w postaci") \
    X(part3_program2_line2, "a common fraction. Example: 0.12[857]", "ulamka zwyklego. Przyklad: 0.12[857]") \
    X(part3_program2_line3, "recurring decimal:", "ulamek dziesietny okresowy:") \
    X(part3_program2_line4, "calculate2", "oblicz2") \
    X(part3_program3_line1, "3. Compare 2 fractions pointing to larger fraction", "3. Porownaj 2 ulamki wskazujac ulamek wiekszy") \
    X(part3_program3_line2, "numerator:", "licznik:") \
    X(part3_program3_line3, "denominator:", "mianownik:") \
    X(part3_program3_line4, "number1:", "liczba1:") \
    X(part3_program3_line5, "number2:", "liczba2:") \
    X(part3_program3_line6, "calculate3", "oblicz3") \
    X(part3_program4_line1, "4. The procedure of presentation of any rational number", "4. Procedura przedstawiania dowolnej liczby wymiernej") \
    X(part3_program4_line2, "as the sum of Egyptian fractions", "w postaci sumy ulamkow egipskich") \
    X(part3_program4_line3, "numerator:", "licznik:") \
    X(part3_program4_line4, "denominator:", "mianownik:") \
    X(part3_program4_line5, "calculate4", "oblicz4") \
    X(part4_program1_line1, "straight line 1", "prosta 1") \
    X(part4_program1_line2, "straight line 2", "prosta 2") \
    X(part4_program1_line3, "straight line 3", "prosta 3") \
    X(part4_program1_a, "a:", "a:") \
    X(part4_program1_b, "b:", "b:") \
    X(part4_program2_line1, "1. Draw straight line", "1. Narysuj prosta") \
    X(part4_program2_line2, "passing through 2 points", "przechodzaca przez 2 punkty") \
    X(part4_program2_point1, "point 1", "punkt 1") \
    X(part4_program2_point2, "point 2", "punkt 2") \
    X(part4_program2_x, "x:", "x:") \
    X(part4_program2_y, "y:", "y:") \
    X(part4_program3_line1, "3. Draw 1-2", "3. Narysuj 1-2") \
    X(part4_program3_line2, "vectors", "dowolnych wektorow") \
    X(part4_program3_vector1, "vector 1", "wektor 1") \
    X(part4_program3_vector2, "vector 2", "wektor 2") \
    X(part4_program3_x, "x:", "x:") \
    X(part4_program3_y, "y:", "y:") \
    X(part4_program3_m_vector1_by, "multiply vector 1 by:", "pomnoz wektor 1 przez:") \
    X(part4_program3_m_vector2_by, "multiply vector 2 by:", "pomnoz wektor 2 przez:") \
    X(program2, "Number of prime numbers: ", "Ilosc liczb pierwszych: ") \
    X(program3_1, "Prime divisors ", "Dzielniki pierwsze ") \
    X(program3_2, " amount to: ", " wynosza: ") \
    X(program3_3, "Incorrect data", "Niewlasciwe dane") \
    X(program4_1, ": yes    ", ": tak    ") \
    X(program4_2, ": no    ", ": nie    ") \
    X(program4_3, "The given number is divisible by:", "Podana liczba jest podzielna przez:") \
    X(program5_1, "Greatest common divisor of numbers ", "Najwiekszy wspolny dzielnik liczb ") \
    X(program5_2, " is: ", " wynosi: ") \
    X(program6_1, "Lowest common multiple of numers ", "Najmniejsza wspolna wielokrotnosc liczb ") \
    X(program6_2, " is: ", " wynosi: ") \
    X(program7_1, "Enter number n of interval 4<=n<=2500", "Wpisz liczbe n z przedzialu 4<=n<=2500") \
    X(program7_2, "There are no solutions", "Nie ma rozwiazan") \
    X(program11_1, "Two fractions present the same rational number", "Dwa ulamki przedstawiaja te sama liczbe wymierna") \
    X(program11_2, "Two fractions do not present the same rational number", "Dwa ulamki nie przedstawiaja tej samej liczby wymiernej") \
    X(program12_1, "Fraction 1: ", "Ulamek 1: ") \
    X(program12_2, "Fraction 2: ", "Ulamek 2: ") \
    X(program12_3, "Fraction 3: ", "Ulamek 3: ") \
    X(program12_4, "Fraction 4: ", "Ulamek 4: ") \
    X(program12_5, "Fraction 5: ", "Ulamek 5: ") \
    X(program12_6, "Fraction 6: ", "Ulamek 6: ") \
    X(program13, "Mixed fraction: ", "Ulamek mieszany: ") \
    X(program15_1, "Fraction 1 is greater.", "Ulamek 1 jest wiekszy.") \
    X(program15_2, "Fraction 2 is greater.", "Ulamek 2 jest wiekszy.") \
    X(program15_3, "Fractions 1 and 2 are equal.", "Ulamki 1 i 2 sa rowne.") \
    X(error_division_by_zero, "Division by zero is not allowed", "Nie mozna dzielic przez zero") \
    X(error_zero_denominator, "The denominator cannot be 0", "Mianownik nie moze byc zerem") \
    X(error_primes_range, "Enter numbers from 0 to 1000000", "Wpisz liczby od 0 do 1000000") \
    X(error_recurring_decimal, "Write the decimal like 0.12[857]", "Zapisz ulamek tak jak 0.12[857]") \
    X(error_too_long, "The answer is too long to show", "Odpowiedz jest za dluga, by ja pokazac")
