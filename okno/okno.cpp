#include "okno/okno.h"

#include <algorithm>
#include <string>

_OKNO_::_OKNO_(Platforma& p) : port(p) {
    for (Kolor& k : knapr) k = Kolor{};
    _plik_ = std::make_unique<UstawieniaPliku>();
    // The view flags start as the store declares them; the readout window comes next.
    wsp = std::make_unique<_WSP_>();
    model.Pusty = 1;
    Pasek_kol();
}

_OKNO_::~_OKNO_() {
    if (model.Pusty == 0) Zwol_pam();
    if (model.iw == 1) port.ZniszczOknoTabeli(oo);
    if (model.id == 1) port.ZniszczOknoTabeli(dd);
    _plik_.reset();
}

const std::vector<Polecenie>& tablica_polecen() {
    using O = _OKNO_;
    static const std::vector<Polecenie> t = {
        {1070, &O::Cm_Nowy, nullptr},
        {1020, &O::Cm_Otworz, nullptr},
        {1060, &O::Cm_Zapisz, &O::Ce_Zapisz},
        {1030, &O::Cm_Zapisz, &O::Ce_Zapisz},
        {51698, &O::Cm_zamknij, &O::Ce_zamknij},
        {51697, &O::Cm_kreator, &O::Ce_kreator},
        {1040, &O::Cm_Koniec, nullptr},
        {51684, &O::Cm_d_mat, &O::Ce_d_mat},
        {51685, &O::Cm_d_przek, &O::Ce_d_przek},
        {51682, &O::Cm_d_wez, &O::Ce_d_wez},
        {51683, &O::Cm_d_pret, &O::Ce_d_pret},
        {51686, &O::Cm_d_podp, &O::Ce_d_podp},
        {51687, &O::Cm_d_sile, &O::Ce_d_sile},
        {CM_RYSUJ, &O::Cm_rysuj, &O::Ce_rysuj},
        {1150, &O::Cm_z_mat, &O::Ce_z_mat},
        {1160, &O::Cm_z_przek, &O::Ce_z_przek},
        {51690, &O::Cm_z_wez, &O::Ce_z_wez},
        {1170, &O::Cm_z_pret, &O::Ce_z_pret},
        {51688, &O::Cm_z_podp, &O::Ce_z_podp},
        {51689, &O::Cm_z_sile, &O::Ce_z_sile},
        {51693, &O::Cm_u_mat, &O::Ce_u_mat},
        {51695, &O::Cm_u_przek, &O::Ce_u_przek},
        {51691, &O::Cm_u_wez, &O::Ce_u_wez},
        {51692, &O::Cm_u_pret, &O::Ce_u_pret},
        {51694, &O::Cm_u_podp, &O::Ce_u_podp},
        {51696, &O::Cm_u_sile, &O::Ce_u_sile},
        {1010, &O::Cm_ODSWIEZ, nullptr},
        {51699, &O::Cm_stat, nullptr},
        {1130, &O::Cm_Wyniki, &O::Ce_Wyniki},
        {1140, &O::Cm_Dane, &O::Ce_Dane},
        {1120, &O::Cm_Napr, &O::Ce_Napr},
        {1110, &O::Cm_Przem, &O::Ce_Przem},
        {1200, &O::Cm_n_ele, &O::Ce_n_ele},
        {1220, &O::Cm_n_mat, &O::Ce_n_mat},
        {1230, &O::Cm_n_pola, &O::Ce_n_pola},
        {1210, &O::Cm_n_wez, &O::Ce_n_wez},
        {CM_PROPORCJE, &O::Cm_proporcje, &O::Ce_proporcje},
        {CM_DOPASUJ, &O::Cm_dopasuj, &O::Ce_dopasuj},
        {CM_KROK_SIATKI, &O::Cm_krok_siatki, nullptr},
        {51700, &O::Cm_POMOC, nullptr},
        {1240, &O::Cm_opro, nullptr},
    };
    return t;
}

namespace {
const Polecenie* szukaj(int id) {
    const auto& t = tablica_polecen();
    const auto it =
        std::find_if(t.begin(), t.end(), [id](const Polecenie& p) { return p.id == id; });
    return it == t.end() ? nullptr : &*it;
}
}  // namespace

bool _OKNO_::Find(int id) {
    const Polecenie* p = szukaj(id);
    if (!p) return false;
    // New, open, close and the generator put another project in view, fitted anew.
    if (id == 1070 || id == 1020 || id == 51698 || id == 51697) nowy_widok();
    (this->*(p->Cm))();
    return true;
}

void _OKNO_::wykonaj_krok(const std::string&, const std::function<void()>& zmiana) {
    zmiana();
}

void _OKNO_::Enable(int id, TCommandEnabler& ce) {
    const Polecenie* p = szukaj(id);
    if (p && p->Ce) (this->*(p->Ce))(ce);
}

int _OKNO_::cyfry() const {
    const Model& m = model;
    const int najwiekszy = std::max({m.ne, m.nn, m.nd, m.nl, m.nm, m.na, m.ntel, 1});
    return static_cast<int>(std::to_string(najwiekszy).size());
}

void _OKNO_::Cm_POMOC() {
    // The name goes to the desktop as it stands; it resolves against the current directory.
    port.OtworzDokument("velto.chm\\");
}

void _OKNO_::Cm_opro() {
    port.MessageBox(
        "Velkora 2D v1.0\n"
        "Analiza statyczna kratownic płaskich metodą elementów skończonych\n"
        "Opracowanie: zespół Velkora 2D",
        "O programie", Ikona::wykrzyknik, Przyciski::ok);
}
