// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/tabela_tekstowa.h"

#include <algorithm>

#include "view/dane.h"

namespace {
// Rows measured for the columns' widths: all of a short table, a sample of a long one (its
// values share their formats, so the widest of the sample is the widest there is, or nearly).
constexpr int probka = 2000;
}  // namespace

TabelaTekstowa::TabelaTekstowa(std::string tytul, std::vector<SekcjaTabeli> sekcje,
                               std::function<void()> zamknieta)
    : tytul_(std::move(tytul)), sekcje_(std::move(sekcje)), zamknieta_(std::move(zamknieta)) {}

std::vector<long long> TabelaTekstowa::poczatki() const {
    std::vector<long long> p;
    long long y = od_;
    for (const SekcjaTabeli& s : sekcje_) {
        if (!s.tytul.empty()) y += tabele::wiersz;
        p.push_back(y);
        y += tabele::wiersz * (static_cast<long long>(s.wiersze) + 1) + 30;
    }
    p.push_back(y);
    return p;
}

int TabelaTekstowa::szerokosc_tresci() const {
    return std::max(szerokosc(), prawo_);
}

int TabelaTekstowa::wysokosc_tresci() const {
    return tabele::ograniczony(poczatki().back() + tabele::wiersz);
}

void TabelaTekstowa::Paint(Powierzchnia& dc, int od_y, int do_y) {
    tabele::zacznij(dc);
    const tabele::Zakres z{od_y, do_y};
    if (kolumny_.empty()) {
        for (const SekcjaTabeli& s : sekcje_) {
            std::vector<int> w(s.naglowki.size(), 0);
            auto zmierz = [&](const std::vector<std::string>& r) {
                for (std::size_t j = 0; j < w.size() && j < r.size(); ++j)
                    w[j] = std::max(w[j], dc.szerokosc_tekstu(r[j]));
            };
            zmierz(s.naglowki);
            const int krok = std::max(1, s.wiersze / probka);
            for (int i = 0; i < s.wiersze; i += krok) zmierz(s.wiersz(i));
            if (s.wiersze > 0) zmierz(s.wiersz(s.wiersze - 1));
            std::vector<int> x;
            int nx = 5;
            for (const int szer : w) {
                x.push_back(nx);
                nx += szer + 2 * tabele::odstep;
            }
            prawo_ = std::max(prawo_, nx);
            kolumny_.push_back(std::move(x));
        }
    }
    const std::vector<long long> p = poczatki();
    for (std::size_t k = 0; k < sekcje_.size(); ++k) {
        const SekcjaTabeli& s = sekcje_[k];
        const std::vector<int>& x = kolumny_[k];
        if (!s.tytul.empty()) tabele::tekst(dc, z, 5, p[k] - tabele::wiersz, s.tytul.c_str());
        for (std::size_t j = 0; j < s.naglowki.size(); ++j)
            tabele::tekst(dc, z, x[j], p[k], s.naglowki[j].c_str());
        dc.pioro(czarny, 3, StylPiora::ciagle);
        tabele::kreska(dc, z, p[k] + 23, prawo_);
        int od = 0, do_ = 0;
        z.wiersze(p[k] + 5, s.wiersze, od, do_);
        for (int i = od; i <= do_; ++i) {
            const std::vector<std::string> r = s.wiersz(i - 1);
            const long long y = p[k] + 5 + static_cast<long long>(tabele::wiersz) * i;
            for (std::size_t j = 0; j < r.size() && j < x.size(); ++j)
                dc.tekst(x[j], static_cast<int>(y), r[j]);
        }
    }
    dc.przywroc();
}

bool TabelaTekstowa::CanClose() {
    if (zamknieta_) zamknieta_();
    return true;
}
