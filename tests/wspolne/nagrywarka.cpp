// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/wspolne/nagrywarka.h"

void Nagrywarka::dodaj(Wywolanie r, int x1, int y1, int x2, int y2, std::string t) {
    operacje.push_back(Operacja{r, x1, y1, x2, y2, std::move(t), stan});
}

void Nagrywarka::pioro(Kolor k, int szerokosc, StylPiora styl) {
    stan.pioro = k;
    stan.szerokosc = szerokosc;
    stan.styl = styl;
    dodaj(Wywolanie::pioro, szerokosc);
}

void Nagrywarka::pedzel(Kolor k) {
    stan.pedzel = k;
    dodaj(Wywolanie::pedzel);
}

void Nagrywarka::czcionka(const std::string& kroj, int wysokosc, int waga) {
    stan.kroj = kroj;
    stan.wysokosc = wysokosc;
    stan.waga = waga;
    dodaj(Wywolanie::czcionka, wysokosc, waga, 0, 0, kroj);
}

void Nagrywarka::kolor_tekstu(Kolor k) {
    stan.tekst = k;
    dodaj(Wywolanie::kolor_tekstu);
}

void Nagrywarka::tlo_tekstu(Kolor k) {
    stan.tlo = k;
    dodaj(Wywolanie::tlo_tekstu);
}

void Nagrywarka::prostokat(int lewo, int gora, int prawo, int dol) {
    dodaj(Wywolanie::prostokat, lewo, gora, prawo, dol);
}

void Nagrywarka::przesun_do(int nx, int ny) {
    x = nx;
    y = ny;
    dodaj(Wywolanie::przesun_do, nx, ny);
}

void Nagrywarka::linia_do(int nx, int ny) {
    dodaj(Wywolanie::linia_do, x, y, nx, ny);
    x = nx;
    y = ny;
}

void Nagrywarka::odcinki(const OdcinekEkranu* s, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
        x = s[i].x1;
        y = s[i].y1;
        linia_do(s[i].x2, s[i].y2);
    }
}

void Nagrywarka::elipsa(int lewo, int gora, int prawo, int dol) {
    dodaj(Wywolanie::elipsa, lewo, gora, prawo, dol);
}

void Nagrywarka::tekst(int tx, int ty, const std::string& t) {
    dodaj(Wywolanie::tekst, tx, ty, 0, 0, t);
}

int Nagrywarka::szerokosc_tekstu(const std::string& t) {
    int znaki = 0;
    for (unsigned char c : t) znaki += (c & 0xC0) != 0x80;  // UTF-8: characters, not bytes
    return znaki * szerokosc_znaku;
}

void Nagrywarka::zachowaj() {
    stos_.push_back(stan);
    dodaj(Wywolanie::zachowaj);
}

void Nagrywarka::przywroc() {
    if (!stos_.empty()) {
        stan = stos_.back();
        stos_.pop_back();
    }
    dodaj(Wywolanie::przywroc);
}

void Nagrywarka::wyczysc() {
    operacje.clear();
    stos_.clear();
    stan = {};
    x = y = 0;
}

std::vector<Operacja> Nagrywarka::wszystkie(Wywolanie r) const {
    std::vector<Operacja> w;
    for (const auto& o : operacje)
        if (o.rodzaj == r) w.push_back(o);
    return w;
}

std::vector<std::string> Nagrywarka::teksty() const {
    std::vector<std::string> w;
    for (const auto& o : operacje)
        if (o.rodzaj == Wywolanie::tekst) w.push_back(o.tekst);
    return w;
}

std::vector<std::string> Nagrywarka::teksty_w_kolorze(Kolor k) const {
    std::vector<std::string> w;
    for (const auto& o : operacje)
        if (o.rodzaj == Wywolanie::tekst && o.stan.tekst == k) w.push_back(o.tekst);
    return w;
}

const Operacja* Nagrywarka::znajdz_tekst(const std::string& t) const {
    for (const auto& o : operacje)
        if (o.rodzaj == Wywolanie::tekst && o.tekst == t) return &o;
    return nullptr;
}

std::vector<Odcinek> Nagrywarka::odcinki() const {
    std::vector<Odcinek> w;
    for (const auto& o : operacje)
        if (o.rodzaj == Wywolanie::linia_do) w.push_back(Odcinek{o.x1, o.y1, o.x2, o.y2, o.stan});
    return w;
}

std::vector<Odcinek> Nagrywarka::odcinki_piorem(Kolor k) const {
    std::vector<Odcinek> w;
    for (const auto& o : odcinki())
        if (o.stan.pioro == k) w.push_back(o);
    return w;
}

bool Nagrywarka::jest_odcinek(int x1, int y1, int x2, int y2) const {
    for (const auto& o : operacje) {
        if (o.rodzaj != Wywolanie::linia_do) continue;
        if (o.x1 == x1 && o.y1 == y1 && o.x2 == x2 && o.y2 == y2) return true;
        if (o.x1 == x2 && o.y1 == y2 && o.x2 == x1 && o.y2 == y1) return true;
    }
    return false;
}

std::vector<Operacja> Nagrywarka::prostokaty_pedzlem(Kolor k) const {
    std::vector<Operacja> w;
    for (const auto& o : operacje)
        if (o.rodzaj == Wywolanie::prostokat && o.stan.pedzel == k) w.push_back(o);
    return w;
}

std::vector<Operacja> Nagrywarka::elipsy_pedzlem(Kolor k) const {
    std::vector<Operacja> w;
    for (const auto& o : operacje)
        if (o.rodzaj == Wywolanie::elipsa && o.stan.pedzel == k) w.push_back(o);
    return w;
}

int Nagrywarka::rysunki() const {
    int n = 0;
    for (const auto& o : operacje) switch (o.rodzaj) {
            case Wywolanie::prostokat:
            case Wywolanie::linia_do:
            case Wywolanie::elipsa:
            case Wywolanie::tekst:
                ++n;
                break;
            default:
                break;
        }
    return n;
}
