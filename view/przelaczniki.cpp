// SPDX-License-Identifier: GPL-3.0-or-later
// The view toggles of the "Widok" menu, the repaint on resize and the cursor readout.
#include <cstdint>
#include <cstdio>
#include <initializer_list>

#include "editing/liczby.h"
#include "okno/okno.h"

namespace {
void przelacz(int& flaga) {
    flaga = flaga == 1 ? 0 : 1;
}
// Bar labels share one position, so turning one kind on turns the other three off.
void przelacz_etykiete(int& flaga, std::initializer_list<int*> inne) {
    if (flaga == 1) {
        flaga = 0;
    } else {
        flaga = 1;
        for (int* i : inne) *i = 0;
    }
}
void ustaw(TCommandEnabler& ce, bool wlaczone, int flaga) {
    ce.Enable(wlaczone);
    ce.SetCheck(flaga == 1);
}
}  // namespace

void _OKNO_::Cm_Napr() {
    przelacz(model.p_napr);
    port.Odswiez();
}
void _OKNO_::Cm_Przem() {
    przelacz(model.p_przem);
    port.Odswiez();
}
void _OKNO_::Cm_n_ele() {
    przelacz_etykiete(model.p_n_ele, {&model.p_n_mat, &model.p_n_pola, &p_n_sil});
    port.Odswiez();
}
void _OKNO_::Cm_n_mat() {
    przelacz_etykiete(model.p_n_mat, {&model.p_n_ele, &model.p_n_pola, &p_n_sil});
    port.Odswiez();
}
void _OKNO_::Cm_n_pola() {
    przelacz_etykiete(model.p_n_pola, {&model.p_n_ele, &model.p_n_mat, &p_n_sil});
    port.Odswiez();
}
void _OKNO_::Cm_n_sil() {
    przelacz_etykiete(p_n_sil, {&model.p_n_ele, &model.p_n_mat, &model.p_n_pola});
    port.Odswiez();
}
void _OKNO_::Cm_n_wez() {
    przelacz(model.p_n_wezl);
    port.Odswiez();
}

void _OKNO_::Ce_Napr(TCommandEnabler& ce) {
    ustaw(ce, model.Pusty != 1 && model.obliczono != 0, model.p_napr);
}
void _OKNO_::Ce_Przem(TCommandEnabler& ce) {
    ustaw(ce, model.Pusty == 0 && model.obliczono == 1, model.p_przem);
}
void _OKNO_::Ce_n_ele(TCommandEnabler& ce) {
    ustaw(ce, model.Pusty != 1, model.p_n_ele);
}
void _OKNO_::Ce_n_mat(TCommandEnabler& ce) {
    ustaw(ce, model.Pusty != 1, model.p_n_mat);
}
void _OKNO_::Ce_n_pola(TCommandEnabler& ce) {
    ustaw(ce, model.Pusty != 1, model.p_n_pola);
}
void _OKNO_::Ce_n_wez(TCommandEnabler& ce) {
    ustaw(ce, model.Pusty != 1, model.p_n_wezl);
}
// The forces are drawn only from valid results.
void _OKNO_::Ce_n_sil(TCommandEnabler& ce) {
    ustaw(ce, model.Pusty == 0 && model.obliczono == 1, p_n_sil);
}

// Reactions come from the results; the forces' values from the model.
void _OKNO_::Cm_reakcje() {
    przelacz(p_reakcje);
    port.ZapiszUstawienie("widok/reakcje", p_reakcje == 1 ? "1" : "0");
    port.Odswiez();
}
void _OKNO_::Ce_reakcje(TCommandEnabler& ce) {
    ustaw(ce, model.Pusty == 0 && model.obliczono == 1, p_reakcje);
}
void _OKNO_::Cm_wartosci_sil() {
    przelacz(p_wartosci_sil);
    port.ZapiszUstawienie("widok/wartosci_obciazen", p_wartosci_sil == 1 ? "1" : "0");
    port.Odswiez();
}
void _OKNO_::Ce_wartosci_sil(TCommandEnabler& ce) {
    ustaw(ce, model.Pusty != 1, p_wartosci_sil);
}

// The deformed shape's factor: the view's own choice, or a positive number the user types.
void _OKNO_::Cm_skala_przem() {
    for (;;) {
        d_skala_przem r{};
        const bool podana = skala_przem > 0.0f;
        r.automatyczna = podana ? 0 : 1;
        r.podana = podana ? 1 : 0;
        if (podana) wpisz_wartosc(r.wsp, "%g", skala_przem);
        const d_skala_przem wpisany = r;
        if (port.Dialog(3150, &r, cyfry()) != 1) return;
        float k = 0.0f;
        if (r.podana == 1 && !(wartosc_pola(r.wsp, wpisany.wsp, skala_przem, k) && k > 0.0f)) {
            blad_danych("Skala przemieszczeń nie jest liczbą dodatnią");
            continue;
        }
        skala_przem = r.podana == 1 ? k : 0.0f;
        break;
    }
    char t[32] = "";
    if (skala_przem > 0.0f) std::snprintf(t, sizeof t, "%.9g", static_cast<double>(skala_przem));
    port.ZapiszUstawienie("widok/skala_przemieszczen", t);
    port.Odswiez();
}
void _OKNO_::Ce_skala_przem(TCommandEnabler& ce) {
    ce.Enable(true);
}

// The choice of units. With a model in other units, the question whether its values are
// converted or only named anew; either is one undo step (the command table makes it).
void _OKNO_::Cm_jednostki() {
    d_jednostki d{};
    std::int32_t* const wybory[liczba_ukladow] = {&d.brak, &d.kn_cm, &d.kn_m, &d.n_mm, &d.n_m};
    *wybory[static_cast<int>(jednostki)] = 1;
    if (port.Dialog(3140, &d, cyfry()) != 1) return;
    UkladJednostek wybrany = jednostki;
    for (int i = 0; i < liczba_ukladow; ++i)
        if (*wybory[i] == 1) wybrany = static_cast<UkladJednostek>(i);
    if (wybrany == jednostki) return;
    const Model& m = model;
    const bool sa_wartosci = m.Pusty == 0 && m.nn + m.nm + m.na + m.nl + m.nd > 0;
    if (sa_wartosci && jednostki != UkladJednostek::brak && wybrany != UkladJednostek::brak) {
        const int odp = port.MessageBox(
            std::string("Przeliczyć wartości modelu z jednostek ") + opis_ukladu(jednostki) +
                " na " + opis_ukladu(wybrany) +
                "?\n\nTak – współrzędne, moduły Younga, pola przekrojów, siły, przemieszczenia "
                "podpór i ciężary objętościowe zostaną przeliczone we wszystkich przypadkach.\n"
                "Nie – liczby zostaną takie, jakie są; zmienią się tylko nazwy jednostek.",
            "Velkora 2D", Ikona::pytajnik, Przyciski::tak_nie_anuluj);
        if (odp != IDYES && odp != IDNO) return;
        if (odp == IDYES) {
            przelicz_model(model, projekt, jednostki, wybrany);
            uniewaznij_wyniki();
            widok.dopasuj();
        }
    }
    ustaw_jednostki(wybrany);
}

void _OKNO_::ustaw_jednostki(UkladJednostek u) {
    jednostki = u;
    port.ZapiszUstawienie("widok/jednostki", nazwa_ukladu(jednostki));
    port.UstawJednostki(jednostki);
    // Areas linked to profiles are the profiles' in the units now named.
    pola_profili_w_jednostkach();
    port.Odswiez();
    port.OdswiezTabele();
}

void _OKNO_::wczytaj_jednostki() {
    jednostki = uklad_z_nazwy(port.Ustawienie("widok/jednostki"));
    port.UstawJednostki(jednostki);
}

void _OKNO_::EvSize(int, int) {
    port.Odswiez();
}

// Inverts the view's mapping; negative model coordinates show the blank text. Then what lies
// under the cursor is picked for the highlight and the status bar.
void _OKNO_::EvMouseMove(int x, int y) {
    if (przeciaganie.rodzaj != Przeciaganie::Rodzaj::nic) przeciagnij_do(x, y);
    const Odwzorowanie o = odwzorowanie();
    const float wx = o.model_x(static_cast<float>(x));
    const float wy = o.model_y(static_cast<float>(y));
    char bufor[128] = "x=,          y=,        ";
    if (wx >= 0.0f && wy >= 0.0f)
        std::snprintf(bufor, sizeof bufor, "x=%5.2f, y=%5.2f", static_cast<double>(wx),
                      static_cast<double>(wy));
    wsp->xx = bufor;
    port.UstawWspolrzedne(bufor);
    kursor_w_widoku = true, kursor_x = x, kursor_y = y;
    odswiez_wskazanie();
}
