// The selected block, its collapse onto the current cell and its extension
// to the moving corner, the current row followed from another grid, the
// typing caret and the keyboard focus. Nothing here paints: every change
// invalidates, and the caret lives in the host's window while it has the focus.
#include <algorithm>

#include "grid/TextGrid.h"
#include "platform/CheckedInt.h"

// The pixels are found before anything changes: a block that the grid
// cannot place (a column outside the columns, a row beyond the pixel range)
// raises with the selection, the editor and the caret as they were.
void TTextGrid::SetSelAreaEx(const tv::TRect& Area, bool Force) {
  if (Area == SelArea_ && !Force) return;
  const tv::TRect& old = SelArea_;
  const tv::TRect span{std::min(old.Left, Area.Left), std::min(old.Top, Area.Top), std::max(old.Right, Area.Right),
                       std::max(old.Bottom, Area.Bottom)};
  // The frame around the block and the fill handle reach 3 pixels beyond it
  // (within the 32-bit range, which a block of the widest columns reaches).
  const tv::TRect invalid = tv::InflateRect(BlockRect(span), 3, 3);
  HideEditorAndCaret();
  SelArea_ = Area;
  Host_.InvalidateRect(invalid);
  if (GutterKind_ == gkPointer) InvalidateGutter();
}

tv::TRect TTextGrid::BlockRect(const tv::TRect& Block) const {
  const tv::TRect first = CellBounds(Block.Left, Block.Top);
  const tv::TRect last = CellBounds(Block.Right, Block.Bottom);
  return ToClientRect({first.Left, first.Top, last.Right, last.Bottom});
}

void TTextGrid::SetCurrentRow(std::int32_t ARow) {
  if (ARow == CurRow_) return;
  HideEditorAndCaret();
  CurRow_ = ARow;
  MarkRow_ = ARow;
  MarkCol_ = CurCol_;
  TypedText_.clear();
  SetSelArea({CurCol_, ARow, CurCol_, ARow});
  InvalidateBelow(HeaderExtent_);
  NotifyColRowChanged();
}

void TTextGrid::CollapseSelection() {
  HideEditorAndCaret();
  {
    TPaintLock lock(*this);
    TypedText_.clear();
    MarkCol_ = CurCol_;
    MarkRow_ = CurRow_;
    ScrollToCell(CurCol_, CurRow_);
  }
  SetSelArea({CurCol_, CurRow_, CurCol_, CurRow_});
  NotifyColRowChanged();
}

void TTextGrid::ExtendSelection() {
  SetSelArea({std::min(MarkCol_, CurCol_), std::min(MarkRow_, CurRow_), std::max(MarkCol_, CurCol_),
              std::max(MarkRow_, CurRow_)});
  ScrollToCell(MarkCol_, MarkRow_);
}

void TTextGrid::ShowTypingCaret() {
  if (!CaretShown) Host_.ShowCaret();
  CaretShown = true;
}

void TTextGrid::WMSetFocus() {
  Host_.CreateCaret(1, tv::CheckedSub(DefRowHeight_, 2));
  CaretShown = false;
  InvalidateCells();
}

void TTextGrid::WMKillFocus(bool ToInplaceEditor) {
  if (!ToInplaceEditor) HideEditorAndCaret();
  Host_.DestroyCaret();
  CaretShown = false;
  if (!EditorActive_) InvalidateCells();
}

void TTextGrid::HideEditorAndCaret() {
  if (CaretShown) Host_.HideCaret();
  CaretShown = false;
  InplaceEditor_->HideEdit();
}
