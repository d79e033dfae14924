// SPDX-License-Identifier: GPL-3.0-or-later
// Which commands the menus offer: pure functions of the model store.
#include "okno/okno.h"

namespace {
bool otwarty(const Model& m) {
    return m.Pusty == 0;
}
}  // namespace

void _OKNO_::Ce_Zapisz(TCommandEnabler& ce) {
    ce.Enable(otwarty(model));
}
void _OKNO_::Ce_zamknij(TCommandEnabler& ce) {
    ce.Enable(otwarty(model));
}
void _OKNO_::Ce_kreator(TCommandEnabler& ce) {
    ce.Enable(model.Pusty == 1);
}

void _OKNO_::Ce_d_mat(TCommandEnabler& ce) {
    ce.Enable(otwarty(model));
}
void _OKNO_::Ce_d_przek(TCommandEnabler& ce) {
    ce.Enable(otwarty(model));
}
void _OKNO_::Ce_d_wez(TCommandEnabler& ce) {
    ce.Enable(otwarty(model));
}
void _OKNO_::Ce_d_pret(TCommandEnabler& ce) {
    ce.Enable(otwarty(model) && model.nn > 1 && model.nm > 0 && model.na > 0);
}
void _OKNO_::Ce_d_podp(TCommandEnabler& ce) {
    ce.Enable(otwarty(model) && model.nn > 0);
}
void _OKNO_::Ce_d_sile(TCommandEnabler& ce) {
    ce.Enable(otwarty(model) && model.nn > 0);
}

void _OKNO_::Ce_z_mat(TCommandEnabler& ce) {
    ce.Enable(otwarty(model) && model.nm > 0);
}
void _OKNO_::Ce_z_przek(TCommandEnabler& ce) {
    ce.Enable(otwarty(model) && model.na > 0);
}
void _OKNO_::Ce_z_wez(TCommandEnabler& ce) {
    ce.Enable(otwarty(model) && model.nn > 0);
}
void _OKNO_::Ce_z_pret(TCommandEnabler& ce) {
    ce.Enable(otwarty(model) && model.ne > 0);
}
void _OKNO_::Ce_z_podp(TCommandEnabler& ce) {
    ce.Enable(otwarty(model) && model.nn > 0 && model.nd > 0);
}
void _OKNO_::Ce_z_sile(TCommandEnabler& ce) {
    ce.Enable(otwarty(model) && model.nn > 0 && model.nl > 0);
}

void _OKNO_::Ce_u_mat(TCommandEnabler& ce) {
    ce.Enable(otwarty(model) && model.nm > 0);
}
void _OKNO_::Ce_u_przek(TCommandEnabler& ce) {
    ce.Enable(otwarty(model) && model.na > 0);
}
void _OKNO_::Ce_u_wez(TCommandEnabler& ce) {
    ce.Enable(otwarty(model) && model.nn > 0);
}
void _OKNO_::Ce_u_pret(TCommandEnabler& ce) {
    ce.Enable(otwarty(model) && model.ne > 0);
}
void _OKNO_::Ce_u_podp(TCommandEnabler& ce) {
    ce.Enable(otwarty(model) && model.nn > 0 && model.nd > 0);
}
void _OKNO_::Ce_u_sile(TCommandEnabler& ce) {
    ce.Enable(otwarty(model) && model.nn > 0 && model.nl > 0);
}

// Temperature changes hang on bars.
void _OKNO_::Ce_d_temp(TCommandEnabler& ce) {
    ce.Enable(otwarty(model) && model.ne > 0);
}
void _OKNO_::Ce_z_temp(TCommandEnabler& ce) {
    ce.Enable(otwarty(model) && model.ne > 0 && model.ntel > 0);
}
void _OKNO_::Ce_u_temp(TCommandEnabler& ce) {
    ce.Enable(otwarty(model) && model.ne > 0 && model.ntel > 0);
}

void _OKNO_::Ce_Wyniki(TCommandEnabler& ce) {
    ce.Enable(otwarty(model) && model.obliczono == 1);
}
void _OKNO_::Ce_Dane(TCommandEnabler& ce) {
    ce.Enable(otwarty(model));
}
