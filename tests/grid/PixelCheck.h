// Pixel expectations on a bitmap, written as a table: position, colour and
// what the pixel stands for.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>

#include "platform/qt/Bitmap.h"

struct TPixelCase {
  int X, Y;
  tv::TColor Color;
  const char* What;
};

inline void ExpectPixels(const tv::TBitmap& B, std::initializer_list<TPixelCase> Cases) {
  for (const TPixelCase& c : Cases) EXPECT_EQ(B.Pixel(c.X, c.Y), c.Color) << c.What << " at " << c.X << "," << c.Y;
}

// Bounding box of the pixels of colour C inside Within (right and bottom
// outside); empty when there are none.
inline tv::TRect InkBox(const tv::TBitmap& B, tv::TColor C, const tv::TRect& Within) {
  tv::TRect r{Within.Right, Within.Bottom, Within.Left, Within.Top};
  for (int y = Within.Top; y < Within.Bottom; ++y) {
    for (int x = Within.Left; x < Within.Right; ++x) {
      if (B.Pixel(x, y) != C) continue;
      r = {std::min(r.Left, x), std::min(r.Top, y), std::max(r.Right, x + 1), std::max(r.Bottom, y + 1)};
    }
  }
  return r.IsEmpty() ? tv::TRect{} : r;
}
