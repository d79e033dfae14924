// SPDX-License-Identifier: GPL-3.0-or-later
// Banded symmetric solver of the analysis: Gaussian elimination without pivoting on the upper
// band, then back substitution. Arrays are 0-based here: row r of the band (r = 0..nq-1) holds
// s[r * nbw + j] = term (r, r + j), so column 0 is the diagonal; the same memory read as columns
// is LAPACK's lower band storage with KD = nbw - 1 and LDAB = nbw.
#pragma once

// Forward elimination of s and f in place, pivots in row order. A pivot that is not above
// prog * |diag[r]| is raised to that bound and the elimination goes on; the row number r + 1 of
// the first such pivot is returned, 0 when every pivot held.
int eliminacja(double* s, double* f, const double* diag, int nq, int nbw, double prog);

// Back substitution over the eliminated band: f becomes the solution.
void podstawienie(const double* s, double* f, int nq, int nbw);

// What the elimination did to its load vector, done to another one with the band it left: with
// podstawienie after it, a further right-hand side is solved with the same factor.
void postep(const double* s, double* f, int nq, int nbw);

// The elimination's work and the back substitution for n right-hand sides at once, interleaved:
// term i of side c at x[i * n + c], n a multiple of 4. The band is read once for all of them,
// which is what a narrow band's solution waits on.
void rozwiaz_wiele_pasmo(const double* s, double* x, int nq, int nbw, int n);
