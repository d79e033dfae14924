// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/kolejnosc.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

// The graph of the bars: the neighbours of node n are sasiedzi[poczatek[n] .. poczatek[n + 1]).
struct Graf {
    std::vector<int> poczatek, sasiedzi;
    int stopien(int n) const { return poczatek[n + 1] - poczatek[n]; }
};

Graf graf_pretow(const Konstrukcja& k) {
    Graf g;
    g.poczatek.assign(static_cast<std::size_t>(k.nn) + 2, 0);
    for (int e = 1; e <= k.ne; ++e) {
        const int a = k.noc[e][1], b = k.noc[e][2];
        if (a == b) continue;
        ++g.poczatek[a + 1], ++g.poczatek[b + 1];
    }
    for (int n = 1; n <= k.nn; ++n) g.poczatek[n + 1] += g.poczatek[n];
    g.sasiedzi.resize(static_cast<std::size_t>(g.poczatek[k.nn + 1]));
    std::vector<int> wolne(g.poczatek.begin(), g.poczatek.end());
    for (int e = 1; e <= k.ne; ++e) {
        const int a = k.noc[e][1], b = k.noc[e][2];
        if (a == b) continue;
        g.sasiedzi[wolne[a]++] = b;
        g.sasiedzi[wolne[b]++] = a;
    }
    return g;
}

// Breadth-first search over the nodes not yet placed, with visits marked by a stamp so that no
// pass clears an array.
class Przeszukanie {
  public:
    Przeszukanie(const Graf& g, int nn)
        : g_(g),
          znak_(static_cast<std::size_t>(nn) + 1, 0),
          umieszczony_(static_cast<std::size_t>(nn) + 1, 0) {}

    // From s; returns the number of levels, leaves the nodes in `kolejka` level by level and the
    // start of the last level in `ostatni`. With `po_stopniu`, each node's new neighbours come in
    // order of increasing degree (Cuthill–McKee).
    int szukaj(int s, std::vector<int>& kolejka, std::size_t& ostatni, bool po_stopniu) {
        ++stempel_;
        kolejka.clear();
        kolejka.push_back(s);
        znak_[s] = stempel_;
        int poziomy = 0;
        std::size_t od = 0;
        while (od < kolejka.size()) {
            ++poziomy;
            ostatni = od;
            const std::size_t koniec = kolejka.size();
            for (; od < koniec; ++od) {
                const int n = kolejka[od];
                const std::size_t przed = kolejka.size();
                for (int j = g_.poczatek[n]; j < g_.poczatek[n + 1]; ++j) {
                    const int s2 = g_.sasiedzi[j];
                    if (znak_[s2] == stempel_ || umieszczony_[s2]) continue;
                    znak_[s2] = stempel_;
                    kolejka.push_back(s2);
                }
                if (po_stopniu)
                    std::stable_sort(
                        kolejka.begin() + static_cast<std::ptrdiff_t>(przed), kolejka.end(),
                        [this](int a, int b) { return g_.stopien(a) < g_.stopien(b); });
            }
        }
        return poziomy;
    }
    void umiesc(int n) { umieszczony_[n] = 1; }
    bool umieszczony(int n) const { return umieszczony_[n] != 0; }

  private:
    const Graf& g_;
    std::vector<int> znak_;
    std::vector<char> umieszczony_;
    int stempel_ = 0;
};

}  // namespace

int szerokosc_pasma(const Konstrukcja& k, const std::vector<int>& nowy) {
    std::int64_t d = 0;
    for (int e = 1; e <= k.ne; ++e) {
        const int a = k.noc[e][1], b = k.noc[e][2];
        d = std::max<std::int64_t>(d, nowy.empty() ? std::abs(std::int64_t{a} - b)
                                                   : std::abs(std::int64_t{nowy[a]} - nowy[b]));
    }
    return k.ne > 0 ? static_cast<int>(std::min<std::int64_t>(2 * d + 2, INT32_MAX)) : 0;
}

KolejnoscWezlow kolejnosc_rcm(const Konstrukcja& k) {
    const Graf g = graf_pretow(k);
    Przeszukanie p(g, k.nn);
    KolejnoscWezlow w;
    w.stary.reserve(static_cast<std::size_t>(k.nn) + 1);
    std::vector<int> kolejka;
    kolejka.reserve(static_cast<std::size_t>(k.nn));
    for (int n = 1; n <= k.nn; ++n) {
        if (p.umieszczony(n)) continue;
        // A pseudo-peripheral node of n's part: from the far end of a search, the node of least
        // degree in the last level, for as long as that takes the search further.
        std::size_t ostatni = 0;
        int start = n;
        int poziomy = p.szukaj(start, kolejka, ostatni, false);
        for (int proba = 0; proba < 8; ++proba) {
            const auto najmniejszy = std::min_element(
                kolejka.begin() + static_cast<std::ptrdiff_t>(ostatni), kolejka.end(),
                [&g](int a, int b) { return g.stopien(a) < g.stopien(b); });
            const int kandydat = *najmniejszy;
            const int dalej = p.szukaj(kandydat, kolejka, ostatni, false);
            if (dalej <= poziomy) break;
            start = kandydat, poziomy = dalej;
        }
        p.szukaj(start, kolejka, ostatni, true);
        for (int m : kolejka) {
            p.umiesc(m);
            w.stary.push_back(m);
        }
    }
    // Reversed, the order keeps its band and fills less of it.
    std::reverse(w.stary.begin(), w.stary.end());
    w.stary.insert(w.stary.begin(), 0);
    w.nowy.assign(static_cast<std::size_t>(k.nn) + 1, 0);
    for (int i = 1; i <= k.nn; ++i) w.nowy[w.stary[i]] = i;
    w.nbw = szerokosc_pasma(k, w.nowy);
    return w;
}
