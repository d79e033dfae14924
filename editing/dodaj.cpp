#include "okno/okno.h"

// Placeholder until this subsystem lands.
void _OKNO_::Cm_d_mat() { port.Odswiez(); }
void _OKNO_::Cm_d_przek() { port.Odswiez(); }
void _OKNO_::Cm_d_wez() { port.Odswiez(); }
void _OKNO_::Cm_d_pret() { port.Odswiez(); }
void _OKNO_::Cm_d_podp() { port.Odswiez(); }
void _OKNO_::Cm_d_sile() { port.Odswiez(); }
