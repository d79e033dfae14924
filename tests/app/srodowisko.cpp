// SPDX-License-Identifier: GPL-3.0-or-later
// The one application object of the Qt tests: the program's own, so its locale is the one
// under test. Tests that draw into images need it too.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "app/platforma_qt.h"
#include "app/vel2d.h"

namespace {

// The offscreen platform's notes about what it cannot do say nothing about the program.
void filtr(QtMsgType typ, const QMessageLogContext& kontekst, const QString& tekst) {
    if (tekst.contains("does not support propagateSizeHints")) return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(typ, kontekst, tekst)));
}

class SrodowiskoQt : public ::testing::Environment {
  public:
    void SetUp() override {
        if (QCoreApplication::instance()) return;
        static int argc = 1;
        static char nazwa[] = "testy_app";
        static char* argv[] = {nazwa, nullptr};
        // A Polish user's environment, where it is installed: numbers must keep their points.
        if (std::setlocale(LC_ALL, "pl_PL.UTF-8")) setenv("LC_ALL", "pl_PL.UTF-8", 1);
        std::setlocale(LC_ALL, "C");
        qInstallMessageHandler(filtr);
        // Settings the tests change stay out of the user's own, and out of other runs'.
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, ustawienia_.path());
        aplikacja_ = new _VEL2D_(argc, argv);
        // The tests open and close windows without a loop of the application's own.
        aplikacja_->setQuitOnLastWindowClosed(false);
    }
    void TearDown() override {
        delete aplikacja_;
        aplikacja_ = nullptr;
    }

  private:
    _VEL2D_* aplikacja_ = nullptr;
    QTemporaryDir ustawienia_;
};

// Every test starts as a first run of the program: with no settings kept.
class BezUstawien : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { ustawienia_programu().clear(); }
};

const auto* const srodowisko = ::testing::AddGlobalTestEnvironment(new SrodowiskoQt);
[[maybe_unused]] const int sluchacz = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new BezUstawien);
    return 0;
}();

}  // namespace
