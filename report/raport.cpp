// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/raport.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <deque>
#include <functional>
#include <numeric>
#include <optional>

#include "design/kombinacje.h"
#include "files/eksport.h"
#include "files/wymiarowanie_projektu.h"
#include "files/wyniki_projektu.h"
#include "report/obliczenia_preta.h"
#include "report/rysunki.h"
#include "report/uklad.h"

#ifndef VELKORA_WERSJA
#define VELKORA_WERSJA "1.0"
#endif

const char* const program_raportu = "Velkora 2D " VELKORA_WERSJA;

namespace {

// Significant digits: the input as it was typed, the results as a hand check reads them.
constexpr int cyfry_danych = 6;
constexpr int cyfry_wynikow = 4;

// One set of results the report shows: a case, a combination or the envelope.
struct Zestaw {
    std::string tytul;
    bool obwiednia = false;
    WynikPrzypadku w;                   // a case's or a combination's
    ObwiedniaWynikow o;                 // the envelope's
    std::vector<double> N, R;           // drawn: per bar, per support entry
    std::vector<int> N_z_max, R_z_max;  // envelope: 1 where the drawn value is the greatest
    KolumnaLiczb fN, fN_min, fN_max, fR, fR_min, fR_max;
    std::vector<float> f_ksztalt;  // the deformed shape drawn
    std::string o_ksztalcie;
    float czynnik = 1;
};

// What the tables and drawings read: kept alive by the document.
struct Zrodlo {
    std::shared_ptr<const DaneRaportu> d;
    std::vector<ObciazeniaPrzypadku> obc;
    // Each case's forces as the analysis takes them (a DOF loaded twice carries its later
    // entry), by DOF.
    std::vector<std::vector<std::pair<int, float>>> sily;
    std::vector<Kombinacja> komb;
    std::string ostrzezenie;
    std::vector<double> L, A;  // per bar, from 0
    std::deque<Zestaw> zestawy;
    std::deque<std::vector<std::size_t>> wybrane;  // rows of shortened tables
    WynikWymiarowania wym;                         // the members' design, where there is one
};

// A check's name short enough for the design table's last column; the note under it spells the
// abbreviations out.
std::string skrot_sprawdzenia(std::string t) {
    for (const auto& [z, na] : {std::pair<std::string, std::string>{"rozciąganie", "rozc."},
                                {"ściskanie", "ścisk."},
                                {"wyboczenie", "wyb."},
                                {" w płaszczyźnie", " w pł."},
                                {" z płaszczyzny", " z pł."},
                                {" i BB.1.2 względem osi v", ", BB.1.2, v–v"},
                                {" względem osi v", ", v–v"}})
        if (const std::size_t p = t.find(z); p != std::string::npos) t.replace(p, z.size(), na);
    return t;
}

std::string kierunek(int dof) {
    return dof % 2 == 1 ? "X" : "Y";
}
int wezel(int dof) {
    return (dof + 1) / 2;
}

class Budowa {
  public:
    Budowa(std::shared_ptr<const DaneRaportu> d, const WyborRaportu& w)
        : z_(std::make_shared<Zrodlo>()), w_(w) {
        z_->d = std::move(d);
        doc_.dane = z_;
    }

    DokumentRaportu zbuduj() {
        przygotuj_dane();
        strona_tytulowa();
        model();
        obciazenia();
        wyniki();
        // The members' design, where the project has it, follows the results as chapter 4, with
        // its own page and heading, and so is listed in the contents like the others.
        if (ma_przekroje_stalowe(d().p.wymiarowanie)) wymiarowanie();
        return std::move(doc_);
    }

  private:
    const DaneRaportu& d() const { return *z_->d; }
    const Konstrukcja& k() const { return z_->d->k; }
    UkladJednostek j() const { return z_->d->jednostki; }
    std::string jw(const char* t, Wielkosc w) const { return z_jednostka(t, w, j()); }
    const char* jedn(Wielkosc w) const { return jednostka(j(), w); }

    void przygotuj_dane() {
        Zrodlo& z = *z_;
        const Konstrukcja& kk = k();
        z.obc = obciazenia_przypadkow(kk, d().p);
        for (const ObciazeniaPrzypadku& o : z.obc) {
            std::vector<std::optional<float>> f(2 * static_cast<std::size_t>(kk.nn) + 1);
            for (std::size_t i = 0; i < o.ild.size() && i < o.al.size(); ++i)
                if (o.ild[i] >= 1 && o.ild[i] <= 2 * kk.nn)
                    f[static_cast<std::size_t>(o.ild[i])] = o.al[i];
            std::vector<std::pair<int, float>> s;
            for (std::size_t i = 1; i < f.size(); ++i)
                if (f[i]) s.emplace_back(static_cast<int>(i), *f[i]);
            z.sily.push_back(std::move(s));
        }
        z.komb = kombinacje_projektu(d().p, &z.ostrzezenie);
        for (int b = 1; b <= kk.ne; ++b) {
            const int A = kk.noc[b][1], B = kk.noc[b][2], p = kk.noc[b][4];
            const bool dobry = A >= 1 && A <= kk.nn && B >= 1 && B <= kk.nn;
            z.L.push_back(dobry ? std::hypot(static_cast<double>(kk.x[B][1]) - kk.x[A][1],
                                             static_cast<double>(kk.x[B][2]) - kk.x[A][2])
                                : 0.0);
            z.A.push_back(p >= 1 && p <= kk.na ? static_cast<double>(kk.area[p]) : 0.0);
        }
    }

    // Blocks.
    void naglowek(int poziom, std::string t) {
        doc_.bloki.push_back(Naglowek{poziom, std::move(t)});
    }
    void akapit(std::string t, Styl s = Styl::tekst) {
        doc_.bloki.push_back(Akapit{std::move(t), s, 0});
    }
    std::string nr_tabeli(const std::string& t) {
        return "Tabela " + std::to_string(++tabel_) + ". " + t;
    }
    void tabela(Tabela t) {
        t.przygotuj();
        doc_.bloki.push_back(std::move(t));
    }
    void rysunek(const std::string& podpis, RodzajRysunku r,
                 std::function<void(Powierzchnia&, int, int)> rysuj,
                 const std::vector<float>* f = nullptr, float czynnik = 0) {
        Rysunek rs;
        rs.podpis = "Rysunek " + std::to_string(++rysunkow_) + ". " + podpis;
        const Zrodlo* z = z_.get();
        rs.wysokosc = [z, r, f, czynnik](int w) {
            return wysokosc_rysunku(z->d->k, r, w, f, czynnik);
        };
        rs.orientacja = orientacja_rysunku(rs.wysokosc);
        rs.rysuj = std::move(rysuj);
        doc_.bloki.push_back(std::move(rs));
    }

    // The rows a table shows: every one, or past the limit those of the largest |klucz| (the
    // first ones without a key), in their order. Says which under the table.
    struct Wiersze {
        const std::vector<std::size_t>* ix = nullptr;
        std::size_t n = 0;
        std::size_t operator()(std::size_t r) const { return ix ? (*ix)[r] : r; }
        std::size_t ile() const { return ix ? ix->size() : n; }
    };
    Wiersze wiersze(std::size_t n, const std::function<double(std::size_t)>& klucz,
                    std::string& uwaga, const char* co) {
        const std::size_t limit = w_.najwiecej_wierszy;
        if (limit == 0 || n <= limit) return {nullptr, n};
        std::vector<std::size_t> ix(n);
        std::iota(ix.begin(), ix.end(), std::size_t{0});
        if (klucz) {
            std::vector<double> v(n);
            for (std::size_t i = 0; i < n; ++i) v[i] = std::fabs(klucz(i));
            std::nth_element(ix.begin(), ix.begin() + static_cast<std::ptrdiff_t>(limit), ix.end(),
                             [&v](std::size_t a, std::size_t b) { return v[a] > v[b]; });
        }
        ix.resize(limit);
        std::sort(ix.begin(), ix.end());
        skrocono_ = true;
        uwaga = "Tabela skrócona: " + std::to_string(limit) + " z " + std::to_string(n) +
                " wierszy" + (klucz ? std::string(", ") + co : std::string(" (pierwsze)")) +
                ". Całość: Plik → Eksport → CSV.";
        z_->wybrane.push_back(std::move(ix));
        return {&z_->wybrane.back(), n};
    }

    static KolumnaTabeli numer(std::string n, std::function<long long(std::size_t)> f) {
        KolumnaTabeli k;
        k.naglowek = std::move(n);
        k.tekst = [f = std::move(f)](std::size_t r) { return std::to_string(f(r)); };
        return k;
    }
    // The number of a combination, "–" where none governs.
    static KolumnaTabeli kombinacja(std::function<int(std::size_t)> f) {
        return tekst(
            "Komb.",
            [f = std::move(f)](std::size_t r) {
                const int k = f(r);
                return k >= 0 ? std::to_string(k + 1) : std::string("–");
            },
            true);
    }
    static KolumnaTabeli liczba(std::string n, std::function<double(std::size_t)> f, int cyfry) {
        KolumnaTabeli k;
        k.naglowek = std::move(n);
        k.liczba = std::move(f);
        k.cyfry = cyfry;
        return k;
    }
    static KolumnaTabeli tekst(std::string n, std::function<std::string(std::size_t)> f,
                               bool do_prawej = false) {
        KolumnaTabeli k;
        k.naglowek = std::move(n);
        k.tekst = std::move(f);
        k.do_prawej = do_prawej;
        return k;
    }

    void strona_tytulowa() {
        const Projekt& p = d().p;
        std::string tytul = p.tytul;
        if (tytul.find_first_not_of(' ') == std::string::npos)
            tytul = d().plik.empty() ? "Kratownica płaska" : d().plik;
        doc_.tytul = tytul;
        doc_.autor = p.autor.empty() ? "" : "Autor: " + p.autor;
        doc_.data = d().data;
        doc_.program = std::string(program_raportu) + " — raport obliczeń";
        akapit(tytul, Styl::tytul);
        akapit("Obliczenia statyczne kratownicy płaskiej", Styl::podtytul);
        if (!p.opis.empty()) akapit(p.opis);
        std::string o;
        if (!p.autor.empty()) o += "Autor: " + p.autor + "\n";
        o += "Data: " + d().data + "\n";
        if (!d().plik.empty()) o += "Plik projektu: " + d().plik + "\n";
        o += std::string("Program: ") + program_raportu;
        akapit(o);
        if (j() == UkladJednostek::brak)
            akapit(
                "Jednostki: nie wybrano układu jednostek; wartości podano w jednostkach, w "
                "których je wprowadzono.");
        else
            akapit(std::string("Jednostki: siła ") + jedn(Wielkosc::sila) + ", długość " +
                   jedn(Wielkosc::dlugosc) + ", naprężenie i moduł sprężystości " +
                   jedn(Wielkosc::naprezenie) + ", pole przekroju " + jedn(Wielkosc::pole) +
                   ", ciężar objętościowy " + jedn(Wielkosc::ciezar) + ", zmiana temperatury K.");
        const Konstrukcja& kk = k();
        akapit("Model: węzły " + std::to_string(kk.nn) + ", pręty " + std::to_string(kk.ne) +
               ", materiały " + std::to_string(kk.nm) + ", przekroje " + std::to_string(kk.na) +
               ", więzy podporowe " + std::to_string(kk.nd) + "; przypadki obciążeń " +
               std::to_string(p.przypadki.size()) + ", kombinacje " +
               std::to_string(z_->komb.size()) + ".");
        akapit(
            "Metoda: analiza liniowo-sprężysta kratownicy płaskiej metodą przemieszczeń; "
            "pręty połączone w węzłach przegubowo, obciążenia przyłożone w węzłach, siła "
            "osiowa stała na długości pręta. Kombinacje oddziaływań według PN-EN 1990.");
        // Said once the tables are known; its place is kept here.
        uwaga_o_tabelach_ = doc_.bloki.size();
        akapit("");
        doc_.bloki.push_back(SpisTresci{});
    }

    void model() {
        const Konstrukcja& kk = k();
        const Zrodlo* z = z_.get();
        doc_.bloki.push_back(NowaStrona{});
        naglowek(1, "1. Model");
        rysunek("Model: numery węzłów (niebieskie) i prętów, podpory, wymiary całkowite",
                RodzajRysunku::model, [z](Powierzchnia& dc, int w, int h) {
                    rysuj_model(dc, w, h, z->d->k, z->d->jednostki);
                });
        // Nodes with their supports.
        std::vector<unsigned char> wiezy(static_cast<std::size_t>(kk.nn) + 1, 0);
        for (int i = 1; i <= kk.nd; ++i)
            if (kk.nu[i] >= 1 && kk.nu[i] <= 2 * kk.nn)
                wiezy[static_cast<std::size_t>(wezel(kk.nu[i]))] |= kk.nu[i] % 2 ? 1 : 2;
        {
            Tabela t;
            t.tytul = nr_tabeli("Węzły");
            const Wiersze wr = wiersze(static_cast<std::size_t>(kk.nn), nullptr, t.uwaga, "");
            t.wiersze = wr.ile();
            t.kolumny = {
                numer("Węzeł", [wr](std::size_t r) { return wr(r) + 1; }),
                liczba(
                    jw("X", Wielkosc::dlugosc),
                    [z, wr](std::size_t r) { return z->d->k.x[static_cast<int>(wr(r)) + 1][1]; },
                    cyfry_danych),
                liczba(
                    jw("Y", Wielkosc::dlugosc),
                    [z, wr](std::size_t r) { return z->d->k.x[static_cast<int>(wr(r)) + 1][2]; },
                    cyfry_danych),
                tekst("Podpora", [wiezy, wr](std::size_t r) {
                    const unsigned char s = wiezy[wr(r) + 1];
                    return std::string(s == 3 ? "X, Y" : s == 1 ? "X" : s == 2 ? "Y" : "");
                })};
            tabela(std::move(t));
        }
        {
            Tabela t;
            t.tytul = nr_tabeli("Pręty");
            const Wiersze wr = wiersze(static_cast<std::size_t>(kk.ne), nullptr, t.uwaga, "");
            t.wiersze = wr.ile();
            auto pole = [z, wr](int c) {
                return [z, wr, c](std::size_t r) -> long long {
                    return z->d->k.noc[static_cast<int>(wr(r)) + 1][c];
                };
            };
            t.kolumny = {numer("Pręt", [wr](std::size_t r) { return wr(r) + 1; }),
                         numer("Węzeł 1", pole(1)),
                         numer("Węzeł 2", pole(2)),
                         numer("Materiał", pole(3)),
                         numer("Przekrój", pole(4)),
                         liczba(
                             jw("L", Wielkosc::dlugosc),
                             [z, wr](std::size_t r) { return z->L[wr(r)]; }, cyfry_danych)};
            tabela(std::move(t));
        }
        {
            Tabela t;
            t.tytul = nr_tabeli("Materiały");
            t.wiersze = static_cast<std::size_t>(kk.nm);
            t.kolumny = {numer("Materiał", [](std::size_t r) { return r + 1; }),
                         liczba(
                             jw("E", Wielkosc::naprezenie),
                             [z](std::size_t r) { return z->d->k.pm[static_cast<int>(r) + 1][1]; },
                             cyfry_danych),
                         liczba(
                             jw("αT", Wielkosc::rozszerzalnosc),
                             [z](std::size_t r) { return z->d->k.pm[static_cast<int>(r) + 1][2]; },
                             cyfry_danych),
                         liczba(
                             jw("γ", Wielkosc::ciezar),
                             [z](std::size_t r) {
                                 return r < z->d->p.ciezar.size() ? z->d->p.ciezar[r] : 0.0;
                             },
                             cyfry_danych)};
            t.uwaga =
                "E – moduł sprężystości, αT – współczynnik rozszerzalności cieplnej, γ – "
                "ciężar objętościowy (ciężar własny prętów).";
            tabela(std::move(t));
        }
        {
            Tabela t;
            t.tytul = nr_tabeli("Przekroje");
            t.wiersze = static_cast<std::size_t>(kk.na);
            t.kolumny = {numer("Przekrój", [](std::size_t r) { return r + 1; }),
                         liczba(
                             jw("A", Wielkosc::pole),
                             [z](std::size_t r) { return z->d->k.area[static_cast<int>(r) + 1]; },
                             cyfry_danych)};
            // The steel of a section linked to a profile, whose area it is.
            if (ma_przekroje_stalowe(d().p.wymiarowanie)) {
                auto s = [z](std::size_t r) -> const PrzekrojStalowy& {
                    return przekroj_stalowy(z->d->p.wymiarowanie, static_cast<int>(r) + 1);
                };
                t.kolumny.push_back(tekst(
                    "Profil", [s](std::size_t r) { return powiazany(s(r)) ? s(r).profil : ""; },
                    false));
                t.kolumny.push_back(tekst(
                    "Stal", [s](std::size_t r) { return s(r).gatunek; }, false));
                t.uwaga = "Pole przekroju połączonego z profilem jest polem profilu.";
            }
            tabela(std::move(t));
        }
        {
            Tabela t;
            t.tytul = nr_tabeli("Podpory (więzy węzłów)");
            t.wiersze = static_cast<std::size_t>(kk.nd);
            t.kolumny = {
                numer("Nr", [](std::size_t r) { return r + 1; }),
                numer("Węzeł",
                      [z](std::size_t r) { return wezel(z->d->k.nu[static_cast<int>(r) + 1]); }),
                tekst("Kierunek", [z](std::size_t r) {
                    return kierunek(z->d->k.nu[static_cast<int>(r) + 1]);
                })};
            t.uwaga =
                "Przemieszczenia wymuszone podpór (osiadania) są obciążeniami przypadków "
                "(rozdział 2).";
            tabela(std::move(t));
        }
    }

    void obciazenia() {
        const Projekt& p = d().p;
        const Zrodlo* z = z_.get();
        doc_.bloki.push_back(NowaStrona{});
        naglowek(1, "2. Obciążenia");
        {
            Tabela t;
            t.tytul = nr_tabeli("Przypadki obciążeń");
            t.wiersze = p.przypadki.size();
            auto c = [z](std::size_t r) -> const PrzypadekObciazen& {
                return z->d->p.przypadki[r];
            };
            t.kolumny = {
                tekst("Nr", [](std::size_t r) { return "P" + std::to_string(r + 1); }),
                tekst("Nazwa", [c](std::size_t r) { return c(r).nazwa; }),
                tekst("Rodzaj",
                      [c](std::size_t r) { return std::string(c(r).zmienny ? "Q" : "G"); }),
                tekst("Kategoria",
                      [c](std::size_t r) {
                          return c(r).zmienny ? std::string(nazwa_kategorii(
                                                    static_cast<Kategoria>(c(r).kategoria)))
                                              : std::string("stałe");
                      }),
                tekst(
                    "ψ0",
                    [c](std::size_t r) { return c(r).zmienny ? liczba_raportu(c(r).psi0) : ""; },
                    true),
                tekst(
                    "ψ1",
                    [c](std::size_t r) { return c(r).zmienny ? liczba_raportu(c(r).psi1) : ""; },
                    true),
                tekst(
                    "ψ2",
                    [c](std::size_t r) { return c(r).zmienny ? liczba_raportu(c(r).psi2) : ""; },
                    true),
                tekst("Grupa", [c](std::size_t r) { return c(r).grupa; }),
                tekst("Ciężar własny", [c](std::size_t r) {
                    return c(r).ciezar_wlasny ? "× " + liczba_raportu(c(r).wsp_ciezaru)
                                              : std::string();
                })};
            t.uwaga =
                "G – stałe, Q – zmienne; ψ – współczynniki kombinacyjne (PN-EN 1990, tablica "
                "A1.1); przypadki jednej grupy nie działają razem.";
            tabela(std::move(t));
        }
        for (std::size_t c = 0; c < p.przypadki.size(); ++c) przypadek(c);
        kombinacje();
    }

    void przypadek(std::size_t c) {
        const Konstrukcja& kk = k();
        const Zrodlo* z = z_.get();
        const PrzypadekObciazen& pc = d().p.przypadki[c];
        const ObciazeniaPrzypadku& o = z_->obc[c];
        const auto& sily = z_->sily[c];
        const std::string nazwa = "P" + std::to_string(c + 1) + ": " + pc.nazwa;
        naglowek(2, "2." + std::to_string(c + 1) + " Przypadek " + nazwa);
        KolumnaLiczb fs(cyfry_danych), fu(cyfry_danych), ft(cyfry_danych);
        for (const auto& s : sily) fs.obejmij(s.second);
        for (float v : o.wymuszenia) fu.obejmij(v);
        for (float v : o.temp) ft.obejmij(v);
        const bool cos = !sily.empty() || !o.wymuszenia.empty() || !o.nset.empty();
        if (cos)
            rysunek("Przypadek " + nazwa +
                        ": siły w węzłach, przemieszczenia wymuszone, zmiany "
                        "temperatury",
                    RodzajRysunku::obciazenia, [z, c, fs, fu, ft](Powierzchnia& dc, int w, int h) {
                        rysuj_obciazenia(dc, w, h, z->d->k, z->obc[c], z->d->jednostki, fs, fu, ft);
                    });
        if (pc.ciezar_wlasny) {
            double G = 0;
            for (int b = 1; b <= kk.ne; ++b) {
                const int m = kk.noc[b][3];
                if (m >= 1 && static_cast<std::size_t>(m) <= d().p.ciezar.size())
                    G += d().p.ciezar[static_cast<std::size_t>(m) - 1] *
                         z_->A[static_cast<std::size_t>(b) - 1] *
                         z_->L[static_cast<std::size_t>(b) - 1];
            }
            G *= pc.wsp_ciezaru;
            const char* js = jedn(Wielkosc::sila);
            akapit("Ciężar własny prętów ze współczynnikiem " + liczba_raportu(pc.wsp_ciezaru) +
                   ": γ·A·L każdego pręta, po połowie w jego węzłach, w dół; łącznie " +
                   liczba_raportu(G, cyfry_wynikow) + (*js ? std::string(" ") + js : "") + ".");
        }
        if (!sily.empty()) {
            Tabela t;
            t.tytul = nr_tabeli("Siły w węzłach, przypadek " + nazwa);
            t.wiersze = sily.size();
            t.kolumny = {
                numer("Węzeł", [z, c](std::size_t r) { return wezel(z->sily[c][r].first); }),
                tekst("Kierunek", [z, c](std::size_t r) { return kierunek(z->sily[c][r].first); }),
                liczba(
                    jw("F", Wielkosc::sila), [z, c](std::size_t r) { return z->sily[c][r].second; },
                    cyfry_danych)};
            t.uwaga = "F > 0 zgodnie z osią X lub Y.";
            tabela(std::move(t));
        }
        if (!o.wymuszenia.empty()) {
            Tabela t;
            t.tytul = nr_tabeli("Przemieszczenia wymuszone podpór, przypadek " + nazwa);
            t.wiersze = o.wymuszenia.size();
            t.kolumny = {
                numer("Węzeł", [z, c](std::size_t r) { return wezel(z->obc[c].dof_wymuszen[r]); }),
                tekst("Kierunek",
                      [z, c](std::size_t r) { return kierunek(z->obc[c].dof_wymuszen[r]); }),
                liczba(
                    jw("u", Wielkosc::dlugosc),
                    [z, c](std::size_t r) { return z->obc[c].wymuszenia[r]; }, cyfry_danych)};
            tabela(std::move(t));
        }
        if (!o.nset.empty()) {
            Tabela t;
            t.tytul = nr_tabeli("Zmiany temperatury prętów, przypadek " + nazwa);
            t.wiersze = std::min(o.nset.size(), o.temp.size());
            t.kolumny = {numer("Pręt", [z, c](std::size_t r) { return z->obc[c].nset[r]; }),
                         liczba(
                             jw("ΔT", Wielkosc::temperatura),
                             [z, c](std::size_t r) { return z->obc[c].temp[r]; }, cyfry_danych)};
            tabela(std::move(t));
        }
        if (!cos && !pc.ciezar_wlasny) akapit("Przypadek nie ma obciążeń.");
    }

    void kombinacje() {
        const Projekt& p = d().p;
        const Zrodlo* z = z_.get();
        naglowek(2, "2." + std::to_string(p.przypadki.size() + 1) + " Kombinacje obciążeń");
        const UstawieniaKombinacji& u = p.kombinacje;
        akapit(std::string("Stan graniczny nośności (SGN): ") +
               (u.rownania_610ab ? "wzory 6.10a i 6.10b" : "wzór 6.10") + ", γ_{G,sup} = " +
               liczba_raportu(u.gamma_G_sup) + ", γ_{G,inf} = " + liczba_raportu(u.gamma_G_inf) +
               ", γ_{Q} = " + liczba_raportu(u.gamma_Q) +
               (u.rownania_610ab ? ", ξ = " + liczba_raportu(u.xi) : std::string()) +
               ". Stany graniczne użytkowalności (SGU): kombinacje charakterystyczne, częste i "
               "quasi-stałe (PN-EN 1990, A1.4). Kombinacje własne użytkownika należą do "
               "obwiedni sił jak SGN.");
        if (!z_->ostrzezenie.empty()) akapit(z_->ostrzezenie);
        Tabela t;
        t.tytul = nr_tabeli("Kombinacje i współczynniki przypadków");
        t.wiersze = z_->komb.size();
        t.kolumny = {numer("Nr", [](std::size_t r) { return r + 1; }),
                     tekst("Kombinacja", [z](std::size_t r) { return z->komb[r].nazwa; })};
        const std::size_t n = p.przypadki.size();
        if (n <= 8) {
            for (std::size_t c = 0; c < n; ++c)
                t.kolumny.push_back(tekst(
                    "P" + std::to_string(c + 1),
                    [z, c](std::size_t r) {
                        const auto& w = z->komb[r].wsp;
                        return c < w.size() && w[c] != 0 ? liczba_raportu(w[c], cyfry_danych)
                                                         : std::string("–");
                    },
                    true));
            t.uwaga =
                "Współczynniki, z którymi przypadki P1… (tabela przypadków) wchodzą do "
                "kombinacji; – : przypadek nie działa.";
        } else {
            t.kolumny.push_back(tekst("Wzór", [z](std::size_t r) { return z->komb[r].opis; }));
        }
        tabela(std::move(t));
    }

    void wyniki() {
        doc_.bloki.push_back(NowaStrona{});
        naglowek(1, "3. Wyniki");
        const Konstrukcja& kk = k();
        const bool sa =
            d().obliczono && kk.wyniki.size() == d().p.przypadki.size() && !kk.wyniki.empty();
        if (!sa) {
            akapit(
                "Obliczeń nie wykonano albo ich wyniki nie odpowiadają modelowi: raport nie "
                "zawiera wyników.");
            uwaga_o_tabelach();
            return;
        }
        const char* js = jedn(Wielkosc::sila);
        akapit(std::string("Siła osiowa N > 0 oznacza rozciąganie, N < 0 ściskanie; naprężenie "
                           "σ = N/A. Przemieszczenia i reakcje są dodatnie zgodnie z osiami X i Y. "
                           "Na rysunkach reakcje pokazano jako strzałki w kierunku ich działania "
                           "na węzeł, z wartością bezwzględną") +
               (*js ? std::string(" w ") + js : "") + ".");
        int nr = 0;
        if (w_.obwiednia && !z_->komb.empty()) obwiednia(++nr);
        for (int c : w_.przypadki)
            if (c >= 0 && static_cast<std::size_t>(c) < kk.wyniki.size()) {
                Zestaw s;
                s.tytul = "Przypadek P" + std::to_string(c + 1) + ": " +
                          d().p.przypadki[static_cast<std::size_t>(c)].nazwa;
                s.w = kk.wyniki[static_cast<std::size_t>(c)];
                pojedynczy(++nr, std::move(s));
            }
        for (int c : w_.kombinacje)
            if (c >= 0 && static_cast<std::size_t>(c) < z_->komb.size()) {
                const Kombinacja& kb = z_->komb[static_cast<std::size_t>(c)];
                Zestaw s;
                s.tytul = "Kombinacja " + std::to_string(c + 1) + ": " + kb.nazwa;
                s.w = wynik_kombinacji(kk.wyniki, kb.wsp);
                pojedynczy(++nr, std::move(s), kb.opis);
            }
        uwaga_o_tabelach();
    }

    void uwaga_o_tabelach() {
        auto& a = std::get<Akapit>(doc_.bloki[uwaga_o_tabelach_]);
        a.tekst = skrocono_ ? "Tabele dłuższe niż " + std::to_string(w_.najwiecej_wierszy) +
                                  " wierszy podano w skrócie; pod każdą taką tabelą podano, które "
                                  "wiersze pokazano."
                            : "Wszystkie tabele podano w całości.";
    }

    // The deformed shape and its factor.
    void ksztalt(Zestaw& s, const std::vector<float>& f, std::string o) {
        s.f_ksztalt = f;
        s.czynnik = czynnik_przemieszczen(k(), f);
        s.o_ksztalcie = std::move(o);
    }

    void rysunki(Zestaw& s) {
        const Zestaw* zs = &s;
        const Zrodlo* z = z_.get();
        rysunek(s.tytul + ": siły osiowe " + jw("N", Wielkosc::sila) +
                    (s.obwiednia ? " (wartość skrajna o większej wartości bezwzględnej)" : ""),
                RodzajRysunku::sily, [z, zs](Powierzchnia& dc, int w, int h) {
                    const Zestaw& s = *zs;
                    rysuj_sily(dc, w, h, z->d->k, s.N, [&s](double v) {
                        if (!s.obwiednia) return s.fN(v);
                        return v >= 0 ? s.fN_max(v) : s.fN_min(v);
                    });
                });
        rysunek(s.tytul + ": reakcje podpór" +
                    (s.obwiednia ? " (wartość skrajna o większej wartości bezwzględnej)" : ""),
                RodzajRysunku::reakcje, [z, zs](Powierzchnia& dc, int w, int h) {
                    const Zestaw& s = *zs;
                    rysuj_reakcje(
                        dc, w, h, z->d->k, s.R,
                        [&s](double v) { return (s.obwiednia ? s.fR_max : s.fR)(v); },
                        z->d->jednostki);
                });
        if (!s.f_ksztalt.empty())
            rysunek(
                s.tytul + ": " + s.o_ksztalcie + ", skala przemieszczeń ×" +
                    liczba_raportu(s.czynnik),
                RodzajRysunku::przemieszczenia,
                [z, zs](Powierzchnia& dc, int w, int h) {
                    rysuj_przemieszczenia(dc, w, h, z->d->k, zs->f_ksztalt, zs->czynnik);
                },
                &s.f_ksztalt, s.czynnik);
    }

    void pojedynczy(int nr, Zestaw s, const std::string& opis = "") {
        const Konstrukcja& kk = k();
        Zrodlo& z = *z_;
        naglowek(2, "3." + std::to_string(nr) + " " + s.tytul);
        if (!opis.empty()) akapit("Kombinacja: " + opis + ".");
        s.fN = KolumnaLiczb(cyfry_wynikow);
        s.fR = KolumnaLiczb(cyfry_wynikow);
        for (int b = 0; b < kk.ne; ++b) {
            const double n =
                static_cast<std::size_t>(b) < s.w.stressp.size()
                    ? s.w.stressp[static_cast<std::size_t>(b)] * z.A[static_cast<std::size_t>(b)]
                    : 0.0;
            s.N.push_back(n);
            s.fN.obejmij(n);
        }
        for (float r : s.w.react) s.R.push_back(r), s.fR.obejmij(r);
        ksztalt(s, s.w.f, "kształt odkształcony");
        z.zestawy.push_back(std::move(s));
        Zestaw& zs = z.zestawy.back();
        rysunki(zs);
        tabele_pojedyncze(zs);
    }

    void tabele_pojedyncze(const Zestaw& s) {
        const Konstrukcja& kk = k();
        const Zestaw* zs = &s;
        {
            Tabela t;
            t.tytul = nr_tabeli("Siły osiowe i naprężenia, " + s.tytul);
            const Wiersze wr = wiersze(
                s.N.size(), [zs](std::size_t i) { return zs->N[i]; }, t.uwaga, "o największej |N|");
            t.wiersze = wr.ile();
            t.kolumny = {numer("Pręt", [wr](std::size_t r) { return wr(r) + 1; }),
                         liczba(
                             jw("N", Wielkosc::sila),
                             [zs, wr](std::size_t r) { return zs->N[wr(r)]; }, cyfry_wynikow),
                         liczba(
                             jw("σ", Wielkosc::naprezenie),
                             [zs, wr](std::size_t r) {
                                 return wr(r) < zs->w.stressp.size() ? zs->w.stressp[wr(r)] : 0.0f;
                             },
                             cyfry_wynikow)};
            tabela(std::move(t));
        }
        {
            Tabela t;
            t.tytul = nr_tabeli("Przemieszczenia węzłów, " + s.tytul);
            auto u = [zs](std::size_t i, std::size_t o) {
                return 2 * i + o < zs->w.f.size() ? static_cast<double>(zs->w.f[2 * i + o]) : 0.0;
            };
            const Wiersze wr = wiersze(
                static_cast<std::size_t>(kk.nn),
                [u](std::size_t i) { return std::hypot(u(i, 0), u(i, 1)); }, t.uwaga,
                "o największym przemieszczeniu");
            t.wiersze = wr.ile();
            t.kolumny = {numer("Węzeł", [wr](std::size_t r) { return wr(r) + 1; }),
                         liczba(
                             jw("ux", Wielkosc::dlugosc),
                             [u, wr](std::size_t r) { return u(wr(r), 0); }, cyfry_wynikow),
                         liczba(
                             jw("uy", Wielkosc::dlugosc),
                             [u, wr](std::size_t r) { return u(wr(r), 1); }, cyfry_wynikow)};
            tabela(std::move(t));
        }
        reakcje(s);
    }

    void reakcje(const Zestaw& s) {
        const Konstrukcja& kk = k();
        const Zestaw* zs = &s;
        const Zrodlo* z = z_.get();
        Tabela t;
        t.tytul =
            nr_tabeli("Reakcje podpór, " + (s.obwiednia ? std::string("obwiednia") : s.tytul));
        t.wiersze = static_cast<std::size_t>(kk.nd);
        t.kolumny = {
            numer("Węzeł",
                  [z](std::size_t r) { return wezel(z->d->k.nu[static_cast<int>(r) + 1]); }),
            tekst("Kierunek",
                  [z](std::size_t r) { return kierunek(z->d->k.nu[static_cast<int>(r) + 1]); })};
        if (!s.obwiednia) {
            t.kolumny.push_back(liczba(
                jw("R", Wielkosc::sila),
                [zs](std::size_t r) { return r < zs->R.size() ? zs->R[r] : 0.0; }, cyfry_wynikow));
        } else {
            t.kolumny.push_back(liczba(
                "min " + jw("R", Wielkosc::sila), [zs](std::size_t r) { return zs->o.r_min[r]; },
                cyfry_wynikow));
            t.kolumny.push_back(kombinacja([zs](std::size_t r) { return zs->o.kr_min[r]; }));
            t.kolumny.push_back(liczba(
                "max " + jw("R", Wielkosc::sila), [zs](std::size_t r) { return zs->o.r_max[r]; },
                cyfry_wynikow));
            t.kolumny.push_back(kombinacja([zs](std::size_t r) { return zs->o.kr_max[r]; }));
            t.uwaga =
                "Komb. – numer kombinacji (tabela kombinacji), w której reakcja osiąga wartość "
                "skrajną.";
        }
        tabela(std::move(t));
    }

    void obwiednia(int nr) {
        const Konstrukcja& kk = k();
        Zrodlo& z = *z_;
        Zestaw s;
        s.obwiednia = true;
        s.tytul = "Obwiednia";
        s.o = obwiednia_wynikow(kk.wyniki, z.komb);
        naglowek(2, "3." + std::to_string(nr) + " Obwiednia");
        akapit(
            "Siły osiowe i reakcje: wartości skrajne ze wszystkich kombinacji SGN i "
            "kombinacji własnych; przemieszczenia: największe z kombinacji SGU "
            "charakterystycznych.");
        s.fN_min = s.fN_max = s.fR_min = s.fR_max = KolumnaLiczb(cyfry_wynikow);
        for (int b = 0; b < kk.ne; ++b) {
            const std::size_t i = static_cast<std::size_t>(b);
            const double mn = s.o.s_min[i] * z.A[i], mx = s.o.s_max[i] * z.A[i];
            s.fN_min.obejmij(mn), s.fN_max.obejmij(mx);
            s.N.push_back(std::fabs(mn) > std::fabs(mx) ? mn : mx);
        }
        for (std::size_t i = 0; i < s.o.r_min.size(); ++i) {
            s.fR_min.obejmij(s.o.r_min[i]), s.fR_max.obejmij(s.o.r_max[i]);
            s.R.push_back(std::fabs(s.o.r_min[i]) > std::fabs(s.o.r_max[i]) ? s.o.r_min[i]
                                                                            : s.o.r_max[i]);
        }
        // Reactions are drawn by magnitude; both columns' noise counts.
        s.fR_max.obejmij(s.fR_min.najwieksza());
        // The deformed shape of the SLS combination that moves a node the most.
        int kg = -1;
        double um = -1;
        for (std::size_t n = 0; n < s.o.u_max.size(); ++n)
            if (s.o.ku[n] >= 0 && s.o.u_max[n] > um) um = s.o.u_max[n], kg = s.o.ku[n];
        if (kg >= 0)
            ksztalt(s, wynik_kombinacji(kk.wyniki, z.komb[static_cast<std::size_t>(kg)].wsp).f,
                    "kształt odkształcony w kombinacji " + std::to_string(kg + 1) + " (" +
                        z.komb[static_cast<std::size_t>(kg)].nazwa +
                        "), o największym przemieszczeniu");
        z.zestawy.push_back(std::move(s));
        Zestaw& zs = z.zestawy.back();
        rysunki(zs);
        const Zestaw* p = &zs;
        {
            Tabela t;
            t.tytul = nr_tabeli("Obwiednia sił osiowych");
            const Wiersze wr = wiersze(
                zs.N.size(), [p](std::size_t i) { return p->N[i]; }, t.uwaga, "o największej |N|");
            t.wiersze = wr.ile();
            const Zrodlo* zr = z_.get();
            t.kolumny = {
                numer("Pręt", [wr](std::size_t r) { return wr(r) + 1; }),
                liczba(
                    "min " + jw("N", Wielkosc::sila),
                    [p, zr, wr](std::size_t r) { return p->o.s_min[wr(r)] * zr->A[wr(r)]; },
                    cyfry_wynikow),
                kombinacja([p, wr](std::size_t r) { return p->o.ks_min[wr(r)]; }),
                liczba(
                    "max " + jw("N", Wielkosc::sila),
                    [p, zr, wr](std::size_t r) { return p->o.s_max[wr(r)] * zr->A[wr(r)]; },
                    cyfry_wynikow),
                kombinacja([p, wr](std::size_t r) { return p->o.ks_max[wr(r)]; })};
            if (t.uwaga.empty())
                t.uwaga =
                    "Komb. – numer kombinacji (tabela kombinacji), w której siła osiąga "
                    "wartość skrajną.";
            tabela(std::move(t));
        }
        {
            Tabela t;
            t.tytul = nr_tabeli("Obwiednia przemieszczeń węzłów (SGU charakterystyczne)");
            const Wiersze wr = wiersze(
                zs.o.u_max.size(), [p](std::size_t i) { return p->o.u_max[i]; }, t.uwaga,
                "o największym przemieszczeniu");
            t.wiersze = wr.ile();
            t.kolumny = {numer("Węzeł", [wr](std::size_t r) { return wr(r) + 1; }),
                         liczba(
                             "max " + jw("|u|", Wielkosc::dlugosc),
                             [p, wr](std::size_t r) { return p->o.u_max[wr(r)]; }, cyfry_wynikow),
                         liczba(
                             jw("ux", Wielkosc::dlugosc),
                             [p, wr](std::size_t r) { return p->o.ux[wr(r)]; }, cyfry_wynikow),
                         liczba(
                             jw("uy", Wielkosc::dlugosc),
                             [p, wr](std::size_t r) { return p->o.uy[wr(r)]; }, cyfry_wynikow),
                         kombinacja([p, wr](std::size_t r) { return p->o.ku[wr(r)]; })};
            tabela(std::move(t));
        }
        reakcje(zs);
    }

    // Chapter 4: each bar's checks over the ULS combinations, a summary, and the governing bar of
    // every section written out as a hand calculation.
    void wymiarowanie() {
        const Konstrukcja& kk = k();
        const Projekt& p = d().p;
        Zrodlo& z = *z_;
        doc_.bloki.push_back(NowaStrona{});
        naglowek(1, "4. Wymiarowanie prętów (PN-EN 1993-1-1)");
        if (const std::string b = brak_jednostek_wymiarowania(j()); !b.empty()) {
            akapit(b);
            return;
        }
        const bool sa =
            d().obliczono && kk.wyniki.size() == p.przypadki.size() && !kk.wyniki.empty();
        if (!sa) {
            akapit("Wymiarowanie wymaga wyników obliczeń: raport go nie zawiera.");
            return;
        }
        z.wym = wymiaruj(kk, p, j(), z.komb);
        const WynikWymiarowania& w = z.wym;
        if (!w.blad.empty()) {
            akapit(w.blad);
            return;
        }
        const DaneWymiarowania& dw = p.wymiarowanie;
        akapit(
            "Nośność prętów na rozciąganie (6.2.3), ściskanie (6.2.4) i wyboczenie giętne "
            "(6.3.1, dla kątowników skratowania także załącznik BB.1.2) w kombinacjach SGN "
            "i kombinacjach własnych; E = " +
            liczba_raportu(dw.E, 6) + " MPa, γ_{M0} = " + liczba_raportu(dw.gamma_M0, 3) +
            ", γ_{M1} = " + liczba_raportu(dw.gamma_M1, 3) +
            ", γ_{M2} = " + liczba_raportu(dw.gamma_M2, 3) +
            ". Wytężenie U = |N_{Ed}|/N_{Rd} w sprawdzeniu i kombinacji, które decydują.");
        const Zrodlo* zr = z_.get();
        {
            Tabela t;
            t.tytul = nr_tabeli("Przekroje stalowe");
            t.wiersze = w.przekroje.size();
            auto s = [zr](std::size_t r) -> const PrzekrojDoSprawdzenia& {
                return zr->wym.przekroje[r];
            };
            t.kolumny = {numer("Przekrój", [](std::size_t r) { return r + 1; }),
                         tekst("Profil", [s](std::size_t r) { return s(r).nazwa; }),
                         tekst("Stal", [s](std::size_t r) { return s(r).gatunek; }),
                         liczba(
                             "A [mm²]", [s](std::size_t r) { return s(r).A; }, cyfry_danych),
                         numer("Klasa", [s](std::size_t r) { return s(r).klasa; }),
                         liczba(
                             "f_y [MPa]", [s](std::size_t r) { return s(r).f_y; }, cyfry_danych),
                         liczba(
                             "f_u [MPa]", [s](std::size_t r) { return s(r).f_u; }, cyfry_danych),
                         liczba(
                             "A_net/A", [s](std::size_t r) { return s(r).wsp_A_net; }, 3),
                         tekst("Uwagi", [s](std::size_t r) { return s(r).powod; })};
            t.uwaga =
                "A_net/A – stosunek pola netto w otworach łączników do pola brutto "
                "(1 – bez osłabienia).";
            tabela(std::move(t));
        }
        {
            Tabela t;
            t.tytul = nr_tabeli("Wymiarowanie prętów");
            const Wiersze wr = wiersze(
                w.prety.size(), [zr](std::size_t i) { return zr->wym.prety[i].U; }, t.uwaga,
                "o największym wytężeniu");
            t.wiersze = wr.ile();
            auto b = [zr, wr](std::size_t r) -> const WymiarowaniePreta& {
                return zr->wym.prety[wr(r)];
            };
            const Przelicznik u = przelicznik(j());
            // Buckling lengths as the checks take them, in the model's units.
            auto L_cr = [zr, wr, u](Os os) {
                return [zr, wr, u, os](std::size_t r) {
                    const int pret = static_cast<int>(wr(r)) + 1;
                    const int n = zr->wym.prety[wr(r)].przekroj;
                    if (n < 1 || static_cast<std::size_t>(n) > zr->wym.przekroje.size())
                        return std::nan("");
                    const DanePreta dp =
                        dane_preta(zr->d->k, zr->d->p.wymiarowanie,
                                   zr->wym.przekroje[static_cast<std::size_t>(n - 1)], pret, u);
                    for (const OsWyboczenia& o : dp.osie)
                        if (o.os == os) return o.L_cr / u.mm;
                    return std::nan("");
                };
            };
            t.kolumny = {
                numer("Pręt", [wr](std::size_t r) { return wr(r) + 1; }),
                numer("Przekrój", [b](std::size_t r) { return b(r).przekroj; }),
                liczba(
                    jw("L", Wielkosc::dlugosc), [zr, wr](std::size_t r) { return zr->L[wr(r)]; },
                    cyfry_wynikow),
                liczba(jw("L_cr,y", Wielkosc::dlugosc), L_cr(Os::w_plaszczyznie), cyfry_wynikow),
                liczba(jw("L_cr,z", Wielkosc::dlugosc), L_cr(Os::z_plaszczyzny), cyfry_wynikow),
                liczba(
                    "min " + jw("N", Wielkosc::sila), [b](std::size_t r) { return b(r).N_min; },
                    cyfry_wynikow),
                liczba(
                    "max " + jw("N", Wielkosc::sila), [b](std::size_t r) { return b(r).N_max; },
                    cyfry_wynikow),
                liczba(
                    jw("N_Rd", Wielkosc::sila),
                    [b](std::size_t r) { return b(r).N_Rd > 0 ? b(r).N_Rd : std::nan(""); },
                    cyfry_wynikow),
                liczba(
                    "χ", [b](std::size_t r) { return b(r).chi; }, 3),
                liczba(
                    "U",
                    [b](std::size_t r) {
                        return b(r).stan == StanSprawdzenia::nie_sprawdzono ? std::nan("") : b(r).U;
                    },
                    3),
                kombinacja([b](std::size_t r) { return b(r).kombinacja; }),
                tekst(
                    "Decyduje",
                    [b](std::size_t r) {
                        return b(r).stan == StanSprawdzenia::nie_sprawdzono
                                   ? "nie sprawdzono: " + b(r).powod
                                   : skrot_sprawdzenia(b(r).sprawdzenie);
                    },
                    false)};
            if (t.uwaga.empty())
                t.uwaga =
                    "Przekrój – numer w tabeli przekrojów stalowych; min N, max N – siły "
                    "osiowe N_Ed z kombinacji SGN; L_cr,y, L_cr,z – długości wyboczeniowe w "
                    "płaszczyźnie kratownicy i z "
                    "niej; χ – współczynnik wyboczeniowy osi decydującej; Komb. – numer "
                    "kombinacji (tabela kombinacji), która decyduje; rozc. – rozciąganie, "
                    "ścisk. – ściskanie, wyb. – wyboczenie giętne, w pł./z pł. – w płaszczyźnie "
                    "kratownicy/z płaszczyzny.";
            tabela(std::move(t));
        }
        // The summary: the greatest utilisation, the bars that fail, the steel, the SLS check.
        std::string o = "Największe wytężenie: ";
        if (w.najwieksze > 0) {
            const WymiarowaniePreta& b = w.prety[static_cast<std::size_t>(w.najwieksze - 1)];
            o += "U = " + liczba_raportu(w.U_max, 3) + " w pręcie " + std::to_string(w.najwieksze) +
                 " (" + b.sprawdzenie +
                 (b.kombinacja >= 0 ? ", kombinacja " + std::to_string(b.kombinacja + 1) : "") +
                 ").";
        } else {
            o += "brak sprawdzonych prętów.";
        }
        o += "\nPręty spełniające warunki: " + std::to_string(w.spelnia) +
             "; niespełniające: " + std::to_string(w.nie_spelnia);
        if (w.nie_spelnia > 0) {
            std::string lista;
            int ile = 0;
            for (std::size_t i = 0; i < w.prety.size() && ile < 30; ++i)
                if (w.prety[i].stan == StanSprawdzenia::nie_spelnia)
                    lista += (ile++ ? ", " : "") + std::to_string(i + 1);
            o += " (" + lista + (w.nie_spelnia > 30 ? ", …" : "") + ")";
        }
        o += "; nie sprawdzono: " + std::to_string(w.nie_sprawdzono) + ".";
        o += "\nMasa stali prętów (7850 kg/m³ · A · L): " +
             liczba_raportu(masa_stali(kk, przelicznik(j())), 4) + " kg.";
        const SprawdzenieUgiecia& g = w.ugiecie;
        if (g.sprawdzono)
            o += "\nNajwiększe przemieszczenie SGU (charakterystyczne): u = " +
                 liczba_raportu(g.u, 4) + " " + jedn(Wielkosc::dlugosc) + " w węźle " +
                 std::to_string(g.wezel) +
                 (g.kombinacja >= 0 ? ", kombinacja " + std::to_string(g.kombinacja + 1) : "") +
                 "; dopuszczalne " + liczba_raportu(g.u_dop, 4) + " " + jedn(Wielkosc::dlugosc) +
                 (g.spelnia() ? " — spełnia." : " — nie spełnia.");
        else
            o += "\nPrzemieszczenia SGU nie sprawdzono: " + g.powod + ".";
        naglowek(2, "4.1 Podsumowanie");
        akapit(o);

        // The governing bar of each section, written out.
        naglowek(2, "4.2 Obliczenia prętów decydujących");
        akapit(
            "Dla każdego przekroju pręt o największym wytężeniu; jednostki N, mm, MPa, siły "
            "w kN.");
        std::vector<int> decydujacy(w.przekroje.size(), 0);
        for (std::size_t i = 0; i < w.prety.size(); ++i) {
            const WymiarowaniePreta& b = w.prety[i];
            if (b.przekroj < 1 || static_cast<std::size_t>(b.przekroj) > decydujacy.size())
                continue;
            int& d = decydujacy[static_cast<std::size_t>(b.przekroj - 1)];
            if (b.stan == StanSprawdzenia::nie_sprawdzono) continue;
            if (d == 0 || b.U > w.prety[static_cast<std::size_t>(d - 1)].U)
                d = static_cast<int>(i) + 1;
        }
        for (std::size_t n = 0; n < decydujacy.size(); ++n) {
            if (decydujacy[n] == 0) continue;
            const int b = decydujacy[n];
            akapit("Przekrój " + std::to_string(n + 1), Styl::naglowek2);
            const WynikPreta wp = sprawdz_pret_projektu(kk, p, j(), z.komb, b);
            for (std::string& t : obliczenia_preta(b, w.przekroje[n], wp, dw, z.komb))
                doc_.bloki.push_back(Akapit{std::move(t), Styl::wzor, 5});
        }
    }

    std::shared_ptr<Zrodlo> z_;
    WyborRaportu w_;
    DokumentRaportu doc_;
    int tabel_ = 0, rysunkow_ = 0;
    std::size_t uwaga_o_tabelach_ = 0;
    bool skrocono_ = false;
};

}  // namespace

std::string nazwa_pliku_raportu(const std::string& sciezka) {
    return sciezka.substr(sciezka.find_last_of('/') + 1);
}

std::string data_raportu() {
    const std::time_t t = std::time(nullptr);
    std::tm d{};
    localtime_r(&t, &d);
    char b[16];
    std::strftime(b, sizeof b, "%d.%m.%Y", &d);
    return b;
}

DokumentRaportu zbuduj_raport(std::shared_ptr<const DaneRaportu> d, const WyborRaportu& w) {
    return Budowa(std::move(d), w).zbuduj();
}
