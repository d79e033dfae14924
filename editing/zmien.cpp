#include "okno/okno.h"

// Placeholder until this subsystem lands.
void _OKNO_::Cm_z_mat() { port.Odswiez(); }
void _OKNO_::Cm_z_przek() { port.Odswiez(); }
void _OKNO_::Cm_z_wez() { port.Odswiez(); }
void _OKNO_::Cm_z_pret() { port.Odswiez(); }
void _OKNO_::Cm_z_podp() { port.Odswiez(); }
void _OKNO_::Cm_z_sile() { port.Odswiez(); }
