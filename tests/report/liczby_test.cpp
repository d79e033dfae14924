// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "report/liczby.h"

namespace {

struct Przyklad {
    double v;
    int cyfry;
    const char* tekst;
};

// Restores the numeric locale the test changed.
struct Lokalizacja {
    std::string dawna = std::setlocale(LC_NUMERIC, nullptr);
    ~Lokalizacja() { std::setlocale(LC_NUMERIC, dawna.c_str()); }
};

}  // namespace

TEST(LiczbaRaportu, CyfryZnaczacePrzecinekIPotegi) {
    const Przyklad przyklady[] = {
        {1234.5678, 4, "1235"},
        {-123.44, 4, "-123,4"},
        {0.0123456, 4, "0,01235"},
        {24, 4, "24"},
        {-14999.99902344, 4, "-15000"},       // float noise of a round value
        {-170.925003051757812, 4, "-170,9"},  // a reaction as single precision stores it
        {9.99996, 4, "10"},                   // rounding carries into the next power
        {999999.6, 4, "1·10⁶"},               // ... and out of fixed notation
        {0.0001, 4, "0,0001"},
        {0.00009999, 4, "9,999·10⁻⁵"},
        {2.1e11, 4, "2,1·10¹¹"},
        {210000000, 4, "2,1·10⁸"},
        {-1.5e-6, 4, "-1,5·10⁻⁶"},
        {1.23456789, 6, "1,23457"},
        {-0.0, 4, "0"},
        {-0.00000000001, 4, "-1·10⁻¹¹"},
        {std::numeric_limits<double>::quiet_NaN(), 4, "–"},
        {-std::numeric_limits<double>::infinity(), 4, "-∞"},
    };
    for (const Przyklad& p : przyklady) EXPECT_EQ(liczba_raportu(p.v, p.cyfry), p.tekst) << p.v;
}

TEST(LiczbaRaportu, PolskaLokalizacjaNieZmieniaZapisu) {
    Lokalizacja l;
    if (!std::setlocale(LC_NUMERIC, "pl_PL.UTF-8")) GTEST_SKIP() << "brak pl_PL.UTF-8";
    EXPECT_EQ(liczba_raportu(1.5), "1,5");
    EXPECT_EQ(liczba_raportu(-2.5e-7), "-2,5·10⁻⁷");
}

TEST(KolumnaLiczb, SzumKolumnyJakoZeroNigdyMinusZero) {
    KolumnaLiczb k;
    for (double v : {-15000.0, 120.0, 1e-10, -0.0}) k.obejmij(v);
    k.obejmij(std::numeric_limits<double>::quiet_NaN());  // does not spoil the largest
    EXPECT_EQ(k.najwieksza(), 15000.0);
    EXPECT_EQ(k(-1.2e-10), "0");
    EXPECT_EQ(k(0.0149), "0") << "under 1e-6 of 15000";
    EXPECT_EQ(k(0.0151), "0,0151");
    EXPECT_EQ(k(-15000), "-15000");
    EXPECT_EQ(KolumnaLiczb()(-1e-12), "-1·10⁻¹²") << "an empty column has no noise";
}
