// Cells holding very long texts: a text placed through its kept measure has
// the pixels and the caret point of the whole text placed as ever, for every
// alignment and with its end shown, whether it fits, just does not fit or
// runs far past its cell; the grid paints a long text through the measure it
// keeps with the cell, measures a left-aligned one only as far as its cell
// reaches, keeps the measure from paint to paint and starts a new one when
// the text changes.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "FakeGridHost.h"
#include "platform/qt/Bitmap.h"

namespace {

// Words with kerning pairs and ligatures, repeated to Length bytes.
std::string Words(std::size_t Length) {
  static const std::string unit = "AVATAR To Wa fifl 1111, \"Gr\xC3\xB6\xC3\x9F" "e\" \xD0\x96\xD1\x83\xD0\xBA 42.5% ";
  std::string s;
  while (s.size() < Length) s += unit;
  s.resize(Length);
  while ((static_cast<unsigned char>(s.back()) & 0xC0) == 0x80 || static_cast<unsigned char>(s.back()) >= 0xC0)
    s.pop_back();  // no character cut in half
  return s;
}

struct LongTextPlacement : ::testing::Test {
  static void SetUpTestSuite() { tv::EnsureGuiApplication(); }
};

// The first pixel in which A and B differ, as text; empty when none does.
std::string FirstDifference(const tv::TBitmap& A, const tv::TBitmap& B) {
  for (int y = 0; y < A.Height(); ++y)
    for (int x = 0; x < A.Width(); ++x)
      if (A.Pixel(x, y) != B.Pixel(x, y)) return "pixel " + std::to_string(x) + "," + std::to_string(y);
  return {};
}

TEST_F(LongTextPlacement, PixelsAndCaretAsTheWholeText) {
  struct TFontCase {
    const char* Name;
    tv::TFont Font;
  };
  tv::TFont italic;
  italic.Height = -13;
  italic.Italic = true;
  const TFontCase fonts[] = {{"the grid's default font", tv::TFont()},
                             {"the body table's font", NarrowFont(-15)},
                             {"italic", italic}};
  const THorzAlign aligns[] = {haLeft, haCenter, haRight};
  const TVertAlign verticals[] = {vaTop, vaCenter, vaBottom};
  for (const TFontCase& f : fonts) {
    tv::TBitmap probe(10, 10);
    probe.Canvas().Font = f.Font;
    // A text of a few hundred bytes and one of a few thousand; the
    // rectangle as wide as the short one, a pixel less, or far narrower.
    const std::string shortText = Words(300), longText = Words(4000);
    const std::int32_t w = probe.Canvas().TextWidth(shortText);
    struct TTextCase {
      const char* Name;
      const std::string* Text;
      std::int32_t RectWidth;
    };
    const TTextCase texts[] = {{"fits", &shortText, w + 9},
                               {"fits exactly", &shortText, w},
                               {"just does not fit", &shortText, w - 1},
                               {"runs far past", &longText, 120}};
    for (const TTextCase& t : texts) {
      const tv::TRect r{12, 5, 12 + t.RectWidth, 27};
      tv::TBitmap whole(t.RectWidth + 30, 32), part(t.RectWidth + 30, 32);
      for (const THorzAlign align : aligns) {
        for (const bool showEnd : {false, true}) {
          const TVertAlign vertical = verticals[(align + (showEnd ? 1 : 0)) % 3];
          SCOPED_TRACE(std::string(f.Name) + ", " + t.Name + ", alignment " + std::to_string(align) +
                       (showEnd ? ", end shown" : ""));
          std::unique_ptr<tv::TTextMeasure> measure;  // a new one, then kept for a second draw
          for (int draw = 0; draw < 2; ++draw) {
            for (tv::TBitmap* b : {&whole, &part}) {
              tv::TCanvas& c = b->Canvas();
              c.Brush = {tv::RGBColor(240, 250, 255), tv::TBrushStyle::bsSolid};
              c.FillRect({0, 0, b->Width(), b->Height()});
              c.Brush.Style = tv::TBrushStyle::bsClear;
              c.Font = f.Font;
            }
            const tv::TPoint caret = TTextGrid::DrawTextAligned(whole.Canvas(), *t.Text, r, align, vertical, showEnd);
            const tv::TPoint measured =
                TTextGrid::DrawTextAligned(part.Canvas(), *t.Text, r, align, vertical, showEnd, &measure);
            EXPECT_EQ(measured, caret) << "draw " << draw;
            ASSERT_EQ(FirstDifference(whole, part), "") << "draw " << draw;
          }
        }
      }
    }
  }
}

// A rectangle at the end of the 32-bit pixel range: the caret point,
// min(X + width + 1, Right), is at most Right even where X + width + 1 is
// not, and the call places and draws the text with or without a measure.
TEST_F(LongTextPlacement, CaretAtTheEndOfThePixelRange) {
  tv::TFont font;
  font.Name = "DejaVu Sans";
  font.Height = -13;
  const std::string wide = "a text wider than ninety pixels";
  struct TCase {
    const char* Name;
    const std::string Text;
    tv::TRect Rect;
    bool Fits;  // the caret point follows the text, unless right-aligned
  };
  const TCase cases[] = {
      {"90 pixels 10 short of the end", wide, {2147483547, 0, 2147483637, 20}, false},
      {"90 pixels at the end", wide, {INT32_MAX - 90, 0, INT32_MAX, 20}, false},
      {"a letter at the end", "a", {INT32_MAX - 90, 0, INT32_MAX, 20}, true},
  };
  {
    tv::TBitmap probe(10, 10);
    probe.Canvas().Font = font;
    ASSERT_GT(probe.Canvas().TextWidth(wide), 90);
  }
  for (const TCase& c : cases) {
    for (const THorzAlign align : {haLeft, haCenter, haRight}) {
      for (const bool showEnd : {false, true}) {
        SCOPED_TRACE(std::string(c.Name) + ", alignment " + std::to_string(align) + (showEnd ? ", end shown" : ""));
        tv::TBitmap whole(40, 30), part(40, 30);
        for (tv::TBitmap* b : {&whole, &part}) {
          b->Canvas().Brush = {tv::clWhite, tv::TBrushStyle::bsClear};
          b->Canvas().Font = font;
        }
        std::unique_ptr<tv::TTextMeasure> measure;
        tv::TPoint caret{}, measured{};
        ASSERT_NO_THROW(caret = TTextGrid::DrawTextAligned(whole.Canvas(), c.Text, c.Rect, align, vaTop, showEnd));
        ASSERT_NO_THROW(measured = TTextGrid::DrawTextAligned(part.Canvas(), c.Text, c.Rect, align, vaTop, showEnd,
                                                              &measure));
        EXPECT_EQ(measured, caret);
        EXPECT_EQ(caret.Y, -1);
        if (c.Fits && align != haRight) {
          EXPECT_LT(caret.X, c.Rect.Right);
          if (align == haLeft) {
            EXPECT_EQ(caret.X, c.Rect.Left + whole.Canvas().TextWidth(c.Text) + 1);
          }
        } else {
          EXPECT_EQ(caret.X, c.Rect.Right);
        }
        EXPECT_EQ(FirstDifference(whole, part), "");
      }
    }
  }
}

// A canvas that tells which texts came through a measure, and names each
// measure it makes so that a kept one can be told from a new one. Like a
// real canvas, it keeps a measure of its own kind that holds for one font,
// and starts a new one in a slot that is empty or holds another font's.
class TMeasureLog : public tv::TRecordingCanvas {
 public:
  struct TUse {
    std::size_t Bytes;
    std::string Seen;  // the measure that came; empty: none that held
    std::int32_t Limit;
  };
  std::vector<TUse> Widths, Rects;
  std::size_t PlainLongest = 0;  // the longest text measured without a measure
  int Marked = 0;

  std::int32_t TextWidth(std::string_view Text) override {
    PlainLongest = std::max(PlainLongest, Text.size());
    return tv::TRecordingCanvas::TextWidth(Text);
  }
  std::int32_t MeasuredTextWidth(std::string_view Text, std::unique_ptr<tv::TTextMeasure>& Measure,
                                 std::int32_t Limit) override {
    Widths.push_back({Text.size(), Mark(Measure), Limit});
    return std::min(tv::TRecordingCanvas::TextWidth(Text), Limit);
  }
  void MeasuredTextRect(const tv::TRect&, std::int32_t, std::int32_t, std::string_view Text,
                        std::unique_ptr<tv::TTextMeasure>& Measure) override {
    Rects.push_back({Text.size(), Mark(Measure), 0});
  }
  void Forget() {
    Widths.clear();
    Rects.clear();
    PlainLongest = 0;
  }

 private:
  struct TNamedMeasure : tv::TTextMeasure {
    tv::TFont Font;
    std::string Name;
  };
  std::string Mark(std::unique_ptr<tv::TTextMeasure>& Measure) {
    const auto* kept = dynamic_cast<const TNamedMeasure*>(Measure.get());
    if (kept != nullptr && kept->Font == Font) return kept->Name;
    auto made = std::make_unique<TNamedMeasure>();
    made->Font = Font;
    made->Name = "measure " + std::to_string(++Marked);
    Measure = std::move(made);
    return "";
  }
};

TEST(LongTextCells, PaintedThroughAMeasureKeptWithTheCell) {
  TGridFixture f{400, 200};
  TMeasureLog canvas;
  f.Host.Target = &canvas;
  TTextGrid& g = f.Grid;
  g.SetColCount(3);
  g.SetRowCount(2);
  g.Columns()[1].SetHorzAlign(haCenter);
  const std::string longText = Words(100'000);
  g.SetCellText(0, 0, longText);
  g.SetCellText(1, 0, longText);
  g.SetCellText(2, 0, std::string(TCellStrings::LongText - 1, 'x'));  // short enough to go without one
  canvas.Forget();

  g.Paint();
  // The left-aligned text is measured only as far as its cell's text
  // rectangle (81 - 8 pixels) reaches; the centred one needs its width.
  ASSERT_EQ(canvas.Widths.size(), 2u);
  EXPECT_EQ(canvas.Widths[0].Limit, 73);
  EXPECT_EQ(canvas.Widths[1].Limit, INT_MAX);
  ASSERT_EQ(canvas.Rects.size(), 2u);
  for (const auto& use : canvas.Rects) EXPECT_EQ(use.Bytes, longText.size());
  const std::string first = canvas.Widths[0].Seen.empty() ? "measure 1" : canvas.Widths[0].Seen;
  EXPECT_EQ(canvas.Rects[0].Seen, first);  // the width's measure serves the drawing

  // The next paint finds both measures as they were left.
  canvas.Forget();
  g.Paint();
  ASSERT_EQ(canvas.Rects.size(), 2u);
  EXPECT_EQ(canvas.Rects[0].Seen, "measure 1");
  EXPECT_EQ(canvas.Rects[1].Seen, "measure 2");
  EXPECT_EQ(canvas.Widths[0].Seen, "measure 1");

  // A new text starts a new measure (at its immediate repaint); the other
  // cell keeps its own.
  canvas.Forget();
  g.SetCellText(0, 0, longText + "!");
  ASSERT_EQ(canvas.Widths.size(), 1u);
  EXPECT_EQ(canvas.Widths[0].Seen, "");
  canvas.Forget();
  g.Paint();
  ASSERT_EQ(canvas.Widths.size(), 2u);
  EXPECT_EQ(canvas.Widths[0].Seen, "measure 3");
  EXPECT_EQ(canvas.Widths[1].Seen, "measure 2");

  // A row inserted above moves the texts with their measures.
  g.InsertRow(0);
  canvas.Forget();
  g.Paint();
  ASSERT_EQ(canvas.Widths.size(), 2u);
  EXPECT_EQ(canvas.Widths[0].Seen, "measure 3");
  EXPECT_EQ(canvas.Widths[1].Seen, "measure 2");
  EXPECT_EQ(canvas.PlainLongest, TCellStrings::LongText - 1);
}

// A deleted row takes its texts' measures with it; the texts below move up
// with theirs, by DeleteRow and by Ctrl+Delete alike, and the rows above
// keep their own. The texts differ in length, which tells the rows apart.
TEST(LongTextCells, MeasuresMoveUpWithTheTextsWhenARowIsDeleted) {
  struct TCase {
    const char* Name;
    std::function<void(TTextGrid&)> Delete;
  };
  const TCase cases[] = {{"DeleteRow(1)", [](TTextGrid& g) { g.DeleteRow(1); }},
                         {"Ctrl+Delete on row 1", [](TTextGrid& g) {
                            TVirtualKey key = VK_DELETE;
                            g.KeyDown(key, ssCtrl);
                          }}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TGridFixture f{400, 200};
    TMeasureLog canvas;
    f.Host.Target = &canvas;
    TTextGrid& g = f.Grid;
    g.SetColCount(2);
    g.SetRowCount(4);
    g.Columns()[1].SetHorzAlign(haCenter);
    const auto text = [](std::int32_t Col, std::int32_t Row) {
      return Words(1000) + std::string(static_cast<std::size_t>(1 + Row + 4 * Col), '#');
    };
    for (std::int32_t r = 0; r < 4; ++r) {
      g.SetCellText(0, r, text(0, r));
      g.SetCellText(1, r, text(1, r));
    }
    g.Paint();
    canvas.Forget();
    g.Paint();
    // The measure that each text (by its length) came with.
    const auto measures = [&] {
      std::map<std::size_t, std::string> seen;
      for (const auto& use : canvas.Widths) seen[use.Bytes] = use.Seen;
      return seen;
    };
    std::map<std::size_t, std::string> before = measures();
    ASSERT_EQ(before.size(), 8u);
    before.erase(text(0, 1).size());
    before.erase(text(1, 1).size());

    g.SetCurrentRow(1);
    c.Delete(g);
    ASSERT_EQ(g.RowCount(), 3);
    ASSERT_EQ(g.GetCellText(0, 1), text(0, 2));
    canvas.Forget();
    g.Paint();
    EXPECT_EQ(measures(), before);
  }
}

// Texts copied into a column of another font, both centred (so that each
// paint needs the whole width): each column keeps a measure of its own from
// paint to paint, instead of the two taking turns at one.
TEST(LongTextCells, CopiedTextsKeepAMeasureOfTheirOwn) {
  TGridFixture f{400, 200};
  TMeasureLog canvas;
  f.Host.Target = &canvas;
  TTextGrid& g = f.Grid;
  g.SetColCount(2);
  g.SetRowCount(2);
  tv::TFont other;
  other.Height = -15;
  g.Columns()[1].SetFont(other);
  for (int c = 0; c < 2; ++c) g.Columns()[c].SetHorzAlign(haCenter);
  g.SetCellText(0, 0, Words(5000));
  g.SetCellText(0, 1, Words(6000));
  g.Columns()[1].SetStrings(g.Columns()[0].Strings());
  g.Paint();
  canvas.Forget();
  g.Paint();
  g.Paint();
  ASSERT_EQ(canvas.Widths.size(), 8u);  // 2 columns, 2 rows, 2 paints
  for (const auto& use : canvas.Widths) EXPECT_NE(use.Seen, "") << "a measure started again";
}

}  // namespace
