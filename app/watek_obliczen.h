// SPDX-License-Identifier: GPL-3.0-or-later
// The thread the analyses of large models run on, off the interface thread: jobs one after
// another in the order given, each job's completion delivered to the interface thread through the
// event loop of a receiver that lives there.
#pragma once

#include <QObject>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

class WatekObliczen {
  public:
    explicit WatekObliczen(QObject& odbiorca) : odbiorca_(odbiorca) {}
    // Waits for the job at hand (a cancelled analysis stops at its next stage); the jobs still
    // queued are dropped, their completions never called.
    ~WatekObliczen();
    WatekObliczen(const WatekObliczen&) = delete;
    WatekObliczen& operator=(const WatekObliczen&) = delete;

    // Queues `praca`; `gotowe` then runs in the receiver's thread. The thread starts with the
    // first job.
    void zlec(std::function<void()> praca, std::function<void()> gotowe);

  private:
    struct Zlecenie {
        std::function<void()> praca, gotowe;
    };
    void petla();

    QObject& odbiorca_;
    std::mutex m_;
    std::condition_variable cv_;
    std::deque<Zlecenie> kolejka_;
    bool koniec_ = false;
    std::thread watek_;
};
