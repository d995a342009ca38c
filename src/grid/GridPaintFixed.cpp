// Text placement, the colour of a data cell, and the fixed boxes that frame
// the cells: the header boxes with the corner box, the row gutter and the
// footer row. The paint pass calls PaintGutter, PaintHeader and PaintFooter
// last, without a clip region, in this order (later boxes cover earlier ones
// where they overlap); they expect a solid one-pixel pen.
#include <algorithm>

#include "grid/TextGrid.h"
#include "platform/CheckedInt.h"

using tv::CheckedAdd;
using tv::CheckedMul;
using tv::CheckedSub;

namespace {
// x of a text of width W in the columns Left .. Right - 1; halves truncate
// toward zero.
std::int32_t AlignedX(THorzAlign Align, std::int32_t Left, std::int32_t Right, std::int32_t W) {
  switch (Align) {
    case haCenter: return CheckedAdd(Left, CheckedSub(CheckedSub(Right, Left), W) / 2);
    case haRight: return CheckedSub(Right, W);
    case haLeft:
    default: return Left;
  }
}
}  // namespace

// A width capped at the rectangle's leaves the caret point as the whole
// width gives it: min(Left + width + 1, Right) is Right for either. The sum
// is taken in 64 bits, as it may pass the 32-bit range where the point,
// at most Right, does not.
tv::TPoint TTextGrid::DrawTextAligned(tv::TCanvas& ACanvas, std::string_view Text, const tv::TRect& Rect,
                                      THorzAlign HorzAlign, TVertAlign VertAlign, bool ShowEnd,
                                      std::unique_ptr<tv::TTextMeasure>* Measure) {
  const std::int32_t rw = CheckedSub(Rect.Right, Rect.Left);
  const bool fromStart = HorzAlign == haLeft && !ShowEnd;
  const std::int32_t w =
      Measure == nullptr
          ? ACanvas.TextWidth(Text)
          : ACanvas.MeasuredTextWidth(Text, *Measure, fromStart ? std::max(rw, 0) : tv::WholeTextWidth);
  const std::int32_t h = ACanvas.TextHeight("gM");
  std::int32_t x = AlignedX(HorzAlign, Rect.Left, Rect.Right, w);
  if (HorzAlign == haLeft && ShowEnd && w > rw) x = CheckedSub(Rect.Left, CheckedSub(w, rw));
  std::int32_t y = Rect.Top;
  if (VertAlign == vaCenter) y = CheckedAdd(Rect.Top, CheckedSub(CheckedSub(Rect.Bottom, Rect.Top), h) / 2);
  if (VertAlign == vaBottom) y = CheckedSub(Rect.Bottom, h);
  if (Measure == nullptr) {
    ACanvas.TextRect(Rect, x, y, Text);
  } else {
    ACanvas.MeasuredTextRect(Rect, x, y, Text, *Measure);
  }
  const std::int64_t end = std::int64_t{x} + w + 1;
  return {static_cast<std::int32_t>(std::min<std::int64_t>(end, Rect.Right)), CheckedSub(Rect.Top, 1)};
}

void TTextGrid::DrawTextLines(tv::TCanvas& ACanvas, std::string_view Text, const tv::TRect& Rect,
                              THorzAlign HorzAlign, TVertAlign VertAlign) {
  if (Text.find(';') == std::string_view::npos) {
    DrawTextAligned(ACanvas, Text, Rect, HorzAlign, VertAlign, false);
    return;
  }
  std::string text(Text);
  std::replace(text.begin(), text.end(), ';', '\r');
  const std::vector<std::string> lines = SplitTextLines(text);
  const std::int32_t n = static_cast<std::int32_t>(lines.size());
  const std::int32_t h = ACanvas.TextHeight("gM");
  const std::int32_t blockTop =
      CheckedAdd(Rect.Top, CheckedSub(CheckedSub(Rect.Bottom, Rect.Top), CheckedMul(n, h)) / 2);
  for (std::int32_t i = 0; i < n; ++i) {
    const std::string& line = lines[static_cast<std::size_t>(i)];
    const std::int32_t x = AlignedX(HorzAlign, Rect.Left, Rect.Right, ACanvas.TextWidth(line));
    std::int32_t y = CheckedAdd(Rect.Top, CheckedMul(i, h));
    if (VertAlign == vaCenter) y = CheckedAdd(blockTop, CheckedMul(i, h));
    if (VertAlign == vaBottom) y = CheckedSub(Rect.Bottom, CheckedMul(n - i, h));
    ACanvas.TextRect(Rect, x, y, line);
  }
}

tv::TColor TTextGrid::CellColor(std::int32_t Col, std::int32_t Row) const {
  tv::TColor c = Columns_->GetItem(Col).Color();
  if (Row % 2 != 0 && c == Color_) c = AlternateColor_;
  const bool inSelection = Col >= SelArea_.Left && Col <= SelArea_.Right && Row >= SelArea_.Top &&
                           Row <= SelArea_.Bottom;
  if (Enabled_ && inSelection && !(Col == CurCol_ && Row == CurRow_)) c = SelectionColor_;
  return c;
}

void TTextGrid::DrawFixedCell(const tv::TRect& Rc, const std::string& Str, const tv::TFont& AFont,
                              const TOnDrawHeaderEvent& Event) {
  tv::TCanvas& c = Canvas();
  bool handled = false;
  c.Pen.Color = Flat_ ? HeaderDarkColor_ : tv::clBlack;
  c.Brush.Style = tv::TBrushStyle::bsSolid;
  c.Brush.Color = HeaderColor_;
  c.Font = AFont;
  if (!Enabled_) c.Font.Color = HeaderDarkColor_;
  if (Event) Event(*this, c, Rc, Str, handled);
  if (handled) return;
  const std::int32_t l = Rc.Left, t = Rc.Top, r = Rc.Right, b = Rc.Bottom;
  c.Rectangle(Rc);
  c.Brush.Style = tv::TBrushStyle::bsClear;
  DrawTextLines(c, Str, {CheckedAdd(l, 2), CheckedAdd(t, 2), CheckedSub(r, 3), CheckedSub(b, 3)}, haCenter, vaCenter);
  c.Pen.Color = HeaderLightColor_;
  c.MoveTo(CheckedAdd(l, 1), CheckedSub(b, 2));
  c.LineTo(CheckedAdd(l, 1), CheckedAdd(t, 1));
  c.LineTo(CheckedSub(r, 1), CheckedAdd(t, 1));
  if (!Flat_) {
    c.Pen.Color = HeaderDarkColor_;
    c.MoveTo(CheckedSub(r, 2), CheckedAdd(t, 1));
    c.LineTo(CheckedSub(r, 2), CheckedSub(b, 2));
    c.LineTo(l, CheckedSub(b, 2));
  }
}

void TTextGrid::PaintGutter() {
  if (GutterKind_ == gkNone) return;
  tv::TCanvas& c = Canvas();
  const std::int32_t h = DefRowHeight_;
  const tv::TRect band{0, CellArea_.Top, CellArea_.Right, CellArea_.Bottom};
  const std::int32_t dy = DY();
  // Only the rows whose boxes can reach the band are looked at; the others
  // would fail the intersection test below.
  std::int32_t first = 0, last = -1;
  RowsMeeting(band.Top, band.Bottom, first, last);
  for (std::int32_t i = first; i <= last; ++i) {
    const tv::TRect box{-1, CheckedAdd(CheckedSub(CheckedMul(i, h), 1), dy), GutterWidth_,
                        CheckedAdd(CheckedMul(i + 1, h), dy)};
    tv::TRect common;
    if (!tv::IntersectRect(common, box, band)) continue;
    std::string text;
    if (GutterKind_ == gkNumber) text = std::to_string(i + 1);
    if (GutterKind_ == gkString && static_cast<std::size_t>(i) < GutterStrings_.size()) {
      text = GutterStrings_[static_cast<std::size_t>(i)];
    }
    DrawFixedCell(box, text, GutterFont_, OnDrawGutter);
    if (GutterKind_ == gkPointer && i == CurRow_) {
      const std::int32_t x0 = CheckedSub(GutterWidth_, 8) / 2;
      const std::int32_t d = (h - 8) / 2;
      c.Pen.Color = HeaderDarkColor_;
      c.MoveTo(x0, CheckedSub(box.Bottom, d));
      c.LineTo(x0, CheckedAdd(box.Top, d));
      c.LineTo(CheckedAdd(x0, 8), CheckedAdd(box.Top, h / 2));
      c.Pen.Color = HeaderLightColor_;
      c.LineTo(x0, CheckedSub(box.Bottom, d));
    }
  }
}

void TTextGrid::PaintHeader() {
  tv::TCanvas& c = Canvas();
  c.Font = HeaderFont_;
  const std::int32_t h = DefRowHeight_;
  const std::int32_t dx = DX();
  const tv::TRect client = Host_.ClientRect();
  // HeaderCells may be rebuilt by a drawing handler; walk it by index.
  for (std::size_t i = 0; i < HeaderCells_.size(); ++i) {
    const THeaderInfo info = *HeaderCells_[i];
    const tv::TRect box{CheckedAdd(CheckedSub(ColumnLeft(info.Rc.Left), 1), dx),
                        CheckedSub(CheckedMul(info.Rc.Top, h), 1),
                        CheckedAdd(ColumnLeft(CheckedAdd(info.Rc.Right, 1)), dx),
                        CheckedMul(CheckedAdd(info.Rc.Bottom, 1), h)};
    tv::TRect common;
    if (!tv::IntersectRect(common, box, client)) continue;
    DrawFixedCell(box, info.Str, HeaderFont_, OnDrawHeader);
  }
  DrawFixedCell({-1, -1, GutterExtent_, HeaderExtent_}, std::string(), HeaderFont_, OnDrawHeader);
}

void TTextGrid::PaintFooter() {
  tv::TCanvas& c = Canvas();
  c.Font = FooterFont_;
  const std::int32_t bottom = CheckedAdd(CheckedAdd(FooterTop_, DefRowHeight_), 1);
  const std::int32_t dx = DX();
  const tv::TRect client = Host_.ClientRect();
  std::int32_t left = 0;  // ColumnLeft(i)
  for (std::int32_t i = 0; i < ColCount(); ++i) {
    const TTextColumn& column = Columns_->GetItem(i);
    const std::int32_t right = column.Visible() ? CheckedAdd(left, column.Width()) : left;
    const tv::TRect box{CheckedAdd(CheckedSub(left, 1), dx), FooterTop_, CheckedAdd(right, dx), bottom};
    left = right;
    tv::TRect common;
    if (!tv::IntersectRect(common, box, client)) continue;
    DrawFixedCell(box, std::string(column.Footer()), FooterFont_, OnDrawFooter);
  }
  DrawFixedCell({-1, FooterTop_, GutterExtent_, bottom}, std::string(), FooterFont_, OnDrawFooter);
  DrawFixedCell({-1, bottom - 1, std::min(UsedWidth_, client.Right), client.Bottom}, std::string(), FooterFont_,
                OnDrawFooter);
}
