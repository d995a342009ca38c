// Row insertion and deletion inside the grid. Both move the texts of every
// column, hidden ones included, and leave the current cell at its index; the
// row count setter then clamps it, collapses the selection, lays out,
// repaints and notifies. The keyboard fires the row events after them.
#include "grid/TextGrid.h"
#include "platform/CheckedInt.h"

void TTextGrid::InsertRow(std::int32_t Row) {
  HideEditorAndCaret();
  if (Row < 0 || Row >= RowCount_) return;
  // A count the grid cannot take is refused before any text moves.
  const std::int32_t count = tv::CheckedAdd(RowCount_, 1);
  CheckRowsFit(HeaderLines(), count, DefRowHeight_);
  for (std::int32_t c = 0; c < ColCount(); ++c) {
    TCellStrings& strings = Columns_->GetItem(c).Strings();
    strings.PadTo(Row);
    strings.Insert(Row, std::string());
  }
  SetRowCount(count);
}

void TTextGrid::DeleteRow(std::int32_t Row) {
  HideEditorAndCaret();
  if (Row < 0 || Row >= RowCount_) return;
  for (std::int32_t c = 0; c < ColCount(); ++c) {
    TCellStrings& strings = Columns_->GetItem(c).Strings();
    // Only the texts move, each with what was measured of it; every tag
    // stays at its index.
    if (strings.Count() > Row) strings.DeleteText(Row);
  }
  if (CurRow_ == RowCount_ - 1) --CurRow_;
  SetRowCount(RowCount_ - 1);
}
