// The Qt canvas's own measure of a long text (see tv::TTextMeasure and
// MeasuredText.cpp): what it keeps beside a text so as to lay out and draw
// only the part of it that shows. Read by nothing outside the Qt canvas but
// its tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/canvas/Canvas.h"

namespace tv {

// A place where the canvas may cut a text: the byte offset into the UTF-8
// text and the exact pen position there, in pixels with their fraction,
// from the start of the text.
struct TTextMark {
  std::size_t Byte = 0;
  double X = 0;
  // Places after it (byte offsets TriedFrom .. TriedTo - 1) where a search
  // found that the text may not be cut, nor at a break up to the next mark.
  std::size_t TriedFrom = 0, TriedTo = 0;
};

// Where a text may be cut: nowhere (it is measured and drawn whole), only
// between two letters of the Latin, Greek or Cyrillic script, or only
// between two signs (a text without letters).
enum class TTextCuts : std::uint8_t { None, BetweenLetters, BetweenSigns };

struct TQtTextMeasure final : TTextMeasure {
  std::string Font;                   // the font it holds for, as TQtCanvas names it
  std::int32_t Width = -1;            // the width of a text that may be cut; -1: not measured yet
  TTextCuts Cuts = TTextCuts::None;
  double Overhang = 0;                // the most a glyph's ink reaches past its advance, pixels
  std::vector<TTextMark> Marks;       // by byte offset; the first is the start, (0, 0)
  // Byte offsets at which Qt lays the text out in separate runs anyway, in
  // order; nothing joins the glyphs on either side of one.
  std::vector<std::size_t> Breaks;
};

}  // namespace tv
