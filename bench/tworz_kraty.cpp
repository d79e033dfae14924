// SPDX-License-Identifier: GPL-3.0-or-later
// Writes braced lattices as .V2D projects for timing the command-line analyser under different
// node numberings:
//   tworz_kraty FOLDER WEZLY_X WEZLY_Y
// gives FOLDER/krata_XxY_krotko.V2D (numbered along the short side), _dlugo (along the long side)
// and _losowo (at random).
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "files/v2d.h"
#include "tests/wspolne/kratownice.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "Użycie: tworz_kraty FOLDER WEZLY_X WEZLY_Y\n");
        return 2;
    }
    const std::string folder = argv[1];
    int a = std::atoi(argv[2]), b = std::atoi(argv[3]);
    if (a < 2 || b < 2) return 2;
    const std::string nazwa = folder + "/krata_" + argv[2] + "x" + argv[3];
    if (a > b) std::swap(a, b);  // a: the short side
    for (const char* wariant : {"krotko", "dlugo", "losowo"}) {
        // One truss, rows of a nodes along the short side, b rows; only the numbers differ.
        Model m;
        krata(m, a - 1, b - 1);
        const std::string w = wariant;
        if (w == "losowo") przenumeruj(m, losowa_numeracja(m.nn, 1));
        if (w == "dlugo") {
            std::vector<int> nowy(static_cast<std::size_t>(m.nn) + 1);
            for (int r = 0; r < b; ++r)
                for (int c = 0; c < a; ++c) nowy[r * a + c + 1] = c * b + r + 1;
            przenumeruj(m, nowy);
        }
        std::string powod;
        const std::string plik = nazwa + "_" + w + ".V2D";
        if (!zapisz_v2d(plik, m, powod)) {
            std::fprintf(stderr, "%s: %s\n", plik.c_str(), powod.c_str());
            return 1;
        }
        std::printf("%s\n", plik.c_str());
    }
    return 0;
}
