// SPDX-License-Identifier: GPL-3.0-or-later
// Writing the project file: JSON text, pretty enough to read and to diff, one entity per line.
#include <charconv>
#include <cmath>
#include <cstdio>

#include "core/tekst.h"
#include "design/kombinacje.h"
#include "files/eksport.h"
#include "files/v2dp.h"

namespace {

class Pisarz {
  public:
    std::string s;

    Pisarz& operator<<(std::string_view t) {
        s.append(t);
        return *this;
    }
    Pisarz& liczba(float v) {
        char b[32];
        s.append(b, std::to_chars(b, b + sizeof b, v).ptr);
        return *this;
    }
    Pisarz& liczba(double v) {
        char b[32];
        s.append(b, std::to_chars(b, b + sizeof b, v).ptr);
        return *this;
    }
    Pisarz& liczba(int v) {
        char b[16];
        s.append(b, std::to_chars(b, b + sizeof b, v).ptr);
        return *this;
    }
    // A JSON string: quotes, backslashes and control characters escaped, UTF-8 as it stands.
    Pisarz& tekst(std::string_view t) {
        s.push_back('"');
        for (const char c : t) {
            const auto u = static_cast<unsigned char>(c);
            if (c == '"' || c == '\\') {
                s.push_back('\\');
                s.push_back(c);
            } else if (c == '\n') {
                s.append("\\n");
            } else if (u < 0x20) {
                char b[8];
                std::snprintf(b, sizeof b, "\\u%04x", u);
                s.append(b);
            } else {
                s.push_back(c);
            }
        }
        s.push_back('"');
        return *this;
    }
    // "klucz": with the indent of a member of the top object or of a case.
    Pisarz& klucz(std::string_view k, int wciecie = 2) {
        s.append(static_cast<std::size_t>(wciecie), ' ');
        tekst(k);
        s.append(": ");
        return *this;
    }
};

// "[1, "X"" for a DOF: its node and direction.
void dof(Pisarz& p, int d) {
    p << "[";
    p.liczba((d + 1) / 2) << (d % 2 != 0 ? ", \"X\"" : ", \"Y\"");
}

// Rows of a list, one per line, each written by `wiersz(i)` for i in [0, n).
template <class F>
void wiersze(Pisarz& p, std::size_t n, int wciecie, F wiersz) {
    if (n == 0) {
        p << "[]";
        return;
    }
    p << "[\n";
    for (std::size_t i = 0; i < n; ++i) {
        p.s.append(static_cast<std::size_t>(wciecie + 2), ' ');
        wiersz(i);
        p << (i + 1 < n ? ",\n" : "\n");
    }
    p.s.append(static_cast<std::size_t>(wciecie), ' ');
    p << "]";
}

void obciazenia(Pisarz& p, const ObciazeniaPrzypadku& o) {
    p.klucz("sily", 6);
    wiersze(p, o.ild.size(), 6, [&](std::size_t i) {
        dof(p, o.ild[i]);
        p << ", ";
        p.liczba(o.al[i]) << "]";
    });
    p << ",\n";
    p.klucz("przemieszczenia", 6);
    wiersze(p, o.dof_wymuszen.size(), 6, [&](std::size_t i) {
        dof(p, o.dof_wymuszen[i]);
        p << ", ";
        p.liczba(o.wymuszenia[i]) << "]";
    });
    p << ",\n";
    p.klucz("temperatury", 6);
    wiersze(p, o.nset.size(), 6, [&](std::size_t i) {
        p << "[";
        p.liczba(o.nset[i]) << ", ";
        p.liczba(o.temp[i]) << "]";
    });
    p << "\n";
}

void przypadek(Pisarz& p, const PrzypadekObciazen& c, const ObciazeniaPrzypadku& o) {
    p << "{\n";
    p.klucz("nazwa", 6).tekst(c.nazwa) << ",\n";
    p.klucz("rodzaj", 6) << (c.zmienny ? "\"Q\"" : "\"G\"") << ",\n";
    if (c.zmienny) {
        p.klucz("kategoria", 6).tekst(klucz_kategorii(static_cast<Kategoria>(c.kategoria)))
            << ",\n";
        p.klucz("psi", 6) << "[";
        p.liczba(c.psi0) << ", ";
        p.liczba(c.psi1) << ", ";
        p.liczba(c.psi2) << "],\n";
        p.klucz("grupa", 6).tekst(c.grupa) << ",\n";
    }
    p.klucz("ciezar_wlasny", 6) << (c.ciezar_wlasny ? "true" : "false") << ",\n";
    p.klucz("wsp_ciezaru", 6).liczba(c.wsp_ciezaru) << ",\n";
    obciazenia(p, o);
    p << "    }";
}

const char* polaczenie(int p) {
    return p == 1 ? "BB.1.2" : p == 2 ? "jedna sruba" : "brak";
}

// A buckling length: a factor of the bar's length or a length.
void dlugosc_wyboczeniowa(Pisarz& p, double v, bool dlugosc) {
    p << (dlugosc ? "{\"dlugosc\": " : "{\"wspolczynnik\": ");
    p.liczba(v) << "}";
}

// The design data: the factors, the SLS limit, then only the sections and bars that differ from
// the defaults, each by its number.
void wymiarowanie(Pisarz& p, const DaneWymiarowania& d) {
    p.klucz("wymiarowanie") << "{\n";
    p.klucz("E", 4).liczba(d.E) << ",\n";
    p.klucz("gamma_M0", 4).liczba(d.gamma_M0) << ",\n";
    p.klucz("gamma_M1", 4).liczba(d.gamma_M1) << ",\n";
    p.klucz("gamma_M2", 4).liczba(d.gamma_M2) << ",\n";
    p.klucz("ugiecie", 4) << (d.ugiecie_dlugosc ? "{\"dlugosc\": " : "{\"rozpietosc_przez\": ");
    p.liczba(d.ugiecie) << "},\n";
    std::vector<std::size_t> s, b;
    for (std::size_t i = 0; i < d.przekroje.size(); ++i)
        if (!(d.przekroje[i] == PrzekrojStalowy{})) s.push_back(i);
    for (std::size_t i = 0; i < d.prety.size(); ++i)
        if (!(d.prety[i] == PretStalowy{})) b.push_back(i);
    p.klucz("przekroje", 4);
    wiersze(p, s.size(), 4, [&](std::size_t j) {
        const PrzekrojStalowy& x = d.przekroje[s[j]];
        p << "{\"nr\": ";
        p.liczba(static_cast<int>(s[j]) + 1);
        if (powiazany(x)) {
            p << ", \"rodzina\": ";
            p.tekst(x.rodzina) << ", \"profil\": ";
            p.tekst(x.profil);
        }
        p << ", \"gatunek\": ";
        p.tekst(x.gatunek) << ", \"wsp_A_net\": ";
        p.liczba(x.wsp_A_net) << ", \"szczelina\": ";
        p.liczba(x.szczelina);
        if (x.i_min != 0 || !x.krzywa.empty() || x.klasa_4) {
            p << ", \"i_min\": ";
            p.liczba(x.i_min) << ", \"krzywa\": ";
            p.tekst(x.krzywa) << ", \"klasa_4\": " << (x.klasa_4 ? "true" : "false");
        }
        if (!x.rodzina_doboru.empty()) {
            p << ", \"rodzina_doboru\": ";
            p.tekst(x.rodzina_doboru);
        }
        p << "}";
    });
    p << ",\n";
    p.klucz("prety", 4);
    wiersze(p, b.size(), 4, [&](std::size_t j) {
        const PretStalowy& x = d.prety[b[j]];
        p << "{\"nr\": ";
        p.liczba(static_cast<int>(b[j]) + 1) << ", \"w_plaszczyznie\": ";
        dlugosc_wyboczeniowa(p, x.L_w, x.L_w_dlugosc);
        p << ", \"z_plaszczyzny\": ";
        dlugosc_wyboczeniowa(p, x.L_z, x.L_z_dlugosc);
        p << ", \"polaczenie\": ";
        p.tekst(polaczenie(x.polaczenie)) << "}";
    });
    p << "\n  },\n";
}

// The index of the first value that is not finite, or -1.
template <class T>
long long nieskonczona(const T* v, long long n) {
    for (long long i = 0; i < n; ++i)
        if (!std::isfinite(v[i])) return i;
    return -1;
}

bool wymiarowanie_skonczone(const DaneWymiarowania& d, std::string& powod) {
    for (const double v : {d.E, d.gamma_M0, d.gamma_M1, d.gamma_M2, d.ugiecie})
        if (!std::isfinite(v)) {
            powod = "współczynnik wymiarowania nie jest liczbą skończoną";
            return false;
        }
    for (std::size_t i = 0; i < d.przekroje.size(); ++i) {
        const PrzekrojStalowy& s = d.przekroje[i];
        if (!std::isfinite(s.wsp_A_net) || !std::isfinite(s.szczelina) || !std::isfinite(s.i_min)) {
            powod = sformatuj("dane stalowe przekroju %zu nie są liczbami skończonymi", i + 1);
            return false;
        }
    }
    for (std::size_t i = 0; i < d.prety.size(); ++i)
        if (!std::isfinite(d.prety[i].L_w) || !std::isfinite(d.prety[i].L_z)) {
            powod = sformatuj("długość wyboczeniowa pręta %zu nie jest liczbą skończoną", i + 1);
            return false;
        }
    return true;
}

bool sprawdz_skonczone(const ZapisProjektu& z, std::string& powod) {
    const Konstrukcja& k = z.k;
    long long i;
    if (k.nn > 0 && (i = nieskonczona(k.x.data(), 2LL * k.nn)) >= 0)
        powod = sformatuj("węzeł %lld ma współrzędną, która nie jest liczbą skończoną", i / 2 + 1);
    else if (k.nm > 0 && (i = nieskonczona(k.pm.data(), 2LL * k.nm)) >= 0)
        powod = sformatuj("materiał %lld ma stałą, która nie jest liczbą skończoną", i / 2 + 1);
    else if (k.na > 0 && (i = nieskonczona(k.area.data(), k.na)) >= 0)
        powod = sformatuj("pole przekroju %lld nie jest liczbą skończoną", i + 1);
    else if (k.nd > 0 && (i = nieskonczona(k.u.data(), k.nd)) >= 0)
        powod = sformatuj("przemieszczenie podpory %lld nie jest liczbą skończoną", i + 1);
    else if (k.nl > 0 && (i = nieskonczona(k.al.data(), k.nl)) >= 0)
        powod = sformatuj("siła %lld nie jest liczbą skończoną", i + 1);
    else if (k.ntel > 0 && (i = nieskonczona(k.temp.data(), k.ntel)) >= 0)
        powod = sformatuj("zmiana temperatury %lld nie jest liczbą skończoną", i + 1);
    else if ((i = nieskonczona(z.p.ciezar.data(), static_cast<long long>(z.p.ciezar.size()))) >= 0)
        powod = sformatuj("ciężar materiału %lld nie jest liczbą skończoną", i + 1);
    else if (!wymiarowanie_skonczone(z.p.wymiarowanie, powod))
        return false;
    else
        return true;
    return false;
}

}  // namespace

bool tekst_projektu(const ZapisProjektu& z, std::string& tekst, std::string& powod) {
    const Konstrukcja& k = z.k;
    const Projekt& pr = z.p;
    if (!spojna(k, false)) {
        powod = "model w pamięci jest niespójny";
        return false;
    }
    if (!sprawdz_skonczone(z, powod)) return false;

    Pisarz p;
    // About 40 bytes a bar and a node: one growth for the whole text.
    p.s.reserve(256 + 48 * static_cast<std::size_t>(k.ne + k.nn));
    p << "{\n";
    p.klucz("format").tekst("Velkora 2D projekt") << ",\n";
    p.klucz("wersja").liczba(wersja_formatu_projektu) << ",\n";
    p.klucz("tytul").tekst(pr.tytul) << ",\n";
    p.klucz("autor").tekst(pr.autor) << ",\n";
    p.klucz("opis").tekst(pr.opis) << ",\n";
    p.klucz("jednostki").tekst(nazwa_ukladu(z.jednostki)) << ",\n";

    p.klucz("wezly");
    wiersze(p, static_cast<std::size_t>(k.nn), 2, [&](std::size_t i) {
        const int n = static_cast<int>(i) + 1;
        p << "[";
        p.liczba(k.x[n][1]) << ", ";
        p.liczba(k.x[n][2]) << "]";
    });
    p << ",\n";
    p.klucz("materialy");
    wiersze(p, static_cast<std::size_t>(k.nm), 2, [&](std::size_t i) {
        const int n = static_cast<int>(i) + 1;
        p << "{\"E\": ";
        p.liczba(k.pm[n][1]) << ", \"alfa\": ";
        p.liczba(k.pm[n][2]) << ", \"ciezar\": ";
        p.liczba(i < pr.ciezar.size() ? pr.ciezar[i] : 0.0f) << "}";
    });
    p << ",\n";
    p.klucz("przekroje");
    wiersze(p, static_cast<std::size_t>(k.na), 2, [&](std::size_t i) {
        p << "{\"A\": ";
        p.liczba(k.area[static_cast<int>(i) + 1]) << "}";
    });
    p << ",\n";
    p.klucz("prety");
    wiersze(p, static_cast<std::size_t>(k.ne), 2, [&](std::size_t i) {
        const int* r = k.noc[static_cast<int>(i) + 1] + 1;
        p << "[";
        p.liczba(r[0]) << ", ";
        p.liczba(r[1]) << ", ";
        p.liczba(r[2]) << ", ";
        p.liczba(r[3]) << "]";
    });
    p << ",\n";
    p.klucz("podpory");
    wiersze(p, static_cast<std::size_t>(k.nd), 2, [&](std::size_t i) {
        dof(p, k.nu[static_cast<int>(i) + 1]);
        p << "]";
    });
    p << ",\n";

    const std::vector<ObciazeniaPrzypadku> obc = obciazenia_przypadkow(k, pr);
    p.klucz("przypadki");
    wiersze(p, pr.przypadki.size(), 2,
            [&](std::size_t i) { przypadek(p, pr.przypadki[i], obc[i]); });
    p << ",\n";
    p.klucz("biezacy_przypadek").liczba(pr.biezacy + 1) << ",\n";

    const UstawieniaKombinacji& u = pr.kombinacje;
    p.klucz("kombinacje") << "{\n";
    p.klucz("rownania", 4) << (u.rownania_610ab ? "\"6.10a/6.10b\"" : "\"6.10\"") << ",\n";
    p.klucz("gamma_G_sup", 4).liczba(u.gamma_G_sup) << ",\n";
    p.klucz("gamma_G_inf", 4).liczba(u.gamma_G_inf) << ",\n";
    p.klucz("gamma_Q", 4).liczba(u.gamma_Q) << ",\n";
    p.klucz("xi", 4).liczba(u.xi) << ",\n";
    p.klucz("wlasne", 4);
    wiersze(p, pr.wlasne.size(), 4, [&](std::size_t i) {
        const KombinacjaWlasna& w = pr.wlasne[i];
        p << "{\"nazwa\": ";
        p.tekst(w.nazwa) << ", \"wspolczynniki\": [";
        for (std::size_t j = 0; j < w.wsp.size(); ++j) {
            if (j > 0) p << ", ";
            p.liczba(w.wsp[j]);
        }
        p << "]}";
    });
    p << "\n  },\n";
    if (jest_wymiarowanie(pr.wymiarowanie)) wymiarowanie(p, pr.wymiarowanie);

    p.klucz("widok") << "{\"wyniki\": ";
    switch (z.pokaz.rodzaj) {
        case PokazWynikow::przypadek:
            p << "\"przypadek\"";
            break;
        case PokazWynikow::kombinacja:
            p << "{\"kombinacja\": ";
            p.liczba(z.pokaz.indeks + 1) << "}";
            break;
        case PokazWynikow::obwiednia:
            p << "\"obwiednia\"";
            break;
    }
    p << "}\n}\n";
    tekst = std::move(p.s);
    return true;
}

bool zapisz_projekt(const std::string& sciezka, const ZapisProjektu& z, std::string& powod) {
    std::string t;
    if (!tekst_projektu(z, t, powod)) return false;
    return zapisz_csv(sciezka, t, powod);
}

bool nazwa_projektu_v2dp(const std::string& sciezka) {
    const std::size_t kropka = sciezka.find_last_of('.');
    if (kropka == std::string::npos || sciezka.find('/', kropka) != std::string::npos) return false;
    std::string r = sciezka.substr(kropka + 1);
    for (char& c : r) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return r == rozszerzenie_projektu;
}
