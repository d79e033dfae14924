// SPDX-License-Identifier: GPL-3.0-or-later
// The generator: a new model in one pass, a page of counts and then one dialog per entity.
#include <climits>
#include <utility>

#include "editing/edycja.h"
#include "editing/liczby.h"
#include "okno/okno.h"

namespace {

// What became of one showing of an entity's dialog.
enum class Odpowiedz { przyjeta, odrzucona, anulowana };

// Asks for entities 1..n in turn, each again until it is accepted; false once one is cancelled.
template <class Pytanie>
bool po_kolei(int n, Pytanie pytaj) {
    for (int i = 1; i <= n;) {
        const Odpowiedz o = pytaj(i);
        if (o == Odpowiedz::anulowana) return false;
        if (o == Odpowiedz::przyjeta) ++i;
    }
    return true;
}

bool w_zakresie(int v, int n) {
    return v >= 1 && v <= n;
}

}  // namespace

void _OKNO_::Cm_kreator() {
    Model& m = model;
    if (m.Pusty == 0) {
        if (port.MessageBox("Utworzyć nowe dane ?", "Velkora 2D", Ikona::pytajnik,
                            Przyciski::tak_nie) == IDYES)
            Zwol_pam();
        if (m.Pusty == 0) return;
    }
    port.Odswiez();
    // Whatever is not finished leaves the store as discarding a model leaves it.
    const auto porzuc = [&] {
        przejmij_konstrukcje(m, Konstrukcja{});
        zwolnij_model(m);
        port.Odswiez();
    };

    // The defaults go into the first page only: the store never holds counts without their arrays.
    wpisz(dane.ne, "%d", 3);
    wpisz(dane.nn, "%d", 3);
    wpisz(dane.nd, "%d", 2);
    wpisz(dane.nl, "%d", 1);
    wpisz(dane.nm, "%d", 1);
    wpisz(dane.na, "%d", 1);
    if (port.Dialog(3000, &dane, cyfry()) != 1) return porzuc();
    int ne = 0, nn = 0, nd_t = 0, nl = 0, nm = 0, na = 0;
    if (!liczba_calkowita(dane.ne, ne) || ne < 2) {
        blad_danych("Zbyt mała liczba prętów");
        return porzuc();
    }
    // The other counts have no message of their own: one that is no number is named, one that is
    // too small ends the generator quietly.
    const struct {
        const char* tekst;
        int& wartosc;
        const char* komunikat;
    } liczniki[] = {
        {dane.nn, nn, "Ilość węzłów nie jest liczbą"},
        {dane.nd, nd_t, "Ilość utwierdzonych węzłów nie jest liczbą"},
        {dane.nl, nl, "Ilość sił obciążających nie jest liczbą"},
        {dane.nm, nm, "Ilość materiałów nie jest liczbą"},
        {dane.na, na, "Ilość różnych przekrojów nie jest liczbą"},
    };
    bool liczby = true;
    for (const auto& l : liczniki)
        if (!liczba_calkowita(l.tekst, l.wartosc)) blad_danych(l.komunikat), liczby = false;
    // Counts whose DOF numbers would not fit an int are refused as quietly as too small ones.
    if (!liczby || nn < 3 || nl < 1 || nd_t < 1 || na < 1 || nm < 1 || nn > INT_MAX / 2 ||
        nd_t > INT_MAX / 2)
        return porzuc();

    // The truss is built aside and enters the store only when every step is done.
    Konstrukcja t;
    m.nbw = 0;
    t.ne = ne, t.nn = nn, t.nl = nl, t.nm = nm, t.na = na, t.ntel = 0;
    t.nq = 2 * nn;
    // Each supported node gives up to two constrained DOFs, however few nodes there are.
    Wektor<float> u_t = wektor(1, 2 * nd_t);
    Wektor<int> nu_t = iwektor(1, 2 * nd_t);
    // The allocators hand out zeroed arrays: no node or material shows leftover memory.
    t.x = macierz(1, nn, 1, 2);
    t.noc = imacierz(1, ne, 1, 4);
    t.pm = macierz(1, nm, 1, 2);
    t.area = wektor(1, na);
    t.stressp = wektor(1, ne);
    t.ild = iwektor(1, nl);
    t.al = wektor(1, nl);
    for (int i = 1; i <= ne; ++i)
        t.noc[i][1] = 0, t.noc[i][2] = 0, t.noc[i][3] = 1, t.noc[i][4] = 1;

    const auto pret = [&](int i) {
        wpisz(danep.ee, "%d", i);
        wpisz(danep.w1, "%d", t.noc[i][1]);
        wpisz(danep.w2, "%d", t.noc[i][2]);
        wpisz(danep.mat, "%d", t.noc[i][3]);
        wpisz(danep.pole, "%d", t.noc[i][4]);
        if (port.Dialog(3010, &danep, cyfry()) != 1) return Odpowiedz::anulowana;
        Kontrola k(*this);
        const PretZDialogu p = sprawdz_pret(k, danep, nn, nm, na);
        if (!k.dobrze()) return Odpowiedz::odrzucona;
        t.noc[i][1] = p.w1, t.noc[i][2] = p.w2, t.noc[i][3] = p.mat, t.noc[i][4] = p.pole;
        return Odpowiedz::przyjeta;
    };

    const auto wezel = [&](int i) {
        wpisz(danew.i, "%d", i);
        wpisz_wartosc(danew.x, "%3.4f", t.x[i][1]);
        wpisz_wartosc(danew.y, "%3.4f", t.x[i][2]);
        if (port.Dialog(3020, &danew, cyfry()) != 1) return Odpowiedz::anulowana;
        float x = 0.0f, y = 0.0f;
        const bool dobre_x = liczba_rzeczywista(danew.x, x) && x >= 0.0f;
        const bool dobre_y = liczba_rzeczywista(danew.y, y) && y >= 0.0f;
        if (!dobre_x) blad_danych("Współrzędna X<0");
        if (!dobre_y) blad_danych("Współrzędna Y<0");
        if (!dobre_x || !dobre_y) return Odpowiedz::odrzucona;
        t.x[i][1] = x, t.x[i][2] = y;
        return Odpowiedz::przyjeta;
    };

    const auto material = [&](int i) {
        if (t.pm[i][1] == 0.0f) t.pm[i][1] = 200000.0f;
        wpisz(danemat.i, "%d", i);
        wpisz_wartosc(danemat.e, "%6.1f", t.pm[i][1]);
        wpisz_wartosc(danemat.alp, "%1.7f", t.pm[i][2]);
        if (port.Dialog(3050, &danemat, cyfry()) != 1) return Odpowiedz::anulowana;
        float e = 0.0f, alp = 0.0f;
        const bool dobry_e = liczba_rzeczywista(danemat.e, e) && e > 0.0f;
        const bool dobry_alp = liczba_rzeczywista(danemat.alp, alp) && alp >= 0.0f;
        if (!dobry_e) blad_danych("Moduł Younga <=0");
        if (!dobry_alp) blad_danych("Wsp. rozszerzalnosci cieplnej <0");
        if (!dobry_e || !dobry_alp) return Odpowiedz::odrzucona;
        t.pm[i][1] = e, t.pm[i][2] = alp;
        return Odpowiedz::przyjeta;
    };

    int j = 1;  // next free place in u_t, nu_t
    const auto podpora = [&](int i) {
        wpisz(danewy.i, "%d", i);
        wpisz(danewy.nu, "0");
        wpisz(danewy.x, "0.0");
        wpisz(danewy.y, "0.0");
        danewy.chx = 0, danewy.chy = 0;
        if (port.Dialog(3030, &danewy, cyfry()) != 1) return Odpowiedz::anulowana;
        const int n = numer_z_pola(danewy.nu);
        const bool x = danewy.chx == 1, y = danewy.chy == 1;
        float ux = 0.0f, uy = 0.0f;
        bool dobrze = true;
        if (!w_zakresie(n, nn)) blad_danych("Zły numer węzła"), dobrze = false;
        if (!x && !y) blad_danych("Nie zaznaczono sposobu utwierdzenia"), dobrze = false;
        // A displacement that is no number would spoil the whole analysis; as in "Dodaj".
        if (x && !liczba_rzeczywista(danewy.x, ux))
            blad_danych("Przemieszczenie w kierunku X nie jest liczbą"), dobrze = false;
        if (y && !liczba_rzeczywista(danewy.y, uy))
            blad_danych("Przemieszczenie w kierunku Y nie jest liczbą"), dobrze = false;
        if (!dobrze) return Odpowiedz::odrzucona;
        if (x) nu_t[j] = 2 * n - 1, u_t[j] = ux, ++j;
        if (y) nu_t[j] = 2 * n, u_t[j] = uy, ++j;
        return Odpowiedz::przyjeta;
    };

    const auto sila = [&](int i) {
        wpisz(danes.i, "%d", i);
        wpisz(danes.nr, "0");
        wpisz(danes.f, "0.0");
        danes.xf = 1, danes.yf = 0;
        if (port.Dialog(3040, &danes, cyfry()) != 1) return Odpowiedz::anulowana;
        const int n = numer_z_pola(danes.nr);
        float wartosc = 0.0f;
        const bool dobry_wezel = w_zakresie(n, nn);
        const bool dobra_sila = liczba_rzeczywista(danes.f, wartosc) && wartosc != 0.0f;
        if (!dobry_wezel) blad_danych("Zły numer węzła");
        if (!dobra_sila) blad_danych("Wartość siły równa zeru");
        if (!dobry_wezel || !dobra_sila) return Odpowiedz::odrzucona;
        t.al[i] = wartosc;
        t.ild[i] = danes.xf == 1 ? 2 * n - 1 : 2 * n;
        t.f[t.ild[i]] = wartosc;
        return Odpowiedz::przyjeta;
    };

    const auto przekroj = [&](int i) {
        wpisz(daneprzekr.i, "%d", i);
        wpisz(daneprzekr.a, "0.00");
        if (port.Dialog(3060, &daneprzekr, cyfry()) != 1) return Odpowiedz::anulowana;
        float a = 0.0f;
        if (!liczba_rzeczywista(daneprzekr.a, a) || a <= 0.0f) {
            blad_danych("Pole przkroju musi być większe od zera");
            return Odpowiedz::odrzucona;
        }
        t.area[i] = a;
        return Odpowiedz::przyjeta;
    };

    bool dalej = po_kolei(ne, pret);
    if (dalej) t.f = wektor(1, t.nq);
    dalej = dalej && po_kolei(nn, wezel) && po_kolei(nm, material) && po_kolei(nd_t, podpora);
    t.nd = j - 1;
    t.nu = iwektor(1, t.nd);
    t.u = wektor(1, t.nd);
    t.react = wektor(1, t.nd);
    for (int k = 1; k <= t.nd; ++k) t.nu[k] = nu_t[k], t.u[k] = u_t[k];
    uwolnij_wektor(u_t, 1, 2 * nd_t);
    uwolnij_iwektor(nu_t, 1, 2 * nd_t);

    dalej = dalej && po_kolei(nl, sila) && po_kolei(na, przekroj);
    if (!dalej) return porzuc();
    przejmij_konstrukcje(m, std::move(t));
    m.obliczono = 0;
    m.Pusty = 0;
    plik_projektu.clear();
    nowy_projekt();
    ustaw_caption("Velkora 2D - Beznazwy.V2D");
    port.Odswiez();
}
