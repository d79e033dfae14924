// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/wspolne/atrapa.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "okno/okno.h"

namespace {

char* tekst_pola(void* rekord, const PoleRekordu& p) {
    return static_cast<char*>(rekord) + p.przesuniecie;
}
std::int32_t* stan_pola(void* rekord, const PoleRekordu& p) {
    return reinterpret_cast<std::int32_t*>(static_cast<char*>(rekord) + p.przesuniecie);
}

// Copies a control's text into its field, cut to the field's width.
void do_pola(void* rekord, const PoleRekordu& p, const std::string& t) {
    char* d = tekst_pola(rekord, p);
    const std::size_t n = std::min(t.size(), static_cast<std::size_t>(p.szerokosc - 1));
    std::memcpy(d, t.data(), n);
    d[n] = '\0';
}

}  // namespace

std::vector<std::string> Atrapa::teksty() const {
    std::vector<std::string> t;
    for (const Komunikat& k : komunikaty) t.push_back(k.tekst);
    return t;
}

int Atrapa::zywe_tabele() const {
    int n = 0;
    for (const auto& [h, t] : tabele) n += t.zywe;
    return n;
}

bool Atrapa::zamknij_tabele_uzytkownik(UchwytOkna h) {
    auto it = tabele.find(h);
    if (it == tabele.end() || !it->second.zywe) return false;
    if (!it->second.okno->CanClose()) return false;
    it->second.zywe = false;
    dziennik.push_back("tabela zamknieta " + std::to_string(h));
    return true;
}

int Atrapa::MessageBox(const std::string& tekst, const std::string& tyt, Ikona ikona,
                       Przyciski przyciski) {
    komunikaty.push_back({tekst, tyt, ikona, przyciski});
    dziennik.push_back("box: " + tekst);
    int odp = przyciski == Przyciski::ok ? IDOK : IDNO;
    if (przyciski != Przyciski::ok) {
        if (odpowiedzi.empty()) {
            ADD_FAILURE() << "no scripted answer for: " << tekst;
            ++bledy_skryptu;
        } else {
            odp = odpowiedzi.front();
            odpowiedzi.pop_front();
        }
    }
    return odp;
}

int Atrapa::Dialog(int id, void* rekord, int cyfry) {
    return DialogZSzablonu(szablon(id), rekord, cyfry);
}

int Atrapa::DialogZSzablonu(const SzablonDialogu& s, void* rekord, int cyfry) {
    const int id = s.id;
    dziennik.push_back("dialog " + std::to_string(id));
    Pokaz p{id, {}, {}, 2};
    // The controls as the dialog opens: each shows its field.
    std::map<int, std::string> teksty;
    std::map<int, std::int32_t> stany;
    for (const Kontrolka& k : s.kontrolki) {
        if (k.pole.szerokosc == 0) continue;
        if (k.pole.stan) {
            stany[k.id] = *stan_pola(rekord, k.pole);
            p.przy_otwarciu[k.id] = std::to_string(stany[k.id]);
        } else {
            // An edit cannot show more than its limit.
            std::string t = tekst_pola(rekord, k.pole);
            teksty[k.id] = t;
            p.przy_otwarciu[k.id] = t;
        }
    }
    Wpis w;
    for (bool otwarty = true; otwarty;) {
        if (wpisy.empty()) {
            ADD_FAILURE() << "no scripted entry for dialog " << id;
            ++bledy_skryptu;
            pokazy.push_back(p);
            return 2;
        }
        w = wpisy.front();
        wpisy.pop_front();
        for (const auto& [cid, tekst] : w.pola) {
            const Kontrolka* k = nullptr;
            for (const Kontrolka& c : s.kontrolki)
                if (c.id == cid && c.pole.szerokosc > 0) k = &c;
            if (!k) {
                ADD_FAILURE() << "dialog " << id << " has no control " << cid;
                ++bledy_skryptu;
                continue;
            }
            if (k->rodzaj == Rodzaj::wybor) {
                stany[cid] = tekst == "1";
            } else if (k->rodzaj == Rodzaj::radio) {
                for (const Kontrolka& c : s.kontrolki)
                    if (c.rodzaj == Rodzaj::radio) stany[c.id] = 0;
                stany[cid] = 1;
            } else if (k->rodzaj == Rodzaj::lista) {
                // Choosing an item: its place from 0; a list offers nothing else.
                const int ile = static_cast<int>(pozycje_listy(k->pozycje).size());
                const int i = std::atoi(tekst.c_str());
                if (tekst != std::to_string(i) || i < 0 || i >= ile) {
                    ADD_FAILURE() << "list " << cid << " of dialog " << id << " has no item "
                                  << tekst;
                    ++bledy_skryptu;
                } else {
                    stany[cid] = i;
                }
            } else if (k->rodzaj == Rodzaj::edycja && !k->tylko_odczyt) {
                // Typing: a digits-only edit drops other characters; an edit stops at its limit,
                // but for a real number's, which takes any text and refuses a long one as it
                // closes.
                std::string t;
                for (char ch : tekst)
                    if (!k->cyfry || std::isdigit(static_cast<unsigned char>(ch))) t += ch;
                const std::size_t limit = static_cast<std::size_t>(limit_kontrolki(*k, cyfry));
                if (!k->rzeczywista && t.size() > limit) t.resize(limit);
                teksty[cid] = t;
            } else {
                ADD_FAILURE() << "control " << cid << " of dialog " << id
                              << " cannot be typed into";
                ++bledy_skryptu;
            }
        }
        otwarty = false;
        if (w.wynik != 1) break;
        // OK: values typed with a unit are converted, or the dialog stays open with the message.
        for (const Kontrolka& k : s.kontrolki) {
            if (k.rodzaj != Rodzaj::edycja || k.wielkosc == Wielkosc::brak || k.tylko_odczyt ||
                k.pole.szerokosc == 0)
                continue;
            std::string wynik, komunikat;
            if (!tekst_w_ukladzie(teksty[k.id], k.wielkosc, jednostki, nazwa_pola(k), wynik,
                                  komunikat)) {
                MessageBox(komunikat, "Błąd danych", Ikona::stop, Przyciski::ok);
                otwarty = true;
                break;
            }
            teksty[k.id] = wynik;
        }
    }
    p.wynik = w.wynik;
    if (w.wynik == 1) {
        for (const Kontrolka& k : s.kontrolki) {
            if (k.pole.szerokosc == 0) continue;
            if (k.pole.stan)
                *stan_pola(rekord, k.pole) = stany[k.id];
            else if (k.rodzaj == Rodzaj::edycja)
                do_pola(rekord, k.pole, tekst_do_rekordu(k, teksty[k.id]));
        }
    }
    for (const Kontrolka& k : s.kontrolki) {
        if (k.pole.szerokosc == 0) continue;
        p.po_zamknieciu[k.id] = k.pole.stan ? std::to_string(*stan_pola(rekord, k.pole))
                                            : std::string(tekst_pola(rekord, k.pole));
    }
    pokazy.push_back(p);
    return w.wynik;
}

bool Atrapa::plik(UstawieniaPliku& s, const char* rodzaj) {
    dziennik.push_back(std::string(rodzaj) + " proponuje: " + s.nazwa);
    katalogi.push_back(s.katalog);
    if (pliki.empty()) {
        ADD_FAILURE() << "no scripted file name";
        ++bledy_skryptu;
        return false;
    }
    const std::optional<std::string> n = pliki.front();
    pliki.pop_front();
    if (!n) return false;
    s.nazwa = *n;
    return true;
}

bool Atrapa::OknoOtworz(UstawieniaPliku& s) {
    return plik(s, "otworz");
}
bool Atrapa::OknoZapisz(UstawieniaPliku& s) {
    return plik(s, "zapisz");
}

void Atrapa::Odswiez() {
    ++odswiezenia;
    dziennik.push_back("odswiez");
}

void Atrapa::UstawTytul(const std::string& t) {
    tytul = t;
    dziennik.push_back("tytul: " + t);
}

void Atrapa::UstawWspolrzedne(const std::string& t) {
    wspolrzedne = t;
}

UchwytOkna Atrapa::UtworzOknoTabeli(std::unique_ptr<OknoTabeli> o) {
    const UchwytOkna h = nastepny_++;
    dziennik.push_back("tabela " + o->tytul());
    tabele[h] = Tabela{std::move(o), true};
    return h;
}

void Atrapa::ZniszczOknoTabeli(UchwytOkna h) {
    auto it = tabele.find(h);
    if (it == tabele.end() || !it->second.zywe) return;
    it->second.zywe = false;
    dziennik.push_back("tabela zniszczona " + std::to_string(h));
}

void Atrapa::OtworzDokument(const std::string& plik) {
    dokumenty.push_back(plik);
}

void Atrapa::ZamknijGlowne() {
    dziennik.push_back("zamknij glowne");
    if (okno && okno->CanClose()) zamkniete = true;
}

int Atrapa::MenuKontekstowe(const std::vector<PozycjaKontekstowa>& p) {
    menu.push_back(p);
    dziennik.push_back("menu");
    if (wybory.empty()) return 0;
    const int w = wybory.front();
    wybory.pop_front();
    // A greyed item cannot be chosen.
    return w >= 1 && w <= static_cast<int>(p.size()) && p[w - 1].wlaczona ? w : 0;
}
