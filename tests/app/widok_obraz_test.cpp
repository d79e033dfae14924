// The main view rendered through the QPainter surface: the pixels land where the view says.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "app/powierzchnia_qt.h"
#include "app/widok_qt.h"
#include "okno/okno.h"
#include "tests/wspolne/cichy_port.h"
#include "tests/wspolne/kratownice.h"

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
    // Bar 1 at -120 is blue, bar 2 at 80 dark red, both 2 pixels wide.
    EXPECT_EQ(obraz.pixelColor(200, 260), q(o.knapr[200]));
    EXPECT_EQ(obraz.pixelColor(200, 259), q(o.knapr[200]));
    EXPECT_EQ(obraz.pixelColor(425, 100), q(o.knapr[0]));
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
