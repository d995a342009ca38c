// The grid's in-place editor: a one-line edit field shown over one cell. The
// field itself is the host's child edit (TTextGridHost::ShowEditor); this
// object keeps which cell it edits and its alignment. No Qt.
#pragma once

#include <cstdint>

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

  // Hides the edit field when it is shown and clears the grid's EditorActive.
  void HideEdit();

 private:
  friend class TTextGrid;
  TTextGrid& OwnerGrid_;
  THorzAlign EditAlignment_ = haLeft;
  std::int32_t EditCol_ = 0;
  std::int32_t EditRow_ = 0;
};
