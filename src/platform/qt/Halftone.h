// Area-averaging scaling, the platform's halftone stretch: every target pixel
// takes the mean colour of the source area it covers, each source pixel
// weighted by the part of it that lies under the target pixel.
#pragma once

#include <QImage>
#include <QSize>

namespace tv {

// Source scaled to Size (both dimensions positive) by area averaging; the
// result is RGB32. A uniform source gives exactly its colour.
QImage HalftoneScaled(const QImage& Source, QSize Size);

}  // namespace tv
