// SPDX-License-Identifier: GPL-3.0-or-later
#include "okno/okno.h"

#include <algorithm>
#include <string>

#include "editing/arkusz.h"
#include "files/wymiarowanie_projektu.h"

_OKNO_::_OKNO_(Platforma& p) : port(p) {
    for (Kolor& k : knapr) k = Kolor{};
    _plik_ = std::make_unique<UstawieniaPliku>();
    // The view flags start as the store declares them; the readout window comes next.
    wsp = std::make_unique<_WSP_>();
    model.Pusty = 1;
    Pasek_kol();
}

_OKNO_::~_OKNO_() {
    porzuc_obliczenia();
    // The sheet reads the model to its end: it goes first.
    port.ZamknijArkusz();
    if (model.Pusty == 0) Zwol_pam();
    if (model.iw == 1) port.ZniszczOknoTabeli(oo);
    if (model.id == 1) port.ZniszczOknoTabeli(dd);
    _plik_.reset();
}

namespace {
// Names of undo steps: what the command did and to which entity, as the prompt or the new count
// tells.
std::string krok(const char* co, const char* numer) {
    return std::string(co) + " " + numer;
}
std::string krok(const char* co, int numer) {
    return std::string(co) + " " + std::to_string(numer);
}
}  // namespace

const std::vector<Polecenie>& tablica_polecen() {
    using O = _OKNO_;
    using K = const _OKNO_&;
    static const std::vector<Polecenie> t = {
        {52001, &O::Cm_zapisz_projekt, &O::Ce_zapisz_projekt},
        {1070, &O::Cm_Nowy, nullptr},
        {1020, &O::Cm_Otworz, nullptr},
        {1060, &O::Cm_Zapisz, &O::Ce_Zapisz},
        {1030, &O::Cm_Zapisz, &O::Ce_Zapisz},
        {51698, &O::Cm_zamknij, &O::Ce_zamknij},
        {51697, &O::Cm_kreator, &O::Ce_kreator, [](K) { return std::string("kreator"); }},
        {CM_SZABLON, &O::Cm_szablon, nullptr, [](K) { return std::string("szablon kratownicy"); }},
        {1040, &O::Cm_Koniec, nullptr},
        {CM_OBRAZ_PNG, &O::Cm_obraz_png, &O::Ce_obraz},
        {CM_OBRAZ_SVG, &O::Cm_obraz_svg, &O::Ce_obraz},
        {CM_OBRAZ_PDF, &O::Cm_obraz_pdf, &O::Ce_obraz},
        {CM_DRUKUJ, &O::Cm_drukuj, &O::Ce_drukuj},
        {CM_RAPORT, &O::Cm_raport, &O::Ce_raport},
        {CM_WLASCIWOSCI_PROJEKTU, &O::Cm_wlasciwosci_projektu, &O::Ce_raport,
         [](K) { return std::string("właściwości projektu"); }},
        {CM_EKSPORT_CSV, &O::Cm_eksport_csv, &O::Ce_eksport},
        {CM_EKSPORT_ARKUSZ, &O::Cm_eksport_arkusz, &O::Ce_eksport},
        {52011, &O::Cm_cofnij, &O::Ce_cofnij},
        {52012, &O::Cm_ponow, &O::Ce_ponow},
        {51684, &O::Cm_d_mat, &O::Ce_d_mat,
         [](K o) { return krok("dodanie materiału", o.model.nm); }},
        {51685, &O::Cm_d_przek, &O::Ce_d_przek,
         [](K o) { return krok("dodanie pola przekroju", o.model.na); }},
        {51682, &O::Cm_d_wez, &O::Ce_d_wez, [](K o) { return krok("dodanie węzła", o.model.nn); }},
        {51683, &O::Cm_d_pret, &O::Ce_d_pret,
         [](K o) { return krok("dodanie pręta", o.model.ne); }},
        {51686, &O::Cm_d_podp, &O::Ce_d_podp,
         [](K o) { return krok("dodanie podpory w węźle", o.danewy.nu); }},
        {51687, &O::Cm_d_sile, &O::Ce_d_sile,
         [](K o) { return krok("dodanie siły w węźle", o.danes.nr); }},
        {CM_RYSUJ, &O::Cm_rysuj, &O::Ce_rysuj},
        {1150, &O::Cm_z_mat, &O::Ce_z_mat,
         [](K o) { return krok("zmiana materiału", o.danenr.i); }},
        {1160, &O::Cm_z_przek, &O::Ce_z_przek,
         [](K o) { return krok("zmiana pola przekroju", o.danenr.i); }},
        {51690, &O::Cm_z_wez, &O::Ce_z_wez, [](K o) { return krok("zmiana węzła", o.danenr.i); }},
        {1170, &O::Cm_z_pret, &O::Ce_z_pret, [](K o) { return krok("zmiana pręta", o.danenr.i); }},
        {51688, &O::Cm_z_podp, &O::Ce_z_podp,
         [](K o) { return krok("zmiana podpór węzła", o.danenr.i); }},
        {51689, &O::Cm_z_sile, &O::Ce_z_sile,
         [](K o) { return krok("zmiana siły w węźle", o.danenr.i); }},
        {51693, &O::Cm_u_mat, &O::Ce_u_mat,
         [](K o) { return krok("usunięcie materiału", o.danenr.i); }},
        {51695, &O::Cm_u_przek, &O::Ce_u_przek,
         [](K o) { return krok("usunięcie pola przekroju", o.danenr.i); }},
        {51691, &O::Cm_u_wez, &O::Ce_u_wez,
         [](K o) { return krok("usunięcie węzła", o.danenr.i); }},
        {51692, &O::Cm_u_pret, &O::Ce_u_pret,
         [](K o) { return krok("usunięcie pręta", o.danenr.i); }},
        {51694, &O::Cm_u_podp, &O::Ce_u_podp,
         [](K o) { return krok("usunięcie podpór węzła", o.danenr.i); }},
        {51696, &O::Cm_u_sile, &O::Ce_u_sile,
         [](K o) { return krok("usunięcie sił węzła", o.danenr.i); }},
        {52101, &O::Cm_d_temp, &O::Ce_d_temp,
         [](K o) { return krok("dodanie zmiany temperatury pręta", o.danetemp.nr); }},
        {52102, &O::Cm_z_temp, &O::Ce_z_temp,
         [](K o) { return krok("zmiana temperatury pręta", o.danenr.i); }},
        {52103, &O::Cm_u_temp, &O::Ce_u_temp,
         [](K o) { return krok("usunięcie zmian temperatury pręta", o.danenr.i); }},
        {CM_PRZ_NOWY, &O::Cm_prz_nowy, &O::Ce_prz_jest_model,
         [](K o) {
             return krok("nowy przypadek obciążeń", static_cast<int>(o.projekt.przypadki.size()));
         }},
        {CM_PRZ_WLASCIWOSCI, &O::Cm_prz_wlasciwosci, &O::Ce_prz_jest_model,
         [](K o) { return krok("zmiana przypadku obciążeń", o.projekt.biezacy + 1); }},
        {CM_PRZ_KOPIUJ, &O::Cm_prz_kopiuj, &O::Ce_prz_jest_model,
         [](K o) {
             return krok("kopia przypadku obciążeń", static_cast<int>(o.projekt.przypadki.size()));
         }},
        {CM_PRZ_USUN, &O::Cm_prz_usun, &O::Ce_prz_wiele,
         [](K) { return std::string("usunięcie przypadku obciążeń"); }},
        {CM_PRZ_BIEZACY, &O::Cm_prz_biezacy, &O::Ce_prz_wiele,
         [](K o) { return krok("bieżący przypadek", o.projekt.biezacy + 1); }},
        {CM_PRZ_NASTEPNY, &O::Cm_prz_nastepny, &O::Ce_prz_wiele,
         [](K o) { return krok("bieżący przypadek", o.projekt.biezacy + 1); }},
        {CM_PRZ_POPRZEDNI, &O::Cm_prz_poprzedni, &O::Ce_prz_wiele,
         [](K o) { return krok("bieżący przypadek", o.projekt.biezacy + 1); }},
        {CM_CIEZAR_MAT, &O::Cm_ciezar_materialu, &O::Ce_prz_jest_model,
         [](K o) { return krok("ciężar objętościowy materiału", o.danenr.i); }},
        {CM_KOMBINACJE, &O::Cm_kombinacje, &O::Ce_prz_jest_model,
         [](K) { return std::string("ustawienia kombinacji"); }},
        {CM_KOMB_WLASNA, &O::Cm_kombinacja_wlasna, &O::Ce_prz_jest_model,
         [](K) { return std::string("dodanie kombinacji własnej"); }},
        {CM_KOMB_USUN, &O::Cm_usun_kombinacje_wlasna, &O::Ce_kombinacje_wlasne,
         [](K) { return std::string("usunięcie kombinacji własnej"); }},
        {CM_KOMB_LISTA, &O::Cm_lista_kombinacji, &O::Ce_prz_jest_model},
        {CM_POKAZ_WYNIKI, &O::Cm_pokaz_wyniki, &O::Ce_prz_jest_model},
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
        {CM_N_SIL, &O::Cm_n_sil, &O::Ce_n_sil},
        {CM_JEDNOSTKI, &O::Cm_jednostki, nullptr,
         [](K o) { return std::string("jednostki: ") + opis_ukladu(o.jednostki); }},
        {CM_REAKCJE, &O::Cm_reakcje, &O::Ce_reakcje},
        {CM_WARTOSCI_SIL, &O::Cm_wartosci_sil, &O::Ce_wartosci_sil},
        {CM_SKALA_PRZEM, &O::Cm_skala_przem, &O::Ce_skala_przem},
        {CM_WYM_PRZEKROJ, &O::Cm_wym_przekroj, &O::Ce_wym,
         [](K o) { return krok("przekrój stalowy", o.danenr.i); }},
        {CM_WYM_PRETY, &O::Cm_wym_prety, &O::Ce_wym,
         [](K) { return std::string("długości wyboczeniowe prętów"); }},
        {CM_WYM_USTAWIENIA, &O::Cm_wym_ustawienia, &O::Ce_wym,
         [](K) { return std::string("współczynniki wymiarowania"); }},
        {CM_WYM_SPRAWDZ, &O::Cm_wym_sprawdz, &O::Ce_wym},
        {CM_WYM_DOBIERZ, &O::Cm_wym_dobierz, &O::Ce_wym,
         [](K) { return std::string("dobór przekrojów"); }},
        {CM_WYTEZENIE, &O::Cm_wytezenie, &O::Ce_wytezenie},
        // The data sheet, the selection in the view and what is done to it.
        {CM_ARKUSZ, &O::Cm_arkusz, &O::Ce_arkusz},
        {CM_ZMIEN_WSKAZANY, &O::Cm_zmien_wskazany, &O::Ce_zmien_wskazany},
        {CM_ZAZNACZ_WSZYSTKO, &O::Cm_zaznacz_wszystko, &O::Ce_zaznacz_wszystko},
        {CM_USUN_ZAZNACZONE, &O::Cm_usun_zaznaczone, &O::Ce_zaznaczone,
         [](K) { return std::string("usunięcie zaznaczonych"); }},
        {CM_PRZESUN, &O::Cm_przesun_zaznaczone, &O::Ce_zaznaczone,
         [](K) { return std::string("przesunięcie zaznaczonych"); }},
        {CM_KOPIUJ_PRZESUN, &O::Cm_kopiuj_zaznaczone, &O::Ce_zaznaczone,
         [](K) { return std::string("kopia z przesunięciem"); }},
        {CM_MATERIAL_PRETOW, &O::Cm_material_pretow, &O::Ce_zaznaczone_prety,
         [](K) { return std::string("materiał i przekrój prętów"); }},
        {CM_PODPORY_WEZLOW, &O::Cm_podpory_wezlow, &O::Ce_zaznaczone_wezly,
         [](K) { return std::string("podpory w zaznaczonych węzłach"); }},
        {CM_SILY_WEZLOW, &O::Cm_sily_wezlow, &O::Ce_zaznaczone_wezly,
         [](K) { return std::string("siły w zaznaczonych węzłach"); }},
        {CM_NA_BIEZACO, &O::Cm_na_biezaco, &O::Ce_na_biezaco},
        {CM_PRZYKLADY, &O::Cm_przyklady, nullptr},
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
    // New, open, close, the generator and the templates put another project in view, fitted anew.
    if (id == 1070 || id == 1020 || id == 51698 || id == 51697 || id == CM_SZABLON) nowy_widok();
    const std::uint64_t przed = wersja;
    if (p->krok)
        wykonaj_krok(
            "", [this, p] { (this->*(p->Cm))(); }, p->krok);
    else
        (this->*(p->Cm))();
    // Another document, or a state of the history: its results follow as an edit's do.
    if (!p->krok && wersja != przed) po_poleceniu();
    odswiez_tytul();
    return true;
}

void _OKNO_::wykonaj_krok(const std::string& nazwa, const std::function<void()>& zmiana) {
    wykonaj_krok(nazwa, zmiana, nullptr);
    odswiez_tytul();
}

void _OKNO_::wykonaj_krok(const std::string& nazwa, const std::function<void()>& zmiana,
                          std::string (*nazwij)(const _OKNO_&)) {
    StanModelu przed = poczatek_kroku();
    zmiana();
    koniec_kroku(nazwij ? std::string() : nazwa, std::move(przed), nazwij);
}

StanModelu _OKNO_::poczatek_kroku() {
    // The record follows the store before and after, so that only the command's change counts.
    uzgodnij(model, projekt);
    return stan();
}

bool _OKNO_::koniec_kroku(const std::string& nazwa, StanModelu przed,
                          std::string (*nazwij)(const _OKNO_&)) {
    uzgodnij(model, projekt);
    // Only what the user authored counts: a command that ended without a change leaves no step.
    // Units count only with a model: without one there is nothing in them.
    const bool te_same_jednostki =
        static_cast<int>(jednostki) == przed.jednostki || model.Pusty != 0;
    if (model.Pusty == przed.Pusty && te_same_dane(model, przed.k) && projekt == przed.p &&
        te_same_jednostki) {
        // A command that found nothing to change may still have put the results aside.
        if (przed.obliczono == 1 && model.obliczono != 1) po_poleceniu();
        return false;
    }
    // A conversion of the model leaves linked areas their profiles' in the new units; any other
    // change of a linked area unlinks it or is undone.
    if (!te_same_jednostki) {
        pola_z_profili(model, projekt.wymiarowanie, jednostki);
    } else if (!pilnuj_pol_profili(przed)) {
        przywroc(std::move(przed));
        return false;
    }
    historia.dodaj(nazwij ? nazwij(*this) : nazwa, std::move(przed));
    wersja = ++ostatnia_wersja;
    // Numbers of entities that are gone name nothing.
    zaznaczenie.przytnij(model.nn, model.ne);
    po_poleceniu();
    return true;
}

StanModelu _OKNO_::stan() const {
    StanModelu s;
    s.k = kopia(model, model.obliczono == 1);
    s.p = projekt;
    s.Pusty = model.Pusty, s.obliczono = model.obliczono, s.nbw = model.nbw;
    s.jednostki = static_cast<int>(jednostki);
    s.wersja = wersja;
    return s;
}

void _OKNO_::przywroc(StanModelu s) {
    // The table windows showed the model that goes; they close as they do before any edit.
    zamknij_tabele();
    const int nn = model.nn, ne = model.ne;
    przejmij_konstrukcje(model, std::move(s.k));
    projekt = std::move(s.p);
    model.Pusty = s.Pusty, model.obliczono = s.obliczono, model.nbw = s.nbw;
    wersja = s.wersja;
    // The selection still names the same entities when their counts did not change.
    if (model.nn != nn || model.ne != ne) zaznaczenie.wyczysc();
    zaznaczenie.przytnij(model.nn, model.ne);
    const auto u = static_cast<UkladJednostek>(s.jednostki);
    if (u != jednostki) ustaw_jednostki(u);
    odswiez_tytul();
    port.Odswiez();
    port.ZmianaZaznaczenia();
}

void _OKNO_::Cm_cofnij() {
    if (historia.moze_cofnac()) przywroc(historia.cofnij(stan()));
}
void _OKNO_::Ce_cofnij(TCommandEnabler& ce) {
    ce.Enable(historia.moze_cofnac());
    ce.SetText(historia.moze_cofnac() ? "&Cofnij: " + historia.do_cofniecia() : "&Cofnij");
}
void _OKNO_::Cm_ponow() {
    if (historia.moze_ponowic()) przywroc(historia.ponow(stan()));
}
void _OKNO_::Ce_ponow(TCommandEnabler& ce) {
    ce.Enable(historia.moze_ponowic());
    ce.SetText(historia.moze_ponowic() ? "&Ponów: " + historia.do_ponowienia() : "&Ponów");
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
