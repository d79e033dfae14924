// SPDX-License-Identifier: GPL-3.0-or-later
// Blocks of cells on the clipboard, as spreadsheets put them there and take them back: rows by
// lines, cells by tabs (what a spreadsheet copies) or by semicolons (CSV written with decimal
// commas).
#pragma once

#include <string>
#include <string_view>
#include <vector>

using BlokKomorek = std::vector<std::vector<std::string>>;

// Splits clipboard text into rows of cells. Lines end in LF, CR LF or CR; the line end after the
// last row is not a row of its own. Cells lie apart by tabs when the text has any tab, by
// semicolons otherwise. A cell in double quotes may hold the separator, line ends and doubled
// quotes, as CSV quotes them. Blanks around a cell are dropped.
BlokKomorek podziel_schowek(std::string_view tekst);

// A block as a spreadsheet takes it: cells apart by tabs, each row ended by a line end, the
// decimal point of numbers written as `przecinek` ('.' or ',').
std::string tekst_bloku(const BlokKomorek& b, char przecinek);
