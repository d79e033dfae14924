// SPDX-License-Identifier: GPL-3.0-or-later
// The library of hot-rolled and hollow steel sections trusses are built of: the families with
// their nominal dimensions (tables in dane_*.cpp name their sources), the properties computed
// from those dimensions and radii, and lookup by family and name.
//
// Axes as in PN-EN 1993-1-1 1.7: x along the member, y-y the major axis of a doubly symmetric
// section (horizontal when its web stands upright), z-z the minor one. An angle is drawn with
// its leg h upright along z and its leg b along y, the heel at the origin; u-u and v-v are its
// principal axes. Two angles stand back to back on their legs h with the gap s between them;
// z-z is their axis of symmetry. Lengths in mm, areas in mm², second moments in mm⁴.
//
// Names (what the project file stores with the family key, and what a user may type):
//   L 50x5            equal angle, leg x thickness          L 100x50x8    unequal angle
//   2L 50x5 /10       two angles back to back, gap 10 mm    2L 100x50x8 /10
//                     (for unequal angles the first leg is the one placed back to back:
//                     2L 100x50x8 joins the long legs, 2L 50x100x8 the short ones)
//   UPN 100, UPN 30x15, IPE 200, HEA 200, HEB 200
//   RO 114,3x5        circular hollow section, hot-finished (EN 10210-2)
//   ROz 114,3x5       the same, cold-formed (EN 10219-2)
//   RK 100x5, RKz 100x5           square hollow section, hot-finished / cold-formed
//   RP 120x80x5, RPz 120x80x5     rectangular hollow section, h x b x t
// Lookup ignores spaces and case and takes a decimal point or comma and "x", "X" or "×".
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "design/stal.h"

namespace wymiarowanie {

enum class Rodzina {
    katowniki_rownoramienne,
    katowniki_nierownoramienne,
    dwa_katowniki,
    upn,
    ipe,
    hea,
    heb,
    ro_na_goraco,
    ro_na_zimno,
    rk_na_goraco,
    rk_na_zimno,
    rp_na_goraco,
    rp_na_zimno,
};

enum class Ksztalt { katownik, dwa_katowniki, ceownik, dwuteownik, rura_okragla, rura_prostokatna };

struct OpisRodziny {
    Rodzina rodzina;
    const char* klucz;  // stable key for the project file: "L", "LN", "2L", "UPN", ... "RPz"
    const char* nazwa;  // for the user interface, e.g. "Kątowniki równoramienne"
    const char* norma;  // dimensions to, e.g. "PN-EN 10056-1"
};

// Nominal dimensions [mm]. Unused fields are 0.
struct Wymiary {
    double h = 0;    // depth; angle: leg along z; CHS: outside diameter d
    double b = 0;    // width; angle: leg along y
    double t_w = 0;  // web thickness; angle, hollow section: wall thickness t
    double t_f = 0;  // flange thickness at the point the product standard measures it; = t_w
                     // for angles and hollow sections
    double r_1 = 0;  // root radius; hollow section: outer corner radius r_o
    double r_2 = 0;  // toe radius; hollow section: inner corner radius r_i
    double s = 0;    // gap between two angles back to back
};

// Properties computed from the nominal dimensions and radii.
struct Wlasnosci {
    double A = 0;             // area [mm²]
    double I_y = 0, I_z = 0;  // about the centroidal y-y, z-z axes [mm⁴]
    double I_yz = 0;          // product moment about them [mm⁴]
    double I_u = 0, I_v = 0;  // about the principal axes, I_u >= I_v [mm⁴]
    double alfa_u = 0;        // angle from y-y to u-u [rad], in [0, π/2]
    double e_y = 0, e_z = 0;  // centroid from the back of the leg h / of the leg b (angles),
                              // from the back of the web (UPN), else half the width/depth
    double masa = 0;          // mass per metre at 7850 kg/m³ [kg/m]
};

struct Profil {
    Rodzina rodzina{};
    Ksztalt ksztalt{};
    Wyrob wyrob{};
    std::string nazwa;
    Wymiary w;
    Wlasnosci wl;
};

// The families in the order a user interface lists them.
std::span<const OpisRodziny> rodziny();
const OpisRodziny& opis(Rodzina r);
std::optional<Rodzina> rodzina_z_klucza(std::string_view klucz);

// The profiles of a family in ascending mass; two angles back to back with the gap 10 mm.
const std::vector<Profil>& profile(Rodzina r);

// A profile by family and name, or by name alone (names differ between families). A name of two
// angles back to back may give any gap from 0 to 100 mm.
std::optional<Profil> znajdz_profil(Rodzina r, std::string_view nazwa);
std::optional<Profil> znajdz_profil(std::string_view nazwa);

// Two of the given single angles back to back on their legs h, the gap s >= 0 [mm] between them.
Profil dwa_katowniki(const Profil& katownik, double s);
// The same single angle turned so that its leg b stands along z, for joining the other legs.
Profil obrocony(const Profil& katownik);

// The properties by the code's symbols [mm, mm², mm⁴, kg/m].
inline double A(const Profil& p) {
    return p.wl.A;
}
inline double I_y(const Profil& p) {
    return p.wl.I_y;
}
inline double I_z(const Profil& p) {
    return p.wl.I_z;
}
inline double I_u(const Profil& p) {
    return p.wl.I_u;
}
inline double I_v(const Profil& p) {
    return p.wl.I_v;
}
inline double e_y(const Profil& p) {
    return p.wl.e_y;
}
inline double e_z(const Profil& p) {
    return p.wl.e_z;
}
inline double masa(const Profil& p) {
    return p.wl.masa;
}
// Radii of gyration i = √(I/A) [mm].
double i_y(const Profil& p);
double i_z(const Profil& p);
double i_u(const Profil& p);
double i_v(const Profil& p);
// The largest nominal thickness [mm], which picks f_y from Table 3.1.
double t_max(const Profil& p);

// Properties of a section of the given shape and dimensions; exposed so that a section not in
// the tables (a user's own) gets the same treatment. The corner radii must fit the walls.
Wlasnosci wlasnosci(Ksztalt k, const Wymiary& w);

// Straight length of a UPN web between its root fillets on the sloping flanges [mm].
double prosta_czesc_srodnika_ceownika(const Wymiary& w);

}  // namespace wymiarowanie
