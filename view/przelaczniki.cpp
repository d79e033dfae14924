#include "okno/okno.h"

// Placeholder until this subsystem lands.
void _OKNO_::Cm_Napr() { port.Odswiez(); }
void _OKNO_::Cm_Przem() { port.Odswiez(); }
void _OKNO_::Cm_n_ele() { port.Odswiez(); }
void _OKNO_::Cm_n_mat() { port.Odswiez(); }
void _OKNO_::Cm_n_pola() { port.Odswiez(); }
void _OKNO_::Cm_n_wez() { port.Odswiez(); }
void _OKNO_::Ce_Napr(TCommandEnabler& ce) { ce.Enable(model.Pusty == 0); }
void _OKNO_::Ce_Przem(TCommandEnabler& ce) { ce.Enable(model.Pusty == 0); }
void _OKNO_::Ce_n_ele(TCommandEnabler& ce) { ce.Enable(model.Pusty == 0); }
void _OKNO_::Ce_n_mat(TCommandEnabler& ce) { ce.Enable(model.Pusty == 0); }
void _OKNO_::Ce_n_pola(TCommandEnabler& ce) { ce.Enable(model.Pusty == 0); }
void _OKNO_::Ce_n_wez(TCommandEnabler& ce) { ce.Enable(model.Pusty == 0); }
void _OKNO_::EvMouseMove(int, int) {}
void _OKNO_::EvSize(int, int) { port.Odswiez(); }
