#include "editing/liczby.h"

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int liczba_calkowita(const char* tekst) {
    const long v = std::atol(tekst);
    if (v < INT_MIN) return INT_MIN;
    if (v > INT_MAX) return INT_MAX;
    return static_cast<int>(v);
}

bool liczba_rzeczywista(const char* tekst, float& wartosc) {
    const double d = std::atof(tekst);
    // Beyond FLT_MAX the float would be infinite; the comparison is false for NaN as well.
    if (!(std::fabs(d) <= static_cast<double>(FLT_MAX))) {
        wartosc = 0.0f;
        return false;
    }
    wartosc = static_cast<float>(d);
    return true;
}

namespace {

// "1.2e-05" -> "1.2e-5", "2.1e+12" -> "2.1e12": a seven-character field keeps two more digits.
void zwiez_wykladnik(char* t) {
    char* e = std::strchr(t, 'e');
    if (!e) return;
    char* z = e + 1;
    const char* c = z;
    if (*c == '+')
        ++c;
    else if (*c == '-')
        *z++ = *c++;
    while (*c == '0' && c[1] != '\0') ++c;
    std::memmove(z, c, std::strlen(c) + 1);
}

// How far the text reads from the value; infinite for text that is no finite float.
double odchylenie(const char* t, float w) {
    float v = 0.0f;
    if (!liczba_rzeczywista(t, v)) return INFINITY;
    return std::fabs(static_cast<double>(v) - static_cast<double>(w));
}

}  // namespace

void wpisz_wartosc(char* pole, int szerokosc, const char* format, float wartosc) {
    if (szerokosc <= 0) return;
    std::snprintf(pole, static_cast<std::size_t>(szerokosc), format, static_cast<double>(wartosc));
    if (!std::isfinite(wartosc)) return;
    double najblizej = odchylenie(pole, wartosc);
    if (najblizej == 0.0) return;
    const std::size_t miesci = static_cast<std::size_t>(szerokosc) - 1;
    char t[64];
    for (int p = 1; p <= 9; ++p) {
        std::snprintf(t, sizeof t, "%.*g", p, static_cast<double>(wartosc));
        zwiez_wykladnik(t);
        if (std::strlen(t) > miesci) continue;
        const double o = odchylenie(t, wartosc);
        if (o < najblizej) {
            najblizej = o;
            std::memcpy(pole, t, std::strlen(t) + 1);
        }
        if (o == 0.0) return;
    }
}

bool wartosc_pola(const char* tekst, const char* wpisany, float zapisana, float& wartosc) {
    if (std::strcmp(tekst, wpisany) == 0) {
        wartosc = zapisana;
        return std::isfinite(zapisana);
    }
    return liczba_rzeczywista(tekst, wartosc);
}
