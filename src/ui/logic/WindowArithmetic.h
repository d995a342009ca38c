// Small integer arithmetic of the main window's layout, with the overflow and
// division checks of the program's integer rules. No Qt, no shared state.
#pragma once

#include <cstdint>

// Width of the left margin panel for a client area of Width x Height pixels:
// (Width - Height) div Divisor, truncated toward zero (may be negative).
std::int32_t LeftPanelWidth(std::int32_t Width, std::int32_t Height, std::int32_t Divisor);

// The About panel's Left (or Top) in client coordinates: (Outer - Origin -
// Size) div 2, truncated toward zero, where Outer is the window's outer width
// (height), Origin its left (top) edge on the screen and Size the panel's
// width (height). Negative results stand.
std::int32_t AboutPanelOffset(std::int32_t Outer, std::int32_t Origin, std::int32_t Size);
