// SPDX-License-Identifier: GPL-3.0-or-later
// The "Przypadki" commands: load cases (add, change, copy, delete, make current), the weight
// density of materials for self-weight, and the combinations' settings and the user's own.
#include <algorithm>
#include <cstdio>

#include "design/kombinacje.h"
#include "editing/dialog_dynamiczny.h"
#include "editing/edycja.h"
#include "editing/tablice.h"

namespace {

std::string liczba(double v) {
    char t[32];
    std::snprintf(t, sizeof t, "%g", v);
    return t;
}

std::vector<std::string> nazwy_kategorii() {
    std::vector<std::string> n;
    for (int i = 0; i < liczba_kategorii; ++i)
        n.push_back(nazwa_kategorii(static_cast<Kategoria>(i)));
    return n;
}

std::vector<std::string> nazwy_przypadkow(const Projekt& p) {
    std::vector<std::string> n;
    for (std::size_t i = 0; i < p.przypadki.size(); ++i)
        n.push_back(std::to_string(i + 1) + ". " + p.przypadki[i].nazwa);
    return n;
}

// What self-weight can come from: the materials without a density give none.
std::string o_gestosciach(const Model& m, const Projekt& p) {
    std::string bez;
    int ile = 0;
    for (int i = 1; i <= m.nm; ++i)
        if (!(static_cast<std::size_t>(i) <= p.ciezar.size() && p.ciezar[i - 1] > 0.0f)) {
            bez += (bez.empty() ? "" : ", ") + std::to_string(i);
            ++ile;
        }
    if (m.nm == 0 || ile == 0) return "";
    if (ile == m.nm)
        return "Żaden materiał nie ma ciężaru objętościowego: ciężar własny będzie zerowy "
               "(Przypadki → Ciężar objętościowy materiału).";
    return "Materiały bez ciężaru objętościowego (ich pręty nie dają ciężaru własnego): " + bez +
           ".";
}

}  // namespace

// The case's dialog until its entries are valid; false when it was cancelled.
bool _OKNO_::edytuj_przypadek(PrzypadekObciazen& c, int numer) {
    for (;;) {
        DialogDynamiczny d(3300, "Przypadek obciążeń " + std::to_string(numer), 240);
        const int nazwa = d.edycja(8500, "Nazwa", c.nazwa, 60);
        const int rodzaj = d.lista(8501, "Rodzaj", {"stałe (G)", "zmienne (Q)"}, c.zmienny);
        const int kategoria = d.lista(8502, "Kategoria (zmienne)", nazwy_kategorii(), c.kategoria);
        const Psi tab = psi_z_tablicy(static_cast<Kategoria>(c.kategoria));
        const bool wlasne_psi =
            c.zmienny && (c.psi0 != tab.psi0 || c.psi1 != tab.psi1 || c.psi2 != tab.psi2);
        const int wlasne =
            d.wybor(8503, "Własne współczynniki ψ (inne niż dla kategorii)", wlasne_psi);
        // A permanent case shows its category's factors, ready for a change of kind.
        const int psi0 = d.edycja(8504, "ψ0", liczba(c.zmienny ? c.psi0 : tab.psi0), 24);
        const int psi1 = d.edycja(8505, "ψ1", liczba(c.zmienny ? c.psi1 : tab.psi1), 24);
        const int psi2 = d.edycja(8506, "ψ2", liczba(c.zmienny ? c.psi2 : tab.psi2), 24);
        const int grupa = d.edycja(8507, "Grupa wykluczająca", c.grupa, 30);
        d.napis("Przypadki jednej grupy nie działają razem (np. wiatr z lewej i z prawej).");
        const int ciezar = d.wybor(8508, "Ciężar własny prętów", c.ciezar_wlasny);
        const int wsp = d.edycja(8509, "Współczynnik ciężaru własnego", liczba(c.wsp_ciezaru), 24);
        const std::string gestosci = o_gestosciach(model, projekt);
        if (!gestosci.empty()) d.napis(gestosci);
        if (d.pokaz(port) != 1) return false;

        PrzypadekObciazen n = c;
        n.nazwa = d.tekst(nazwa);
        n.zmienny = d.stan(rodzaj) == 1;
        n.kategoria = std::clamp(d.stan(kategoria), 0, liczba_kategorii - 1);
        n.grupa = n.zmienny ? d.tekst(grupa) : "";
        n.ciezar_wlasny = d.stan(ciezar) == 1;
        double p[3] = {0, 0, 0}, w = 0;
        const bool psi_dobre = liczba_rzeczywista(d.tekst(psi0).c_str(), p[0]) &&
                               liczba_rzeczywista(d.tekst(psi1).c_str(), p[1]) &&
                               liczba_rzeczywista(d.tekst(psi2).c_str(), p[2]) &&
                               std::all_of(p, p + 3, [](double v) { return v >= 0 && v <= 1; });
        const bool wlasne_dobre = !n.zmienny || d.stan(wlasne) != 1 || psi_dobre;
        const bool nazwa_wolna = std::none_of(
            projekt.przypadki.begin(), projekt.przypadki.end(),
            [&](const PrzypadekObciazen& x) { return &x != &c && x.nazwa == n.nazwa; });
        Kontrola k(*this);
        k(n.nazwa.find_first_not_of(' ') == std::string::npos, "Przypadek musi mieć nazwę");
        k(!nazwa_wolna, "Przypadek o tej nazwie już istnieje");
        k(!wlasne_dobre, "Współczynnik ψ musi być liczbą od 0 do 1");
        k(!liczba_rzeczywista(d.tekst(wsp).c_str(), w),
          "Współczynnik ciężaru własnego nie jest liczbą");
        if (!k.dobrze()) continue;
        n.wsp_ciezaru = w;
        // A variable case takes its category's factors unless the user gives his own.
        const Psi t = psi_z_tablicy(static_cast<Kategoria>(n.kategoria));
        const bool z_tablicy = !n.zmienny || d.stan(wlasne) != 1;
        n.psi0 = n.zmienny ? (z_tablicy ? t.psi0 : p[0]) : 0;
        n.psi1 = n.zmienny ? (z_tablicy ? t.psi1 : p[1]) : 0;
        n.psi2 = n.zmienny ? (z_tablicy ? t.psi2 : p[2]) : 0;
        if (!n.zmienny) n.kategoria = 0;
        c = std::move(n);
        return true;
    }
}

void _OKNO_::Cm_prz_nowy() {
    if (model.Pusty != 0) return;
    PrzypadekObciazen c = Projekt::nowy_przypadek(static_cast<int>(projekt.przypadki.size()) + 1);
    // Names of deleted cases may be taken: the first free number is offered.
    for (int n = static_cast<int>(projekt.przypadki.size()) + 1;; ++n) {
        c.nazwa = "Przypadek " + std::to_string(n);
        if (std::none_of(projekt.przypadki.begin(), projekt.przypadki.end(),
                         [&](const PrzypadekObciazen& x) { return x.nazwa == c.nazwa; }))
            break;
    }
    if (!edytuj_przypadek(c, static_cast<int>(projekt.przypadki.size()) + 1)) return;
    // The new case is empty and becomes current, so that its loads can be added at once.
    projekt.przypadki.push_back(std::move(c));
    wybierz_przypadek(static_cast<int>(projekt.przypadki.size()) - 1);
}

void _OKNO_::Cm_prz_wlasciwosci() {
    if (model.Pusty != 0) return;
    PrzypadekObciazen c = projekt.przypadki[static_cast<std::size_t>(projekt.biezacy)];
    if (!edytuj_przypadek(c, projekt.biezacy + 1)) return;
    if (c == projekt.przypadki[static_cast<std::size_t>(projekt.biezacy)]) return;
    projekt.przypadki[static_cast<std::size_t>(projekt.biezacy)] = std::move(c);
    // Combinations and self-weight depend on it: the results no longer hold.
    uniewaznij_wyniki();
}

void _OKNO_::Cm_prz_kopiuj() {
    if (model.Pusty != 0) return;
    PrzypadekObciazen c = projekt.przypadki[static_cast<std::size_t>(projekt.biezacy)];
    c.obc = obciazenia_magazynu(model);
    c.nazwa += " (kopia)";
    projekt.przypadki.push_back(std::move(c));
    for (KombinacjaWlasna& k : projekt.wlasne) k.wsp.resize(projekt.przypadki.size(), 0.0);
    wybierz_przypadek(static_cast<int>(projekt.przypadki.size()) - 1);
}

void _OKNO_::Cm_prz_usun() {
    if (model.Pusty != 0 || projekt.przypadki.size() < 2) return;
    const int b = projekt.biezacy;
    const std::string& nazwa = projekt.przypadki[static_cast<std::size_t>(b)].nazwa;
    if (port.MessageBox("Usunąć przypadek „" + nazwa + "” razem z jego obciążeniami?", "Velkora 2D",
                        Ikona::pytajnik, Przyciski::tak_nie) != IDYES)
        return;
    // The neighbour becomes current first; then the case, now outside the store, goes.
    const int nastepny = b > 0 ? b - 1 : 1;
    wybierz_przypadek(nastepny);
    projekt.przypadki.erase(projekt.przypadki.begin() + b);
    if (projekt.biezacy > b) --projekt.biezacy;
    for (KombinacjaWlasna& k : projekt.wlasne)
        if (static_cast<int>(k.wsp.size()) > b) k.wsp.erase(k.wsp.begin() + b);
    uniewaznij_wyniki();
}

void _OKNO_::Cm_prz_biezacy() {
    if (model.Pusty != 0) return;
    DialogDynamiczny d(3310, "Bieżący przypadek obciążeń", 200);
    const int l = d.lista(8500, "Przypadek", nazwy_przypadkow(projekt), projekt.biezacy);
    if (d.pokaz(port) != 1) return;
    wybierz_przypadek(d.stan(l));
}

void _OKNO_::Cm_prz_nastepny() {
    if (model.Pusty != 0) return;
    const int n = static_cast<int>(projekt.przypadki.size());
    wybierz_przypadek((projekt.biezacy + 1) % n);
}

void _OKNO_::Cm_prz_poprzedni() {
    if (model.Pusty != 0) return;
    const int n = static_cast<int>(projekt.przypadki.size());
    wybierz_przypadek((projekt.biezacy + n - 1) % n);
}

void _OKNO_::wybierz_przypadek(int n) {
    if (n < 0 || n >= static_cast<int>(projekt.przypadki.size()) || n == projekt.biezacy) {
        port.Odswiez();
        return;
    }
    zamknij_tabele();
    Przebudowa p(model);
    ustaw_biezacy(model, projekt, n);
    // The store's results follow: the case's own when every case was analysed.
    pokaz_wyniki();
    port.Odswiez();
}

void _OKNO_::Ce_prz_jest_model(TCommandEnabler& ce) {
    ce.Enable(model.Pusty == 0);
}
void _OKNO_::Ce_prz_wiele(TCommandEnabler& ce) {
    ce.Enable(model.Pusty == 0 && projekt.przypadki.size() > 1);
}

void _OKNO_::Cm_ciezar_materialu() {
    Model& m = model;
    if (m.Pusty != 0 || m.nm <= 0) return;
    const int n = zapytaj_o_numer(*this, "Podaj numer materiału :");
    if (n < 1 || n > m.nm) {
        port.Odswiez();
        return;
    }
    uzgodnij(m, projekt);
    float& g = projekt.ciezar[static_cast<std::size_t>(n - 1)];
    for (;;) {
        DialogDynamiczny d(3320, "Ciężar objętościowy materiału " + std::to_string(n), 200);
        char t[32];
        std::snprintf(t, sizeof t, "%g", static_cast<double>(g));
        const int pole = d.edycja(8500, "Ciężar objętościowy", t, 24, Wielkosc::ciezar);
        d.napis("Na przykład stal: 78,5 kN/m³ (7,85·10⁻⁵ kN/cm³), drewno: 5 kN/m³.");
        if (d.pokaz(port) != 1) break;
        float w = 0;
        Kontrola k(*this);
        k(!liczba_rzeczywista(d.tekst(pole).c_str(), w) || w < 0,
          "Ciężar objętościowy musi być liczbą nieujemną");
        if (!k.dobrze()) continue;
        if (w != g) {
            g = w;
            uniewaznij_wyniki();
        }
        break;
    }
    port.Odswiez();
}

void _OKNO_::Cm_kombinacje() {
    if (model.Pusty != 0) return;
    UstawieniaKombinacji u = projekt.kombinacje;
    for (;;) {
        DialogDynamiczny d(3330, "Kombinacje obciążeń (PN-EN 1990)", 260);
        const int rown = d.lista(8500, "Stan graniczny nośności",
                                 {"wzór 6.10", "wzory 6.10a i 6.10b"}, u.rownania_610ab);
        const int gs = d.edycja(8501, "γG,sup (niekorzystne)", liczba(u.gamma_G_sup), 24);
        const int gi = d.edycja(8502, "γG,inf (korzystne)", liczba(u.gamma_G_inf), 24);
        const int gq = d.edycja(8503, "γQ", liczba(u.gamma_Q), 24);
        const int xi = d.edycja(8504, "ξ (wzór 6.10b)", liczba(u.xi), 24);
        d.napis("Kombinacje stanu użytkowalności: charakterystyczne, częste i quasi-stałe.");
        if (d.pokaz(port) != 1) return;
        UstawieniaKombinacji n = u;
        n.rownania_610ab = d.stan(rown) == 1;
        Kontrola k(*this);
        const struct {
            int pole;
            double* cel;
            const char* blad;
        } pola[] = {{gs, &n.gamma_G_sup, "γG,sup musi być liczbą dodatnią"},
                    {gi, &n.gamma_G_inf, "γG,inf musi być liczbą nieujemną"},
                    {gq, &n.gamma_Q, "γQ musi być liczbą dodatnią"},
                    {xi, &n.xi, "ξ musi być liczbą od 0 do 1"}};
        for (const auto& p : pola) {
            const bool dobra = liczba_rzeczywista(d.tekst(p.pole).c_str(), *p.cel);
            const bool w_zakresie = p.cel == &n.gamma_G_inf ? *p.cel >= 0
                                    : p.cel == &n.xi        ? *p.cel > 0 && *p.cel <= 1
                                                            : *p.cel > 0;
            k(!dobra || !w_zakresie, p.blad);
        }
        if (!k.dobrze()) {
            u = n;
            continue;
        }
        if (!(n == projekt.kombinacje)) {
            projekt.kombinacje = n;
            uniewaznij_wyniki();
        }
        return;
    }
}

void _OKNO_::Cm_kombinacja_wlasna() {
    if (model.Pusty != 0) return;
    KombinacjaWlasna kw;
    kw.nazwa = "Kombinacja własna " + std::to_string(projekt.wlasne.size() + 1);
    kw.wsp.assign(projekt.przypadki.size(), 1.0);
    for (;;) {
        DialogDynamiczny d(3340, "Kombinacja własna", 240);
        const int nazwa = d.edycja(8500, "Nazwa", kw.nazwa, 60);
        d.napis("Współczynnik każdego przypadku (0: przypadek nie działa):");
        std::vector<int> pola;
        for (std::size_t i = 0; i < projekt.przypadki.size(); ++i)
            pola.push_back(d.edycja(8501 + static_cast<int>(i), projekt.przypadki[i].nazwa,
                                    liczba(kw.wsp[i]), 24));
        if (d.pokaz(port) != 1) return;
        kw.nazwa = d.tekst(nazwa);
        bool liczby = true;
        for (std::size_t i = 0; i < pola.size(); ++i)
            liczby = liczba_rzeczywista(d.tekst(pola[i]).c_str(), kw.wsp[i]) && liczby;
        Kontrola k(*this);
        k(kw.nazwa.find_first_not_of(' ') == std::string::npos, "Kombinacja musi mieć nazwę");
        k(!liczby, "Współczynnik przypadku nie jest liczbą");
        if (!k.dobrze()) continue;
        projekt.wlasne.push_back(std::move(kw));
        uniewaznij_wyniki();
        return;
    }
}

void _OKNO_::Cm_usun_kombinacje_wlasna() {
    if (model.Pusty != 0 || projekt.wlasne.empty()) return;
    std::vector<std::string> nazwy;
    for (const KombinacjaWlasna& k : projekt.wlasne) nazwy.push_back(k.nazwa);
    DialogDynamiczny d(3350, "Usuń kombinację własną", 200);
    const int l = d.lista(8500, "Kombinacja", nazwy, 0);
    if (d.pokaz(port) != 1) return;
    const int i = d.stan(l);
    if (i < 0 || i >= static_cast<int>(projekt.wlasne.size())) return;
    projekt.wlasne.erase(projekt.wlasne.begin() + i);
    uniewaznij_wyniki();
}

void _OKNO_::Ce_kombinacje_wlasne(TCommandEnabler& ce) {
    ce.Enable(model.Pusty == 0 && !projekt.wlasne.empty());
}
