// SPDX-License-Identifier: GPL-3.0-or-later
// The families, their profiles built from the dimension tables, and lookup by name.
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>

#include "design/dane.h"
#include "design/przekroje.h"

namespace wymiarowanie {

namespace {

constexpr OpisRodziny opisy[] = {
    {Rodzina::katowniki_rownoramienne, "L", "Kątowniki równoramienne", "PN-EN 10056-1"},
    {Rodzina::katowniki_nierownoramienne, "LN", "Kątowniki nierównoramienne", "PN-EN 10056-1"},
    {Rodzina::dwa_katowniki, "2L", "Dwa kątowniki", "PN-EN 10056-1"},
    {Rodzina::upn, "UPN", "Ceowniki UPN", "DIN 1026-1"},
    {Rodzina::ipe, "IPE", "Dwuteowniki IPE", "PN-EN 10365"},
    {Rodzina::hea, "HEA", "Dwuteowniki HEA", "PN-EN 10365"},
    {Rodzina::heb, "HEB", "Dwuteowniki HEB", "PN-EN 10365"},
    {Rodzina::ro_na_goraco, "RO", "Rury okrągłe gorącowalcowane", "PN-EN 10210-2"},
    {Rodzina::ro_na_zimno, "ROz", "Rury okrągłe formowane na zimno", "PN-EN 10219-2"},
    {Rodzina::rk_na_goraco, "RK", "Rury kwadratowe gorącowalcowane", "PN-EN 10210-2"},
    {Rodzina::rk_na_zimno, "RKz", "Rury kwadratowe formowane na zimno", "PN-EN 10219-2"},
    {Rodzina::rp_na_goraco, "RP", "Rury prostokątne gorącowalcowane", "PN-EN 10210-2"},
    {Rodzina::rp_na_zimno, "RPz", "Rury prostokątne formowane na zimno", "PN-EN 10219-2"},
};
constexpr int liczba_rodzin = std::size(opisy);

constexpr double szczelina_domyslna = 10.0;  // mm, a usual gusset plate
constexpr double szczelina_najwieksza = 100.0;

// A dimension as a Polish name writes it: "114,3", "5", "4,5".
std::string liczba(double x) {
    char s[32];
    // to_chars writes a point whatever the locale.
    const auto k = std::to_chars(s, s + sizeof s, x, std::chars_format::fixed, 2).ptr;
    std::string r(s, k);
    while (r.back() == '0') r.pop_back();
    if (r.back() == '.') r.pop_back();
    std::replace(r.begin(), r.end(), '.', ',');
    return r;
}

// Corner radii of a hollow section for computing its properties. EN 10210-2: r_o = 1.5 t,
// r_i = 1.0 t. EN 10219-2: r_o = 2.0 t for t <= 6 mm, 2.5 t for 6 < t <= 10 mm, 3.0 t above,
// r_i = r_o - t; these are the midpoints of the standard's tolerance bands for the external
// corner profile (1.6t-2.4t, 2.0t-3.0t, 2.4t-3.6t). With them the areas computed here meet the
// Blue Book's tabulated areas, which the standards' formulae give.
void naroza_rury(Wymiary& w, Wyrob wyrob) {
    const double t = w.t_w;
    if (wyrob == Wyrob::rura_na_goraco) {
        w.r_1 = 1.5 * t;
        w.r_2 = 1.0 * t;
    } else {
        w.r_1 = (t <= 6 ? 2.0 : t <= 10 ? 2.5 : 3.0) * t;
        w.r_2 = w.r_1 - t;
    }
}

Profil zbuduj(Rodzina r, Ksztalt k, Wyrob wyrob, std::string nazwa, const Wymiary& w) {
    Profil p;
    p.rodzina = r;
    p.ksztalt = k;
    p.wyrob = wyrob;
    p.nazwa = std::move(nazwa);
    p.w = w;
    p.wl = wlasnosci(k, w);
    return p;
}

Profil katownik(Rodzina r, const dane::Katownik& d) {
    Wymiary w;
    w.h = d.h;
    w.b = d.b;
    w.t_w = w.t_f = d.t;
    w.r_1 = d.r1;
    w.r_2 = d.r2;
    std::string n = "L " + liczba(d.h) + "x";
    if (d.h != d.b) n += liczba(d.b) + "x";
    return zbuduj(r, Ksztalt::katownik, Wyrob::walcowany, n + liczba(d.t), w);
}

Profil dwuteownik(Rodzina r, const char* seria, const dane::Dwuteownik& d) {
    Wymiary w;
    w.h = d.h;
    w.b = d.b;
    w.t_w = d.tw;
    w.t_f = d.tf;
    w.r_1 = d.r;
    return zbuduj(r, Ksztalt::dwuteownik, Wyrob::walcowany,
                  std::string(seria) + " " + std::to_string(d.nr), w);
}

Profil ceownik(const dane::Ceownik& d) {
    Wymiary w;
    w.h = d.h;
    w.b = d.b;
    w.t_w = d.tw;
    w.t_f = d.tf;
    w.r_1 = d.r1;
    w.r_2 = d.r2;
    return zbuduj(Rodzina::upn, Ksztalt::ceownik, Wyrob::walcowany, std::string("UPN ") + d.nr, w);
}

Profil rura_okragla(Rodzina r, Wyrob wyrob, const dane::RuraOkragla& d) {
    Wymiary w;
    w.h = w.b = d.d;
    w.t_w = w.t_f = d.t;
    const char* przedrostek = wyrob == Wyrob::rura_na_goraco ? "RO " : "ROz ";
    return zbuduj(r, Ksztalt::rura_okragla, wyrob, przedrostek + liczba(d.d) + "x" + liczba(d.t),
                  w);
}

Profil rura_prostokatna(Rodzina r, Wyrob wyrob, const dane::RuraProstokatna& d) {
    Wymiary w;
    w.h = d.h;
    w.b = d.b;
    w.t_w = w.t_f = d.t;
    naroza_rury(w, wyrob);
    const bool kw = d.h == d.b;
    std::string n = kw ? "RK" : "RP";
    if (wyrob == Wyrob::rura_na_zimno) n += "z";
    n += " " + liczba(d.h) + "x";
    if (!kw) n += liczba(d.b) + "x";
    return zbuduj(r, Ksztalt::rura_prostokatna, wyrob, n + liczba(d.t), w);
}

std::vector<Profil> zbuduj_rodzine(Rodzina r) {
    std::vector<Profil> v;
    switch (r) {
        case Rodzina::katowniki_rownoramienne:
            for (const auto& d : dane::katowniki_rownoramienne()) v.push_back(katownik(r, d));
            break;
        case Rodzina::katowniki_nierownoramienne:
            for (const auto& d : dane::katowniki_nierownoramienne()) v.push_back(katownik(r, d));
            break;
        case Rodzina::dwa_katowniki:
            for (const auto& d : dane::katowniki_rownoramienne())
                v.push_back(dwa_katowniki(katownik(Rodzina::katowniki_rownoramienne, d),
                                          szczelina_domyslna));
            for (const auto& d : dane::katowniki_nierownoramienne()) {
                const Profil k = katownik(Rodzina::katowniki_nierownoramienne, d);
                v.push_back(dwa_katowniki(k, szczelina_domyslna));
                v.push_back(dwa_katowniki(obrocony(k), szczelina_domyslna));
            }
            break;
        case Rodzina::upn:
            for (const auto& d : dane::upn()) v.push_back(ceownik(d));
            break;
        case Rodzina::ipe:
            for (const auto& d : dane::ipe()) v.push_back(dwuteownik(r, "IPE", d));
            break;
        case Rodzina::hea:
            for (const auto& d : dane::hea()) v.push_back(dwuteownik(r, "HEA", d));
            break;
        case Rodzina::heb:
            for (const auto& d : dane::heb()) v.push_back(dwuteownik(r, "HEB", d));
            break;
        case Rodzina::ro_na_goraco:
            for (const auto& d : dane::ro_na_goraco())
                v.push_back(rura_okragla(r, Wyrob::rura_na_goraco, d));
            break;
        case Rodzina::ro_na_zimno:
            for (const auto& d : dane::ro_na_zimno())
                v.push_back(rura_okragla(r, Wyrob::rura_na_zimno, d));
            break;
        case Rodzina::rk_na_goraco:
            for (const auto& d : dane::rk_na_goraco())
                v.push_back(rura_prostokatna(r, Wyrob::rura_na_goraco, d));
            break;
        case Rodzina::rk_na_zimno:
            for (const auto& d : dane::rk_na_zimno())
                v.push_back(rura_prostokatna(r, Wyrob::rura_na_zimno, d));
            break;
        case Rodzina::rp_na_goraco:
            for (const auto& d : dane::rp_na_goraco())
                v.push_back(rura_prostokatna(r, Wyrob::rura_na_goraco, d));
            break;
        case Rodzina::rp_na_zimno:
            for (const auto& d : dane::rp_na_zimno())
                v.push_back(rura_prostokatna(r, Wyrob::rura_na_zimno, d));
            break;
    }
    std::stable_sort(v.begin(), v.end(), [](const Profil& a, const Profil& b) {
        return a.wl.masa < b.wl.masa || (a.wl.masa == b.wl.masa && a.nazwa < b.nazwa);
    });
    return v;
}

// A name taken apart: its prefix in lower case ("l", "2l", "upn", "rkz", ...), its dimensions,
// and the gap after a slash.
struct Rozbior {
    std::string przedrostek;
    std::vector<double> liczby;
    std::optional<double> szczelina;
};

std::optional<Rozbior> rozbierz(std::string_view s) {
    std::string n;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const unsigned char c = s[i];
        if (c == ' ' || c == '\t') continue;
        if (c == 0xC3 && i + 1 < s.size() && static_cast<unsigned char>(s[i + 1]) == 0x97) {
            n += 'x';  // U+00D7 MULTIPLICATION SIGN
            ++i;
            continue;
        }
        n += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : static_cast<char>(c);
    }
    Rozbior r;
    std::size_t i = 0;
    if (n.starts_with("2l")) {
        r.przedrostek = "2l";
        i = 2;
    } else {
        while (i < n.size() && n[i] >= 'a' && n[i] <= 'z') r.przedrostek += n[i++];
    }
    if (r.przedrostek.empty()) return std::nullopt;
    auto czytaj = [&](double& x) {
        std::string l;
        while (i < n.size() && ((n[i] >= '0' && n[i] <= '9') || n[i] == ',' || n[i] == '.')) {
            l += n[i] == ',' ? '.' : n[i];
            ++i;
        }
        const auto [p, ec] = std::from_chars(l.data(), l.data() + l.size(), x);
        return !l.empty() && ec == std::errc() && p == l.data() + l.size() && x > 0;
    };
    for (;;) {
        double x;
        if (!czytaj(x)) return std::nullopt;
        r.liczby.push_back(x);
        if (i < n.size() && n[i] == 'x') {
            ++i;
            continue;
        }
        break;
    }
    if (i < n.size() && n[i] == '/') {
        ++i;
        // A gap of 0 is allowed: read it apart from the dimensions, which must be positive.
        std::string l(n.substr(i));
        std::replace(l.begin(), l.end(), ',', '.');
        double x;
        const auto [p, ec] = std::from_chars(l.data(), l.data() + l.size(), x);
        if (l.empty() || ec != std::errc() || p != l.data() + l.size()) return std::nullopt;
        r.szczelina = x;
        i = n.size();
    }
    if (i != n.size()) return std::nullopt;
    // "L 50x50x5" and "RK 100x100x5" name the same as "L 50x5" and "RK 100x5".
    const bool rowne_boki = r.przedrostek == "l" || r.przedrostek == "2l" ||
                            r.przedrostek == "rk" || r.przedrostek == "rkz";
    if (rowne_boki && r.liczby.size() == 3 && r.liczby[0] == r.liczby[1])
        r.liczby.erase(r.liczby.begin());
    return r;
}

bool zgodne(const std::vector<double>& a, const std::vector<double>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::fabs(a[i] - b[i]) > 1e-9) return false;
    return true;
}

std::optional<Profil> szukaj_w(Rodzina r, const Rozbior& szukany) {
    if (r == Rodzina::dwa_katowniki) {
        if (szukany.przedrostek != "2l") return std::nullopt;
        const double s = szukany.szczelina.value_or(szczelina_domyslna);
        if (!(s >= 0 && s <= szczelina_najwieksza)) return std::nullopt;
        // The leg placed back to back comes first: a match of the rotated unequal angle joins
        // its short legs.
        for (Rodzina jeden :
             {Rodzina::katowniki_rownoramienne, Rodzina::katowniki_nierownoramienne})
            for (const Profil& k : profile(jeden)) {
                const auto a = rozbierz(k.nazwa);
                if (zgodne(a->liczby, szukany.liczby)) return dwa_katowniki(k, s);
                if (a->liczby.size() == 3 &&
                    zgodne({a->liczby[1], a->liczby[0], a->liczby[2]}, szukany.liczby))
                    return dwa_katowniki(obrocony(k), s);
            }
        return std::nullopt;
    }
    if (szukany.szczelina) return std::nullopt;
    for (const Profil& p : profile(r)) {
        const auto a = rozbierz(p.nazwa);
        if (a->przedrostek == szukany.przedrostek && zgodne(a->liczby, szukany.liczby)) return p;
    }
    return std::nullopt;
}

}  // namespace

std::span<const OpisRodziny> rodziny() {
    return opisy;
}

const OpisRodziny& opis(Rodzina r) {
    return opisy[static_cast<int>(r)];
}

std::optional<Rodzina> rodzina_z_klucza(std::string_view klucz) {
    for (const OpisRodziny& o : opisy)
        if (klucz == o.klucz) return o.rodzina;
    return std::nullopt;
}

const std::vector<Profil>& profile(Rodzina r) {
    static const std::array<std::vector<Profil>, liczba_rodzin> wszystkie = [] {
        std::array<std::vector<Profil>, liczba_rodzin> a;
        for (int i = 0; i < liczba_rodzin; ++i) a[i] = zbuduj_rodzine(static_cast<Rodzina>(i));
        return a;
    }();
    return wszystkie[static_cast<int>(r)];
}

std::optional<Profil> znajdz_profil(Rodzina r, std::string_view nazwa) {
    const auto s = rozbierz(nazwa);
    if (!s) return std::nullopt;
    return szukaj_w(r, *s);
}

std::optional<Profil> znajdz_profil(std::string_view nazwa) {
    const auto s = rozbierz(nazwa);
    if (!s) return std::nullopt;
    for (const OpisRodziny& o : opisy)
        if (auto p = szukaj_w(o.rodzina, *s)) return p;
    return std::nullopt;
}

Profil dwa_katowniki(const Profil& k, double s) {
    Wymiary w = k.w;
    w.s = s;
    std::string n = "2L " + liczba(w.h) + "x";
    if (w.h != w.b) n += liczba(w.b) + "x";
    n += liczba(w.t_w) + " /" + liczba(s);
    return zbuduj(Rodzina::dwa_katowniki, Ksztalt::dwa_katowniki, Wyrob::walcowany, n, w);
}

}  // namespace wymiarowanie
