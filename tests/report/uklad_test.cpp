// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "report/uklad.h"

namespace {

// Every character 2 mm wide at 100 %.
struct StalaMiara : MiaraTekstu {
    double szerokosc(const std::string& t, Styl, double skala) override {
        return 2.0 * static_cast<double>(t.size()) * skala;
    }
};

Rysunek rysunek_poziomy() {
    Rysunek r;
    r.podpis = "Rysunek 1. Siły osiowe";
    r.orientacja = Orientacja::pozioma;
    r.wysokosc = [](int w) { return w / 4; };
    r.rysuj = [](Powierzchnia&, int, int) {};
    return r;
}

}  // namespace

// A chapter that opens with its note and a section that opens with a landscape drawing: the
// headings and notes go onto the drawing's page, never a page of the chapter's heading alone.
TEST(UkladRaportu, NaglowkiIUwagiIdaNaStroneRysunkuWJegoOrientacji) {
    DokumentRaportu d;
    d.bloki = {Akapit{"Strona tytułowa."},
               NowaStrona{},
               Naglowek{1, "3. Wyniki"},
               Akapit{"Siła osiowa N > 0 oznacza rozciąganie."},
               Naglowek{2, "3.1 Obwiednia"},
               Akapit{"Wartości skrajne."},
               rysunek_poziomy()};
    StalaMiara m;
    const UkladRaportu u = rozloz(d, m);
    ASSERT_EQ(u.strony.size(), 2u);
    EXPECT_EQ(u.strona_bloku[2], 2);
    EXPECT_EQ(u.strona_bloku[4], 2);
    EXPECT_EQ(u.strony[1].orientacja, Orientacja::pozioma);
    int rysunki = 0;
    for (const ElementStrony& e : u.strony[1].elementy)
        rysunki += e.rodzaj == ElementStrony::rysunek;
    EXPECT_EQ(rysunki, 1);
}
