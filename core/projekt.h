// SPDX-License-Identifier: GPL-3.0-or-later
// The project: beside the store, the record of what a .V2D file cannot hold -- every load case,
// how the cases combine, the weight densities of the materials, the title and the author. The
// store's load arrays (ild, al, u, nset, temp) hold the current case; the record holds the others,
// so every command that edits loads edits the current case without knowing of the rest.
#pragma once

#include <string>
#include <vector>

#include "core/model.h"

// The loads of one case while another is current. Forced displacements are kept by DOF, since
// which DOFs are held is common to every case and may change meanwhile: a DOF no longer held
// drops its value, a DOF newly held starts at 0.
struct ObciazeniaPrzypadku {
    std::vector<int> ild;  // loaded DOF, as the store's ild
    std::vector<float> al;
    std::vector<int> dof_wymuszen;  // held DOF with a forced displacement, ascending
    std::vector<float> wymuszenia;
    std::vector<int> nset;  // bar with a temperature change, as the store's nset
    std::vector<float> temp;
    bool operator==(const ObciazeniaPrzypadku&) const = default;
};

struct PrzypadekObciazen {
    std::string nazwa;
    bool zmienny = false;  // a variable action (Q); a permanent one (G) otherwise
    // A variable case's category, numbered as the combinations' code numbers them, and its psi
    // factors (the category's by default, the user's own where changed).
    int kategoria = 0;
    double psi0 = 0, psi1 = 0, psi2 = 0;
    std::string grupa;  // cases of one exclusive group never act together; empty: none
    bool ciezar_wlasny = false;
    double wsp_ciezaru = 1.0;  // the self-weight is multiplied by it
    ObciazeniaPrzypadku obc;   // empty while the case is current: the store holds it
    bool operator==(const PrzypadekObciazen&) const = default;
};

// How the automatic combinations are made, and the user's own.
struct UstawieniaKombinacji {
    bool rownania_610ab = true;  // expressions 6.10a and 6.10b; 6.10 otherwise
    double gamma_G_sup = 1.35, gamma_G_inf = 1.00, gamma_Q = 1.5, xi = 0.85;
    bool operator==(const UstawieniaKombinacji&) const = default;
};
struct KombinacjaWlasna {
    std::string nazwa;
    std::vector<double> wsp;  // one factor per case
    bool operator==(const KombinacjaWlasna&) const = default;
};

// Member design: which steel each cross-section is, how each bar buckles, and the factors of the
// whole project. Profiles and grades are kept by the keys and names the section library gives
// them; core itself does not know the library.
struct PrzekrojStalowy {
    std::string rodzina;  // key of the linked profile's family ("L", "RO", ...); empty: none
    std::string profil;   // the profile's name in it ("L 80x8"); its area is the section's
    std::string gatunek = "S235";
    double wsp_A_net = 1.0;   // A_net / A at the holes of the connections
    double szczelina = 10.0;  // between two angles back to back [mm]
    // A section without a profile is checked from its smallest radius of gyration (model
    // length units), its buckling curve ("a0" .. "d") and its class; none of them guessed.
    double i_min = 0.0;
    std::string krzywa;
    bool klasa_4 = false;
    std::string rodzina_doboru;  // the family sizing picks from; empty: the linked one's
    bool operator==(const PrzekrojStalowy&) const = default;
};
struct PretStalowy {
    // Buckling lengths in the truss's plane and out of it: a factor of the bar's length, or a
    // length in the model's units.
    double L_w = 1.0, L_z = 1.0;
    bool L_w_dlugosc = false, L_z_dlugosc = false;
    // An angle web member's end connections: 0 none given (plain buckling), 1 welded or at least
    // two bolts (the effective slenderness may be used), 2 one bolt.
    int polaczenie = 0;
    bool operator==(const PretStalowy&) const = default;
};
struct DaneWymiarowania {
    // Per cross-section and per bar. Both are empty until the project has design data, so that a
    // project without any compares equal to a new one; then they follow na and ne.
    std::vector<PrzekrojStalowy> przekroje;
    std::vector<PretStalowy> prety;
    double E = 210000.0;  // MPa
    double gamma_M0 = 1.00, gamma_M1 = 1.00, gamma_M2 = 1.25;
    // The largest SLS displacement allowed: the span over n, or a length in the model's units.
    bool ugiecie_dlugosc = false;
    double ugiecie = 250.0;
    bool operator==(const DaneWymiarowania&) const = default;
};

// A section's or a bar's design data; the defaults where the project keeps none.
const PrzekrojStalowy& przekroj_stalowy(const DaneWymiarowania& d, int n);
const PretStalowy& pret_stalowy(const DaneWymiarowania& d, int b);
// Whether a section is linked to a profile.
inline bool powiazany(const PrzekrojStalowy& s) {
    return !s.rodzina.empty();
}
// Whether the project holds design data worth saving: a section with a profile or data of its
// own, a bar or a factor other than the defaults.
bool jest_wymiarowanie(const DaneWymiarowania& d);
// The per-section and per-bar lists sized to the store, so that they can be written to.
void rozwin_wymiarowanie(DaneWymiarowania& d, int na, int ne);

struct Projekt {
    std::vector<PrzypadekObciazen> przypadki = {nowy_przypadek(1)};
    int biezacy = 0;  // the case the store holds
    UstawieniaKombinacji kombinacje;
    std::vector<KombinacjaWlasna> wlasne;
    std::vector<float> ciezar;  // weight density per material [0..nm-1], force per length^3
    std::string tytul, autor, opis;
    DaneWymiarowania wymiarowanie;
    bool operator==(const Projekt&) const = default;

    // The default case: "Przypadek n", permanent.
    static PrzypadekObciazen nowy_przypadek(int n);
    std::size_t bajty() const;
};

// Which results the view, the tables and the exports show: the current case, one combination
// (by its place in the project's list of combinations), or the envelope over the combinations.
struct PokazWynikow {
    enum Rodzaj { przypadek, kombinacja, obwiednia };
    Rodzaj rodzaj = przypadek;
    int indeks = 0;
    bool operator==(const PokazWynikow&) const = default;
};

// Whether the project has anything a .V2D file cannot hold: a second case, user combinations,
// densities, self-weight, a title or an author or a description, design data. Combination
// settings left at their defaults do not count.
bool poza_v2d(const Projekt& p);

// A store vector 1..n holding a list's values (none for an empty list).
Wektor<float> wektor_z_listy(const std::vector<float>& v);
Wektor<int> wektor_z_listy(const std::vector<int>& v);

// The store's loads as a case's record, and a case's record into the store's arrays.
ObciazeniaPrzypadku obciazenia_magazynu(const Konstrukcja& k);
void wstaw_obciazenia(Konstrukcja& k, const ObciazeniaPrzypadku& o);

// Makes case `nowy` current: the store's loads go to the case that was current, the new one's
// come into the store.
void ustaw_biezacy(Konstrukcja& k, Projekt& p, int nowy);

// Every case's loads, the current one read from the store.
std::vector<ObciazeniaPrzypadku> obciazenia_przypadkow(const Konstrukcja& k, const Projekt& p);

// What the record keeps beside the store follows it after an edit: densities resized to the
// materials, design data to the sections and bars, the other cases' loads on nodes, bars or DOFs
// that no longer exist or are no longer held are dropped. Cheap when nothing changed.
void uzgodnij(const Konstrukcja& k, Projekt& p);

// The record's part of the renumbering when the store drops node, bar or material n: the other
// cases' entries follow the store's, the dropped entity's go with it.
void przenumeruj_po_wezle(Projekt& p, int n);
void przenumeruj_po_precie(Projekt& p, int n);
void przenumeruj_po_materiale(Projekt& p, int n);
void przenumeruj_po_przekroju(Projekt& p, int n);
