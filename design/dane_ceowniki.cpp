// SPDX-License-Identifier: GPL-3.0-or-later
// Hot-rolled taper-flange channels UPN, dimensions to DIN 1026-1 (tolerances EN 10279), every
// size of the series from U 30x15 to U 400.
//
// Source: the DIN 1026-1 dimension table reproduced on amesweb.info, "Tapered Flange Channel
// (U Profile) Section Properties Sizes Chart" (h, b, s = tw, t = tf, r1, r2), checked for
// UPN 50..400 against the ArcelorMittal values in waynemaranga/steelsnakes,
// src/steelsnakes/EU/data/UPN.json, and against the ArcelorMittal catalogue page for UPN (flange
// slope 8 % for h <= 300, 5 % above; r2 of UPN 320 = 8.75 mm).
#include "design/dane.h"

namespace wymiarowanie::dane {

namespace {

// size, h, b, tw, tf, r1, r2 [mm]
constexpr Ceownik upn_[] = {
    {"30x15", 30, 15, 4, 4.5, 4.5, 2},
    {"30", 30, 33, 5, 7, 7, 3.5},
    {"40x20", 40, 20, 5, 5.5, 5, 2.5},
    {"40", 40, 35, 5, 7, 7, 3.5},
    {"50x25", 50, 25, 5, 6, 6, 3},
    {"50", 50, 38, 5, 7, 7, 3.5},
    {"60", 60, 30, 6, 6, 6, 3},
    {"65", 65, 42, 5.5, 7.5, 7.5, 4},
    {"80", 80, 45, 6, 8, 8, 4},
    {"100", 100, 50, 6, 8.5, 8.5, 4.5},
    {"120", 120, 55, 7, 9, 9, 4.5},
    {"140", 140, 60, 7, 10, 10, 5},
    {"160", 160, 65, 7.5, 10.5, 10.5, 5.5},
    {"180", 180, 70, 8, 11, 11, 5.5},
    {"200", 200, 75, 8.5, 11.5, 11.5, 6},
    {"220", 220, 80, 9, 12.5, 12.5, 6.5},
    {"240", 240, 85, 9.5, 13, 13, 6.5},
    {"260", 260, 90, 10, 14, 14, 7},
    {"280", 280, 95, 10, 15, 15, 7.5},
    {"300", 300, 100, 10, 16, 16, 8},
    {"320", 320, 100, 14, 17.5, 17.5, 8.75},
    {"350", 350, 100, 14, 16, 16, 8},
    {"380", 380, 102, 13.5, 16, 16, 8},
    {"400", 400, 110, 14, 18, 18, 9},
};

}  // namespace

std::span<const Ceownik> upn() {
    return upn_;
}

}  // namespace wymiarowanie::dane
