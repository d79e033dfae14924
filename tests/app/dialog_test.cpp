// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs built from templates and the message box, driven as a user would drive them.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <array>
#include <cstring>
#include <utility>

#include "app/dialog_qt.h"
#include "editing/rekordy.h"
#include "tests/app/pomoc.h"

namespace {

// Room for any transfer record.
struct Rekord {
    alignas(8) std::array<char, 512> b{};
    char* pole(const PoleRekordu& p) { return b.data() + p.przesuniecie; }
    std::int32_t stan(const PoleRekordu& p) {
        std::int32_t v;
        std::memcpy(&v, pole(p), 4);
        return v;
    }
};

// Every bound text field holds its control's id (cut to fit), check boxes alternate 1, 0, 1...
// and of the radio buttons, one group, only the first is on.
Rekord wypelniony(const SzablonDialogu& s) {
    Rekord r;
    int n = 0;
    bool radio = false;
    for (const Kontrolka& k : s.kontrolki) {
        if (k.pole.szerokosc == 0) continue;
        if (k.pole.stan) {
            const std::int32_t v =
                k.rodzaj == Rodzaj::radio ? !std::exchange(radio, true) : (n++ % 2 == 0);
            std::memcpy(r.pole(k.pole), &v, 4);
        } else {
            std::snprintf(r.pole(k.pole), k.pole.szerokosc, "%d", k.id % 1000);
        }
    }
    return r;
}

template <class W>
W* kontrolka(QWidget* d, int id) {
    return d->findChild<W*>(QString::number(id));
}

TEST(Dialogi, EachTemplateBuildsItsControlsLimitsAndBindings) {
    ASSERT_EQ(identyfikatory_szablonow(),
              (std::vector<int>{3000, 3010, 3020, 3030, 3040, 3050, 3060, 3070, 3080, 3100, 3110,
                                3120, 3140, 3150, 3200, 3500, 3501, 3503, 3504}));
    for (int id : identyfikatory_szablonow()) {
        SCOPED_TRACE(id);
        const SzablonDialogu& s = szablon(id);
        Rekord r = wypelniony(s);
        DialogSzablonu d(nullptr, s, r.b.data(), 3);
        EXPECT_EQ(d.windowTitle(), QString::fromUtf8(s.tytul));
        EXPECT_TRUE(d.findChild<QPushButton*>("ok")->isDefault());
        EXPECT_EQ(d.findChild<QPushButton*>("anuluj") != nullptr, s.anuluj);
        QStringList etykiety;
        for (QLabel* l : d.findChildren<QLabel*>()) etykiety << l->text();
        for (const Kontrolka& k : s.kontrolki) {
            SCOPED_TRACE(k.id);
            if (k.rodzaj == Rodzaj::edycja) {
                auto* e = kontrolka<QLineEdit>(&d, k.id);
                ASSERT_NE(e, nullptr);
                // A real number's edit does not stop typing: Qt's own limit.
                EXPECT_EQ(e->maxLength(), k.rzeczywista ? 32767 : limit_kontrolki(k, 3));
                EXPECT_EQ(e->isReadOnly(), k.tylko_odczyt);
                EXPECT_EQ(e->validator() != nullptr, k.cyfry);
                EXPECT_EQ((e->alignment() & Qt::AlignRight) != 0, k.do_prawej);
                EXPECT_EQ(e->text(), QString::fromUtf8(r.pole(k.pole)));
            } else if (k.rodzaj == Rodzaj::wybor || k.rodzaj == Rodzaj::radio) {
                auto* b = kontrolka<QAbstractButton>(&d, k.id);
                ASSERT_NE(b, nullptr);
                EXPECT_EQ(b->isChecked(), r.stan(k.pole) == 1);
                if (k.rodzaj == Rodzaj::radio) {
                    EXPECT_TRUE(b->group() && b->group()->exclusive());
                }
            } else if (k.rodzaj == Rodzaj::lista) {
                auto* c = kontrolka<QComboBox>(&d, k.id);
                ASSERT_NE(c, nullptr);
                EXPECT_EQ(c->count(), static_cast<int>(pozycje_listy(k.pozycje).size()));
                EXPECT_EQ(c->currentIndex(), r.stan(k.pole));
            } else if (k.pole.szerokosc) {
                EXPECT_EQ(kontrolka<QLabel>(&d, k.id)->text(), QString::fromUtf8(r.pole(k.pole)));
            }
            if (k.rodzaj != Rodzaj::statyczny && k.rodzaj != Rodzaj::wybor &&
                k.rodzaj != Rodzaj::radio && *k.tekst) {
                EXPECT_TRUE(etykiety.contains(QString::fromUtf8(k.tekst))) << k.tekst;
            }
        }
    }
}

// Each value's label names its unit in the chosen system, as the templates mark them; other labels
// stay as they are.
TEST(Dialogi, LabelsOfValuesNameTheUnitsChosen) {
    int z_jednostka = 0;
    for (int id : identyfikatory_szablonow()) {
        Rekord r = wypelniony(szablon(id));
        DialogSzablonu d(nullptr, szablon(id), r.b.data(), 3, UkladJednostek::kN_cm);
        QStringList etykiety;
        for (QLabel* l : d.findChildren<QLabel*>()) etykiety << l->text();
        for (const Kontrolka& k : szablon(id).kontrolki) {
            if (k.rodzaj == Rodzaj::statyczny || !*k.tekst) continue;
            // A heading names the unit of the values beneath it.
            const std::string t = k.jednostka_w_naglowku
                                      ? std::string(k.tekst)
                                      : ::z_jednostka(k.tekst, k.wielkosc, UkladJednostek::kN_cm);
            z_jednostka += t != k.tekst;
            if (k.rodzaj == Rodzaj::edycja || k.rodzaj == Rodzaj::napis) {
                EXPECT_TRUE(etykiety.contains(QString::fromStdString(t))) << id << " " << t;
            }
        }
    }
    // Coordinates and the grid step, the forced displacement's heading, force, modulus, thermal
    // coefficient, area, temperature change, the four maxima of the statistics, and the truss
    // template's span, height, material, three areas and load, the two vectors of moving and of
    // copying the selection, and the force at the selected nodes.
    EXPECT_EQ(z_jednostka, 26);
    Rekord r;
    DialogSzablonu d(nullptr, szablon(3080), r.b.data(), 3, UkladJednostek::kN_cm);
    QStringList etykiety;
    for (QLabel* l : d.findChildren<QLabel*>()) etykiety << l->text();
    EXPECT_TRUE(etykiety.contains("Maks. siła osiowa [kN]"));
    EXPECT_TRUE(etykiety.contains("Maks. naprężenie normalne [kN/cm²]"));
    EXPECT_TRUE(etykiety.contains("Ilość węzłów"));
}

TEST(Dialogi, NumberFieldsWidenToTheDigitsOfTheLargestCount) {
    Rekord r;
    for (int cyfry : {1, 3, 4, 6}) {
        DialogSzablonu d(nullptr, szablon(3010), r.b.data(), cyfry);
        EXPECT_EQ(kontrolka<QLineEdit>(&d, 8500)->maxLength(), std::max(3, cyfry)) << cyfry;
        DialogSzablonu w(nullptr, szablon(3020), r.b.data(), cyfry);
        EXPECT_EQ(kontrolka<QLineEdit>(&w, 8500)->maxLength(), 32767) << "a coordinate: no limit";
    }
}

TEST(Dialogi, APrefilledTextShowsItsStartAndFitsItsFieldWithinReason) {
    d_stat st{};
    for (char* p : {st.ne, st.nn, st.nd, st.nl, st.nm, st.na, st.w1, st.w2, st.ele})
        std::snprintf(p, szer_numeru, "%d", 7);
    wpisz(st.mnx, "%f", -240370096.0);  // a compression, not a tension of 240370096
    wpisz(st.mny, "%f", 0.01875);
    wpisz(st.mnap, "%f", -3.4028234663852886e38);  // longer than any field is made
    DialogSzablonu d(nullptr, szablon(3080), &st, 3);
    auto kursor = [](QLineEdit* e) {
        return e->inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
    };
    d.show();
    d.grab();
    const int poczatek = kursor(kontrolka<QLineEdit>(&d, 3001));
    for (QLineEdit* e : d.findChildren<QLineEdit*>()) {
        SCOPED_TRACE(e->text().toStdString());
        EXPECT_EQ(e->cursorPosition(), 0);
        EXPECT_EQ(kursor(e), poczatek) << "its first character is in sight";
        const int tekst = e->fontMetrics().horizontalAdvance(e->text());
        if (e->text().size() > 40) {
            EXPECT_LT(e->width(), tekst);
            continue;
        }
        // Up to its end, the text needs no scrolling.
        e->end(false);
        d.grab();
        EXPECT_NEAR(kursor(e) - poczatek, tekst, 1);
    }
}

TEST(Dialogi, TypingStopsAtTheLimitAndDigitOnlyEditsRefuseOtherCharacters) {
    struct Przypadek {
        int szablon, kontrolka;
        const char* wpisane;
        const char* widac;
    };
    const Przypadek tabela[] = {
        {3020, 8500, "1234.567", "1234.567"},  // a real number goes in whole
        {3050, 8501, "0.000012", "0.000012"},
        {3010, 8500, "1234", "123"},   // but no fourth digit into a node number
        {3030, 8500, "1a2-3", "123"},  // digits only
        {3000, 3004, "1a", "1a"},      // this count takes any character
        {3000, 3004, "ąęó!", "ąęó"},   // the limit counts characters, not bytes
    };
    for (const Przypadek& p : tabela) {
        SCOPED_TRACE(p.wpisane);
        Rekord r;
        DialogSzablonu d(nullptr, szablon(p.szablon), r.b.data(), 3);
        auto* e = kontrolka<QLineEdit>(&d, p.kontrolka);
        pisz(e, QString::fromUtf8(p.wpisane));
        EXPECT_EQ(e->text(), QString::fromUtf8(p.widac));
    }
    Rekord r;
    std::strcpy(r.b.data(), "12");
    DialogSzablonu d(nullptr, szablon(3020), r.b.data(), 3);
    auto* naglowek = kontrolka<QLineEdit>(&d, 8004);
    pisz(naglowek, "9");
    EXPECT_EQ(naglowek->text(), "12") << "a read-only edit cannot be typed into";
}

TEST(Dialogi, OkCopiesEveryBoundControlBackAndAnswers1) {
    d_wymusz w{};
    wpisz(w.i, "%d", 4);
    wpisz(w.nu, "%d", 2);
    std::strcpy(w.x, "0.00000");
    std::strcpy(w.y, "1.5\xC4");  // cut inside a character by the command that filled it
    w.chx = 0;
    w.chy = 1;
    const int wynik = z_modalnym(
        [](QWidget* d) {
            auto* x = kontrolka<QLineEdit>(d, 8501);
            x->clear();
            pisz(x, "-0.0025");
            kontrolka<QCheckBox>(d, 8600)->click();
            kontrolka<QCheckBox>(d, 8610)->click();
            d->findChild<QPushButton*>("ok")->click();
        },
        [&] { return dialog_szablonu(nullptr, 3030, &w, 3); });
    EXPECT_EQ(wynik, 1);
    EXPECT_STREQ(w.i, "4");
    EXPECT_STREQ(w.nu, "2");
    EXPECT_STREQ(w.x, "-0.0025");
    EXPECT_STREQ(w.y, "1.5\xC4") << "text left alone keeps its bytes";
    EXPECT_EQ(w.chx, 1);
    EXPECT_EQ(w.chy, 0);
}

TEST(Dialogi, OkCopiesTheChosenListItemBackAsItsPlace) {
    d_szablon r{};
    r.typ = 1, r.pas = 1;
    const int wynik = z_modalnym(
        [](QWidget* d) {
            kontrolka<QComboBox>(d, 8800)->setCurrentIndex(5);
            d->findChild<QPushButton*>("ok")->click();
        },
        [&] { return dialog_szablonu(nullptr, 3200, &r, 3); });
    EXPECT_EQ(wynik, 1);
    EXPECT_EQ(r.typ, 5);
    EXPECT_EQ(r.pas, 1);
}

TEST(Dialogi, AnulujEscapeAndTheCloseBoxLeaveTheRecordAsItWasAndAnswer2) {
    const std::function<void(QWidget*)> konce[] = {
        [](QWidget* d) { d->findChild<QPushButton*>("anuluj")->click(); },
        [](QWidget* d) { klawisz(d, Qt::Key_Escape); },
        [](QWidget* d) { d->close(); },
    };
    for (const auto& koniec : konce) {
        d_mat m{};
        wpisz(m.i, "2");
        std::strcpy(m.e, "200000.0000");
        std::strcpy(m.alp, "0.00001");
        const d_mat przed = m;
        const int wynik = z_modalnym(
            [&](QWidget* d) {
                pisz(kontrolka<QLineEdit>(d, 8500), "999");
                koniec(d);
            },
            [&] { return dialog_szablonu(nullptr, 3050, &m, 3); });
        EXPECT_EQ(wynik, 2);
        EXPECT_EQ(std::memcmp(&m, &przed, sizeof m), 0);
    }
}

TEST(Dialogi, TheNumberPromptHasOnlyOkAndEscapeLeavesItsZero) {
    d_nr n{};
    wpisz(n.i, "0");
    wpisz(n.nap, "Podaj numer węzła :");
    EXPECT_EQ(z_modalnym(
                  [](QWidget* d) {
                      EXPECT_EQ(kontrolka<QLabel>(d, 8700)->text(),
                                QString::fromUtf8("Podaj numer węzła :"));
                      EXPECT_EQ(d->findChild<QPushButton*>("anuluj"), nullptr);
                      pisz(kontrolka<QLineEdit>(d, 8004), "5");
                      klawisz(d, Qt::Key_Escape);
                  },
                  [&] { return dialog_szablonu(nullptr, 3100, &n, 3); }),
              2);
    EXPECT_STREQ(n.i, "0");
    EXPECT_STREQ(n.nap, "Podaj numer węzła :");
}

TEST(Dialogi, CopyingBackCutsToTheFieldWithoutSplittingACharacter) {
    struct Przypadek {
        const char* tekst;
        int szerokosc;
        const char* pole;
    };
    const Przypadek tabela[] = {
        {"abcdefgh", 8, "abcdefg"},
        {"ąąąą", 8, "ąąą"},
        {"aą", 3, "a"},
        {"aą", 4, "aą"},
        {"", 4, ""},
        {"x", 1, ""},
    };
    for (const Przypadek& p : tabela) {
        char pole[16];
        std::memset(pole, '#', sizeof pole);
        do_pola(pole, p.szerokosc, p.tekst);
        EXPECT_STREQ(pole, p.pole) << p.tekst << " in " << p.szerokosc;
        EXPECT_EQ(pole[p.szerokosc], '#') << "nothing is written past the field";
    }
}

// A number is never cut into another: a real number's text longer than its field reaches the
// record empty, which the command refuses with the field's message; one that fits goes whole.
TEST(Dialogi, ARealNumberTooLongForItsFieldArrivesEmptyNeverCut) {
    const std::string zmiesci(sizeof(d_wsp::x) - 1, '1');
    d_wsp w{};
    z_modalnym(
        [&](QWidget* d) {
            pisz(kontrolka<QLineEdit>(d, 8500), "1.00000000000000000000005");  // cut, 1.0
            pisz(kontrolka<QLineEdit>(d, 8501), QString::fromStdString(zmiesci));
            d->findChild<QPushButton*>("ok")->click();
        },
        [&] { return dialog_szablonu(nullptr, 3020, &w, 3); });
    EXPECT_STREQ(w.x, "");
    EXPECT_EQ(w.y, zmiesci);
}

// What a window's title needs at the least: its text in the platform's title font, bold as
// title bars draw it, and three buttons each as wide as the bar is high.
int najmniej_na_tytul(const QWidget* w, const QString& tytul) {
    QFont f = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    f.setBold(true);
    return QFontMetrics(f).horizontalAdvance(tytul) +
           3 * w->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, w);
}

TEST(Dialogi, EveryDialogAndMessageBoxIsWideEnoughForItsWholeTitle) {
    for (int id : identyfikatory_szablonow()) {
        Rekord r = wypelniony(szablon(id));
        DialogSzablonu d(nullptr, szablon(id), r.b.data(), 3);
        EXPECT_GE(d.width(), najmniej_na_tytul(&d, d.windowTitle())) << szablon(id).tytul;
    }
    for (Przyciski p : {Przyciski::ok, Przyciski::tak_nie})
        z_modalnym(
            [](QWidget* m) {
                EXPECT_GE(m->width(), najmniej_na_tytul(m, m->windowTitle()));
                klawisz(m, Qt::Key_Escape);
            },
            [&] {
                return okno_komunikatu(nullptr, "Brak", "Błąd operacji dyskowej", Ikona::wykrzyknik,
                                       p);
            });
}

TEST(Dialogi, AnUnknownTemplateShowsNothingAndCancels) {
    Rekord r;
    EXPECT_EQ(dialog_szablonu(nullptr, 3090, r.b.data(), 3), 2);
    EXPECT_EQ(dialog_szablonu(nullptr, 3020, nullptr, 3), 2);
}

TEST(Komunikaty, ButtonsMapToTheAnswersAndEscapeMeansNo) {
    struct Przypadek {
        Przyciski przyciski;
        std::function<void(QWidget*)> akcja;
        int odpowiedz;
    };
    auto przycisk = [](const char* nazwa) {
        return [nazwa](QWidget* m) { m->findChild<QPushButton*>(nazwa)->click(); };
    };
    const Przypadek tabela[] = {
        {Przyciski::ok, przycisk("ok"), IDOK},
        {Przyciski::ok, [](QWidget* m) { klawisz(m, Qt::Key_Escape); }, IDOK},
        {Przyciski::tak_nie, przycisk("tak"), IDYES},
        {Przyciski::tak_nie, przycisk("nie"), IDNO},
        {Przyciski::tak_nie, [](QWidget* m) { klawisz(m, Qt::Key_Escape); }, IDNO},
        {Przyciski::tak_nie, [](QWidget* m) { m->close(); }, IDNO},
        {Przyciski::tak_nie, [](QWidget* m) { klawisz(m, Qt::Key_Return); }, IDYES},
    };
    for (const Przypadek& p : tabela) {
        const int o = z_modalnym(p.akcja, [&] {
            return okno_komunikatu(nullptr, "Zakończyć działanie programu ?", "Velkora 2D",
                                   Ikona::pytajnik, p.przyciski);
        });
        EXPECT_EQ(o, p.odpowiedz);
    }
}

TEST(Komunikaty, ShowTheirIconTitleAndPlainText) {
    const std::pair<Ikona, QMessageBox::Icon> ikony[] = {{Ikona::stop, QMessageBox::Critical},
                                                         {Ikona::pytajnik, QMessageBox::Question},
                                                         {Ikona::wykrzyknik, QMessageBox::Warning}};
    for (const auto& [ikona, qt] : ikony) {
        z_modalnym(
            [&](QWidget* w) {
                auto* m = static_cast<QMessageBox*>(w);
                EXPECT_EQ(m->icon(), qt);
                EXPECT_EQ(m->windowTitle(), QString::fromUtf8("Błąd danych"));
                EXPECT_EQ(m->text(), "a < b\nwiersz 2");
                m->findChild<QPushButton*>("ok")->click();
            },
            [&] {
                return okno_komunikatu(nullptr, "a < b\nwiersz 2", "Błąd danych", ikona,
                                       Przyciski::ok);
            });
    }
}

}  // namespace
