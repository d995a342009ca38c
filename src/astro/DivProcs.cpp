#include "astro/DivProcs.h"
