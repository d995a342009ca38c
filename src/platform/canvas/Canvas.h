// The drawing interface with the semantics of a GDI device context: pens,
// brushes, fonts, MoveTo/LineTo, shapes, text and clip regions. Colours are
// 0x00BBGGRR. Chart layers and the grid draw only through it. No Qt.
#pragma once

#include <cstdint>

namespace tv {

using TColor = std::uint32_t;  // 0x00BBGGRR

}  // namespace tv
