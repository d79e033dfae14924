// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pomoc_qt.h"

#include <QTextBrowser>
#include <QUrl>
#include <QWidget>

QTextBrowser* pokaz_podrecznik(QWidget* wlasciciel) {
    // Built into the program, so it is there wherever the program is run from.
    static const QUrl adres("qrc:/pomoc/podrecznik.html");
    auto* w = wlasciciel ? wlasciciel->findChild<QTextBrowser*>("podrecznik") : nullptr;
    if (!w) {
        w = new QTextBrowser(wlasciciel);
        w->setObjectName("podrecznik");
        w->setWindowFlag(Qt::Window);
        w->setAttribute(Qt::WA_DeleteOnClose);
        w->setWindowTitle(QString::fromUtf8("Velkora 2D - Pomoc"));
        w->setOpenExternalLinks(true);
        w->resize(760, 620);
        w->setSource(adres);
    }
    w->show();
    w->raise();
    w->activateWindow();
    return w;
}
