// SPDX-License-Identifier: GPL-3.0-or-later
// The "Usuń" commands: remove one entity and compact its table. Every reference held elsewhere
// follows the renumbering, and what hangs on a removed node or bar goes with it, so the model
// keeps naming the entities it named before.
#include <vector>

#include "editing/edycja.h"
#include "editing/tablice.h"

namespace {

// Whether some bar names `n` in column `kolumna` of noc.
bool uzywany(const Model& m, int kolumna, int n) {
    for (int i = 1; i <= m.ne; ++i)
        if (m.noc[i][kolumna] == n) return true;
    return false;
}

// Numbers above k in column `kolumna` of noc go down by one.
void obniz_w_pretach(Model& m, int kolumna, int k) {
    for (int i = 1; i <= m.ne; ++i)
        if (m.noc[i][kolumna] > k) --m.noc[i][kolumna];
}

// Removes from a pair of parallel vectors (DOF and value) the entries on either DOF of node n,
// and moves the DOFs of higher nodes down by two when the node itself goes. Returns the new count.
template <class T>
int usun_z_wezla(Wektor<int>& dof, Wektor<T>& wartosc, int ile, int n, bool wezel_znika) {
    std::vector<char> zostaje(static_cast<std::size_t>(ile) + 1, 0);
    int nowe = 0;
    for (int i = 1; i <= ile; ++i) {
        zostaje[i] = dof[i] != 2 * n - 1 && dof[i] != 2 * n;
        nowe += zostaje[i];
    }
    if (nowe < ile) {
        auto z = [&](int i) { return zostaje[i] != 0; };
        kompaktuj(wartosc, ile, nowe, z);
        kompaktuj(dof, ile, nowe, z);
    }
    if (wezel_znika)
        for (int i = 1; i <= nowe; ++i)
            if (dof[i] > 2 * n) dof[i] -= 2;
    return nowe;
}

// Entries on either DOF of node n; the node number may lie anywhere in the int range.
int na_wezle(const Wektor<int>& dof, int ile, int n) {
    const long long dx = 2LL * n - 1, dy = 2LL * n;
    int r = 0;
    for (int i = 1; i <= ile; ++i) r += dof[i] == dx || dof[i] == dy;
    return r;
}

}  // namespace

// The menu commands: the prompt, then the removal of the number given.
void _OKNO_::Cm_u_mat() {
    if (model.Pusty == 0 && model.nm > 0)
        usun_material(zapytaj_o_numer(*this, "Podaj numer materiału :"));
    else
        port.Odswiez();
}
void _OKNO_::Cm_u_przek() {
    if (model.Pusty == 0 && model.na > 0)
        usun_przekroj(zapytaj_o_numer(*this, "Podaj numer przekroju :"));
    else
        port.Odswiez();
}
void _OKNO_::Cm_u_wez() {
    if (model.Pusty == 0 && model.nn > 0)
        usun_wezel(zapytaj_o_numer(*this, "Podaj numer węzła :"));
    else
        port.Odswiez();
}
void _OKNO_::Cm_u_pret() {
    if (model.Pusty == 0 && model.ne > 0)
        usun_pret(zapytaj_o_numer(*this, "Podaj numer pręta :"));
    else
        port.Odswiez();
}
void _OKNO_::Cm_u_podp() {
    if (model.Pusty == 0 && model.nd > 0)
        usun_podpore(zapytaj_o_numer(*this, "Podaj numer węzła :"));
    else
        port.Odswiez();
}
void _OKNO_::Cm_u_sile() {
    if (model.Pusty == 0 && model.nl > 0)
        usun_sile(zapytaj_o_numer(*this, "Podaj numer węzła :"));
    else
        port.Odswiez();
}

void _OKNO_::usun_material(int n) {
    Model& m = model;
    if (m.Pusty == 0 && n >= 1 && n <= m.nm) {
        if (uzywany(m, 3, n)) {
            port.MessageBox("Materiał jest używany przez element", "Usuwanie materiału",
                            Ikona::stop, Przyciski::ok);
        } else {
            zamknij_tabele();
            Przebudowa p(m);
            kompaktuj(m.pm, m.nm, m.nm - 1, 2, [n](int i) { return i != n; });
            --m.nm;
            przenumeruj_po_materiale(projekt, n);
            obniz_w_pretach(m, 3, n);
        }
    }
    port.Odswiez();
}

void _OKNO_::usun_przekroj(int n) {
    Model& m = model;
    if (m.Pusty == 0 && n >= 1 && n <= m.na) {
        if (uzywany(m, 4, n)) {
            port.MessageBox("Pole przekroju używane jest przez element", "Usuwanie pola przekroju",
                            Ikona::stop, Przyciski::ok);
        } else {
            zamknij_tabele();
            Przebudowa p(m);
            kompaktuj(m.area, m.na, m.na - 1, [n](int i) { return i != n; });
            --m.na;
            przenumeruj_po_przekroju(projekt, n);
            obniz_w_pretach(m, 4, n);
        }
    }
    port.Odswiez();
}

void _OKNO_::usun_wezel(int n) {
    Model& m = model;
    // A node at the end of a bar stays, without a message.
    if (m.Pusty == 0 && n >= 1 && n <= m.nn && !uzywany(m, 1, n) && !uzywany(m, 2, n))
        usun_wezly({n});
    port.Odswiez();
}

void _OKNO_::usun_wezly(const std::vector<int>& wezly) {
    Model& m = model;
    if (m.Pusty != 0 || wezly.empty()) return;
    // The new number of each node, 0 for those that go.
    std::vector<int> nowy(static_cast<std::size_t>(m.nn) + 1, 0);
    for (int n : wezly) nowy[static_cast<std::size_t>(n)] = -1;
    int j = 0;
    for (int i = 1; i <= m.nn; ++i) nowy[i] = nowy[i] == -1 ? 0 : ++j;
    zamknij_tabele();
    Przebudowa p(m);
    kompaktuj(m.x, m.nn, j, 2, [&](int i) { return nowy[i] != 0; });
    const int nn = m.nn;
    m.nn = j;
    m.nq = 2 * m.nn;
    utworz_na_nowo(m.f, m.nq);
    // Numbers in bars follow; numbers beyond the nodes, which name nothing, move down as far.
    auto numer = [&](int n) {
        if (n >= 1 && n <= nn) return nowy[n];
        return n > nn ? n - static_cast<int>(wezly.size()) : n;
    };
    for (int b = 1; b <= m.ne; ++b)
        m.noc[b][1] = numer(m.noc[b][1]), m.noc[b][2] = numer(m.noc[b][2]);
    // The other cases' loads, highest node first so that each number still names its node.
    for (auto i = wezly.rbegin(); i != wezly.rend(); ++i) przenumeruj_po_wezle(projekt, *i);
    // The nodes' supports and forces go with them; the others follow their nodes.
    auto przenumeruj = [&](Wektor<int>& dof, auto& wartosc, int ile) {
        std::vector<char> zostaje(static_cast<std::size_t>(ile) + 1, 0);
        int nowe = 0;
        for (int i = 1; i <= ile; ++i) {
            const int w = dof[i] >= 1 ? dof[i] / 2 + dof[i] % 2 : 0;
            zostaje[i] = !(w >= 1 && w <= nn && nowy[w] == 0);
            nowe += zostaje[i];
        }
        if (nowe < ile) {
            auto z = [&](int i) { return zostaje[i] != 0; };
            kompaktuj(wartosc, ile, nowe, z);
            kompaktuj(dof, ile, nowe, z);
        }
        for (int i = 1; i <= nowe; ++i)
            if (dof[i] >= 1) dof[i] = 2 * numer(dof[i] / 2 + dof[i] % 2) - dof[i] % 2;
        return nowe;
    };
    m.nd = przenumeruj(m.nu, m.u, m.nd);
    utworz_na_nowo(m.react, m.nd);
    m.nl = przenumeruj(m.ild, m.al, m.nl);
    m.obliczono = 0;
}

void _OKNO_::usun_pret(int n) {
    Model& m = model;
    if (m.Pusty == 0 && n >= 1 && n <= m.ne) usun_prety({n});
    port.Odswiez();
}

void _OKNO_::usun_prety(const std::vector<int>& prety) {
    Model& m = model;
    if (m.Pusty != 0 || prety.empty()) return;
    std::vector<int> nowy(static_cast<std::size_t>(m.ne) + 1, 0);
    for (int n : prety) nowy[static_cast<std::size_t>(n)] = -1;
    int j = 0;
    for (int i = 1; i <= m.ne; ++i) nowy[i] = nowy[i] == -1 ? 0 : ++j;
    zamknij_tabele();
    Przebudowa p(m);
    const int ne = m.ne;
    kompaktuj(m.noc, m.ne, j, 4, [&](int i) { return nowy[i] != 0; });
    m.ne = j;
    utworz_na_nowo(m.stressp, m.ne);
    // The bars' temperature changes go with them; later bars' entries follow their bars.
    for (auto i = prety.rbegin(); i != prety.rend(); ++i) {
        usun_temperatury_preta(m, *i);
        przenumeruj_po_precie(projekt, *i);
    }
    for (int i = 1; i <= m.ntel; ++i) {
        const int b = m.nset[i];
        m.nset[i] = b >= 1 && b <= ne ? nowy[b] : b > ne ? b - static_cast<int>(prety.size()) : b;
    }
    m.obliczono = 0;
}

void _OKNO_::usun_podpore(int n) {
    Model& m = model;
    if (m.Pusty == 0 && m.nd > 0 && n >= 1 && n <= m.nn) {
        if (na_wezle(m.nu, m.nd, n) == 0) {
            port.MessageBox("W tym węźle nie ma podpór..", "Usuwanie podpór", Ikona::stop,
                            Przyciski::ok);
        } else {
            zamknij_tabele();
            Przebudowa p(m);
            m.nd = usun_z_wezla(m.nu, m.u, m.nd, n, false);
            utworz_na_nowo(m.react, m.nd);
            m.obliczono = 0;
        }
    }
    port.Odswiez();
}

void _OKNO_::usun_sile(int n) {
    Model& m = model;
    if (m.Pusty == 0 && m.nl > 0 && n >= 1) {
        if (na_wezle(m.ild, m.nl, n) == 0) {
            port.MessageBox("W tym węźle nie ma sił..", "Usuwanie sił", Ikona::stop, Przyciski::ok);
        } else {
            zamknij_tabele();
            Przebudowa p(m);
            m.nl = usun_z_wezla(m.ild, m.al, m.nl, n, false);
            m.obliczono = 0;
        }
    }
    port.Odswiez();
}
