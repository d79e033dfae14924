// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/liczby.h"
#include "editing/rekordy.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

TEST(LiczbyPol, RzeczywistaTylkoGdyCalyTekstJestSkonczonaLiczbaZKropkaLubPrzecinkiem) {
    for (const char* t :
         {"nan",    "NAN", "-nan", "inf", "-inf", "infinity", "1e39",  "-1e39", "1e400",
          "3.5e38", "",    " ",    "abc", "2a",   " 7x",      "1,5,0", "1.5.0", "1,5.0",
          "0x10",   "1e",  "1 5",  "+-1", "--1",  ",",        "-"}) {
        float v = 1.0f;
        EXPECT_FALSE(liczba_rzeczywista(t, v)) << t;
    }
    struct {
        const char* t;
        float v;
    } dobre[] = {{"12", 12.0f},       {"-0.5", -0.5f},  {"1,5", 1.5f},       {"-2,5", -2.5f},
                 {"1,2e-5", 1.2e-5f}, {" 7 ", 7.0f},    {"+3", 3.0f},        {",5", 0.5f},
                 {"1e-50", 0.0f},     {"1e-400", 0.0f}, {"2.1e12", 2.1e12f}, {"3.4e38", 3.4e38f}};
    for (const auto& d : dobre) {
        float v = 1.0f;
        EXPECT_TRUE(liczba_rzeczywista(d.t, v)) << d.t;
        EXPECT_EQ(v, d.v) << d.t;
    }
}

TEST(LiczbyPol, CalkowitaTylkoZeZnakuICyfrIDlugaNieZawijaSieWPoprawna) {
    for (const char* t : {"", " ", "x", "2a", "1,5", "1.0", "1e3", "+-1", "-", "0x10", "1 5"}) {
        int v = 1;
        EXPECT_FALSE(liczba_calkowita(t, v)) << t;
        EXPECT_EQ(numer_z_pola(t), 0) << t;
    }
    struct {
        const char* t;
        int v;
    } dobre[] = {{"1000", 1000},
                 {" 2 ", 2},
                 {"+3", 3},
                 {"-0", 0},
                 {"-12", -12},
                 {"4294967297", INT_MAX},  // 2^32 + 1
                 {"-4294967295", INT_MIN},
                 {"99999999999999999999", INT_MAX}};
    for (const auto& d : dobre) {
        int v = 1;
        EXPECT_TRUE(liczba_calkowita(d.t, v)) << d.t;
        EXPECT_EQ(v, d.v) << d.t;
    }
}

TEST(LiczbyPol, WartoscWpisanaDoPolaCzytaSieTakJakZapisana) {
    struct {
        const char* format;
        float wartosc;
        int szerokosc;
        const char* tekst;
    } przypadki[] = {
        // The format's own text stays whenever it shows the stored value, digit for digit.
        {"%4.2f", 0.01f, 8, "0.01"},
        {"%7f", 20000.0f, 13, "20000.000000"},
        {"%1.7f", 0.000012f, 24, "0.0000120"},
        {"%f", 123.5f, 24, "123.500000"},
        // Otherwise the fewest digits that read back: where it does not fit (it is not cut),
        // reads as another number, or shows digits the float does not have.
        {"%f", 123.5f, 8, "123.5"},
        {"%f", 0.0f, 8, "0"},
        {"%f", 0.3f, 8, "0.3"},
        {"%1.7f", 0.000012f, 8, "1.2e-5"},
        {"%7f", 2.1e12f, 13, "2.1e12"},
        {"%7f", 2.1e12f, 24, "2.1e12"},  // "2099999965184.000000" reads back, but is not 2.1e12
        {"%4.2f", 0.0012f, 8, "0.0012"},
        {"%4.2f", 0.0015f, 24, "0.0015"},
        {"%4.2f", 0.0004f, 24, "0.0004"},
        {"%f", 1234.567f, 24, "1234.567"},  // not "1234.567017"
        {"%f", 1e30f, 8, "1e30"},
        {"%f", -3.4028235e38f, 24, "-3.4028235e38"},
        // And when nothing fitting reads back exactly, the closest text that fits.
        {"%f", 1234.5678f, 8, "1234.57"},
        {"%f", 123456789.0f, 8, "1.235e8"},
    };
    for (const auto& p : przypadki) {
        char pole[64];
        wpisz_wartosc(pole, p.szerokosc, p.format, p.wartosc);
        EXPECT_STREQ(pole, p.tekst) << p.format << " " << p.wartosc;
    }
    // Nor does a command's text go into a field cut: a field it does not fit is left empty.
    char pole[12];
    volatile double duza = 123456789.0;  // "123456789.000000"
    wpisz(pole, "%f", static_cast<double>(duza));
    EXPECT_STREQ(pole, "");
    wpisz(pole, "%f", 0.5);
    EXPECT_STREQ(pole, "0.500000");
}

// The tables' quick test, against printing with printf and measuring the text.
TEST(LiczbyPol, MiejscaOddajaTylkoGdyTekstZTylomaMiejscamiPokazujeLiczbeDokladnie) {
    std::mt19937 los(11);
    std::uniform_real_distribution<float> mantysa(-10.0f, 10.0f);
    std::uniform_int_distribution<int> wykladnik(-10, 13);
    std::vector<float> v = {0.0f,    -0.0f,   0.0015f,  0.0004f,    1234.567f,  0.000012f,
                            0.3f,    2.1e11f, 2.1e8f,   1e-45f,     3.4e38f,    0.0005f,
                            0.0025f, 1.5f,    123.456f, 9999999.0f, 16777216.0f};
    for (int i = 0; i < 20000; ++i)
        v.push_back(mantysa(los) * std::pow(10.0f, static_cast<float>(wykladnik(los))));
    for (int i = 0; i < 2000; ++i)  // values of few decimals, as typed
        v.push_back(static_cast<float>(static_cast<int>(mantysa(los) * 1e6f)) / 1000.0f);
    for (float x : v)
        for (int miejsca : {3, 8}) {
            char t[96];
            std::snprintf(t, sizeof t, "%.*f", miejsca, static_cast<double>(x));
            ASSERT_EQ(miejsca_oddaja(x, miejsca), pokazuje_dokladnie(t, x)) << t << " " << x;
        }
    for (float x : v) {
        const std::string t = tekst_dokladny(x);
        float w = 1.0f;
        ASSERT_TRUE(liczba_rzeczywista(t.c_str(), w) && w == x) << t;
        ASSERT_LE(t.size(), 16u) << t;
    }
    EXPECT_EQ(tekst_dokladny(0.0015f), "0.0015");
    EXPECT_EQ(tekst_dokladny(1.2e-5f), "0.000012");
    EXPECT_EQ(tekst_dokladny(1.2e-7f), "1.2e-7");
    EXPECT_EQ(tekst_dokladny(2.1e11f), "2.1e11");
}

TEST(LiczbyPol, WpisanyTekstMiesciSieINieJestGorszyOdFormatu) {
    std::mt19937 los(7);
    std::uniform_real_distribution<float> mantysa(-10.0f, 10.0f);
    std::uniform_int_distribution<int> wykladnik(-12, 14);
    for (const char* format : {"%f", "%1.7f", "%7f", "%4.2f", "%1.5f"})
        for (int szer : {8, 13})
            for (int i = 0; i < 2000; ++i) {
                const float v = mantysa(los) * std::pow(10.0f, static_cast<float>(wykladnik(los)));
                char pole[64], ciete[64];
                wpisz_wartosc(pole, szer, format, v);
                std::snprintf(ciete, static_cast<std::size_t>(szer), format,
                              static_cast<double>(v));
                ASSERT_LE(std::strlen(pole), static_cast<std::size_t>(szer - 1));
                const double blad = std::fabs(static_cast<float>(std::atof(pole)) - v);
                const double blad_formatu = std::fabs(static_cast<float>(std::atof(ciete)) - v);
                ASSERT_LE(blad, blad_formatu) << format << " " << v << " " << pole;
            }
}
