// SPDX-License-Identifier: GPL-3.0-or-later
// The application object: it builds the frame and runs the message loop.
#pragma once

#include <QApplication>
#include <QTranslator>
#include <memory>

#include "app/ramka_qt.h"

class _VEL2D_ : public QApplication {
  public:
    _VEL2D_(int& argc, char** argv);
    ~_VEL2D_() override;

    char _tytul_[28];

    // Creates the frame with its main window, icon, size and menu.
    void InitMainWindow();
    // Shows the frame as it was when it last closed; the first time maximised, restoring to its
    // initial size.
    void pokaz();
    // Shows the frame, opens the project file given on the command line, if any, and runs the
    // loop; its status.
    int Run();
    // The project file among the arguments (a path or a file URL), empty when none is given.
    QString plik_z_wiersza_polecen() const;
    Ramka* fw() const { return fw_.get(); }

  private:
    QTranslator tlumacz_;
    std::unique_ptr<Ramka> fw_;
};
