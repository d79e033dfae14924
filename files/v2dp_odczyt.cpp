// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the project file. simdjson parses the text (it checks the JSON and its UTF-8 as it
// goes, at the speed of the disk); every value is then checked against what the program relies
// on, and anything it does not know is refused by name rather than dropped.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <simdjson.h>
#include <charconv>
#include <cmath>

#include "core/tekst.h"
#include "design/kombinacje.h"
#include "design/przekroje.h"
#include "design/stal.h"
#include "files/v2d.h"
#include "files/v2dp.h"
#include "files/wymiarowanie_projektu.h"

namespace {

namespace oj = simdjson::ondemand;

// A refusal, thrown inside the reader and turned into its reason at the top.
struct Odmowa {
    std::string powod;
};

// Where the reader is, for the reasons: "przypadek 2, siła 5".
struct Miejsce {
    std::string gdzie;
    [[noreturn]] void odmow(const std::string& co) const {
        throw Odmowa{gdzie.empty() ? co : gdzie + ": " + co};
    }
};

std::string_view bez_spacji(std::string_view t) {
    while (!t.empty() &&
           (t.back() == ' ' || t.back() == '\n' || t.back() == '\r' || t.back() == '\t'))
        t.remove_suffix(1);
    return t;
}

// A real read from its own digits, so that the shortest text of a float gives back that float.
template <class T>
T rzeczywista(oj::value v, const Miejsce& m) {
    if (v.type() != oj::json_type::number) m.odmow("oczekiwano liczby");
    const std::string_view t = bez_spacji(v.raw_json_token());
    T x{};
    const auto r = std::from_chars(t.data(), t.data() + t.size(), x);
    if (r.ec == std::errc::result_out_of_range)
        m.odmow("liczba " + std::string(t) + " poza zakresem");
    if (r.ec != std::errc{} || r.ptr != t.data() + t.size() || !std::isfinite(x))
        m.odmow("zła liczba " + std::string(t));
    return x;
}

int calkowita(oj::value v, const Miejsce& m) {
    if (v.type() != oj::json_type::number) m.odmow("oczekiwano liczby całkowitej");
    std::int64_t x = 0;
    if (v.get_int64().get(x) != simdjson::SUCCESS || x < INT32_MIN || x > INT32_MAX)
        m.odmow("oczekiwano liczby całkowitej");
    return static_cast<int>(x);
}

std::string tekst(oj::value v, const Miejsce& m) {
    std::string_view t;
    if (v.type() != oj::json_type::string || v.get_string().get(t) != simdjson::SUCCESS)
        m.odmow("oczekiwano tekstu");
    return std::string(t);
}

bool logiczna(oj::value v, const Miejsce& m) {
    bool b = false;
    if (v.type() != oj::json_type::boolean || v.get_bool().get(b) != simdjson::SUCCESS)
        m.odmow("oczekiwano true albo false");
    return b;
}

// Calls f(element, index) for each element of an array.
template <class F>
void kazdy(oj::value v, const Miejsce& m, F f) {
    if (v.type() != oj::json_type::array) m.odmow("oczekiwano listy");
    std::size_t i = 0;
    for (auto e : v.get_array()) f(oj::value(e.value()), i++);
}

// Calls f(value, index) for each element of a row that must have exactly n of them.
template <class F>
void wiersz(oj::value v, std::size_t n, const Miejsce& m, F f) {
    std::size_t ile = 0;
    kazdy(v, m, [&](oj::value e, std::size_t i) {
        if (i >= n) m.odmow(sformatuj("oczekiwano %zu wartości", n));
        f(e, i);
        ++ile;
    });
    if (ile != n) m.odmow(sformatuj("oczekiwano %zu wartości", n));
}

// Calls f(key, value) for each member of an object.
template <class F>
void pola(oj::value v, const Miejsce& m, F f) {
    if (v.type() != oj::json_type::object) m.odmow("oczekiwano obiektu");
    for (auto p : v.get_object()) {
        oj::field pole = std::move(p);
        const std::string_view k = pole.unescaped_key();
        f(std::string(k), oj::value(pole.value()));
    }
}

[[noreturn]] void nieznany(const Miejsce& m, const std::string& klucz) {
    m.odmow("nieznany klucz „" + klucz + "” (plik z nowszej wersji programu albo uszkodzony)");
}

// [node, "X" or "Y"] at the start of a row: the DOF.
int dof(int wezel, const std::string& kierunek, int nn, const Miejsce& m) {
    if (wezel < 1 || wezel > nn) m.odmow(sformatuj("węzeł %d spoza zakresu 1..%d", wezel, nn));
    if (kierunek != "X" && kierunek != "Y") m.odmow("kierunek musi być \"X\" albo \"Y\"");
    return kierunek == "X" ? 2 * wezel - 1 : 2 * wezel;
}

// The rows of a case's list of [node, "X"|"Y", value]; the DOFs are checked once the node count
// is known.
struct WierszDof {
    int wezel;
    std::string kierunek;
    float wartosc;
};

struct CzytanyPrzypadek {
    PrzypadekObciazen c;
    std::vector<WierszDof> sily, przemieszczenia;
    std::vector<std::pair<int, float>> temperatury;
};

std::vector<WierszDof> wiersze_dof(oj::value v, const Miejsce& m, const char* co) {
    std::vector<WierszDof> w;
    kazdy(v, m, [&](oj::value r, std::size_t i) {
        Miejsce mi{m.gdzie + sformatuj(", %s %zu", co, i + 1)};
        WierszDof d{};
        wiersz(r, 3, mi, [&](oj::value e, std::size_t j) {
            if (j == 0) d.wezel = calkowita(e, mi);
            if (j == 1) d.kierunek = tekst(e, mi);
            if (j == 2) d.wartosc = rzeczywista<float>(e, mi);
        });
        w.push_back(std::move(d));
    });
    return w;
}

CzytanyPrzypadek przypadek(oj::value v, std::size_t nr) {
    const Miejsce m{sformatuj("przypadek %zu", nr)};
    CzytanyPrzypadek p;
    p.c = Projekt::nowy_przypadek(static_cast<int>(nr));
    bool kategoria = false, psi = false;
    pola(v, m, [&](const std::string& k, oj::value w) {
        if (k == "nazwa") {
            p.c.nazwa = tekst(w, m);
        } else if (k == "rodzaj") {
            const std::string r = tekst(w, m);
            if (r != "G" && r != "Q") m.odmow("rodzaj musi być \"G\" albo \"Q\"");
            p.c.zmienny = r == "Q";
        } else if (k == "kategoria") {
            Kategoria kat;
            const std::string t = tekst(w, m);
            if (!kategoria_z_klucza(t, kat)) m.odmow("nieznana kategoria „" + t + "”");
            p.c.kategoria = static_cast<int>(kat);
            kategoria = true;
        } else if (k == "psi") {
            double* cel[3] = {&p.c.psi0, &p.c.psi1, &p.c.psi2};
            wiersz(w, 3, m, [&](oj::value e, std::size_t j) {
                *cel[j] = rzeczywista<double>(e, m);
                if (*cel[j] < 0 || *cel[j] > 1) m.odmow("współczynnik ψ poza zakresem 0..1");
            });
            psi = true;
        } else if (k == "grupa") {
            p.c.grupa = tekst(w, m);
        } else if (k == "ciezar_wlasny") {
            p.c.ciezar_wlasny = logiczna(w, m);
        } else if (k == "wsp_ciezaru") {
            p.c.wsp_ciezaru = rzeczywista<double>(w, m);
        } else if (k == "sily") {
            p.sily = wiersze_dof(w, m, "siła");
        } else if (k == "przemieszczenia") {
            p.przemieszczenia = wiersze_dof(w, m, "przemieszczenie");
        } else if (k == "temperatury") {
            kazdy(w, m, [&](oj::value r, std::size_t i) {
                Miejsce mi{m.gdzie + sformatuj(", zmiana temperatury %zu", i + 1)};
                std::pair<int, float> t{};
                wiersz(r, 2, mi, [&](oj::value e, std::size_t j) {
                    if (j == 0) t.first = calkowita(e, mi);
                    if (j == 1) t.second = rzeczywista<float>(e, mi);
                });
                p.temperatury.push_back(t);
            });
        } else {
            nieznany(m, k);
        }
    });
    // A variable case without its own factors takes its category's.
    if (p.c.zmienny && !psi) {
        const Psi t = psi_z_tablicy(static_cast<Kategoria>(p.c.kategoria));
        p.c.psi0 = t.psi0, p.c.psi1 = t.psi1, p.c.psi2 = t.psi2;
    }
    if (!p.c.zmienny && (kategoria || psi)) m.odmow("przypadek stały nie ma kategorii ani ψ");
    return p;
}

// The design data as read; the numbers of sections and bars are checked once their counts are
// known.
struct CzytaneWymiarowanie {
    DaneWymiarowania d;
    std::vector<std::pair<int, PrzekrojStalowy>> przekroje;
    std::vector<std::pair<int, PretStalowy>> prety;
};

double dodatnia(oj::value v, const Miejsce& m, const char* co) {
    const double x = rzeczywista<double>(v, m);
    if (!(x > 0)) m.odmow(std::string(co) + " musi być większy od zera");
    return x;
}

// {"wspolczynnik": k} or {"dlugosc": L}.
void dlugosc_wyboczeniowa(oj::value v, const Miejsce& m, double& wartosc, bool& dlugosc) {
    int ile = 0;
    pola(v, m, [&](const std::string& k, oj::value x) {
        if (k != "wspolczynnik" && k != "dlugosc") nieznany(m, k);
        wartosc = dodatnia(x, m, "długość wyboczeniowa");
        dlugosc = k == "dlugosc";
        ++ile;
    });
    if (ile != 1) m.odmow("długość wyboczeniowa: oczekiwano \"wspolczynnik\" albo \"dlugosc\"");
}

PrzekrojStalowy przekroj_stalowy_z(oj::value v, const Miejsce& m, int& nr) {
    PrzekrojStalowy s;
    nr = 0;
    pola(v, m, [&](const std::string& k, oj::value x) {
        if (k == "nr") {
            nr = calkowita(x, m);
        } else if (k == "rodzina") {
            s.rodzina = tekst(x, m);
        } else if (k == "profil") {
            s.profil = tekst(x, m);
        } else if (k == "gatunek") {
            s.gatunek = tekst(x, m);
            if (!wymiarowanie::gatunek(s.gatunek))
                m.odmow("nieznany gatunek stali „" + s.gatunek + "”");
        } else if (k == "wsp_A_net") {
            s.wsp_A_net = rzeczywista<double>(x, m);
            if (!(s.wsp_A_net > 0 && s.wsp_A_net <= 1))
                m.odmow("stosunek A_net / A musi leżeć w przedziale (0; 1]");
        } else if (k == "szczelina") {
            s.szczelina = rzeczywista<double>(x, m);
            if (!(s.szczelina >= 0 && s.szczelina <= 100))
                m.odmow("szczelina między kątownikami musi leżeć w przedziale 0..100 mm");
        } else if (k == "i_min") {
            s.i_min = rzeczywista<double>(x, m);
            if (s.i_min < 0) m.odmow("promień bezwładności nie może być ujemny");
        } else if (k == "krzywa") {
            s.krzywa = tekst(x, m);
            if (!s.krzywa.empty() && s.krzywa != "a0" && s.krzywa != "a" && s.krzywa != "b" &&
                s.krzywa != "c" && s.krzywa != "d")
                m.odmow("nieznana krzywa wyboczeniowa „" + s.krzywa + "”");
        } else if (k == "klasa_4") {
            s.klasa_4 = logiczna(x, m);
        } else if (k == "rodzina_doboru") {
            s.rodzina_doboru = tekst(x, m);
            if (!s.rodzina_doboru.empty() && !wymiarowanie::rodzina_z_klucza(s.rodzina_doboru))
                m.odmow("nieznana rodzina profili „" + s.rodzina_doboru + "”");
        } else {
            nieznany(m, k);
        }
    });
    if (s.rodzina.empty() != s.profil.empty())
        m.odmow("profil wymaga rodziny i nazwy (\"rodzina\" i \"profil\")");
    if (!s.rodzina.empty()) {
        const auto r = wymiarowanie::rodzina_z_klucza(s.rodzina);
        if (!r) m.odmow("nieznana rodzina profili „" + s.rodzina + "”");
        const auto p = wymiarowanie::znajdz_profil(*r, s.profil);
        if (!p) m.odmow("nieznany profil „" + s.profil + "” w rodzinie „" + s.rodzina + "”");
        // Kept as the library names it, so that it compares with what sizing chooses.
        s.profil = p->nazwa;
    }
    return s;
}

PretStalowy pret_stalowy_z(oj::value v, const Miejsce& m, int& nr) {
    PretStalowy p;
    nr = 0;
    pola(v, m, [&](const std::string& k, oj::value x) {
        if (k == "nr") {
            nr = calkowita(x, m);
        } else if (k == "w_plaszczyznie") {
            dlugosc_wyboczeniowa(x, m, p.L_w, p.L_w_dlugosc);
        } else if (k == "z_plaszczyzny") {
            dlugosc_wyboczeniowa(x, m, p.L_z, p.L_z_dlugosc);
        } else if (k == "polaczenie") {
            const std::string t = tekst(x, m);
            if (t == "brak")
                p.polaczenie = 0;
            else if (t == "BB.1.2")
                p.polaczenie = 1;
            else if (t == "jedna sruba")
                p.polaczenie = 2;
            else
                m.odmow("połączenie musi być \"brak\", \"BB.1.2\" albo \"jedna sruba\"");
        } else {
            nieznany(m, k);
        }
    });
    return p;
}

CzytaneWymiarowanie wymiarowanie_z(oj::value v) {
    const Miejsce m{"wymiarowanie"};
    CzytaneWymiarowanie c;
    DaneWymiarowania& d = c.d;
    pola(v, m, [&](const std::string& k, oj::value x) {
        if (k == "E") {
            d.E = dodatnia(x, m, "moduł sprężystości E");
        } else if (k == "gamma_M0") {
            d.gamma_M0 = dodatnia(x, m, "współczynnik γM0");
        } else if (k == "gamma_M1") {
            d.gamma_M1 = dodatnia(x, m, "współczynnik γM1");
        } else if (k == "gamma_M2") {
            d.gamma_M2 = dodatnia(x, m, "współczynnik γM2");
        } else if (k == "ugiecie") {
            const Miejsce mu{"wymiarowanie, ugięcie"};
            int ile = 0;
            pola(x, mu, [&](const std::string& k2, oj::value y) {
                if (k2 != "rozpietosc_przez" && k2 != "dlugosc") nieznany(mu, k2);
                d.ugiecie = dodatnia(y, mu, "graniczne przemieszczenie");
                d.ugiecie_dlugosc = k2 == "dlugosc";
                ++ile;
            });
            if (ile != 1) mu.odmow("oczekiwano \"rozpietosc_przez\" albo \"dlugosc\"");
        } else if (k == "przekroje") {
            kazdy(x, m, [&](oj::value r, std::size_t i) {
                const Miejsce mi{sformatuj("wymiarowanie, przekrój stalowy %zu", i + 1)};
                int nr = 0;
                PrzekrojStalowy s = przekroj_stalowy_z(r, mi, nr);
                c.przekroje.emplace_back(nr, std::move(s));
            });
        } else if (k == "prety") {
            kazdy(x, m, [&](oj::value r, std::size_t i) {
                const Miejsce mi{sformatuj("wymiarowanie, pręt stalowy %zu", i + 1)};
                int nr = 0;
                PretStalowy p = pret_stalowy_z(r, mi, nr);
                c.prety.emplace_back(nr, p);
            });
        } else {
            nieznany(m, k);
        }
    });
    return c;
}

// The rows put in place by their numbers, which must name sections and bars of the store.
void wstaw_wymiarowanie(CzytaneWymiarowanie& c, const Konstrukcja& k, DaneWymiarowania& d) {
    d = std::move(c.d);
    if (c.przekroje.empty() && c.prety.empty()) return;
    rozwin_wymiarowanie(d, k.na, k.ne);
    std::vector<char> byl(static_cast<std::size_t>(std::max(k.na, k.ne)) + 1, 0);
    for (auto& [nr, s] : c.przekroje) {
        const Miejsce m{sformatuj("wymiarowanie, przekrój stalowy nr %d", nr)};
        if (nr < 1 || nr > k.na) m.odmow(sformatuj("przekrój spoza zakresu 1..%d", k.na));
        if (byl[static_cast<std::size_t>(nr)]) m.odmow("przekrój podany dwa razy");
        byl[static_cast<std::size_t>(nr)] = 1;
        d.przekroje[static_cast<std::size_t>(nr - 1)] = std::move(s);
    }
    std::fill(byl.begin(), byl.end(), 0);
    for (const auto& [nr, p] : c.prety) {
        const Miejsce m{sformatuj("wymiarowanie, pręt stalowy nr %d", nr)};
        if (nr < 1 || nr > k.ne) m.odmow(sformatuj("pręt spoza zakresu 1..%d", k.ne));
        if (byl[static_cast<std::size_t>(nr)]) m.odmow("pręt podany dwa razy");
        byl[static_cast<std::size_t>(nr)] = 1;
        d.prety[static_cast<std::size_t>(nr - 1)] = p;
    }
}

// The whole file, checked; throws Odmowa.
ZawartoscProjektu czytaj(oj::document& doc) {
    const Miejsce m{};
    ZawartoscProjektu z;
    std::vector<float> x;                 // node X, Y in turn
    std::vector<float> pm, area, ciezar;  // E, alpha in turn
    std::vector<int> noc;                 // four per bar
    std::vector<WierszDof> podpory;
    std::vector<CzytanyPrzypadek> przypadki;
    CzytaneWymiarowanie wymiar;
    int biezacy = 1;
    bool format = false, wersja = false;

    if (doc.type() != oj::json_type::object) m.odmow("to nie jest projekt Velkora 2D");
    oj::object glowny = doc.get_object();
    for (auto p : glowny) {
        oj::field pole = std::move(p);
        const std::string k(std::string_view(pole.unescaped_key()));
        oj::value w = pole.value();
        if (k == "format") {
            if (tekst(w, m) != "Velkora 2D projekt") m.odmow("to nie jest projekt Velkora 2D");
            format = true;
        } else if (k == "wersja") {
            const int n = calkowita(w, m);
            if (n > wersja_formatu_projektu)
                m.odmow(
                    sformatuj("plik zapisano w nowszej wersji formatu (%d), ten program "
                              "czyta wersję %d",
                              n, wersja_formatu_projektu));
            if (n < 1) m.odmow(sformatuj("zła wersja formatu (%d)", n));
            wersja = true;
        } else if (k == "tytul") {
            z.p.tytul = tekst(w, m);
        } else if (k == "autor") {
            z.p.autor = tekst(w, m);
        } else if (k == "opis") {
            z.p.opis = tekst(w, m);
        } else if (k == "jednostki") {
            const std::string u = tekst(w, m);
            z.jednostki = uklad_z_nazwy(u);
            if (z.jednostki == UkladJednostek::brak && u != "brak")
                m.odmow("nieznany układ jednostek „" + u + "”");
        } else if (k == "wezly") {
            kazdy(w, m, [&](oj::value r, std::size_t i) {
                const Miejsce mi{sformatuj("węzeł %zu", i + 1)};
                wiersz(r, 2, mi,
                       [&](oj::value e, std::size_t) { x.push_back(rzeczywista<float>(e, mi)); });
            });
        } else if (k == "materialy") {
            kazdy(w, m, [&](oj::value r, std::size_t i) {
                const Miejsce mi{sformatuj("materiał %zu", i + 1)};
                float e = 0, a = 0, g = 0;
                bool jest_e = false;
                pola(r, mi, [&](const std::string& kk, oj::value v) {
                    if (kk == "E")
                        e = rzeczywista<float>(v, mi), jest_e = true;
                    else if (kk == "alfa")
                        a = rzeczywista<float>(v, mi);
                    else if (kk == "ciezar")
                        g = rzeczywista<float>(v, mi);
                    else
                        nieznany(mi, kk);
                });
                if (!jest_e) mi.odmow("brak modułu Younga \"E\"");
                pm.push_back(e), pm.push_back(a), ciezar.push_back(g);
            });
        } else if (k == "przekroje") {
            kazdy(w, m, [&](oj::value r, std::size_t i) {
                const Miejsce mi{sformatuj("przekrój %zu", i + 1)};
                float a = 0;
                bool jest_a = false;
                pola(r, mi, [&](const std::string& kk, oj::value v) {
                    if (kk != "A") nieznany(mi, kk);
                    a = rzeczywista<float>(v, mi);
                    jest_a = true;
                });
                if (!jest_a) mi.odmow("brak pola przekroju \"A\"");
                area.push_back(a);
            });
        } else if (k == "prety") {
            kazdy(w, m, [&](oj::value r, std::size_t i) {
                const Miejsce mi{sformatuj("pręt %zu", i + 1)};
                wiersz(r, 4, mi,
                       [&](oj::value e, std::size_t) { noc.push_back(calkowita(e, mi)); });
            });
        } else if (k == "podpory") {
            kazdy(w, m, [&](oj::value r, std::size_t i) {
                const Miejsce mi{sformatuj("podpora %zu", i + 1)};
                WierszDof d{};
                wiersz(r, 2, mi, [&](oj::value e, std::size_t j) {
                    if (j == 0) d.wezel = calkowita(e, mi);
                    if (j == 1) d.kierunek = tekst(e, mi);
                });
                podpory.push_back(std::move(d));
            });
        } else if (k == "przypadki") {
            kazdy(w, m,
                  [&](oj::value r, std::size_t i) { przypadki.push_back(przypadek(r, i + 1)); });
        } else if (k == "biezacy_przypadek") {
            biezacy = calkowita(w, m);
        } else if (k == "kombinacje") {
            UstawieniaKombinacji& u = z.p.kombinacje;
            const Miejsce mk{"kombinacje"};
            pola(w, mk, [&](const std::string& kk, oj::value v) {
                if (kk == "rownania") {
                    const std::string r = tekst(v, mk);
                    if (r != "6.10" && r != "6.10a/6.10b")
                        mk.odmow("równania muszą być \"6.10\" albo \"6.10a/6.10b\"");
                    u.rownania_610ab = r != "6.10";
                } else if (kk == "gamma_G_sup") {
                    u.gamma_G_sup = rzeczywista<double>(v, mk);
                } else if (kk == "gamma_G_inf") {
                    u.gamma_G_inf = rzeczywista<double>(v, mk);
                } else if (kk == "gamma_Q") {
                    u.gamma_Q = rzeczywista<double>(v, mk);
                } else if (kk == "xi") {
                    u.xi = rzeczywista<double>(v, mk);
                } else if (kk == "wlasne") {
                    kazdy(v, mk, [&](oj::value r, std::size_t i) {
                        const Miejsce mi{sformatuj("kombinacja własna %zu", i + 1)};
                        KombinacjaWlasna kw;
                        pola(r, mi, [&](const std::string& k3, oj::value v3) {
                            if (k3 == "nazwa")
                                kw.nazwa = tekst(v3, mi);
                            else if (k3 == "wspolczynniki")
                                kazdy(v3, mi, [&](oj::value e, std::size_t) {
                                    kw.wsp.push_back(rzeczywista<double>(e, mi));
                                });
                            else
                                nieznany(mi, k3);
                        });
                        z.p.wlasne.push_back(std::move(kw));
                    });
                } else {
                    nieznany(mk, kk);
                }
            });
        } else if (k == "wymiarowanie") {
            wymiar = wymiarowanie_z(w);
        } else if (k == "widok") {
            const Miejsce mw{"widok"};
            pola(w, mw, [&](const std::string& kk, oj::value v) {
                if (kk != "wyniki") nieznany(mw, kk);
                if (v.type() == oj::json_type::object) {
                    pola(v, mw, [&](const std::string& k3, oj::value v3) {
                        if (k3 != "kombinacja") nieznany(mw, k3);
                        z.pokaz = {PokazWynikow::kombinacja, calkowita(v3, mw) - 1};
                    });
                } else {
                    const std::string t = tekst(v, mw);
                    if (t == "przypadek")
                        z.pokaz = {PokazWynikow::przypadek, 0};
                    else if (t == "obwiednia")
                        z.pokaz = {PokazWynikow::obwiednia, 0};
                    else
                        mw.odmow("nieznane wyniki „" + t + "”");
                }
            });
        } else {
            nieznany(m, k);
        }
    }
    if (!format || !wersja) m.odmow("brak nagłówka \"format\" i \"wersja\"");
    // Nothing may follow the object.
    if (doc.current_location().error() != simdjson::OUT_OF_BOUNDS)
        m.odmow("dodatkowy tekst po końcu projektu");

    Konstrukcja& k = z.k;
    const std::size_t nn = x.size() / 2;
    if (nn > static_cast<std::size_t>(INT32_MAX / 2)) m.odmow("zbyt wiele węzłów");
    k.nn = static_cast<int>(nn), k.nq = 2 * k.nn;
    k.ne = static_cast<int>(noc.size() / 4), k.nm = static_cast<int>(ciezar.size());
    k.na = static_cast<int>(area.size()), k.nd = static_cast<int>(podpory.size());
    if (k.nn > 0) k.x = macierz(1, k.nn, 1, 2), std::copy(x.begin(), x.end(), k.x.data());
    if (k.ne > 0) k.noc = imacierz(1, k.ne, 1, 4), std::copy(noc.begin(), noc.end(), k.noc.data());
    if (k.nm > 0) k.pm = macierz(1, k.nm, 1, 2), std::copy(pm.begin(), pm.end(), k.pm.data());
    k.area = wektor_z_listy(area);
    if (k.nd > 0) {
        k.nu = iwektor(1, k.nd), k.u = wektor(1, k.nd);
        for (int i = 1; i <= k.nd; ++i) {
            const WierszDof& d = podpory[static_cast<std::size_t>(i - 1)];
            k.nu[i] = dof(d.wezel, d.kierunek, k.nn, Miejsce{sformatuj("podpora %d", i)});
            k.u[i] = 0.0f;
        }
    }

    Projekt& pr = z.p;
    pr.ciezar = std::move(ciezar);
    if (przypadki.empty()) przypadki.push_back({Projekt::nowy_przypadek(1), {}, {}, {}});
    if (biezacy < 1 || biezacy > static_cast<int>(przypadki.size()))
        m.odmow(sformatuj("bieżący przypadek %d spoza zakresu 1..%zu", biezacy, przypadki.size()));
    pr.przypadki.clear();
    std::vector<char> trzymany(static_cast<std::size_t>(k.nq) + 1, 0);
    for (int i = 1; i <= k.nd; ++i) trzymany[static_cast<std::size_t>(k.nu[i])] = 1;
    for (std::size_t c = 0; c < przypadki.size(); ++c) {
        CzytanyPrzypadek& cp = przypadki[c];
        ObciazeniaPrzypadku& o = cp.c.obc;
        for (std::size_t i = 0; i < cp.sily.size(); ++i) {
            const WierszDof& d = cp.sily[i];
            o.ild.push_back(dof(d.wezel, d.kierunek, k.nn,
                                Miejsce{sformatuj("przypadek %zu, siła %zu", c + 1, i + 1)}));
            o.al.push_back(d.wartosc);
        }
        std::vector<std::pair<int, float>> w;
        for (std::size_t i = 0; i < cp.przemieszczenia.size(); ++i) {
            const WierszDof& d = cp.przemieszczenia[i];
            const Miejsce mi{sformatuj("przypadek %zu, przemieszczenie %zu", c + 1, i + 1)};
            const int q = dof(d.wezel, d.kierunek, k.nn, mi);
            if (!trzymany[static_cast<std::size_t>(q)])
                mi.odmow("przemieszczenie wymuszone w kierunku, w którym węzeł nie ma podpory");
            w.emplace_back(q, d.wartosc);
        }
        std::stable_sort(w.begin(), w.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        for (std::size_t i = 0; i < w.size(); ++i) {
            if (i + 1 < w.size() && w[i + 1].first == w[i].first) continue;
            o.dof_wymuszen.push_back(w[i].first);
            o.wymuszenia.push_back(w[i].second);
        }
        for (std::size_t i = 0; i < cp.temperatury.size(); ++i) {
            const int b = cp.temperatury[i].first;
            if (b < 1 || b > k.ne)
                m.odmow(
                    sformatuj("przypadek %zu, zmiana temperatury %zu: pręt %d spoza zakresu "
                              "1..%d",
                              c + 1, i + 1, b, k.ne));
            o.nset.push_back(b);
            o.temp.push_back(cp.temperatury[i].second);
        }
        pr.przypadki.push_back(std::move(cp.c));
    }
    for (const KombinacjaWlasna& kw : pr.wlasne)
        if (kw.wsp.size() > pr.przypadki.size())
            m.odmow("kombinacja własna „" + kw.nazwa + "” ma więcej współczynników niż przypadków");
    if (z.pokaz.rodzaj == PokazWynikow::kombinacja && z.pokaz.indeks < 0)
        m.odmow("widok: zły numer kombinacji");

    // The current case into the store, the others stay in the record.
    pr.biezacy = biezacy - 1;
    ObciazeniaPrzypadku& b = pr.przypadki[static_cast<std::size_t>(pr.biezacy)].obc;
    wstaw_obciazenia(k, b);
    b = {};
    std::string powod;
    if (!sprawdz_konstrukcje(k, powod)) throw Odmowa{powod};
    wstaw_wymiarowanie(wymiar, k, pr.wymiarowanie);
    if (k.nn > 0) k.f = wektor(1, k.nq);
    if (k.ne > 0) k.stressp = wektor(1, k.ne);
    if (k.nd > 0) k.react = wektor(1, k.nd);
    return z;
}

const char* opis_bledu_json(simdjson::error_code e) {
    switch (e) {
        case simdjson::INCORRECT_TYPE:
            return "wartość złego rodzaju";
        case simdjson::UTF8_ERROR:
            return "tekst nie jest poprawnym UTF-8";
        case simdjson::CAPACITY:
            return "plik jest za duży";
        default:
            return "plik nie jest poprawnym tekstem JSON";
    }
}

// The text with the padding the parser reads past its end.
bool czytaj_z_bufora(const simdjson::padded_string& t, ZawartoscProjektu& z, std::string& powod) {
    try {
        oj::parser parser;
        oj::document doc = parser.iterate(t);
        z = czytaj(doc);
        // A linked section's area is its profile's, whatever the file says: every reader of the
        // project (the window, the analyser, the report) analyses the profile.
        pola_z_profili(z.k, z.p.wymiarowanie, z.jednostki);
        return true;
    } catch (const Odmowa& o) {
        powod = o.powod;
    } catch (const simdjson::simdjson_error& e) {
        powod = opis_bledu_json(e.error());
    }
    return false;
}

}  // namespace

bool czytaj_tekst_projektu(std::string_view tekst, ZawartoscProjektu& z, std::string& powod) {
    return czytaj_z_bufora(simdjson::padded_string(tekst), z, powod);
}

bool czytaj_projekt(const std::string& sciezka, ZawartoscProjektu& z, std::string& powod) {
    // As the .V2D reader: a FIFO cannot hang the open, a folder or a device is refused.
    const int fd = ::open(sciezka.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        powod = opis_bledu(errno);
        return false;
    }
    struct stat st;
    simdjson::padded_string t;
    bool dobrze = ::fstat(fd, &st) == 0;
    if (!dobrze)
        powod = opis_bledu(errno);
    else if (S_ISDIR(st.st_mode))
        powod = "to jest folder, nie plik", dobrze = false;
    else if (!S_ISREG(st.st_mode))
        powod = "to nie jest zwykły plik", dobrze = false;
    if (dobrze) {
        t = simdjson::padded_string(static_cast<std::size_t>(st.st_size));
        std::size_t jest = 0;
        while (dobrze && jest < t.size()) {
            const ssize_t r = ::read(fd, t.data() + jest, t.size() - jest);
            if (r < 0 && errno == EINTR) continue;
            if (r < 0) powod = "błąd odczytu: " + opis_bledu(errno), dobrze = false;
            if (r == 0) powod = "plik skrócił się podczas odczytu", dobrze = false;
            if (r > 0) jest += static_cast<std::size_t>(r);
        }
    }
    ::close(fd);
    return dobrze && czytaj_z_bufora(t, z, powod);
}
