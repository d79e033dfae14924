// The project's life: new, open, save, close and quit, with their questions and captions.
#include "files/v2d.h"
#include "okno/okno.h"

namespace {
bool pytaj(Platforma& port, const char* pytanie) {
    return port.MessageBox(pytanie, "Velkora 2D", Ikona::pytajnik, Przyciski::tak_nie) == IDYES;
}
void blad_dysku(Platforma& port, const char* tekst, const std::string& powod) {
    // The reason goes on a line of its own under the message.
    const std::string t = powod.empty() ? tekst : std::string(tekst) + "\n" + powod;
    port.MessageBox(t, "Błąd operacji dyskowej", Ikona::wykrzyknik, Przyciski::ok);
}
}  // namespace

void _OKNO_::Zwol_pam() {
    if (model.Pusty == 0) zamknij_tabele();
    zwolnij_model(model);
    port.Odswiez();
}

void _OKNO_::Cm_Nowy() {
    if (model.Pusty == 0) {
        if (!pytaj(port, "Utworzyć nowy projekt ?")) return;
        Zwol_pam();
    }
    Model& m = model;
    m.nn = m.ne = m.nl = m.nm = m.na = m.nq = m.nd = m.ntel = 0;
    m.obliczono = 0;
    m.Pusty = 0;
    ustaw_caption("Velkora 2D - Beznazwy.V2D");
}

void _OKNO_::Cm_Otworz() {
    // The open model is given up only for a file that has been read and accepted: a cancelled
    // dialog or a refused file leaves it, its results and the caption as they were.
    if (!port.OknoOtworz(*_plik_)) return;
    const std::string nazwa = _plik_->nazwa;
    Konstrukcja nowa;
    std::string powod;
    if (!czytaj_v2d(nazwa, nowa, powod)) {
        blad_dysku(port, "Nie można otworzyć pliku", powod);
        return;
    }
    Zwol_pam();
    przejmij_konstrukcje(model, std::move(nowa));
    model.nbw = 0;
    model.Pusty = 0;
    ustaw_caption("Velkora 2D - " + nazwa);
    port.Odswiez();
}

void _OKNO_::Cm_Zapisz() {
    if (model.Pusty != 0) return;
    if (!port.OknoZapisz(*_plik_)) return;
    const std::string nazwa = _plik_->nazwa;
    std::string powod;
    if (!zapisz_v2d(nazwa, model, powod)) {
        blad_dysku(port, "Nie można zapisać do pliku", powod);
        return;
    }
    ustaw_caption("Velkora 2D - " + nazwa);
}

void _OKNO_::Cm_zamknij() {
    if (model.Pusty == 0) {
        if (!pytaj(port, "Zamknąć projekt ?")) return;
        Zwol_pam();
    }
    ustaw_caption("Velkora 2D");
}

void _OKNO_::Cm_Koniec() {
    port.ZamknijGlowne();
}

bool _OKNO_::CanClose() {
    return pytaj(port, "Zakończyć działanie programu ?");
}
