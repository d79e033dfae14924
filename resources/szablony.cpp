// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/szablony.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <stdexcept>

#include "editing/rekordy.h"

namespace {

Kontrolka edycja(int id, const char* etykieta, int w, int k, PoleRekordu p, int limit) {
    Kontrolka c;
    c.id = id, c.rodzaj = Rodzaj::edycja, c.tekst = etykieta, c.wiersz = w, c.kolumna = k;
    c.pole = p, c.limit = limit;
    return c;
}
// An edit of a real number: it holds whatever its field can.
Kontrolka rzeczywista(int id, const char* etykieta, int w, int k, PoleRekordu p) {
    Kontrolka c = edycja(id, etykieta, w, k, p, p.szerokosc - 1);
    c.rzeczywista = true;
    return c;
}
Kontrolka numer(Kontrolka c) {
    c.numer = true;
    return c;
}
Kontrolka cyfry(Kontrolka c) {
    c.cyfry = true;
    return c;
}
// The read-only, right-aligned number that heads most dialogs.
Kontrolka naglowkowy(int id, const char* etykieta, PoleRekordu p) {
    Kontrolka c = numer(cyfry(edycja(id, etykieta, 0, 0, p, 3)));
    c.tylko_odczyt = c.do_prawej = true;
    return c;
}
Kontrolka tylko_odczyt(Kontrolka c) {
    c.tylko_odczyt = true;
    return c;
}
Kontrolka napis(const char* tekst, int w, int k) {
    Kontrolka c;
    c.tekst = tekst, c.wiersz = w, c.kolumna = k;
    return c;
}
Kontrolka lista(int id, const char* etykieta, int w, PoleRekordu p, const char* pozycje) {
    Kontrolka c;
    c.id = id, c.rodzaj = Rodzaj::lista, c.tekst = etykieta, c.wiersz = w, c.pole = p;
    c.pozycje = pozycje;
    return c;
}
Kontrolka stan(int id, Rodzaj r, const char* tekst, int w, int k, PoleRekordu p) {
    Kontrolka c;
    c.id = id, c.rodzaj = r, c.tekst = tekst, c.wiersz = w, c.kolumna = k, c.pole = p;
    return c;
}

// Labels that name the unit of their value, by template and label.
void z_jednostkami(std::map<int, SzablonDialogu>& s) {
    using W = Wielkosc;
    const struct {
        int szablon;
        const char* etykieta;
        Wielkosc wielkosc;
    } t[] = {
        {3020, "Współrzędna X", W::dlugosc},
        {3020, "Współrzędna Y", W::dlugosc},
        {3030, "Maksymalne przemieszczenie", W::dlugosc},
        {3040, "Wartość siły", W::sila},
        {3050, "Moduł Younga", W::naprezenie},
        {3050, "Wsp.rozszerz.cieplnej", W::rozszerzalnosc},
        {3060, "Przekrój", W::pole},
        {3070, "Przyrost temperatury", W::temperatura},
        {3080, "Maks. przemieszczenie w osi X", W::dlugosc},
        {3080, "Maks. przemieszczenie w osi Y", W::dlugosc},
        {3080, "Maks. naprężenie normalne", W::naprezenie},
        {3080, "Maks. siła osiowa", W::sila},
        {3110, "Krok siatki", W::dlugosc},
        {3200, "Rozpiętość", W::dlugosc},
        {3200, "Wysokość (dach: w kalenicy)", W::dlugosc},
        {3200, "Moduł Younga", W::naprezenie},
        {3200, "Wsp.rozszerz.cieplnej", W::rozszerzalnosc},
        {3200, "Pole przekroju pasów", W::pole},
        {3200, "Pole przekroju słupków", W::pole},
        {3200, "Pole przekroju krzyżulców", W::pole},
        {3200, "Siła w węźle (dodatnia w dół)", W::sila},
        {3500, "Przesunięcie X", W::dlugosc},
        {3500, "Przesunięcie Y", W::dlugosc},
        {3501, "Przesunięcie X", W::dlugosc},
        {3501, "Przesunięcie Y", W::dlugosc},
        {3504, "Wartość siły", W::sila},
    };
    for (const auto& j : t)
        for (Kontrolka& k : s.at(j.szablon).kontrolki)
            if (std::strcmp(k.tekst, j.etykieta) == 0) k.wielkosc = j.wielkosc;
}

std::map<int, SzablonDialogu> zbuduj() {
    std::map<int, SzablonDialogu> s;
    using R = d_dane_pods;
    s[3000] = {
        3000,
        "Dane podstawowe",
        217,
        142,
        {numer(cyfry(edycja(3001, "Ilość elementów", 0, 0, VELKORA_POLE(R, ne), 3))),
         numer(cyfry(edycja(3002, "Ilość węzłów", 1, 0, VELKORA_POLE(R, nn), 3))),
         numer(cyfry(edycja(3003, "Ilość utwierdzonych węzłów", 2, 0, VELKORA_POLE(R, nd), 3))),
         numer(edycja(3004, "Ilość sił obciążających", 3, 0, VELKORA_POLE(R, nl), 3)),
         numer(edycja(3005, "Ilość materiałów", 4, 0, VELKORA_POLE(R, nm), 3)),
         numer(edycja(3006, "Ilość różnych przekrojów", 5, 0, VELKORA_POLE(R, na), 3))}};
    using P = d_dane_przek;
    s[3010] = {3010,
               "Parametry prętów",
               163,
               94,
               {naglowkowy(8004, "Numer pręta", VELKORA_POLE(P, ee)),
                numer(edycja(8500, "Węzeł 1", 1, 0, VELKORA_POLE(P, w1), 3)),
                numer(edycja(8501, "Węzeł 2", 2, 0, VELKORA_POLE(P, w2), 3)),
                numer(edycja(8502, "Materiał nr", 3, 0, VELKORA_POLE(P, mat), 3)),
                numer(edycja(8503, "Przekrój nr", 4, 0, VELKORA_POLE(P, pole), 3))}};
    s[3020] = {3020,
               "Współrzędne węzłów",
               117,
               93,
               {naglowkowy(8004, "Węzeł", VELKORA_POLE(d_wsp, i)),
                rzeczywista(8500, "Współrzędna X", 1, 0, VELKORA_POLE(d_wsp, x)),
                rzeczywista(8501, "Współrzędna Y", 2, 0, VELKORA_POLE(d_wsp, y))}};
    using W = d_wymusz;
    s[3030] = {3030,
               "Wymuszone przesuniecia",
               221,
               108,
               {naglowkowy(8004, "Numer podpory", VELKORA_POLE(W, i)),
                numer(cyfry(edycja(8500, "Numer węzła", 1, 0, VELKORA_POLE(W, nu), 3))),
                napis("Maksymalne przemieszczenie", 2, 1), napis("Utwierdzenie", 2, 2),
                rzeczywista(8501, "w kierunku X", 3, 0, VELKORA_POLE(W, x)),
                rzeczywista(8502, "w kierunku Y", 4, 0, VELKORA_POLE(W, y)),
                stan(8600, Rodzaj::wybor, "w kierunku X", 3, 2, VELKORA_STAN(W, chx)),
                stan(8610, Rodzaj::wybor, "w kierunku Y", 4, 2, VELKORA_STAN(W, chy))}};
    using S = d_sily;
    s[3040] = {
        3040,
        "Obciążenie węzłów siłami",
        221,
        82,
        {naglowkowy(8004, "Numer siły", VELKORA_POLE(S, i)),
         numer(cyfry(edycja(8500, "Numer węzła", 1, 0, VELKORA_POLE(S, nr), 3))),
         rzeczywista(8501, "Wartość siły", 2, 0, VELKORA_POLE(S, f)), napis("Siła działa", 0, 2),
         stan(8620, Rodzaj::radio, "w kierunku X", 1, 2, VELKORA_STAN(S, xf)),
         stan(8630, Rodzaj::radio, "w kierunku Y", 2, 2, VELKORA_STAN(S, yf))}};
    s[3050] = {3050,
               "Dane materiałów",
               140,
               94,
               {naglowkowy(8004, "Materiał", VELKORA_POLE(d_mat, i)),
                rzeczywista(8500, "Moduł Younga", 1, 0, VELKORA_POLE(d_mat, e)),
                rzeczywista(8501, "Wsp.rozszerz.cieplnej", 2, 0, VELKORA_POLE(d_mat, alp))}};
    s[3060] = {3060,
               "Pola przekrojów",
               109,
               74,
               {naglowkowy(8004, "Numer przekroju", VELKORA_POLE(d_przekr, i)),
                rzeczywista(8500, "Przekrój", 1, 0, VELKORA_POLE(d_przekr, a))}};
    s[3070] = {3070,
               "Pręty ze zmienioną temperaturą",
               150,
               94,
               {naglowkowy(8004, "Numer", VELKORA_POLE(d_temp, i)),
                numer(edycja(8500, "Numer pręta", 1, 0, VELKORA_POLE(d_temp, nr), 3)),
                rzeczywista(8501, "Przyrost temperatury", 2, 0, VELKORA_POLE(d_temp, dt))}};
    using T = d_stat;
    auto liczba = [](int id, const char* e, int w, int k, PoleRekordu p) {
        return tylko_odczyt(edycja(id, e, w, k, p, p.szerokosc - 1));
    };
    s[3080] = {3080,
               "Statystyka",
               218,
               188,
               {liczba(3001, "Ilość elementów", 0, 0, VELKORA_POLE(T, ne)),
                liczba(3002, "Ilość węzłów", 1, 0, VELKORA_POLE(T, nn)),
                liczba(3003, "Ilość podpór", 2, 0, VELKORA_POLE(T, nd)),
                liczba(3004, "Ilość sił", 3, 0, VELKORA_POLE(T, nl)),
                liczba(3005, "Ilość materiałów", 4, 0, VELKORA_POLE(T, nm)),
                liczba(3006, "Ilość przekrojów", 5, 0, VELKORA_POLE(T, na)),
                liczba(3007, "Maks. przemieszczenie w osi X", 6, 0, VELKORA_POLE(T, mnx)),
                liczba(3008, "w węźle", 6, 2, VELKORA_POLE(T, w1)),
                liczba(101, "Maks. przemieszczenie w osi Y", 7, 0, VELKORA_POLE(T, mny)),
                liczba(102, "w węźle", 7, 2, VELKORA_POLE(T, w2)),
                liczba(103, "Maks. naprężenie normalne", 8, 0, VELKORA_POLE(T, mnap)),
                liczba(104, "w elem.", 8, 2, VELKORA_POLE(T, ele)),
                liczba(105, "Maks. siła osiowa", 9, 0, VELKORA_POLE(T, mnsil)),
                liczba(106, "w elem.", 9, 2, VELKORA_POLE(T, ele_sil)),
                liczba(107, "Maks. wytężenie U", 10, 0, VELKORA_POLE(T, mnu)),
                liczba(108, "w elem.", 10, 2, VELKORA_POLE(T, ele_u)),
                liczba(109, "Pręt o maks. U", 11, 0, VELKORA_POLE(T, wym))},
               false};
    Kontrolka nap = stan(8700, Rodzaj::statyczny, "Numer", 0, 0, VELKORA_POLE(d_nr, nap));
    nap.pole.stan = false, nap.limit = 39, nap.do_prawej = true;
    Kontrolka nr = numer(cyfry(edycja(8004, "", 0, 1, VELKORA_POLE(d_nr, i), 3)));
    nr.do_prawej = true;
    s[3100] = {3100, "Zmiany", 89, 44, {nap, nr}, false};
    s[3110] = {3110,
               "Krok siatki",
               117,
               54,
               {rzeczywista(8500, "Krok siatki", 0, 0, VELKORA_POLE(d_krok, krok))}};
    using Z = d_szablon;
    auto rzecz = [](int id, const char* e, int w, PoleRekordu p) {
        return rzeczywista(id, e, w, 0, p);
    };
    s[3200] = {3200,
               "Szablon kratownicy",
               250,
               210,
               {lista(8800, "Kratownica", 0, VELKORA_STAN(Z, typ), typy_kratownic),
                rzecz(8801, "Rozpiętość", 1, VELKORA_POLE(Z, l)),
                rzecz(8802, "Wysokość (dach: w kalenicy)", 2, VELKORA_POLE(Z, h)),
                cyfry(edycja(8803, "Liczba przedziałów", 3, 0, VELKORA_POLE(Z, n), 3)),
                rzecz(8804, "Moduł Younga", 4, VELKORA_POLE(Z, e)),
                rzecz(8805, "Wsp.rozszerz.cieplnej", 5, VELKORA_POLE(Z, alp)),
                rzecz(8806, "Pole przekroju pasów", 6, VELKORA_POLE(Z, a_pas)),
                rzecz(8807, "Pole przekroju słupków", 7, VELKORA_POLE(Z, a_slup)),
                rzecz(8808, "Pole przekroju krzyżulców", 8, VELKORA_POLE(Z, a_krz)),
                lista(8809, "Podpory", 9, VELKORA_STAN(Z, podpory),
                      "przegubowo-nieprzesuwna i przegubowo-przesuwna|"
                      "dwie przegubowo-nieprzesuwne"),
                napis("Wspornik jest utwierdzony w obu węzłach przy ścianie.", 10, 1),
                rzecz(8810, "Siła w węźle (dodatnia w dół)", 11, VELKORA_POLE(Z, p)),
                lista(8811, "Obciążony pas", 12, VELKORA_STAN(Z, pas), "górny|dolny")}};
    s[3120] = {3120,
               "Rozmiar obrazu",
               140,
               64,
               {cyfry(edycja(8500, "Szerokość w pikselach", 0, 0, VELKORA_POLE(d_rozmiar, w), 5)),
                cyfry(edycja(8501, "Wysokość w pikselach", 1, 0, VELKORA_POLE(d_rozmiar, h), 5)),
                stan(8502, Rodzaj::wybor, "Zachowaj proporcje", 2, 0,
                     VELKORA_STAN(d_rozmiar, proporcje))}};
    using SP = d_skala_przem;
    s[3150] = {3150,
               "Skala przemieszczeń",
               170,
               78,
               {stan(8911, Rodzaj::radio, "automatyczna", 0, 0, VELKORA_STAN(SP, automatyczna)),
                stan(8912, Rodzaj::radio, "podana", 1, 0, VELKORA_STAN(SP, podana)),
                edycja(8500, "Współczynnik", 2, 0, VELKORA_POLE(SP, wsp), 12),
                napis("Tyle razy powiększone są przemieszczenia na rysunku.", 3, 0)}};
    using J = d_jednostki;
    s[3140] = {3140,
               "Jednostki",
               150,
               110,
               {stan(8901, Rodzaj::radio, "bez jednostek", 0, 0, VELKORA_STAN(J, brak)),
                stan(8902, Rodzaj::radio, "kN i cm", 1, 0, VELKORA_STAN(J, kn_cm)),
                stan(8903, Rodzaj::radio, "kN i m", 2, 0, VELKORA_STAN(J, kn_m)),
                stan(8904, Rodzaj::radio, "N i mm", 3, 0, VELKORA_STAN(J, n_mm)),
                stan(8905, Rodzaj::radio, "N i m", 4, 0, VELKORA_STAN(J, n_m)),
                napis("Program zapyta, czy przeliczyć wartości.", 5, 0)}};
    // Moving and copying the selection, and supports and forces at the selected nodes.
    using PR = d_przesuniecie;
    s[3500] = {3500,
               "Przesuń zaznaczone",
               150,
               64,
               {rzeczywista(8500, "Przesunięcie X", 0, 0, VELKORA_POLE(PR, dx)),
                rzeczywista(8501, "Przesunięcie Y", 1, 0, VELKORA_POLE(PR, dy))}};
    s[3501] = {
        3501,
        "Kopiuj z przesunięciem",
        220,
        90,
        {rzeczywista(8500, "Przesunięcie X", 0, 0, VELKORA_POLE(PR, dx)),
         rzeczywista(8501, "Przesunięcie Y", 1, 0, VELKORA_POLE(PR, dy)),
         cyfry(edycja(8502, "Liczba kopii", 2, 0, VELKORA_POLE(PR, ile), 4)),
         napis("Węzły kopii, które wypadną na istniejących węzłach, połączą się z nimi.", 3, 0)}};
    using PW = d_podpory_wezlow;
    s[3503] = {3503,
               "Podpory w zaznaczonych węzłach",
               170,
               80,
               {napis("Utwierdzenie", 0, 0),
                stan(8600, Rodzaj::radio, "w kierunku X", 1, 0, VELKORA_STAN(PW, x)),
                stan(8610, Rodzaj::radio, "w kierunku Y", 2, 0, VELKORA_STAN(PW, y)),
                stan(8611, Rodzaj::radio, "w obu kierunkach", 3, 0, VELKORA_STAN(PW, xy))}};
    using SW = d_sila_wezlow;
    s[3504] = {
        3504,
        "Siły w zaznaczonych węzłach",
        190,
        70,
        {rzeczywista(8500, "Wartość siły", 0, 0, VELKORA_POLE(SW, f)), napis("Siła działa", 0, 2),
         stan(8620, Rodzaj::radio, "w kierunku X", 1, 2, VELKORA_STAN(SW, xf)),
         stan(8630, Rodzaj::radio, "w kierunku Y", 2, 2, VELKORA_STAN(SW, yf))}};
    z_jednostkami(s);
    // The forced displacements' heading names their unit; what is typed into them is a length.
    for (Kontrolka& k : s.at(3030).kontrolki)
        if (k.rodzaj == Rodzaj::edycja && k.rzeczywista)
            k.wielkosc = Wielkosc::dlugosc, k.jednostka_w_naglowku = true;
    return s;
}

const std::map<int, SzablonDialogu>& wszystkie() {
    static const std::map<int, SzablonDialogu> s = zbuduj();
    return s;
}

}  // namespace

const SzablonDialogu& szablon(int id) {
    const auto it = wszystkie().find(id);
    if (it == wszystkie().end()) throw std::out_of_range("szablon dialogu");
    return it->second;
}

const std::vector<int>& identyfikatory_szablonow() {
    static const std::vector<int> id = [] {
        std::vector<int> v;
        for (const auto& [k, s] : wszystkie()) v.push_back(k);
        return v;
    }();
    return id;
}

std::vector<std::string> pozycje_listy(const char* pozycje) {
    std::vector<std::string> p;
    const std::string t = pozycje;
    for (std::size_t od = 0;;) {
        const std::size_t kreska = t.find('|', od);
        p.push_back(t.substr(od, kreska - od));
        if (kreska == std::string::npos) return p;
        od = kreska + 1;
    }
}

int limit_kontrolki(const Kontrolka& k, int cyfry) {
    if (!k.numer) return k.limit;
    return std::min(std::max(k.limit, cyfry), k.pole.szerokosc - 1);
}

std::string tekst_do_rekordu(const Kontrolka& k, const std::string& tekst) {
    if (k.rzeczywista && tekst.size() > static_cast<std::size_t>(k.pole.szerokosc - 1)) return {};
    return tekst;
}

std::string nazwa_pola(const Kontrolka& k) {
    return std::string("Pole „") + k.tekst + "”";
}

const std::vector<Podmenu>& menu_1000() {
    static const std::vector<Podmenu> m = {
        {"&Plik",
         {{1070, "&Nowy", false, false, "Ctrl+N"},
          {1020, "&Otwórz", false, false, "Ctrl+O"},
          {52001, "&Zapisz", false, false, "Ctrl+S"},
          {1060, "Zapisz &Jako"},
          {51698, "Zamk&nij"},
          {},
          {0,
           "&Eksport",
           false,
           false,
           "",
           {{52321, "&CSV..."},
            {52322, "CSV dla &arkusza kalkulacyjnego..."},
            {52601, "Obraz &PNG..."},
            {52602, "Obraz &SVG..."},
            {52603, "Obraz P&DF..."}}},
          {52604, "&Drukuj...", false, false, "Ctrl+P"},
          {52901, "&Raport..."},
          {52902, "&Właściwości projektu..."},
          {},
          {51697, "&Kreator"},
          {52301, "&Szablon kratownicy..."},
          {52802, "P&rzykłady..."},
          {},
          {1040, "&Koniec"}}},
        {"&Edycja",
         {{52011, "&Cofnij", true, false, "Ctrl+Z"},
          {52012, "&Ponów", true, false, "Ctrl+Y;Ctrl+Shift+Z"},
          // The selection in the view and what is done to it.
          {},
          {52702, "&Zmień element pod kursorem", true, false, "F2"},
          {52703, "Zaznacz &wszystko", true, false, "Ctrl+A"},
          {52704, "&Usuń zaznaczone", true, false, "Del"},
          {},
          {52705, "Prze&suń zaznaczone...", true},
          {52706, "&Kopiuj z przesunięciem...", true},
          {52707, "&Materiał i przekrój prętów...", true},
          {52708, "Po&dpory w zaznaczonych węzłach...", true},
          {52709, "S&iły w zaznaczonych węzłach...", true}}},
        {"&Dodaj",
         {{51684, "&Materiał"},
          {51685, "P&ole przekroju"},
          {51682, "&Węzeł"},
          {51683, "&Pręt"},
          {51686, "Po&dpore"},
          {51687, "&Siłe"},
          {52101, "&Temperaturę"},
          {},
          {52201, "&Rysuj"}}},
        {"&Zmień",
         {{1150, "&Materiał"},
          {1160, "P&ole przekroju"},
          {51690, "&Węzeł"},
          {1170, "&Pręt"},
          {51688, "Po&dpore"},
          {51689, "&Siłe"},
          {52102, "&Temperaturę"}}},
        {"&Usuń",
         {{51693, "&Materiał"},
          {51695, "P&ole przekroju"},
          {51691, "&Węzeł"},
          {51692, "&Pręt"},
          {51694, "Po&dpore"},
          {51696, "&Siłe"},
          {52103, "&Temperaturę"}}},
        {"P&rzypadki",
         {{52401, "&Nowy przypadek..."},
          {52402, "&Właściwości przypadku..."},
          {52403, "&Kopiuj przypadek"},
          {52404, "&Usuń przypadek"},
          {},
          {52405, "&Bieżący przypadek..."},
          {52406, "Na&stępny przypadek", false, false, "Ctrl+PgDown"},
          {52407, "Po&przedni przypadek", false, false, "Ctrl+PgUp"},
          {},
          {52408, "&Ciężar objętościowy materiału..."},
          {},
          {52410, "Ko&mbinacje..."},
          {52411, "Kombinacja wł&asna..."},
          {52412, "Usuń kombinac&ję własną..."},
          {52413, "&Lista kombinacji"},
          {},
          {52414, "P&okaż wyniki..."}}},
        {"&Obliczenia",
         {{1010, "&Oblicz", false, false, "F5"},
          {52801, "Obliczaj na &bieżąco"},
          {},
          {51699, "&Statystyka"},
          {},
          {1130, "&Wyniki obliczeń", true},
          {1140, "&Dane obliczeniowe"}}},
        {"W&ymiarowanie",
         {{52501, "&Przekrój stalowy..."},
          {52502, "Długości wy&boczeniowe..."},
          {52503, "Współczynniki i &ugięcie..."},
          {},
          {52504, "&Sprawdź pręty"},
          {52505, "&Dobierz przekroje..."}}},
        {"&Widok",
         {{1120, "&Naprężenia normalne"},
          {52506, "W&ytężenie"},
          {},
          {1110, "&Przemieszczenia", false, true},
          {52218, "S&kala przemieszczeń..."},
          {52216, "&Reakcje"},
          {},
          {1200, "Numery &elmentów", false, true},
          {1220, "Numery &materiałów", false, true},
          {1230, "Numery pó&l", false, true},
          {52214, "S&iły osiowe"},
          {1210, "Numery wę&złów", false, true},
          {52217, "&Wartości obciążeń"},
          {},
          {52211, "Zachowaj pr&oporcje"},
          {52212, "&Dopasuj widok"},
          {52213, "Krok &siatki..."},
          {},
          {52215, "&Jednostki..."},
          {52701, "&Arkusz danych"}}},
        {"P&omoc", {{51700, "&Pomoc", false, false, "F1"}, {}, {1240, "&O programie..."}}},
    };
    return m;
}
