// SPDX-License-Identifier: GPL-3.0-or-later
// The main view rendered through the QPainter surface: the pixels land where the view says.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStatusBar>
#include <cstdlib>
#include <filesystem>

#include "app/ramka_qt.h"
#include "app/widok_qt.h"
#include "files/v2d.h"
#include "okno/okno.h"
#include "qt/powierzchnia_qt.h"
#include "tests/app/pomoc.h"
#include "tests/wspolne/cichy_port.h"
#include "tests/wspolne/kratownice.h"
#include "tests/wspolne/wzorzec.h"

namespace {

struct WidokWObrazie : ::testing::Test {
    CichyPort port;
    _OKNO_ o{port};
    QImage maluj(int w, int h) {
        QImage obraz(w, h, QImage::Format_RGB32);
        obraz.fill(QColor(1, 2, 3));  // anything the view leaves unpainted shows
        QPainter p(&obraz);
        {
            PowierzchniaQt dc(p);
            o.Paint(dc, w, h);
        }
        p.end();
        return obraz;
    }
    static QColor q(Kolor k) { return QColor(k.r, k.g, k.b); }
};

TEST_F(WidokWObrazie, PretJestCzarnyNaBialymTle) {
    zbuduj(o.model, Opis{.wezly = {{0, 0}, {10, 0}}, .prety = {{1, 2, 1, 1}}});
    o.model.p_n_ele = 0, o.model.p_n_wezl = 0;
    const QImage obraz = maluj(400, 300);
    // The bar runs from (25, 260) to (375, 260), with circles of radius 3 at its ends.
    for (int x = 30; x <= 370; x += 10) {
        EXPECT_EQ(obraz.pixelColor(x, 260), Qt::black) << x;
        EXPECT_EQ(obraz.pixelColor(x, 255), Qt::white) << x;
        EXPECT_EQ(obraz.pixelColor(x, 265), Qt::white) << x;
    }
    EXPECT_EQ(obraz.pixelColor(0, 0), Qt::white);
    EXPECT_EQ(obraz.pixelColor(399, 299), Qt::white);
    EXPECT_EQ(obraz.pixelColor(200, 100), Qt::white);
    // The circle's outline is black around a white inside.
    EXPECT_EQ(obraz.pixelColor(22, 260), Qt::black);
    EXPECT_EQ(obraz.pixelColor(25, 257), Qt::black);
}

TEST_F(WidokWObrazie, PasekSkaliPokazujeKoloryPalety) {
    zbuduj(o.model,
           Opis{.wezly = {{0, 5}, {10, 5}, {10, 6}}, .prety = {{1, 2, 1, 1}, {2, 3, 1, 1}}});
    o.model.p_n_ele = 0, o.model.p_n_wezl = 0, o.model.p_napr = 1, o.model.p_przem = 0;
    o.model.obliczono = 1;
    o.model.stressp[1] = -120, o.model.stressp[2] = 80;
    const int h = 300;
    const QImage obraz = maluj(450, h);  // segments 2 pixels wide from x = 25
    for (int i : {1, 2, 50, 99, 100, 101, 150, 199, 200}) {
        const int x = 25 + 2 * (i - 1);
        EXPECT_EQ(obraz.pixelColor(x, h - 5), q(o.knapr[i])) << i;
        EXPECT_EQ(obraz.pixelColor(x + 1, h - 8), q(o.knapr[i])) << i;
    }
    EXPECT_EQ(obraz.pixelColor(100, h - 1), Qt::black);
    EXPECT_EQ(obraz.pixelColor(100, h - 10), Qt::black);
    // Bar 1 at -120 is blue, bar 2 at 80 dark red, both 2 pixels wide, above the scale's band.
    const int y = static_cast<int>(o.odwzorowanie().ekran_y(5));
    EXPECT_EQ(obraz.pixelColor(200, y), q(o.knapr[200]));
    EXPECT_EQ(obraz.pixelColor(200, y - 1), q(o.knapr[200]));
    EXPECT_EQ(obraz.pixelColor(425, y - 100), q(o.knapr[0]));
}

TEST_F(WidokWObrazie, NumeryWezlowSaNiebieskie) {
    zbuduj(o.model, Opis{.wezly = {{0, 0}, {10, 10}}});
    const QImage obraz = maluj(300, 300);
    // Node 1 at (25, 260): its number sits at (30, 265), 12 pixels high.
    // Text is smoothed: count the pixels where blue clearly dominates.
    auto niebieskie = [&](int x0, int y0) {
        int n = 0;
        for (int y = y0; y < y0 + 12; ++y)
            for (int x = x0; x < x0 + 10; ++x) {
                const QColor k = obraz.pixelColor(x, y);
                n += k.blue() > k.red() + 100 && k.blue() > k.green() + 100;
            }
        return n;
    };
    EXPECT_GT(niebieskie(30, 265), 5);
    EXPECT_GT(niebieskie(280, 15), 5);
    EXPECT_EQ(niebieskie(100, 100), 0);
}

// The example projects as the window shows them at two common sizes, before and after an
// analysis with stress colours on, all four pictures in one image per project. The reference
// images under wzorce/ were drawn by the view once its labels went through the label placer, its
// deformed shape over a lighter truss and its legends into bands of their own: a drawing must
// look exactly as it did unless a change means to alter it. Results come from
// the test's own reference solver, so a change in the analysis's last digits cannot move a pixel.
// To draw the references again (only on purpose, on code known to draw them right), run this test
// with VELKORA_NOWE_WZORCE=1: the images are written into the source tree instead of compared.
TEST_F(WidokWObrazie, PrzykladyWygladajaJakDotadZKazdaEtykieta) {
    namespace fs = std::filesystem;
    const fs::path zrodla = fs::path(__FILE__).parent_path().parent_path().parent_path();
    const fs::path wzorce = zrodla / "tests" / "app" / "wzorce";
    const bool nowe = std::getenv("VELKORA_NOWE_WZORCE") != nullptr;
    // Beside the examples, a Pratt truss of 3000 bays, thousands of bars to a pixel column, with
    // made-up results: the view leaves out lines drawn again later, which must not show.
    for (const char* nazwa : {"most_pratta", "dach_osiadanie", "pret_temperatura", "gesty_pratt"}) {
        SCOPED_TRACE(nazwa);
        Wzorzec w;
        if (std::string(nazwa) == "gesty_pratt") {
            pratt(o.model, 3000);
            for (int i = 1; i <= o.model.nq; ++i) w.u.push_back(1e-4 * (i * 7 % 11 - 5));
            for (int b = 1; b <= o.model.ne; ++b) w.stress.push_back(b % 37 - 18);
        } else {
            std::string powod;
            ASSERT_TRUE(otworz_v2d((zrodla / "examples" / (std::string(nazwa) + ".V2D")).string(),
                                   o.model, powod))
                << powod;
            w = rozwiaz_wzorzec(o.model);
            ASSERT_FALSE(w.osobliwy);
        }
        QImage zestaw(2560, 1200, QImage::Format_RGB32);
        zestaw.fill(Qt::black);
        QPainter p(&zestaw);
        for (const int wyniki : {0, 1}) {
            o.model.obliczono = wyniki, o.model.p_napr = wyniki;
            for (int i = 1; i <= o.model.nq; ++i) o.model.f[i] = static_cast<float>(w.u[i - 1]);
            for (int b = 1; b <= o.model.ne; ++b)
                o.model.stressp[b] = static_cast<float>(w.stress[b - 1]);
            p.drawImage(1280 * wyniki, 0, maluj(1280, 800));
            p.drawImage(1280 * wyniki, 800, maluj(640, 400));
        }
        p.end();
        const fs::path plik = wzorce / (std::string(nazwa) + ".png");
        if (nowe) {
            fs::create_directories(wzorce);
            ASSERT_TRUE(zestaw.save(QString::fromStdString(plik.string()), "PNG", 0));
            continue;
        }
        const QImage wzor =
            QImage(QString::fromStdString(plik.string())).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(wzor.size(), zestaw.size()) << plik;
        int rozne = 0;
        QImage roznica = wzor;
        for (int y = 0; y < wzor.height(); ++y)
            for (int x = 0; x < wzor.width(); ++x)
                if (wzor.pixel(x, y) != zestaw.pixel(x, y)) {
                    ++rozne;
                    roznica.setPixel(x, y, qRgb(255, 0, 255));
                }
        if (rozne > 0) {
            const QString gdzie = QDir::temp().filePath(QString("velkora_%1").arg(nazwa));
            zestaw.save(gdzie + "_jest.png");
            roznica.save(gdzie + "_roznica.png");
            ADD_FAILURE() << rozne << " pixels differ; see " << gdzie.toStdString()
                          << "_jest.png and _roznica.png (differences in magenta)";
        }
    }
}

// The widget keeps the view's picture between paints. It is drawn again after every repaint
// request, and whenever a command shows a modal window: a change made before the window or after
// it shows at the next paint, even without a request of its own.
TEST(WidokGlowny, ZachowanyObrazRysujeSieOdNowaPoProsbieIPrzyOknieModalnym) {
    WidokGlowny widok;
    widok.resize(300, 300);
    widok.show();  // a hidden widget is told its size again at every grab
    Model& m = widok.okno().model;
    zbuduj(m, Opis{.wezly = {{0, 0}, {10, 10}}});
    m.p_n_wezl = 0;
    // Node 1's number would be at (30, 265).
    auto numer = [&] {
        const QImage o = widok.grab().toImage();
        int n = 0;
        for (int y = 265; y < 277; ++y)
            for (int x = 30; x < 40; ++x)
                n += o.pixelColor(x, y).blue() > o.pixelColor(x, y).red() + 100;
        return n > 5;
    };
    widok.port().Odswiez();
    EXPECT_FALSE(numer());
    m.p_n_wezl = 1;
    EXPECT_FALSE(numer()) << "no request, no drawing: the kept picture shows";
    widok.port().Odswiez();
    EXPECT_TRUE(numer());
    m.p_n_wezl = 0;
    z_modalnym(
        [&](QWidget* w) {
            EXPECT_FALSE(numer()) << "under the box, the model as it is";
            m.p_n_wezl = 1;
            static_cast<QDialog*>(w)->accept();
        },
        [&] { return widok.port().MessageBox("?", "Velkora 2D", Ikona::pytajnik, Przyciski::ok); });
    EXPECT_TRUE(numer()) << "after the box, the model as the command left it";
}

// What lies under the cursor is highlighted over the kept picture, which is not drawn again for
// it, and named in the frame's status bar.
TEST(WidokGlowny, WskazanieRysujeSieNadZachowanymObrazemIOpisujeWPaskuStanu) {
    Ramka r("Velkora 2D");
    r.resize(400, 400);
    r.show();
    WidokGlowny& widok = r.widok();
    Model& m = widok.okno().model;
    zbuduj(m, Opis{.wezly = {{0, 0}, {10, 10}}, .prety = {{1, 2, 1, 1}}});
    m.p_n_wezl = 0;
    widok.port().Odswiez();
    widok.grab();
    const Odwzorowanie o = widok.okno().odwzorowanie();
    const QPoint wezel(static_cast<int>(o.ekran_x(0)), static_cast<int>(o.ekran_y(0)));
    auto ruch = [&](QPoint p) {
        QMouseEvent e(QEvent::MouseMove, p, p, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&widok, &e);
    };
    // Magenta pixels about the node, and blue ones of its number.
    auto piksele = [&](QColor k) {
        const QImage obraz = widok.grab().toImage();
        int n = 0;
        for (int y = wezel.y() - 6; y < wezel.y() + 18; ++y)
            for (int x = wezel.x() - 6; x < wezel.x() + 16; ++x) n += obraz.pixelColor(x, y) == k;
        return n;
    };
    m.p_n_wezl = 1;  // no repaint asked for: the picture stays as it was
    ruch(wezel);
    EXPECT_GT(piksele(QColor(220, 0, 220)), 20);
    EXPECT_EQ(piksele(QColor(0, 0, 255)), 0) << "the hover drew the view again";
    EXPECT_EQ(r.statusBar()->currentMessage().toStdString(), "Węzeł 1: X = 0.000, Y = 0.000");
    ruch(wezel + QPoint(0, -60));
    EXPECT_EQ(piksele(QColor(220, 0, 220)), 0);
    EXPECT_EQ(r.statusBar()->currentMessage(), "");
}

TEST(OdczytWspolrzednych, EtykietaIOkienkoRosnaDoNajszerszejCzesciTekstu) {
    WidokGlowny widok;
    widok.resize(450, 250);
    OknoWsp* wsp = widok.wsp();
    QLabel* xx = wsp->etykieta();
    auto ruch = [&](int x, int y) {
        QMouseEvent e(QEvent::MouseMove, QPointF(x, y), QPointF(x, y), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(&widok, &e);
    };
    // At 1/40 of a pixel per unit the cursor lies thousands of units out.
    widok.okno().maxx = 250;
    widok.okno().model.sx = 0.04f;
    widok.okno().model.sa = 0.04f;
    for (const auto& [x, y] : {std::pair{105, 170}, {100025, -399750}}) {
        ruch(x, y);
        SCOPED_TRACE(xx->text().toStdString());
        EXPECT_GT(xx->text().size(), 15);
        for (const QString& czesc : xx->text().split(' ', Qt::SkipEmptyParts))
            EXPECT_GE(xx->width(), xx->fontMetrics().horizontalAdvance(czesc))
                << czesc.toStdString();
        EXPECT_GE(xx->height(), xx->heightForWidth(xx->width())) << "every line shows";
        const QRect w = QRect(xx->mapTo(wsp, QPoint(0, 0)), xx->size());
        EXPECT_TRUE(wsp->rect().contains(w)) << "the window holds the label";
        EXPECT_GE(wsp->width(), 110);
        EXPECT_GE(wsp->height(), 100);
    }
    // Back at short coordinates the window is as it was created.
    widok.okno().model.sx = 40.0f;
    widok.okno().model.sa = 200.0f;
    ruch(105, 170);
    EXPECT_EQ(xx->text(), "x= 2.00, y= 0.20");
    EXPECT_EQ(wsp->size(), QSize(110, 100));
    EXPECT_EQ(xx->size(), QSize(60, 60));
}

}  // namespace
