// SPDX-License-Identifier: GPL-3.0-or-later
// Dialogs built from the templates of resources/, and the message box.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "okno/platforma.h"
#include "resources/szablony.h"

class QLineEdit;
class QAbstractButton;
class QLabel;

// One modal dialog over a transfer record: each bound control shows its field when the dialog
// opens, and OK copies every bound control back (a real number too long for its field as the
// empty text, see tekst_do_rekordu). Any other end leaves the record as it was. Controls carry
// their template id as object name.
class DialogSzablonu : public QDialog {
  public:
    // Labels of values name their units in the system `jednostki`.
    DialogSzablonu(QWidget* rodzic, const SzablonDialogu& s, void* rekord, int cyfry,
                   UkladJednostek jednostki = bez_jednostek);

    // Runs it modally: 1 for OK, 2 for anything else.
    int wykonaj();
    void done(int r) override;

  private:
    struct Wiazanie {
        const Kontrolka* k;
        QWidget* w;
    };
    void przepisz_do_rekordu();
    // Values typed with a unit become numbers in the project's units; false, with a message and
    // the dialog still open, for a unit of another quantity.
    bool przelicz_jednostki();

    const SzablonDialogu& s_;
    void* rekord_;
    UkladJednostek jednostki_;
    std::vector<Wiazanie> wiazania_;
};

// The dialog of template `id` over `rekord`; 2 without showing anything for an unknown id.
int dialog_szablonu(QWidget* rodzic, int id, void* rekord, int cyfry,
                    UkladJednostek jednostki = bez_jednostek);

// A modal message box; IDOK, IDYES or IDNO. Escape and the close box answer No to a question.
int okno_komunikatu(QWidget* rodzic, const std::string& tekst, const std::string& tytul,
                    Ikona ikona, Przyciski przyciski);

// The width a window needs for the window manager to show the whole of its title `tytul`: the
// title in the platform's title font, bold as most title bars draw it, and room for the icon,
// the buttons and the frame's margins.
int szerokosc_na_tytul(const QWidget* w, const QString& tytul);

// Copies text into a field of `szerokosc` bytes: at most szerokosc - 1 bytes and a NUL, never
// splitting a UTF-8 character.
void do_pola(char* pole, int szerokosc, const std::string& tekst);
