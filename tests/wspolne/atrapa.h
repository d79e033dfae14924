// SPDX-License-Identifier: GPL-3.0-or-later
// The scripted stand-in of the platform port: it answers message boxes, dialogs and file
// dialogs from a script, records what was shown in order, and types into dialogs only what the
// real controls would accept.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "okno/platforma.h"
#include "report/dokument.h"

class _OKNO_;

// What the user does in one showing of a dialog: texts typed into edits (by control id, each
// replacing the control's text), check boxes and radio buttons set ("1" or "0"), items chosen in
// lists (their place from "0"), and the button. A value with a unit of another quantity keeps
// the dialog open with a message, as the real one does: the next entry goes on typing into it.
struct Wpis {
    std::vector<std::pair<int, std::string>> pola;
    int wynik = 1;  // 1 OK, 2 cancel (the "Anuluj" button, Escape or the close box)
};

struct Komunikat {
    std::string tekst, tytul;
    Ikona ikona;
    Przyciski przyciski;
};

// One showing of a dialog: its template and the control texts it opened with, then the record's
// texts after it closed.
struct Pokaz {
    int szablon;
    std::map<int, std::string> przy_otwarciu;
    std::map<int, std::string> po_zamknieciu;
    int wynik;
};

class Atrapa : public Platforma {
  public:
    // Scripts: answers are taken from the front. A message box with no scripted answer gets OK
    // (or No for a question); a dialog with no scripted entry is a scripting error and cancels.
    std::deque<int> odpowiedzi;
    std::deque<Wpis> wpisy;
    std::deque<std::optional<std::string>> pliki;  // nullopt: the user cancels the file dialog
    std::deque<int> wybory;  // pop-up menus: the item chosen (from 1), 0 none; none scripted: 0

    // What happened, in order of time.
    std::vector<std::string> dziennik;  // one line per event, e.g. "box: <text>", "dialog 3050"
    std::vector<Komunikat> komunikaty;
    std::vector<Pokaz> pokazy;
    std::vector<std::string> katalogi;  // the folder each file dialog started in
    int odswiezenia = 0;
    std::string tytul;
    std::string wspolrzedne;
    std::vector<std::string> dokumenty;
    std::string status;                                 // the status bar's text
    std::vector<std::vector<PozycjaKontekstowa>> menu;  // the pop-up menus shown
    std::map<std::string, std::string> ustawienia;      // kept between runs
    UkladJednostek jednostki = UkladJednostek::brak;    // as the main window told them
    ArkuszDanych* arkusz = nullptr;                     // the data sheet shown, null when closed
    int zmiany_zaznaczenia = 0;
    // Reports handed over: each with the file it went to (empty: printed).
    std::vector<std::pair<std::string, DokumentRaportu>> raporty;
    int bledy_skryptu = 0;
    _OKNO_* okno = nullptr;  // for close requests
    bool zamkniete = false;

    struct Tabela {
        std::unique_ptr<OknoTabeli> okno;
        bool zywe = true;
    };
    std::map<UchwytOkna, Tabela> tabele;

    // Texts of the message boxes shown so far.
    std::vector<std::string> teksty() const;
    // Live table windows.
    int zywe_tabele() const;
    // The user closes a table window with its close box.
    bool zamknij_tabele_uzytkownik(UchwytOkna h);

    int MessageBox(const std::string& tekst, const std::string& tytul, Ikona ikona,
                   Przyciski przyciski) override;
    int Dialog(int szablon, void* rekord, int cyfry) override;
    int DialogZSzablonu(const SzablonDialogu& s, void* rekord, int cyfry) override;
    bool OknoOtworz(UstawieniaPliku& s) override;
    bool OknoZapisz(UstawieniaPliku& s) override;
    void Odswiez() override;
    void UstawTytul(const std::string& t) override;
    void UstawWspolrzedne(const std::string& t) override;
    UchwytOkna UtworzOknoTabeli(std::unique_ptr<OknoTabeli> o) override;
    void ZniszczOknoTabeli(UchwytOkna h) override;
    void OtworzDokument(const std::string& plik) override;
    void ZamknijGlowne() override;
    void UstawStatus(const std::string& t) override { status = t; }
    int MenuKontekstowe(const std::vector<PozycjaKontekstowa>& p) override;
    // Jobs for the analysis thread: run at once, or with `odkladaj_prace` kept until the test
    // finishes them (wykonaj_prace: the work, then its completion, as the thread would).
    bool odkladaj_prace = false;
    std::deque<std::pair<std::function<void()>, std::function<void()>>> prace;
    void UruchomWTle(std::function<void()> praca, std::function<void()> gotowe) override {
        if (!odkladaj_prace) return praca(), gotowe();
        prace.emplace_back(std::move(praca), std::move(gotowe));
    }
    void wykonaj_prace() {
        while (!prace.empty()) {
            auto p = std::move(prace.front());
            prace.pop_front();
            p.first();
            p.second();
        }
    }
    std::string przyklady;  // the examples' folder
    std::string KatalogPrzykladow() override { return przyklady; }
    std::string Ustawienie(const std::string& k) override { return ustawienia[k]; }
    bool ZapiszRaport(const std::string& plik, const DokumentRaportu& d, std::string&) override {
        dziennik.push_back("raport: " + plik);
        raporty.emplace_back(plik, d);
        return true;
    }
    void DrukujRaport(const DokumentRaportu& d) override {
        dziennik.push_back("wydruk raportu");
        raporty.emplace_back("", d);
    }
    void ZapiszUstawienie(const std::string& k, const std::string& w) override {
        ustawienia[k] = w;
    }
    void UstawJednostki(UkladJednostek u) override { jednostki = u; }
    void PokazArkusz(ArkuszDanych& a) override {
        arkusz = &a;
        dziennik.push_back("arkusz");
    }
    void ZamknijArkusz() override { arkusz = nullptr; }
    void ZmianaZaznaczenia() override { ++zmiany_zaznaczenia; }

  private:
    bool plik(UstawieniaPliku& s, const char* rodzaj);
    UchwytOkna nastepny_ = 1;
};
