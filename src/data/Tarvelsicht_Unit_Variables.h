// The data module: fills the shared state at start-up (version stamp, built-in
// tables, per-user folders, settings file) and releases it at the end of the run.
// Depends on the astronomy module (ArcTan2) and the platform layer. No Qt.
#pragma once

#include "data/SharedState.h"
