// Copy, cut and paste of cell blocks as grid text through the host's
// clipboard. Grid text: one line per row, every line ended by CR LF when
// written; fields separated by TAB, one per visible column; no quoting. When
// read, a line ends at CR LF, CR or LF and the text at its first NUL.
#include <algorithm>

#include "grid/BulkWrite.h"
#include "grid/TextGrid.h"

namespace {
std::vector<std::string> SplitFields(const std::string& Line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t tab = Line.find('\t', start);
    fields.push_back(Line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
    if (tab == std::string::npos) return fields;
    start = tab + 1;
  }
}
}  // namespace

// The part of the selection inside the grid (false: none, or no current
// cell), so that no block reaching beyond the grid can make a command raise.
bool TTextGrid::ClipboardBlock(tv::TRect& Block) const {
  return HasCurrentCell() && BlockInGrid(SelArea_, Block);
}

std::string TTextGrid::SelectionText() const {
  std::string text;
  tv::TRect area;
  if (!ClipboardBlock(area)) return text;
  const std::vector<std::int32_t> columns = VisibleColumnsIn(area.Left, area.Right);
  for (std::int32_t r = area.Top; r <= area.Bottom; ++r) {
    for (std::size_t i = 0; i < columns.size(); ++i) {
      if (i > 0) text += '\t';
      text += CellTextOrEmpty(columns[i], r);
    }
    text += "\r\n";
  }
  return text;
}

void TTextGrid::CopySelection() { Host_.SetClipboardText(SelectionText()); }

// The cells are cleared only after the clipboard took their texts: a failed
// write leaves every cell as it was.
void TTextGrid::CutSelection() {
  if (!Host_.SetClipboardText(SelectionText())) return;
  TBulkWrite bulk(*this);
  tv::TRect area;
  if (!ClipboardBlock(area)) return;
  const std::vector<std::int32_t> columns = VisibleColumnsIn(area.Left, area.Right);
  for (std::int32_t r = area.Top; r <= area.Bottom; ++r) {
    for (const std::int32_t c : columns) StoreCellText(c, r, std::string(), true);
  }
}

void TTextGrid::PasteText() {
  std::string text;
  if (!Host_.GetClipboardText(text)) return;
  PasteGridText(text);
}

// A hidden column takes no field. The single-cell spread drops what falls
// right of the last column or below the last row; the tiling repeats the
// lines down the block and the fields along each row. A text without lines
// writes nothing in either case.
void TTextGrid::PasteGridText(std::string_view Text) {
  HideEditorAndCaret();
  TBulkWrite bulk(*this);
  const std::size_t nul = Text.find('\0');
  std::vector<std::vector<std::string>> lines;
  for (const std::string& line : SplitTextLines(Text.substr(0, nul))) lines.push_back(SplitFields(line));
  if (lines.empty()) return;
  std::size_t width = 1;
  for (const auto& fields : lines) width = std::max(width, fields.size());
  const auto field = [&](const std::vector<std::string>& Fields, std::size_t I) {
    return I < Fields.size() ? Fields[I] : std::string();
  };

  tv::TRect area;
  if (!ClipboardBlock(area)) return;  // a grid without cells or a current cell
  if (SelArea_.Left == SelArea_.Right && SelArea_.Top == SelArea_.Bottom) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const std::int64_t row = std::int64_t{CurRow_} + static_cast<std::int64_t>(i);
      if (row >= RowCount_) break;
      std::size_t f = 0;
      for (std::int32_t c = CurCol_; c < ColCount() && f < width; ++c) {
        if (!Columns_->GetItem(c).Visible()) continue;
        StoreCellText(c, static_cast<std::int32_t>(row), field(lines[i], f), true);
        ++f;
      }
    }
  } else {
    const std::vector<std::int32_t> columns = VisibleColumnsIn(area.Left, area.Right);
    for (std::int32_t r = area.Top; r <= area.Bottom; ++r) {
      const auto& fields = lines[static_cast<std::size_t>(r - area.Top) % lines.size()];
      std::size_t f = 0;
      for (const std::int32_t c : columns) {
        StoreCellText(c, r, field(fields, f), true);
        f = (f + 1) % width;
      }
    }
  }
}
