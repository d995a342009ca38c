// The text grid's columns: TTextColumn (title, footer, width, font, colour,
// alignments, visibility, flags and the texts of its cells) and the ordered
// collection TTextColumns that the grid owns. A column reports a change either
// for all columns (the grid rebuilds its header boxes, lays out and repaints)
// or for itself (the grid repaints the column's strip); BeginUpdate/EndUpdate
// bracket bulk changes into one notice. No Qt.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "grid/TextGridTypes.h"
#include "platform/canvas/Canvas.h"

class TTextColumns;

class TTextColumn {
 public:
  // Only the collection makes columns (TTextColumns::Add): the new column
  // takes a copy of the grid's Font, its DefColWidth and its Color.
  explicit TTextColumn(TTextColumns& Collection);
  TTextColumn(const TTextColumn&) = delete;
  TTextColumn& operator=(const TTextColumn&) = delete;

  // Header text; "|" separates the lines of a multi-line title. Changed for all.
  const std::string& Title() const { return Title_; }
  void SetTitle(const std::string& Value);
  // Footer text. Changed for this column.
  const std::string& Footer() const { return Footer_; }
  void SetFooter(const std::string& Value);
  // Width in pixels (may fall to 0 or below through the fit). Changed for all.
  std::int32_t Width() const { return Width_; }
  void SetWidth(std::int32_t Value);
  // Stores Width without any notice: the layout's automatic widths and fit,
  // and the column sizing with the mouse, which lays out itself.
  void WriteWidth(std::int32_t Value) { Width_ = Value; }
  // The cells' font. SetFont copies Value and reports a change for this
  // column every time (twice when the copy changed the font, as the font's
  // own change notice comes first).
  const tv::TFont& Font() const { return Font_; }
  void SetFont(const tv::TFont& Value);
  // Copies Value into the font; only when that changes it, the font's change
  // notice (changed for this column).
  void AssignFont(const tv::TFont& Value);
  // The cells' background. Changed for this column.
  tv::TColor Color() const { return Color_; }
  void SetColor(tv::TColor Value);
  THorzAlign HorzAlign() const { return HorzAlign_; }
  void SetHorzAlign(THorzAlign Value);
  TVertAlign VertAlign() const { return VertAlign_; }
  void SetVertAlign(TVertAlign Value);
  // A hidden column takes no width and has no header box. A change sets the
  // grid's FitSkipColumn to this column's index, then changed for all.
  bool Visible() const { return Visible_; }
  void SetVisible(bool Value);
  // The cell texts with their tags; row r is entry r.
  const TCellStrings& Strings() const { return Strings_; }
  TCellStrings& Strings() { return Strings_; }
  // Copies every entry with its tag, then changed for this column.
  void SetStrings(const TCellStrings& Value);

  // Plain values without any notice.
  std::int32_t Tag() const { return Tag_; }
  void SetTag(std::int32_t Value) { Tag_ = Value; }
  std::int32_t Tag2() const { return Tag2_; }
  void SetTag2(std::int32_t Value) { Tag2_ = Value; }
  const std::string& Hint() const { return Hint_; }
  void SetHint(const std::string& Value) { Hint_ = Value; }
  // The user may drag the column's right border.
  bool CanResize() const { return CanResize_; }
  void SetCanResize(bool Value) { CanResize_ = Value; }
  // User edits of the column's cells are refused.
  bool ReadOnly() const { return ReadOnly_; }
  void SetReadOnly(bool Value) { ReadOnly_ = Value; }

  TTextGrid& Grid() const;
  TTextColumns& Collection() const { return Collection_; }
  // Position in the collection, 0 for the first column.
  std::int32_t Index() const;

  // Copies Source through the writers (Title, Footer, Width, Font, Color,
  // HorzAlign, VertAlign, Visible), then Tag, Tag2, Hint, CanResize,
  // ReadOnly and the Strings; one change for this column at the end. No
  // Source: nothing happens.
  void Assign(const TTextColumn* Source);
  // Title, or "Column " and the index when Title is empty.
  std::string GetDisplayName() const;
  // False when Font equals the grid's Font in character set, colour, height,
  // name, pitch, size and style (bold, italic, underline).
  bool IsFontStored() const;
  // Reports a change: for all columns or for this one; nothing while an
  // update of the collection is open.
  void Changed(bool AllItems);

 private:
  TTextColumns& Collection_;
  std::string Title_;
  std::string Footer_;
  std::int32_t Width_ = 0;
  tv::TFont Font_;
  tv::TColor Color_ = tv::clWindow;
  THorzAlign HorzAlign_ = haLeft;
  TVertAlign VertAlign_ = vaCenter;
  bool Visible_ = true;
  TCellStrings Strings_;
  std::int32_t Tag_ = 0;
  std::int32_t Tag2_ = 0;
  bool CanResize_ = true;
  std::string Hint_;
  bool ReadOnly_ = false;
};

class TTextColumns {
 public:
  explicit TTextColumns(TTextGrid& AGrid) : Grid_(AGrid) {}
  // Frees the columns without any notice.
  ~TTextColumns();
  TTextColumns(const TTextColumns&) = delete;
  TTextColumns& operator=(const TTextColumns&) = delete;

  // Appends a new column and returns it; changed for all unless an update is open.
  TTextColumn& Add();
  // The column at Index; outside 0 .. Count - 1 raises tv::EListError.
  TTextColumn& GetItem(std::int32_t Index) const;
  TTextColumn& operator[](std::int32_t Index) const { return GetItem(Index); }
  std::int32_t Count() const { return static_cast<std::int32_t>(Items_.size()); }
  // Frees the column at Index (tv::EListError outside); changed for all,
  // before the column's font and texts are released, unless an update is open.
  void Delete(std::int32_t Index);
  // Frees all columns inside one update (one notice); nothing when empty.
  void Clear();
  void BeginUpdate() { ++UpdateCount_; }
  // Closes an update; the last close sends one change for all.
  void EndUpdate();
  std::int32_t UpdateCount() const { return UpdateCount_; }
  // An update open for the object's lifetime: Close ends it with its notice;
  // leaving without Close (an error on the way) ends it without one.
  class TUpdate {
   public:
    explicit TUpdate(TTextColumns& Columns) : Columns_(Columns) { Columns_.BeginUpdate(); }
    ~TUpdate();
    TUpdate(const TUpdate&) = delete;
    TUpdate& operator=(const TUpdate&) = delete;
    void Close();

   private:
    TTextColumns& Columns_;
    bool Closed_ = false;
  };
  // Replaces the columns with copies of Source's, inside one update.
  void Assign(const TTextColumns& Source);

  TTextGrid& Grid() const { return Grid_; }
  TTextGrid& GetOwner() const { return Grid_; }
  std::int32_t IndexOf(const TTextColumn* Column) const;
  // The change hook: no item for all columns, else the one column.
  void Update(TTextColumn* Item);

 private:
  TTextGrid& Grid_;
  std::vector<std::unique_ptr<TTextColumn>> Items_;
  std::int32_t UpdateCount_ = 0;
};
