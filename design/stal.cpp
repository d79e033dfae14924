// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/stal.h"

#include "design/przekroje.h"

namespace wymiarowanie {

namespace {

constexpr Gatunek wszystkie[] = {Gatunek::S235, Gatunek::S275, Gatunek::S355, Gatunek::S420,
                                 Gatunek::S460};

// One row of PN-EN 1993-1-1 Table 3.1 (with AC:2009 and A1:2014): f_y, f_u for t <= 40 mm and
// for 40 mm < t <= 80 mm; 0 where the table is empty. Values as reproduced from the table in
// Blueprints-org/blueprints, codes/eurocode/en_1993_1_1_2005/chapter_3_materials/table_3_1.py.
struct Wiersz {
    const char* oznaczenie;
    const char* norma;
    double f_y40, f_u40, f_y80, f_u80;
};

// Rows indexed by grade. EN 10025-2 has no S420 or S460, so the rolled sections take them from
// EN 10025-4 (thermomechanically rolled M/ML); EN 10219-1 has S420 only as MH, and S460 is taken
// as MH too, the lower f_u of its two rows.
constexpr Wiersz walcowane[] = {
    {"S235", "EN 10025-2", 235, 360, 215, 360},  {"S275", "EN 10025-2", 275, 430, 255, 410},
    {"S355", "EN 10025-2", 355, 490, 335, 470},  {"S420M", "EN 10025-4", 420, 520, 390, 500},
    {"S460M", "EN 10025-4", 460, 540, 430, 530},
};
constexpr Wiersz na_goraco[] = {
    {"S235H", "EN 10210-1", 235, 360, 215, 340},  {"S275H", "EN 10210-1", 275, 430, 255, 410},
    {"S355H", "EN 10210-1", 355, 510, 335, 490},  {"S420NH", "EN 10210-1", 420, 540, 390, 520},
    {"S460NH", "EN 10210-1", 460, 560, 430, 550},
};
constexpr Wiersz na_zimno[] = {
    {"S235H", "EN 10219-1", 235, 360, 0, 0},  {"S275H", "EN 10219-1", 275, 430, 0, 0},
    {"S355H", "EN 10219-1", 355, 510, 0, 0},  {"S420MH", "EN 10219-1", 420, 500, 0, 0},
    {"S460MH", "EN 10219-1", 460, 530, 0, 0},
};

}  // namespace

const char* nazwa(Gatunek g) {
    switch (g) {
        case Gatunek::S235:
            return "S235";
        case Gatunek::S275:
            return "S275";
        case Gatunek::S355:
            return "S355";
        case Gatunek::S420:
            return "S420";
        case Gatunek::S460:
            return "S460";
    }
    return "";
}

std::optional<Gatunek> gatunek(std::string_view n) {
    for (Gatunek g : wszystkie)
        if (n == nazwa(g)) return g;
    return std::nullopt;
}

std::span<const Gatunek> gatunki() {
    return wszystkie;
}

Wytrzymalosc wytrzymalosc(Gatunek g, Wyrob w, double t) {
    const Wiersz& r = (w == Wyrob::walcowany        ? walcowane
                       : w == Wyrob::rura_na_goraco ? na_goraco
                                                    : na_zimno)[static_cast<int>(g)];
    Wytrzymalosc s;
    s.oznaczenie = r.oznaczenie;
    s.norma = r.norma;
    if (!(t > 0)) return s;
    if (t <= 40) {
        s.f_y = r.f_y40;
        s.f_u = r.f_u40;
    } else if (t <= 80) {
        s.f_y = r.f_y80;
        s.f_u = r.f_u80;
    }
    s.okreslona = s.f_y > 0;
    return s;
}

Wytrzymalosc wytrzymalosc(Gatunek g, const Profil& p) {
    return wytrzymalosc(g, p.wyrob, t_max(p));
}

}  // namespace wymiarowanie
