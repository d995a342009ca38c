// The canvas over a QPainter: GDI semantics (see platform/canvas/Canvas.h)
// painted with Qt. A TQtCanvas keeps its pen, brush, font and stretch mode
// while painters come and go (Attach/Detach), so a window's canvas can live as
// long as the window; text can be measured with no painter attached. Shapes
// are never antialiased; text is antialiased only when AntialiasText is set.
//
// On a 32-bit QImage painted without a transform, lines up to four pixels
// wide, small ellipses and non-antialiased texts with a clear brush are
// written straight into the picture's rows (the pixels the painter would
// paint, shapes and texts kept from their first painting); this assumes that,
// while attached, the painter's clip is changed only through this canvas.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/canvas/Canvas.h"
#include "platform/qt/MeasuredText.h"
#include "platform/qt/PixelTarget.h"

namespace tv {

class TQtCanvas : public TCanvas {
 public:
  TQtCanvas() = default;
  // Paints through Painter, which must be active (or null: paints nothing);
  // Image is the picture the painter works on when it is one, needed to serve
  // as a CopyRect source (a null QImage copies as black).
  explicit TQtCanvas(QPainter* Painter, const QImage* Image = nullptr) { Attach(Painter, Image); }
  TQtCanvas(const TQtCanvas&) = delete;
  TQtCanvas& operator=(const TQtCanvas&) = delete;

  void Attach(QPainter* Painter, const QImage* Image = nullptr);
  // Drawing calls without a painter paint nothing; measuring still works.
  void Detach() { Attach(nullptr, nullptr); }
  QPainter* Painter() const { return Painter_; }
  const QImage* Image() const { return Image_; }

  bool AntialiasText = true;
  // Fixed paintings (see TCanvas::PaintFixed) are kept and given again
  // unless this is false.
  bool KeepFixedPaintings = true;

  using TCanvas::Ellipse;
  using TCanvas::Rectangle;
  void MoveTo(std::int32_t X, std::int32_t Y) override;
  void LineTo(std::int32_t X, std::int32_t Y) override;
  void Ellipse(std::int32_t X1, std::int32_t Y1, std::int32_t X2, std::int32_t Y2) override;
  void Rectangle(std::int32_t X1, std::int32_t Y1, std::int32_t X2, std::int32_t Y2) override;
  void FillRect(const TRect& R) override;
  void TextOut(std::int32_t X, std::int32_t Y, std::string_view Text) override;
  void TextRect(const TRect& R, std::int32_t X, std::int32_t Y, std::string_view Text) override;
  std::int32_t TextWidth(std::string_view Text) override;
  std::int32_t TextHeight(std::string_view Text) override;
  // A long text is measured only as far as needed and drawn only in the
  // part that can reach the rectangle, cut where a part laid out alone puts
  // every glyph where the whole text puts it (see MeasuredText.cpp); a text
  // that cannot be cut so is measured and drawn whole, in one call.
  // Measure holds a TQtTextMeasure.
  std::int32_t MeasuredTextWidth(std::string_view Text, std::unique_ptr<TTextMeasure>& Measure,
                                 std::int32_t Limit) override;
  void MeasuredTextRect(const TRect& R, std::int32_t X, std::int32_t Y, std::string_view Text,
                        std::unique_ptr<TTextMeasure>& Measure) override;
  void CopyRect(const TRect& Dest, TCanvas& Source, const TRect& Src) override;
  void SelectClipRegion(const TRegion& Region) override;
  void RemoveClipRegion() override;
  bool GetClipRegion(TRegion& Region) const override;

  // On a picture of RGB32 pixels painted without a clip or transform, at full
  // opacity, with unsmoothed text, a fixed painting is taken at its first
  // call for the picture's size: painted on the picture and on a scratch
  // picture that differs from it in every pixel (what it paints is what
  // comes out the same on both), and once more from settings unlike the
  // canvas's in every field, to tell the settings it sets from those it
  // passes through. Whenever it comes again, its pixels are written straight
  // into the picture and the settings it sets are set. A painting that fails
  // the checks (a clip left selected, colours mixed with the ground) is always
  // run through this canvas, and so is every painting elsewhere.
  void PaintFixed(void (*Paint)(TCanvas&)) override;
  // Takes the painting as above ahead of its first call, on the picture
  // itself, which should be black: painted on it as it is, then on a second
  // ground, white where the first painting left black and the turned-over
  // colour where it left any other, so that every pixel left alone differs
  // between the two; no scratch picture of its size is made. The picture is
  // left black and the settings as they were. Nothing is taken where
  // PaintFixed would run the painting, nor when the painting raises an error
  // or fails the checks (a pixel that was not black and that the painting
  // leaves alone fails them): its first call takes it as ever.
  void PrepareFixed(void (*Paint)(TCanvas&)) override;

  // The Qt font that the current Font maps to (face, pixel size, style).
  const QFont& QtFont();

 private:
  const QFontMetrics& Metrics();
  // The same font's advances with their fractions.
  const QFontMetricsF& MetricsF();
  QRect DeviceRect() const;
  void DrawText(std::int32_t X, std::int32_t Y, std::string_view Text, const TRect* Clip);
  // Paints Text through the painter with its cell's top-left corner at
  // (X + Offset, Y) (Offset may hold a fraction), clipped to Clip when given;
  // Width is its advance, needed without a clip.
  void PaintText(std::int32_t X, std::int32_t Y, double Offset, std::string_view Text, const TRect* Clip,
                 std::int32_t Width);
  // Measured texts (MeasuredText.cpp): the canvas's own measure in Slot,
  // made ready for Text in the current font; the exact advance of a text;
  // the whole width of a text that may be cut; the mark at most a font
  // height before, or after, the pen position Target (or the nearest one
  // that can be found); a place where Text may be cut, near Guess and
  // strictly between Low and High.
  TQtTextMeasure& StartMeasure(std::string_view Text, std::unique_ptr<TTextMeasure>& Slot);
  std::int32_t MeasuredWidth(std::string_view Text, TQtTextMeasure& Measure, std::int32_t Limit);
  double Advance(std::string_view Text);
  // The advance from byte From to byte To of Text, laid out in parts split
  // at the breaks between them, as the whole text is.
  double AdvanceBetween(std::string_view Text, const TQtTextMeasure& Measure, std::size_t From, std::size_t To);
  std::int32_t WholeWidth(std::string_view Text, TQtTextMeasure& Measure);
  TTextMark MarkBefore(std::string_view Text, TQtTextMeasure& Measure, double Target);
  TTextMark MarkAfter(std::string_view Text, TQtTextMeasure& Measure, double Target);
  bool FindCut(std::string_view Text, const TQtTextMeasure& Measure, std::size_t Guess, std::size_t Low,
               std::size_t High, std::size_t& Cut);
  // Whether Text may be cut at byte Byte: at a break, or between two
  // characters of the kind that its cuts lie between, where Qt lays out the
  // characters around the cut the same whole and in two parts.
  bool CleanCut(std::string_view Text, const TQtTextMeasure& Measure, std::size_t Byte);
  // Whether the font itself, without a fallback font, draws every character
  // of Text; then OwnOverhang_ is at least the most that the ink of one of
  // their glyphs reaches before its pen position or past its advance.
  bool OwnGlyphs(const QString& Text);
  // One step of the search for a mark: a new one at a cut near where the pen
  // position Aim falls between the marks Low and High (none: the text's end,
  // not yet reached), or at the end when Aim lies beyond the last mark; false
  // when no cut is found there (kept with Low, so that the same search is
  // not made again).
  bool AddMarkNear(std::string_view Text, TQtTextMeasure& Measure, const TTextMark& Low, const TTextMark* High,
                   double Aim);
  // A new mark at the cut Byte, measured from the nearer of the marks Before
  // and After (the latter may be none); returns it.
  TTextMark AddMark(std::string_view Text, TQtTextMeasure& Measure, std::size_t Byte, const TTextMark& Before,
                    const TTextMark* After);
  void WideSegment(QPointF A, QPointF B);
  void ThinSegment(TPoint A, TPoint B);
  void SetShapeBrush();
  // The picture under the painter for direct pixel writes, limited to the
  // device and the selected clip; false when the painter's state does not
  // allow them (then everything goes through the painter).
  bool DirectTarget(TPixelTarget& Target);
  // Paints Text from the text shape cache (non-antialiased text with a clear
  // brush, no clip rectangle, not cut by the picture's left or top edge);
  // false when the cache does not apply.
  bool StampText(std::int32_t X, std::int32_t Y, std::string_view Text);
  // Paints the ellipse in the box of W x H pixels (1 .. MaxStampSide each) at
  // (L, T) from the shape cache; false when the cache does not apply.
  bool StampEllipse(std::int32_t L, std::int32_t T, std::int32_t W, std::int32_t H);

  // The settings a drawing call may read or change: the public ones and the
  // state of a chain of dotted lines.
  struct TPaintSettings {
    TPen Pen;
    TBrush Brush;
    TFont Font;
    TPoint PenPos;
    TStretchMode StretchMode = TStretchMode::smColorOnColor;
    std::int64_t DotPhase = 0;
    bool InChain = false;
    friend bool operator==(const TPaintSettings&, const TPaintSettings&) = default;
  };
  TPaintSettings Settings() const;
  void ApplySettings(const TPaintSettings& S);

  // A fixed painting as taken: its pixels, row by row, and what it does to
  // the settings: each one it sets (a bit in Sets) takes its value from
  // After, the others stay as they were.
  struct TFixedPainting {
    void (*Paint)(TCanvas&) = nullptr;
    QSize Size;
    bool Kept = false;  // false: it failed the checks and is always run
    std::vector<TColorRun> Runs;
    TPaintSettings After;
    std::uint32_t Sets = 0;
  };
  // Whether fixed paintings are kept and given here now (see PaintFixed);
  // Target: the picture's pixels.
  bool FixedTarget(TPixelTarget& Target);
  std::vector<TFixedPainting>::iterator KnownPainting(void (*Paint)(TCanvas&), QSize Size);
  // Runs Paint on this canvas and takes it as a fixed painting of Picture's
  // size (Picture: the picture under the painter).
  void TakeFixedPainting(void (*Paint)(TCanvas&), const QImage& Picture);
  // Runs Paint on a canvas of its own over Picture from the settings From;
  // End: the settings it leaves. False when it leaves a clip selected.
  static bool PaintOnScratch(void (*Paint)(TCanvas&), QImage& Picture, const TPaintSettings& From,
                             TPaintSettings& End);
  // Keeps Made, taken from the settings Start and Unlike, which it left as
  // Ends: which settings it sets, and whether it is kept after all.
  void KeepTaken(TFixedPainting Made, const TPaintSettings& Start, const TPaintSettings& Unlike,
                 const TPaintSettings (&Ends)[2]);
  static constexpr std::size_t MaxFixedPaintings = 16;
  std::vector<TFixedPainting> FixedPaintings_;
  // The scratch picture of the takings; kept while they follow each other
  // (the first draw of a chart), dropped once a painting is given again.
  QImage FixedScratch_;
  bool TakingFixed_ = false;  // a painting being taken runs any nested one directly

  QPainter* Painter_ = nullptr;
  const QImage* Image_ = nullptr;

  // The Font that QtFont_ and Metrics_ were made for (Escapement and Color
  // play no part in them).
  std::optional<TFont> FontKey_;
  bool FontKeyAntialias_ = true;
  QFont QtFont_;
  std::optional<QFontMetrics> Metrics_;
  std::optional<QFontMetricsF> MetricsF_;
  std::string FontKeyText_;  // FontKey_ and the antialiasing as a cache key

  // Text widths and the pixels of painted texts, by font (and escapement)
  // and text. Shaping and turned glyphs cost the painter several
  // microseconds a text; a chart paints the same hundred labels again and
  // again. Each cache is emptied when it reaches MaxCachedTexts entries, the
  // pixels also when they pass MaxTextRuns runs.
  struct TTextRun {
    std::int32_t Dy, X0, X1;  // row and columns X0 .. X1-1 from the reference point
  };
  struct TTextShape {
    bool Stampable = false;  // false: the painter paints more than one colour
    std::vector<TTextRun> Runs;
    // The scratch area it was taken from, relative to the reference point:
    // the text is stamped only where none of it lies left of or above the
    // picture, as the painter places glyphs cut there differently.
    TPixelBox Area;
  };
  static constexpr std::size_t MaxCachedTexts = 4096;
  static constexpr std::size_t MaxTextRuns = std::size_t{1} << 18;
  std::unordered_map<std::string, std::int32_t> TextWidths_;
  std::unordered_map<std::string, TTextShape> TextShapes_;
  std::size_t TextRuns_ = 0;  // runs held in TextShapes_
  std::string TextKey_;  // scratch
  QImage TextScratch_;
  // Windows of text (with the cut's byte offset in a last byte) that a
  // measured text may be cut in, in the font named by CleanCutsFont_ (true),
  // or not (false); emptied when full.
  static constexpr std::size_t MaxCleanCuts = 65536;
  std::unordered_map<std::string, bool> CleanCuts_;
  std::string CleanCutsFont_;
  // The font itself (without fallbacks) for the font named by
  // OwnGlyphsFont_; whether it has a glyph for a character (0 not known
  // yet, 1 yes, 2 no), for the BMP by code and for others in a map; and the
  // most that the ink of one of those glyphs reaches beyond its advance.
  QRawFont OwnFont_;
  std::vector<std::uint8_t> OwnGlyphs_;
  std::unordered_map<char32_t, std::uint8_t> OwnAstralGlyphs_;
  double OwnOverhang_ = 0;
  std::string OwnGlyphsFont_;

  // Dotted lines continue their pattern along a chain of LineTo calls:
  // the pixel count since the chain began, modulo 6.
  std::int64_t DotPhase_ = 0;
  bool InChain_ = false;
  std::vector<QPoint> OnPixels_, OffPixels_;  // scratch of ThinSegment

  // The clip this canvas selected (in device pixels, within the device), for
  // direct pixel writes; ClipBoxes_ empty with ClipSelected_ lets nothing through.
  bool ClipSelected_ = false;
  std::vector<TPixelBox> ClipBoxes_;
  TRegion Clip_;  // the region as selected, for GetClipRegion
  TPixelBox DeviceBox_;  // scratch: the whole device as the one clip box

  // The pixels the painter paints for an ellipse with a one-pixel solid or no
  // pen in a box of up to MaxStampSide pixels a side, as runs relative to the
  // box's top-left corner; keyed by size, pen and brush kind, emptied when it
  // reaches MaxEllipseShapes entries.
  struct TShapeRun {
    std::int16_t Dy, X0, X1;  // row, columns X0 .. X1-1
    bool Pen;                 // pen colour, else brush colour
  };
  static constexpr int MaxStampSide = 64;
  static constexpr std::size_t MaxEllipseShapes = 1024;
  std::unordered_map<std::uint32_t, std::vector<TShapeRun>> EllipseShapes_;
};

}  // namespace tv
