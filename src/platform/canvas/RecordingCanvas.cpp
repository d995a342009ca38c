#include "platform/canvas/RecordingCanvas.h"

#include <cstdio>

namespace tv {

TCanvasCall& TRecordingCanvas::Record(TCanvasOp Op) {
  TCanvasCall& c = Calls_.emplace_back();
  c.Op = Op;
  c.Pen = Pen;
  c.Brush = Brush;
  c.Font = Font;
  return c;
}

void TRecordingCanvas::MoveTo(std::int32_t X, std::int32_t Y) {
  Record(TCanvasOp::MoveTo).To = {X, Y};
  PenPos_ = {X, Y};
}

void TRecordingCanvas::LineTo(std::int32_t X, std::int32_t Y) {
  TCanvasCall& c = Record(TCanvasOp::LineTo);
  c.From = PenPos_;
  c.To = {X, Y};
  PenPos_ = {X, Y};
}

void TRecordingCanvas::Ellipse(std::int32_t X1, std::int32_t Y1, std::int32_t X2, std::int32_t Y2) {
  Record(TCanvasOp::Ellipse).Rect = {X1, Y1, X2, Y2};
}

void TRecordingCanvas::Rectangle(std::int32_t X1, std::int32_t Y1, std::int32_t X2, std::int32_t Y2) {
  Record(TCanvasOp::Rectangle).Rect = {X1, Y1, X2, Y2};
}

void TRecordingCanvas::FillRect(const TRect& R) { Record(TCanvasOp::FillRect).Rect = R; }

void TRecordingCanvas::TextOut(std::int32_t X, std::int32_t Y, std::string_view Text) {
  TCanvasCall& c = Record(TCanvasOp::TextOut);
  c.To = {X, Y};
  c.Text = std::string(Text);
  PenPos_ = {X + TextWidth(Text), Y};
}

void TRecordingCanvas::TextRect(const TRect& R, std::int32_t X, std::int32_t Y, std::string_view Text) {
  TCanvasCall& c = Record(TCanvasOp::TextRect);
  c.Rect = R;
  c.To = {X, Y};
  c.Text = std::string(Text);
}

std::int32_t TRecordingCanvas::TextWidth(std::string_view Text) {
  std::int32_t codePoints = 0;
  for (unsigned char ch : Text) {
    if ((ch & 0xC0) != 0x80) ++codePoints;  // not a continuation byte
  }
  return codePoints * CharWidth;
}

std::int32_t TRecordingCanvas::TextHeight(std::string_view) {
  if (CellHeight > 0) return CellHeight;
  if (Font.Height > 0) return Font.Height;
  return (-Font.Height * 23 + 10) / 20;
}

void TRecordingCanvas::CopyRect(const TRect& Dest, TCanvas& Source, const TRect& Src) {
  TCanvasCall& c = Record(TCanvasOp::CopyRect);
  c.Rect = Dest;
  c.SourceRect = Src;
  c.Source = &Source;
  c.StretchMode = StretchMode_;
}

void TRecordingCanvas::SelectClipRegion(const TRegion& Region) {
  Record(TCanvasOp::SelectClipRegion).Region = Region;
  ClipSelected_ = true;
  Clip_ = Region;
}

void TRecordingCanvas::RemoveClipRegion() {
  Record(TCanvasOp::RemoveClipRegion);
  ClipSelected_ = false;
  Clip_ = TRegion();
}

bool TRecordingCanvas::GetClipRegion(TRegion& Region) const {
  if (ClipSelected_) Region = Clip_;
  return ClipSelected_;
}

std::vector<TCanvasCall> TRecordingCanvas::CallsOf(TCanvasOp Op) const {
  std::vector<TCanvasCall> out;
  for (const TCanvasCall& c : Calls_) {
    if (c.Op == Op) out.push_back(c);
  }
  return out;
}

namespace {
const char* OpName(TCanvasOp Op) {
  switch (Op) {
    case TCanvasOp::MoveTo: return "MoveTo";
    case TCanvasOp::LineTo: return "LineTo";
    case TCanvasOp::Ellipse: return "Ellipse";
    case TCanvasOp::Rectangle: return "Rectangle";
    case TCanvasOp::FillRect: return "FillRect";
    case TCanvasOp::TextOut: return "TextOut";
    case TCanvasOp::TextRect: return "TextRect";
    case TCanvasOp::CopyRect: return "CopyRect";
    case TCanvasOp::SelectClipRegion: return "SelectClipRegion";
    case TCanvasOp::RemoveClipRegion: return "RemoveClipRegion";
  }
  return "?";
}

std::string RectText(const TRect& R) {
  char buf[80];
  std::snprintf(buf, sizeof buf, "(%d,%d,%d,%d)", R.Left, R.Top, R.Right, R.Bottom);
  return buf;
}

std::string PointText(const TPoint& P) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "(%d,%d)", P.X, P.Y);
  return buf;
}

std::string ColorText(TColor C) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%06X", static_cast<unsigned>(C & 0xFFFFFF));
  return IsSystemColor(C) ? std::string("sys") + buf : std::string(buf);
}

std::string PenText(const TPen& P) {
  const char* style = P.Style == TPenStyle::psSolid ? "solid" : P.Style == TPenStyle::psDot ? "dot" : "clear";
  return " pen " + ColorText(P.Color) + "/" + std::to_string(P.Width) + "/" + style;
}

std::string BrushText(const TBrush& B) {
  return B.Style == TBrushStyle::bsClear ? " brush clear" : " brush " + ColorText(B.Color);
}

std::string FontText(const TFont& F) {
  return " font \"" + F.Name + "\"/" + std::to_string(F.Height) + (F.Bold ? "/bold" : "") + "/" +
         ColorText(F.Color) + (F.Escapement != 0 ? "/esc " + std::to_string(F.Escapement) : "");
}
}  // namespace

std::string TRecordingCanvas::Describe(const TCanvasCall& Call) {
  std::string s = OpName(Call.Op);
  switch (Call.Op) {
    case TCanvasOp::MoveTo: return s + " " + PointText(Call.To);
    case TCanvasOp::LineTo: return s + " " + PointText(Call.From) + "->" + PointText(Call.To) + PenText(Call.Pen) + BrushText(Call.Brush);
    case TCanvasOp::Ellipse:
    case TCanvasOp::Rectangle: return s + " " + RectText(Call.Rect) + PenText(Call.Pen) + BrushText(Call.Brush);
    case TCanvasOp::FillRect: return s + " " + RectText(Call.Rect) + BrushText(Call.Brush);
    case TCanvasOp::TextOut: return s + " " + PointText(Call.To) + " \"" + Call.Text + "\"" + FontText(Call.Font) + BrushText(Call.Brush);
    case TCanvasOp::TextRect:
      return s + " " + RectText(Call.Rect) + " " + PointText(Call.To) + " \"" + Call.Text + "\"" + FontText(Call.Font) + BrushText(Call.Brush);
    case TCanvasOp::CopyRect: return s + " " + RectText(Call.SourceRect) + "->" + RectText(Call.Rect) + (Call.StretchMode == TStretchMode::smHalftone ? " halftone" : "");
    case TCanvasOp::SelectClipRegion: return s + " " + RectText(Call.Region.Bounds()) + " in " + std::to_string(Call.Region.Rects().size()) + " rects";
    case TCanvasOp::RemoveClipRegion: return s;
  }
  return s;
}

std::string TRecordingCanvas::Log() const {
  std::string out;
  for (const TCanvasCall& c : Calls_) out += Describe(c) + "\n";
  return out;
}

}  // namespace tv
