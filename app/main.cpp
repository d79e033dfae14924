#include "app/vel2d.h"

int main(int argc, char** argv) {
    _VEL2D_ aplikacja(argc, argv);
    return aplikacja.Run();
}
