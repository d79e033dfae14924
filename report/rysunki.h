// SPDX-License-Identifier: GPL-3.0-or-later
// The report's drawings of the truss: the model with its numbers and overall dimensions, a load
// case's loads, the axial forces, the reactions and the deformed shape. They draw through the
// view's symbols (supports, arrows) and its label placer, so every text stands clear of the
// symbols and of the other texts; a label with no free place is left out, and the tables carry
// its value. Values are written as the tables write them.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/model.h"
#include "core/projekt.h"
#include "files/jednostki.h"
#include "view/powierzchnia.h"

// How a value is written on a drawing: as its table column writes it.
using FormatLiczby = std::function<std::string(double)>;

enum class RodzajRysunku { model, obciazenia, sily, reakcje, przemieszczenia };

// The height a drawing of kind r needs at a width, in pixels: the truss at one scale for X and Y
// with the room its symbols and labels take about it (and, for the deformed shape, the shape
// drawn at `czynnik`).
int wysokosc_rysunku(const Konstrukcja& k, RodzajRysunku r, int szerokosc,
                     const std::vector<float>* f = nullptr, float czynnik = 0);

// The model: bars, nodes, supports, node numbers (blue) and bar numbers, and the span and the
// height as dimension lines.
void rysuj_model(Powierzchnia& dc, int w, int h, const Konstrukcja& k, UkladJednostek j);

// A case's loads: forces as arrows with their values (red), forced displacements of supports
// (violet) and temperature changes of bars (orange), over the truss with its node numbers.
void rysuj_obciazenia(Powierzchnia& dc, int w, int h, const Konstrukcja& k,
                      const ObciazeniaPrzypadku& o, UkladJednostek j, const FormatLiczby& sila,
                      const FormatLiczby& przemieszczenie, const FormatLiczby& temperatura);

// Axial forces N[b] (0-based by bar): tension in blue, compression in red, each bar's value by it
// with its sign, and a legend.
inline constexpr Kolor kolor_rozciagania{0, 80, 200};
inline constexpr Kolor kolor_sciskania{210, 0, 0};
void rysuj_sily(Powierzchnia& dc, int w, int h, const Konstrukcja& k, const std::vector<double>& N,
                const FormatLiczby& format);

// Reactions (0-based by support entry, entries of one DOF acting together) as arrows at the
// supports, the way the support pushes, with their magnitudes.
void rysuj_reakcje(Powierzchnia& dc, int w, int h, const Konstrukcja& k,
                   const std::vector<double>& R, const FormatLiczby& format, UkladJednostek j);

// The deformed shape at `czynnik` times the displacements f (0-based by DOF) over the light
// truss, with the factor written on it.
void rysuj_przemieszczenia(Powierzchnia& dc, int w, int h, const Konstrukcja& k,
                           const std::vector<float>& f, float czynnik);

// A round factor (1, 2 or 5 times a power of ten) that draws the largest displacement at 3 to 6 in
// a hundred of the truss's larger size.
float czynnik_przemieszczen(const Konstrukcja& k, const std::vector<float>& f);
