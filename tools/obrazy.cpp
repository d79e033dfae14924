// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/obrazy.h"

#include <QGuiApplication>
#include <QSettings>
#include <clocale>
#include <cstdio>
#include <cstring>

#include "okno/cichy_port.h"
#include "okno/okno.h"
#include "qt/obraz.h"

const char* const opis_obrazow =
    "  --png RYSUNEK, --svg RYSUNEK, --pdf RYSUNEK\n"
    "          zapisuje też rysunek kratownicy z naprężeniami w kolorach i paskiem skali,\n"
    "          taki jak w oknie programu, bez ekranu (do raportów); opcje można łączyć;\n"
    "          gdy obliczenia się nie udadzą, rysunku nie ma\n"
    "  --rozmiar SZERxWYS\n"
    "          rozmiar rysunku w pikselach, od 160 do 10000 (domyślnie 1600x1000);\n"
    "          kratownica zachowuje w nim swoje proporcje\n"
    "  --rozciagniety\n"
    "          kratownica wypełnia cały rysunek, każda oś w swojej skali\n"
    "  --jednostki brak|kN_cm|kN_m|N_mm|N_m\n"
    "          jednostki podpisów (domyślnie te, które wybrano w oknie programu)\n";

int opcja_obrazu(int argc, char** argv, int& i, ZamowienieObrazow& z) {
    const char* a = argv[i];
    if (std::strcmp(a, "--rozciagniety") == 0) {
        z.proporcje = false;
        return 1;
    }
    const char* const formaty[] = {"--png", "--svg", "--pdf"};
    int format = -1;
    for (int f = 0; f < 3; ++f)
        if (std::strcmp(a, formaty[f]) == 0) format = f;
    const bool jednostki = std::strcmp(a, "--jednostki") == 0;
    if (format < 0 && !jednostki && std::strcmp(a, "--rozmiar") != 0) return 0;
    if (i + 1 >= argc) {
        std::fprintf(stderr, "Brak wartości opcji %s\n\n", a);
        return -1;
    }
    const char* v = argv[++i];
    if (format >= 0) {
        z.pliki.push_back({format, v});
        return 1;
    }
    if (jednostki) {
        if (std::strcmp(v, "brak") != 0 && uklad_z_nazwy(v) == UkladJednostek::brak) {
            std::fprintf(stderr, "Nieznane jednostki: %s\n\n", v);
            return -1;
        }
        z.jednostki = v;
        return 1;
    }
    int w = 0, h = 0, n = 0;
    if (std::sscanf(v, "%dx%d%n", &w, &h, &n) != 2 || v[n] != '\0' || w < 160 || w > 10000 ||
        h < 160 || h > 10000) {
        std::fprintf(stderr, "Zły rozmiar rysunku: %s\n\n", v);
        return -1;
    }
    z.szerokosc = w, z.wysokosc = h;
    return 1;
}

int zapisz_obrazy(Model&& m, Projekt&& pr, const PokazWynikow& pokaz, const ZamowienieObrazow& z) {
    // Text needs the font database of a GUI application; the offscreen platform gives it
    // without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char nazwa[] = "velkora2d-oblicz";
    char* argv[] = {nazwa, nullptr};
    // Qt's notes about the platform (no runtime folder and the like) say nothing about the
    // pictures; failures are reported by the program itself.
    qInstallMessageHandler([](QtMsgType typ, const QMessageLogContext&, const QString& tekst) {
        if (typ == QtCriticalMsg || typ == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(tekst));
    });
    QGuiApplication aplikacja(argc, argv);
    // Qt took the locale from the environment; the drawing writes numbers with points.
    std::setlocale(LC_NUMERIC, "C");

    CichyPort port;
    _OKNO_ okno(port);
    okno.model = std::move(m);
    okno.projekt = std::move(pr);
    okno.pokaz = pokaz;
    okno.model.p_napr = 1;  // stress colours and the scale bar; the other flags as a window starts
    // The units the window names, kept where the program keeps its settings.
    okno.jednostki = uklad_z_nazwy(
        !z.jednostki.empty()
            ? z.jednostki
            : QSettings(QSettings::NativeFormat, QSettings::UserScope, "Velkora", "Velkora 2D")
                  .value("widok/jednostki")
                  .toString()
                  .toStdString());
    const int w = z.szerokosc, h = z.wysokosc;
    for (const ZamowienieObrazow::Plik& p : z.pliki) {
        std::string powod;
        if (!zapisz_obraz(
                p.sciezka, static_cast<FormatObrazu>(p.format), w, h,
                [&](QPainter& malarz) {
                    rysuj_na(malarz, w, h,
                             [&](Powierzchnia& dc) { okno.Paint_obrazu(dc, w, h, z.proporcje); });
                },
                powod)) {
            std::fprintf(stderr, "Nie można zapisać rysunku %s: %s\n", p.sciezka.c_str(),
                         powod.c_str());
            return 2;
        }
    }
    return 0;
}
