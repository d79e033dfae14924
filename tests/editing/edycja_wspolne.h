// SPDX-License-Identifier: GPL-3.0-or-later
// What the tests of the editing commands share: the store's invariants, a text picture of the
// model's input, a base truss, and a window over the scripted stand-in that runs scenarios.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/model.h"
#include "okno/okno.h"
#include "tests/wspolne/atrapa.h"
#include "tests/wspolne/cichy_port.h"
#include "tests/wspolne/kratownice.h"

// The invariants of an open store: nq = 2 nn; every node, material, section, DOF and bar number
// in range; every array present exactly when its count is above 0, over 1..count.
::testing::AssertionResult niezmienniki(const Model& m);

// The counts and input arrays as text, every float exact. Results are left out.
std::string zrzut(const Model& m);
std::string zrzut(const Opis& o);

// Five nodes, seven bars, two materials and two areas in use, a pin and a roller with a forced
// displacement, two forces, two bar temperature changes.
Opis baza();
template <class F>
Opis baza_z(F zmiana) {
    Opis o = baza();
    zmiana(o);
    return o;
}

using Pola = std::vector<std::pair<int, std::string>>;
inline Wpis numer(const char* n) {
    return {{{8004, n}}, 1};
}
inline Wpis ok(Pola p = {}) {
    return {std::move(p), 1};
}
inline const Wpis anuluj{{}, 2};

// One command run on a model: what the user does in each dialog (the number prompt first), the
// messages shown and the model it leaves. Results start valid.
struct Scenariusz {
    const char* nazwa;
    Opis przed;
    int polecenie;
    std::vector<Wpis> wpisy;
    std::vector<std::string> komunikaty;
    Opis po;
    int obliczono;
};

inline Scenariusz scen(const char* nazwa, Opis przed, int polecenie, std::vector<Wpis> wpisy,
                       std::vector<std::string> komunikaty, Opis po, int obliczono) {
    return {nazwa,         std::move(przed), polecenie, std::move(wpisy), std::move(komunikaty),
            std::move(po), obliczono};
}

class KomendyEdycji : public ::testing::Test {
  protected:
    Atrapa a;
    _OKNO_ o{a};
    Model& m = o.model;

    void dialog(Wpis w) { a.wpisy.push_back(std::move(w)); }
    // Runs a scenario and checks the messages, the model, the invariants, the repaint, and that
    // a commit (and only a commit) closed the open table window.
    void wykonaj(const Scenariusz& s);
    void TearDown() override {
        EXPECT_TRUE(niezmienniki(m));
        EXPECT_EQ(a.bledy_skryptu, 0);
        EXPECT_TRUE(a.wpisy.empty());
    }
};
class Dodaj : public KomendyEdycji {};
class Zmien : public KomendyEdycji {};
class Usun : public KomendyEdycji {};
