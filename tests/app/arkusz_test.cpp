// SPDX-License-Identifier: GPL-3.0-or-later
// The data sheet window offscreen: its tabs over the store, cells edited and refused, blocks
// pasted from and copied to the clipboard, rows deleted, undo, and the selection in step with the
// main view.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>

#include "app/arkusz_qt.h"
#include "app/widok_qt.h"
#include "okno/okno.h"
#include "tests/app/pomoc.h"
#include "tests/wspolne/kratownice.h"

namespace {

using Z = Zakladka;

struct ArkuszQt : ::testing::Test {
    WidokGlowny widok;
    _OKNO_& o = widok.okno();
    OknoArkusza* ark = nullptr;
    void SetUp() override {
        o.ustaw_jednostki(UkladJednostek::brak);
        zbuduj(o.model, Opis{.wezly = {{0, 0}, {4, 0}, {2, 3}},
                             .prety = {{1, 2, 1, 1}, {2, 3, 1, 1}, {1, 3, 1, 1}}});
        o.model.Pusty = 0;
        uzgodnij(o.model, o.projekt);
        o.nowy_dokument(true);
        o.Find(CM_ARKUSZ);
        ark = widok.port().arkusz();
        ASSERT_NE(ark, nullptr);
    }
    QAbstractItemModel* model(Z z) const { return ark->tabela(z)->model(); }
    QString komorka(Z z, int w, int k) const { return model(z)->index(w, k).data().toString(); }
    // What the main window's changes ask of the sheet happens once the event loop is free.
    static void petla() { QCoreApplication::processEvents(); }
};

TEST_F(ArkuszQt, ZakladkiKomorkiNowyWierszIOdmowy) {
    QStringList tytuly;
    for (int i = 0; i < ark->zakladki()->count(); ++i) tytuly << ark->zakladki()->tabText(i);
    EXPECT_EQ(tytuly, (QStringList{"Węzły", "Pręty", "Materiały", "Przekroje", "Podpory", "Siły",
                                   "Temperatura"}));
    QAbstractItemModel* w = model(Z::wezly);
    EXPECT_EQ(w->rowCount(), 4) << "three nodes and the new row";
    EXPECT_EQ(w->headerData(0, Qt::Horizontal).toString(), "X");
    EXPECT_EQ(w->headerData(3, Qt::Vertical).toString(), "*");
    EXPECT_EQ(komorka(Z::wezly, 1, 0), "4");

    EXPECT_TRUE(w->setData(w->index(1, 1), "2,5"));
    EXPECT_EQ(o.model.x[2][2], 2.5f);
    EXPECT_EQ(komorka(Z::wezly, 1, 1), "2.5");
    EXPECT_EQ(o.historia.do_cofniecia(), "zmiana węzła 2");

    // A refused cell keeps its value and says why, once the edit is over.
    QString tekst;
    const bool przyjeta = z_modalnym(
        [&](QWidget* m) {
            tekst = static_cast<QMessageBox*>(m)->text();
            m->findChild<QPushButton*>("ok")->click();
        },
        [&] {
            const bool r = w->setData(w->index(0, 0), "-1");
            petla();
            return r;
        });
    EXPECT_FALSE(przyjeta);
    EXPECT_EQ(tekst, "Współrzędna X<0");
    EXPECT_EQ(komorka(Z::wezly, 0, 0), "0");

    // The new row: an entity once X and Y are given; the view's rows follow.
    EXPECT_TRUE(w->setData(w->index(3, 0), "6"));
    EXPECT_EQ(o.model.nn, 3);
    EXPECT_TRUE(w->setData(w->index(3, 1), "1"));
    EXPECT_EQ(o.model.nn, 4);
    EXPECT_EQ(w->rowCount(), 5);

    // Units named in the headings, and typed into a cell.
    o.ustaw_jednostki(UkladJednostek::kN_m);
    petla();
    EXPECT_EQ(w->headerData(0, Qt::Horizontal).toString(), "X [m]");
    QAbstractItemModel* p = model(Z::przekroje);
    EXPECT_TRUE(p->setData(p->index(0, 0), "15 cm2"));
    EXPECT_EQ(o.model.area[1], 0.0015f);
    EXPECT_EQ(komorka(Z::przekroje, 0, 0), "0.0015");
}

TEST_F(ArkuszQt, WklejanieKopiowanieUsuwanieICofanie) {
    QTableView* t = ark->tabela(Z::wezly);
    t->setCurrentIndex(t->model()->index(3, 0));
    QApplication::clipboard()->setText("10;0\r\n12,5;3\r\n");
    ark->wklej();
    ASSERT_EQ(o.model.nn, 5);
    EXPECT_EQ(o.model.x[5][1], 12.5f);
    EXPECT_EQ(t->model()->rowCount(), 6);

    t->selectionModel()->select(QItemSelection(t->model()->index(3, 0), t->model()->index(4, 1)),
                                QItemSelectionModel::ClearAndSelect);
    ark->kopiuj();
    const QString c = QApplication::clipboard()->text();
    EXPECT_TRUE(c == "10\t0\n12.5\t3\n" || c == "10\t0\n12,5\t3\n") << c.toStdString();

    // Ctrl+Z in the sheet undoes the paste, and the rows go.
    QKeyEvent z(QEvent::KeyPress, Qt::Key_Z, Qt::ControlModifier);
    QApplication::sendEvent(t, &z);
    petla();
    EXPECT_EQ(o.model.nn, 3);
    EXPECT_EQ(t->model()->rowCount(), 4);

    // Delete takes whole rows chosen by their numbers.
    QTableView* p = ark->tabela(Z::prety);
    ark->zakladki()->setCurrentIndex(1);
    p->selectRow(1);
    klawisz(p, Qt::Key_Delete);
    petla();
    EXPECT_EQ(o.model.ne, 2);
    EXPECT_EQ(p->model()->rowCount(), 3);
    EXPECT_EQ(o.historia.do_cofniecia(), "usunięcie wierszy: Pręty (1)");
}

TEST_F(ArkuszQt, ZaznaczenieWierszyIWidokuWZgodzie) {
    ark->tabela(Z::wezly)->selectRow(1);
    EXPECT_EQ(o.zaznaczenie.wezly(), std::vector<int>{2});
    o.zaznaczenie.ustaw_pret(1, true);
    o.zaznaczenie.ustaw_pret(3, true);
    o.zmiana_zaznaczenia();
    std::vector<int> wiersze;
    for (const QModelIndex& i : ark->tabela(Z::prety)->selectionModel()->selectedRows())
        wiersze.push_back(i.row());
    std::sort(wiersze.begin(), wiersze.end());
    EXPECT_EQ(wiersze, (std::vector<int>{0, 2}));
    EXPECT_EQ(o.zaznaczenie.wezly(), std::vector<int>{2}) << "the nodes' tab kept its rows";
    o.EvKeyDown(VK_ESCAPE);
    EXPECT_TRUE(ark->tabela(Z::prety)->selectionModel()->selection().isEmpty());
    EXPECT_TRUE(ark->tabela(Z::wezly)->selectionModel()->selection().isEmpty());
}

}  // namespace
