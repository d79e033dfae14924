// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/opis.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "core/tekst.h"

namespace {

// "X" for the first DOF of a node, "Y" for the second.
const char* kierunek(int dof) {
    return dof % 2 == 1 ? "X" : "Y";
}

bool wyniki_wazne(const Model& m) {
    return m.obliczono == 1 && m.f && m.f.high() >= 2LL * m.nn;
}

// "X = 1.000, Y = 2.000" of the pairs (DOF, value).
std::string lista(const std::vector<std::pair<int, float>>& p, const char* f) {
    std::string t;
    for (const auto& [dof, v] : p) {
        if (!t.empty()) t += ", ";
        t += std::string(kierunek(dof)) + " = " + sformatuj(f, static_cast<double>(v));
    }
    return t;
}

}  // namespace

std::string opis_wezla(const Model& m, int n) {
    if (m.Pusty != 0 || n < 1 || n > m.nn || !m.x || m.x.rhigh() < n) return {};
    std::string t = sformatuj("Węzeł %d: X = %.3f, Y = %.3f", n, static_cast<double>(m.x[n][1]),
                              static_cast<double>(m.x[n][2]));
    const long long dx = 2LL * n - 1, dy = 2LL * n;
    bool wx = false, wy = false;
    std::vector<std::pair<int, float>> wymuszone, sily;
    for (int i = 1; m.nu && m.u && i <= m.nd && i <= m.nu.high() && i <= m.u.high(); ++i) {
        if (m.nu[i] != dx && m.nu[i] != dy) continue;
        (m.nu[i] == dx ? wx : wy) = true;
        if (m.u[i] != 0.0f) wymuszone.push_back({m.nu[i], m.u[i]});
    }
    if (wx || wy) {
        t += std::string("; podpora ") + (wx && wy ? "X, Y" : wx ? "X" : "Y");
        if (!wymuszone.empty()) t += " (wymuszone " + lista(wymuszone, "%.6f") + ")";
    }
    for (int i = 1; m.ild && m.al && i <= m.nl && i <= m.ild.high() && i <= m.al.high(); ++i)
        if (m.ild[i] == dx || m.ild[i] == dy) sily.push_back({m.ild[i], m.al[i]});
    if (!sily.empty()) t += (sily.size() == 1 ? "; siła " : "; siły ") + lista(sily, "%.3f");
    if (wyniki_wazne(m))
        t += "; przemieszczenie " +
             lista({{2 * n - 1, m.f[2 * n - 1]}, {2 * n, m.f[2 * n]}}, "%.6f");
    return t;
}

std::string opis_preta(const Model& m, int b) {
    if (m.Pusty != 0 || b < 1 || b > m.ne || !m.noc || m.noc.rhigh() < b) return {};
    const int A = m.noc[b][1], B = m.noc[b][2];
    if (A < 1 || A > m.nn || B < 1 || B > m.nn || m.x.rhigh() < std::max(A, B)) return {};
    const float dx = m.x[B][1] - m.x[A][1], dy = m.x[B][2] - m.x[A][2];
    const double dlugosc = std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy);
    std::string t = sformatuj("Pręt %d: węzły %d–%d, materiał %d, przekrój %d, długość %.3f", b, A,
                              B, m.noc[b][3], m.noc[b][4], dlugosc);
    if (wyniki_wazne(m) && m.stressp && m.stressp.high() >= b)
        t += sformatuj("; naprężenie %.3f", static_cast<double>(m.stressp[b]));
    return t;
}
