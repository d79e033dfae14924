// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/wymiarowanie_wydruk.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "files/wymiarowanie_projektu.h"
#include "files/wyniki_projektu.h"

namespace {

std::string liczba(double v, const char* format = "%.6g") {
    if (!std::isfinite(v)) return "";
    char t[48];
    std::snprintf(t, sizeof t, format, v);
    return t;
}

// A CSV field: quoted, for profile names carry decimal commas.
std::string cytat(const std::string& s) {
    std::string t = "\"";
    for (char c : s) t += c == '"' ? std::string("\"\"") : std::string(1, c);
    return t + "\"";
}

const char* stan(StanSprawdzenia s) {
    return s == StanSprawdzenia::spelnia       ? "spelnia"
           : s == StanSprawdzenia::nie_spelnia ? "nie_spelnia"
                                               : "nie_sprawdzono";
}
const char* stan_tekst(const WymiarowaniePreta& p) {
    return p.stan == StanSprawdzenia::spelnia       ? "spełnia"
           : p.stan == StanSprawdzenia::nie_spelnia ? "NIE SPEŁNIA"
                                                    : "nie sprawdzono";
}

std::size_t szerokosc(const std::string& s) {
    std::size_t n = 0;
    for (unsigned char c : s) n += (c & 0xC0) != 0x80;
    return n;
}

void tabela(const std::vector<std::vector<std::string>>& w) {
    std::vector<std::size_t> s(w.front().size(), 0);
    for (const auto& r : w)
        for (std::size_t j = 0; j < r.size(); ++j) s[j] = std::max(s[j], szerokosc(r[j]));
    for (const auto& r : w) {
        std::string l;
        for (std::size_t j = 0; j < r.size(); ++j) {
            const std::string odstep(s[j] - szerokosc(r[j]), ' ');
            l += j == 0 ? r[j] + odstep : j + 1 == r.size() ? "  " + r[j] : "  " + odstep + r[j];
        }
        std::puts(l.c_str());
    }
}

}  // namespace

const char* const opis_wymiarowania =
    "  Projekt z przekrojami stalowymi (profil albo własne dane) dostaje po wynikach\n"
    "  wymiarowanie prętów według PN-EN 1993-1-1 ze wszystkich kombinacji SGN i własnych;\n"
    "  z --csv wiersze:\n"
    "            wymiarowanie,<pręt>,<przekrój>,\"<profil>\",<N_Ed min>,<N_Ed max>,<N_Rd>,\n"
    "                         <chi>,<U>,<K>,\"<sprawdzenie>\",spelnia|nie_spelnia|nie_sprawdzono\n"
    "            ugiecie,<u max>,<u graniczne>,<węzeł>,<K>,<stan>\n";

void wymiarowanie_wydruk(const Model& m, const Projekt& p, UkladJednostek u, bool csv) {
    if (!ma_przekroje_stalowe(p.wymiarowanie)) return;
    const std::vector<Kombinacja> k = kombinacje_projektu(p);
    const WynikWymiarowania w = wymiaruj(m, p, u, k);
    if (!w.blad.empty()) {
        std::fprintf(stderr, "%s\n", w.blad.c_str());
        return;
    }
    auto profil = [&w](int n) {
        return n >= 1 && n <= static_cast<int>(w.przekroje.size())
                   ? w.przekroje[static_cast<std::size_t>(n - 1)].nazwa
                   : std::string();
    };
    const SprawdzenieUgiecia& g = w.ugiecie;
    if (csv) {
        for (std::size_t b = 0; b < w.prety.size(); ++b) {
            const WymiarowaniePreta& r = w.prety[b];
            const bool jest = r.kombinacja >= 0;
            std::printf("wymiarowanie,%zu,%d,%s,%s,%s,%s,%s,%s,%s,%s,%s\n", b + 1, r.przekroj,
                        cytat(profil(r.przekroj)).c_str(), liczba(r.N_min).c_str(),
                        liczba(r.N_max).c_str(), jest ? liczba(r.N_Rd).c_str() : "",
                        liczba(r.chi).c_str(), jest ? liczba(r.U).c_str() : "",
                        jest ? std::to_string(r.kombinacja + 1).c_str() : "",
                        cytat(r.sprawdzenie).c_str(), stan(r.stan));
        }
        std::printf("ugiecie,%s,%s,%s,%s,%s\n", liczba(g.u).c_str(), liczba(g.u_dop).c_str(),
                    g.sprawdzono ? std::to_string(g.wezel).c_str() : "",
                    g.sprawdzono ? std::to_string(g.kombinacja + 1).c_str() : "",
                    !g.sprawdzono ? "nie_sprawdzono"
                    : g.spelnia() ? "spelnia"
                                  : "nie_spelnia");
        return;
    }
    std::printf(
        "\nWymiarowanie prętów (PN-EN 1993-1-1): %d spełnia, %d nie spełnia, %d nie "
        "sprawdzono\n\n",
        w.spelnia, w.nie_spelnia, w.nie_sprawdzono);
    // The sections first: the net-area ratio is said, whether the user gave it or not.
    std::puts("Przekroje stalowe (A_net = A · A_net/A, domyślnie 1,0: bez osłabienia otworami)\n");
    std::vector<std::vector<std::string>> przekroje = {
        {"Przekrój", "Profil", "Gatunek", "Klasa", "f_y [MPa]", "A_net/A", "Krzywe / uwagi"}};
    for (std::size_t n = 0; n < w.przekroje.size(); ++n) {
        const PrzekrojDoSprawdzenia& s = w.przekroje[n];
        std::string krzywe = s.krzywa_w + " / " + s.krzywa_z;
        if (!s.krzywa_v.empty()) krzywe += " / " + s.krzywa_v;
        przekroje.push_back(
            {std::to_string(n + 1), s.nazwa, s.gatunek, s.klasa > 0 ? std::to_string(s.klasa) : "—",
             s.f_y > 0 ? liczba(s.f_y, "%.0f") : "—",
             liczba(s.wsp_A_net, "%.3g") + (s.wsp_A_net == 1.0 ? " (domyślny)" : ""),
             s.powod.empty() ? krzywe : s.powod});
    }
    tabela(przekroje);
    std::puts("");
    const char* sila = jednostka(u, Wielkosc::sila);
    std::vector<std::vector<std::string>> t = {
        {"Pręt", "Profil", std::string("N_Ed min [") + sila + "]",
         std::string("N_Ed max [") + sila + "]", std::string("N_Rd [") + sila + "]", "χ", "U",
         "Kombinacja", "Sprawdzenie / uwagi"}};
    for (std::size_t b = 0; b < w.prety.size(); ++b) {
        const WymiarowaniePreta& r = w.prety[b];
        const bool jest = r.kombinacja >= 0;
        std::string uwagi = jest ? r.sprawdzenie : "";
        if (r.stan != StanSprawdzenia::spelnia)
            uwagi += (uwagi.empty() ? "" : "; ") + std::string(stan_tekst(r)) +
                     (r.powod.empty() ? "" : ": " + r.powod);
        t.push_back({std::to_string(b + 1), profil(r.przekroj), liczba(r.N_min, "%.4g"),
                     liczba(r.N_max, "%.4g"), jest ? liczba(r.N_Rd, "%.4g") : "—",
                     std::isfinite(r.chi) ? liczba(r.chi, "%.3f") : "—",
                     jest ? liczba(r.U, "%.3f") : "—",
                     jest ? "K" + std::to_string(r.kombinacja + 1) : "—", uwagi});
    }
    tabela(t);
    const char* dl = jednostka(u, Wielkosc::dlugosc);
    if (g.sprawdzono)
        std::printf(
            "\nNajwiększe przemieszczenie SGU: %s %s w węźle %d (K%d), graniczne %s %s: %s\n",
            liczba(g.u, "%.4g").c_str(), dl, g.wezel, g.kombinacja + 1,
            liczba(g.u_dop, "%.4g").c_str(), dl, g.spelnia() ? "spełnia" : "NIE SPEŁNIA");
    else
        std::printf("\nPrzemieszczenie SGU nie sprawdzone: %s\n", g.powod.c_str());
}
