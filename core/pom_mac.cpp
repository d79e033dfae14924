// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/pom_mac.h"

#include <cstdio>
#include <cstdlib>

void nrerror(const char* error_text) {
    std::fprintf(stderr, "Wystąpił bład podczas działania programu \n");
    std::fprintf(stderr, "%s\n", error_text);
    std::fprintf(stderr, "...powrót do systemu...\n");
    std::exit(1);
}

void halt(int nr) {
    std::exit(nr);
}

namespace pom_mac_detail {

void* przydziel(std::size_t n, std::size_t rozmiar, const char* komunikat) {
    // A negative range wraps to a huge count and fails here like any other refusal.
    if (n == 0 || n > SIZE_MAX / rozmiar) nrerror(komunikat);
    void* p = std::calloc(n, rozmiar);
    if (!p) nrerror(komunikat);
    return p;
}

void zwolnij(void* p) {
    std::free(p);
}

}  // namespace pom_mac_detail

Wektor<float> wektor(int nl, int nh) {
    return {nl, nh, "błąd allokacji w vector()"};
}
Wektor<int> iwektor(int nl, int nh) {
    return {nl, nh, "błąd alokacji w ivector()"};
}
Wektor<unsigned char> cwektor(int nl, int nh) {
    return {nl, nh, "błąd alokacji w cvector()"};
}
Wektor<std::uint32_t> lwektor(int nl, int nh) {
    return {nl, nh, "błąd alokacji w lvektor()"};
}
Wektor<double> dwektor(int nl, int nh) {
    return {nl, nh, "błąd alokacjiw dvector()"};
}

// The row table of the original layout is implicit here (rows are found by arithmetic), so only
// the element block can fail: its message is the one each matrix allocator gives for the block.
Macierz<float> macierz(int nrl, int nrh, int ncl, int nch) {
    return {nrl, nrh, ncl, nch, "allocation failure 2 in matrix()"};
}
Macierz<double> dmacierz(int nrl, int nrh, int ncl, int nch) {
    return {nrl, nrh, ncl, nch, "allocation failure 2 in matrix()"};
}
Macierz<int> imacierz(int nrl, int nrh, int ncl, int nch) {
    return {nrl, nrh, ncl, nch, "allocation failure 2 in matrix()"};
}
