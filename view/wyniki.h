// The results table window: bar stresses and axial forces, node displacements and support
// reactions.
#pragma once

#include <string>

#include "core/model.h"
#include "files/jednostki.h"
#include "okno/platforma.h"
#include "view/powierzchnia.h"

// Read afresh from the store at each repaint. A top-level window of its own, so it can stay open
// after the model it showed is gone; it then says so once per repaint request.
class _WYNIKI_ : public OknoTabeli {
  public:
    // The headers name the units `jednostki` holds at each repaint.
    _WYNIKI_(Model& m, Platforma& port, const UkladJednostek& jednostki = bez_jednostek)
        : m_(m), port_(port), jednostki_(jednostki) {}

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
    bool pyta_ = false;  // the empty-model box is up
    int prawo_ = 0;      // where the widest text of the last paint ends, with a gap
};
