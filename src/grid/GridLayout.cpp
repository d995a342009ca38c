// The layout run, which alone computes the grid's pixel geometry from its
// settings and the client size, and the two count setters.
#include <algorithm>
#include <utility>

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
// over only its own vertical-bar decision. The nested run finds the bars that
// this one chose (see DecideScrollBars), so the nesting ends there.
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

  bool horzBar = false, vertBar = false;
  DecideScrollBars(GutterExtent_, CheckedAdd(HeaderExtent_, footer), horzBar, vertBar);
  if (ColumnsExtent_ < w) ScrollX_ = 0;
  if (RowsExtent_ < h) ScrollY_ = 0;
  ShowScrollBars(horzBar, vertBar);

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

// Each bar takes room from the other: the vertical bar narrows the room of
// the columns, the horizontal one lowers that of the rows. A pair of bars is
// settled when each bar shows exactly when the cells do not fit in the room
// that the client with this pair leaves them, the client as the host gives
// it for each pair (a window smaller than a bar has no room left beside it,
// not a negative one). The bars shown now stay when they are settled; else
// the layout takes the fewest settled bars. Where the columns just fit
// without the vertical bar and the rows just fit without the horizontal
// one, both "none" and "both" are settled: a grid showing both keeps them,
// one showing a single bar goes to none. FixedWidth is what the gutter
// takes of the client's width, FixedHeight what the header and the footer
// take of its height.
//
// With FitToWidth the columns take what a fit makes of their room: a run
// whose fit has FitSkipColumn spent makes them FittedExtent of it. A bar
// whose change alters the client brings such a run (the size message's);
// where the chosen bars leave the client as it is, none comes, and the fit
// that left the skipped column out runs again here, as that run's would.
//
// Why every size settles:
// 1. A bar added never widens the room (the host's promise), so a bar that
//    the cells need beside fewer bars they need beside more. With FitToWidth
//    the columns need their bar exactly when the narrowest the fit can make
//    them is wider than the room, which holds the more, the less room.
// 2. Hence, starting from none, each round can only add bars: at most two
//    rounds add one, and the next changes nothing. That is the fewest
//    settled pair, found from the rows and the narrowest columns alone.
// 3. Showing a bar that changes the client nests a run through the size
//    message. With the chosen pair shown, that run reads the client the
//    host gave here for the pair and columns as FittedExtent foretold, finds
//    the pair settled and shows nothing: the nesting ends. Between the two
//    bars (the horizontal one changed, the vertical one not yet), the run
//    meets a pair that need not be settled. The width of each room depends
//    on the vertical bar alone (the host's promise), so its fit has the
//    outer run's width: it can only shrink the columns, which leaves their
//    narrowest as it was. So the run either finds that pair settled and
//    shows nothing (the outer run then shows the vertical bar, whose run
//    ends as above), or takes the outer run's fewest settled pair and shows
//    the vertical bar itself. A layout nests at most three runs deep.
void TTextGrid::DecideScrollBars(std::int32_t FixedWidth, std::int32_t FixedHeight, bool& Horz, bool& Vert) {
  // The bars the cells need beside the bars H2 and V2, the columns as wide
  // as they are or, with Fitted, as the fit will make them for that room.
  const auto needs = [&](bool H2, bool V2, bool Fitted) {
    const tv::TRect client = Host_.ClientRectWith(H2, V2);
    const std::int64_t w = std::int64_t{client.Right} - FixedWidth, h = std::int64_t{client.Bottom} - FixedHeight;
    return std::pair{(Fitted ? FittedExtent(w) : std::int64_t{ColumnsExtent_}) > w, RowsExtent_ > h};
  };
  Horz = Host_.ScrollBarShown(SB_HORZ);
  Vert = Host_.ScrollBarShown(SB_VERT);
  if (needs(Horz, Vert, false) == std::pair{Horz, Vert}) return;
  Horz = false;
  Vert = false;
  for (int round = 0; round < 3; ++round) {
    const auto [horz, vert] = needs(Horz, Vert, FitToWidth_);
    if (horz == Horz && vert == Vert) break;
    Horz = horz;
    Vert = vert;
  }
  const tv::TRect client = Host_.ClientRect();
  if (FitToWidth_ && Host_.ClientRectWith(Horz, Vert) == client) FitColumns(CheckedSub(client.Right, FixedWidth));
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

// The fit hands out one pixel at a time, walking the columns from the first
// to the last and round again, to each column that may grow, or takes one
// from each that may shrink, until the columns fill W. A column may grow
// when it is visible and resizable, and shrink when besides it is not
// FitSkipColumn and wider than MinColumnWidth, the least a dragged border
// leaves. What the walk comes to: a difference of D pixels over N columns
// moves each by D div N and the first D mod N of them, in index order, by
// one pixel more, as long as none reaches that least width; one that does
// stays there and the rest share what is left. Where no column can give
// more, the columns stay wider than W.
void TTextGrid::FitColumns(std::int32_t W) {
  const auto share = [&](bool Shrink) {
    // Each movable column with how far it may still move (for growing, as
    // far as the difference).
    const std::int64_t d = Shrink ? std::int64_t{ColumnsExtent_} - W : std::int64_t{W} - ColumnsExtent_;
    std::vector<std::pair<TTextColumn*, std::int64_t>> movable;
    for (std::int32_t c = 0; c < ColCount(); ++c) {
      TTextColumn& column = Columns_->GetItem(c);
      const std::int64_t room = FitRoom(c, Shrink, d);
      if (room > 0) movable.emplace_back(&column, room);
    }
    std::vector<std::int64_t> steps(movable.size(), 0);
    std::int64_t left = d;
    while (left > 0) {
      std::int64_t n = 0, least = 0;
      for (std::size_t i = 0; i < movable.size(); ++i) {
        const std::int64_t room = movable[i].second - steps[i];
        if (room <= 0) continue;
        least = n == 0 ? room : std::min(least, room);
        ++n;
      }
      if (n == 0) break;
      // Whole rounds until the first column reaches its limit, or the
      // rounds and part of one that the rest of the difference makes.
      const std::int64_t rounds = std::min(least, left / n);
      std::int64_t extra = rounds < least ? left - rounds * n : 0;
      for (std::size_t i = 0; i < movable.size(); ++i) {
        if (movable[i].second - steps[i] <= 0) continue;
        steps[i] += rounds + (extra > 0 ? 1 : 0);
        if (extra > 0) --extra;
      }
      left -= rounds < least ? left : rounds * n;
    }
    std::int64_t moved = 0;
    for (std::size_t i = 0; i < movable.size(); ++i) {
      TTextColumn& column = *movable[i].first;
      column.WriteWidth(Narrow(column.Width() + (Shrink ? -steps[i] : steps[i])));
      moved += steps[i];
    }
    ColumnsExtent_ = Narrow(ColumnsExtent_ + (Shrink ? -moved : moved));
  };
  if (ColumnsExtent_ < W) share(false);
  if (ColumnsExtent_ > W) share(true);
}

std::int64_t TTextGrid::FitRoom(std::int32_t Col, bool Shrink, std::int64_t Difference) const {
  const TTextColumn& column = Columns_->GetItem(Col);
  if (!column.Visible() || !column.CanResize()) return 0;
  if (!Shrink) return Difference;
  if (Col == FitSkipColumn_) return 0;
  return std::max<std::int64_t>(0, std::int64_t{column.Width()} - MinColumnWidth);
}

std::int64_t TTextGrid::FittedExtent(std::int64_t W) const {
  const bool shrink = ColumnsExtent_ > W;
  const std::int64_t d = shrink ? ColumnsExtent_ - W : W - ColumnsExtent_;
  std::int64_t room = 0;
  for (std::int32_t c = 0; c < ColCount() && room < d; ++c) room += FitRoom(c, shrink, d);
  const std::int64_t moved = std::min(room, d);
  return shrink ? ColumnsExtent_ - moved : ColumnsExtent_ + moved;
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
