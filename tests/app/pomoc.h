// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers of the Qt tests: acting on a modal window while it runs, and typing.
#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <functional>

// Runs `akcja` on the modal window that `wywolanie` opens, then returns what it returned.
template <class F>
auto z_modalnym(std::function<void(QWidget*)> akcja, F wywolanie) {
    bool wykonano = false;
    // Polled, since the window appears only once the call has entered its own loop.
    QTimer t;
    t.setInterval(1);
    QObject::connect(&t, &QTimer::timeout, [&] {
        QWidget* m = QApplication::activeModalWidget();
        if (!m || wykonano) return;
        wykonano = true;
        t.stop();
        akcja(m);
    });
    t.start();
    auto w = wywolanie();
    t.stop();
    EXPECT_TRUE(wykonano) << "no modal window appeared";
    return w;
}

inline void klawisz(QWidget* w, int k, const QString& tekst = {}) {
    QKeyEvent nacisk(QEvent::KeyPress, k, Qt::NoModifier, tekst);
    QApplication::sendEvent(w, &nacisk);
    QKeyEvent puszczenie(QEvent::KeyRelease, k, Qt::NoModifier, tekst);
    QApplication::sendEvent(w, &puszczenie);
}

// Types text key by key, as a user would: validators and length limits apply.
inline void pisz(QWidget* w, const QString& tekst) {
    for (QChar c : tekst) klawisz(w, c.isDigit() ? Qt::Key_0 + c.digitValue() : Qt::Key_A, c);
}
