// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/geometria.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace wymiarowanie {

namespace {

struct Punkt {
    double y, z;
};

// Chords per rounded corner: the area a chord cuts off an arc of angle d is r²(d - sin d)/2, so a
// quarter circle in 96 chords loses 3·10⁻⁵ r² — far below the rounding of any catalogue value.
constexpr int cieciwy = 96;

void dodaj_luk(std::vector<Punkt>& out, const Naroze& p, const Naroze& prev, const Naroze& next) {
    const double u1y = prev.y - p.y, u1z = prev.z - p.z, l1 = std::hypot(u1y, u1z);
    const double u2y = next.y - p.y, u2z = next.z - p.z, l2 = std::hypot(u2y, u2z);
    const double ay = u1y / l1, az = u1z / l1, by = u2y / l2, bz = u2z / l2;
    const double theta = std::acos(std::clamp(ay * by + az * bz, -1.0, 1.0));
    const double d = styczna_zaokraglenia(p.r, theta);
    double sy = ay + by, sz = az + bz;
    const double ls = std::hypot(sy, sz);
    sy /= ls;
    sz /= ls;
    const double odl = p.r / std::sin(theta / 2);
    const double cy = p.y + sy * odl, cz = p.z + sz * odl;
    const double a1 = std::atan2(p.z + az * d - cz, p.y + ay * d - cy);
    const double a2 = std::atan2(p.z + bz * d - cz, p.y + by * d - cy);
    double da = a2 - a1;
    // The fillet is the shorter arc between its tangent points: it spans π - theta < π.
    while (da > std::numbers::pi) da -= 2 * std::numbers::pi;
    while (da < -std::numbers::pi) da += 2 * std::numbers::pi;
    for (int k = 0; k <= cieciwy; ++k) {
        const double a = a1 + da * k / cieciwy;
        out.push_back({cy + p.r * std::cos(a), cz + p.r * std::sin(a)});
    }
}

}  // namespace

double styczna_zaokraglenia(double r, double theta) {
    return r / std::tan(theta / 2);
}

Calki calki_konturu(std::span<const Naroze> kontur) {
    const std::size_t n = kontur.size();
    std::vector<Punkt> pkt;
    pkt.reserve(n * (cieciwy + 1));
    for (std::size_t i = 0; i < n; ++i) {
        const Naroze& p = kontur[i];
        if (p.r > 0)
            dodaj_luk(pkt, p, kontur[(i + n - 1) % n], kontur[(i + 1) % n]);
        else
            pkt.push_back({p.y, p.z});
    }
    // Green's theorem over the polygon, edge by edge.
    Calki c;
    for (std::size_t i = 0; i < pkt.size(); ++i) {
        const Punkt a = pkt[i], b = pkt[(i + 1) % pkt.size()];
        const double x = a.y * b.z - b.y * a.z;
        c.A += x / 2;
        c.S_z += (a.y + b.y) * x / 6;
        c.S_y += (a.z + b.z) * x / 6;
        c.I_zz += (a.y * a.y + a.y * b.y + b.y * b.y) * x / 12;
        c.I_yy += (a.z * a.z + a.z * b.z + b.z * b.z) * x / 12;
        c.I_yz += (a.y * b.z + 2 * a.y * a.z + 2 * b.y * b.z + b.y * a.z) * x / 24;
    }
    return c;
}

Calki operator-(Calki a, const Calki& b) {
    a.A -= b.A;
    a.S_y -= b.S_y;
    a.S_z -= b.S_z;
    a.I_yy -= b.I_yy;
    a.I_zz -= b.I_zz;
    a.I_yz -= b.I_yz;
    return a;
}

Calki operator+(Calki a, const Calki& b) {
    a.A += b.A;
    a.S_y += b.S_y;
    a.S_z += b.S_z;
    a.I_yy += b.I_yy;
    a.I_zz += b.I_zz;
    a.I_yz += b.I_yz;
    return a;
}

Centralne wzgledem_srodka(const Calki& c) {
    Centralne w;
    w.A = c.A;
    w.y_c = c.S_z / c.A;
    w.z_c = c.S_y / c.A;
    // Steiner: moments about parallel axes through the centroid.
    w.I_y = c.I_yy - c.A * w.z_c * w.z_c;
    w.I_z = c.I_zz - c.A * w.y_c * w.y_c;
    w.I_yz = c.I_yz - c.A * w.y_c * w.z_c;
    return w;
}

}  // namespace wymiarowanie
