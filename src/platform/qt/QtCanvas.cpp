#include "platform/canvas/Canvas.h"
