// SPDX-License-Identifier: GPL-3.0-or-later
// The platform port: the few things the main window asks of a windowing layer. The program
// implements it with Qt Widgets; the tests with a scripted stand-in.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "files/jednostki.h"
#include "resources/szablony.h"
#include "view/powierzchnia.h"

class ArkuszDanych;

enum class Ikona { stop, pytajnik, wykrzyknik };
enum class Przyciski { ok, tak_nie, tak_nie_anuluj };
// Message box answers.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// Settings shared by the open and the save dialog; the name last chosen is offered again.
struct UstawieniaPliku {
    std::string filtr = "Pliki Velkore2D (*.V2D)|*.V2D|";
    std::string rozszerzenie = "V2D";
    // The folder a dialog starts in (empty: the platform's choice). The commands set it to the
    // folder of the last file opened or saved, so a failed attempt elsewhere does not move it.
    std::string katalog;
    bool musi_istniec = true;  // the file chosen for opening must exist
    std::string nazwa;         // the last name chosen, with its path
};

// The logic of a table window (input data or results): it draws its content on a scrolled
// surface and answers whether it may close.
class OknoTabeli {
  public:
    virtual ~OknoTabeli() = default;
    virtual std::string tytul() const = 0;
    // Position and size of the new window in pixels.
    virtual int x() const { return 20; }
    virtual int y() const { return 20; }
    virtual int szerokosc() const = 0;
    virtual int wysokosc() const = 0;
    // Owned by the main window (closes with it) or a top-level window of its own.
    virtual bool wlasnosc_glownego() const = 0;
    // Content size in pixels, for the scroll bars.
    virtual int szerokosc_tresci() const = 0;
    virtual int wysokosc_tresci() const = 0;
    // Draws the content in unscrolled coordinates; rows wholly outside od_y..do_y may be skipped.
    virtual void Paint(Powierzchnia& dc, int od_y, int do_y) = 0;
    // Asked when the user closes the window.
    virtual bool CanClose() = 0;
    // Called once for every repaint request, outside the paint itself.
    virtual void przed_odswiezeniem() {}
};

// Picture files of the main view.
enum class FormatObrazu { png, svg, pdf };

// What a print holds: the main view on the first page, then each table from a page of its own,
// its rows split between pages.
struct Wydruk {
    std::string nazwa;                // the project's file name, for the page headers
    int szerokosc = 0, wysokosc = 0;  // the window's size in pixels
    std::function<void(Powierzchnia&, int, int)> rysunek;  // draws the main view at a size
    // The height the drawing needs at a width to show the whole truss at one scale; none: the
    // window's proportions.
    std::function<int(Powierzchnia&, int)> wysokosc_rysunku;
    std::vector<std::unique_ptr<OknoTabeli>> tabele;
};

// An item of a pop-up menu: its label with the mnemonic and whether it can be chosen.
struct PozycjaKontekstowa {
    std::string etykieta;
    bool wlaczona = true;
};

// A handle of a table window; destroying a window that is already gone does nothing.
using UchwytOkna = int;

struct DokumentRaportu;

class Platforma {
  public:
    virtual ~Platforma() = default;

    // A modal message box owned by the main window; returns IDOK, IDYES, IDNO or IDCANCEL.
    virtual int MessageBox(const std::string& tekst, const std::string& tytul, Ikona ikona,
                           Przyciski przyciski) = 0;
    // A modal dialog built from template `szablon` over the transfer record at `rekord`;
    // returns 1 for OK and 2 for cancel. `cyfry` is the number of digits of the model's largest
    // count, which sets how many digits an entity-number field accepts.
    virtual int Dialog(int szablon, void* rekord, int cyfry) = 0;
    // The same for a template made at run time (lists of the project's load cases, a field for
    // each case): it and the record live as long as the call.
    virtual int DialogZSzablonu(const SzablonDialogu&, void*, int) { return 2; }
    // The common open and save dialogs; true when a name was chosen (it is left in s.nazwa).
    virtual bool OknoOtworz(UstawieniaPliku& s) = 0;
    virtual bool OknoZapisz(UstawieniaPliku& s) = 0;

    // Invalidates the main view with erasing, so that it repaints.
    virtual void Odswiez() = 0;
    virtual void UstawTytul(const std::string& tytul) = 0;
    // The cursor readout window's text.
    virtual void UstawWspolrzedne(const std::string& tekst) = 0;

    virtual UchwytOkna UtworzOknoTabeli(std::unique_ptr<OknoTabeli> okno) = 0;
    virtual void ZniszczOknoTabeli(UchwytOkna okno) = 0;

    // Opens a document through the desktop; the outcome is not reported.
    virtual void OtworzDokument(const std::string& plik) = 0;
    // Asks the main window to close; it consults _OKNO_::CanClose.
    virtual void ZamknijGlowne() = 0;

    // The frame's status bar: what lies under the cursor.
    virtual void UstawStatus(const std::string&) {}
    // The highlight over the main view changed: show it without drawing the view again.
    virtual void OdswiezWskazanie() {}
    // A pop-up menu at the cursor; the chosen item's place from 1, or 0 when none was chosen.
    virtual int MenuKontekstowe(const std::vector<PozycjaKontekstowa>&) { return 0; }
    // Settings kept between runs of the program, by key; empty when none is kept.
    virtual std::string Ustawienie(const std::string&) { return {}; }
    virtual void ZapiszUstawienie(const std::string&, const std::string&) {}
    // A picture of w x h pixels drawn by `rysuj`, written into a file; false, with the reason,
    // when it could not be written.
    virtual bool ZapiszObraz(const std::string&, FormatObrazu, int, int,
                             const std::function<void(Powierzchnia&)>&, std::string& powod) {
        powod = "Brak obsługi obrazów";
        return false;
    }
    // Prints, after a preview in which the user may still give up.
    virtual void Drukuj(const Wydruk&) {}
    // The calculation report laid out into pages and written as a PDF file, replaced only once
    // complete; false, with the reason, when it could not be.
    virtual bool ZapiszRaport(const std::string&, const DokumentRaportu&, std::string& powod) {
        powod = "Brak obsługi raportów";
        return false;
    }
    // The report printed through the same pages, after a preview in which the user may give up.
    virtual void DrukujRaport(const DokumentRaportu&) {}
    // The units the dialogs' labels name from now on.
    virtual void UstawJednostki(UkladJednostek) {}
    // Repaints the open table windows, whose headers may name other units now.
    virtual void OdswiezTabele() {}
    // The data sheet over `arkusz`: opened, or brought to the front when it is open. It follows
    // the model at each repaint request (Odswiez) and the selection at ZmianaZaznaczenia.
    virtual void PokazArkusz(ArkuszDanych&) {}
    virtual void ZamknijArkusz() {}
    // The selection of nodes and bars changed.
    virtual void ZmianaZaznaczenia() {}
    // Runs `praca` off the interface thread, one job after another, and then `gotowe` on the
    // interface thread; where there is no such thread, both at once.
    virtual void UruchomWTle(std::function<void()> praca, std::function<void()> gotowe) {
        praca();
        gotowe();
    }
    // The folder of the examples that come with the program; empty when there are none.
    virtual std::string KatalogPrzykladow() { return {}; }
};
