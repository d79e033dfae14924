// SPDX-License-Identifier: GPL-3.0-or-later
// A drawing surface that records every call with its arguments and the pen, brush, font and text
// colours in force at the time, so tests can ask what a paint drew and how.
#pragma once

#include <string>
#include <vector>

#include "view/powierzchnia.h"

// The state a surface carries between calls.
struct StanPowierzchni {
    Kolor pioro = czarny;
    int szerokosc = 1;
    StylPiora styl = StylPiora::ciagle;
    Kolor pedzel = bialy;
    std::string kroj;
    int wysokosc = 0;
    int waga = 0;
    Kolor tekst = czarny;
    Kolor tlo = bialy;
};

enum class Wywolanie {
    pioro,
    pedzel,
    czcionka,
    kolor_tekstu,
    tlo_tekstu,
    prostokat,
    przesun_do,
    linia_do,
    elipsa,
    tekst,
    zachowaj,
    przywroc
};

// One call. Coordinates: prostokat and elipsa use x1,y1 (left, top) and x2,y2 (right, bottom);
// linia_do has its start point in x1,y1 (the current position) and its end in x2,y2; przesun_do
// and tekst use x1,y1. The state is the one after a setter call and in force for a drawing call.
struct Operacja {
    Wywolanie rodzaj;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::string tekst;  // tekst: the text; czcionka: the face
    StanPowierzchni stan;
};

// A straight segment drawn with linia_do.
struct Odcinek {
    int x1, y1, x2, y2;
    StanPowierzchni stan;
};

class Nagrywarka : public Powierzchnia {
  public:
    // Every character takes this many pixels across, whatever the font; not recorded.
    static constexpr int szerokosc_znaku = 7;

    std::vector<Operacja> operacje;
    StanPowierzchni stan;  // current state
    int x = 0, y = 0;      // current position

    void pioro(Kolor k, int szerokosc, StylPiora styl) override;
    void pedzel(Kolor k) override;
    void czcionka(const std::string& kroj, int wysokosc, int waga) override;
    void kolor_tekstu(Kolor k) override;
    void tlo_tekstu(Kolor k) override;
    void prostokat(int lewo, int gora, int prawo, int dol) override;
    void przesun_do(int x, int y) override;
    void linia_do(int x, int y) override;
    // Recorded as one linia_do per segment, from its start to its end.
    void odcinki(const OdcinekEkranu* s, std::size_t n) override;
    void elipsa(int lewo, int gora, int prawo, int dol) override;
    void tekst(int x, int y, const std::string& t) override;
    int szerokosc_tekstu(const std::string& t) override;
    void zachowaj() override;
    void przywroc() override;

    void wyczysc();

    // Operations of one kind, in order.
    std::vector<Operacja> wszystkie(Wywolanie r) const;
    // Every text drawn, in order.
    std::vector<std::string> teksty() const;
    // Texts drawn in the given text colour.
    std::vector<std::string> teksty_w_kolorze(Kolor k) const;
    // The first text equal to t, or nullptr.
    const Operacja* znajdz_tekst(const std::string& t) const;
    // Every segment drawn with linia_do.
    std::vector<Odcinek> odcinki() const;
    // Segments drawn with a pen of the given colour.
    std::vector<Odcinek> odcinki_piorem(Kolor k) const;
    // Whether a segment joins the two points (in either direction).
    bool jest_odcinek(int x1, int y1, int x2, int y2) const;
    // Rectangles and ellipses filled with the given brush.
    std::vector<Operacja> prostokaty_pedzlem(Kolor k) const;
    std::vector<Operacja> elipsy_pedzlem(Kolor k) const;
    // Number of drawing calls (rectangles, lines, ellipses, texts), setters not counted.
    int rysunki() const;

  private:
    std::vector<StanPowierzchni> stos_;
    void dodaj(Wywolanie r, int x1 = 0, int y1 = 0, int x2 = 0, int y2 = 0, std::string t = {});
};
