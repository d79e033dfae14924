// SPDX-License-Identifier: GPL-3.0-or-later
// The dimension tables of the section families (dane_*.cpp); each table names its source.
#pragma once

#include <span>

namespace wymiarowanie::dane {

// Angle: legs h >= b, thickness t, root radius r1, toe radius r2 [mm].
struct Katownik {
    double h, b, t, r1, r2;
};
// I or H section: series number, depth, flange width, web and flange thickness, root radius.
struct Dwuteownik {
    int nr;
    double h, b, tw, tf, r;
};
// Taper-flange channel: the size as named ("100", "30x15"), then as Dwuteownik plus the toe
// radius r2.
struct Ceownik {
    const char* nr;
    double h, b, tw, tf, r1, r2;
};
struct RuraOkragla {
    double d, t;
};
// Square (h == b) or rectangular hollow section.
struct RuraProstokatna {
    double h, b, t;
};

std::span<const Katownik> katowniki_rownoramienne();
std::span<const Katownik> katowniki_nierownoramienne();
std::span<const Dwuteownik> ipe();
std::span<const Dwuteownik> hea();
std::span<const Dwuteownik> heb();
std::span<const Ceownik> upn();
std::span<const RuraOkragla> ro_na_goraco();
std::span<const RuraOkragla> ro_na_zimno();
std::span<const RuraProstokatna> rk_na_goraco();
std::span<const RuraProstokatna> rk_na_zimno();
std::span<const RuraProstokatna> rp_na_goraco();
std::span<const RuraProstokatna> rp_na_zimno();

}  // namespace wymiarowanie::dane
