// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis command and which results the project shows: a case, a combination or the
// envelope, with the list of combinations.
#include <cstdio>
#include <mutex>

#include "core/analiza.h"
#include "core/pamiec_analizy.h"
#include "editing/dialog_dynamiczny.h"
#include "files/wyniki_projektu.h"
#include "okno/okno.h"
#include "view/tabela_tekstowa.h"

void _OKNO_::obliczenia() {
    // This analysis supersedes one running off the interface thread, and reuses what it left
    // unless that one still holds it.
    porzuc_obliczenia();
    if (!pamiec_analizy) pamiec_analizy = std::make_shared<PamiecAnalizy>();
    std::unique_lock<std::mutex> zajeta(pamiec_analizy->zajeta, std::try_to_lock);
    const ZadaniePrzypadkow z = zadanie_projektu(model, projekt);
    const WynikObliczen w = ::obliczenia(model, Rozwiazanie::samo, &z,
                                         zajeta.owns_lock() ? pamiec_analizy.get() : nullptr);
    zajeta = {};
    for (const std::string& k : komunikaty_obliczen(w))
        port.MessageBox(k, "Błąd obliczeń", Ikona::stop, Przyciski::ok);
    przyjmij_wyniki(w, nullptr);
}

void _OKNO_::Cm_ODSWIEZ() {
    obliczenia();
}

void _OKNO_::pokaz_wyniki() {
    ++licznik_obliczen;
    if (model.obliczono != 1) return;
    const std::vector<Kombinacja> k = kombinacje_projektu(projekt);
    // A combination that no longer exists (the cases changed) gives way to the current case.
    if (!pokaz_w_magazynie(model, projekt, pokaz, k)) {
        pokaz = {};
        pokaz_w_magazynie(model, projekt, pokaz, k);
    }
    port.OdswiezTabele();
}

void _OKNO_::uniewaznij_wyniki() {
    zamknij_tabele();
    model.obliczono = 0;
    port.Odswiez();
}

std::string _OKNO_::tytul_wynikow() const {
    // Before an analysis it says which case the loads drawn, and edited, belong to.
    if (model.obliczono != 1)
        return projekt.przypadki.size() < 2 ? "" : ::tytul_wynikow(projekt, PokazWynikow{}, {});
    return ::tytul_wynikow(projekt, pokaz, kombinacje_projektu(projekt));
}

void _OKNO_::Cm_pokaz_wyniki() {
    if (model.Pusty != 0) return;
    const std::vector<Kombinacja> k = kombinacje_projektu(projekt);
    std::vector<std::string> pozycje = {
        "Bieżący przypadek (" + projekt.przypadki[static_cast<std::size_t>(projekt.biezacy)].nazwa +
        ")"};
    for (const Kombinacja& c : k) pozycje.push_back(c.nazwa + ": " + c.opis);
    pozycje.push_back("Obwiednia wszystkich kombinacji");
    const int wybrana = pokaz.rodzaj == PokazWynikow::przypadek    ? 0
                        : pokaz.rodzaj == PokazWynikow::kombinacja ? pokaz.indeks + 1
                                                                   : static_cast<int>(k.size()) + 1;
    DialogDynamiczny d(3360, "Pokaż wyniki", 320);
    const int l = d.lista(8500, "Wyniki", pozycje, wybrana);
    d.napis("Obwiednia: siły i reakcje z kombinacji SGN i własnych, przemieszczenia z SGU");
    d.napis("charakterystycznych. Inny przypadek: Przypadki → Bieżący przypadek.");
    if (d.pokaz(port) != 1) return;
    const int i = d.stan(l);
    PokazWynikow nowy = pokaz;
    if (i <= 0)
        nowy = {};
    else if (i <= static_cast<int>(k.size()))
        nowy = {PokazWynikow::kombinacja, i - 1};
    else
        nowy = {PokazWynikow::obwiednia, 0};
    if (nowy == pokaz) return;
    pokaz = nowy;
    pokaz_wyniki();
    port.Odswiez();
}

namespace {
std::string liczba(double v) {
    char t[32];
    std::snprintf(t, sizeof t, "%.6g", v);
    return t;
}
const char* rodzaj(RodzajKombinacji r) {
    switch (r) {
        case RodzajKombinacji::sgn:
            return "SGN";
        case RodzajKombinacji::sgu_charakterystyczna:
            return "SGU charakterystyczna";
        case RodzajKombinacji::sgu_czesta:
            return "SGU częsta";
        case RodzajKombinacji::sgu_quasi_stala:
            return "SGU quasi-stała";
        case RodzajKombinacji::reczna:
            return "własna";
    }
    return "";
}
}  // namespace

void _OKNO_::Cm_lista_kombinacji() {
    if (model.Pusty != 0) return;
    std::string ostrzezenie;
    auto k =
        std::make_shared<const std::vector<Kombinacja>>(kombinacje_projektu(projekt, &ostrzezenie));
    if (!ostrzezenie.empty())
        port.MessageBox(ostrzezenie, "Kombinacje obciążeń", Ikona::wykrzyknik, Przyciski::ok);
    SekcjaTabeli s;
    s.naglowki = {"Nr", "Kombinacja", "Rodzaj", "Współczynniki"};
    s.wiersze = static_cast<int>(k->size());
    s.wiersz = [k](int i) {
        const Kombinacja& c = (*k)[static_cast<std::size_t>(i)];
        return std::vector<std::string>{std::to_string(i + 1), c.nazwa, rodzaj(c.rodzaj), c.opis};
    };
    if (kk != 0) port.ZniszczOknoTabeli(kk);
    kk = port.UtworzOknoTabeli(std::make_unique<TabelaTekstowa>(
        "Kombinacje obciążeń", std::vector<SekcjaTabeli>{std::move(s)}, [this] { kk = 0; }));
}

// The envelope's table: each bar's least and greatest stress and force with the combinations
// that give them, each node's largest displacement, each support's extreme reactions.
std::unique_ptr<OknoTabeli> _OKNO_::tabela_obwiedni() {
    auto k = std::make_shared<const std::vector<Kombinacja>>(kombinacje_projektu(projekt));
    auto o = std::make_shared<const ObwiedniaWynikow>(obwiednia_wynikow(model.wyniki, *k));
    const UkladJednostek u = jednostki;
    auto nazwa = [k](int i) {
        return i < 0 ? std::string("—") : (*k)[static_cast<std::size_t>(i)].nazwa;
    };
    std::vector<float> pola(static_cast<std::size_t>(model.ne));
    for (int i = 1; i <= model.ne; ++i) pola[i - 1] = model.area[model.noc[i][4]];
    SekcjaTabeli s{
        "Obwiednia naprężeń i sił osiowych (SGN i kombinacje własne)",
        {"Pręt", z_jednostka("σ min", Wielkosc::naprezenie, u),
         z_jednostka("σ max", Wielkosc::naprezenie, u), z_jednostka("N min", Wielkosc::sila, u),
         z_jednostka("N max", Wielkosc::sila, u), "Kombinacja (min)", "Kombinacja (max)"},
        model.ne,
        [o, nazwa, pola](int i) {
            const std::size_t j = static_cast<std::size_t>(i);
            return std::vector<std::string>{std::to_string(i + 1),
                                            liczba(o->s_min[j]),
                                            liczba(o->s_max[j]),
                                            liczba(o->s_min[j] * pola[j]),
                                            liczba(o->s_max[j] * pola[j]),
                                            nazwa(o->ks_min[j]),
                                            nazwa(o->ks_max[j])};
        }};
    SekcjaTabeli w{"Największe przemieszczenia (SGU charakterystyczne)",
                   {"Węzeł", z_jednostka("|u| max", Wielkosc::dlugosc, u),
                    z_jednostka("Przemieszczenie X", Wielkosc::dlugosc, u),
                    z_jednostka("Przemieszczenie Y", Wielkosc::dlugosc, u), "Kombinacja"},
                   model.nn,
                   [o, nazwa](int i) {
                       const std::size_t j = static_cast<std::size_t>(i);
                       return std::vector<std::string>{std::to_string(i + 1), liczba(o->u_max[j]),
                                                       liczba(o->ux[j]), liczba(o->uy[j]),
                                                       nazwa(o->ku[j])};
                   }};
    std::vector<int> nu(model.nu ? model.nu.data() : nullptr,
                        model.nu ? model.nu.data() + model.nd : nullptr);
    SekcjaTabeli r{
        "Reakcje skrajne (SGN i kombinacje własne)",
        {"Podpora w węźle", z_jednostka("R min", Wielkosc::sila, u),
         z_jednostka("R max", Wielkosc::sila, u), "Kombinacja (min)", "Kombinacja (max)"},
        model.nd,
        [o, nazwa, nu](int i) {
            const std::size_t j = static_cast<std::size_t>(i);
            return std::vector<std::string>{etykieta_dof(nu[j]), liczba(o->r_min[j]),
                                            liczba(o->r_max[j]), nazwa(o->kr_min[j]),
                                            nazwa(o->kr_max[j])};
        }};
    std::vector<SekcjaTabeli> sekcje{std::move(s), std::move(w), std::move(r)};
    for (SekcjaTabeli& t : sekcje_wymiarowania_teraz()) sekcje.push_back(std::move(t));
    return std::make_unique<TabelaTekstowa>("Wyniki obliczeń — obwiednia", std::move(sekcje),
                                            [this] { model.iw = 0; });
}
