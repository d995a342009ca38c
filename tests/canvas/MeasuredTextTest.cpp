// Long texts through a kept measure: the width is TextWidth's (or, below a
// limit, as far as the limit needs), and a text drawn in the part that can
// reach its rectangle has exactly the pixels of the whole text drawn by
// TextRect, wherever the text stands (its start, middle or end in view), in
// any font, with and without smoothing, on a clear or a solid brush; texts
// that cannot be cut are drawn whole. A measure taken in one font is taken
// again in another. The parts match where a pair of letters cannot tell
// (ligatures of three letters, fallback fonts, long signs before the first
// letter, fonts of a pixel), and Qt lays texts out as the cuts assume.
#include <algorithm>
#include <climits>
#include <functional>
#include <string>
#include <vector>

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>

#include "CanvasTestUtil.h"
#include "RandomLongTexts.h"

namespace tv {
namespace {

struct TNamedText {
  const char* Name;
  std::string Text;
  bool Cuttable;
};

// Unit repeated to about Length bytes.
std::string Repeated(const std::string& Unit, std::size_t Length) {
  std::string s;
  while (s.size() < Length) s += Unit;
  return s;
}

std::vector<TNamedText> Corpus(std::size_t Length) {
  return {
      {"words with kerning and ligatures",
       Repeated("AVATAR To Wa Yo fifl ffi, 1111 \"quoted\" LT Ty P. V. 42.5% ", Length), true},
      {"Latin-1, Greek and Cyrillic",
       Repeated("Gr\xC3\xB6\xC3\x9F" "e \xC3\x84rger \xE2\x80\x94 \xD0\x96\xD1\x91\xD0\xBB\xD1\x82\xD1\x8B\xD0\xB9 "
                "\xCE\xB1\xCE\xBB\xCF\x86\xCE\xB1 \xE2\x82\xAC 12 ",
                Length),
       true},
      {"digits and signs only", Repeated("0123456789 1111 11.5, -7/3 = ", Length), true},
      {"one long word", Repeated("Supercalifragilisticexpialidocious", Length), true},
      {"combining marks", Repeated("e\xCC\x81t\xC3\xA9 a\xCC\x88 Latin ", Length), true},
      // No installed font has these: drawn from a fallback font.
      {"CJK", Repeated("\xE6\xBC\xA2\xE5\xAD\x97\xE3\x81\x8B\xE3\x81\xAA Latin ", Length), false},
      {"with a tab", Repeated("tab\there ", Length), false},
      {"right to left", Repeated("abc \xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D def ", Length), false},
      {"not UTF-8", Repeated("caf\xE9 au lait ", Length), false},
  };
}

struct TFontCase {
  const char* Name;
  const char* Face;
  std::int32_t Height;
  bool Bold, Italic, Smooth;
};

const TFontCase Fonts[] = {
    {"Arial 15 px", "Arial", -15, false, false, false},
    {"DejaVu Sans Condensed 15 px bold, smoothed", "DejaVu Sans Condensed", -15, true, false, true},
    {"Arial 12 px italic, smoothed", "Arial", -12, false, true, true},
    {"Arial 19 px italic", "Arial", -19, false, true, false},
};

void SetFont(TQtCanvas& C, const TFontCase& F) {
  C.AntialiasText = F.Smooth;
  C.Font = TFont();
  C.Font.Name = F.Face;
  C.Font.Height = F.Height;
  C.Font.Bold = F.Bold;
  C.Font.Italic = F.Italic;
  C.Font.Color = RGBColor(20, 40, 160);
}

constexpr int Width = 240, Height = 40;

// A ground of columns in two colours, so that a fill or a missing glyph shows.
void PaintGround(TBitmap& B) {
  TCanvas& c = B.Canvas();
  c.Brush.Style = TBrushStyle::bsSolid;
  for (int x = 0; x < Width; x += 7) {
    c.Brush.Color = (x / 7) % 2 == 0 ? RGBColor(250, 250, 235) : RGBColor(225, 240, 250);
    c.FillRect({x, 0, x + 7, Height});
  }
}

// The first pixel in which A and B differ, as text; empty when none does.
std::string FirstDifference(const TBitmap& A, const TBitmap& B) {
  for (int y = 0; y < Height; ++y)
    for (int x = 0; x < Width; ++x)
      if (A.Pixel(x, y) != B.Pixel(x, y)) return "pixel " + std::to_string(x) + "," + std::to_string(y);
  return {};
}

// The text's x for the placements a grid gives it in R: start, centre, end,
// the end shown from a left-aligned start; and a point a third in, the text
// ending just before R and starting just after it.
std::vector<std::pair<const char*, std::int32_t>> Placements(const TRect& R, std::int32_t W) {
  const std::int32_t rw = R.Right - R.Left;
  return {{"left", R.Left},
          {"centred", R.Left + (rw - W) / 2},
          {"right", R.Right - W},
          {"end shown", W > rw ? R.Left - (W - rw) : R.Left},
          {"a third in", R.Left - W / 3},
          {"ending before", R.Left - W - 3},
          {"starting after", R.Right + 2}};
}

class MeasuredTextTest : public QtCanvasTest {};

// What the Qt canvas keeps in a measure it filled.
const TQtTextMeasure& Kept(const std::unique_ptr<TTextMeasure>& Measure) {
  return dynamic_cast<const TQtTextMeasure&>(*Measure);
}

TEST_F(MeasuredTextTest, WidthIsTextWidthOrTheLimit) {
  for (const TFontCase& f : Fonts) {
    for (const TNamedText& t : Corpus(1500)) {
      SCOPED_TRACE(std::string(f.Name) + ", " + t.Name);
      TBitmap b(10, 10);
      TQtCanvas& c = b.Canvas();
      SetFont(c, f);
      const std::int32_t w = c.TextWidth(t.Text);
      for (const std::int32_t limit : {0, 50, w - 1, w, w + 1, INT_MAX}) {
        std::unique_ptr<TTextMeasure> fresh;
        EXPECT_EQ(c.MeasuredTextWidth(t.Text, fresh, limit), std::min(w, limit)) << "limit " << limit;
        EXPECT_EQ(Kept(fresh).Cuts != TTextCuts::None, t.Cuttable);
      }
      std::unique_ptr<TTextMeasure> kept;
      for (const std::int32_t limit : {50, INT_MAX, 10, w - 1, INT_MAX})
        EXPECT_EQ(c.MeasuredTextWidth(t.Text, kept, limit), std::min(w, limit)) << "kept, limit " << limit;
    }
  }
}

TEST_F(MeasuredTextTest, PartsDrawnHaveThePixelsOfTheWhole) {
  const TRect r{17, 6, 17 + 150, 34};
  for (const TFontCase& f : Fonts) {
    for (const TNamedText& t : Corpus(3000)) {
      for (const TBrushStyle brush : {TBrushStyle::bsClear, TBrushStyle::bsSolid}) {
        std::unique_ptr<TTextMeasure> measure;  // kept through every placement
        for (int round = 0; round < 2; ++round) {
          TBitmap whole(Width, Height), part(Width, Height);
          for (TBitmap* b : {&whole, &part}) {
            PaintGround(*b);
            SetFont(b->Canvas(), f);
            b->Canvas().Brush = {RGBColor(255, 255, 200), brush};
          }
          const std::int32_t w = whole.Canvas().TextWidth(t.Text);
          for (const auto& [name, x] : Placements(r, w)) {
            SCOPED_TRACE(std::string(f.Name) + ", " + t.Name + ", " + name +
                         (brush == TBrushStyle::bsSolid ? ", solid" : ", clear") + ", round " +
                         std::to_string(round));
            whole.Canvas().TextRect(r, x, 9, t.Text);
            part.Canvas().MeasuredTextRect(r, x, 9, t.Text, measure);
            ASSERT_EQ(FirstDifference(whole, part), "");
          }
        }
      }
    }
  }
}

// A text of 100,000 characters: drawn from its start it is measured only as
// far as its rectangle reaches; its middle and its end come out as the
// whole text's, from a few marks.
TEST_F(MeasuredTextTest, LongTextIsMeasuredOnlyWhereItShows) {
  const std::string text = Corpus(100'000).front().Text;
  const TRect r{10, 6, 110, 34};
  TBitmap whole(Width, Height), part(Width, Height);
  for (TBitmap* b : {&whole, &part}) SetFont(b->Canvas(), Fonts[1]);
  std::unique_ptr<TTextMeasure> measure;
  EXPECT_EQ(part.Canvas().MeasuredTextWidth(text, measure, 100), 100);
  part.Canvas().MeasuredTextRect(r, r.Left, 9, text, measure);
  EXPECT_EQ(Kept(measure).Width, -1);
  EXPECT_LT(Kept(measure).Marks.back().Byte, 1000u);

  const std::int32_t w = whole.Canvas().TextWidth(text);
  EXPECT_EQ(part.Canvas().MeasuredTextWidth(text, measure, INT_MAX), w);
  for (const auto& [name, x] : Placements(r, w)) {
    SCOPED_TRACE(name);
    for (TBitmap* b : {&whole, &part}) PaintGround(*b);
    whole.Canvas().TextRect(r, x, 9, text);
    part.Canvas().MeasuredTextRect(r, x, 9, text, measure);
    EXPECT_EQ(FirstDifference(whole, part), "");
  }
  EXPECT_LT(Kept(measure).Marks.size(), 64u);
}

// Qt shapes a run of one script in pieces of 4096 UTF-16 units, with nothing
// joining their glyphs (a kerned pair there is not kerned): parts of the text
// come out as the whole where those cuts lie in view, in runs that start at
// the text's start, at a change of script or after a mark that gave the
// first run its script, and in a text of signs only. A text is drawn whole
// where a character outside the BMP stands at such a cut, or where the part
// after one begins with signs that a letter of another script follows (laid
// out alone, they would join its run).
TEST_F(MeasuredTextTest, LongRunsAreCutAsTheWholeTextIs) {
  std::string kerned, mixed, signs, astral, spaced, marked;
  for (int i = 0; i < 5000; ++i) kerned += "AV";
  mixed = kerned.substr(0, 3001);  // then a Cyrillic run from byte 3001
  for (int i = 0; i < 3000; ++i) mixed += "\xD0\x93\xD0\x90";  // Cyrillic GA, kerned
  for (int i = 0; i < 6000; ++i) signs += "1";
  // U+1D538 across unit 4096: DejaVu Sans draws it itself.
  astral = std::string(4095, 'n') + "\xF0\x9D\x94\xB8" + kerned.substr(0, 2000);
  spaced = std::string(4000, 'A') + std::string(200, ' ');  // Qt's cut at 4096 among the spaces
  for (int i = 0; i < 3000; ++i) spaced += "\xD0\xA2\xD0\x90";  // Cyrillic TA (kerned); its run's cut at unit 8296
  marked = "\xD2\x83" + kerned.substr(0, 6000);  // a Cyrillic mark: the Latin run starts at unit 1
  struct TCase {
    const char* Name;
    const std::string* Text;
    std::size_t Cut;     // a byte offset of Qt's cut, or 0 for a text drawn whole
    std::size_t ViewAt;  // a byte offset to bring into view
  };
  const TCase cases[] = {{"one run", &kerned, 4096, 4096},
                         {"one run, its second cut", &kerned, 8192, 8192},
                         {"a run after a change of script", &mixed, 3001 + 2 * 4096, 3001 + 2 * 4096},
                         {"signs only", &signs, 4096, 4096},
                         {"a run after a mark", &marked, 2 + 4096, 2 + 4096},
                         {"a character outside the BMP at the cut", &astral, 0, 4095},
                         {"signs after a cut, then another script", &spaced, 0, 4200 + 2 * 4096}};
  const TRect r{10, 6, 130, 34};
  for (const TFontCase& f : Fonts) {
    for (const TCase& t : cases) {
      SCOPED_TRACE(std::string(f.Name) + ", " + t.Name);
      TBitmap whole(Width, Height), part(Width, Height);
      for (TBitmap* b : {&whole, &part}) SetFont(b->Canvas(), f);
      std::unique_ptr<TTextMeasure> measure;
      const std::int32_t w = whole.Canvas().TextWidth(*t.Text);
      EXPECT_EQ(part.Canvas().MeasuredTextWidth(*t.Text, measure, INT_MAX), w);
      const TQtTextMeasure& kept = Kept(measure);
      EXPECT_EQ(kept.Cuts != TTextCuts::None, t.Cut != 0);
      if (t.Cut != 0) {
        EXPECT_NE(std::find(kept.Breaks.begin(), kept.Breaks.end(), t.Cut), kept.Breaks.end());
      }
      // The place 2, 30 and 100 pixels into the rectangle (taken from the
      // text before it, which Qt cuts as the whole), and more places.
      std::vector<std::int32_t> xs{r.Left - w / 2, r.Right - w};
      const std::int32_t before = whole.Canvas().TextWidth(t.Text->substr(0, t.ViewAt));
      for (const std::int32_t into : {2, 30, 100}) xs.push_back(r.Left + into - before);
      for (const std::int32_t x : xs) {
        for (TBitmap* b : {&whole, &part}) PaintGround(*b);
        whole.Canvas().TextRect(r, x, 9, *t.Text);
        part.Canvas().MeasuredTextRect(r, x, 9, *t.Text, measure);
        EXPECT_EQ(FirstDifference(whole, part), "") << "x " << x;
      }
    }
  }
}

// Laid out right to left, the signs at a text's ends move: such a painter
// gets the whole text.
TEST_F(MeasuredTextTest, RightToLeftPainterGetsTheWholeText) {
  const std::string text = Corpus(3000)[2].Text;  // digits and signs
  const TRect r{10, 6, 130, 34};
  TBitmap whole(Width, Height), part(Width, Height);
  std::unique_ptr<TTextMeasure> measure;
  for (TBitmap* b : {&whole, &part}) {
    PaintGround(*b);
    SetFont(b->Canvas(), Fonts[0]);
    b->Canvas().Painter()->setLayoutDirection(Qt::RightToLeft);
  }
  const std::int32_t w = whole.Canvas().TextWidth(text);
  for (const std::int32_t x : {r.Left, r.Right - w, r.Left - w / 2}) {
    whole.Canvas().TextRect(r, x, 9, text);
    part.Canvas().MeasuredTextRect(r, x, 9, text, measure);
    EXPECT_EQ(FirstDifference(whole, part), "") << "x " << x;
  }
}

TEST_F(MeasuredTextTest, AnotherFontTakesTheMeasureAgain) {
  const std::string text = Corpus(2000).front().Text;
  const TRect r{10, 6, 110, 34};
  std::unique_ptr<TTextMeasure> measure;
  for (const TFontCase& f : Fonts) {
    SCOPED_TRACE(f.Name);
    TBitmap whole(Width, Height), part(Width, Height);
    for (TBitmap* b : {&whole, &part}) {
      PaintGround(*b);
      SetFont(b->Canvas(), f);
    }
    const std::int32_t w = whole.Canvas().TextWidth(text);
    EXPECT_EQ(part.Canvas().MeasuredTextWidth(text, measure, INT_MAX), w);
    whole.Canvas().TextRect(r, r.Right - w, 9, text);
    part.Canvas().MeasuredTextRect(r, r.Right - w, 9, text, measure);
    EXPECT_EQ(FirstDifference(whole, part), "");
  }
}

// The layout that the cuts rest on, as Qt does it: a ligature may join three
// letters, with an advance that is not the sum of a pair's and a letter's,
// so that a pair of letters cannot tell whether a cut between them is
// clean; a long run is shaped in pieces of 4096 UTF-16 units with nothing
// joining the two sides (the kerned pair there is not kerned); signs before
// the first letter take its script in the whole text, and with it the font
// for that script, and another font laid out alone.
TEST_F(MeasuredTextTest, QtLaysTextsOutAsTheCutsAssume) {
  QFont dejaVu("DejaVu Sans");
  dejaVu.setPixelSize(8);
  const QFontMetricsF small(dejaVu);
  QTextLayout ffi("ffi", dejaVu);
  ffi.beginLayout();
  ffi.createLine();
  ffi.endLayout();
  ASSERT_EQ(ffi.glyphRuns().size(), 1);
  EXPECT_EQ(ffi.glyphRuns()[0].glyphIndexes().size(), 1);
  EXPECT_NE(small.horizontalAdvance("ffi"), small.horizontalAdvance("f") + small.horizontalAdvance("fi"));

  // A kerned pair across unit 4096 of a run of n (advances are sums of 1/64
  // pixels, compared exactly).
  const QString kerned = QString(4095, 'n') + "AV" + QString(1000, 'n');
  EXPECT_NE(small.horizontalAdvance("AV"), small.horizontalAdvance("A") + small.horizontalAdvance("V"));
  EXPECT_EQ(small.horizontalAdvance(kerned), small.horizontalAdvance(kerned.left(4096)) +
                                                 small.horizontalAdvance(kerned.mid(4096)));
  EXPECT_NE(small.horizontalAdvance(kerned), small.horizontalAdvance(kerned.left(4000)) +
                                                 small.horizontalAdvance(kerned.mid(4000)));

  QFont serif("Liberation Serif");
  serif.setPixelSize(13);
  const QString dots(5000, '.');
  const auto firstRun = [&](const QString& Text) {
    QTextLayout layout(Text, serif);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    return layout.glyphRuns(0, 10).value(0);
  };
  const QGlyphRun alone = firstRun(dots.left(4096)), inText = firstRun(dots + QChar(0x0915) + "Lorem");
  EXPECT_EQ(alone.rawFont(), QRawFont::fromFont(serif));
  EXPECT_NE(inText.rawFont(), alone.rawFont());
}

// Where a pair of letters does not tell: three-letter ligatures at a size
// where their advance is not that of their pairs (also under a family name
// that is not installed, which stands for DejaVu Sans), long signs before a
// letter of another script, and fonts of one pixel, whose glyphs reach
// farther from their pen positions than a font height, or tens of pixels.
// Every placement has the pixels of the whole text.
TEST_F(MeasuredTextTest, PartsAsTheWholeWhereAPairOfLettersDoesNotTell) {
  const auto repeated = [](const std::string& Unit, int Times) {
    std::string s;
    for (int i = 0; i < Times; ++i) s += Unit;
    return s;
  };
  struct TCase {
    TFontCase Font;
    std::string Text;
  };
  const TCase cases[] = {
      {{"office, 8 px", "DejaVu Sans", -8, false, false, false}, repeated("office ", 100)},
      {{"ffi., 8 px", "DejaVu Sans", -8, false, false, false}, repeated("ffi.", 1000)},
      {{"affluent office, an unknown family, 8 px", "No Such Family", -8, false, false, true},
       repeated("affluent office ", 200)},
      {{"signs past a cut before a letter of another script", "Liberation Serif", -13, false, false, false},
       std::string(5000, '.') + "\xE0\xA4\x95" + repeated(" Lorem ipsum dolor", 50)},
      {{"AEQ, bold, 1 px high", "DejaVu Sans Mono", 1, true, false, false}, "AEQ"},
      {{"AEQ repeated, bold, 1 px high", "DejaVu Sans Mono", 1, true, false, false}, repeated("AEQ", 300)},
      {{"accented letters, 1 px", "DejaVu Sans Mono", -1, false, false, false},
       repeated("\xC3\x85\xC3\x87j\xC5\xBD", 43)},
  };
  const TRect r{10, 6, 130, 34};
  for (const TCase& t : cases) {
    TBitmap whole(Width, Height), part(Width, Height);
    for (TBitmap* b : {&whole, &part}) SetFont(b->Canvas(), t.Font);
    std::unique_ptr<TTextMeasure> measure;
    const std::int32_t w = whole.Canvas().TextWidth(t.Text);
    // Scrolled through the text in 200 steps, or (a short one) pixel by
    // pixel across the rectangle.
    const bool isShort = w < r.Width();
    const int steps = isShort ? w + r.Width() + 80 : 200;
    for (int k = 0; k <= steps; ++k) {
      const std::int32_t x = isShort ? r.Left - w - 40 + k : r.Left + 10 - k * (w - r.Width() + 20) / 200;
      for (TBitmap* b : {&whole, &part}) PaintGround(*b);
      whole.Canvas().TextRect(r, x, 9, t.Text);
      part.Canvas().MeasuredTextRect(r, x, 9, t.Text, measure);
      ASSERT_EQ(FirstDifference(whole, part), "") << t.Font.Name << ", x " << x;
    }
  }
}

// Texts that a cut would part against Qt's layout are kept whole: signs
// before the first letter that Qt's cut of a long run would split (even
// where the font draws that letter), and a text with a character the font
// itself lacks; fewer signs before the first letter keep the text cuttable.
TEST_F(MeasuredTextTest, TextsKeptWhole) {
  const std::string words = " \xD0\x96\xD1\x83\xD0\xBA Lorem ipsum";
  std::string lorem;
  for (int i = 0; i < 100; ++i) lorem += "Lorem ipsum dolor sit amet ";
  struct TCase {
    const char* Name;
    std::string Text;
    bool Cuttable;
  } const cases[] = {
      {"signs before the first letter, past a cut", std::string(5000, '.') + words + lorem, false},
      {"signs before the first letter, within a run", std::string(3000, '.') + words + lorem, true},
      {"a character that the font lacks", "\xF0\x9D\x90\xB6" + lorem, false},
      {"only characters that the font has", "\xF0\x9D\x94\xB8" + lorem, true},
  };
  TBitmap b(10, 10);
  SetFont(b.Canvas(), {"DejaVu Sans", "DejaVu Sans", -13, false, false, false});
  for (const auto& t : cases) {
    std::unique_ptr<TTextMeasure> measure;
    b.Canvas().MeasuredTextWidth(t.Text, measure, 50);
    EXPECT_EQ(Kept(measure).Cuts != TTextCuts::None, t.Cuttable) << t.Name;
  }
}

// A text with characters that the font lacks, measured and drawn through
// its measure before anything else in a new process: its width and pixels,
// at this first draw and at every later one, are those that Qt gives the
// whole text from then on. Qt's own first layout of such a text takes
// another fallback font for its first glyph than every later layout does,
// and a fallback font that Qt loads for another text may take over a glyph
// of a text measured before: a kept measure of such a text holds no cuts,
// and no width but the one TextWidth gives on its canvas. TextWidth taken
// first, too, gives the width of the layouts that draw the text.
TEST_F(MeasuredTextTest, ATextWithFallbackGlyphsMeasuredFirstInANewProcess) {
  for (const char* child : {"ChildRun.QtsFirstLayoutOfAFallbackGlyph", "ChildRun.FallbackTextMeasuredFirst",
                            "ChildRun.FallbackFontsChangeUnderAKeptMeasure", "ChildRun.FallbackTextWidthTakenFirst"}) {
    std::string output;
    EXPECT_TRUE(RunChildTest(child, output)) << child << ":\n" << output;
  }
}

std::string FallbackText() {
  std::string text = "\xF0\x9D\x90\xB6\xF0\x9D\x90\x9B";  // U+1D436 U+1D41B, not in DejaVu Sans
  for (int i = 0; i < 300; ++i) text += "Lorem ipsum dolor sit amet ";
  return text;
}
const TFontCase FallbackFont{"DejaVu Sans Condensed italic, 28 px", "DejaVu Sans Condensed", -28, false, true, true};

TEST_F(ChildRun, QtsFirstLayoutOfAFallbackGlyph) {
  TQtCanvas c;
  SetFont(c, FallbackFont);
  const QFontMetricsF fm(c.QtFont());
  const QString text = QString::fromStdString(FallbackText()).left(10);
  const qreal first = fm.horizontalAdvance(text);
  EXPECT_NE(fm.horizontalAdvance(text), first);
  EXPECT_EQ(fm.horizontalAdvance(text), fm.horizontalAdvance(text));
}

// One paint of Text scrolled by 2000 pixels in a cell: through Measure on
// Part, and whole on Whole; the width and the pixels must agree.
void PaintScrolledBy2000(const std::string& Text, std::unique_ptr<TTextMeasure>& Measure, TBitmap& Whole,
                         TBitmap& Part, const std::string& Which) {
  const TRect r{10, 2, 190, 38};
  for (TBitmap* b : {&Whole, &Part}) PaintGround(*b);
  const std::int32_t measured = Part.Canvas().MeasuredTextWidth(Text, Measure, WholeTextWidth);
  Part.Canvas().MeasuredTextRect(r, r.Left - 2000, 4, Text, Measure);
  EXPECT_EQ(measured, Whole.Canvas().TextWidth(Text)) << Which;
  Whole.Canvas().TextRect(r, r.Left - 2000, 4, Text);
  EXPECT_EQ(FirstDifference(Whole, Part), "") << Which;
}

TEST_F(ChildRun, FallbackTextMeasuredFirst) {
  const std::string text = FallbackText();
  TBitmap whole(Width, Height), part(Width, Height);
  for (TBitmap* b : {&whole, &part}) SetFont(b->Canvas(), FallbackFont);
  std::unique_ptr<TTextMeasure> measure;
  for (int paint = 0; paint < 3; ++paint) {
    PaintScrolledBy2000(text, measure, whole, part, "paint " + std::to_string(paint));
  }
}

TEST_F(ChildRun, FallbackTextWidthTakenFirst) {
  const std::string text = FallbackText();
  TQtCanvas c;
  SetFont(c, FallbackFont);
  const std::int32_t first = c.TextWidth(text);
  std::unique_ptr<TTextMeasure> measure;
  EXPECT_EQ(c.MeasuredTextWidth(text, measure, WholeTextWidth), first);
  TQtCanvas later;
  SetFont(later, FallbackFont);
  EXPECT_EQ(later.TextWidth(text), first);
}

TEST_F(ChildRun, FallbackFontsChangeUnderAKeptMeasure) {
  std::string text = "\xF0\x9D\x90\xB6";  // U+1D436 only
  for (int i = 0; i < 300; ++i) text += "Lorem ipsum dolor sit amet ";
  TBitmap whole(Width, Height), part(Width, Height);
  for (TBitmap* b : {&whole, &part}) SetFont(b->Canvas(), FallbackFont);
  const QFontMetricsF fm(whole.Canvas().QtFont());
  std::unique_ptr<TTextMeasure> measure;
  for (int paint = 0; paint < 2; ++paint) {
    if (paint == 1) {
      const qreal before = fm.horizontalAdvance(QString::fromStdString(text.substr(0, 4)));
      fm.horizontalAdvance(QString::fromUcs4(U"\U0001D41B"));  // Qt loads another fallback font
      EXPECT_NE(fm.horizontalAdvance(QString::fromStdString(text.substr(0, 4))), before);
    }
    PaintScrolledBy2000(text, measure, whole, part, "paint " + std::to_string(paint));
  }
}

}  // namespace
}  // namespace tv
