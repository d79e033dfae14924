// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/projekt.h"

#include <algorithm>

PrzypadekObciazen Projekt::nowy_przypadek(int n) {
    PrzypadekObciazen p;
    p.nazwa = "Przypadek " + std::to_string(n);
    return p;
}

namespace {
template <class T>
std::size_t bajty_wektora(const std::vector<T>& v) {
    return v.capacity() * sizeof(T);
}
}  // namespace

std::size_t Projekt::bajty() const {
    std::size_t b =
        sizeof(*this) + bajty_wektora(ciezar) + tytul.size() + autor.size() + opis.size();
    for (const PrzypadekObciazen& c : przypadki) {
        const ObciazeniaPrzypadku& o = c.obc;
        b += sizeof(c) + c.nazwa.size() + c.grupa.size() + bajty_wektora(o.ild) +
             bajty_wektora(o.al) + bajty_wektora(o.dof_wymuszen) + bajty_wektora(o.wymuszenia) +
             bajty_wektora(o.nset) + bajty_wektora(o.temp);
    }
    for (const KombinacjaWlasna& k : wlasne) b += sizeof(k) + k.nazwa.size() + bajty_wektora(k.wsp);
    b += bajty_wektora(wymiarowanie.prety) + bajty_wektora(wymiarowanie.przekroje);
    for (const PrzekrojStalowy& s : wymiarowanie.przekroje)
        b += s.rodzina.size() + s.profil.size() + s.gatunek.size() + s.krzywa.size() +
             s.rodzina_doboru.size();
    return b;
}

bool poza_v2d(const Projekt& p) {
    const PrzypadekObciazen& c = p.przypadki.front();
    const bool gestosci =
        std::any_of(p.ciezar.begin(), p.ciezar.end(), [](float g) { return g != 0.0f; });
    return p.przypadki.size() > 1 || !p.wlasne.empty() || gestosci || c.ciezar_wlasny ||
           !p.tytul.empty() || !p.autor.empty() || !p.opis.empty() ||
           jest_wymiarowanie(p.wymiarowanie);
}

const PrzekrojStalowy& przekroj_stalowy(const DaneWymiarowania& d, int n) {
    static const PrzekrojStalowy domyslny;
    return n >= 1 && n <= static_cast<int>(d.przekroje.size())
               ? d.przekroje[static_cast<std::size_t>(n - 1)]
               : domyslny;
}

const PretStalowy& pret_stalowy(const DaneWymiarowania& d, int b) {
    static const PretStalowy domyslny;
    return b >= 1 && b <= static_cast<int>(d.prety.size())
               ? d.prety[static_cast<std::size_t>(b - 1)]
               : domyslny;
}

bool jest_wymiarowanie(const DaneWymiarowania& d) {
    const DaneWymiarowania pusty;
    if (d.E != pusty.E || d.gamma_M0 != pusty.gamma_M0 || d.gamma_M1 != pusty.gamma_M1 ||
        d.gamma_M2 != pusty.gamma_M2 || d.ugiecie_dlugosc != pusty.ugiecie_dlugosc ||
        d.ugiecie != pusty.ugiecie)
        return true;
    const PrzekrojStalowy s0;
    const PretStalowy p0;
    return std::any_of(d.przekroje.begin(), d.przekroje.end(),
                       [&](const PrzekrojStalowy& s) { return !(s == s0); }) ||
           std::any_of(d.prety.begin(), d.prety.end(),
                       [&](const PretStalowy& p) { return !(p == p0); });
}

void rozwin_wymiarowanie(DaneWymiarowania& d, int na, int ne) {
    d.przekroje.resize(static_cast<std::size_t>(std::max(na, 0)));
    d.prety.resize(static_cast<std::size_t>(std::max(ne, 0)));
}

ObciazeniaPrzypadku obciazenia_magazynu(const Konstrukcja& k) {
    ObciazeniaPrzypadku o;
    if (k.nl > 0) {
        o.ild.assign(k.ild.data(), k.ild.data() + k.nl);
        o.al.assign(k.al.data(), k.al.data() + k.nl);
    }
    if (k.ntel > 0) {
        o.nset.assign(k.nset.data(), k.nset.data() + k.ntel);
        o.temp.assign(k.temp.data(), k.temp.data() + k.ntel);
    }
    // By DOF, ascending; a DOF listed twice keeps its last value, as a later entry wins.
    std::vector<std::pair<int, float>> w;
    for (int i = 1; i <= k.nd; ++i)
        if (k.u[i] != 0.0f) w.emplace_back(k.nu[i], k.u[i]);
    std::stable_sort(w.begin(), w.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 0; i < w.size(); ++i) {
        if (i + 1 < w.size() && w[i + 1].first == w[i].first) continue;
        o.dof_wymuszen.push_back(w[i].first);
        o.wymuszenia.push_back(w[i].second);
    }
    return o;
}

Wektor<float> wektor_z_listy(const std::vector<float>& v) {
    Wektor<float> w;
    if (!v.empty()) {
        w = wektor(1, static_cast<int>(v.size()));
        std::copy(v.begin(), v.end(), w.data());
    }
    return w;
}
Wektor<int> wektor_z_listy(const std::vector<int>& v) {
    Wektor<int> w;
    if (!v.empty()) {
        w = iwektor(1, static_cast<int>(v.size()));
        std::copy(v.begin(), v.end(), w.data());
    }
    return w;
}

namespace {
// The forced displacement a case gives a DOF: its own value, or 0.
float wymuszenie(const ObciazeniaPrzypadku& o, int dof) {
    const auto it = std::lower_bound(o.dof_wymuszen.begin(), o.dof_wymuszen.end(), dof);
    if (it == o.dof_wymuszen.end() || *it != dof) return 0.0f;
    return o.wymuszenia[static_cast<std::size_t>(it - o.dof_wymuszen.begin())];
}
}  // namespace

void wstaw_obciazenia(Konstrukcja& k, const ObciazeniaPrzypadku& o) {
    k.nl = static_cast<int>(o.ild.size());
    k.ild = wektor_z_listy(o.ild);
    k.al = wektor_z_listy(o.al);
    k.ntel = static_cast<int>(o.nset.size());
    k.nset = wektor_z_listy(o.nset);
    k.temp = wektor_z_listy(o.temp);
    for (int i = 1; i <= k.nd; ++i) k.u[i] = wymuszenie(o, k.nu[i]);
}

void ustaw_biezacy(Konstrukcja& k, Projekt& p, int nowy) {
    if (nowy < 0 || nowy >= static_cast<int>(p.przypadki.size()) || nowy == p.biezacy) return;
    p.przypadki[static_cast<std::size_t>(p.biezacy)].obc = obciazenia_magazynu(k);
    ObciazeniaPrzypadku& n = p.przypadki[static_cast<std::size_t>(nowy)].obc;
    wstaw_obciazenia(k, n);
    n = {};
    p.biezacy = nowy;
}

std::vector<ObciazeniaPrzypadku> obciazenia_przypadkow(const Konstrukcja& k, const Projekt& p) {
    std::vector<ObciazeniaPrzypadku> w;
    w.reserve(p.przypadki.size());
    for (std::size_t i = 0; i < p.przypadki.size(); ++i)
        w.push_back(static_cast<int>(i) == p.biezacy ? obciazenia_magazynu(k) : p.przypadki[i].obc);
    return w;
}

namespace {
// Keeps, in both parallel lists, the entries whose key passes; `zmien` may renumber a kept key.
template <class T, class Zostaje>
void przefiltruj(std::vector<int>& klucze, std::vector<T>& wartosci, Zostaje zostaje) {
    std::size_t j = 0;
    for (std::size_t i = 0; i < klucze.size(); ++i)
        if (zostaje(klucze[i])) klucze[j] = klucze[i], wartosci[j] = wartosci[i], ++j;
    klucze.resize(j);
    wartosci.resize(j);
}
}  // namespace

void uzgodnij(const Konstrukcja& k, Projekt& p) {
    p.ciezar.resize(static_cast<std::size_t>(std::max(k.nm, 0)), 0.0f);
    if (p.przypadki.empty()) p.przypadki.push_back(Projekt::nowy_przypadek(1));
    p.biezacy = std::clamp(p.biezacy, 0, static_cast<int>(p.przypadki.size()) - 1);
    DaneWymiarowania& w = p.wymiarowanie;
    if (!w.przekroje.empty() || !w.prety.empty()) rozwin_wymiarowanie(w, k.na, k.ne);
    if (p.przypadki.size() == 1) return;
    std::vector<char> trzymany(static_cast<std::size_t>(std::max(k.nq, 0)) + 1, 0);
    for (int i = 1; i <= k.nd; ++i)
        if (k.nu[i] >= 1 && k.nu[i] <= k.nq) trzymany[static_cast<std::size_t>(k.nu[i])] = 1;
    for (std::size_t c = 0; c < p.przypadki.size(); ++c) {
        if (static_cast<int>(c) == p.biezacy) continue;
        ObciazeniaPrzypadku& o = p.przypadki[c].obc;
        przefiltruj(o.ild, o.al, [&](int d) { return d >= 1 && d <= k.nq; });
        przefiltruj(o.dof_wymuszen, o.wymuszenia, [&](int d) {
            return d >= 1 && d <= k.nq && trzymany[static_cast<std::size_t>(d)];
        });
        przefiltruj(o.nset, o.temp, [&](int b) { return b >= 1 && b <= k.ne; });
    }
}

namespace {
template <class F>
void w_innych(Projekt& p, F f) {
    for (std::size_t c = 0; c < p.przypadki.size(); ++c)
        if (static_cast<int>(c) != p.biezacy) f(p.przypadki[c].obc);
}
// A DOF of a node after node n went: the node's own are dropped (0), higher ones move down.
int dof_po_usunieciu(int d, int n) {
    if (d == 2 * n - 1 || d == 2 * n) return 0;
    return d > 2 * n ? d - 2 : d;
}
template <class T>
void przenumeruj(std::vector<int>& klucze, std::vector<T>& wartosci, int n, int (*nowy)(int, int)) {
    for (int& d : klucze) d = nowy(d, n);
    przefiltruj(klucze, wartosci, [](int d) { return d != 0; });
}
int pret_po_usunieciu(int b, int n) {
    return b == n ? 0 : b > n ? b - 1 : b;
}
}  // namespace

void przenumeruj_po_wezle(Projekt& p, int n) {
    w_innych(p, [n](ObciazeniaPrzypadku& o) {
        przenumeruj(o.ild, o.al, n, dof_po_usunieciu);
        przenumeruj(o.dof_wymuszen, o.wymuszenia, n, dof_po_usunieciu);
    });
}

void przenumeruj_po_precie(Projekt& p, int n) {
    w_innych(p, [n](ObciazeniaPrzypadku& o) { przenumeruj(o.nset, o.temp, n, pret_po_usunieciu); });
    std::vector<PretStalowy>& b = p.wymiarowanie.prety;
    if (n >= 1 && n <= static_cast<int>(b.size())) b.erase(b.begin() + (n - 1));
}

void przenumeruj_po_przekroju(Projekt& p, int n) {
    std::vector<PrzekrojStalowy>& s = p.wymiarowanie.przekroje;
    if (n >= 1 && n <= static_cast<int>(s.size())) s.erase(s.begin() + (n - 1));
}

void przenumeruj_po_materiale(Projekt& p, int n) {
    if (n >= 1 && n <= static_cast<int>(p.ciezar.size()))
        p.ciezar.erase(p.ciezar.begin() + (n - 1));
}
