// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tabela_qt.h"

#include <QCloseEvent>
#include <QMetaObject>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <algorithm>

#include "app/platforma_qt.h"
#include "qt/powierzchnia_qt.h"

OknoTabeliQt::OknoTabeliQt(std::unique_ptr<OknoTabeli> logika, QWidget* wlasciciel)
    : QAbstractScrollArea(wlasciciel), logika_(std::move(logika)) {
    setWindowFlag(Qt::Window);
    setWindowTitle(QString::fromStdString(logika_->tytul()));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette p = viewport()->palette();
    const QColor szary(jasnoszary.r, jasnoszary.g, jasnoszary.b);
    p.setColor(QPalette::Window, szary);
    p.setColor(QPalette::Base, szary);
    viewport()->setPalette(p);
    viewport()->setAutoFillBackground(true);
    horizontalScrollBar()->setSingleStep(10);
    verticalScrollBar()->setSingleStep(10);
    move(logika_->x(), logika_->y());
    resize(std::max(logika_->szerokosc(), 1), std::max(logika_->wysokosc(), 1));
    // Where the user last left a window of this kind.
    const QByteArray polozenie = ustawienia_programu().value(klucz_polozenia()).toByteArray();
    if (!polozenie.isEmpty()) restoreGeometry(polozenie);
    ustaw_paski();
}

QString OknoTabeliQt::klucz_polozenia() const {
    return "tabele/" + QString::fromStdString(logika_->tytul());
}

void OknoTabeliQt::zapamietaj_polozenie() {
    ustawienia_programu().setValue(klucz_polozenia(), saveGeometry());
}

OknoTabeliQt::~OknoTabeliQt() = default;

void OknoTabeliQt::zamknij_bez_pytania() {
    if (isVisible()) zapamietaj_polozenie();
    hide();
    usun();
}

void OknoTabeliQt::usun() {
    // Not while the logic is inside przed_odswiezeniem: its modal box runs an event loop that
    // would delete the window under it.
    if (w_trakcie_)
        usunac_ = true;
    else
        deleteLater();
}

void OknoTabeliQt::ustaw_paski() {
    const QSize v = viewport()->size();
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* p = verticalScrollBar();
    h->setRange(0, std::max(0, logika_->szerokosc_tresci() - v.width()));
    p->setRange(0, std::max(0, logika_->wysokosc_tresci() - v.height()));
    h->setPageStep(std::max(10, v.width()));
    p->setPageStep(std::max(10, v.height()));
}

void OknoTabeliQt::paintEvent(QPaintEvent*) {
    // The content may have grown or shrunk since the last paint.
    ustaw_paski();
    przed_odswiezeniem();
    const int dx = horizontalScrollBar()->value(), dy = verticalScrollBar()->value();
    {
        QPainter p(viewport());
        p.translate(-dx, -dy);
        PowierzchniaQt dc(p);
        logika_->Paint(dc, dy, dy + viewport()->height());
    }
    // The paint measures its widest text, which may reach further than the content did before.
    ustaw_paski();
}

void OknoTabeliQt::przed_odswiezeniem() {
    // Queued, never from inside the paint: a modal box shown there would paint again and stack
    // boxes. One call at a time; repaints while it runs need no call of their own.
    if (czeka_) return;
    czeka_ = true;
    QPointer<OknoTabeliQt> ja(this);
    QMetaObject::invokeMethod(
        this,
        [ja] {
            if (!ja) return;
            ja->w_trakcie_ = true;
            ja->logika_->przed_odswiezeniem();
            if (!ja) return;
            ja->w_trakcie_ = false;
            ja->czeka_ = false;
            if (ja->usunac_) ja->deleteLater();
        },
        Qt::QueuedConnection);
}

void OknoTabeliQt::resizeEvent(QResizeEvent* e) {
    QAbstractScrollArea::resizeEvent(e);
    ustaw_paski();
}

void OknoTabeliQt::scrollContentsBy(int, int) {
    viewport()->update();
}

void OknoTabeliQt::closeEvent(QCloseEvent* e) {
    if (!logika_->CanClose()) {
        e->ignore();
        return;
    }
    e->accept();
    zapamietaj_polozenie();
    usun();
}
