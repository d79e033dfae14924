// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the main view and print: the export command's questions, the command-line picture
// against the window's, and the pages of a print.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <tuple>

#include "app/widok_qt.h"
#include "core/analiza.h"
#include "files/v2d.h"
#include "okno/okno.h"
#include "qt/obraz.h"
#include "qt/powierzchnia_qt.h"
#include "qt/wydruk.h"
#include "tests/wspolne/atrapa.h"
#include "tests/wspolne/cichy_port.h"
#include "tests/wspolne/kratownice.h"
#include "tests/wspolne/nagrywarka.h"
#include "view/dane.h"
#include "view/paleta.h"
#include "view/wyniki.h"

namespace fs = std::filesystem;

namespace {

fs::path zrodla() {
    return fs::path(__FILE__).parent_path().parent_path().parent_path();
}

// The stand-in that also takes pictures: it notes what it was asked to write.
struct AtrapaObrazow : Atrapa {
    struct Obraz {
        std::string plik;
        FormatObrazu format;
        int w, h;
    };
    std::vector<Obraz> obrazy;
    std::function<void(Powierzchnia&)> rysuj;
    bool ZapiszObraz(const std::string& plik, FormatObrazu f, int w, int h,
                     const std::function<void(Powierzchnia&)>& r, std::string&) override {
        obrazy.push_back({plik, f, w, h});
        rysuj = r;
        return true;
    }
};

TEST(EksportObrazu, PytaORozmiarOknaIOPlikIZastepujePlikTylkoZaZgoda) {
    QTemporaryDir folder;
    const std::string jest = folder.filePath("jest.png").toStdString();
    std::ofstream(jest) << "obraz";
    const std::string nowy = folder.filePath("nowy.png").toStdString();

    AtrapaObrazow a;
    _OKNO_ o(a);
    zbuduj(o.model, Opis{.wezly = {{0, 0}, {10, 0}, {5, 4}},
                         .prety = {{1, 2, 1, 1}, {2, 3, 1, 1}, {1, 3, 1, 1}}});
    PustaPowierzchnia dc;
    o.Paint(dc, 800, 500);  // the window's size
    const Odwzorowanie okna = o.odwzorowanie();

    a.wpisy = {Wpis{{{8500, "100"}}}, Wpis{{{8500, "640"}, {8501, "480"}}}};
    a.pliki = {jest, nowy};
    a.odpowiedzi = {IDNO};
    o.Find(CM_OBRAZ_PNG);

    ASSERT_EQ(a.pokazy.size(), 2u);
    EXPECT_EQ(a.pokazy[0].szablon, 3120);
    EXPECT_EQ(a.pokazy[0].przy_otwarciu,
              (std::map<int, std::string>{{8500, "800"}, {8501, "500"}, {8502, "1"}}))
        << "the window's size is offered, with proportions kept";
    EXPECT_EQ(a.teksty(),
              (std::vector<std::string>{"Zła szerokość obrazu (od 160 do 10000 pikseli)",
                                        "Plik jest.png już istnieje.\nZastąpić go?"}));
    ASSERT_EQ(a.obrazy.size(), 1u) << "a file is replaced only when the user says so";
    EXPECT_EQ(a.obrazy[0].plik, nowy);
    EXPECT_EQ(a.obrazy[0].format, FormatObrazu::png);
    EXPECT_EQ(a.obrazy[0].w, 640);
    EXPECT_EQ(a.obrazy[0].h, 480);
    EXPECT_EQ(a.ustawienia["obrazy/katalog"], folder.path().toStdString());

    // The picture is drawn at its own size; the readout and picking keep the window's mapping.
    a.rysuj(dc);
    EXPECT_EQ(o.widok.szerokosc, 800);
    EXPECT_EQ(o.odwzorowanie(), okna);

    // The truss, 10 by 4, keeps its proportions in the picture unless the box is cleared.
    auto proporcja = [&] {
        Nagrywarka n;
        a.rysuj(n);
        int lewo = 1 << 30, prawo = -lewo, gora = lewo, dol = -lewo;
        for (const Odcinek& k : n.odcinki_piorem(czarny)) {
            lewo = std::min({lewo, k.x1, k.x2}), prawo = std::max({prawo, k.x1, k.x2});
            gora = std::min({gora, k.y1, k.y2}), dol = std::max({dol, k.y1, k.y2});
        }
        return static_cast<double>(prawo - lewo) / (dol - gora);
    };
    EXPECT_NEAR(proporcja(), 2.5, 0.02);
    a.wpisy = {Wpis{{{8502, "0"}}}};
    a.pliki = {folder.filePath("rozciagniety.png").toStdString()};
    o.Find(CM_OBRAZ_PNG);
    ASSERT_EQ(a.obrazy.size(), 2u);
    EXPECT_LT(proporcja(), 2.0);
}

// Runs the analyser with the settings kept under `konfiguracja` (none when empty); its exit status.
int analizator(const std::string& argumenty, const QString& konfiguracja) {
    const fs::path program =
        fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "velkora2d-oblicz";
    const std::string polecenie = "env XDG_CONFIG_HOME='" + konfiguracja.toStdString() + "' '" +
                                  program.string() + "' " + argumenty + " >/dev/null";
    return std::system(polecenie.c_str());
}

// A picture from velkora2d-oblicz --png is the window's picture export of the same project at
// the same size with stress colours on, pixel for pixel, and names the units the window names.
TEST(ObrazZWierszaPolecen, JestPikselWPikselObrazemZOknaWJednostkachOkna) {
    QTemporaryDir folder;
    const QString konfiguracja = folder.filePath("konfiguracja");
    {
        QSettings s(konfiguracja + "/Velkora/Velkora 2D.conf", QSettings::IniFormat);
        s.setValue("widok/jednostki", "kN_m");
    }
    const fs::path projekt = zrodla() / "examples" / "most_pratta.V2D";
    const QString png = folder.filePath("most.png");
    ASSERT_EQ(
        analizator("--png '" + png.toStdString() + "' --rozmiar 900x600 '" + projekt.string() + "'",
                   konfiguracja),
        0);
    const QImage z_wiersza = QImage(png).convertToFormat(QImage::Format_RGB32);

    CichyPort port;
    _OKNO_ o(port);
    std::string powod;
    ASSERT_TRUE(otworz_v2d(projekt.string(), o.model, powod)) << powod;
    o.obliczenia();
    o.model.p_napr = 1;
    o.jednostki = UkladJednostek::kN_m;
    QImage okno(900, 600, QImage::Format_RGB32);
    {
        QPainter p(&okno);
        rysuj_widok(o, p, 900, 600);
    }
    ASSERT_EQ(z_wiersza.size(), okno.size());
    int rozne = 0;
    for (int y = 0; y < okno.height(); ++y)
        for (int x = 0; x < okno.width(); ++x) rozne += z_wiersza.pixel(x, y) != okno.pixel(x, y);
    EXPECT_EQ(rozne, 0);
}

// A picture for a report keeps the truss's proportions within the size asked for: a truss
// 5.5 m by 1 m stays 5.5 : 1 in a picture of 1600 x 1000 pixels or of 600 x 1000. Stretched over
// the picture only when told. The truss is measured by its bars' stress colours, above the
// scale bar.
TEST(ObrazZWierszaPolecen, KratownicaZachowujeProporcjeWRysunku) {
    QTemporaryDir folder;
    Model m;
    zbuduj(m, Opis{.wezly = {{0, 0}, {2.75f, 0}, {5.5f, 0}, {0, 1}, {2.75f, 1}, {5.5f, 1}},
                   .prety = {{1, 2, 1, 1},
                             {2, 3, 1, 1},
                             {4, 5, 1, 1},
                             {5, 6, 1, 1},
                             {1, 4, 1, 1},
                             {2, 5, 1, 1},
                             {3, 6, 1, 1},
                             {1, 5, 1, 1},
                             {5, 3, 1, 1}},
                   .podpory = {{1, 0}, {2, 0}, {6, 0}},
                   .sily = {{4, -10}}});
    const std::string projekt = folder.filePath("kratownica.V2D").toStdString();
    std::string powod;
    ASSERT_TRUE(zapisz_v2d(projekt, m, powod)) << powod;
    std::set<QRgb> paleta;
    for (int i = 0; i <= 200; ++i) {
        const Kolor k = kolor_palety(i);
        paleta.insert(qRgb(k.r, k.g, k.b));
    }
    const QString png = folder.filePath("a.png");
    for (const auto& [opcje, w, h, proporcje] : {std::tuple{"", 1600, 1000, true},
                                                 {"", 600, 1000, true},
                                                 {"--rozciagniety", 1600, 1000, false}}) {
        SCOPED_TRACE(w);
        ASSERT_EQ(analizator(std::string(opcje) + " --png '" + png.toStdString() + "' --rozmiar " +
                                 std::to_string(w) + "x" + std::to_string(h) + " '" + projekt + "'",
                             folder.filePath("brak")),
                  0);
        const QImage obraz = QImage(png).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(obraz.size(), QSize(w, h));
        int lewo = w, prawo = -1, gora = h, dol = -1;
        for (int y = 0; y < h - 30; ++y)
            for (int x = 0; x < w; ++x)
                if (paleta.count(obraz.pixel(x, y))) {
                    lewo = std::min(lewo, x), prawo = std::max(prawo, x);
                    gora = std::min(gora, y), dol = std::max(dol, y);
                }
        ASSERT_GT(dol, gora);
        // The bars are 2 pixels wide: the truss's own extent is a pixel less each way.
        const double proporcja = (prawo - lewo - 1.0) / (dol - gora - 1.0);
        if (proporcje) {
            EXPECT_NEAR(proporcja, 5.5, 0.05);
            EXPECT_GT(prawo - lewo, w * 0.85) << "the truss fills the picture's width";
        } else {
            EXPECT_LT(proporcja, 2.5);
        }
    }
}

// Pages of the PDF file, counted as a reader counts them.
int strony_pdf(const QString& plik) {
    QFile f(plik);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QString t = QString::fromLatin1(f.readAll());
    return static_cast<int>(t.count(QRegularExpression("/Type\\s*/Page(?!s)")));
}

// The drawing takes the first page, and each table begins a page of its own; a portrait A4 page
// holds some 1000 pixels of a table's rows (a quarter of a millimetre each), a landscape one some
// 650. The input data of this truss take some 2750 pixels, the results some 2230.
TEST(Wydruk, RysunekIKazdaTabelaOdNowejStronyNaA4PionowoIPoziomo) {
    CichyPort port;
    _OKNO_ o(port);
    pratt(o.model, 16);
    ASSERT_TRUE(obliczenia(o.model).sukces());
    o.model.p_napr = 1;
    Wydruk w;
    w.nazwa = "pratt.V2D";
    w.szerokosc = 1000, w.wysokosc = 600;
    std::vector<std::pair<int, int>> rozmiary;  // of the drawing, in its pixels
    w.rysunek = [&](Powierzchnia& dc, int s, int h) {
        rozmiary.push_back({s, h});
        o.Paint_obrazu(dc, s, h);
    };
    w.wysokosc_rysunku = [&o](Powierzchnia& dc, int s) { return o.wysokosc_obrazu(dc, s); };
    w.tabele.push_back(std::make_unique<_DANE_>(o.model));
    w.tabele.push_back(std::make_unique<_WYNIKI_>(o.model, port));

    QTemporaryDir folder;
    for (const auto& [orientacja, stron] :
         {std::pair{QPageLayout::Portrait, 1 + 3 + 3}, {QPageLayout::Landscape, 1 + 5 + 4}}) {
        SCOPED_TRACE(orientacja);
        QPrinter drukarka(QPrinter::HighResolution);
        drukarka.setOutputFormat(QPrinter::PdfFormat);
        const QString plik = folder.filePath(QString("wydruk%1.pdf").arg(orientacja));
        drukarka.setOutputFileName(plik);
        drukarka.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), orientacja,
                                           QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        rozmiary.clear();
        EXPECT_EQ(drukuj(drukarka, w), stron);
        EXPECT_EQ(strony_pdf(plik), stron);
        // The drawing spans the page between its margins, 180 mm or 267 mm, and is as tall as the
        // truss, 48 m by 4 m, needs at one scale: its bars keep 12 : 1 and fill the width.
        ASSERT_EQ(rozmiary.size(), 1u);
        const auto [s, h] = rozmiary[0];
        EXPECT_NEAR(s * mm_piksela_rysunku, orientacja == QPageLayout::Portrait ? 180 : 267, 1);
        Nagrywarka n;
        o.Paint_obrazu(n, s, h);
        int lewo = s, prawo = 0, gora = h, dol = 0;
        for (const Odcinek& k : n.odcinki())
            if (k.stan.szerokosc == 2 && !(k.stan.pioro == Kolor{255, 0, 0}) &&
                !(k.stan.pioro == Kolor{150, 0, 190})) {
                lewo = std::min({lewo, k.x1, k.x2}), prawo = std::max({prawo, k.x1, k.x2});
                gora = std::min({gora, k.y1, k.y2}), dol = std::max({dol, k.y1, k.y2});
            }
        EXPECT_NEAR(static_cast<double>(prawo - lewo) / (dol - gora), 12.0, 0.3);
        EXPECT_GT(prawo - lewo, s * 0.85);
        EXPECT_LT(h, s / 3) << "no taller than the truss needs";
    }
    // The view's text, 12 pixels a line, is no smaller than 7 points on paper.
    const QFont f = PowierzchniaQt::czcionka_qt("Arial", 12, 400);
    EXPECT_GE(f.pixelSize() * mm_piksela_rysunku / 25.4 * 72, 7.0);
    // A range of pages prints those alone, and a range past the end the last page.
    for (const auto& [od, do_, stron] : {std::tuple{2, 3, 2}, {6, 99, 2}, {40, 50, 1}}) {
        QPrinter drukarka(QPrinter::HighResolution);
        drukarka.setOutputFormat(QPrinter::PdfFormat);
        const QString plik = folder.filePath(QString("zakres%1.pdf").arg(od));
        drukarka.setOutputFileName(plik);
        drukarka.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                           QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        EXPECT_EQ(drukuj(drukarka, w, QDateTime::currentDateTime(), od, do_), 1 + 3 + 3);
        EXPECT_EQ(strony_pdf(plik), stron) << od;
    }
}

}  // namespace
