// SPDX-License-Identifier: GPL-3.0-or-later
// The main view: the truss fitted to the client area, a picture or a page, with its supports,
// forces, numbering and, when results are valid, the deformed shape, stress colours, reactions
// and the two scales. Lines and symbols are drawn first; every text then goes where the label
// placer puts it, clear of the symbols and of each other.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "okno/okno.h"
#include "view/etykiety.h"
#include "view/kreski.h"
#include "view/paleta.h"
#include "view/piksel.h"
#include "view/symbole.h"
#include "view/wskazowka.h"
#include "view/wytezenie.h"

namespace {

constexpr Kolor pomaranczowy{255, 128, 0};
constexpr Kolor niebieski{0, 0, 255};
constexpr Kolor czerwony{255, 0, 0};
// Under its deformed shape the truss is drawn light, and the deformed shape in a colour no other
// part of the view uses.
constexpr Kolor jasna_kratownica{180, 180, 180};
constexpr Kolor fioletowy{150, 0, 190};
constexpr Kolor zielony{0, 140, 0};  // reactions
constexpr int wysokosc_tekstu = 12;  // the view's font's cell
// The displacement marker's band along the top: the marker from y = 10 to 40, its label at 25.
constexpr float pas_znacznika = 45.0f;

// Counts as far as the arrays really reach: a count larger than its array draws no more than
// the array holds.
int zasieg(int n, int wiersze) {
    return n < wiersze ? n : wiersze;
}

// Which of a large truss's bar lines are drawn again later between the same pixels. Thousands
// of bars of a long truss fall on one pixel column; a line drawn later between the same ends,
// with an opaque pen of the same width and style, covers every pixel the earlier one did,
// whatever its colour, so the earlier one never shows and is left out. The picture stays
// exactly as it was.
class Powtorki {
  public:
    // Lines whose ends lie beyond 14 bits are never taken for repeats.
    static constexpr std::uint64_t zaden = ~std::uint64_t{0};
    static std::uint64_t klucz(float x1, float y1, float x2, float y2) {
        const int v[4] = {piksel(x1), piksel(y1), piksel(x2), piksel(y2)};
        std::uint64_t k = 0;
        for (int c : v) {
            if (c < -8192 || c > 8191) return zaden;
            k = k << 14 | static_cast<std::uint64_t>(c + 8192);
        }
        return k;
    }
    explicit Powtorki(int ile) {
        std::size_t n = 16;
        while (n < 2 * static_cast<std::size_t>(ile)) n *= 2;
        wpisy_.assign(n, {zaden, 0});
    }
    // Notes that bar `b` draws the line `k`; the bars come in drawing order.
    void zanotuj(std::uint64_t k, int b) {
        if (k != zaden) miejsce(k).ostatni = b;
    }
    // True when a later bar draws the same line as bar `b`.
    bool zasloniety(std::uint64_t k, int b) { return k != zaden && miejsce(k).ostatni != b; }

  private:
    struct Wpis {
        std::uint64_t k;
        int ostatni;
    };
    Wpis& miejsce(std::uint64_t k) {
        const std::size_t maska = wpisy_.size() - 1;
        for (std::size_t i = (k * 0x9E3779B97F4A7C15ull) >> 20 & maska;; i = (i + 1) & maska) {
            Wpis& w = wpisy_[i];
            if (w.k == k) return w;
            if (w.k == zaden) {
                w.k = k;
                return w;
            }
        }
    }
    std::vector<Wpis> wpisy_;
};

void czcionka_widoku(Powierzchnia& dc) {
    dc.czcionka("Arial", wysokosc_tekstu, 400);
}

// Widths of labels in the view's font. Digits take one width each: a number's width follows from
// how many it has and its sign, and a "%g" text's from its characters, each measured once, so a
// lattice of thousands of labels costs few calls to the surface.
class Miarka {
  public:
    explicit Miarka(Powierzchnia& dc) : dc_(dc) {
        std::fill(std::begin(znaki_), std::end(znaki_), -1);
    }
    int liczba(int n) {
        if (!cyfry_zmierzone_) {
            cyfry_zmierzone_ = true;
            std::string t;
            for (int i = 1; i <= cyfry; ++i) {
                t += '0';
                szer_[0][i] = dc_.szerokosc_tekstu(t);
                szer_[1][i] = dc_.szerokosc_tekstu("-" + t);
            }
        }
        int c = 1;
        for (long long v = n < 0 ? -static_cast<long long>(n) : n; v >= 10; v /= 10) ++c;
        return szer_[n < 0 ? 1 : 0][c];
    }
    int g(const char* t) {
        if (znaki_[static_cast<unsigned char>('0')] < 0)
            for (const char* z = "0123456789-+.einfa"; *z; ++z)
                znaki_[static_cast<unsigned char>(*z)] = dc_.szerokosc_tekstu(std::string(1, *z));
        int w = 0;
        for (; *t; ++t) {
            const int z = znaki_[static_cast<unsigned char>(*t)];
            w += z >= 0 ? z : znaki_[static_cast<unsigned char>('0')];
        }
        return w;
    }
    int tekst(const std::string& t) { return dc_.szerokosc_tekstu(t); }

  private:
    static constexpr int cyfry = 10;  // of the largest int
    Powierzchnia& dc_;
    bool cyfry_zmierzone_ = false;
    int szer_[2][cyfry + 1] = {};
    int znaki_[256];  // -1 before they are measured
};

std::string liczba(int n) {
    char bufor[16];
    std::snprintf(bufor, sizeof bufor, "%d", n);
    return bufor;
}

// A force's or a reaction's value by its arrow: its magnitude (the arrow tells the way) and the
// force's unit.
std::string wartosc_sily(float v, const char* jednostka) {
    char bufor[48];
    std::snprintf(bufor, sizeof bufor, "%g", std::fabs(static_cast<double>(v)));
    return *jednostka ? std::string(bufor) + " " + jednostka : std::string(bufor);
}

// The largest of 1, 2 and 5 times a power of ten that is not above v: a factor a reader takes in
// at a glance.
float okragla(double v) {
    if (!(v > 0.0) || !std::isfinite(v)) return 1.0f;
    const double b = std::pow(10.0, std::floor(std::log10(v)));
    double k = b;
    for (const double c : {2.0, 5.0, 10.0})
        if (c * b <= v * (1.0 + 1e-9)) k = c * b;
    return static_cast<float>(k);
}

// The deformed shape's factor the view chooses: a round number that draws the largest
// displacement (ux along X, uy along Y) at about a twentieth of the truss's larger size on screen,
// rx by ra model units at kx and ka pixels a unit, and at 10 pixels at least; and no larger than
// `najwiekszy`. Displacements of round-off beside the truss's size are drawn as they are.
float czynnik_samoczynny(float ux, float uy, float rx, float ra, float kx, float ka,
                         double najwiekszy = std::numeric_limits<double>::infinity()) {
    const double u = std::max(ux, uy), r = std::max(rx, ra);
    if (!(u > 1e-6 * r)) return 1.0f;
    const double rozmiar =
        std::max(static_cast<double>(rx) * std::fabs(kx), static_cast<double>(ra) * std::fabs(ka));
    const double piksele =
        std::max(static_cast<double>(ux) * std::fabs(kx), static_cast<double>(uy) * std::fabs(ka));
    return okragla(std::min(std::max(10.0, 0.05 * rozmiar) / piksele, najwiekszy));
}

struct Reakcja {
    int wezel;
    bool wzdluz_y;
    float wartosc;
};

// What one paint shows and the room it leaves about the truss, worked out before anything is
// drawn (a print asks for it to size its drawing).
struct Plan {
    int nn = 0, ne = 0, nd = 0, nl = 0;
    bool wyniki = false, kolory = false, przemieszczenia = false, sily = false;
    bool numery_pretow = false, numery_wezlow = false, wartosci_sil = false;
    // Bars coloured and labelled by their utilisation, from this design.
    std::shared_ptr<const WynikWymiarowania> wytezenie;
    float mx = 0.0f, ma = 0.0f, ax = 0.0f, aa = 0.0f;  // the nodes' extents
    float ux = 0.0f, uy = 0.0f;  // the largest displacement along X and along Y
    // What the framing takes in: the nodes, and in a picture the deformed shape too.
    float kmx = 0.0f, kma = 0.0f, kax = 0.0f, kaa = 0.0f;
    ZakresNaprezen zakres;
    std::optional<UkladPaska> pasek;
    std::vector<unsigned char> wiezy;  // per node: 1 fixed in X, 2 in Y
    std::vector<Reakcja> reakcje;
    Marginesy marginesy;
};

Plan planuj(const _OKNO_& o, Powierzchnia& dc, float w, float h, bool obraz) {
    const Model& m = o.model;
    Plan p;
    p.nn = m.x && m.x.chigh() >= 2 ? zasieg(m.nn, m.x.rhigh()) : 0;
    if (p.nn <= 0) return p;
    p.ne = m.noc && m.noc.chigh() >= 4 ? zasieg(m.ne, m.noc.rhigh()) : 0;
    p.nd = m.nu ? zasieg(m.nd, m.nu.high()) : 0;
    p.nl = m.ild && m.al ? zasieg(zasieg(m.nl, m.ild.high()), m.al.high()) : 0;
    const int nn = p.nn;
    // Results are drawn only when every array they need is there.
    p.wyniki = m.obliczono == 1 && m.f && m.f.high() >= 2LL * nn &&
               (p.ne == 0 || (m.stressp && m.stressp.high() >= p.ne));
    p.kolory = p.wyniki && m.p_napr == 1;
    p.przemieszczenia = p.wyniki && m.p_przem == 1;
    // Axial forces come from the results, and take the place of the bar numbers.
    p.sily = p.wyniki && o.p_n_sil == 1;
    if (p.wyniki && o.p_wytezenie == 1) {
        p.wytezenie = o.wymiarowanie();
        if (p.wytezenie && p.wytezenie->prety.size() < static_cast<std::size_t>(p.ne))
            p.wytezenie.reset();
    }
    p.numery_pretow =
        m.p_n_ele == 1 || m.p_n_pola == 1 || m.p_n_mat == 1 || p.sily || p.wytezenie != nullptr;
    p.numery_wezlow = m.p_n_wezl == 1;
    p.wartosci_sil = o.p_wartosci_sil == 1;

    p.mx = p.ax = m.x[1][1];
    p.ma = p.aa = m.x[1][2];
    for (int n = 1; n <= nn; ++n) {
        const float X = m.x[n][1], Y = m.x[n][2];
        if (X > p.mx) p.mx = X;
        if (X < p.ax) p.ax = X;
        if (Y > p.ma) p.ma = Y;
        if (Y < p.aa) p.aa = Y;
    }
    if (p.wyniki && p.ne > 0) p.zakres = zakres_naprezen(m.stressp.data() - 1, p.ne);
    p.kmx = p.mx, p.kma = p.ma, p.kax = p.ax, p.kaa = p.aa;
    if (p.wyniki)
        for (int n = 1; n <= nn; ++n) {
            p.ux = std::max(p.ux, std::fabs(m.f[2 * n - 1]));
            p.uy = std::max(p.uy, std::fabs(m.f[2 * n]));
        }
    if (obraz && p.przemieszczenia) {
        // At one scale the view's own factor is at most this many model units a unit.
        const float rx = p.mx - p.ax, ra = p.ma - p.aa;
        const float u = std::max(p.ux, p.uy);
        const float k = o.skala_przem > 0.0f           ? o.skala_przem
                        : u > 1e-6f * std::max(rx, ra) ? 0.05f * std::max(rx, ra) / u
                                                       : 1.0f;
        for (int n = 1; n <= nn; ++n) {
            const float X = m.x[n][1] + k * m.f[2 * n - 1], Y = m.x[n][2] + k * m.f[2 * n];
            if (!std::isfinite(X) || !std::isfinite(Y)) continue;
            p.kmx = std::max(p.kmx, X), p.kax = std::min(p.kax, X);
            p.kma = std::max(p.kma, Y), p.kaa = std::min(p.kaa, Y);
        }
    }
    // Utilisation takes the bars' colours, and the legend's band, from the stresses.
    if (p.kolory && p.ne > 0 && !p.wytezenie)
        p.pasek = uklad_paska(dc, p.zakres, w, h, jednostka(o.jednostki, Wielkosc::naprezenie));

    // Supports: one pass over the constrained DOFs marks each node.
    p.wiezy.assign(static_cast<std::size_t>(nn) + 1, 0);
    for (int k = 1; k <= p.nd; ++k) {
        const int d = m.nu[k];
        const int n = d / 2 + d % 2;
        if (d >= 1 && n <= nn) p.wiezy[static_cast<std::size_t>(n)] |= d % 2 == 1 ? 1 : 2;
    }
    if (p.wyniki && o.p_reakcje == 1 && m.react && m.react.high() >= p.nd) {
        // Entries of one DOF act together; a reaction of round-off beside the others is none.
        std::vector<float> r(2 * static_cast<std::size_t>(nn) + 1, 0.0f);
        float najwieksza = 0.0f;
        for (int k = 1; k <= p.nd; ++k) {
            const int d = m.nu[k];
            if (d >= 1 && d <= 2 * nn) r[static_cast<std::size_t>(d)] += m.react[k];
        }
        for (float v : r)
            if (std::fabs(v) > najwieksza) najwieksza = std::fabs(v);
        for (int d = 1; d <= 2 * nn; ++d) {
            const float v = r[static_cast<std::size_t>(d)];
            if (std::fabs(v) > 1e-6f * najwieksza && std::isfinite(v))
                p.reakcje.push_back({d / 2 + d % 2, d % 2 == 0, v});
        }
    }

    // How far the symbols and the labels beside them reach past the nodes.
    Miarka miarka(dc);
    Zasieg z;
    z.obejmij(-4, -4, 4, 4);  // node circles
    for (int n = 1; n <= nn; ++n) {
        const unsigned char wz = p.wiezy[static_cast<std::size_t>(n)];
        if (wz & 2)
            z.obejmij(-14, 2, 9, wz & 1 ? 15 : 19);
        else if (wz & 1)
            z.obejmij(4, -16, 21, 7);
    }
    const char* sila = jednostka(o.jednostki, Wielkosc::sila);
    auto strzalka = [&](const Strzalka& s, float v, bool z_wartoscia) {
        Pudelko b = pudelko(s, 2);
        if (z_wartoscia) {
            // The value stands beside the shaft.
            const int tw = miarka.tekst(wartosc_sily(v, sila));
            if (s.x1 == s.x2) {
                b.prawo += 7 + tw;
            } else {
                // Above the shaft, centred on its middle.
                const int srodek = piksel((s.x1 + s.x2) * 0.5f);
                b.gora -= 7 + wysokosc_tekstu;
                b.lewo = std::min(b.lewo, srodek - tw / 2 - 1);
                b.prawo = std::max(b.prawo, srodek + tw / 2 + 1);
            }
        }
        z.obejmij(static_cast<float>(b.lewo), static_cast<float>(b.gora),
                  static_cast<float>(b.prawo), static_cast<float>(b.dol));
    };
    for (int k = 1; k <= p.nl; ++k) {
        const float v = m.al[k];
        if (!(v < 0.0f || v > 0.0f) || m.ild[k] < 1 || m.ild[k] > 2 * nn) continue;
        strzalka(strzalka_sily(0, 0, m.ild[k] % 2 == 0, v > 0.0f), v, p.wartosci_sil);
    }
    for (const Reakcja& r : p.reakcje) {
        const unsigned char wz = p.wiezy[static_cast<std::size_t>(r.wezel)];
        strzalka(strzalka_reakcji(0, 0, r.wzdluz_y, r.wartosc > 0.0f, wz & 2), r.wartosc, true);
    }
    if (p.numery_wezlow) z.obejmij(0, 0, 5.0f + static_cast<float>(miarka.liczba(nn)), 17);

    // A picture leaves room for all of it; the window keeps its own margins (25 pixels left and
    // right, 10 above, 40 below) and widens them for what it did not always show.
    Marginesy& mg = p.marginesy;
    if (obraz) {
        mg = {std::max(10.0f, z.lewo + 6), std::max(10.0f, z.prawo + 6),
              std::max(10.0f, z.gora + 6), std::max(10.0f, z.dol + 6)};
    } else if (p.wartosci_sil || !p.reakcje.empty()) {
        mg.lewo = std::max(mg.lewo, z.lewo + 4), mg.prawo = std::max(mg.prawo, z.prawo + 4);
        mg.gora = std::max(mg.gora, z.gora + 4), mg.dol = std::max(mg.dol, z.dol + 4);
    }
    // The legends take bands of their own, with the symbols' reach beside them.
    if (p.pasek) mg.dol = std::max(mg.dol, static_cast<float>(p.pasek->wysokosc()) + 4 + z.dol);
    if (p.wytezenie)
        mg.dol = std::max(mg.dol, static_cast<float>(wysokosc_legendy_wytezenia) + 4 + z.dol);
    if (p.wyniki) mg.gora = std::max(mg.gora, pas_znacznika + 2 + z.gora);
    // However small the drawing, a third of it is left to the truss.
    const float poziomo = mg.lewo + mg.prawo, pionowo = mg.gora + mg.dol;
    if (poziomo > w * 2 / 3) mg.lewo *= w * 2 / 3 / poziomo, mg.prawo *= w * 2 / 3 / poziomo;
    if (pionowo > h * 2 / 3) mg.gora *= h * 2 / 3 / pionowo, mg.dol *= h * 2 / 3 / pionowo;
    return p;
}

// One scale for X and Y over a mapping the user moved, keeping the model point at the centre of
// the w x h drawing where it is.
void wyrownaj(Odwzorowanie& o, float w, float h) {
    const float k = std::min(o.kx, o.ka);
    if (!(k > 0.0f) || !std::isfinite(k)) return;
    const float X = o.model_x(w * 0.5f), Y = o.model_y(h * 0.5f);
    o.kx = o.ka = k;
    o.px = w * 0.5f - (X - o.ax) * k;
    o.py = h * 0.5f - (Y - o.aa) * k;
}

}  // namespace

void _OKNO_::Paint(Powierzchnia& dc, int szerokosc, int wysokosc) {
    maluj(dc, szerokosc, wysokosc, nullptr);
}

int _OKNO_::wysokosc_obrazu(Powierzchnia& dc, int szerokosc) {
    const float w = static_cast<float>(szerokosc);
    dc.zachowaj();
    czcionka_widoku(dc);
    const Plan p = planuj(*this, dc, w, w, true);
    dc.przywroc();
    const float rx = p.kmx - p.kax, ra = p.kma - p.kaa;
    const Marginesy& mg = p.marginesy;
    float h = w * 0.625f;
    if (p.nn > 0 && rx > 0.0f && std::isfinite(rx))
        h = (ra > 0.0f && std::isfinite(ra) ? ra * (w - mg.lewo - mg.prawo) / rx : 0.0f) + mg.gora +
            mg.dol;
    else if (p.nn > 0 && rx == 0.0f && ra > 0.0f)
        h = w * 1.5f;  // a column: taller than wide
    return static_cast<int>(std::clamp(std::ceil(h), 160.0f, 10000.0f));
}

void _OKNO_::maluj(Powierzchnia& dc, int szerokosc, int wysokosc, const KadrObrazu* obraz) {
    Model& m = model;
    // Picking follows what is drawn, in this size, also of an empty model.
    widok.szerokosc = szerokosc, widok.wysokosc = wysokosc;
    siatka.uniewaznij();
    if (m.Pusty != 0 || m.nn <= 0) {
        // A first start, or a model just made new, says how to begin.
        if (!obraz) rysuj_wskazowke(dc, szerokosc, wysokosc, m.Pusty == 0);
        return;
    }
    // A node table shorter than its count draws the nodes it has; none at all, nothing.
    if (!(m.x && m.x.chigh() >= 2 && zasieg(m.nn, m.x.rhigh()) > 0)) return;

    const float w = static_cast<float>(szerokosc), h = static_cast<float>(wysokosc);
    dc.zachowaj();
    maxx = h;
    dc.pioro(bialy, 1, StylPiora::ciagle);
    dc.pedzel(bialy);
    dc.prostokat(0, 0, szerokosc, wysokosc);
    if (!(h > 150.0f && w > 150.0f)) {
        dc.przywroc();
        return;
    }
    czcionka_widoku(dc);
    const Plan p = planuj(*this, dc, w, h, obraz != nullptr);
    const int nn = p.nn, ne = p.ne, nl = p.nl;
    const Marginesy& mg = p.marginesy;

    m.ax = p.kax, m.aa = p.kaa, m.x0 = m.ax;
    float mx = p.kmx, ma = p.kma;
    widok.kadr = kadr_proporcjonalny(m.ax, mx, m.aa, ma, w, h, mg);
    if (mx == m.ax) mx = m.ax + 1.0f;
    if (ma == m.aa) ma = m.aa + 1.0f;
    // Far from zero a float cannot hold one unit more; the range is then one unit all the same.
    float rx = mx - m.ax, ra = ma - m.aa;
    if (!(rx > 0.0f)) rx = 1.0f;
    if (!(ra > 0.0f)) ra = 1.0f;
    m.sx = (w - mg.lewo - mg.prawo) / rx;
    m.sa = (h - mg.gora - mg.dol) / ra;
    widok.px = mg.lewo, widok.py = mg.dol;

    // The state above is the fitted framing's; the picture follows the view's mapping, which is
    // that framing unless the user keeps proportions, zooms or pans. A picture keeps proportions
    // unless told otherwise.
    if (obraz) widok.proporcje = obraz->proporcje;
    Odwzorowanie od = odwzorowanie();
    if (obraz && obraz->proporcje && widok.swobodny) wyrownaj(od, w, h);
    const float ax = od.ax, aa = od.aa, sx = od.kx, sa = od.ka, px = od.px, py = od.py;
    // Each node's point, worked out once for the many passes over the bars.
    std::vector<float> punkty(2 * static_cast<std::size_t>(nn) + 2);
    for (int n = 1; n <= nn; ++n) {
        punkty[2 * static_cast<std::size_t>(n)] = (m.x[n][1] - ax) * sx + px;
        punkty[2 * static_cast<std::size_t>(n) + 1] = h - ((m.x[n][2] - aa) * sa + py);
    }
    auto sX = [&](int n) { return punkty[2 * static_cast<std::size_t>(n)]; };
    auto sY = [&](int n) { return punkty[2 * static_cast<std::size_t>(n) + 1]; };

    dc.pedzel(bialy);
    dc.kolor_tekstu(czarny);
    dc.tlo_tekstu(bialy);
    Kreski kreski(dc);

    // The deformed shape: each node moved by its displacements times the factor, in model units
    // through the view's mapping.
    float czynnik = 1.0f;
    if (p.wyniki && skala_przem > 0.0f) {
        czynnik = skala_przem;
    } else if (p.wyniki) {
        // The view's own factor keeps the shape of the nodes in view within the drawing, above
        // the scale bar (10 pixels of room it always takes).
        const float x0 = 2.0f, x1 = w - 2.0f, y0 = 2.0f;
        const float y1 = h - 6.0f -
                         (p.pasek       ? static_cast<float>(p.pasek->wysokosc())
                          : p.wytezenie ? static_cast<float>(wysokosc_legendy_wytezenia)
                                        : 0.0f);
        double najwiekszy = std::numeric_limits<double>::infinity();
        auto miejsce = [&](float zapas, float piksele) {
            if (piksele > 0.0f)
                najwiekszy =
                    std::min(najwiekszy, static_cast<double>(std::max(zapas, 10.0f) / piksele));
        };
        for (int n = 1; n <= nn; ++n) {
            const float x = sX(n), y = sY(n);
            if (!(x >= x0 && x <= x1 && y >= y0 && y <= y1)) continue;
            const float u = m.f[2 * n - 1] * sx, v = -m.f[2 * n] * sa;  // pixels right and down
            miejsce(x1 - x, u), miejsce(x - x0, -u), miejsce(y1 - y, v), miejsce(y - y0, -v);
        }
        czynnik = czynnik_samoczynny(p.ux, p.uy, p.mx - p.ax, p.ma - p.aa, sx, sa, najwiekszy);
    }
    std::vector<float> przesuniete;
    if (p.wyniki) {
        przesuniete.resize(2 * static_cast<std::size_t>(nn) + 2);
        for (int n = 1; n <= nn; ++n) {
            przesuniete[2 * static_cast<std::size_t>(n)] =
                (m.x[n][1] + czynnik * m.f[2 * n - 1] - ax) * sx + px;
            przesuniete[2 * static_cast<std::size_t>(n) + 1] =
                h - ((m.x[n][2] + czynnik * m.f[2 * n] - aa) * sa + py);
        }
    }
    auto dX = [&](int n) { return przesuniete[2 * static_cast<std::size_t>(n)]; };
    auto dY = [&](int n) { return przesuniete[2 * static_cast<std::size_t>(n) + 1]; };

    // A deformed shape that moves no point by half a pixel would only cover the truss.
    const bool przemieszczenia =
        p.przemieszczenia && czynnik * std::max(p.ux * std::fabs(sx), p.uy * std::fabs(sa)) >= 0.5f;
    const bool kolory = p.kolory || p.wytezenie;
    const Kolor kolor_kratownicy = przemieszczenia ? jasna_kratownica : czarny;
    // A node circle covers every pixel that an earlier circle at the same node covered, so only
    // the last bar at each node needs to draw it: the picture is the same, with a fraction of the
    // ellipses on a lattice.
    std::vector<int> ostatni(static_cast<std::size_t>(nn) + 1, 0);
    for (int b = 1; b <= ne; ++b) {
        const int A = m.noc[b][1], B = m.noc[b][2];
        if (A < 1 || A > nn || B < 1 || B > nn) continue;
        ostatni[static_cast<std::size_t>(A)] = b;
        ostatni[static_cast<std::size_t>(B)] = b;
    }
    // The bars' lines share one width and style, as do the deformed shape's; the two apart.
    auto linia = [&](int A, int B) { return Powtorki::klucz(sX(A), sY(A), sX(B), sY(B)); };
    auto przemieszczona = [&](int A, int B) { return Powtorki::klucz(dX(A), dY(A), dX(B), dY(B)); };
    // Looking for repeats pays where the lines would cover the picture twice over: a long truss
    // squeezed into the window. A lattice of short bars, however many, is drawn straight away.
    std::optional<Powtorki> linie, linie_przem;
    double pokrycie = 0.0;
    for (int b = 1; b <= ne; ++b) {
        const int A = m.noc[b][1], B = m.noc[b][2];
        if (A < 1 || A > nn || B < 1 || B > nn) continue;
        pokrycie += std::max(std::fabs(sX(B) - sX(A)), std::fabs(sY(B) - sY(A)));
    }
    if (pokrycie > 2.0 * static_cast<double>(w) * static_cast<double>(h)) {
        linie.emplace(ne);
        if (przemieszczenia) linie_przem.emplace(ne);
        for (int b = 1; b <= ne; ++b) {
            const int A = m.noc[b][1], B = m.noc[b][2];
            if (A < 1 || A > nn || B < 1 || B > nn) continue;
            linie->zanotuj(linia(A, B), b);
            if (przemieszczenia) linie_przem->zanotuj(przemieszczona(A, B), b);
        }
    }
    // The square of the shortest bar on screen at each node: a node's number is left out when a
    // bar there is shorter than the number is wide (a neighbour would sit under it).
    std::vector<float> najkrotszy;
    if (p.numery_wezlow)
        najkrotszy.assign(static_cast<std::size_t>(nn) + 1, std::numeric_limits<float>::infinity());
    for (int b = 1; b <= ne; ++b) {
        const int A = m.noc[b][1], B = m.noc[b][2];
        if (A < 1 || A > nn || B < 1 || B > nn) continue;
        const float xA = sX(A), yA = sY(A), xB = sX(B), yB = sY(B);
        if (!(linie && linie->zasloniety(linia(A, B), b))) {
            if (p.wytezenie)
                kreski.pioro(kolor_wytezenia(p.wytezenie->prety[static_cast<std::size_t>(b - 1)]),
                             2, StylPiora::ciagle);
            else if (kolory)
                kreski.pioro(knapr[indeks_koloru(m.stressp[b], p.zakres)], 2, StylPiora::ciagle);
            else
                kreski.pioro(kolor_kratownicy, 1, StylPiora::ciagle);
            kreski.odcinek(xA, yA, xB, yB);
        }
        const bool kolo_A = ostatni[static_cast<std::size_t>(A)] == b;
        const bool kolo_B = ostatni[static_cast<std::size_t>(B)] == b;
        if (kolo_A || kolo_B) {
            kreski.pioro(kolor_kratownicy, 1, StylPiora::ciagle);
            kreski.wyslij();
        }
        if (kolo_A) dc.elipsa(piksel(xA - 3), piksel(yA - 3), piksel(xA + 3), piksel(yA + 3));
        if (kolo_B) dc.elipsa(piksel(xB - 3), piksel(yB - 3), piksel(xB + 3), piksel(yB + 3));
        if (p.numery_wezlow) {
            const float d2 = (xB - xA) * (xB - xA) + (yB - yA) * (yB - yA);
            float& a = najkrotszy[static_cast<std::size_t>(A)];
            float& c = najkrotszy[static_cast<std::size_t>(B)];
            if (d2 < a) a = d2;
            if (d2 < c) c = d2;
        }
    }
    // The deformed shape over the whole truss, so that it is seen at once.
    if (przemieszczenia) {
        // Over stress colours a thin line, so that the colours still show.
        kreski.pioro(fioletowy, kolory ? 1 : 2, StylPiora::ciagle);
        for (int b = 1; b <= ne; ++b) {
            const int A = m.noc[b][1], B = m.noc[b][2];
            if (A < 1 || A > nn || B < 1 || B > nn) continue;
            if (linie_przem && linie_przem->zasloniety(przemieszczona(A, B), b)) continue;
            kreski.odcinek(dX(A), dY(A), dX(B), dY(B));
        }
    }
    kreski.wyslij();

    // Symbols, each noted for the labels to keep clear of.
    RozmieszczenieEtykiet etykiety(szerokosc, wysokosc);
    kreski.pioro(czarny, 1, StylPiora::ciagle);
    for (int n = 1; n <= nn; ++n)
        if (const unsigned char wz = p.wiezy[static_cast<std::size_t>(n)]; wz != 0)
            etykiety.przeszkoda(podpora(kreski, sX(n), sY(n), wz & 1, wz & 2));
    std::vector<Strzalka> strzalki_reakcji;
    if (!p.reakcje.empty()) {
        kreski.pioro(zielony, 2, StylPiora::ciagle);
        for (const Reakcja& r : p.reakcje) {
            const unsigned char wz = p.wiezy[static_cast<std::size_t>(r.wezel)];
            const Strzalka s =
                strzalka_reakcji(sX(r.wezel), sY(r.wezel), r.wzdluz_y, r.wartosc > 0.0f, wz & 2);
            rysuj(kreski, s);
            etykiety.przeszkoda(pudelko(s, 2));
            strzalki_reakcji.push_back(s);
        }
    }
    std::vector<std::pair<int, Strzalka>> strzalki_sil;  // load, its arrow
    if (nl > 0) {
        kreski.pioro(czerwony, 2, StylPiora::ciagle);
        for (int k = 1; k <= nl; ++k) {
            const int d = m.ild[k];
            const int n = d / 2 + d % 2;
            const float v = m.al[k];
            if (d < 1 || n > nn || !(v < 0.0f || v > 0.0f)) continue;
            const Strzalka s = strzalka_sily(sX(n), sY(n), d % 2 == 0, v > 0.0f);
            rysuj(kreski, s);
            etykiety.przeszkoda(pudelko(s, 2));
            strzalki_sil.push_back({k, s});
        }
    }
    kreski.wyslij();

    // The legends, over bands of their own, with their labels first: they must all show.
    if (p.pasek) {
        dc.kolor_tekstu(czarny);
        pasek_skali(dc, knapr, *p.pasek, w);
        etykiety.przeszkoda({0, piksel(h) - p.pasek->wysokosc(), szerokosc, wysokosc});
        kreski.zapomnij_pioro();
    }
    if (p.wytezenie) {
        dc.kolor_tekstu(czarny);
        legenda_wytezenia(dc, w, h);
        etykiety.przeszkoda({0, piksel(h) - wysokosc_legendy_wytezenia, szerokosc, wysokosc});
        kreski.zapomnij_pioro();
    }
    std::string tekst_znacznika;
    std::optional<Pudelko> miejsce_znacznika;
    if (p.wyniki) {
        kreski.pioro(pomaranczowy, 1, StylPiora::ciagle);
        kreski.odcinek(50, 10, 50, 40);
        kreski.odcinek(48, 10, 52, 10);
        kreski.odcinek(48, 40, 52, 40);
        kreski.wyslij();
        etykiety.przeszkoda({48, 10, 53, 41});
        // What the marker's 30 pixels stand for in the deformed shape, and the factor.
        const float k = czynnik * std::fabs(sa);
        char bufor[64], skala[32];
        std::snprintf(bufor, sizeof bufor, "%.4g",
                      k > 0.0f && std::isfinite(k) ? static_cast<double>(30.0f / k) : 0.0);
        std::snprintf(skala, sizeof skala, "skala ×%g", static_cast<double>(czynnik));
        const char* dlugosc = jednostka(jednostki, Wielkosc::dlugosc);
        for (const std::string& t :
             {std::string(bufor) + (*dlugosc ? std::string(" ") + dlugosc : "") + ", " + skala,
              std::string(skala)}) {
            miejsce_znacznika = etykiety.umiesc(dc.szerokosc_tekstu(t), wysokosc_tekstu,
                                                {{55, 25}, {55, 10}, {2, 41}});
            if (miejsce_znacznika) {
                tekst_znacznika = t;
                break;
            }
        }
    }

    // What the results are (a case, a combination, the envelope), or before an analysis which
    // case the loads belong to, where the project has more than one: beside the marker, or at
    // the right edge of its band.
    std::string tekst_tytulu;
    std::optional<Pudelko> miejsce_tytulu;
    {
        tekst_tytulu = tytul_wynikow();
        const int tw = dc.szerokosc_tekstu(tekst_tytulu);
        if (!tekst_tytulu.empty())
            miejsce_tytulu = etykiety.umiesc(
                tw, wysokosc_tekstu,
                {{szerokosc - tw - 10, 10}, {szerokosc - tw - 10, 25}, {55, 40 - wysokosc_tekstu}});
    }

    // The labels, the most telling first: forces' values, reactions, node numbers, bar labels.
    struct Tekst {
        Pudelko p;
        std::string t;
    };
    std::vector<Tekst> wartosci, reakcje, wezly, prety;
    Miejsce miejsca[najwiecej_miejsc];
    Miarka miarka(dc);
    const char* sila = jednostka(jednostki, Wielkosc::sila);
    if (p.wartosci_sil)
        for (const auto& [k, s] : strzalki_sil) {
            std::string t = wartosc_sily(m.al[k], sila);
            const int tw = miarka.tekst(t);
            const std::size_t ile = miejsca_strzalki(s, s.x1, s.y1, tw, wysokosc_tekstu, miejsca);
            if (const auto b = etykiety.umiesc(tw, wysokosc_tekstu, miejsca, ile))
                wartosci.push_back({*b, std::move(t)});
        }
    for (std::size_t i = 0; i < strzalki_reakcji.size(); ++i) {
        const Reakcja& r = p.reakcje[i];
        std::string t = wartosc_sily(r.wartosc, sila);
        const int tw = miarka.tekst(t);
        const std::size_t ile = miejsca_strzalki(strzalki_reakcji[i], sX(r.wezel), sY(r.wezel), tw,
                                                 wysokosc_tekstu, miejsca);
        if (const auto b = etykiety.umiesc(tw, wysokosc_tekstu, miejsca, ile))
            reakcje.push_back({*b, std::move(t)});
    }
    if (p.numery_wezlow)
        for (int n = 1; n <= nn; ++n) {
            const int tw = miarka.liczba(n);
            if (najkrotszy[static_cast<std::size_t>(n)] <
                static_cast<float>(tw) * static_cast<float>(tw))
                continue;
            const std::size_t ile = miejsca_wezla(sX(n), sY(n), tw, wysokosc_tekstu, miejsca);
            if (const auto b = etykiety.umiesc(tw, wysokosc_tekstu, miejsca, ile))
                wezly.push_back({*b, liczba(n)});
        }
    if (p.numery_pretow) {
        // A bar that carries nothing comes out of the solution with a force of round-off, some
        // 1e-13 of the largest: it is labelled 0 rather than with that noise.
        float zero_sil = 0.0f;
        if (p.sily) {
            for (int b = 1; b <= ne; ++b)
                if (const auto n = sila_osiowa(m, b)) zero_sil = std::max(zero_sil, std::fabs(*n));
            zero_sil *= 1e-6f;
        }
        // The labels long enough bars would carry; only where there are some does it pay to note
        // every bar's line for them to keep clear of.
        struct Etykieta {
            int b, tw;
            std::string t;  // empty: the bar's one number, written once placed
        };
        std::vector<Etykieta> kandydaci;
        for (int b = 1; b <= ne; ++b) {
            const int A = m.noc[b][1], B = m.noc[b][2];
            if (A < 1 || A > nn || B < 1 || B > nn) continue;
            // Numbers of more than one kind (only a damaged setting turns them on together) share
            // one label.
            int liczby[3], ile = 0;
            if (m.p_n_ele == 1) liczby[ile++] = b;
            if (m.p_n_pola == 1) liczby[ile++] = m.noc[b][4];
            if (m.p_n_mat == 1) liczby[ile++] = m.noc[b][3];
            char sila_preta[32] = "";
            if (p.wytezenie)
                std::snprintf(
                    sila_preta, sizeof sila_preta, "%s",
                    etykieta_wytezenia(p.wytezenie->prety[static_cast<std::size_t>(b - 1)])
                        .c_str());
            else if (p.sily)
                if (const auto n = sila_osiowa(m, b))
                    std::snprintf(sila_preta, sizeof sila_preta, "%g",
                                  std::fabs(*n) <= zero_sil ? 0.0 : static_cast<double>(*n));
            Etykieta e{b, 0, {}};
            if (*sila_preta) {
                e.t = sila_preta, e.tw = miarka.g(sila_preta);
            } else if (ile == 1) {
                e.tw = miarka.liczba(liczby[0]);
            } else if (ile > 1) {
                for (int i = 0; i < ile; ++i) e.t += (i ? "/" : "") + liczba(liczby[i]);
                e.tw = miarka.tekst(e.t);
            } else {
                continue;
            }
            // A bar shorter on screen than its label is wide keeps no label (a NaN length keeps).
            const float dx = sX(B) - sX(A), dy = sY(B) - sY(A);
            if (dx * dx + dy * dy < static_cast<float>(e.tw) * static_cast<float>(e.tw)) continue;
            kandydaci.push_back(std::move(e));
        }
        // Their places lie within a label's size of their bars; only lines there matter.
        float l = std::numeric_limits<float>::infinity(), g = l, pr = -l, d = -l;
        for (const Etykieta& e : kandydaci) {
            const int A = m.noc[e.b][1], B = m.noc[e.b][2];
            const float z = static_cast<float>(e.tw + wysokosc_tekstu + 8);
            const float xl = std::min(sX(A), sX(B)) - z, xp = std::max(sX(A), sX(B)) + z;
            const float yg = std::min(sY(A), sY(B)) - z, yd = std::max(sY(A), sY(B)) + z;
            etykiety.obszar_linii({piksel(xl), piksel(yg), piksel(xp), piksel(yd)});
            l = std::min(l, xl), pr = std::max(pr, xp), g = std::min(g, yg), d = std::max(d, yd);
        }
        for (int b = 1; b <= ne && !kandydaci.empty(); ++b) {
            const int A = m.noc[b][1], B = m.noc[b][2];
            if (A < 1 || A > nn || B < 1 || B > nn) continue;
            const float xA = sX(A), yA = sY(A), xB = sX(B), yB = sY(B);
            // A NaN end keeps the line: the placer leaves it out itself.
            if (std::max(xA, xB) < l || std::min(xA, xB) > pr || std::max(yA, yB) < g ||
                std::min(yA, yB) > d)
                continue;
            etykiety.linia(xA, yA, xB, yB, b);
        }
        for (Etykieta& e : kandydaci) {
            const int A = m.noc[e.b][1], B = m.noc[e.b][2];
            const std::size_t n =
                miejsca_preta(sX(A), sY(A), sX(B), sY(B), e.tw, wysokosc_tekstu, miejsca);
            if (const auto b = etykiety.umiesc(e.tw, wysokosc_tekstu, miejsca, n, e.b)) {
                if (e.t.empty())
                    e.t = liczba(m.p_n_ele == 1    ? e.b
                                 : m.p_n_pola == 1 ? m.noc[e.b][4]
                                                   : m.noc[e.b][3]);
                prety.push_back({*b, std::move(e.t)});
            }
        }
    }

    auto napisz = [&](const std::vector<Tekst>& teksty, Kolor k) {
        if (teksty.empty()) return;
        dc.kolor_tekstu(k);
        for (const Tekst& t : teksty) dc.tekst(t.p.lewo, t.p.gora, t.t);
    };
    napisz(prety, czarny);
    napisz(wezly, niebieski);
    napisz(wartosci, czerwony);
    napisz(reakcje, zielony);
    if (miejsce_znacznika) napisz({{*miejsce_znacznika, tekst_znacznika}}, czarny);
    if (miejsce_tytulu) napisz({{*miejsce_tytulu, tekst_tytulu}}, czarny);

    dc.przywroc();
}
