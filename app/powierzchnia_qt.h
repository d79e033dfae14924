// The drawing surface over a QPainter: the views draw through it on screen and into images.
#pragma once

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPen>
#include <QPoint>
#include <optional>
#include <string>
#include <vector>

#include "view/powierzchnia.h"

class QPainter;

// Rectangles and ellipses leave out their right and bottom edges, lines their last point, and
// text takes its font's whole cell height below (x, y), as the views' coordinates expect. The
// surface starts with a black 1-pixel pen, a white brush, Arial 12, black text on white; it
// changes the painter's pen, brush, font and hints for good.
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
    void elipsa(int lewo, int gora, int prawo, int dol) override;
    void tekst(int x, int y, const std::string& t) override;
    int szerokosc_tekstu(const std::string& t) override;
    void zachowaj() override;
    void przywroc() override;

    // The font the surface would select for a face, cell height and weight.
    static QFont czcionka_qt(const std::string& kroj, int wysokosc, int waga);

  private:
    struct Stan {
        QPen pen;
        QBrush brush;
        QFont font;
        QColor tekst, tlo;
    };
    void ustaw_czcionke(const QFont& f);

    QPainter& p_;
    QPoint biezacy_{0, 0};
    QColor tekst_{Qt::black}, tlo_{Qt::white};
    std::optional<QFontMetrics> metryka_;
    std::vector<Stan> stos_;
};
