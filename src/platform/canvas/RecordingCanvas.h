// A canvas that paints nothing and logs every drawing call with the pen,
// brush and font in force at the call, so that tests can check what a layer
// asked for without looking at pixels. Text metrics are fixed numbers the test
// chooses. No Qt.
#pragma once

#include <string>
#include <vector>

#include "platform/canvas/Canvas.h"

namespace tv {

enum class TCanvasOp : std::uint8_t {
  MoveTo, LineTo, Ellipse, Rectangle, FillRect, TextOut, TextRect, CopyRect,
  SelectClipRegion, RemoveClipRegion,
};

// One logged call. Fields that an operation does not use stay default.
struct TCanvasCall {
  TCanvasOp Op = TCanvasOp::MoveTo;
  TPoint From;         // LineTo: the current position before the call
  TPoint To;           // MoveTo, LineTo: the new position; TextOut, TextRect: the text point
  TRect Rect;          // Ellipse, Rectangle, FillRect: the box; TextRect: the clip; CopyRect: Dest
  TRect SourceRect;    // CopyRect: Src
  const TCanvas* Source = nullptr;  // CopyRect
  TStretchMode StretchMode = TStretchMode::smColorOnColor;  // CopyRect
  std::string Text;    // TextOut, TextRect
  TRegion Region;      // SelectClipRegion
  TPen Pen;
  TBrush Brush;
  TFont Font;
};

class TRecordingCanvas : public TCanvas {
 public:
  // Text metrics: every character (UTF-8 code point) CharWidth pixels wide;
  // the cell CellHeight pixels high, or, when CellHeight is 0, the font's
  // positive Height, or 115 % of a negative Height's magnitude, rounded.
  std::int32_t CharWidth = 8;
  std::int32_t CellHeight = 0;

  void MoveTo(std::int32_t X, std::int32_t Y) override;
  void LineTo(std::int32_t X, std::int32_t Y) override;
  using TCanvas::Ellipse;
  using TCanvas::Rectangle;
  void Ellipse(std::int32_t X1, std::int32_t Y1, std::int32_t X2, std::int32_t Y2) override;
  void Rectangle(std::int32_t X1, std::int32_t Y1, std::int32_t X2, std::int32_t Y2) override;
  void FillRect(const TRect& R) override;
  void TextOut(std::int32_t X, std::int32_t Y, std::string_view Text) override;
  void TextRect(const TRect& R, std::int32_t X, std::int32_t Y, std::string_view Text) override;
  std::int32_t TextWidth(std::string_view Text) override;
  std::int32_t TextHeight(std::string_view Text) override;
  void CopyRect(const TRect& Dest, TCanvas& Source, const TRect& Src) override;
  void SelectClipRegion(const TRegion& Region) override;
  void RemoveClipRegion() override;
  bool GetClipRegion(TRegion& Region) const override;

  const std::vector<TCanvasCall>& Calls() const { return Calls_; }
  // The logged calls of one kind, in order.
  std::vector<TCanvasCall> CallsOf(TCanvasOp Op) const;
  void Clear() { Calls_.clear(); }

  // One line per call, e.g. "LineTo (10,20)->(30,40) pen 0000FF/1/dot brush clear".
  static std::string Describe(const TCanvasCall& Call);
  std::string Log() const;

 private:
  TCanvasCall& Record(TCanvasOp Op);
  std::vector<TCanvasCall> Calls_;
  bool ClipSelected_ = false;
  TRegion Clip_;
};

}  // namespace tv
