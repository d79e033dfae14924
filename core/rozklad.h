// The factor of the band behind one interface: the own elimination for narrow bands, LAPACK's
// band Cholesky (dpbtrf, from the BLAS the system provides, OpenBLAS where installed) for wide
// ones, where its blocked kernels are faster. Arrays are 0-based, in the layout of core/pasmo.h.
#pragma once

struct RozkladPasma {
    double* s = nullptr;
    int nq = 0, nbw = 0;
    bool cholesky = false;  // s holds L of L L^T (LAPACK), otherwise the eliminated rows
    bool zepsuty = false;   // Cholesky met a pivot it could not take: s no longer holds the band
};

// Whether a band of this width is factored by Cholesky.
bool cholesky_dla(int nbw);

// Factors the band, carrying the load vector f along where the method does. A pivot that is not
// above prog times its row's diagonal: the elimination raises it to that bound and goes on,
// Cholesky leaves the band spoilt (zepsuty). Returns the first such row (1-based), 0 when every
// pivot held.
int rozloz(RozkladPasma& r, double* f, const double* diag, double prog);
// Finishes the solution of the f given to rozloz.
void dokoncz(const RozkladPasma& r, double* f);
// Solves a further right-hand side with the factor.
void rozwiaz(const RozkladPasma& r, double* x);
// Pivot of row k (0-based): what the elimination divides by.
double piwot(const RozkladPasma& r, int k);
