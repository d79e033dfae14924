// SPDX-License-Identifier: GPL-3.0-or-later
// The window's port where there is no window: nothing is shown and every question gets its
// default answer. The command-line analyser draws its pictures through it; benchmarks and tests
// that only look at what the main window draws or stores use it too.
#pragma once

#include <memory>
#include <string>

#include "okno/platforma.h"

class CichyPort : public Platforma {
  public:
    int MessageBox(const std::string&, const std::string&, Ikona, Przyciski) override {
        return IDOK;
    }
    int Dialog(int, void*, int) override { return 2; }
    bool OknoOtworz(UstawieniaPliku&) override { return false; }
    bool OknoZapisz(UstawieniaPliku&) override { return false; }
    void Odswiez() override {}
    void UstawTytul(const std::string&) override {}
    void UstawWspolrzedne(const std::string&) override {}
    UchwytOkna UtworzOknoTabeli(std::unique_ptr<OknoTabeli>) override { return 0; }
    void ZniszczOknoTabeli(UchwytOkna) override {}
    void OtworzDokument(const std::string&) override {}
    void ZamknijGlowne() override {}
};
