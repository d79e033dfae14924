// SPDX-License-Identifier: GPL-3.0-or-later
// The project's life: new, open, save, close and quit, with their questions and captions.
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "files/eksport.h"
#include "files/v2d.h"
#include "files/v2dp.h"
#include "files/wymiarowanie_projektu.h"
#include "files/wyniki_projektu.h"
#include "okno/okno.h"

namespace {

// The folder a path lies in, with links and dots resolved; empty when it does not exist.
std::string folder_kanoniczny(const std::string& sciezka) {
    std::error_code e;
    const std::filesystem::path f =
        std::filesystem::canonical(std::filesystem::path(sciezka).parent_path(), e);
    return e ? std::string() : f.string();
}

bool pytaj(Platforma& port, const std::string& pytanie) {
    return port.MessageBox(pytanie, "Velkora 2D", Ikona::pytajnik, Przyciski::tak_nie) == IDYES;
}
// A file a save would replace; a folder or a device the save refuses by itself.
bool istnieje_plik(const std::string& sciezka) {
    struct stat st;
    return ::stat(sciezka.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}
std::string folder_pliku(const std::string& sciezka) {
    const std::size_t ukosnik = sciezka.find_last_of('/');
    return ukosnik == std::string::npos ? "" : ukosnik == 0 ? "/" : sciezka.substr(0, ukosnik);
}
// The file dialogs' kinds: both formats for opening; for saving, the one the project fits first.
constexpr const char* filtr_otwarcia =
    "Projekty Velkora 2D (*.v2dp *.V2D)|*.v2dp;*.V2D|"
    "Projekt z przypadkami obciążeń (*.v2dp)|*.v2dp|Pliki Velkore2D (*.V2D)|*.V2D|";
constexpr const char* filtr_zapisu_v2d =
    "Pliki Velkore2D (*.V2D)|*.V2D|Projekt z przypadkami obciążeń (*.v2dp)|*.v2dp|";
constexpr const char* filtr_zapisu_v2dp =
    "Projekt z przypadkami obciążeń (*.v2dp)|*.v2dp|Pliki Velkore2D (*.V2D)|*.V2D|";

std::string nazwa_w_folderze(const std::string& sciezka) {
    return sciezka.substr(sciezka.find_last_of('/') + 1);
}

// What a .V2D file would lose of the project, for the question before such a save.
std::string co_przepadnie(const Projekt& p) {
    std::string t;
    auto dodaj = [&t](const std::string& co) { t += (t.empty() ? "" : ", ") + co; };
    if (p.przypadki.size() > 1)
        dodaj("pozostałe przypadki obciążeń (" + std::to_string(p.przypadki.size() - 1) + ")");
    if (!p.wlasne.empty()) dodaj("kombinacje własne");
    if (std::any_of(p.ciezar.begin(), p.ciezar.end(), [](float g) { return g != 0.0f; }))
        dodaj("ciężary objętościowe materiałów");
    if (std::any_of(p.przypadki.begin(), p.przypadki.end(),
                    [](const PrzypadekObciazen& c) { return c.ciezar_wlasny; }))
        dodaj("ciężar własny");
    if (!p.tytul.empty() || !p.autor.empty() || !p.opis.empty()) dodaj("tytuł, autor i opis");
    if (jest_wymiarowanie(p.wymiarowanie))
        dodaj("dane wymiarowania (profile, gatunki stali, długości wyboczeniowe)");
    return t;
}

void blad_dysku(Platforma& port, const char* tekst, const std::string& powod) {
    // The reason goes on a line of its own under the message.
    const std::string t = powod.empty() ? tekst : std::string(tekst) + "\n" + powod;
    port.MessageBox(t, "Błąd operacji dyskowej", Ikona::wykrzyknik, Przyciski::ok);
}
}  // namespace

// The dialog offers the name last chosen, which may well be another project's: after a No it
// comes back in the folder just chosen, and only a file that is written moves the next dialog's
// folder for good (the caller does that).
bool _OKNO_::nazwa_do_zapisu(UstawieniaPliku& s, std::string& nazwa) {
    const std::string udany = s.katalog;
    for (;;) {
        if (!port.OknoZapisz(s)) {
            s.katalog = udany;
            return false;
        }
        nazwa = s.nazwa;
        // The bundled examples stay as they come, whatever the folder's permissions.
        if (w_folderze_przykladow(nazwa)) {
            port.MessageBox(
                "Przykłady dołączone do programu pozostają bez zmian.\nZapisz plik w "
                "innym folderze.",
                "Velkora 2D", Ikona::wykrzyknik, Przyciski::ok);
            continue;
        }
        if (!istnieje_plik(nazwa)) break;
        const std::string krotka = nazwa.substr(nazwa.find_last_of('/') + 1);
        if (pytaj(port, "Plik " + krotka + " już istnieje.\nZastąpić go?")) break;
        s.katalog = folder_pliku(nazwa);
    }
    s.katalog = udany;
    return true;
}

void _OKNO_::Zwol_pam() {
    if (model.Pusty == 0) zamknij_tabele(true);
    zwolnij_model(model);
    port.Odswiez();
}

void _OKNO_::nowy_dokument(bool zapisany) {
    historia.wyczysc();
    // Another project: nothing of it is selected.
    zaznaczenie.wyczysc();
    port.ZmianaZaznaczenia();
    wersja = ++ostatnia_wersja;
    wersja_zapisana = zapisany ? wersja : 0;
}

void _OKNO_::nowy_projekt() {
    projekt = Projekt{};
    uzgodnij(model, projekt);
}

void _OKNO_::odswiez_tytul() {
    std::string t = ma_zmiany() ? model.caption + " *" : model.caption;
    if (t == pokazany_tytul_) return;
    pokazany_tytul_ = t;
    port.UstawTytul(pokazany_tytul_);
}

bool _OKNO_::pozwol_porzucic() {
    if (!ma_zmiany()) return true;
    const std::string nazwa =
        plik_projektu.empty() ? "Beznazwy.V2D" : nazwa_w_folderze(plik_projektu);
    const int odp = port.MessageBox("Zapisać zmiany w projekcie " + nazwa + "?", "Velkora 2D",
                                    Ikona::pytajnik, Przyciski::tak_nie_anuluj);
    if (odp == IDNO) return true;
    if (odp != IDYES) return false;
    Cm_zapisz_projekt();
    return !ma_zmiany();
}

void _OKNO_::Cm_Nowy() {
    if (model.Pusty == 0) {
        // With changes, the question is whether to save them; without, the usual one.
        if (ma_zmiany() ? !pozwol_porzucic() : !pytaj(port, "Utworzyć nowy projekt ?")) return;
        Zwol_pam();
    }
    Model& m = model;
    m.nn = m.ne = m.nl = m.nm = m.na = m.nq = m.nd = m.ntel = 0;
    m.obliczono = 0;
    m.Pusty = 0;
    plik_projektu.clear();
    nowy_projekt();
    nowy_dokument(true);
    ustaw_caption("Velkora 2D - Beznazwy.V2D");
}

void _OKNO_::Cm_Otworz() {
    // The open model is given up only for a file that has been read and accepted: a cancelled
    // dialog or a refused file leaves it, its results and the caption as they were. Unsaved
    // changes are offered for saving first.
    if (!pozwol_porzucic()) return;
    _plik_->filtr = filtr_otwarcia;
    if (!port.OknoOtworz(*_plik_)) return;
    otworz_plik(_plik_->nazwa);
}

bool _OKNO_::otworz_plik(const std::string& nazwa) {
    // The project format by its extension; anything else is read as .V2D, which has no mark.
    ZawartoscProjektu z;
    std::string powod;
    const bool v2dp = nazwa_projektu_v2dp(nazwa);
    if (!(v2dp ? czytaj_projekt(nazwa, z, powod) : czytaj_v2d(nazwa, z.k, powod))) {
        // The file is named: it may have come from the command line or the file manager.
        blad_dysku(port, ("Nie można otworzyć pliku " + nazwa).c_str(), powod);
        return false;
    }
    Zwol_pam();
    przejmij_konstrukcje(model, std::move(z.k));
    model.nbw = 0;
    model.Pusty = 0;
    nowy_projekt();
    if (v2dp) {
        projekt = std::move(z.p);
        uzgodnij(model, projekt);
        pokaz = z.pokaz;
        jednostki = z.jednostki;
        port.UstawJednostki(jednostki);
    }
    // The dialogs offer this file and its folder next, as after choosing it in them.
    _plik_->nazwa = nazwa;
    _plik_->katalog = folder_pliku(nazwa);
    plik_projektu = nazwa;
    nowy_dokument(true);
    ustaw_caption("Velkora 2D - " + nazwa);
    port.Odswiez();
    return true;
}

bool _OKNO_::zapisz_do(std::string& nazwa) {
    std::string powod;
    bool calosc = true;  // the file holds the whole project
    if (!nazwa_projektu_v2dp(nazwa) && poza_v2d(projekt)) {
        const std::string v2dp = nazwa.substr(0, nazwa.find_last_of('.')) + ".v2dp";
        const int odp = port.MessageBox(
            "Plik .V2D przechowuje jeden przypadek obciążeń: zapisany zostanie tylko bieżący "
            "przypadek „" +
                projekt.przypadki[static_cast<std::size_t>(projekt.biezacy)].nazwa +
                "”.\nPrzepadną: " + co_przepadnie(projekt) + ".\n\nZapisać cały projekt w pliku " +
                nazwa_w_folderze(v2dp) + "?",
            "Velkora 2D", Ikona::pytajnik, Przyciski::tak_nie_anuluj);
        if (odp == IDYES) {
            if (v2dp != plik_projektu && istnieje_plik(v2dp) &&
                !pytaj(port, "Plik " + nazwa_w_folderze(v2dp) + " już istnieje.\nZastąpić go?"))
                return false;
            nazwa = v2dp;
        } else if (odp == IDNO) {
            calosc = false;
        } else {
            return false;
        }
    }
    const bool zapisano = nazwa_projektu_v2dp(nazwa)
                              ? zapisz_projekt(nazwa, {model, projekt, jednostki, pokaz}, powod)
                              : zapisz_v2d(nazwa, model, powod);
    if (!zapisano) {
        blad_dysku(port, "Nie można zapisać do pliku", powod);
        return false;
    }
    _plik_->katalog = folder_pliku(nazwa);
    plik_projektu = nazwa;
    // A file that holds only part of the project leaves the rest unsaved: closing still asks.
    if (calosc) wersja_zapisana = wersja;
    ustaw_caption("Velkora 2D - " + nazwa);
    return true;
}

void _OKNO_::Cm_Zapisz() {
    if (model.Pusty != 0) return;
    _plik_->filtr = poza_v2d(projekt) ? filtr_zapisu_v2dp : filtr_zapisu_v2d;
    _plik_->rozszerzenie = poza_v2d(projekt) ? rozszerzenie_projektu : "V2D";
    std::string nazwa;
    if (!nazwa_do_zapisu(*_plik_, nazwa)) return;
    zapisz_do(nazwa);
}

void _OKNO_::Cm_zapisz_projekt() {
    if (model.Pusty != 0) return;
    // Without a file of its own the project is saved as Save As would save it.
    if (plik_projektu.empty()) return Cm_Zapisz();
    std::string nazwa = plik_projektu;
    zapisz_do(nazwa);
}

void _OKNO_::Ce_zapisz_projekt(TCommandEnabler& ce) {
    ce.Enable(model.Pusty == 0);
}

void _OKNO_::Cm_zamknij() {
    if (model.Pusty == 0) {
        if (ma_zmiany() ? !pozwol_porzucic() : !pytaj(port, "Zamknąć projekt ?")) return;
        Zwol_pam();
    }
    plik_projektu.clear();
    nowy_projekt();
    nowy_dokument(true);
    ustaw_caption("Velkora 2D");
}

void _OKNO_::Cm_Koniec() {
    port.ZamknijGlowne();
}

void _OKNO_::eksportuj_csv(DialektCsv d) {
    if (model.Pusty != 0) return;
    // The project's own name with the extension of the export is offered, in the folder of the
    // last export or else the project's.
    const std::string projekt = plik_projektu.empty() ? "Beznazwy.V2D" : plik_projektu;
    const std::size_t kropka = projekt.find_last_of('.');
    const std::size_t ukosnik = projekt.find_last_of('/');
    const bool ma_rozszerzenie =
        kropka != std::string::npos && (ukosnik == std::string::npos || kropka > ukosnik);
    _csv_.nazwa = (ma_rozszerzenie ? projekt.substr(0, kropka) : projekt) + ".csv";
    if (_csv_.katalog.empty()) _csv_.katalog = folder_pliku(plik_projektu);
    std::string nazwa;
    if (!nazwa_do_zapisu(_csv_, nazwa)) return;
    std::string powod;
    const ProjektCsv tabela_projektu{this->projekt, pokaz};
    // With steel sections and their design, the design follows the results.
    const Projekt& p = this->projekt;
    const auto wymiar = ma_przekroje_stalowe(p.wymiarowanie) ? wymiarowanie() : nullptr;
    const std::vector<Kombinacja> k = wymiar ? kombinacje_projektu(p) : std::vector<Kombinacja>{};
    if (!spojna(model, false) ||
        !zapisz_csv(nazwa,
                    tekst_csv(model, model.obliczono == 1 && spojna(model), d, jednostki,
                              &tabela_projektu, wymiar.get(), &k),
                    powod)) {
        blad_dysku(port, "Nie można zapisać do pliku", powod);
        return;
    }
    _csv_.katalog = folder_pliku(nazwa);
}

void _OKNO_::Cm_eksport_csv() {
    eksportuj_csv(DialektCsv::przecinki);
}
void _OKNO_::Cm_eksport_arkusz() {
    eksportuj_csv(DialektCsv::arkusz);
}
void _OKNO_::Ce_eksport(TCommandEnabler& ce) {
    ce.Enable(model.Pusty == 0);
}

bool _OKNO_::CanClose() {
    if (ma_zmiany()) return pozwol_porzucic();
    return pytaj(port, "Zakończyć działanie programu ?");
}

bool _OKNO_::w_folderze_przykladow(const std::string& sciezka) const {
    return !katalog_przykladow.empty() && folder_kanoniczny(sciezka) == katalog_przykladow;
}
