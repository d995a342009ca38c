// DivProcs: shared angle constants, sexagesimal text, power and the millisecond
// wait. Pure computations; no module dependency besides the platform layer.
#pragma once

#include "platform/Clock.h"  // WaitMs
