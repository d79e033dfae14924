// Units the values are labelled with. The model has none of its own (neither has its file): the
// user says which units the numbers were entered in, and every label, table header, scale and
// export names them from here. Values of the model are never converted; member design alone works
// in N and mm, and crosses over through `przelicznik`.
#pragma once

#include <string>

// What a value measures; each has its unit in every system.
enum class Wielkosc {
    brak,            // a number, a count: no unit
    sila,            // forces and reactions
    dlugosc,         // coordinates, lengths and displacements
    naprezenie,      // stresses and Young's modulus
    pole,            // cross-section areas
    rozszerzalnosc,  // the thermal coefficient, 1/K
    temperatura,     // temperature changes, K
    ciezar,          // weight densities: force per length cubed
};

// The systems offered, in the order the units dialog lists them.
enum class UkladJednostek { brak, kN_cm, kN_m, N_mm, N_m };
inline constexpr int liczba_ukladow = 5;
// For a default argument that refers to no choice.
inline constexpr UkladJednostek bez_jednostek = UkladJednostek::brak;

// The unit's symbol ("kN/cm²"); empty without a system or for a plain number.
const char* jednostka(UkladJednostek u, Wielkosc w);
// The label with its unit after it in brackets ("Naprężenie [kN/cm²]"), or as it stands when
// there is no unit to name.
std::string z_jednostka(const char* tekst, Wielkosc w, UkladJednostek u);

// How a system is kept in the settings ("kN_cm"), and back; an unknown text is no system.
const char* nazwa_ukladu(UkladJednostek u);
UkladJednostek uklad_z_nazwy(const std::string& nazwa);

// How many N a force unit is and how many mm a length unit: the one place where the model's units
// meet the design's N, mm and MPa (N/mm²). Zero without a system of units.
struct Przelicznik {
    double N = 0.0, mm = 0.0;
    bool jest() const { return N > 0.0 && mm > 0.0; }
    double mm2() const { return mm * mm; }    // an area unit in mm²
    double MPa() const { return N / mm2(); }  // a stress unit in MPa
};
Przelicznik przelicznik(UkladJednostek u);
