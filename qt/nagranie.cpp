// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/nagranie.h"

#include <QGlyphRun>
#include <QList>
#include <QPainter>
#include <QPointF>
#include <QString>
#include <algorithm>
#include <cmath>

#include "qt/powierzchnia_qt.h"

namespace {
// Glyphs are placed on a grid of this many parts of a pixel: a printer describes each glyph's
// place, and whole numbers are the shortest.
constexpr int czesci = 4;
}  // namespace

// Glyphs waiting to go to the painter, all in one font and colour.
struct Nagranie::Przebieg {
    const Glify* g = nullptr;
    QList<quint32> indeksy;
    QList<QPointF> miejsca;

    void wyslij(QPainter& p) {
        if (indeksy.isEmpty()) return;
        QGlyphRun r;
        r.setRawFont(g->font);
        r.setGlyphIndexes(indeksy);
        r.setPositions(miejsca);
        // The surface keeps its own pen in the painter.
        const QPen pioro = p.pen();
        p.setPen(g->kolor);
        p.scale(1.0 / czesci, 1.0 / czesci);
        p.drawGlyphRun(QPointF(0, 0), r);
        p.scale(czesci, czesci);
        p.setPen(pioro);
        indeksy.clear(), miejsca.clear();
    }
};

Nagranie::Nagranie(int wysokosc) : zajete_(static_cast<std::size_t>(std::max(wysokosc, 0)) + 1) {
    czcionka("Arial", 12, 400);
}

Nagranie::~Nagranie() = default;

bool Nagranie::mozna_ciac(int y) const {
    return y < 0 || y >= static_cast<int>(zajete_.size()) || !zajete_[static_cast<std::size_t>(y)];
}

void Nagranie::podziel(const std::vector<int>& od) {
    // A counting sort by page keeps the order of drawing within each page.
    strony_.assign(od.size() + 1, 0);
    std::vector<std::uint32_t> strona(kroki_.size());
    for (std::size_t i = 0; i < kroki_.size(); ++i) {
        const auto s = std::upper_bound(od.begin(), od.end(), kroki_[i].gora) - od.begin();
        strona[i] = static_cast<std::uint32_t>(std::max<std::ptrdiff_t>(s - 1, 0));
        ++strony_[strona[i] + 1];
    }
    for (std::size_t s = 1; s < strony_.size(); ++s) strony_[s] += strony_[s - 1];
    kolejnosc_.resize(kroki_.size());
    std::vector<std::uint32_t> wolne(strony_.begin(), strony_.end() - 1);
    for (std::size_t i = 0; i < kroki_.size(); ++i)
        kolejnosc_[wolne[strona[i]]++] = static_cast<std::uint32_t>(i);
}

void Nagranie::odtworz(QPainter& p, PowierzchniaQt& dc, std::size_t i) const {
    if (i + 1 >= strony_.size()) return;
    dc.tekst_bez_tla();
    const Stan* na_dc = nullptr;
    Przebieg przebieg;
    for (std::uint32_t j = strony_[i]; j < strony_[i + 1]; ++j) {
        const Krok& k = kroki_[kolejnosc_[j]];
        if (k.rodzaj == Rodzaj::tekst) {
            const char* t = teksty_.data() + k.tekst;
            const bool ascii =
                std::all_of(t, t + k.dlugosc, [](char c) { return c >= 32 && c < 127; });
            const Glify& g = glify(k.stan);
            if (ascii && g.font.isValid()) {
                if (przebieg.g != &g) przebieg.wyslij(p);
                przebieg.g = &g;
                double x = k.a * czesci;
                const double y = (k.b + g.wznios) * czesci;
                for (std::uint32_t c = 0; c < k.dlugosc; ++c) {
                    const auto z = static_cast<unsigned char>(t[c]);
                    // Spaces only move the next glyph: the fixed formats pad numbers with them.
                    if (z != ' ') {
                        przebieg.indeksy.push_back(g.indeks[z]);
                        przebieg.miejsca.push_back(QPointF(std::round(x), y));
                    }
                    x += g.postep[z];
                }
                continue;
            }
        }
        przebieg.wyslij(p);
        const Stan& s = stany_[k.stan];
        ustaw(dc, na_dc, s);
        na_dc = &s;
        switch (k.rodzaj) {
            case Rodzaj::tekst:
                dc.tekst(k.a, k.b, teksty_.substr(k.tekst, k.dlugosc));
                break;
            case Rodzaj::linia:
                dc.przesun_do(k.a, k.b);
                dc.linia_do(k.c, k.d);
                break;
            case Rodzaj::prostokat:
                dc.prostokat(k.a, k.b, k.c, k.d);
                break;
            case Rodzaj::elipsa:
                dc.elipsa(k.a, k.b, k.c, k.d);
                break;
        }
    }
    przebieg.wyslij(p);
}

const Nagranie::Glify& Nagranie::glify(std::uint32_t stan) const {
    if (glify_.size() < stany_.size()) glify_.resize(stany_.size());
    std::unique_ptr<Glify>& g = glify_[stan];
    if (g) return *g;
    const Stan& s = stany_[stan];
    g = std::make_unique<Glify>();
    const QFont f = PowierzchniaQt::czcionka_qt(s.kroj, s.wysokosc, s.waga);
    g->font = QRawFont::fromFont(f);
    g->font.setPixelSize(f.pixelSize() * czesci);
    g->kolor = QColor(s.tekst.r, s.tekst.g, s.tekst.b);
    // The baseline where the surface puts it.
    g->wznios = QFontMetrics(f).ascent();
    QString ascii;
    for (int c = 32; c < 127; ++c) ascii += QChar(c);
    const QList<quint32> indeksy = g->font.glyphIndexesForString(ascii);
    const QList<QPointF> postepy =
        g->font.advancesForGlyphIndexes(indeksy, QRawFont::UseDesignMetrics);
    if (indeksy.size() != ascii.size() || postepy.size() != ascii.size()) {
        g->font = QRawFont();  // the surface draws the text then
        return *g;
    }
    for (int c = 32; c < 127; ++c) {
        g->indeks[c] = indeksy[c - 32];
        g->postep[c] = postepy[c - 32].x();
    }
    return *g;
}

void Nagranie::ustaw(Powierzchnia& dc, const Stan* byl, const Stan& s) {
    if (byl == &s) return;
    if (!byl || byl->pioro != s.pioro || byl->szerokosc != s.szerokosc || byl->styl != s.styl)
        dc.pioro(s.pioro, s.szerokosc, s.styl);
    if (!byl || byl->pedzel != s.pedzel) dc.pedzel(s.pedzel);
    if (!byl || byl->kroj != s.kroj || byl->wysokosc != s.wysokosc || byl->waga != s.waga)
        dc.czcionka(s.kroj, s.wysokosc, s.waga);
    if (!byl || byl->tekst != s.tekst) dc.kolor_tekstu(s.tekst);
    if (!byl || byl->tlo != s.tlo) dc.tlo_tekstu(s.tlo);
}

void Nagranie::dodaj(Krok k) {
    if (zmiana_) {
        zmiana_ = false;
        const auto it = std::find(stany_.begin(), stany_.end(), biezacy_);
        stan_ = static_cast<std::uint32_t>(it - stany_.begin());
        if (it == stany_.end()) stany_.push_back(biezacy_);
    }
    k.stan = stan_;
    kroki_.push_back(k);
}

void Nagranie::zajmij(int gora, int dol, int prawo) {
    prawo_ = std::max(prawo_, prawo);
    dol_ = std::max(dol_, dol);
    const int n = static_cast<int>(zajete_.size());
    for (int y = std::max(gora + 1, 0); y < std::min(dol, n); ++y)
        zajete_[static_cast<std::size_t>(y)] = 1;
}

void Nagranie::pioro(Kolor k, int szerokosc, StylPiora styl) {
    biezacy_.pioro = k, biezacy_.szerokosc = szerokosc, biezacy_.styl = styl;
    zmiana_ = true;
}

void Nagranie::pedzel(Kolor k) {
    biezacy_.pedzel = k;
    zmiana_ = true;
}

void Nagranie::czcionka(const std::string& kroj, int wysokosc, int waga) {
    biezacy_.kroj = kroj, biezacy_.wysokosc = wysokosc, biezacy_.waga = waga;
    zmiana_ = true;
    metryka_.emplace(PowierzchniaQt::czcionka_qt(kroj, wysokosc, waga));
    for (int c = 0; c < 128; ++c) postep_[c] = metryka_->horizontalAdvance(QChar(c));
}

void Nagranie::kolor_tekstu(Kolor k) {
    biezacy_.tekst = k;
    zmiana_ = true;
}

void Nagranie::tlo_tekstu(Kolor k) {
    biezacy_.tlo = k;
    zmiana_ = true;
}

void Nagranie::prostokat(int lewo, int gora, int prawo, int dol) {
    zajmij(std::min(gora, dol), std::max(gora, dol), std::max(lewo, prawo));
    dodaj({Rodzaj::prostokat, 0, std::min(gora, dol), lewo, gora, prawo, dol});
}

void Nagranie::przesun_do(int x, int y) {
    x_ = x, y_ = y;
}

void Nagranie::linia_do(int x, int y) {
    // A thick line lies half its width either side of its points.
    const int p = std::max(biezacy_.szerokosc, 1) / 2 + 1;
    const int gora = std::min(y, y_) - p;
    zajmij(gora, std::max(y, y_) + p + 1, std::max(x, x_) + p);
    dodaj({Rodzaj::linia, 0, gora, x_, y_, x, y});
    x_ = x, y_ = y;
}

void Nagranie::odcinki(const OdcinekEkranu* s, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
        przesun_do(s[i].x1, s[i].y1);
        linia_do(s[i].x2, s[i].y2);
    }
}

void Nagranie::elipsa(int lewo, int gora, int prawo, int dol) {
    zajmij(std::min(gora, dol), std::max(gora, dol), std::max(lewo, prawo));
    dodaj({Rodzaj::elipsa, 0, std::min(gora, dol), lewo, gora, prawo, dol});
}

void Nagranie::tekst(int x, int y, const std::string& t) {
    // Printable ASCII by the advances of its characters: the tables write many numbers.
    int w = 0;
    for (unsigned char c : t) {
        if (c >= 128) {
            w = szerokosc_tekstu(t);
            break;
        }
        w += postep_[c];
    }
    zajmij(y, y + metryka_->height(), x + w);
    Krok k{Rodzaj::tekst, 0, y, x, y, 0, 0};
    k.tekst = static_cast<std::uint32_t>(teksty_.size());
    k.dlugosc = static_cast<std::uint32_t>(t.size());
    teksty_ += t;
    dodaj(k);
}

int Nagranie::szerokosc_tekstu(const std::string& t) {
    return metryka_->horizontalAdvance(QString::fromStdString(t));
}

void Nagranie::zachowaj() {
    stos_.push_back(biezacy_);
}

void Nagranie::przywroc() {
    if (stos_.empty()) return;
    biezacy_ = stos_.back();
    stos_.pop_back();
    czcionka(biezacy_.kroj, biezacy_.wysokosc, biezacy_.waga);
}
