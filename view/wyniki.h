// SPDX-License-Identifier: GPL-3.0-or-later
// The results table window: bar stresses and axial forces, node displacements and support
// reactions.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "core/model.h"
#include "files/jednostki.h"
#include "okno/platforma.h"
#include "view/powierzchnia.h"

// Read afresh from the store at each repaint. A top-level window of its own, so it can stay open
// after the model it showed is gone; it then says so once per repaint request.
class TabelaTekstowa;

class _WYNIKI_ : public OknoTabeli {
  public:
    // Tables drawn under the reactions, asked for at each repaint (the design's); none: nothing.
    using Dalsze = std::function<std::shared_ptr<TabelaTekstowa>()>;
    // The headers name the units `jednostki` holds at each repaint.
    _WYNIKI_(Model& m, Platforma& port, const UkladJednostek& jednostki = bez_jednostek,
             Dalsze dalsze = {})
        : m_(m), port_(port), jednostki_(jednostki), dalsze_(std::move(dalsze)) {}

    std::string tytul() const override { return "Wyniki obliczeń"; }
    int szerokosc() const override { return 400; }
    int wysokosc() const override { return 400; }
    bool wlasnosc_glownego() const override { return false; }
    int szerokosc_tresci() const override;
    int wysokosc_tresci() const override;
    void Paint(Powierzchnia& dc, int od_y, int do_y) override;
    bool CanClose() override;
    void przed_odswiezeniem() override;

  private:
    Model& m_;
    Platforma& port_;
    const UkladJednostek& jednostki_;
    Dalsze dalsze_;
    std::shared_ptr<TabelaTekstowa> dalsze() const;
    // Where the window's own tables end.
    long long koniec_wlasnych() const;
    bool pyta_ = false;  // the empty-model box is up
    int prawo_ = 0;      // where the widest text of the last paint ends, with a gap
};
