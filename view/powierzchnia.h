// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing surface: exactly the drawing operations the views use. The program draws through
// a QPainter adapter; tests draw on a recording surface.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

struct Kolor {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Kolor&, const Kolor&) = default;
};

inline constexpr Kolor bialy{255, 255, 255};
inline constexpr Kolor czarny{0, 0, 0};
inline constexpr Kolor jasnoszary{192, 192, 192};

enum class StylPiora { ciagle, kropkowane };

// A straight segment from (x1, y1) to (x2, y2) in pixels.
struct OdcinekEkranu {
    int x1, y1, x2, y2;
};

class Powierzchnia {
  public:
    virtual ~Powierzchnia() = default;
    // Pen for lines and outlines.
    virtual void pioro(Kolor k, int szerokosc, StylPiora styl) = 0;
    // Solid brush for filling rectangles and ellipses.
    virtual void pedzel(Kolor k) = 0;
    // Font by face, cell height in pixels and weight (400 normal).
    virtual void czcionka(const std::string& kroj, int wysokosc, int waga) = 0;
    virtual void kolor_tekstu(Kolor k) = 0;
    // Background behind text, which is drawn opaque.
    virtual void tlo_tekstu(Kolor k) = 0;
    // Rectangle outlined with the pen and filled with the brush; right and bottom exclusive.
    virtual void prostokat(int lewo, int gora, int prawo, int dol) = 0;
    virtual void przesun_do(int x, int y) = 0;
    virtual void linia_do(int x, int y) = 0;
    // Segments drawn with the current pen exactly as przesun_do and linia_do would draw them one
    // after another; the current position is left at the last one's end. One call for many
    // segments of one pen spares the surface a call and a pen check per segment.
    virtual void odcinki(const OdcinekEkranu* s, std::size_t n) = 0;
    // Ellipse inscribed in the rectangle, outlined with the pen and filled with the brush.
    virtual void elipsa(int lewo, int gora, int prawo, int dol) = 0;
    // Text with its top-left corner at (x, y).
    virtual void tekst(int x, int y, const std::string& t) = 0;
    // How many pixels the text takes across in the current font.
    virtual int szerokosc_tekstu(const std::string& t) = 0;
    // Pen, brush, font and text colours as the surface had them before a paint.
    virtual void zachowaj() = 0;
    virtual void przywroc() = 0;
};
