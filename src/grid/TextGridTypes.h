// The text grid's plain types: alignments, gutter kinds, mouse buttons and
// shift state, the header box and merged-cell records, the cell string list
// (texts with their integer tags) and the event signatures. No Qt; draws
// nothing. Shared by every file of the grid core and its hosts.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/canvas/Canvas.h"

class TTextGrid;

// Horizontal placement of a text in a cell and in the in-place editor.
enum THorzAlign : std::uint8_t { haLeft, haCenter, haRight };
// Vertical placement of a text in a cell.
enum TVertAlign : std::uint8_t { vaTop, vaCenter, vaBottom };
// What the row gutter shows: nothing (no gutter), empty boxes, a pointer on
// the current row, the row number from 1, or the row's line of GutterStrings.
enum TGutterKind : std::uint8_t { gkNone, gkBlank, gkPointer, gkNumber, gkString };

enum TMouseButton : std::uint8_t { mbLeft, mbRight, mbMiddle };

// Keys and mouse buttons held during an input event, as a set of flags.
using TShiftState = std::uint8_t;
inline constexpr TShiftState ssShift = 0x01;
inline constexpr TShiftState ssAlt = 0x02;
inline constexpr TShiftState ssCtrl = 0x04;
inline constexpr TShiftState ssLeft = 0x08;
inline constexpr TShiftState ssRight = 0x10;
inline constexpr TShiftState ssMiddle = 0x20;
// The press is the second one of a double click.
inline constexpr TShiftState ssDouble = 0x40;

// Virtual-key codes of the keys the grid and its editor act on (the letters
// and digits are their upper-case ASCII codes, 'C' = 67).
using TVirtualKey = std::uint16_t;
inline constexpr TVirtualKey VK_BACK = 8;
inline constexpr TVirtualKey VK_TAB = 9;
inline constexpr TVirtualKey VK_RETURN = 13;
inline constexpr TVirtualKey VK_ESCAPE = 27;
inline constexpr TVirtualKey VK_SPACE = 32;
inline constexpr TVirtualKey VK_PRIOR = 33;  // Page Up
inline constexpr TVirtualKey VK_NEXT = 34;   // Page Down
inline constexpr TVirtualKey VK_END = 35;
inline constexpr TVirtualKey VK_HOME = 36;
inline constexpr TVirtualKey VK_LEFT = 37;
inline constexpr TVirtualKey VK_UP = 38;
inline constexpr TVirtualKey VK_RIGHT = 39;
inline constexpr TVirtualKey VK_DOWN = 40;
inline constexpr TVirtualKey VK_INSERT = 45;
inline constexpr TVirtualKey VK_DELETE = 46;
inline constexpr TVirtualKey VK_F1 = 112;  // F1 .. F24 are 112 .. 135

// A typed character: a Unicode code point (cell texts hold it as UTF-8).
// 8 is Backspace, codes below 32 are control characters, 0 is none.
using TChar = char32_t;

// The sender of an event: the grid, or (for OnFilterChar from the editor)
// the grid's in-place editor.
class TGridObject {
 public:
  virtual ~TGridObject() = default;
};

// One box of the header: its text and the block of columns and header lines
// it covers, inclusive (Left the first column, Top the first header line,
// Right the last column, Bottom the last header line).
struct THeaderInfo {
  std::string Str;
  tv::TRect Rc;
};

// One merged cell: a text shown over a block of data cells (inclusive column
// and row indices: Left, Top, Right, Bottom) in its own colour, font and
// alignments. The grid owns the entries of its MergedCells list.
struct TMergedCell {
  std::string Text;
  tv::TRect Span;
  tv::TColor Color = tv::clWindow;
  tv::TFont Font;
  THorzAlign HorzAlign = haLeft;
  TVertAlign VertAlign = vaCenter;
};

// The texts of one column's cells: entry r is the text of row r, and beside
// each entry an integer tag (0 for an ordinary cell, -2 for a cell covered by
// a merged cell). Every index is checked: an index outside 0 .. Count - 1
// raises tv::EListError ("List index out of bounds (n)").
class TCellStrings {
 public:
  // Texts of this many bytes or more keep what the canvas measured of them.
  static constexpr std::size_t LongText = 256;

  std::int32_t Count() const { return static_cast<std::int32_t>(Items_.size()); }
  const std::string& operator[](std::int32_t Index) const { return Items_[Checked(Index)].Text; }
  void Put(std::int32_t Index, std::string Text) {
    TEntry& entry = Items_[Checked(Index)];
    entry.Text = std::move(Text);
    entry.Measure.reset();
  }
  // What the canvas measured of entry Index's long text (see
  // tv::TTextMeasure), for the canvas to fill: empty until then, dropped
  // whenever the text changes and not copied with it; nullptr for a text
  // shorter than LongText bytes.
  std::unique_ptr<tv::TTextMeasure>* Measure(std::int32_t Index) const;
  std::int32_t Tag(std::int32_t Index) const { return Items_[Checked(Index)].Tag; }
  void SetTag(std::int32_t Index, std::int32_t Tag) { Items_[Checked(Index)].Tag = Tag; }

  void Add(std::string Text, std::int32_t Tag = 0);
  // Inserts before Index (0 .. Count).
  void Insert(std::int32_t Index, std::string Text, std::int32_t Tag = 0);
  void Delete(std::int32_t Index);
  // Removes the text of entry Index: the later texts move up one entry,
  // each with its measure, and the last entry holds an empty text. The list
  // keeps its length and every tag stays at its index.
  void DeleteText(std::int32_t Index);
  void Clear() { Items_.clear(); }
  // Appends empty entries (tag 0) until the list holds Count entries.
  void PadTo(std::int32_t Count);

  friend bool operator==(const TCellStrings&, const TCellStrings&) = default;

 private:
  // A copied entry starts without a measure: a measure holds for one font,
  // and the copy may be painted in another one (another column's).
  struct TEntry {
    std::string Text;
    std::int32_t Tag = 0;
    mutable std::unique_ptr<tv::TTextMeasure> Measure;

    TEntry() = default;
    TEntry(std::string Text, std::int32_t Tag) : Text(std::move(Text)), Tag(Tag) {}
    TEntry(const TEntry& Other) : Text(Other.Text), Tag(Other.Tag) {}
    TEntry& operator=(const TEntry& Other) {
      Text = Other.Text;
      Tag = Other.Tag;
      Measure.reset();
      return *this;
    }
    TEntry(TEntry&&) = default;
    TEntry& operator=(TEntry&&) = default;
    ~TEntry() = default;
    friend bool operator==(const TEntry& A, const TEntry& B) { return A.Text == B.Text && A.Tag == B.Tag; }
  };
  std::size_t Checked(std::int32_t Index) const;
  std::vector<TEntry> Items_;
};

// Splits Text into lines as a string list takes a text: a line ends at a
// carriage return, a line feed or the pair CR LF; a break at the very end
// adds no empty line; an empty text gives no line at all.
std::vector<std::string> SplitTextLines(std::string_view Text);

// Events. Booleans passed by reference are preset before the call (Handled
// False, Allowed and CanChange True) and read after it.

// A data cell is about to be drawn: ACanvas holds the cell's font, pen and
// brush; X the column, Y the row; Rc the cell's client rectangle, grid lines
// included. Handled True: the grid draws nothing more of the cell.
using TOnDrawCellEvent = std::function<void(TTextGrid& Sender, tv::TCanvas& ACanvas, std::int32_t X,
                                            std::int32_t Y, tv::TRect Rc, bool& Handled)>;
// A header, gutter or footer box is about to be drawn: Rc the box, Str its text.
using TOnDrawHeaderEvent = std::function<void(TTextGrid& Sender, tv::TCanvas& ACanvas, tv::TRect Rc,
                                              const std::string& Str, bool& Handled)>;
// A typed character for cell (Col, Row); Allowed False drops it.
using TOnFilterChar =
    std::function<void(TGridObject& Sender, std::int32_t Col, std::int32_t Row, TChar Chr, bool& Allowed)>;
using TOnHeaderClick =
    std::function<void(TTextGrid& Sender, std::int32_t Col, TMouseButton Button, TShiftState Shift)>;
using TOnGutterClick =
    std::function<void(TTextGrid& Sender, std::int32_t Row, TMouseButton Button, TShiftState Shift)>;
// A user edit of (Col, Row) is about to be stored; Str may be replaced.
using TOnCellChange = std::function<void(TTextGrid& Sender, std::int32_t Col, std::int32_t Row, std::string& Str)>;
// A user edit of (Col, Row) asks to be stored; CanChange False refuses it.
using TOnCellChanging =
    std::function<void(TTextGrid& Sender, std::int32_t Col, std::int32_t Row, bool& CanChange)>;
using TOnColRowChanged = std::function<void(TTextGrid& Sender, std::int32_t Col, std::int32_t Row)>;
using TOnRowEvent = std::function<void(TTextGrid& Sender, std::int32_t ARow)>;
// Enter on (Col, Row) with its text in Str; a changed Str is stored as a user edit.
using TOnCellAssignment =
    std::function<void(TTextGrid& Sender, std::int32_t Col, std::int32_t Row, std::string& Str)>;
// A key went down in the grid (after the grid acted on it); Key may be changed
// but the grid has already acted.
using TOnKeyEvent = std::function<void(TTextGrid& Sender, TVirtualKey& Key, TShiftState Shift)>;
// A character typed in the grid, before the grid takes it; 0 cancels it.
using TOnKeyPressEvent = std::function<void(TTextGrid& Sender, TChar& Key)>;
// A plain notice from the grid (a click, a double click).
using TNotifyEvent = std::function<void(TTextGrid& Sender)>;
// A mouse press or release at client point (X, Y), after the grid acted on it.
using TOnMouseEvent = std::function<void(TTextGrid& Sender, TMouseButton Button, TShiftState Shift, std::int32_t X,
                                         std::int32_t Y)>;
// The mouse moved to client point (X, Y); Shift holds the buttons held.
using TOnMouseMoveEvent = std::function<void(TTextGrid& Sender, TShiftState Shift, std::int32_t X, std::int32_t Y)>;
