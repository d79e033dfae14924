#include "okno/okno.h"

// Placeholder until this subsystem lands.
void _OKNO_::Cm_Dane() {}
