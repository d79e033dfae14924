// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/jednostki.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <utility>

#include "core/projekt.h"

namespace {

struct Uklad {
    const char *sila, *dlugosc, *naprezenie, *pole;
    const char* nazwa;
    const char* ciezar;
    double N, mm;  // the force unit in N, the length unit in mm
};

// Indexed by UkladJednostek.
constexpr Uklad uklady[liczba_ukladow] = {
    {"", "", "", "", "brak", "", 0, 0},
    {"kN", "cm", "kN/cm²", "cm²", "kN_cm", "kN/cm³", 1000, 10},
    {"kN", "m", "kN/m²", "m²", "kN_m", "kN/m³", 1000, 1000},
    {"N", "mm", "N/mm²", "mm²", "N_mm", "N/mm³", 1, 1},
    {"N", "m", "N/m²", "m²", "N_m", "N/m³", 1, 1000},
};

const Uklad& uklad(UkladJednostek u) {
    const int i = static_cast<int>(u);
    return uklady[i >= 0 && i < liczba_ukladow ? i : 0];
}

}  // namespace

const char* jednostka(UkladJednostek u, Wielkosc w) {
    if (u == UkladJednostek::brak) return "";
    const Uklad& j = uklad(u);
    switch (w) {
        case Wielkosc::sila:
            return j.sila;
        case Wielkosc::dlugosc:
            return j.dlugosc;
        case Wielkosc::naprezenie:
            return j.naprezenie;
        case Wielkosc::pole:
            return j.pole;
        case Wielkosc::rozszerzalnosc:
            return "1/K";
        case Wielkosc::temperatura:
            return "K";
        case Wielkosc::ciezar:
            return j.ciezar;
        case Wielkosc::brak:
            break;
    }
    return "";
}

std::string z_jednostka(const char* tekst, Wielkosc w, UkladJednostek u) {
    const char* j = jednostka(u, w);
    if (*j == '\0') return tekst;
    return std::string(tekst) + " [" + j + "]";
}

const char* nazwa_ukladu(UkladJednostek u) {
    return uklad(u).nazwa;
}

UkladJednostek uklad_z_nazwy(const std::string& nazwa) {
    for (int i = 0; i < liczba_ukladow; ++i)
        if (nazwa == uklady[i].nazwa) return static_cast<UkladJednostek>(i);
    return UkladJednostek::brak;
}

Przelicznik przelicznik(UkladJednostek u) {
    const Uklad& j = uklad(u);
    return {j.N, j.mm};
}

namespace {

// Powers of ten of each system's force and length against N and m.
struct Wykladniki {
    int sila, dlugosc;
};
constexpr Wykladniki wykladniki[liczba_ukladow] = {{0, 0}, {3, -2}, {3, 0}, {0, -3}, {0, 0}};

// A quantity as powers of force, length and temperature; each quantity the program uses has one.
struct Wymiar {
    int F = 0, L = 0, T = 0;
    bool operator==(const Wymiar&) const = default;
};
Wymiar wymiar(Wielkosc w) {
    switch (w) {
        case Wielkosc::sila:
            return {1, 0, 0};
        case Wielkosc::dlugosc:
            return {0, 1, 0};
        case Wielkosc::naprezenie:
            return {1, -2, 0};
        case Wielkosc::pole:
            return {0, 2, 0};
        case Wielkosc::ciezar:
            return {1, -3, 0};
        case Wielkosc::rozszerzalnosc:
            return {0, 0, -1};
        case Wielkosc::temperatura:
            return {0, 0, 1};
        case Wielkosc::brak:
            break;
    }
    return {};
}
Wielkosc wielkosc(Wymiar d) {
    for (Wielkosc w : {Wielkosc::sila, Wielkosc::dlugosc, Wielkosc::naprezenie, Wielkosc::pole,
                       Wielkosc::ciezar, Wielkosc::rozszerzalnosc, Wielkosc::temperatura})
        if (wymiar(w) == d) return w;
    return Wielkosc::brak;
}

// The power of ten of the system's unit of w against SI.
int wykladnik_ukladu(Wielkosc w, UkladJednostek u) {
    const int i = static_cast<int>(u);
    const Wykladniki& e = wykladniki[i >= 0 && i < liczba_ukladow ? i : 0];
    const Wymiar d = wymiar(w);
    return d.F * e.sila + d.L * e.dlugosc;
}

// A unit read: what it measures and its power of ten against SI.
struct Jednostka {
    Wymiar d;
    int e = 0;
};

// "m", "cm2", "mm3": a length to a power.
bool dlugosc_do_potegi(std::string_view t, Jednostka& j) {
    int p = 1;
    if (!t.empty() && (t.back() == '2' || t.back() == '3')) {
        p = t.back() - '0';
        t.remove_suffix(1);
    }
    static constexpr std::pair<std::string_view, int> dlugosci[] = {
        {"mm", -3}, {"cm", -2}, {"dm", -1}, {"m", 0}};
    for (const auto& [n, e] : dlugosci)
        if (t == n) {
            j = {{0, p, 0}, e * p};
            return true;
        }
    return false;
}

bool licznik(std::string_view t, Jednostka& j) {
    static constexpr std::pair<std::string_view, int> sily[] = {{"N", 0}, {"kN", 3}, {"MN", 6}};
    static constexpr std::pair<std::string_view, int> cisnienia[] = {
        {"Pa", 0}, {"kPa", 3}, {"MPa", 6}, {"GPa", 9}};
    for (const auto& [n, e] : sily)
        if (t == n) {
            j = {{1, 0, 0}, e};
            return true;
        }
    for (const auto& [n, e] : cisnienia)
        if (t == n) {
            j = {{1, -2, 0}, e};
            return true;
        }
    return dlugosc_do_potegi(t, j);
}

// The unit's text with "²", "³" as digits and without blanks; false for one the program does not
// know.
bool jednostka(std::string t, Jednostka& j) {
    for (const auto& [z, na] : {std::pair<std::string, std::string>{"²", "2"},
                                {"³", "3"},
                                {"⁻¹", "-1"},
                                {"°C", "K"},
                                {" ", ""},
                                {"^", ""}}) {
        for (std::size_t p = t.find(z); p != std::string::npos; p = t.find(z, p))
            t.replace(p, z.size(), na);
    }
    if (t == "K") {
        j = {{0, 0, 1}, 0};
        return true;
    }
    if (t == "1/K" || t == "K-1") {
        j = {{0, 0, -1}, 0};
        return true;
    }
    const std::size_t kreska = t.find('/');
    if (kreska == std::string::npos) return licznik(t, j);
    Jednostka m;
    if (!licznik(std::string_view(t).substr(0, kreska), j) ||
        !dlugosc_do_potegi(std::string_view(t).substr(kreska + 1), m))
        return false;
    j.d.L -= m.d.L;
    j.e -= m.e;
    return true;
}

// Splits "15,5e3 kN" into the number ("15.5e3", the decimal comma as a point) and the rest
// ("kN"); false when the text does not start with a number.
bool liczba_i_reszta(std::string_view t, std::string& liczba, std::string_view& reszta) {
    std::size_t i = 0;
    while (i < t.size() && (t[i] == ' ' || t[i] == '\t')) ++i;
    const std::size_t od = i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    auto cyfra = [&](std::size_t k) { return k < t.size() && t[k] >= '0' && t[k] <= '9'; };
    std::size_t cyfr = 0;
    while (cyfra(i)) ++i, ++cyfr;
    if (i < t.size() && (t[i] == '.' || t[i] == ',')) {
        ++i;
        while (cyfra(i)) ++i, ++cyfr;
    }
    if (cyfr == 0) return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        std::size_t k = i + 1;
        if (k < t.size() && (t[k] == '+' || t[k] == '-')) ++k;
        if (cyfra(k)) {
            while (cyfra(k)) ++k;
            i = k;
        }
    }
    liczba.assign(t.substr(od, i - od));
    for (char& c : liczba)
        if (c == ',') c = '.';
    if (!liczba.empty() && liczba[0] == '+') liczba.erase(0, 1);
    reszta = t.substr(i);
    while (!reszta.empty() && (reszta.front() == ' ' || reszta.front() == '\t'))
        reszta.remove_prefix(1);
    while (!reszta.empty() && (reszta.back() == ' ' || reszta.back() == '\t'))
        reszta.remove_suffix(1);
    return true;
}

// The decimal `liczba` times 10^k as the nearest float; false when that is no finite float.
bool przesun_przecinek(const std::string& liczba, int k, float& v) {
    std::string t = liczba;
    long wykladnik = 0;
    const std::size_t e = t.find_first_of("eE");
    if (e != std::string::npos) {
        const std::string w = t.substr(e + 1);
        const auto r = std::from_chars(w.data() + (w[0] == '+'), w.data() + w.size(), wykladnik);
        if (r.ec != std::errc{}) return false;
        t.resize(e);
    }
    t += "e" + std::to_string(wykladnik + k);
    float f = 0.0f;
    const auto r = std::from_chars(t.data(), t.data() + t.size(), f);
    if (r.ptr != t.data() + t.size()) return false;
    // Too small to tell from 0 reads as 0, too large is no value of the model.
    if (r.ec == std::errc::result_out_of_range) {
        if (wykladnik + k > 0) return false;
        f = 0.0f;
    }
    v = f;
    return std::isfinite(v);
}

const char* biernik(Wielkosc w) {
    switch (w) {
        case Wielkosc::sila:
            return "siłę (N, kN, MN)";
        case Wielkosc::dlugosc:
            return "długość (mm, cm, dm, m)";
        case Wielkosc::naprezenie:
            return "naprężenie (Pa, kPa, MPa, GPa, N/mm², kN/cm², kN/m²)";
        case Wielkosc::pole:
            return "pole (mm², cm², dm², m²)";
        case Wielkosc::ciezar:
            return "ciężar objętościowy (N/mm³, kN/cm³, kN/m³, N/m³)";
        case Wielkosc::rozszerzalnosc:
            return "współczynnik rozszerzalności cieplnej (1/K)";
        case Wielkosc::temperatura:
            return "temperaturę (K)";
        case Wielkosc::brak:
            break;
    }
    return "liczbę";
}
const char* dopelniacz(Wielkosc w) {
    switch (w) {
        case Wielkosc::sila:
            return "siły";
        case Wielkosc::dlugosc:
            return "długości";
        case Wielkosc::naprezenie:
            return "naprężenia";
        case Wielkosc::pole:
            return "pola";
        case Wielkosc::ciezar:
            return "ciężaru objętościowego";
        case Wielkosc::rozszerzalnosc:
            return "rozszerzalności cieplnej";
        case Wielkosc::temperatura:
            return "temperatury";
        case Wielkosc::brak:
            break;
    }
    return "";
}

}  // namespace

OdczytWartosci odczytaj_wartosc(std::string_view tekst, Wielkosc w, UkladJednostek u) {
    OdczytWartosci o;
    std::string liczba;
    std::string_view reszta;
    Jednostka j;
    if (w == Wielkosc::brak || !liczba_i_reszta(tekst, liczba, reszta) || reszta.empty() ||
        !jednostka(std::string(reszta), j))
        return o;
    o.jednostka = reszta;
    o.podana = wielkosc(j.d);
    if (!(j.d == wymiar(w))) {
        o.stan = OdczytWartosci::Stan::obca;
        return o;
    }
    if (u == UkladJednostek::brak) {
        o.stan = OdczytWartosci::Stan::bez_ukladu;
        return o;
    }
    // A value beyond a float is left as typed: the field's own check refuses it.
    if (przesun_przecinek(liczba, j.e - wykladnik_ukladu(w, u), o.wartosc))
        o.stan = OdczytWartosci::Stan::przeliczona;
    return o;
}

std::string komunikat_jednostki(const OdczytWartosci& o, const std::string& gdzie, Wielkosc w) {
    using S = OdczytWartosci::Stan;
    if (o.stan == S::bez_ukladu)
        return gdzie + ": projekt nie ma jednostek (Widok → Jednostki...), więc wartość " +
               "wpisuje się bez jednostki.";
    if (o.stan != S::obca) return {};
    std::string t = gdzie + " przyjmuje " + biernik(w) + "; " + o.jednostka;
    if (o.podana == Wielkosc::brak) return t + " nie jest jednostką tej wielkości.";
    return t + " jest jednostką " + dopelniacz(o.podana) + ".";
}

std::string tekst_liczby(float v) {
    char t[32];
    const auto r = std::to_chars(t, t + sizeof t, v);
    return std::string(t, r.ptr);
}

bool tekst_w_ukladzie(const std::string& tekst, Wielkosc w, UkladJednostek u,
                      const std::string& gdzie, std::string& wynik, std::string& komunikat) {
    const OdczytWartosci o = odczytaj_wartosc(tekst, w, u);
    // Without units in the project, the field's own check answers, as it always has.
    komunikat = o.stan == OdczytWartosci::Stan::bez_ukladu ? "" : komunikat_jednostki(o, gdzie, w);
    wynik = o.stan == OdczytWartosci::Stan::przeliczona ? tekst_liczby(o.wartosc) : tekst;
    return komunikat.empty();
}

int wykladnik_przeliczenia(Wielkosc w, UkladJednostek z, UkladJednostek na) {
    if (z == UkladJednostek::brak || na == UkladJednostek::brak) return 0;
    return wykladnik_ukladu(w, z) - wykladnik_ukladu(w, na);
}

float przelicz(float v, Wielkosc w, UkladJednostek z, UkladJednostek na) {
    const int k = wykladnik_przeliczenia(w, z, na);
    if (k == 0 || !std::isfinite(v)) return v;
    char t[32];
    const auto r = std::to_chars(t, t + sizeof t, v, std::chars_format::scientific);
    float wynik = v;
    // Beyond a float either way: the nearest end of its range keeps the sign and the order.
    if (!przesun_przecinek(std::string(t, r.ptr), k, wynik))
        wynik = std::copysign(std::numeric_limits<float>::max(), v);
    return wynik;
}

void przelicz_model(Konstrukcja& k, Projekt& p, UkladJednostek z, UkladJednostek na) {
    auto ile = [&](Wielkosc w) { return wykladnik_przeliczenia(w, z, na); };
    if (ile(Wielkosc::sila) == 0 && ile(Wielkosc::dlugosc) == 0) return;
    auto zmien = [&](float& v, Wielkosc w) { v = przelicz(v, w, z, na); };
    for (int i = 1; i <= k.nn; ++i)
        zmien(k.x[i][1], Wielkosc::dlugosc), zmien(k.x[i][2], Wielkosc::dlugosc);
    for (int i = 1; i <= k.nm; ++i) zmien(k.pm[i][1], Wielkosc::naprezenie);
    for (int i = 1; i <= k.na; ++i) zmien(k.area[i], Wielkosc::pole);
    for (int i = 1; i <= k.nd; ++i) zmien(k.u[i], Wielkosc::dlugosc);
    for (int i = 1; i <= k.nl; ++i) zmien(k.al[i], Wielkosc::sila);
    for (float& g : p.ciezar) zmien(g, Wielkosc::ciezar);
    for (PrzypadekObciazen& c : p.przypadki) {
        for (float& f : c.obc.al) zmien(f, Wielkosc::sila);
        for (float& u : c.obc.wymuszenia) zmien(u, Wielkosc::dlugosc);
    }
    // The design's lengths given in the model's units: radii of gyration, buckling lengths and
    // the displacement limit given as lengths.
    // Dividing by an exact power of ten, never multiplying by an inexact 0.1, brings a value back
    // unchanged from a conversion there and back.
    const int e = ile(Wielkosc::dlugosc);
    const double dziesiec_do = std::pow(10.0, std::abs(e));
    auto dlugosc = [e, dziesiec_do](double& v) { v = e >= 0 ? v * dziesiec_do : v / dziesiec_do; };
    DaneWymiarowania& d = p.wymiarowanie;
    for (PrzekrojStalowy& s : d.przekroje) dlugosc(s.i_min);
    for (PretStalowy& b : d.prety) {
        if (b.L_w_dlugosc) dlugosc(b.L_w);
        if (b.L_z_dlugosc) dlugosc(b.L_z);
    }
    if (d.ugiecie_dlugosc) dlugosc(d.ugiecie);
    k.wyniki.clear();
}

const char* opis_ukladu(UkladJednostek u) {
    static constexpr const char* opisy[liczba_ukladow] = {"bez jednostek", "kN i cm", "kN i m",
                                                          "N i mm", "N i m"};
    const int i = static_cast<int>(u);
    return opisy[i >= 0 && i < liczba_ukladow ? i : 0];
}
