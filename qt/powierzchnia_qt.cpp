// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/powierzchnia_qt.h"

#include <QImage>
#include <QLine>
#include <QPaintEngine>
#include <QPainter>
#include <QString>
#include <QVarLengthArray>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <utility>

namespace {

// Coordinates past this bound are far off any window; clipping to it keeps Qt's integer
// geometry from overflowing on a truss mapped to absurd pixels.
constexpr std::int64_t granica = std::int64_t{1} << 22;

QColor qkolor(Kolor k) {
    return QColor(k.r, k.g, k.b);
}

int przytnij(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, -granica, granica));
}

// Liang-Barsky against the square of side 2*granica; false when nothing of the segment is left.
bool przytnij_odcinek(double& x1, double& y1, double& x2, double& y2) {
    double t0 = 0.0, t1 = 1.0;
    const double dx = x2 - x1, dy = y2 - y1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 + granica, granica - x1, y1 + granica, granica - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) return false;
            continue;
        }
        const double r = q[i] / p[i];
        if (p[i] < 0.0)
            t0 = std::max(t0, r);
        else
            t1 = std::min(t1, r);
        if (t0 > t1) return false;
    }
    const double ax = x1 + t0 * dx, ay = y1 + t0 * dy;
    x2 = x1 + t1 * dx, y2 = y1 + t1 * dy;
    x1 = ax, y1 = ay;
    return true;
}

// The box of a rectangle or ellipse with its right and bottom edges left out, normalised;
// empty when it covers no pixel.
std::optional<QRect> pudelko(int lewo, int gora, int prawo, int dol) {
    std::int64_t l = lewo, t = gora, r = prawo, b = dol;
    if (l > r) std::swap(l, r);
    if (t > b) std::swap(t, b);
    if (l == r || t == b) return std::nullopt;
    const int pl = przytnij(l), pt = przytnij(t), pr = przytnij(r), pb = przytnij(b);
    if (pl == pr || pt == pb) return std::nullopt;
    return QRect(pl, pt, pr - pl - 1, pb - pt - 1);
}

// Stamps are made for lines up to this many pixels across, so that each stays small and the
// scratch image holds any of them with its margin, and for ellipses as large as a node circle
// many times over (Qt's larger ones are not drawn alike everywhere); and for no more shapes than
// this in one paint, so that a model of ever different shapes costs no more than the painter.
constexpr int najdluzszy = 256;
constexpr int najwieksza_elipsa = 32;
constexpr int margines = 8;
constexpr int brudnopis_bok = najdluzszy + 2 * margines + 1;
constexpr std::size_t najwiecej_ksztaltow = 1 << 16;

// What the painter sets in the scratch image for the pen and for the brush.
constexpr std::uint32_t znak_piora = 0xFFFF0000u, znak_pedzla = 0xFF0000FFu;

std::uint32_t argb(Kolor k) {
    return 0xFF000000u | std::uint32_t{k.r} << 16 | std::uint32_t{k.g} << 8 | k.b;
}

QPen qpioro(Kolor k, int w, StylPiora styl) {
    QPen pen(qkolor(k));
    pen.setWidth(w);
    pen.setStyle(styl == StylPiora::kropkowane ? Qt::DotLine : Qt::SolidLine);
    // Thin lines are drawn end to end and shortened by their last point (see linia_do). Two-pixel
    // bars and arrows end square: a round cap differs by a pixel at most and costs Qt a slow
    // stroking path per line.
    pen.setCapStyle(w <= 2 ? Qt::SquareCap : Qt::RoundCap);
    pen.setJoinStyle(w <= 2 ? Qt::MiterJoin : Qt::RoundJoin);
    return pen;
}

// Whether the painter draws into the pixels of a 32-bit image with nothing between: no
// transformation (a device pixel ratio is one), no clip, plain source-over of opaque colours.
QImage* obraz_do_odciskow(QPainter& p) {
    QPaintDevice* d = p.device();
    if (!d || d->devType() != QInternal::Image || !p.paintEngine() ||
        p.paintEngine()->type() != QPaintEngine::Raster)
        return nullptr;
    auto* obraz = static_cast<QImage*>(d);
    const QImage::Format f = obraz->format();
    if (f != QImage::Format_RGB32 && f != QImage::Format_ARGB32 &&
        f != QImage::Format_ARGB32_Premultiplied)
        return nullptr;
    if (!p.deviceTransform().isIdentity() || p.hasClipping() || p.opacity() != 1.0 ||
        p.compositionMode() != QPainter::CompositionMode_SourceOver)
        return nullptr;
    return obraz;
}

}  // namespace

// The image stamps are drawn in, with a painter set as the surface's own.
struct PowierzchniaQt::Brudnopis {
    QImage obraz{brudnopis_bok, brudnopis_bok, QImage::Format_ARGB32_Premultiplied};
    QPainter p;
    explicit Brudnopis(QPainter::RenderHints wskazowki) {
        obraz.fill(0);
        p.begin(&obraz);
        p.setRenderHints(QPainter::RenderHints(~0), false);
        p.setRenderHints(wskazowki, true);
        p.setBackgroundMode(Qt::TransparentMode);
    }
};

PowierzchniaQt::PowierzchniaQt(QPainter& p) : p_(p) {
    p_.setRenderHint(QPainter::Antialiasing, false);
    p_.setBackgroundMode(Qt::TransparentMode);
    pioro(czarny, 1, StylPiora::ciagle);
    pioro_do_malarza();
    pedzel(bialy);
    ustaw_czcionke(czcionka_qt("Arial", 12, 400));
    if (QImage* obraz = obraz_do_odciskow(p_)) {
        // The painter has the image to itself (it was detached when painting began), so its
        // pixels can be set between the painter's own calls.
        piksele_ = reinterpret_cast<std::uint32_t*>(obraz->bits());
        wiersz_ = obraz->bytesPerLine() / 4;
        szer_ = obraz->width();
        wys_ = obraz->height();
    }
}

PowierzchniaQt::~PowierzchniaQt() = default;

void PowierzchniaQt::pioro(Kolor k, int szerokosc, StylPiora styl) {
    // A width of 0 or 1 is the thinnest line.
    ustaw_pioro(Pioro{k, std::clamp(szerokosc, 1, 1000), styl});
}

void PowierzchniaQt::ustaw_pioro(const Pioro& p) {
    pioro_ = p;
    pioro_w_malarzu_ = false;
    rgb_piora_ = argb(p.kolor);
    // Qt draws 1-pixel lines, solid or dotted, and 2-pixel solid ones alike wherever they lie;
    // other pens are left to the painter.
    const bool kropki = p.styl == StylPiora::kropkowane;
    rodzaj_piora_ = p.szerokosc == 1 ? 1 + kropki : p.szerokosc == 2 && !kropki ? 3 : 0;
}

void PowierzchniaQt::pioro_do_malarza() {
    if (pioro_w_malarzu_) return;
    p_.setPen(qpioro(pioro_.kolor, pioro_.szerokosc, pioro_.styl));
    pioro_w_malarzu_ = true;
}

void PowierzchniaQt::pedzel(Kolor k) {
    ustaw_pedzel(k);
}

void PowierzchniaQt::ustaw_pedzel(Kolor k) {
    pedzel_ = k;
    rgb_pedzla_ = argb(k);
    p_.setBrush(QBrush(qkolor(k)));
}

QFont PowierzchniaQt::czcionka_qt(const std::string& kroj, int wysokosc, int waga) {
    QFont f(QString::fromStdString(kroj));
    f.setStyleHint(QFont::SansSerif);
    f.setWeight(waga <= 0 ? QFont::Normal : static_cast<QFont::Weight>(std::min(waga, 1000)));
    // The height is the whole cell, ascent and descent: take the largest pixel size whose
    // cell still fits it.
    const int cela = std::clamp(wysokosc < 0 ? -wysokosc : wysokosc, 1, 2000);
    auto wysokosc_celi = [&f](int piksele) {
        f.setPixelSize(piksele);
        return QFontMetrics(f).height();
    };
    int s = std::max(1, cela * 9 / 10);
    while (s > 1 && wysokosc_celi(s) > cela) --s;
    while (s < cela && wysokosc_celi(s + 1) <= cela) ++s;
    f.setPixelSize(s);
    return f;
}

void PowierzchniaQt::ustaw_czcionke(const QFont& f) {
    p_.setFont(f);
    metryka_.emplace(f);
}

void PowierzchniaQt::czcionka(const std::string& kroj, int wysokosc, int waga) {
    ustaw_czcionke(czcionka_qt(kroj, wysokosc, waga));
}

void PowierzchniaQt::kolor_tekstu(Kolor k) {
    tekst_ = qkolor(k);
}

void PowierzchniaQt::tlo_tekstu(Kolor k) {
    tlo_ = qkolor(k);
}

void PowierzchniaQt::prostokat(int lewo, int gora, int prawo, int dol) {
    const auto r = pudelko(lewo, gora, prawo, dol);
    if (!r) return;
    pioro_do_malarza();
    // Qt draws nothing for a box of one pixel.
    if (r->width() == 0 && r->height() == 0)
        p_.drawPoint(r->topLeft());
    else
        p_.drawRect(*r);
}

void PowierzchniaQt::elipsa(int lewo, int gora, int prawo, int dol) {
    const auto r = pudelko(lewo, gora, prawo, dol);
    if (!r) return;
    // Only with the thinnest solid pen: Qt then draws the ellipse in whole pixels throughout.
    if (piksele_ && rodzaj_piora_ == 1 && r->width() <= najwieksza_elipsa &&
        r->height() <= najwieksza_elipsa) {
        const std::uint64_t klucz = std::uint64_t{2} << 60 | std::uint64_t{rodzaj_piora_} << 40 |
                                    std::uint64_t(r->width()) << 20 | std::uint64_t(r->height());
        const QPoint kotwica(margines, margines);
        const Odcisk* o =
            odcisk(klucz, kotwica, kotwica + QPoint(r->width() - 1, r->height() - 1), true);
        if (o && odcisnij(*o, r->left(), r->top())) return;
    }
    pioro_do_malarza();
    if (r->width() == 0 && r->height() == 0)
        p_.drawPoint(r->topLeft());
    else
        p_.drawEllipse(*r);
}

void PowierzchniaQt::przesun_do(int x, int y) {
    biezacy_ = QPoint(x, y);
}

void PowierzchniaQt::linia_do(int x, int y) {
    const QPoint a = biezacy_, b(x, y);
    biezacy_ = b;
    QLine reszta;
    if (odcinek(a, b, reszta)) return;
    pioro_do_malarza();
    p_.drawLine(reszta);
}

void PowierzchniaQt::odcinki(const OdcinekEkranu* s, std::size_t n) {
    // One pen, opaque: the painter's lines may follow the stamped ones in any order.
    QVarLengthArray<QLine, 64> reszta;
    for (std::size_t i = 0; i < n; ++i) {
        QLine l;
        if (!odcinek(QPoint(s[i].x1, s[i].y1), QPoint(s[i].x2, s[i].y2), l)) reszta.append(l);
    }
    if (n > 0) biezacy_ = QPoint(s[n - 1].x2, s[n - 1].y2);
    if (reszta.isEmpty()) return;
    pioro_do_malarza();
    p_.drawLines(reszta.constData(), static_cast<int>(reszta.size()));
}

bool PowierzchniaQt::odcinek(QPoint a, QPoint b, QLine& reszta) {
    if (a == b) return true;
    const std::int64_t x = b.x(), y = b.y();
    const bool cienka = pioro_.szerokosc <= 1;
    const bool blisko = std::abs(std::int64_t{a.x()}) <= granica &&
                        std::abs(std::int64_t{a.y()}) <= granica && std::abs(x) <= granica &&
                        std::abs(y) <= granica;
    if (blisko) {
        QPoint k = b;
        if (cienka) {
            // A line leaves out its last point, whichever way it runs: it ends one step short
            // along its longer axis.
            const std::int64_t dx = x - a.x(), dy = y - a.y();
            const std::int64_t n = std::max(std::abs(dx), std::abs(dy));
            const double f = static_cast<double>(n - 1) / static_cast<double>(n);
            k = QPoint(a.x() + static_cast<int>(std::lround(static_cast<double>(dx) * f)),
                       a.y() + static_cast<int>(std::lround(static_cast<double>(dy) * f)));
        }
        const int dx = k.x() - a.x(), dy = k.y() - a.y();
        if (piksele_ && rodzaj_piora_ != 0 && std::abs(dx) <= najdluzszy &&
            std::abs(dy) <= najdluzszy) {
            const std::uint64_t klucz =
                std::uint64_t{1} << 60 | std::uint64_t{rodzaj_piora_} << 40 |
                std::uint64_t(dx + najdluzszy) << 20 | std::uint64_t(dy + najdluzszy);
            const QPoint kotwica(margines + std::max(0, -dx), margines + std::max(0, -dy));
            const Odcisk* o = odcisk(klucz, kotwica, kotwica + QPoint(dx, dy), false);
            if (o && odcisnij(*o, a.x(), a.y())) return true;
        }
        reszta = QLine(a, k);
        return false;
    }
    // Far off the window the last point is long clipped away.
    double x1 = a.x(), y1 = a.y(), x2 = static_cast<double>(x), y2 = static_cast<double>(y);
    if (!przytnij_odcinek(x1, y1, x2, y2)) return true;
    reszta = QLine(static_cast<int>(x1), static_cast<int>(y1), static_cast<int>(x2),
                   static_cast<int>(y2));
    return false;
}

const PowierzchniaQt::Odcisk* PowierzchniaQt::odcisk(std::uint64_t klucz, QPoint kotwica,
                                                     QPoint koniec, bool elipsa) {
    // A shape met once is only noted: the painter draws it. Met again, it is stamped.
    auto it = odciski_.find(klucz);
    if (it == odciski_.end()) {
        if (odciski_.size() < najwiecej_ksztaltow) odciski_.emplace(klucz, Odcisk{});
        return nullptr;
    }
    Odcisk& o = it->second;
    if (o.gotowy) return o.wierny ? &o : nullptr;
    o.gotowy = true;
    if (!brudnopis_) brudnopis_ = std::make_unique<Brudnopis>(p_.renderHints());
    QPainter& p = brudnopis_->p;
    p.setPen(qpioro(Kolor{255, 0, 0}, pioro_.szerokosc, pioro_.styl));
    p.setBrush(QColor::fromRgb(znak_pedzla));
    // Drawn as elipsa and linia_do have the painter draw them.
    if (elipsa) {
        const QRect ramka(kotwica, koniec);
        if (ramka.width() == 0 && ramka.height() == 0)
            p.drawPoint(kotwica);
        else
            p.drawEllipse(ramka);
    } else {
        p.drawLine(kotwica, koniec);
    }
    // Every pixel set must be the pen's or the brush's, and none on the edge of the box looked
    // at, which lies a margin around the shape: then the stamp is Qt's drawing entire. The
    // scratch image is left clear.
    QImage& obraz = brudnopis_->obraz;
    auto* wiersze = reinterpret_cast<std::uint32_t*>(obraz.bits());
    const qsizetype w = obraz.bytesPerLine() / 4;
    const QRect pole =
        QRect(kotwica, koniec).normalized().adjusted(-margines, -margines, margines, margines) &
        obraz.rect();
    o.wierny = true;
    o.lewo = o.gora = brudnopis_bok;
    o.prawo = o.dol = -brudnopis_bok;
    for (int y = pole.top(); y <= pole.bottom(); ++y)
        for (int x = pole.left(); x <= pole.right(); ++x) {
            std::uint32_t& px = wiersze[y * w + x];
            const std::uint32_t v = px;
            if (v == 0) continue;
            px = 0;
            const int ox = x - kotwica.x(), oy = y - kotwica.y();
            const auto przesuniecie = static_cast<std::int32_t>(oy * wiersz_ + ox);
            if (v == znak_piora)
                o.piora.push_back(przesuniecie);
            else if (v == znak_pedzla)
                o.pedzla.push_back(przesuniecie);
            else
                o.wierny = false;
            if (x == pole.left() || y == pole.top() || x == pole.right() || y == pole.bottom())
                o.wierny = false;
            o.lewo = std::min(o.lewo, ox), o.prawo = std::max(o.prawo, ox);
            o.gora = std::min(o.gora, oy), o.dol = std::max(o.dol, oy);
        }
    if (!o.wierny) {
        // What Qt drew may reach past the box.
        obraz.fill(0);
        o.piora.clear(), o.pedzla.clear();
        return nullptr;
    }
    return &o;
}

bool PowierzchniaQt::odcisnij(const Odcisk& o, int x, int y) {
    if (x + o.lewo < 0 || y + o.gora < 0 || x + o.prawo >= szer_ || y + o.dol >= wys_) return false;
    std::uint32_t* kotwica = piksele_ + y * wiersz_ + x;
    for (const std::int32_t d : o.pedzla) kotwica[d] = rgb_pedzla_;
    for (const std::int32_t d : o.piora) kotwica[d] = rgb_piora_;
    return true;
}

void PowierzchniaQt::tekst(int x, int y, const std::string& t) {
    if (t.empty() || x < -granica || x > granica || y < -granica || y > granica) return;
    const QString s = QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
    const QFontMetrics& m = *metryka_;
    // Opaque: the text's cell is filled with the text background first.
    if (!bez_tla_) p_.fillRect(QRect(x, y, m.horizontalAdvance(s), m.height()), tlo_);
    p_.setPen(tekst_);
    pioro_w_malarzu_ = false;
    p_.drawText(QPoint(x, y + m.ascent()), s);
}

int PowierzchniaQt::szerokosc_tekstu(const std::string& t) {
    return metryka_->horizontalAdvance(
        QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size())));
}

void PowierzchniaQt::zachowaj() {
    stos_.push_back({pioro_, pedzel_, p_.font(), tekst_, tlo_});
}

void PowierzchniaQt::przywroc() {
    if (stos_.empty()) return;
    Stan s = std::move(stos_.back());
    stos_.pop_back();
    ustaw_pioro(s.pioro);
    ustaw_pedzel(s.pedzel);
    ustaw_czcionke(s.font);
    tekst_ = s.tekst;
    tlo_ = s.tlo;
}
