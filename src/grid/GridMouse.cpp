// The grid's mouse: the hit test that sorts a client point into one of seven
// zones, and the press, move and release handlers. The control's Cursor is
// the state of the mouse handling: a move without the left button sets it
// from the zone, a press acts on the value it holds, moves with the left
// button held carry on the drag it names, a release sets it from the zone
// again. Column sizing and the fill drag are in GridDrags.cpp.
#include <algorithm>

#include "grid/TextGrid.h"
#include "platform/CheckedInt.h"

using tv::CheckedAdd;

namespace {
constexpr std::int16_t ZoneCursors[7] = {crDefault, crGridLeftTop, crGridRight, crGridDown,
                                         crGridPlus, crHSplit,      crGridCross};

bool InRect(const tv::TRect& R, std::int32_t X, std::int32_t Y) {
  return X >= R.Left && X < R.Right && Y >= R.Top && Y < R.Bottom;
}
}  // namespace

std::int16_t TTextGrid::ZoneCursor(std::int32_t Zone) {
  return Zone >= 0 && Zone <= 6 ? ZoneCursors[Zone] : crDefault;
}

// The border search walks the right borders from the left and stops at the
// first one within a pixel of the point: a border of a column that cannot be
// resized hides a later border in the same pixels.
std::int32_t TTextGrid::HitTest(std::int32_t X, std::int32_t Y) {
  const std::int64_t ux = UnscrolledX(X);
  const std::int64_t uy = UnscrolledY(Y);
  bool border = false;
  if (!AutoColWidth_) {
    std::int32_t b = 0;  // ColumnLeft(i)
    for (std::int32_t i = 1; i <= ColCount(); ++i) {
      const TTextColumn& column = Columns_->GetItem(i - 1);
      if (column.Visible()) b = CheckedAdd(b, column.Width());
      if (std::int64_t{b} - 2 < ux && ux < std::int64_t{b} + 2) {
        SizingCol_ = i - 1;
        border = column.CanResize();
        break;
      }
    }
  }
  if (InRect(FillHandleRect_, X, Y)) return 6;
  if (border) return 5;
  if (X < GutterExtent_ && Y < HeaderExtent_) return 1;
  if (X < GutterExtent_ && Y > HeaderExtent_ && uy < RowsExtent_) return 2;
  if (Y < HeaderExtent_ && X > GutterExtent_ && ux < ColumnsExtent_) return 3;
  if (X > GutterExtent_ && Y > HeaderExtent_ && ux < ColumnsExtent_ && uy < RowsExtent_) return 4;
  return 0;
}

void TTextGrid::MouseDown(TMouseButton Button, TShiftState Shift, std::int32_t X, std::int32_t Y) {
  // Every release ends a fill drag: a source still set here was left by a
  // press whose release never came.
  CancelFillDrag();
  const bool left = Button == mbLeft;
  ClickPending_ = left && (Shift & ssDouble) == 0;
  if (left && (Shift & ssDouble) != 0 && OnDblClick) OnDblClick(*this);
  if (Enabled_) {
    switch (Cursor_) {
      case crHSplit:
        HideEditorAndCaret();
        if (SizingCol_ >= 0 && SizingCol_ < ColCount()) SizingColLeft_ = ColumnLeft(SizingCol_);
        break;
      case crGridCross:
        HideEditorAndCaret();
        FillSource_ = SelArea_;
        break;
      default: SelectingPress(Button, Shift, X, Y); break;
    }
    Host_.SetCapture();
    Host_.SetFocus();
  }
  if (OnMouseDown) OnMouseDown(*this, Button, Shift, X, Y);
}

// The presses that select: all, a row, a column or a cell. A Cursor left
// from an earlier hover may no longer fit the grid (the rows or columns
// under it were removed since): then RowAtY or ColumnAtX gives -1, or the
// grid has no cell at all, and the press selects nothing.
void TTextGrid::SelectingPress(TMouseButton Button, TShiftState Shift, std::int32_t X, std::int32_t Y) {
  const bool hasCells = ColCount() > 0 && RowCount_ > 0;
  switch (Cursor_) {
    case crGridLeftTop:
      if (!hasCells) return;
      CurRow_ = 0;
      CurCol_ = 0;
      TypedText_.clear();
      ScrollToCell(0, 0);
      MarkCol_ = ColCount() - 1;
      MarkRow_ = RowCount_ - 1;
      SetSelArea({0, 0, ColCount() - 1, RowCount_ - 1});
      NotifyColRowChanged();
      break;
    case crGridRight: {
      const std::int32_t row = RowAtY(Y);
      if (!hasCells || row == -1) return;
      CurRow_ = row;
      CurCol_ = 0;
      DragStartIndex_ = row;
      TypedText_.clear();
      ScrollToCell(CurCol_, CurRow_);
      MarkCol_ = ColCount() - 1;
      MarkRow_ = CurRow_;
      HandleCorner_ = 2;
      SetSelAreaEx({0, CurRow_, ColCount() - 1, CurRow_}, true);
      NotifyColRowChanged();
      if (OnGutterClick) OnGutterClick(*this, CurRow_, Button, Shift);
      break;
    }
    case crGridDown: {
      const std::int32_t col = ColumnAtX(X);
      if (!hasCells || col == -1) return;
      CurCol_ = col;
      CurRow_ = 0;
      DragStartIndex_ = col;
      TypedText_.clear();
      ScrollToCell(CurCol_, CurRow_);
      MarkCol_ = CurCol_;
      MarkRow_ = RowCount_ - 1;
      HandleCorner_ = 1;
      SetSelAreaEx({CurCol_, 0, CurCol_, RowCount_ - 1}, true);
      NotifyColRowChanged();
      if (OnHeaderClick) OnHeaderClick(*this, CurCol_, Button, Shift);
      break;
    }
    case crGridPlus: {
      if (!hasCells) return;
      TypedText_.clear();
      const tv::TPoint cell = CellAtPoint(X, Y);
      if (cell.X == CurCol_ && cell.Y == CurRow_) {
        ScrollToCell(CurCol_, CurRow_);
        // Never over a cell nobody sees (a hidden current column, or the
        // first column reached left of the cells while it is hidden).
        if (!Columns_->GetItem(CurCol_).ReadOnly() && !ReadOnly_ && CurrentCellVisible()) {
          EditorActive_ = true;
          InplaceEditor_->ShowEdit(CurCol_, CurRow_);
        }
      } else {
        ScrollToCell(cell.X, cell.Y);
        CurCol_ = cell.X;
        CurRow_ = cell.Y;
        MarkCol_ = cell.X;
        MarkRow_ = cell.Y;
        SetSelArea({cell.X, cell.Y, cell.X, cell.Y});
      }
      NotifyColRowChanged();
      break;
    }
    default: break;
  }
}

void TTextGrid::MouseMove(TShiftState Shift, std::int32_t X, std::int32_t Y) {
  if (!Enabled_) {
    SetCursor(crDefault);
  } else if ((Shift & ssLeft) == 0) {
    SetCursor(ZoneCursor(HitTest(X, Y)));
  } else if (Cursor_ == crHSplit) {
    SizingStep(X);
  } else if (HasCurrentCell()) {
    // The selecting drags span from the current cell to a cell they reach.
    switch (Cursor_) {
      case crGridPlus: {
        const tv::TPoint cell = CellAtPoint(X, Y);
        MarkCol_ = cell.X;
        MarkRow_ = cell.Y;
        SetSelArea({std::min(cell.X, CurCol_), std::min(cell.Y, CurRow_), std::max(cell.X, CurCol_),
                    std::max(cell.Y, CurRow_)});
        ScrollToCell(MarkCol_, MarkRow_);
        break;
      }
      case crGridRight: {
        const std::int32_t row = RowAtY(Y);
        if (row == -1 || row == DragStartIndex_) break;
        DragStartIndex_ = row;
        MarkRow_ = row;
        HandleCorner_ = 2;
        SetSelAreaEx({0, std::min(row, CurRow_), ColCount() - 1, std::max(row, CurRow_)}, true);
        break;
      }
      case crGridDown: {
        const std::int32_t col = ColumnAtX(X);
        if (col == -1 || col == DragStartIndex_) break;
        DragStartIndex_ = col;
        MarkCol_ = col;
        HandleCorner_ = 1;
        SetSelAreaEx({std::min(col, CurCol_), 0, std::max(col, CurCol_), RowCount_ - 1}, true);
        break;
      }
      case crGridCross: FillStep(X, Y); break;
      default: break;
    }
  }
  if (OnMouseMove) OnMouseMove(*this, Shift, X, Y);
}

// A click is a single left press released inside the client area. A fill
// drag ends at every release: dropped when the release comes over the fill
// handle, given up otherwise (a drag begun with another button and released
// elsewhere), so that no source block outlives its press. The capture and
// DragStartIndex are given back also when the drop raises (a cell event's
// handler); the Cursor then stays until the next move.
void TTextGrid::MouseUp(TMouseButton Button, TShiftState Shift, std::int32_t X, std::int32_t Y) {
  if (Button == mbLeft && ClickPending_) {
    ClickPending_ = false;
    const tv::TRect client = Host_.ClientRect();
    if (InRect(client, X, Y) && OnClick) OnClick(*this);
  }
  try {
    if (Cursor_ == crGridCross) {
      FillDrop();
    } else {
      CancelFillDrag();
    }
    SetCursor(ZoneCursor(HitTest(X, Y)));
  } catch (...) {
    EndMouseDrag();
    throw;
  }
  EndMouseDrag();
  if (OnMouseUp) OnMouseUp(*this, Button, Shift, X, Y);
}

void TTextGrid::CancelMouseDrag() {
  ClickPending_ = false;
  CancelFillDrag();
  EndMouseDrag();
}

void TTextGrid::EndMouseDrag() {
  Host_.ReleaseCapture();
  DragStartIndex_ = -1;
}
