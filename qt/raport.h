// SPDX-License-Identifier: GPL-3.0-or-later
// The report's pages on paper and in PDF: the layout of report/uklad.h drawn with Qt's fonts
// onto a printer or a PDF writer, each page in its own orientation.
#pragma once

#include <QFont>
#include <string>

#include "report/uklad.h"

class QPagedPaintDevice;
class QPaintDevice;

// The font of a style: Arial (Liberation Sans), unhinted and without kerning, so that a text's
// width is the sum of its characters' and the same on any device.
QFont czcionka_raportu(Styl s, double skala = 1.0);

// Widths of texts in the report's fonts on a device, each character measured once.
class MiaraQt : public MiaraTekstu {
  public:
    explicit MiaraQt(QPaintDevice& d);
    ~MiaraQt() override;
    double szerokosc(const std::string& t, Styl s, double skala = 1.0) override;

  private:
    struct Dane;
    Dane* d_;
};

// Draws pages od .. do_ of the laid out report (all from od when do_ is 0) onto d; the number of
// pages, 0 when d could not be painted on. The device's pages are set to A4 with no margins (a
// printer's full page), each in its orientation, or with `obracaj` all portrait, a landscape page
// turned on the paper: a printer feeds its paper one way, and its preview shows every page at one
// size.
int drukuj_raport(QPagedPaintDevice& d, const DokumentRaportu& doc, const UkladRaportu& u,
                  int od = 1, int do_ = 0, bool obracaj = false);

// Lays the report out and writes it as a PDF file, which is replaced only once the whole report
// is written. False, with the reason in Polish, when it could not be.
bool zapisz_raport_pdf(const std::string& plik, const DokumentRaportu& doc, std::string& powod);
