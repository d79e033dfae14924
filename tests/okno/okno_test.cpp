// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "okno/okno.h"
#include "tests/wspolne/atrapa.h"
#include "tests/wspolne/kratownice.h"

TEST(OknoGlowne, StanPoczatkowyFlagWidokuIOdczytu) {
    Atrapa a;
    _OKNO_ o(a);
    const Model& m = o.model;
    EXPECT_EQ(m.Pusty, 1);
    EXPECT_EQ(m.obliczono, 0);
    EXPECT_EQ(std::vector<int>({m.p_napr, m.p_przem, m.p_n_ele, m.p_n_wezl, m.p_n_mat, m.p_n_pola}),
              std::vector<int>({0, 1, 1, 1, 0, 0}));
    EXPECT_EQ(m.x0, 0.f);
    EXPECT_EQ(m.sx, 1.f);
    EXPECT_EQ(m.sa, 1.f);
    EXPECT_EQ(o.wsp->xx, "x=0,       y=0");
    EXPECT_EQ(o._plik_->filtr, "Pliki Velkore2D (*.V2D)|*.V2D|");
    EXPECT_EQ(o._plik_->rozszerzenie, "V2D");
    EXPECT_TRUE(o._plik_->musi_istniec);
}

TEST(OknoGlowne, PomocIOProgramie) {
    Atrapa a;
    _OKNO_ o(a);
    o.Find(51700);
    EXPECT_EQ(a.dokumenty, std::vector<std::string>{"velto.chm\\"});
    EXPECT_TRUE(a.komunikaty.empty());
    o.Find(1240);
    ASSERT_EQ(a.komunikaty.size(), 1u);
    EXPECT_EQ(a.komunikaty[0].tytul, "O programie");
    EXPECT_EQ(a.komunikaty[0].ikona, Ikona::wykrzyknik);
    EXPECT_EQ(a.komunikaty[0].przyciski, Przyciski::ok);
    EXPECT_EQ(a.komunikaty[0].tekst.substr(0, a.komunikaty[0].tekst.find('\n')), "Velkora 2D v1.0");
}

TEST(OknoGlowne, ZamkniecieZModelemZwalniaGoRazIZamykaTabele) {
    Atrapa a;
    {
        _OKNO_ o(a);
        pratt(o.model, 2, 3.f, 4.f, 2);
        o.model.iw = 1;
        o.oo = 77;  // a handle the platform no longer knows: closing it again is harmless
    }
    EXPECT_EQ(a.odswiezenia, 1) << "one discard of the model";
    Atrapa b;
    { _OKNO_ o(b); }
    EXPECT_EQ(b.odswiezenia, 0);
}
