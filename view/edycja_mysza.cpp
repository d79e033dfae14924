// SPDX-License-Identifier: GPL-3.0-or-later
// Editing with the mouse: a double click changes the node or bar under the cursor, the right button
// offers to change or delete it, and the drawing mode adds nodes and bars where the user clicks.
// Each edit is one step of the undo history, under the name the history shows.
#include <cmath>
#include <cstdio>
#include <string>

#include "editing/liczby.h"
#include "okno/okno.h"

namespace {

std::string nazwa(const char* co, int n) {
    return std::string(co) + " " + std::to_string(n);
}

// What a bar needs that the model lacks, and where to add it; empty when nothing is missing.
std::string brak_do_preta(const Model& m) {
    if (m.nm <= 0 && m.na <= 0)
        return "Pręt wymaga materiału i pola przekroju. Dodaj je najpierw poleceniami "
               "Dodaj → Materiał i Dodaj → Pole przekroju.";
    if (m.nm <= 0) return "Pręt wymaga materiału. Dodaj go najpierw poleceniem Dodaj → Materiał.";
    if (m.na <= 0)
        return "Pręt wymaga pola przekroju. Dodaj je najpierw poleceniem Dodaj → Pole przekroju.";
    return {};
}

bool wezel_preta(const Model& m, int n) {
    for (int b = 1; b <= m.ne; ++b)
        if (m.noc[b][1] == n || m.noc[b][2] == n) return true;
    return false;
}

// The multiple of the step nearest v; v itself when there is no step.
float przyciagnij(float v, float krok) {
    if (!(krok > 0.0f)) return v;
    const double r = std::round(static_cast<double>(v) / krok) * krok;
    return static_cast<float>(r) + 0.0f;  // -0 as 0
}

}  // namespace

void _OKNO_::EvLButtonDblClk(int x, int y) {
    if (rysowanie) return;
    const Wskazanie w = wybierz(x, y);
    const int n = w.numer;
    if (w.rodzaj == Wskazanie::Rodzaj::wezel)
        wykonaj_krok(nazwa("zmiana węzła", n), [this, n] { zmien_wezel(n); });
    else if (w.rodzaj == Wskazanie::Rodzaj::pret)
        wykonaj_krok(nazwa("zmiana pręta", n), [this, n] { zmien_pret(n); });
}

void _OKNO_::EvRButtonDown(int x, int y) {
    const Wskazanie w = wybierz(x, y);
    const int n = w.numer;
    const bool wezel = w.rodzaj == Wskazanie::Rodzaj::wezel;
    // Over the selection, or beside everything, what can be done to the selection.
    const bool w_zaznaczeniu = (wezel && zaznaczenie.wezel(n)) ||
                               (w.rodzaj == Wskazanie::Rodzaj::pret && zaznaczenie.pret(n));
    if (!zaznaczenie.puste() && (w.rodzaj == Wskazanie::Rodzaj::nic || w_zaznaczeniu)) {
        const bool prety = zaznaczenie.ile_pretow() > 0, wezly = zaznaczenie.ile_wezlow() > 0;
        static constexpr int polecenia[] = {CM_USUN_ZAZNACZONE, CM_PRZESUN,
                                            CM_KOPIUJ_PRZESUN,  CM_MATERIAL_PRETOW,
                                            CM_PODPORY_WEZLOW,  CM_SILY_WEZLOW};
        const int wybor = port.MenuKontekstowe({{"&Usuń zaznaczone", true},
                                                {"Prze&suń zaznaczone...", true},
                                                {"&Kopiuj z przesunięciem...", true},
                                                {"&Materiał i przekrój prętów...", prety},
                                                {"Po&dpory w zaznaczonych węzłach...", wezly},
                                                {"S&iły w zaznaczonych węzłach...", wezly}});
        if (wybor >= 1 && wybor <= 6) Find(polecenia[wybor - 1]);
        return;
    }
    if (w.rodzaj == Wskazanie::Rodzaj::nic) return;
    // A node at the end of a bar cannot go; the item says so rather than do nothing.
    const int wybor =
        port.MenuKontekstowe({{"&Zmień", true}, {"&Usuń", !wezel || !wezel_preta(model, n)}});
    if (wybor == 1 && wezel) wykonaj_krok(nazwa("zmiana węzła", n), [this, n] { zmien_wezel(n); });
    if (wybor == 1 && !wezel) wykonaj_krok(nazwa("zmiana pręta", n), [this, n] { zmien_pret(n); });
    if (wybor == 2 && wezel)
        wykonaj_krok(nazwa("usunięcie węzła", n), [this, n] { usun_wezel(n); });
    if (wybor == 2 && !wezel)
        wykonaj_krok(nazwa("usunięcie pręta", n), [this, n] { usun_pret(n); });
}

void _OKNO_::EvLButtonDown(int x, int y, bool shift) {
    Model& m = model;
    if (!rysowanie) {
        // Selecting or dragging: what it is shows as the mouse moves, or at the release.
        if (m.Pusty != 0) return;
        przeciaganie = Przeciaganie{};
        przeciaganie.rodzaj = Przeciaganie::Rodzaj::klik;
        przeciaganie.x0 = przeciaganie.x = x, przeciaganie.y0 = przeciaganie.y = y;
        przeciaganie.shift = shift;
        przeciaganie.pod = wybierz(x, y);
        return;
    }
    if (m.Pusty != 0) {
        nowy_widok();
        return;
    }
    const Wskazanie w = wybierz(x, y);
    if (w.rodzaj == Wskazanie::Rodzaj::wezel) {
        // A bar cannot be drawn yet: said once, at its first node, rather than by the bar
        // dialog's checks at its second.
        if (const std::string brak = brak_do_preta(m); !brak.empty()) {
            pierwszy_wezel = 0;
            port.MessageBox(brak, "Rysowanie prętów", Ikona::wykrzyknik, Przyciski::ok);
            port.OdswiezWskazanie();
            odswiez_wskazanie();
            return;
        }
        // The first node of a bar, or its second; the first again lets it go.
        const int a = pierwszy_wezel, b = w.numer;
        pierwszy_wezel = a == 0 || a > m.nn ? b : 0;
        if (a != 0 && a <= m.nn && a != b) {
            d_dane_przek r{};
            wpisz(r.ee, "%d", m.ne + 1);
            wpisz(r.w1, "%d", a);
            wpisz(r.w2, "%d", b);
            wpisz(r.mat, "%d", ostatni_material);
            wpisz(r.pole, "%d", ostatni_przekroj);
            wykonaj_krok(nazwa("dodanie pręta", m.ne + 1), [this, &r] { dodaj_pret(r); });
            port.Odswiez();
        }
        port.OdswiezWskazanie();
        odswiez_wskazanie();
        return;
    }
    // Anywhere else a node, where the cursor points. The view stays as it is, so that the node
    // appears under the cursor even where it widens the truss.
    pierwszy_wezel = 0;
    const Odwzorowanie o = odwzorowanie();
    const float X = przyciagnij(o.model_x(static_cast<float>(x)), krok_siatki);
    const float Y = przyciagnij(o.model_y(static_cast<float>(y)), krok_siatki);
    const int nn = m.nn;
    wykonaj_krok(nazwa("dodanie węzła", nn + 1), [this, X, Y] { dodaj_wezel(X, Y); });
    if (m.nn > nn) widok.zatrzymaj(o);
    port.Odswiez();
}

bool _OKNO_::EvKeyDown(int klawisz) {
    if (klawisz == VK_ESCAPE && przeciaganie.rodzaj != Przeciaganie::Rodzaj::nic) {
        anuluj_przeciaganie();
        return true;
    }
    if (klawisz == VK_R && model.Pusty == 0) {
        Cm_rysuj();
        return true;
    }
    if (klawisz == VK_ESCAPE && rysowanie) {
        Cm_rysuj();
        return true;
    }
    if (klawisz == VK_ESCAPE && !zaznaczenie.puste()) {
        zaznaczenie.wyczysc();
        zmiana_zaznaczenia();
        return true;
    }
    return false;
}

void _OKNO_::Cm_rysuj() {
    rysowanie = !rysowanie && model.Pusty == 0;
    pierwszy_wezel = 0;
    port.OdswiezWskazanie();
    odswiez_wskazanie();
}
void _OKNO_::Ce_rysuj(TCommandEnabler& ce) {
    ce.Enable(model.Pusty == 0);
    ce.SetCheck(rysowanie);
}

void _OKNO_::Cm_krok_siatki() {
    for (;;) {
        d_krok r{};
        wpisz_wartosc(r.krok, "%g", krok_siatki);
        const d_krok wpisany = r;
        if (port.Dialog(3110, &r, cyfry()) != 1) return;
        float k = 0.0f;
        if (!wartosc_pola(r.krok, wpisany.krok, krok_siatki, k)) {
            blad_danych("Krok siatki nie jest liczbą");
            continue;
        }
        if (k < 0.0f) {
            blad_danych("Krok siatki <0");
            continue;
        }
        krok_siatki = k + 0.0f;
        char t[32];
        std::snprintf(t, sizeof t, "%.9g", static_cast<double>(krok_siatki));
        port.ZapiszUstawienie("widok/krok_siatki", t);
        return;
    }
}

void _OKNO_::wczytaj_ustawienia() {
    widok.proporcje = port.Ustawienie("widok/proporcje") == "1";
    float k = 0.0f;
    if (liczba_rzeczywista(port.Ustawienie("widok/krok_siatki").c_str(), k) && k >= 0.0f)
        krok_siatki = k + 0.0f;
    p_reakcje = port.Ustawienie("widok/reakcje") == "1";
    p_wartosci_sil = port.Ustawienie("widok/wartosci_obciazen") == "1";
    float s = 0.0f;
    skala_przem =
        liczba_rzeczywista(port.Ustawienie("widok/skala_przemieszczen").c_str(), s) && s > 0.0f
            ? s
            : 0.0f;
    // Live results as the user last chose them, or the program's default.
    const std::string b = port.Ustawienie("obliczenia/na_biezaco");
    na_biezaco = b == "1" ? 1 : b == "0" ? 0 : -1;
}
