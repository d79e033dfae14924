// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/historia.h"

#include <utility>

void Historia::dodaj(std::string nazwa, StanModelu przed) {
    for (const Krok& k : ponow_) bajty_ -= k.stan.bajty();
    ponow_.clear();
    bajty_ += przed.bajty();
    cofnij_.push_back({std::move(nazwa), std::move(przed)});
    przytnij();
}

StanModelu Historia::cofnij(StanModelu biezacy) {
    Krok k = std::move(cofnij_.back());
    cofnij_.pop_back();
    bajty_ += biezacy.bajty();
    bajty_ -= k.stan.bajty();
    StanModelu wynik = std::move(k.stan);
    ponow_.push_back({std::move(k.nazwa), std::move(biezacy)});
    przytnij();
    return wynik;
}

StanModelu Historia::ponow(StanModelu biezacy) {
    Krok k = std::move(ponow_.back());
    ponow_.pop_back();
    bajty_ += biezacy.bajty();
    bajty_ -= k.stan.bajty();
    StanModelu wynik = std::move(k.stan);
    cofnij_.push_back({std::move(k.nazwa), std::move(biezacy)});
    przytnij();
    return wynik;
}

void Historia::wyczysc() {
    cofnij_.clear();
    ponow_.clear();
    bajty_ = 0;
}

void Historia::przytnij() {
    // The oldest undo steps go first, then the redo steps furthest from the present.
    while (bajty_ > limit_ && cofnij_.size() + ponow_.size() > 1) {
        std::deque<Krok>& z =
            !cofnij_.empty() && (cofnij_.size() > 1 || ponow_.empty()) ? cofnij_ : ponow_;
        bajty_ -= z.front().stan.bajty();
        z.pop_front();
    }
}
