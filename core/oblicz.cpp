// SPDX-License-Identifier: GPL-3.0-or-later
// The solution: elimination of the band, back substitution, then the check that every node of the
// solution is in equilibrium before its displacements, stresses and reactions are stored. Every
// load case is solved with the one factor: the first as the factoring carries it along, the others
// together as one block of right-hand sides.
#include <algorithm>
#include <cfloat>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "core/analiza.h"
#include "core/rozklad.h"

namespace {

// Vectors over the DOFs are read 1-based here, as the DOFs are numbered: v[1..nq].
using Wek = double*;
using StalyWek = const double*;

// Largest |v[1..n]|; infinite when any is NaN, so that no comparison with it can pass.
double najwiekszy_modul(StalyWek v, int n) {
    double mx = 0.0;
    for (int i = 1; i <= n; ++i) {
        const double a = std::fabs(v[i]);
        if (!(a <= mx)) mx = std::isnan(a) ? INFINITY : a;
    }
    return mx;
}

// What the displacements u leave unbalanced of the loads b: r = b - K u, over the bars and the
// penalty springs, in one pass over the bars. When `naprezenia` is given it also receives each
// bar's stress, the thermal part of case c included. Returns max |r|.
double reszty(const Model& m, const Praca& w, const ObciazenieRozwiazania* c, StalyWek u,
              StalyWek b, Wek r, Wek naprezenia) {
    std::memcpy(r + 1, b + 1, static_cast<std::size_t>(m.nq) * sizeof(double));
    const bool temperatury = c && !c->temp_od.empty();
    for (int n = 1; n <= m.ne; ++n) {
        const Praca::Pret& p = w.prety[static_cast<std::size_t>(n - 1)];
        const int j2 = 2 * p.a, j1 = j2 - 1, k2 = 2 * p.b, k1 = k2 - 1;
        const double dt = (u[k1] - u[j1]) * p.cs + (u[k2] - u[j2]) * p.sn;
        // The force the bar's elongation alone takes; its thermal part is already in b.
        const double t = p.e * p.pole * dt / p.el;
        r[j1] += t * p.cs, r[j2] += t * p.sn;
        r[k1] -= t * p.cs, r[k2] -= t * p.sn;
        if (naprezenia) {
            double stress = dt * p.e / p.el;
            if (temperatury) {
                const double alfa = m.pm[m.noc[n][3]][2];
                for (int q = c->temp_od[n]; q < c->temp_od[n + 1]; ++q)
                    stress -= p.e * alfa * c->temp[c->temp_lista[q]];
            }
            naprezenia[n] = stress;
        }
    }
    for (int i = 1; i <= m.nd; ++i) {
        const int k = w.dof(m.nu[i]);
        r[k] -= w.cnst * u[k];
    }
    return najwiekszy_modul(r, m.nq);
}

// The force of each penalty spring: what the support does to hold its DOF where case c prescribes
// it (at zero for a probe load, which has no case).
double reakcja(const Model& m, const Praca& w, const ObciazenieRozwiazania* c, StalyWek u, int i) {
    const double u0 = c ? static_cast<double>(c->u[static_cast<std::size_t>(i - 1)]) : 0.0;
    return (u0 - u[w.dof(m.nu[i])]) * w.cnst;
}

// Whether the solution x of K x = b, with the factor held in the band, is in equilibrium; it is
// refined once where it falls short of float accuracy. `obciazenia` is the largest load in b;
// `c` is the case (its forced displacements and temperatures), none for a probe load.
bool w_rownowadze(const Model& m, const Praca& w, const Rozklad& rk, Wek x, StalyWek b,
                  double obciazenia, const ObciazenieRozwiazania* c, Wek r, Wek naprezenia) {
    for (int proba = 0;; ++proba) {
        const double reszta = reszty(m, w, c, x, b, r, naprezenia);
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
        rk.rozwiaz(r + 1);
        // A sound factor corrects a solution by a trifle. One that moves it as much again has a
        // pivot made of rounding noise: the loads push a mechanism, however little.
        if (!(najwiekszy_modul(r, m.nq) <= tol_poprawki * najwiekszy_modul(x, m.nq))) return false;
        for (int i = 1; i <= m.nq; ++i) x[i] += r[i];
    }
}

// A load of unit order on every DOF, signs and sizes scattered, so that no mode of motion is left
// out of it.
void obciazenie_probne(Wek p, int nq) {
    std::uint32_t z = 2463534242u;
    for (int i = 1; i <= nq; ++i) {
        z ^= z << 13, z ^= z >> 17, z ^= z << 5;
        const double v = 0.5 + static_cast<double>(z >> 8) * 0x1p-25;
        p[i] = (z & 1u) ? v : -v;
    }
}

// The model's DOF that moves most: in a solution spoilt by a mechanism, a node of the mechanism.
// Among DOFs that move alike (a part sliding as one), the lowest number, whatever the rounding.
int najwiekszy_ruch(const Praca& w, StalyWek u, int nq) {
    const double mx = najwiekszy_modul(u, nq);
    int k = 0;
    for (int i = 1; i <= nq; ++i)
        if (std::fabs(u[i]) >= mx * (1.0 - 0x1p-20)) {
            const int d = w.dof_modelu(i);
            if (k == 0 || d < k) k = d;
        }
    return k > 0 ? k : 1;
}

// The probe load (kept in p when asked) solved with the factor into z; returns its largest value.
double rozwiaz_probne(const Rozklad& rk, int nq, Wek z, Wek p = nullptr) {
    obciazenie_probne(z, nq);
    if (p) std::memcpy(p + 1, z + 1, static_cast<std::size_t>(nq) * sizeof(double));
    const double mx = najwiekszy_modul(z, nq);
    rk.rozwiaz(z + 1);
    return mx;
}

bool w_zakresie_float(StalyWek v, int n) {
    for (int i = 1; i <= n; ++i)
        if (!(std::fabs(v[i]) <= static_cast<double>(FLT_MAX))) return false;
    return true;
}

void stop(Model& m, int nrblad) {
    m.blad = 1;
    m.nrblad = nrblad;
}

// A work vector over 1..n.
struct Wektor1 {
    std::vector<double> v;
    explicit Wektor1(int n) : v(static_cast<std::size_t>(std::max(n, 0)) + 1) {}
    Wek operator()() { return v.data(); }
};

bool zapisz_wynik(Model& m, Praca& w, StalyWek x, StalyWek naprezenia, StalyWek reakcje,
                  WynikPrzypadku& wynik);

// One case's solution checked and turned into floats: false when it is not in equilibrium (the
// moving DOF in w.dof_bledu) or beyond the range of a float (error 3).
bool wynik_przypadku(Model& m, Praca& w, const Rozklad& rk, std::size_t c, Wek x, StalyWek b, Wek r,
                     Wek naprezenia, WynikPrzypadku& wynik) {
    const int nq = m.nq;
    const ObciazenieRozwiazania& p = w.przypadki[c];
    if (!w_rownowadze(m, w, rk, x, b, p.obciazenia, &p, r, naprezenia)) {
        w.dof_bledu = najwiekszy_ruch(w, x, nq);
        stop(m, blad_zero_na_przekatnej);
        return false;
    }
    Wektor1 reakcje(m.nd);
    for (int i = 1; i <= m.nd; ++i) reakcje()[i] = reakcja(m, w, &p, x, i);
    return zapisz_wynik(m, w, x, naprezenia, reakcje(), wynik);
}

// A checked solution into floats, unless some result lies beyond their range (error 3).
bool zapisz_wynik(Model& m, Praca& w, StalyWek x, StalyWek naprezenia, StalyWek reakcje,
                  WynikPrzypadku& wynik) {
    const int nq = m.nq;
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
    if (!w_zakresie_float(x, nq) || !w_zakresie_float(naprezenia, m.ne) ||
        !w_zakresie_float(reakcje, m.nd) || !sily_w_zakresie()) {
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

// The bars' part of r = b - K x for k interleaved cases (k a multiple of 4), and each bar's
// stress without its thermal part into s[(e - 1) * k + c]: four cases at a time.
typedef double v4 __attribute__((vector_size(32)));
#define ZAWSZE_WSTAWIANA inline __attribute__((always_inline))
// No vector crosses a call by value: the AVX2 variant and the plain one pass them differently.
ZAWSZE_WSTAWIANA void laduj(v4& v, const double* p) {
    std::memcpy(&v, p, sizeof v);
}
ZAWSZE_WSTAWIANA void zapisz(double* p, const v4& v) {
    std::memcpy(p, &v, sizeof v);
}
ZAWSZE_WSTAWIANA void reszty_v4(const Praca& w, int ne, int k, const double* x, double* r,
                                double* s) {
    for (int e = 1; e <= ne; ++e) {
        const Praca::Pret& p = w.prety[static_cast<std::size_t>(e - 1)];
        const std::size_t j1 = static_cast<std::size_t>(2 * p.a - 2) * k, j2 = j1 + k;
        const std::size_t k1 = static_cast<std::size_t>(2 * p.b - 2) * k, k2 = k1 + k;
        const double ea_l = p.e * p.pole / p.el, e_l = p.e / p.el;
        for (int c = 0; c < k; c += 4) {
            v4 xj1, xj2, xk1, xk2, rj1, rj2, rk1, rk2;
            laduj(xj1, x + j1 + c), laduj(xj2, x + j2 + c);
            laduj(xk1, x + k1 + c), laduj(xk2, x + k2 + c);
            const v4 dt = (xk1 - xj1) * p.cs + (xk2 - xj2) * p.sn;
            const v4 tx = ea_l * dt * p.cs, ty = ea_l * dt * p.sn;
            laduj(rj1, r + j1 + c), laduj(rj2, r + j2 + c);
            laduj(rk1, r + k1 + c), laduj(rk2, r + k2 + c);
            zapisz(r + j1 + c, rj1 + tx);
            zapisz(r + j2 + c, rj2 + ty);
            zapisz(r + k1 + c, rk1 - tx);
            zapisz(r + k2 + c, rk2 - ty);
            const v4 se = dt * e_l;
            zapisz(s + static_cast<std::size_t>(e - 1) * k + c, se);
        }
    }
}
#if defined(__x86_64__)
__attribute__((target("avx2,fma"), flatten)) void reszty_avx2(const Praca& w, int ne, int k,
                                                              const double* x, double* r,
                                                              double* s) {
    reszty_v4(w, ne, k, x, r, s);
}
#endif
__attribute__((flatten)) void reszty_zwykle(const Praca& w, int ne, int k, const double* x,
                                            double* r, double* s) {
    reszty_v4(w, ne, k, x, r, s);
}
void reszty_przeplecione(const Praca& w, int ne, int k, const double* x, double* r, double* s) {
#if defined(__x86_64__)
    static const bool avx2 = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
    if (avx2) return reszty_avx2(w, ne, k, x, r, s);
#endif
    reszty_zwykle(w, ne, k, x, r, s);
}

// The cases after the first, solved and checked together: the work of a further case is a pass
// over the DOFs and the bars, so keeping its vectors side by side, interleaved (term i of side c
// at v[(i - 1) * k + c]), lets each pass read the band and the bars once for all the cases. A case
// whose solution falls short of float accuracy is refined alone, as the first is.
bool dalsze_przypadki(Model& m, Praca& w, const Rozklad& rk, std::vector<WynikPrzypadku>& wyniki) {
    const int nq = m.nq, ile = static_cast<int>(w.przypadki.size()) - 1;
    const int k = (ile + 3) & ~3;  // padded with sides of zeros to whole blocks of four
    const std::size_t n = static_cast<std::size_t>(nq) * k;
    std::vector<double> r(n, 0.0);  // the loads, then what the solution leaves of them
    for (int c = 0; c < ile; ++c)
        prawa_strona(m, w, static_cast<std::size_t>(c) + 1, r.data() + c, k);
    kary_podpor(m, w, 1, ile, r.data(), k);
    std::vector<double> x = r;
    rk.rozwiaz_przeplecione(x.data(), k, nq);

    // Where each case's results go, and the thermal part of its stresses where it has one.
    std::vector<float*> f(static_cast<std::size_t>(k)), st(f), re(f);
    std::vector<std::vector<double>> termiczne(static_cast<std::size_t>(k));
    std::vector<float> smieci(static_cast<std::size_t>(std::max({nq, m.ne, m.nd, 1})));
    for (int c = 0; c < k; ++c) {
        if (c >= ile) {
            f[c] = st[c] = re[c] = smieci.data();  // the padding's results go nowhere
            continue;
        }
        WynikPrzypadku& wy = wyniki[static_cast<std::size_t>(c) + 1];
        wy.f.resize(static_cast<std::size_t>(nq));
        wy.stressp.resize(static_cast<std::size_t>(m.ne));
        wy.react.resize(static_cast<std::size_t>(m.nd));
        f[c] = wy.f.data(), st[c] = wy.stressp.data(), re[c] = wy.react.data();
        const ObciazenieRozwiazania& p = w.przypadki[static_cast<std::size_t>(c) + 1];
        if (p.temp_od.empty()) continue;
        std::vector<double>& t = termiczne[c];
        t.assign(static_cast<std::size_t>(m.ne), 0.0);
        for (int e = 1; e <= m.ne; ++e) {
            const double alfa = m.pm[m.noc[e][3]][2], E = w.prety[e - 1].e;
            for (int q = p.temp_od[e]; q < p.temp_od[e + 1]; ++q)
                t[e - 1] += E * alfa * p.temp[p.temp_lista[q]];
        }
    }
    bool w_zakresie = true;
    auto do_float = [&w_zakresie](double v) {
        w_zakresie = w_zakresie && std::fabs(v) <= static_cast<double>(FLT_MAX);
        return static_cast<float>(v);
    };

    // r = b - K x, and the stresses of every case, in one pass over the bars.
    auto wyraz = [k](int dof) { return static_cast<std::size_t>(dof - 1) * k; };
    const std::unique_ptr<double[]> s(new double[static_cast<std::size_t>(m.ne) * k]);
    reszty_przeplecione(w, m.ne, k, x.data(), r.data(), s.get());
    for (int e = 1; e <= m.ne; ++e) {
        const double* se = s.get() + static_cast<std::size_t>(e - 1) * k;
        const double pole = w.prety[static_cast<std::size_t>(e - 1)].pole;
        for (int c = 0; c < ile; ++c) {
            const float sf = do_float(se[c] - (termiczne[c].empty() ? 0.0 : termiczne[c][e - 1]));
            st[c][e - 1] = sf;
            do_float(static_cast<double>(sf) * pole);  // the axial force shown
        }
    }
    for (int i = 1; i <= m.nd; ++i) {
        const std::size_t d = wyraz(w.dof(m.nu[i]));
        for (int c = 0; c < k; ++c) r[d + c] -= w.cnst * x[d + c];
    }
    // Each case's largest unbalanced force, its displacements and its reactions and their scale.
    std::vector<double> reszta(static_cast<std::size_t>(k), 0.0), skala(reszta);
    for (int i = 1; i <= nq; ++i) {
        const double* ri = r.data() + wyraz(i);
        const double* xi = x.data() + wyraz(w.dof(i));
        for (int c = 0; c < k; ++c) {
            const double a = std::fabs(ri[c]);
            if (!(a <= reszta[c])) reszta[c] = std::isnan(a) ? INFINITY : a;
            f[c][i - 1] = do_float(xi[c]);
        }
    }
    for (int c = 0; c < ile; ++c) {
        const ObciazenieRozwiazania& p = w.przypadki[static_cast<std::size_t>(c) + 1];
        skala[c] = p.obciazenia;
        for (int i = 1; i <= m.nd; ++i) {
            const double u0 = p.u[static_cast<std::size_t>(i - 1)];
            const double reak = (u0 - x[wyraz(w.dof(m.nu[i])) + c]) * w.cnst;
            re[c][i - 1] = do_float(reak);
            skala[c] = std::max({skala[c], std::fabs(reak), 0x1p-20 * w.cnst * std::fabs(u0)});
        }
    }

    // A case short of float accuracy is refined alone, as the first one is, from its own loads.
    Wektor1 xc(nq), bc(nq), rc(nq), naprezenia(m.ne);
    bool wszystkie_dokladne = true;
    for (int c = 0; c < ile; ++c) {
        if (reszta[c] <= tol_dokladnosci * skala[c]) continue;
        wszystkie_dokladne = false;
        const std::size_t nr = static_cast<std::size_t>(c) + 1;
        std::fill(bc.v.begin(), bc.v.end(), 0.0);
        prawa_strona(m, w, nr, bc() + 1, 1);
        kary_podpor(m, w, nr, 1, bc() + 1, 1);
        for (int i = 1; i <= nq; ++i) xc()[i] = x[wyraz(i) + c];
        if (!wynik_przypadku(m, w, rk, nr, xc(), bc(), rc(), naprezenia(), wyniki[nr]))
            return false;
    }
    // Out of range counts only for the cases whose results stand as they were computed here.
    if (!w_zakresie && wszystkie_dokladne) {
        stop(m, blad_zakres_wynikow);
        return false;
    }
    return true;
}

}  // namespace

void Oblicz(Model& m, Praca& w) {
    const int nq = m.nq;
    Wektor1 b(nq);
    std::memcpy(b() + 1, w.f.data(), static_cast<std::size_t>(nq) * sizeof(double));

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
    // The factor is the long stage; what follows it is worth doing only for wanted results.
    if (w.przerwana()) {
        w.przerwano = true;
        return;
    }
    if (zero) {
        // The vanished pivots were kept at a tiny size, so a probe load moves the mechanism far
        // more than anything else.
        Wektor1 z(nq);
        rozwiaz_probne(*rk, nq, z());
        w.dof_bledu = std::isfinite(najwiekszy_modul(z(), nq)) ? najwiekszy_ruch(w, z(), nq)
                                                               : w.dof_modelu(zero);
        stop(m, blad_zero_na_przekatnej);
        return;
    }
    rk->dokoncz(w.f.data());

    // Every case with the one factor, each checked before any result is stored.
    Wektor1 r(nq), naprezenia(m.ne);
    std::vector<WynikPrzypadku> wyniki(w.przypadki.size());
    if (!wynik_przypadku(m, w, *rk, 0, w.f.data() - 1, b(), r(), naprezenia(), wyniki[0])) return;
    if (w.przypadki.size() > 1 && w.przerwana()) {
        w.przerwano = true;
        return;
    }
    if (w.przypadki.size() > 1 && !dalsze_przypadki(m, w, *rk, wyniki)) return;
    // A mechanism the loads leave at rest shows only as a weak pivot; a probe load then moves it.
    if (rk->najmniejszy_iloraz() < prog_podejrzenia) {
        Wektor1 p(nq), z(nq);
        const double obciazenie = rozwiaz_probne(*rk, nq, z(), p());
        if (!w_rownowadze(m, w, *rk, z(), p(), obciazenie, nullptr, r(), nullptr)) {
            w.dof_bledu = najwiekszy_ruch(w, z(), nq);
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
