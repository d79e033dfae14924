// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ramka_qt.h"

#include <QAction>
#include <QCloseEvent>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QStatusBar>
#include <algorithm>

#include "app/platforma_qt.h"
#include "app/widok_qt.h"
#include "okno/okno.h"
#include "resources/szablony.h"

void odswiez_menu(QMenu& menu, _OKNO_& okno) {
    for (QAction* a : menu.actions()) {
        if (QMenu* m = a->menu()) {
            // A pop-up within the pop-up opens while any of its items can be chosen.
            odswiez_menu(*m, okno);
            const QList<QAction*> p = m->actions();
            a->setEnabled(std::any_of(p.begin(), p.end(), [](const QAction* b) {
                return !b->isSeparator() && b->isEnabled();
            }));
            continue;
        }
        if (a->isSeparator() || !a->data().isValid()) continue;
        TCommandEnabler ce;
        okno.Enable(a->data().toInt(), ce);
        a->setEnabled(ce.wlaczone);
        if (ce.zaznaczenie != -1) {
            a->setCheckable(true);
            a->setChecked(ce.zaznaczenie == 1);
        }
        if (!ce.tekst.empty()) a->setText(QString::fromStdString(ce.tekst));
    }
}

void odswiez_menu(QMenuBar& pasek, _OKNO_& okno) {
    for (QAction* a : pasek.actions())
        if (QMenu* m = a->menu()) odswiez_menu(*m, okno);
}

namespace {
void dodaj_pozycje(QMenu* m, const std::vector<PozycjaMenu>& pozycje, QMenuBar& pasek,
                   _OKNO_& okno) {
    for (const PozycjaMenu& z : pozycje) {
        if (z.id == 0 && !z.pozycje.empty()) {
            // A pop-up within the pop-up.
            QMenu* p = m->addMenu(QString::fromUtf8(z.etykieta));
            dodaj_pozycje(p, z.pozycje, pasek, okno);
            QObject::connect(p, &QMenu::aboutToShow, p, [p, &okno] { odswiez_menu(*p, okno); });
            continue;
        }
        if (z.id == 0) {
            m->addSeparator();
            continue;
        }
        QAction* a = m->addAction(QString::fromUtf8(z.etykieta));
        a->setData(z.id);
        if (*z.skrot) {
            QList<QKeySequence> skroty;
            for (const QString& k : QString::fromUtf8(z.skrot).split(';'))
                skroty << QKeySequence(k);
            a->setShortcuts(skroty);
        }
        a->setEnabled(!z.wylaczona);
        // A toggle is an item whose enabler sets a check mark, ticked in the template or not;
        // the marks shown stay the template's until the menu first opens.
        TCommandEnabler ce;
        okno.Enable(z.id, ce);
        a->setCheckable(z.zaznaczona || ce.zaznaczenie != -1);
        a->setChecked(z.zaznaczona);
        if (z.id == CM_DOPASUJ) {
            // Qt's Polish translation names the key "Katalog domowy"; the key cap reads Home.
            a->setShortcut(Qt::Key_Home);
            a->setText(a->text() + "\tHome");
        }
        const int id = z.id;
        // After each command every item follows its enabler again, so that a shortcut is
        // live exactly when its menu item would be.
        QObject::connect(a, &QAction::triggered, m, [&pasek, &okno, id] {
            okno.Find(id);
            odswiez_menu(pasek, okno);
        });
    }
}
}  // namespace

void zbuduj_menu(QMenuBar& pasek, _OKNO_& okno) {
    for (const Podmenu& p : menu_1000()) {
        QMenu* m = pasek.addMenu(QString::fromUtf8(p.etykieta));
        dodaj_pozycje(m, p.pozycje, pasek, okno);
        QObject::connect(m, &QMenu::aboutToShow, m, [m, &okno] { odswiez_menu(*m, okno); });
    }
}

Ramka::Ramka(const char* tytul) {
    setWindowTitle(QString::fromUtf8(tytul));
    setWindowIcon(QIcon(QPixmap(velto_xpm)));
    widok_ = new WidokGlowny(this);
    setCentralWidget(widok_);
    zbuduj_menu(*menuBar(), widok_->okno());
    // Whatever changed the model (a mouse edit too) asks for a repaint: the items, and with them
    // their shortcuts, follow their enablers then as well.
    widok_->port().po_odswiezeniu = [this] { odswiez_menu(*menuBar(), widok_->okno()); };
    // What lies under the cursor is told here.
    statusBar();
    widok_->setFocus();
}

Ramka::~Ramka() {
    // The main window goes first, while the frame, its menus and its table windows still live.
    widok_->zakoncz();
}

bool Ramka::przywroc_polozenie() {
    const QByteArray g = ustawienia_programu().value("okno/geometria").toByteArray();
    return !g.isEmpty() && restoreGeometry(g);
}

void Ramka::closeEvent(QCloseEvent* e) {
    if (!widok_->mozna_zamknac()) {
        e->ignore();
        return;
    }
    e->accept();
    ustawienia_programu().setValue("okno/geometria", saveGeometry());
    // Table windows of their own would keep the program running.
    widok_->port().ukryj_tabele();
}
