// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/editing/edycja_wspolne.h"

#include <cstdio>
#include <map>

namespace {

template <class A>
void rozmiar(const A& t, int n, std::string& b, const char* nazwa) {
    if (n > 0 ? !(t && t.low() == 1 && t.high() == n) : static_cast<bool>(t))
        b += std::string(nazwa) + " not sized to its count; ";
}
template <class T>
void rozmiar(const Macierz<T>& t, int n, int kol, std::string& b, const char* nazwa) {
    if (n > 0 ? !(t && t.rlow() == 1 && t.rhigh() == n && t.clow() == 1 && t.chigh() == kol)
              : static_cast<bool>(t))
        b += std::string(nazwa) + " not sized to its count; ";
}

}  // namespace

::testing::AssertionResult niezmienniki(const Model& m) {
    std::string b;
    if (m.Pusty != 0) b += "Pusty is not 0; ";
    if (m.nq != 2 * m.nn) b += "nq != 2 nn; ";
    rozmiar(m.x, m.nn, 2, b, "x");
    rozmiar(m.f, m.nq, b, "f");
    rozmiar(m.noc, m.ne, 4, b, "noc");
    rozmiar(m.stressp, m.ne, b, "stressp");
    rozmiar(m.pm, m.nm, 2, b, "pm");
    rozmiar(m.area, m.na, b, "area");
    rozmiar(m.nu, m.nd, b, "nu"), rozmiar(m.u, m.nd, b, "u"), rozmiar(m.react, m.nd, b, "react");
    rozmiar(m.ild, m.nl, b, "ild"), rozmiar(m.al, m.nl, b, "al");
    rozmiar(m.nset, m.ntel, b, "nset"), rozmiar(m.temp, m.ntel, b, "temp");
    if (!b.empty()) return ::testing::AssertionFailure() << b;
    auto w = [&](int v, int gora, const char* co, int i) {
        if (v < 1 || v > gora) b += std::string(co) + " " + std::to_string(i) + " out of range; ";
    };
    for (int i = 1; i <= m.ne; ++i) {
        w(m.noc[i][1], m.nn, "node 1 of bar", i), w(m.noc[i][2], m.nn, "node 2 of bar", i);
        w(m.noc[i][3], m.nm, "material of bar", i), w(m.noc[i][4], m.na, "area of bar", i);
    }
    for (int i = 1; i <= m.nd; ++i) w(m.nu[i], m.nq, "support DOF", i);
    for (int i = 1; i <= m.nl; ++i) w(m.ild[i], m.nq, "load DOF", i);
    for (int i = 1; i <= m.ntel; ++i) w(m.nset[i], m.ne, "temperature bar", i);
    if (b.empty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << b;
}

std::string zrzut(const Model& m) {
    std::string s;
    char t[64];
    auto r = [&](float v) {
        std::snprintf(t, sizeof t, " %a", static_cast<double>(v));
        s += t;
    };
    auto c = [&](int v) { s += " " + std::to_string(v); };
    for (int v : {m.ne, m.nn, m.nd, m.nl, m.nm, m.na, m.ntel, m.nq}) c(v);
    s += "\nx:";
    for (int i = 1; i <= m.nn; ++i) r(m.x[i][1]), r(m.x[i][2]);
    s += "\nnoc:";
    for (int i = 1; i <= m.ne; ++i) c(m.noc[i][1]), c(m.noc[i][2]), c(m.noc[i][3]), c(m.noc[i][4]);
    s += "\npm:";
    for (int i = 1; i <= m.nm; ++i) r(m.pm[i][1]), r(m.pm[i][2]);
    s += "\narea:";
    for (int i = 1; i <= m.na; ++i) r(m.area[i]);
    s += "\nnu u:";
    for (int i = 1; i <= m.nd; ++i) c(m.nu[i]), r(m.u[i]);
    s += "\nild al:";
    for (int i = 1; i <= m.nl; ++i) c(m.ild[i]), r(m.al[i]);
    s += "\nnset temp:";
    for (int i = 1; i <= m.ntel; ++i) c(m.nset[i]), r(m.temp[i]);
    return s + "\n";
}

std::string zrzut(const Opis& o) {
    Model m;
    zbuduj(m, o);
    return zrzut(m);
}

Opis baza() {
    Opis o;
    o.wezly = {{0, 0}, {4, 0}, {8, 0}, {2, 3}, {6, 3}};
    o.prety = {{1, 2, 1, 1}, {2, 3, 1, 1}, {1, 4, 2, 2}, {2, 4, 1, 2},
               {2, 5, 2, 1}, {3, 5, 1, 2}, {4, 5, 2, 1}};
    o.materialy = {{2.1e8f, 1.2e-5f}, {7.0e7f, 2.3e-5f}};
    o.pola = {0.01f, 0.004f};
    o.podpory = {{1, 0.0f}, {2, 0.0f}, {6, 0.001f}};
    o.sily = {{8, -10.0f}, {9, 5.0f}};
    o.temperatury = {{3, 20.0f}, {7, -15.0f}};
    return o;
}

void KomendyEdycji::wykonaj(const Scenariusz& s) {
    // Titles of the refusals that are not data errors, by command and text.
    static const std::map<std::pair<int, std::string>, std::string> tytuly = {
        {{51689, "W tym węźle nie ma siły.."}, "Zmiana siły"},
        {{51693, "Materiał jest używany przez element"}, "Usuwanie materiału"},
        {{51695, "Pole przekroju używane jest przez element"}, "Usuwanie pola przekroju"},
        {{51694, "W tym węźle nie ma podpór.."}, "Usuwanie podpór"},
        {{51696, "W tym węźle nie ma sił.."}, "Usuwanie sił"},
        {{52102, "W tym pręcie nie ma zmiany temperatury."}, "Zmiana temperatury"},
        {{52103, "W tym pręcie nie ma zmiany temperatury."}, "Usuwanie zmian temperatury"},
    };
    SCOPED_TRACE(s.nazwa);
    zbuduj(m, s.przed);
    o.nowy_dokument(true);
    m.obliczono = 1;
    m.id = 1;
    o.dd = a.UtworzOknoTabeli(std::make_unique<PustaTabela>());
    a.komunikaty.clear();
    a.odswiezenia = 0;
    for (const Wpis& w : s.wpisy) a.wpisy.push_back(w);
    o.Find(s.polecenie);
    EXPECT_TRUE(a.wpisy.empty()) << "dialogs shown fewer times than scripted";
    a.wpisy.clear();
    EXPECT_EQ(a.teksty(), s.komunikaty);
    for (const Komunikat& k : a.komunikaty) {
        const auto t = tytuly.find({s.polecenie, k.tekst});
        EXPECT_EQ(k.tytul, t == tytuly.end() ? "Błąd danych" : t->second);
        EXPECT_EQ(k.ikona, Ikona::stop);
    }
    ASSERT_TRUE(niezmienniki(m));
    EXPECT_EQ(zrzut(m), zrzut(s.po));
    EXPECT_EQ(m.obliczono, s.obliczono);
    EXPECT_EQ(a.odswiezenia, 1);
    const bool zapis = zrzut(s.po) != zrzut(s.przed) || s.obliczono == 0;
    EXPECT_EQ(a.tabele.at(o.dd).zywe, !zapis);
    EXPECT_EQ(m.id, 1);

    // Every change is one step: undo gives back the model and the valid results it had, redo
    // the change; a command that changed nothing leaves no step.
    const bool zmiana = zrzut(s.po) != zrzut(s.przed);
    ASSERT_EQ(o.historia.moze_cofnac(), zmiana);
    EXPECT_EQ(o.ma_zmiany(), zmiana);
    if (!zmiana) return;
    o.Find(52011);
    EXPECT_EQ(zrzut(m), zrzut(s.przed));
    EXPECT_EQ(m.obliczono, 1);
    EXPECT_FALSE(o.ma_zmiany());
    o.Find(52012);
    EXPECT_EQ(zrzut(m), zrzut(s.po));
    EXPECT_EQ(m.obliczono, s.obliczono);
    EXPECT_TRUE(niezmienniki(m));
}
