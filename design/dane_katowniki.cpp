// SPDX-License-Identifier: GPL-3.0-or-later
// Hot-rolled equal and unequal leg angles, dimensions to PN-EN 10056-1.
//
// Source: the tables of equal and unequal angles of the SCI/Tata Steel "Blue Book" (SCI P363,
// dimensions and properties to BS EN 10056-1), read as reproduced in the public repository
// waynemaranga/steelsnakes, files src/steelsnakes/UK/data/L_EQUAL.json and
// src/steelsnakes/data/sections/UK/L_UNEQUAL.json. Only the sizes that table gives as sizes of
// EN 10056-1 are kept (its "additional", non-standard sizes are left out); the standard's
// sizes outside that table's range (it ends at 200 mm) are not here.
#include "design/dane.h"

namespace wymiarowanie::dane {

namespace {

// h = b, t, r1, r2 [mm]
constexpr Katownik rownoramienne[] = {
    {20, 20, 3, 3.5, 1.75},  {25, 25, 3, 3.5, 1.75},  {25, 25, 4, 3.5, 1.75}, {30, 30, 3, 5, 2.5},
    {30, 30, 4, 5, 2.5},     {35, 35, 4, 5, 2.5},     {40, 40, 4, 6, 3},      {40, 40, 5, 6, 3},
    {45, 45, 4.5, 7, 3.5},   {50, 50, 4, 7, 3.5},     {50, 50, 5, 7, 3.5},    {50, 50, 6, 7, 3.5},
    {60, 60, 5, 8, 4},       {60, 60, 6, 8, 4},       {60, 60, 8, 8, 4},      {65, 65, 7, 9, 4.5},
    {70, 70, 6, 9, 4.5},     {70, 70, 7, 9, 4.5},     {75, 75, 6, 9, 4.5},    {75, 75, 8, 9, 4.5},
    {80, 80, 8, 10, 5},      {80, 80, 10, 10, 5},     {90, 90, 7, 11, 5.5},   {90, 90, 8, 11, 5.5},
    {90, 90, 10, 11, 5.5},   {100, 100, 8, 12, 6},    {100, 100, 10, 12, 6},  {100, 100, 12, 12, 6},
    {120, 120, 10, 13, 6.5}, {120, 120, 12, 13, 6.5}, {150, 150, 10, 16, 8},  {150, 150, 12, 16, 8},
    {150, 150, 15, 16, 8},   {200, 200, 16, 18, 9},   {200, 200, 18, 18, 9},  {200, 200, 20, 18, 9},
    {200, 200, 24, 18, 9},
};

// h, b, t, r1, r2 [mm]
constexpr Katownik nierownoramienne[] = {
    {30, 20, 3, 4, 2},       {30, 20, 4, 4, 2},       {40, 20, 4, 4, 2},
    {40, 25, 4, 4, 2},       {45, 30, 4, 4.5, 2.25},  {50, 30, 5, 5, 2.5},
    {60, 30, 5, 5, 2.5},     {60, 40, 5, 6, 3},       {60, 40, 6, 6, 3},
    {65, 50, 5, 6, 3},       {70, 50, 6, 7, 3.5},     {75, 50, 6, 7, 3.5},
    {75, 50, 8, 7, 3.5},     {80, 40, 6, 7, 3.5},     {80, 40, 8, 7, 3.5},
    {80, 60, 7, 8, 4},       {100, 50, 6, 8, 4},      {100, 50, 8, 8, 4},
    {100, 75, 8, 10, 5},     {100, 75, 10, 10, 5},    {100, 75, 12, 10, 5},
    {125, 75, 8, 11, 5.5},   {125, 75, 10, 11, 5.5},  {125, 75, 12, 11, 5.5},
    {150, 75, 10, 12, 6},    {150, 75, 12, 12, 6},    {150, 75, 15, 12, 6},
    {150, 90, 10, 12, 6},    {150, 90, 12, 12, 6},    {150, 90, 15, 12, 6},
    {200, 100, 10, 15, 7.5}, {200, 100, 12, 15, 7.5}, {200, 100, 15, 15, 7.5},
    {200, 150, 12, 15, 7.5}, {200, 150, 15, 15, 7.5},
};

}  // namespace

std::span<const Katownik> katowniki_rownoramienne() {
    return rownoramienne;
}
std::span<const Katownik> katowniki_nierownoramienne() {
    return nierownoramienne;
}

}  // namespace wymiarowanie::dane
