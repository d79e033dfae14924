// SPDX-License-Identifier: GPL-3.0-or-later
// The silent port, and a surface that draws nothing, for benchmarks and tests.
#pragma once

#include <memory>
#include <string>

#include "okno/cichy_port.h"
#include "okno/platforma.h"

// A surface that draws nothing, with a fixed width per character: what painting costs in itself.
class PustaPowierzchnia : public Powierzchnia {
  public:
    void pioro(Kolor, int, StylPiora) override {}
    void pedzel(Kolor) override {}
    void czcionka(const std::string&, int, int) override {}
    void kolor_tekstu(Kolor) override {}
    void tlo_tekstu(Kolor) override {}
    void prostokat(int, int, int, int) override {}
    void przesun_do(int, int) override {}
    void linia_do(int, int) override {}
    void odcinki(const OdcinekEkranu*, std::size_t) override {}
    void elipsa(int, int, int, int) override {}
    void tekst(int, int, const std::string&) override {}
    int szerokosc_tekstu(const std::string& t) override { return 8 * static_cast<int>(t.size()); }
    void zachowaj() override {}
    void przywroc() override {}
};

// A table window with no content.
class PustaTabela : public OknoTabeli {
  public:
    std::string tytul() const override { return "test"; }
    int szerokosc() const override { return 1; }
    int wysokosc() const override { return 1; }
    bool wlasnosc_glownego() const override { return true; }
    int szerokosc_tresci() const override { return 1; }
    int wysokosc_tresci() const override { return 1; }
    void Paint(Powierzchnia&, int, int) override {}
    bool CanClose() override { return true; }
};
