// SPDX-License-Identifier: GPL-3.0-or-later
// A drawing surface that keeps what one paint of a table drew, to draw it again page by page:
// a table formats its rows once, however many pages they take.
#pragma once

#include <QColor>
#include <QFontMetrics>
#include <QRawFont>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "view/powierzchnia.h"

class PowierzchniaQt;
class QPainter;

class Nagranie : public Powierzchnia {
  public:
    // `wysokosc`: how far down the content goes, in pixels.
    explicit Nagranie(int wysokosc);
    ~Nagranie() override;

    // Whether a page may end just above content row y: nothing drawn reaches across it.
    bool mozna_ciac(int y) const;
    // Where the lowest thing drawn ends, and the rightmost.
    int dol() const { return dol_; }
    int prawo() const { return prawo_; }

    // Sorts what was drawn into pages: page i takes what begins in rows od[i] .. od[i + 1] - 1
    // (od ascending, od[0] = 0).
    void podziel(const std::vector<int>& od);
    // Draws page i's part through dc, the surface over p, in the order it was drawn, with the
    // text without its background. Text in ASCII goes to the painter as one run of glyphs for
    // many texts, placed along the baseline as the surface places them: a printer's cost is
    // mostly per text drawn, and a page of a long table holds some two hundred.
    void odtworz(QPainter& p, PowierzchniaQt& dc, std::size_t i) const;

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

  private:
    enum class Rodzaj : std::uint8_t { tekst, linia, prostokat, elipsa };
    // Pens, brushes, fonts and colours: a table uses a few such sets, each kept once.
    struct Stan {
        Kolor pioro = czarny;
        int szerokosc = 1;
        StylPiora styl = StylPiora::ciagle;
        Kolor pedzel = bialy;
        std::string kroj = "Arial";
        int wysokosc = 12, waga = 400;
        Kolor tekst = czarny, tlo = bialy;
        bool operator==(const Stan&) const = default;
    };
    struct Krok {
        Rodzaj rodzaj;
        std::uint32_t stan;
        int gora;  // the row it begins in
        int a, b, c, d;
        std::uint32_t tekst = 0, dlugosc = 0;  // of a text, in teksty_
    };
    // The glyphs of printable ASCII in a state's font and colour, with their advances.
    struct Glify {
        QRawFont font;
        QColor kolor;
        int wznios = 0;
        std::uint32_t indeks[128] = {};
        double postep[128] = {};
    };
    struct Przebieg;

    const Glify& glify(std::uint32_t stan) const;
    static void ustaw(Powierzchnia& dc, const Stan* byl, const Stan& s);
    void dodaj(Krok k);
    void zajmij(int gora, int dol, int prawo);

    std::vector<unsigned char> zajete_;
    std::vector<Krok> kroki_;
    std::string teksty_;
    std::vector<Stan> stany_;
    Stan biezacy_;
    bool zmiana_ = true;
    std::uint32_t stan_ = 0;
    std::vector<Stan> stos_;
    std::vector<std::uint32_t> strony_, kolejnosc_;
    mutable std::vector<std::unique_ptr<Glify>> glify_;
    std::optional<QFontMetrics> metryka_;
    int postep_[128] = {};
    int x_ = 0, y_ = 0, dol_ = 0, prawo_ = 0;
};
