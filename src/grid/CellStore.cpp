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

const std::string& TTextGrid::StoredCellText(std::int32_t Col, std::int32_t Row,
                                             std::unique_ptr<tv::TTextMeasure>*& Measure) const {
  static const std::string none;
  const TCellStrings& strings = Columns_->GetItem(Col).Strings();
  Measure = nullptr;
  if (strings.Count() <= Row) return none;
  Measure = strings.Measure(Row);
  return strings[Row];
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

// A block reaching beyond the grid on any side (or past columns deleted
// since it was added) covers only the cells that exist, so that it can stop
// neither a layout run nor a paint pass.
const TMergedCell& TTextGrid::MergedCellInGrid(std::int32_t Index, tv::TRect& Span) const {
  if (Index < 0 || static_cast<std::size_t>(Index) >= MergedCells_.size()) throw tv::EListError(Index);
  const TMergedCell& cell = *MergedCells_[static_cast<std::size_t>(Index)];
  Span = {std::max(cell.Span.Left, 0), std::max(cell.Span.Top, 0), std::min(cell.Span.Right, ColCount() - 1),
          std::min(cell.Span.Bottom, RowCount_ - 1)};
  return cell;
}

void TTextGrid::ApplyMergedCells() {
  for (std::size_t i = 0; i < MergedCells_.size(); ++i) {
    tv::TRect span;
    MergedCellInGrid(static_cast<std::int32_t>(i), span);
    for (std::int32_t x = span.Left; x <= span.Right; ++x) {
      for (std::int32_t y = span.Top; y <= span.Bottom; ++y) {
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
