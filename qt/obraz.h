// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the main view: the window's own painting through the QPainter surface, into PNG
// images, SVG drawings and one-page PDF documents.
#pragma once

#include <functional>
#include <string>

#include <QPainter>

#include "okno/platforma.h"

class _OKNO_;

// Draws onto p, over w x h pixels of white, what `rysuj` draws on the surface over p.
void rysuj_na(QPainter& p, int w, int h, const std::function<void(Powierzchnia&)>& rysuj);
// The main view of the window's model as the window draws it at w x h pixels.
void rysuj_widok(_OKNO_& okno, QPainter& p, int w, int h);

// Writes a picture of w x h pixels that `maluj` draws onto a painter into `plik`; the file is
// replaced only once the whole picture is written. False, with the reason, when it could not be.
bool zapisz_obraz(const std::string& plik, FormatObrazu f, int w, int h,
                  const std::function<void(QPainter&)>& maluj, std::string& powod);
