// Helpers for pixel checks on a TBitmap.
#pragma once

#include <QGuiApplication>
#include <gtest/gtest.h>

#include "platform/qt/Bitmap.h"

namespace tv {

// Bounding box of the pixels that have colour C (right and bottom outside);
// all zero when there is none.
inline TRect BoundsOf(const TBitmap& B, TColor C) {
  TRect r{B.Width(), B.Height(), 0, 0};
  for (int y = 0; y < B.Height(); ++y)
    for (int x = 0; x < B.Width(); ++x)
      if (B.Pixel(x, y) == C) {
        r.Left = std::min(r.Left, x);
        r.Top = std::min(r.Top, y);
        r.Right = std::max(r.Right, x + 1);
        r.Bottom = std::max(r.Bottom, y + 1);
      }
  return r.IsEmpty() ? TRect{} : r;
}

inline int CountOf(const TBitmap& B, TColor C, TRect Within = {0, 0, 1 << 30, 1 << 30}) {
  int n = 0;
  for (int y = std::max(0, Within.Top); y < std::min(B.Height(), Within.Bottom); ++y)
    for (int x = std::max(0, Within.Left); x < std::min(B.Width(), Within.Right); ++x)
      n += B.Pixel(x, y) == C ? 1 : 0;
  return n;
}

// One row of pixels as characters: '#' for colour C, '.' for black, '?' else.
inline std::string RowPattern(const TBitmap& B, int Y, int X0, int X1, TColor C) {
  std::string s;
  for (int x = X0; x < X1; ++x) {
    const TColor p = B.Pixel(x, Y);
    s += p == C ? '#' : p == clBlack ? '.' : '?';
  }
  return s;
}

class QtCanvasTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureGuiApplication(); }
};

}  // namespace tv
