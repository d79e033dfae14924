// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/vel2d.h"

#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QLibraryInfo>
#include <QPixmap>
#include <QTimer>
#include <QUrl>
#include <clocale>
#include <cstdio>

#include "app/widok_qt.h"
#include "resources/szablony.h"

_VEL2D_::_VEL2D_(int& argc, char** argv) : QApplication(argc, argv) {
    // Qt took the locale from the environment; numbers are written and read with points.
    std::setlocale(LC_NUMERIC, "C");
    std::snprintf(_tytul_, sizeof _tytul_, "%s", "Velkora 2D");
    // Qt's own texts (the file dialogs) in Polish, where the translations are installed.
    if (tlumacz_.load("qtbase_pl", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(&tlumacz_);
    setWindowIcon(QIcon(QPixmap(velto_xpm)));
}

_VEL2D_::~_VEL2D_() {
    fw_.reset();
}

void _VEL2D_::InitMainWindow() {
    fw_ = std::make_unique<Ramka>(_tytul_);
    // Opens maximised and restores to 640 x 400.
    fw_->resize(640, 400);
}

void _VEL2D_::pokaz() {
    if (!fw_) InitMainWindow();
    // As the user left it last time; the first time maximised.
    if (fw_->przywroc_polozenie())
        fw_->show();
    else
        fw_->showMaximized();
}

QString _VEL2D_::plik_z_wiersza_polecen() const {
    // Qt has taken its own options out already.
    const QStringList a = arguments();
    for (qsizetype i = 1; i < a.size(); ++i) {
        if (a[i] == "--") return i + 1 < a.size() ? a[i + 1] : QString();
        if (a[i].startsWith('-')) continue;
        const QUrl u(a[i]);
        return u.isLocalFile() ? u.toLocalFile() : a[i];
    }
    return {};
}

int _VEL2D_::Run() {
    pokaz();
    // The file given to the program opens as "Otwórz" opens it, once the frame is on screen, so
    // that a refusal has a window to stand over.
    const QString plik = plik_z_wiersza_polecen();
    if (!plik.isEmpty())
        QTimer::singleShot(0, fw_.get(), [this, plik] {
            const QString sciezka = QFileInfo(plik).absoluteFilePath();
            fw_->widok().okno().otworz_plik(QFile::encodeName(sciezka).toStdString());
        });
    return exec();
}
