#include "okno/okno.h"

// Placeholder until this subsystem lands.
void _OKNO_::Cm_u_mat() { port.Odswiez(); }
void _OKNO_::Cm_u_przek() { port.Odswiez(); }
void _OKNO_::Cm_u_wez() { port.Odswiez(); }
void _OKNO_::Cm_u_pret() { port.Odswiez(); }
void _OKNO_::Cm_u_podp() { port.Odswiez(); }
void _OKNO_::Cm_u_sile() { port.Odswiez(); }
