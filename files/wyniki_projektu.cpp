// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/wyniki_projektu.h"

#include <cmath>

std::vector<OpisPrzypadku> opisy_przypadkow(const Projekt& p) {
    std::vector<OpisPrzypadku> o;
    for (const PrzypadekObciazen& c : p.przypadki) {
        OpisPrzypadku d;
        d.nazwa = c.nazwa;
        d.rodzaj = c.zmienny ? RodzajPrzypadku::zmienne : RodzajPrzypadku::stale;
        d.psi = {c.psi0, c.psi1, c.psi2};
        d.grupa = c.grupa;
        o.push_back(std::move(d));
    }
    return o;
}

std::vector<Kombinacja> kombinacje_projektu(const Projekt& p, std::string* ostrzezenie) {
    const std::vector<OpisPrzypadku> o = opisy_przypadkow(p);
    const UstawieniaKombinacji& u = p.kombinacje;
    std::vector<Kombinacja> k = generuj_kombinacje(
        o, {u.rownania_610ab, u.gamma_G_sup, u.gamma_G_inf, u.gamma_Q, u.xi}, ostrzezenie);
    for (const KombinacjaWlasna& w : p.wlasne) k.push_back(kombinacja_reczna(w.nazwa, w.wsp, o));
    return k;
}

bool do_obwiedni_sil(RodzajKombinacji r) {
    return r == RodzajKombinacji::sgn || r == RodzajKombinacji::reczna;
}

WynikPrzypadku wynik_kombinacji(const std::vector<WynikPrzypadku>& w,
                                const std::vector<double>& wsp) {
    WynikPrzypadku r;
    if (w.empty()) return r;
    auto suma = [&](std::vector<float> WynikPrzypadku::*pole) {
        const std::size_t n = (w[0].*pole).size();
        std::vector<double> s(n, 0.0);
        for (std::size_t c = 0; c < w.size() && c < wsp.size(); ++c) {
            if (wsp[c] == 0.0) continue;
            const std::vector<float>& v = w[c].*pole;
            for (std::size_t i = 0; i < n && i < v.size(); ++i) s[i] += wsp[c] * v[i];
        }
        return std::vector<float>(s.begin(), s.end());
    };
    r.f = suma(&WynikPrzypadku::f);
    r.stressp = suma(&WynikPrzypadku::stressp);
    r.react = suma(&WynikPrzypadku::react);
    return r;
}

namespace {
// One kind of result of every case, case after case, as the envelopes take them; `co` picks the
// entries of a case (every one, or every other from `od`).
std::vector<double> kolejno(const std::vector<WynikPrzypadku>& w,
                            std::vector<float> WynikPrzypadku::*pole, std::size_t od = 0,
                            std::size_t krok = 1) {
    std::vector<double> v;
    for (const WynikPrzypadku& c : w)
        for (std::size_t i = od; i < (c.*pole).size(); i += krok) v.push_back((c.*pole)[i]);
    return v;
}
}  // namespace

ObwiedniaWynikow obwiednia_wynikow(const std::vector<WynikPrzypadku>& w,
                                   const std::vector<Kombinacja>& k) {
    ObwiedniaWynikow o;
    if (w.empty()) return o;
    const unsigned sily = maska(RodzajKombinacji::sgn) | maska(RodzajKombinacji::reczna);
    const std::size_t ne = w[0].stressp.size(), nd = w[0].react.size(), nn = w[0].f.size() / 2;
    Obwiednia s = obwiednia(kolejno(w, &WynikPrzypadku::stressp), ne, k, sily);
    o.s_min = std::move(s.min), o.s_max = std::move(s.max);
    o.ks_min = std::move(s.k_min), o.ks_max = std::move(s.k_max);
    Obwiednia r = obwiednia(kolejno(w, &WynikPrzypadku::react), nd, k, sily);
    o.r_min = std::move(r.min), o.r_max = std::move(r.max);
    o.kr_min = std::move(r.k_min), o.kr_max = std::move(r.k_max);
    const std::vector<double> ux = kolejno(w, &WynikPrzypadku::f, 0, 2);
    const std::vector<double> uy = kolejno(w, &WynikPrzypadku::f, 1, 2);
    ObwiedniaPrzemieszczen u = obwiednia_przemieszczen(ux, uy, nn, k);
    o.u_max = std::move(u.u_max), o.ku = std::move(u.k);
    o.ux.assign(nn, 0.0f), o.uy.assign(nn, 0.0f);
    for (std::size_t n = 0; n < nn; ++n) {
        if (o.ku[n] < 0) continue;
        const std::vector<double>& f = k[static_cast<std::size_t>(o.ku[n])].wsp;
        double x = 0, y = 0;
        for (std::size_t c = 0; c < w.size() && c < f.size(); ++c)
            x += f[c] * w[c].f[2 * n], y += f[c] * w[c].f[2 * n + 1];
        o.ux[n] = static_cast<float>(x), o.uy[n] = static_cast<float>(y);
    }
    return o;
}

bool pokaz_w_magazynie(Model& m, const Projekt& p, const PokazWynikow& pokaz,
                       const std::vector<Kombinacja>& k) {
    if (m.wyniki.size() != p.przypadki.size() || m.wyniki.empty()) return false;
    const WynikPrzypadku& w0 = m.wyniki[0];
    if (w0.f.size() != static_cast<std::size_t>(m.nq) ||
        w0.stressp.size() != static_cast<std::size_t>(m.ne) ||
        w0.react.size() != static_cast<std::size_t>(m.nd))
        return false;
    auto wpisz = [&m](const WynikPrzypadku& r) {
        std::copy(r.f.begin(), r.f.end(), m.f.data());
        std::copy(r.stressp.begin(), r.stressp.end(), m.stressp.data());
        std::copy(r.react.begin(), r.react.end(), m.react.data());
    };
    switch (pokaz.rodzaj) {
        case PokazWynikow::przypadek:
            wpisz(m.wyniki[static_cast<std::size_t>(p.biezacy)]);
            return true;
        case PokazWynikow::kombinacja:
            if (pokaz.indeks < 0 || pokaz.indeks >= static_cast<int>(k.size())) return false;
            wpisz(wynik_kombinacji(m.wyniki, k[static_cast<std::size_t>(pokaz.indeks)].wsp));
            return true;
        case PokazWynikow::obwiednia: {
            const ObwiedniaWynikow o = obwiednia_wynikow(m.wyniki, k);
            auto skrajna = [](double a, double b) {
                return static_cast<float>(std::fabs(b) > std::fabs(a) ? b : a);
            };
            for (int i = 1; i <= m.ne; ++i) m.stressp[i] = skrajna(o.s_min[i - 1], o.s_max[i - 1]);
            for (int i = 1; i <= m.nd; ++i) m.react[i] = skrajna(o.r_min[i - 1], o.r_max[i - 1]);
            for (int n = 1; n <= m.nn; ++n) m.f[2 * n - 1] = o.ux[n - 1], m.f[2 * n] = o.uy[n - 1];
            return true;
        }
    }
    return false;
}

std::string tytul_wynikow(const Projekt& p, const PokazWynikow& pokaz,
                          const std::vector<Kombinacja>& k) {
    switch (pokaz.rodzaj) {
        case PokazWynikow::przypadek:
            if (p.przypadki.size() < 2) return "";
            return "Przypadek " + std::to_string(p.biezacy + 1) + ": " +
                   p.przypadki[static_cast<std::size_t>(p.biezacy)].nazwa;
        case PokazWynikow::kombinacja:
            if (pokaz.indeks < 0 || pokaz.indeks >= static_cast<int>(k.size())) return "";
            return "Kombinacja " + k[static_cast<std::size_t>(pokaz.indeks)].nazwa + ": " +
                   k[static_cast<std::size_t>(pokaz.indeks)].opis;
        case PokazWynikow::obwiednia:
            return "Obwiednia: siły i reakcje SGN, przemieszczenia SGU charakterystyczne";
    }
    return "";
}
