#include <gtest/gtest.h>

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
