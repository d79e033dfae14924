// SPDX-License-Identifier: GPL-3.0-or-later
// Structural steel to PN-EN 1993-1-1 chapter 3: grades, their strengths by product standard and
// thickness (Table 3.1), the elastic constants (3.2.6) and the partial factors (6.1).
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace wymiarowanie {

struct Profil;

enum class Gatunek { S235, S275, S355, S420, S460 };

// The product standard a section is delivered to; it picks the row of Table 3.1 and, for hollow
// sections, the column of Table 6.2.
enum class Wyrob {
    walcowany,       // hot-rolled sections, EN 10025-2 (S235..S355) and EN 10025-4 (S420, S460)
    rura_na_goraco,  // hot-finished hollow sections, EN 10210-1
    rura_na_zimno,   // cold-formed hollow sections, EN 10219-1
};

// "S235" .. "S460".
const char* nazwa(Gatunek g);
std::optional<Gatunek> gatunek(std::string_view nazwa);
std::span<const Gatunek> gatunki();

// 3.2.6(1): modulus of elasticity and shear modulus [MPa]. The density of steel [kg/m³] is the
// 7.85 kg/dm³ the product standards compute the mass per metre of their sections with.
inline constexpr double E = 210000.0;
inline constexpr double G = 81000.0;
inline constexpr double gestosc_stali = 7850.0;

// 6.1(1) NOTE 2B: the values the standard recommends and the Polish National Annex keeps. A
// project may change them.
struct WspolczynnikiCzesciowe {
    double gamma_M0 = 1.00;  // resistance of cross-sections
    double gamma_M1 = 1.00;  // resistance of members to instability
    double gamma_M2 = 1.25;  // resistance of cross-sections in tension to fracture
};

// Nominal yield and ultimate strength [MPa] of Table 3.1 for a grade, a product standard and
// the nominal thickness t [mm]. `okreslona` is false where the table gives no value: t > 80 mm,
// or t > 40 mm for EN 10219-1, or t not positive.
struct Wytrzymalosc {
    double f_y = 0;
    double f_u = 0;
    bool okreslona = false;
    const char* oznaczenie = "";  // the steel as the product standard names it, e.g. "S355H"
    const char* norma = "";       // e.g. "EN 10210-1"
};

Wytrzymalosc wytrzymalosc(Gatunek g, Wyrob w, double t);
// For a section: its product standard and its largest nominal thickness.
Wytrzymalosc wytrzymalosc(Gatunek g, const Profil& p);

}  // namespace wymiarowanie
