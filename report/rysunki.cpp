// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/rysunki.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>

#include "report/liczby.h"
#include "view/etykiety.h"
#include "view/kreski.h"
#include "view/odwzorowanie.h"
#include "view/piksel.h"
#include "view/symbole.h"

namespace {

constexpr int wysokosc_tekstu = 12;  // the view's font's cell: 8.5 pt on paper
constexpr Kolor niebieski{0, 0, 255};
constexpr Kolor czerwony{255, 0, 0};
constexpr Kolor zielony{0, 140, 0};
constexpr Kolor fioletowy{150, 0, 190};
constexpr Kolor pomaranczowy{230, 120, 0};
constexpr Kolor jasny{180, 180, 180};
constexpr Kolor szary_zera{120, 120, 120};

// The room each drawing leaves about the nodes for its symbols, labels and legends.
Marginesy marginesy(RodzajRysunku r) {
    switch (r) {
        case RodzajRysunku::model:
            // The span's dimension below the supports, the height's right of the truss.
            return {30, 110, 25, 62};
        case RodzajRysunku::obciazenia:
            return {85, 85, 50, 45};
        case RodzajRysunku::sily:
            return {30, 30, 40, 30};
        case RodzajRysunku::reakcje:
            return {100, 100, 25, 80};
        case RodzajRysunku::przemieszczenia:
            return {30, 30, 30, 30};
    }
    return {};
}

struct Zasiegi {
    float ax = 0, mx = 0, aa = 0, ma = 0;
    bool jest = false;
};
Zasiegi zasiegi(const Konstrukcja& k, const std::vector<float>* f, float czynnik) {
    Zasiegi z;
    if (!(k.x && k.nn > 0)) return z;
    auto obejmij = [&z](float X, float Y) {
        if (!std::isfinite(X) || !std::isfinite(Y)) return;
        if (!z.jest) {
            z = {X, X, Y, Y, true};
            return;
        }
        z.ax = std::min(z.ax, X), z.mx = std::max(z.mx, X);
        z.aa = std::min(z.aa, Y), z.ma = std::max(z.ma, Y);
    };
    for (int n = 1; n <= k.nn; ++n) {
        obejmij(k.x[n][1], k.x[n][2]);
        if (f && f->size() >= 2 * static_cast<std::size_t>(n))
            obejmij(k.x[n][1] + czynnik * (*f)[2 * n - 2], k.x[n][2] + czynnik * (*f)[2 * n - 1]);
    }
    return z;
}

// Common to every drawing: the mapping, the bars, the nodes, the supports and the labels.
class Szkic {
  public:
    Szkic(Powierzchnia& dc, int w, int h, const Konstrukcja& k, RodzajRysunku r,
          const std::vector<float>* f = nullptr, float czynnik = 0)
        : dc_(dc), k_(k), w_(w), h_(h), kreski_(dc), etykiety_(w, h) {
        dc.zachowaj();
        dc.pioro(bialy, 1, StylPiora::ciagle);
        dc.pedzel(bialy);
        dc.prostokat(0, 0, w, h);
        dc.czcionka("Arial", wysokosc_tekstu, 400);
        dc.tlo_tekstu(bialy);
        const Zasiegi z = zasiegi(k, f, czynnik);
        jest_ = z.jest;
        if (!jest_) return;
        o_ = kadr_proporcjonalny(z.ax, z.mx, z.aa, z.ma, static_cast<float>(w),
                                 static_cast<float>(h), marginesy(r));
        p_.resize(2 * static_cast<std::size_t>(k.nn) + 2);
        for (int n = 1; n <= k.nn; ++n) {
            float X = k.x[n][1], Y = k.x[n][2];
            if (f && f->size() >= 2 * static_cast<std::size_t>(n))
                X += czynnik * (*f)[2 * n - 2], Y += czynnik * (*f)[2 * n - 1];
            p_[2 * static_cast<std::size_t>(n)] = o_.ekran_x(X);
            p_[2 * static_cast<std::size_t>(n) + 1] = o_.ekran_y(Y);
        }
    }
    ~Szkic() {
        kreski_.wyslij();
        dc_.przywroc();
    }
    bool jest() const { return jest_; }
    const Odwzorowanie& odwzorowanie() const { return o_; }
    float x(int n) const { return p_[2 * static_cast<std::size_t>(n)]; }
    float y(int n) const { return p_[2 * static_cast<std::size_t>(n) + 1]; }
    // The bar's ends, when both are nodes of the model.
    bool konce(int b, int& A, int& B) const {
        if (!(k_.noc && b >= 1 && b <= k_.ne)) return false;
        A = k_.noc[b][1], B = k_.noc[b][2];
        return A >= 1 && A <= k_.nn && B >= 1 && B <= k_.nn;
    }
    Kreski& kreski() { return kreski_; }
    RozmieszczenieEtykiet& etykiety() { return etykiety_; }
    Powierzchnia& dc() { return dc_; }

    template <class KolorPreta>
    void prety(KolorPreta kolor, int grubosc) {
        for (int b = 1; b <= k_.ne; ++b) {
            int A = 0, B = 0;
            if (!konce(b, A, B)) continue;
            kreski_.pioro(kolor(b), grubosc, StylPiora::ciagle);
            kreski_.odcinek(x(A), y(A), x(B), y(B));
        }
        kreski_.wyslij();
        linie();
    }
    void wezly(Kolor k) {
        kreski_.pioro(k, 1, StylPiora::ciagle);
        kreski_.wyslij();
        dc_.pedzel(bialy);
        for (int n = 1; n <= k_.nn; ++n)
            dc_.elipsa(piksel(x(n) - 2), piksel(y(n) - 2), piksel(x(n) + 3), piksel(y(n) + 3));
        kreski_.zapomnij_pioro();
    }
    // Which DOFs of each node are held: 1 X, 2 Y.
    std::vector<unsigned char> wiezy() const {
        std::vector<unsigned char> w(static_cast<std::size_t>(k_.nn) + 1, 0);
        for (int i = 1; i <= k_.nd; ++i) {
            const int d = k_.nu[i], n = (d + 1) / 2;
            if (d >= 1 && n <= k_.nn) w[static_cast<std::size_t>(n)] |= d % 2 == 1 ? 1 : 2;
        }
        return w;
    }
    void podpory() {
        const std::vector<unsigned char> w = wiezy();
        kreski_.pioro(czarny, 1, StylPiora::ciagle);
        for (int n = 1; n <= k_.nn; ++n)
            if (const unsigned char s = w[static_cast<std::size_t>(n)]; s != 0)
                etykiety_.przeszkoda(podpora(kreski_, x(n), y(n), s & 1, s & 2));
        kreski_.wyslij();
    }
    void strzalka(const Strzalka& s, Kolor k) {
        kreski_.pioro(k, 2, StylPiora::ciagle);
        rysuj(kreski_, s);
        kreski_.wyslij();
        etykiety_.przeszkoda(pudelko(s, 2));
    }
    // The bars' lines, for the labels to keep clear of: each bar's own label may touch only its
    // bar, the labels of nodes and loads none.
    void linie() {
        for (int b = 1; b <= k_.ne; ++b) {
            int A = 0, B = 0;
            if (konce(b, A, B)) etykiety_.linia(x(A), y(A), x(B), y(B), b);
        }
    }
    // A label at the first free place of m clear of the lines of bars other than `wlasciciel`
    // (0: of every bar), or where none is free so, at the first place clear of other labels and
    // symbols alone; left out when there is none.
    bool napis(const std::string& t, Kolor k, const Miejsce* m, std::size_t ile,
               int wlasciciel = 0) {
        const int tw = dc_.szerokosc_tekstu(t);
        auto p = etykiety_.umiesc(tw, wysokosc_tekstu, m, ile, wlasciciel);
        if (!p && wlasciciel == 0) p = etykiety_.umiesc(tw, wysokosc_tekstu, m, ile, -1);
        if (!p) return false;
        napisy_.push_back({*p, t, k});
        return true;
    }
    void numery_wezlow() {
        Miejsce m[najwiecej_miejsc];
        for (int n = 1; n <= k_.nn; ++n) {
            const std::string t = std::to_string(n);
            const std::size_t ile =
                miejsca_wezla(x(n), y(n), dc_.szerokosc_tekstu(t), wysokosc_tekstu, m);
            napis(t, niebieski, m, ile);
        }
    }
    // Each bar's label beside it, kept clear of the other bars' lines; none on bars shorter than
    // their label.
    template <class Tekst, class KolorTekstu>
    void etykiety_pretow(Tekst tekst, KolorTekstu kolor) {
        struct Kandydat {
            int b, tw;
            std::string t;
        };
        std::vector<Kandydat> kandydaci;
        for (int b = 1; b <= k_.ne; ++b) {
            int A = 0, B = 0;
            if (!konce(b, A, B)) continue;
            std::string t = tekst(b);
            if (t.empty()) continue;
            const float dx = x(B) - x(A), dy = y(B) - y(A);
            // At least some 5 pixels a character before measuring.
            const float najmniej = 5.0f * static_cast<float>(t.size());
            if (!(dx * dx + dy * dy >= najmniej * najmniej)) continue;
            const int tw = dc_.szerokosc_tekstu(t);
            if (dx * dx + dy * dy < static_cast<float>(tw * tw)) continue;
            kandydaci.push_back({b, tw, std::move(t)});
        }
        Miejsce m[najwiecej_miejsc];
        for (const Kandydat& c : kandydaci) {
            int A = 0, B = 0;
            konce(c.b, A, B);
            const std::size_t ile = miejsca_preta(x(A), y(A), x(B), y(B), c.tw, wysokosc_tekstu, m);
            napis(c.t, kolor(c.b), m, ile, c.b);
        }
    }
    void napisz() {
        for (const Napis& n : napisy_) {
            dc_.kolor_tekstu(n.k);
            dc_.tekst(n.p.lewo, n.p.gora, n.t);
        }
        napisy_.clear();
    }

  private:
    struct Napis {
        Pudelko p;
        std::string t;
        Kolor k;
    };
    Powierzchnia& dc_;
    const Konstrukcja& k_;
    int w_, h_;
    Kreski kreski_;
    RozmieszczenieEtykiet etykiety_;
    Odwzorowanie o_;
    std::vector<float> p_;
    std::vector<Napis> napisy_;
    bool jest_ = false;
};

std::string z_jednostka_liczby(const std::string& v, const char* j) {
    return *j ? v + " " + j : v;
}

// A dimension line between a and b (pixels) along X at y, or along Y at x, with its ticks, and
// its text placed beside its middle.
void wymiar(Szkic& s, bool poziomy, float a, float b, float poprzek, const std::string& t) {
    Kreski& k = s.kreski();
    k.pioro(czarny, 1, StylPiora::ciagle);
    if (poziomy) {
        k.odcinek(a - 4, poprzek, b + 4, poprzek);
        for (float e : {a, b}) k.odcinek(e - 3, poprzek + 3, e + 3, poprzek - 3);
    } else {
        k.odcinek(poprzek, a - 4, poprzek, b + 4);
        for (float e : {a, b}) k.odcinek(poprzek - 3, e + 3, poprzek + 3, e - 3);
    }
    k.wyslij();
    s.etykiety().przeszkoda(
        poziomy ? Pudelko{piksel(a - 5), piksel(poprzek - 4), piksel(b + 6), piksel(poprzek + 5)}
                : Pudelko{piksel(poprzek - 4), piksel(a - 5), piksel(poprzek + 5), piksel(b + 6)});
    const int tw = s.dc().szerokosc_tekstu(t);
    const float srodek = (a + b) * 0.5f;
    Miejsce m[2];
    if (poziomy) {
        m[0] = {piksel(srodek - static_cast<float>(tw) / 2), piksel(poprzek + 8)};
        m[1] = {piksel(srodek - static_cast<float>(tw) / 2), piksel(poprzek - 8 - wysokosc_tekstu)};
    } else {
        m[0] = {piksel(poprzek + 8), piksel(srodek - wysokosc_tekstu / 2.0f)};
        m[1] = {piksel(poprzek - 8 - static_cast<float>(tw)),
                piksel(srodek - wysokosc_tekstu / 2.0f)};
    }
    s.napis(t, czarny, m, 2);
}

}  // namespace

int wysokosc_rysunku(const Konstrukcja& k, RodzajRysunku r, int szerokosc,
                     const std::vector<float>* f, float czynnik) {
    const Zasiegi z = zasiegi(k, f, czynnik);
    const Marginesy m = marginesy(r);
    const float w = static_cast<float>(szerokosc);
    const float rx = z.mx - z.ax, ra = z.ma - z.aa;
    float h = m.gora + m.dol + 60;
    if (z.jest && rx > 0 && std::isfinite(rx))
        h = (ra > 0 && std::isfinite(ra) ? ra * (w - m.lewo - m.prawo) / rx : 0.0f) + m.gora +
            m.dol;
    else if (z.jest && ra > 0)
        h = w * 1.5f;  // a column: taller than wide
    return static_cast<int>(std::clamp(std::ceil(h), 100.0f, 20000.0f));
}

void rysuj_model(Powierzchnia& dc, int w, int h, const Konstrukcja& k, UkladJednostek j) {
    Szkic s(dc, w, h, k, RodzajRysunku::model);
    if (!s.jest()) return;
    s.prety([](int) { return czarny; }, 2);
    s.wezly(czarny);
    s.podpory();
    // The overall dimensions: the span under everything, the height right of it.
    float l = std::numeric_limits<float>::infinity(), p = -l, g = l, d = -l;
    int nl = 1, np = 1, ng = 1, nd = 1;
    for (int n = 1; n <= k.nn; ++n) {
        if (s.x(n) < l) l = s.x(n), nl = n;
        if (s.x(n) > p) p = s.x(n), np = n;
        if (s.y(n) < g) g = s.y(n), ng = n;
        if (s.y(n) > d) d = s.y(n), nd = n;
    }
    const char* dl = jednostka(j, Wielkosc::dlugosc);
    Kreski& kr = s.kreski();
    if (p - l >= 10) {
        const float y = d + 36;
        kr.pioro(czarny, 1, StylPiora::ciagle);
        kr.odcinek(l, s.y(nl) + 24, l, y + 5);
        kr.odcinek(p, s.y(np) + 24, p, y + 5);
        wymiar(s, true, l, p, y,
               z_jednostka_liczby(liczba_raportu(k.x[np][1] - k.x[nl][1], 5), dl));
    }
    if (d - g >= 10) {
        const float x = p + 40;
        kr.pioro(czarny, 1, StylPiora::ciagle);
        kr.odcinek(s.x(ng) + 6, g, x + 5, g);
        kr.odcinek(s.x(nd) + 24, d, x + 5, d);
        wymiar(s, false, g, d, x,
               z_jednostka_liczby(liczba_raportu(k.x[ng][2] - k.x[nd][2], 5), dl));
    }
    s.numery_wezlow();
    s.etykiety_pretow([](int b) { return std::to_string(b); }, [](int) { return czarny; });
    s.napisz();
}

void rysuj_obciazenia(Powierzchnia& dc, int w, int h, const Konstrukcja& k,
                      const ObciazeniaPrzypadku& o, UkladJednostek j, const FormatLiczby& sila,
                      const FormatLiczby& przemieszczenie, const FormatLiczby& temperatura) {
    Szkic s(dc, w, h, k, RodzajRysunku::obciazenia);
    if (!s.jest()) return;
    // Bars with a temperature change in orange, the others light.
    std::vector<double> dt(static_cast<std::size_t>(k.ne) + 1, 0.0);
    std::vector<unsigned char> z_temp(static_cast<std::size_t>(k.ne) + 1, 0);
    for (std::size_t i = 0; i < o.nset.size() && i < o.temp.size(); ++i)
        if (o.nset[i] >= 1 && o.nset[i] <= k.ne) {
            dt[static_cast<std::size_t>(o.nset[i])] += o.temp[i];
            z_temp[static_cast<std::size_t>(o.nset[i])] = 1;
        }
    s.prety([&](int b) { return z_temp[static_cast<std::size_t>(b)] ? pomaranczowy : jasny; }, 2);
    s.wezly(szary_zera);
    s.podpory();
    // A DOF loaded twice carries its later entry, as the analysis takes it.
    std::vector<std::optional<float>> f(2 * static_cast<std::size_t>(k.nn) + 1);
    for (std::size_t i = 0; i < o.ild.size() && i < o.al.size(); ++i)
        if (o.ild[i] >= 1 && o.ild[i] <= 2 * k.nn) f[static_cast<std::size_t>(o.ild[i])] = o.al[i];
    struct Wartosc {
        Strzalka s;
        int wezel;
        std::string t;
    };
    std::vector<Wartosc> wartosci;
    const char* js = jednostka(j, Wielkosc::sila);
    for (int d = 1; d <= 2 * k.nn; ++d) {
        const auto& v = f[static_cast<std::size_t>(d)];
        if (!v || !(*v < 0 || *v > 0)) continue;
        const int n = (d + 1) / 2;
        const Strzalka a = strzalka_sily(s.x(n), s.y(n), d % 2 == 0, *v > 0);
        s.strzalka(a, czerwony);
        wartosci.push_back({a, n, z_jednostka_liczby(sila(std::fabs(*v)), js)});
    }
    Miejsce m[najwiecej_miejsc];
    for (const Wartosc& v : wartosci) {
        const int tw = dc.szerokosc_tekstu(v.t);
        const std::size_t ile =
            miejsca_strzalki(v.s, s.x(v.wezel), s.y(v.wezel), tw, wysokosc_tekstu, m);
        s.napis(v.t, czerwony, m, ile);
    }
    // Forced displacements by their supports.
    const char* jd = jednostka(j, Wielkosc::dlugosc);
    for (std::size_t i = 0; i < o.dof_wymuszen.size() && i < o.wymuszenia.size(); ++i) {
        const int d = o.dof_wymuszen[i], n = (d + 1) / 2;
        if (d < 1 || n > k.nn) continue;
        const std::string t = std::string(d % 2 ? "ux = " : "uy = ") +
                              z_jednostka_liczby(przemieszczenie(o.wymuszenia[i]), jd);
        const int tw = dc.szerokosc_tekstu(t);
        const float x = s.x(n), y = s.y(n);
        const Miejsce mw[] = {{piksel(x - tw / 2.0f), piksel(y + 22)},
                              {piksel(x + 22), piksel(y + 4)},
                              {piksel(x - 22 - tw), piksel(y + 4)},
                              {piksel(x - tw / 2.0f), piksel(y + 36)}};
        s.napis(t, fioletowy, mw, 4);
    }
    const char* jt = jednostka(j, Wielkosc::temperatura);
    s.numery_wezlow();
    s.etykiety_pretow(
        [&](int b) {
            return z_temp[static_cast<std::size_t>(b)]
                       ? "ΔT = " +
                             z_jednostka_liczby(temperatura(dt[static_cast<std::size_t>(b)]), jt)
                       : std::string();
        },
        [](int) { return pomaranczowy; });
    s.napisz();
}

void rysuj_sily(Powierzchnia& dc, int w, int h, const Konstrukcja& k, const std::vector<double>& N,
                const FormatLiczby& format) {
    Szkic s(dc, w, h, k, RodzajRysunku::sily);
    if (!s.jest()) return;
    // The sign as the tables print it: a force printed as 0 is neither.
    std::vector<int> znak(static_cast<std::size_t>(k.ne) + 1, 0);
    std::vector<std::string> tekst(static_cast<std::size_t>(k.ne) + 1);
    for (int b = 1; b <= k.ne && static_cast<std::size_t>(b) <= N.size(); ++b) {
        std::string t = format(N[static_cast<std::size_t>(b) - 1]);
        znak[static_cast<std::size_t>(b)] = t == "0" ? 0 : t[0] == '-' ? -1 : 1;
        if (znak[static_cast<std::size_t>(b)] > 0) t = "+" + t;
        tekst[static_cast<std::size_t>(b)] = std::move(t);
    }
    auto kolor = [&](int b) {
        const int z = znak[static_cast<std::size_t>(b)];
        return z > 0 ? kolor_rozciagania : z < 0 ? kolor_sciskania : szary_zera;
    };
    s.prety(kolor, 2);
    s.wezly(czarny);
    s.podpory();
    // The legend in the top left corner.
    Kreski& kr = s.kreski();
    const char* opisy[] = {"rozciąganie (N > 0)", "ściskanie (N < 0)"};
    const Kolor kolory[] = {kolor_rozciagania, kolor_sciskania};
    int x = 4;
    for (int i = 0; i < 2; ++i) {
        kr.pioro(kolory[i], 2, StylPiora::ciagle);
        kr.odcinek(static_cast<float>(x), 11, static_cast<float>(x + 20), 11);
        kr.wyslij();
        const int tw = dc.szerokosc_tekstu(opisy[i]);
        s.etykiety().przeszkoda({x, 9, x + 21, 14});
        const Miejsce m{x + 24, 5};
        s.napis(opisy[i], kolory[i], &m, 1);
        x += 24 + tw + 16;
    }
    s.etykiety_pretow([&](int b) { return tekst[static_cast<std::size_t>(b)]; }, kolor);
    s.napisz();
}

void rysuj_reakcje(Powierzchnia& dc, int w, int h, const Konstrukcja& k,
                   const std::vector<double>& R, const FormatLiczby& format, UkladJednostek j) {
    Szkic s(dc, w, h, k, RodzajRysunku::reakcje);
    if (!s.jest()) return;
    s.prety([](int) { return jasny; }, 2);
    s.wezly(szary_zera);
    s.podpory();
    // Entries of one DOF act together; a reaction of round-off beside the others is none.
    std::vector<double> r(2 * static_cast<std::size_t>(k.nn) + 1, 0.0);
    double najwieksza = 0;
    for (int i = 1; i <= k.nd && static_cast<std::size_t>(i) <= R.size(); ++i) {
        const int d = k.nu[i];
        if (d >= 1 && d <= 2 * k.nn)
            r[static_cast<std::size_t>(d)] += R[static_cast<std::size_t>(i) - 1];
    }
    for (double v : r) najwieksza = std::max(najwieksza, std::fabs(v));
    const std::vector<unsigned char> wz = s.wiezy();
    const char* js = jednostka(j, Wielkosc::sila);
    struct Wartosc {
        Strzalka s;
        int wezel;
        std::string t;
    };
    std::vector<Wartosc> wartosci;
    for (int d = 1; d <= 2 * k.nn; ++d) {
        const double v = r[static_cast<std::size_t>(d)];
        if (!(std::fabs(v) > szum_kolumny * najwieksza) || !std::isfinite(v)) continue;
        const int n = (d + 1) / 2;
        const Strzalka a = strzalka_reakcji(s.x(n), s.y(n), d % 2 == 0, v > 0,
                                            wz[static_cast<std::size_t>(n)] & 2);
        s.strzalka(a, zielony);
        wartosci.push_back({a, n, z_jednostka_liczby(format(std::fabs(v)), js)});
    }
    Miejsce m[najwiecej_miejsc];
    for (const Wartosc& v : wartosci) {
        const int tw = dc.szerokosc_tekstu(v.t);
        const std::size_t ile =
            miejsca_strzalki(v.s, s.x(v.wezel), s.y(v.wezel), tw, wysokosc_tekstu, m);
        s.napis(v.t, zielony, m, ile);
    }
    s.numery_wezlow();
    s.napisz();
}

float czynnik_przemieszczen(const Konstrukcja& k, const std::vector<float>& f) {
    const Zasiegi z = zasiegi(k, nullptr, 0);
    double u = 0;
    for (float v : f)
        if (std::isfinite(v)) u = std::max(u, static_cast<double>(std::fabs(v)));
    const double r = std::max(z.mx - z.ax, z.ma - z.aa);
    if (!(u > 1e-9 * r) || !(r > 0)) return 1.0f;
    const double v = 0.06 * r / u;
    const double p = std::pow(10.0, std::floor(std::log10(v)));
    double c = p;
    for (const double m : {2.0, 5.0, 10.0})
        if (m * p <= v * (1 + 1e-9)) c = m * p;
    return static_cast<float>(c);
}

void rysuj_przemieszczenia(Powierzchnia& dc, int w, int h, const Konstrukcja& k,
                           const std::vector<float>& f, float czynnik) {
    Szkic s(dc, w, h, k, RodzajRysunku::przemieszczenia, &f, czynnik);
    if (!s.jest()) return;
    // The truss as it stands, light, under its deformed shape.
    const Odwzorowanie& o = s.odwzorowanie();
    Kreski& kr = s.kreski();
    kr.pioro(jasny, 1, StylPiora::ciagle);
    for (int b = 1; b <= k.ne; ++b) {
        int A = 0, B = 0;
        if (!s.konce(b, A, B)) continue;
        kr.odcinek(o.ekran_x(k.x[A][1]), o.ekran_y(k.x[A][2]), o.ekran_x(k.x[B][1]),
                   o.ekran_y(k.x[B][2]));
    }
    kr.wyslij();
    kr.pioro(czarny, 1, StylPiora::ciagle);
    // The supports where the nodes stood.
    std::vector<unsigned char> wz(static_cast<std::size_t>(k.nn) + 1, 0);
    for (int i = 1; i <= k.nd; ++i) {
        const int d = k.nu[i], n = (d + 1) / 2;
        if (d >= 1 && n <= k.nn) wz[static_cast<std::size_t>(n)] |= d % 2 == 1 ? 1 : 2;
    }
    for (int n = 1; n <= k.nn; ++n)
        if (wz[static_cast<std::size_t>(n)])
            s.etykiety().przeszkoda(podpora(kr, o.ekran_x(k.x[n][1]), o.ekran_y(k.x[n][2]),
                                            wz[static_cast<std::size_t>(n)] & 1,
                                            wz[static_cast<std::size_t>(n)] & 2));
    kr.wyslij();
    s.prety([](int) { return fioletowy; }, 2);
    s.wezly(fioletowy);
    char t[48];
    std::snprintf(t, sizeof t, "skala przemieszczeń ×%s",
                  liczba_raportu(static_cast<double>(czynnik), 4).c_str());
    const Miejsce m[] = {{4, 4}, {w - 4 - dc.szerokosc_tekstu(t), 4}};
    s.napis(t, czarny, m, 2);
    s.numery_wezlow();
    s.napisz();
}
