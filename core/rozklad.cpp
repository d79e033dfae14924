// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/rozklad.h"

#include <suitesparse/cholmod.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <type_traits>
#include <vector>

#include "core/analiza.h"
#include "core/pamiec_analizy.h"
#include "core/pasmo.h"

static_assert(std::is_same_v<SuiteSparse_long, long>,
              "the sparse matrix keeps its indices as long");

// LAPACK: band Cholesky factor and solve, lower storage; the last argument is the hidden length
// of `uplo`.
extern "C" void dpbtrf_(const char* uplo, const int* n, const int* kd, double* ab, const int* ldab,
                        int* info, std::size_t uplo_len);
extern "C" void dpbtrs_(const char* uplo, const int* n, const int* kd, const int* nrhs,
                        const double* ab, const int* ldab, double* b, const int* ldb, int* info,
                        std::size_t uplo_len);

// CHOLMOD's workspace with the symbolic factor analysed in it (and the numeric one of the last
// factoring, which a factoring of the same pattern overwrites in place).
struct CzynnikSymboliczny {
    cholmod_common c{};
    cholmod_factor* l = nullptr;
    CzynnikSymboliczny() {
        cholmod_l_start(&c);
        c.print = 0;
    }
    ~CzynnikSymboliczny() {
        if (l) cholmod_l_free_factor(&l, &c);
        cholmod_l_finish(&c);
    }
    CzynnikSymboliczny(const CzynnikSymboliczny&) = delete;
    CzynnikSymboliczny& operator=(const CzynnikSymboliczny&) = delete;
};

void UsunCzynnik::operator()(CzynnikSymboliczny* c) const {
    delete c;
}

namespace {

// From this width on, the blocked Cholesky of an optimised BLAS is as fast as the own elimination
// or faster (against OpenBLAS on one core, 10^5 DOF: 41 ms to 66 ms at 64 columns, 53 ms each at
// 74, 70 ms to 64 ms at 84, 108 ms to 81 ms at 104).
constexpr int od_szerokosci = 74;

double modul(double v) {
    return v < 0.0 ? -v : v;
}

class RozkladPasma : public Rozklad {
  public:
    RozkladPasma(double* s, const double* diag, int nq, int nbw, bool cholesky)
        : s_(s), diag_(diag), nq_(nq), nbw_(nbw), cholesky_(cholesky) {}

    // The factor; a Cholesky that meets a vanished pivot returns false with the band spoilt.
    bool rozloz(double* f, double prog, int& zero) {
        if (!cholesky_) {
            zero = eliminacja(s_, f, diag_, nq_, nbw_, prog);
            return true;
        }
        const int kd = nbw_ - 1;
        int info = 0;
        dpbtrf_("L", &nq_, &kd, s_, &nbw_, &info, 1);
        if (info != 0) return false;
        for (int k = 0; k < nq_; ++k)
            if (!(piwot(k) > prog * modul(diag_[k]))) return false;
        zero = 0;
        return true;
    }
    void dokoncz(double* f) const override {
        if (cholesky_)
            rozwiaz(f);
        else
            podstawienie(s_, f, nq_, nbw_);
    }
    void rozwiaz(double* x) const override {
        if (!cholesky_) {
            postep(s_, x, nq_, nbw_);
            podstawienie(s_, x, nq_, nbw_);
            return;
        }
        const int kd = nbw_ - 1, jeden = 1;
        int info = 0;
        dpbtrs_("L", &nq_, &kd, &jeden, s_, &nbw_, x, &nq_, &info, 1);
    }
    void rozwiaz_wiele(double* x, int n, int nq) const override {
        if (!cholesky_) return Rozklad::rozwiaz_wiele(x, n, nq);
        const int kd = nbw_ - 1;
        int info = 0;
        dpbtrs_("L", &nq_, &kd, &n, s_, &nbw_, x, &nq_, &info, 1);
    }
    // The narrow band's own elimination reads the band once for all the sides.
    void rozwiaz_przeplecione(double* x, int n, int nq) const override {
        if (cholesky_) return Rozklad::rozwiaz_przeplecione(x, n, nq);
        rozwiaz_wiele_pasmo(s_, x, nq, nbw_, n);
    }
    double najmniejszy_iloraz() const override {
        double q = INFINITY;
        for (int k = 0; k < nq_; ++k) q = std::min(q, piwot(k) / diag_[k]);
        return q;
    }

  private:
    // What the elimination divides row k by.
    double piwot(int k) const {
        const double d = s_[static_cast<std::size_t>(k) * static_cast<std::size_t>(nbw_)];
        return cholesky_ ? d * d : d;
    }
    double* s_;
    const double* diag_;
    int nq_, nbw_;
    bool cholesky_;
};

// The sparse factor: CHOLMOD's supernodal Cholesky after a nested dissection of the nodes by their
// coordinates (each node's two DOFs kept together). On a 700 x 700 lattice it orders in 0.4 s
// where a graph partitioner takes 2.6 s, and fills half as much as a minimum degree order (68 to
// 126 GFLOP of factor work).
class RozkladRzadki : public Rozklad {
  public:
    RozkladRzadki(const Model& m, Praca& w) : m_(m), w_(w) {
        // The symbolic factor of an earlier analysis of the same bars, or one of its own.
        if (w.pamiec && w.pamiec->symboliczny) {
            s_ = w.pamiec->symboliczny.get();
        } else {
            wlasny_.reset(new CzynnikSymboliczny);
            s_ = wlasny_.get();
        }
        RzadkaMacierz& k = w.k;
        a_.nrow = a_.ncol = static_cast<std::size_t>(k.n);
        a_.nzmax = k.wartosc.size();
        a_.p = k.kolumna.data();
        a_.i = k.wiersz.data();
        a_.x = k.wartosc.data();
        a_.stype = -1;  // the lower triangle
        a_.itype = CHOLMOD_LONG;
        a_.xtype = CHOLMOD_REAL;
        a_.dtype = CHOLMOD_DOUBLE;
        a_.sorted = 1;
        a_.packed = 1;
    }
    ~RozkladRzadki() override {
        // A factor that went through a failed factoring is not trusted with the next one.
        if (nieudany_ && !wlasny_ && w_.pamiec) w_.pamiec->symboliczny.reset();
    }

    // Ordering and symbolic factor, unless kept from before; false when the factor would not fit
    // in memory.
    bool przygotuj() {
        if (!wlasny_) return true;
        std::vector<long> p = porzadek_wezlow();
        c_().nmethods = 1;
        c_().method[0].ordering = CHOLMOD_GIVEN;
        c_().postorder = 1;
        s_->l = cholmod_l_analyze_p(&a_, p.data(), nullptr, 0, &c_());
        if (!l_() || c_().status != CHOLMOD_OK) return false;
        const double wartosci = l_()->is_super ? static_cast<double>(l_()->xsize) : c_().lnz;
        if (!czynnik_sie_zmiesci(wartosci)) return false;
        if (w_.pamiec) {
            w_.pamiec->symboliczny.reset(wlasny_.release());
            ++w_.pamiec->analizy;
        }
        return true;
    }
    // The numeric factor. A vanished pivot makes the factor of A + beta I instead, with beta
    // raised until it goes through, so that the probe load still has a factor to move.
    bool rozloz(double prog, int& zero) {
        zero = 0;
        double beta[2] = {0.0, 0.0};
        const double skala = *std::max_element(w_.diag.data(), w_.diag.data() + w_.k.n);
        for (double przesuniecie = prog; przesuniecie < 0.5; przesuniecie *= 0x1p10) {
            cholmod_l_factorize_p(&a_, beta, nullptr, 0, l_(), &c_());
            if (c_().status == CHOLMOD_OUT_OF_MEMORY) {
                nieudany_ = true;
                return false;
            }
            const bool przeszedl = c_().status == CHOLMOD_OK;
            nieudany_ = nieudany_ || !przeszedl;
            if (przeszedl && beta[0] != 0.0) return true;  // zero already found
            if (przeszedl) {
                const int slaby = pierwszy_slaby(prog);
                if (slaby == 0) return true;
                zero = slaby;
                return true;  // tiny but positive pivots: the factor is usable as it is
            }
            if (zero == 0) zero = dof_kolumny(std::min(l_()->minor, l_()->n - 1)) + 1;
            beta[0] = przesuniecie * skala;
        }
        return true;
    }
    void dokoncz(double* f) const override { rozwiaz(f); }
    void rozwiaz(double* x) const override { rozwiaz_wiele(x, 1, static_cast<int>(l_()->n)); }
    // CHOLMOD's supernodal solve takes the sides as one block, at the speed of BLAS-3.
    void rozwiaz_wiele(double* x, int n, int nq) const override {
        cholmod_dense b{};
        b.nrow = b.d = l_()->n;
        b.ncol = static_cast<std::size_t>(n);
        b.nzmax = l_()->n * b.ncol;
        b.x = x;
        b.xtype = CHOLMOD_REAL;
        b.dtype = CHOLMOD_DOUBLE;
        cholmod_dense* r = cholmod_l_solve(CHOLMOD_A, l_(), &b, &c_());
        if (!r) return;
        const double* w = static_cast<const double*>(r->x);
        std::copy(w, w + static_cast<std::size_t>(nq) * b.ncol, x);
        cholmod_l_free_dense(&r, &c_());
    }
    double najmniejszy_iloraz() const override {
        double q = INFINITY;
        for (std::size_t j = 0; j < l_()->n; ++j) q = std::min(q, iloraz(j));
        return q;
    }

  private:
    // Order of the DOFs from an order of the nodes.
    std::vector<long> porzadek_wezlow() {
        const std::vector<long> wezly = porzadek_rozcinania(m_, w_.k);
        std::vector<long> p(static_cast<std::size_t>(w_.k.n));
        for (std::size_t i = 0; i < wezly.size(); ++i)
            p[2 * i] = 2 * wezly[i], p[2 * i + 1] = 2 * wezly[i] + 1;
        return p;
    }
    // Pivot of factor column j against the assembled diagonal of its DOF.
    double iloraz(std::size_t j) const {
        const double* x = static_cast<const double*>(l_()->x);
        double d;
        if (l_()->is_super) {
            const long* super = static_cast<const long*>(l_()->super);
            const long* pi = static_cast<const long*>(l_()->pi);
            const long* px = static_cast<const long*>(l_()->px);
            const long s =
                static_cast<long>(std::upper_bound(super, super + l_()->nsuper, j) - super) - 1;
            const long c = static_cast<long>(j) - super[s], wiersze = pi[s + 1] - pi[s];
            d = x[px[s] + c * wiersze + c];
        } else {
            d = x[static_cast<const long*>(l_()->p)[j]];
        }
        if (l_()->is_ll) d *= d;
        return d / w_.diag[dof_kolumny(j) + 1];
    }
    // The DOF (0-based) of factor column j.
    int dof_kolumny(std::size_t j) const {
        return static_cast<int>(static_cast<const long*>(l_()->Perm)[j]);
    }
    int pierwszy_slaby(double prog) const {
        for (std::size_t j = 0; j < l_()->n; ++j)
            if (!(iloraz(j) > prog)) return dof_kolumny(j) + 1;
        return 0;
    }

    cholmod_common& c_() const { return s_->c; }
    cholmod_factor* l_() const { return s_->l; }

    const Model& m_;
    Praca& w_;
    std::unique_ptr<CzynnikSymboliczny> wlasny_;
    CzynnikSymboliczny* s_ = nullptr;
    cholmod_sparse a_{};
    bool nieudany_ = false;
};

}  // namespace

void Rozklad::rozwiaz_przeplecione(double* x, int n, int nq) const {
    // Side by side for the solvers that take the sides one after another.
    std::vector<double> t(static_cast<std::size_t>(nq) * n);
    for (int i = 0; i < nq; ++i)
        for (int c = 0; c < n; ++c)
            t[static_cast<std::size_t>(c) * nq + i] = x[static_cast<std::size_t>(i) * n + c];
    rozwiaz_wiele(t.data(), n, nq);
    for (int i = 0; i < nq; ++i)
        for (int c = 0; c < n; ++c)
            x[static_cast<std::size_t>(i) * n + c] = t[static_cast<std::size_t>(c) * nq + i];
}

bool zmiesci_sie_w_pamieci(double bajty) {
    const long strony = sysconf(_SC_PHYS_PAGES), strona = sysconf(_SC_PAGE_SIZE);
    const double pamiec = strony > 0 && strona > 0 ? static_cast<double>(strony) * strona : 1e18;
    return bajty <= 0.8 * pamiec;
}

bool pasmo_sie_zmiesci(std::int64_t nq, std::int64_t nbw) {
    return zmiesci_sie_w_pamieci(static_cast<double>(nq) * static_cast<double>(nbw) *
                                 sizeof(double));
}

bool czynnik_sie_zmiesci(double wartosci) {
    // The values, and half as much again for CHOLMOD's work besides them.
    return zmiesci_sie_w_pamieci(wartosci * sizeof(double) * 1.5);
}

bool cholesky_dla(int nbw) {
    return nbw >= od_szerokosci;
}

std::unique_ptr<Rozklad> rozloz(Model& m, Praca& w, double prog, int& zero) {
    zero = 0;
    if (w.rzadka) {
        auto r = std::make_unique<RozkladRzadki>(m, w);
        if (!r->przygotuj() || !r->rozloz(prog, zero)) return nullptr;
        return r;
    }
    const int nq = m.nq;
    auto r = std::make_unique<RozkladPasma>(w.s.data(), w.diag.data(), nq, w.nbw_s,
                                            cholesky_dla(w.nbw_s));
    if (r->rozloz(w.f.data(), prog, zero)) return r;
    // Cholesky stops at a vanished pivot; the elimination goes on past it, which the report of
    // the mechanism needs. The band is assembled again for it.
    const std::size_t wyrazy = static_cast<std::size_t>(m.nq) * static_cast<std::size_t>(w.nbw_s);
    std::fill(w.s.data(), w.s.data() + wyrazy, 0.0);
    std::fill(w.f.data(), w.f.data() + m.nq, 0.0);
    Macierze(m, w);
    r = std::make_unique<RozkladPasma>(w.s.data(), w.diag.data(), nq, w.nbw_s, false);
    r->rozloz(w.f.data(), prog, zero);
    return r;
}

bool rozwiaz_pasmo(double* s, double* f, const double* diag, int nq, int nbw, double prog) {
    RozkladPasma r(s, diag, nq, nbw, cholesky_dla(nbw));
    int zero = 0;
    if (!r.rozloz(f, prog, zero) || zero != 0) return false;
    r.dokoncz(f);
    return true;
}
