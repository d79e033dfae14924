// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/vel2d.h"

namespace {

bool ustawiona(const char* zmienna) {
    const char* w = std::getenv(zmienna);
    return w && *w;
}

// Whether Qt would find no screen to start on and abort: no platform named (by QT_QPA_PLATFORM
// or -platform) and neither an X11 nor a Wayland display in the environment.
bool bez_ekranu(int argc, char** argv) {
#if defined(_WIN32) || defined(__APPLE__)
    (void)argc, (void)argv;
    return false;
#else
    if (ustawiona("QT_QPA_PLATFORM") || ustawiona("DISPLAY") || ustawiona("WAYLAND_DISPLAY"))
        return false;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return false;
    return true;
#endif
}

}  // namespace

int main(int argc, char** argv) {
    // Answered before Qt needs a screen.
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i)
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(
                "Użycie: velkora2d [PLIK.V2D]\n"
                "Analiza statyczna kratownic płaskich. Podany projekt otwiera się tak jak\n"
                "poleceniem Plik → Otwórz. Obliczenia bez okna: velkora2d-oblicz.\n",
                stdout);
            return 0;
        }
    if (bez_ekranu(argc, argv)) {
        std::fputs(
            "velkora2d: nie znaleziono ekranu (zmienne DISPLAY i WAYLAND_DISPLAY są puste); "
            "na ekranie wirtualnym program uruchomi polecenie: xvfb-run -a velkora2d\n",
            stderr);
        return 1;
    }
    _VEL2D_ aplikacja(argc, argv);
    return aplikacja.Run();
}
