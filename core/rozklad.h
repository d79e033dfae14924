// SPDX-License-Identifier: GPL-3.0-or-later
// The factor of the assembled system behind one interface: the band, factored by the own
// elimination when narrow and by LAPACK's band Cholesky (OpenBLAS where installed) when wide, or
// the sparse matrix, factored by CHOLMOD. Vectors are 0-based, in the work area's DOF order.
#pragma once

#include <cstdint>
#include <memory>

struct Praca;

class Rozklad {
  public:
    virtual ~Rozklad() = default;
    // Finishes the solution of the load vector the factoring was given.
    virtual void dokoncz(double* f) const = 0;
    // Solves a further right-hand side.
    virtual void rozwiaz(double* x) const = 0;
    // Solves n further right-hand sides at once, side c at x[c * nq ..], nq the system's size.
    virtual void rozwiaz_wiele(double* x, int n, int nq) const {
        for (int c = 0; c < n; ++c) rozwiaz(x + static_cast<std::size_t>(c) * nq);
    }
    // The same with the sides interleaved, term i of side c at x[i * n + c]; n a multiple of 4.
    virtual void rozwiaz_przeplecione(double* x, int n, int nq) const;
    // The weakest pivot against its row's assembled diagonal.
    virtual double najmniejszy_iloraz() const = 0;
};

// Factors the system assembled in w (the band, or the sparse matrix), carrying w.f along where
// the method does. A pivot not above prog times its row's assembled diagonal counts as vanished:
// `zero` is then the first such row (1-based, in w's order), and the factor is still usable with
// such pivots kept tiny, so a probe load shows the mechanism. Null when the factor would not fit
// in memory.
struct Model;
std::unique_ptr<Rozklad> rozloz(Model& m, Praca& w, double prog, int& zero);

// The band alone, as the analysis factors it (for measuring it): s and f are factored and solved
// in place; false when a pivot vanished.
bool rozwiaz_pasmo(double* s, double* f, const double* diag, int nq, int nbw, double prog);

// Whether a band of this width is factored by Cholesky.
bool cholesky_dla(int nbw);

// Whether this many bytes can be held without driving the machine into swap.
bool zmiesci_sie_w_pamieci(double bajty);
// The same for a band of nq rows of nbw doubles, and for a sparse factor of this many values.
bool pasmo_sie_zmiesci(std::int64_t nq, std::int64_t nbw);
bool czynnik_sie_zmiesci(double wartosci);
