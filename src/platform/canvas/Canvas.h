// The drawing interface with the semantics of a GDI device context: a
// persistent pen, brush and font, a current position, MoveTo/LineTo, shapes,
// text (also turned by an escapement), copies between canvases and clip
// regions. Colours are 0x00BBGGRR or system colours. Chart layers and the grid
// draw only through TCanvas. No Qt; the pixel implementation lives in
// src/platform/qt, a call-logging one in RecordingCanvas.h.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tv {

// ---------------------------------------------------------------------------
// Colours
// ---------------------------------------------------------------------------

// A colour value: 0x00BBGGRR (red in the low byte), or a system colour, whose
// high bit is set and whose low byte is the system colour index.
using TColor = std::uint32_t;

constexpr TColor RGBColor(int R, int G, int B) {
  return static_cast<TColor>((R & 0xFF) | ((G & 0xFF) << 8) | ((B & 0xFF) << 16));
}
constexpr int RedOf(TColor C) { return static_cast<int>(C & 0xFF); }
constexpr int GreenOf(TColor C) { return static_cast<int>((C >> 8) & 0xFF); }
constexpr int BlueOf(TColor C) { return static_cast<int>((C >> 16) & 0xFF); }

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clRed = 0x0000FF;

// System colours (index in the low byte).
constexpr TColor clWindow = 0x80000005;        // cell background
constexpr TColor clWindowText = 0x80000008;    // default text colour
constexpr TColor clBtnFace = 0x8000000F;       // fixed cells, grid lines
constexpr TColor clBtnShadow = 0x80000010;     // dark bevel
constexpr TColor clBtnHighlight = 0x80000014;  // light bevel

constexpr bool IsSystemColor(TColor C) { return (C & 0x80000000u) != 0; }

// The plain 0x00BBGGRR value of C: a system colour is looked up in the
// program's fixed palette (white window, black window text, light grey
// buttons); any other value is returned with its top byte cleared.
TColor ColorToRGB(TColor C);

// ---------------------------------------------------------------------------
// Geometry
// ---------------------------------------------------------------------------

struct TPoint {
  std::int32_t X = 0;
  std::int32_t Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

// A rectangle in pixels whose right and bottom edges lie outside: it covers
// columns Left .. Right-1 and rows Top .. Bottom-1. Empty when Right <= Left
// or Bottom <= Top.
struct TRect {
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Right = 0;
  std::int32_t Bottom = 0;

  std::int32_t Width() const { return Right - Left; }
  std::int32_t Height() const { return Bottom - Top; }
  bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  bool Contains(std::int32_t X, std::int32_t Y) const {
    return X >= Left && X < Right && Y >= Top && Y < Bottom;
  }
  friend bool operator==(const TRect&, const TRect&) = default;
};

// The common part of A and B; false (and R empty, all zero) when they do not
// overlap, like the platform's IntersectRect.
bool IntersectRect(TRect& R, const TRect& A, const TRect& B);

// R grown by Dx columns on both sides and Dy rows at top and bottom (negative
// values shrink it), like the platform's InflateRect; every edge is held
// within the 32-bit range (a rectangle reaching its end grows no farther).
TRect InflateRect(const TRect& R, std::int32_t Dx, std::int32_t Dy);

// ---------------------------------------------------------------------------
// Pen, brush, font
// ---------------------------------------------------------------------------

enum class TPenStyle : std::uint8_t {
  psSolid,  // continuous
  psDot,    // three pixels on, three off; always one pixel wide
  psClear,  // draws nothing
};

// The pen for lines and shape outlines. Width 0 and 1 both paint one pixel
// wide; wider solid pens have round end caps and round joins.
struct TPen {
  TColor Color = clBlack;
  std::int32_t Width = 1;
  TPenStyle Style = TPenStyle::psSolid;
  friend bool operator==(const TPen&, const TPen&) = default;
};

enum class TBrushStyle : std::uint8_t {
  bsSolid,  // fills shapes, FillRect, text cells and the gaps of dotted lines
  bsClear,  // fills nothing: shapes hollow, FillRect paints nothing, text and
            // dotted lines transparent
};

struct TBrush {
  TColor Color = clWhite;
  TBrushStyle Style = TBrushStyle::bsSolid;
  friend bool operator==(const TBrush&, const TBrush&) = default;
};

enum class TFontPitch : std::uint8_t { fpDefault, fpVariable, fpFixed };

// The text font, as the platform's logical font. The size is kept as Height
// in pixels: negative = the character height (em size without internal
// leading), positive = the height of the text cell; points convert at 96 dots
// per inch. Escapement turns the text counter-clockwise about its reference
// point, in tenths of a degree.
struct TFont {
  static constexpr std::int32_t PixelsPerInch = 96;

  std::string Name = "Arial";
  std::int32_t Height = -11;  // 8 points
  TColor Color = clWindowText;
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  TFontPitch Pitch = TFontPitch::fpDefault;
  std::uint8_t Charset = 1;  // platform default character set
  std::int32_t Escapement = 0;

  // Size in points: Height := -round(Points * 96 / 72), halves away from 0.
  void SetSize(std::int32_t Points);
  // Size in points of the current Height: -round(Height * 72 / 96); a
  // positive (cell) Height gives a negative size, as on the platform.
  std::int32_t Size() const;

  friend bool operator==(const TFont&, const TFont&) = default;
};

// ---------------------------------------------------------------------------
// Regions
// ---------------------------------------------------------------------------

enum class TRegionMode : std::uint8_t { rgnAnd, rgnOr, rgnXor, rgnDiff };

// A set of pixels made of rectangles, a value type (no handle to delete). Kept
// as disjoint rectangles sorted by row bands.
class TRegion {
 public:
  TRegion() = default;
  explicit TRegion(const TRect& R);  // CreateRectRgn; empty R gives an empty region

  // CombineRgn: A and B, A or B, A xor B, or A without B.
  static TRegion Combine(const TRegion& A, const TRegion& B, TRegionMode Mode);

  bool IsEmpty() const { return Rects_.empty(); }
  bool Contains(std::int32_t X, std::int32_t Y) const;
  TRect Bounds() const;
  const std::vector<TRect>& Rects() const { return Rects_; }
  friend bool operator==(const TRegion&, const TRegion&) = default;

 private:
  std::vector<TRect> Rects_;
};

// ---------------------------------------------------------------------------
// Measured texts
// ---------------------------------------------------------------------------

// What a canvas found out about one text, kept by the caller beside the
// text so that a long text is neither measured nor laid out and drawn whole
// at every paint (see MeasuredTextWidth, MeasuredTextRect). The caller keeps
// it in a std::unique_ptr, empty at first, and passes that; each canvas
// fills it with a measure of its own kind (replacing one of another kind)
// and starts it again when the font is another one. It belongs to one text
// as one caller draws it: whoever changes the text drops it, and a copy of
// the text, which may be drawn in another font, starts without one.
class TTextMeasure {
 public:
  virtual ~TTextMeasure() = default;
};

// The Limit of MeasuredTextWidth that asks for the whole width.
constexpr std::int32_t WholeTextWidth = INT32_MAX;

// ---------------------------------------------------------------------------
// The canvas
// ---------------------------------------------------------------------------

enum class TStretchMode : std::uint8_t {
  smColorOnColor,  // scaled copies drop or repeat source pixels (the default)
  smHalftone,      // scaled copies average the source pixels under each target pixel
};

// A drawing surface with GDI semantics. Pen, Brush and Font are plain values
// that persist until changed; every drawing call uses them as they are at the
// call. Coordinates are pixels, x to the right, y downward; any 32-bit value is
// allowed, what falls outside the surface or the clip region is not painted.
//
// Painting rules:
// - LineTo paints from the current position up to, not including, the end
//   point, then makes the end point the current position. A dotted pen fills
//   its gaps with the brush colour unless the brush is clear.
// - Ellipse and Rectangle take a bounding box whose right and bottom edges lie
//   outside: with a one-pixel pen the outline runs on columns Left and Right-1
//   and rows Top and Bottom-1; the inside is filled with the brush. A wider pen
//   is centred on that outline. The current position is not changed.
// - Text is painted in the font colour with its cell's top-left corner at the
//   given point (before turning by the font's Escapement); with a solid brush
//   the cell is first filled with the brush colour.
class TCanvas {
 public:
  virtual ~TCanvas() = default;

  TPen Pen;
  TBrush Brush;
  TFont Font;

  // Current position.
  TPoint PenPos() const { return PenPos_; }
  virtual void MoveTo(std::int32_t X, std::int32_t Y) { PenPos_ = {X, Y}; }
  virtual void LineTo(std::int32_t X, std::int32_t Y) = 0;

  virtual void Ellipse(std::int32_t X1, std::int32_t Y1, std::int32_t X2, std::int32_t Y2) = 0;
  void Ellipse(const TRect& R) { Ellipse(R.Left, R.Top, R.Right, R.Bottom); }
  virtual void Rectangle(std::int32_t X1, std::int32_t Y1, std::int32_t X2, std::int32_t Y2) = 0;
  void Rectangle(const TRect& R) { Rectangle(R.Left, R.Top, R.Right, R.Bottom); }
  // Fills R with the brush; paints nothing with a clear brush. No outline.
  virtual void FillRect(const TRect& R) = 0;

  // Text is UTF-8. TextOut leaves the current position at (X + TextWidth, Y).
  virtual void TextOut(std::int32_t X, std::int32_t Y, std::string_view Text) = 0;
  // One line with its top-left corner at (X, Y), clipped to R; R is first
  // filled with the brush unless the brush is clear. Current position kept.
  virtual void TextRect(const TRect& R, std::int32_t X, std::int32_t Y, std::string_view Text) = 0;
  // Advance width of Text in the current font, unturned, pixels.
  virtual std::int32_t TextWidth(std::string_view Text) = 0;
  // Height of the current font's text cell (ascent + descent), pixels; the
  // same for every text.
  virtual std::int32_t TextHeight(std::string_view Text) = 0;
  TPoint TextExtent(std::string_view Text) { return {TextWidth(Text), TextHeight(Text)}; }
  // min(TextWidth(Text), Limit), through Measure, which the caller keeps with
  // Text: a canvas need not measure a text wider than Limit whole
  // (WholeTextWidth: no limit).
  virtual std::int32_t MeasuredTextWidth(std::string_view Text, std::unique_ptr<TTextMeasure>& Measure,
                                         std::int32_t Limit) {
    static_cast<void>(Measure);
    return std::min(TextWidth(Text), Limit);
  }
  // TextRect(R, X, Y, Text) through Measure, which the caller keeps with
  // Text: a canvas may lay out and draw only the part of Text that can reach
  // R, with the pixels of the whole.
  virtual void MeasuredTextRect(const TRect& R, std::int32_t X, std::int32_t Y, std::string_view Text,
                                std::unique_ptr<TTextMeasure>& Measure) {
    static_cast<void>(Measure);
    TextRect(R, X, Y, Text);
  }

  // Copies Src of Source onto Dest of this canvas, scaled to Dest's size with
  // the stretch mode of this canvas. Source must be a canvas over a picture of
  // the same implementation; areas of Src outside Source's picture copy black.
  virtual void CopyRect(const TRect& Dest, TCanvas& Source, const TRect& Src) = 0;
  void SetStretchBltMode(TStretchMode Mode) { StretchMode_ = Mode; }
  TStretchMode StretchBltMode() const { return StretchMode_; }

  // Limits all painting to Region (a copy is kept) until it is removed.
  virtual void SelectClipRegion(const TRegion& Region) = 0;
  virtual void RemoveClipRegion() = 0;
  // The clip region in force, as selected, into Region; false (Region left
  // as it was) when none is, like the platform's GetClipRgn. A code that
  // draws inside another's drawing restores the clip it found with it.
  virtual bool GetClipRegion(TRegion& Region) const = 0;

  // Runs Paint(*this), for a fixed painting: one that sets every setting it
  // paints with (pen, brush, font, the current position by MoveTo) before it
  // uses it, reads no other setting, no shared data and no pixel of the
  // surface, and leaves no clip selected; its pixels, and the settings it
  // leaves, then depend on nothing but the size of the surface. A canvas may
  // keep what such a painting paints and which settings it sets to what, and
  // give them again instead of running Paint; this one always runs it.
  virtual void PaintFixed(void (*Paint)(TCanvas&)) { Paint(*this); }
  // Takes the fixed painting Paint ahead of its first call, for a black
  // surface whose pixels do not matter yet (made and not yet drawn on): a
  // canvas that keeps fixed paintings may take it on the surface itself,
  // leaving the surface black and the settings as they were; this one does
  // nothing.
  virtual void PrepareFixed(void (*)(TCanvas&)) {}

 protected:
  TPoint PenPos_;
  TStretchMode StretchMode_ = TStretchMode::smColorOnColor;
};

}  // namespace tv
