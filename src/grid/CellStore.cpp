// The cell texts and tags, kept in the columns' string lists, and the merged
// cells' effect on them.
#include <algorithm>

#include "grid/TextGrid.h"
#include "platform/Errors.h"

namespace {
[[noreturn]] void ThrowCellIndex() { throw tv::ERangeError("Cell Index out of bound."); }
}  // namespace

std::string TTextGrid::GetCellText(std::int32_t Col, std::int32_t Row) const {
  if (Col > ColCount() - 1 || Row > RowCount_ - 1) ThrowCellIndex();
  return CellTextOrEmpty(Col, Row);
}

std::string TTextGrid::CellTextOrEmpty(std::int32_t Col, std::int32_t Row) const {
  const TCellStrings& strings = Columns_->GetItem(Col).Strings();
  return strings.Count() > Row ? strings[Row] : std::string();
}

void TTextGrid::StoreCellText(std::int32_t Col, std::int32_t Row, const std::string& Text, bool ByUser) {
  if (ColCount() == 0 || RowCount_ == 0) return;
  if (Col > ColCount() - 1 || Row > RowCount_ - 1) ThrowCellIndex();
  TTextColumn& column = Columns_->GetItem(Col);
  if (ByUser && column.ReadOnly()) return;
  column.Strings().PadTo(Row + 1);
  if (column.Strings()[Row] == Text) return;
  if (ByUser) {
    bool canChange = true;
    if (OnCellChanging) OnCellChanging(*this, Col, Row, canChange);
    if (!canChange) return;
    std::string str = Text;
    if (OnCellChange) OnCellChange(*this, Col, Row, str);
    // The handlers may have changed the columns: look the cell up again.
    if (Col > ColCount() - 1 || Row > RowCount_ - 1) ThrowCellIndex();
    TCellStrings& strings = Columns_->GetItem(Col).Strings();
    strings.PadTo(Row + 1);
    strings.Put(Row, std::move(str));
  } else {
    column.Strings().Put(Row, Text);
  }
  if (!PaintLocked_) RepaintCellText(Col, Row, false);
}

std::int32_t TTextGrid::GetCellTag(std::int32_t Col, std::int32_t Row) const {
  if (Col > ColCount() - 1 || Row > RowCount_ - 1) ThrowCellIndex();
  const TCellStrings& strings = Columns_->GetItem(Col).Strings();
  return strings.Count() > Row ? strings.Tag(Row) : 0;
}

void TTextGrid::SetCellTag(std::int32_t Col, std::int32_t Row, std::int32_t Tag) {
  if (Col > ColCount() - 1 || Row > RowCount_ - 1) ThrowCellIndex();
  TCellStrings& strings = Columns_->GetItem(Col).Strings();
  strings.PadTo(Row + 1);
  strings.SetTag(Row, Tag);
}

// Rows at or beyond RowCount are skipped like columns beyond the last one,
// so that a merged cell reaching past the grid cannot stop a layout run.
void TTextGrid::ApplyMergedCells() {
  for (std::size_t i = 0; i < MergedCells_.size(); ++i) {
    const tv::TRect span = MergedCells_[i]->Span;
    const std::int32_t lastCol = std::min(span.Right, ColCount() - 1);
    const std::int32_t lastRow = std::min(span.Bottom, RowCount_ - 1);
    for (std::int32_t x = span.Left; x <= lastCol; ++x) {
      for (std::int32_t y = span.Top; y <= lastRow; ++y) {
        StoreCellText(x, y, std::string(), false);
        SetCellTag(x, y, -2);
      }
    }
  }
}

void TTextGrid::ClearMergedCells() {
  for (std::int32_t c = 0; c < ColCount(); ++c) {
    TCellStrings& strings = Columns_->GetItem(c).Strings();
    for (std::int32_t r = 0; r < strings.Count(); ++r) strings.SetTag(r, 0);
  }
  MergedCells_.clear();
}
