// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <climits>

#include "core/model.h"
#include "core/pom_mac.h"

// Under AddressSanitizer an impossible allocation must fail the way it does in the program,
// with a null pointer, rather than abort inside the sanitizer.
extern "C" const char* __asan_default_options() {
    return "allocator_may_return_null=1";
}

TEST(TablicePrzedzialowe, MacierzLezyWierszPoWierszuWJednymBloku) {
    Macierz<float> x = macierz(1, 5, 1, 2);
    for (int k = 1; k < 5; ++k) EXPECT_EQ(&x[k][2] + 1, &x[k + 1][1]);
    EXPECT_EQ(x.data(), &x[1][1]);
    Macierz<int> noc = imacierz(1, 3, 1, 4);
    EXPECT_EQ(&noc[3][4] - &noc[1][1], 11);
}

TEST(TablicePrzedzialowe, WektorAdresowanyOdDolnejGranicy) {
    Wektor<double> v = dwektor(1, 4);
    for (int i = 1; i <= 4; ++i) v[i] = i;
    EXPECT_EQ(v.data(), &v[1]);
    EXPECT_EQ(v[4], 4.0);
    Wektor<int> w = iwektor(3, 7);
    w[3] = 11, w[7] = 12;
    EXPECT_EQ(w.data()[0], 11);
    EXPECT_EQ(w.data()[4], 12);
}

TEST(TablicePrzedzialoweDeathTest, NieudanyPrzydzialKonczyProgramZKomunikatem) {
    const char* wzor =
        "Wystąpił bład podczas działania programu \nallocation failure 2 in "
        "matrix\\(\\)\n...powrót do systemu...";
    EXPECT_EXIT(macierz(1, INT_MAX, 1, INT_MAX), testing::ExitedWithCode(1), wzor);
    EXPECT_EXIT(iwektor(5, 1), testing::ExitedWithCode(1), "błąd alokacji w ivector\\(\\)");
    EXPECT_EXIT(halt(7), testing::ExitedWithCode(7), "");
}

TEST(Magazyn, ZwolnienieZerujeLicznikiZostawiaPasmoIMozeSiePowtorzyc) {
    Model m;
    m.Pusty = 0, m.obliczono = 1, m.nbw = 8;
    m.nn = 2, m.nq = 4, m.ne = 1, m.nd = 1, m.nl = 1, m.nm = 1, m.na = 1, m.ntel = 1;
    m.x = macierz(1, 2, 1, 2), m.f = wektor(1, 4), m.noc = imacierz(1, 1, 1, 4);
    m.nu = iwektor(1, 1), m.temp = wektor(1, 1);
    zwolnij_model(m);
    EXPECT_EQ(m.Pusty, 1);
    EXPECT_EQ(m.obliczono, 0);
    EXPECT_EQ(m.nbw, 8);
    for (int c : {m.nn, m.ne, m.nd, m.nm, m.na, m.nq, m.ntel, m.nl}) EXPECT_EQ(c, 0);
    EXPECT_FALSE(m.x);
    EXPECT_FALSE(m.noc);
    EXPECT_FALSE(m.temp);
    zwolnij_model(m);
    EXPECT_EQ(m.Pusty, 1);
}

TEST(Magazyn, EtykietaStopniaSwobodyWskazujeWezelIKierunek) {
    EXPECT_EQ(etykieta_dof(1), "   1X");
    EXPECT_EQ(etykieta_dof(4), "   2Y");
    EXPECT_EQ(etykieta_dof(5), "   3X");
    EXPECT_EQ(etykieta_dof(20001), "10001X");
}
