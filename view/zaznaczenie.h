// SPDX-License-Identifier: GPL-3.0-or-later
// The selection of nodes and bars in the main view, shared with the data sheet, and what the left
// button does while it is held over the view.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "core/historia.h"
#include "view/wybor.h"

class Zaznaczenie {
  public:
    bool wezel(int n) const { return jest(w_, n); }
    bool pret(int n) const { return jest(p_, n); }
    void ustaw_wezel(int n, bool z) { ustaw(w_, ile_w_, n, z); }
    void ustaw_pret(int n, bool z) { ustaw(p_, ile_p_, n, z); }
    int ile_wezlow() const { return ile_w_; }
    int ile_pretow() const { return ile_p_; }
    bool puste() const { return ile_w_ == 0 && ile_p_ == 0; }
    void wyczysc() { w_.clear(), p_.clear(), ile_w_ = ile_p_ = 0; }
    // The numbers selected, ascending.
    std::vector<int> wezly() const { return numery(w_); }
    std::vector<int> prety() const { return numery(p_); }
    // Numbers above the counts name nothing any more.
    void przytnij(int nn, int ne) {
        przytnij(w_, ile_w_, nn);
        przytnij(p_, ile_p_, ne);
    }
    bool operator==(const Zaznaczenie& z) const {
        return wezly() == z.wezly() && prety() == z.prety();
    }

  private:
    static bool jest(const std::vector<char>& v, int n) {
        return n >= 1 && static_cast<std::size_t>(n) < v.size() && v[n];
    }
    static void ustaw(std::vector<char>& v, int& ile, int n, bool z) {
        if (n < 1 || jest(v, n) == z) return;
        if (static_cast<std::size_t>(n) >= v.size()) v.resize(static_cast<std::size_t>(n) + 1, 0);
        v[n] = z;
        ile += z ? 1 : -1;
    }
    static std::vector<int> numery(const std::vector<char>& v) {
        std::vector<int> r;
        for (std::size_t i = 1; i < v.size(); ++i)
            if (v[i]) r.push_back(static_cast<int>(i));
        return r;
    }
    static void przytnij(std::vector<char>& v, int& ile, int n) {
        for (std::size_t i = static_cast<std::size_t>(n > 0 ? n : 0) + 1; i < v.size(); ++i)
            ile -= v[i];
        if (v.size() > static_cast<std::size_t>(n > 0 ? n : 0) + 1)
            v.resize(static_cast<std::size_t>(n > 0 ? n : 0) + 1);
    }
    std::vector<char> w_, p_;
    int ile_w_ = 0, ile_p_ = 0;
};

// The left button held over the view: a click not yet told from a drag, a rubber band, or nodes
// being dragged.
struct Przeciaganie {
    enum class Rodzaj { nic, klik, ramka, wezly };
    Rodzaj rodzaj = Rodzaj::nic;
    int x0 = 0, y0 = 0, x = 0, y = 0;  // where the button went down, and where the cursor is
    bool shift = false;
    Wskazanie pod;  // what lay under the cursor when the button went down
    // Dragging nodes: which, where they were, the model point grabbed, and the state before, for
    // the one undo step the drag makes.
    std::vector<int> wezly;
    std::vector<float> x_start, y_start;
    float chwyt_x = 0.0f, chwyt_y = 0.0f;  // the model point under the cursor at the press
    float wzor_x = 0.0f, wzor_y = 0.0f;    // where the grabbed node was
    std::unique_ptr<StanModelu> przed;
};
