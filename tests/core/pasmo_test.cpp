// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "core/pasmo.h"

namespace {

// A random symmetric, diagonally dominant band matrix in the solver's row layout.
std::vector<double> pasmo(int nq, int nbw, unsigned ziarno) {
    std::mt19937 g(ziarno);
    std::uniform_real_distribution<double> r(-1.0, 1.0);
    std::vector<double> s(static_cast<size_t>(nq) * nbw, 0.0);
    for (int i = 0; i < nq; ++i)
        for (int j = 1; j < nbw && i + j < nq; ++j) s[static_cast<size_t>(i) * nbw + j] = r(g);
    for (int i = 0; i < nq; ++i) s[static_cast<size_t>(i) * nbw] = 2.0 * nbw + r(g);
    return s;
}

// The same system solved densely with partial pivoting.
std::vector<double> gesto(const std::vector<double>& s, std::vector<double> f, int nq, int nbw) {
    std::vector<double> a(static_cast<size_t>(nq) * nq, 0.0);
    for (int i = 0; i < nq; ++i)
        for (int j = 0; j < nbw && i + j < nq; ++j)
            a[static_cast<size_t>(i) * nq + i + j] = a[static_cast<size_t>(i + j) * nq + i] =
                s[static_cast<size_t>(i) * nbw + j];
    for (int c = 0; c < nq; ++c) {
        int p = c;
        for (int r = c + 1; r < nq; ++r)
            if (std::fabs(a[r * nq + c]) > std::fabs(a[p * nq + c])) p = r;
        for (int j = 0; j < nq; ++j) std::swap(a[p * nq + j], a[c * nq + j]);
        std::swap(f[p], f[c]);
        for (int r = c + 1; r < nq; ++r) {
            const double q = a[r * nq + c] / a[c * nq + c];
            for (int j = c; j < nq; ++j) a[r * nq + j] -= q * a[c * nq + j];
            f[r] -= q * f[c];
        }
    }
    for (int i = nq - 1; i >= 0; --i) {
        for (int j = i + 1; j < nq; ++j) f[i] -= a[i * nq + j] * f[j];
        f[i] /= a[i * nq + i];
    }
    return f;
}

}  // namespace

TEST(Pasmo, KazdaSzerokoscPasmaRozwiazujeUkladJakMetodaGesta) {
    // Narrow bands take the unrolled loops, wide ones the panels (with ragged panel edges).
    for (int nbw : {1, 2, 3, 8, 16, 18, 40, 130, 161}) {
        for (int nq : {1, 2, 7, 33, 161, 300}) {
            SCOPED_TRACE(testing::Message() << "nbw " << nbw << " nq " << nq);
            std::vector<double> s = pasmo(nq, nbw, 17u * nbw + nq);
            std::vector<double> f(nq);
            for (int i = 0; i < nq; ++i) f[i] = std::sin(i + 1.0);
            std::vector<double> diag(nq);
            for (int i = 0; i < nq; ++i) diag[i] = s[static_cast<size_t>(i) * nbw];
            const std::vector<double> wzor = gesto(s, f, nq, nbw);
            ASSERT_EQ(eliminacja(s.data(), f.data(), diag.data(), nq, nbw, 1e-7), 0);
            podstawienie(s.data(), f.data(), nq, nbw);
            for (int i = 0; i < nq; ++i) ASSERT_NEAR(f[i], wzor[i], 1e-12) << i;
        }
    }
}

TEST(Pasmo, ZanikajacyPiwotWskazujeSwojWiersz) {
    for (int nbw : {4, 140}) {
        const int nq = 190;
        std::vector<double> s(static_cast<size_t>(nq) * nbw, 0.0), f(nq, 1.0), diag(nq);
        // A chain of springs, identity-like, with row 61 left without stiffness.
        for (int i = 0; i < nq; ++i) s[static_cast<size_t>(i) * nbw] = i == 60 ? 0.0 : 1.0;
        for (int i = 0; i < nq; ++i) diag[i] = s[static_cast<size_t>(i) * nbw];
        EXPECT_EQ(eliminacja(s.data(), f.data(), diag.data(), nq, nbw, 1e-7), 61) << nbw;
    }
}
