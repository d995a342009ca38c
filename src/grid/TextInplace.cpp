// The in-place editor's behaviour: its place over a cell, the store of every
// change of its text, the keys that close it and the filter of its
// characters. The edit field itself is the host's.
#include "grid/TextInplace.h"

#include "grid/TextGrid.h"
#include "platform/CheckedInt.h"

using tv::CheckedAdd;
using tv::CheckedSub;

// The field lies over the cell's rectangle (one pixel wider on the right for
// a right-aligned column) less 4 pixels left and right and 3 top and bottom,
// one text line high ("gM" measured in the column's font, the font the field
// shows), its top by the column's vertical alignment. For a cell at client
// (x, y), W wide, D high and a line of H: left x + 3, width W - 7 (W - 6
// right-aligned), top y + 1 (vaTop), y + 2 + (D - 5 - H) div 2 (vaCenter) or
// y + D - 2 - H (vaBottom).
void TTextInplace::ShowEdit(std::int32_t ACol, std::int32_t ARow) {
  TTextGridHost& host = OwnerGrid_.Host();
  if (TTextGrid::CaretShown) host.HideCaret();
  TTextGrid::CaretShown = false;
  EditCol_ = ACol;
  EditRow_ = ARow;
  Changed_ = false;
  CellGone_ = false;
  CellMoved_ = false;
  Text_.clear();
  const TTextColumn& column = OwnerGrid_.Columns().GetItem(ACol);
  const tv::TColor color = OwnerGrid_.CellColor(ACol, ARow);
  SetAlignment(column.HorzAlign());
  const std::string text = OwnerGrid_.CellTextOrEmpty(ACol, ARow);
  const tv::TFont font = column.Font();
  tv::TRect r = OwnerGrid_.ToClientRect(OwnerGrid_.CellBounds(ACol, ARow));
  if (EditAlignment_ == haRight) r.Right = CheckedAdd(r.Right, 1);
  r = {CheckedAdd(r.Left, 4), CheckedAdd(r.Top, 3), CheckedSub(r.Right, 4), CheckedSub(r.Bottom, 3)};
  tv::TCanvas& canvas = OwnerGrid_.Canvas();
  canvas.Font = font;
  const std::int32_t h = canvas.TextHeight("gM");
  std::int32_t top = 0;
  switch (column.VertAlign()) {
    case vaTop: top = CheckedSub(r.Top, 1); break;
    case vaCenter: top = CheckedAdd(r.Top, CheckedSub(CheckedSub(r.Bottom, r.Top), h) / 2); break;
    case vaBottom: top = CheckedAdd(CheckedSub(r.Bottom, h), 1); break;
  }
  host.ShowEditor({r.Left, top, r.Right, CheckedAdd(top, h)}, text, font, color, EditAlignment_);
}

void TTextInplace::HideEdit() {
  TTextGridHost& host = OwnerGrid_.Host();
  if (host.EditorVisible()) host.HideEditor();
  OwnerGrid_.EditorActive_ = false;
}

// The field keeps what was typed even when the store refuses or alters it.
void TTextInplace::Change(const std::string& Text) {
  Changed_ = true;
  Text_ = Text;
  OwnerGrid_.StoreCellText(EditCol_, EditRow_, Text, true);
}

void TTextInplace::ColumnDeleted(std::int32_t Index) {
  if (Index == EditCol_) {
    CellGone_ = true;
  } else if (Index < EditCol_) {
    --EditCol_;
    CellMoved_ = true;
  }
}

bool TTextInplace::ChangedText(std::string& Text) const {
  if (!Changed_) return false;
  Text = Text_;
  return true;
}

// Up and Down leave the current cell where it is; Escape brings nothing
// back, as every change is stored already.
bool TTextInplace::KeyDown(TVirtualKey Key, TShiftState) {
  if (Key != VK_RETURN && Key != VK_ESCAPE && Key != VK_UP && Key != VK_DOWN) return false;
  HideEdit();
  OwnerGrid_.Host().SetFocus();
  return true;
}

void TTextInplace::KeyPress(TChar& Key) {
  bool allowed = true;
  if (OwnerGrid_.OnFilterChar) OwnerGrid_.OnFilterChar(*this, EditCol_, EditRow_, Key, allowed);
  if (!allowed && Key != 8) Key = 0;
}
