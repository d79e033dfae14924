// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the analysed truss from the command line, drawn as the window draws them.
#pragma once

#include <string>
#include <vector>

struct Model;
struct Projekt;
struct PokazWynikow;

struct ZamowienieObrazow {
    struct Plik {
        int format;  // a FormatObrazu
        std::string sciezka;
    };
    std::vector<Plik> pliki;
    int szerokosc = 1600, wysokosc = 1000;
    // The drawing keeps the model's proportions within the picture, unless stretched over it.
    bool proporcje = true;
    // The units the values are labelled with, by their settings name ("kN_m", "brak"); empty:
    // those the window names.
    std::string jednostki;
};

// Takes the picture option at argv[i] and its value, moving i past them: 1 when it took one,
// 0 when argv[i] is no picture option, -1 when it is a wrong one (said on the error stream).
int opcja_obrazu(int argc, char** argv, int& i, ZamowienieObrazow& z);
// The options' description for --help.
extern const char* const opis_obrazow;
// Draws the analysed model into every picture asked for, with the project's title of what is
// shown: 0, or 2 when one could not be written (said on the error stream).
int zapisz_obrazy(Model&& m, Projekt&& p, const PokazWynikow& pokaz, const ZamowienieObrazow& z);
