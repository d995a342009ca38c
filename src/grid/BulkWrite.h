// A scope for writing many cells at once: painting stays locked while it
// lasts, and on every way out, an error's included, the lock goes back to
// what it was and the cell area is invalidated once.
#pragma once

#include "grid/TextGrid.h"

class TBulkWrite {
 public:
  explicit TBulkWrite(TTextGrid& Grid) : Grid_(Grid), Old_(Grid.PaintLocked_) { Grid.PaintLocked_ = true; }
  ~TBulkWrite() {
    Grid_.PaintLocked_ = Old_;
    try {
      Grid_.InvalidateCells();
    } catch (...) {  // an invalidation that fails leaves the old picture
    }
  }
  TBulkWrite(const TBulkWrite&) = delete;
  TBulkWrite& operator=(const TBulkWrite&) = delete;

 private:
  TTextGrid& Grid_;
  bool Old_;
};
