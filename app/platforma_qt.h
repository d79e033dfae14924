// SPDX-License-Identifier: GPL-3.0-or-later
// The platform port over Qt Widgets.
#pragma once

#include <QAbstractFileIconProvider>
#include <QLabel>
#include <QPointer>
#include <QSettings>
#include <QUrl>
#include <functional>
#include <map>

#include "app/arkusz_qt.h"
#include "app/tabela_qt.h"
#include "app/watek_obliczen.h"
#include "okno/platforma.h"

class QTemporaryDir;

class PlatformaQt : public Platforma {
  public:
    // `widok` is the main view; the window that holds it is the frame.
    explicit PlatformaQt(QWidget& widok);
    // Table windows still open go with the port, without asking.
    ~PlatformaQt() override;
    PlatformaQt(const PlatformaQt&) = delete;
    PlatformaQt& operator=(const PlatformaQt&) = delete;

    void ustaw_wsp(QLabel* etykieta) { wsp_ = etykieta; }
    // The live table window of a handle, or null.
    OknoTabeliQt* okno_tabeli(UchwytOkna h) const;
    // Hides every table window, as the frame closes.
    void ukryj_tabele();
    // How documents reach the desktop; replaceable so that a test opens nothing.
    std::function<void(const QUrl&)> otworz_url;
    // Shows the user guide, asked for as the help file that is not in the current directory.
    std::function<void()> pokaz_podrecznik;
    static constexpr const char* plik_pomocy = "velto.chm";
    // Called after each repaint request, once the event loop is free again.
    std::function<void()> po_odswiezeniu;

    int MessageBox(const std::string& tekst, const std::string& tytul, Ikona ikona,
                   Przyciski przyciski) override;
    int Dialog(int szablon, void* rekord, int cyfry) override;
    int DialogZSzablonu(const SzablonDialogu& s, void* rekord, int cyfry) override;
    bool OknoOtworz(UstawieniaPliku& s) override;
    bool OknoZapisz(UstawieniaPliku& s) override;
    void Odswiez() override;
    void UstawTytul(const std::string& tytul) override;
    void UstawWspolrzedne(const std::string& tekst) override;
    UchwytOkna UtworzOknoTabeli(std::unique_ptr<OknoTabeli> okno) override;
    void ZniszczOknoTabeli(UchwytOkna okno) override;
    void OtworzDokument(const std::string& plik) override;
    void ZamknijGlowne() override;
    void UstawStatus(const std::string& tekst) override;
    void OdswiezWskazanie() override;
    int MenuKontekstowe(const std::vector<PozycjaKontekstowa>& pozycje) override;
    std::string Ustawienie(const std::string& klucz) override;
    void ZapiszUstawienie(const std::string& klucz, const std::string& wartosc) override;
    bool ZapiszObraz(const std::string& plik, FormatObrazu f, int w, int h,
                     const std::function<void(Powierzchnia&)>& rysuj, std::string& powod) override;
    void Drukuj(const Wydruk& w) override;
    bool ZapiszRaport(const std::string& plik, const DokumentRaportu& d,
                      std::string& powod) override;
    void DrukujRaport(const DokumentRaportu& d) override;
    void UstawJednostki(UkladJednostek u) override { jednostki_ = u; }
    void OdswiezTabele() override;
    void PokazArkusz(ArkuszDanych& a) override;
    void ZamknijArkusz() override;
    void ZmianaZaznaczenia() override;
    // The data sheet while it is open, or null.
    OknoArkusza* arkusz() const { return arkusz_.data(); }
    void UruchomWTle(std::function<void()> praca, std::function<void()> gotowe) override;
    // The examples installed beside the program (share/doc/velkora2d/examples above its folder),
    // or else its built-in copies, written out read-only to a folder of their own that goes with
    // the port.
    std::string KatalogPrzykladow() override;

  private:
    QWidget* ramka() const;
    bool plik(UstawieniaPliku& s, bool zapis);

    QWidget& widok_;
    QPointer<QLabel> wsp_;
    QPointer<OknoArkusza> arkusz_;
    // The repaint requests' follow-up (menus, the data sheet), once the event loop is free.
    void po_zmianie();
    std::map<UchwytOkna, QPointer<OknoTabeliQt>> tabele_;
    UchwytOkna nastepny_ = 1;
    bool czeka_odswiezenie_ = false;
    UkladJednostek jednostki_ = UkladJednostek::brak;  // the dialogs' labels name them
    QObject kontekst_;                                 // deferred calls go with the port
    std::unique_ptr<WatekObliczen> watek_;             // made with the first job
    std::unique_ptr<QTemporaryDir> przyklady_;         // the built-in examples, written out
    std::string katalog_przykladow_;
};

// The program's settings, under the user's configuration.
QSettings ustawienia_programu();

// The file dialog's name filters from the settings' "description|pattern|" pairs.
QStringList filtry_pliku(const std::string& filtr);

// Icons and type names for the file dialogs, told from the name and the kind of an entry alone.
// Qt's own provider opens files to guess their type, and reading some of them (/proc/kmsg) never
// returns, which would hang the program. The icons are made up front, as the dialog's model may
// ask from its worker thread.
class IkonyPlikow : public QAbstractFileIconProvider {
  public:
    IkonyPlikow();
    QIcon icon(IconType typ) const override;
    QIcon icon(const QFileInfo& f) const override;
    QString type(const QFileInfo& f) const override;

  private:
    QIcon ikony_[File + 1];
    QIcon projekt_;  // the program's own, for its project files
};
