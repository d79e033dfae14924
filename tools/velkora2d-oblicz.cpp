// velkora2d-oblicz: analyses a .V2D project without the window and prints the results, as the
// results window lists them or as CSV for other programs; it draws the truss too, on request.
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "core/analiza.h"
#include "files/eksport.h"
#include "files/v2d.h"
#include "tools/obrazy.h"
#include "tools/raport.h"

namespace {

constexpr int kod_plik = 2;        // the file cannot be read, or the command line is wrong
constexpr int kod_obliczenia = 3;  // the analysis stopped

void uzycie(std::FILE* s) {
    std::fputs(
        "Użycie: velkora2d-oblicz [--csv] [--czasy] [--png|--svg|--pdf RYSUNEK]\n"
        "                         [--rozmiar SZERxWYS] [--rozciagniety]\n"
        "                         [--jednostki UKLAD] PLIK.V2D\n"
        "Oblicza kratownicę zapisaną w pliku PLIK.V2D i wypisuje naprężenia i siły osiowe\n"
        "w prętach, przemieszczenia węzłów i reakcje podpór.\n"
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
        "          (pasmowa, pasmowa (Cholesky'ego) albo rzadka)\n",
        s);
    std::fputs(opis_obrazow, s);
    std::fputs(opis_raportu, s);
    std::fputs(
        "  --help  ten opis\n"
        "\n"
        "Kod wyjścia: 0 - obliczono, 2 - błąd pliku lub wywołania, 3 - błąd obliczeń.\n",
        s);
}

std::string liczba(const char* format, double v) {
    char t[64];
    std::snprintf(t, sizeof t, format, v);
    return t;
}

// Characters on screen, not bytes: the Polish headers are UTF-8.
std::size_t szerokosc(const std::string& s) {
    std::size_t n = 0;
    for (unsigned char c : s) n += (c & 0xC0) != 0x80;
    return n;
}

// One table: the first column (numbers, labels) to the left, the values to the right, two spaces
// between columns, each as wide as its widest entry.
void tabela(const std::vector<std::string>& naglowki,
            const std::vector<std::vector<std::string>>& wiersze) {
    std::vector<std::size_t> w(naglowki.size());
    for (std::size_t j = 0; j < w.size(); ++j) w[j] = szerokosc(naglowki[j]);
    for (const auto& r : wiersze)
        for (std::size_t j = 0; j < w.size(); ++j) w[j] = std::max(w[j], szerokosc(r[j]));
    auto wypisz = [&w](const std::vector<std::string>& r) {
        std::string linia;
        for (std::size_t j = 0; j < r.size(); ++j) {
            const std::string odstep(w[j] - szerokosc(r[j]), ' ');
            if (j == 0)
                linia += r.size() > 1 ? r[j] + odstep : r[j];
            else
                linia += "  " + odstep + r[j];
        }
        std::puts(linia.c_str());
    };
    wypisz(naglowki);
    for (const auto& r : wiersze) wypisz(r);
}

void wyniki_tabele(const Model& m) {
    std::vector<std::vector<std::string>> w;
    for (int i = 1; i <= m.ne; ++i)
        w.push_back({std::to_string(i), liczba("%12.8f", static_cast<double>(m.stressp[i])),
                     liczba("%12.8f", static_cast<double>(sila_osiowa(m, i).value_or(0.0f)))});
    tabela({"Element", "Naprężenie", "Siła osiowa"}, w);

    w.clear();
    for (int i = 1; i <= m.nn; ++i)
        w.push_back({std::to_string(i), liczba("%2.15f", static_cast<double>(m.f[2 * i - 1])),
                     liczba("%2.15f", static_cast<double>(m.f[2 * i]))});
    std::putchar('\n');
    tabela({"Węzeł", "Przemieszczenie X", "Przemieszczenie Y"}, w);

    w.clear();
    for (int i = 1; i <= m.nd; ++i)
        w.push_back({etykieta_dof(m.nu[i]), liczba("%2.15f", static_cast<double>(m.react[i]))});
    std::putchar('\n');
    tabela({"Podpora w węźle", "Reakcja podpory"}, w);
}

void wyniki_csv(const Model& m) {
    // %.9g gives back every float exactly.
    for (int i = 1; i <= m.ne; ++i)
        std::printf("element,%d,%.9g\n", i, static_cast<double>(m.stressp[i]));
    for (int i = 1; i <= m.ne; ++i)
        std::printf("sila,%d,%.9g\n", i, static_cast<double>(sila_osiowa(m, i).value_or(0.0f)));
    for (int i = 1; i <= m.nn; ++i)
        std::printf("wezel,%d,%.9g,%.9g\n", i, static_cast<double>(m.f[2 * i - 1]),
                    static_cast<double>(m.f[2 * i]));
    for (int i = 1; i <= m.nd; ++i)
        std::printf("reakcja,%d,%.9g\n", m.nu[i], static_cast<double>(m.react[i]));
}

}  // namespace

int main(int argc, char** argv) {
    // Messages follow the user's language; numbers are always written with a decimal point.
    std::setlocale(LC_ALL, "");
    std::setlocale(LC_NUMERIC, "C");

    bool csv = false, czasy = false;
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
    std::string powod;
    if (!otworz_v2d(pliki[0], m, powod)) {
        std::fprintf(stderr, "Nie można otworzyć pliku %s: %s\n", pliki[0].c_str(), powod.c_str());
        return kod_plik;
    }
    const WynikObliczen w = obliczenia(m);
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

    if (csv)
        wyniki_csv(m);
    else
        wyniki_tabele(m);
    // Results cut short by a full disk or a closed pipe must not look complete.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "Błąd zapisu wyników\n");
        return kod_plik;
    }
    return obrazy.pliki.empty() ? 0 : zapisz_obrazy(std::move(m), obrazy);
}
