// SPDX-License-Identifier: GPL-3.0-or-later
// Member design in the real window, its dialogs answered as a user answers them: units, a
// profile linked to each section, the analysis, the utilisation colours, sizing and its undo.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <functional>
#include <vector>

#include "app/widok_qt.h"
#include "files/wymiarowanie_projektu.h"
#include "tests/app/pomoc.h"
#include "tests/wspolne/kratownice.h"
#include "view/wytezenie.h"

namespace {

using Akcja = std::function<void(QWidget*)>;

// Runs a command, answering each modal window it opens with the next action; a window beyond
// them is a failure, closed so that the test goes on.
void z_modalnymi(std::vector<Akcja> akcje, const std::function<void()>& wywolanie) {
    std::size_t i = 0;
    QTimer t;
    t.setInterval(1);
    QObject::connect(&t, &QTimer::timeout, [&] {
        QWidget* m = QApplication::activeModalWidget();
        if (!m || m->property("odpowiedziano").toBool()) return;
        m->setProperty("odpowiedziano", true);
        if (i < akcje.size()) {
            akcje[i++](m);
            return;
        }
        ADD_FAILURE() << "unexpected window: " << m->windowTitle().toStdString();
        static_cast<QDialog*>(m)->reject();
    });
    t.start();
    wywolanie();
    t.stop();
    EXPECT_EQ(i, akcje.size()) << "windows that did not appear";
}

template <class W>
W* kontrolka(QWidget* d, int id) {
    W* w = d->findChild<W*>(QString::number(id));
    EXPECT_NE(w, nullptr) << id;
    return w;
}

Akcja wpisz_numer(const char* n) {
    return [n](QWidget* d) {
        auto* e = kontrolka<QLineEdit>(d, 8004);
        e->clear();
        pisz(e, n);
        d->findChild<QPushButton*>("ok")->click();
    };
}
// Chooses places in drop-down lists, then OK.
Akcja wybierz(std::vector<std::pair<int, int>> listy) {
    return [listy](QWidget* d) {
        for (const auto& [id, miejsce] : listy)
            kontrolka<QComboBox>(d, id)->setCurrentIndex(miejsce);
        d->findChild<QPushButton*>("ok")->click();
    };
}

constexpr int rury_okragle = 8;  // RO in the family lists, after "bez profilu" / "bez zmian"

}  // namespace

TEST(WymiarowanieWOknie, ProfileAnalizaKoloryDoborICofniecie) {
    WidokGlowny widok;
    widok.resize(600, 400);
    widok.show();
    _OKNO_& o = widok.okno();
    // A 6 m truss of five bars in kN and m: the top chord (section 1) in compression, the
    // bottom chord and the post (section 2) in tension.
    zbuduj(o.model,
           {.wezly = {{0, 0}, {3, 1}, {6, 0}, {3, 0}},
            .prety = {{1, 2, 1, 1}, {2, 3, 1, 1}, {1, 4, 1, 2}, {4, 3, 1, 2}, {2, 4, 1, 2}},
            .pola = {0.001f, 0.001f},
            .podpory = {{1, 0}, {2, 0}, {6, 0}},
            .sily = {{8, -120}}});
    widok.port().Odswiez();

    z_modalnymi({[](QWidget* d) {
                    kontrolka<QAbstractButton>(d, 8903)->click();  // kN and m
                    d->findChild<QPushButton*>("ok")->click();
                }},
                [&] { o.Find(CM_JEDNOSTKI); });
    ASSERT_EQ(o.jednostki, UkladJednostek::kN_m);
    // Both sections the lightest hot-finished circular hollow section, S235.
    for (const char* n : {"1", "2"})
        z_modalnymi(
            {wpisz_numer(n), wybierz({{8500, rury_okragle}, {8501, 0}}), wybierz({{8500, 0}})},
            [&] { o.Find(CM_WYM_PRZEKROJ); });
    const PrzekrojStalowy najmniejszy = przekroj_stalowy(o.projekt.wymiarowanie, 1);
    ASSERT_EQ(najmniejszy.rodzina, "RO");
    ASSERT_EQ(przekroj_stalowy(o.projekt.wymiarowanie, 2).profil, najmniejszy.profil);
    EXPECT_EQ(o.model.area[1],
              pole_profilu(*profil_przekroju(najmniejszy), przelicznik(o.jednostki)));

    z_modalnymi({}, [&] { o.Find(1010); });
    ASSERT_EQ(o.model.obliczono, 1);
    o.Find(CM_WYTEZENIE);
    auto piksele = [&](Kolor k) {
        const QImage obraz = widok.grab().toImage();
        int n = 0;
        for (int y = 0; y < obraz.height(); ++y)
            for (int x = 0; x < obraz.width(); ++x)
                n += obraz.pixelColor(x, y) == QColor(k.r, k.g, k.b);
        return n;
    };
    // Every bar fails: red bars besides the legend's one red box.
    const int czerwone_przed = piksele(kolor_przekroczenia);
    ASSERT_TRUE(o.wymiarowanie());
    EXPECT_EQ(o.wymiarowanie()->nie_spelnia, 5);

    QString raport;
    z_modalnymi({wybierz({{8500, rury_okragle}, {8501, rury_okragle}}),
                 [&](QWidget* m) {
                     raport = static_cast<QMessageBox*>(m)->text();
                     m->findChild<QPushButton*>("ok")->click();
                 }},
                [&] { o.Find(CM_WYM_DOBIERZ); });
    EXPECT_TRUE(raport.contains(QString::fromUtf8("Przekroje dobrano"))) << raport.toStdString();
    const auto w = o.wymiarowanie();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->spelnia, 5);
    // Now no bar is red, and the most used bar shows the colour of its U.
    const int czerwone_po = piksele(kolor_przekroczenia);
    EXPECT_GT(czerwone_przed, czerwone_po + 200);
    EXPECT_GT(piksele(kolor_wytezenia(w->prety[static_cast<std::size_t>(w->najwieksze - 1)])), 20);

    // One undo step: the lightest sections again, and their red bars once analysed.
    o.Find(52011);
    EXPECT_TRUE(przekroj_stalowy(o.projekt.wymiarowanie, 1) == najmniejszy);
    z_modalnymi({}, [&] { o.Find(1010); });
    EXPECT_EQ(piksele(kolor_przekroczenia), czerwone_przed);
}
