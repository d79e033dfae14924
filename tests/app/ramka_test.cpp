// SPDX-License-Identifier: GPL-3.0-or-later
// The frame and its menu built from the template, and the enablers run as each menu opens.
#include <gtest/gtest.h>

#include <clocale>
#include <functional>
#include <map>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "app/ramka_qt.h"
#include "app/vel2d.h"
#include "app/widok_qt.h"
#include "tests/app/pomoc.h"

namespace {

// A pop-up's items as "id label", separators as "-", with "(off)" and "(v)" for the states; a
// sub-menu as its label followed by its items, each after "> ".
std::vector<std::string> pozycje(QMenu* m) {
    std::vector<std::string> w;
    for (QAction* a : m->actions()) {
        if (a->isSeparator()) {
            w.push_back("-");
            continue;
        }
        if (a->menu()) {
            w.push_back(a->text().toStdString());
            for (const std::string& p : pozycje(a->menu())) w.push_back("> " + p);
            continue;
        }
        std::string t = std::to_string(a->data().toInt()) + " " + a->text().toStdString();
        if (!a->isEnabled()) t += " (off)";
        if (a->isChecked()) t += " (v)";
        w.push_back(t);
    }
    return w;
}

QMenu* podmenu(QMenuBar& pasek, int i) {
    return pasek.actions().at(i)->menu();
}

TEST(Menu, ThePopUpsCarryTheTemplatesItemsIdsSeparatorsAndInitialStates) {
    WidokGlowny widok;
    QMenuBar pasek;
    zbuduj_menu(pasek, widok.okno());
    const std::vector<std::vector<std::string>> oczekiwane = {
        {"1070 &Nowy",
         "1020 &Otwórz",
         "52001 &Zapisz",
         "1060 Zapisz &Jako",
         "51698 Zamk&nij",
         "-",
         "&Eksport",
         "> 52321 &CSV...",
         "> 52322 CSV dla &arkusza kalkulacyjnego...",
         "> 52601 Obraz &PNG...",
         "> 52602 Obraz &SVG...",
         "> 52603 Obraz P&DF...",
         "52604 &Drukuj...",
         "52901 &Raport...",
         "52902 &Właściwości projektu...",
         "-",
         "51697 &Kreator",
         "52301 &Szablon kratownicy...",
         "52802 P&rzykłady...",
         "-",
         "1040 &Koniec"},
        {"52011 &Cofnij (off)", "52012 &Ponów (off)", "-",
         "52702 &Zmień element pod kursorem (off)", "52703 Zaznacz &wszystko (off)",
         "52704 &Usuń zaznaczone (off)", "-", "52705 Prze&suń zaznaczone... (off)",
         "52706 &Kopiuj z przesunięciem... (off)", "52707 &Materiał i przekrój prętów... (off)",
         "52708 Po&dpory w zaznaczonych węzłach... (off)",
         "52709 S&iły w zaznaczonych węzłach... (off)"},
        {"51684 &Materiał", "51685 P&ole przekroju", "51682 &Węzeł", "51683 &Pręt",
         "51686 Po&dpore", "51687 &Siłe", "52101 &Temperaturę", "-", "52201 &Rysuj"},
        {"1150 &Materiał", "1160 P&ole przekroju", "51690 &Węzeł", "1170 &Pręt", "51688 Po&dpore",
         "51689 &Siłe", "52102 &Temperaturę"},
        {"51693 &Materiał", "51695 P&ole przekroju", "51691 &Węzeł", "51692 &Pręt",
         "51694 Po&dpore", "51696 &Siłe", "52103 &Temperaturę"},
        {"52401 &Nowy przypadek...", "52402 &Właściwości przypadku...", "52403 &Kopiuj przypadek",
         "52404 &Usuń przypadek", "-", "52405 &Bieżący przypadek...", "52406 Na&stępny przypadek",
         "52407 Po&przedni przypadek", "-", "52408 &Ciężar objętościowy materiału...", "-",
         "52410 Ko&mbinacje...", "52411 Kombinacja wł&asna...", "52412 Usuń kombinac&ję własną...",
         "52413 &Lista kombinacji", "-", "52414 P&okaż wyniki..."},
        {"1010 &Oblicz", "52801 Obliczaj na &bieżąco", "-", "51699 &Statystyka", "-",
         "1130 &Wyniki obliczeń (off)", "1140 &Dane obliczeniowe"},
        {"52501 &Przekrój stalowy...", "52502 Długości wy&boczeniowe...",
         "52503 Współczynniki i &ugięcie...", "-", "52504 &Sprawdź pręty",
         "52505 &Dobierz przekroje..."},
        {"1120 &Naprężenia normalne",
         "52506 W&ytężenie",
         "-",
         "1110 &Przemieszczenia (v)",
         "52218 S&kala przemieszczeń...",
         "52216 &Reakcje",
         "-",
         "1200 Numery &elmentów (v)",
         "1220 Numery &materiałów (v)",
         "1230 Numery pó&l (v)",
         "52214 S&iły osiowe",
         "1210 Numery wę&złów (v)",
         "52217 &Wartości obciążeń",
         "-",
         "52211 Zachowaj pr&oporcje",
         "52212 &Dopasuj widok\tHome",
         "52213 Krok &siatki...",
         "-",
         "52215 &Jednostki...",
         "52701 &Arkusz danych"},
        {"51700 &Pomoc", "-", "1240 &O programie..."},
    };
    const char* tytuly[] = {"&Plik",      "&Edycja",     "&Dodaj",        "&Zmień", "&Usuń",
                            "P&rzypadki", "&Obliczenia", "W&ymiarowanie", "&Widok", "P&omoc"};
    ASSERT_EQ(pasek.actions().size(), 10);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(pasek.actions().at(i)->text().toStdString(), tytuly[i]);
        EXPECT_EQ(pozycje(podmenu(pasek, i)), oczekiwane[i]) << tytuly[i];
    }
}

// The keys users look for, on the items they look for them on; no two items share a key, and
// the new items share no mnemonic within their pop-up.
TEST(Menu, ShortcutsWhereUsersLookForThemAndNewMnemonicsUnique) {
    WidokGlowny widok;
    QMenuBar pasek;
    zbuduj_menu(pasek, widok.okno());
    std::map<int, QKeySequence> skroty;
    std::map<QString, int> uzyte;
    std::function<void(QMenu*)> przejdz = [&](QMenu* m) {
        for (QAction* a : m->actions()) {
            if (a->isSeparator()) continue;
            if (a->menu()) {
                przejdz(a->menu());
                continue;
            }
            for (const QKeySequence& k : a->shortcuts()) {
                EXPECT_TRUE(uzyte.emplace(k.toString(), a->data().toInt()).second)
                    << k.toString().toStdString();
            }
            skroty[a->data().toInt()] = a->shortcut();
        }
    };
    for (QAction* a : pasek.actions()) przejdz(a->menu());
    // The items added with the data sheet and the selection take no pop-up's mnemonic.
    for (QAction* p : pasek.actions()) {
        std::map<QChar, int> ile;
        for (QAction* a : p->menu()->actions()) {
            const qsizetype i = a->text().indexOf('&');
            if (!a->isSeparator() && i >= 0) ++ile[a->text()[i + 1].toLower()];
        }
        for (QAction* a : p->menu()->actions()) {
            const int id = a->data().toInt();
            const qsizetype i = a->text().indexOf('&');
            if (id >= 52701 && id <= 52749 && i >= 0) {
                EXPECT_EQ(ile[a->text()[i + 1].toLower()], 1) << a->text().toStdString();
            }
        }
    }
    const std::pair<int, const char*> oczekiwane[] = {
        {1070, "Ctrl+N"}, {1020, "Ctrl+O"}, {52001, "Ctrl+S"}, {52604, "Ctrl+P"}, {1010, "F5"},
        {52704, "Del"},   {52702, "F2"},    {52703, "Ctrl+A"}, {52011, "Ctrl+Z"}, {51700, "F1"},
    };
    for (const auto& [id, k] : oczekiwane) EXPECT_EQ(skroty[id], QKeySequence(k)) << id;
}

// The enabled items of a pop-up once it is about to show.
std::vector<int> wlaczone(QMenuBar& pasek, int i) {
    QMenu* m = podmenu(pasek, i);
    emit m->aboutToShow();
    std::vector<int> w;
    for (QAction* a : m->actions())
        if (!a->isSeparator() && a->isEnabled()) w.push_back(a->data().toInt());
    return w;
}

TEST(Menu, ItemsFollowTheirEnablersEachTimeAMenuOpens) {
    WidokGlowny widok;
    QMenuBar pasek;
    zbuduj_menu(pasek, widok.okno());
    // No model: only what needs none.
    EXPECT_EQ(wlaczone(pasek, 0), (std::vector<int>{1070, 1020, 51697, 52301, 52802, 1040}));
    EXPECT_TRUE(wlaczone(pasek, 1).empty()) << "nothing to undo or redo";
    EXPECT_TRUE(wlaczone(pasek, 2).empty());
    EXPECT_TRUE(wlaczone(pasek, 5).empty()) << "no load cases without a model";
    EXPECT_EQ(wlaczone(pasek, 6), (std::vector<int>{1010, 52801, 51699}));
    EXPECT_TRUE(wlaczone(pasek, 7).empty()) << "no design without a model";
    EXPECT_EQ(wlaczone(pasek, 9), (std::vector<int>{51700, 1240}));

    widok.okno().Cm_Nowy();  // an empty model
    // The pictures' pop-up (no id) and print, with a model to show.
    EXPECT_EQ(wlaczone(pasek, 0), (std::vector<int>{1070, 1020, 52001, 1060, 51698, 0, 52604, 52901,
                                                    52902, 52301, 52802, 1040}));
    EXPECT_EQ(wlaczone(pasek, 2), (std::vector<int>{51684, 51685, 51682, 52201}));
    EXPECT_EQ(wlaczone(pasek, 6), (std::vector<int>{1010, 52801, 51699, 1140}));
}

TEST(Menu, CheckMarksAreReadBackFromTheViewFlags) {
    WidokGlowny widok;
    QMenuBar pasek;
    zbuduj_menu(pasek, widok.okno());
    Model& m = widok.okno().model;
    m.p_przem = 0;
    m.p_n_ele = 0;
    m.p_n_pola = 1;
    m.p_napr = 1;
    QMenu* menu = podmenu(pasek, 8);
    for (QAction* a : menu->actions()) {
        const int id = a->data().toInt();
        const bool przelacznik = !a->isSeparator() && id != 52212 && id != 52213 && id != 52215 &&
                                 id != 52218 && id != 52701;
        EXPECT_EQ(a->isCheckable(), przelacznik) << "every view toggle, from the start";
    }
    EXPECT_FALSE(podmenu(pasek, 0)->actions().at(0)->isCheckable());
    emit menu->aboutToShow();
    std::vector<int> zaznaczone;
    for (QAction* a : menu->actions())
        if (a->isChecked()) zaznaczone.push_back(a->data().toInt());
    EXPECT_EQ(zaznaczone, (std::vector<int>{1120, 1230, 1210}));
}

TEST(Ramka, OpensAsVelkora2DWithItsIconMenuAndReadout) {
    auto* app = static_cast<_VEL2D_*>(QCoreApplication::instance());
    EXPECT_STREQ(app->_tytul_, "Velkora 2D");
    Ramka r(app->_tytul_);
    r.resize(640, 400);
    EXPECT_EQ(r.windowTitle(), "Velkora 2D");
    EXPECT_FALSE(r.windowIcon().isNull());
    EXPECT_EQ(r.windowIcon().availableSizes().value(0), QSize(32, 32));
    EXPECT_EQ(r.menuBar()->actions().size(), 10);
    EXPECT_EQ(r.centralWidget(), &r.widok());
    OknoWsp* wsp = r.widok().wsp();
    EXPECT_EQ(wsp->geometry(), QRect(400, 10, 110, 100));
    EXPECT_EQ(wsp->pasek()->text(), QString::fromUtf8("Współrzędne"));
    auto* xx = wsp->findChild<QLabel*>("999");
    ASSERT_NE(xx, nullptr);
    EXPECT_EQ(xx->text(), "x=0,       y=0");
    EXPECT_TRUE(xx->wordWrap());
    EXPECT_EQ(xx->geometry(), QRect(5, 5, 60, 60));
    r.widok().port().UstawWspolrzedne("x= 2.00, y= 0.20");
    EXPECT_EQ(xx->text(), "x= 2.00, y= 0.20");
}

TEST(Ramka, OpensMaximisedAndRestoresTo640By400) {
    auto* app = static_cast<_VEL2D_*>(QCoreApplication::instance());
    app->InitMainWindow();
    ASSERT_NE(app->fw(), nullptr);
    EXPECT_EQ(app->fw()->size(), QSize(640, 400));
    app->pokaz();
    EXPECT_TRUE(app->fw()->windowState() & Qt::WindowMaximized);
    app->fw()->showNormal();
    EXPECT_EQ(app->fw()->size(), QSize(640, 400));
    app->fw()->hide();
}

// The first start opens maximised; later ones as the frame was closed last time.
TEST(Ramka, ReopensWhereItWasClosedAtItsSizeOrMaximised) {
    auto* app = static_cast<_VEL2D_*>(QCoreApplication::instance());
    auto zamknij = [&] {
        z_modalnym([](QWidget* m) { m->findChild<QPushButton*>("tak")->click(); },
                   [&] { return app->fw()->close(); });
        app->InitMainWindow();
        app->pokaz();
    };
    app->InitMainWindow();
    app->pokaz();
    app->fw()->showNormal();
    app->fw()->setGeometry(30, 40, 500, 300);
    zamknij();
    EXPECT_FALSE(app->fw()->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(app->fw()->geometry(), QRect(30, 40, 500, 300));
    app->fw()->showMaximized();
    zamknij();
    EXPECT_TRUE(app->fw()->windowState() & Qt::WindowMaximized);
    app->fw()->showNormal();
    EXPECT_EQ(app->fw()->geometry(), QRect(30, 40, 500, 300));
    app->fw()->hide();
}

TEST(Ramka, ClosesOnlyWhenTheMainWindowAgrees) {
    Ramka r("Velkora 2D");
    r.show();
    // "&Koniec" asks; No keeps the frame open, Yes closes it.
    auto koniec = [&] {
        podmenu(*r.menuBar(), 0)->actions().last()->trigger();
        return 0;
    };
    z_modalnym([](QWidget* m) { m->findChild<QPushButton*>("nie")->click(); }, koniec);
    EXPECT_TRUE(r.isVisible());
    z_modalnym([](QWidget* m) { m->findChild<QPushButton*>("tak")->click(); },
               [&] { return r.close(); });
    EXPECT_FALSE(r.isVisible());
}

TEST(Liczby, StayWithADecimalPointUnderAPolishLocale) {
    // The application object set LC_NUMERIC back to C after Qt read the environment.
    if (std::string(std::setlocale(LC_CTYPE, nullptr)).find("pl_PL") == std::string::npos)
        GTEST_SKIP() << "no pl_PL.UTF-8 locale here";
    EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
    char t[32];
    std::snprintf(t, sizeof t, "%f", 1.5);
    EXPECT_STREQ(t, "1.500000");
    EXPECT_DOUBLE_EQ(std::atof("2.25"), 2.25);
}

}  // namespace
