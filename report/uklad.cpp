// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/uklad.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

double punkty(Styl s) {
    switch (s) {
        case Styl::tytul:
            return 20;
        case Styl::podtytul:
            return 13;
        case Styl::naglowek1:
            return 14;
        case Styl::naglowek2:
            return 11;
        case Styl::tekst:
        case Styl::wzor:
            return 10;
        case Styl::maly:
            return 8;
        case Styl::tabela:
        case Styl::naglowek_tabeli:
            return 9;
    }
    return 10;
}

bool pogrubiony(Styl s) {
    return s == Styl::tytul || s == Styl::naglowek1 || s == Styl::naglowek2 ||
           s == Styl::naglowek_tabeli;
}

double wiersz_mm(Styl s) {
    return punkty(s) * mm_punktu * (s == Styl::tabela ? 1.3 : 1.35);
}

namespace {

constexpr double blok_tytulowy = 12.0;  // the title block's height
constexpr double odstep_tresci = 5.0;   // between it and the content
constexpr double stopka = 5.0;          // the footer's band
constexpr double margines_komorki = 1.6;
constexpr Kolor szary{110, 110, 110};
constexpr Kolor tlo_naglowka{228, 228, 228};

struct Wymiary {
    double szer, wys;
};
Wymiary wymiary(const UstawieniaStron& u, Orientacja o) {
    return o == Orientacja::pionowa ? Wymiary{u.szerokosc, u.wysokosc}
                                    : Wymiary{u.wysokosc, u.szerokosc};
}

// The content's box on a page of orientation o.
struct Tresc {
    double lewo, gora, szer, dol;
};
Tresc tresc(const UstawieniaStron& u, Orientacja o) {
    const Wymiary w = wymiary(u, o);
    return {u.lewy, u.gorny + blok_tytulowy + odstep_tresci, w.szer - u.lewy - u.prawy,
            w.wys - u.dolny - stopka};
}

// A word's piece of one kind, with its width.
struct Kawalek {
    Fragment::Rodzaj rodzaj;
    std::string tekst;
    double w;
    bool spacja_przed;  // a line may break before it
    bool nowy_wiersz;   // a line must break before it
};

double skala(Fragment::Rodzaj r) {
    return r == Fragment::zwykly ? 1.0 : skala_indeksu;
}

class Uklad {
  public:
    Uklad(const DokumentRaportu& d, MiaraTekstu& m, const UstawieniaStron& u) : d_(d), m_(m) {
        w_.ustawienia = u;
        w_.tabele.resize(d.bloki.size());
        w_.strona_bloku.assign(d.bloki.size(), 0);
    }

    UkladRaportu rozloz() {
        nowa_strona(Orientacja::pionowa);
        for (std::size_t i = 0; i < d_.bloki.size(); ++i) {
            const Blok& b = d_.bloki[i];
            if (std::holds_alternative<Naglowek>(b) || std::holds_alternative<Akapit>(b))
                przed_rysunkiem(i);
            if (const auto* n = std::get_if<Naglowek>(&b))
                naglowek(*n, i);
            else if (const auto* a = std::get_if<Akapit>(&b))
                akapit(*a);
            else if (const auto* t = std::get_if<Tabela>(&b))
                tabela(*t, i);
            else if (const auto* r = std::get_if<Rysunek>(&b))
                rysunek(*r, i);
            else if (std::holds_alternative<NowaStrona>(b))
                nowa_strona_jesli_trzeba();
            else if (std::holds_alternative<SpisTresci>(b))
                spis_miejsce();
        }
        spis();
        bloki_tytulowe();
        return std::move(w_);
    }

  private:
    StronaRaportu& strona() { return w_.strony.back(); }
    Tresc t() const { return tresc(w_.ustawienia, w_.strony.back().orientacja); }
    double wolne() const { return t().dol - y_; }

    void nowa_strona(Orientacja o) {
        StronaRaportu s;
        s.orientacja = o;
        const Wymiary w = wymiary(w_.ustawienia, o);
        s.szerokosc = w.szer, s.wysokosc = w.wys;
        w_.strony.push_back(std::move(s));
        y_ = t().gora;
        pusta_ = true;
    }
    void nowa_strona_jesli_trzeba() {
        if (!pusta_) nowa_strona(Orientacja::pionowa);
    }
    // A page that holds nothing yet takes the orientation; otherwise a new page does.
    void orientacja(Orientacja o) {
        if (strona().orientacja == o) return;
        if (!pusta_) {
            nowa_strona(o);
            return;
        }
        const Wymiary w = wymiary(w_.ustawienia, o);
        strona().orientacja = o, strona().szerokosc = w.szer, strona().wysokosc = w.wys;
        y_ = t().gora;
    }
    // Room for h millimetres, on a new page when this one has not got it (a portrait one unless
    // told otherwise).
    void miejsce(double h, Orientacja o = Orientacja::pionowa) {
        if (!pusta_ && h > wolne()) nowa_strona(o);
    }

    ElementStrony& dodaj(ElementStrony e) {
        pusta_ = false;
        strona().elementy.push_back(std::move(e));
        return strona().elementy.back();
    }
    void napis(double x, double y, Styl s, const std::string& t, bool do_prawej = false,
               double sk = 1.0, Kolor k = czarny) {
        ElementStrony e;
        e.rodzaj = ElementStrony::tekst;
        e.x = x, e.y = y, e.styl = s, e.napis = t, e.do_prawej = do_prawej, e.skala = sk,
        e.kolor = k;
        dodaj(std::move(e));
    }
    void linia(double x, double y, double w, double h, double grubosc = 0.25, Kolor k = czarny) {
        ElementStrony e;
        e.rodzaj = ElementStrony::linia;
        e.x = x, e.y = y, e.w = w, e.h = h, e.skala = grubosc, e.kolor = k;
        dodaj(std::move(e));
    }

    // A few headings and paragraphs that lead to a drawing go onto the drawing's page, in its
    // orientation: they introduce it. A chapter's heading, its note, a section's heading and its
    // note are five blocks: a page of the chapter's heading alone is what a shorter look leaves.
    void przed_rysunkiem(std::size_t i) {
        for (std::size_t j = i; j < d_.bloki.size() && j < i + 6; ++j) {
            const Blok& b = d_.bloki[j];
            if (const auto* r = std::get_if<Rysunek>(&b)) {
                orientacja(r->orientacja);
                return;
            }
            if (!std::holds_alternative<Naglowek>(b) && !std::holds_alternative<Akapit>(b)) return;
        }
    }

    // The height of the least of a block that must stand with the heading before it.
    double poczatek(std::size_t i) {
        if (i >= d_.bloki.size()) return 0;
        const Blok& b = d_.bloki[i];
        if (const auto* a = std::get_if<Akapit>(&b)) return 2 * wiersz_mm(a->styl);
        if (const auto* tb = std::get_if<Tabela>(&b))
            return wiersz_mm(Styl::naglowek_tabeli) * 2 + 1 +
                   static_cast<double>(std::min<std::size_t>(tb->wiersze, 3)) *
                       wiersz_mm(Styl::tabela);
        if (const auto* r = std::get_if<Rysunek>(&b)) return wymiar_rysunku(*r).razem;
        if (const auto* n = std::get_if<Naglowek>(&b))
            return odstep(n->poziom) + wiersz_mm(styl(n->poziom)) + poczatek(i + 1);
        return 0;
    }
    static Styl styl(int poziom) { return poziom <= 1 ? Styl::naglowek1 : Styl::naglowek2; }
    static double odstep(int poziom) { return poziom <= 1 ? 6.0 : 4.0; }

    void naglowek(const Naglowek& n, std::size_t i) {
        // A heading goes where what it heads goes: a drawing's heading onto the drawing's page.
        if (i + 1 < d_.bloki.size())
            if (const auto* r = std::get_if<Rysunek>(&d_.bloki[i + 1])) orientacja(r->orientacja);
        const Styl s = styl(n.poziom);
        const double h = odstep(n.poziom) + wiersz_mm(s);
        Orientacja o = strona().orientacja;
        if (i + 1 < d_.bloki.size() && !std::holds_alternative<Rysunek>(d_.bloki[i + 1]))
            o = Orientacja::pionowa;
        miejsce(h + poczatek(i + 1), o);
        if (!pusta_) y_ += odstep(n.poziom);
        y_ += wiersz_mm(s) * 0.8;
        napis(t().lewo, y_, s, n.tekst);
        y_ += wiersz_mm(s) * 0.2 + 1.5;
        w_.strona_bloku[i] = static_cast<int>(w_.strony.size());
    }

    // A paragraph's pieces: words split at spaces, each word's runs of one kind.
    std::vector<Kawalek> kawalki(const Akapit& a) {
        std::vector<Kawalek> k;
        bool spacja = false, nowy = false;
        for (const Fragment& f : fragmenty(a.tekst)) {
            std::string slowo;
            auto zamknij = [&] {
                if (slowo.empty()) return;
                k.push_back(
                    {f.rodzaj, slowo, m_.szerokosc(slowo, a.styl, skala(f.rodzaj)), spacja, nowy});
                slowo.clear();
                spacja = nowy = false;
            };
            for (char c : f.tekst) {
                if (c == ' ' || c == '\n') {
                    zamknij();
                    spacja = true;
                    nowy = nowy || c == '\n';
                } else {
                    slowo += c;
                }
            }
            zamknij();
        }
        return k;
    }

    void akapit(const Akapit& a) {
        const std::vector<Kawalek> k = kawalki(a);
        const double h = wiersz_mm(a.styl);
        const double spacja = m_.szerokosc(" ", a.styl);
        const double lewo = t().lewo + a.wciecie, szer = t().szer - a.wciecie;
        const double pt = punkty(a.styl) * mm_punktu;
        std::size_t i = 0;
        while (i < k.size()) {
            // The words of one line: as many as fit, at least one.
            std::size_t j = i;
            double w = 0;
            while (j < k.size()) {
                if (j > i && k[j].nowy_wiersz) break;
                // A word and the pieces that follow it without a space.
                std::size_t e = j + 1;
                double ww = k[j].w;
                while (e < k.size() && !k[e].spacja_przed) ww += k[e].w, ++e;
                const double dodatek = (j > i ? spacja : 0) + ww;
                if (j > i && w + dodatek > szer) break;
                w += dodatek;
                j = e;
            }
            miejsce(h);
            const double baza = y_ + h * 0.78;
            double x = lewo;
            std::string bieg;
            double x_biegu = x;
            Fragment::Rodzaj r = k[i].rodzaj;
            auto wypisz = [&] {
                if (bieg.empty()) return;
                const double przes = r == Fragment::dolny   ? 0.25 * pt
                                     : r == Fragment::gorny ? -0.38 * pt
                                                            : 0.0;
                napis(x_biegu, baza + przes, a.styl, bieg, false, skala(r));
                bieg.clear();
            };
            for (std::size_t p = i; p < j; ++p) {
                const bool sp = p > i && k[p].spacja_przed;
                if (k[p].rodzaj != r) {
                    wypisz();
                    r = k[p].rodzaj;
                    x_biegu = x + (sp ? spacja : 0);
                } else if (bieg.empty()) {
                    x_biegu = x + (sp ? spacja : 0);
                }
                if (sp) {
                    if (!bieg.empty()) bieg += ' ';
                    x += spacja;
                }
                bieg += k[p].tekst;
                x += k[p].w;
            }
            wypisz();
            y_ += h;
            i = j;
        }
        y_ += 1.5;
    }

    void tabela(const Tabela& tb, std::size_t blok) {
        KolumnyTabeli& k = w_.tabele[blok];
        const std::size_t n = tb.kolumny.size();
        k.w.assign(n, 0.0);
        for (std::size_t c = 0; c < n; ++c) {
            double w = m_.szerokosc(tb.kolumny[c].naglowek, Styl::naglowek_tabeli);
            for (std::size_t r = 0; r < tb.wiersze; ++r)
                w = std::max(w, m_.szerokosc(tb.komorka(r, c), Styl::tabela));
            k.w[c] = w + 2 * margines_komorki;
        }
        double razem = 0;
        for (double w : k.w) razem += w;
        // A table wider than the page narrows, its text with it.
        const double szer = t().szer;
        k.skala = razem > szer ? szer / razem : 1.0;
        double x = 0;
        k.x.assign(n, 0.0);
        for (std::size_t c = 0; c < n; ++c) {
            k.w[c] *= k.skala;
            k.x[c] = x;
            x += k.w[c];
        }
        razem = x;
        k.wiersz = wiersz_mm(Styl::tabela) * k.skala;
        const double naglowek = wiersz_mm(Styl::naglowek_tabeli) * k.skala + 0.8;
        const double tytul = wiersz_mm(Styl::naglowek_tabeli) + 0.5;

        std::size_t od = 0;
        bool dalej = false;
        do {
            const std::size_t min_wierszy = std::min<std::size_t>(tb.wiersze - od, 2);
            miejsce(tytul + naglowek + static_cast<double>(min_wierszy) * k.wiersz + 1.0);
            const double lewo = t().lewo;
            y_ += wiersz_mm(Styl::naglowek_tabeli) * 0.78;
            napis(lewo, y_, Styl::naglowek_tabeli, dalej ? tb.tytul + " (cd.)" : tb.tytul);
            y_ += wiersz_mm(Styl::naglowek_tabeli) * 0.22 + 0.5;
            // The header on a grey band between two rules.
            ElementStrony tlo;
            tlo.rodzaj = ElementStrony::tlo;
            tlo.x = lewo, tlo.y = y_, tlo.w = razem, tlo.h = naglowek, tlo.kolor = tlo_naglowka;
            dodaj(std::move(tlo));
            linia(lewo, y_, razem, 0, 0.35);
            const double baza = y_ + naglowek * 0.72;
            for (std::size_t c = 0; c < n; ++c) {
                const KolumnaTabeli& kol = tb.kolumny[c];
                napis(kol.do_prawej ? lewo + k.x[c] + k.w[c] - margines_komorki * k.skala
                                    : lewo + k.x[c] + margines_komorki * k.skala,
                      baza, Styl::naglowek_tabeli, kol.naglowek, kol.do_prawej, k.skala);
            }
            y_ += naglowek;
            linia(lewo, y_, razem, 0, 0.25);
            const std::size_t miesci =
                static_cast<std::size_t>(std::max(0.0, std::floor((wolne() - 0.5) / k.wiersz)));
            const std::size_t do_ = std::min(tb.wiersze, od + std::max<std::size_t>(miesci, 1));
            ElementStrony w;
            w.rodzaj = ElementStrony::wiersze;
            w.x = lewo, w.y = y_, w.w = razem, w.h = static_cast<double>(do_ - od) * k.wiersz;
            w.blok = blok, w.od = od, w.do_ = do_;
            dodaj(std::move(w));
            y_ += static_cast<double>(do_ - od) * k.wiersz;
            linia(lewo, y_, razem, 0, 0.35);
            y_ += 1.0;
            od = do_;
            dalej = true;
            if (od < tb.wiersze) nowa_strona(Orientacja::pionowa);
        } while (od < tb.wiersze);
        if (!tb.uwaga.empty()) akapit({tb.uwaga, Styl::maly, 0});
        y_ += 2.0;
    }

    struct Wymiar {
        int w, h;      // pixels
        double h_mm;   // the drawing
        double razem;  // with its caption
    };
    Wymiar wymiar_rysunku(const Rysunek& r) const {
        const Tresc tr = tresc(w_.ustawienia, r.orientacja);
        const double mm = w_.ustawienia.mm_piksela;
        const double podpis = wiersz_mm(Styl::maly) + 2.0;
        const double najwyzszy = tr.dol - tr.gora - podpis;
        int w = static_cast<int>(tr.szer / mm);
        int h = r.wysokosc ? r.wysokosc(w) : w / 2;
        if (h * mm > najwyzszy) {
            // Too tall for the page: narrower, so that its text keeps its size.
            w = std::max(100, static_cast<int>(w * najwyzszy / (h * mm)));
            h = std::min(r.wysokosc ? r.wysokosc(w) : w / 2, static_cast<int>(najwyzszy / mm));
        }
        h = std::max(h, 60);
        return {w, h, h * mm, h * mm + podpis};
    }

    void rysunek(const Rysunek& r, std::size_t blok) {
        orientacja(r.orientacja);
        const Wymiar wy = wymiar_rysunku(r);
        miejsce(wy.razem, r.orientacja);
        const Tresc tr = t();
        const double mm = w_.ustawienia.mm_piksela;
        ElementStrony e;
        e.rodzaj = ElementStrony::rysunek;
        e.w = wy.w * mm, e.h = wy.h_mm;
        e.x = tr.lewo + (tr.szer - e.w) / 2, e.y = y_;
        e.blok = blok, e.piksele_w = wy.w, e.piksele_h = wy.h;
        dodaj(std::move(e));
        y_ += wy.h_mm + wiersz_mm(Styl::maly) * 0.9 + 0.5;
        const double szer = m_.szerokosc(r.podpis, Styl::maly);
        napis(tr.lewo + std::max(0.0, (tr.szer - szer) / 2), y_, Styl::maly, r.podpis);
        y_ += wiersz_mm(Styl::maly) * 0.3 + 4.0;
    }

    void spis_miejsce() {
        int ile = 0;
        for (const Blok& b : d_.bloki)
            if (const auto* n = std::get_if<Naglowek>(&b)) ile += n->poziom <= 1;
        miejsce(wiersz_mm(Styl::naglowek2) + ile * wiersz_mm(Styl::tekst) + 4);
        y_ += 4 + wiersz_mm(Styl::naglowek2) * 0.8;
        napis(t().lewo, y_, Styl::naglowek2, "Spis treści");
        y_ += wiersz_mm(Styl::naglowek2) * 0.2 + 1.5;
        spis_strona_ = w_.strony.size() - 1;
        spis_y_ = y_;
        spis_jest_ = true;
        y_ += ile * wiersz_mm(Styl::tekst) + 3;
        pusta_ = false;
    }
    void spis() {
        if (!spis_jest_) return;
        StronaRaportu& s = w_.strony[spis_strona_];
        const Tresc tr = tresc(w_.ustawienia, s.orientacja);
        double y = spis_y_;
        for (std::size_t i = 0; i < d_.bloki.size(); ++i) {
            const auto* n = std::get_if<Naglowek>(&d_.bloki[i]);
            if (!n || n->poziom > 1) continue;
            const double baza = y + wiersz_mm(Styl::tekst) * 0.78;
            ElementStrony e;
            e.rodzaj = ElementStrony::tekst;
            e.styl = Styl::tekst;
            e.x = tr.lewo + 4, e.y = baza, e.napis = n->tekst;
            s.elementy.push_back(e);
            e.x = tr.lewo + tr.szer, e.do_prawej = true;
            e.napis = std::to_string(w_.strona_bloku[i]);
            s.elementy.push_back(e);
            y += wiersz_mm(Styl::tekst);
        }
    }

    // The title block over every page, the program under it.
    void bloki_tytulowe() {
        const int n = static_cast<int>(w_.strony.size());
        const UstawieniaStron& u = w_.ustawienia;
        for (int i = 0; i < n; ++i) {
            StronaRaportu& s = w_.strony[static_cast<std::size_t>(i)];
            std::vector<ElementStrony> e;
            const double lewo = u.lewy, prawo = s.szerokosc - u.prawy, gora = u.gorny;
            const double podzial = prawo - 45;
            auto kreska = [&](double x, double y, double w, double h) {
                ElementStrony l;
                l.rodzaj = ElementStrony::linia;
                l.x = x, l.y = y, l.w = w, l.h = h, l.skala = 0.3;
                e.push_back(l);
            };
            kreska(lewo, gora, prawo - lewo, 0);
            kreska(lewo, gora + blok_tytulowy, prawo - lewo, 0);
            kreska(lewo, gora, 0, blok_tytulowy);
            kreska(prawo, gora, 0, blok_tytulowy);
            kreska(podzial, gora, 0, blok_tytulowy);
            auto tekst = [&](double x, double y, Styl st, const std::string& t, bool do_prawej,
                             Kolor k = czarny) {
                ElementStrony l;
                l.rodzaj = ElementStrony::tekst;
                l.x = x, l.y = y, l.styl = st, l.napis = t, l.do_prawej = do_prawej, l.kolor = k;
                e.push_back(l);
            };
            tekst(lewo + 2, gora + 4.8, Styl::naglowek_tabeli, d_.tytul, false);
            tekst(lewo + 2, gora + 9.8, Styl::maly, d_.autor, false);
            tekst(prawo - 2, gora + 4.8, Styl::naglowek_tabeli,
                  "Strona " + std::to_string(i + 1) + " z " + std::to_string(n), true);
            tekst(prawo - 2, gora + 9.8, Styl::maly, d_.data, true);
            tekst(lewo, s.wysokosc - u.dolny, Styl::maly, d_.program, false, szary);
            s.elementy.insert(s.elementy.begin(), e.begin(), e.end());
        }
    }

    const DokumentRaportu& d_;
    MiaraTekstu& m_;
    UkladRaportu w_;
    double y_ = 0;
    bool pusta_ = true;
    bool spis_jest_ = false;
    std::size_t spis_strona_ = 0;
    double spis_y_ = 0;
};

}  // namespace

UkladRaportu rozloz(const DokumentRaportu& d, MiaraTekstu& m, const UstawieniaStron& u) {
    return Uklad(d, m, u).rozloz();
}

Orientacja orientacja_rysunku(const std::function<int(int)>& wysokosc, const UstawieniaStron& u) {
    if (!wysokosc) return Orientacja::pionowa;
    // The width the drawing gets on each: the page's, or less where it is too tall.
    auto szerokosc = [&](Orientacja o) {
        const Tresc t = tresc(u, o);
        const double w = t.szer / u.mm_piksela;
        const double najwyzszy = (t.dol - t.gora - 10) / u.mm_piksela;
        const double h = std::max(1, wysokosc(static_cast<int>(w)));
        return h > najwyzszy ? w * najwyzszy / h : w;
    };
    return szerokosc(Orientacja::pozioma) >= 1.2 * szerokosc(Orientacja::pionowa)
               ? Orientacja::pozioma
               : Orientacja::pionowa;
}
