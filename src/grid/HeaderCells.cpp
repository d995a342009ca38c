// The header boxes: the column titles spread over HeaderLine lines, equal
// texts merged down a column and across neighbouring visible columns.
#include <algorithm>

#include "grid/TextGrid.h"

// Every title is split at "|" (and at line breaks) into lines; a title with
// fewer lines than HeaderLine repeats its last line, extra lines are dropped.
// Going down a column, a line equal to the box above extends that box down
// (vertical step); otherwise a line equal to the box that last took this line
// in the column to the left extends that box one column right (horizontal
// step); otherwise a new box starts. "No box" is a null entry, so no title
// text, however chosen, can match it. A hidden column gets no box and breaks
// the horizontal merging.
void TTextGrid::BuildHeaderCells() {
  ClearHeaderCells();
  const std::int32_t lineCount = HeaderLines();
  std::vector<THeaderInfo*> lineTable(static_cast<std::size_t>(lineCount), nullptr);
  for (std::int32_t x = 0; x < ColCount(); ++x) {
    const TTextColumn& column = Columns_->GetItem(x);
    if (!column.Visible()) {
      std::fill(lineTable.begin(), lineTable.end(), nullptr);
      continue;
    }
    std::string title = column.Title();
    std::replace(title.begin(), title.end(), '|', '\r');
    std::vector<std::string> lines = SplitTextLines(title);
    while (static_cast<std::int32_t>(lines.size()) < lineCount) {
      lines.push_back(lines.empty() ? std::string() : lines.back());
    }
    THeaderInfo* above = nullptr;
    for (std::int32_t y = 0; y < lineCount; ++y) {
      const std::string& s = lines[static_cast<std::size_t>(y)];
      THeaderInfo*& left = lineTable[static_cast<std::size_t>(y)];
      if (above != nullptr && s == above->Str) {
        above->Rc.Bottom = std::min(lineCount - 1, std::max(above->Rc.Bottom, y));
      } else if (left != nullptr && s == left->Str) {
        ++left->Rc.Right;
        above = left;
      } else {
        HeaderCells_.push_back(std::make_unique<THeaderInfo>(THeaderInfo{s, {x, y, x, y}}));
        left = HeaderCells_.back().get();
        above = left;
      }
    }
  }
  UpdateLayout();
}
