// SPDX-License-Identifier: GPL-3.0-or-later
// Member design of the project to PN-EN 1993-1-1: every bar checked over the ULS combinations and
// the user's own, from its section's profile and grade, its buckling lengths and the results of
// every load case; the largest SLS displacement against its limit; and the sizing of the sections.
// Shared by the window, the tables, the exports and the command-line analyser. The checks work in
// N, mm and MPa; what they are given and what they give back crosses the model's units through
// `Przelicznik` alone.
#pragma once

#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "core/model.h"
#include "core/projekt.h"
#include "design/kombinacje.h"
#include "design/przekroje.h"
#include "design/sprawdzenie.h"
#include "files/jednostki.h"

// What stops design as a whole, in the program's words; empty when it can run (results aside).
std::string brak_jednostek_wymiarowania(UkladJednostek u);

// The profile a section is linked to, as the library gives it (with the gap of two angles).
std::optional<wymiarowanie::Profil> profil_przekroju(const PrzekrojStalowy& s);
// Its area in the model's units.
float pole_profilu(const wymiarowanie::Profil& p, Przelicznik u);
// Whether the project has sections the checks can take: linked, or with data of their own.
bool ma_przekroje_stalowe(const DaneWymiarowania& d);

// A cross-section as the checks take it (N, mm, MPa).
struct PrzekrojDoSprawdzenia {
    std::string nazwa;  // the profile's name, or "bez profilu"
    std::string gatunek;
    bool profil = false;  // from a profile (else from the user's own data)
    wymiarowanie::Ksztalt ksztalt{};
    double A = 0;  // mm²
    int klasa = 0;
    double f_y = 0, f_u = 0, wsp_A_net = 1;
    // Radii of gyration [mm] and imperfection factors: in the truss's plane (about y-y of the
    // section, whose web or legs h stand in that plane), out of it (z-z), and about v-v for a
    // single angle (i_v = 0 otherwise).
    double i_w = 0, i_z = 0, i_v = 0;
    double alfa_w = 0, alfa_z = 0, alfa_v = 0;
    std::string krzywa_w, krzywa_z, krzywa_v;
    double masa = 0;    // kg/m, 0 without a profile
    std::string powod;  // why its bars cannot be checked; empty when they can
    bool katownik() const {
        return profil && (ksztalt == wymiarowanie::Ksztalt::katownik ||
                          ksztalt == wymiarowanie::Ksztalt::dwa_katowniki);
    }
};
// Section n (from 1) of the store: its linked profile, or its own data with the model's area.
PrzekrojDoSprawdzenia przekroj_do_sprawdzenia(const Konstrukcja& k, const DaneWymiarowania& d,
                                              int n, Przelicznik u);
// A profile with a section's grade and net-area ratio.
PrzekrojDoSprawdzenia przekroj_z_profilu(const wymiarowanie::Profil& p, const PrzekrojStalowy& s);

// The data of bar b's checks with section s, which need not be the bar's own (sizing tries
// others): the buckling lengths from its length and its factors or lengths.
DanePreta dane_preta(const Konstrukcja& k, const DaneWymiarowania& d,
                     const PrzekrojDoSprawdzenia& s, int b, Przelicznik u);

// One bar's outcome, in the model's units where it has units.
struct WymiarowaniePreta {
    int przekroj = 0;  // the bar's section number
    StanSprawdzenia stan = StanSprawdzenia::nie_sprawdzono;
    std::string powod;                                      // why it was not checked
    double N_min = 0, N_max = 0;                            // N_Ed over the ULS combinations
    double N_Rd = 0;                                        // of the governing check; 0 none
    double chi = std::numeric_limits<double>::quiet_NaN();  // of the governing buckling axis
    double U = 0;
    int kombinacja = -1;      // the governing one, in the project's list
    std::string sprawdzenie;  // the governing check
};

// The largest SLS displacement against its limit.
struct SprawdzenieUgiecia {
    bool sprawdzono = false;
    std::string powod;        // why not
    double u = 0, u_dop = 0;  // model length units
    int wezel = 0, kombinacja = -1;
    bool spelnia() const { return sprawdzono && u <= u_dop; }
};

struct WynikWymiarowania {
    std::string blad;  // design did not run at all: the reason; then nothing below holds
    std::vector<PrzekrojDoSprawdzenia> przekroje;  // per section, from 0
    std::vector<WymiarowaniePreta> prety;          // per bar, from 0
    SprawdzenieUgiecia ugiecie;
    int spelnia = 0, nie_spelnia = 0, nie_sprawdzono = 0;
    int najwieksze = 0;  // the bar of the greatest U among those checked (from 1), 0 none
    double U_max = 0;
};

// The design from the results of every case in k.wyniki (as the last analysis left them).
WynikWymiarowania wymiaruj(const Konstrukcja& k, const Projekt& p, UkladJednostek u,
                           const std::vector<Kombinacja>& kombinacje);

// Bar b's checks with every intermediate value (N, mm, MPa), for a report.
WynikPreta sprawdz_pret_projektu(const Konstrukcja& k, const Projekt& p, UkladJednostek u,
                                 const std::vector<Kombinacja>& kombinacje, int b);

// Steel mass of the bars [kg]: 7850 kg/m³ (the density the product standards compute their
// masses with) times each bar's area and length.
double masa_stali(const Konstrukcja& k, Przelicznik u);

// Each linked section's area made its profile's in the model's units; true when one changed.
bool pola_z_profili(Konstrukcja& k, const DaneWymiarowania& d, UkladJednostek u);

// Sizing: for each section whose entry in `rodziny` names a family (its key), the lightest
// profile of that family with which every bar of the section passes; the truss is analysed again
// and the choice repeated until nothing changes, at most `najwiecej_rund` analyses. The model ends
// analysed with what was chosen.
struct WynikDoboru {
    std::string blad;  // the analysis failed: its message; the model is then as it was left
    bool ustalony = false;
    int rundy = 0;
    double masa_przed = 0, masa_po = 0;
    struct Zmiana {
        int przekroj;
        std::string przed, po;
    };
    std::vector<Zmiana> zmiany;
    std::vector<std::string> uwagi;  // sections no profile of their family satisfies
};
inline constexpr int rundy_doboru = 8;
WynikDoboru dobierz_przekroje(Model& m, Projekt& p, UkladJednostek u,
                              const std::vector<std::string>& rodziny,
                              int najwiecej_rund = rundy_doboru);
