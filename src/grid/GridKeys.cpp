// The grid's keyboard: three tables of keys (Ctrl, Shift, plain) that move the
// current cell, extend the selection, assign and fill on Enter, insert,
// delete and clear, copy, cut and paste; and type-over typing into the
// current cell with its filter event and caret.
#include <algorithm>

#include "grid/BulkWrite.h"
#include "grid/TextGrid.h"
#include "platform/CheckedInt.h"

namespace {
// A code point that UTF-8 can carry: up to U+10FFFF, no surrogate half.
bool IsScalarValue(TChar Chr) { return Chr <= 0x10FFFF && !(Chr >= 0xD800 && Chr <= 0xDFFF); }

// Appends the code point Chr (a scalar value) to Text as UTF-8.
void AppendUtf8(std::string& Text, TChar Chr) {
  const auto byte = [&](std::uint32_t B) { Text += static_cast<char>(static_cast<unsigned char>(B)); };
  if (Chr < 0x80) {
    byte(Chr);
  } else if (Chr < 0x800) {
    byte(0xC0 | (Chr >> 6));
    byte(0x80 | (Chr & 0x3F));
  } else if (Chr < 0x10000) {
    byte(0xE0 | (Chr >> 12));
    byte(0x80 | ((Chr >> 6) & 0x3F));
    byte(0x80 | (Chr & 0x3F));
  } else {
    byte(0xF0 | (Chr >> 18));
    byte(0x80 | ((Chr >> 12) & 0x3F));
    byte(0x80 | ((Chr >> 6) & 0x3F));
    byte(0x80 | (Chr & 0x3F));
  }
}

// Removes the last UTF-8 character of Text (nothing when empty).
void RemoveLastCharacter(std::string& Text) {
  while (!Text.empty()) {
    const unsigned char last = static_cast<unsigned char>(Text.back());
    Text.pop_back();
    if ((last & 0xC0) != 0x80) break;  // not a continuation byte: a whole character went
  }
}
}  // namespace

bool TTextGrid::WantsSpecialKey(TVirtualKey Key) { return Key >= VK_LEFT && Key <= VK_DOWN; }

// A grid without a current cell (no cells at all, or a first column added
// to a grid that had none) gives the keys no cell to start from: the moves
// would put a corner of the selection at -1. A grid whose columns are all
// hidden has no cell a key could move to or edit: only Ctrl+C acts there
// (copying empty lines); everything else would address column -1.
void TTextGrid::KeyDown(TVirtualKey& Key, TShiftState Shift) {
  if (!Enabled_ || !HasCurrentCell()) return;
  if (FirstVisibleColumn() != -1) {
    if ((Shift & ssCtrl) != 0) {
      KeyDownCtrl(Key);
    } else if ((Shift & ssShift) != 0) {
      KeyDownShift(Key);
    } else {
      KeyDownPlain(Key);
    }
  } else if ((Shift & ssCtrl) != 0 && Key == 'C') {
    CopySelection();
  }
  if (OnKeyDown) OnKeyDown(*this, Key, Shift);
}

void TTextGrid::KeyDownCtrl(TVirtualKey Key) {
  switch (Key) {
    case VK_END:
      CurCol_ = LastVisibleColumn();
      CurRow_ = RowCount_ - 1;
      CollapseSelection();
      break;
    case VK_HOME:
      CurCol_ = FirstVisibleColumn();
      CurRow_ = 0;
      CollapseSelection();
      break;
    case VK_DELETE:
      if (!ReadOnly_ && RowCount_ >= 2) {
        const std::int32_t row = CurRow_;
        DeleteRow(row);
        if (OnDeleteRow) OnDeleteRow(*this, row);
        CollapseSelection();
      }
      break;
    case 'C': CopySelection(); break;
    case 'V':
      if (!ReadOnly_) PasteText();
      break;
    case 'X':
      if (!ReadOnly_) CutSelection();
      break;
    default: break;
  }
}

// The moving corner is taken into the grid first: a column or row count
// that shrank leaves it where it was, and the visible-column walkers raise
// for a column beyond the last.
void TTextGrid::KeyDownShift(TVirtualKey Key) {
  MarkCol_ = std::max(0, std::min(MarkCol_, ColCount() - 1));
  MarkRow_ = std::max(0, std::min(MarkRow_, RowCount_ - 1));
  switch (Key) {
    case VK_RETURN:
      if (SelArea_.Left == SelArea_.Right && SelArea_.Top == SelArea_.Bottom) {
        CurRow_ = std::max(0, CurRow_ - 1);
        CollapseSelection();
      } else {
        StepThroughBlock(false);
      }
      break;
    case VK_LEFT:
      MarkCol_ = std::max(PriorVisibleColumn(MarkCol_), FirstVisibleColumn());
      ExtendSelection();
      break;
    case VK_UP:
      MarkRow_ = std::max(MarkRow_ - 1, 0);
      ExtendSelection();
      break;
    case VK_RIGHT:
      MarkCol_ = std::min(NextVisibleColumn(MarkCol_), LastVisibleColumn());
      ExtendSelection();
      break;
    case VK_DOWN:
      MarkRow_ = std::min(MarkRow_ + 1, RowCount_ - 1);
      ExtendSelection();
      break;
    default: break;
  }
}

void TTextGrid::KeyDownPlain(TVirtualKey Key) {
  switch (Key) {
    case VK_RETURN: EnterKey(); break;
    case VK_PRIOR:
      CurRow_ = 0;
      CollapseSelection();
      break;
    case VK_NEXT:
      CurRow_ = RowCount_ - 1;
      CollapseSelection();
      break;
    case VK_END:
      CurCol_ = LastVisibleColumn();
      CollapseSelection();
      break;
    case VK_HOME:
      CurCol_ = FirstVisibleColumn();
      CollapseSelection();
      break;
    case VK_LEFT:
      CurCol_ = std::max(PriorVisibleColumn(CurCol_), FirstVisibleColumn());
      CollapseSelection();
      break;
    case VK_RIGHT:
      CurCol_ = std::min(NextVisibleColumn(CurCol_), LastVisibleColumn());
      CollapseSelection();
      break;
    case VK_UP:
      if (CurRow_ == RowCount_ - 1 && CurRow_ > 0 && AutoAddRow_ && !ReadOnly_) {
        // An empty last row goes; one holding any text is only left.
        bool empty = true;
        for (std::int32_t c = 0; c < ColCount() && empty; ++c) empty = CellTextOrEmpty(c, CurRow_).empty();
        if (empty) {
          SetRowCount(RowCount_ - 1);
          CurRow_ = RowCount_ - 1;
          if (OnDeleteRow) OnDeleteRow(*this, RowCount_);
        } else {
          CurRow_ = std::max(0, CurRow_ - 1);
        }
      } else {
        CurRow_ = std::max(0, CurRow_ - 1);
      }
      CollapseSelection();
      break;
    case VK_DOWN:
      if (CurRow_ == RowCount_ - 1 && AutoAddRow_ && !ReadOnly_) {
        // A count the grid cannot take is refused before the current row
        // moves onto the row that would not come.
        const std::int32_t count = tv::CheckedAdd(RowCount_, 1);
        CheckRowsFit(HeaderLines(), count, DefRowHeight_);
        ++CurRow_;
        SetRowCount(count);
        if (OnInsertRow) OnInsertRow(*this, CurRow_);
      } else {
        CurRow_ = std::min(CurRow_ + 1, RowCount_ - 1);
      }
      CollapseSelection();
      break;
    case VK_INSERT:
      if (!ReadOnly_) {
        InsertRow(std::max(0, CurRow_));
        if (OnInsertRow) OnInsertRow(*this, CurRow_);
        CollapseSelection();
      }
      break;
    case VK_DELETE:
      if (TypedText_.empty() && !ReadOnly_) ClearSelectedBlock();
      break;
    default: break;
  }
}

// Enter: the assignment event, then a fill down or right when the text ends
// in its marker, else a move down (or on through a selected block). The
// fills are program writes: no ReadOnly column test and no cell events. A
// current cell in a hidden column (or none) is neither assigned nor filled
// from: Enter only moves.
void TTextGrid::EnterKey() {
  std::string s;
  if (CurrentCellVisible()) {
    const std::string old = GetCellText(CurCol_, CurRow_);
    s = old;
    if (OnCellAssignment) OnCellAssignment(*this, CurCol_, CurRow_, s);
    if (s != old) StoreCellText(CurCol_, CurRow_, s, true);
  }
  const bool fillDown = !s.empty() && s.back() == '*' && AutoFillDown_;
  const bool fillRight = !s.empty() && s.back() == '>' && AutoFillRight_;
  const bool single = SelArea_.Left == SelArea_.Right && SelArea_.Top == SelArea_.Bottom;
  if (fillDown || fillRight) {
    TypedText_.clear();
    HideEditorAndCaret();
    const std::string fill = s.substr(0, s.size() - 1);
    if (fillDown) {
      const std::int32_t last = single ? RowCount_ - 1 : SelArea_.Bottom;
      for (std::int32_t r = CurRow_; r <= last; ++r) SetCellText(CurCol_, r, fill);
    } else {
      const std::int32_t last = single ? ColCount() - 1 : SelArea_.Right;
      for (std::int32_t c = CurCol_; c <= last; ++c) SetCellText(c, CurRow_, fill);
    }
  } else if (single) {
    CurRow_ = std::min(CurRow_ + 1, RowCount_ - 1);
    CollapseSelection();
  } else {
    StepThroughBlock(true);
  }
}

// Column by column, each top to bottom, wrapping at the far corner; the
// block and the moving corner stay.
void TTextGrid::StepThroughBlock(bool Forwards) {
  const tv::TRect& a = SelArea_;
  if (Forwards) {
    if (CurCol_ == a.Right && CurRow_ == a.Bottom) {
      CurCol_ = a.Left;
      CurRow_ = a.Top;
    } else if (CurRow_ == a.Bottom) {
      ++CurCol_;
      CurRow_ = a.Top;
    } else {
      ++CurRow_;
    }
  } else {
    if (CurCol_ == a.Left && CurRow_ == a.Top) {
      CurCol_ = a.Right;
      CurRow_ = a.Bottom;
    } else if (CurRow_ == a.Top) {
      --CurCol_;
      CurRow_ = a.Bottom;
    } else {
      --CurRow_;
    }
  }
  HideEditorAndCaret();
  TypedText_.clear();
  ScrollToCell(CurCol_, CurRow_);
  InvalidateCells();
  NotifyColRowChanged();
}

// Every cell of the block inside the grid, hidden columns included, column
// by column (KeyDown has made sure that there is a current cell).
void TTextGrid::ClearSelectedBlock() {
  tv::TRect area;
  if (!BlockInGrid(SelArea_, area)) return;
  TBulkWrite bulk(*this);
  for (std::int32_t c = area.Left; c <= area.Right; ++c) {
    for (std::int32_t r = area.Top; r <= area.Bottom; ++r) StoreCellText(c, r, std::string(), true);
  }
}

// Characters are whole code points, so any script can be typed, as it can
// be pasted. A current cell in a hidden column (or none at all) is no cell
// the user can see being written: it takes no characters, as a grid
// without a visible column takes none.
void TTextGrid::KeyPress(TChar& Key) {
  if (OnKeyPress) OnKeyPress(*this, Key);
  if (!Enabled_ || ColCount() == 0 || RowCount_ == 0 || ReadOnly_ || !CurrentCellVisible()) return;
  const TChar chr = Key;
  if (chr == 8) {
    HideEditorAndCaret();
    RemoveLastCharacter(TypedText_);
    WriteTypedText();
  } else if (chr >= 32 && IsScalarValue(chr)) {
    bool allowed = true;
    if (OnFilterChar) OnFilterChar(*this, CurCol_, CurRow_, chr, allowed);
    if (!allowed) return;
    HideEditorAndCaret();
    AppendUtf8(TypedText_, chr);
    WriteTypedText();
  }
}

void TTextGrid::KeyUp(TVirtualKey& Key, TShiftState Shift) {
  if (OnKeyUp) OnKeyUp(*this, Key, Shift);
}

// The typed text becomes the cell's whole text; the caret goes after it.
void TTextGrid::WriteTypedText() {
  StoreCellText(CurCol_, CurRow_, TypedText_, true);
  ScrollToCell(CurCol_, CurRow_);
  const tv::TPoint p = RepaintCellText(CurCol_, CurRow_, true);
  Host_.SetCaretPos(p.X, p.Y);
  ShowTypingCaret();
}
