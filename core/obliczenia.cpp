#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "core/analiza.h"

namespace {

// Whether a band of this many doubles can be held without driving the machine into swap.
bool pasmo_sie_zmiesci(std::int64_t nq, std::int64_t nbw) {
    const long strony = sysconf(_SC_PHYS_PAGES), strona = sysconf(_SC_PAGE_SIZE);
    const double pamiec = strony > 0 && strona > 0 ? static_cast<double>(strony) * strona : 1e18;
    const double bajty = static_cast<double>(nq) * static_cast<double>(nbw) * sizeof(double);
    return bajty <= 0.8 * pamiec;
}

}  // namespace

bool utworz_prace(const Model& m, Praca& w) {
    // Columns past the last DOF would stay zero: the band never needs more than nq.
    w.nbw_s = std::min(m.nbw, m.nq);
    if (!pasmo_sie_zmiesci(m.nq, w.nbw_s)) return false;
    w.se = dmacierz(1, 4, 1, 4);
    w.s = dmacierz(1, m.nq, 1, w.nbw_s);
    w.f = dwektor(1, m.nq);
    w.diag = dwektor(1, m.nq);
    return true;
}

WynikObliczen obliczenia(Model& m) {
    WynikObliczen wy;
    for (int i = 1; i <= m.ne; ++i) {
        const std::int64_t d = std::abs(static_cast<std::int64_t>(m.noc[i][2]) - m.noc[i][1]);
        if (2 * d + 2 > m.nbw)
            m.nbw = static_cast<int>(std::min<std::int64_t>(2 * d + 2, INT32_MAX));
    }
    if (m.nbw > 0 && m.nq > 0) {
        wy.wykonano = true;
        m.obliczono = 0;
        m.nrblad = 0;
        m.blad = 0;
        Praca w;
        if (!utworz_prace(m, w)) {
            wy.brak_pamieci = true;
            return wy;
        }
        Macierze(m, w);
        if (m.blad == 0) Oblicz(m, w);
        if (m.blad == 0) m.obliczono = 1;
        wy.blad = m.blad;
        wy.nrblad = m.nrblad;
    }
    wy.brak_wezlow = m.nq == 0;
    wy.zerowe_pasmo = m.nbw == 0;
    return wy;
}

std::vector<std::string> komunikaty_obliczen(const WynikObliczen& w) {
    std::vector<std::string> k;
    if (w.blad == 1 && w.nrblad == 1) k.push_back("Zero na przekątnej macierzy sztywności!");
    if (w.blad == 1 && w.nrblad == 2) k.push_back("Zerowa długość elementu!");
    if (w.brak_pamieci)
        k.push_back(
            "Za mało pamięci na macierz sztywności! Ponumeruj węzły tak, aby końce "
            "prętów miały bliskie numery.");
    if (w.brak_wezlow) k.push_back("Brak węzłów!");
    if (w.zerowe_pasmo) k.push_back("Zerowa długość pasma macierzy sztywności!");
    return k;
}
