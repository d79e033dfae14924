// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing surface over a QPainter: the views draw through it on screen and into images.
#pragma once

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPen>
#include <QPoint>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "view/powierzchnia.h"

class QImage;
class QLine;
class QPainter;

// Rectangles and ellipses leave out their right and bottom edges, lines their last point, and
// text takes its font's whole cell height below (x, y), as the views' coordinates expect. The
// surface starts with a black 1-pixel pen, a white brush, Arial 12, black text on white; it
// changes the painter's pen, brush, font and hints for good.
//
// Into a plain 32-bit image the surface draws short lines and small ellipses by stamping: the
// first time a shape (its pen, its size) comes again, Qt draws it once into a scratch image, and
// from then on the very pixels Qt set are set directly wherever the shape lies wholly inside the
// image. Qt draws aliased 1-pixel lines, 2-pixel solid ones and small 1-pixel ellipses between
// whole-pixel points alike wherever they lie, so the picture is Qt's own to the pixel, at a
// fraction of a painter call per shape. Other pens and larger shapes go to the painter.
class PowierzchniaQt : public Powierzchnia {
  public:
    explicit PowierzchniaQt(QPainter& p);
    ~PowierzchniaQt() override;

    void pioro(Kolor k, int szerokosc, StylPiora styl) override;
    void pedzel(Kolor k) override;
    void czcionka(const std::string& kroj, int wysokosc, int waga) override;
    void kolor_tekstu(Kolor k) override;
    void tlo_tekstu(Kolor k) override;
    void prostokat(int lewo, int gora, int prawo, int dol) override;
    void przesun_do(int x, int y) override;
    void linia_do(int x, int y) override;
    void odcinki(const OdcinekEkranu* s, std::size_t n) override;
    void elipsa(int lewo, int gora, int prawo, int dol) override;
    void tekst(int x, int y, const std::string& t) override;
    int szerokosc_tekstu(const std::string& t) override;
    void zachowaj() override;
    void przywroc() override;

    // Text from now on without its background: on paper, where nothing lies under a table's text
    // and the window's grey would only be ink.
    void tekst_bez_tla() { bez_tla_ = true; }

    // The font the surface would select for a face, cell height and weight.
    static QFont czcionka_qt(const std::string& kroj, int wysokosc, int waga);

  private:
    struct Pioro {
        Kolor kolor;
        int szerokosc;
        StylPiora styl;
    };
    struct Stan {
        Pioro pioro;
        Kolor pedzel;
        QFont font;
        QColor tekst, tlo;
    };
    // The pixels of one shape relative to its anchor, as offsets into the image's rows.
    struct Odcisk {
        bool gotowy = false, wierny = false;
        int lewo = 0, gora = 0, prawo = 0, dol = 0;  // bounds of the pixels about the anchor
        std::vector<std::int32_t> piora, pedzla;
    };
    struct Brudnopis;

    void ustaw_czcionke(const QFont& f);
    void ustaw_pioro(const Pioro& p);
    void ustaw_pedzel(Kolor k);
    // The painter gets the surface's pen only when it is to draw with it.
    void pioro_do_malarza();
    // Draws the segment a-b as linia_do does, stamped where it can be; false and the line for
    // the painter in `reszta` where it cannot.
    bool odcinek(QPoint a, QPoint b, QLine& reszta);
    // The stamp of a line from kotwica to koniec or of an ellipse in the box with those corners,
    // drawn in the scratch image the second time the shape comes; null when the painter must
    // draw it.
    const Odcisk* odcisk(std::uint64_t klucz, QPoint kotwica, QPoint koniec, bool elipsa);
    // Sets a stamp's pixels with the anchor at (x, y); false when some would fall outside.
    bool odcisnij(const Odcisk& o, int x, int y);

    QPainter& p_;
    QPoint biezacy_{0, 0};
    QColor tekst_{Qt::black}, tlo_{Qt::white};
    bool bez_tla_ = false;
    std::optional<QFontMetrics> metryka_;
    std::vector<Stan> stos_;
    Pioro pioro_{czarny, 1, StylPiora::ciagle};
    bool pioro_w_malarzu_ = false;
    Kolor pedzel_ = bialy;

    // Direct drawing: the image's pixels while the painter allows it, else null.
    std::uint32_t* piksele_ = nullptr;
    qsizetype wiersz_ = 0;
    int szer_ = 0, wys_ = 0;
    std::uint32_t rgb_piora_ = 0, rgb_pedzla_ = 0;
    std::uint32_t rodzaj_piora_ = 0;  // stamps are kept apart by it; 0: this pen is not stamped
    std::unordered_map<std::uint64_t, Odcisk> odciski_;
    std::unique_ptr<Brudnopis> brudnopis_;
};
