// SPDX-License-Identifier: GPL-3.0-or-later
// Index-range arrays: vectors and row-by-row matrices addressed over the inclusive ranges
// fixed when they are created (always 1..count in this program).
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>

// Writes the three-line fatal message to stderr and ends the process with status 1.
[[noreturn]] void nrerror(const char* error_text);
// Ends the process with status nr.
[[noreturn]] void halt(int nr);

namespace pom_mac_detail {
// Zeroed block of n elements of size rozmiar; nrerror(komunikat) when it cannot be had.
void* przydziel(std::size_t n, std::size_t rozmiar, const char* komunikat);
void zwolnij(void* p);
}  // namespace pom_mac_detail

// Vector over low..high: one block of high - low + 2 elements; index low addresses the second.
template <class T>
class Wektor {
  public:
    Wektor() = default;
    Wektor(int low, int high, const char* komunikat)
        : blok_(static_cast<T*>(pom_mac_detail::przydziel(
              static_cast<std::size_t>(static_cast<std::int64_t>(high) - low + 2), sizeof(T),
              komunikat))),
          low_(low),
          high_(high) {}
    Wektor(const Wektor&) = delete;
    Wektor& operator=(const Wektor&) = delete;
    Wektor(Wektor&& o) noexcept { zamien(o); }
    Wektor& operator=(Wektor&& o) noexcept {
        Wektor t(std::move(o));
        zamien(t);
        return *this;
    }
    ~Wektor() { pom_mac_detail::zwolnij(blok_); }

    T& operator[](int i) { return blok_[i - low_ + 1]; }
    const T& operator[](int i) const { return blok_[i - low_ + 1]; }
    explicit operator bool() const { return blok_ != nullptr; }
    // Address of element low; the elements low..high follow it.
    T* data() { return blok_ ? blok_ + 1 : nullptr; }
    const T* data() const { return blok_ ? blok_ + 1 : nullptr; }
    int low() const { return low_; }
    int high() const { return high_; }
    void reset() { *this = Wektor(); }

  private:
    void zamien(Wektor& o) noexcept {
        std::swap(blok_, o.blok_);
        std::swap(low_, o.low_);
        std::swap(high_, o.high_);
    }
    T* blok_ = nullptr;
    int low_ = 1;
    int high_ = 0;
};

// Matrix over rlow..rhigh x clow..chigh, one block of nrow * ncol + 1 elements lying row by row:
// row rlow begins at the block's second element and m[r][clow] is the first element of row r.
template <class T>
class Macierz {
  public:
    Macierz() = default;
    Macierz(int rlow, int rhigh, int clow, int chigh, const char* komunikat)
        : rlow_(rlow), rhigh_(rhigh), clow_(clow), chigh_(chigh) {
        const std::int64_t nrow = static_cast<std::int64_t>(rhigh) - rlow + 1;
        ncol_ = static_cast<std::int64_t>(chigh) - clow + 1;
        std::size_t n = 0;
        if (nrow < 0 || ncol_ < 0 ||
            __builtin_mul_overflow(static_cast<std::size_t>(nrow), static_cast<std::size_t>(ncol_),
                                   &n) ||
            __builtin_add_overflow(n, std::size_t{1}, &n))
            nrerror(komunikat);
        blok_ = static_cast<T*>(pom_mac_detail::przydziel(n, sizeof(T), komunikat));
    }
    Macierz(const Macierz&) = delete;
    Macierz& operator=(const Macierz&) = delete;
    Macierz(Macierz&& o) noexcept { zamien(o); }
    Macierz& operator=(Macierz&& o) noexcept {
        Macierz t(std::move(o));
        zamien(t);
        return *this;
    }
    ~Macierz() { pom_mac_detail::zwolnij(blok_); }

    T* operator[](int r) { return blok_ + 1 + (r - rlow_) * ncol_ - clow_; }
    const T* operator[](int r) const { return blok_ + 1 + (r - rlow_) * ncol_ - clow_; }
    explicit operator bool() const { return blok_ != nullptr; }
    // Address of element [rlow][clow]; the whole matrix follows it row by row.
    T* data() { return blok_ ? blok_ + 1 : nullptr; }
    const T* data() const { return blok_ ? blok_ + 1 : nullptr; }
    int rlow() const { return rlow_; }
    int rhigh() const { return rhigh_; }
    int clow() const { return clow_; }
    int chigh() const { return chigh_; }
    void reset() { *this = Macierz(); }

  private:
    void zamien(Macierz& o) noexcept {
        std::swap(blok_, o.blok_);
        std::swap(rlow_, o.rlow_);
        std::swap(rhigh_, o.rhigh_);
        std::swap(clow_, o.clow_);
        std::swap(chigh_, o.chigh_);
        std::swap(ncol_, o.ncol_);
    }
    T* blok_ = nullptr;
    int rlow_ = 1, rhigh_ = 0, clow_ = 1, chigh_ = 0;
    std::int64_t ncol_ = 0;
};

// Allocators; each ends the process through nrerror with its own message on failure.
Wektor<float> wektor(int nl, int nh);
Wektor<int> iwektor(int nl, int nh);
Wektor<unsigned char> cwektor(int nl, int nh);
Wektor<std::uint32_t> lwektor(int nl, int nh);
Wektor<double> dwektor(int nl, int nh);
Macierz<float> macierz(int nrl, int nrh, int ncl, int nch);
Macierz<double> dmacierz(int nrl, int nrh, int ncl, int nch);
Macierz<int> imacierz(int nrl, int nrh, int ncl, int nch);

// Release operations; the bounds are those the array was created with.
template <class T>
void uwolnij(Wektor<T>& v, int /*nl*/, int /*nh*/) {
    v.reset();
}
template <class T>
void uwolnij(Macierz<T>& m, int /*nrl*/, int /*nrh*/, int /*ncl*/, int /*nch*/) {
    m.reset();
}
inline void uwolnij_wektor(Wektor<float>& v, int nl, int nh) {
    uwolnij(v, nl, nh);
}
inline void uwolnij_iwektor(Wektor<int>& v, int nl, int nh) {
    uwolnij(v, nl, nh);
}
inline void uwolnij_cwektor(Wektor<unsigned char>& v, int nl, int nh) {
    uwolnij(v, nl, nh);
}
inline void uwolnij_lwektor(Wektor<std::uint32_t>& v, int nl, int nh) {
    uwolnij(v, nl, nh);
}
inline void uwolnij_dwektor(Wektor<double>& v, int nl, int nh) {
    uwolnij(v, nl, nh);
}
inline void uwolnij_macierz(Macierz<float>& m, int nrl, int nrh, int ncl, int nch) {
    uwolnij(m, nrl, nrh, ncl, nch);
}
inline void uwolnij_dmacierz(Macierz<double>& m, int nrl, int nrh, int ncl, int nch) {
    uwolnij(m, nrl, nrh, ncl, nch);
}
inline void uwolnij_imacierz(Macierz<int>& m, int nrl, int nrh, int ncl, int nch) {
    uwolnij(m, nrl, nrh, ncl, nch);
}
