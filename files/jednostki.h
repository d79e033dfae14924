// SPDX-License-Identifier: GPL-3.0-or-later
// Units the values are labelled with. The model has none of its own in a .V2D file: the user
// says which units the numbers were entered in, and every label, table header, scale and export
// names them from here. Values typed with a unit are converted to these, and the whole model may
// be converted from one system to another. Member design works in N and mm, and crosses over
// through `przelicznik`.
#pragma once

#include <string>
#include <string_view>

struct Konstrukcja;
struct Projekt;

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

// Values typed with their unit ("15 cm2", "210 GPa", "78,5 kN/m³"). Force N, kN, MN; length mm,
// cm, dm, m; stress Pa, kPa, MPa, GPa or a force over a length squared; area a length squared;
// weight density a force over a length cubed; the thermal coefficient 1/K; temperature K. "²" and
// "2", "³" and "3" alike. Every unit is a power of ten of its SI unit, so a conversion moves the
// decimal point of the digits typed and rounds once, to the float the model stores.
struct OdczytWartosci {
    enum class Stan {
        bez_jednostki,  // no unit the program knows (a bare number, or no number at all)
        przeliczona,    // a unit of the quantity asked for: `wartosc` is in the project's units
        obca,           // a unit of another quantity
        bez_ukladu,     // a unit, but the project has no units to convert to
    };
    Stan stan = Stan::bez_jednostki;
    float wartosc = 0.0f;
    Wielkosc podana = Wielkosc::brak;  // what the unit typed measures (obca); brak: nothing used
    std::string jednostka;             // the unit as typed
};
OdczytWartosci odczytaj_wartosc(std::string_view tekst, Wielkosc w, UkladJednostek u);

// Why a value was refused, naming where it was typed (`gdzie`: "Pole „Współrzędna X”") and the
// quantity expected. Empty when it was not refused.
std::string komunikat_jednostki(const OdczytWartosci& o, const std::string& gdzie, Wielkosc w);

// The text a field hands on when its dialog closes: the text typed when it carries no unit the
// program knows, the converted value's shortest text when it does. False, with the message, when
// the unit is one of another quantity. Without units in the project the text is handed on as
// typed, for the field's own check.
bool tekst_w_ukladzie(const std::string& tekst, Wielkosc w, UkladJednostek u,
                      const std::string& gdzie, std::string& wynik, std::string& komunikat);

// The shortest text that reads back as v.
std::string tekst_liczby(float v);

// The power of ten that turns a value of `w` in system `z` into system `na`; 0 when either has
// no units.
int wykladnik_przeliczenia(Wielkosc w, UkladJednostek z, UkladJednostek na);
// v in system `z` expressed in `na`: its shortest decimal with the point moved, rounded once.
float przelicz(float v, Wielkosc w, UkladJednostek z, UkladJednostek na);
// Every value of the truss and of the project's record (all load cases, the weight densities)
// from system `z` to `na`. Results are not converted: they no longer hold.
void przelicz_model(Konstrukcja& k, Projekt& p, UkladJednostek z, UkladJednostek na);
// How the units dialog names a system ("kN i cm").
const char* opis_ukladu(UkladJednostek u);
