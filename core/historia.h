// SPDX-License-Identifier: GPL-3.0-or-later
// The undo history: the states of the model before each command that changed it, and the states
// undone, for redo. Bounded by the memory the states take, not by their number.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>

#include "core/model.h"
#include "core/projekt.h"

// What undo gives back: the truss with its results (valid or not), the project record beside it
// and the flags that go with them. Which file the project is saved to is not part of it: undo
// changes the model, never its file.
struct StanModelu {
    Konstrukcja k;
    Projekt p;
    int Pusty = 1, obliczono = 0, nbw = 0;
    int jednostki = 0;  // the units the values are in (UkladJednostek), which a conversion changes
    std::uint64_t wersja = 0;  // which state of the model this is; saving remembers it
    std::size_t bajty() const { return ::bajty(k) + p.bajty() + sizeof(*this); }
};

class Historia {
  public:
    // Up to this many bytes of states are kept; the oldest go first (the latest always stays).
    explicit Historia(std::size_t limit = std::size_t{256} << 20) : limit_(limit) {}

    // A command named `nazwa` changed the model, which was `przed`: it can be undone, and what
    // was undone before can no longer be redone.
    void dodaj(std::string nazwa, StanModelu przed);
    // Undo: the state the latest step started from, in exchange for the current one, which redo
    // gives back. Only when there is a step to undo (or redo).
    StanModelu cofnij(StanModelu biezacy);
    StanModelu ponow(StanModelu biezacy);
    bool moze_cofnac() const { return !cofnij_.empty(); }
    bool moze_ponowic() const { return !ponow_.empty(); }
    // The names of the steps undo and redo would take.
    const std::string& do_cofniecia() const { return cofnij_.back().nazwa; }
    const std::string& do_ponowienia() const { return ponow_.back().nazwa; }
    void wyczysc();

  private:
    struct Krok {
        std::string nazwa;
        StanModelu stan;
    };
    void przytnij();
    std::deque<Krok> cofnij_, ponow_;
    std::size_t bajty_ = 0, limit_;
};
