// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/obraz.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QString>
#include <QSvgGenerator>

#include "okno/okno.h"
#include "qt/powierzchnia_qt.h"

void rysuj_na(QPainter& p, int w, int h, const std::function<void(Powierzchnia&)>& rysuj) {
    // The view leaves white what it does not draw, as the window's background is.
    p.fillRect(0, 0, w, h, Qt::white);
    PowierzchniaQt dc(p);
    rysuj(dc);
}

void rysuj_widok(_OKNO_& okno, QPainter& p, int w, int h) {
    rysuj_na(p, w, h, [&](Powierzchnia& dc) { okno.Paint_obrazu(dc, w, h); });
}

namespace {

// The picture's bytes in memory, so that a file is written whole or not at all.
bool maluj_do(QByteArray& bajty, FormatObrazu f, int w, int h,
              const std::function<void(QPainter&)>& maluj, std::string& powod) {
    QBuffer bufor(&bajty);
    bufor.open(QIODevice::WriteOnly);
    switch (f) {
        case FormatObrazu::png: {
            // As the window keeps its picture: the surface sets repeated shapes' pixels directly.
            QImage obraz(w, h, QImage::Format_RGB32);
            if (obraz.isNull()) {
                powod = "Za mało pamięci na obraz tej wielkości";
                return false;
            }
            {
                QPainter p(&obraz);
                maluj(p);
            }
            return obraz.save(&bufor, "PNG");
        }
        case FormatObrazu::svg: {
            QSvgGenerator svg;
            svg.setOutputDevice(&bufor);
            svg.setSize(QSize(w, h));
            svg.setResolution(96);  // a pixel is a pixel of a web page
            svg.setViewBox(QRect(0, 0, w, h));
            svg.setTitle("Velkora 2D");
            QPainter p;
            if (!p.begin(&svg)) return false;
            maluj(p);
            return p.end();
        }
        case FormatObrazu::pdf: {
            // One page the picture's size, a pixel to a ninety-sixth of an inch.
            QPdfWriter pdf(&bufor);
            pdf.setCreator("Velkora 2D");
            pdf.setResolution(96);
            pdf.setPageLayout(QPageLayout(QPageSize(QSizeF(w * 0.75, h * 0.75), QPageSize::Point,
                                                    QString(), QPageSize::ExactMatch),
                                          QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
            QPainter p;
            if (!p.begin(&pdf)) return false;
            maluj(p);
            return p.end();
        }
    }
    return false;
}

}  // namespace

bool zapisz_obraz(const std::string& plik, FormatObrazu f, int w, int h,
                  const std::function<void(QPainter&)>& maluj, std::string& powod) {
    QByteArray bajty;
    if (!maluj_do(bajty, f, w, h, maluj, powod)) {
        if (powod.empty()) powod = "Nie udało się narysować obrazu";
        return false;
    }
    QSaveFile s(QString::fromStdString(plik));
    if (!s.open(QIODevice::WriteOnly) || s.write(bajty) != bajty.size() || !s.commit()) {
        powod = s.errorString().toStdString();
        return false;
    }
    return true;
}
