// SPDX-License-Identifier: GPL-3.0-or-later
// What is done to the nodes and bars selected in the view: delete, move, copy with an offset,
// material and section of bars, supports and forces at nodes; and the data sheet's command.
// Each command is one undo step through the command table.
#include "editing/zaznaczone.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <map>
#include <unordered_map>

#include "editing/arkusz.h"
#include "editing/dialog_dynamiczny.h"
#include "editing/edycja.h"
#include "editing/tablice.h"

void kopiuj_wezly(Model& m, const std::vector<int>& wezly, float dx, float dy, int kopii,
                  std::vector<int>& wezly_kopii, std::vector<int>& prety_kopii) {
    wezly_kopii.clear(), prety_kopii.clear();
    if (m.Pusty != 0 || wezly.empty() || kopii < 1) return;
    const int nn = m.nn, ne = m.ne;
    double x0 = INFINITY, x1 = -INFINITY, y0 = INFINITY, y1 = -INFINITY;
    for (int n = 1; n <= nn; ++n) {
        x0 = std::min<double>(x0, m.x[n][1]), x1 = std::max<double>(x1, m.x[n][1]);
        y0 = std::min<double>(y0, m.x[n][2]), y1 = std::max<double>(y1, m.x[n][2]);
    }
    const double rozmiar = std::max({x1 - x0, y1 - y0, std::fabs(static_cast<double>(dx)) * kopii,
                                     std::fabs(static_cast<double>(dy)) * kopii});
    const double tol = 1e-6 * rozmiar;
    // Every node by X, the copies as they are made, to find the one a copy falls on.
    std::vector<float> X(1, 0.0f), Y(1, 0.0f);
    std::multimap<double, int> po_x;
    for (int n = 1; n <= nn; ++n) {
        X.push_back(m.x[n][1]), Y.push_back(m.x[n][2]);
        po_x.emplace(m.x[n][1], n);
    }
    auto znajdz = [&](float x, float y) {
        for (auto it = po_x.lower_bound(x - tol); it != po_x.end() && it->first <= x + tol; ++it)
            if (std::fabs(static_cast<double>(Y[static_cast<std::size_t>(it->second)]) - y) <= tol)
                return it->second;
        return 0;
    };
    auto klucz = [](int a, int b) {
        return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(std::min(a, b))) << 32) |
               static_cast<std::uint32_t>(std::max(a, b));
    };
    std::unordered_map<std::uint64_t, int> pary;
    for (int b = 1; b <= ne; ++b) pary.emplace(klucz(m.noc[b][1], m.noc[b][2]), b);
    std::vector<char> kopiowany(static_cast<std::size_t>(nn) + 1, 0);
    for (int n : wezly)
        if (n >= 1 && n <= nn) kopiowany[static_cast<std::size_t>(n)] = 1;
    std::vector<int> mapa(static_cast<std::size_t>(nn) + 1, 0);
    std::vector<std::array<int, 4>> nowe_prety;
    for (int k = 1; k <= kopii; ++k) {
        for (int n : wezly) {
            if (n < 1 || n > nn) continue;
            const float x = static_cast<float>(m.x[n][1] + static_cast<double>(k) * dx);
            const float y = static_cast<float>(m.x[n][2] + static_cast<double>(k) * dy);
            int t = znajdz(x, y);
            if (t == 0) {
                t = static_cast<int>(X.size());
                X.push_back(x), Y.push_back(y);
                po_x.emplace(x, t);
            }
            mapa[static_cast<std::size_t>(n)] = t;
            wezly_kopii.push_back(t);
        }
        for (int b = 1; b <= ne; ++b) {
            const int A = m.noc[b][1], B = m.noc[b][2];
            if (A < 1 || A > nn || B < 1 || B > nn || !kopiowany[static_cast<std::size_t>(A)] ||
                !kopiowany[static_cast<std::size_t>(B)])
                continue;
            const int a = mapa[static_cast<std::size_t>(A)], c = mapa[static_cast<std::size_t>(B)];
            if (a == c) continue;
            const auto [it, nowa] =
                pary.emplace(klucz(a, c), ne + static_cast<int>(nowe_prety.size()) + 1);
            if (nowa) nowe_prety.push_back({a, c, m.noc[b][3], m.noc[b][4]});
            prety_kopii.push_back(it->second);
        }
    }
    const int nowe_wezly = static_cast<int>(X.size()) - 1 - nn;
    const int ile_pretow = static_cast<int>(nowe_prety.size());
    {
        Przebudowa p(m);
        if (nowe_wezly > 0) {
            zmien_rozmiar(m.x, nn, nn + nowe_wezly, 2);
            m.nn = nn + nowe_wezly;
            for (int n = nn + 1; n <= m.nn; ++n)
                m.x[n][1] = X[static_cast<std::size_t>(n)],
                m.x[n][2] = Y[static_cast<std::size_t>(n)];
            m.nq = 2 * m.nn;
            utworz_na_nowo(m.f, m.nq);
        }
        if (ile_pretow > 0) {
            zmien_rozmiar(m.noc, ne, ne + ile_pretow, 4);
            m.ne = ne + ile_pretow;
            for (int i = 0; i < ile_pretow; ++i)
                for (int c = 0; c < 4; ++c)
                    m.noc[ne + 1 + i][c + 1] = nowe_prety[static_cast<std::size_t>(i)][c];
            utworz_na_nowo(m.stressp, m.ne);
        }
    }
    if (nowe_wezly > 0 || ile_pretow > 0) m.obliczono = 0;
    for (auto* v : {&wezly_kopii, &prety_kopii}) {
        std::sort(v->begin(), v->end());
        v->erase(std::unique(v->begin(), v->end()), v->end());
    }
}

void _OKNO_::Cm_arkusz() {
    if (model.Pusty != 0) return;
    if (!arkusz) arkusz = std::make_unique<ArkuszDanych>(*this);
    port.PokazArkusz(*arkusz);
}
void _OKNO_::Ce_arkusz(TCommandEnabler& ce) {
    ce.Enable(model.Pusty == 0);
}

// What lies under the cursor, or else the one entity selected, changed through its dialog.
void _OKNO_::Cm_zmien_wskazany() {
    if (model.Pusty != 0) return;
    zaznaczenie.przytnij(model.nn, model.ne);
    Wskazanie w = kursor_w_widoku ? wybierz(kursor_x, kursor_y) : Wskazanie{};
    if (w.rodzaj == Wskazanie::Rodzaj::nic &&
        zaznaczenie.ile_wezlow() + zaznaczenie.ile_pretow() == 1)
        w = zaznaczenie.ile_wezlow() == 1
                ? Wskazanie{Wskazanie::Rodzaj::wezel, zaznaczenie.wezly()[0]}
                : Wskazanie{Wskazanie::Rodzaj::pret, zaznaczenie.prety()[0]};
    const int n = w.numer;
    if (w.rodzaj == Wskazanie::Rodzaj::wezel)
        wykonaj_krok("zmiana węzła " + std::to_string(n), [this, n] { zmien_wezel(n); });
    else if (w.rodzaj == Wskazanie::Rodzaj::pret)
        wykonaj_krok("zmiana pręta " + std::to_string(n), [this, n] { zmien_pret(n); });
}
void _OKNO_::Ce_zmien_wskazany(TCommandEnabler& ce) {
    ce.Enable(model.Pusty == 0 && model.nn > 0);
}

void _OKNO_::Cm_zaznacz_wszystko() {
    if (model.Pusty != 0) return;
    for (int n = 1; n <= model.nn; ++n) zaznaczenie.ustaw_wezel(n, true);
    for (int b = 1; b <= model.ne; ++b) zaznaczenie.ustaw_pret(b, true);
    zmiana_zaznaczenia();
}
void _OKNO_::Ce_zaznacz_wszystko(TCommandEnabler& ce) {
    ce.Enable(model.Pusty == 0 && model.nn > 0);
}

void _OKNO_::Ce_zaznaczone(TCommandEnabler& ce) {
    zaznaczenie.przytnij(model.nn, model.ne);
    ce.Enable(model.Pusty == 0 && !zaznaczenie.puste());
}
void _OKNO_::Ce_zaznaczone_prety(TCommandEnabler& ce) {
    zaznaczenie.przytnij(model.nn, model.ne);
    ce.Enable(model.Pusty == 0 && zaznaczenie.ile_pretow() > 0);
}
void _OKNO_::Ce_zaznaczone_wezly(TCommandEnabler& ce) {
    zaznaczenie.przytnij(model.nn, model.ne);
    ce.Enable(model.Pusty == 0 && zaznaczenie.ile_wezlow() > 0);
}

namespace {
std::string lista(const std::vector<int>& n) {
    std::string t;
    for (std::size_t i = 0; i < n.size() && i < 10; ++i)
        t += (i ? ", " : "") + std::to_string(n[i]);
    if (n.size() > 10) t += " i " + std::to_string(n.size() - 10) + " innych";
    return t;
}
}  // namespace

void _OKNO_::Cm_usun_zaznaczone() {
    Model& m = model;
    zaznaczenie.przytnij(m.nn, m.ne);
    if (m.Pusty != 0 || zaznaczenie.puste()) return;
    std::vector<char> pret_idzie(static_cast<std::size_t>(m.ne) + 1, 0);
    for (int b : zaznaczenie.prety()) pret_idzie[static_cast<std::size_t>(b)] = 1;
    std::vector<int> wezly = zaznaczenie.wezly();
    // Nodes that bars left in place still join: the question is whether those bars go too.
    std::vector<char> wezel_idzie(static_cast<std::size_t>(m.nn) + 1, 0);
    for (int n : wezly) wezel_idzie[static_cast<std::size_t>(n)] = 1;
    std::vector<int> trzymane, prety_przy;
    std::vector<char> trzymany(static_cast<std::size_t>(m.nn) + 1, 0);
    for (int b = 1; b <= m.ne; ++b) {
        if (pret_idzie[static_cast<std::size_t>(b)]) continue;
        bool przy = false;
        for (int k = 1; k <= 2; ++k) {
            const int n = m.noc[b][k];
            if (n >= 1 && n <= m.nn && wezel_idzie[static_cast<std::size_t>(n)]) {
                przy = true;
                if (!trzymany[static_cast<std::size_t>(n)]) trzymane.push_back(n);
                trzymany[static_cast<std::size_t>(n)] = 1;
            }
        }
        if (przy) prety_przy.push_back(b);
    }
    if (!trzymane.empty()) {
        std::sort(trzymane.begin(), trzymane.end());
        const int odp = port.MessageBox(
            (trzymane.size() == 1 ? "Węzeł " : "Węzły ") + lista(trzymane) +
                (trzymane.size() == 1 ? " łączy pręty, które nie są zaznaczone."
                                      : " łączą pręty, które nie są zaznaczone.") +
                "\nUsunąć także te pręty?\n\nNie – węzły, w których się łączą, zostaną.",
            "Velkora 2D", Ikona::pytajnik, Przyciski::tak_nie_anuluj);
        if (odp != IDYES && odp != IDNO) return;
        if (odp == IDYES)
            for (int b : prety_przy) pret_idzie[static_cast<std::size_t>(b)] = 1;
        else
            std::erase_if(wezly, [&](int n) { return trzymany[static_cast<std::size_t>(n)] != 0; });
    }
    std::vector<int> prety;
    for (int b = 1; b <= m.ne; ++b)
        if (pret_idzie[static_cast<std::size_t>(b)]) prety.push_back(b);
    // Bars first: the nodes they joined are then free to go.
    usun_prety(prety);
    usun_wezly(wezly);
    zaznaczenie.wyczysc();
    zmiana_zaznaczenia();
    port.Odswiez();
}

namespace {
// The vector typed into the move and copy dialogs; false, with the message, when it is no number.
bool wektor(_OKNO_& o, const d_przesuniecie& r, float& dx, float& dy) {
    Kontrola k(o);
    k(!liczba_rzeczywista(r.dx, dx), "Przesunięcie X nie jest liczbą");
    k(!liczba_rzeczywista(r.dy, dy), "Przesunięcie Y nie jest liczbą");
    return k.dobrze();
}
// Whether the nodes, shifted by k·(dx, dy) for k up to `kopii`, stay where coordinates may lie.
bool na_miejscu(_OKNO_& o, const std::vector<int>& wezly, float dx, float dy, int kopii) {
    const Model& m = o.model;
    bool x = true, y = true;
    for (int n : wezly)
        for (int k : {1, kopii}) {
            const double X = m.x[n][1] + static_cast<double>(k) * dx;
            const double Y = m.x[n][2] + static_cast<double>(k) * dy;
            x = x && X >= 0.0 && std::isfinite(static_cast<float>(X));
            y = y && Y >= 0.0 && std::isfinite(static_cast<float>(Y));
        }
    Kontrola k(o);
    k(!x, "Współrzędna X<0");
    k(!y, "Współrzędna Y<0");
    return k.dobrze();
}
}  // namespace

void _OKNO_::Cm_przesun_zaznaczone() {
    Model& m = model;
    zaznaczenie.przytnij(m.nn, m.ne);
    const std::vector<int> wezly = wezly_do_przesuniecia();
    if (m.Pusty != 0 || wezly.empty()) return;
    d_przesuniecie r{};
    wpisz(r.dx, "0");
    wpisz(r.dy, "0");
    for (;;) {
        if (port.Dialog(3500, &r, cyfry()) != 1) return;
        float dx = 0.0f, dy = 0.0f;
        if (!wektor(*this, r, dx, dy) || !na_miejscu(*this, wezly, dx, dy, 1)) continue;
        zamknij_tabele();
        for (int n : wezly) m.x[n][1] += dx, m.x[n][2] += dy;
        m.obliczono = 0;
        break;
    }
    port.Odswiez();
}

void _OKNO_::Cm_kopiuj_zaznaczone() {
    Model& m = model;
    zaznaczenie.przytnij(m.nn, m.ne);
    const std::vector<int> wezly = wezly_do_przesuniecia();
    if (m.Pusty != 0 || wezly.empty()) return;
    d_przesuniecie r{};
    wpisz(r.dx, "0");
    wpisz(r.dy, "0");
    wpisz(r.ile, "1");
    // So many copies of so many nodes would not fit in memory or in an int.
    constexpr long long najwiecej = 10'000'000;
    for (;;) {
        if (port.Dialog(3501, &r, cyfry()) != 1) return;
        float dx = 0.0f, dy = 0.0f;
        int ile = 0;
        const bool liczba = liczba_calkowita(r.ile, ile);
        if (!wektor(*this, r, dx, dy)) continue;
        if (!liczba || ile < 1 ||
            static_cast<long long>(ile) * static_cast<long long>(wezly.size()) > najwiecej) {
            blad_danych("Liczba kopii musi być dodatnia (najwyżej 10 000 000 węzłów kopii)");
            continue;
        }
        if (!na_miejscu(*this, wezly, dx, dy, ile)) continue;
        zamknij_tabele();
        std::vector<int> nowe_wezly, nowe_prety;
        kopiuj_wezly(m, wezly, dx, dy, ile, nowe_wezly, nowe_prety);
        // The copies are selected, to be moved or copied on.
        zaznaczenie.wyczysc();
        for (int n : nowe_wezly) zaznaczenie.ustaw_wezel(n, true);
        for (int b : nowe_prety) zaznaczenie.ustaw_pret(b, true);
        zmiana_zaznaczenia();
        break;
    }
    port.Odswiez();
}

void _OKNO_::Cm_material_pretow() {
    Model& m = model;
    zaznaczenie.przytnij(m.nn, m.ne);
    const std::vector<int> prety = zaznaczenie.prety();
    if (m.Pusty != 0 || prety.empty()) return;
    std::vector<std::string> materialy = {"bez zmian"}, przekroje = {"bez zmian"};
    for (int i = 1; i <= m.nm; ++i)
        materialy.push_back(std::to_string(i) + ": E = " + tekst_dokladny(m.pm[i][1]) + " " +
                            jednostka(jednostki, Wielkosc::naprezenie));
    for (int i = 1; i <= m.na; ++i)
        przekroje.push_back(std::to_string(i) + ": A = " + tekst_dokladny(m.area[i]) + " " +
                            jednostka(jednostki, Wielkosc::pole));
    DialogDynamiczny d(3502, "Materiał i przekrój prętów", 260);
    const int mat = d.lista(8500, "Materiał", materialy, 0);
    const int prz = d.lista(8501, "Przekrój", przekroje, 0);
    d.napis("Zaznaczonych prętów: " + std::to_string(prety.size()));
    if (d.pokaz(port) != 1) return;
    const int nowy_mat = d.stan(mat), nowy_prz = d.stan(prz);
    zamknij_tabele();
    for (int b : prety) {
        if (nowy_mat >= 1 && nowy_mat <= m.nm) m.noc[b][3] = nowy_mat;
        if (nowy_prz >= 1 && nowy_prz <= m.na) m.noc[b][4] = nowy_prz;
    }
    if (nowy_mat >= 1) ostatni_material = nowy_mat;
    if (nowy_prz >= 1) ostatni_przekroj = nowy_prz;
    if (nowy_mat >= 1 || nowy_prz >= 1) m.obliczono = 0;
    port.Odswiez();
}

void _OKNO_::Cm_podpory_wezlow() {
    Model& m = model;
    zaznaczenie.przytnij(m.nn, m.ne);
    const std::vector<int> wezly = zaznaczenie.wezly();
    if (m.Pusty != 0 || wezly.empty()) return;
    d_podpory_wezlow r{0, 0, 1};
    if (port.Dialog(3503, &r, cyfry()) != 1) return;
    const bool x = r.x == 1 || r.xy == 1, y = r.y == 1 || r.xy == 1;
    // The directions a node is not held in yet; those it is keep their displacements.
    std::vector<char> trzymany(static_cast<std::size_t>(m.nq) + 1, 0);
    for (int i = 1; i <= m.nd; ++i)
        if (m.nu[i] >= 1 && m.nu[i] <= m.nq) trzymany[static_cast<std::size_t>(m.nu[i])] = 1;
    std::vector<int> nowe;
    for (int n : wezly) {
        if (x && !trzymany[static_cast<std::size_t>(2 * n - 1)]) nowe.push_back(2 * n - 1);
        if (y && !trzymany[static_cast<std::size_t>(2 * n)]) nowe.push_back(2 * n);
    }
    if (!nowe.empty()) {
        zamknij_tabele();
        Przebudowa p(m);
        const int nd = m.nd + static_cast<int>(nowe.size());
        zmien_rozmiar(m.nu, m.nd, nd);
        zmien_rozmiar(m.u, m.nd, nd);
        for (int d : nowe) ++m.nd, m.nu[m.nd] = d, m.u[m.nd] = 0.0f;
        utworz_na_nowo(m.react, m.nd);
        m.obliczono = 0;
    }
    port.Odswiez();
}

void _OKNO_::Cm_sily_wezlow() {
    Model& m = model;
    zaznaczenie.przytnij(m.nn, m.ne);
    const std::vector<int> wezly = zaznaczenie.wezly();
    if (m.Pusty != 0 || wezly.empty()) return;
    d_sila_wezlow r{};
    if (ostatnia_sila != 0.0f)
        wpisz_wartosc(r.f, "%g", ostatnia_sila);
    else
        wpisz(r.f, "0.0");
    r.xf = ostatni_kierunek_sily == 1, r.yf = ostatni_kierunek_sily != 1;
    const d_sila_wezlow wpisany = r;
    for (;;) {
        if (port.Dialog(3504, &r, cyfry()) != 1) return;
        float f = 0.0f;
        if (!wartosc_pola(r.f, wpisany.f, ostatnia_sila, f) || f == 0.0f) {
            blad_danych("Wartość siły równa zeru");
            continue;
        }
        ostatnia_sila = f, ostatni_kierunek_sily = r.xf == 1 ? 1 : 2;
        break;
    }
    zamknij_tabele();
    {
        Przebudowa p(m);
        const int nl = m.nl + static_cast<int>(wezly.size());
        zmien_rozmiar(m.ild, m.nl, nl);
        zmien_rozmiar(m.al, m.nl, nl);
        for (int n : wezly)
            ++m.nl, m.ild[m.nl] = ostatni_kierunek_sily == 1 ? 2 * n - 1 : 2 * n,
                    m.al[m.nl] = ostatnia_sila;
    }
    m.obliczono = 0;
    port.Odswiez();
}
