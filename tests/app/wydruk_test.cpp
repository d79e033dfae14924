// Pictures of the main view and print: the export command's questions, the command-line picture
// against the window's, and the pages of a print.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <tuple>

#include "app/widok_qt.h"
#include "core/analiza.h"
#include "files/v2d.h"
#include "okno/okno.h"
#include "qt/wydruk.h"
#include "tests/wspolne/atrapa.h"
#include "tests/wspolne/cichy_port.h"
#include "tests/wspolne/kratownice.h"
#include "view/dane.h"
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
    EXPECT_EQ(a.pokazy[0].przy_otwarciu, (std::map<int, std::string>{{8500, "800"}, {8501, "500"}}))
        << "the window's size is offered";
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
}

// A picture from velkora2d-oblicz --png is the window's drawing of the same project at the same
// size with stress colours on, pixel for pixel.
TEST(ObrazZWierszaPolecen, JestPikselWPikselRysunkiemOkna) {
    QTemporaryDir folder;
    const fs::path projekt = zrodla() / "examples" / "most_pratta.V2D";
    const QString png = folder.filePath("most.png");
    const fs::path analizator =
        fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "velkora2d-oblicz";
    const std::string polecenie = "'" + analizator.string() + "' --png '" + png.toStdString() +
                                  "' --rozmiar 900x600 '" + projekt.string() + "' >/dev/null";
    ASSERT_EQ(std::system(polecenie.c_str()), 0);
    const QImage z_wiersza = QImage(png).convertToFormat(QImage::Format_RGB32);

    WidokGlowny widok;
    widok.resize(900, 600);
    widok.wsp()->hide();
    widok.show();
    _OKNO_& o = widok.okno();
    o.widok.proporcje = false;
    std::string powod;
    ASSERT_TRUE(otworz_v2d(projekt.string(), o.model, powod)) << powod;
    o.obliczenia();
    o.model.p_napr = 1;
    widok.port().Odswiez();
    const QImage okno = widok.grab().toImage().convertToFormat(QImage::Format_RGB32);

    ASSERT_EQ(z_wiersza.size(), okno.size());
    int rozne = 0;
    for (int y = 0; y < okno.height(); ++y)
        for (int x = 0; x < okno.width(); ++x) rozne += z_wiersza.pixel(x, y) != okno.pixel(x, y);
    EXPECT_EQ(rozne, 0);
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
    Wydruk w;
    w.nazwa = "pratt.V2D";
    w.szerokosc = 1000, w.wysokosc = 600;
    w.rysunek = [&o](Powierzchnia& dc, int s, int h) { o.Paint_obrazu(dc, s, h); };
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
        EXPECT_EQ(drukuj(drukarka, w), stron);
        EXPECT_EQ(strony_pdf(plik), stron);
    }
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
