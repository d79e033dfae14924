// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platforma_qt.h"

#include <QCursor>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPageLayout>
#include <QPageSize>
#include <QPaintEngine>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSettings>
#include <QStatusBar>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include "app/dialog_qt.h"
#include "app/pomoc_qt.h"
#include "qt/obraz.h"
#include "qt/raport.h"
#include "qt/wydruk.h"

namespace {
QString z_utf8(const std::string& t) {
    return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}
}  // namespace

QStringList filtry_pliku(const std::string& filtr) {
    const QStringList czesci = z_utf8(filtr).split('|');
    QStringList w;
    for (qsizetype i = 0; i + 1 < czesci.size(); i += 2) {
        const QString opis = czesci[i], wzorce = QString(czesci[i + 1]).replace(';', ' ');
        if (opis.isEmpty() && wzorce.isEmpty()) continue;
        // Qt reads the patterns from the parentheses; a description without them gets them.
        w << (opis.contains('(') ? opis : opis + " (" + wzorce + ")");
    }
    return w;
}

IkonyPlikow::IkonyPlikow() : projekt_(QGuiApplication::windowIcon()) {
    // Qt's provider answers by kind without touching any file.
    const QFileIconProvider wzor;
    for (int t = Computer; t <= File; ++t) ikony_[t] = wzor.icon(static_cast<IconType>(t));
    if (projekt_.isNull()) projekt_ = ikony_[File];
}

QIcon IkonyPlikow::icon(IconType typ) const {
    return ikony_[typ];
}

QIcon IkonyPlikow::icon(const QFileInfo& f) const {
    if (f.isRoot()) return ikony_[Drive];
    if (f.isDir()) return ikony_[Folder];
    if (f.suffix().compare("V2D", Qt::CaseInsensitive) == 0) return projekt_;
    return ikony_[File];
}

namespace {
// Qt's own words, so that its translations apply: Qt 6 looks them up under the provider, and
// some catalogues (the Polish one) still hold them under the file dialog.
QString slowo_qt(const char* tekst, const char* objasnienie = nullptr) {
    for (const char* kontekst : {"QAbstractFileIconProvider", "QFileDialog"}) {
        const QString t = QCoreApplication::translate(kontekst, tekst, objasnienie);
        if (t != QLatin1String(tekst)) return t;
    }
    return QString::fromLatin1(tekst);
}
}  // namespace

QString IkonyPlikow::type(const QFileInfo& f) const {
    if (f.isRoot()) return slowo_qt("Drive");
    if (f.isDir()) return slowo_qt("Folder", "All other platforms");
    if (f.isFile()) return slowo_qt("File");
    if (f.isSymLink()) return slowo_qt("Shortcut", "All other platforms");
    return slowo_qt("Unknown");
}

PlatformaQt::PlatformaQt(QWidget& widok)
    : otworz_url([](const QUrl& u) { QDesktopServices::openUrl(u); }),
      pokaz_podrecznik([this] { ::pokaz_podrecznik(ramka()); }),
      widok_(widok) {}

PlatformaQt::~PlatformaQt() {
    // The analysis thread goes first: nothing it completes may reach the port after this.
    watek_.reset();
    delete arkusz_.data();
    for (auto& [h, w] : tabele_) delete w.data();
}

QWidget* PlatformaQt::ramka() const {
    return widok_.window();
}

OknoTabeliQt* PlatformaQt::okno_tabeli(UchwytOkna h) const {
    const auto it = tabele_.find(h);
    return it == tabele_.end() ? nullptr : it->second.data();
}

void PlatformaQt::ukryj_tabele() {
    for (auto& [h, w] : tabele_)
        if (w && w->isVisible()) {
            w->zapamietaj_polozenie();
            w->hide();
        }
}

int PlatformaQt::MessageBox(const std::string& tekst, const std::string& tytul, Ikona ikona,
                            Przyciski przyciski) {
    return okno_komunikatu(ramka(), tekst, tytul, ikona, przyciski);
}

int PlatformaQt::Dialog(int szablon, void* rekord, int cyfry) {
    return dialog_szablonu(ramka(), szablon, rekord, cyfry, jednostki_);
}

int PlatformaQt::DialogZSzablonu(const SzablonDialogu& s, void* rekord, int cyfry) {
    if (!rekord) return 2;
    DialogSzablonu d(ramka(), s, rekord, cyfry, jednostki_);
    return d.wykonaj();
}

bool PlatformaQt::plik(UstawieniaPliku& s, bool zapis) {
    IkonyPlikow ikony;  // outlives the dialog, which keeps a pointer to it
    QFileDialog d(ramka());
    d.setOption(QFileDialog::DontUseNativeDialog);
    d.setIconProvider(&ikony);
    d.resize(760, 460);
    d.setNameFilters(filtry_pliku(s.filtr));
    d.setDefaultSuffix(z_utf8(s.rozszerzenie));
    if (zapis) {
        d.setAcceptMode(QFileDialog::AcceptSave);
        d.setFileMode(QFileDialog::AnyFile);
        // The save command asks before it replaces a file; the dialog must not ask a second time.
        d.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        d.setAcceptMode(QFileDialog::AcceptOpen);
        d.setFileMode(s.musi_istniec ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    }
    const QFileInfo katalog(z_utf8(s.katalog));
    if (!s.katalog.empty() && katalog.isDir()) d.setDirectory(katalog.absoluteFilePath());
    // The name last chosen, in either dialog, is offered again, in the folder above rather than
    // its own: that may be where an open or a save has just failed.
    if (!s.nazwa.empty()) d.selectFile(QFileInfo(z_utf8(s.nazwa)).fileName());
    if (d.exec() != QDialog::Accepted) return false;
    const QStringList wybrane = d.selectedFiles();
    if (wybrane.isEmpty() || wybrane.first().isEmpty()) return false;
    s.nazwa = QFileInfo(wybrane.first()).absoluteFilePath().toStdString();
    return true;
}

bool PlatformaQt::OknoOtworz(UstawieniaPliku& s) {
    return plik(s, false);
}

bool PlatformaQt::OknoZapisz(UstawieniaPliku& s) {
    return plik(s, true);
}

void PlatformaQt::Odswiez() {
    widok_.update();
    po_zmianie();
}

void PlatformaQt::po_zmianie() {
    if ((po_odswiezeniu || arkusz_) && !czeka_odswiezenie_) {
        czeka_odswiezenie_ = true;
        QTimer::singleShot(0, &kontekst_, [this] {
            czeka_odswiezenie_ = false;
            if (arkusz_) arkusz_->odswiez();
            if (po_odswiezeniu) po_odswiezeniu();
        });
    }
}

void PlatformaQt::PokazArkusz(ArkuszDanych& a) {
    if (!arkusz_) {
        // A window of its own that stays with the frame and closes with it.
        arkusz_ = new OknoArkusza(a.okno(), a, ramka());
        arkusz_->setAttribute(Qt::WA_DeleteOnClose);
    }
    arkusz_->show();
    arkusz_->raise();
    arkusz_->activateWindow();
}

void PlatformaQt::ZamknijArkusz() {
    delete arkusz_.data();
}

void PlatformaQt::ZmianaZaznaczenia() {
    if (arkusz_) arkusz_->pokaz_zaznaczenie();
    // The items that act on the selection follow it, with their shortcuts.
    po_zmianie();
}

void PlatformaQt::UstawTytul(const std::string& tytul) {
    // "[*]" in a window title is Qt's modified mark; doubled it shows as written.
    ramka()->setWindowTitle(z_utf8(tytul).replace("[*]", "[*][*]"));
}

void PlatformaQt::UstawWspolrzedne(const std::string& tekst) {
    if (wsp_) wsp_->setText(z_utf8(tekst));
}

UchwytOkna PlatformaQt::UtworzOknoTabeli(std::unique_ptr<OknoTabeli> okno) {
    if (!okno) return 0;
    // Handles of closed windows are forgotten; they stay dead, as handles are never reused.
    std::erase_if(tabele_, [](const auto& t) { return t.second.isNull(); });
    QWidget* wlasciciel = okno->wlasnosc_glownego() ? ramka() : nullptr;
    auto* w = new OknoTabeliQt(std::move(okno), wlasciciel);
    const UchwytOkna h = nastepny_++;
    tabele_[h] = w;
    w->show();
    return h;
}

void PlatformaQt::ZniszczOknoTabeli(UchwytOkna h) {
    if (OknoTabeliQt* w = okno_tabeli(h)) {
        tabele_.erase(h);
        w->zamknij_bez_pytania();
    }
}

void PlatformaQt::OdswiezTabele() {
    for (auto& [h, w] : tabele_)
        if (w) w->viewport()->update();
}

void PlatformaQt::OtworzDokument(const std::string& plik) {
    // The name comes with a trailing backslash; the file is looked for in the current directory.
    std::string n = plik;
    while (!n.empty() && (n.back() == '\\' || n.back() == '/')) n.pop_back();
    if (n.empty()) return;
    const QFileInfo f(QDir::current(), z_utf8(n));
    if (f.isFile()) {
        if (otworz_url) otworz_url(QUrl::fromLocalFile(f.absoluteFilePath()));
    } else if (n == plik_pomocy && pokaz_podrecznik) {
        // Without a help file here, the guide that comes with the program.
        pokaz_podrecznik();
    }
}

void PlatformaQt::ZamknijGlowne() {
    ramka()->close();
}

void PlatformaQt::UstawStatus(const std::string& tekst) {
    // Only a frame has a status bar; a view shown alone has nowhere to say it.
    if (auto* r = qobject_cast<QMainWindow*>(ramka())) r->statusBar()->showMessage(z_utf8(tekst));
}

void PlatformaQt::OdswiezWskazanie() {
    widok_.update();
}

int PlatformaQt::MenuKontekstowe(const std::vector<PozycjaKontekstowa>& pozycje) {
    QMenu m(&widok_);
    for (std::size_t i = 0; i < pozycje.size(); ++i) {
        QAction* a = m.addAction(z_utf8(pozycje[i].etykieta));
        a->setEnabled(pozycje[i].wlaczona);
        a->setData(static_cast<int>(i) + 1);
    }
    const QAction* wybrana = m.exec(QCursor::pos());
    return wybrana ? wybrana->data().toInt() : 0;
}

QSettings ustawienia_programu() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Velkora", "Velkora 2D");
}

std::string PlatformaQt::Ustawienie(const std::string& klucz) {
    return ustawienia_programu().value(z_utf8(klucz)).toString().toStdString();
}

void PlatformaQt::ZapiszUstawienie(const std::string& klucz, const std::string& wartosc) {
    ustawienia_programu().setValue(z_utf8(klucz), z_utf8(wartosc));
}

bool PlatformaQt::ZapiszObraz(const std::string& plik, FormatObrazu f, int w, int h,
                              const std::function<void(Powierzchnia&)>& rysuj, std::string& powod) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool zapisano = zapisz_obraz(
        plik, f, w, h, [&](QPainter& p) { rysuj_na(p, w, h, rysuj); }, powod);
    QGuiApplication::restoreOverrideCursor();
    return zapisano;
}

bool PlatformaQt::ZapiszRaport(const std::string& plik, const DokumentRaportu& d,
                               std::string& powod) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool zapisano = zapisz_raport_pdf(plik, d, powod);
    QGuiApplication::restoreOverrideCursor();
    return zapisano;
}

namespace {

// The print preview, and the print from it, of pages that `drukuj` draws (from page `od` to `do_`,
// 0: to the end), returning how many pages there are. The preview keeps every page it shows in
// memory: a model of thousands of bars makes thousands of pages, so it shows the first ones and
// the print has them all. The pages the user picks in the print dialog are the ones printed.
void podglad_wydruku(QPrinter& drukarka, QWidget* rodzic,
                     const std::function<int(QPrinter&, int, int)>& drukuj) {
    QPrintPreviewDialog podglad(&drukarka, rodzic);
    podglad.resize(900, 700);
    constexpr int strony_podgladu = 50;
    QObject::connect(&podglad, &QPrintPreviewDialog::paintRequested, &podglad, [&](QPrinter* p) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        const bool na_podglad =
            p->paintEngine() && p->paintEngine()->type() == QPaintEngine::Picture;
        int od = 1, do_ = 0;
        if (na_podglad)
            do_ = strony_podgladu;
        else if (p->printRange() == QPrinter::PageRange)
            od = p->fromPage(), do_ = p->toPage();
        const int stron = drukuj(*p, od, do_);
        if (na_podglad && stron > strony_podgladu)
            podglad.setWindowTitle(QString("Podgląd wydruku: pierwsze %1 z %2 stron; drukowane "
                                           "będą wszystkie")
                                       .arg(strony_podgladu)
                                       .arg(stron));
        QGuiApplication::restoreOverrideCursor();
    });
    podglad.exec();
}

}  // namespace

void PlatformaQt::DrukujRaport(const DokumentRaportu& d) {
    // The report's own pages: A4, the paper's whole sheet, margins of its own.
    QPrinter drukarka(QPrinter::HighResolution);
    drukarka.setFullPage(true);
    drukarka.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                       QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    drukarka.setDocName(z_utf8(d.tytul));
    drukarka.setCreator("Velkora 2D");
    podglad_wydruku(drukarka, ramka(), [&d](QPrinter& p, int od, int do_) {
        MiaraQt miara(p);
        const UkladRaportu u = rozloz(d, miara);
        return drukuj_raport(p, d, u, od, do_, true);
    });
}

void PlatformaQt::Drukuj(const Wydruk& w) {
    // A4 by default; the way round the user chose last time.
    QPrinter drukarka(QPrinter::HighResolution);
    const bool pozioma = Ustawienie("wydruk/orientacja") == "pozioma";
    drukarka.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                       pozioma ? QPageLayout::Landscape : QPageLayout::Portrait,
                                       QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    drukarka.setDocName(z_utf8(w.nazwa));
    drukarka.setCreator("Velkora 2D");
    const QDateTime kiedy = QDateTime::currentDateTime();
    podglad_wydruku(drukarka, ramka(), [&w, &kiedy](QPrinter& d, int od, int do_) {
        return drukuj(d, w, kiedy, od, do_);
    });
    ZapiszUstawienie(
        "wydruk/orientacja",
        drukarka.pageLayout().orientation() == QPageLayout::Landscape ? "pozioma" : "pionowa");
}

void PlatformaQt::UruchomWTle(std::function<void()> praca, std::function<void()> gotowe) {
    if (!watek_) watek_ = std::make_unique<WatekObliczen>(kontekst_);
    watek_->zlec(std::move(praca), std::move(gotowe));
}

std::string PlatformaQt::KatalogPrzykladow() {
    if (!katalog_przykladow_.empty() && QDir(z_utf8(katalog_przykladow_)).exists())
        return katalog_przykladow_;
    const QStringList wzorce = {"*.V2D", "*.v2dp"};
    const QDir zainstalowane(QCoreApplication::applicationDirPath() +
                             "/../share/doc/velkora2d/examples");
    if (!zainstalowane.entryList(wzorce, QDir::Files).isEmpty()) {
        katalog_przykladow_ = zainstalowane.canonicalPath().toStdString();
        return katalog_przykladow_;
    }
    // A system that leaves out the documentation still has the copies built in.
    przyklady_ = std::make_unique<QTemporaryDir>();
    if (!przyklady_->isValid()) return {};
    const QDir wbudowane(":/przyklady");
    for (const QString& n : wbudowane.entryList(wzorce, QDir::Files)) {
        const QString cel = przyklady_->filePath(n);
        if (!QFile::copy(wbudowane.filePath(n), cel)) return {};
        QFile::setPermissions(
            cel, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    }
    katalog_przykladow_ = przyklady_->path().toStdString();
    return katalog_przykladow_;
}
