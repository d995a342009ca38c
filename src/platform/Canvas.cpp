#include "platform/Canvas.h"
