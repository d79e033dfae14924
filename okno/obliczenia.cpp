#include "core/analiza.h"
#include "okno/okno.h"

void _OKNO_::obliczenia() {
    const WynikObliczen w = ::obliczenia(model);
    for (const std::string& k : komunikaty_obliczen(w))
        port.MessageBox(k, "Błąd obliczeń", Ikona::stop, Przyciski::ok);
    port.Odswiez();
}

void _OKNO_::Cm_ODSWIEZ() {
    obliczenia();
}
