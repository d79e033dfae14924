// SPDX-License-Identifier: GPL-3.0-or-later
// What one analysis leaves for the next of the same truss: the band's order of the nodes, the
// choice between the band and the sparse matrix, and the sparse matrix's pattern with CHOLMOD's
// symbolic factor. All of them follow from which nodes the bars join and which DOFs the supports
// hold, so an analysis after a change of coordinates, properties or loads (a node dragged, a force
// typed) skips them; any other change forgets them. One analysis at a time uses it.
#pragma once

#include <memory>
#include <mutex>
#include <vector>

#include "core/model.h"
#include "core/rzadkie.h"

struct CzynnikSymboliczny;  // CHOLMOD's analysis of the sparse matrix (core/rozklad.cpp)
struct UsunCzynnik {
    void operator()(CzynnikSymboliczny* c) const;
};

class PamiecAnalizy {
  public:
    PamiecAnalizy();
    ~PamiecAnalizy();
    PamiecAnalizy(const PamiecAnalizy&) = delete;
    PamiecAnalizy& operator=(const PamiecAnalizy&) = delete;

    // Whether what is kept was worked out for k's bars and supports (ne, nn, the bars' ends, the
    // held DOFs). When it was not, it is forgotten and k's become the key.
    bool dla(const Konstrukcja& k);
    void zapomnij();

    // The driver's choice for the method it was asked (Rozwiazanie as an int): the band of nbw
    // columns in the order nowy/stary (both empty: the model's own), or the sparse matrix.
    bool ma_wybor = false;
    int sposob = 0;
    bool rzadko = false;
    int nbw = 0;
    std::vector<int> nowy, stary;
    // The sparse matrix's pattern (values left from the last assembly) and its symbolic factor.
    bool ma_wzor = false;
    RzadkaMacierz wzor;
    std::unique_ptr<CzynnikSymboliczny, UsunCzynnik> symboliczny;

    // How many times the choice and the symbolic factor were worked out anew.
    int wybory = 0, analizy = 0;

    // Held by whoever analyses with it; another analysis at the same time goes without.
    std::mutex zajeta;

  private:
    int ne_ = -1, nn_ = -1;
    std::vector<int> konce_, nu_;
};
