// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/eksport.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/analiza.h"
#include "tests/wspolne/kratownice.h"

namespace {

using Rekord = std::vector<std::string>;

// A strict RFC 4180 reader: every record ends in CR LF, the last one too; fields lie apart by
// `sep`; a quoted field holds anything with its quotes doubled, an unquoted one neither a quote
// nor CR or LF. Anything else throws.
std::vector<Rekord> czytaj_csv(std::string_view t, char sep) {
    std::vector<Rekord> rekordy;
    Rekord r;
    std::size_t i = 0;
    while (i < t.size()) {
        std::string pole;
        if (t[i] == '"') {
            for (++i;; ++i) {
                if (i >= t.size()) throw std::runtime_error("a quoted field runs to the end");
                if (t[i] != '"') {
                    pole += t[i];
                } else if (i + 1 < t.size() && t[i + 1] == '"') {
                    pole += t[++i];
                } else {
                    ++i;
                    break;
                }
            }
        } else {
            for (; i < t.size() && t[i] != sep && t[i] != '\r' && t[i] != '\n'; ++i) {
                if (t[i] == '"') throw std::runtime_error("a quote inside an unquoted field");
                pole += t[i];
            }
        }
        r.push_back(std::move(pole));
        if (i < t.size() && t[i] == sep) {
            ++i;
            continue;
        }
        if (t.substr(i, 2) != "\r\n") throw std::runtime_error("a record not ended by CR LF");
        i += 2;
        rekordy.push_back(std::move(r));
        r.clear();
    }
    return rekordy;
}

struct Sekcja {
    std::string tytul;
    Rekord naglowek;
    std::vector<Rekord> wiersze;
};

// The sections: a title alone in its record, the header, the rows; an empty record before each
// section but the first.
std::vector<Sekcja> sekcje(const std::vector<Rekord>& r) {
    std::vector<Sekcja> s;
    for (std::size_t i = 0; i < r.size(); ++i) {
        const bool pusty = r[i] == Rekord{""};
        if (s.empty() || pusty) {
            if (pusty) ++i;
            EXPECT_LT(i + 1, r.size());
            if (i + 1 >= r.size()) break;
            EXPECT_EQ(r[i].size(), 1u) << r[i][0];
            s.push_back({r[i][0], r[i + 1], {}});
            ++i;
        } else {
            s.back().wiersze.push_back(r[i]);
        }
    }
    return s;
}

TEST(EksportCsv, ObaDialektyCzytaScislyCzytnikDoKazdejWartosciModeluZJednostkamiWNaglowkach) {
    // A roof of three bars of two sections, warmed, with a settling support: every section has
    // rows, and the reals need both plain and exponent forms (1.2e-05).
    Model m;
    zbuduj(m, Opis{.wezly = {{0, 0}, {8, 0}, {4, 3}},
                   .prety = {{1, 2, 1, 1}, {1, 3, 1, 2}, {2, 3, 1, 1}},
                   .pola = {0.01f, 0.025f},
                   .podpory = {{1, 0}, {2, 0}, {4, -0.002f}},
                   .sily = {{5, 6}, {6, -10}},
                   .temperatury = {{2, 40}}});
    ASSERT_TRUE(obliczenia(m).sukces());
    const struct {
        DialektCsv dialekt;
        UkladJednostek jednostki;
        bool wyniki;
        const char *naprezenie, *sila, *alfa, *pole;
    } przypadki[] = {
        {DialektCsv::przecinki, UkladJednostek::brak, true, "Naprężenie", "Siła osiowa",
         "Wsp. rozszerzalności cieplnej", "Pole przekroju"},
        {DialektCsv::arkusz, UkladJednostek::N_mm, true, "Naprężenie [N/mm²]", "Siła osiowa [N]",
         "Wsp. rozszerzalności cieplnej [1/K]", "Pole przekroju [mm²]"},
        {DialektCsv::przecinki, UkladJednostek::kN_m, false, nullptr, nullptr,
         "Wsp. rozszerzalności cieplnej [1/K]", "Pole przekroju [m²]"},
    };
    for (const auto& p : przypadki) {
        const bool arkusz = p.dialekt == DialektCsv::arkusz;
        SCOPED_TRACE(std::string(arkusz ? "arkusz " : "przecinki ") + nazwa_ukladu(p.jednostki));
        std::string t = tekst_csv(m, p.wyniki, p.dialekt, p.jednostki);
        const std::string bom = "\xEF\xBB\xBF";
        EXPECT_EQ(t.starts_with(bom), arkusz) << "the byte-order mark is the spreadsheet's";
        if (arkusz) t.erase(0, bom.size());
        std::vector<Sekcja> s;
        try {
            s = sekcje(czytaj_csv(t, arkusz ? ';' : ','));
        } catch (const std::exception& e) {
            FAIL() << e.what();
        }

        // Every value reads back as the very float of the store, the decimal separator being the
        // dialect's.
        auto liczba = [arkusz](std::string v) {
            EXPECT_EQ(v.find(arkusz ? '.' : ','), std::string::npos) << v;
            if (arkusz) std::replace(v.begin(), v.end(), ',', '.');
            float f = NAN;
            const auto w = std::from_chars(v.data(), v.data() + v.size(), f);
            EXPECT_TRUE(w.ec == std::errc() && w.ptr == v.data() + v.size()) << v;
            return f;
        };
        using Wiersze = std::vector<std::vector<float>>;
        auto sprawdz = [&](const Sekcja& k, const Wiersze& oczekiwane) {
            SCOPED_TRACE(k.tytul);
            ASSERT_EQ(k.wiersze.size(), oczekiwane.size());
            for (std::size_t i = 0; i < k.wiersze.size(); ++i) {
                ASSERT_EQ(k.wiersze[i].size(), oczekiwane[i].size());
                for (std::size_t j = 0; j < oczekiwane[i].size(); ++j)
                    if (k.wiersze[i][j] != "X" && k.wiersze[i][j] != "Y") {
                        EXPECT_EQ(liczba(k.wiersze[i][j]), oczekiwane[i][j]) << i << " " << j;
                    } else {
                        // The direction of a DOF: X for 1, Y for 2.
                        EXPECT_EQ(k.wiersze[i][j] == "X" ? 1.0f : 2.0f, oczekiwane[i][j]);
                    }
            }
        };
        const std::size_t wyniki = p.wyniki ? 3 : 0;
        ASSERT_EQ(s.size(), wyniki + 7);
        if (p.wyniki) {
            EXPECT_EQ(s[0].tytul, "Naprężenia i siły osiowe");
            EXPECT_EQ(s[0].naglowek, (Rekord{"Element", p.naprezenie, p.sila}));
            sprawdz(s[0], {{1, m.stressp[1], m.stressp[1] * 0.01f},
                           {2, m.stressp[2], m.stressp[2] * 0.025f},
                           {3, m.stressp[3], m.stressp[3] * 0.01f}});
            EXPECT_EQ(s[1].tytul, "Przemieszczenia węzłów");
            Wiersze f;
            for (int i = 1; i <= 3; ++i)
                f.push_back({static_cast<float>(i), m.f[2 * i - 1], m.f[2 * i]});
            sprawdz(s[1], f);
            EXPECT_EQ(s[2].tytul, "Reakcje podpór");
            sprawdz(s[2], {{1, 1, 1, m.react[1]}, {2, 1, 2, m.react[2]}, {3, 2, 2, m.react[3]}});
        }
        const Sekcja* d = &s[wyniki];
        std::vector<std::string> tytuly;
        for (int i = 0; i < 7; ++i) tytuly.push_back(d[i].tytul);
        EXPECT_EQ(tytuly,
                  (std::vector<std::string>{"Węzły", "Pręty", "Materiały", "Przekroje", "Podpory",
                                            "Obciążenia", "Zmiany temperatury"}));
        EXPECT_EQ(d[2].naglowek[2], p.alfa);
        EXPECT_EQ(d[3].naglowek, (Rekord{"Nr przekroju", p.pole}));
        sprawdz(d[0], {{1, 0, 0}, {2, 8, 0}, {3, 4, 3}});
        sprawdz(d[1], {{1, 1, 2, 1, 1}, {2, 1, 3, 1, 2}, {3, 2, 3, 1, 1}});
        sprawdz(d[2], {{1, 2.1e8f, 1.2e-5f}});
        sprawdz(d[3], {{1, 0.01f}, {2, 0.025f}});
        sprawdz(d[4], {{1, 1, 1, 0}, {2, 1, 2, 0}, {3, 2, 2, -0.002f}});
        sprawdz(d[5], {{1, 3, 1, 6}, {2, 3, 2, -10}});
        sprawdz(d[6], {{1, 2, 40}});
    }
}

// Writing over a file keeps its permissions, so a private export stays private; through a link
// the file it names is replaced and the link stays; a new file takes the umask's.
TEST(EksportCsv, ZapisNaIstniejacyPlikZachowujeJegoUprawnieniaIDowiazanie) {
    const std::string folder = ::testing::TempDir() + "eksport_uprawnienia_XXXXXX";
    std::string f = folder;
    ASSERT_NE(::mkdtemp(f.data()), nullptr);
    const std::string plik = f + "/dane.csv", link = f + "/link.csv";
    auto tryb = [](const std::string& p) {
        struct stat st {};
        EXPECT_EQ(::stat(p.c_str(), &st), 0) << p;
        return st.st_mode & 07777;
    };
    auto tresc = [](const std::string& p) {
        std::ifstream i(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(i), {});
    };
    const struct {
        mode_t tryb;
        bool przez_link;
    } przypadki[] = {{0600, false}, {0640, false}, {0644, false}, {0400, false}, {0600, true}};
    for (const auto& p : przypadki) {
        SCOPED_TRACE(std::to_string(p.tryb) + (p.przez_link ? " through a link" : ""));
        ::unlink(plik.c_str()), ::unlink(link.c_str());
        std::ofstream(plik) << "stary";
        ASSERT_EQ(::chmod(plik.c_str(), p.tryb), 0);
        if (p.przez_link) {
            ASSERT_EQ(::symlink("dane.csv", link.c_str()), 0);
        }
        std::string powod;
        ASSERT_TRUE(zapisz_csv(p.przez_link ? link : plik, "a;b\r\n", powod)) << powod;
        EXPECT_EQ(tryb(plik), p.tryb);
        EXPECT_EQ(tresc(plik), "a;b\r\n");
        struct stat st {};
        if (p.przez_link) {
            EXPECT_EQ(::lstat(link.c_str(), &st), 0);
            EXPECT_TRUE(S_ISLNK(st.st_mode));
        }
    }
    for (const auto& [maska, oczekiwany] : {std::pair<mode_t, mode_t>{022, 0644}, {077, 0600}}) {
        ::unlink(plik.c_str());
        const mode_t dawna = ::umask(maska);
        std::string powod;
        EXPECT_TRUE(zapisz_csv(plik, "x\r\n", powod)) << powod;
        ::umask(dawna);
        EXPECT_EQ(tryb(plik), oczekiwany) << "umask " << maska;
    }
    ::unlink(plik.c_str()), ::unlink(link.c_str()), ::rmdir(f.c_str());
}

}  // namespace
