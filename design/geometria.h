// SPDX-License-Identifier: GPL-3.0-or-later
// Area integrals of a cross-section drawn as closed contours of straight edges whose corners may
// be rounded: the nominal shape of a rolled or hollow section with its root, toe and corner radii.
#pragma once

#include <span>

namespace wymiarowanie {

// A corner of a contour at (y, z) in mm, rounded with radius r (0: a sharp corner). The arc is
// tangent to both edges meeting there, so it suits convex toes and concave roots alike.
struct Naroze {
    double y, z, r;
};

// Integrals over the area a contour bounds, about the origin: A = ∫dA [mm²], S_y = ∫z dA,
// S_z = ∫y dA [mm³], I_yy = ∫z² dA, I_zz = ∫y² dA, I_yz = ∫yz dA [mm⁴]. A contour listed
// counter-clockwise gives positive integrals; subtracting a hole's integrals leaves the wall.
struct Calki {
    double A = 0, S_y = 0, S_z = 0, I_yy = 0, I_zz = 0, I_yz = 0;
};

Calki calki_konturu(std::span<const Naroze> kontur);
Calki operator-(Calki a, const Calki& b);
Calki operator+(Calki a, const Calki& b);

// The same integrals about axes parallel to y and z through the centroid.
struct Centralne {
    double A = 0;
    double y_c = 0, z_c = 0;            // centroid [mm]
    double I_y = 0, I_z = 0, I_yz = 0;  // [mm⁴]
};

Centralne wzgledem_srodka(const Calki& c);

// Distance along either edge from a corner to where a fillet of radius r touches it, for edges
// meeting at angle theta [rad] (measured inside the rounded region between the two edges).
double styczna_zaokraglenia(double r, double theta);

}  // namespace wymiarowanie
