// The text grid control's core: TTextGrid, a rectangle of text cells kept by
// columns (TextColumns.h), with a header of merged boxes built from the
// column titles, an optional row gutter and footer, scroll offsets in pixels,
// a selection with a current cell, and its own paint pass. It depends on the
// canvas interface only and reaches the window through TTextGridHost; no Qt.
// Its files: TextGrid.cpp (construction, properties, notices), HeaderCells.cpp,
// CellGeometry.cpp (geometry and the visible-column walkers), GridLayout.cpp,
// GridScroll.cpp, CellStore.cpp, GridRows.cpp (row insertion and deletion),
// Selection.cpp (selection, focus and caret), GridPaintFixed.cpp (text and
// fixed boxes), GridPaint.cpp, GridKeys.cpp (keyboard), GridMouse.cpp (hit
// test, press, move, release), GridDrags.cpp (column sizing, fill drag),
// GridClipboard.cpp, TextInplace.cpp (the in-place editor).
//
// Rectangles are client pixels (right and bottom outside) unless named index
// rectangles (inclusive column and row indices). Unscrolled cell coordinates
// plus (GutterExtent - ScrollX, HeaderExtent - ScrollY) give client ones.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "grid/TextColumns.h"
#include "grid/TextGridHost.h"
#include "grid/TextGridTypes.h"
#include "grid/TextInplace.h"
#include "platform/canvas/Canvas.h"

class TTextGrid : public TGridObject {
 public:
  // The least width a dragged column border and the fit leave a column,
  // pixels.
  static constexpr std::int32_t MinColumnWidth = 5;

  // A grid without columns, 5 rows, 200 x 200 used size, no window work yet;
  // Host must outlive the grid. The host calls CreateWnd once its window exists.
  explicit TTextGrid(TTextGridHost& Host);
  ~TTextGrid() override;
  TTextGrid(const TTextGrid&) = delete;
  TTextGrid& operator=(const TTextGrid&) = delete;

  TTextGridHost& Host() const { return Host_; }
  // The control's canvas (the host's).
  tv::TCanvas& Canvas() const { return Host_.Canvas(); }

  // One state value shared by all grids: the typing caret is shown.
  static inline bool CaretShown = false;

  // --- Properties (setters compare first; an equal value does nothing) -----
  bool Enabled() const { return Enabled_; }
  void SetEnabled(bool Value);  // repaint all
  std::int32_t GetColCount() const { return Columns_->Count(); }
  std::int32_t ColCount() const { return GetColCount(); }
  // Appends or deletes columns at the end, scrolls to the top-left corner,
  // clamps the current cell, collapses the selection onto it, rebuilds the
  // header (which lays out), repaints, notifies OnColRowChanged. A negative
  // value counts as 0.
  void SetColCount(std::int32_t Value);
  std::int32_t RowCount() const { return RowCount_; }
  // Clamps the current cell, collapses the selection, lays out, repaints,
  // notifies OnColRowChanged; cell texts are kept. A negative value counts as 0.
  void SetRowCount(std::int32_t Value);
  bool AutoAddRow() const { return AutoAddRow_; }
  void SetAutoAddRow(bool Value) { AutoAddRow_ = Value; }
  bool AutoFillDown() const { return AutoFillDown_; }
  void SetAutoFillDown(bool Value) { AutoFillDown_ = Value; }
  bool AutoFillRight() const { return AutoFillRight_; }
  void SetAutoFillRight(bool Value) { AutoFillRight_ = Value; }
  std::int32_t DefRowHeight() const { return DefRowHeight_; }
  // LineStep and PageStep follow, layout, repaint all. A value below 1 is
  // refused (the old height stays): rows are counted by dividing by it.
  void SetDefRowHeight(std::int32_t Value);
  std::int32_t DefColWidth() const { return DefColWidth_; }
  // Lays out and repaints unless AutoColWidth (then only stored). A negative
  // value is refused.
  void SetDefColWidth(std::int32_t Value);
  bool Flat() const { return Flat_; }
  void SetFlat(bool Value);
  // The grid's own colour; the window's control colour follows it.
  tv::TColor Color() const { return Color_; }
  void SetColor(tv::TColor Value);
  tv::TColor AlternateColor() const { return AlternateColor_; }
  void SetAlternateColor(tv::TColor Value);
  tv::TColor GridColor() const { return GridColor_; }
  void SetGridColor(tv::TColor Value);
  bool ShowGrid() const { return ShowGrid_; }
  void SetShowGrid(bool Value);
  tv::TColor SelectionColor() const { return SelectionColor_; }
  void SetSelectionColor(tv::TColor Value);
  std::int32_t HeaderLine() const { return HeaderLine_; }
  // Header boxes rebuilt (which lays out), repaint all. A value of 0 or less
  // is kept as given and shows no header (no boxes, no header height).
  void SetHeaderLine(std::int32_t Value);
  tv::TColor HeaderColor() const { return HeaderColor_; }
  void SetHeaderColor(tv::TColor Value);
  tv::TColor HeaderLightColor() const { return HeaderLightColor_; }
  void SetHeaderLightColor(tv::TColor Value);
  tv::TColor HeaderDarkColor() const { return HeaderDarkColor_; }
  void SetHeaderDarkColor(tv::TColor Value);
  // The fonts are copied, never compared.
  const tv::TFont& HeaderFont() const { return HeaderFont_; }
  void SetHeaderFont(const tv::TFont& Value);
  const tv::TFont& FooterFont() const { return FooterFont_; }
  void SetFooterFont(const tv::TFont& Value);
  const tv::TFont& GutterFont() const { return GutterFont_; }
  void SetGutterFont(const tv::TFont& Value);
  // The control's own font: every new column takes a copy, and a change
  // (CMFontChanged) gives every column a copy at once.
  const tv::TFont& Font() const { return Font_; }
  void SetFont(const tv::TFont& Value);
  bool FitToWidth() const { return FitToWidth_; }
  void SetFitToWidth(bool Value);
  bool AutoColWidth() const { return AutoColWidth_; }
  void SetAutoColWidth(bool Value);
  bool ReadOnly() const { return ReadOnly_; }
  void SetReadOnly(bool Value) { ReadOnly_ = Value; }
  TTextColumns& Columns() const { return *Columns_; }
  // Copies Value's columns (one notice at the end, see ColumnsChanged).
  void SetColumns(const TTextColumns& Value);
  TGutterKind GutterKind() const { return GutterKind_; }
  void SetGutterKind(TGutterKind Value);
  std::int32_t GutterWidth() const { return GutterWidth_; }
  // Lays out and repaints, also under gkNone. A negative value is refused.
  void SetGutterWidth(std::int32_t Value);
  const std::vector<std::string>& GutterStrings() const { return GutterStrings_; }
  void SetGutterStrings(const std::vector<std::string>& Value);
  bool ShowFooter() const { return ShowFooter_; }
  void SetShowFooter(bool Value);
  // The control's cursor id, the state of the mouse handling (101 at first).
  std::int16_t Cursor() const { return Cursor_; }
  void SetCursor(std::int16_t Value);
  // A value free for the grid's user; the grid never reads it.
  std::intptr_t Tag() const { return Tag_; }
  void SetTag(std::intptr_t Value) { Tag_ = Value; }

  // --- Events ------------------------------------------------------------------
  TOnDrawCellEvent OnDrawCell;
  TOnDrawHeaderEvent OnDrawHeader;
  TOnDrawHeaderEvent OnDrawGutter;
  TOnDrawHeaderEvent OnDrawFooter;
  TOnFilterChar OnFilterChar;
  TOnHeaderClick OnHeaderClick;
  TOnGutterClick OnGutterClick;
  TOnCellChange OnCellChange;
  TOnCellChanging OnCellChanging;
  TOnColRowChanged OnColRowChanged;
  TOnRowEvent OnInsertRow;
  TOnRowEvent OnDeleteRow;
  TOnCellAssignment OnCellAssignment;
  // The control's own input events, fired after the grid's handling (see
  // KeyDown, KeyPress, KeyUp, MouseDown, MouseMove, MouseUp); OnClick and
  // OnDblClick come before the grid's handling of the release or press.
  TOnKeyEvent OnKeyDown;
  TOnKeyPressEvent OnKeyPress;
  TOnKeyEvent OnKeyUp;
  TOnMouseEvent OnMouseDown;
  TOnMouseMoveEvent OnMouseMove;
  TOnMouseEvent OnMouseUp;
  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;

  // --- State (written by the grid's own operations) ------------------------------
  std::int32_t FitSkipColumn() const { return FitSkipColumn_; }
  std::int32_t GutterExtent() const { return GutterExtent_; }
  std::int32_t HeaderExtent() const { return HeaderExtent_; }
  std::int32_t ColumnsExtent() const { return ColumnsExtent_; }
  std::int32_t RowsExtent() const { return RowsExtent_; }
  std::int32_t UsedWidth() const { return UsedWidth_; }
  std::int32_t UsedHeight() const { return UsedHeight_; }
  std::int32_t FooterTop() const { return FooterTop_; }
  const tv::TRect& CellArea() const { return CellArea_; }
  std::int32_t ScrollX() const { return ScrollX_; }
  std::int32_t ScrollY() const { return ScrollY_; }
  std::int32_t ScrollXMax() const { return ScrollXMax_; }
  std::int32_t ScrollYMax() const { return ScrollYMax_; }
  std::int32_t LineStep() const { return LineStep_; }
  std::int32_t PageStep() const { return PageStep_; }
  const std::vector<std::unique_ptr<THeaderInfo>>& HeaderCells() const { return HeaderCells_; }
  bool PaintLocked() const { return PaintLocked_; }
  // Sets PaintLocked for its own lifetime and gives back the value it found
  // on every way out, an error's included, so that a failed bulk operation
  // never leaves the grid unable to paint.
  class TPaintLock {
   public:
    explicit TPaintLock(TTextGrid& Grid) : Grid_(Grid), Old_(Grid.PaintLocked_) { Grid.PaintLocked_ = true; }
    ~TPaintLock() { Grid_.PaintLocked_ = Old_; }
    TPaintLock(const TPaintLock&) = delete;
    TPaintLock& operator=(const TPaintLock&) = delete;

   private:
    TTextGrid& Grid_;
    bool Old_;
  };
  std::int32_t CurCol() const { return CurCol_; }
  std::int32_t CurRow() const { return CurRow_; }
  std::int32_t MarkCol() const { return MarkCol_; }
  std::int32_t MarkRow() const { return MarkRow_; }
  const tv::TRect& SelArea() const { return SelArea_; }
  const tv::TRect& FillHandleRect() const { return FillHandleRect_; }
  const tv::TRect& FillSource() const { return FillSource_; }
  std::uint8_t HandleCorner() const { return HandleCorner_; }
  const std::string& TypedText() const { return TypedText_; }
  bool EditorActive() const { return EditorActive_; }
  std::int32_t SizingCol() const { return SizingCol_; }
  std::int32_t SizingColLeft() const { return SizingColLeft_; }
  std::int32_t DragStartIndex() const { return DragStartIndex_; }
  TTextInplace& InplaceEditor() const { return *InplaceEditor_; }
  const std::vector<std::unique_ptr<TMergedCell>>& MergedCells() const { return MergedCells_; }
  // Appends a copy of Cell to MergedCells; it takes effect at the next layout.
  void AddMergedCell(const TMergedCell& Cell);

  // Another grid that follows this grid's vertical scroll range and position
  // and its current row; not owned. Either grid's destruction clears the link.
  TTextGrid* LinkedGrid() const { return LinkedGrid_; }
  void SetLinkedGrid(TTextGrid* Grid);

  // --- Window messages -------------------------------------------------------------
  // The window exists: hides both bars, then lays out.
  void CreateWnd();
  // The client size changed: lays out, then (with columns) scrolls the
  // current cell into view.
  void WMSize();
  // A scroll-bar message: Code SB_LINEUP .. SB_ENDSCROLL; Pos the thumb
  // position for SB_THUMBPOSITION and SB_THUMBTRACK, in pixels (the host
  // passes the bar's full position, not only 16 bits of it).
  void WMHScroll(std::int32_t Code, std::int32_t Pos);
  void WMVScroll(std::int32_t Code, std::int32_t Pos);
  // The wheel: Delta in pixels (120 a notch), positive toward row 0; not
  // snapped to rows.
  void WMMouseWheel(std::int16_t Delta);
  // The grid's Font changed: repaint all, then every column takes a copy of
  // it (each column whose font that changes repaints its strip). No layout.
  void CMFontChanged();
  // The window got the keyboard focus: a hidden caret, 1 x (DefRowHeight - 2)
  // pixels, and the cells repainted (the selection frame turns black).
  void WMSetFocus();
  // The window lost the keyboard focus. ToInplaceEditor: the window that
  // gets it is the grid's own in-place editor, which then stays open; to any
  // other window the editor and the caret are hidden. The caret goes; the
  // cells repaint unless the editor is open.
  void WMKillFocus(bool ToInplaceEditor);

  // --- Scroll bars and scrolling ------------------------------------------------------
  // One bar's range (Mask SIF_RANGE) and/or position (SIF_POS); the vertical
  // one is mirrored into LinkedGrid. A negative Mask raises tv::ERangeError.
  virtual void UpdateScrollBar(std::int32_t Kind, std::int32_t Max, std::int32_t Pos, std::int32_t Mask);
  virtual void ShowScrollBars(bool Horz, bool Vert);
  void SetScrollX(std::int32_t Value);
  void SetScrollY(std::int32_t Value);
  void SnapScrollY();
  // Scrolls as little as needed to show cell (Col, Row) whole; -1: nothing.
  // A column wider than the cell area counts as in view while it covers the
  // whole width of the cell area (see GridScroll.cpp).
  void ScrollToCell(std::int32_t Col, std::int32_t Row);

  // --- Layout ------------------------------------------------------------------------
  // The only computation of the extents, used sizes, footer top, cell area and
  // scroll ranges from the settings and the client size (see GridLayout.cpp).
  virtual void UpdateLayout();
  // The width AutoColWidth wants for column Col: the widest of its texts in
  // the grid's font plus 7, at least 20.
  std::int32_t MeasureColumn(std::int32_t Col);

  // --- Header boxes --------------------------------------------------------------------
  // Rebuilds HeaderCells from the titles of the visible columns over
  // HeaderLine lines, then lays out.
  void BuildHeaderCells();
  void ClearHeaderCells() { HeaderCells_.clear(); }
  // All columns changed: header boxes rebuilt, layout, repaint all. What
  // lies beyond the last column (a column deleted through Columns(), or a
  // copy of fewer columns) is first brought back inside: the current cell to
  // the last column, the selection cut at it (-1 without any column; the
  // moving corner stays), so that neither the layout nor a later paint meets
  // a column that is gone; OnColRowChanged fires at the end when the current
  // cell moved. A column added leaves all of them as they are. An in-place
  // editor whose cell is gone or hidden closes.
  void ColumnsChanged();

  // --- Geometry (no side effects) --------------------------------------------------------
  // Unscrolled x of column Col's left edge: the widths of the visible columns
  // before it; 0 for Col <= 0; Col = ColCount gives the right edge of all.
  // Col above ColCount raises tv::EListError.
  std::int32_t ColumnLeft(std::int32_t Col) const;
  // Unscrolled rectangle of cell (Col, Row) with its grid lines: one pixel left
  // of and above the cell to its right and bottom edges; (0, 0, 0, 0) when Col
  // or Row is -1. A Col outside the columns raises tv::EListError.
  tv::TRect CellBounds(std::int32_t Col, std::int32_t Row) const;
  tv::TRect ToClientRect(const tv::TRect& Rect) const;
  // The cell under client point (X, Y), clamped into the grid, never -1.
  // These mappings and HitTest take any point, however far outside the
  // window, of a grid scrolled anywhere.
  tv::TPoint CellAtPoint(std::int32_t X, std::int32_t Y) const;
  // The column under client x, or -1 (over the gutter, left of the columns).
  std::int32_t ColumnAtX(std::int32_t X) const;
  // The row under client y, or -1 (over the header, below the rows).
  std::int32_t RowAtY(std::int32_t Y) const;

  // --- Visible columns ------------------------------------------------------------------
  // The sum of the visible columns' widths, as they are now (ColumnsExtent is
  // the same as of the last layout).
  std::int32_t VisibleColumnsWidth() const;
  // The lowest and the highest visible column; -1 when there is none.
  std::int32_t FirstVisibleColumn() const;
  std::int32_t LastVisibleColumn() const;
  // The nearest visible column right of / left of column C (-1 or a column
  // index); C itself when there is none or the grid has no columns. A C
  // beyond the columns gives C from NextVisibleColumn and raises
  // tv::EListError from PriorVisibleColumn.
  std::int32_t NextVisibleColumn(std::int32_t C) const;
  std::int32_t PriorVisibleColumn(std::int32_t C) const;

  // --- Cell texts and tags ---------------------------------------------------------
  // Row Row of column Col; "Cell Index out of bound." (tv::ERangeError) beyond
  // the last column or row; a negative index raises tv::EListError.
  std::string GetCellText(std::int32_t Col, std::int32_t Row) const;
  // The same without the bound test.
  std::string CellTextOrEmpty(std::int32_t Col, std::int32_t Row) const;
  // The same without a copy, for painting, and in Measure what the canvas
  // measured of a long text (nullptr for a short one or none).
  const std::string& StoredCellText(std::int32_t Col, std::int32_t Row,
                                    std::unique_ptr<tv::TTextMeasure>*& Measure) const;
  // The one write path: ByUser marks an edit by the user (column ReadOnly
  // refuses it, OnCellChanging and OnCellChange fire). A changed cell is
  // repainted at once unless PaintLocked.
  void StoreCellText(std::int32_t Col, std::int32_t Row, const std::string& Text, bool ByUser);
  void SetCellText(std::int32_t Col, std::int32_t Row, const std::string& Text) {
    StoreCellText(Col, Row, Text, false);
  }
  std::int32_t GetCellTag(std::int32_t Col, std::int32_t Row) const;
  void SetCellTag(std::int32_t Col, std::int32_t Row, std::int32_t Tag);
  // Blanks and tags -2 the cells under every merged cell, as far as its block
  // lies inside the columns and rows.
  void ApplyMergedCells();
  void ClearMergedCells();
  // Merged cell Index (tv::EListError outside MergedCells) and, in Span, the
  // part of its block inside the columns and rows; false when none of it is.
  const TMergedCell& MergedCellInGrid(std::int32_t Index, tv::TRect& Span) const;

  // --- Invalidation (client pixels, nothing erased) ------------------------------------
  void Invalidate() { Host_.Invalidate(); }
  void InvalidateCells();
  void InvalidateHeader();
  void InvalidateGutter();
  void InvalidateRightOf(std::int32_t X);
  void InvalidateBelow(std::int32_t Y);
  void InvalidateColumn(std::int32_t Index);

  // --- Selection and current cell ---------------------------------------------------
  // Replaces SelArea and invalidates the old and new block with the frame's
  // margin; an equal block without Force does nothing. A block the grid
  // cannot place raises before anything changes: tv::EListError for a
  // column outside the columns, tv::EIntOverflow for a row beyond the pixel
  // range.
  void SetSelAreaEx(const tv::TRect& Area, bool Force);
  void SetSelArea(const tv::TRect& Area) { SetSelAreaEx(Area, false); }
  // Makes row ARow current in the current column (a linked grid's row follows).
  void SetCurrentRow(std::int32_t ARow);
  // Tells LinkedGrid and OnColRowChanged the current cell (every call).
  void NotifyColRowChanged();
  // After the current cell moved: it becomes the whole selection and the
  // moving corner, TypedText empties, it scrolls into view (painting locked
  // meanwhile) and OnColRowChanged fires, also when it did not move.
  void CollapseSelection();
  // After the moving corner moved: the selection spans the current cell and
  // the corner, and the corner scrolls into view. No notice.
  void ExtendSelection();
  void HideEditorAndCaret();
  // Shows the caret where the host last placed it, unless it is shown.
  void ShowTypingCaret();

  // --- Keyboard (GridKeys.cpp) ---------------------------------------------------------
  // A key went down while the grid has the focus: Key a virtual-key code,
  // Shift the modifiers held (Ctrl picks the Ctrl table, else Shift the Shift
  // table; Alt is not looked at). Moves the current cell, extends the
  // selection, assigns or fills on Enter, inserts, deletes or clears rows and
  // cells, copies, cuts and pastes; then OnKeyDown. Nothing at all, not even
  // OnKeyDown, while the grid is disabled, has no column or no row, or has
  // no current cell (see HasCurrentCell).
  void KeyDown(TVirtualKey& Key, TShiftState Shift);
  // A character typed while the grid has the focus (8 Backspace, or any
  // code point from 32 up; control characters do nothing): OnKeyPress first,
  // then OnFilterChar and type-over into the current cell unless ReadOnly.
  // Cell texts are UTF-8, so a character above 127 is stored as its UTF-8
  // bytes. A current cell in a hidden column (or none) takes nothing.
  void KeyPress(TChar& Key);
  // A key was released while the grid has the focus: OnKeyUp, whatever the
  // grid's state (the grid itself does nothing on a release).
  void KeyUp(TVirtualKey& Key, TShiftState Shift);
  // The keys the grid takes from the window's focus navigation: the arrows.
  // Tab, Enter and Escape keep the window's handling.
  static bool WantsSpecialKey(TVirtualKey Key);

  // --- Mouse (GridMouse.cpp, GridDrags.cpp) --------------------------------------------
  // The zone of client point (X, Y): 0 none, 1 corner, 2 gutter, 3 header,
  // 4 cell, 5 column border, 6 fill handle. A point on a column border sets
  // SizingCol to that column.
  std::int32_t HitTest(std::int32_t X, std::int32_t Y);
  // The cursor id shown over zone Zone (0 .. 6).
  static std::int16_t ZoneCursor(std::int32_t Zone);
  // A press of any button at client (X, Y); ssDouble in Shift marks the
  // second press of a double click, which fires OnDblClick first (left
  // button). Acts on the current Cursor (the state of the mouse handling):
  // sizing, fill drag, select all, a row, a column or a cell (a press on the
  // current cell opens the editor); then captures the mouse, takes the focus
  // and fires OnMouseDown. A disabled grid only fires the events. A fill
  // source still set from a drag whose release never came is dropped first.
  void MouseDown(TMouseButton Button, TShiftState Shift, std::int32_t X, std::int32_t Y);
  // A move to (X, Y); Shift holds the buttons held. Without the left button
  // the Cursor follows the zone; with it the drag that Cursor names takes a
  // step. OnMouseMove last.
  void MouseMove(TShiftState Shift, std::int32_t X, std::int32_t Y);
  // A release of any button: OnClick first for the release of a single
  // left press inside the client area; then drops a fill drag (or, when the
  // release does not come over the fill handle, gives the fill drag up),
  // sets the Cursor from the zone, releases the capture, DragStartIndex -1,
  // OnMouseUp. An error of a drop still ends the drag and releases the
  // capture.
  void MouseUp(TMouseButton Button, TShiftState Shift, std::int32_t X, std::int32_t Y);
  // The release of a press never came (the host saw the buttons up without
  // it): the drag ends without a drop, the capture goes, no event fires.
  void CancelMouseDrag();
  // The text a fill drop writes into list position Pos (of the visible
  // columns of SelArea) and row Row: the source block repeated from its own
  // place. Only meaningful during a drop.
  std::string FillSourceText(std::int32_t Pos, std::int32_t Row) const;

  // --- Clipboard (GridClipboard.cpp) ---------------------------------------------------
  // The selected block as grid text: one line per row, each ended by CR LF,
  // the visible columns' texts separated by TAB. Only the part of the block
  // inside the grid counts; without a current cell there is none (the
  // empty text), as in a grid without cells.
  std::string SelectionText() const;
  // SelectionText onto the clipboard; the grid does not change.
  void CopySelection();
  // SelectionText onto the clipboard; only when that write succeeded, every
  // visible cell of the block is cleared as a user edit (painting locked,
  // the cells repainted once).
  void CutSelection();
  // The clipboard's grid text into the cells as user edits: spread from the
  // current cell when one cell is selected, tiled over the block otherwise.
  // No text on the clipboard, or no current cell: nothing is written. The
  // text ends at its first NUL.
  void PasteText();
  // The same with a given text instead of the clipboard's.
  void PasteGridText(std::string_view Text);

  // --- Rows ----------------------------------------------------------------------------
  // An empty row at index Row (0 .. RowCount - 1), the texts and tags from
  // Row on one row down in every column; RowCount + 1. Another index changes
  // nothing; one row more than the pixel range holds raises
  // tv::EIntOverflow before any text moves. Hides the editor and the caret
  // in every case; no row event.
  void InsertRow(std::int32_t Row);
  // Removes row Row (0 .. RowCount - 1): the texts below move up one, the
  // tags stay at their indices, the lists keep their length; RowCount - 1.
  // Another index changes nothing. Hides the editor and the caret in every
  // case; no row event.
  void DeleteRow(std::int32_t Row);

  // --- Painting ------------------------------------------------------------------------
  // The paint pass over the whole client area, on the host's canvas.
  void Paint();
  // Repaints cell (Col, Row) at once and flushes it; returns the caret point
  // after its text, (-1, -1) when nothing was drawn. Inside a pass (a cell
  // written by a drawing handler) it paints within the pass's clip and gives
  // the pass back its clip, pen, brush and font.
  tv::TPoint RepaintCellText(std::int32_t Col, std::int32_t Row, bool ShowEnd);
  // Draws Text in Rect on ACanvas, aligned; ShowEnd moves a left-aligned text
  // that is too wide so that its end shows. Returns the caret point
  // (min(X + width + 1, Right), Top - 1). With Measure, what the canvas
  // measured of Text and kept with it, the canvas measures a long text once
  // and draws only the part of it that shows, with the same pixels; a
  // left-aligned one without ShowEnd is only measured as far as the
  // rectangle reaches, which is all the caret point needs.
  static tv::TPoint DrawTextAligned(tv::TCanvas& ACanvas, std::string_view Text, const tv::TRect& Rect,
                                    THorzAlign HorzAlign, TVertAlign VertAlign, bool ShowEnd,
                                    std::unique_ptr<tv::TTextMeasure>* Measure = nullptr);
  // Draws Text in Rect, every ";" starting a new line.
  static void DrawTextLines(tv::TCanvas& ACanvas, std::string_view Text, const tv::TRect& Rect,
                            THorzAlign HorzAlign, TVertAlign VertAlign);
  // Background of a data cell: the column's colour, AlternateColor on odd rows
  // of columns in the grid's Color, SelectionColor inside the selection but
  // not on the current cell (only while Enabled).
  tv::TColor CellColor(std::int32_t Col, std::int32_t Row) const;

 protected:
  void PaintCell(std::int32_t Col, std::int32_t Row);
  void PaintMergedCell(std::int32_t Index);
  void PaintSelection();
  void PaintEmptyArea();
  void PaintGutter();
  void PaintHeader();
  void PaintFooter();
  void DrawFixedCell(const tv::TRect& Rc, const std::string& Str, const tv::TFont& AFont,
                     const TOnDrawHeaderEvent& Event);

 private:
  friend struct TTextGridTestAccess;
  friend class TTextColumn;  // writes FitSkipColumn when a column's Visible changes
  friend class TTextInplace;  // clears EditorActive when it hides
  friend class TBulkWrite;    // locks painting around a bulk write

  // Client offset of unscrolled cell coordinates.
  std::int32_t DX() const;
  std::int32_t DY() const;
  // The unscrolled position of client x or y, in 64 bits: a point far
  // outside the window of a grid scrolled near the end of the 32-bit pixel
  // range lies beyond that range.
  std::int64_t UnscrolledX(std::int32_t X) const;
  std::int64_t UnscrolledY(std::int32_t Y) const;
  // The client rectangle of an index block (selection, fill source).
  tv::TRect BlockRect(const tv::TRect& Block) const;
  // The client rectangle in which data cells are painted, from the client size.
  tv::TRect CellsClipRect() const;
  // The rows whose cells can reach client rows Top .. Bottom - 1, clamped to
  // 0 .. RowCount - 1 (First > Last when none).
  void RowsMeeting(std::int32_t Top, std::int32_t Bottom, std::int32_t& First, std::int32_t& Last) const;
  // The header lines the layout counts: HeaderLine, or 0 for a value of 0
  // or less, in every place that sizes the header.
  std::int32_t HeaderLines() const { return std::max(HeaderLine_, 0); }
  // Raises tv::EIntOverflow unless HeaderLines header lines, Rows rows and a
  // footer row, of Height pixels each, fit the 32-bit pixel range: the
  // setters call it before they change anything.
  static void CheckRowsFit(std::int32_t HeaderLines, std::int32_t Rows, std::int32_t Height);
  // The fit of the visible, resizable columns to the width W.
  void FitColumns(std::int32_t W);
  // How far the fit may move column Col toward a difference of Difference
  // pixels: 0 for a column it leaves alone.
  std::int64_t FitRoom(std::int32_t Col, bool Shrink, std::int64_t Difference) const;
  // The ColumnsExtent that FitColumns(W) would leave.
  std::int64_t FittedExtent(std::int64_t W) const;
  // The bars the layout shows, for columns and rows that have the client
  // less FixedWidth and FixedHeight pixels (with FitToWidth, may fit the
  // columns again).
  void DecideScrollBars(std::int32_t FixedWidth, std::int32_t FixedHeight, bool& Horz, bool& Vert);
  // After a change of the column or the row count: the current cell is
  // brought into the columns and rows (-1, -1 without a column or a row) and
  // the selection collapses onto it; a fill drag outside the grid is cancelled.
  void ClampCurrentCell();
  // A fill drag whose source no longer lies wholly inside the grid cannot
  // be dropped: it is cancelled.
  void CancelFillDragOutsideGrid();
  // Block cut to the columns and rows of the grid; false when nothing of it
  // is inside.
  bool BlockInGrid(const tv::TRect& Block, tv::TRect& Inside) const;
  // The grid has cells and a current cell, which the keys and the selecting
  // drags start from. A grid that gains its first column through the
  // collection keeps the current cell of -1 it had without columns until a
  // press chooses a cell; until then the keys and the clipboard treat it as
  // a grid without cells. The current row need not be one of the rows: a
  // grid that follows another one's row (see LinkedGrid) takes rows beyond
  // its own as they come; the keys move on from there (Down, Enter and
  // PageDown come back to the last row), while typing, the editor and the
  // clipboard find no cell there.
  bool HasCurrentCell() const {
    return ColCount() > 0 && RowCount_ > 0 && CurCol_ >= 0 && CurRow_ >= 0;
  }
  // The current cell is a cell of the grid in a visible column: the keys may
  // write it.
  bool CurrentCellVisible() const;
  // Closes the in-place editor when its cell has left the grid or its column
  // is hidden; a cell still there first gets the editor's text.
  void CloseEditorOffGrid();
  // The part of SelArea inside the grid that copy, cut and paste work on;
  // false when there is none or no current cell.
  bool ClipboardBlock(tv::TRect& Block) const;
  // Ends a fill drag under way without writing anything and repaints the
  // cells (its dotted source frame goes); nothing when none is under way.
  void CancelFillDrag();
  // The end of every mouse drag, with or without its release: the capture
  // goes and DragStartIndex is -1.
  void EndMouseDrag();
  bool FillSourceHoldsCurrentCell() const;
  // Keyboard pieces (GridKeys.cpp).
  void KeyDownCtrl(TVirtualKey Key);
  void KeyDownShift(TVirtualKey Key);
  void KeyDownPlain(TVirtualKey Key);
  void EnterKey();
  void StepThroughBlock(bool Forwards);
  void ClearSelectedBlock();
  void WriteTypedText();
  // Mouse pieces (GridMouse.cpp, GridDrags.cpp).
  void SelectingPress(TMouseButton Button, TShiftState Shift, std::int32_t X, std::int32_t Y);
  void SizingStep(std::int32_t X);
  void FillStep(std::int32_t X, std::int32_t Y);
  void FillDrop();
  // The visible columns of Left .. Right, ascending.
  std::vector<std::int32_t> VisibleColumnsIn(std::int32_t Left, std::int32_t Right) const;
  void ScrollBy(std::int32_t& Offset, std::int32_t Code, std::int32_t Pos);

  TTextGridHost& Host_;

  bool Enabled_ = true;
  std::int32_t FitSkipColumn_ = -1;
  std::int32_t GutterExtent_ = 0;
  std::int32_t HeaderExtent_ = 0;
  std::int32_t ColumnsExtent_ = 0;
  std::int32_t RowsExtent_ = 0;
  std::int32_t UsedWidth_ = 200;
  std::int32_t UsedHeight_ = 200;
  std::int32_t FooterTop_ = 0;
  tv::TRect CellArea_;
  std::int32_t ScrollX_ = 0;
  std::int32_t ScrollY_ = 0;
  std::int32_t ScrollXMax_ = 0;
  std::int32_t ScrollYMax_ = 0;
  std::int32_t LineStep_ = 18;
  std::int32_t PageStep_ = 90;
  bool AutoAddRow_ = false;
  std::int32_t RowCount_ = 5;
  std::int32_t DefRowHeight_ = 18;
  std::int32_t DefColWidth_ = 80;
  bool Flat_ = true;
  std::int32_t HeaderLine_ = 1;
  std::vector<std::unique_ptr<THeaderInfo>> HeaderCells_;
  bool PaintLocked_ = false;
  bool Painting_ = false;  // a paint pass runs
  tv::TColor Color_ = tv::clWindow;
  tv::TColor AlternateColor_ = tv::clWindow;
  tv::TColor GridColor_ = tv::clBtnFace;
  bool ShowGrid_ = true;
  tv::TColor HeaderColor_ = tv::clBtnFace;
  tv::TColor HeaderLightColor_ = tv::clBtnHighlight;
  tv::TColor HeaderDarkColor_ = tv::clBtnShadow;
  tv::TColor SelectionColor_ = 0x00CAFFFF;
  tv::TFont HeaderFont_;
  tv::TFont GutterFont_;
  TGutterKind GutterKind_ = gkBlank;
  std::int32_t GutterWidth_ = 20;
  bool FitToWidth_ = false;
  bool AutoColWidth_ = false;
  bool ReadOnly_ = false;
  std::unique_ptr<TTextColumns> Columns_;
  std::unique_ptr<TTextInplace> InplaceEditor_;
  std::int32_t CurCol_ = 0;
  std::int32_t CurRow_ = 0;
  std::int32_t MarkCol_ = 0;
  std::int32_t MarkRow_ = 0;
  tv::TRect SelArea_;
  tv::TRect FillHandleRect_{-1, -1, -1, -1};
  tv::TRect FillSource_{-1, -1, -1, -1};
  std::uint8_t HandleCorner_ = 0;
  std::string TypedText_;
  bool EditorActive_ = false;
  std::int32_t SizingCol_ = -1;
  std::int32_t SizingColLeft_ = -1;
  std::int32_t DragStartIndex_ = 0;
  // The pattern of the fill drop under way: the source's visible columns and
  // the list position of its first one in the target.
  std::vector<std::int32_t> FillColumns_;
  std::int32_t FillSourcePos_ = 0;
  TTextGrid* LinkedGrid_ = nullptr;
  std::vector<TTextGrid*> LinkedFrom_;  // grids whose LinkedGrid is this one
  std::vector<std::unique_ptr<TMergedCell>> MergedCells_;
  std::vector<std::string> GutterStrings_;
  bool ShowFooter_ = false;
  tv::TFont FooterFont_;
  bool AutoFillRight_ = false;
  bool AutoFillDown_ = false;
  tv::TFont Font_;
  std::int16_t Cursor_ = crGridPlus;
  std::intptr_t Tag_ = 0;
  bool ClickPending_ = false;  // a single left press waits for its release
};
