// SPDX-License-Identifier: GPL-3.0-or-later
// Truss templates: the geometry of each type, and the command that builds one from its dialog.
#include "editing/szablon_kratownicy.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "editing/edycja.h"
#include "editing/liczby.h"
#include "okno/okno.h"

namespace {

// Member groups, each with its own cross-section.
enum Grupa { pas = 1, slupek = 2, krzyzulec = 3 };

// A truss as it is laid out: nodes in the order they are numbered, bars, and which nodes are the
// supports and the panel points of each chord.
struct Szkic {
    std::vector<std::array<double, 2>> wezly;
    std::vector<std::array<int, 3>> prety;  // node, node, group
    std::vector<int> przeguby, przesuwne;   // held in X and Y; held in Y only
    std::vector<int> gorny, dolny;          // panel points of the top and the bottom chord

    int wezel(double x, double y) {
        wezly.push_back({x, y});
        return static_cast<int>(wezly.size());
    }
    void pret(int a, int b, Grupa g) { prety.push_back({a, b, g}); }
    // The bottom chord's end nodes: a pin on the left, a pin or a roller on the right.
    void oparcie(int lewy, int prawy, bool dwa_przeguby) {
        przeguby.push_back(lewy);
        (dwa_przeguby ? przeguby : przesuwne).push_back(prawy);
    }
};

double x_punktu(const ParametryKratownicy& p, int i) {
    return p.l * i / p.n;
}

// Parallel chords with a vertical at every panel point. Pratt's diagonals fall towards midspan,
// so gravity stretches them; Howe's rise towards it and are pressed.
void pratt_howe(Szkic& s, const ParametryKratownicy& p) {
    std::vector<int> d(p.n + 1), g(p.n + 1);
    for (int i = 0; i <= p.n; ++i) {
        d[i] = s.wezel(x_punktu(p, i), 0.0), g[i] = s.wezel(x_punktu(p, i), p.h);
        s.dolny.push_back(d[i]), s.gorny.push_back(g[i]);
    }
    s.pret(d[0], g[0], slupek);
    for (int i = 0; i < p.n; ++i) {
        s.pret(d[i], d[i + 1], pas);
        s.pret(g[i], g[i + 1], pas);
        s.pret(d[i + 1], g[i + 1], slupek);
        const bool lewa_polowa = 2 * i + 1 <= p.n;
        if (lewa_polowa == (p.typ == TypKratownicy::pratt))
            s.pret(g[i], d[i + 1], krzyzulec);
        else
            s.pret(d[i], g[i + 1], krzyzulec);
    }
    s.oparcie(d[0], d[p.n], p.dwa_przeguby);
}

// Triangles only: the top chord's panel points lie above the middles of the bottom chord's.
void warren(Szkic& s, const ParametryKratownicy& p) {
    int d = s.wezel(0.0, 0.0), g = 0;
    s.dolny.push_back(d);
    for (int i = 0; i < p.n; ++i) {
        const int g_nowy = s.wezel((x_punktu(p, i) + x_punktu(p, i + 1)) / 2, p.h);
        const int d_nowy = s.wezel(x_punktu(p, i + 1), 0.0);
        s.gorny.push_back(g_nowy), s.dolny.push_back(d_nowy);
        s.pret(d, d_nowy, pas);
        if (g) s.pret(g, g_nowy, pas);
        s.pret(d, g_nowy, krzyzulec);
        s.pret(g_nowy, d_nowy, krzyzulec);
        d = d_nowy, g = g_nowy;
    }
    s.oparcie(s.dolny.front(), s.dolny.back(), p.dwa_przeguby);
}

// Warren's triangles, ends sloping up from the supports, with a vertical at every inner panel
// point; the diagonals turn at every panel point, so the web is symmetric for an even count.
void warren_slupki(Szkic& s, const ParametryKratownicy& p) {
    std::vector<int> d(p.n + 1), g(p.n + 1);
    for (int i = 0; i <= p.n; ++i) {
        d[i] = s.wezel(x_punktu(p, i), 0.0);
        s.dolny.push_back(d[i]);
        if (i == 0 || i == p.n) continue;
        g[i] = s.wezel(x_punktu(p, i), p.h);
        s.gorny.push_back(g[i]);
    }
    for (int i = 0; i < p.n; ++i) {
        s.pret(d[i], d[i + 1], pas);
        if (i > 0) s.pret(d[i], g[i], slupek);
        if (i > 0 && i + 1 < p.n) s.pret(g[i], g[i + 1], pas);
        if (i % 2 == 0)
            s.pret(d[i], g[i + 1], krzyzulec);
        else
            s.pret(g[i], d[i + 1], krzyzulec);
    }
    s.oparcie(d[0], d[p.n], p.dwa_przeguby);
}

// Parallel chords; every vertical but the middle one is halved by a node, from which the two
// arms of the panel's K reach the next vertical towards midspan.
void typ_k(Szkic& s, const ParametryKratownicy& p) {
    const int c = p.n / 2;
    std::vector<int> d(p.n + 1), m(p.n + 1), g(p.n + 1);
    for (int i = 0; i <= p.n; ++i) {
        d[i] = s.wezel(x_punktu(p, i), 0.0);
        if (i != c) m[i] = s.wezel(x_punktu(p, i), p.h / 2);
        g[i] = s.wezel(x_punktu(p, i), p.h);
        s.dolny.push_back(d[i]), s.gorny.push_back(g[i]);
    }
    for (int i = 0; i <= p.n; ++i) {
        if (i == c) {
            s.pret(d[i], g[i], slupek);
        } else {
            s.pret(d[i], m[i], slupek);
            s.pret(m[i], g[i], slupek);
        }
        if (i == p.n) break;
        s.pret(d[i], d[i + 1], pas);
        s.pret(g[i], g[i + 1], pas);
        const int zewn = i < c ? i : i + 1, wewn = i < c ? i + 1 : i;
        s.pret(m[zewn], g[wewn], krzyzulec);
        s.pret(m[zewn], d[wewn], krzyzulec);
    }
    s.oparcie(d[0], d[p.n], p.dwa_przeguby);
}

// A triangular roof with a W web: each rafter is cut into n/2 equal panels, and the web zigzags
// between the rafter's panel points and bottom-chord nodes halfway between them, ending at the
// ridge; the bottom chord's middle panel spans across midspan.
void fink(Szkic& s, const ParametryKratownicy& p) {
    const int k = p.n / 2 - 1;  // inner panel points of each rafter
    const double u = p.l / p.n;
    std::vector<int> krokiew(k + 1), dol(k + 1), krokiew_p(k + 1), dol_p(k + 1);
    const int lewa = s.wezel(0.0, 0.0);
    for (int i = 1; i <= k; ++i) {
        krokiew[i] = s.wezel(i * u, p.h * i / (k + 1));
        dol[i] = s.wezel((i + 0.5) * u, 0.0);
    }
    const int kalenica = s.wezel(p.l / 2, p.h);
    for (int i = k; i >= 1; --i) {
        dol_p[i] = s.wezel(p.l - (i + 0.5) * u, 0.0);
        krokiew_p[i] = s.wezel(p.l - i * u, p.h * i / (k + 1));
    }
    const int prawa = s.wezel(p.l, 0.0);
    // The chords from the left end to the right one, the web of each half.
    std::vector<int> gora{lewa}, dolny{lewa};
    for (int i = 1; i <= k; ++i) gora.push_back(krokiew[i]), dolny.push_back(dol[i]);
    gora.push_back(kalenica);
    for (int i = k; i >= 1; --i) gora.push_back(krokiew_p[i]), dolny.push_back(dol_p[i]);
    gora.push_back(prawa), dolny.push_back(prawa);
    for (std::size_t i = 0; i + 1 < gora.size(); ++i) s.pret(gora[i], gora[i + 1], pas);
    for (std::size_t i = 0; i + 1 < dolny.size(); ++i) s.pret(dolny[i], dolny[i + 1], pas);
    for (const auto& [kr, dl] : {std::pair{&krokiew, &dol}, std::pair{&krokiew_p, &dol_p}})
        for (int i = 1; i <= k; ++i) {
            s.pret((*kr)[i], (*dl)[i], krzyzulec);
            s.pret((*dl)[i], i < k ? (*kr)[i + 1] : kalenica, krzyzulec);
        }
    s.gorny = gora, s.dolny = dolny;
    s.oparcie(lewa, prawa, p.dwa_przeguby);
}

// Parallel chords out from a wall on the left, both wall nodes pinned; verticals at the other
// panel points and diagonals falling away from the wall, so a downward load stretches them.
void wspornik(Szkic& s, const ParametryKratownicy& p) {
    std::vector<int> d(p.n + 1), g(p.n + 1);
    for (int i = 0; i <= p.n; ++i) {
        d[i] = s.wezel(x_punktu(p, i), 0.0), g[i] = s.wezel(x_punktu(p, i), p.h);
        s.dolny.push_back(d[i]), s.gorny.push_back(g[i]);
    }
    for (int i = 0; i < p.n; ++i) {
        s.pret(d[i], d[i + 1], pas);
        s.pret(g[i], g[i + 1], pas);
        s.pret(g[i], d[i + 1], krzyzulec);
        s.pret(d[i + 1], g[i + 1], slupek);
    }
    s.przeguby = {d[0], g[0]};
}

}  // namespace

bool mozliwe_przedzialy(TypKratownicy t, int n) {
    const bool parzyste =
        t == TypKratownicy::warren_slupki || t == TypKratownicy::k || t == TypKratownicy::fink;
    return n >= 1 && (!parzyste || n % 2 == 0);
}

Konstrukcja kratownica(const ParametryKratownicy& p) {
    Szkic s;
    switch (p.typ) {
        case TypKratownicy::pratt:
        case TypKratownicy::howe:
            pratt_howe(s, p);
            break;
        case TypKratownicy::warren:
            warren(s, p);
            break;
        case TypKratownicy::warren_slupki:
            warren_slupki(s, p);
            break;
        case TypKratownicy::k:
            typ_k(s, p);
            break;
        case TypKratownicy::fink:
            fink(s, p);
            break;
        case TypKratownicy::wspornik:
            wspornik(s, p);
            break;
    }
    // Every panel point of the loaded chord carries the force, but a supported node would only
    // hand it straight to its support.
    std::vector<int> obciazone;
    if (p.sila != 0.0f)
        for (int w : p.pas_gorny ? s.gorny : s.dolny)
            if (std::count(s.przeguby.begin(), s.przeguby.end(), w) +
                    std::count(s.przesuwne.begin(), s.przesuwne.end(), w) ==
                0)
                obciazone.push_back(w);

    Konstrukcja k;
    k.nn = static_cast<int>(s.wezly.size());
    k.ne = static_cast<int>(s.prety.size());
    k.nd = static_cast<int>(2 * s.przeguby.size() + s.przesuwne.size());
    k.nl = static_cast<int>(obciazone.size());
    k.nm = 1, k.na = 3, k.ntel = 0;
    k.nq = 2 * k.nn;
    k.x = macierz(1, k.nn, 1, 2);
    k.f = wektor(1, k.nq);
    for (int i = 1; i <= k.nn; ++i)
        k.x[i][1] = static_cast<float>(s.wezly[i - 1][0]),
        k.x[i][2] = static_cast<float>(s.wezly[i - 1][1]);
    k.noc = imacierz(1, k.ne, 1, 4);
    k.stressp = wektor(1, k.ne);
    for (int e = 1; e <= k.ne; ++e) {
        const auto& [a, b, g] = s.prety[e - 1];
        k.noc[e][1] = a, k.noc[e][2] = b, k.noc[e][3] = 1, k.noc[e][4] = g;
    }
    k.pm = macierz(1, 1, 1, 2);
    k.pm[1][1] = p.e, k.pm[1][2] = p.alfa;
    k.area = wektor(1, 3);
    for (int i = 1; i <= 3; ++i) k.area[i] = p.pola[i - 1];
    k.nu = iwektor(1, k.nd), k.u = wektor(1, k.nd), k.react = wektor(1, k.nd);
    int j = 0;
    for (int w : s.przeguby) k.nu[++j] = 2 * w - 1, k.nu[++j] = 2 * w;
    for (int w : s.przesuwne) k.nu[++j] = 2 * w;
    if (k.nl > 0) k.ild = iwektor(1, k.nl), k.al = wektor(1, k.nl);
    for (int i = 1; i <= k.nl; ++i) k.ild[i] = 2 * obciazone[i - 1], k.al[i] = -p.sila;
    return k;
}

namespace {

// The dialog's first showing: a steel bridge in kN and m.
void domyslne(d_szablon& r) {
    r.typ = 0;
    wpisz(r.l, "12");
    wpisz(r.h, "2");
    wpisz(r.n, "6");
    wpisz(r.e, "210000000");
    wpisz(r.alp, "0.000012");
    wpisz(r.a_pas, "0.004");
    wpisz(r.a_slup, "0.002");
    wpisz(r.a_krz, "0.002");
    r.podpory = 0;
    wpisz(r.p, "10");
    r.pas = 0;
}

// Reads the dialog's answer; every field that fails shows its own message, in the dialog's order.
bool odczytaj(_OKNO_& o, const d_szablon& r, ParametryKratownicy& p) {
    Kontrola k(o);
    // A positive real, or with `zero` one that is not negative.
    const auto rzeczywista = [&](const char* tekst, float& v, const char* nazwa, bool zero,
                                 const char* zla) {
        const bool liczba = liczba_rzeczywista(tekst, v);
        k(!liczba, (std::string(nazwa) + " nie jest liczbą").c_str());
        k(liczba && (zero ? v < 0.0f : v <= 0.0f), (std::string(nazwa) + " " + zla).c_str());
    };
    const int typ = std::clamp<int>(r.typ, 0, static_cast<int>(TypKratownicy::wspornik));
    p.typ = static_cast<TypKratownicy>(typ);
    float l = 0.0f, h = 0.0f;
    rzeczywista(r.l, l, "Rozpiętość", false, "musi być większa od zera");
    rzeczywista(r.h, h, "Wysokość", false, "musi być większa od zera");
    const bool calkowita = liczba_calkowita(r.n, p.n);
    k(!calkowita, "Liczba przedziałów nie jest liczbą");
    k(calkowita && p.n < 1, "Liczba przedziałów musi być większa od zera");
    k(calkowita && p.n >= 1 && !mozliwe_przedzialy(p.typ, p.n),
      ("Kratownica " + pozycje_listy(typy_kratownic)[typ] + " wymaga parzystej liczby przedziałów")
          .c_str());
    rzeczywista(r.e, p.e, "Moduł Younga", false, "musi być większy od zera");
    rzeczywista(r.alp, p.alfa, "Wsp. rozszerzalności cieplnej", true, "nie może być ujemny");
    rzeczywista(r.a_pas, p.pola[0], "Pole przekroju pasów", false, "musi być większe od zera");
    rzeczywista(r.a_slup, p.pola[1], "Pole przekroju słupków", false, "musi być większe od zera");
    rzeczywista(r.a_krz, p.pola[2], "Pole przekroju krzyżulców", false, "musi być większe od zera");
    k(!liczba_rzeczywista(r.p, p.sila), "Siła w węźle nie jest liczbą");
    p.l = l, p.h = h;
    p.dwa_przeguby = r.podpory == 1;
    p.pas_gorny = r.pas != 1;
    return k.dobrze();
}

}  // namespace

void _OKNO_::Cm_szablon() {
    // The open model is given up as New gives it up, but only for a truss that was built.
    if (model.Pusty == 0 &&
        (ma_zmiany() ? !pozwol_porzucic()
                     : port.MessageBox("Utworzyć nowy projekt ?", "Velkora 2D", Ikona::pytajnik,
                                       Przyciski::tak_nie) != IDYES))
        return;
    // The entries of the last truss built are offered again; a refused entry comes back as typed.
    d_szablon r = daneszablon;
    if (r.l[0] == '\0') domyslne(r);
    ParametryKratownicy p;
    do {
        if (port.Dialog(3200, &r, cyfry()) != 1) return;
    } while (!odczytaj(*this, r, p));
    Konstrukcja nowa = kratownica(p);
    Zwol_pam();
    przejmij_konstrukcje(model, std::move(nowa));
    model.nbw = 0;
    model.obliczono = 0;
    model.Pusty = 0;
    daneszablon = r;
    plik_projektu.clear();
    nowy_projekt();
    ustaw_caption("Velkora 2D - Beznazwy.V2D");
    port.Odswiez();
}
