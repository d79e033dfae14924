// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/dialog_dynamiczny.h"

#include <cstdint>
#include <cstring>

DialogDynamiczny::DialogDynamiczny(int id, const std::string& tytul, int szerokosc) {
    s_.id = id;
    s_.tytul = zachowaj(tytul);
    s_.szerokosc = szerokosc;
}

const char* DialogDynamiczny::zachowaj(const std::string& t) {
    teksty_.push_back(t);
    return teksty_.back().c_str();
}

int DialogDynamiczny::dodaj_pole(int szerokosc, bool stan) {
    PoleRekordu p;
    // States stay aligned for the 32-bit reads of the dialogs.
    const std::size_t koniec = (rekord_.size() + 3) & ~std::size_t{3};
    p.przesuniecie = koniec;
    p.szerokosc = stan ? 4 : szerokosc;
    p.stan = stan;
    rekord_.resize(koniec + static_cast<std::size_t>(p.szerokosc), 0);
    pola_.push_back(p);
    return static_cast<int>(pola_.size()) - 1;
}

int DialogDynamiczny::edycja(int id, const std::string& etykieta, const std::string& tekst,
                             int limit, Wielkosc w) {
    Kontrolka k;
    k.id = id, k.rodzaj = Rodzaj::edycja, k.tekst = zachowaj(etykieta);
    k.wiersz = static_cast<int>(s_.kontrolki.size());
    k.limit = limit, k.wielkosc = w;
    const int i = dodaj_pole(limit + 1, false);
    k.pole = pola_[static_cast<std::size_t>(i)];
    s_.kontrolki.push_back(k);
    const std::string t = tekst.substr(0, static_cast<std::size_t>(limit));
    std::memcpy(rekord_.data() + k.pole.przesuniecie, t.data(), t.size());
    return i;
}

int DialogDynamiczny::wybor(int id, const std::string& tekst, bool zaznaczony) {
    Kontrolka k;
    k.id = id, k.rodzaj = Rodzaj::wybor, k.tekst = zachowaj(tekst);
    // Under the fields, beside the labels' column.
    k.wiersz = static_cast<int>(s_.kontrolki.size()), k.kolumna = 1;
    const int i = dodaj_pole(4, true);
    k.pole = pola_[static_cast<std::size_t>(i)];
    s_.kontrolki.push_back(k);
    const std::int32_t v = zaznaczony ? 1 : 0;
    std::memcpy(rekord_.data() + k.pole.przesuniecie, &v, 4);
    return i;
}

int DialogDynamiczny::lista(int id, const std::string& etykieta,
                            const std::vector<std::string>& pozycje, int wybrana) {
    std::string t;
    for (const std::string& p : pozycje) t += (t.empty() ? "" : "|") + p;
    Kontrolka k;
    k.id = id, k.rodzaj = Rodzaj::lista, k.tekst = zachowaj(etykieta);
    k.wiersz = static_cast<int>(s_.kontrolki.size());
    k.pozycje = zachowaj(t);
    const int i = dodaj_pole(4, true);
    k.pole = pola_[static_cast<std::size_t>(i)];
    s_.kontrolki.push_back(k);
    const std::int32_t v = wybrana;
    std::memcpy(rekord_.data() + k.pole.przesuniecie, &v, 4);
    return i;
}

void DialogDynamiczny::napis(const std::string& tekst) {
    Kontrolka k;
    k.rodzaj = Rodzaj::napis, k.tekst = zachowaj(tekst);
    k.wiersz = static_cast<int>(s_.kontrolki.size());
    s_.kontrolki.push_back(k);
}

int DialogDynamiczny::pokaz(Platforma& port) {
    // About 7 dialog units a row, with room for the buttons.
    s_.wysokosc = 14 * static_cast<int>(s_.kontrolki.size()) + 30;
    return port.DialogZSzablonu(s_, rekord_.data(), 1);
}

std::string DialogDynamiczny::tekst(int pole) const {
    const PoleRekordu& p = pola_.at(static_cast<std::size_t>(pole));
    const char* t = rekord_.data() + p.przesuniecie;
    return std::string(t, strnlen(t, static_cast<std::size_t>(p.szerokosc)));
}

int DialogDynamiczny::stan(int pole) const {
    const PoleRekordu& p = pola_.at(static_cast<std::size_t>(pole));
    std::int32_t v;
    std::memcpy(&v, rekord_.data() + p.przesuniecie, 4);
    return v;
}
