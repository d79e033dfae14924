// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation report of a project: its first page (title, description, units, program),
// the model, the loads of every case and the combinations, the results the user chose (the
// envelope by default) as drawings and tables, and the design where the project has it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/model.h"
#include "core/projekt.h"
#include "files/jednostki.h"
#include "report/dokument.h"

// The program's name and version, as the first page and every page's foot name it.
extern const char* const program_raportu;

// What a report is made of.
struct DaneRaportu {
    Konstrukcja k;  // the store, with the current case's loads and, after an analysis, k.wyniki
    Projekt p;
    UkladJednostek jednostki = UkladJednostek::brak;
    bool obliczono = false;  // k.wyniki holds every case's results for the project as it is
    std::string plik;        // the project's file name, without its folder
    std::string data;        // of the report, "dd.mm.rrrr"
};

// What DaneRaportu names: a file's name without its folder, and today's date ("dd.mm.rrrr").
std::string nazwa_pliku_raportu(const std::string& sciezka);
std::string data_raportu();

// Which results the report shows.
struct WyborRaportu {
    bool obwiednia = true;
    std::vector<int> przypadki;   // from 0
    std::vector<int> kombinacje;  // places in the project's list of combinations, from 0
    // Tables longer than this are summarised (their extreme rows, said so under them); 0: none.
    std::size_t najwiecej_wierszy = 0;
};

// The document, its tables prepared for the layout. It keeps the data alive.
DokumentRaportu zbuduj_raport(std::shared_ptr<const DaneRaportu> d, const WyborRaportu& w = {});
