#include "data/Catalogue.h"

#include "data/SharedState.h"

// Placeholders until the generated catalogue lands.
void Init_Stars() {}
void Init_ConstLines() {}
void Calc_ConstLabels() {}
