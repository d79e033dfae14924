// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/dokument.h"

void Tabela::przygotuj() {
    skale_.clear();
    for (const KolumnaTabeli& k : kolumny) {
        KolumnaLiczb s(k.cyfry);
        if (k.liczba)
            for (std::size_t w = 0; w < wiersze; ++w) s.obejmij(k.liczba(w));
        skale_.push_back(s);
    }
}

std::string Tabela::komorka(std::size_t wiersz, std::size_t kolumna) const {
    const KolumnaTabeli& k = kolumny[kolumna];
    if (k.liczba) {
        const double v = k.liczba(wiersz);
        return kolumna < skale_.size() ? skale_[kolumna](v) : liczba_raportu(v, k.cyfry);
    }
    return k.tekst ? k.tekst(wiersz) : std::string();
}

std::vector<Fragment> fragmenty(const std::string& t) {
    std::vector<Fragment> f;
    auto dodaj = [&f](Fragment::Rodzaj r, std::string s) {
        if (s.empty()) return;
        if (!f.empty() && f.back().rodzaj == r)
            f.back().tekst += s;
        else
            f.push_back({r, std::move(s)});
    };
    std::string biezacy;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if ((t[i] == '_' || t[i] == '^') && i + 1 < t.size() && t[i + 1] == '{') {
            const std::size_t koniec = t.find('}', i + 2);
            if (koniec != std::string::npos) {
                dodaj(Fragment::zwykly, std::move(biezacy));
                biezacy.clear();
                dodaj(t[i] == '_' ? Fragment::dolny : Fragment::gorny,
                      t.substr(i + 2, koniec - i - 2));
                i = koniec;
                continue;
            }
        }
        biezacy += t[i];
    }
    dodaj(Fragment::zwykly, std::move(biezacy));
    return f;
}
