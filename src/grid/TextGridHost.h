// The window services a text grid asks of the window that hosts it: client
// size, invalidation, the canvas and an immediate flush, the two scroll bars,
// the caret, mouse capture, cursors, focus, the clipboard and the child edit
// field of the in-place editor. The grid core calls only this interface; the
// Qt widget in grid/qt implements it, tests use a fake. No Qt.
#pragma once

#include <cstdint>
#include <string>

#include "grid/TextGridTypes.h"
#include "platform/canvas/Canvas.h"

// Scroll-bar kinds and the parts of a scroll-bar update.
inline constexpr std::int32_t SB_HORZ = 0;
inline constexpr std::int32_t SB_VERT = 1;
inline constexpr std::int32_t SIF_RANGE = 1;
inline constexpr std::int32_t SIF_POS = 4;

// Scroll codes of the horizontal and vertical scroll messages.
inline constexpr std::int32_t SB_LINEUP = 0;
inline constexpr std::int32_t SB_LINELEFT = 0;
inline constexpr std::int32_t SB_LINEDOWN = 1;
inline constexpr std::int32_t SB_LINERIGHT = 1;
inline constexpr std::int32_t SB_PAGEUP = 2;
inline constexpr std::int32_t SB_PAGELEFT = 2;
inline constexpr std::int32_t SB_PAGEDOWN = 3;
inline constexpr std::int32_t SB_PAGERIGHT = 3;
inline constexpr std::int32_t SB_THUMBPOSITION = 4;
inline constexpr std::int32_t SB_THUMBTRACK = 5;
inline constexpr std::int32_t SB_TOP = 6;
inline constexpr std::int32_t SB_LEFT = 6;
inline constexpr std::int32_t SB_BOTTOM = 7;
inline constexpr std::int32_t SB_RIGHT = 7;
inline constexpr std::int32_t SB_ENDSCROLL = 8;

// Cursor ids: the platform's arrow and column-split cursors and the grid's
// five own cursors (plus over a cell, cross over the fill handle, right
// arrow over the gutter, down arrow over the header, the corner's arrow).
inline constexpr std::int16_t crDefault = 0;
inline constexpr std::int16_t crHSplit = -14;
inline constexpr std::int16_t crGridPlus = 101;
inline constexpr std::int16_t crGridCross = 102;
inline constexpr std::int16_t crGridRight = 103;
inline constexpr std::int16_t crGridDown = 104;
inline constexpr std::int16_t crGridLeftTop = 105;

class TTextGridHost {
 public:
  virtual ~TTextGridHost() = default;

  // --- Window and painting ---------------------------------------------------
  // True once the window exists; the paint pass draws nothing before.
  virtual bool HandleAllocated() const = 0;
  // The client area, (0, 0, width, height), inside the border and inside the
  // scroll bars that are shown. Read afresh after every scroll-bar change.
  virtual tv::TRect ClientRect() const = 0;
  // Asks for a paint pass over R (client pixels) without erasing anything.
  virtual void InvalidateRect(const tv::TRect& R) = 0;
  // Asks for a paint pass over the whole control.
  virtual void Invalidate() = 0;
  // The window's own background colour, kept equal to the grid's Color (the
  // grid itself paints every pixel of its client area).
  virtual void SetControlColor(tv::TColor Color) = 0;
  // The control's canvas, client coordinates. Its pen, brush and font keep
  // their settings from one paint to the next. The paint pass draws on it
  // when the host asks the grid to paint; outside a pass the grid draws on it
  // only for an immediate repaint, followed by FlushRect.
  virtual tv::TCanvas& Canvas() = 0;
  // Shows what was drawn on the canvas outside a paint pass within R: at once,
  // or (a window's host) with its next paint, after any invalid area.
  virtual void FlushRect(const tv::TRect& R) = 0;

  // --- Scroll bars -------------------------------------------------------------
  // Kind SB_HORZ or SB_VERT; Mask SIF_RANGE (range 0 .. Max), SIF_POS (Pos)
  // or both. Pixels, no proportional thumb.
  virtual void SetScrollInfo(std::int32_t Kind, std::int32_t Max, std::int32_t Pos, std::int32_t Mask) = 0;
  // Shows or hides one bar. A change may change the client size; the host
  // then calls the grid's WMSize before it returns, as a window does.
  virtual void ShowScrollBar(std::int32_t Kind, bool Show) = 0;
  // True while the bar of Kind is shown.
  virtual bool ScrollBarShown(std::int32_t Kind) const = 0;
  // The client area as it would be with the horizontal bar shown when Horz
  // and the vertical one when Vert: ClientRect for the bars shown now. The
  // horizontal bar takes only height, the vertical one only width, and
  // neither side goes below 0 (a window smaller than a bar has no client
  // beside it), so a bar added never makes the client larger.
  virtual tv::TRect ClientRectWith(bool Horz, bool Vert) const = 0;

  // --- Caret (one per thread, in the window with the focus) -----------------------
  virtual void CreateCaret(std::int32_t Width, std::int32_t Height) = 0;
  virtual void DestroyCaret() = 0;
  virtual void ShowCaret() = 0;
  virtual void HideCaret() = 0;
  virtual void SetCaretPos(std::int32_t X, std::int32_t Y) = 0;

  // --- Mouse, cursor, focus ------------------------------------------------------
  virtual void SetCapture() = 0;
  virtual void ReleaseCapture() = 0;
  // Shows the cursor of id Id (crDefault, crHSplit or crGridPlus .. crGridLeftTop).
  virtual void SetCursor(std::int16_t Id) = 0;
  // True while the control's window has the keyboard focus.
  virtual bool Focused() const = 0;
  virtual void SetFocus() = 0;

  // --- Clipboard (plain text, UTF-8) ---------------------------------------------
  // False when the clipboard could not be written.
  virtual bool SetClipboardText(const std::string& Text) = 0;
  // False when the clipboard holds no text.
  virtual bool GetClipboardText(std::string& Text) = 0;

  // --- The in-place editor: a borderless one-line edit child ----------------------
  // Places the edit over Bounds (client pixels) with the given text, font,
  // background colour and alignment, and shows it. Taking the text is no
  // change by the user: it raises no change of the edit (TTextInplace::
  // Change), and the edit takes a text of any length.
  virtual void ShowEditor(const tv::TRect& Bounds, const std::string& Text, const tv::TFont& Font,
                          tv::TColor Color, THorzAlign Alignment) = 0;
  virtual void HideEditor() = 0;
  virtual bool EditorVisible() const = 0;
  // Gives the keyboard focus to the edit.
  virtual void FocusEditor() = 0;
};
