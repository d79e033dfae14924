// SPDX-License-Identifier: GPL-3.0-or-later
// A table window of text columns, for lists the project keeps beside the store: the load
// combinations, the envelope of results. Rows are made as they are painted, so a window over
// a hundred thousand bars costs only what it shows.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "okno/platforma.h"

struct SekcjaTabeli {
    std::string tytul;  // a line above the headers; none when empty
    std::vector<std::string> naglowki;
    int wiersze = 0;
    std::function<std::vector<std::string>(int)> wiersz;  // the texts of row i, from 0
};

class TabelaTekstowa : public OknoTabeli {
  public:
    // `zamknieta` is told when the user closes the window.
    TabelaTekstowa(std::string tytul, std::vector<SekcjaTabeli> sekcje,
                   std::function<void()> zamknieta = {});

    std::string tytul() const override { return tytul_; }
    int szerokosc() const override { return 560; }
    int wysokosc() const override { return 400; }
    bool wlasnosc_glownego() const override { return true; }
    int szerokosc_tresci() const override;
    int wysokosc_tresci() const override;
    void Paint(Powierzchnia& dc, int od_y, int do_y) override;
    bool CanClose() override;
    // Where the first section starts: below another window's own tables when painted under them.
    void od(long long y) { od_ = y; }

  private:
    // Where each section's header row lies.
    std::vector<long long> poczatki() const;
    std::string tytul_;
    std::vector<SekcjaTabeli> sekcje_;
    std::function<void()> zamknieta_;
    std::vector<std::vector<int>> kolumny_;  // x of each column, measured at the first paint
    int prawo_ = 0;
    long long od_ = 5;
};
