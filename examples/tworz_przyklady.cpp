// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the example projects of this folder: tworz_przyklady [FOLDER] (the current one by
// default). The files in the repository are its output; run it again after changing a model.
#include <cstdio>
#include <string>

#include "files/v2d.h"
#include "tests/wspolne/kratownice.h"

namespace {

void pret(Model& m, int e, int a, int b, int przekroj) {
    m.noc[e][1] = a, m.noc[e][2] = b, m.noc[e][3] = 1, m.noc[e][4] = przekroj;
}

// Steel in kN and m: E in kPa, alpha per kelvin.
void stal(Model& m) {
    m.pm[1][1] = 2.1e8f, m.pm[1][2] = 1.2e-5f;
}

// An eight-bay bridge, 24 m long and 4 m deep: pinned at the left end, on a roller at the right,
// 10 kN at every bottom node.
void most_pratta(Model& m) {
    pratt(m, 8, 3.0f, 4.0f, 8, -10.0f);
}

// A 12 m roof truss on three walls; the middle wall settles 2 mm. The truss is then held in one
// place too many, so the settlement strains it on top of the roof load.
void dach_osiadanie(Model& m) {
    przygotuj(m, 13, 8, 4, 3, 1, 2);
    stal(m);
    m.area[1] = 0.002f;  // chords
    m.area[2] = 0.001f;  // verticals and diagonals
    const float wezly[8][2] = {{0, 0},  {3, 0},    {6, 0}, {9, 0},
                               {12, 0}, {3, 1.5f}, {6, 3}, {9, 1.5f}};
    for (int k = 1; k <= 8; ++k) m.x[k][1] = wezly[k - 1][0], m.x[k][2] = wezly[k - 1][1];
    const int prety[13][3] = {{1, 2, 1}, {2, 3, 1}, {3, 4, 1}, {4, 5, 1}, {1, 6, 1},
                              {6, 7, 1}, {7, 8, 1}, {8, 5, 1}, {2, 6, 2}, {3, 7, 2},
                              {4, 8, 2}, {6, 3, 2}, {8, 3, 2}};
    for (int e = 1; e <= 13; ++e) pret(m, e, prety[e - 1][0], prety[e - 1][1], prety[e - 1][2]);
    const int nu[4] = {1, 2, 6, 10};  // node 1 in X and Y, nodes 3 and 5 in Y
    const float u[4] = {0.0f, 0.0f, -0.002f, 0.0f};
    for (int i = 1; i <= 4; ++i) m.nu[i] = nu[i - 1], m.u[i] = u[i - 1];
    for (int i = 1; i <= 3; ++i) m.ild[i] = 2 * (5 + i), m.al[i] = -15.0f;  // nodes 6, 7, 8
}

// One 2 m bar held at both ends in X and Y and warmed by 40 K: it cannot lengthen, so it carries
// the stress -E * alpha * dT = -100800 kPa.
void pret_temperatura(Model& m) {
    przygotuj(m, 1, 2, 4, 0, 1, 1, 1);
    stal(m);
    m.area[1] = 0.01f;
    m.x[1][1] = 0.0f, m.x[1][2] = 0.0f, m.x[2][1] = 2.0f, m.x[2][2] = 0.0f;
    pret(m, 1, 1, 2, 1);
    for (int i = 1; i <= 4; ++i) m.nu[i] = i, m.u[i] = 0.0f;
    m.temp[1] = 40.0f, m.nset[1] = 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string folder = argc > 1 ? argv[1] : ".";
    const struct {
        const char* nazwa;
        void (*buduj)(Model&);
    } przyklady[] = {
        {"most_pratta.V2D", most_pratta},
        {"dach_osiadanie.V2D", dach_osiadanie},
        {"pret_temperatura.V2D", pret_temperatura},
    };
    int kod = 0;
    for (const auto& p : przyklady) {
        Model m;
        p.buduj(m);
        const std::string sciezka = folder + "/" + p.nazwa;
        std::string powod;
        if (zapisz_v2d(sciezka, m, powod)) {
            std::printf("zapisano %s\n", sciezka.c_str());
        } else {
            std::fprintf(stderr, "Nie można zapisać do pliku %s: %s\n", sciezka.c_str(),
                         powod.c_str());
            kod = 2;
        }
    }
    return kod;
}
