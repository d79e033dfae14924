// SPDX-License-Identifier: GPL-3.0-or-later
// Plik, "Przykłady...": the example projects that come with the program, opened as copies. The
// project has no file of its own afterwards, so a save asks for a name, and nothing is ever saved
// into the examples' folder.
#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "editing/dialog_dynamiczny.h"
#include "files/v2dp.h"
#include "okno/okno.h"

namespace {

// What each bundled example shows, as the list offers it; another file there goes by its name.
struct OpisPrzykladu {
    const char* plik;
    const char* opis;
};
constexpr OpisPrzykladu opisy[] = {
    {"most_pratta.V2D", "Most kratowy Pratta: 8 pól po 3 m, siły w węzłach pasa dolnego"},
    {"dach_osiadanie.V2D", "Wiązar dachowy na trzech ścianach, środkowa podpora osiada o 2 mm"},
    {"pret_temperatura.V2D", "Pręt utwierdzony na obu końcach, ogrzany o 40 K"},
};

bool jest_projektem(const std::filesystem::path& p) {
    const std::string r = p.extension().string();
    return r == ".V2D" || r == ".v2d" || nazwa_projektu_v2dp(p.string());
}

std::string pozycja(const std::string& nazwa) {
    for (const OpisPrzykladu& o : opisy)
        if (nazwa == o.plik) return nazwa + " – " + o.opis;
    return nazwa;
}

}  // namespace

void _OKNO_::Cm_przyklady() {
    const std::string katalog = port.KatalogPrzykladow();
    std::vector<std::string> pliki;
    std::error_code e;
    for (const auto& w : std::filesystem::directory_iterator(katalog, e))
        if (w.is_regular_file(e) && jest_projektem(w.path()))
            pliki.push_back(w.path().filename().string());
    if (katalog.empty() || pliki.empty()) {
        port.MessageBox("Nie znaleziono przykładów dołączonych do programu.", "Przykłady",
                        Ikona::wykrzyknik, Przyciski::ok);
        return;
    }
    std::sort(pliki.begin(), pliki.end());
    std::vector<std::string> pozycje;
    for (const std::string& p : pliki) pozycje.push_back(pozycja(p));
    DialogDynamiczny d(3600, "Przykłady", 380);
    const int l = d.lista(8600, "Przykład", pozycje, 0);
    d.napis("Przykład otwiera się jako kopia: zapis zapyta o nową nazwę,");
    d.napis("a oryginał pozostanie bez zmian.");
    if (d.pokaz(port) != 1) return;
    const int i = d.stan(l);
    if (i < 0 || i >= static_cast<int>(pliki.size()) || !pozwol_porzucic()) return;

    // The dialogs keep the folder and name they had: the example's own folder is not the user's.
    const UstawieniaPliku dialogi = *_plik_;
    const std::string nazwa = pliki[static_cast<std::size_t>(i)];
    if (!otworz_plik((std::filesystem::path(katalog) / nazwa).string())) return;
    const std::filesystem::path f = std::filesystem::canonical(katalog, e);
    katalog_przykladow = e ? std::string() : f.string();
    *_plik_ = dialogi;
    _plik_->nazwa = nazwa;
    plik_projektu.clear();
    ustaw_caption("Velkora 2D - " + nazwa + " (przykład)");
    nowy_widok();
    port.Odswiez();
}
