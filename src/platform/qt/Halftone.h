// Area-averaging scaling, the platform's halftone stretch: every target pixel
// takes the mean colour of the source area it covers, each source pixel
// weighted by the part of it that lies under the target pixel.
#pragma once

#include <QImage>
#include <QSize>
#include <cstddef>

namespace tv {

// The arithmetic of the two passes: plain, or in SSE2 or AVX2 vectors, all
// exact integer sums giving the same pixels. Fastest: the widest that the
// processor has; a path it lacks falls back to that.
enum class THalftonePath { Fastest, Plain, Sse2, Avx2 };

// Source scaled to Size (both dimensions positive) by area averaging; the
// result is RGB32. A uniform source gives exactly its colour.
QImage HalftoneScaled(const QImage& Source, QSize Size, THalftonePath Path = THalftonePath::Fastest);

// The same written into Size.width() x Size.height() RGB32 pixels at Target,
// Stride pixels from one row to the next (a picture's own memory).
void HalftoneScaledInto(const QImage& Source, QRgb* Target, std::ptrdiff_t Stride, QSize Size,
                        THalftonePath Path = THalftonePath::Fastest);

}  // namespace tv
