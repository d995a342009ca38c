// The layout run, which alone computes the grid's pixel geometry from its
// settings and the client size, and the two count setters.
#include <algorithm>

#include "grid/TextGrid.h"
#include "platform/CheckedInt.h"

using tv::CheckedAdd;
using tv::CheckedMul;
using tv::CheckedSub;

namespace {
std::int32_t Narrow(std::int64_t Value) {
  if (Value < INT32_MIN || Value > INT32_MAX) throw tv::EIntOverflow();
  return static_cast<std::int32_t>(Value);
}
}  // namespace

// A run can nest inside itself: showing or hiding a bar may change the client
// size, and the host then sends a size message (and with it a run) before
// ShowScrollBars returns. From there on this run reads only the fields, which
// the inner run may have rewritten, and the client size afresh; it carries
// over only its own vertical-bar decision.
void TTextGrid::UpdateLayout() {
  ApplyMergedCells();

  std::int32_t visible = 0;
  for (std::int32_t c = 0; c < ColCount(); ++c) visible += Columns_->GetItem(c).Visible() ? 1 : 0;
  if (visible == 0) {
    HeaderExtent_ = 0;
    GutterExtent_ = 0;
    ColumnsExtent_ = 0;
    RowsExtent_ = 0;
    ShowScrollBars(false, false);
    return;
  }

  if (AutoColWidth_) {
    Canvas().Font = Font_;
    for (std::int32_t c = 0; c < ColCount(); ++c) {
      Columns_->GetItem(c).WriteWidth(std::max(DefColWidth_, MeasureColumn(c)));
    }
  }

  GutterExtent_ = GutterKind_ != gkNone ? GutterWidth_ : 0;
  HeaderExtent_ = CheckedMul(HeaderLines(), DefRowHeight_);
  RowsExtent_ = CheckedMul(RowCount_, DefRowHeight_);
  const std::int32_t footer = ShowFooter_ ? DefRowHeight_ : 0;

  tv::TRect client = Host_.ClientRect();
  const std::int32_t w = CheckedSub(client.Right, GutterExtent_);
  const std::int32_t h = CheckedSub(CheckedSub(client.Bottom, HeaderExtent_), footer);

  std::int32_t extent = 0;
  for (std::int32_t c = 0; c < ColCount(); ++c) {
    const TTextColumn& column = Columns_->GetItem(c);
    if (column.Visible()) extent = CheckedAdd(extent, column.Width());
  }
  ColumnsExtent_ = extent;
  if (FitToWidth_) {
    FitColumns(w);
    FitSkipColumn_ = -1;
  }

  if (ColumnsExtent_ < w) ScrollX_ = 0;
  if (RowsExtent_ < h) ScrollY_ = 0;
  const bool vertBar = RowsExtent_ > h;
  ShowScrollBars(ColumnsExtent_ > w, vertBar);

  client = Host_.ClientRect();
  ScrollXMax_ = std::max(0, CheckedSub(CheckedAdd(ColumnsExtent_, GutterExtent_), client.Right));
  const std::int32_t needed = CheckedAdd(CheckedAdd(RowsExtent_, HeaderExtent_), footer);
  std::int32_t yMax = std::max(0, CheckedSub(needed, client.Bottom));
  if (yMax % DefRowHeight_ > 0) yMax = CheckedMul(yMax / DefRowHeight_ + 1, DefRowHeight_);
  ScrollYMax_ = yMax;

  if (ShowFooter_) {
    FooterTop_ = vertBar ? CheckedSub(CheckedMul(client.Bottom / DefRowHeight_ - 1, DefRowHeight_), 1)
                         : CheckedSub(CheckedMul(CheckedAdd(HeaderLines(), RowCount_), DefRowHeight_), 1);
  }

  ScrollX_ = std::max(0, std::min(ScrollX_, ScrollXMax_));
  ScrollY_ = std::max(0, std::min(ScrollY_, ScrollYMax_));
  UpdateScrollBar(SB_HORZ, ScrollXMax_, ScrollX_, SIF_RANGE | SIF_POS);
  UpdateScrollBar(SB_VERT, ScrollYMax_, ScrollY_, SIF_RANGE | SIF_POS);

  client = Host_.ClientRect();
  UsedWidth_ = std::min(client.Right, CheckedAdd(ColumnsExtent_, GutterExtent_));
  UsedHeight_ = std::min(client.Bottom, needed);
  CellArea_ = {GutterExtent_, HeaderExtent_, client.Right, ShowFooter_ ? FooterTop_ : client.Bottom};
}

void TTextGrid::CheckRowsFit(std::int32_t HeaderLines, std::int32_t Rows, std::int32_t Height) {
  CheckedMul(CheckedAdd(CheckedAdd(HeaderLines, Rows), 1), Height);
}

std::int32_t TTextGrid::MeasureColumn(std::int32_t Col) {
  const TCellStrings& strings = Columns_->GetItem(Col).Strings();
  tv::TCanvas& canvas = Canvas();
  std::int32_t widest = 0;
  for (std::int32_t i = 0; i < strings.Count(); ++i) {
    widest = std::max(widest, CheckedAdd(canvas.TextWidth(strings[i]), 7));
  }
  return std::max(widest, 20);
}

// A difference of D pixels over the N columns that may change moves each by
// D div N and the first D mod N of them, in index order, by one pixel more:
// what handing out one pixel at a time, column after column, comes to. The
// columns that may grow are the visible, resizable ones; those that may
// shrink besides are not FitSkipColumn. There is no lower bound: a narrow
// client takes widths to zero and below.
void TTextGrid::FitColumns(std::int32_t W) {
  const auto share = [&](bool Shrink) {
    std::vector<TTextColumn*> movable;
    for (std::int32_t c = 0; c < ColCount(); ++c) {
      TTextColumn& column = Columns_->GetItem(c);
      if (column.Visible() && column.CanResize() && !(Shrink && c == FitSkipColumn_)) movable.push_back(&column);
    }
    if (movable.empty()) return;
    const std::int64_t d = Shrink ? std::int64_t{ColumnsExtent_} - W : std::int64_t{W} - ColumnsExtent_;
    const std::int64_t n = static_cast<std::int64_t>(movable.size());
    for (std::int64_t i = 0; i < n; ++i) {
      const std::int64_t step = d / n + (i < d % n ? 1 : 0);
      TTextColumn& column = *movable[static_cast<std::size_t>(i)];
      column.WriteWidth(Narrow(column.Width() + (Shrink ? -step : step)));
    }
    ColumnsExtent_ = W;
  };
  if (ColumnsExtent_ < W) share(false);
  if (ColumnsExtent_ > W) share(true);
}

// The count setters leave the moving corner where it was (the shifted arrow
// keys take it back into the grid first). A fill source that no longer lies
// wholly inside belongs to a drag that cannot be dropped any more.
void TTextGrid::ClampCurrentCell() {
  const bool empty = ColCount() == 0 || RowCount_ == 0;
  const auto clamp = [empty](std::int32_t Value, std::int32_t Count) {
    return empty ? -1 : std::max(0, std::min(Value, Count - 1));
  };
  CurCol_ = clamp(CurCol_, ColCount());
  CurRow_ = clamp(CurRow_, RowCount_);
  SelArea_ = {CurCol_, CurRow_, CurCol_, CurRow_};
  CancelFillDragOutsideGrid();
}

void TTextGrid::CancelFillDragOutsideGrid() {
  tv::TRect inside;
  if (!(BlockInGrid(FillSource_, inside) && inside == FillSource_)) CancelFillDrag();
}

bool TTextGrid::BlockInGrid(const tv::TRect& Block, tv::TRect& Inside) const {
  Inside = {std::max(Block.Left, 0), std::max(Block.Top, 0), std::min(Block.Right, ColCount() - 1),
            std::min(Block.Bottom, RowCount_ - 1)};
  return Inside.Left <= Inside.Right && Inside.Top <= Inside.Bottom;
}

void TTextGrid::SetColCount(std::int32_t Value) {
  Value = std::max(Value, 0);
  if (Value == ColCount()) return;
  TTextColumns::TUpdate update(*Columns_);
  while (ColCount() > Value) Columns_->Delete(ColCount() - 1);
  while (ColCount() < Value) Columns_->Add();
  ScrollX_ = 0;
  ScrollY_ = 0;
  ClampCurrentCell();
  update.Close();  // closes an editor left without its cell
  NotifyColRowChanged();
}

void TTextGrid::SetRowCount(std::int32_t Value) {
  Value = std::max(Value, 0);
  if (Value == RowCount_) return;
  CheckRowsFit(HeaderLines(), Value, DefRowHeight_);
  RowCount_ = Value;
  ClampCurrentCell();
  CloseEditorOffGrid();
  UpdateLayout();
  Invalidate();
  NotifyColRowChanged();
}
