// The main view: the truss fitted to the client area with its supports, forces, numbering and,
// when results are valid, the deformed shape, stress colours and the two scales.
#include <cmath>
#include <cstdio>
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

// Selects a pen only when it differs from the one in force: most bars of a large truss share
// their neighbours' pens, and a pen change is the dearest call of a cheap line.
class Piora {
  public:
    explicit Piora(Powierzchnia& dc) : dc_(dc) {}
    void ustaw(Kolor k, int szerokosc, StylPiora styl) {
        if (znane_ && k == k_ && szerokosc == szerokosc_ && styl == styl_) return;
        dc_.pioro(k, szerokosc, styl);
        znane_ = true, k_ = k, szerokosc_ = szerokosc, styl_ = styl;
    }

  private:
    Powierzchnia& dc_;
    bool znane_ = false;
    Kolor k_;
    int szerokosc_ = 0;
    StylPiora styl_ = StylPiora::ciagle;
};

void czcionka_widoku(Powierzchnia& dc) {
    dc.czcionka("Arial", 12, 400);
}

void odcinek(Powierzchnia& dc, float x1, float y1, float x2, float y2) {
    dc.przesun_do(piksel(x1), piksel(y1));
    dc.linia_do(piksel(x2), piksel(y2));
}

void tekst_liczby(Powierzchnia& dc, float x, float y, int n) {
    char bufor[16];
    std::snprintf(bufor, sizeof bufor, "%d", n);
    dc.tekst(piksel(x), piksel(y), bufor);
}

// Support symbols below or to the right of the node's mapped point.
void podpora(Powierzchnia& dc, float sX, float sY, bool wx, bool wy) {
    if (wy) {
        odcinek(dc, sX, sY + 2, sX - 8, sY + 10);
        dc.linia_do(piksel(sX + 8), piksel(sY + 10));
        dc.linia_do(piksel(sX), piksel(sY + 2));
        // A pin sits on the triangle's base; a roller has a ground line with the hatching below.
        const float podstawa = wx ? 10.0f : 14.0f;
        if (!wx) odcinek(dc, sX - 8, sY + 14, sX + 8, sY + 14);
        for (int s = 0; s <= 4; ++s) {
            const float d = static_cast<float>(4 * s);
            odcinek(dc, sX - 8 + d, sY + podstawa, sX - 14 + d, sY + podstawa + 4);
        }
    } else if (wx) {
        odcinek(dc, sX + 4, sY - 2, sX + 12, sY + 6);
        dc.linia_do(piksel(sX + 12), piksel(sY - 10));
        dc.linia_do(piksel(sX + 4), piksel(sY - 2));
        odcinek(dc, sX + 16, sY - 10, sX + 16, sY + 6);
        for (int s = 0; s <= 4; ++s) {
            const float d = static_cast<float>(4 * s);
            odcinek(dc, sX + 16, sY - 10 + d, sX + 20, sY - 16 + d);
        }
    }
}

// A fixed-length arrow from the node's mapped point along the force's direction; its head is two
// strokes from the tip back to points 6 pixels behind it and 4 to either side.
void strzalka(Powierzchnia& dc, float sX, float sY, bool wzdluz_y, float wartosc) {
    if (!(wartosc < 0.0f || wartosc > 0.0f)) return;
    if (wzdluz_y) {
        const float k = wartosc < 0.0f ? 1.0f : -1.0f;  // model Y grows upwards
        odcinek(dc, sX, sY, sX, sY + 25 * k);
        odcinek(dc, sX, sY + 25 * k, sX - 4, sY + 19 * k);
        odcinek(dc, sX, sY + 25 * k, sX + 4, sY + 19 * k);
    } else {
        const float k = wartosc > 0.0f ? 1.0f : -1.0f;
        odcinek(dc, sX, sY, sX + 25 * k, sY);
        odcinek(dc, sX + 25 * k, sY, sX + 19 * k, sY + 4);
        odcinek(dc, sX + 25 * k, sY, sX + 19 * k, sY - 4);
    }
}

}  // namespace

void _OKNO_::Paint(Powierzchnia& dc, int szerokosc, int wysokosc) {
    Model& m = model;
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

    if (mx == m.ax) mx = m.ax + 1.0f;
    if (ma == m.aa) ma = m.aa + 1.0f;
    // Far from zero a float cannot hold one unit more; the range is then one unit all the same.
    float rx = mx - m.ax, ra = ma - m.aa;
    if (!(rx > 0.0f)) rx = 1.0f;
    if (!(ra > 0.0f)) ra = 1.0f;
    m.sx = (w - 50.0f) / rx;
    m.sa = (h - 50.0f) / ra;
    const float sp = (w - 50.0f) * 0.005f;

    const float ax = m.ax, aa = m.aa, sx = m.sx, sa = m.sa;
    auto sX = [&](int n) { return (m.x[n][1] - ax) * sx + 25.0f; };
    auto sY = [&](int n) { return h - ((m.x[n][2] - aa) * sa + 40.0f); };

    dc.kolor_tekstu(czarny);
    dc.tlo_tekstu(bialy);
    czcionka_widoku(dc);
    if (m.p_napr == 1 && wyniki && ne > 0) pasek_skali(dc, knapr, zakres, sp, h);

    dc.przywroc();
    dc.zachowaj();
    czcionka_widoku(dc);
    dc.pedzel(bialy);
    dc.kolor_tekstu(czarny);
    dc.tlo_tekstu(bialy);

    float fskala = -1.0f;
    if (wyniki) {
        const int nq = 2 * nn;
        float fmax = std::fabs(m.f[1]);
        for (int i = 1; i <= nq; ++i)
            if (std::fabs(m.f[i]) > fmax) fmax = std::fabs(m.f[i]);
        fskala = fmax != 0.0f ? -10.0f / fmax : -1.0f;
        dc.pioro(pomaranczowy, 1, StylPiora::ciagle);
        dc.przesun_do(50, 10);
        dc.linia_do(50, 40);
        dc.przesun_do(48, 10);
        dc.linia_do(52, 10);
        dc.przesun_do(48, 40);
        dc.linia_do(52, 40);
        char bufor[64];
        std::snprintf(bufor, sizeof bufor, "%f", static_cast<double>(30.0f / std::fabs(fskala)));
        dc.tekst(55, 25, bufor);
    }

    Piora piora(dc);
    const bool przemieszczenia = wyniki && m.p_przem == 1;
    const bool kolory = wyniki && m.p_napr == 1;
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
    for (int b = 1; b <= ne; ++b) {
        const int A = m.noc[b][1], B = m.noc[b][2];
        if (A < 1 || A > nn || B < 1 || B > nn) continue;
        const int j = wyniki ? indeks_koloru(m.stressp[b], zakres) : 0;
        const float xA = sX(A), yA = sY(A), xB = sX(B), yB = sY(B);
        if (przemieszczenia) {
            auto dX = [&](int n) {
                return (m.x[n][1] - ax) * sx + 24.0f - fskala * m.f[2 * n - 1];
            };
            auto dY = [&](int n) {
                return h - ((m.x[n][2] - aa) * sa + 40.0f - fskala * m.f[2 * n]);
            };
            piora.ustaw(szary, 1, StylPiora::kropkowane);
            odcinek(dc, dX(A), dY(A), dX(B), dY(B));
        }
        if (kolory)
            piora.ustaw(knapr[j], 2, StylPiora::ciagle);
        else
            piora.ustaw(czarny, 1, StylPiora::ciagle);
        odcinek(dc, xA, yA, xB, yB);

        const bool kolo_A = ostatni[static_cast<std::size_t>(A)] == b;
        const bool kolo_B = ostatni[static_cast<std::size_t>(B)] == b;
        if (kolo_A || kolo_B) piora.ustaw(czarny, 1, StylPiora::ciagle);
        if (kolo_A) dc.elipsa(piksel(xA - 3), piksel(yA - 3), piksel(xA + 3), piksel(yA + 3));
        if (kolo_B) dc.elipsa(piksel(xB - 3), piksel(yB - 3), piksel(xB + 3), piksel(yB + 3));

        const float lx = 3 + xA + (xB - xA) * 0.5f, ly = 3 + yA + (yB - yA) * 0.5f;
        if (m.p_n_ele == 1) tekst_liczby(dc, lx, ly, b);
        if (m.p_n_pola == 1) tekst_liczby(dc, lx, ly, m.noc[b][4]);
        if (m.p_n_mat == 1) tekst_liczby(dc, lx, ly, m.noc[b][3]);
    }

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
        dc.pioro(czarny, 1, StylPiora::ciagle);
        for (int n = 1; n <= nn; ++n)
            if (w[n] != 0) podpora(dc, sX(n), sY(n), w[n] & 1, w[n] & 2);
    }

    if (m.p_n_wezl == 1) {
        dc.kolor_tekstu(niebieski);
        for (int n = 1; n <= nn; ++n) tekst_liczby(dc, sX(n) + 5, sY(n) + 5, n);
    }

    if (nl > 0) {
        dc.pioro(czerwony, 2, StylPiora::ciagle);
        for (int k = 1; k <= nl; ++k) {
            const int d = m.ild[k];
            const int n = d / 2 + d % 2;
            if (d < 1 || n > nn) continue;
            strzalka(dc, sX(n), sY(n), d % 2 == 0, m.al[k]);
        }
    }

    dc.przywroc();
}
