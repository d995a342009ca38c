// Construction and destruction of the grid, its property setters, its window
// notices and the invalidation helpers.
#include "grid/TextGrid.h"

#include <algorithm>

#include "platform/CheckedInt.h"

TTextGrid::TTextGrid(TTextGridHost& Host)
    : Host_(Host),
      Columns_(std::make_unique<TTextColumns>(*this)),
      InplaceEditor_(std::make_unique<TTextInplace>(*this)) {}

TTextGrid::~TTextGrid() {
  ClearMergedCells();
  MergedCells_.clear();
  GutterStrings_.clear();
  InplaceEditor_.reset();
  Columns_.reset();
  ClearHeaderCells();
  SetLinkedGrid(nullptr);
  for (TTextGrid* follower : LinkedFrom_) follower->LinkedGrid_ = nullptr;
}

void TTextGrid::CreateWnd() {
  Host_.SetCursor(Cursor_);
  ShowScrollBars(false, false);
  UpdateLayout();
}

void TTextGrid::SetLinkedGrid(TTextGrid* Grid) {
  if (Grid == LinkedGrid_) return;
  if (LinkedGrid_ != nullptr) {
    auto& from = LinkedGrid_->LinkedFrom_;
    from.erase(std::remove(from.begin(), from.end(), this), from.end());
  }
  LinkedGrid_ = Grid;
  if (Grid != nullptr && Grid != this) Grid->LinkedFrom_.push_back(this);
}

void TTextGrid::AddMergedCell(const TMergedCell& Cell) { MergedCells_.push_back(std::make_unique<TMergedCell>(Cell)); }

// --- Properties ---------------------------------------------------------------------

void TTextGrid::SetEnabled(bool Value) {
  if (Value == Enabled_) return;
  Enabled_ = Value;
  Invalidate();
}

void TTextGrid::SetDefRowHeight(std::int32_t Value) {
  if (Value == DefRowHeight_ || Value < 1) return;
  // Every product the layout forms with the height, tried before anything
  // changes, so that a height too large raises and leaves the grid as it was.
  const std::int32_t page = tv::CheckedMul(5, Value);
  CheckRowsFit(HeaderLines(), RowCount_, Value);
  DefRowHeight_ = Value;
  LineStep_ = Value;
  PageStep_ = page;
  UpdateLayout();
  Invalidate();
}

void TTextGrid::SetDefColWidth(std::int32_t Value) {
  if (Value == DefColWidth_ || Value < 0) return;
  DefColWidth_ = Value;
  if (AutoColWidth_) return;
  UpdateLayout();
  Invalidate();
}

void TTextGrid::SetFlat(bool Value) {
  if (Value == Flat_) return;
  Flat_ = Value;
  Invalidate();
}

void TTextGrid::SetColor(tv::TColor Value) {
  if (Value == Color_) return;
  Color_ = Value;
  Host_.SetControlColor(Value);
  Invalidate();
}

void TTextGrid::SetAlternateColor(tv::TColor Value) {
  if (Value == AlternateColor_) return;
  AlternateColor_ = Value;
  InvalidateCells();
}

void TTextGrid::SetGridColor(tv::TColor Value) {
  if (Value == GridColor_) return;
  GridColor_ = Value;
  InvalidateCells();
}

void TTextGrid::SetShowGrid(bool Value) {
  if (Value == ShowGrid_) return;
  ShowGrid_ = Value;
  InvalidateCells();
}

void TTextGrid::SetSelectionColor(tv::TColor Value) {
  if (Value == SelectionColor_) return;
  SelectionColor_ = Value;
  InvalidateCells();
}

void TTextGrid::SetHeaderLine(std::int32_t Value) {
  if (Value == HeaderLine_) return;
  CheckRowsFit(std::max(Value, 0), RowCount_, DefRowHeight_);
  HeaderLine_ = Value;
  BuildHeaderCells();
  Invalidate();
}

void TTextGrid::SetHeaderColor(tv::TColor Value) {
  if (Value == HeaderColor_) return;
  HeaderColor_ = Value;
  Invalidate();
}

void TTextGrid::SetHeaderLightColor(tv::TColor Value) {
  if (Value == HeaderLightColor_) return;
  HeaderLightColor_ = Value;
  Invalidate();
}

void TTextGrid::SetHeaderDarkColor(tv::TColor Value) {
  if (Value == HeaderDarkColor_) return;
  HeaderDarkColor_ = Value;
  Invalidate();
}

// The fonts are copied; a copy that changes a font first gives that font's
// own change notice, then the setter marks the same area.
void TTextGrid::SetHeaderFont(const tv::TFont& Value) {
  if (!(Value == HeaderFont_)) {
    HeaderFont_ = Value;
    InvalidateHeader();
  }
  InvalidateHeader();
}

void TTextGrid::SetFooterFont(const tv::TFont& Value) {
  if (!(Value == FooterFont_)) {
    FooterFont_ = Value;
    Invalidate();
  }
  Invalidate();
}

void TTextGrid::SetGutterFont(const tv::TFont& Value) {
  if (!(Value == GutterFont_)) {
    GutterFont_ = Value;
    InvalidateGutter();
  }
  InvalidateGutter();
}

void TTextGrid::SetFont(const tv::TFont& Value) {
  Font_ = Value;
  CMFontChanged();
}

void TTextGrid::CMFontChanged() {
  Invalidate();
  for (std::int32_t c = 0; c < ColCount(); ++c) Columns_->GetItem(c).AssignFont(Font_);
}

void TTextGrid::SetFitToWidth(bool Value) {
  if (Value == FitToWidth_) return;
  FitToWidth_ = Value;
  ScrollX_ = 0;
  UpdateLayout();
  Invalidate();
}

void TTextGrid::SetAutoColWidth(bool Value) {
  if (Value == AutoColWidth_) return;
  AutoColWidth_ = Value;
  UpdateLayout();
  Invalidate();
}

void TTextGrid::SetColumns(const TTextColumns& Value) { Columns_->Assign(Value); }

void TTextGrid::SetGutterKind(TGutterKind Value) {
  if (Value == GutterKind_) return;
  const TGutterKind old = GutterKind_;
  GutterKind_ = Value;
  UpdateLayout();
  if (old != gkNone && Value != gkNone) {
    InvalidateGutter();
  } else {
    Invalidate();
  }
}

void TTextGrid::SetGutterWidth(std::int32_t Value) {
  if (Value == GutterWidth_ || Value < 0) return;
  GutterWidth_ = Value;
  UpdateLayout();
  Invalidate();
}

void TTextGrid::SetGutterStrings(const std::vector<std::string>& Value) {
  GutterStrings_ = Value;
  if (GutterKind_ == gkString) InvalidateGutter();
}

void TTextGrid::SetShowFooter(bool Value) {
  if (Value == ShowFooter_) return;
  ShowFooter_ = Value;
  UpdateLayout();
  Invalidate();
}

void TTextGrid::SetCursor(std::int16_t Value) {
  Cursor_ = Value;
  Host_.SetCursor(Value);
}

// --- Notices --------------------------------------------------------------------------

// Left as they were, the current cell, the corner and the selection could
// name columns that no longer exist, and the layout that follows (and every
// later paint) would fail on them. Only what lies beyond the last column
// moves: a selection inside the columns stays as it is, and a grid that
// gains a column keeps even a current cell of -1. The moving corner is left
// where it was, as the count setters leave it: the shifted arrow keys bring
// it back into the grid before they move it.
void TTextGrid::ColumnsChanged() {
  const std::int32_t oldCol = CurCol_, oldRow = CurRow_;
  const std::int32_t last = ColCount() - 1;
  CurCol_ = std::min(CurCol_, last);
  if (last < 0) {
    CurRow_ = -1;  // no column: no current cell
    SelArea_ = {-1, -1, -1, -1};
  } else {
    SelArea_.Left = std::min(SelArea_.Left, last);
    SelArea_.Right = std::min(SelArea_.Right, last);
  }
  CancelFillDragOutsideGrid();
  CloseEditorOffGrid();
  BuildHeaderCells();
  Invalidate();
  if (CurCol_ != oldCol || CurRow_ != oldRow) NotifyColRowChanged();
}

// The editor also closes when its cell moved to another column (one before
// it was deleted): it would stand over the wrong cell. Every change the user
// made in the editor is stored already; the text is handed to the cell once
// more only when the cell is still there (hidden or moved), where an equal
// text changes nothing.
void TTextGrid::CloseEditorOffGrid() {
  if (!EditorActive_ && !Host_.EditorVisible()) return;
  const TTextInplace& editor = *InplaceEditor_;
  const std::int32_t col = editor.EditCol(), row = editor.EditRow();
  const bool inside =
      !editor.CellGone() && col >= 0 && col < ColCount() && row >= 0 && row < RowCount_;
  if (inside && !editor.CellMoved() && Columns_->GetItem(col).Visible()) return;
  std::string text;
  const bool changed = editor.ChangedText(text);
  InplaceEditor_->HideEdit();
  if (inside && changed) StoreCellText(col, row, text, true);
}

bool TTextGrid::CurrentCellVisible() const {
  return CurCol_ >= 0 && CurCol_ < ColCount() && CurRow_ >= 0 && CurRow_ < RowCount_ &&
         Columns_->GetItem(CurCol_).Visible();
}

void TTextGrid::WMSize() {
  UpdateLayout();
  if (ColCount() > 0) ScrollToCell(CurCol_, CurRow_);
}

void TTextGrid::NotifyColRowChanged() {
  if (LinkedGrid_ != nullptr) LinkedGrid_->SetCurrentRow(CurRow_);
  if (OnColRowChanged) OnColRowChanged(*this, CurCol_, CurRow_);
}

// --- Invalidation ---------------------------------------------------------------------

void TTextGrid::InvalidateCells() {
  const tv::TRect c = Host_.ClientRect();
  Host_.InvalidateRect({GutterExtent_ - 2, HeaderExtent_ - 2, c.Right, c.Bottom});
}

void TTextGrid::InvalidateHeader() { Host_.InvalidateRect({0, 0, Host_.ClientRect().Right, HeaderExtent_}); }

void TTextGrid::InvalidateGutter() {
  Host_.InvalidateRect({0, HeaderExtent_, GutterExtent_, Host_.ClientRect().Bottom});
}

void TTextGrid::InvalidateRightOf(std::int32_t X) {
  const tv::TRect c = Host_.ClientRect();
  Host_.InvalidateRect({X, 0, c.Right, c.Bottom});
}

void TTextGrid::InvalidateBelow(std::int32_t Y) {
  const tv::TRect c = Host_.ClientRect();
  Host_.InvalidateRect({0, Y, c.Right, c.Bottom});
}

void TTextGrid::InvalidateColumn(std::int32_t Index) {
  const std::int32_t x = tv::CheckedSub(tv::CheckedAdd(ColumnLeft(Index), GutterExtent_), ScrollX_);
  const std::int32_t w = Columns_->GetItem(Index).Width();
  Host_.InvalidateRect({tv::CheckedSub(x, 3), 0, tv::CheckedAdd(tv::CheckedAdd(x, w), 3), Host_.ClientRect().Bottom});
}
