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
    if (m.Pusty == 0 && n >= 1 && n <= m.nn && !uzywany(m, 1, n) && !uzywany(m, 2, n)) {
        zamknij_tabele();
        Przebudowa p(m);
        kompaktuj(m.x, m.nn, m.nn - 1, 2, [n](int i) { return i != n; });
        --m.nn;
        m.nq = 2 * m.nn;
        utworz_na_nowo(m.f, m.nq);
        obniz_w_pretach(m, 1, n);
        obniz_w_pretach(m, 2, n);
        przenumeruj_po_wezle(projekt, n);
        // The node's supports and forces go with it.
        m.nd = usun_z_wezla(m.nu, m.u, m.nd, n, true);
        utworz_na_nowo(m.react, m.nd);
        m.nl = usun_z_wezla(m.ild, m.al, m.nl, n, true);
        m.obliczono = 0;
    }
    port.Odswiez();
}

void _OKNO_::usun_pret(int n) {
    Model& m = model;
    if (m.Pusty == 0 && n >= 1 && n <= m.ne) {
        zamknij_tabele();
        Przebudowa p(m);
        kompaktuj(m.noc, m.ne, m.ne - 1, 4, [n](int i) { return i != n; });
        --m.ne;
        utworz_na_nowo(m.stressp, m.ne);
        // The bar's temperature changes go with it; later bars move down by one.
        usun_temperatury_preta(m, n);
        for (int i = 1; i <= m.ntel; ++i)
            if (m.nset[i] > n) --m.nset[i];
        przenumeruj_po_precie(projekt, n);
        m.obliczono = 0;
    }
    port.Odswiez();
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
