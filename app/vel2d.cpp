#include "app/vel2d.h"

#include <QIcon>
#include <QLibraryInfo>
#include <QPixmap>
#include <clocale>
#include <cstdio>

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
    fw_->showMaximized();
}

int _VEL2D_::Run() {
    pokaz();
    return exec();
}
