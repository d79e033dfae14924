// SPDX-License-Identifier: GPL-3.0-or-later
// Print: the main view on the first page, then each table from a page of its own, its rows split
// between pages and never cut; a header with the project's name and the date and a footer with
// the page's number on every page. It fits any page, A4 either way round: the drawing spans the
// page's width at one scale for X and Y, as tall as the truss needs, its text in points and its
// lines in millimetres; a table too wide for the page is scaled to the page's width.
#pragma once

#include <QDateTime>

#include "okno/platforma.h"

class QPagedPaintDevice;

// The drawing's pixel on paper, in millimetres. The view's text, 12 pixels a line, prints at
// about 8.5 points, its thin lines 0.3 mm wide and its bars in stress colours 0.6 mm.
inline constexpr double mm_piksela_rysunku = 0.3;

// Prints onto the pages of d (a printer or a PDF writer) pages `od` to `do_` of the whole (all
// of them when `do_` is 0), numbered as in the whole; the number of pages of the whole, 0 when d
// could not be painted on.
int drukuj(QPagedPaintDevice& d, const Wydruk& w,
           const QDateTime& kiedy = QDateTime::currentDateTime(), int od = 1, int do_ = 0);
