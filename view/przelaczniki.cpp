// The view toggles of the "Widok" menu, the repaint on resize and the cursor readout.
#include <cstdio>

#include "okno/okno.h"

namespace {
void przelacz(int& flaga) {
    flaga = flaga == 1 ? 0 : 1;
}
// Bar labels share one position, so turning one kind on turns the other two off.
void przelacz_etykiete(int& flaga, int& inna1, int& inna2) {
    if (flaga == 1) {
        flaga = 0;
    } else {
        flaga = 1;
        inna1 = 0;
        inna2 = 0;
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
    przelacz_etykiete(model.p_n_ele, model.p_n_mat, model.p_n_pola);
    port.Odswiez();
}
void _OKNO_::Cm_n_mat() {
    przelacz_etykiete(model.p_n_mat, model.p_n_ele, model.p_n_pola);
    port.Odswiez();
}
void _OKNO_::Cm_n_pola() {
    przelacz_etykiete(model.p_n_pola, model.p_n_ele, model.p_n_mat);
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

void _OKNO_::EvSize(int, int) {
    port.Odswiez();
}

// Inverts the view's mapping; negative model coordinates show the blank text. Then what lies
// under the cursor is picked for the highlight and the status bar.
void _OKNO_::EvMouseMove(int x, int y) {
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
