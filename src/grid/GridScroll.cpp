// The scroll bars, the scroll messages and the other ways the two pixel
// offsets move. Invariants after each: 0 <= ScrollX <= ScrollXMax and
// 0 <= ScrollY <= ScrollYMax, ScrollY on a row boundary except after a wheel
// step. Nothing repaints at once: the moving band is invalidated.
#include <algorithm>

#include "grid/TextGrid.h"
#include "platform/CheckedInt.h"
#include "platform/Errors.h"

using tv::CheckedAdd;
using tv::CheckedSub;

void TTextGrid::UpdateScrollBar(std::int32_t Kind, std::int32_t Max, std::int32_t Pos, std::int32_t Mask) {
  if (Mask < 0) throw tv::ERangeError();
  Host_.SetScrollInfo(Kind, Max, Pos, Mask);
  if (Kind != SB_VERT || LinkedGrid_ == nullptr) return;
  // The linked grid takes the range into its field only (its own bar keeps
  // its range) and scrolls to the position by its own rows.
  if ((Mask & SIF_RANGE) != 0) LinkedGrid_->ScrollYMax_ = Max;
  if ((Mask & SIF_POS) != 0) LinkedGrid_->SetScrollY(Pos);
}

void TTextGrid::ShowScrollBars(bool Horz, bool Vert) {
  Host_.ShowScrollBar(SB_HORZ, Horz);
  Host_.ShowScrollBar(SB_VERT, Vert);
}

// Moves Offset by the scroll code: a line or a page back or forward, or to
// the thumb position; every other code leaves it.
void TTextGrid::ScrollBy(std::int32_t& Offset, std::int32_t Code, std::int32_t Pos) {
  switch (Code) {
    case SB_LINEUP: Offset = CheckedSub(Offset, LineStep_); break;
    case SB_LINEDOWN: Offset = CheckedAdd(Offset, LineStep_); break;
    case SB_PAGEUP: Offset = CheckedSub(Offset, PageStep_); break;
    case SB_PAGEDOWN: Offset = CheckedAdd(Offset, PageStep_); break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: Offset = Pos; break;
    default: break;
  }
}

void TTextGrid::WMHScroll(std::int32_t Code, std::int32_t Pos) {
  HideEditorAndCaret();
  const std::int32_t old = ScrollX_;
  ScrollBy(ScrollX_, Code, Pos);
  ScrollX_ = std::max(0, std::min(ScrollXMax_, ScrollX_));
  if (ScrollX_ == old) return;
  UpdateScrollBar(SB_HORZ, 0, ScrollX_, SIF_POS);
  InvalidateRightOf(GutterExtent_);
}

void TTextGrid::WMVScroll(std::int32_t Code, std::int32_t Pos) {
  HideEditorAndCaret();
  const std::int32_t old = ScrollY_;
  ScrollBy(ScrollY_, Code, Pos);
  ScrollY_ = std::max(0, std::min(ScrollYMax_, ScrollY_));
  SnapScrollY();
  if (ScrollY_ == old) return;
  UpdateScrollBar(SB_VERT, 0, ScrollY_, SIF_POS);
  InvalidateBelow(HeaderExtent_);
}

void TTextGrid::SnapScrollY() { ScrollY_ = tv::CheckedMul(ScrollY_ / DefRowHeight_, DefRowHeight_); }

void TTextGrid::SetScrollX(std::int32_t Value) {
  if (Value == ScrollX_) return;
  ScrollX_ = std::max(0, std::min(ScrollXMax_, Value));
  UpdateScrollBar(SB_HORZ, 0, ScrollX_, SIF_POS);
  InvalidateRightOf(GutterExtent_);
}

void TTextGrid::SetScrollY(std::int32_t Value) {
  if (Value == ScrollY_) return;
  ScrollY_ = std::max(0, std::min(ScrollYMax_, Value));
  SnapScrollY();
  UpdateScrollBar(SB_VERT, 0, ScrollY_, SIF_POS);
  InvalidateBelow(HeaderExtent_);
}

void TTextGrid::WMMouseWheel(std::int16_t Delta) {
  const std::int32_t old = ScrollY_;
  ScrollY_ = std::max(0, std::min(ScrollYMax_, CheckedSub(ScrollY_, Delta)));
  if (ScrollY_ == old) return;
  UpdateScrollBar(SB_VERT, 0, ScrollY_, SIF_POS);
  Invalidate();
}

// A column wider than the cell area can never be wholly in view. Taken like
// any other, one edge rule would undo the other on the next call (the left
// edge put at the gutter pushes the right edge out, and back), so the view
// would jump on every mouse move of a drag. Such a column counts as in view
// while it covers the whole width of the cell area, which either edge rule
// leaves it doing; with both edges out it covers it already and stays put.
void TTextGrid::ScrollToCell(std::int32_t Col, std::int32_t Row) {
  if (Col == -1 || Row == -1) return;
  const tv::TRect client = Host_.ClientRect();
  if (client.Right > UsedWidth_ && client.Bottom > UsedHeight_) return;
  const std::int32_t h = DefRowHeight_;

  const std::int32_t top = ScrollY_ / h;
  std::int32_t span = CheckedSub(client.Bottom, HeaderExtent_) / h - 1;
  if (ShowFooter_) --span;
  const std::int32_t last = CheckedAdd(top, span);
  std::int32_t newY = ScrollY_;
  if (Row < top) newY = tv::CheckedMul(Row, h);
  if (Row > last) newY = tv::CheckedMul(CheckedSub(Row, span), h);
  const bool rowOut = Row < top || Row > last;

  const std::int32_t width = Columns_->GetItem(Col).Width();
  const std::int32_t left = CheckedAdd(CheckedSub(ColumnLeft(Col), ScrollX_), GutterExtent_);
  const std::int32_t right = CheckedAdd(left, width);
  const bool leftOut = left < GutterExtent_;
  const bool rightOut = right > client.Right;
  const bool wide = width > CheckedSub(client.Right, GutterExtent_);
  const bool coversArea = wide && left <= GutterExtent_ && right >= CheckedSub(client.Right, 1);
  const bool colOut = (leftOut || rightOut) && !coversArea;
  std::int32_t newX = ScrollX_;
  if (colOut && leftOut) {
    newX = std::max(0, CheckedSub(CheckedAdd(ScrollX_, left), GutterExtent_));
  } else if (colOut) {
    newX = std::min(ScrollXMax_, CheckedAdd(CheckedSub(CheckedAdd(ScrollX_, right), client.Right), 1));
  }

  if (rowOut && colOut) {
    // Within range already for a cell of the grid; clamped for any other.
    ScrollX_ = std::max(0, std::min(ScrollXMax_, newX));
    ScrollY_ = std::max(0, std::min(ScrollYMax_, newY));
    UpdateScrollBar(SB_HORZ, 0, ScrollX_, SIF_POS);
    UpdateScrollBar(SB_VERT, 0, ScrollY_, SIF_POS);
    Invalidate();
  } else if (rowOut) {
    SetScrollY(newY);
  } else if (colOut) {
    SetScrollX(newX);
  }
}
