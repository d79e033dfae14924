// SPDX-License-Identifier: GPL-3.0-or-later
// velkora2d-oblicz: analyses a project (.V2D or .v2dp, every load case) without the window and
// prints the results, as the results window lists them or as CSV for other programs, of a case, a
// combination or the envelope; it draws the truss too, on request.
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "core/analiza.h"
#include "files/eksport.h"
#include "files/v2d.h"
#include "files/v2dp.h"
#include "files/wyniki_projektu.h"
#include "tools/obrazy.h"
#include "tools/raport.h"
#include "tools/wymiarowanie_wydruk.h"
#include "tools/wyniki_wydruk.h"

namespace {

constexpr int kod_plik = 2;        // the file cannot be read, or the command line is wrong
constexpr int kod_obliczenia = 3;  // the analysis stopped

void uzycie(std::FILE* s) {
    std::fputs(
        "Użycie: velkora2d-oblicz [--csv] [--czasy] [--png|--svg|--pdf RYSUNEK]\n"
        "                         [--rozmiar SZERxWYS] [--rozciagniety]\n"
        "                         [--jednostki UKLAD]\n"
        "                         [--przypadek N|--kombinacja N|--obwiednia|--wszystkie]\n"
        "                         [--lista] PLIK.V2D|PLIK.v2dp\n"
        "Oblicza kratownicę zapisaną w pliku PLIK.V2D albo w projekcie PLIK.v2dp (każdy\n"
        "przypadek obciążeń) i wypisuje naprężenia i siły osiowe w prętach, przemieszczenia\n"
        "węzłów i reakcje podpór: bieżącego przypadku albo tego, co projekt pokazuje.\n"
        "\n"
        "  --csv   jeden wynik w wierszu, bez nagłówków:\n"
        "            element,<pręt>,<naprężenie>\n"
        "            sila,<pręt>,<siła osiowa>  (naprężenie razy pole przekroju)\n"
        "            wezel,<węzeł>,<przemieszczenie X>,<przemieszczenie Y>\n"
        "            reakcja,<stopień swobody>,<reakcja>\n"
        "          Wiersze sila następują po wierszach element; pozostałe rodzaje wierszy\n"
        "          są takie jak we wcześniejszych wersjach.\n"
        "  --czasy wypisuje na standardowe wyjście błędów czas porządkowania węzłów,\n"
        "          składania, rozkładu macierzy i reszty obliczeń oraz rodzaj macierzy\n"
        "          (pasmowa, pasmowa (Cholesky'ego) albo rzadka)\n"
        "  --przypadek N    wyniki przypadku obciążeń N\n"
        "  --kombinacja N   wyniki kombinacji N (numery jak w --lista)\n"
        "  --obwiednia      najmniejsze i największe naprężenia, siły osiowe i reakcje\n"
        "                   z kombinacji SGN i własnych, największe przemieszczenia z SGU\n"
        "                   charakterystycznych, z numerem decydującej kombinacji; z --csv:\n"
        "            obwiednia,<pręt>,<napr. min>,<napr. max>,<siła min>,<siła max>,<K min>,<K "
        "max>\n"
        "            obwiednia_wezel,<węzeł>,<przem. max>,<przem. X>,<przem. Y>,<K>\n"
        "            obwiednia_reakcja,<stopień swobody>,<reakcja min>,<reakcja max>,<K min>,<K "
        "max>\n"
        "  --wszystkie      wyniki każdego przypadku, potem każdej kombinacji; z --csv każdy\n"
        "                   wiersz zaczyna się od P<n>, albo K<n>, (przypadek, kombinacja)\n"
        "  --lista          wypisuje przypadki P1.. i kombinacje K1.. ze współczynnikami\n",
        s);
    std::fputs(opis_wymiarowania, s);
    std::fputs(opis_obrazow, s);
    std::fputs(opis_raportu, s);
    std::fputs(
        "  --help  ten opis\n"
        "\n"
        "Kod wyjścia: 0 - obliczono, 2 - błąd pliku lub wywołania, 3 - błąd obliczeń.\n",
        s);
}

}  // namespace

int main(int argc, char** argv) {
    // Messages follow the user's language; numbers are always written with a decimal point.
    std::setlocale(LC_ALL, "");
    std::setlocale(LC_NUMERIC, "C");

    bool csv = false, czasy = false, lista_kombinacji = false, wszystkie = false;
    // What to print: -1 what the project shows; otherwise a case or a combination (from 1), or
    // the envelope.
    PokazWynikow wybor;
    bool wybrano = false;
    bool koniec_opcji = false;
    std::vector<std::string> pliki;
    ZamowienieObrazow obrazy;
    ZamowienieRaportu raport;
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        if (!koniec_opcji && (std::strcmp(a, "--help") == 0 || std::strcmp(a, "-h") == 0)) {
            uzycie(stdout);
            return 0;
        }
        if (!koniec_opcji && std::strcmp(a, "--csv") == 0) {
            csv = true;
        } else if (!koniec_opcji && std::strcmp(a, "--czasy") == 0) {
            czasy = true;
        } else if (!koniec_opcji && std::strcmp(a, "--lista") == 0) {
            lista_kombinacji = true;
        } else if (!koniec_opcji && std::strcmp(a, "--wszystkie") == 0) {
            wszystkie = true;
        } else if (!koniec_opcji && std::strcmp(a, "--obwiednia") == 0) {
            wybor = {PokazWynikow::obwiednia, 0}, wybrano = true;
        } else if (!koniec_opcji &&
                   (std::strcmp(a, "--przypadek") == 0 || std::strcmp(a, "--kombinacja") == 0)) {
            const bool przypadek = a[2] == 'p';
            char* koniec = nullptr;
            const long n = i + 1 < argc ? std::strtol(argv[i + 1], &koniec, 10) : 0;
            if (i + 1 >= argc || *argv[i + 1] == '\0' || *koniec != '\0' || n < 1 || n > 1000000) {
                std::fprintf(stderr, "Opcja %s wymaga numeru od 1\n\n", a);
                uzycie(stderr);
                return kod_plik;
            }
            ++i;
            wybor = {przypadek ? PokazWynikow::przypadek : PokazWynikow::kombinacja,
                     static_cast<int>(n) - 1};
            wybrano = true;
        } else if (int o = koniec_opcji ? 0 : opcja_obrazu(argc, argv, i, obrazy); o != 0) {
            if (o > 0) continue;
            uzycie(stderr);
            return kod_plik;
        } else if (int r = koniec_opcji ? 0 : opcja_raportu(argc, argv, i, raport); r != 0) {
            if (r > 0) continue;
            uzycie(stderr);
            return kod_plik;
        } else if (!koniec_opcji && std::strcmp(a, "--") == 0) {
            koniec_opcji = true;
        } else if (!koniec_opcji && a[0] == '-' && a[1] != '\0') {
            std::fprintf(stderr, "Nieznana opcja: %s\n\n", a);
            uzycie(stderr);
            return kod_plik;
        } else {
            pliki.emplace_back(a);
        }
    }
    if (pliki.size() != 1) {
        uzycie(stderr);
        return kod_plik;
    }
    if (!raport.plik.empty()) return zapisz_raport(pliki[0], raport, obrazy.jednostki);

    Model m;
    Projekt projekt;
    PokazWynikow pokaz;
    UkladJednostek jednostki = UkladJednostek::brak;
    std::string powod;
    if (nazwa_projektu_v2dp(pliki[0])) {
        ZawartoscProjektu z;
        if (!czytaj_projekt(pliki[0], z, powod)) {
            std::fprintf(stderr, "Nie można otworzyć pliku %s: %s\n", pliki[0].c_str(),
                         powod.c_str());
            return kod_plik;
        }
        przejmij_konstrukcje(m, std::move(z.k));
        m.Pusty = 0;
        projekt = std::move(z.p);
        pokaz = z.pokaz;
        // A project names its units; the option still chooses others for the pictures.
        jednostki = z.jednostki;
        if (obrazy.jednostki.empty()) obrazy.jednostki = nazwa_ukladu(z.jednostki);
    } else if (!otworz_v2d(pliki[0], m, powod)) {
        std::fprintf(stderr, "Nie można otworzyć pliku %s: %s\n", pliki[0].c_str(), powod.c_str());
        return kod_plik;
    }
    uzgodnij(m, projekt);
    const std::vector<Kombinacja> kombinacje = kombinacje_projektu(projekt);
    if (lista_kombinacji) {
        lista(projekt, kombinacje);
        return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : kod_plik;
    }
    if (wybrano) {
        const int ile = wybor.rodzaj == PokazWynikow::przypadek
                            ? static_cast<int>(projekt.przypadki.size())
                            : static_cast<int>(kombinacje.size());
        if (wybor.rodzaj != PokazWynikow::obwiednia && wybor.indeks >= ile) {
            std::fprintf(stderr, "Projekt nie ma %s %d (ma %d)\n",
                         wybor.rodzaj == PokazWynikow::przypadek ? "przypadku" : "kombinacji",
                         wybor.indeks + 1, ile);
            return kod_plik;
        }
        pokaz = wybor;
        if (wybor.rodzaj == PokazWynikow::przypadek) {
            ustaw_biezacy(m, projekt, wybor.indeks);
            pokaz.indeks = 0;
        }
    }

    const ZadaniePrzypadkow zadanie = zadanie_projektu(m, projekt);
    const WynikObliczen w = obliczenia(m, Rozwiazanie::samo, &zadanie);
    if (czasy && w.wykonano)
        std::fprintf(stderr,
                     "Czasy [s]: porządkowanie węzłów %.3f, składanie %.3f, rozkład %.3f, "
                     "reszta %.3f; macierz %s\n",
                     w.czasy.kolejnosc, w.czasy.skladanie, w.czasy.rozklad, w.czasy.reszta,
                     w.metoda);
    if (!w.sukces()) {
        for (const std::string& k : komunikaty_obliczen(w)) std::fprintf(stderr, "%s\n", k.c_str());
        return kod_obliczenia;
    }
    if (!pokaz_w_magazynie(m, projekt, pokaz, kombinacje)) {
        pokaz = {};
        pokaz_w_magazynie(m, projekt, pokaz, kombinacje);
    }

    if (wszystkie) {
        // Every case, then every combination, each named.
        const std::size_t ile = projekt.przypadki.size() + kombinacje.size();
        for (std::size_t j = 0; j < ile; ++j) {
            const bool przypadek = j < projekt.przypadki.size();
            const std::size_t nr = przypadek ? j : j - projekt.przypadki.size();
            if (przypadek) {
                ustaw_biezacy(m, projekt, static_cast<int>(nr));
                pokaz_w_magazynie(m, projekt, {}, kombinacje);
            } else {
                pokaz_w_magazynie(m, projekt, {PokazWynikow::kombinacja, static_cast<int>(nr)},
                                  kombinacje);
            }
            const std::string znak = (przypadek ? "P" : "K") + std::to_string(nr + 1);
            if (csv) {
                wyniki_csv(m, znak + ",");
            } else {
                std::printf("%s== %s: %s ==\n\n", j > 0 ? "\n" : "", znak.c_str(),
                            przypadek
                                ? projekt.przypadki[nr].nazwa.c_str()
                                : (kombinacje[nr].nazwa + ": " + kombinacje[nr].opis).c_str());
                wyniki_tabele(m);
            }
        }
    } else if (pokaz.rodzaj == PokazWynikow::obwiednia) {
        if (csv)
            obwiednia_csv(m, kombinacje);
        else
            obwiednia_tabele(m, kombinacje);
    } else {
        // A project with more than one case, or a combination, names what is listed.
        const std::string tytul = tytul_wynikow(projekt, pokaz, kombinacje);
        if (!csv && !tytul.empty()) std::printf("%s\n\n", tytul.c_str());
        if (csv)
            wyniki_csv(m);
        else
            wyniki_tabele(m);
    }
    wymiarowanie_wydruk(m, projekt, jednostki, csv);
    // Results cut short by a full disk or a closed pipe must not look complete.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "Błąd zapisu wyników\n");
        return kod_plik;
    }
    return obrazy.pliki.empty() ? 0
                                : zapisz_obrazy(std::move(m), std::move(projekt), pokaz, obrazy);
}
