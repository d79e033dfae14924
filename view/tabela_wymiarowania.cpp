// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/tabela_wymiarowania.h"

#include <cmath>
#include <cstdio>

std::string liczba_wymiarowania(double v) {
    if (!std::isfinite(v)) return "—";
    char t[32];
    std::snprintf(t, sizeof t, "%.5g", v);
    return t;
}

namespace {
std::string trzy_miejsca(double v) {
    if (!std::isfinite(v)) return "—";
    char t[32];
    std::snprintf(t, sizeof t, "%.3f", v);
    return t;
}
}  // namespace

std::string nazwa_kombinacji(const std::vector<Kombinacja>& k, int i) {
    return i >= 0 && i < static_cast<int>(k.size()) ? k[static_cast<std::size_t>(i)].nazwa : "—";
}

std::string stan_preta(const WymiarowaniePreta& p) {
    switch (p.stan) {
        case StanSprawdzenia::spelnia:
            return "spełnia";
        case StanSprawdzenia::nie_spelnia:
            return "NIE SPEŁNIA";
        case StanSprawdzenia::nie_sprawdzono:
            return "nie sprawdzono: " + p.powod;
    }
    return "";
}

std::vector<SekcjaTabeli> sekcje_wymiarowania(std::shared_ptr<const DaneTabeliWymiarowania> d) {
    const UkladJednostek u = d->jednostki;
    const DaneWymiarowania& dw = d->dane;
    const WynikWymiarowania& w = *d->wynik;
    std::vector<SekcjaTabeli> s;

    char tytul[200];
    std::snprintf(tytul, sizeof tytul,
                  "Przekroje stalowe (E = %g MPa; A_net = A · A_net/A, domyślnie 1,0: bez "
                  "osłabienia otworami)",
                  dw.E);
    s.push_back({tytul,
                 {"Przekrój", "Profil", "Gatunek", z_jednostka("A", Wielkosc::pole, u), "Klasa",
                  "f_y [MPa]", "f_u [MPa]", "A_net/A", "Krzywe (w pł. / z pł. / v)"},
                 static_cast<int>(w.przekroje.size()),
                 [d](int i) {
                     const PrzekrojDoSprawdzenia& p =
                         d->wynik->przekroje[static_cast<std::size_t>(i)];
                     const Przelicznik pu = przelicznik(d->jednostki);
                     std::string krzywe = p.krzywa_w + " / " + p.krzywa_z;
                     if (!p.krzywa_v.empty()) krzywe += " / " + p.krzywa_v;
                     if (!p.powod.empty()) krzywe = p.powod;
                     const bool domyslny = p.wsp_A_net == 1.0;
                     return std::vector<std::string>{
                         std::to_string(i + 1),
                         p.nazwa,
                         p.gatunek,
                         p.A > 0 ? liczba_wymiarowania(p.A / pu.mm2()) : "—",
                         p.klasa > 0 ? std::to_string(p.klasa) : "—",
                         p.f_y > 0 ? liczba_wymiarowania(p.f_y) : "—",
                         p.f_u > 0 ? liczba_wymiarowania(p.f_u) : "—",
                         liczba_wymiarowania(p.wsp_A_net) + (domyslny ? " (domyślny)" : ""),
                         krzywe};
                 }});

    std::snprintf(tytul, sizeof tytul,
                  "Sprawdzenie prętów, PN-EN 1993-1-1 (γM0 = %g, γM1 = %g, γM2 = %g): %d spełnia, "
                  "%d nie spełnia, %d nie sprawdzono",
                  dw.gamma_M0, dw.gamma_M1, dw.gamma_M2, w.spelnia, w.nie_spelnia,
                  w.nie_sprawdzono);
    s.push_back(
        {tytul,
         {"Pręt", "Przekrój", "Profil", z_jednostka("N_Ed min", Wielkosc::sila, u),
          z_jednostka("N_Ed max", Wielkosc::sila, u), z_jednostka("N_Rd", Wielkosc::sila, u), "χ",
          "U", "Kombinacja", "Sprawdzenie", "Stan"},
         static_cast<int>(w.prety.size()),
         [d](int i) {
             const WymiarowaniePreta& p = d->wynik->prety[static_cast<std::size_t>(i)];
             const auto& prz = d->wynik->przekroje;
             const int n = p.przekroj;
             const std::string profil = n >= 1 && n <= static_cast<int>(prz.size())
                                            ? prz[static_cast<std::size_t>(n - 1)].nazwa
                                            : "—";
             const bool jest = p.kombinacja >= 0;
             return std::vector<std::string>{std::to_string(i + 1),
                                             n > 0 ? std::to_string(n) : "—",
                                             profil,
                                             liczba_wymiarowania(p.N_min),
                                             liczba_wymiarowania(p.N_max),
                                             jest ? liczba_wymiarowania(p.N_Rd) : "—",
                                             trzy_miejsca(p.chi),
                                             jest ? trzy_miejsca(p.U) : "—",
                                             nazwa_kombinacji(d->kombinacje, p.kombinacja),
                                             jest ? p.sprawdzenie : "—",
                                             stan_preta(p)};
         }});

    const SprawdzenieUgiecia& g = w.ugiecie;
    const std::string granica =
        dw.ugiecie_dlugosc ? "podana długość" : "rozpiętość / " + liczba_wymiarowania(dw.ugiecie);
    s.push_back(
        {"Największe przemieszczenie SGU (kombinacje charakterystyczne), granica: " + granica,
         {z_jednostka("u max", Wielkosc::dlugosc, u),
          z_jednostka("u graniczne", Wielkosc::dlugosc, u), "Węzeł", "Kombinacja", "Stan"},
         1,
         [d](int) {
             const SprawdzenieUgiecia& g = d->wynik->ugiecie;
             if (!g.sprawdzono)
                 return std::vector<std::string>{"—", liczba_wymiarowania(g.u_dop), "—", "—",
                                                 "nie sprawdzono: " + g.powod};
             return std::vector<std::string>{liczba_wymiarowania(g.u), liczba_wymiarowania(g.u_dop),
                                             std::to_string(g.wezel),
                                             nazwa_kombinacji(d->kombinacje, g.kombinacja),
                                             g.spelnia() ? "spełnia" : "NIE SPEŁNIA"};
         }});
    (void)g;
    return s;
}
