// The mappings between cell indices and pixels. They read the column widths
// and visibility as they are now and the extents and offsets of the last
// layout and scroll; they change nothing. Also the walkers over the visible
// columns that keyboard navigation uses.
#include <algorithm>

#include "grid/TextGrid.h"
#include "platform/CheckedInt.h"

using tv::CheckedAdd;
using tv::CheckedSub;

std::int32_t TTextGrid::ColumnLeft(std::int32_t Col) const {
  std::int32_t left = 0;
  for (std::int32_t c = 0; c < Col; ++c) {
    const TTextColumn& column = Columns_->GetItem(c);
    if (column.Visible()) left = CheckedAdd(left, column.Width());
  }
  return left;
}

tv::TRect TTextGrid::CellBounds(std::int32_t Col, std::int32_t Row) const {
  if (Col == -1 || Row == -1) return {};
  const std::int32_t left = ColumnLeft(Col);
  const TTextColumn& column = Columns_->GetItem(Col);
  const std::int32_t top = tv::CheckedMul(Row, DefRowHeight_);
  const std::int32_t width = column.Visible() ? column.Width() : 0;
  return {CheckedSub(left, 1), CheckedSub(top, 1), CheckedAdd(left, width), CheckedAdd(top, DefRowHeight_)};
}

std::int32_t TTextGrid::DX() const { return CheckedSub(GutterExtent_, ScrollX_); }
std::int32_t TTextGrid::DY() const { return CheckedSub(HeaderExtent_, ScrollY_); }

tv::TRect TTextGrid::ToClientRect(const tv::TRect& Rect) const {
  const std::int32_t dx = DX(), dy = DY();
  return {CheckedAdd(Rect.Left, dx), CheckedAdd(Rect.Top, dy), CheckedAdd(Rect.Right, dx),
          CheckedAdd(Rect.Bottom, dy)};
}

std::int64_t TTextGrid::UnscrolledX(std::int32_t X) const { return std::int64_t{X} + ScrollX_ - GutterExtent_; }
std::int64_t TTextGrid::UnscrolledY(std::int32_t Y) const { return std::int64_t{Y} + ScrollY_ - HeaderExtent_; }

namespace {
// The column search: the first c (0 .. ColCount) whose left edge is not left
// of the unscrolled x, or ColCount; the column found is c - 1.
std::int32_t SearchColumn(const TTextColumns& Columns, std::int64_t UnscrolledX) {
  std::int32_t c = 0;
  std::int32_t left = 0;  // ColumnLeft(c)
  while (c < Columns.Count() && left < UnscrolledX) {
    const TTextColumn& column = Columns.GetItem(c);
    if (column.Visible()) left = CheckedAdd(left, column.Width());
    ++c;
  }
  return c;
}
}  // namespace

tv::TPoint TTextGrid::CellAtPoint(std::int32_t X, std::int32_t Y) const {
  const std::int32_t c = SearchColumn(*Columns_, UnscrolledX(X));
  const std::int64_t row = std::min<std::int64_t>(UnscrolledY(Y) / DefRowHeight_, RowCount_ - 1);
  return {std::max(0, c - 1), static_cast<std::int32_t>(std::max<std::int64_t>(row, 0))};
}

std::int32_t TTextGrid::ColumnAtX(std::int32_t X) const {
  if (X < GutterExtent_) return -1;
  const std::int32_t c = SearchColumn(*Columns_, UnscrolledX(X));
  return c - 1 >= 0 ? c - 1 : -1;
}

std::int32_t TTextGrid::RowAtY(std::int32_t Y) const {
  if (Y < HeaderExtent_) return -1;
  const std::int64_t r = UnscrolledY(Y) / DefRowHeight_;
  return r <= RowCount_ - 1 ? static_cast<std::int32_t>(r) : -1;
}

// --- The visible columns -------------------------------------------------------------

std::int32_t TTextGrid::VisibleColumnsWidth() const {
  std::int32_t width = 0;
  for (std::int32_t c = 0; c < ColCount(); ++c) {
    const TTextColumn& column = Columns_->GetItem(c);
    if (column.Visible()) width = CheckedAdd(width, column.Width());
  }
  return width;
}

std::int32_t TTextGrid::FirstVisibleColumn() const {
  for (std::int32_t c = 0; c < ColCount(); ++c) {
    if (Columns_->GetItem(c).Visible()) return c;
  }
  return -1;
}

std::int32_t TTextGrid::LastVisibleColumn() const {
  for (std::int32_t c = ColCount() - 1; c >= 0; --c) {
    if (Columns_->GetItem(c).Visible()) return c;
  }
  return -1;
}

std::int32_t TTextGrid::NextVisibleColumn(std::int32_t C) const {
  if (ColCount() == 0 || C >= ColCount()) return C;
  for (std::int32_t c = C + 1; c < ColCount(); ++c) {
    if (Columns_->GetItem(c).Visible()) return c;
  }
  return C;
}

std::int32_t TTextGrid::PriorVisibleColumn(std::int32_t C) const {
  if (ColCount() == 0 || C <= 0) return C;
  for (std::int32_t c = C - 1; c >= 0; --c) {
    if (Columns_->GetItem(c).Visible()) return c;
  }
  return C;
}
