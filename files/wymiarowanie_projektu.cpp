// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/wymiarowanie_projektu.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/analiza.h"
#include "design/klasa.h"
#include "design/krzywe.h"
#include "design/stal.h"
#include "files/wyniki_projektu.h"

namespace w = wymiarowanie;

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

std::optional<w::Krzywa> krzywa_z_nazwy(const std::string& n) {
    for (w::Krzywa k : {w::Krzywa::a0, w::Krzywa::a, w::Krzywa::b, w::Krzywa::c, w::Krzywa::d})
        if (n == w::nazwa(k)) return k;
    return std::nullopt;
}

// Bar b's length in the model's units; NaN where the store does not reach its nodes.
double dlugosc(const Konstrukcja& k, int b) {
    const int a = k.noc[b][1], c = k.noc[b][2];
    if (a < 1 || a > k.nn || c < 1 || c > k.nn) return NaN;
    return std::hypot(static_cast<double>(k.x[c][1]) - k.x[a][1],
                      static_cast<double>(k.x[c][2]) - k.x[a][2]);
}

// Whether every case's results are there for the store as it is.
bool sa_wyniki(const Konstrukcja& k, const Projekt& p) {
    if (k.wyniki.size() != p.przypadki.size()) return false;
    for (const WynikPrzypadku& r : k.wyniki)
        if (r.stressp.size() != static_cast<std::size_t>(std::max(k.ne, 0)) ||
            r.f.size() != static_cast<std::size_t>(std::max(k.nq, 0)))
            return false;
    return true;
}

// The combinations the checks take: ULS and the user's own, which are made for design.
std::vector<int> kombinacje_sgn(const std::vector<Kombinacja>& k) {
    std::vector<int> i;
    for (std::size_t j = 0; j < k.size(); ++j)
        if (do_obwiedni_sil(k[j].rodzaj)) i.push_back(static_cast<int>(j));
    return i;
}

// Bar b's N_Ed [N] in each combination of `sgn` into N (indexed as the project's list; the
// others stay NaN): each case's stress times the model's area, summed with the factors.
void sily_preta(const Konstrukcja& k, const std::vector<Kombinacja>& kombinacje,
                const std::vector<int>& sgn, int b, double na_N, std::vector<double>& N) {
    const int n = k.noc[b][4];
    const double A = n >= 1 && n <= k.na ? k.area[n] : NaN;
    for (int j : sgn) {
        const std::vector<double>& wsp = kombinacje[static_cast<std::size_t>(j)].wsp;
        double s = 0;
        for (std::size_t c = 0; c < wsp.size() && c < k.wyniki.size(); ++c)
            if (wsp[c] != 0) s += wsp[c] * k.wyniki[c].stressp[static_cast<std::size_t>(b - 1)];
        N[static_cast<std::size_t>(j)] = s * A * na_N;
    }
}

// The summary of a bar's checks, in the model's units.
WymiarowaniePreta podsumuj(const WynikPreta& r, const std::vector<double>& N, double na_N) {
    WymiarowaniePreta p;
    p.stan = r.stan;
    p.powod = r.powod;
    bool jest = false;
    for (double n : N)
        if (std::isfinite(n)) {
            p.N_min = jest ? std::min(p.N_min, n / na_N) : n / na_N;
            p.N_max = jest ? std::max(p.N_max, n / na_N) : n / na_N;
            jest = true;
        }
    if (r.decyduje >= 0) {
        const Sprawdzenie& s = r.sprawdzenia[static_cast<std::size_t>(r.decyduje)];
        p.N_Rd = s.N_Rd / na_N;
        p.U = s.U;
        p.kombinacja = s.kombinacja;
        p.sprawdzenie = s.nazwa;
    }
    if (r.jest_sciskanie && r.wyboczenie.decyduje >= 0)
        p.chi = r.wyboczenie.osie[static_cast<std::size_t>(r.wyboczenie.decyduje)].chi;
    return p;
}

}  // namespace

std::string brak_jednostek_wymiarowania(UkladJednostek u) {
    if (przelicznik(u).jest()) return {};
    return "Wymiarowanie wymaga jednostek, w których podano model: wybierz układ jednostek "
           "(Widok → Jednostki).";
}

std::optional<w::Profil> profil_przekroju(const PrzekrojStalowy& s) {
    const auto r = w::rodzina_z_klucza(s.rodzina);
    if (!r) return std::nullopt;
    return w::znajdz_profil(*r, s.profil);
}

float pole_profilu(const w::Profil& p, Przelicznik u) {
    return static_cast<float>(p.wl.A / u.mm2());
}

bool ma_przekroje_stalowe(const DaneWymiarowania& d) {
    return std::any_of(d.przekroje.begin(), d.przekroje.end(), [](const PrzekrojStalowy& s) {
        return powiazany(s) || s.i_min > 0 || !s.krzywa.empty();
    });
}

PrzekrojDoSprawdzenia przekroj_z_profilu(const w::Profil& p, const PrzekrojStalowy& s) {
    PrzekrojDoSprawdzenia r;
    r.nazwa = p.nazwa;
    r.gatunek = s.gatunek;
    r.profil = true;
    r.ksztalt = p.ksztalt;
    r.A = p.wl.A;
    r.masa = p.wl.masa;
    r.wsp_A_net = s.wsp_A_net;
    const auto g = w::gatunek(s.gatunek);
    if (!g) {
        r.powod = "nieznany gatunek stali „" + s.gatunek + "”";
        return r;
    }
    // Table 3.1 by the product standard and the largest nominal thickness.
    const w::Wytrzymalosc f = w::wytrzymalosc(*g, p);
    if (!f.okreslona) {
        r.powod = "Tablica 3.1 nie podaje f_y dla grubości profilu " + p.nazwa;
        return r;
    }
    r.f_y = f.f_y, r.f_u = f.f_u;
    r.klasa = w::klasa_przekroju_sciskanego(p, f.f_y).klasa;
    // The web, or the legs h of angles, stand in the truss's plane: in-plane buckling bends the
    // section about y-y, out-of-plane about z-z.
    r.i_w = w::i_y(p), r.i_z = w::i_z(p);
    const w::KrzywaWyboczenia kw = w::krzywa_wyboczenia(p, w::Os::y, *g);
    const w::KrzywaWyboczenia kz = w::krzywa_wyboczenia(p, w::Os::z, *g);
    r.alfa_w = kw.alfa, r.alfa_z = kz.alfa;
    r.krzywa_w = w::nazwa(kw.krzywa), r.krzywa_z = w::nazwa(kz.krzywa);
    if (p.ksztalt == w::Ksztalt::katownik) {
        const w::KrzywaWyboczenia kv = w::krzywa_wyboczenia(p, w::Os::v, *g);
        r.i_v = w::i_v(p);
        r.alfa_v = kv.alfa;
        r.krzywa_v = w::nazwa(kv.krzywa);
    }
    return r;
}

PrzekrojDoSprawdzenia przekroj_do_sprawdzenia(const Konstrukcja& k, const DaneWymiarowania& d,
                                              int n, Przelicznik u) {
    const PrzekrojStalowy& s = przekroj_stalowy(d, n);
    if (powiazany(s)) {
        if (const auto p = profil_przekroju(s)) return przekroj_z_profilu(*p, s);
        PrzekrojDoSprawdzenia r;
        r.nazwa = s.profil;
        r.powod = "nieznany profil „" + s.profil + "”";
        return r;
    }
    PrzekrojDoSprawdzenia r;
    r.nazwa = "bez profilu";
    r.gatunek = s.gatunek;
    r.wsp_A_net = s.wsp_A_net;
    const auto krzywa = krzywa_z_nazwy(s.krzywa);
    if (!(s.i_min > 0) || !krzywa) {
        r.powod = "przekrój " + std::to_string(n) +
                  " bez profilu: brak promienia bezwładności i krzywej wyboczeniowej";
        return r;
    }
    const auto g = w::gatunek(s.gatunek);
    if (!g) {
        r.powod = "nieznany gatunek stali „" + s.gatunek + "”";
        return r;
    }
    // Without a profile there is no thickness: the strengths of the thinnest range (t <= 40 mm)
    // of hot-rolled steel, Table 3.1.
    const w::Wytrzymalosc f = w::wytrzymalosc(*g, w::Wyrob::walcowany, 40.0);
    r.A = n >= 1 && n <= k.na ? k.area[n] * u.mm2() : 0.0;
    r.f_y = f.f_y, r.f_u = f.f_u;
    r.klasa = s.klasa_4 ? 4 : 3;
    r.i_w = r.i_z = s.i_min * u.mm;
    r.alfa_w = r.alfa_z = w::alfa(*krzywa);  // Table 6.1
    r.krzywa_w = r.krzywa_z = s.krzywa;
    return r;
}

DanePreta dane_preta(const Konstrukcja& k, const DaneWymiarowania& d,
                     const PrzekrojDoSprawdzenia& s, int b, Przelicznik u) {
    const PretStalowy& p = pret_stalowy(d, b);
    const double L = dlugosc(k, b) * u.mm;
    DanePreta r;
    r.A = s.A;
    r.wsp_A_net = s.wsp_A_net;
    r.klasa = s.klasa;
    r.f_y = s.f_y, r.f_u = s.f_u;
    r.E = d.E;
    r.gamma_M0 = d.gamma_M0, r.gamma_M1 = d.gamma_M1, r.gamma_M2 = d.gamma_M2;
    const double L_w = p.L_w_dlugosc ? p.L_w * u.mm : p.L_w * L;
    const double L_z = p.L_z_dlugosc ? p.L_z * u.mm : p.L_z * L;
    r.osie.reserve(3);
    r.osie.push_back({Os::w_plaszczyznie, L_w, s.i_w, s.alfa_w});
    r.osie.push_back({Os::z_plaszczyzny, L_z, s.i_z, s.alfa_z});
    // A single angle bends about v-v between points held both in and out of the plane: the
    // shorter of the two lengths.
    if (s.i_v > 0) r.osie.push_back({Os::v, std::min(L_w, L_z), s.i_v, s.alfa_v});
    if (s.katownik())
        r.katownik = p.polaczenie == 1   ? PolaczenieKatownika::bb_1_2
                     : p.polaczenie == 2 ? PolaczenieKatownika::jedna_sruba
                                         : PolaczenieKatownika::nie_dotyczy;
    return r;
}

WynikWymiarowania wymiaruj(const Konstrukcja& k, const Projekt& p, UkladJednostek uk,
                           const std::vector<Kombinacja>& kombinacje) {
    WynikWymiarowania w;
    const Przelicznik u = przelicznik(uk);
    w.blad = brak_jednostek_wymiarowania(uk);
    if (!w.blad.empty()) return w;
    if (!sa_wyniki(k, p)) {
        w.blad = "Brak wyników obliczeń wszystkich przypadków (Obliczenia → Oblicz).";
        return w;
    }
    const DaneWymiarowania& d = p.wymiarowanie;
    for (int n = 1; n <= k.na; ++n) w.przekroje.push_back(przekroj_do_sprawdzenia(k, d, n, u));
    const std::vector<int> sgn = kombinacje_sgn(kombinacje);
    std::vector<double> N(kombinacje.size(), NaN);
    w.prety.resize(static_cast<std::size_t>(std::max(k.ne, 0)));
    for (int b = 1; b <= k.ne; ++b) {
        WymiarowaniePreta& wp = w.prety[static_cast<std::size_t>(b - 1)];
        const int n = k.noc[b][4];
        if (n < 1 || n > k.na) {
            wp.powod = "zły numer przekroju";
            ++w.nie_sprawdzono;
            continue;
        }
        sily_preta(k, kombinacje, sgn, b, u.N, N);
        const PrzekrojDoSprawdzenia& s = w.przekroje[static_cast<std::size_t>(n - 1)];
        if (!s.powod.empty()) {
            WynikPreta r;
            r.powod = s.powod;
            wp = podsumuj(r, N, u.N);
        } else {
            wp = podsumuj(sprawdz_pret(dane_preta(k, d, s, b, u), N), N, u.N);
        }
        wp.przekroj = n;
        switch (wp.stan) {
            case StanSprawdzenia::spelnia:
                ++w.spelnia;
                break;
            case StanSprawdzenia::nie_spelnia:
                ++w.nie_spelnia;
                break;
            case StanSprawdzenia::nie_sprawdzono:
                ++w.nie_sprawdzono;
                break;
        }
        if (wp.kombinacja >= 0 && (w.najwieksze == 0 || wp.U > w.U_max))
            w.najwieksze = b, w.U_max = wp.U;
    }

    // SLS: the largest displacement |u| over the characteristic combinations (A1.4.1), against
    // the span over n or a length.
    SprawdzenieUgiecia& g = w.ugiecie;
    float x_min = 0, x_max = 0;
    for (int n = 1; n <= k.nn; ++n) {
        x_min = n == 1 ? k.x[n][1] : std::min(x_min, k.x[n][1]);
        x_max = n == 1 ? k.x[n][1] : std::max(x_max, k.x[n][1]);
    }
    g.u_dop = d.ugiecie_dlugosc ? d.ugiecie : (static_cast<double>(x_max) - x_min) / d.ugiecie;
    for (std::size_t j = 0; j < kombinacje.size(); ++j) {
        if (kombinacje[j].rodzaj != RodzajKombinacji::sgu_charakterystyczna) continue;
        const std::vector<double>& wsp = kombinacje[j].wsp;
        for (int n = 1; n <= k.nn; ++n) {
            double ux = 0, uy = 0;
            for (std::size_t c = 0; c < wsp.size() && c < k.wyniki.size(); ++c) {
                ux += wsp[c] * k.wyniki[c].f[static_cast<std::size_t>(2 * n - 2)];
                uy += wsp[c] * k.wyniki[c].f[static_cast<std::size_t>(2 * n - 1)];
            }
            const double m = std::hypot(ux, uy);
            if (!g.sprawdzono || m > g.u) {
                g.sprawdzono = true;
                g.u = m, g.wezel = n, g.kombinacja = static_cast<int>(j);
            }
        }
    }
    if (!g.sprawdzono) g.powod = "brak kombinacji SGU charakterystycznych";
    return w;
}

WynikPreta sprawdz_pret_projektu(const Konstrukcja& k, const Projekt& p, UkladJednostek uk,
                                 const std::vector<Kombinacja>& kombinacje, int b) {
    WynikPreta r;
    const Przelicznik u = przelicznik(uk);
    if (!u.jest() || !sa_wyniki(k, p) || b < 1 || b > k.ne || k.noc[b][4] < 1 ||
        k.noc[b][4] > k.na) {
        r.powod = "brak danych";
        return r;
    }
    const PrzekrojDoSprawdzenia s = przekroj_do_sprawdzenia(k, p.wymiarowanie, k.noc[b][4], u);
    if (!s.powod.empty()) {
        r.powod = s.powod;
        return r;
    }
    std::vector<double> N(kombinacje.size(), NaN);
    sily_preta(k, kombinacje, kombinacje_sgn(kombinacje), b, u.N, N);
    return sprawdz_pret(dane_preta(k, p.wymiarowanie, s, b, u), N);
}

double masa_stali(const Konstrukcja& k, Przelicznik u) {
    double v = 0;  // m³
    for (int b = 1; b <= k.ne; ++b) {
        const int n = k.noc[b][4];
        const double L = dlugosc(k, b);
        if (n < 1 || n > k.na || !std::isfinite(L)) continue;
        v += k.area[n] * u.mm2() * 1e-6 * L * u.mm * 1e-3;
    }
    return v * w::gestosc_stali;
}

bool pola_z_profili(Konstrukcja& k, const DaneWymiarowania& d, UkladJednostek uk) {
    const Przelicznik u = przelicznik(uk);
    if (!u.jest()) return false;
    bool zmiana = false;
    for (int n = 1; n <= k.na; ++n) {
        const PrzekrojStalowy& s = przekroj_stalowy(d, n);
        if (!powiazany(s)) continue;
        if (const auto p = profil_przekroju(s)) {
            const float a = pole_profilu(*p, u);
            if (k.area[n] != a) k.area[n] = a, zmiana = true;
        }
    }
    return zmiana;
}

namespace {

std::string opis_przekroju(const Konstrukcja& k, const PrzekrojStalowy& s, int n) {
    if (powiazany(s)) return s.profil;
    char t[48];
    std::snprintf(t, sizeof t, "A = %g", static_cast<double>(k.area[n]));
    return t;
}

}  // namespace

WynikDoboru dobierz_przekroje(Model& m, Projekt& p, UkladJednostek uk,
                              const std::vector<std::string>& rodziny, int najwiecej_rund) {
    WynikDoboru r;
    const Przelicznik u = przelicznik(uk);
    r.blad = brak_jednostek_wymiarowania(uk);
    if (!r.blad.empty()) return r;
    uzgodnij(m, p);
    DaneWymiarowania& d = p.wymiarowanie;
    rozwin_wymiarowanie(d, m.na, m.ne);
    r.masa_przed = masa_stali(m, u);
    std::vector<std::string> przed(static_cast<std::size_t>(m.na) + 1);
    for (int n = 1; n <= m.na; ++n)
        przed[static_cast<std::size_t>(n)] = opis_przekroju(m, d.przekroje[n - 1], n);
    // The bars of each section.
    std::vector<std::vector<int>> grupy(static_cast<std::size_t>(m.na) + 1);
    for (int b = 1; b <= m.ne; ++b)
        if (m.noc[b][4] >= 1 && m.noc[b][4] <= m.na)
            grupy[static_cast<std::size_t>(m.noc[b][4])].push_back(b);

    auto analizuj = [&] {
        const ZadaniePrzypadkow z = zadanie_projektu(m, p);
        const WynikObliczen o = obliczenia(m, Rozwiazanie::samo, &z);
        if (o.sukces()) return true;
        for (const std::string& t : komunikaty_obliczen(o))
            r.blad += (r.blad.empty() ? "" : "\n") + t;
        return false;
    };
    std::vector<bool> bez_profilu(static_cast<std::size_t>(m.na) + 1, false);
    for (int runda = 1; runda <= najwiecej_rund; ++runda) {
        if (!analizuj()) return r;
        r.rundy = runda;
        const std::vector<Kombinacja> kombinacje = kombinacje_projektu(p);
        const std::vector<int> sgn = kombinacje_sgn(kombinacje);
        bool zmiana = false;
        for (int n = 1; n <= m.na; ++n) {
            const std::size_t i = static_cast<std::size_t>(n);
            if (i - 1 >= rodziny.size() || rodziny[i - 1].empty() || grupy[i].empty()) continue;
            const auto rodzina = w::rodzina_z_klucza(rodziny[i - 1]);
            if (!rodzina) continue;
            PrzekrojStalowy& s = d.przekroje[i - 1];
            // The forces of this round, which the candidates do not change.
            std::vector<std::vector<double>> N;
            for (int b : grupy[i]) {
                N.emplace_back(kombinacje.size(), NaN);
                sily_preta(m, kombinacje, sgn, b, u.N, N.back());
            }
            const std::vector<w::Profil>& kandydaci = w::profile(*rodzina);
            std::optional<w::Profil> wybrany;
            std::size_t pierwszy = 0;  // the bar that failed the last candidate is tried first
            for (w::Profil c : kandydaci) {
                if (*rodzina == w::Rodzina::dwa_katowniki) c = w::dwa_katowniki(c, s.szczelina);
                const PrzekrojDoSprawdzenia sd = przekroj_z_profilu(c, s);
                if (!sd.powod.empty()) continue;
                bool dobry = true;
                for (std::size_t j = 0; j < grupy[i].size() && dobry; ++j) {
                    const std::size_t k = (j + pierwszy) % grupy[i].size();
                    const WynikPreta wynik =
                        sprawdz_pret(dane_preta(m, d, sd, grupy[i][k], u), N[k]);
                    if (wynik.stan != StanSprawdzenia::spelnia) dobry = false, pierwszy = k;
                }
                if (dobry) {
                    wybrany = c;
                    break;
                }
            }
            bez_profilu[i] = !wybrany;
            if (!wybrany) {
                // Nothing of the family will do: its heaviest, which comes nearest.
                if (kandydaci.empty()) continue;
                wybrany = kandydaci.back();
                if (*rodzina == w::Rodzina::dwa_katowniki)
                    wybrany = w::dwa_katowniki(*wybrany, s.szczelina);
            }
            if (s.rodzina != rodziny[i - 1] || s.profil != wybrany->nazwa) {
                s.rodzina = rodziny[i - 1];
                s.profil = wybrany->nazwa;
                m.area[n] = pole_profilu(*wybrany, u);
                zmiana = true;
            }
        }
        if (!zmiana) {
            r.ustalony = true;
            break;
        }
    }
    // After the last round's change the truss is analysed once more, so that the results shown
    // are those of the sections chosen.
    if (!r.ustalony && !analizuj()) return r;
    r.masa_po = masa_stali(m, u);
    for (int n = 1; n <= m.na; ++n) {
        const std::size_t i = static_cast<std::size_t>(n);
        const std::string po = opis_przekroju(m, d.przekroje[i - 1], n);
        if (po != przed[i]) r.zmiany.push_back({n, przed[i], po});
        if (bez_profilu[i])
            r.uwagi.push_back("Przekrój " + std::to_string(n) + ": żaden profil rodziny „" +
                              w::opis(*w::rodzina_z_klucza(rodziny[i - 1])).nazwa +
                              "” nie spełnia warunków; przyjęto największy (" + po + ").");
    }
    return r;
}
