// SPDX-License-Identifier: GPL-3.0-or-later
// Combinations of actions to PN-EN 1990 for buildings (Annex A1), and the envelopes of results
// over them. Pure functions of numbers: no Qt, standard library only.
//
// Rules followed by generuj_kombinacje (clauses of PN-EN 1990):
//  - ULS, persistent and transient situations, STR (6.4.3.2, A1.3.1, Table A1.2(B)): either
//    (6.10)  sum gamma_G,j G_k,j + gamma_Q,1 Q_k,1 + sum gamma_Q,i psi_0,i Q_k,i
//    or the less favourable of
//    (6.10a) sum gamma_G,j G_k,j + sum gamma_Q,i psi_0,i Q_k,i   (no leading action)
//    (6.10b) sum xi gamma_G,j G_k,j + gamma_Q,1 Q_k,1 + sum gamma_Q,i psi_0,i Q_k,i
//    as the project chooses (6.10a/6.10b by default).
//    Which permanent case is favourable depends on the member, so each permanent case takes
//    both gamma_G,sup and gamma_G,inf (2^nG variants); in 6.10b xi multiplies gamma_G,sup only.
//    A variable case acts with gamma_Q or is absent where favourable (gamma_Q = 0): each in turn
//    leads, every other one is absent or accompanies at gamma_Q psi_0; the permanent cases alone
//    are a combination too (6.10, and 6.10a with every variable case absent).
//  - SLS (6.5.3, A1.4.1, Table A1.4), permanent factor 1.0:
//    characteristic (6.14b) sum G + Q_1 + sum psi_0,i Q_i,
//    frequent       (6.15b) sum G + psi_1,1 Q_1 + sum psi_2,i Q_i,
//    quasi-permanent (6.16b) sum G + sum psi_2,i Q_i,
//    each variable case absent or present as above.
//  - An exclusive group (grupa) names cases of which at most one acts in a combination (wind
//    from the left or from the right). Groups concern variable cases; permanent cases always act.
//  - Within one kind, a factor vector met twice is kept once (an accompanying case with
//    psi = 0 present or absent), and a vector of zeros is dropped.
//  - At most limit_kombinacji combinations of each kind are made; beyond that the list of that
//    kind is cut and a message in Polish says so.
// User-defined combinations use the same type with rodzaj = reczna.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

enum class RodzajPrzypadku { stale, zmienne };  // permanent G, variable Q

// Categories of variable actions of PN-EN 1990 Table A1.1.
enum class Kategoria {
    A,
    B,
    C,
    D,
    E,
    F,
    G,
    H,
    snieg_powyzej_1000,
    snieg_do_1000,
    wiatr,
    temperatura
};
inline constexpr int liczba_kategorii = 12;

struct Psi {
    double psi0 = 0, psi1 = 0, psi2 = 0;
};

// Recommended values of PN-EN 1990 Table A1.1 (buildings).
Psi psi_z_tablicy(Kategoria k);
// The category's name for the user interface, e.g. "A: powierzchnie mieszkalne".
const char* nazwa_kategorii(Kategoria k);
// The category's key in project files: "A" to "H", "snieg_powyzej_1000", "snieg_do_1000",
// "wiatr", "temperatura"; and back (false for an unknown key).
const char* klucz_kategorii(Kategoria k);
bool kategoria_z_klucza(std::string_view klucz, Kategoria& k);

struct OpisPrzypadku {
    std::string nazwa;
    RodzajPrzypadku rodzaj = RodzajPrzypadku::stale;
    Psi psi;            // variable cases only
    std::string grupa;  // exclusive group; empty: none
};

// Partial factors of Table A1.2(B), recommended values; xi is the reduction factor of 6.10b.
struct WspolczynnikiKombinacji {
    bool rownania_610ab = true;  // false: expression (6.10)
    double gamma_G_sup = 1.35, gamma_G_inf = 1.00, gamma_Q = 1.5, xi = 0.85;
};

enum class RodzajKombinacji { sgn, sgu_charakterystyczna, sgu_czesta, sgu_quasi_stala, reczna };

struct Kombinacja {
    std::string nazwa;  // e.g. "SGN 3 (6.10b, wiodące: Śnieg)"
    RodzajKombinacji rodzaj = RodzajKombinacji::reczna;
    std::vector<double> wsp;  // one factor per case
    std::string opis;         // e.g. "1,35·G + 1,5·S + 0,9·Wl"
};

inline constexpr std::size_t limit_kombinacji = 4096;  // of each kind

// Every ULS and SLS combination of the cases, ULS first. When the input is invalid (a factor
// that is negative or not a number, psi outside 0..1) the list is empty; when a kind had to be
// cut at limit_kombinacji, or the input is invalid, *ostrzezenie gets a message in Polish
// (otherwise it is cleared).
std::vector<Kombinacja> generuj_kombinacje(const std::vector<OpisPrzypadku>& przypadki,
                                           const WspolczynnikiKombinacji& w,
                                           std::string* ostrzezenie = nullptr);

// "1,35·G + 1,5·S + 0,9·Wl": the nonzero factors with the cases' names, decimal comma.
std::string opis_kombinacji(const std::vector<double>& wsp,
                            const std::vector<OpisPrzypadku>& przypadki);
// A combination defined by the user.
Kombinacja kombinacja_reczna(std::string nazwa, std::vector<double> wsp,
                             const std::vector<OpisPrzypadku>& przypadki);

// The combined value of one quantity from its value in each case. A factor beyond the cases is
// ignored and a missing one counts as 0, so a combination made before a case was added still
// applies.
double wartosc_kombinacji(const Kombinacja& k, std::span<const double> wartosci_przypadkow);

// Sets of kinds for the envelopes.
constexpr unsigned maska(RodzajKombinacji r) {
    return 1u << static_cast<unsigned>(r);
}

// Per entry (bar, support entry) the least and the greatest combined value and the index in the
// combinations list of the combination that gives it (the first one on a tie). With no
// combination of the chosen kinds, the values are 0 and the indices -1.
struct Obwiednia {
    std::vector<double> min, max;
    std::vector<int> k_min, k_max;
};
// wyniki holds the n values of case 0, then the n values of case 1, and so on.
Obwiednia obwiednia(std::span<const double> wyniki, std::size_t n,
                    const std::vector<Kombinacja>& kombinacje, unsigned rodzaje);

// Per node the largest displacement magnitude |u| = sqrt(ux^2 + uy^2) over the combinations of
// the chosen kinds, with the governing combination's index (-1: none); ux and uy laid out as
// wyniki above.
struct ObwiedniaPrzemieszczen {
    std::vector<double> u_max;
    std::vector<int> k;
};
ObwiedniaPrzemieszczen obwiednia_przemieszczen(
    std::span<const double> ux, std::span<const double> uy, std::size_t n,
    const std::vector<Kombinacja>& kombinacje,
    unsigned rodzaje = maska(RodzajKombinacji::sgu_charakterystyczna));
