// SPDX-License-Identifier: GPL-3.0-or-later
// The window of an input-data or results table: a scrolled view over an OknoTabeli.
#pragma once

#include <QAbstractScrollArea>
#include <memory>

#include "okno/platforma.h"

class OknoTabeliQt : public QAbstractScrollArea {
  public:
    // With `wlasciciel` the window belongs to it (a window of its own that closes with it);
    // without, it is a top-level window.
    OknoTabeliQt(std::unique_ptr<OknoTabeli> logika, QWidget* wlasciciel);
    ~OknoTabeliQt() override;

    OknoTabeli& logika() { return *logika_; }
    // Closes the window without asking the logic.
    void zamknij_bez_pytania();
    // Keeps the window's place and size for the next window of its kind (by title).
    void zapamietaj_polozenie();

  protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    QString klucz_polozenia() const;
    void ustaw_paski();
    void przed_odswiezeniem();
    void usun();

    std::unique_ptr<OknoTabeli> logika_;
    bool czeka_ = false;      // a call of przed_odswiezeniem is queued or running
    bool w_trakcie_ = false;  // that call is running
    bool usunac_ = false;     // closed while it ran: deleted once it returns
};
