// A platform port that shows nothing and answers every question with its default, for benchmarks
// and for tests that only look at what the main window draws or stores.
#pragma once

#include <memory>
#include <string>

#include "okno/platforma.h"

class CichyPort : public Platforma {
  public:
    int MessageBox(const std::string&, const std::string&, Ikona, Przyciski) override {
        return IDOK;
    }
    int Dialog(int, void*, int) override { return 2; }
    bool OknoOtworz(UstawieniaPliku&) override { return false; }
    bool OknoZapisz(UstawieniaPliku&) override { return false; }
    void Odswiez() override {}
    void UstawTytul(const std::string&) override {}
    void UstawWspolrzedne(const std::string&) override {}
    UchwytOkna UtworzOknoTabeli(std::unique_ptr<OknoTabeli>) override { return 0; }
    void ZniszczOknoTabeli(UchwytOkna) override {}
    void OtworzDokument(const std::string&) override {}
    void ZamknijGlowne() override {}
};

// A surface that draws nothing, with a fixed width per character: what painting costs in itself.
class PustaPowierzchnia : public Powierzchnia {
  public:
    void pioro(Kolor, int, StylPiora) override {}
    void pedzel(Kolor) override {}
    void czcionka(const std::string&, int, int) override {}
    void kolor_tekstu(Kolor) override {}
    void tlo_tekstu(Kolor) override {}
    void prostokat(int, int, int, int) override {}
    void przesun_do(int, int) override {}
    void linia_do(int, int) override {}
    void odcinki(const OdcinekEkranu*, std::size_t) override {}
    void elipsa(int, int, int, int) override {}
    void tekst(int, int, const std::string&) override {}
    int szerokosc_tekstu(const std::string& t) override { return 8 * static_cast<int>(t.size()); }
    void zachowaj() override {}
    void przywroc() override {}
};

// A table window with no content.
class PustaTabela : public OknoTabeli {
  public:
    std::string tytul() const override { return "test"; }
    int szerokosc() const override { return 1; }
    int wysokosc() const override { return 1; }
    bool wlasnosc_glownego() const override { return true; }
    int szerokosc_tresci() const override { return 1; }
    int wysokosc_tresci() const override { return 1; }
    void Paint(Powierzchnia&, int, int) override {}
    bool CanClose() override { return true; }
};
