// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/arkusz.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "editing/edycja.h"
#include "editing/schowek.h"
#include "editing/tablice.h"

namespace {

using K = KolumnaArkusza;
using T = K::Typ;
using Wa = K::Warunek;
using W = Wielkosc;

int indeks(Zakladka z) {
    return static_cast<int>(z);
}

// Per tab: its name, and how the undo history names one of its entities.
struct OpisZakladki {
    const char* nazwa;
    const char* czego;  // "zmiana węzła 5", "dodanie węzła 6"
    std::vector<KolumnaArkusza> kolumny;
};

const OpisZakladki& opis(Zakladka z) {
    static const OpisZakladki opisy[liczba_zakladek] = {
        {"Węzły",
         "węzła",
         {{"X", T::rzeczywista, Wa::nieujemna, W::dlugosc, "Współrzędna X<0"},
          {"Y", T::rzeczywista, Wa::nieujemna, W::dlugosc, "Współrzędna Y<0"}}},
        {"Pręty",
         "pręta",
         {{"Węzeł 1", T::numer, Wa::wezel, W::brak, "Zły numer węzła 1"},
          {"Węzeł 2", T::numer, Wa::wezel, W::brak, "Zły numer węzła 2"},
          {"Materiał", T::numer, Wa::material, W::brak, "Zły numer materiału", false},
          {"Przekrój", T::numer, Wa::przekroj, W::brak, "Zły numer przekroju", false}}},
        {"Materiały",
         "materiału",
         {{"Moduł Younga", T::rzeczywista, Wa::dodatnia, W::naprezenie, "Moduł Younga <=0"},
          {"Wsp. rozszerzalności cieplnej", T::rzeczywista, Wa::nieujemna, W::rozszerzalnosc,
           "Wsp. rozszerzalnosci cieplnej <0", false},
          {"Ciężar objętościowy", T::rzeczywista, Wa::nieujemna, W::ciezar,
           "Ciężar objętościowy musi być liczbą nieujemną", false}}},
        {"Przekroje",
         "pola przekroju",
         {{"Pole przekroju", T::rzeczywista, Wa::dodatnia, W::pole,
           "Pole przkroju musi być większe od zera"}}},
        {"Podpory",
         "podpory",
         {{"Węzeł", T::numer, Wa::wezel, W::brak, "Zły numer węzła"},
          {"Kierunek", T::kierunek, Wa::dowolna, W::brak, "Kierunek podpory to X albo Y"},
          {"Przemieszczenie", T::rzeczywista, Wa::dowolna, W::dlugosc,
           "Przemieszczenie nie jest liczbą", false}}},
        {"Siły",
         "siły",
         {{"Węzeł", T::numer, Wa::wezel, W::brak, "Zły numer węzła"},
          {"Kierunek", T::kierunek, Wa::dowolna, W::brak, "Kierunek siły to X albo Y"},
          {"Wartość", T::rzeczywista, Wa::niezerowa, W::sila, "Wartość siły równa zeru"}}},
        {"Temperatura",
         "zmiany temperatury",
         {{"Pręt", T::numer, Wa::pret, W::brak, "Zły numer pręta"},
          {"Przyrost temperatury", T::rzeczywista, Wa::dowolna, W::temperatura,
           "Przyrost temperatury nie jest liczbą"}}},
    };
    return opisy[std::clamp(indeks(z), 0, liczba_zakladek - 1)];
}

std::string bez_odstepow(const std::string& t) {
    const std::size_t p = t.find_first_not_of(" \t");
    if (p == std::string::npos) return {};
    return t.substr(p, t.find_last_not_of(" \t") - p + 1);
}

// The column's heading as a message names it: "kolumna „X”".
std::string kolumna_w_komunikacie(const KolumnaArkusza& k) {
    return std::string("kolumna „") + k.naglowek + "”";
}

// Default thermal coefficient of a new material: steel's, 1.2e-5 1/K (PN-EN 1993-1-1, 3.2.6).
constexpr double alfa_stali = 1.2e-5;

}  // namespace

const char* nazwa_zakladki(Zakladka z) {
    return opis(z).nazwa;
}
const std::vector<KolumnaArkusza>& kolumny_arkusza(Zakladka z) {
    return opis(z).kolumny;
}

int ArkuszDanych::wiersze(Zakladka z) const {
    const Model& m = o_.model;
    if (m.Pusty != 0) return 0;
    switch (z) {
        case Zakladka::wezly:
            return m.nn;
        case Zakladka::prety:
            return m.ne;
        case Zakladka::materialy:
            return m.nm;
        case Zakladka::przekroje:
            return m.na;
        case Zakladka::podpory:
            return m.nd;
        case Zakladka::sily:
            return m.nl;
        case Zakladka::temperatury:
            return m.ntel;
    }
    return 0;
}

ArkuszDanych::Wiersz ArkuszDanych::odczytaj(Zakladka z, int n) const {
    const Model& m = o_.model;
    Wiersz r;
    auto wezel_i_kierunek = [&](int dof) {
        return std::vector<double>{static_cast<double>(dof / 2 + dof % 2),
                                   dof % 2 != 0 ? 1.0 : 2.0};
    };
    switch (z) {
        case Zakladka::wezly:
            r.w = {m.x[n][1], m.x[n][2]};
            break;
        case Zakladka::prety:
            r.w = {static_cast<double>(m.noc[n][1]), static_cast<double>(m.noc[n][2]),
                   static_cast<double>(m.noc[n][3]), static_cast<double>(m.noc[n][4])};
            break;
        case Zakladka::materialy: {
            const std::size_t i = static_cast<std::size_t>(n - 1);
            r.w = {m.pm[n][1], m.pm[n][2],
                   i < o_.projekt.ciezar.size() ? o_.projekt.ciezar[i] : 0.0f};
            break;
        }
        case Zakladka::przekroje:
            r.w = {m.area[n]};
            break;
        case Zakladka::podpory:
            r.w = wezel_i_kierunek(m.nu[n]);
            r.w.push_back(m.u[n]);
            break;
        case Zakladka::sily:
            r.w = wezel_i_kierunek(m.ild[n]);
            r.w.push_back(m.al[n]);
            break;
        case Zakladka::temperatury:
            r.w = {static_cast<double>(m.nset[n]), m.temp[n]};
            break;
    }
    r.podana.assign(r.w.size(), 1);
    return r;
}

ArkuszDanych::Wiersz ArkuszDanych::domyslny(Zakladka z) const {
    Wiersz r;
    r.w.assign(kolumny_arkusza(z).size(), 0.0);
    r.podana.assign(r.w.size(), 0);
    if (z == Zakladka::prety) {
        // The material and section last chosen for a bar, while the model has them.
        r.w[2] = std::clamp(o_.ostatni_material, 1, std::max(1, o_.model.nm));
        r.w[3] = std::clamp(o_.ostatni_przekroj, 1, std::max(1, o_.model.na));
    }
    if (z == Zakladka::materialy) r.w[1] = alfa_stali;
    return r;
}

namespace {
std::string tekst_wartosci(const KolumnaArkusza& k, double v) {
    if (k.typ == T::kierunek) return v == 1.0 ? "X" : "Y";
    if (k.typ == T::numer) return std::to_string(static_cast<long long>(v));
    return tekst_dokladny(static_cast<float>(v));
}
}  // namespace

std::string ArkuszDanych::tekst(Zakladka z, int wiersz, int kolumna) const {
    const auto& k = kolumny_arkusza(z);
    if (kolumna < 0 || kolumna >= static_cast<int>(k.size()) || wiersz < 0) return {};
    const int n = wiersze(z);
    if (wiersz < n) return tekst_wartosci(k[kolumna], odczytaj(z, wiersz + 1).w[kolumna]);
    if (wiersz > n || o_.model.Pusty != 0) return {};
    const auto& s = szkic_[indeks(z)];
    if (static_cast<std::size_t>(kolumna) < s.size() && s[kolumna])
        return tekst_wartosci(k[kolumna], *s[kolumna]);
    if (k[kolumna].wymagana) return {};
    return tekst_wartosci(k[kolumna], domyslny(z).w[kolumna]);
}

std::string ArkuszDanych::naglowek(Zakladka z, int kolumna) const {
    const auto& k = kolumny_arkusza(z);
    if (kolumna < 0 || kolumna >= static_cast<int>(k.size())) return {};
    return z_jednostka(k[kolumna].naglowek, k[kolumna].wielkosc, o_.jednostki);
}

std::string ArkuszDanych::tytul(Zakladka z) const {
    std::string t = nazwa_zakladki(z);
    const Projekt& p = o_.projekt;
    if ((z == Zakladka::sily || z == Zakladka::temperatury) && p.przypadki.size() > 1 &&
        p.biezacy >= 0 && p.biezacy < static_cast<int>(p.przypadki.size()))
        t += " (" + p.przypadki[static_cast<std::size_t>(p.biezacy)].nazwa + ")";
    return t;
}

std::string ArkuszDanych::czytaj(Zakladka z, int kolumna, const std::string& tekst, double& v,
                                 const std::string& gdzie) const {
    const KolumnaArkusza& k = kolumny_arkusza(z)[static_cast<std::size_t>(kolumna)];
    const Model& m = o_.model;
    v = 0.0;
    const std::string t = bez_odstepow(tekst);
    if (k.typ == T::kierunek) {
        if (t == "X" || t == "x") v = 1.0;
        if (t == "Y" || t == "y") v = 2.0;
        return v == 0.0 ? k.komunikat : "";
    }
    if (k.typ == T::numer) {
        int n = 0;
        const int gorny = k.warunek == Wa::wezel      ? m.nn
                          : k.warunek == Wa::pret     ? m.ne
                          : k.warunek == Wa::material ? m.nm
                                                      : m.na;
        if (!liczba_calkowita(t.c_str(), n) || n < 1 || n > gorny) return k.komunikat;
        v = n;
        return {};
    }
    float f = 0.0f;
    const OdczytWartosci o = odczytaj_wartosc(t, k.wielkosc, o_.jednostki);
    if (o.stan == OdczytWartosci::Stan::przeliczona)
        f = o.wartosc;
    else if (std::string u = komunikat_jednostki(o, gdzie, k.wielkosc); !u.empty())
        return u;
    else if (!liczba_rzeczywista(t.c_str(), f)) {
        // Text pasted from elsewhere is told apart from a value the column does not take.
        double d = 0.0;
        if (t.empty()) return k.komunikat;
        return "„" + t +
               (liczba_rzeczywista(t.c_str(), d) ? "” jest poza zakresem liczb programu."
                                                 : "” nie jest liczbą.");
    }
    const bool dobra = k.warunek == Wa::nieujemna   ? f >= 0.0f
                       : k.warunek == Wa::dodatnia  ? f > 0.0f
                       : k.warunek == Wa::niezerowa ? f != 0.0f
                                                    : true;
    if (!dobra) return k.komunikat;
    v = f;
    return {};
}

int ArkuszDanych::sprawdz(Zakladka z, const Wiersz& w, const char*& komunikat) const {
    const auto& k = kolumny_arkusza(z);
    for (std::size_t i = 0; i < k.size(); ++i) {
        double v = 0.0;
        // A stored value is checked as its text would be: what the cell shows is what counts.
        if (!czytaj(z, static_cast<int>(i), tekst_wartosci(k[i], w.w[i]), v, "").empty() ||
            (z == Zakladka::prety && i == 0 && w.w[0] == w.w[1])) {
            komunikat = k[i].komunikat;
            return static_cast<int>(i);
        }
    }
    return -1;
}

void ArkuszDanych::zapisz(Zakladka z, int od, const std::vector<Wiersz>& w) {
    Model& m = o_.model;
    const int ile = static_cast<int>(w.size());
    const int nowe = std::max(0, od + ile - 1 - wiersze(z));
    o_.zamknij_tabele();
    {
        Przebudowa p(m);
        switch (z) {
            case Zakladka::wezly:
                if (nowe > 0) {
                    zmien_rozmiar(m.x, m.nn, m.nn + nowe, 2);
                    m.nn += nowe;
                    m.nq = 2 * m.nn;
                    utworz_na_nowo(m.f, m.nq);
                }
                for (int i = 0; i < ile; ++i) {
                    m.x[od + i][1] = static_cast<float>(w[i].w[0]);
                    m.x[od + i][2] = static_cast<float>(w[i].w[1]);
                }
                break;
            case Zakladka::prety:
                if (nowe > 0) {
                    zmien_rozmiar(m.noc, m.ne, m.ne + nowe, 4);
                    m.ne += nowe;
                    utworz_na_nowo(m.stressp, m.ne);
                }
                for (int i = 0; i < ile; ++i)
                    for (int c = 0; c < 4; ++c) m.noc[od + i][c + 1] = static_cast<int>(w[i].w[c]);
                break;
            case Zakladka::materialy:
                if (nowe > 0) {
                    zmien_rozmiar(m.pm, m.nm, m.nm + nowe, 2);
                    m.nm += nowe;
                }
                o_.projekt.ciezar.resize(static_cast<std::size_t>(m.nm), 0.0f);
                for (int i = 0; i < ile; ++i) {
                    m.pm[od + i][1] = static_cast<float>(w[i].w[0]);
                    m.pm[od + i][2] = static_cast<float>(w[i].w[1]);
                    o_.projekt.ciezar[static_cast<std::size_t>(od + i - 1)] =
                        static_cast<float>(w[i].w[2]);
                }
                break;
            case Zakladka::przekroje:
                if (nowe > 0) {
                    zmien_rozmiar(m.area, m.na, m.na + nowe);
                    m.na += nowe;
                }
                for (int i = 0; i < ile; ++i) m.area[od + i] = static_cast<float>(w[i].w[0]);
                break;
            case Zakladka::podpory:
                if (nowe > 0) {
                    zmien_rozmiar(m.nu, m.nd, m.nd + nowe);
                    zmien_rozmiar(m.u, m.nd, m.nd + nowe);
                    m.nd += nowe;
                }
                utworz_na_nowo(m.react, m.nd);
                for (int i = 0; i < ile; ++i) {
                    const int n = static_cast<int>(w[i].w[0]);
                    m.nu[od + i] = w[i].w[1] == 1.0 ? 2 * n - 1 : 2 * n;
                    m.u[od + i] = static_cast<float>(w[i].w[2]);
                }
                break;
            case Zakladka::sily:
                if (nowe > 0) {
                    zmien_rozmiar(m.ild, m.nl, m.nl + nowe);
                    zmien_rozmiar(m.al, m.nl, m.nl + nowe);
                    m.nl += nowe;
                }
                for (int i = 0; i < ile; ++i) {
                    const int n = static_cast<int>(w[i].w[0]);
                    m.ild[od + i] = w[i].w[1] == 1.0 ? 2 * n - 1 : 2 * n;
                    m.al[od + i] = static_cast<float>(w[i].w[2]);
                }
                break;
            case Zakladka::temperatury:
                if (nowe > 0) {
                    zmien_rozmiar(m.nset, m.ntel, m.ntel + nowe);
                    zmien_rozmiar(m.temp, m.ntel, m.ntel + nowe);
                    m.ntel += nowe;
                }
                for (int i = 0; i < ile; ++i) {
                    m.nset[od + i] = static_cast<int>(w[i].w[0]);
                    m.temp[od + i] = static_cast<float>(w[i].w[1]);
                }
                break;
        }
    }
    m.obliczono = 0;
    o_.port.Odswiez();
}

namespace {
// The DOF a support row holds.
int dof(const std::vector<double>& w) {
    const int n = static_cast<int>(w[0]);
    return w[1] == 1.0 ? 2 * n - 1 : 2 * n;
}
}  // namespace

std::string ArkuszDanych::ustaw(Zakladka z, int wiersz, int kolumna, const std::string& tekst) {
    const auto& k = kolumny_arkusza(z);
    const int n = wiersze(z);
    if (o_.model.Pusty != 0 || kolumna < 0 || kolumna >= static_cast<int>(k.size()) || wiersz < 0 ||
        wiersz > n)
        return {};
    const std::string gdzie = "Kolumna „" + std::string(k[kolumna].naglowek) + "”";
    auto& s = szkic_[indeks(z)];
    s.resize(k.size());
    const bool nowy = wiersz == n;
    if (nowy && bez_odstepow(tekst).empty()) {
        s[kolumna].reset();
        return {};
    }
    double v = 0.0;
    if (std::string b = czytaj(z, kolumna, tekst, v, gdzie); !b.empty()) return b;
    Wiersz w;
    if (nowy) {
        w = domyslny(z);
        for (std::size_t i = 0; i < k.size(); ++i)
            if (s[i]) w.w[i] = *s[i], w.podana[i] = 1;
        w.w[kolumna] = v, w.podana[kolumna] = 1;
        // Not yet whole: the value waits in the new row.
        for (std::size_t i = 0; i < k.size(); ++i)
            if (k[i].wymagana && !w.podana[i]) {
                s[kolumna] = v;
                return {};
            }
    } else {
        w = odczytaj(z, wiersz + 1);
        w.w[kolumna] = v;
    }
    const char* b = nullptr;
    if (sprawdz(z, w, b) >= 0) return b;
    if (z == Zakladka::podpory)
        for (int i = 1; i <= o_.model.nd; ++i)
            if (i != wiersz + 1 && o_.model.nu[i] == dof(w.w))
                return "Ten węzeł jest już utwierdzony...";
    const std::string nazwa = std::string(nowy ? "dodanie " : "zmiana ") + opis(z).czego + " " +
                              std::to_string(wiersz + 1);
    o_.wykonaj_krok(nazwa, [&] { zapisz(z, wiersz + 1, {w}); });
    if (nowy) s.assign(k.size(), std::nullopt);
    return {};
}

std::string ArkuszDanych::wklej(Zakladka z, int wiersz, int kolumna, const std::string& schowek) {
    const auto& k = kolumny_arkusza(z);
    const int n = wiersze(z), kolumn = static_cast<int>(k.size());
    BlokKomorek b = podziel_schowek(schowek);
    // Empty lines at the end are no rows to add.
    auto pusty = [](const std::vector<std::string>& r) {
        return std::all_of(r.begin(), r.end(), [](const std::string& c) { return c.empty(); });
    };
    while (!b.empty() && pusty(b.back())) b.pop_back();
    if (o_.model.Pusty != 0 || b.empty() || wiersz < 0 || wiersz > n || kolumna < 0 ||
        kolumna >= kolumn)
        return {};
    auto gdzie = [&](int r, int c) {
        return "Wiersz " + std::to_string(wiersz + r + 1) + ", " +
               (c < kolumn ? kolumna_w_komunikacie(k[static_cast<std::size_t>(c)])
                           : "kolumna " + std::to_string(c + 1));
    };
    std::vector<Wiersz> w(b.size());
    for (std::size_t r = 0; r < b.size(); ++r) {
        const int i = wiersz + static_cast<int>(r);
        w[r] = i < n ? odczytaj(z, i + 1) : domyslny(z);
        for (std::size_t c = 0; c < b[r].size(); ++c) {
            if (b[r][c].empty()) continue;
            const int kol = kolumna + static_cast<int>(c);
            const int ri = static_cast<int>(r);
            if (kol >= kolumn)
                return gdzie(ri, kol) + ": poza tabelą (" + nazwa_zakladki(z) + " mają " +
                       std::to_string(kolumn) + (kolumn == 1 ? " kolumnę)." : " kolumny).");
            double v = 0.0;
            const std::string g = gdzie(ri, kol);
            const std::string blad = czytaj(z, kol, b[r][c], v, g);
            if (!blad.empty()) return blad.rfind(g, 0) == 0 ? blad : g + ": " + blad;
            w[r].w[static_cast<std::size_t>(kol)] = v;
            w[r].podana[static_cast<std::size_t>(kol)] = 1;
        }
        for (int c = 0; c < kolumn && i >= n; ++c)
            if (k[static_cast<std::size_t>(c)].wymagana &&
                !w[r].podana[static_cast<std::size_t>(c)])
                return gdzie(static_cast<int>(r), c) + ": brak wartości w nowym wierszu.";
        const char* komunikat = nullptr;
        if (const int c = sprawdz(z, w[r], komunikat); c >= 0)
            return gdzie(static_cast<int>(r), c) + ": " + komunikat;
    }
    if (z == Zakladka::podpory) {
        // No DOF held twice in the table as it would be.
        std::vector<int> dofy;
        for (int i = 1; i <= o_.model.nd; ++i) dofy.push_back(o_.model.nu[i]);
        dofy.resize(static_cast<std::size_t>(std::max(n, wiersz + static_cast<int>(w.size()))));
        for (std::size_t r = 0; r < w.size(); ++r)
            dofy[static_cast<std::size_t>(wiersz) + r] = dof(w[r].w);
        std::set<int> widziane;
        for (std::size_t i = 0; i < dofy.size(); ++i)
            if (!widziane.insert(dofy[i]).second) {
                const int r = static_cast<int>(i) - wiersz;
                return gdzie(std::max(r, 0), 1) + ": Ten węzeł jest już utwierdzony...";
            }
    }
    const std::string nazwa = std::string("wklejenie: ") + nazwa_zakladki(z) + " (" +
                              std::to_string(w.size()) + (w.size() == 1 ? " wiersz)" : " wierszy)");
    o_.wykonaj_krok(nazwa, [&] { zapisz(z, wiersz + 1, w); });
    if (wiersz + static_cast<int>(w.size()) > n) szkic_[indeks(z)].clear();
    return {};
}

std::string ArkuszDanych::kopiuj(Zakladka z, int w0, int w1, int k0, int k1, char przecinek) const {
    const int n = wiersze(z), kolumn = static_cast<int>(kolumny_arkusza(z).size());
    w0 = std::max(w0, 0), w1 = std::min(w1, n - 1);
    k0 = std::max(k0, 0), k1 = std::min(k1, kolumn - 1);
    BlokKomorek b;
    for (int w = w0; w <= w1; ++w) {
        b.emplace_back();
        for (int k = k0; k <= k1; ++k) b.back().push_back(tekst(z, w, k));
    }
    return tekst_bloku(b, przecinek);
}

void ArkuszDanych::usun_wiersze(Zakladka z, std::vector<int> wiersze) {
    Model& m = o_.model;
    const int n = this->wiersze(z);
    if (m.Pusty != 0) return;
    std::sort(wiersze.begin(), wiersze.end());
    wiersze.erase(std::unique(wiersze.begin(), wiersze.end()), wiersze.end());
    if (!wiersze.empty() && wiersze.back() >= n) {
        szkic_[indeks(z)].clear();
        wiersze.erase(std::lower_bound(wiersze.begin(), wiersze.end(), n), wiersze.end());
    }
    if (!wiersze.empty() && wiersze.front() < 0) return;
    if (wiersze.empty()) {
        o_.port.Odswiez();
        return;
    }
    std::vector<int> numery;
    for (int w : wiersze) numery.push_back(w + 1);
    // Materials, sections and nodes that a bar names stay, as the delete commands keep them.
    // The first bar naming each row, found in one pass: many rows of a large model stay quick.
    std::vector<int> pierwszy(static_cast<std::size_t>(n) + 1, 0);
    const int kolumny_pretow[2] = {z == Zakladka::wezly       ? 1
                                   : z == Zakladka::materialy ? 3
                                                              : 4,
                                   z == Zakladka::wezly ? 2 : 0};
    if (z == Zakladka::wezly || z == Zakladka::materialy || z == Zakladka::przekroje)
        for (int b = m.ne; b >= 1; --b)
            for (int kolumna : kolumny_pretow)
                if (kolumna != 0 && m.noc[b][kolumna] >= 1 && m.noc[b][kolumna] <= n)
                    pierwszy[static_cast<std::size_t>(m.noc[b][kolumna])] = b;
    for (int x : numery) {
        const int pret = pierwszy[static_cast<std::size_t>(x)];
        if (z == Zakladka::materialy && pret != 0) {
            o_.port.MessageBox("Materiał jest używany przez element", "Usuwanie materiału",
                               Ikona::stop, Przyciski::ok);
            return;
        }
        if (z == Zakladka::przekroje && pret != 0) {
            o_.port.MessageBox("Pole przekroju używane jest przez element",
                               "Usuwanie pola przekroju", Ikona::stop, Przyciski::ok);
            return;
        }
        if (z == Zakladka::wezly && pret != 0) {
            o_.port.MessageBox("Węzeł " + std::to_string(x) + " jest końcem pręta " +
                                   std::to_string(pret) +
                                   ": usuń najpierw pręty, które się w nim łączą.",
                               "Usuwanie węzłów", Ikona::stop, Przyciski::ok);
            return;
        }
    }
    // Entries of the current case's tables go by their place.
    auto kompaktuj_wpisy = [&](auto& a, auto& b, int& ile) {
        std::vector<char> zostaje(static_cast<std::size_t>(ile) + 1, 1);
        for (int x : numery) zostaje[static_cast<std::size_t>(x)] = 0;
        const int nowe = ile - static_cast<int>(numery.size());
        auto zost = [&](int i) { return zostaje[static_cast<std::size_t>(i)] != 0; };
        kompaktuj(a, ile, nowe, zost);
        kompaktuj(b, ile, nowe, zost);
        ile = nowe;
    };
    const std::string nazwa = std::string("usunięcie wierszy: ") + nazwa_zakladki(z) + " (" +
                              std::to_string(numery.size()) + ")";
    o_.wykonaj_krok(nazwa, [&] {
        switch (z) {
            case Zakladka::wezly:
                o_.usun_wezly(numery);
                break;
            case Zakladka::prety:
                o_.usun_prety(numery);
                break;
            case Zakladka::materialy:
                for (auto i = numery.rbegin(); i != numery.rend(); ++i) o_.usun_material(*i);
                break;
            case Zakladka::przekroje:
                for (auto i = numery.rbegin(); i != numery.rend(); ++i) o_.usun_przekroj(*i);
                break;
            case Zakladka::podpory:
            case Zakladka::sily:
            case Zakladka::temperatury: {
                o_.zamknij_tabele();
                Przebudowa p(m);
                if (z == Zakladka::podpory) {
                    kompaktuj_wpisy(m.nu, m.u, m.nd);
                    utworz_na_nowo(m.react, m.nd);
                } else if (z == Zakladka::sily) {
                    kompaktuj_wpisy(m.ild, m.al, m.nl);
                } else {
                    kompaktuj_wpisy(m.nset, m.temp, m.ntel);
                }
                m.obliczono = 0;
                break;
            }
        }
    });
    o_.port.Odswiez();
}
