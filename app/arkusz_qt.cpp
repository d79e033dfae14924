// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/arkusz_qt.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QPointer>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <set>

#include "app/dialog_qt.h"
#include "app/platforma_qt.h"
#include "okno/okno.h"

namespace {
QString z_utf8(const std::string& t) {
    return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}
constexpr Zakladka zakladki_arkusza[liczba_zakladek] = {
    Zakladka::wezly,   Zakladka::prety, Zakladka::materialy,  Zakladka::przekroje,
    Zakladka::podpory, Zakladka::sily,  Zakladka::temperatury};
}  // namespace

ModelArkusza::ModelArkusza(ArkuszDanych& a, Zakladka z,
                           std::function<void(const std::string&)> odmowa, QObject* rodzic)
    : QAbstractTableModel(rodzic),
      a_(a),
      z_(z),
      wiersze_(a.wiersze(z)),
      odmowa_(std::move(odmowa)) {}

int ModelArkusza::rowCount(const QModelIndex& rodzic) const {
    return rodzic.isValid() ? 0 : wiersze_ + 1;
}

int ModelArkusza::columnCount(const QModelIndex& rodzic) const {
    return rodzic.isValid() ? 0 : static_cast<int>(kolumny_arkusza(z_).size());
}

QVariant ModelArkusza::data(const QModelIndex& i, int rola) const {
    if (!i.isValid()) return {};
    if (rola == Qt::DisplayRole || rola == Qt::EditRole)
        return z_utf8(a_.tekst(z_, i.row(), i.column()));
    if (rola == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    // The new row shows what it will get: grey until it is an entity.
    if (rola == Qt::ForegroundRole && i.row() >= wiersze_) return QColor(Qt::darkGray);
    return {};
}

QVariant ModelArkusza::headerData(int sekcja, Qt::Orientation o, int rola) const {
    if (rola != Qt::DisplayRole) return {};
    if (o == Qt::Horizontal) return z_utf8(a_.naglowek(z_, sekcja));
    return sekcja < wiersze_ ? QString::number(sekcja + 1) : QString("*");
}

Qt::ItemFlags ModelArkusza::flags(const QModelIndex& i) const {
    if (!i.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}

bool ModelArkusza::setData(const QModelIndex& i, const QVariant& v, int rola) {
    if (!i.isValid() || rola != Qt::EditRole) return false;
    // An unchanged cell is no edit: nothing to check, no step.
    const QString t = v.toString();
    if (t == data(i, Qt::EditRole).toString()) return false;
    const std::string komunikat = a_.ustaw(z_, i.row(), i.column(), t.toStdString());
    if (!komunikat.empty()) {
        if (odmowa_) odmowa_(komunikat);
        return false;
    }
    // The store changed through the main window, which asks for a repaint: the sheet follows
    // then; the cell itself shows its new text at once.
    odswiez();
    return true;
}

void ModelArkusza::odswiez() {
    const int n = a_.wiersze(z_);
    if (n > wiersze_) {
        beginInsertRows({}, wiersze_, n - 1);
        wiersze_ = n;
        endInsertRows();
    } else if (n < wiersze_) {
        beginRemoveRows({}, n, wiersze_ - 1);
        wiersze_ = n;
        endRemoveRows();
    }
    const int k = columnCount();
    if (k > 0) emit dataChanged(index(0, 0), index(wiersze_, k - 1));
    emit headerDataChanged(Qt::Horizontal, 0, k - 1);
    emit headerDataChanged(Qt::Vertical, 0, wiersze_);
}

OknoArkusza::OknoArkusza(_OKNO_& o, ArkuszDanych& a, QWidget* wlasciciel)
    : QWidget(wlasciciel), o_(o), a_(a) {
    setWindowFlag(Qt::Window);
    setWindowTitle("Arkusz danych");
    zakladki_ = new QTabWidget(this);
    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(4, 4, 4, 4);
    uklad->addWidget(zakladki_);
    for (Zakladka z : zakladki_arkusza) {
        const std::size_t i = static_cast<std::size_t>(z);
        auto* t = new QTableView(zakladki_);
        auto* m = new ModelArkusza(
            a_, z, [this](const std::string& k) { odmowa(k); }, t);
        t->setModel(m);
        t->setObjectName(QString::fromUtf8(nazwa_zakladki(z)));
        t->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
        t->setSelectionMode(QAbstractItemView::ExtendedSelection);
        t->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
        t->horizontalHeader()->setDefaultSectionSize(150);
        t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
        t->installEventFilter(this);
        t->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(t, &QWidget::customContextMenuRequested, this, [this, t](const QPoint& p) {
            QMenu menu(this);
            QAction* k = menu.addAction("&Kopiuj\tCtrl+C");
            QAction* w = menu.addAction("&Wklej\tCtrl+V");
            menu.addSeparator();
            QAction* u = menu.addAction("&Usuń wiersze\tDel");
            const QAction* wybrana = menu.exec(t->viewport()->mapToGlobal(p));
            if (wybrana == k) kopiuj();
            if (wybrana == w) wklej();
            if (wybrana == u) usun_wiersze();
        });
        if (z == Zakladka::wezly || z == Zakladka::prety)
            connect(t->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                    [this, z] { zaznaczenie_z_tabeli(z); });
        tabele_[i] = t;
        modele_[i] = m;
        zakladki_->addTab(t, z_utf8(a_.tytul(z)));
    }
    resize(640, 420);
    const QByteArray g = ustawienia_programu().value("arkusz/geometria").toByteArray();
    if (!g.isEmpty()) restoreGeometry(g);
    pokaz_zaznaczenie();
}

OknoArkusza::~OknoArkusza() = default;

Zakladka OknoArkusza::biezaca() const {
    return zakladki_arkusza[std::clamp(zakladki_->currentIndex(), 0, liczba_zakladek - 1)];
}

void OknoArkusza::odswiez() {
    for (Zakladka z : zakladki_arkusza) {
        modele_[static_cast<std::size_t>(z)]->odswiez();
        zakladki_->setTabText(static_cast<int>(z), z_utf8(a_.tytul(z)));
    }
    pokaz_zaznaczenie();
}

void OknoArkusza::odmowa(const std::string& komunikat) {
    // After the edit has ended: a box while the cell's editor closes would take its focus and
    // have it commit again.
    QPointer<OknoArkusza> ja(this);
    QTimer::singleShot(0, this, [ja, komunikat] {
        if (ja) okno_komunikatu(ja, komunikat, "Błąd danych", Ikona::stop, Przyciski::ok);
    });
}

void OknoArkusza::pokaz_zaznaczenie() {
    if (w_zgodzie_) return;
    w_zgodzie_ = true;
    for (Zakladka z : {Zakladka::wezly, Zakladka::prety}) {
        QTableView* t = tabela(z);
        const std::vector<int> numery =
            z == Zakladka::wezly ? o_.zaznaczenie.wezly() : o_.zaznaczenie.prety();
        // Runs of numbers, one range each.
        QItemSelection s;
        const int kolumny = t->model()->columnCount() - 1;
        for (std::size_t i = 0; i < numery.size();) {
            std::size_t j = i;
            while (j + 1 < numery.size() && numery[j + 1] == numery[j] + 1) ++j;
            s.select(t->model()->index(numery[i] - 1, 0),
                     t->model()->index(numery[j] - 1, kolumny));
            i = j + 1;
        }
        // The rows shown as selected already say the same: the current cell stays as it is.
        std::set<int> teraz;
        for (const QItemSelectionRange& r : t->selectionModel()->selection())
            for (int w = r.top(); w <= r.bottom(); ++w) teraz.insert(w + 1);
        if (std::vector<int>(teraz.begin(), teraz.end()) != numery)
            t->selectionModel()->select(s, QItemSelectionModel::ClearAndSelect);
    }
    w_zgodzie_ = false;
}

void OknoArkusza::zaznaczenie_z_tabeli(Zakladka z) {
    if (w_zgodzie_) return;
    w_zgodzie_ = true;
    const int n = a_.wiersze(z);
    std::vector<char> w(static_cast<std::size_t>(n) + 1, 0);
    for (const QItemSelectionRange& r : tabela(z)->selectionModel()->selection())
        for (int i = r.top(); i <= std::min(r.bottom(), n - 1); ++i)
            w[static_cast<std::size_t>(i) + 1] = 1;
    for (int i = 1; i <= n; ++i) {
        if (z == Zakladka::wezly)
            o_.zaznaczenie.ustaw_wezel(i, w[static_cast<std::size_t>(i)]);
        else
            o_.zaznaczenie.ustaw_pret(i, w[static_cast<std::size_t>(i)]);
    }
    o_.zmiana_zaznaczenia();
    w_zgodzie_ = false;
}

void OknoArkusza::kopiuj() {
    QTableView* t = tabela(biezaca());
    const QItemSelection s = t->selectionModel()->selection();
    if (s.isEmpty()) return;
    int w0 = INT_MAX, w1 = -1, k0 = INT_MAX, k1 = -1;
    for (const QItemSelectionRange& r : s) {
        w0 = std::min(w0, r.top()), w1 = std::max(w1, r.bottom());
        k0 = std::min(k0, r.left()), k1 = std::max(k1, r.right());
    }
    // The decimal mark of the desktop's language, which the spreadsheet reads by.
    const QString znak = QLocale().decimalPoint();
    const char przecinek = znak == "," ? ',' : '.';
    QApplication::clipboard()->setText(z_utf8(a_.kopiuj(biezaca(), w0, w1, k0, k1, przecinek)));
}

void OknoArkusza::wklej() {
    QTableView* t = tabela(biezaca());
    QModelIndex i = t->currentIndex();
    // The top left of the selection, or the current cell.
    for (const QItemSelectionRange& r : t->selectionModel()->selection())
        if (!i.isValid() || r.top() < i.row() || (r.top() == i.row() && r.left() < i.column()))
            i = t->model()->index(r.top(), r.left());
    if (!i.isValid()) i = t->model()->index(0, 0);
    const std::string komunikat =
        a_.wklej(biezaca(), i.row(), i.column(), QApplication::clipboard()->text().toStdString());
    if (!komunikat.empty())
        okno_komunikatu(this, komunikat, "Błąd danych", Ikona::stop, Przyciski::ok);
    odswiez();
}

void OknoArkusza::usun_wiersze() {
    std::set<int> w;
    for (const QItemSelectionRange& r : tabela(biezaca())->selectionModel()->selection())
        for (int i = r.top(); i <= r.bottom(); ++i) w.insert(i);
    if (w.empty()) return;
    a_.usun_wiersze(biezaca(), std::vector<int>(w.begin(), w.end()));
    odswiez();
}

bool OknoArkusza::eventFilter(QObject* o, QEvent* e) {
    if (e->type() != QEvent::KeyPress) return QWidget::eventFilter(o, e);
    auto* k = static_cast<QKeyEvent*>(e);
    QTableView* t = tabela(biezaca());
    if (o != t) return false;
    // While a cell is being edited the keys belong to its editor, which holds the focus.
    const QWidget* f = QApplication::focusWidget();
    if (f != nullptr && f != t && t->isAncestorOf(f)) return false;
    if (k->matches(QKeySequence::Copy)) {
        kopiuj();
        return true;
    }
    if (k->matches(QKeySequence::Paste)) {
        wklej();
        return true;
    }
    if (k->matches(QKeySequence::Undo)) {
        o_.Find(52011);
        return true;
    }
    if (k->matches(QKeySequence::Redo) ||
        (k->key() == Qt::Key_Y && k->modifiers() == Qt::ControlModifier)) {
        o_.Find(52012);
        return true;
    }
    // Delete takes rows the user chose whole, by their numbers; in a cell it would be a surprise.
    if (k->key() == Qt::Key_Delete && !t->selectionModel()->selectedRows().isEmpty()) {
        usun_wiersze();
        return true;
    }
    return false;
}

void OknoArkusza::closeEvent(QCloseEvent* e) {
    ustawienia_programu().setValue("arkusz/geometria", saveGeometry());
    QWidget::closeEvent(e);
}
