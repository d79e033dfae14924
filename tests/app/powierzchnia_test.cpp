// SPDX-License-Identifier: GPL-3.0-or-later
// The QPainter surface puts pixels where the views' coordinates say.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <climits>
#include <functional>
#include <memory>
#include <random>

#include "app/tabela_qt.h"
#include "qt/powierzchnia_qt.h"
#include "tests/wspolne/cichy_port.h"
#include "tests/wspolne/kratownice.h"
#include "view/dane.h"
#include "view/wyniki.h"

namespace {

const QColor szary(100, 100, 100);

QImage rysuj(const std::function<void(Powierzchnia&)>& f, int w = 40, int h = 40) {
    QImage obraz(w, h, QImage::Format_RGB32);
    obraz.fill(szary);
    QPainter p(&obraz);
    {
        PowierzchniaQt dc(p);
        f(dc);
    }
    p.end();
    return obraz;
}

// The pixels of a colour, as a set of "x,y".
std::set<std::pair<int, int>> piksele(const QImage& o, QColor k) {
    std::set<std::pair<int, int>> w;
    for (int y = 0; y < o.height(); ++y)
        for (int x = 0; x < o.width(); ++x)
            if (o.pixelColor(x, y) == k) w.insert({x, y});
    return w;
}

std::set<std::pair<int, int>> prostokat(int l, int t, int r, int b) {
    std::set<std::pair<int, int>> w;
    for (int y = t; y < b; ++y)
        for (int x = l; x < r; ++x) w.insert({x, y});
    return w;
}

TEST(PowierzchniaQt, AOnePixelLineCoversItsPointsButTheLast) {
    struct Przypadek {
        int x1, y1, x2, y2;
        std::set<std::pair<int, int>> piksele;
    };
    const Przypadek tabela[] = {
        {2, 5, 10, 5, prostokat(2, 5, 10, 6)},
        {7, 20, 7, 12, prostokat(7, 13, 8, 21)},
        {3, 3, 7, 7, {{3, 3}, {4, 4}, {5, 5}, {6, 6}}},
        {10, 5, 2, 5, prostokat(3, 5, 11, 6)},
        {7, 7, 3, 3, {{7, 7}, {6, 6}, {5, 5}, {4, 4}}},
        {4, 4, 5, 4, {{4, 4}}},
        {4, 4, 4, 4, {}},
    };
    for (const Przypadek& p : tabela) {
        const QImage o = rysuj([&](Powierzchnia& dc) {
            dc.pioro(czarny, 1, StylPiora::ciagle);
            dc.przesun_do(p.x1, p.y1);
            dc.linia_do(p.x2, p.y2);
        });
        EXPECT_EQ(piksele(o, Qt::black), p.piksele) << p.x1 << "," << p.y1;
    }
}

TEST(PowierzchniaQt, ARectangleCoversLeftToRightMinusOneAndTopToBottomMinusOne) {
    const QImage o = rysuj([](Powierzchnia& dc) {
        dc.pioro(czarny, 1, StylPiora::ciagle);
        dc.pedzel(Kolor{255, 0, 0});
        dc.prostokat(3, 4, 12, 10);
    });
    auto wszystko = piksele(o, Qt::black);
    wszystko.merge(piksele(o, Qt::red));
    EXPECT_EQ(wszystko, prostokat(3, 4, 12, 10));
    EXPECT_EQ(piksele(o, Qt::red), prostokat(4, 5, 11, 9)) << "the brush fills inside the pen";
    // The whole client area painted white leaves nothing of the background.
    const QImage cale = rysuj([](Powierzchnia& dc) {
        dc.pioro(bialy, 1, StylPiora::ciagle);
        dc.pedzel(bialy);
        dc.prostokat(0, 0, 40, 40);
    });
    EXPECT_EQ(piksele(cale, Qt::white).size(), 1600u);
    // Boxes one pixel wide or high are lines and dots, not nothing.
    const QImage waskie = rysuj([](Powierzchnia& dc) {
        dc.pioro(czarny, 1, StylPiora::ciagle);
        dc.prostokat(2, 2, 3, 8);
        dc.prostokat(5, 5, 6, 6);
        dc.elipsa(9, 9, 10, 10);
    });
    auto oczekiwane = prostokat(2, 2, 3, 8);
    oczekiwane.insert({{5, 5}, {9, 9}});
    EXPECT_EQ(piksele(waskie, Qt::black), oczekiwane);
}

TEST(PowierzchniaQt, AnEllipseStaysInsideItsBox) {
    const QImage o = rysuj([](Powierzchnia& dc) {
        dc.pedzel(bialy);
        dc.elipsa(10, 10, 17, 17);  // a node circle of the main view
    });
    auto obrys = piksele(o, Qt::black);
    obrys.merge(piksele(o, Qt::white));
    EXPECT_TRUE(std::includes(prostokat(10, 10, 17, 17).begin(), prostokat(10, 10, 17, 17).end(),
                              obrys.begin(), obrys.end()));
    EXPECT_TRUE(obrys.count({10, 13}) && obrys.count({16, 13}) && obrys.count({13, 16}));
}

TEST(PowierzchniaQt, WidthAndDotsShapeTheLine) {
    const QImage gruba = rysuj([](Powierzchnia& dc) {
        dc.pioro(czarny, 2, StylPiora::ciagle);
        dc.przesun_do(5, 20);
        dc.linia_do(30, 20);
    });
    for (int x = 8; x < 28; ++x) {
        const int n = (gruba.pixelColor(x, 19) == Qt::black) +
                      (gruba.pixelColor(x, 20) == Qt::black) +
                      (gruba.pixelColor(x, 21) == Qt::black);
        EXPECT_EQ(n, 2) << x;
    }
    const QImage kropki = rysuj([](Powierzchnia& dc) {
        dc.pioro(Kolor{128, 128, 128}, 1, StylPiora::kropkowane);
        dc.przesun_do(0, 20);
        dc.linia_do(40, 20);
    });
    const auto szare = piksele(kropki, QColor(128, 128, 128));
    EXPECT_GT(szare.size(), 8u);
    EXPECT_LT(szare.size(), 30u) << "gaps between the dots";
    EXPECT_EQ(piksele(kropki, Qt::white).size(), 0u) << "the gaps show what lies beneath";
}

// Into a 32-bit image the surface stamps lines and ellipses it has met before. The stamps must set
// the very pixels the painter sets, for every pen, anywhere in the image or across its edge, and
// in the order they come; an image of another format gets the painter's own drawing throughout.
TEST(PowierzchniaQt, StampedShapesSetTheVeryPixelsThePainterSets) {
    struct Ksztalt {
        bool elipsa;
        int x, y, dx, dy, szerokosc;
        StylPiora styl;
        Kolor pioro, pedzel;
    };
    const int szer = 2000, wys = 1200;
    std::mt19937 los(2024);
    auto z = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(los); };
    const Kolor kolory[] = {czarny, Kolor{0, 150, 242}, Kolor{255, 107, 0}, Kolor{128, 128, 128}};
    std::vector<Ksztalt> ksztalty;
    for (int i = 0; i < 3000; ++i) {
        const int zasieg = i % 10 == 0 ? 300 : i % 3 == 0 ? 70 : 16;
        Ksztalt k{i % 4 == 0,
                  0,
                  0,
                  z(-zasieg, zasieg),
                  z(-zasieg, zasieg),
                  z(1, 3),
                  z(0, 1) ? StylPiora::kropkowane : StylPiora::ciagle,
                  kolory[z(0, 3)],
                  kolory[z(0, 3)]};
        if (k.elipsa) k.dx = z(-1, 70), k.dy = z(-1, 70);
        if (i % 5 == 0) k.elipsa = true, k.dx = k.dy = 6, k.szerokosc = 1;  // a node circle
        for (int n = 0; n < 3; ++n) {
            k.x = z(-40, szer + 40), k.y = z(-40, wys + 40);
            ksztalty.push_back(k);
        }
    }
    auto maluj = [&](QImage::Format format) {
        QImage o(szer, wys, format);
        o.fill(szary);
        QPainter p(&o);
        {
            PowierzchniaQt dc(p);
            for (std::size_t i = 0; i < ksztalty.size(); ++i) {
                const Ksztalt& k = ksztalty[i];
                dc.pioro(k.pioro, k.szerokosc, k.styl);
                dc.pedzel(k.pedzel);
                if (k.elipsa) {
                    dc.elipsa(k.x, k.y, k.x + k.dx, k.y + k.dy);
                } else if (i % 2 == 0) {
                    dc.przesun_do(k.x, k.y);
                    dc.linia_do(k.x + k.dx, k.y + k.dy);
                } else {
                    const OdcinekEkranu s{k.x, k.y, k.x + k.dx, k.y + k.dy};
                    dc.odcinki(&s, 1);
                }
            }
        }
        p.end();
        return o.convertToFormat(QImage::Format_RGB32);
    };
    const QImage stemple = maluj(QImage::Format_RGB32);
    const QImage malarz = maluj(QImage::Format_RGB888);
    int rozne = 0, czarne = 0;
    for (int y = 0; y < wys; ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(stemple.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(malarz.constScanLine(y));
        for (int x = 0; x < szer; ++x) rozne += a[x] != b[x], czarne += a[x] == 0xFF000000u;
    }
    EXPECT_EQ(rozne, 0);
    EXPECT_GT(czarne, 10000) << "the shapes were drawn";
}

// Segments handed on together are drawn as the same segments one by one would be, with the
// current position left at the last one's end.
TEST(PowierzchniaQt, SegmentsTogetherDrawAsOneByOne) {
    const OdcinekEkranu s[] = {
        {2, 3, 30, 3}, {5, 5, 5, 30}, {8, 8, 25, 30}, {INT_MIN, 20, INT_MAX, 20}};
    for (int w : {1, 2}) {
        const QImage razem = rysuj([&](Powierzchnia& dc) {
            dc.pioro(czarny, w, StylPiora::ciagle);
            dc.odcinki(s, 4);
            dc.linia_do(39, 39);
        });
        const QImage osobno = rysuj([&](Powierzchnia& dc) {
            dc.pioro(czarny, w, StylPiora::ciagle);
            for (const OdcinekEkranu& o : s) {
                dc.przesun_do(o.x1, o.y1);
                dc.linia_do(o.x2, o.y2);
            }
            dc.linia_do(39, 39);
        });
        EXPECT_EQ(piksele(razem, Qt::black), piksele(osobno, Qt::black)) << w;
    }
}

TEST(PowierzchniaQt, TextHasItsTopLeftCornerAtThePointOnItsBackground) {
    const QImage o = rysuj(
        [](Powierzchnia& dc) {
            dc.czcionka("Arial", 12, 400);
            dc.kolor_tekstu(Kolor{0, 0, 255});
            dc.tlo_tekstu(bialy);
            dc.tekst(20, 10, "Węzeł 7");
        },
        120, 40);
    // The cell is filled from (20, 10) on, 12 pixels high; nothing above or left of it.
    EXPECT_EQ(o.pixelColor(20, 10), QColor(Qt::white));
    EXPECT_EQ(o.pixelColor(20, 21), QColor(Qt::white));
    EXPECT_EQ(o.pixelColor(20, 22), szary);
    EXPECT_EQ(o.pixelColor(19, 15), szary);
    EXPECT_EQ(o.pixelColor(25, 9), szary);
    auto tusz = [&o](QRect r) {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                n += o.pixelColor(x, y).blue() > 200 && o.pixelColor(x, y).red() < 100;
        return n;
    };
    EXPECT_GT(tusz(QRect(20, 10, 60, 12)), 20);
    EXPECT_EQ(tusz(QRect(0, 0, 120, 10)) + tusz(QRect(0, 0, 20, 40)), 0) << "none above, left";
    EXPECT_GT(tusz(QRect(20, 10, 3, 12)), 0) << "the ink starts at the corner";
}

TEST(PowierzchniaQt, FontsAreChosenByCellHeightFaceAndWeight) {
    for (int h : {12, 16, 20, 40}) {
        const QFont f = PowierzchniaQt::czcionka_qt("Arial", h, 400);
        const int cela = QFontMetrics(f).height();
        EXPECT_LE(cela, h);
        EXPECT_GE(cela, h - 2) << h;
        EXPECT_EQ(QFontInfo(f).family(), "Liberation Sans");
        EXPECT_EQ(f.weight(), QFont::Normal);
    }
    EXPECT_EQ(PowierzchniaQt::czcionka_qt("Arial", 12, 700).weight(), QFont::Bold);
    EXPECT_EQ(PowierzchniaQt::czcionka_qt("Arial", 12, 0).weight(), QFont::Normal);
    EXPECT_GE(QFontMetrics(PowierzchniaQt::czcionka_qt("Arial", 0, 400)).height(), 1);
}

TEST(PowierzchniaQt, RestoreBringsBackWhatWasSaved) {
    const QImage o = rysuj([](Powierzchnia& dc) {
        dc.pioro(Kolor{255, 0, 0}, 1, StylPiora::ciagle);
        dc.pedzel(Kolor{0, 255, 0});
        dc.zachowaj();
        dc.pioro(Kolor{0, 0, 255}, 3, StylPiora::kropkowane);
        dc.pedzel(czarny);
        dc.przywroc();
        dc.przywroc();  // more restores than saves change nothing
        dc.prostokat(5, 5, 15, 15);
    });
    EXPECT_EQ(o.pixelColor(5, 10), QColor(Qt::red));
    EXPECT_EQ(o.pixelColor(10, 10), QColor(Qt::green));
}

TEST(PowierzchniaQt, FarCoordinatesAreClippedNotOverflowed) {
    const QImage o = rysuj([](Powierzchnia& dc) {
        dc.pioro(czarny, 1, StylPiora::ciagle);
        dc.elipsa(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
        dc.pedzel(Kolor{100, 100, 100});
        dc.prostokat(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
        dc.prostokat(7, 7, 7, 30);  // empty
        dc.tekst(INT_MAX, INT_MIN, "x");
        dc.przesun_do(INT_MIN, 20);
        dc.linia_do(INT_MAX, 20);
        dc.przesun_do(INT_MAX, INT_MIN);
        dc.linia_do(INT_MIN, INT_MAX);
    });
    for (int x = 0; x < 40; ++x) EXPECT_EQ(o.pixelColor(x, 20), QColor(Qt::black)) << x;
    EXPECT_EQ(o.pixelColor(7, 25), szary);
    EXPECT_EQ(o.pixelColor(30, 30), szary);
}

TEST(PowierzchniaQt, TextWidthIsTheCurrentFontsAndHoldsAllTheInk) {
    const char* t = "-210000003072.000";
    int w12 = 0, w16 = 0;
    const QImage o = rysuj(
        [&](Powierzchnia& dc) {
            dc.czcionka("Arial", 12, 400);
            w12 = dc.szerokosc_tekstu(t);
            dc.czcionka("Arial", 16, 400);
            w16 = dc.szerokosc_tekstu(t);
            dc.kolor_tekstu(czarny);
            dc.tlo_tekstu(bialy);
            dc.tekst(10, 5, t);
        },
        200, 30);
    EXPECT_EQ(w16,
              QFontMetrics(PowierzchniaQt::czcionka_qt("Arial", 16, 400)).horizontalAdvance(t));
    EXPECT_LT(w12, w16);
    int prawo = 0;
    for (int y = 0; y < o.height(); ++y)
        for (int x = 0; x < o.width(); ++x)
            if (o.pixelColor(x, y) != szary && o.pixelColor(x, y).red() < 200)
                prawo = std::max(prawo, x);
    EXPECT_LT(prawo, 10 + w16);
    EXPECT_GT(prawo, 10 + w16 - 10) << "the last digit ends near the measured width";
}

// Columns of ink along a row of an image, split where at least `przerwa` columns have none.
std::vector<std::pair<int, int>> skupiska(const QImage& o, int y0, int y1, int x0, int przerwa) {
    std::vector<std::pair<int, int>> w;
    for (int x = x0; x < o.width(); ++x) {
        bool tusz = false;
        for (int y = y0; y < y1 && !tusz; ++y) tusz = o.pixelColor(x, y).red() < 100;
        if (!tusz) continue;
        if (w.empty() || x - w.back().second > przerwa)
            w.push_back({x, x});
        else
            w.back().second = x;
    }
    return w;
}

TEST(OknoTabeliQt, WideCellsMeasuredThroughTheAdapterKeepApartAndStayInReach) {
    // A modulus of fourteen characters: the thermal coefficient after it must not cover its
    // last digits.
    Model m;
    zbuduj(m, Opis{.wezly = {{0, 0}, {4, 0}},
                   .prety = {{1, 2, 1, 1}},
                   .materialy = {{2.1e9f, 1.2e-5f}}});
    OknoTabeliQt dane(std::make_unique<_DANE_>(m), nullptr);
    const QImage obraz = dane.viewport()->grab().toImage();
    // Material 1 is the row at y 245 (3 rows of bars and nodes above it).
    const auto s = skupiska(obraz, 245, 261, 90, 6);
    const int modul = QFontMetrics(PowierzchniaQt::czcionka_qt("Arial", 16, 400))
                          .horizontalAdvance("2100000000.000");
    ASSERT_EQ(s.size(), 2u) << "modulus and coefficient, apart";
    EXPECT_GE(s[0].second - s[0].first, modul - 4) << "the modulus is whole";

    // Displacements so wide the two columns run far beyond the window: the scroll bar reaches
    // the end of the second.
    CichyPort port;
    zbuduj(m, Opis{.wezly = {{0, 0}, {4, 0}}, .prety = {{1, 2, 1, 1}}});
    m.f[1] = -3e38f, m.f[2] = -3e38f;
    OknoTabeliQt wyniki(std::make_unique<_WYNIKI_>(m, port), nullptr);
    wyniki.viewport()->grab();
    const int komorka = QFontMetrics(PowierzchniaQt::czcionka_qt("Arial", 16, 400))
                            .horizontalAdvance(QString::asprintf("%2.15f", -3e38));
    EXPECT_GE(wyniki.horizontalScrollBar()->maximum() + wyniki.viewport()->width(),
              100 + 2 * komorka);
}

}  // namespace
