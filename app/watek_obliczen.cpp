// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/watek_obliczen.h"

#include <QMetaObject>

WatekObliczen::~WatekObliczen() {
    {
        const std::lock_guard<std::mutex> l(m_);
        koniec_ = true;
        kolejka_.clear();
    }
    cv_.notify_all();
    if (watek_.joinable()) watek_.join();
}

void WatekObliczen::zlec(std::function<void()> praca, std::function<void()> gotowe) {
    {
        const std::lock_guard<std::mutex> l(m_);
        kolejka_.push_back({std::move(praca), std::move(gotowe)});
        if (!watek_.joinable()) watek_ = std::thread([this] { petla(); });
    }
    cv_.notify_one();
}

void WatekObliczen::petla() {
    for (;;) {
        Zlecenie z;
        {
            std::unique_lock<std::mutex> l(m_);
            cv_.wait(l, [this] { return koniec_ || !kolejka_.empty(); });
            if (koniec_) return;
            z = std::move(kolejka_.front());
            kolejka_.pop_front();
        }
        z.praca();
        // Queued to the receiver's thread; the receiver outlives this thread, which is joined
        // before it goes, and Qt drops what is queued for an object deleted since.
        QMetaObject::invokeMethod(&odbiorca_, std::move(z.gotowe), Qt::QueuedConnection);
    }
}
