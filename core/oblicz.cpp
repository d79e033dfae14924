// The solution: elimination of the band, back substitution, then the check that every node of the
// solution is in equilibrium before its displacements, stresses and reactions are stored.
#include <algorithm>
#include <cfloat>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "core/analiza.h"
#include "core/rozklad.h"

namespace {

// Largest |v[1..n]|; infinite when any is NaN, so that no comparison with it can pass.
double najwiekszy_modul(const double* v, int n) {
    double mx = 0.0;
    for (int i = 0; i < n; ++i) {
        const double a = std::fabs(v[i]);
        if (!(a <= mx)) mx = std::isnan(a) ? INFINITY : a;
    }
    return mx;
}

// What the displacements u leave unbalanced of the loads b: r = b - K u, over the bars and the
// penalty springs, in one pass over the bars. When `naprezenia` is given it also receives each
// bar's stress, the thermal part of case c included. Returns max |r|.
double reszty(const Model& m, const Praca& w, const ObciazenieRozwiazania& c,
              const Wektor<double>& u, const Wektor<double>& b, Wektor<double>& r,
              Wektor<double>* naprezenia) {
    std::memcpy(r.data(), b.data(), static_cast<std::size_t>(m.nq) * sizeof(double));
    for (int n = 1; n <= m.ne; ++n) {
        const int i1 = m.noc[n][1], i2 = m.noc[n][2], i3 = m.noc[n][3], i4 = m.noc[n][4];
        const double x21 = static_cast<double>(m.x[i2][1]) - m.x[i1][1];
        const double y21 = static_cast<double>(m.x[i2][2]) - m.x[i1][2];
        const double el = std::sqrt(x21 * x21 + y21 * y21);
        const double cs = x21 / el, sn = y21 / el;
        const int j2 = 2 * w.wezel(i1), j1 = j2 - 1, k2 = 2 * w.wezel(i2), k1 = k2 - 1;
        const double dt = (u[k1] - u[j1]) * cs + (u[k2] - u[j2]) * sn;
        const double e = m.pm[i3][1];
        // The force the bar's elongation alone takes; its thermal part is already in b.
        const double t = e * m.area[i4] * dt / el;
        r[j1] += t * cs, r[j2] += t * sn;
        r[k1] -= t * cs, r[k2] -= t * sn;
        if (naprezenia) {
            double stress = dt * e / el;
            for (int q = c.temp_od[n]; q < c.temp_od[n + 1]; ++q)
                stress -= e * m.pm[i3][2] * c.temp[c.temp_lista[q]];
            (*naprezenia)[n] = stress;
        }
    }
    for (int i = 1; i <= m.nd; ++i) {
        const int k = w.dof(m.nu[i]);
        r[k] -= w.cnst * u[k];
    }
    return najwiekszy_modul(r.data(), m.nq);
}

// The force of each penalty spring: what the support does to hold its DOF where case c prescribes
// it (at zero for a probe load, which has no case).
double reakcja(const Model& m, const Praca& w, const ObciazenieRozwiazania* c,
               const Wektor<double>& u, int i) {
    const double u0 = c ? static_cast<double>(c->u[static_cast<std::size_t>(i - 1)]) : 0.0;
    return (u0 - u[w.dof(m.nu[i])]) * w.cnst;
}

// Whether the solution x of K x = b, with the factor held in the band, is in equilibrium; it is
// refined once where it falls short of float accuracy. `obciazenia` is the largest load in b;
// `c` is the case (its forced displacements and temperatures), none for a probe load.
bool w_rownowadze(const Model& m, const Praca& w, const Rozklad& rk, Wektor<double>& x,
                  const Wektor<double>& b, double obciazenia, const ObciazenieRozwiazania* c,
                  Wektor<double>& r, Wektor<double>* naprezenia) {
    static const ObciazenieRozwiazania bez_obciazen = [] {
        ObciazenieRozwiazania p;
        p.temp_od.assign(1, 0);
        return p;
    }();
    for (int proba = 0;; ++proba) {
        const double reszta = reszty(m, w, c ? *c : bez_obciazen, x, b, r, naprezenia);
        double skala = obciazenia;
        for (int i = 1; i <= m.nd; ++i) {
            skala = std::max(skala, std::fabs(reakcja(m, w, c, x, i)));
            // A prescribed displacement enters as the huge force cnst * u of its penalty spring,
            // rounded as such: a truss that only follows it, without straining a bar, has no
            // loads or reactions to measure that rounding against.
            if (c)
                skala = std::max(
                    skala, 0x1p-20 * w.cnst * std::fabs(c->u[static_cast<std::size_t>(i - 1)]));
        }
        if (reszta <= tol_dokladnosci * skala) return true;
        if (proba == 1) return reszta <= tol_rownowagi * skala;
        rk.rozwiaz(r.data());
        // A sound factor corrects a solution by a trifle. One that moves it as much again has a
        // pivot made of rounding noise: the loads push a mechanism, however little.
        if (!(najwiekszy_modul(r.data(), m.nq) <= tol_poprawki * najwiekszy_modul(x.data(), m.nq)))
            return false;
        for (int i = 1; i <= m.nq; ++i) x[i] += r[i];
    }
}

// A load of unit order on every DOF, signs and sizes scattered, so that no mode of motion is left
// out of it.
void obciazenie_probne(Wektor<double>& p, int nq) {
    std::uint32_t z = 2463534242u;
    for (int i = 1; i <= nq; ++i) {
        z ^= z << 13, z ^= z >> 17, z ^= z << 5;
        const double v = 0.5 + static_cast<double>(z >> 8) * 0x1p-25;
        p[i] = (z & 1u) ? v : -v;
    }
}

// The model's DOF that moves most: in a solution spoilt by a mechanism, a node of the mechanism.
// Among DOFs that move alike (a part sliding as one), the lowest number, whatever the rounding.
int najwiekszy_ruch(const Praca& w, const Wektor<double>& u, int nq) {
    const double mx = najwiekszy_modul(u.data(), nq);
    int k = 0;
    for (int i = 1; i <= nq; ++i)
        if (std::fabs(u[i]) >= mx * (1.0 - 0x1p-20)) {
            const int d = w.dof_modelu(i);
            if (k == 0 || d < k) k = d;
        }
    return k > 0 ? k : 1;
}

// The probe load (kept in *p when asked) solved with the factor into z; returns its largest value.
double rozwiaz_probne(const Rozklad& rk, int nq, Wektor<double>& z, Wektor<double>* p = nullptr) {
    obciazenie_probne(z, nq);
    if (p) std::memcpy(p->data(), z.data(), static_cast<std::size_t>(nq) * sizeof(double));
    const double mx = najwiekszy_modul(z.data(), nq);
    rk.rozwiaz(z.data());
    return mx;
}

bool w_zakresie_float(const double* v, int n) {
    for (int i = 0; i < n; ++i)
        if (!(std::fabs(v[i]) <= static_cast<double>(FLT_MAX))) return false;
    return true;
}

void stop(Model& m, int nrblad) {
    m.blad = 1;
    m.nrblad = nrblad;
}

}  // namespace

namespace {

// One case's solution checked and turned into floats: false when it is not in equilibrium (the
// moving DOF in w.dof_bledu) or beyond the range of a float (error 3).
bool wynik_przypadku(Model& m, Praca& w, const Rozklad& rk, std::size_t c, Wektor<double>& x,
                     const Wektor<double>& b, Wektor<double>& r, Wektor<double>& naprezenia,
                     WynikPrzypadku& wynik) {
    const int nq = m.nq;
    const ObciazenieRozwiazania& p = w.przypadki[c];
    if (!w_rownowadze(m, w, rk, x, b, p.obciazenia, &p, r, &naprezenia)) {
        w.dof_bledu = najwiekszy_ruch(w, x, nq);
        stop(m, blad_zero_na_przekatnej);
        return false;
    }
    Wektor<double> reakcje = dwektor(1, std::max(m.nd, 1));
    for (int i = 1; i <= m.nd; ++i) reakcje[i] = reakcja(m, w, &p, x, i);
    // Converting a double beyond the float range is undefined, and an infinite result would show
    // as a valid one.
    // The axial forces are shown as the stored stress times the area, and must be floats too.
    auto sily_w_zakresie = [&] {
        for (int n = 1; n <= m.ne; ++n) {
            const double sila = static_cast<double>(static_cast<float>(naprezenia[n])) *
                                static_cast<double>(m.area[m.noc[n][4]]);
            if (!(std::fabs(sila) <= static_cast<double>(FLT_MAX))) return false;
        }
        return true;
    };
    if (!w_zakresie_float(x.data(), nq) || !w_zakresie_float(naprezenia.data(), m.ne) ||
        !w_zakresie_float(reakcje.data(), m.nd) || !sily_w_zakresie()) {
        stop(m, blad_zakres_wynikow);
        return false;
    }
    wynik.f.resize(static_cast<std::size_t>(nq));
    wynik.stressp.resize(static_cast<std::size_t>(m.ne));
    wynik.react.resize(static_cast<std::size_t>(m.nd));
    for (int i = 1; i <= nq; ++i) wynik.f[i - 1] = static_cast<float>(x[w.dof(i)]);
    for (int n = 1; n <= m.ne; ++n) wynik.stressp[n - 1] = static_cast<float>(naprezenia[n]);
    for (int i = 1; i <= m.nd; ++i) wynik.react[i - 1] = static_cast<float>(reakcje[i]);
    return true;
}

}  // namespace

void Oblicz(Model& m, Praca& w) {
    const int nq = m.nq;
    Wektor<double> b = dwektor(1, nq);
    std::memcpy(b.data(), w.f.data(), static_cast<std::size_t>(nq) * sizeof(double));

    int zero = 0;
    const auto start = std::chrono::steady_clock::now();
    const std::unique_ptr<Rozklad> rk = rozloz(m, w, prog_zera, zero);
    w.czas_rozkladu =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!rk) {
        w.brak_pamieci = true;
        stop(m, 0);
        return;
    }
    if (zero) {
        // The vanished pivots were kept at a tiny size, so a probe load moves the mechanism far
        // more than anything else.
        Wektor<double> z = dwektor(1, nq);
        rozwiaz_probne(*rk, nq, z);
        w.dof_bledu = std::isfinite(najwiekszy_modul(z.data(), nq)) ? najwiekszy_ruch(w, z, nq)
                                                                    : w.dof_modelu(zero);
        stop(m, blad_zero_na_przekatnej);
        return;
    }
    rk->dokoncz(w.f.data());

    // Every case with the one factor: the first was carried through it, the others are solved
    // as further right-hand sides. Each is checked before any result is stored.
    Wektor<double> r = dwektor(1, nq);
    Wektor<double> naprezenia = dwektor(1, std::max(m.ne, 1));
    std::vector<WynikPrzypadku> wyniki(w.przypadki.size());
    if (!wynik_przypadku(m, w, *rk, 0, w.f, b, r, naprezenia, wyniki[0])) return;
    for (std::size_t c = 1; c < w.przypadki.size(); ++c) {
        Wektor<double>& x = w.f;  // the first case's solution is already kept
        prawa_strona(m, w, c, b);
        std::memcpy(x.data(), b.data(), static_cast<std::size_t>(nq) * sizeof(double));
        rk->rozwiaz(x.data());
        if (!wynik_przypadku(m, w, *rk, c, x, b, r, naprezenia, wyniki[c])) return;
    }
    // A mechanism the loads leave at rest shows only as a weak pivot; a probe load then moves it.
    if (rk->najmniejszy_iloraz() < prog_podejrzenia) {
        Wektor<double> p = dwektor(1, nq), z = dwektor(1, nq);
        const double obciazenie = rozwiaz_probne(*rk, nq, z, &p);
        if (!w_rownowadze(m, w, *rk, z, p, obciazenie, nullptr, r, nullptr)) {
            w.dof_bledu = najwiekszy_ruch(w, z, nq);
            stop(m, blad_zero_na_przekatnej);
            return;
        }
    }

    const WynikPrzypadku& biezacy = wyniki[static_cast<std::size_t>(
        std::clamp(w.biezacy, 0, static_cast<int>(wyniki.size()) - 1))];
    std::copy(biezacy.f.begin(), biezacy.f.end(), m.f.data());
    std::copy(biezacy.stressp.begin(), biezacy.stressp.end(), m.stressp.data());
    std::copy(biezacy.react.begin(), biezacy.react.end(), m.react.data());
    m.wyniki = std::move(wyniki);
}
