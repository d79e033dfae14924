// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target of the project-file reader. A refused text must give a reason; an accepted
// project is written again, and that text must read back as the same project and write as the
// same text (the save of an opened project loses nothing). Its small enough models are analysed
// over every load case: success with finite results, or a message and no results. Any breach
// aborts, so the fuzzer keeps the input.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/analiza.h"
#include "core/projekt.h"
#include "files/v2dp.h"

namespace {

[[noreturn]] void przerwij(const char* co, const std::string& powod) {
    std::fprintf(stderr, "fuzz_v2dp: %s: %s\n", co, powod.c_str());
    std::abort();
}

// Every case of a model whose band stays small; a huge band would only slow the fuzzer down.
void analizuj(ZawartoscProjektu& z) {
    Model m;
    przejmij_konstrukcje(m, std::move(z.k));
    m.nbw = 0;
    m.Pusty = 0;
    uzgodnij(m, z.p);
    double pasmo = 0.0;
    for (int i = 1; i <= m.ne; ++i)
        pasmo = std::max(pasmo, 2.0 * std::abs(static_cast<double>(m.noc[i][2]) - m.noc[i][1]) + 2);
    if (static_cast<double>(m.nq) * pasmo * pasmo * static_cast<double>(z.p.przypadki.size()) >
        1e7) {
        zwolnij_model(m);
        return;
    }
    const ZadaniePrzypadkow zadanie = zadanie_projektu(m, z.p);
    const WynikObliczen w = obliczenia(m, Rozwiazanie::samo, &zadanie);
    if (w.sukces()) {
        if (m.obliczono != 1 || m.wyniki.size() != z.p.przypadki.size())
            przerwij("udana analiza bez wyników każdego przypadku", "");
        for (const WynikPrzypadku& c : m.wyniki) {
            for (float v : c.f)
                if (!std::isfinite(v)) przerwij("nieskończone przemieszczenie", "");
            for (float v : c.stressp)
                if (!std::isfinite(v)) przerwij("nieskończone naprężenie", "");
            for (float v : c.react)
                if (!std::isfinite(v)) przerwij("nieskończona reakcja", "");
        }
    } else if (m.obliczono != 0 || komunikaty_obliczen(w).empty()) {
        przerwij("nieudana analiza bez komunikatu albo z wynikami", "");
    }
    zwolnij_model(m);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t n) {
    const std::string_view tekst(reinterpret_cast<const char*>(dane), n);
    ZawartoscProjektu z;
    std::string powod;
    if (!czytaj_tekst_projektu(tekst, z, powod)) {
        if (powod.empty()) przerwij("odmowa bez powodu", "");
        return 0;
    }
    std::string t1, t2;
    if (!tekst_projektu({z.k, z.p, z.jednostki, z.pokaz}, t1, powod))
        przerwij("przyjęty projekt nie zapisuje się", powod);
    ZawartoscProjektu r;
    if (!czytaj_tekst_projektu(t1, r, powod)) przerwij("zapisany projekt nie czyta się", powod);
    if (!tekst_projektu({r.k, r.p, r.jednostki, r.pokaz}, t2, powod) || t2 != t1)
        przerwij("projekt zapisany drugi raz jest inny", powod);
    if (!te_same_dane(r.k, z.k) || !(r.p == z.p)) przerwij("odczyt zapisu zmienił projekt", "");
    analizuj(z);
    return 0;
}
