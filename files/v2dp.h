// SPDX-License-Identifier: GPL-3.0-or-later
// The project file of our own (.v2dp): JSON text, versioned, holding what a .V2D file holds and
// everything beside it -- every load case, the combinations, densities, units, title and author,
// and which results are shown. docs/format-projektu.md describes it for those who script it.
#pragma once

#include <string>
#include <string_view>

#include "core/model.h"
#include "core/projekt.h"
#include "files/jednostki.h"

inline constexpr int wersja_formatu_projektu = 1;
inline constexpr const char* rozszerzenie_projektu = "v2dp";

// Everything a project file holds.
struct ZawartoscProjektu {
    Konstrukcja k;  // the store, with the current case's loads
    Projekt p;
    UkladJednostek jednostki = UkladJednostek::brak;
    PokazWynikow pokaz;
};

// What a save writes: the store and the record as they are, with the view's choices.
struct ZapisProjektu {
    const Konstrukcja& k;
    const Projekt& p;
    UkladJednostek jednostki = UkladJednostek::brak;
    PokazWynikow pokaz{};
};

// The file's text. Reals are written in the shortest form that reads back as the same number.
// False, with a Polish reason, when the model holds a value JSON cannot (not finite) or the store
// is not consistent.
bool tekst_projektu(const ZapisProjektu& z, std::string& tekst, std::string& powod);

// Reads a project from its text. A text that is not a valid project of a version this program
// knows (bad JSON, an unknown key, a number out of range, a reference to something missing) is
// refused with a short Polish reason naming where; `z` is then left as it was. The store comes
// with its result arrays created, as the .V2D reader gives it.
bool czytaj_tekst_projektu(std::string_view tekst, ZawartoscProjektu& z, std::string& powod);

// The same from and to a file; the write replaces the file only once the new one is complete.
bool czytaj_projekt(const std::string& sciezka, ZawartoscProjektu& z, std::string& powod);
bool zapisz_projekt(const std::string& sciezka, const ZapisProjektu& z, std::string& powod);

// Whether a file name has the project format's extension (any case).
bool nazwa_projektu_v2dp(const std::string& sciezka);
