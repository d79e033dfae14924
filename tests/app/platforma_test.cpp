// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt port: table windows, the main view's events, help, captions and the file dialogs.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAction>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QWindow>
#include <map>

#include "app/platforma_qt.h"
#include "app/ramka_qt.h"
#include "app/widok_qt.h"
#include "core/analiza.h"
#include "tests/app/pomoc.h"
#include "tests/wspolne/kratownice.h"

namespace {

// What was asked of a table: CanClose, przed_odswiezeniem (and how many of those from inside
// Paint), the last visible range, and whether the logic is gone.
struct Zapis {
    int zapytania = 0, odswiezenia = 0, w_malowaniu = 0;
    int od_y = -1, do_y = -1;
    bool zniszczona = false;
};

// 300 x wys pixels of content with a black square at (0, 1000).
class Tabela : public OknoTabeli {
  public:
    Tabela(Zapis& z, bool glownego) : z_(z), glownego_(glownego) {}
    ~Tabela() override { z_.zniszczona = true; }
    std::string tytul() const override { return "Dane do obliczeń"; }
    int szerokosc() const override { return 450; }
    int wysokosc() const override { return 400; }
    bool wlasnosc_glownego() const override { return glownego_; }
    int szerokosc_tresci() const override { return 300; }
    int wysokosc_tresci() const override { return wys; }
    void Paint(Powierzchnia& dc, int od_y, int do_y) override {
        maluje_ = true;
        z_.od_y = od_y, z_.do_y = do_y;
        dc.pedzel(czarny);
        dc.prostokat(0, 1000, 10, 1010);
        maluje_ = false;
    }
    bool CanClose() override { return ++z_.zapytania, zamknij; }
    void przed_odswiezeniem() override {
        ++z_.odswiezenia;
        z_.w_malowaniu += maluje_;
        if (w_srodku) w_srodku();
    }
    int wys = 2000;
    bool zamknij = true;
    std::function<void()> w_srodku;

  private:
    Zapis& z_;
    bool glownego_;
    bool maluje_ = false;
};

// A new table window of `widok` and its logic.
std::pair<OknoTabeliQt*, Tabela*> nowa(WidokGlowny& widok, Zapis& z, bool glownego = true) {
    auto logika = std::make_unique<Tabela>(z, glownego);
    Tabela* t = logika.get();
    return {widok.port().okno_tabeli(widok.port().UtworzOknoTabeli(std::move(logika))), t};
}

TEST(OknaTabel, BelongToTheFrameOrStandAloneWithTitleSizeAndGreyBackground) {
    WidokGlowny widok;
    Zapis a, b;
    OknoTabeliQt* wa = nowa(widok, a, true).first;
    OknoTabeliQt* wb = nowa(widok, b, false).first;
    ASSERT_TRUE(wa && wb && wa != wb);
    EXPECT_TRUE(wa->isWindow() && wb->isWindow() && wa->isVisible());
    EXPECT_EQ(wa->parentWidget(), widok.window());
    EXPECT_EQ(wb->parentWidget(), nullptr);
    EXPECT_EQ(wa->windowTitle(), QString::fromUtf8("Dane do obliczeń"));
    EXPECT_EQ(wa->size(), QSize(450, 400));
    EXPECT_EQ(wa->viewport()->grab().toImage().pixelColor(5, 5), QColor(192, 192, 192));
}

TEST(OknaTabel, ScrollInTenPixelStepsOverTheWholeContentReadAtEachPaint) {
    WidokGlowny widok;
    Zapis z;
    auto [w, t] = nowa(widok, z);
    const int wys = w->viewport()->height();
    QScrollBar* pion = w->verticalScrollBar();
    EXPECT_EQ(pion->singleStep(), 10);
    EXPECT_EQ(w->horizontalScrollBar()->singleStep(), 10);
    EXPECT_EQ(pion->maximum(), 2000 - wys);
    t->wys = 50000;  // the content grew: the next paint reaches its last row
    w->viewport()->grab();
    EXPECT_EQ(pion->maximum(), 50000 - wys);
    pion->setValue(995);
    const QImage obraz = w->viewport()->grab().toImage();
    EXPECT_EQ(z.od_y, 995);
    EXPECT_EQ(z.do_y, 995 + wys);
    EXPECT_EQ(obraz.pixelColor(3, 7), QColor(Qt::black)) << "content y 1000 is 5 pixels down";
    EXPECT_EQ(obraz.pixelColor(3, 3), QColor(192, 192, 192));
}

TEST(OknaTabel, PrzedOdswiezeniemRunsOutsideThePaintAndNeverStacks) {
    WidokGlowny widok;
    Zapis z;
    auto [w, t] = nowa(widok, z);
    QCoreApplication::processEvents();
    z = Zapis{};
    w->viewport()->grab();
    w->viewport()->grab();
    EXPECT_EQ(z.odswiezenia, 0) << "not from inside the paint";
    QCoreApplication::processEvents();
    EXPECT_EQ(z.odswiezenia, 1) << "two paints before it ran ask once";
    // A modal box there paints the window again: no second call while the first runs.
    t->w_srodku = [&] {
        w->viewport()->grab();
        QCoreApplication::processEvents();
    };
    w->viewport()->grab();
    QCoreApplication::processEvents();
    EXPECT_EQ(z.odswiezenia, 2);
    EXPECT_EQ(z.w_malowaniu, 0);
    t->w_srodku = nullptr;
}

TEST(OknaTabel, TheCloseBoxAsksTheLogicWhileDestroyingDoesNot) {
    WidokGlowny widok;
    Zapis z, y;
    auto [w, t] = nowa(widok, z, false);
    t->zamknij = false;
    w->close();
    EXPECT_EQ(z.zapytania, 1);
    EXPECT_TRUE(w->isVisible());
    t->zamknij = true;
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(z.zniszczona);

    const UchwytOkna h = widok.port().UtworzOknoTabeli(std::make_unique<Tabela>(y, true));
    widok.port().ZniszczOknoTabeli(h);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(y.zapytania, 0);
    EXPECT_TRUE(y.zniszczona);
    widok.port().ZniszczOknoTabeli(h);  // dead handles are ignored
    widok.port().ZniszczOknoTabeli(12345);
}

TEST(OknaTabel, TheMainWindowClosesItsTablesBeforeThePortGoes) {
    Zapis z, luzna;
    {
        WidokGlowny widok;
        widok.okno().dd = widok.port().UtworzOknoTabeli(std::make_unique<Tabela>(z, true));
        widok.okno().model.id = 1;
        nowa(widok, luzna, false);
    }
    EXPECT_TRUE(z.zniszczona);
    EXPECT_TRUE(luzna.zniszczona) << "a window no flag refers to goes with the port";
    EXPECT_EQ(z.zapytania + luzna.zapytania, 0);
}

// What the user set up is there at the next start: the view toggles, the file dialogs' folder
// and where a table window of each kind stood.
TEST(Ustawienia, ViewTogglesFolderAndTableWindowsOutliveTheProgram) {
    Zapis z;
    {
        WidokGlowny widok;
        Model& m = widok.okno().model;
        m.p_napr = 1, m.p_przem = 0, m.p_n_ele = 0, m.p_n_pola = 0, m.p_n_wezl = 0;
        widok.okno().p_n_sil = 1;
        widok.okno()._plik_->katalog = "/tmp";
        OknoTabeliQt* t = nowa(widok, z).first;
        t->setGeometry(70, 80, 300, 200);
        t->zamknij_bez_pytania();
    }
    WidokGlowny widok;
    const Model& m = widok.okno().model;
    EXPECT_EQ(std::vector<int>({m.p_napr, m.p_przem, m.p_n_ele, m.p_n_mat, m.p_n_pola, m.p_n_wezl,
                                widok.okno().p_n_sil}),
              std::vector<int>({1, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(widok.okno()._plik_->katalog, "/tmp");
    EXPECT_EQ(nowa(widok, z).first->geometry(), QRect(70, 80, 300, 200));
}

TEST(WidokGlowny, MouseMovesReachTheReadoutAndPaintsStartWhite) {
    WidokGlowny widok;
    widok.resize(450, 250);
    EXPECT_TRUE(widok.hasMouseTracking());
    widok.okno().maxx = 250;
    widok.okno().model.sx = 40;
    widok.okno().model.sa = 200;
    QMouseEvent ruch(QEvent::MouseMove, QPointF(105, 170), QPointF(105, 170), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&widok, &ruch);
    EXPECT_EQ(widok.wsp()->etykieta()->text(), "x= 2.00, y= 0.20");
    EXPECT_EQ(widok.grab().toImage().pixelColor(100, 200), QColor(Qt::white));
}

// F1 and "Pomoc": the help file of the current directory goes to the desktop; without it the
// guide that comes with the program shows in a window of its own.
TEST(Platforma, HelpOpensTheFileOfTheCurrentDirectoryOrElseTheGuide) {
    QTemporaryDir katalog;
    const QString dawny = QDir::currentPath();
    QDir::setCurrent(katalog.path());
    Ramka r("Velkora 2D");
    std::vector<QUrl> otwarte;
    r.widok().port().otworz_url = [&](const QUrl& u) { otwarte.push_back(u); };
    QAction* pomoc = nullptr;
    for (QAction* a : r.menuBar()->actions().last()->menu()->actions())
        if (a->data().toInt() == 51700) pomoc = a;
    ASSERT_NE(pomoc, nullptr);
    EXPECT_EQ(pomoc->shortcut(), QKeySequence(Qt::Key_F1));
    pomoc->trigger();
    EXPECT_TRUE(otwarte.empty());
    auto* podrecznik = r.findChild<QTextBrowser*>("podrecznik");
    ASSERT_NE(podrecznik, nullptr);
    EXPECT_TRUE(podrecznik->isVisible() && podrecznik->isWindow());
    EXPECT_TRUE(podrecznik->toPlainText().contains(
        QString::fromUtf8("Zero na przekątnej macierzy sztywności!")));
    podrecznik->close();

    QFile plik(katalog.filePath("velto.chm"));
    ASSERT_TRUE(plik.open(QIODevice::WriteOnly));
    plik.close();
    pomoc->trigger();
    EXPECT_EQ(otwarte, std::vector<QUrl>{QUrl::fromLocalFile(katalog.filePath("velto.chm"))});
    podrecznik = r.findChild<QTextBrowser*>("podrecznik");
    EXPECT_TRUE(!podrecznik || !podrecznik->isVisible());
    QDir::setCurrent(dawny);
}

TEST(Platforma, TheCaptionShowsTheNameAsWritten) {
    WidokGlowny widok;
    widok.winId();  // the title as the window system gets it
    widok.port().UstawTytul("Velkora 2D - /tmp/a[*]b ż.V2D");
    EXPECT_EQ(widok.windowHandle()->title(), QString::fromUtf8("Velkora 2D - /tmp/a[*]b ż.V2D"));
}

TEST(OknaPlikow, ShowTheFilterAndOfferTheLastNameAgain) {
    EXPECT_EQ(filtry_pliku("Pliki Velkore2D (*.V2D)|*.V2D|"),
              QStringList{"Pliki Velkore2D (*.V2D)"});
    EXPECT_EQ(filtry_pliku("Opis|*.a;*.b|"), QStringList{"Opis (*.a *.b)"});
    QTemporaryDir katalog;
    const QString most = katalog.filePath("most.V2D");
    QFile f(most);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    WidokGlowny widok;
    UstawieniaPliku s;
    s.katalog = katalog.path().toStdString();
    s.nazwa = most.toStdString();
    // Open: an existing file only, the last name offered.
    EXPECT_TRUE(z_modalnym(
        [&](QWidget* w) {
            auto* d = static_cast<QFileDialog*>(w);
            EXPECT_EQ(d->nameFilters(), QStringList{"Pliki Velkore2D (*.V2D)"});
            EXPECT_EQ(d->defaultSuffix(), "V2D");
            EXPECT_EQ(d->fileMode(), QFileDialog::ExistingFile);
            EXPECT_EQ(d->selectedFiles(), QStringList{most});
            static_cast<QDialog*>(d)->accept();
        },
        [&] { return widok.port().OknoOtworz(s); }));
    EXPECT_EQ(s.nazwa, most.toStdString());
    // Save: a name typed without the extension gets it, with the whole path.
    EXPECT_TRUE(z_modalnym(
        [&](QWidget* w) {
            auto* d = static_cast<QFileDialog*>(w);
            EXPECT_EQ(d->acceptMode(), QFileDialog::AcceptSave);
            EXPECT_TRUE(d->testOption(QFileDialog::DontConfirmOverwrite))
                << "the save command asks before replacing; the dialog must not ask again";
            d->selectFile(katalog.filePath("nowy"));
            static_cast<QDialog*>(d)->accept();
        },
        [&] { return widok.port().OknoZapisz(s); }));
    EXPECT_EQ(s.nazwa, katalog.filePath("nowy.V2D").toStdString());
    EXPECT_FALSE(z_modalnym([](QWidget* w) { static_cast<QDialog*>(w)->reject(); },
                            [&] { return widok.port().OknoOtworz(s); }));
    EXPECT_EQ(s.nazwa, katalog.filePath("nowy.V2D").toStdString()) << "cancel keeps the name";
    // The folder is the settings' own, not the one of the name offered, where a save may have
    // just failed.
    QTemporaryDir inny;
    s.katalog = inny.path().toStdString();
    EXPECT_FALSE(z_modalnym(
        [&](QWidget* w) {
            auto* d = static_cast<QFileDialog*>(w);
            EXPECT_EQ(d->directory().absolutePath(), inny.path());
            EXPECT_EQ(d->selectedFiles(), QStringList{inny.filePath("nowy.V2D")});
            static_cast<QDialog*>(d)->reject();
        },
        [&] { return widok.port().OknoZapisz(s); }));
}

// Qt's own texts are Polish where its translations are installed (qt6-translations-l10n).
TEST(OknaPlikow, SpeakPolishWhereQtsTranslationsAreInstalled) {
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_pl.qm"))
        GTEST_SKIP() << "Qt's Polish translations are not installed";
    QTemporaryDir katalog;
    ASSERT_TRUE(QDir(katalog.path()).mkdir("folder"));
    WidokGlowny widok;
    UstawieniaPliku s;
    EXPECT_FALSE(z_modalnym(
        [&](QWidget* w) {
            // The kinds in the list are Qt's words too.
            const QAbstractFileIconProvider* ikony = static_cast<QFileDialog*>(w)->iconProvider();
            EXPECT_EQ(ikony->type(QFileInfo(katalog.filePath("folder"))), "Katalog");
            EXPECT_EQ(ikony->type(QFileInfo(QCoreApplication::applicationFilePath())), "Plik");
            QPushButton* anuluj =
                w->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel);
            ASSERT_NE(anuluj, nullptr);
            EXPECT_EQ(anuluj->text().remove('&'), "Anuluj");
            anuluj->click();
        },
        [&] { return widok.port().OknoOtworz(s); }));
}

// Reading a file's contents to tell its type may never return (/proc/kmsg, a FIFO), so the
// dialogs' icon provider must answer from names and kinds alone. Whatever it opens shows up on
// the folder's inotify watch.
TEST(OknaPlikow, TellIconsAndTypesWithoutOpeningAnyFile) {
    QTemporaryDir katalog;
    auto utworz = [&](const char* nazwa, const QByteArray& tresc) {
        QFile f(katalog.filePath(nazwa));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(tresc);
    };
    utworz("obraz", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));  // no suffix to go by
    utworz("most.V2D", QByteArray(28, '\0'));
    ASSERT_TRUE(QDir(katalog.path()).mkdir("folder"));
    ASSERT_TRUE(QFile::link(katalog.filePath("obraz"), katalog.filePath("link")));
    ASSERT_TRUE(QFile::link(katalog.filePath("brak"), katalog.filePath("zerwany")));
    // Bytes wait in the FIFO, so a reader would take them rather than hang.
    const QByteArray rura = QFile::encodeName(katalog.filePath("rura"));
    ASSERT_EQ(::mkfifo(rura.constData(), 0600), 0);
    const int fifo = ::open(rura.constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(fifo, 0);
    ASSERT_EQ(::write(fifo, "abcd", 4), 4);
    const int obserwator = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(obserwator, 0);
    ASSERT_GE(::inotify_add_watch(obserwator, QFile::encodeName(katalog.path()).constData(),
                                  IN_OPEN | IN_ACCESS),
              0);

    WidokGlowny widok;
    UstawieniaPliku s;
    std::map<QString, QString> typy;
    z_modalnym(
        [&](QWidget* w) {
            auto* d = static_cast<QFileDialog*>(w);
            const QAbstractFileIconProvider* ikony = d->iconProvider();
            for (const char* n : {"obraz", "most.V2D", "folder", "link", "zerwany", "rura"}) {
                const QFileInfo f(katalog.filePath(n));
                EXPECT_FALSE(ikony->icon(f).isNull()) << n;
                typy[n] = ikony->type(f);
            }
            static_cast<QDialog*>(d)->reject();
        },
        [&] { return widok.port().OknoOtworz(s); });

    QStringList otwarte;
    alignas(inotify_event) char bufor[4096];
    for (ssize_t n; (n = ::read(obserwator, bufor, sizeof bufor)) > 0;)
        for (ssize_t i = 0; i < n;) {
            const auto* z = reinterpret_cast<const inotify_event*>(bufor + i);
            if (z->len > 0) otwarte << QString::fromLocal8Bit(z->name);
            i += static_cast<ssize_t>(sizeof(inotify_event) + z->len);
        }
    EXPECT_TRUE(otwarte.isEmpty()) << otwarte.join(", ").toStdString();
    char reszta[8];
    EXPECT_EQ(::read(fifo, reszta, sizeof reszta), 4) << "the FIFO's bytes were read";
    ::close(fifo);
    ::close(obserwator);
    EXPECT_NE(typy["most.V2D"], typy["folder"]);
    EXPECT_EQ(typy["link"], typy["most.V2D"]) << "a link to a file is a file";
}

}  // namespace

// A large model is analysed off the interface thread: the last change's results arrive through
// the event loop and equal a fresh analysis; a window closed while an analysis runs takes it
// along, and nothing arrives after it.
TEST(Platforma, AnalysesOffTheInterfaceThreadShowOnlyTheLastStateAndEndWithTheWindow) {
    WidokGlowny widok;
    _OKNO_& o = widok.okno();
    o.na_biezaco = 1;
    o.prog_w_tle = 0;
    krata(o.model, 40, 40);
    o.po_zmianie_modelu();
    o.model.al[1] *= 3.0f;
    o.po_zmianie_modelu();  // the first one, queued or running, is not shown
    EXPECT_EQ(o.model.obliczono, 0);
    QElapsedTimer zegar;
    zegar.start();
    while (o.model.obliczono != 1 && zegar.elapsed() < 30000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    ASSERT_EQ(o.model.obliczono, 1);
    Model wzor;
    krata(wzor, 40, 40);
    wzor.al[1] *= 3.0f;
    ASSERT_TRUE(obliczenia(wzor).sukces());
    for (int i = 1; i <= wzor.nq; ++i) ASSERT_FLOAT_EQ(o.model.f[i], wzor.f[i]) << i;

    o.model.al[1] *= 2.0f;
    o.po_zmianie_modelu();
    EXPECT_EQ(o.model.obliczono, 0);
}
