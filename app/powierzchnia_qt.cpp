#include "app/powierzchnia_qt.h"

#include <QPainter>
#include <QString>
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

}  // namespace

PowierzchniaQt::PowierzchniaQt(QPainter& p) : p_(p) {
    p_.setRenderHint(QPainter::Antialiasing, false);
    p_.setBackgroundMode(Qt::TransparentMode);
    pioro(czarny, 1, StylPiora::ciagle);
    pedzel(bialy);
    ustaw_czcionke(czcionka_qt("Arial", 12, 400));
}

PowierzchniaQt::~PowierzchniaQt() = default;

void PowierzchniaQt::pioro(Kolor k, int szerokosc, StylPiora styl) {
    QPen pen(qkolor(k));
    // A width of 0 or 1 is the thinnest line. Two-pixel bars and arrows end square: a round
    // cap differs by a pixel at most and costs Qt a slow stroking path per line.
    const int w = std::clamp(szerokosc, 1, 1000);
    pen.setWidth(w);
    pen.setStyle(styl == StylPiora::kropkowane ? Qt::DotLine : Qt::SolidLine);
    // Thin lines are drawn end to end and shortened by their last point (see linia_do).
    pen.setCapStyle(w <= 2 ? Qt::SquareCap : Qt::RoundCap);
    pen.setJoinStyle(w <= 2 ? Qt::MiterJoin : Qt::RoundJoin);
    p_.setPen(pen);
}

void PowierzchniaQt::pedzel(Kolor k) {
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
    // Qt draws nothing for a box of one pixel.
    if (r->width() == 0 && r->height() == 0)
        p_.drawPoint(r->topLeft());
    else
        p_.drawRect(*r);
}

void PowierzchniaQt::elipsa(int lewo, int gora, int prawo, int dol) {
    const auto r = pudelko(lewo, gora, prawo, dol);
    if (!r) return;
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
    if (a == b) return;
    const bool cienka = p_.pen().width() <= 1;
    const bool blisko =
        std::abs(std::int64_t{a.x()}) <= granica && std::abs(std::int64_t{a.y()}) <= granica &&
        std::abs(std::int64_t{x}) <= granica && std::abs(std::int64_t{y}) <= granica;
    if (blisko) {
        QPoint k = b;
        if (cienka) {
            // A line leaves out its last point, whichever way it runs: it ends one step short
            // along its longer axis.
            const std::int64_t dx = std::int64_t{x} - a.x(), dy = std::int64_t{y} - a.y();
            const std::int64_t n = std::max(std::abs(dx), std::abs(dy));
            const double f = static_cast<double>(n - 1) / static_cast<double>(n);
            k = QPoint(a.x() + static_cast<int>(std::lround(static_cast<double>(dx) * f)),
                       a.y() + static_cast<int>(std::lround(static_cast<double>(dy) * f)));
        }
        p_.drawLine(a, k);
        return;
    }
    // Far off the window the last point is long clipped away.
    double x1 = a.x(), y1 = a.y(), x2 = x, y2 = y;
    if (!przytnij_odcinek(x1, y1, x2, y2)) return;
    p_.drawLine(QPoint(static_cast<int>(x1), static_cast<int>(y1)),
                QPoint(static_cast<int>(x2), static_cast<int>(y2)));
}

void PowierzchniaQt::tekst(int x, int y, const std::string& t) {
    if (t.empty() || x < -granica || x > granica || y < -granica || y > granica) return;
    const QString s = QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
    const QFontMetrics& m = *metryka_;
    // Opaque: the text's cell is filled with the text background first.
    p_.fillRect(QRect(x, y, m.horizontalAdvance(s), m.height()), tlo_);
    const QPen pen = p_.pen();
    p_.setPen(tekst_);
    p_.drawText(QPoint(x, y + m.ascent()), s);
    p_.setPen(pen);
}

int PowierzchniaQt::szerokosc_tekstu(const std::string& t) {
    return metryka_->horizontalAdvance(
        QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size())));
}

void PowierzchniaQt::zachowaj() {
    stos_.push_back({p_.pen(), p_.brush(), p_.font(), tekst_, tlo_});
}

void PowierzchniaQt::przywroc() {
    if (stos_.empty()) return;
    Stan s = std::move(stos_.back());
    stos_.pop_back();
    p_.setPen(s.pen);
    p_.setBrush(s.brush);
    ustaw_czcionke(s.font);
    tekst_ = s.tekst;
    tlo_ = s.tlo;
}
