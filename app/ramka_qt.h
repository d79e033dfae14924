// SPDX-License-Identifier: GPL-3.0-or-later
// The frame: caption, icon, menu 1000 and the main view as its client.
#pragma once

#include <QMainWindow>

class QMenu;
class QMenuBar;
class WidokGlowny;
class _OKNO_;

// Builds menu 1000 into the bar: items carry their command id as data, trigger _OKNO_::Find,
// and every pop-up asks the enablers before it shows.
void zbuduj_menu(QMenuBar& pasek, _OKNO_& okno);
// Runs the enablers of a pop-up's items, as before it shows.
void odswiez_menu(QMenu& menu, _OKNO_& okno);

class Ramka : public QMainWindow {
  public:
    explicit Ramka(const char* tytul);
    ~Ramka() override;
    WidokGlowny& widok() { return *widok_; }
    // The place, size and maximised state the frame had when it last closed; false when none
    // is kept.
    bool przywroc_polozenie();

  protected:
    // Asks the main window first; the program ends with the frame.
    void closeEvent(QCloseEvent* e) override;

  private:
    WidokGlowny* widok_;
};
