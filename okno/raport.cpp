// SPDX-License-Identifier: GPL-3.0-or-later
// Plik → Raport…: the calculation report of the project, written as a PDF or printed through the
// same pages, with the results the user ticks.
#include <algorithm>
#include <cctype>
#include <memory>
#include <string>

#include "editing/dialog_dynamiczny.h"
#include "files/wyniki_projektu.h"
#include "okno/okno.h"
#include "report/raport.h"

namespace {

// Combinations are ticked one by one up to this many; a longer list takes their numbers typed.
constexpr std::size_t kombinacji_do_zaznaczenia = 12;

}  // namespace

bool numery_z_tekstu(const std::string& t, int najwiekszy, std::vector<int>& numery) {
    numery.clear();
    std::size_t i = 0;
    auto spacje = [&] {
        while (i < t.size() && (t[i] == ' ' || t[i] == '\t')) ++i;
    };
    auto liczba = [&](int& v) {
        spacje();
        const std::size_t od = i;
        long long w = 0;
        while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i])) && w <= najwiekszy)
            w = w * 10 + (t[i++] - '0');
        if (i == od || w < 1 || w > najwiekszy) return false;
        v = static_cast<int>(w);
        spacje();
        return true;
    };
    spacje();
    if (i == t.size()) return true;
    for (;;) {
        int a = 0, b = 0;
        if (!liczba(a)) return false;
        b = a;
        if (i < t.size() && t[i] == '-') {
            ++i;
            if (!liczba(b) || b < a) return false;
        }
        for (int n = a; n <= b; ++n) numery.push_back(n - 1);
        if (i == t.size()) return true;
        if (t[i] != ',' && t[i] != ';') return false;
        ++i;
    }
}

void _OKNO_::Cm_raport() {
    if (model.Pusty != 0) return;
    // Results that do not hold for the project are offered to be worked out first.
    auto aktualne = [this] {
        return model.obliczono == 1 && model.wyniki.size() == projekt.przypadki.size();
    };
    if (!aktualne()) {
        const int o = port.MessageBox(
            "Wyniki obliczeń nie odpowiadają modelowi.\nObliczyć go teraz, aby raport zawierał "
            "wyniki?\n(Nie: raport bez wyników)",
            "Velkora 2D", Ikona::pytajnik, Przyciski::tak_nie_anuluj);
        if (o == IDCANCEL) return;
        if (o == IDYES) obliczenia();
    }
    const bool wyniki = aktualne();
    const std::vector<Kombinacja> komb = kombinacje_projektu(projekt);

    WyborRaportu w;
    bool drukuj = false;
    for (std::string wpisane;;) {
        DialogDynamiczny d(3700, "Raport obliczeń", 260);
        d.napis("Raport: model, obciążenia i kombinacje, a także wybrane wyniki.");
        int obwiednia = -1, pole_komb = -1;
        std::vector<int> przypadki, kombinacje;
        if (wyniki) {
            obwiednia = d.wybor(8500, "Obwiednia wyników", w.obwiednia);
            for (std::size_t i = 0; i < projekt.przypadki.size(); ++i)
                przypadki.push_back(d.wybor(
                    8510 + static_cast<int>(i),
                    "Przypadek P" + std::to_string(i + 1) + ": " + projekt.przypadki[i].nazwa,
                    std::find(w.przypadki.begin(), w.przypadki.end(), static_cast<int>(i)) !=
                        w.przypadki.end()));
            if (komb.size() <= kombinacji_do_zaznaczenia) {
                for (std::size_t i = 0; i < komb.size(); ++i)
                    kombinacje.push_back(d.wybor(
                        8600 + static_cast<int>(i),
                        "Kombinacja " + std::to_string(i + 1) + ": " + komb[i].nazwa,
                        std::find(w.kombinacje.begin(), w.kombinacje.end(), static_cast<int>(i)) !=
                            w.kombinacje.end()));
            } else {
                pole_komb = d.edycja(8501, "Kombinacje (numery, np. 1-3, 7)", wpisane, 200);
                d.napis("Numery kombinacji podaje Przypadki → Lista kombinacji (od 1 do " +
                        std::to_string(komb.size()) + ").");
            }
        } else {
            d.napis("Brak aktualnych wyników: raport obejmie model i obciążenia.");
        }
        const int wyjscie =
            d.lista(8502, "Raport", {"zapisz do pliku PDF", "wydrukuj (z podglądem)"}, drukuj);
        if (d.pokaz(port) != 1) return;
        drukuj = d.stan(wyjscie) == 1;
        w.obwiednia = obwiednia >= 0 && d.stan(obwiednia) == 1;
        w.przypadki.clear();
        for (std::size_t i = 0; i < przypadki.size(); ++i)
            if (d.stan(przypadki[i]) == 1) w.przypadki.push_back(static_cast<int>(i));
        w.kombinacje.clear();
        for (std::size_t i = 0; i < kombinacje.size(); ++i)
            if (d.stan(kombinacje[i]) == 1) w.kombinacje.push_back(static_cast<int>(i));
        if (pole_komb >= 0) {
            wpisane = d.tekst(pole_komb);
            if (!numery_z_tekstu(wpisane, static_cast<int>(komb.size()), w.kombinacje)) {
                blad_danych(
                    ("Zły numer kombinacji (od 1 do " + std::to_string(komb.size()) + ")").c_str());
                continue;
            }
        }
        break;
    }

    auto dane = std::make_shared<DaneRaportu>();
    dane->k = kopia(model, wyniki);
    if (wyniki) dane->k.wyniki = model.wyniki;
    dane->p = projekt;
    dane->jednostki = jednostki;
    dane->obliczono = wyniki;
    dane->plik = plik_projektu.empty() ? "" : nazwa_pliku_raportu(plik_projektu);
    dane->data = data_raportu();

    if (drukuj) {
        port.DrukujRaport(zbuduj_raport(std::move(dane), w));
        return;
    }
    UstawieniaPliku s;
    s.filtr = "Raport PDF (*.pdf)|*.pdf|";
    s.rozszerzenie = "pdf";
    s.musi_istniec = false;
    s.katalog = port.Ustawienie("raport/katalog");
    if (s.katalog.empty() && !plik_projektu.empty())
        s.katalog = plik_projektu.substr(0, plik_projektu.find_last_of('/'));
    if (!plik_projektu.empty()) {
        const std::string n = nazwa_pliku_raportu(plik_projektu);
        s.nazwa = n.substr(0, n.find_last_of('.')) + "_raport.pdf";
    }
    std::string plik;
    if (!nazwa_do_zapisu(s, plik)) return;
    std::string powod;
    if (!port.ZapiszRaport(plik, zbuduj_raport(std::move(dane), w), powod)) {
        port.MessageBox(
            powod.empty() ? "Nie można zapisać raportu" : "Nie można zapisać raportu\n" + powod,
            "Błąd operacji dyskowej", Ikona::wykrzyknik, Przyciski::ok);
        return;
    }
    port.ZapiszUstawienie("raport/katalog", plik.substr(0, plik.find_last_of('/')));
}

void _OKNO_::Ce_raport(TCommandEnabler& ce) {
    ce.Enable(model.Pusty == 0);
}
