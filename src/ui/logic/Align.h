// Docking of a parent's child controls the way the window framework aligns
// them: the top, bottom, left and right docked controls take strips off the
// parent's client rectangle in that order, and every control aligned to the
// client gets what is left. Pure geometry in pixels; no Qt, no shared state.
#pragma once

#include <cstdint>
#include <vector>

enum class TAlign : std::uint8_t { alNone, alTop, alBottom, alLeft, alRight, alClient };

// A control's place in its parent's client area, pixels.
struct TBounds {
  std::int32_t Left = 0, Top = 0, Width = 0, Height = 0;
  std::int32_t Right() const { return Left + Width; }
  std::int32_t Bottom() const { return Top + Height; }
  friend bool operator==(const TBounds&, const TBounds&) = default;
};

// One child of the parent, in the parent's child order (creation order).
struct TAlignItem {
  TAlign Align = TAlign::alNone;
  TBounds Bounds;
  bool Visible = true;
};

// Places the visible aligned items of a parent whose client area is
// ClientWidth x ClientHeight. Order within one alignment: Changed (the item
// whose alignment or size was just set; -1 for none) comes first, every other
// item is put before the first one it lies strictly before (left docks by
// their Left, right docks by their right edge, top by Top, bottom by bottom
// edge), else in child order. A left or right dock keeps its width and takes
// the strip's height, a top or bottom dock keeps its height; client items all
// get the whole remaining rectangle. Widths and heights never go below 0.
// Items aligned alNone keep their bounds.
void AlignControls(std::int32_t ClientWidth, std::int32_t ClientHeight, std::vector<TAlignItem>& Items,
                   int Changed);
