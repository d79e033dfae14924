// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/wydruk.h"

#include <QFont>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>
#include <QStaticText>
#include <QString>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "qt/nagranie.h"
#include "qt/obraz.h"
#include "qt/powierzchnia_qt.h"

namespace {

// One table laid out on pages: its scale and where each page's part of the content begins.
struct Tabela {
    std::string tytul;
    std::unique_ptr<Nagranie> nagranie;
    double skala;         // device pixels per table pixel
    int szerokosc;        // of the content, in table pixels
    std::vector<int> od;  // page i shows content rows od[i] .. od[i + 1] - 1
    int wysokosc;
};

// The parts of every page, in device pixels.
struct Strona {
    double mm;  // device pixels per millimetre
    QFont font;
    QRectF naglowek, tresc, stopka;
};

Strona strona(QPagedPaintDevice& d) {
    Strona s;
    s.mm = d.logicalDpiY() / 25.4;
    s.font = QFont("Arial");
    s.font.setStyleHint(QFont::SansSerif);
    s.font.setPointSizeF(9);
    const double wiersz = QFontMetricsF(s.font, &d).height();
    const double w = d.width(), h = d.height();
    s.naglowek = QRectF(0, 0, w, wiersz);
    s.stopka = QRectF(0, h - wiersz, w, wiersz);
    s.tresc = QRectF(0, wiersz + 4 * s.mm, w, std::max(h - 2 * wiersz - 8 * s.mm, 1.0));
    return s;
}

Tabela rozloz(OknoTabeli& t, const Strona& s) {
    Tabela r{t.tytul(), std::make_unique<Nagranie>(t.wysokosc_tresci()), 1.0, 0, {0}, 0};
    Nagranie& n = *r.nagranie;
    t.Paint(n, 0, t.wysokosc_tresci());
    r.wysokosc = n.dol();
    r.szerokosc = n.prawo() + 5;
    // A table pixel is a quarter of a millimetre, or less when the table would not fit across:
    // its text, 16 pixels a line, then reads as ten-point print.
    r.skala = std::min(s.tresc.width() / std::max(r.szerokosc, 1), 0.25 * s.mm);
    const int na_stronie = std::max(1, static_cast<int>(s.tresc.height() / r.skala));
    for (int od = 0; r.wysokosc - od > na_stronie;) {
        int ciecie = od + na_stronie;
        while (ciecie > od && !n.mozna_ciac(ciecie)) --ciecie;
        // Nothing but one thing taller than a page: it is cut.
        if (ciecie == od) ciecie = od + na_stronie;
        r.od.push_back(ciecie);
        od = ciecie;
    }
    n.podziel(r.od);
    return r;
}

// The header and the footer: the title on the left and the date on the right above a thin line,
// the page's number below. The texts that stay are laid out once: a print may have thousands of
// pages.
class Stopki {
  public:
    Stopki(QPaintDevice& d, const Strona& s, const QString& data, int stron)
        : s_(s), metryka_(s.font, &d), stron_(stron) {
        przygotuj(data_, data);
        x_daty_ = s.naglowek.right() - metryka_.horizontalAdvance(data);
    }
    void tytul(const QString& t) { przygotuj(tytul_, t); }
    void rysuj(QPainter& p, int strona) {
        p.save();
        p.setFont(s_.font);
        p.setPen(Qt::black);
        const double y = s_.naglowek.top();
        p.drawStaticText(QPointF(s_.naglowek.left(), y), tytul_);
        p.drawStaticText(QPointF(x_daty_, y), data_);
        const QString numer = QString("Strona %1 z %2").arg(strona).arg(stron_);
        p.drawText(QPointF(s_.stopka.center().x() - metryka_.horizontalAdvance(numer) / 2,
                           s_.stopka.top() + metryka_.ascent()),
                   numer);
        p.setPen(QPen(Qt::gray, 0.2 * s_.mm));
        const double kreska = s_.naglowek.bottom() + 1.5 * s_.mm;
        p.drawLine(QPointF(0, kreska), QPointF(s_.naglowek.right(), kreska));
        p.restore();
    }

  private:
    void przygotuj(QStaticText& t, const QString& tekst) const {
        t.setText(tekst);
        t.setTextFormat(Qt::PlainText);
        t.prepare(QTransform(), s_.font);
    }
    const Strona& s_;
    QFontMetricsF metryka_;
    int stron_;
    QStaticText tytul_, data_;
    double x_daty_ = 0;
};

// The first page: the drawing across the page's width, as tall as the truss at one scale needs
// (the page's height at most).
void rysunek(QPainter& p, const Strona& s, const Wydruk& w) {
    const double skala = mm_piksela_rysunku * s.mm;  // device pixels per drawing pixel
    const int szer = std::max(160, static_cast<int>(s.tresc.width() / skala));
    const int najwyzszy = std::max(160, static_cast<int>(s.tresc.height() / skala));
    int wys = szer * std::max(w.wysokosc, 1) / std::max(w.szerokosc, 1);
    if (w.wysokosc_rysunku) {
        p.save();
        PowierzchniaQt miara(p);
        wys = w.wysokosc_rysunku(miara, szer);
        p.restore();
    }
    wys = std::clamp(wys, 160, najwyzszy);
    const QRectF ramka(s.tresc.left() + (s.tresc.width() - szer * skala) / 2, s.tresc.top(),
                       szer * skala, wys * skala);
    if (w.rysunek) {
        p.save();
        p.translate(ramka.topLeft());
        p.scale(skala, skala);
        p.setClipRect(QRect(0, 0, szer, wys));
        rysuj_na(p, szer, wys, [&](Powierzchnia& dc) { w.rysunek(dc, szer, wys); });
        p.restore();
    }
    p.save();
    p.setPen(QPen(Qt::gray, 0.2 * s.mm));
    p.setBrush(Qt::NoBrush);
    p.drawRect(ramka);
    p.restore();
}

}  // namespace

int drukuj(QPagedPaintDevice& d, const Wydruk& w, const QDateTime& kiedy, int od, int do_) {
    QPainter p;
    if (!p.begin(&d)) return 0;
    const Strona s = strona(d);
    std::vector<Tabela> tabele;
    int stron = 1;
    for (const auto& t : w.tabele) {
        if (!t) continue;
        tabele.push_back(rozloz(*t, s));
        // A table that draws nothing (its model is gone) takes no page.
        if (tabele.back().wysokosc <= 0)
            tabele.pop_back();
        else
            stron += static_cast<int>(tabele.back().od.size());
    }
    const QString nazwa = QString::fromStdString(w.nazwa);
    const QString data = kiedy.toString("dd.MM.yyyy HH:mm");
    // A range past the end still prints its last page rather than a blank one.
    od = std::clamp(od, 1, stron);
    if (do_ <= 0 || do_ > stron) do_ = stron;
    bool pierwsza = true;
    auto drukowana = [&](int nr) {
        if (nr < od || nr > do_) return false;
        if (!pierwsza) d.newPage();
        pierwsza = false;
        return true;
    };

    Stopki stopki(d, s, data, stron);
    if (drukowana(1)) {
        stopki.tytul(nazwa);
        stopki.rysuj(p, 1);
        rysunek(p, s, w);
    }
    int strona_nr = 1;
    for (const Tabela& t : tabele) {
        stopki.tytul(nazwa + " - " + QString::fromStdString(t.tytul));
        for (std::size_t i = 0; i < t.od.size() && strona_nr < do_; ++i) {
            if (!drukowana(++strona_nr)) continue;
            stopki.rysuj(p, strona_nr);
            const int gora = t.od[i], dol = i + 1 < t.od.size() ? t.od[i + 1] : t.wysokosc;
            p.save();
            p.translate(s.tresc.topLeft());
            p.scale(t.skala, t.skala);
            p.translate(0, -gora);
            // Exactly this page's rows: the next ones begin the next page.
            p.setClipRect(QRect(0, gora, t.szerokosc, dol - gora));
            {
                PowierzchniaQt dc(p);
                t.nagranie->odtworz(p, dc, i);
            }
            p.restore();
        }
    }
    p.end();
    return stron;
}
