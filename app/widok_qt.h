// SPDX-License-Identifier: GPL-3.0-or-later
// The widget of the main view: it owns one _OKNO_ with its Qt port and the coordinates readout,
// and forwards paint, size and mouse-move events to it.
#pragma once

#include <QFrame>
#include <QImage>
#include <QWidget>
#include <memory>

#include "app/platforma_qt.h"
#include "okno/okno.h"

class QLabel;

// The readout window: a small captioned child of the main view with the label "999".
class OknoWsp : public QFrame {
  public:
    OknoWsp(QWidget* rodzic, const QString& tekst);
    QLabel* etykieta() const { return xx_; }
    QLabel* pasek() const { return pasek_; }
    // Fits the label, and the window around it, to the label's text: the label wraps at spaces,
    // so it is made as wide as the widest part between them; never smaller than as created.
    void dopasuj();

  protected:
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    QLabel* pasek_;
    QWidget* klient_;
    QLabel* xx_;
    QPoint chwyt_;
    bool ciagnie_ = false;
};

// The view is drawn into a kept picture, and a paint shows that picture: a dialog, a menu, the
// readout window moving over the view or the highlight of what lies under the cursor, drawn over
// the picture, costs no drawing of the truss. The picture is drawn afresh
// at the first paint after the main window asks for a repaint (every change of the model, the
// results or a view flag does, and so does a change of size), and after each modal box or dialog
// opens and closes through the port, as the command that showed it may have changed the model.
class WidokGlowny : public QWidget {
  public:
    explicit WidokGlowny(QWidget* rodzic = nullptr);
    ~WidokGlowny() override;

    _OKNO_& okno() { return *okno_; }
    PlatformaQt& port() { return *port_; }
    OknoWsp* wsp() const { return wsp_; }
    // Asks the main window whether the program may close.
    bool mozna_zamknac();
    // Destroys the main window while its port lives, then the port with the table windows.
    void zakoncz();
    // The kept picture is out of date: the next paint draws the view again.
    void uniewaznij() { obraz_wazny_ = false; }

  protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    // The view toggles and the file dialogs' folder, as the program last ended with them.
    void wczytaj_ustawienia();
    void zapisz_ustawienia();

    std::unique_ptr<PlatformaQt> port_;
    OknoWsp* wsp_;
    std::unique_ptr<_OKNO_> okno_;
    QImage obraz_;
    bool obraz_wazny_ = false;
    bool przesuwa_ = false;  // the middle button drags the view
    QPoint chwyt_;
};
