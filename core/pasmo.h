// Banded symmetric solver of the analysis: Gaussian elimination without pivoting on the upper
// band, then back substitution. Arrays are 0-based here: row r of the band (r = 0..nq-1) holds
// s[r * nbw + j] = term (r, r + j), so column 0 is the diagonal; the same memory read as columns
// is LAPACK's lower band storage with KD = nbw - 1 and LDAB = nbw.
#pragma once

// Forward elimination of s and f in place, pivots in row order. Stops at the first pivot that is
// not above prog * |diag[r]| and returns its row number r + 1; returns 0 when every pivot held.
int eliminacja(double* s, double* f, const double* diag, int nq, int nbw, double prog);

// Back substitution over the eliminated band: f becomes the solution.
void podstawienie(const double* s, double* f, int nq, int nbw);
