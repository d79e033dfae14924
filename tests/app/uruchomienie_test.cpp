// SPDX-License-Identifier: GPL-3.0-or-later
// The built program started as a user starts it, as a process of its own.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

// Beside velkora2d-oblicz, at the top of the build tree.
std::string program() {
    return (fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "velkora2d").string();
}

// Runs a shell command: its exit status (-1 when it did not exit) and all it wrote.
std::pair<int, std::string> uruchom(const std::string& polecenie) {
    std::string wyjscie;
    FILE* p = ::popen((polecenie + " 2>&1").c_str(), "r");
    if (!p) return {-1, ""};
    char b[256];
    for (std::size_t n; (n = std::fread(b, 1, sizeof b, p)) > 0;) wyjscie.append(b, n);
    const int s = ::pclose(p);
    return {WIFEXITED(s) ? WEXITSTATUS(s) : -1, wyjscie};
}

// Without a display Qt would abort (status 134) telling the user to reinstall the program; the
// program says instead, in one line, that there is no display and how to run it on a virtual one.
TEST(Uruchomienie, BezEkranuMowiCoZrobicIKonczySieBledem) {
    ASSERT_TRUE(fs::exists(program())) << program();
    for (const char* srodowisko : {"", "LANG=pl_PL.UTF-8 DISPLAY= WAYLAND_DISPLAY="}) {
        SCOPED_TRACE(srodowisko);
        const auto [status, tekst] =
            uruchom("env -i " + std::string(srodowisko) + " '" + program() + "' projekt.V2D");
        EXPECT_EQ(status, 1);
        EXPECT_EQ(tekst,
                  "velkora2d: nie znaleziono ekranu (zmienne DISPLAY i WAYLAND_DISPLAY są puste); "
                  "na ekranie wirtualnym program uruchomi polecenie: xvfb-run -a velkora2d\n");
    }
    // The help needs no display.
    const auto [status, tekst] = uruchom("env -i '" + program() + "' --help");
    EXPECT_EQ(status, 0);
    EXPECT_EQ(tekst.rfind("Użycie: velkora2d", 0), 0u) << tekst;
}

}  // namespace
