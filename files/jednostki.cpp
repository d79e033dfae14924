#include "files/jednostki.h"

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
