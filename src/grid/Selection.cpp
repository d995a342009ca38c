// The selected block, the current row followed from another grid, and the
// hiding of the in-place editor and the typing caret.
#include <algorithm>

#include "grid/TextGrid.h"

void TTextGrid::SetSelAreaEx(const tv::TRect& Area, bool Force) {
  if (Area == SelArea_ && !Force) return;
  HideEditorAndCaret();
  const tv::TRect old = SelArea_;
  SelArea_ = Area;
  const tv::TRect span{std::min(old.Left, Area.Left), std::min(old.Top, Area.Top), std::max(old.Right, Area.Right),
                       std::max(old.Bottom, Area.Bottom)};
  // The frame around the block and the fill handle reach 3 pixels beyond it.
  Host_.InvalidateRect(tv::InflateRect(BlockRect(span), 3, 3));
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

void TTextGrid::HideEditorAndCaret() {
  if (CaretShown) Host_.HideCaret();
  CaretShown = false;
  InplaceEditor_->HideEdit();
}

void TTextInplace::HideEdit() {
  TTextGridHost& host = OwnerGrid_.Host();
  if (host.EditorVisible()) host.HideEditor();
  OwnerGrid_.EditorActive_ = false;
}
