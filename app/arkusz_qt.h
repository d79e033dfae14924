// SPDX-License-Identifier: GPL-3.0-or-later
// The data sheet window: a tab for each table of the model, each a table view over a model that
// reads the store through ArkuszDanych as it paints (nothing copied), and edits, pastes and row
// deletions that go through it. Rows selected in the nodes' and bars' tabs are the main view's
// selection, and the other way round.
#pragma once

#include <QAbstractTableModel>
#include <QWidget>
#include <array>
#include <functional>
#include <string>

#include "editing/arkusz.h"

class QTabWidget;
class QTableView;
class _OKNO_;

class ModelArkusza : public QAbstractTableModel {
  public:
    // `odmowa` hears why a cell was refused.
    ModelArkusza(ArkuszDanych& a, Zakladka z, std::function<void(const std::string&)> odmowa,
                 QObject* rodzic);
    Zakladka zakladka() const { return z_; }
    // The model's rows and one more, for a new entity.
    int rowCount(const QModelIndex& rodzic = {}) const override;
    int columnCount(const QModelIndex& rodzic = {}) const override;
    QVariant data(const QModelIndex& i, int rola) const override;
    QVariant headerData(int sekcja, Qt::Orientation o, int rola) const override;
    Qt::ItemFlags flags(const QModelIndex& i) const override;
    bool setData(const QModelIndex& i, const QVariant& v, int rola) override;
    // Follows the store: rows it gained or lost at the end, then every cell and heading again.
    void odswiez();

  private:
    ArkuszDanych& a_;
    Zakladka z_;
    int wiersze_;  // the rows the views were told of, the new row aside
    std::function<void(const std::string&)> odmowa_;
};

class OknoArkusza : public QWidget {
  public:
    OknoArkusza(_OKNO_& o, ArkuszDanych& a, QWidget* wlasciciel);
    ~OknoArkusza() override;

    QTabWidget* zakladki() const { return zakladki_; }
    QTableView* tabela(Zakladka z) const { return tabele_[static_cast<std::size_t>(z)]; }
    ModelArkusza* model(Zakladka z) const { return modele_[static_cast<std::size_t>(z)]; }
    // The store changed: rows, cells, headings and titles follow.
    void odswiez();
    // The main view's selection changed: the rows of the nodes and bars follow.
    void pokaz_zaznaczenie();
    // On the current tab: the selected block to the clipboard; the clipboard's block at the
    // current cell; the selected rows deleted.
    void kopiuj();
    void wklej();
    void usun_wiersze();

  protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    Zakladka biezaca() const;
    // The rows selected in a tab become the view's nodes or bars.
    void zaznaczenie_z_tabeli(Zakladka z);
    void odmowa(const std::string& komunikat);

    _OKNO_& o_;
    ArkuszDanych& a_;
    QTabWidget* zakladki_;
    std::array<QTableView*, liczba_zakladek> tabele_{};
    std::array<ModelArkusza*, liczba_zakladek> modele_{};
    bool w_zgodzie_ = false;  // the selection is being put in step: no echo back
};
