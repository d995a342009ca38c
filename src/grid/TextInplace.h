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
  // The field's text changed (by the user or by ShowEdit): the whole text is
  // stored into the edited cell as a user edit.
  void Change(const std::string& Text);
  // A key went down in the field. Enter, Escape, Up and Down close the editor
  // and give the grid the focus: true, the field must not handle the key.
  // Any other key: false, the field handles it.
  bool KeyDown(TVirtualKey Key, TShiftState Shift);
  // A character typed into the field (Latin-1, control characters
  // included), before the field takes it: OnFilterChar of the grid with the
  // editor as Sender; a refused character other than Backspace becomes 0
  // (the field must drop it).
  void KeyPress(char& Key);

 private:
  friend class TTextGrid;
  TTextGrid& OwnerGrid_;
  THorzAlign EditAlignment_ = haLeft;
  std::int32_t EditCol_ = 0;
  std::int32_t EditRow_ = 0;
};
