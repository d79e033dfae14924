// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/eksport.h"

#include "files/wyniki_projektu.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <initializer_list>

#include "files/v2d.h"
#include "files/wymiarowanie_projektu.h"
#include "files/wyniki_projektu.h"

std::optional<float> sila_osiowa(const Konstrukcja& k, int b) {
    if (!k.noc || b < k.noc.rlow() || b > k.noc.rhigh() || k.noc.chigh() < 4) return std::nullopt;
    if (!k.stressp || b < k.stressp.low() || b > k.stressp.high()) return std::nullopt;
    const int p = k.noc[b][4];
    if (!k.area || p < k.area.low() || p > k.area.high()) return std::nullopt;
    return k.stressp[b] * k.area[p];
}

namespace {

// Rows of one dialect: fields are added one by one and a row is closed with CR LF.
class Csv {
  public:
    explicit Csv(DialektCsv d)
        : separator_(d == DialektCsv::arkusz ? ';' : ','), przecinek_(d == DialektCsv::arkusz) {}

    std::string& tekst() { return t_; }

    void liczba(int v) {
        pole();
        char b[16];
        t_.append(b, std::to_chars(b, b + sizeof b, v).ptr);
    }
    void liczba(double v) {
        pole();
        char b[32];
        char* koniec = std::to_chars(b, b + sizeof b, v).ptr;
        if (przecinek_)
            for (char* c = b; c != koniec; ++c)
                if (*c == '.') *c = ',';
        t_.append(b, koniec);
    }
    void liczba(float v) {
        pole();
        char b[32];
        char* koniec = std::to_chars(b, b + sizeof b, v).ptr;
        if (przecinek_)
            for (char* c = b; c != koniec; ++c)
                if (*c == '.') *c = ',';
        t_.append(b, koniec);
    }
    // Text, quoted where it holds the separator, a quote or a line break.
    void napis(const std::string& s) {
        pole();
        if (s.find_first_of(std::string{separator_, '"', '\r', '\n'}) == std::string::npos) {
            t_ += s;
            return;
        }
        t_ += '"';
        for (char c : s) {
            if (c == '"') t_ += '"';
            t_ += c;
        }
        t_ += '"';
    }
    void koniec_wiersza() {
        t_ += "\r\n";
        pierwsze_ = true;
    }
    // A section: the empty row before it (but the first), its title and its header row.
    void sekcja(const char* tytul, std::initializer_list<std::string> naglowki) {
        if (!pierwsza_sekcja_) koniec_wiersza();
        pierwsza_sekcja_ = false;
        napis(tytul);
        koniec_wiersza();
        for (const std::string& n : naglowki) napis(n);
        koniec_wiersza();
    }
    void bom() { t_ += "\xEF\xBB\xBF"; }

  private:
    void pole() {
        if (!pierwsze_) t_ += separator_;
        pierwsze_ = false;
    }
    std::string t_;
    char separator_;
    bool przecinek_;
    bool pierwsze_ = true;  // no field yet in the row
    bool pierwsza_sekcja_ = true;
};

// A DOF as its node and direction.
void wezel_i_kierunek(Csv& c, int dof) {
    c.liczba((dof + 1) / 2);
    c.napis(dof % 2 != 0 ? "X" : "Y");
}

}  // namespace

namespace {

// The envelope's three tables in place of the results of one case or combination.
void obwiednia_csv(Csv& c, const Konstrukcja& k, const std::vector<Kombinacja>& kombinacje,
                   UkladJednostek u) {
    auto j = [u](const char* t, Wielkosc w) { return z_jednostka(t, w, u); };
    using W = Wielkosc;
    const ObwiedniaWynikow o = obwiednia_wynikow(k.wyniki, kombinacje);
    auto nazwa = [&kombinacje](int i) {
        return i < 0 ? std::string() : kombinacje[static_cast<std::size_t>(i)].nazwa;
    };
    c.sekcja("Obwiednia naprężeń i sił osiowych (SGN i kombinacje własne)",
             {"Element", j("Naprężenie min", W::naprezenie), j("Naprężenie max", W::naprezenie),
              j("Siła osiowa min", W::sila), j("Siła osiowa max", W::sila), "Kombinacja min",
              "Kombinacja max"});
    for (int i = 1; i <= k.ne; ++i) {
        const std::size_t e = static_cast<std::size_t>(i - 1);
        const float a = k.area[k.noc[i][4]];
        c.liczba(i);
        c.liczba(static_cast<float>(o.s_min[e]));
        c.liczba(static_cast<float>(o.s_max[e]));
        c.liczba(static_cast<float>(o.s_min[e] * a));
        c.liczba(static_cast<float>(o.s_max[e] * a));
        c.napis(nazwa(o.ks_min[e]));
        c.napis(nazwa(o.ks_max[e]));
        c.koniec_wiersza();
    }
    c.sekcja("Największe przemieszczenia (SGU charakterystyczne)",
             {"Węzeł", j("Przemieszczenie max", W::dlugosc), j("Przemieszczenie X", W::dlugosc),
              j("Przemieszczenie Y", W::dlugosc), "Kombinacja"});
    for (int i = 1; i <= k.nn; ++i) {
        const std::size_t n = static_cast<std::size_t>(i - 1);
        c.liczba(i);
        c.liczba(static_cast<float>(o.u_max[n]));
        c.liczba(o.ux[n]);
        c.liczba(o.uy[n]);
        c.napis(nazwa(o.ku[n]));
        c.koniec_wiersza();
    }
    c.sekcja("Reakcje skrajne (SGN i kombinacje własne)",
             {"Nr podpory", "Węzeł", "Kierunek", j("Reakcja min", W::sila),
              j("Reakcja max", W::sila), "Kombinacja min", "Kombinacja max"});
    for (int i = 1; i <= k.nd; ++i) {
        const std::size_t r = static_cast<std::size_t>(i - 1);
        c.liczba(i);
        wezel_i_kierunek(c, k.nu[i]);
        c.liczba(static_cast<float>(o.r_min[r]));
        c.liczba(static_cast<float>(o.r_max[r]));
        c.napis(nazwa(o.kr_min[r]));
        c.napis(nazwa(o.kr_max[r]));
        c.koniec_wiersza();
    }
}

// The cases, each case's loads, and the combinations.
void przypadki_csv(Csv& c, const Konstrukcja& k, const Projekt& p,
                   const std::vector<Kombinacja>& kombinacje, UkladJednostek u) {
    auto j = [u](const char* t, Wielkosc w) { return z_jednostka(t, w, u); };
    using W = Wielkosc;
    c.sekcja("Przypadki obciążeń", {"Nr przypadku", "Nazwa", "Rodzaj", "Kategoria", "psi0", "psi1",
                                    "psi2", "Grupa", "Ciężar własny"});
    for (std::size_t i = 0; i < p.przypadki.size(); ++i) {
        const PrzypadekObciazen& z = p.przypadki[i];
        c.liczba(static_cast<int>(i) + 1);
        c.napis(z.nazwa);
        c.napis(z.zmienny ? "Q" : "G");
        c.napis(z.zmienny ? nazwa_kategorii(static_cast<Kategoria>(z.kategoria)) : "");
        for (double v : {z.psi0, z.psi1, z.psi2}) c.liczba(static_cast<float>(v));
        c.napis(z.grupa);
        if (z.ciezar_wlasny)
            c.liczba(static_cast<float>(z.wsp_ciezaru));
        else
            c.napis("");
        c.koniec_wiersza();
    }
    const std::vector<ObciazeniaPrzypadku> obc = obciazenia_przypadkow(k, p);
    for (std::size_t i = 0; i < obc.size(); ++i) {
        const std::string n = "Przypadek " + std::to_string(i + 1) + ": " + p.przypadki[i].nazwa;
        c.sekcja(("Obciążenia — " + n).c_str(),
                 {"Nr siły", "Węzeł", "Kierunek", j("Siła", W::sila)});
        for (std::size_t q = 0; q < obc[i].ild.size(); ++q) {
            c.liczba(static_cast<int>(q) + 1);
            wezel_i_kierunek(c, obc[i].ild[q]);
            c.liczba(obc[i].al[q]);
            c.koniec_wiersza();
        }
        c.sekcja(("Przemieszczenia wymuszone — " + n).c_str(),
                 {"Węzeł", "Kierunek", j("Przemieszczenie wymuszone", W::dlugosc)});
        for (std::size_t q = 0; q < obc[i].dof_wymuszen.size(); ++q) {
            wezel_i_kierunek(c, obc[i].dof_wymuszen[q]);
            c.liczba(obc[i].wymuszenia[q]);
            c.koniec_wiersza();
        }
        c.sekcja(("Zmiany temperatury — " + n).c_str(),
                 {"Nr zmiany", "Element", j("Przyrost temperatury", W::temperatura)});
        for (std::size_t q = 0; q < obc[i].nset.size(); ++q) {
            c.liczba(static_cast<int>(q) + 1);
            c.liczba(obc[i].nset[q]);
            c.liczba(obc[i].temp[q]);
            c.koniec_wiersza();
        }
    }
    c.sekcja("Kombinacje obciążeń", {"Nr kombinacji", "Nazwa", "Współczynniki"});
    for (std::size_t i = 0; i < kombinacje.size(); ++i) {
        c.liczba(static_cast<int>(i) + 1);
        c.napis(kombinacje[i].nazwa);
        c.napis(kombinacje[i].opis);
        c.koniec_wiersza();
    }
}

const char* stan(StanSprawdzenia s) {
    return s == StanSprawdzenia::spelnia       ? "spełnia"
           : s == StanSprawdzenia::nie_spelnia ? "nie spełnia"
                                               : "nie sprawdzono";
}

void wymiarowanie_csv(Csv& c, const WynikWymiarowania& w, const std::vector<Kombinacja>& k,
                      UkladJednostek u) {
    auto j = [u](const char* t, Wielkosc x) { return z_jednostka(t, x, u); };
    using W = Wielkosc;
    auto kombinacja = [&k](int i) {
        return i >= 0 && i < static_cast<int>(k.size()) ? k[static_cast<std::size_t>(i)].nazwa
                                                        : std::string();
    };
    auto liczba = [&c](double v) {
        if (std::isfinite(v))
            c.liczba(v);
        else
            c.napis("");
    };
    const Przelicznik p = przelicznik(u);
    c.sekcja("Przekroje stalowe (A_net = A · A_net/A; 1 bez osłabienia otworami)",
             {"Nr przekroju", "Profil", "Gatunek", j("Pole przekroju", W::pole), "Klasa",
              "f_y [MPa]", "f_u [MPa]", "A_net/A", "Uwagi"});
    for (std::size_t i = 0; i < w.przekroje.size(); ++i) {
        const PrzekrojDoSprawdzenia& s = w.przekroje[i];
        c.liczba(static_cast<int>(i) + 1);
        c.napis(s.nazwa);
        c.napis(s.gatunek);
        liczba(s.A > 0 ? s.A / p.mm2() : NAN);
        c.liczba(s.klasa);
        liczba(s.f_y);
        liczba(s.f_u);
        c.liczba(s.wsp_A_net);
        c.napis(s.powod);
        c.koniec_wiersza();
    }
    c.sekcja("Wymiarowanie prętów (PN-EN 1993-1-1)",
             {"Element", "Nr przekroju", "Profil", j("N_Ed min", W::sila), j("N_Ed max", W::sila),
              j("N_Rd", W::sila), "chi", "U", "Kombinacja", "Sprawdzenie", "Stan", "Uwagi"});
    for (std::size_t i = 0; i < w.prety.size(); ++i) {
        const WymiarowaniePreta& b = w.prety[i];
        const bool jest = b.kombinacja >= 0;
        c.liczba(static_cast<int>(i) + 1);
        c.liczba(b.przekroj);
        c.napis(b.przekroj >= 1 && b.przekroj <= static_cast<int>(w.przekroje.size())
                    ? w.przekroje[static_cast<std::size_t>(b.przekroj - 1)].nazwa
                    : "");
        c.liczba(b.N_min);
        c.liczba(b.N_max);
        liczba(jest ? b.N_Rd : NAN);
        liczba(b.chi);
        liczba(jest ? b.U : NAN);
        c.napis(kombinacja(b.kombinacja));
        c.napis(b.sprawdzenie);
        c.napis(stan(b.stan));
        c.napis(b.powod);
        c.koniec_wiersza();
    }
    const SprawdzenieUgiecia& g = w.ugiecie;
    c.sekcja("Największe przemieszczenie SGU (kombinacje charakterystyczne)",
             {j("u max", W::dlugosc), j("u graniczne", W::dlugosc), "Węzeł", "Kombinacja", "Stan"});
    liczba(g.sprawdzono ? g.u : NAN);
    c.liczba(g.u_dop);
    if (g.sprawdzono)
        c.liczba(g.wezel);
    else
        c.napis("");
    c.napis(kombinacja(g.kombinacja));
    c.napis(!g.sprawdzono ? "nie sprawdzono: " + g.powod : g.spelnia() ? "spełnia" : "nie spełnia");
    c.koniec_wiersza();
}

}  // namespace

std::string tekst_csv(const Konstrukcja& k, bool wyniki, DialektCsv d, UkladJednostek u,
                      const ProjektCsv* projekt, const WynikWymiarowania* wymiar,
                      const std::vector<Kombinacja>* kombinacje_wymiaru) {
    Csv c(d);
    if (d == DialektCsv::arkusz) c.bom();
    // Some 40 characters a bar and as many a node cover most of what is written.
    c.tekst().reserve(static_cast<std::size_t>(std::max(k.ne, 0) + std::max(k.nn, 0)) * 80 + 1024);
    auto j = [u](const char* t, Wielkosc w) { return z_jednostka(t, w, u); };
    using W = Wielkosc;

    // A project of one case showing it writes what it always did.
    std::vector<Kombinacja> kombinacje;
    const bool przypadki = projekt && (projekt->p.przypadki.size() > 1 ||
                                       projekt->pokaz.rodzaj != PokazWynikow::przypadek);
    if (przypadki) kombinacje = kombinacje_projektu(projekt->p);
    const bool obwiednia = wyniki && przypadki &&
                           projekt->pokaz.rodzaj == PokazWynikow::obwiednia &&
                           k.wyniki.size() == projekt->p.przypadki.size();
    if (wyniki && przypadki) {
        c.sekcja("Wyniki", {"Pokazane wyniki"});
        c.napis(tytul_wynikow(projekt->p, projekt->pokaz, kombinacje));
        c.koniec_wiersza();
    }
    if (obwiednia) obwiednia_csv(c, k, kombinacje, u);

    if (wyniki && !obwiednia) {
        c.sekcja("Naprężenia i siły osiowe",
                 {"Element", j("Naprężenie", W::naprezenie), j("Siła osiowa", W::sila)});
        for (int i = 1; i <= k.ne; ++i) {
            c.liczba(i);
            c.liczba(k.stressp[i]);
            if (const auto n = sila_osiowa(k, i))
                c.liczba(*n);
            else
                c.napis("");
            c.koniec_wiersza();
        }
        c.sekcja("Przemieszczenia węzłów",
                 {"Węzeł", j("Przemieszczenie X", W::dlugosc), j("Przemieszczenie Y", W::dlugosc)});
        for (int i = 1; i <= k.nn; ++i) {
            c.liczba(i);
            c.liczba(k.f[2 * i - 1]);
            c.liczba(k.f[2 * i]);
            c.koniec_wiersza();
        }
        c.sekcja("Reakcje podpór",
                 {"Nr podpory", "Węzeł", "Kierunek", j("Reakcja podpory", W::sila)});
        for (int i = 1; i <= k.nd; ++i) {
            c.liczba(i);
            wezel_i_kierunek(c, k.nu[i]);
            c.liczba(k.react[i]);
            c.koniec_wiersza();
        }
    }
    if (wyniki && wymiar && kombinacje_wymiaru)
        wymiarowanie_csv(c, *wymiar, *kombinacje_wymiaru, u);

    c.sekcja("Węzły", {"Węzeł", j("Wsp. X", W::dlugosc), j("Wsp. Y", W::dlugosc)});
    for (int i = 1; i <= k.nn; ++i) {
        c.liczba(i);
        c.liczba(k.x[i][1]);
        c.liczba(k.x[i][2]);
        c.koniec_wiersza();
    }
    c.sekcja("Pręty", {"Element", "Węzeł 1", "Węzeł 2", "Nr materiału", "Nr przekroju"});
    for (int i = 1; i <= k.ne; ++i) {
        c.liczba(i);
        for (int p = 1; p <= 4; ++p) c.liczba(k.noc[i][p]);
        c.koniec_wiersza();
    }
    c.sekcja("Materiały", {"Nr materiału", j("Moduł Younga", W::naprezenie),
                           j("Wsp. rozszerzalności cieplnej", W::rozszerzalnosc)});
    for (int i = 1; i <= k.nm; ++i) {
        c.liczba(i);
        c.liczba(k.pm[i][1]);
        c.liczba(k.pm[i][2]);
        c.koniec_wiersza();
    }
    c.sekcja("Przekroje", {"Nr przekroju", j("Pole przekroju", W::pole)});
    for (int i = 1; i <= k.na; ++i) {
        c.liczba(i);
        c.liczba(k.area[i]);
        c.koniec_wiersza();
    }
    c.sekcja("Podpory",
             {"Nr podpory", "Węzeł", "Kierunek", j("Przemieszczenie wymuszone", W::dlugosc)});
    for (int i = 1; i <= k.nd; ++i) {
        c.liczba(i);
        wezel_i_kierunek(c, k.nu[i]);
        c.liczba(k.u[i]);
        c.koniec_wiersza();
    }
    c.sekcja("Obciążenia", {"Nr siły", "Węzeł", "Kierunek", j("Siła", W::sila)});
    for (int i = 1; i <= k.nl; ++i) {
        c.liczba(i);
        wezel_i_kierunek(c, k.ild[i]);
        c.liczba(k.al[i]);
        c.koniec_wiersza();
    }
    c.sekcja("Zmiany temperatury",
             {"Nr zmiany", "Element", j("Przyrost temperatury", W::temperatura)});
    for (int i = 1; i <= k.ntel; ++i) {
        c.liczba(i);
        c.liczba(k.nset[i]);
        c.liczba(k.temp[i]);
        c.koniec_wiersza();
    }
    if (przypadki) przypadki_csv(c, k, projekt->p, kombinacje, u);
    return std::move(c.tekst());
}

namespace {

bool pisz(int fd, const std::string& t, int& blad) {
    const char* p = t.data();
    std::size_t n = t.size();
    while (n > 0) {
        const ssize_t w = ::write(fd, p, n);
        if (w < 0 && errno == EINTR) continue;
        if (w <= 0) {
            blad = w < 0 ? errno : EIO;
            return false;
        }
        p += w, n -= static_cast<std::size_t>(w);
    }
    return true;
}

}  // namespace

bool zapisz_csv(const std::string& sciezka, const std::string& tekst, std::string& powod) {
    // A link is followed, so that the file it points to is replaced and the link stays.
    std::string cel = sciezka;
    if (char* r = ::realpath(sciezka.c_str(), nullptr)) {
        cel = r;
        std::free(r);
    }
    struct stat st;
    mode_t tryb = 0666;
    if (::stat(cel.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) {
            powod = "wskazana ścieżka jest folderem";
            return false;
        }
        tryb = st.st_mode & 07777;
    } else {
        const mode_t maska = ::umask(0);
        ::umask(maska);
        tryb &= ~maska;
    }
    auto porazka = [&](int fd, const std::string& tymczasowy, int blad) {
        if (fd >= 0) ::close(fd);
        if (!tymczasowy.empty()) ::unlink(tymczasowy.c_str());
        powod = opis_bledu(blad);
        return false;
    };

    // Beside the target, so that the rename replaces it in one step.
    const std::size_t ukosnik = cel.find_last_of('/');
    std::string tymczasowy =
        (ukosnik == std::string::npos ? std::string(".") : cel.substr(0, ukosnik)) + "/.csv-XXXXXX";
    int fd = ::mkstemp(tymczasowy.data());
    int blad = 0;
    if (fd < 0) {
        // A folder that takes no new file may still hold a file that can be written over.
        fd = ::open(cel.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (fd < 0) return porazka(-1, "", errno);
        if (!pisz(fd, tekst, blad)) return porazka(fd, "", blad);
        if (::close(fd) != 0) return porazka(-1, "", errno);
        return true;
    }
    (void)::fchmod(fd, tryb);
    if (!pisz(fd, tekst, blad)) return porazka(fd, tymczasowy, blad);
    if (::fsync(fd) != 0) return porazka(fd, tymczasowy, errno);
    const int z = ::close(fd);
    if (z != 0) return porazka(-1, tymczasowy, errno);
    if (::rename(tymczasowy.c_str(), cel.c_str()) != 0) return porazka(-1, tymczasowy, errno);
    return true;
}
