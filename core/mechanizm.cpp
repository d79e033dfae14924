// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mechanizm.h"

#include <algorithm>
#include <cmath>

// Why this finds only true mechanisms, and finds those the factor cannot.
//
// A node whose bars all lie on one line, and which no support holds across that line, moves
// across it without lengthening any bar (to first order): its stiffness there is zero whatever the
// rest of the truss does. Stored as floats, the coordinates of such a line are rounded, each by up
// to half a unit in its last place, and the bars meet at an angle of about 1e-7: the stiffness
// across is the square of that angle times the axial one, 1e-15..1e-13, which no pivot test can
// tell from a true stiffness, and a load across moves the node 10^13 times too far.
//
// So the test asks whether one line passes within the rounding of every bar at the node. A bar
// d = (dx, dy) between stored points (xa, ya), (xb, yb) has its components off by at most
// ax = u (|xa| + |xb|) and ay = u (|ya| + |yb|), u = 2^-24 (half a unit in the last place of a
// float is at most 2^-24 of its magnitude), and so its direction by at most
// (|dx| ay + |dy| ax) / |d|^2 radians, to first order. Each bar thus admits the line within an
// interval of directions around its own; a support admits exactly its axis. The intervals, as
// angles from the node's first line, lie on a line, where intervals that meet pairwise have a point
// in common: "some line fits every bar and support of the node within the rounding" is exactly
// "their intersection is not empty", kept as a running intersection in one pass over the bars.
// Where it is empty, two of them are proved by the coordinates not to be parallel and the node
// holds; where it is not, any stiffness across the common line is the rounding's.
//
// The intervals are widened by `zapas` for coordinates that went through a few float operations
// before they were stored. Even so, the stiffness this calls none is below 1e-11 of the axial
// one for a node no further from the origin than its bars are long; and a shallow truss whose
// rise is 1e-4 of its span is called a mechanism only some 200 spans from the origin, where the
// rise is a few units in the last place of its coordinates.
//
// The test is local: mechanisms of several nodes whose bars are not parallel (a panel without its
// diagonal, too few supports) are left to the factor, where they show as vanishing pivots.

namespace {

constexpr double u_float = 0x1p-24;
constexpr double zapas = 4.0;

// What holds one node so far: its first line, the unit vector (kx, ky), and the interval
// [dol, gora] of directions, as sines of the angle from that line, that every line admits.
// Nothing holds the node while (kx, ky) is zero; it is held in two directions once dol > gora.
// Floats, to keep the pass's memory small: the first line's own interval is widened by what
// rounding its direction to floats may turn it (at most 2^-24), and what the bounds decide is the
// sign of their difference near zero, where a float is as fine as a double.
struct Wiezy {
    float kx, ky, dol, gora;
    bool trzyma() const { return dol > gora; }
    void trzymaj() { dol = 1.0f, gora = 0.0f; }
};
constexpr double zaokraglenie_kierunku = 0x1p-22;

// Adds a line of unit direction (cx, cy) that admits directions within `eps` radians of its own;
// true when that holds the node, which it did not before.
bool dodaj(Wiezy& w, double cx, double cy, double eps) {
    if (w.trzyma()) return false;
    if (w.kx == 0.0f && w.ky == 0.0f) {
        w.kx = static_cast<float>(cx), w.ky = static_cast<float>(cy);
        const bool dokladnie = w.kx == cx && w.ky == cy;  // a support's axis
        w.gora = static_cast<float>(eps + (dokladnie ? 0.0 : zaokraglenie_kierunku));
        w.dol = -w.gora;
        return false;
    }
    // The sine of the angle from the first line; the line's two senses are one line.
    double s = w.kx * cy - w.ky * cx;
    if (w.kx * cx + w.ky * cy < 0.0) s = -s;
    w.dol = std::max(w.dol, static_cast<float>(s - eps));
    w.gora = std::min(w.gora, static_cast<float>(s + eps));
    return w.trzyma();
}

}  // namespace

int swobodny_stopien(const Konstrukcja& k) {
    // Zeroed by the allocator: a node that nothing holds yet.
    Wektor<Wiezy> w(1, std::max(k.nn, 1), "błąd alokacji w swobodny_stopien()");
    int trzymane = 0;
    for (int i = 1; i <= k.nd; ++i) {
        const int d = k.nu[i];
        const bool x = d % 2 != 0;
        trzymane += dodaj(w[(d + 1) / 2], x ? 1.0 : 0.0, x ? 0.0 : 1.0, 0.0);
    }
    for (int e = 1; e <= k.ne; ++e) {
        const int a = k.noc[e][1], b = k.noc[e][2];
        if (w[a].trzyma() && w[b].trzyma()) continue;
        const double xa = k.x[a][1], ya = k.x[a][2], xb = k.x[b][1], yb = k.x[b][2];
        const double dx = xb - xa, dy = yb - ya;
        const double l2 = dx * dx + dy * dy;
        if (!(l2 > 0.0 && l2 < INFINITY)) {
            // A bar without a direction is the assembly's or the solution's to report.
            for (Wiezy* q : {&w[a], &w[b]})
                if (!q->trzyma()) q->trzymaj(), ++trzymane;
            continue;
        }
        const double ax = u_float * (std::fabs(xa) + std::fabs(xb));
        const double ay = u_float * (std::fabs(ya) + std::fabs(yb));
        double cx = 0.0, cy = 0.0, eps = -1.0;
        for (Wiezy* q : {&w[a], &w[b]}) {
            if (q->trzyma()) continue;
            // Most bars meet a line of their node at a plain angle, which shows without their
            // length: with l1 = |dx| + |dy| >= |d| >= l1 / 2, the sine is at least |k x d| / l1 and
            // the bar's own range at most 2 zapas (ax + ay) / l1, so a |k x d| above
            // max(|dol|, |gora|) l1 + 2 zapas (ax + ay) puts the bar outside the node's range.
            if (q->kx != 0.0f || q->ky != 0.0f) {
                const double l1 = std::fabs(dx) + std::fabs(dy);
                const double m = std::max(-q->dol, q->gora);
                if (std::fabs(q->kx * dy - q->ky * dx) > m * l1 + 2.0 * zapas * (ax + ay)) {
                    q->trzymaj(), ++trzymane;
                    continue;
                }
            }
            if (eps < 0.0) {
                const double odw = 1.0 / std::sqrt(l2);
                cx = dx * odw, cy = dy * odw;
                eps = zapas * (std::fabs(cx) * ay + std::fabs(cy) * ax) * odw;
            }
            trzymane += dodaj(*q, cx, cy, eps);
        }
    }
    for (int n = 1; trzymane < k.nn && n <= k.nn; ++n) {
        const Wiezy& q = w[n];
        // A node that nothing holds at all has rows of exact zeros, which the factor finds with
        // no question of rounding: it is left to it.
        if (q.trzyma() || (q.kx == 0.0f && q.ky == 0.0f)) continue;
        // The line that fits all, through the middle of the interval; the node moves across it,
        // along (-ty, tx): in X when that is at least as much as in Y (the lower DOF among
        // equals).
        const double m = 0.5 * (static_cast<double>(q.dol) + q.gora);
        const double tx = q.kx - m * q.ky, ty = q.ky + m * q.kx;
        return std::fabs(ty) >= std::fabs(tx) * (1.0 - 0x1p-20) ? 2 * n - 1 : 2 * n;
    }
    return 0;
}
