// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/raport.h"

#include <QGuiApplication>
#include <QSettings>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <memory>

#include "core/analiza.h"
#include "files/v2d.h"
#include "files/v2dp.h"
#include "qt/raport.h"
#include "report/raport.h"

const char* const opis_raportu =
    "  --raport RAPORT.pdf\n"
    "          zapisuje raport obliczeń (model, obciążenia, kombinacje, obwiednia wyników\n"
    "          z rysunkami i tabelami) w pliku PDF zamiast wypisywać wyniki; PLIK może być\n"
    "          projektem .v2dp z przypadkami obciążeń albo plikiem .V2D\n";

int opcja_raportu(int argc, char** argv, int& i, ZamowienieRaportu& z) {
    if (std::strcmp(argv[i], "--raport") != 0) return 0;
    if (i + 1 >= argc) {
        std::fprintf(stderr, "Brak wartości opcji %s\n\n", argv[i]);
        return -1;
    }
    z.plik = argv[++i];
    return 1;
}

int zapisz_raport(const std::string& projekt, const ZamowienieRaportu& z,
                  const std::string& jednostki) {
    auto d = std::make_shared<DaneRaportu>();
    Model m;
    std::string powod;
    bool ma_jednostki = false;
    if (nazwa_projektu_v2dp(projekt)) {
        ZawartoscProjektu p;
        if (!czytaj_projekt(projekt, p, powod)) {
            std::fprintf(stderr, "Nie można otworzyć pliku %s: %s\n", projekt.c_str(),
                         powod.c_str());
            return 2;
        }
        przejmij_konstrukcje(m, std::move(p.k));
        d->p = std::move(p.p);
        d->jednostki = p.jednostki;
        ma_jednostki = p.jednostki != UkladJednostek::brak;
    } else if (!otworz_v2d(projekt, m, powod)) {
        std::fprintf(stderr, "Nie można otworzyć pliku %s: %s\n", projekt.c_str(), powod.c_str());
        return 2;
    }
    m.Pusty = 0;
    uzgodnij(m, d->p);
    const ZadaniePrzypadkow zadanie = zadanie_projektu(m, d->p);
    const WynikObliczen w = obliczenia(m, Rozwiazanie::samo, &zadanie);
    if (!w.sukces()) {
        for (const std::string& k : komunikaty_obliczen(w)) std::fprintf(stderr, "%s\n", k.c_str());
        return 3;
    }

    // Text needs the font database of a GUI application; the offscreen platform gives it
    // without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char nazwa[] = "velkora2d-oblicz";
    char* argv[] = {nazwa, nullptr};
    qInstallMessageHandler([](QtMsgType typ, const QMessageLogContext&, const QString& tekst) {
        if (typ == QtCriticalMsg || typ == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(tekst));
    });
    QGuiApplication aplikacja(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    if (!jednostki.empty())
        d->jednostki = uklad_z_nazwy(jednostki);
    else if (!ma_jednostki)
        d->jednostki = uklad_z_nazwy(
            QSettings(QSettings::NativeFormat, QSettings::UserScope, "Velkora", "Velkora 2D")
                .value("widok/jednostki")
                .toString()
                .toStdString());

    d->k = std::move(static_cast<Konstrukcja&>(m));
    d->obliczono = true;
    d->plik = nazwa_pliku_raportu(projekt);
    d->data = data_raportu();
    const DokumentRaportu doc = zbuduj_raport(std::move(d));
    if (!zapisz_raport_pdf(z.plik, doc, powod)) {
        std::fprintf(stderr, "Nie można zapisać raportu %s: %s\n", z.plik.c_str(), powod.c_str());
        return 2;
    }
    return 0;
}
