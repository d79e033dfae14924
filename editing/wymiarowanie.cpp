// SPDX-License-Identifier: GPL-3.0-or-later
// The "Wymiarowanie" commands that edit the project: a cross-section's steel (a profile of the
// library and a grade, or data of its own), the bars' buckling lengths, the project's partial
// factors and SLS limit, and the sizing of the sections; and the guard that keeps a linked
// section's area its profile's.
#include <algorithm>
#include <cstdio>
#include <set>

#include "design/krzywe.h"
#include "design/przekroje.h"
#include "design/stal.h"
#include "editing/dialog_dynamiczny.h"
#include "editing/edycja.h"
#include "files/wymiarowanie_projektu.h"

namespace w = wymiarowanie;

namespace {

std::string liczba(double v) {
    char t[32];
    std::snprintf(t, sizeof t, "%g", v);
    return t;
}

const char* const krzywe[] = {"a0", "a", "b", "c", "d"};

// "1-4, 7; 9": the bars named, each once, ascending; false on anything else or a number outside
// 1..n.
bool lista_numerow(const std::string& t, int n, std::vector<int>& wynik) {
    std::set<int> s;
    std::string c = t;
    for (char& z : c)
        if (z == ',' || z == ';') z = ' ';
    std::size_t i = 0;
    auto spacje = [&] {
        while (i < c.size() && c[i] == ' ') ++i;
    };
    auto numer = [&](int& v) {
        const std::size_t od = i;
        while (i < c.size() && c[i] >= '0' && c[i] <= '9') ++i;
        return i > od && liczba_calkowita(c.substr(od, i - od).c_str(), v) && v >= 1 && v <= n;
    };
    for (spacje(); i < c.size(); spacje()) {
        int a = 0, b = 0;
        if (!numer(a)) return false;
        b = a;
        spacje();
        if (i < c.size() && c[i] == '-') {
            ++i;
            spacje();
            if (!numer(b) || b < a) return false;
        }
        for (int k = a; k <= b; ++k) s.insert(k);
    }
    wynik.assign(s.begin(), s.end());
    return !wynik.empty();
}

std::vector<std::string> nazwy_rodzin(const char* pierwsza) {
    std::vector<std::string> n = {pierwsza};
    for (const w::OpisRodziny& o : w::rodziny()) n.push_back(o.nazwa);
    return n;
}
// Place of a family's key in that list (0: the first item).
int miejsce_rodziny(const std::string& klucz) {
    const auto r = w::rodzina_z_klucza(klucz);
    return r ? static_cast<int>(*r) + 1 : 0;
}
std::string klucz_rodziny(int miejsce) {
    return miejsce >= 1 && miejsce <= static_cast<int>(w::rodziny().size())
               ? w::rodziny()[static_cast<std::size_t>(miejsce - 1)].klucz
               : "";
}

}  // namespace

bool _OKNO_::jednostki_wymiarowania() {
    const std::string b = brak_jednostek_wymiarowania(jednostki);
    if (b.empty()) return true;
    port.MessageBox(b, "Wymiarowanie", Ikona::wykrzyknik, Przyciski::ok);
    return false;
}

void _OKNO_::Ce_wym(TCommandEnabler& ce) {
    ce.Enable(model.Pusty == 0);
}

void _OKNO_::Cm_wym_przekroj() {
    Model& m = model;
    if (m.Pusty != 0 || m.na <= 0 || !jednostki_wymiarowania()) return;
    const int n = zapytaj_o_numer(*this, "Podaj numer przekroju :");
    if (n < 1 || n > m.na) {
        port.Odswiez();
        return;
    }
    const Przelicznik u = przelicznik(jednostki);
    PrzekrojStalowy s = przekroj_stalowy(projekt.wymiarowanie, n);
    for (;;) {
        DialogDynamiczny d(3400, "Przekrój stalowy " + std::to_string(n), 280);
        const int rodzina =
            d.lista(8500, "Profil z rodziny", nazwy_rodzin("bez profilu (dane własne)"),
                    miejsce_rodziny(s.rodzina));
        std::vector<std::string> gatunki;
        int gatunek = 0;
        for (w::Gatunek g : w::gatunki()) {
            if (s.gatunek == w::nazwa(g)) gatunek = static_cast<int>(gatunki.size());
            gatunki.push_back(w::nazwa(g));
        }
        const int gat = d.lista(8501, "Gatunek stali", gatunki, gatunek);
        const int netto =
            d.edycja(8502, "A_net / A (osłabienie otworami)", liczba(s.wsp_A_net), 24);
        const int szczelina =
            d.edycja(8503, "Szczelina między kątownikami [mm]", liczba(s.szczelina), 24);
        d.napis("Przekrój bez profilu: pole jak w modelu oraz");
        const int i_min = d.edycja(8504, "Najmniejszy promień bezwładności",
                                   s.i_min > 0 ? liczba(s.i_min) : "", 24, Wielkosc::dlugosc);
        int krzywa = 0;
        for (int k = 0; k < 5; ++k)
            if (s.krzywa == krzywe[k]) krzywa = k + 1;
        const int krz =
            d.lista(8505, "Krzywa wyboczeniowa", {"—", "a0", "a", "b", "c", "d"}, krzywa);
        const int klasa = d.lista(8506, "Klasa przekroju", {"1, 2 lub 3", "4"}, s.klasa_4 ? 1 : 0);
        if (d.pokaz(port) != 1) break;

        PrzekrojStalowy nowy = s;
        nowy.gatunek = gatunki.at(static_cast<std::size_t>(std::clamp(d.stan(gat), 0, 4)));
        double promien = 0;
        const std::string tekst_i = d.tekst(i_min);
        Kontrola k(*this);
        k(!liczba_rzeczywista(d.tekst(netto).c_str(), nowy.wsp_A_net) ||
              !(nowy.wsp_A_net > 0 && nowy.wsp_A_net <= 1),
          "Stosunek A_net / A musi być liczbą z przedziału (0; 1]");
        k(!liczba_rzeczywista(d.tekst(szczelina).c_str(), nowy.szczelina) ||
              !(nowy.szczelina >= 0 && nowy.szczelina <= 100),
          "Szczelina musi być liczbą od 0 do 100 mm");
        k(tekst_i.find_first_not_of(' ') != std::string::npos &&
              (!liczba_rzeczywista(tekst_i.c_str(), promien) || promien < 0),
          "Promień bezwładności musi być liczbą dodatnią");
        const std::string klucz = klucz_rodziny(d.stan(rodzina));
        const int nr_krzywej = std::clamp(d.stan(krz), 0, 5);
        nowy.i_min = promien;
        nowy.krzywa = nr_krzywej > 0 ? krzywe[nr_krzywej - 1] : "";
        nowy.klasa_4 = d.stan(klasa) == 1;
        k(klucz.empty() && (nowy.i_min > 0) != !nowy.krzywa.empty(),
          "Przekrój bez profilu wymaga promienia bezwładności i krzywej wyboczeniowej");
        if (!k.dobrze()) {
            s = nowy;
            continue;
        }
        std::optional<w::Profil> profil;
        if (!klucz.empty()) {
            // The profiles of the family, lightest first.
            const w::Rodzina r = *w::rodzina_z_klucza(klucz);
            std::vector<w::Profil> lista = w::profile(r);
            if (r == w::Rodzina::dwa_katowniki)
                for (w::Profil& p : lista) p = w::dwa_katowniki(p, nowy.szczelina);
            std::vector<std::string> pozycje;
            int biezacy = 0;
            for (const w::Profil& p : lista) {
                char t[160];
                std::snprintf(t, sizeof t, "%s   (A = %.4g %s, %.3g kg/m)", p.nazwa.c_str(),
                              static_cast<double>(pole_profilu(p, u)),
                              jednostka(jednostki, Wielkosc::pole), p.wl.masa);
                // Two angles keep their place whatever the gap.
                auto bez_szczeliny = [](const std::string& t) { return t.substr(0, t.find(" /")); };
                if (s.rodzina == klucz && bez_szczeliny(s.profil) == bez_szczeliny(p.nazwa))
                    biezacy = static_cast<int>(pozycje.size());
                pozycje.push_back(t);
            }
            DialogDynamiczny dp(3401, "Profil przekroju " + std::to_string(n), 300);
            const int l = dp.lista(8500, w::opis(r).nazwa, pozycje, biezacy);
            dp.napis(std::string("Wymiary według ") + w::opis(r).norma + ".");
            if (dp.pokaz(port) != 1) {
                s = nowy;
                continue;
            }
            profil = lista.at(static_cast<std::size_t>(
                std::clamp(dp.stan(l), 0, static_cast<int>(lista.size()) - 1)));
            nowy.rodzina = klucz;
            nowy.profil = profil->nazwa;
            if (nowy.rodzina_doboru.empty()) nowy.rodzina_doboru = klucz;
        } else {
            nowy.rodzina.clear();
            nowy.profil.clear();
        }
        uzgodnij(m, projekt);
        rozwin_wymiarowanie(projekt.wymiarowanie, m.na, m.ne);
        projekt.wymiarowanie.przekroje[static_cast<std::size_t>(n - 1)] = nowy;
        if (profil && m.area[n] != pole_profilu(*profil, u)) {
            // The area follows the profile: the results no longer hold.
            zamknij_tabele();
            m.area[n] = pole_profilu(*profil, u);
            m.obliczono = 0;
        }
        break;
    }
    port.Odswiez();
}

void _OKNO_::Cm_wym_prety() {
    Model& m = model;
    if (m.Pusty != 0 || m.ne <= 0 || !jednostki_wymiarowania()) return;
    std::string ktore = m.ne == 1 ? "1" : "1-" + std::to_string(m.ne);
    PretStalowy p = pret_stalowy(projekt.wymiarowanie, 1);
    for (;;) {
        DialogDynamiczny d(3402, "Długości wyboczeniowe prętów", 300);
        const int pr = d.edycja(8500, "Pręty (np. 1-4, 7)", ktore, 200);
        const std::vector<std::string> jak = {"współczynnik długości pręta", "długość"};
        const int jw = d.lista(8501, "W płaszczyźnie kratownicy", jak, p.L_w_dlugosc ? 1 : 0);
        const int lw = d.edycja(8502, "wartość", liczba(p.L_w), 24);
        const int jz = d.lista(8503, "Z płaszczyzny kratownicy", jak, p.L_z_dlugosc ? 1 : 0);
        const int lz = d.edycja(8504, "wartość", liczba(p.L_z), 24);
        d.napis("Długość podaje się w jednostkach modelu. Pas stężony z płaszczyzny co drugi");
        d.napis("węzeł: współczynnik 2 albo długość dwóch przedziałów.");
        const int pol = d.lista(8505, "Kątownik jako krzyżulec, końce",
                                {"bez uwzględnienia zamocowania (6.3.1)",
                                 "spawane lub co najmniej dwie śruby (BB.1.2)", "jedna śruba"},
                                std::clamp(p.polaczenie, 0, 2));
        if (d.pokaz(port) != 1) break;
        ktore = d.tekst(pr);
        PretStalowy n = p;
        n.L_w_dlugosc = d.stan(jw) == 1;
        n.L_z_dlugosc = d.stan(jz) == 1;
        n.polaczenie = std::clamp(d.stan(pol), 0, 2);
        std::vector<int> prety;
        Kontrola k(*this);
        k(!lista_numerow(ktore, m.ne, prety), "Zły numer pręta");
        k(!liczba_rzeczywista(d.tekst(lw).c_str(), n.L_w) || !(n.L_w > 0),
          "Długość wyboczeniowa w płaszczyźnie musi być liczbą dodatnią");
        k(!liczba_rzeczywista(d.tekst(lz).c_str(), n.L_z) || !(n.L_z > 0),
          "Długość wyboczeniowa z płaszczyzny musi być liczbą dodatnią");
        if (!k.dobrze()) {
            p = n;
            continue;
        }
        uzgodnij(m, projekt);
        rozwin_wymiarowanie(projekt.wymiarowanie, m.na, m.ne);
        for (int b : prety) projekt.wymiarowanie.prety[static_cast<std::size_t>(b - 1)] = n;
        break;
    }
    port.Odswiez();
}

void _OKNO_::Cm_wym_ustawienia() {
    if (model.Pusty != 0 || !jednostki_wymiarowania()) return;
    DaneWymiarowania u = projekt.wymiarowanie;
    for (;;) {
        DialogDynamiczny d(3403, "Współczynniki wymiarowania (PN-EN 1993-1-1)", 280);
        const int e = d.edycja(8500, "E [MPa]", liczba(u.E), 24);
        const int g0 = d.edycja(8501, "γM0 (nośność przekroju)", liczba(u.gamma_M0), 24);
        const int g1 = d.edycja(8502, "γM1 (stateczność)", liczba(u.gamma_M1), 24);
        const int g2 = d.edycja(8503, "γM2 (rozerwanie przekroju netto)", liczba(u.gamma_M2), 24);
        d.napis("Wartości zalecane i przyjęte w polskim załączniku: 1,00; 1,00; 1,25.");
        const int jak = d.lista(8504, "Graniczne przemieszczenie SGU",
                                {"rozpiętość / n", "długość"}, u.ugiecie_dlugosc ? 1 : 0);
        const int gr = d.edycja(8505, "n albo długość", liczba(u.ugiecie), 24);
        if (d.pokaz(port) != 1) return;
        DaneWymiarowania n = u;
        n.ugiecie_dlugosc = d.stan(jak) == 1;
        Kontrola k(*this);
        const struct {
            int pole;
            double* cel;
            const char* blad;
        } pola[] = {{e, &n.E, "E musi być liczbą dodatnią"},
                    {g0, &n.gamma_M0, "γM0 musi być liczbą dodatnią"},
                    {g1, &n.gamma_M1, "γM1 musi być liczbą dodatnią"},
                    {g2, &n.gamma_M2, "γM2 musi być liczbą dodatnią"},
                    {gr, &n.ugiecie, "Graniczne przemieszczenie musi być liczbą dodatnią"}};
        for (const auto& p : pola)
            k(!liczba_rzeczywista(d.tekst(p.pole).c_str(), *p.cel) || !(*p.cel > 0), p.blad);
        if (!k.dobrze()) {
            u = n;
            continue;
        }
        projekt.wymiarowanie.E = n.E;
        projekt.wymiarowanie.gamma_M0 = n.gamma_M0;
        projekt.wymiarowanie.gamma_M1 = n.gamma_M1;
        projekt.wymiarowanie.gamma_M2 = n.gamma_M2;
        projekt.wymiarowanie.ugiecie_dlugosc = n.ugiecie_dlugosc;
        projekt.wymiarowanie.ugiecie = n.ugiecie;
        break;
    }
    port.Odswiez();
}

void _OKNO_::Cm_wym_dobierz() {
    Model& m = model;
    if (m.Pusty != 0 || m.na <= 0 || !jednostki_wymiarowania()) return;
    uzgodnij(m, projekt);
    std::vector<int> ile(static_cast<std::size_t>(m.na) + 1, 0);
    for (int b = 1; b <= m.ne; ++b)
        if (m.noc[b][4] >= 1 && m.noc[b][4] <= m.na) ++ile[static_cast<std::size_t>(m.noc[b][4])];
    DialogDynamiczny d(3404, "Dobierz przekroje", 320);
    d.napis("Dla każdego przekroju: najlżejszy profil wybranej rodziny, z którym wszystkie jego");
    d.napis("pręty spełniają warunki nośności we wszystkich kombinacjach SGN i własnych.");
    std::vector<int> listy(static_cast<std::size_t>(m.na) + 1, -1);
    for (int n = 1; n <= m.na; ++n) {
        if (ile[static_cast<std::size_t>(n)] == 0) continue;
        const PrzekrojStalowy& s = przekroj_stalowy(projekt.wymiarowanie, n);
        const std::string teraz = powiazany(s) ? s.profil : "bez profilu";
        listy[static_cast<std::size_t>(n)] =
            d.lista(8500 + n - 1,
                    "Przekrój " + std::to_string(n) + " (prętów: " +
                        std::to_string(ile[static_cast<std::size_t>(n)]) + ", teraz " + teraz + ")",
                    nazwy_rodzin("bez zmian"),
                    miejsce_rodziny(s.rodzina_doboru.empty() ? s.rodzina : s.rodzina_doboru));
    }
    if (d.pokaz(port) != 1) return;
    std::vector<std::string> rodziny(static_cast<std::size_t>(m.na));
    rozwin_wymiarowanie(projekt.wymiarowanie, m.na, m.ne);
    for (int n = 1; n <= m.na; ++n) {
        const int l = listy[static_cast<std::size_t>(n)];
        if (l < 0) continue;
        rodziny[static_cast<std::size_t>(n - 1)] = klucz_rodziny(d.stan(l));
        // The choice is remembered for the next sizing.
        if (!rodziny[static_cast<std::size_t>(n - 1)].empty())
            projekt.wymiarowanie.przekroje[static_cast<std::size_t>(n - 1)].rodzina_doboru =
                rodziny[static_cast<std::size_t>(n - 1)];
    }
    if (std::all_of(rodziny.begin(), rodziny.end(),
                    [](const std::string& r) { return r.empty(); })) {
        port.Odswiez();
        return;
    }
    zamknij_tabele();
    const WynikDoboru r = dobierz_przekroje(m, projekt, jednostki, rodziny);
    ++licznik_obliczen;
    if (m.obliczono == 1) pokaz_wyniki();
    if (!r.blad.empty()) {
        port.MessageBox(r.blad, "Błąd obliczeń", Ikona::stop, Przyciski::ok);
        port.Odswiez();
        return;
    }
    char t[200];
    std::string raport;
    if (r.ustalony)
        std::snprintf(t, sizeof t, "Przekroje dobrano; obliczeń kratownicy: %d.", r.rundy);
    else
        std::snprintf(t, sizeof t,
                      "Dobór nie ustalił się po %d obliczeniach kratownicy: siły w prętach wciąż "
                      "zmieniają się z przekrojami. Przyjęto profile z ostatniego obliczenia.",
                      r.rundy);
    raport = t;
    if (r.zmiany.empty()) raport += "\nŻaden przekrój się nie zmienił.";
    for (const WynikDoboru::Zmiana& z : r.zmiany)
        raport += "\nPrzekrój " + std::to_string(z.przekroj) + ": " + z.przed + " → " + z.po;
    std::snprintf(t, sizeof t, "\n\nMasa stali (7850 kg/m³ · A · L): przed %.1f kg, po %.1f kg.",
                  r.masa_przed, r.masa_po);
    raport += t;
    for (const std::string& u : r.uwagi) raport += "\n" + u;
    p_wytezenie = 1;
    port.MessageBox(raport, "Dobór przekrojów", Ikona::wykrzyknik, Przyciski::ok);
    port.Odswiez();
}

bool _OKNO_::pilnuj_pol_profili(const StanModelu& przed) {
    const Model& m = model;
    // Sections added or removed move no linked area; the renumbering moves their data with them.
    if (m.Pusty != 0 || przed.Pusty != 0 || m.na != przed.k.na) return true;
    const Przelicznik u = przelicznik(jednostki);
    std::vector<int> zmienione;
    for (int n = 1; n <= m.na; ++n) {
        const PrzekrojStalowy& s = przekroj_stalowy(projekt.wymiarowanie, n);
        if (!powiazany(s) || przed.k.area[n] == m.area[n]) continue;
        const auto p = profil_przekroju(s);
        if (p && u.jest() && pole_profilu(*p, u) == m.area[n]) continue;  // it follows its profile
        zmienione.push_back(n);
    }
    if (zmienione.empty()) return true;
    std::string t;
    for (int n : zmienione)
        t += "Pole przekroju " + std::to_string(n) + " wynika z profilu " +
             przekroj_stalowy(projekt.wymiarowanie, n).profil + ".\n";
    t += "Zmiana pola odłączy profil: przekrój nie będzie już sprawdzany jako ten profil.\n\n"
         "Odłączyć profil? (Nie: zmiana nie zostanie wprowadzona.)";
    if (port.MessageBox(t, "Velkora 2D", Ikona::pytajnik, Przyciski::tak_nie) != IDYES)
        return false;
    for (int n : zmienione) {
        PrzekrojStalowy& s = projekt.wymiarowanie.przekroje[static_cast<std::size_t>(n - 1)];
        s.rodzina.clear();
        s.profil.clear();
    }
    return true;
}

void _OKNO_::pola_profili_w_jednostkach() {
    if (model.Pusty != 0 || !przelicznik(jednostki).jest()) return;
    wykonaj_krok("pola przekrojów z profili w nowych jednostkach", [this] {
        if (!pola_z_profili(model, projekt.wymiarowanie, jednostki)) return;
        zamknij_tabele();
        model.obliczono = 0;
    });
}
