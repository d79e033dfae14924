// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialog_qt.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSpacerItem>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

char* pole_tekstu(void* rekord, const PoleRekordu& p) {
    return static_cast<char*>(rekord) + p.przesuniecie;
}

// A field's text: up to its NUL, never past its width.
std::string czytaj_pole(void* rekord, const PoleRekordu& p) {
    const char* t = pole_tekstu(rekord, p);
    return std::string(t, strnlen(t, static_cast<std::size_t>(p.szerokosc)));
}

std::int32_t czytaj_stan(void* rekord, const PoleRekordu& p) {
    std::int32_t v;
    std::memcpy(&v, pole_tekstu(rekord, p), sizeof v);
    return v;
}

void zapisz_stan(void* rekord, const PoleRekordu& p, bool zaznaczony) {
    const std::int32_t v = zaznaczony ? 1 : 0;
    std::memcpy(pole_tekstu(rekord, p), &v, sizeof v);
}

QString z_utf8(const std::string& t) {
    return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}

// Wide enough for the `znaki` characters the edit takes and for the text it was
// given, within reason.
int szerokosc_pola(const QLineEdit* e, int znaki) {
    const QFontMetrics m = e->fontMetrics();
    const int zero = m.horizontalAdvance(QLatin1Char('0'));
    const int tekst = std::max(zero * std::clamp(znaki, 4, 14),
                               m.horizontalAdvance(e->text()) + 1);  // and the cursor after it
    // The frame and margins around the text: what the edit's own size hint adds
    // to its 17 characters.
    const int ramka = e->sizeHint().width() - 17 * m.horizontalAdvance(QLatin1Char('x'));
    return std::min(tekst, zero * 40) + std::max(ramka, 0);
}

// A message box fits itself to its text: a short text under a long title would
// cut the title.
void szeroki_na_tytul(QMessageBox& box) {
    auto* siatka = qobject_cast<QGridLayout*>(box.layout());
    if (!siatka) return;
    const int szerokosc = szerokosc_na_tytul(&box, box.windowTitle());
    siatka->addItem(new QSpacerItem(szerokosc, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                    siatka->rowCount(), 0, 1, siatka->columnCount());
}

}  // namespace

int szerokosc_na_tytul(const QWidget* w, const QString& tytul) {
    QFont f = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    f.setBold(true);
    const QFontMetrics m(f);
    const int pasek =
        std::max(w->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, w), m.height());
    // The icon and the three buttons, each about as wide as the bar is high, and
    // the frame's and the title's margins, another.
    return m.horizontalAdvance(tytul) + 5 * pasek;
}

void do_pola(char* pole, int szerokosc, const std::string& tekst) {
    if (szerokosc <= 0) return;
    std::size_t n = std::min(tekst.size(), static_cast<std::size_t>(szerokosc - 1));
    // Step back over continuation bytes when the cut falls inside a character.
    if (n < tekst.size())
        while (n > 0 && (static_cast<unsigned char>(tekst[n]) & 0xC0) == 0x80) --n;
    std::memcpy(pole, tekst.data(), n);
    pole[n] = '\0';
}

DialogSzablonu::DialogSzablonu(QWidget* rodzic, const SzablonDialogu& s, void* rekord, int cyfry,
                               UkladJednostek jednostki)
    : QDialog(rodzic), s_(s), rekord_(rekord), jednostki_(jednostki) {
    auto etykieta = [jednostki](const Kontrolka& k) {
        return z_utf8(
            z_jednostka(k.tekst, k.jednostka_w_naglowku ? Wielkosc::brak : k.wielkosc, jednostki));
    };
    setWindowTitle(QString::fromUtf8(s.tytul));
    auto* siatka = new QGridLayout;
    QButtonGroup* grupa = nullptr;
    QWidget* pierwsza = nullptr;  // the first control the user can type into
    for (const Kontrolka& k : s.kontrolki) {
        const bool zwiazana = k.pole.szerokosc > 0;
        QWidget* w = nullptr;
        int kolumna = k.kolumna;
        switch (k.rodzaj) {
            case Rodzaj::edycja: {
                auto* e = new QLineEdit(this);
                const QString t = zwiazana ? z_utf8(czytaj_pole(rekord, k.pole)) : QString();
                // What the program wrote is shown whole; typing stops at the limit, but
                // for a real number, which is refused as the dialog closes when it is too
                // long: a limit would cut a pasted number without a word.
                const int limit = limit_kontrolki(k, cyfry);
                if (!k.rzeczywista) e->setMaxLength(std::max<int>(limit, t.size()));
                if (k.cyfry)
                    e->setValidator(
                        new QRegularExpressionValidator(QRegularExpression("[0-9]*"), e));
                e->setReadOnly(k.tylko_odczyt);
                if (k.do_prawej) e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
                e->setText(t);
                // A long text shows its start: the end of "-240370096.000000" would read
                // as a positive number.
                e->setCursorPosition(0);
                // A real number reads in a dozen characters; longer text widens the edit.
                e->setFixedWidth(szerokosc_pola(e, k.rzeczywista ? 12 : limit));
                if (*k.tekst) {
                    auto* l = new QLabel(etykieta(k), this);
                    l->setBuddy(e);
                    siatka->addWidget(l, k.wiersz, k.kolumna);
                }
                kolumna = k.kolumna + 1;
                if (!pierwsza && !k.tylko_odczyt) pierwsza = e;
                w = e;
                break;
            }
            case Rodzaj::wybor: {
                auto* c = new QCheckBox(QString::fromUtf8(k.tekst), this);
                if (zwiazana) c->setChecked(czytaj_stan(rekord, k.pole) != 0);
                w = c;
                break;
            }
            case Rodzaj::radio: {
                auto* r = new QRadioButton(QString::fromUtf8(k.tekst), this);
                if (!grupa) {
                    grupa = new QButtonGroup(this);
                    grupa->setExclusive(true);
                }
                grupa->addButton(r);
                if (zwiazana) r->setChecked(czytaj_stan(rekord, k.pole) != 0);
                w = r;
                break;
            }
            case Rodzaj::lista: {
                auto* c = new QComboBox(this);
                for (const std::string& p : pozycje_listy(k.pozycje)) c->addItem(z_utf8(p));
                // A state that names no item leaves nothing chosen.
                if (zwiazana) c->setCurrentIndex(czytaj_stan(rekord, k.pole));
                if (*k.tekst) {
                    auto* l = new QLabel(QString::fromUtf8(k.tekst), this);
                    l->setBuddy(c);
                    siatka->addWidget(l, k.wiersz, k.kolumna);
                }
                kolumna = k.kolumna + 1;
                if (!pierwsza) pierwsza = c;
                w = c;
                break;
            }
            case Rodzaj::statyczny:
            case Rodzaj::napis: {
                auto* l =
                    new QLabel(zwiazana ? z_utf8(czytaj_pole(rekord, k.pole)) : etykieta(k), this);
                l->setTextFormat(Qt::PlainText);
                if (k.do_prawej) l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
                w = l;
                break;
            }
        }
        if (k.id >= 0) w->setObjectName(QString::number(k.id));
        // A line of text from the left edge runs under the fields too, rather than widening the
        // labels' column.
        if (k.rodzaj == Rodzaj::napis && k.kolumna == 0 && !zwiazana)
            siatka->addWidget(w, k.wiersz, 0, 1, -1);
        else
            siatka->addWidget(w, k.wiersz, kolumna);
        if (zwiazana) wiazania_.push_back({&k, w});
    }

    auto* przyciski = new QDialogButtonBox(Qt::Horizontal, this);
    QPushButton* ok = przyciski->addButton("OK", QDialogButtonBox::AcceptRole);
    ok->setObjectName("ok");
    ok->setDefault(true);
    if (s.anuluj)
        przyciski->addButton("Anuluj", QDialogButtonBox::RejectRole)->setObjectName("anuluj");
    connect(przyciski, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(przyciski, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(siatka);
    uklad->addStretch(1);
    uklad->addWidget(przyciski);

    // The template's size in dialog units: a quarter of the average character
    // wide, an eighth of the line high.
    const QFontMetrics m = fontMetrics();
    const QSize z(s.szerokosc * m.averageCharWidth() / 4, s.wysokosc * m.height() / 8);
    resize(z.expandedTo(sizeHint()).expandedTo(QSize(szerokosc_na_tytul(this, windowTitle()), 0)));
    if (pierwsza) pierwsza->setFocus();
}

int DialogSzablonu::wykonaj() {
    return exec() == QDialog::Accepted ? 1 : 2;
}

void DialogSzablonu::done(int r) {
    if (r == QDialog::Accepted && !przelicz_jednostki()) return;
    if (r == QDialog::Accepted) przepisz_do_rekordu();
    QDialog::done(r);
}

bool DialogSzablonu::przelicz_jednostki() {
    for (const Wiazanie& b : wiazania_) {
        const Kontrolka& k = *b.k;
        if (k.rodzaj != Rodzaj::edycja || k.wielkosc == Wielkosc::brak || k.tylko_odczyt) continue;
        auto* e = static_cast<QLineEdit*>(b.w);
        std::string wynik, komunikat;
        if (!tekst_w_ukladzie(e->text().toStdString(), k.wielkosc, jednostki_, nazwa_pola(k), wynik,
                              komunikat)) {
            // The dialog stays open at the field, as it was typed.
            okno_komunikatu(this, komunikat, "Błąd danych", Ikona::stop, Przyciski::ok);
            e->setFocus();
            e->selectAll();
            return false;
        }
        if (z_utf8(wynik) != e->text()) e->setText(z_utf8(wynik));
    }
    return true;
}

void DialogSzablonu::przepisz_do_rekordu() {
    for (const Wiazanie& b : wiazania_) {
        const PoleRekordu& p = b.k->pole;
        if (b.k->rodzaj == Rodzaj::lista) {
            const std::int32_t v = static_cast<QComboBox*>(b.w)->currentIndex();
            std::memcpy(pole_tekstu(rekord_, p), &v, sizeof v);
            continue;
        }
        if (p.stan) {
            zapisz_stan(rekord_, p, static_cast<QAbstractButton*>(b.w)->isChecked());
            continue;
        }
        char* pole = pole_tekstu(rekord_, p);
        const std::string dawny = czytaj_pole(rekord_, p);
        std::string t = dawny;
        if (b.k->rodzaj == Rodzaj::edycja) {
            const QString nowy = static_cast<QLineEdit*>(b.w)->text();
            // Text left as shown keeps its bytes, even where they were not valid
            // UTF-8.
            if (nowy != z_utf8(dawny)) t = tekst_do_rekordu(*b.k, nowy.toStdString());
        }
        do_pola(pole, p.szerokosc, t);
    }
}

int dialog_szablonu(QWidget* rodzic, int id, void* rekord, int cyfry, UkladJednostek jednostki) {
    const auto& ids = identyfikatory_szablonow();
    if (!rekord || std::find(ids.begin(), ids.end(), id) == ids.end()) return 2;
    DialogSzablonu d(rodzic, szablon(id), rekord, cyfry, jednostki);
    return d.wykonaj();
}

int okno_komunikatu(QWidget* rodzic, const std::string& tekst, const std::string& tytul,
                    Ikona ikona, Przyciski przyciski) {
    QMessageBox box(rodzic);
    box.setIcon(ikona == Ikona::stop       ? QMessageBox::Critical
                : ikona == Ikona::pytajnik ? QMessageBox::Question
                                           : QMessageBox::Warning);
    box.setWindowTitle(z_utf8(tytul));
    box.setTextFormat(Qt::PlainText);
    box.setText(z_utf8(tekst));
    if (przyciski == Przyciski::ok) {
        QPushButton* ok = box.addButton("OK", QMessageBox::AcceptRole);
        ok->setObjectName("ok");
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
        szeroki_na_tytul(box);
        box.exec();
        return IDOK;
    }
    QPushButton* tak = box.addButton("Tak", QMessageBox::YesRole);
    QPushButton* nie = box.addButton("Nie", QMessageBox::NoRole);
    tak->setObjectName("tak");
    nie->setObjectName("nie");
    QPushButton* anuluj = nullptr;
    if (przyciski == Przyciski::tak_nie_anuluj) {
        anuluj = box.addButton("Anuluj", QMessageBox::RejectRole);
        anuluj->setObjectName("anuluj");
    }
    box.setDefaultButton(tak);
    // Escape takes the safe way out: staying, where staying is offered.
    box.setEscapeButton(anuluj ? anuluj : nie);
    szeroki_na_tytul(box);
    box.exec();
    if (box.clickedButton() == tak) return IDYES;
    return box.clickedButton() == nie ? IDNO : IDCANCEL;
}
