// The main view: the truss fitted to the client area with its supports, forces, numbering and,
// when results are valid, the deformed shape, stress colours and the two scales.
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
#include "view/paleta.h"
#include "view/piksel.h"

namespace {

constexpr Kolor pomaranczowy{255, 128, 0};
constexpr Kolor szary{128, 128, 128};
constexpr Kolor niebieski{0, 0, 255};
constexpr Kolor czerwony{255, 0, 0};

// Counts as far as the arrays really reach: a count larger than its array draws no more than
// the array holds.
int zasieg(int n, int wiersze) {
    return n < wiersze ? n : wiersze;
}

// Draws segments through the surface in the order they come, handing on each run of segments of
// one pen in one call. A pen is selected only when it differs from the one in force: most bars of
// a large truss share their neighbours' pens, and a pen change is the dearest call of a cheap line.
class Kreski {
  public:
    explicit Kreski(Powierzchnia& dc) : dc_(dc) {}
    void pioro(Kolor k, int szerokosc, StylPiora styl) {
        if (znane_ && k == k_ && szerokosc == szerokosc_ && styl == styl_) return;
        wyslij();
        dc_.pioro(k, szerokosc, styl);
        znane_ = true, k_ = k, szerokosc_ = szerokosc, styl_ = styl;
    }
    void odcinek(float x1, float y1, float x2, float y2) {
        czekajace_.push_back({piksel(x1), piksel(y1), piksel(x2), piksel(y2)});
    }
    // Hands on the waiting segments; before anything else is drawn.
    void wyslij() {
        if (czekajace_.empty()) return;
        dc_.odcinki(czekajace_.data(), czekajace_.size());
        czekajace_.clear();
    }

  private:
    Powierzchnia& dc_;
    std::vector<OdcinekEkranu> czekajace_;
    bool znane_ = false;
    Kolor k_;
    int szerokosc_ = 0;
    StylPiora styl_ = StylPiora::ciagle;
};

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
    dc.czcionka("Arial", 12, 400);
}

// Support symbols below or to the right of the node's mapped point.
void podpora(Kreski& k, float sX, float sY, bool wx, bool wy) {
    if (wy) {
        k.odcinek(sX, sY + 2, sX - 8, sY + 10);
        k.odcinek(sX - 8, sY + 10, sX + 8, sY + 10);
        k.odcinek(sX + 8, sY + 10, sX, sY + 2);
        // A pin sits on the triangle's base; a roller has a ground line with the hatching below.
        const float podstawa = wx ? 10.0f : 14.0f;
        if (!wx) k.odcinek(sX - 8, sY + 14, sX + 8, sY + 14);
        for (int s = 0; s <= 4; ++s) {
            const float d = static_cast<float>(4 * s);
            k.odcinek(sX - 8 + d, sY + podstawa, sX - 14 + d, sY + podstawa + 4);
        }
    } else if (wx) {
        k.odcinek(sX + 4, sY - 2, sX + 12, sY + 6);
        k.odcinek(sX + 12, sY + 6, sX + 12, sY - 10);
        k.odcinek(sX + 12, sY - 10, sX + 4, sY - 2);
        k.odcinek(sX + 16, sY - 10, sX + 16, sY + 6);
        for (int s = 0; s <= 4; ++s) {
            const float d = static_cast<float>(4 * s);
            k.odcinek(sX + 16, sY - 10 + d, sX + 20, sY - 16 + d);
        }
    }
}

// A fixed-length arrow from the node's mapped point along the force's direction; its head is two
// strokes from the tip back to points 6 pixels behind it and 4 to either side.
void strzalka(Kreski& k, float sX, float sY, bool wzdluz_y, float wartosc) {
    if (!(wartosc < 0.0f || wartosc > 0.0f)) return;
    if (wzdluz_y) {
        const float z = wartosc < 0.0f ? 1.0f : -1.0f;  // model Y grows upwards
        k.odcinek(sX, sY, sX, sY + 25 * z);
        k.odcinek(sX, sY + 25 * z, sX - 4, sY + 19 * z);
        k.odcinek(sX, sY + 25 * z, sX + 4, sY + 19 * z);
    } else {
        const float z = wartosc > 0.0f ? 1.0f : -1.0f;
        k.odcinek(sX, sY, sX + 25 * z, sY);
        k.odcinek(sX + 25 * z, sY, sX + 19 * z, sY + 4);
        k.odcinek(sX + 25 * z, sY, sX + 19 * z, sY - 4);
    }
}

// Numbers are drawn only where they can be read. A bar's label is left out when the bar is
// shorter on screen than the label is wide, a node's when one of its bars is (a neighbour would
// sit under the number), and any label that would overlap one already drawn. A truss of ordinary
// size in an ordinary window keeps every label; a lattice of thousands of bars is not buried
// under numbers nobody could tell apart.
class Etykiety {
  public:
    static constexpr int wysokosc = 12;  // the view's font's cell

    Etykiety(Powierzchnia& dc, int szerokosc_okna, int wysokosc_okna)
        : dc_(dc),
          kolumny_(std::max(1, szerokosc_okna / bok_x + 1)),
          wiersze_(std::max(1, wysokosc_okna / bok_y + 1)),
          komorki_(static_cast<std::size_t>(kolumny_) * static_cast<std::size_t>(wiersze_)) {
        // Digits take one width each in the view's font: a number's width follows from how many
        // it has and its sign.
        std::string t;
        for (int i = 1; i <= cyfry; ++i) {
            t += '0';
            szer_[0][i] = dc.szerokosc_tekstu(t);
            szer_[1][i] = dc.szerokosc_tekstu("-" + t);
        }
        std::fill(std::begin(znaki_), std::end(znaki_), -1);
    }

    int szerokosc(int n) const {
        int c = 1;
        for (long long v = n < 0 ? -static_cast<long long>(n) : n; v >= 10; v /= 10) ++c;
        return szer_[n < 0 ? 1 : 0][c];
    }
    // Of a "%g" text, character by character: measured once, such a text costs no call to the
    // surface.
    int szerokosc(const char* t) {
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

    // Whether a label with its top-left corner at (x, y), w pixels wide, finds its place free.
    bool wolne(int x, int y, int w) const {
        const Zakres z = zakres(x, y, w);
        for (int r = z.w0; r <= z.w1; ++r)
            for (int c = z.k0; c <= z.k1; ++c)
                for (int i : komorki_[indeks(r, c)]) {
                    const Pudelko& p = pudelka_[static_cast<std::size_t>(i)];
                    if (x < p.x + p.w && p.x < x + w && y < p.y + wysokosc && p.y < y + wysokosc)
                        return false;
                }
        return true;
    }

    void zajmij(int x, int y, int w) {
        const int i = static_cast<int>(pudelka_.size());
        pudelka_.push_back({x, y, w});
        const Zakres z = zakres(x, y, w);
        for (int r = z.w0; r <= z.w1; ++r)
            for (int c = z.k0; c <= z.k1; ++c) komorki_[indeks(r, c)].push_back(i);
    }

  private:
    static constexpr int cyfry = 10;  // of the largest int
    static constexpr int bok_x = 32, bok_y = 16;
    struct Pudelko {
        int x, y, w;
    };
    struct Zakres {
        int k0, k1, w0, w1;  // none when k0 > k1 or w0 > w1
    };

    // The cells a box touches; the parts of it off the window have none.
    Zakres zakres(int x, int y, int w) const {
        if (x + w <= 0 || y + wysokosc <= 0) return {0, -1, 0, -1};
        return {std::max(0, x) / bok_x, std::min(kolumny_ - 1, (x + w - 1) / bok_x),
                std::max(0, y) / bok_y, std::min(wiersze_ - 1, (y + wysokosc - 1) / bok_y)};
    }
    std::size_t indeks(int r, int c) const {
        return static_cast<std::size_t>(r) * static_cast<std::size_t>(kolumny_) +
               static_cast<std::size_t>(c);
    }

    Powierzchnia& dc_;
    int kolumny_, wiersze_;
    std::vector<std::vector<int>> komorki_;
    std::vector<Pudelko> pudelka_;
    int szer_[2][cyfry + 1] = {};
    int znaki_[256];  // widths of the characters of "%g" texts; -1 before they are measured
};

void tekst_liczby(Powierzchnia& dc, int x, int y, int n) {
    char bufor[16];
    std::snprintf(bufor, sizeof bufor, "%d", n);
    dc.tekst(x, y, bufor);
}

}  // namespace

void _OKNO_::Paint(Powierzchnia& dc, int szerokosc, int wysokosc) {
    Model& m = model;
    // Picking follows what is drawn, in this size, also of an empty model.
    widok.szerokosc = szerokosc, widok.wysokosc = wysokosc;
    siatka.uniewaznij();
    if (m.Pusty != 0 || m.nn <= 0) return;
    // A node table shorter than its count draws the nodes it has; none at all, nothing.
    const int nn = m.x && m.x.chigh() >= 2 ? zasieg(m.nn, m.x.rhigh()) : 0;
    if (nn <= 0) return;

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

    const int ne = m.noc && m.noc.chigh() >= 4 ? zasieg(m.ne, m.noc.rhigh()) : 0;
    const int nd = m.nu ? zasieg(m.nd, m.nu.high()) : 0;
    const int nl = m.ild && m.al ? zasieg(zasieg(m.nl, m.ild.high()), m.al.high()) : 0;
    // Results are drawn only when every array they need is there.
    const bool wyniki = m.obliczono == 1 && m.f && m.f.high() >= 2LL * nn &&
                        (ne == 0 || (m.stressp && m.stressp.high() >= ne));

    float mx = m.x[1][1], ma = m.x[1][2];
    m.ax = m.x[1][1];
    m.aa = m.x[1][2];
    for (int n = 1; n <= nn; ++n) {
        const float X = m.x[n][1], Y = m.x[n][2];
        if (X > mx) mx = X;
        if (X < m.ax) m.ax = X;
        if (Y > ma) ma = Y;
        if (Y < m.aa) m.aa = Y;
    }
    m.x0 = m.ax;

    ZakresNaprezen zakres;
    if (wyniki && ne > 0) zakres = zakres_naprezen(m.stressp.data() - 1, ne);

    widok.kadr = kadr_proporcjonalny(m.ax, mx, m.aa, ma, w, h);
    if (mx == m.ax) mx = m.ax + 1.0f;
    if (ma == m.aa) ma = m.aa + 1.0f;
    // Far from zero a float cannot hold one unit more; the range is then one unit all the same.
    float rx = mx - m.ax, ra = ma - m.aa;
    if (!(rx > 0.0f)) rx = 1.0f;
    if (!(ra > 0.0f)) ra = 1.0f;
    m.sx = (w - 50.0f) / rx;
    m.sa = (h - 50.0f) / ra;
    const float sp = (w - 50.0f) * 0.005f;

    // The state above is the fitted framing's; the picture follows the view's mapping, which is
    // that framing unless the user keeps proportions, zooms or pans.
    const Odwzorowanie od = odwzorowanie();
    const float ax = od.ax, aa = od.aa, sx = od.kx, sa = od.ka, px = od.px, py = od.py;
    auto sX = [&](int n) { return (m.x[n][1] - ax) * sx + px; };
    auto sY = [&](int n) { return h - ((m.x[n][2] - aa) * sa + py); };

    dc.kolor_tekstu(czarny);
    dc.tlo_tekstu(bialy);
    czcionka_widoku(dc);
    if (m.p_napr == 1 && wyniki && ne > 0)
        pasek_skali(dc, knapr, zakres, sp, h, jednostka(jednostki, Wielkosc::naprezenie));

    dc.przywroc();
    dc.zachowaj();
    czcionka_widoku(dc);
    dc.pedzel(bialy);
    dc.kolor_tekstu(czarny);
    dc.tlo_tekstu(bialy);

    Kreski kreski(dc);
    float fskala = -1.0f;
    if (wyniki) {
        const int nq = 2 * nn;
        float fmax = std::fabs(m.f[1]);
        for (int i = 1; i <= nq; ++i)
            if (std::fabs(m.f[i]) > fmax) fmax = std::fabs(m.f[i]);
        fskala = fmax != 0.0f ? -10.0f / fmax : -1.0f;
        kreski.pioro(pomaranczowy, 1, StylPiora::ciagle);
        kreski.odcinek(50, 10, 50, 40);
        kreski.odcinek(48, 10, 52, 10);
        kreski.odcinek(48, 40, 52, 40);
        kreski.wyslij();
        char bufor[64];
        std::snprintf(bufor, sizeof bufor, "%f", static_cast<double>(30.0f / std::fabs(fskala)));
        const char* dlugosc = jednostka(jednostki, Wielkosc::dlugosc);
        dc.tekst(55, 25, *dlugosc ? std::string(bufor) + " " + dlugosc : bufor);
    }

    const bool przemieszczenia = wyniki && m.p_przem == 1;
    const bool kolory = wyniki && m.p_napr == 1;
    // Axial forces come from the results, and take the place of the bar numbers.
    const bool sily = wyniki && p_n_sil == 1;
    const bool numery_pretow = m.p_n_ele == 1 || m.p_n_pola == 1 || m.p_n_mat == 1 || sily;
    // A bar that carries nothing comes out of the solution with a force of round-off, some 1e-13
    // of the largest: it is labelled 0 rather than with that noise.
    float zero_sil = 0.0f;
    if (sily) {
        for (int b = 1; b <= ne; ++b)
            if (const auto n = sila_osiowa(m, b)) zero_sil = std::max(zero_sil, std::fabs(*n));
        zero_sil *= 1e-6f;
    }
    const bool numery_wezlow = m.p_n_wezl == 1;
    std::optional<Etykiety> etykiety;
    if (numery_pretow || numery_wezlow) etykiety.emplace(dc, szerokosc, wysokosc);
    // The square of the shortest bar on screen at each node, for its number.
    std::vector<float> najkrotszy;
    if (numery_wezlow)
        najkrotszy.assign(static_cast<std::size_t>(nn) + 1, std::numeric_limits<float>::infinity());
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
    auto dX = [&](int n) { return (m.x[n][1] - ax) * sx + (px - 1.0f) - fskala * m.f[2 * n - 1]; };
    auto dY = [&](int n) { return h - ((m.x[n][2] - aa) * sa + py - fskala * m.f[2 * n]); };
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
    for (int b = 1; b <= ne; ++b) {
        const int A = m.noc[b][1], B = m.noc[b][2];
        if (A < 1 || A > nn || B < 1 || B > nn) continue;
        const int j = wyniki ? indeks_koloru(m.stressp[b], zakres) : 0;
        const float xA = sX(A), yA = sY(A), xB = sX(B), yB = sY(B);
        if (przemieszczenia && !(linie_przem && linie_przem->zasloniety(przemieszczona(A, B), b))) {
            kreski.pioro(szary, 1, StylPiora::kropkowane);
            kreski.odcinek(dX(A), dY(A), dX(B), dY(B));
        }
        if (!(linie && linie->zasloniety(linia(A, B), b))) {
            if (kolory)
                kreski.pioro(knapr[j], 2, StylPiora::ciagle);
            else
                kreski.pioro(czarny, 1, StylPiora::ciagle);
            kreski.odcinek(xA, yA, xB, yB);
        }

        const bool kolo_A = ostatni[static_cast<std::size_t>(A)] == b;
        const bool kolo_B = ostatni[static_cast<std::size_t>(B)] == b;
        if (kolo_A || kolo_B) {
            kreski.pioro(czarny, 1, StylPiora::ciagle);
            kreski.wyslij();
        }
        if (kolo_A) dc.elipsa(piksel(xA - 3), piksel(yA - 3), piksel(xA + 3), piksel(yA + 3));
        if (kolo_B) dc.elipsa(piksel(xB - 3), piksel(yB - 3), piksel(xB + 3), piksel(yB + 3));

        // A comparison with NaN is false: a bar of no measurable length keeps its label.
        const float dlugosc2 = (xB - xA) * (xB - xA) + (yB - yA) * (yB - yA);
        if (numery_wezlow) {
            float& a = najkrotszy[static_cast<std::size_t>(A)];
            float& c = najkrotszy[static_cast<std::size_t>(B)];
            if (dlugosc2 < a) a = dlugosc2;
            if (dlugosc2 < c) c = dlugosc2;
        }
        if (!numery_pretow) continue;
        // The bar's labels share one place, and show or not together.
        int liczby[3], ile = 0;
        if (m.p_n_ele == 1) liczby[ile++] = b;
        if (m.p_n_pola == 1) liczby[ile++] = m.noc[b][4];
        if (m.p_n_mat == 1) liczby[ile++] = m.noc[b][3];
        char sila[32] = "";
        if (sily)
            if (const auto n = sila_osiowa(m, b))
                std::snprintf(sila, sizeof sila, "%g",
                              std::fabs(*n) <= zero_sil ? 0.0 : static_cast<double>(*n));
        if (ile == 0 && !*sila) continue;
        int w = *sila ? etykiety->szerokosc(sila) : 0;
        for (int i = 0; i < ile; ++i) w = std::max(w, etykiety->szerokosc(liczby[i]));
        if (dlugosc2 < static_cast<float>(w) * static_cast<float>(w)) continue;
        const int lx = piksel(3 + xA + (xB - xA) * 0.5f), ly = piksel(3 + yA + (yB - yA) * 0.5f);
        if (!etykiety->wolne(lx, ly, w)) continue;
        etykiety->zajmij(lx, ly, w);
        kreski.wyslij();
        for (int i = 0; i < ile; ++i) tekst_liczby(dc, lx, ly, liczby[i]);
        if (*sila) dc.tekst(lx, ly, sila);
    }
    kreski.wyslij();

    // Supports: one pass over the constrained DOFs marks each node, then one pass over the nodes
    // draws in node order.
    if (nd > 0) {
        std::vector<unsigned char> wiezy(static_cast<std::size_t>(nn) + 1, 0);
        unsigned char* w = wiezy.data();
        for (int k = 1; k <= nd; ++k) {
            const int d = m.nu[k];
            const int n = d / 2 + d % 2;
            if (d >= 1 && n <= nn) w[n] |= d % 2 == 1 ? 1 : 2;  // 1: fixed in X, 2: in Y
        }
        kreski.pioro(czarny, 1, StylPiora::ciagle);
        for (int n = 1; n <= nn; ++n)
            if (w[n] != 0) podpora(kreski, sX(n), sY(n), w[n] & 1, w[n] & 2);
        kreski.wyslij();
    }

    if (numery_wezlow) {
        dc.kolor_tekstu(niebieski);
        for (int n = 1; n <= nn; ++n) {
            const int w = etykiety->szerokosc(n);
            if (najkrotszy[static_cast<std::size_t>(n)] <
                static_cast<float>(w) * static_cast<float>(w))
                continue;
            const int x = piksel(sX(n) + 5), y = piksel(sY(n) + 5);
            if (!etykiety->wolne(x, y, w)) continue;
            etykiety->zajmij(x, y, w);
            tekst_liczby(dc, x, y, n);
        }
    }

    if (nl > 0) {
        kreski.pioro(czerwony, 2, StylPiora::ciagle);
        for (int k = 1; k <= nl; ++k) {
            const int d = m.ild[k];
            const int n = d / 2 + d % 2;
            if (d < 1 || n > nn) continue;
            strzalka(kreski, sX(n), sY(n), d % 2 == 0, m.al[k]);
        }
        kreski.wyslij();
    }

    dc.przywroc();
}
