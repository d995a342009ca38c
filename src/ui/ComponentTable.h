// The main window's component tree as data: one row per control (name,
// kind, parent, place, caption, font, colours, tab order, flags, handlers)
// and one per menu item, in the order they are made. Parents come before
// their children; among the children of one parent the later made lies on top.
#pragma once

#include <QObject>
#include <span>

#include "grid/TextGridTypes.h"
#include "platform/canvas/Canvas.h"
#include "ui/Controls.h"
#include "ui/logic/Align.h"

class TForm_Main;

enum class TKind {
  Panel,        // TPanel
  Label,        // QLabel
  Shape,        // QFrame, filled
  PictureBox,   // TPictureBox
  RichEdit,     // TFieldEdit without frame
  Edit,         // TFieldEdit
  BitBtn,       // TBitBtn
  Button,       // QPushButton
  CheckBox,     // QCheckBox
  RadioButton,  // QRadioButton
  ComboBox,     // QComboBox, pick-only
  ScrollBar,    // QScrollBar, horizontal
  Memo,         // QPlainTextEdit
  StatusBar,    // TStatusBar
  StringGrid,   // QTableWidget
  TextGrid,     // the body table's grid
};

// A font: face ("Default" is the framework's), character height in pixels,
// bold, colour. No face: the parent's font.
struct TFontSpec {
  const char* Face = nullptr;
  int Height = 0;
  bool Bold = false;
  tv::TColor Color = clDefault;
};

enum TControlFlag : unsigned {
  cfHidden = 1u << 0,     // not visible
  cfReadOnly = 1u << 1,   // takes the focus but no typing
  cfChecked = 1u << 2,    // check box or radio button checked
  cfNoBevel = 1u << 3,    // panel without its raised bevel
  cfCentred = 1u << 4,    // label text centred
  cfWordWrap = 1u << 5,   // label text wrapped, first line at the top
  cfFixedSize = 1u << 6,  // a label keeps its size; without: sized to its caption
};

// Columns and rows of a grid, the width each column starts with and the row
// height (0: the grid's default), and the grid's default column width.
struct TGridSpec {
  int Columns = 0, Rows = 0, ColumnWidth = 0, RowHeight = 0, DefColWidth = 0;
};

// Range and position of a scroll bar.
struct TRangeSpec {
  int Min = 0, Max = 0, Position = 0;
};

using TClickHandler = void (TForm_Main::*)(QObject* Sender);
using TKeyHandler = void (TForm_Main::*)(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift);
using TMouseHandler = void (TForm_Main::*)(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift,
                                           int X, int Y);
using TDrawCellHandler = void (TForm_Main::*)(TTextGrid& Sender, tv::TCanvas& ACanvas, std::int32_t X,
                                               std::int32_t Y, tv::TRect Rc, bool& Handled);
// Stores a made control in its field of the window.
using TFieldSetter = void (*)(TForm_Main& Form, QObject* Control);

// Tab order -1: no tab stop (a radio button's tab stop follows its checked state).
constexpr int NoTabStop = -1;

struct TControlRow {
  const char* Name;
  TFieldSetter Field;
  TKind Kind;
  const char* Parent;  // "Form_Main" or a panel's name
  TBounds Bounds;      // Left, Top, Width, Height in the parent's client area
  const char* Caption = "";
  TFontSpec Font{};
  tv::TColor Color = clDefault;  // background
  int TabOrder = NoTabStop;
  unsigned Flags = 0;
  TAlign Align = TAlign::alNone;
  TGlyph Glyph = TGlyph::None;
  TGridSpec Grid{};
  TRangeSpec Range{};
  int ItemHeight = 0;  // a list's line height in pixels (0: the style's)
  TClickHandler OnClick = nullptr;  // click, or change of a list or scroll bar
  TKeyHandler OnKeyDown = nullptr;
  TMouseHandler OnMouseDown = nullptr;
  TMouseHandler OnMouseUp = nullptr;
  TDrawCellHandler OnDrawCell = nullptr;  // a grid's cell event
};

enum class TMenuKind { Command, Submenu, RadioItem, Separator };

struct TMenuRow {
  const char* Name;
  TFieldSetter Field;
  const char* Caption;  // "&" marks the access key
  const char* Parent;   // nullptr: the menu bar; else a submenu's name
  TMenuKind Kind;
  bool Checked = false;
  TClickHandler OnClick = nullptr;
};

std::span<const TControlRow> ControlRows();
std::span<const TMenuRow> MenuRows();
