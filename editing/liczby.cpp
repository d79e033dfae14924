// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/liczby.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

namespace {

// The text without the blanks around it.
std::string_view bez_odstepow(const char* tekst) {
    std::string_view t(tekst);
    const std::size_t p = t.find_first_not_of(" \t");
    if (p == std::string_view::npos) return {};
    return t.substr(p, t.find_last_not_of(" \t") - p + 1);
}

// from_chars reads no plus sign: it is dropped, unless another sign follows it.
bool bez_plusa(std::string_view& t) {
    if (t.empty() || t[0] != '+') return true;
    t.remove_prefix(1);
    return t.empty() || (t[0] != '+' && t[0] != '-');
}

}  // namespace

bool liczba_calkowita(const char* tekst, int& wartosc) {
    wartosc = 0;
    std::string_view t = bez_odstepow(tekst);
    if (!bez_plusa(t)) return false;
    const bool ujemna = !t.empty() && t[0] == '-';
    const std::string_view cyfry = t.substr(ujemna ? 1 : 0);
    if (cyfry.empty() || cyfry.find_first_not_of("0123456789") != std::string_view::npos)
        return false;
    const auto [koniec, blad] = std::from_chars(t.data(), t.data() + t.size(), wartosc);
    if (blad == std::errc::result_out_of_range) wartosc = ujemna ? INT_MIN : INT_MAX;
    return koniec == t.data() + t.size();
}

int numer_z_pola(const char* tekst) {
    int n = 0;
    return liczba_calkowita(tekst, n) ? n : 0;
}

bool liczba_rzeczywista(const char* tekst, double& wartosc) {
    wartosc = 0.0;
    std::string_view bez = bez_odstepow(tekst);
    if (!bez_plusa(bez) || bez.empty()) return false;
    std::string t(bez);
    std::replace(t.begin(), t.end(), ',', '.');
    double d = 0.0;
    const auto [koniec, blad] = std::from_chars(t.data(), t.data() + t.size(), d);
    if (koniec != t.data() + t.size()) return false;
    if (blad == std::errc::result_out_of_range) {
        // Only an exponent takes a number out of a double's range: a negative one makes it too
        // small to tell from 0, a positive one too large for any value of the model.
        const std::size_t e = t.find_first_of("eE");
        if (e == std::string::npos || t[e + 1] != '-') return false;
        d = 0.0;
    } else if (blad != std::errc{} || !std::isfinite(d)) {
        return false;
    }
    wartosc = d;
    return true;
}

bool liczba_rzeczywista(const char* tekst, float& wartosc) {
    wartosc = 0.0f;
    double d = 0.0;
    // Beyond FLT_MAX the float would be infinite.
    if (!liczba_rzeczywista(tekst, d) || !(std::fabs(d) <= static_cast<double>(FLT_MAX)))
        return false;
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

// Digits from the first non-zero one to the last, the exponent aside: "0.0012000" has 2.
int cyfry_znaczace(const char* t) {
    int pierwsza = -1, ostatnia = -1, i = 0;
    for (; t[i] != '\0' && t[i] != 'e' && t[i] != 'E'; ++i)
        if (t[i] >= '1' && t[i] <= '9') {
            if (pierwsza < 0) pierwsza = i;
            ostatnia = i;
        }
    if (pierwsza < 0) return 0;
    int n = 0;
    for (int j = pierwsza; j <= ostatnia; ++j) n += t[j] >= '0' && t[j] <= '9';
    return n;
}

// How far the text reads from the value; infinite for text that is no finite float.
double odchylenie(const char* t, float w) {
    float v = 0.0f;
    if (!liczba_rzeczywista(t, v)) return INFINITY;
    return std::fabs(static_cast<double>(v) - static_cast<double>(w));
}

}  // namespace

std::string tekst_dokladny(float v) {
    if (std::isnan(v)) return "nan";
    if (std::isinf(v)) return v < 0.0f ? "-inf" : "inf";
    char t[32], s[64];
    const auto w = std::to_chars(t, t + sizeof t - 1, v, std::chars_format::scientific);
    *(w.ec == std::errc{} ? w.ptr : t) = '\0';
    zwiez_wykladnik(t);
    const auto d = std::to_chars(s, s + sizeof s - 1, v, std::chars_format::fixed);
    *(d.ec == std::errc{} ? d.ptr : s) = '\0';
    return std::strlen(s) <= std::strlen(t) + 3 ? s : t;
}

bool pokazuje_dokladnie(const char* tekst, float v) {
    float w = 0.0f;
    if (!liczba_rzeczywista(tekst, w) || w != v) return false;
    return cyfry_znaczace(tekst) <= cyfry_znaczace(tekst_dokladny(v).c_str());
}

bool miejsca_oddaja(float v, int miejsca) {
    if (!std::isfinite(v)) return false;
    static constexpr double potegi[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
    const double p = potegi[std::clamp(miejsca, 0, 9)];
    // Exact: 24 bits of the float times 5^9 at most take 45 of a double's 53. Rounded as printf
    // rounds (to nearest, ties to even), then divided as the reader divides, to the nearest double.
    const double zaokraglona = std::nearbyint(static_cast<double>(v) * p);
    if (static_cast<float>(zaokraglona / p) != v) return false;
    // Beyond what the count below holds, printing it is the way.
    if (!(std::fabs(zaokraglona) < 0x1p53)) {
        char t[96];
        std::snprintf(t, sizeof t, "%.*f", miejsca, static_cast<double>(v));
        return cyfry_znaczace(t) <= cyfry_znaczace(tekst_dokladny(v).c_str());
    }
    std::int64_t cyfry = static_cast<std::int64_t>(std::fabs(zaokraglona));
    while (cyfry != 0 && cyfry % 10 == 0) cyfry /= 10;
    // Two different decimals of up to six significant digits never round to one float, so
    // such a text is the shortest there is; a longer one is measured against the shortest.
    if (cyfry < 1000000) return true;
    int n = 0;
    for (; cyfry != 0; cyfry /= 10) ++n;
    return n <= cyfry_znaczace(tekst_dokladny(v).c_str());
}

void wpisz_wartosc(char* pole, int szerokosc, const char* format, float wartosc) {
    if (szerokosc <= 0) return;
    const std::size_t miesci = static_cast<std::size_t>(szerokosc) - 1;
    const int n = std::snprintf(pole, static_cast<std::size_t>(szerokosc), format,
                                static_cast<double>(wartosc));
    if (!std::isfinite(wartosc)) return;
    const bool caly = n >= 0 && static_cast<std::size_t>(n) <= miesci;
    if (caly && pokazuje_dokladnie(pole, wartosc)) return;
    const std::string dokladny = tekst_dokladny(wartosc);
    if (dokladny.size() <= miesci) {
        std::memcpy(pole, dokladny.c_str(), dokladny.size() + 1);
        return;
    }
    // A field too narrow for any exact text: the closest text that fits, never one cut short.
    double najblizej = caly ? odchylenie(pole, wartosc) : INFINITY;
    if (!caly) pole[0] = '\0';
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
