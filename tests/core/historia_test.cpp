// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "core/historia.h"
#include "tests/wspolne/kratownice.h"

TEST(Historia, PamiecOgraniczaKrokiNajstarszeOdchodzaPierwsze) {
    StanModelu wzor;
    Model m;
    pratt(m, 100);
    wzor.k = kopia(m, false);
    const std::size_t jeden = wzor.bajty();
    Historia h(3 * jeden + jeden / 2);
    for (int i = 1; i <= 5; ++i) {
        StanModelu s;
        s.k = kopia(m, false);
        s.wersja = static_cast<std::uint64_t>(i);
        h.dodaj("krok " + std::to_string(i), std::move(s));
    }
    // Three states fit: steps 3, 4, 5 are left, the latest on top.
    EXPECT_EQ(h.do_cofniecia(), "krok 5");
    StanModelu biezacy;
    biezacy.k = kopia(m, false);
    for (std::uint64_t oczekiwana : {5u, 4u, 3u}) {
        ASSERT_TRUE(h.moze_cofnac());
        biezacy = h.cofnij(std::move(biezacy));
        EXPECT_EQ(biezacy.wersja, oczekiwana);
    }
    EXPECT_FALSE(h.moze_cofnac());
    EXPECT_EQ(h.do_ponowienia(), "krok 3");
}

namespace {

// A state of a Pratt truss of `przesla` bays: its size grows with them.
StanModelu stan(int przesla, std::uint64_t wersja) {
    Model m;
    pratt(m, przesla);
    StanModelu s;
    s.k = kopia(m, false);
    s.wersja = wersja;
    return s;
}

// Undoes every step from `biezacy` on: the versions given back, the latest first.
std::vector<std::uint64_t> cofaj_wszystko(Historia& h, StanModelu biezacy) {
    std::vector<std::uint64_t> w;
    while (h.moze_cofnac()) {
        biezacy = h.cofnij(std::move(biezacy));
        w.push_back(biezacy.wersja);
    }
    return w;
}

}  // namespace

// The bytes counted must follow every exchange: a count that drifts drops steps that fit, or
// keeps more than the limit.
TEST(Historia, LicznikBajtowNadazaZaCofnieciemNowaZmianaIWiekszymStanem) {
    const std::size_t maly = stan(10, 0).bajty();
    ASSERT_GT(stan(100, 0).bajty(), 4 * maly);
    {
        // Undo twice, then a new edit: the two redo states are let go, so three steps fit.
        Historia h(3 * maly + maly / 2);
        for (std::uint64_t i = 1; i <= 3; ++i) h.dodaj("krok", stan(10, i));
        StanModelu b = h.cofnij(stan(10, 30));
        b = h.cofnij(std::move(b));
        h.dodaj("krok", stan(10, 4));
        h.dodaj("krok", stan(10, 5));
        EXPECT_FALSE(h.moze_ponowic());
        EXPECT_EQ(cofaj_wszystko(h, stan(10, 50)), (std::vector<std::uint64_t>{5, 4, 1}));
    }
    {
        // A state larger than the limit alone stays, as the latest; the next edit pushes it out.
        Historia h(maly / 2);
        h.dodaj("krok 1", stan(10, 1));
        EXPECT_TRUE(h.moze_cofnac());
        h.dodaj("krok 2", stan(10, 2));
        StanModelu b = h.cofnij(stan(10, 20));
        EXPECT_EQ(b.wersja, 2u);
        EXPECT_FALSE(h.moze_cofnac()) << "step 1 went first";
        ASSERT_TRUE(h.moze_ponowic());
        EXPECT_EQ(h.ponow(std::move(b)).wersja, 20u);
        EXPECT_EQ(h.do_cofniecia(), "krok 2");
    }
    {
        // Undoing out of a large state puts it on the redo side: the oldest step goes first,
        // then, still too large, the large state itself. One step is left, so three fit again.
        Historia h(3 * maly + maly / 2);
        for (std::uint64_t i = 1; i <= 3; ++i) h.dodaj("krok", stan(10, i));
        StanModelu b = h.cofnij(stan(100, 99));
        EXPECT_EQ(b.wersja, 3u);
        EXPECT_FALSE(h.moze_ponowic());
        h.dodaj("krok", std::move(b));
        h.dodaj("krok", stan(10, 4));
        EXPECT_EQ(cofaj_wszystko(h, stan(10, 40)), (std::vector<std::uint64_t>{4, 3, 2}));
    }
}
