// SPDX-License-Identifier: GPL-3.0-or-later
// The .V2D project file: seven int32 counts, then the ten input blocks, little-endian, no header.
// Reading and writing only; the open and save commands of the window live in files/projekt.cpp.
#pragma once

#include <cstdint>
#include <string>

#include "core/model.h"

// Bytes a file with these counts must have. Computed in 64 bits, so any int32 counts fit.
std::int64_t dlugosc_v2d(std::int64_t ne, std::int64_t nn, std::int64_t nd, std::int64_t nl,
                         std::int64_t nm, std::int64_t na, std::int64_t ntel);

// Reads a project into `wynik`, creating the arrays of every nonzero count (the results f, stressp
// and react included). A file whose length, numbering or reals do not make a valid truss is refused
// with a short Polish reason in `powod`; `wynik` is then left as it was.
bool czytaj_v2d(const std::string& sciezka, Konstrukcja& wynik, std::string& powod);

// Checks every number of a freshly read truss against the ranges the rest of the program relies
// on: references in range, reals finite. False with a short Polish reason.
bool sprawdz_konstrukcje(const Konstrukcja& k, std::string& powod);

// Reads a project and, only when it is valid, puts it into the store in place of the open model:
// the old model is discarded, nbw = 0, Pusty = 0, no results. On a refusal `m` is untouched.
bool otworz_v2d(const std::string& sciezka, Model& m, std::string& powod);

// Writes the truss in the layout czytaj_v2d reads. The bytes go to a temporary file in the same
// folder, which replaces the target only once it is complete and on disk, so a failed save leaves
// the previous file as it was. A file that can be written but not replaced (its folder takes no new
// file) is written in place: its old bytes are kept in memory and put back if the write fails, and
// the reason says whether they were.
bool zapisz_v2d(const std::string& sciezka, const Konstrukcja& k, std::string& powod);

// The cause of a failed file operation (an errno value) as the user reads it, in Polish.
std::string opis_bledu(int e);
