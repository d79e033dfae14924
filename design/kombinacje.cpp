// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/kombinacje.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <set>

Psi psi_z_tablicy(Kategoria k) {
    // PN-EN 1990 Table A1.1, recommended values of psi_0, psi_1, psi_2 for buildings.
    switch (k) {
        case Kategoria::A:  // imposed, domestic and residential areas
        case Kategoria::B:  // imposed, office areas
            return {0.7, 0.5, 0.3};
        case Kategoria::C:  // imposed, congregation areas
        case Kategoria::D:  // imposed, shopping areas
            return {0.7, 0.7, 0.6};
        case Kategoria::E:  // imposed, storage areas
            return {1.0, 0.9, 0.8};
        case Kategoria::F:  // traffic area, vehicle weight <= 30 kN
            return {0.7, 0.7, 0.6};
        case Kategoria::G:  // traffic area, 30 kN < vehicle weight <= 160 kN
            return {0.7, 0.5, 0.3};
        case Kategoria::H:  // roofs
            return {0.0, 0.0, 0.0};
        case Kategoria::snieg_powyzej_1000:  // snow, sites at altitude H > 1000 m a.s.l.
            return {0.7, 0.5, 0.2};
        case Kategoria::snieg_do_1000:  // snow, sites at altitude H <= 1000 m a.s.l.
            return {0.5, 0.2, 0.0};
        case Kategoria::wiatr:  // wind loads on buildings
            return {0.6, 0.2, 0.0};
        case Kategoria::temperatura:  // temperature (non-fire) in buildings
            return {0.6, 0.5, 0.0};
    }
    return {};
}

namespace {
constexpr const char* klucze_kategorii[liczba_kategorii] = {
    "A", "B", "C", "D", "E", "F", "G", "H", "snieg_powyzej_1000", "snieg_do_1000", "wiatr",
    "temperatura"};
}  // namespace

const char* klucz_kategorii(Kategoria k) {
    const int i = static_cast<int>(k);
    return i >= 0 && i < liczba_kategorii ? klucze_kategorii[i] : "";
}

bool kategoria_z_klucza(std::string_view klucz, Kategoria& k) {
    for (int i = 0; i < liczba_kategorii; ++i)
        if (klucz == klucze_kategorii[i]) {
            k = static_cast<Kategoria>(i);
            return true;
        }
    return false;
}

const char* nazwa_kategorii(Kategoria k) {
    switch (k) {
        case Kategoria::A:
            return "A: powierzchnie mieszkalne";
        case Kategoria::B:
            return "B: powierzchnie biurowe";
        case Kategoria::C:
            return "C: miejsca zebrań";
        case Kategoria::D:
            return "D: powierzchnie handlowe";
        case Kategoria::E:
            return "E: powierzchnie magazynowe";
        case Kategoria::F:
            return "F: ruch pojazdów do 30 kN";
        case Kategoria::G:
            return "G: ruch pojazdów od 30 do 160 kN";
        case Kategoria::H:
            return "H: dachy";
        case Kategoria::snieg_powyzej_1000:
            return "Śnieg (powyżej 1000 m n.p.m.)";
        case Kategoria::snieg_do_1000:
            return "Śnieg (do 1000 m n.p.m.)";
        case Kategoria::wiatr:
            return "Wiatr";
        case Kategoria::temperatura:
            return "Temperatura";
    }
    return "";
}

namespace {

// A factor as the Polish text shows it: at most six significant digits, decimal comma.
std::string liczba(double v) {
    char b[32];
    const auto r = std::to_chars(b, b + sizeof b, v, std::chars_format::general, 6);
    std::string s(b, r.ptr);
    std::replace(s.begin(), s.end(), '.', ',');
    return s;
}

}  // namespace

std::string opis_kombinacji(const std::vector<double>& wsp,
                            const std::vector<OpisPrzypadku>& przypadki) {
    std::string s;
    for (std::size_t j = 0; j < wsp.size(); ++j) {
        const double w = wsp[j];
        if (w == 0) continue;
        if (s.empty())
            s += w < 0 ? "−" : "";
        else
            s += w < 0 ? " − " : " + ";
        if (std::fabs(w) != 1) s += liczba(std::fabs(w)) + "·";
        s += j < przypadki.size() ? przypadki[j].nazwa : "P" + std::to_string(j + 1);
    }
    return s.empty() ? "0" : s;
}

Kombinacja kombinacja_reczna(std::string nazwa, std::vector<double> wsp,
                             const std::vector<OpisPrzypadku>& przypadki) {
    Kombinacja k{std::move(nazwa), RodzajKombinacji::reczna, std::move(wsp), {}};
    k.opis = opis_kombinacji(k.wsp, przypadki);
    return k;
}

double wartosc_kombinacji(const Kombinacja& k, std::span<const double> wartosci_przypadkow) {
    double s = 0;
    const std::size_t n = std::min(k.wsp.size(), wartosci_przypadkow.size());
    for (std::size_t j = 0; j < n; ++j) s += k.wsp[j] * wartosci_przypadkow[j];
    return s;
}

namespace {

// One choice for a permanent case or an exclusive group: the factor of a case, or nothing
// acting (przypadek -1).
struct Opcja {
    double wsp;
    int przypadek;
};
using Gniazdo = std::vector<Opcja>;

// Fills one kind's list: every choice of every slot, once each, numbered in order.
class Generator {
  public:
    Generator(std::size_t przypadki, RodzajKombinacji rodzaj, const char* przedrostek,
              const std::vector<OpisPrzypadku>& opisy, std::vector<Kombinacja>& lista)
        : n_(przypadki), rodzaj_(rodzaj), przedrostek_(przedrostek), opisy_(opisy), lista_(lista) {}

    void dodaj(const std::vector<Gniazdo>& gniazda, const std::string& etykieta) {
        std::vector<std::size_t> nr(gniazda.size(), 0);
        std::vector<double> w(n_);
        for (;;) {
            if (przycieto_) return;
            std::fill(w.begin(), w.end(), 0.0);
            for (std::size_t g = 0; g < gniazda.size(); ++g)
                if (const Opcja& o = gniazda[g][nr[g]]; o.przypadek >= 0) w[o.przypadek] = o.wsp;
            przyjmij(w, etykieta);
            // The next choice, the last slot turning fastest.
            std::size_t g = gniazda.size();
            while (g > 0 && ++nr[g - 1] == gniazda[g - 1].size()) nr[--g] = 0;
            if (g == 0) return;
        }
    }
    bool przycieto() const { return przycieto_; }

  private:
    void przyjmij(const std::vector<double>& w, const std::string& etykieta) {
        // Duplicates are few per kept vector (one per leading case at most); the cap on the
        // vectors tried bounds the time of any input.
        if (++proby_ > 64 * limit_kombinacji) {
            przycieto_ = true;
            return;
        }
        if (std::all_of(w.begin(), w.end(), [](double v) { return v == 0; })) return;
        if (byly_.count(w)) return;
        if (ile_ == limit_kombinacji) {
            przycieto_ = true;
            return;
        }
        byly_.insert(w);
        ++ile_;
        std::string nazwa = przedrostek_ + (" " + std::to_string(ile_));
        if (!etykieta.empty()) nazwa += " (" + etykieta + ")";
        lista_.push_back({std::move(nazwa), rodzaj_, w, opis_kombinacji(w, opisy_)});
    }

    std::size_t n_;
    RodzajKombinacji rodzaj_;
    const char* przedrostek_;
    const std::vector<OpisPrzypadku>& opisy_;
    std::vector<Kombinacja>& lista_;
    std::set<std::vector<double>> byly_;
    std::size_t ile_ = 0, proby_ = 0;
    bool przycieto_ = false;
};

std::string blad_danych(const std::vector<OpisPrzypadku>& przypadki,
                        const WspolczynnikiKombinacji& w) {
    auto zly = [](double v) { return !std::isfinite(v) || v < 0; };
    if (zly(w.gamma_G_sup) || zly(w.gamma_G_inf) || zly(w.gamma_Q) || zly(w.xi))
        return "Współczynniki częściowe γ i ξ muszą być liczbami nieujemnymi.";
    auto zle_psi = [](double v) { return !(v >= 0 && v <= 1); };
    for (const OpisPrzypadku& p : przypadki)
        if (p.rodzaj == RodzajPrzypadku::zmienne &&
            (zle_psi(p.psi.psi0) || zle_psi(p.psi.psi1) || zle_psi(p.psi.psi2)))
            return "Współczynniki ψ przypadku „" + p.nazwa +
                   "” muszą leżeć w przedziale od 0 do 1.";
    return {};
}

}  // namespace

std::vector<Kombinacja> generuj_kombinacje(const std::vector<OpisPrzypadku>& przypadki,
                                           const WspolczynnikiKombinacji& w,
                                           std::string* ostrzezenie) {
    std::vector<Kombinacja> lista;
    if (ostrzezenie) ostrzezenie->clear();
    if (std::string b = blad_danych(przypadki, w); !b.empty()) {
        if (ostrzezenie) *ostrzezenie = std::move(b);
        return lista;
    }

    // Permanent cases one by one; variable cases by exclusive group, in order of appearance,
    // a case without a group being a group of its own.
    std::vector<int> stale, zmienne;
    std::vector<std::vector<int>> grupy;
    for (std::size_t j = 0; j < przypadki.size(); ++j) {
        const OpisPrzypadku& p = przypadki[j];
        const int i = static_cast<int>(j);
        if (p.rodzaj == RodzajPrzypadku::stale) {
            stale.push_back(i);
            continue;
        }
        zmienne.push_back(i);
        auto g = std::find_if(grupy.begin(), grupy.end(), [&](const std::vector<int>& gr) {
            return !p.grupa.empty() && przypadki[gr.front()].grupa == p.grupa;
        });
        if (g == grupy.end())
            grupy.push_back({i});
        else
            g->push_back(i);
    }

    // Each permanent case with either of two factors.
    auto gniazda_stalych = [&](double niekorzystny, double korzystny) {
        std::vector<Gniazdo> g;
        for (int j : stale) {
            g.push_back({{niekorzystny, j}});
            if (korzystny != niekorzystny) g.back().push_back({korzystny, j});
        }
        return g;
    };
    // Every group absent or one of its cases at its factor; the leading case alone in its group.
    auto z_grupami = [&](std::vector<Gniazdo> g, auto wsp_towarzyszacy, int wiodacy,
                         double wsp_wiodacy) {
        for (const std::vector<int>& gr : grupy) {
            if (std::find(gr.begin(), gr.end(), wiodacy) != gr.end()) {
                g.push_back({{wsp_wiodacy, wiodacy}});
                continue;
            }
            g.push_back({{0.0, -1}});
            for (int j : gr)
                if (const double f = wsp_towarzyszacy(przypadki[j].psi); f != 0)
                    g.back().push_back({f, j});
        }
        return g;
    };
    auto wiodace = [&](int j) { return "wiodące: " + przypadki[j].nazwa; };
    const std::size_t n = przypadki.size();
    std::string przyciete;
    auto zapisz = [&](const Generator& g, const char* nazwa) {
        if (!g.przycieto()) return;
        przyciete += (przyciete.empty() ? "" : ", ") + std::string(nazwa);
    };
    auto psi0 = [](const Psi& p) { return p.psi0; };
    auto psi2 = [](const Psi& p) { return p.psi2; };
    auto nic = [](const Psi&) { return 0.0; };

    {  // ULS, 6.4.3.2 and Table A1.2(B)
        Generator g(n, RodzajKombinacji::sgn, "SGN", przypadki, lista);
        auto gamma_psi0 = [&](const Psi& p) { return w.gamma_Q * p.psi0; };
        if (!w.rownania_610ab) {
            const auto G = gniazda_stalych(w.gamma_G_sup, w.gamma_G_inf);
            g.dodaj(z_grupami(G, nic, -1, 0), "6.10");
            for (int j : zmienne)
                g.dodaj(z_grupami(G, gamma_psi0, j, w.gamma_Q), "6.10, " + wiodace(j));
        } else {
            g.dodaj(z_grupami(gniazda_stalych(w.gamma_G_sup, w.gamma_G_inf), gamma_psi0, -1, 0),
                    "6.10a");
            const auto G = gniazda_stalych(w.xi * w.gamma_G_sup, w.gamma_G_inf);
            for (int j : zmienne)
                g.dodaj(z_grupami(G, gamma_psi0, j, w.gamma_Q), "6.10b, " + wiodace(j));
        }
        zapisz(g, "SGN");
    }
    const auto G = gniazda_stalych(1.0, 1.0);
    {  // characteristic, (6.14b)
        Generator g(n, RodzajKombinacji::sgu_charakterystyczna, "SGU ch", przypadki, lista);
        g.dodaj(z_grupami(G, nic, -1, 0), "tylko stałe");
        for (int j : zmienne) g.dodaj(z_grupami(G, psi0, j, 1.0), wiodace(j));
        zapisz(g, "SGU charakterystycznych");
    }
    {  // frequent, (6.15b)
        Generator g(n, RodzajKombinacji::sgu_czesta, "SGU cz", przypadki, lista);
        g.dodaj(z_grupami(G, nic, -1, 0), "tylko stałe");
        for (int j : zmienne) g.dodaj(z_grupami(G, psi2, j, przypadki[j].psi.psi1), wiodace(j));
        zapisz(g, "SGU częstych");
    }
    {  // quasi-permanent, (6.16b)
        Generator g(n, RodzajKombinacji::sgu_quasi_stala, "SGU qp", przypadki, lista);
        g.dodaj(z_grupami(G, psi2, -1, 0), "");
        zapisz(g, "SGU quasi-stałych");
    }
    if (!przyciete.empty() && ostrzezenie)
        *ostrzezenie = "Kombinacji " + przyciete + " jest więcej niż " +
                       std::to_string(limit_kombinacji) + "; utworzono tylko pierwsze " +
                       std::to_string(limit_kombinacji) +
                       ". Połącz wykluczające się przypadki w grupy albo zmniejsz ich liczbę.";
    return lista;
}

namespace {

struct Skladnik {
    std::size_t przypadek;
    double w;
};
struct Wybrana {
    int indeks;
    std::vector<Skladnik> skladniki;
};

// The combinations of the chosen kinds with their nonzero factors of existing cases.
std::vector<Wybrana> wybrane(const std::vector<Kombinacja>& kombinacje, unsigned rodzaje,
                             std::size_t przypadki) {
    std::vector<Wybrana> w;
    for (std::size_t i = 0; i < kombinacje.size(); ++i) {
        const Kombinacja& k = kombinacje[i];
        if (!(rodzaje & maska(k.rodzaj))) continue;
        w.push_back({static_cast<int>(i), {}});
        for (std::size_t j = 0; j < std::min(k.wsp.size(), przypadki); ++j)
            if (k.wsp[j] != 0) w.back().skladniki.push_back({j, k.wsp[j]});
    }
    return w;
}

// Entries are taken in blocks whose rows of every case, copied side by side and padded with
// zeros, stay in cache; within a block, eight entries at a time pass through every combination
// with their sums and extremes held in registers.
constexpr std::size_t blok = 256, pas = 8;

// Copies the block od..od+len of every case's row into kopia[p * blok + i], zeros beyond len.
void kopiuj(std::span<const double> wyniki, std::size_t n, std::size_t przypadki, std::size_t od,
            std::size_t len, std::vector<double>& kopia) {
    kopia.assign(przypadki * blok, 0.0);
    for (std::size_t p = 0; p < przypadki; ++p)
        std::copy_n(wyniki.data() + p * n + od, len, kopia.data() + p * blok);
}

// v[j] = the combination's value at entry i0 + j of the copied block.
inline void zloz(const Wybrana& k, const double* kopia, std::size_t i0, double (&v)[pas]) {
#pragma GCC unroll 8
    for (double& x : v) x = 0;
    for (const Skladnik& s : k.skladniki) {
        const double* r = kopia + s.przypadek * blok + i0;
        const double w = s.w;
#pragma GCC unroll 8
        for (std::size_t j = 0; j < pas; ++j) v[j] += w * r[j];
    }
}

}  // namespace

Obwiednia obwiednia(std::span<const double> wyniki, std::size_t n,
                    const std::vector<Kombinacja>& kombinacje, unsigned rodzaje) {
    Obwiednia o;
    o.min.assign(n, 0.0);
    o.max.assign(n, 0.0);
    o.k_min.assign(n, -1);
    o.k_max.assign(n, -1);
    const std::size_t przypadki = n ? wyniki.size() / n : 0;
    const std::vector<Wybrana> wyb = wybrane(kombinacje, rodzaje, przypadki);
    if (wyb.empty()) return o;
    std::vector<double> kopia;
    for (std::size_t od = 0; od < n; od += blok) {
        const std::size_t len = std::min(blok, n - od);
        kopiuj(wyniki, n, przypadki, od, len, kopia);
        for (std::size_t i0 = 0; i0 < len; i0 += pas) {
            // The indices are held as doubles so that the selects go with the values.
            double mn[pas], mx[pas], v[pas], kmn[pas], kmx[pas];
            zloz(wyb.front(), kopia.data(), i0, v);
            for (std::size_t j = 0; j < pas; ++j) {
                mn[j] = mx[j] = v[j];
                kmn[j] = kmx[j] = wyb.front().indeks;
            }
            for (std::size_t c = 1; c < wyb.size(); ++c) {
                zloz(wyb[c], kopia.data(), i0, v);
                const double k = wyb[c].indeks;
#pragma GCC unroll 8
                for (std::size_t j = 0; j < pas; ++j) {
                    kmn[j] = v[j] < mn[j] ? k : kmn[j];
                    mn[j] = v[j] < mn[j] ? v[j] : mn[j];
                    kmx[j] = v[j] > mx[j] ? k : kmx[j];
                    mx[j] = v[j] > mx[j] ? v[j] : mx[j];
                }
            }
            for (std::size_t j = 0; j < pas && i0 + j < len; ++j) {
                const std::size_t i = od + i0 + j;
                o.min[i] = mn[j], o.max[i] = mx[j];
                o.k_min[i] = static_cast<int>(kmn[j]), o.k_max[i] = static_cast<int>(kmx[j]);
            }
        }
    }
    return o;
}

ObwiedniaPrzemieszczen obwiednia_przemieszczen(std::span<const double> ux,
                                               std::span<const double> uy, std::size_t n,
                                               const std::vector<Kombinacja>& kombinacje,
                                               unsigned rodzaje) {
    ObwiedniaPrzemieszczen o;
    o.u_max.assign(n, 0.0);
    o.k.assign(n, -1);
    const std::size_t przypadki = n ? std::min(ux.size(), uy.size()) / n : 0;
    const std::vector<Wybrana> wyb = wybrane(kombinacje, rodzaje, przypadki);
    if (wyb.empty()) return o;
    std::vector<double> kx, ky;
    for (std::size_t od = 0; od < n; od += blok) {
        const std::size_t len = std::min(blok, n - od);
        kopiuj(ux, n, przypadki, od, len, kx);
        kopiuj(uy, n, przypadki, od, len, ky);
        for (std::size_t i0 = 0; i0 < len; i0 += pas) {
            double u2[pas], x[pas], y[pas], km[pas];  // squared magnitudes until the end
            for (std::size_t j = 0; j < pas; ++j) u2[j] = -1, km[j] = -1;
            for (const Wybrana& c : wyb) {
                zloz(c, kx.data(), i0, x);
                zloz(c, ky.data(), i0, y);
                const double k = c.indeks;
#pragma GCC unroll 8
                for (std::size_t j = 0; j < pas; ++j) {
                    const double v = x[j] * x[j] + y[j] * y[j];
                    km[j] = v > u2[j] ? k : km[j];
                    u2[j] = v > u2[j] ? v : u2[j];
                }
            }
            for (std::size_t j = 0; j < pas && i0 + j < len; ++j) {
                o.u_max[od + i0 + j] = km[j] < 0 ? 0.0 : std::sqrt(u2[j]);
                o.k[od + i0 + j] = static_cast<int>(km[j]);
            }
        }
    }
    return o;
}
