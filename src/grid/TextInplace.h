// The grid's in-place editor: a one-line edit field shown over one cell. The
// field itself is the host's child edit (TTextGridHost::ShowEditor); this
// object keeps which cell it edits and its alignment, and takes the field's
// text changes and keys (the host hands them over). No Qt.
#pragma once

#include <cstdint>
#include <string>

#include "grid/TextGridTypes.h"

class TTextInplace : public TGridObject {
 public:
  // Hidden, left-aligned, editing no particular cell.
  explicit TTextInplace(TTextGrid& AGrid) : OwnerGrid_(AGrid) {}
  TTextInplace(const TTextInplace&) = delete;
  TTextInplace& operator=(const TTextInplace&) = delete;

  TTextGrid& OwnerGrid() const { return OwnerGrid_; }
  THorzAlign EditAlignment() const { return EditAlignment_; }
  std::int32_t EditCol() const { return EditCol_; }
  std::int32_t EditRow() const { return EditRow_; }

  void SetAlignment(THorzAlign Value) { EditAlignment_ = Value; }
  // Opens the field over cell (ACol, ARow) (client pixels, see
  // TextInplace.cpp) with the cell's text, colour, the column's font and
  // alignment; hides the grid's typing caret. Neither focuses the field nor
  // sets the grid's EditorActive (the caller does).
  void ShowEdit(std::int32_t ACol, std::int32_t ARow);
  // Hides the edit field when it is shown and clears the grid's EditorActive.
  void HideEdit();
  // The field's text changed (by the user; ShowEdit's own text raises no
  // change): the whole text is stored into the edited cell as a user edit.
  void Change(const std::string& Text);
  // The field's text as its last change gave it; false when it has not
  // changed since the editor opened.
  bool ChangedText(std::string& Text) const;
  // Column Index left the collection: the edited cell went with it, or (for
  // a column before it) moved one column left.
  void ColumnDeleted(std::int32_t Index);
  // The edited cell's column was deleted since the editor opened; it moved
  // to another index (EditCol follows).
  bool CellGone() const { return CellGone_; }
  bool CellMoved() const { return CellMoved_; }
  // A key went down in the field. Enter, Escape, Up and Down close the editor
  // and give the grid the focus: true, the field must not handle the key.
  // Any other key: false, the field handles it.
  bool KeyDown(TVirtualKey Key, TShiftState Shift);
  // A character typed into the field (any code point, control characters
  // included), before the field takes it: OnFilterChar of the grid with the
  // editor as Sender; a refused character other than Backspace becomes 0
  // (the field must drop it).
  void KeyPress(TChar& Key);

 private:
  friend class TTextGrid;
  TTextGrid& OwnerGrid_;
  THorzAlign EditAlignment_ = haLeft;
  std::int32_t EditCol_ = 0;
  std::int32_t EditRow_ = 0;
  bool Changed_ = false;  // the field changed since it opened
  bool CellGone_ = false;
  bool CellMoved_ = false;
  std::string Text_;      // the field's text as of its last change
};
