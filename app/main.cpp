#include <cstdio>
#include <cstring>

#include "app/vel2d.h"

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
    _VEL2D_ aplikacja(argc, argv);
    return aplikacja.Run();
}
