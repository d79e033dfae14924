// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/wyniki_wydruk.h"

#include <algorithm>
#include <cstdio>

#include "files/eksport.h"
#include "files/wyniki_projektu.h"

namespace {

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

std::string nazwa(int i) {
    return i < 0 ? std::string("-") : "K" + std::to_string(i + 1);
}

}  // namespace

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

void wyniki_csv(const Model& m, const std::string& przedrostek) {
    const char* p = przedrostek.c_str();
    // %.9g gives back every float exactly.
    for (int i = 1; i <= m.ne; ++i)
        std::printf("%selement,%d,%.9g\n", p, i, static_cast<double>(m.stressp[i]));
    for (int i = 1; i <= m.ne; ++i)
        std::printf("%ssila,%d,%.9g\n", p, i,
                    static_cast<double>(sila_osiowa(m, i).value_or(0.0f)));
    for (int i = 1; i <= m.nn; ++i)
        std::printf("%swezel,%d,%.9g,%.9g\n", p, i, static_cast<double>(m.f[2 * i - 1]),
                    static_cast<double>(m.f[2 * i]));
    for (int i = 1; i <= m.nd; ++i)
        std::printf("%sreakcja,%d,%.9g\n", p, m.nu[i], static_cast<double>(m.react[i]));
}

void obwiednia_tabele(const Model& m, const std::vector<Kombinacja>& k) {
    const ObwiedniaWynikow o = obwiednia_wynikow(m.wyniki, k);
    std::vector<std::vector<std::string>> w;
    for (int i = 1; i <= m.ne; ++i) {
        const double a = m.area[m.noc[i][4]];
        const std::size_t j = static_cast<std::size_t>(i - 1);
        w.push_back({std::to_string(i), liczba("%.7g", o.s_min[j]), liczba("%.7g", o.s_max[j]),
                     liczba("%.7g", o.s_min[j] * a), liczba("%.7g", o.s_max[j] * a),
                     nazwa(o.ks_min[j]), nazwa(o.ks_max[j])});
    }
    tabela({"Element", "Naprężenie min", "Naprężenie max", "Siła osiowa min", "Siła osiowa max",
            "Kombinacja min", "Kombinacja max"},
           w);
    w.clear();
    for (int i = 1; i <= m.nn; ++i) {
        const std::size_t j = static_cast<std::size_t>(i - 1);
        w.push_back({std::to_string(i), liczba("%.7g", o.u_max[j]), liczba("%.7g", o.ux[j]),
                     liczba("%.7g", o.uy[j]), nazwa(o.ku[j])});
    }
    std::putchar('\n');
    tabela({"Węzeł", "Przemieszczenie max", "Przemieszczenie X", "Przemieszczenie Y", "Kombinacja"},
           w);
    w.clear();
    for (int i = 1; i <= m.nd; ++i) {
        const std::size_t j = static_cast<std::size_t>(i - 1);
        w.push_back({etykieta_dof(m.nu[i]), liczba("%.7g", o.r_min[j]), liczba("%.7g", o.r_max[j]),
                     nazwa(o.kr_min[j]), nazwa(o.kr_max[j])});
    }
    std::putchar('\n');
    tabela({"Podpora w węźle", "Reakcja min", "Reakcja max", "Kombinacja min", "Kombinacja max"},
           w);
}

void obwiednia_csv(const Model& m, const std::vector<Kombinacja>& k) {
    const ObwiedniaWynikow o = obwiednia_wynikow(m.wyniki, k);
    for (int i = 1; i <= m.ne; ++i) {
        const double a = m.area[m.noc[i][4]];
        const std::size_t j = static_cast<std::size_t>(i - 1);
        std::printf("obwiednia,%d,%.9g,%.9g,%.9g,%.9g,%d,%d\n", i, o.s_min[j], o.s_max[j],
                    static_cast<double>(static_cast<float>(o.s_min[j] * a)),
                    static_cast<double>(static_cast<float>(o.s_max[j] * a)), o.ks_min[j] + 1,
                    o.ks_max[j] + 1);
    }
    for (int i = 1; i <= m.nn; ++i) {
        const std::size_t j = static_cast<std::size_t>(i - 1);
        std::printf("obwiednia_wezel,%d,%.9g,%.9g,%.9g,%d\n", i, o.u_max[j],
                    static_cast<double>(o.ux[j]), static_cast<double>(o.uy[j]), o.ku[j] + 1);
    }
    for (int i = 1; i <= m.nd; ++i) {
        const std::size_t j = static_cast<std::size_t>(i - 1);
        std::printf("obwiednia_reakcja,%d,%.9g,%.9g,%d,%d\n", m.nu[i], o.r_min[j], o.r_max[j],
                    o.kr_min[j] + 1, o.kr_max[j] + 1);
    }
}

void lista(const Projekt& p, const std::vector<Kombinacja>& k) {
    std::puts("Przypadki obciążeń:");
    for (std::size_t i = 0; i < p.przypadki.size(); ++i) {
        const PrzypadekObciazen& c = p.przypadki[i];
        std::string o =
            c.zmienny ? "zmienne (Q), " +
                            std::string(nazwa_kategorii(static_cast<Kategoria>(c.kategoria))) +
                            liczba(", psi0 = %g", c.psi0) + liczba(", psi1 = %g", c.psi1) +
                            liczba(", psi2 = %g", c.psi2)
                      : std::string("stałe (G)");
        if (!c.grupa.empty()) o += ", grupa " + c.grupa;
        if (c.ciezar_wlasny) o += liczba(", ciężar własny x %g", c.wsp_ciezaru);
        std::printf("P%zu  %s  [%s]\n", i + 1, c.nazwa.c_str(), o.c_str());
    }
    std::puts("\nKombinacje:");
    for (std::size_t i = 0; i < k.size(); ++i)
        std::printf("K%zu  %s  %s\n", i + 1, k[i].nazwa.c_str(), k[i].opis.c_str());
}
