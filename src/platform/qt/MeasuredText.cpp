// Long texts measured once and drawn in part (TQtCanvas::MeasuredTextWidth
// and MeasuredTextRect).
//
// Qt lays a text out in runs: a new run starts where a letter of another
// script follows (signs and marks go with the run they stand in, leading ones
// with the first letter's), and a run is cut every 4096 UTF-16 units from its
// start (the text engine's longest item). Each run is shaped alone, with
// nothing of the text around it, its glyphs' advances (kerning and ligatures
// included) summed in 1/64 pixels, and the glyphs are drawn where those sums
// put them. The cuts of long runs are the text's Breaks: nothing joins the
// glyphs on either side of one.
//
// A text may be cut where its shaping does not reach across: then a part of
// it laid out alone, split at the Breaks inside it, gives every glyph the
// advance the whole text gives it, and drawn from the exact pen position of
// its start it puts every glyph on the same pixels. A mark (TTextMark) is such
// a cut with that position. Cuts lie at the Breaks, and else only between two
// characters of one of two kinds, so that a part falls into the same runs as
// in the whole text: in a text with letters of any script, between two
// letters of the Latin, Greek or Cyrillic script; in a text without letters,
// between two plain signs (digits, punctuation, spaces). Besides, Qt itself
// must lay out CutWindow characters on each side of the cut the same whole
// and in two parts: the same glyphs of the same fonts at the same places, and
// the same advance (which a ligature of three letters, or a kerning that
// depends on more than the pair, would change).
//
// Texts are never cut, but measured and drawn whole, when they hold control
// or format characters (a tab's width depends on where it stands),
// right-to-left characters (which reorder runs), bytes that are not UTF-8,
// signs before the first letter that Qt's cut of a long run would part from
// it (alone they would lose its script), or a character that the font itself
// does not draw. Qt draws that from a fallback font, and which one it takes
// depends on the fallback fonts it has loaded so far: its first layout of
// such a text may take another one than every later layout (TextWidth,
// which gives the width of a text kept whole, lays it out once before).
//
// The pen positions of a text are taken to grow from its start to its end
// (no part of a text that may be cut has a negative advance), so that a mark
// before the visible columns has every glyph before it out of sight, and a
// mark beyond them every glyph after it, once they lie farther from the
// visible columns than any glyph reaches from its pen position.
#include <QGlyphRun>
#include <QRawFont>
#include <QString>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <tuple>

#include "platform/qt/QtCanvas.h"

namespace tv {

namespace {

// The longest run Qt's text engine shapes at once, in UTF-16 units.
constexpr std::size_t LongestRun = 4096;
// At most this many marks are kept; more start the measure again.
constexpr std::size_t MaxMarks = 4096;
// The widest limit below WholeTextWidth: a text is measured only as far as
// it reaches.
constexpr std::int32_t LargestPartLimit = WholeTextWidth - 1;
// A search for a mark gives up after this many steps, and one for a cut
// after this many bytes on each side of its guess.
constexpr int MaxSteps = 40;
constexpr std::size_t CutSearch = 64;
// A cut is tried by laying out this many characters on each side of it.
constexpr int CutWindow = 8;

// The code point that starts at byte I of Text and its length in bytes;
// false when no well-formed UTF-8 sequence starts there.
bool DecodeAt(std::string_view Text, std::size_t I, char32_t& C, std::size_t& Length) {
  const auto byte = [&](std::size_t K) { return static_cast<unsigned char>(Text[K]); };
  const unsigned char b0 = byte(I);
  std::uint32_t c = 0;
  std::uint32_t least = 0;
  if (b0 < 0x80) {
    C = b0;
    Length = 1;
    return true;
  }
  if ((b0 & 0xE0) == 0xC0) {
    c = b0 & 0x1Fu;
    Length = 2;
    least = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    c = b0 & 0x0Fu;
    Length = 3;
    least = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    c = b0 & 0x07u;
    Length = 4;
    least = 0x10000;
  } else {
    return false;
  }
  if (I + Length > Text.size()) return false;
  for (std::size_t k = 1; k < Length; ++k) {
    if ((byte(I + k) & 0xC0) != 0x80) return false;
    c = (c << 6) | (byte(I + k) & 0x3Fu);
  }
  if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
  C = c;
  return true;
}

// A character of a script of its own. Qt's itemizer takes every script value
// up to Script_Common (unknown, inherited, common) for none, as here.
static_assert(QChar::Script_Unknown < QChar::Script_Common && QChar::Script_Inherited < QChar::Script_Common &&
              QChar::Script_Common < QChar::Script_Latin);
bool RealScript(QChar::Script Script) { return Script > QChar::Script_Common; }

bool IsMark(QChar::Category Category) {
  return Category == QChar::Mark_NonSpacing || Category == QChar::Mark_SpacingCombining ||
         Category == QChar::Mark_Enclosing;
}

// A character that keeps the whole text from being cut.
bool KeepsWhole(char32_t C) {
  if (C < 0x20 || (C >= 0x7F && C <= 0x9F) || C == 0xFFFC) return true;
  const QChar::Category category = QChar::category(C);
  if (category == QChar::Other_Format || category == QChar::Separator_Line ||
      category == QChar::Separator_Paragraph || category == QChar::Other_Surrogate)
    return true;
  switch (QChar::direction(C)) {
    case QChar::DirR:
    case QChar::DirAL:
    case QChar::DirAN:
    case QChar::DirRLE:
    case QChar::DirRLO:
    case QChar::DirLRE:
    case QChar::DirLRO:
    case QChar::DirPDF:
    case QChar::DirRLI:
    case QChar::DirLRI:
    case QChar::DirFSI:
    case QChar::DirPDI:
      return true;
    default:
      return false;
  }
}

// How Text may be cut: not at all, or the kind of its cuts; and in Breaks
// the byte offsets at which Qt cuts its long runs, following the engine's
// rules: the first character of a script (a mark too) gives a run that has
// none yet its script, a letter of another script starts a new run, and
// every run is cut 4096 units after its start or its last cut. The parts on
// either side of a break are laid out apart, so each must take the same
// run's script when alone: a letter of that script must come after the
// break before any other script's, and no break may fall among the signs
// before the first letter (which take its script only beside it). A text
// where one would, or where a break would fall inside a character, is kept
// whole.
TTextCuts CutsOf(std::string_view Text, std::vector<std::size_t>& Breaks) {
  Breaks.clear();
  bool letters = false;
  QChar::Script run = QChar::Script_Common;  // the script of the run, once one is known
  std::size_t unit = 0, itemStart = 0;       // UTF-16 positions
  bool breakOpen = false;  // a break since the last letter of the run's script
  for (std::size_t i = 0; i < Text.size();) {
    char32_t c = 0;
    std::size_t length = 0;
    if (!DecodeAt(Text, i, c, length) || KeepsWhole(c)) return TTextCuts::None;
    const QChar::Script script = QChar::script(c);
    const bool real = RealScript(script);
    const bool letter = real && !IsMark(QChar::category(c));
    letters = letters || real;
    const std::size_t units = c >= 0x10000 ? 2 : 1;
    bool newRun = false;
    if (real && !RealScript(run)) {
      if (!Breaks.empty()) return TTextCuts::None;  // signs cut off before the first letter
      run = script;
    } else if (letter && script != run) {
      if (breakOpen) return TTextCuts::None;  // the part after the break would join this run
      run = script;
      itemStart = unit;
      newRun = true;
    }
    if (!newRun && unit - itemStart >= LongestRun) {
      itemStart = unit;
      Breaks.push_back(i);
      breakOpen = RealScript(run);
    }
    if (unit + units - itemStart > LongestRun) return TTextCuts::None;  // a cut inside a surrogate pair
    if (letter && script == run) breakOpen = false;
    unit += units;
    i += length;
  }
  if (breakOpen) return TTextCuts::None;  // signs alone after the last break
  return letters ? TTextCuts::BetweenLetters : TTextCuts::BetweenSigns;
}

// A character beside which a text of kind Cuts may be cut.
bool BesideCut(char32_t C, TTextCuts Cuts) {
  if (C < 0x20 || C >= 0x2100) return false;
  const QChar::Category category = QChar::category(C);
  if (IsMark(category)) return false;
  const QChar::Script script = QChar::script(C);
  if (Cuts == TTextCuts::BetweenLetters) {
    const bool letter = category == QChar::Letter_Uppercase || category == QChar::Letter_Lowercase ||
                        category == QChar::Letter_Titlecase || category == QChar::Letter_Other;
    return letter &&
           (script == QChar::Script_Latin || script == QChar::Script_Greek || script == QChar::Script_Cyrillic);
  }
  return Cuts == TTextCuts::BetweenSigns && script == QChar::Script_Common;
}

QString ToQString(std::string_view Text) {
  return QString::fromUtf8(Text.data(), static_cast<qsizetype>(Text.size()));
}

// A glyph as Qt lays it out: its font, its index in the font and its place.
struct TPlacedGlyph {
  QRawFont Font;
  quint32 Index = 0;
  double X = 0, Y = 0;
};

// Qt's layout of Text in Font on one line, as a painter's: its glyphs,
// moved right by Shift, appended to Glyphs; returns the advance.
double LayOut(std::string_view Text, const QFont& Font, double Shift, std::vector<TPlacedGlyph>& Glyphs) {
  QTextLayout layout(ToQString(Text), Font);
  layout.beginLayout();
  const QTextLine line = layout.createLine();
  layout.endLayout();
  for (const QGlyphRun& run : layout.glyphRuns()) {
    const QList<quint32> indexes = run.glyphIndexes();
    const QList<QPointF> positions = run.positions();
    for (qsizetype k = 0; k < indexes.size() && k < positions.size(); ++k)
      Glyphs.push_back({run.rawFont(), indexes[k], positions[k].x() + Shift, positions[k].y()});
  }
  return line.horizontalAdvance();
}

// Whether Qt lays Window out in Font the same whole as cut at byte Cut into
// two parts laid out alone, the second from the first's advance: the same
// glyphs of the same fonts at the same places, and the same advance.
bool SameInParts(std::string_view Window, std::size_t Cut, const QFont& Font) {
  std::vector<TPlacedGlyph> whole, parts;
  const double advance = LayOut(Window, Font, 0, whole);
  const double first = LayOut(Window.substr(0, Cut), Font, 0, parts);
  const double second = LayOut(Window.substr(Cut), Font, first, parts);
  if (advance != first + second || whole.size() != parts.size()) return false;
  const auto order = [](const TPlacedGlyph& A, const TPlacedGlyph& B) {
    return std::tie(A.X, A.Y, A.Index) < std::tie(B.X, B.Y, B.Index);
  };
  std::sort(whole.begin(), whole.end(), order);
  std::sort(parts.begin(), parts.end(), order);
  return std::equal(whole.begin(), whole.end(), parts.begin(), [](const TPlacedGlyph& A, const TPlacedGlyph& B) {
    return A.Index == B.Index && A.X == B.X && A.Y == B.Y && A.Font == B.Font;
  });
}

}  // namespace

TQtTextMeasure& TQtCanvas::StartMeasure(std::string_view Text, std::unique_ptr<TTextMeasure>& Slot) {
  QtFont();
  auto* kept = dynamic_cast<TQtTextMeasure*>(Slot.get());
  if (kept != nullptr && kept->Font == FontKeyText_) return *kept;
  if (kept == nullptr) {
    Slot = std::make_unique<TQtTextMeasure>();
    kept = static_cast<TQtTextMeasure*>(Slot.get());
  }
  TQtTextMeasure& measure = *kept;
  measure.Font = FontKeyText_;
  measure.Width = -1;
  measure.Cuts = CutsOf(Text, measure.Breaks);
  measure.Marks.assign(1, TTextMark{});
  if (OwnGlyphs(ToQString(Text))) {
    measure.Overhang = OwnOverhang_;
  } else {
    measure.Cuts = TTextCuts::None;
    TextWidth(Text);  // lays out the text before it is drawn, as its first layout may differ
  }
  return measure;
}

bool TQtCanvas::OwnGlyphs(const QString& Text) {
  if (OwnGlyphsFont_ != FontKeyText_) {
    OwnGlyphsFont_ = FontKeyText_;
    OwnFont_ = QRawFont::fromFont(QtFont());
    OwnGlyphs_.assign(0x10000, 0);
    OwnAstralGlyphs_.clear();
    OwnOverhang_ = 0;
  }
  for (qsizetype i = 0; i < Text.size();) {
    // A code point (a byte that is not UTF-8 came as U+FFFD).
    char32_t c = Text[i].unicode();
    qsizetype length = 1;
    if (Text[i].isHighSurrogate() && i + 1 < Text.size() && Text[i + 1].isLowSurrogate()) {
      c = QChar::surrogateToUcs4(Text[i], Text[i + 1]);
      length = 2;
    }
    std::uint8_t& known = c < OwnGlyphs_.size() ? OwnGlyphs_[c] : OwnAstralGlyphs_[c];
    if (known == 0) {
      known = 2;
      const QList<quint32> glyph = OwnFont_.glyphIndexesForString(QString::fromUcs4(&c, 1));
      if (glyph.size() == 1 && glyph[0] != 0) {
        known = 1;
        // Its ink before its pen position or past its advance (in the
        // smallest sizes, tens of pixels).
        const QRectF ink = OwnFont_.boundingRect(glyph[0]);
        const QList<QPointF> advance = OwnFont_.advancesForGlyphIndexes(glyph);
        OwnOverhang_ = std::max({OwnOverhang_, -ink.left(), ink.right() - advance.value(0).x()});
      }
    }
    if (known == 2) return false;
    i += length;
  }
  return true;
}

double TQtCanvas::Advance(std::string_view Text) {
  return Text.empty() ? 0.0 : MetricsF().horizontalAdvance(ToQString(Text));
}

double TQtCanvas::AdvanceBetween(std::string_view Text, const TQtTextMeasure& Measure, std::size_t From,
                                 std::size_t To) {
  double advance = 0;
  auto b = std::upper_bound(Measure.Breaks.begin(), Measure.Breaks.end(), From);
  for (; b != Measure.Breaks.end() && *b < To; ++b) {
    advance += Advance(Text.substr(From, *b - From));
    From = *b;
  }
  return advance + Advance(Text.substr(From, To - From));
}

// The exact advance of a text that may be cut also checks the marks that
// reached its end by parts: should they disagree, the text is not cut again.
std::int32_t TQtCanvas::WholeWidth(std::string_view Text, TQtTextMeasure& Measure) {
  const double advance = Advance(Text);
  TTextMark& last = Measure.Marks.back();
  if (last.Byte == Text.size() && last.X != advance) {
    Measure.Cuts = TTextCuts::None;
    Measure.Marks.assign(1, TTextMark{});
  } else if (last.Byte != Text.size()) {
    Measure.Marks.push_back({Text.size(), advance});
  }
  // Qt's whole-pixel width rounds the same sum half up.
  constexpr double least = std::numeric_limits<std::int32_t>::min(), most = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(std::clamp(std::floor(advance + 0.5), least, most));
}

std::int32_t TQtCanvas::MeasuredTextWidth(std::string_view Text, std::unique_ptr<TTextMeasure>& Measure,
                                          std::int32_t Limit) {
  return MeasuredWidth(Text, StartMeasure(Text, Measure), Limit);
}

// A text kept whole has TextWidth's width, as the canvas keeps it: the
// measure keeps none of its own.
std::int32_t TQtCanvas::MeasuredWidth(std::string_view Text, TQtTextMeasure& Measure, std::int32_t Limit) {
  if (Measure.Cuts == TTextCuts::None) return std::min(TextWidth(Text), Limit);
  if (Measure.Width < 0 && Limit < WholeTextWidth) {
    // A part that reaches a pixel past the limit: the whole, which rounds
    // its advance, is wider than the limit.
    if (MarkAfter(Text, Measure, Limit + 1.0).X >= Limit + 1.0) return Limit;
  }
  if (Measure.Width < 0) Measure.Width = WholeWidth(Text, Measure);
  return std::min(Measure.Width, Limit);
}

// As TextRect: a text whose cell cannot reach the surface (it would reach
// no farther than its width and height) paints nothing, not even the fill.
void TQtCanvas::MeasuredTextRect(const TRect& R, std::int32_t X, std::int32_t Y, std::string_view Text,
                                 std::unique_ptr<TTextMeasure>& Slot) {
  if (Painter_ == nullptr || R.IsEmpty()) return;
  TQtTextMeasure& measure = StartMeasure(Text, Slot);
  // Nothing of R on the surface: nothing to paint.
  const QRect dev = DeviceRect();
  const std::int64_t left = std::max<std::int64_t>(R.Left, dev.left());
  const std::int64_t right = std::min<std::int64_t>(R.Right, std::int64_t{dev.right()} + 1);
  const std::int64_t top = std::max<std::int64_t>(R.Top, dev.top());
  const std::int64_t bottom = std::min<std::int64_t>(R.Bottom, std::int64_t{dev.bottom()} + 1);
  if (left >= right || top >= bottom) return;
  const std::int64_t h = Metrics().height();
  const std::int64_t far = std::max({std::int64_t{dev.left()} - X, std::int64_t{X} - dev.right(),
                                     std::int64_t{dev.top()} - Y, std::int64_t{Y} - dev.bottom()}) - h;
  if (far > 0) {
    const auto limit = static_cast<std::int32_t>(std::min<std::int64_t>(far, LargestPartLimit));
    if (MeasuredWidth(Text, measure, limit) < far) return;
  }
  // A turned text, or one laid out right to left (which moves signs at its
  // ends), is drawn whole.
  if (measure.Cuts == TTextCuts::None || Font.Escapement != 0 || Painter_->layoutDirection() == Qt::RightToLeft) {
    PaintText(X, Y, 0, Text, &R, 0);
    return;
  }
  // The columns of R on the surface, widened by the farthest a glyph may
  // reach from its place: the most that the ink of the text's glyphs reaches
  // beyond their advances, and the font's widest glyph for what marks,
  // kerning and ligatures move, with two pixels to spare.
  const double reach = measure.Overhang + MetricsF().maxWidth() + 2;
  const double from = static_cast<double>(left - X) - reach;
  const double to = static_cast<double>(right - X) + reach;
  TTextMark at = from <= 0 ? measure.Marks.front() : MarkBefore(Text, measure, from);
  const TTextMark last = MarkAfter(Text, measure, to);
  const std::size_t end = std::max(at.Byte, last.Byte);
  if (at.Byte == 0 && end == Text.size()) {
    PaintText(X, Y, 0, Text, &R, 0);
    return;
  }
  // Split at the breaks inside, as the whole text is, each drawn from its
  // mark; only the first part fills the rectangle.
  const TBrush brush = Brush;
  auto b = std::upper_bound(measure.Breaks.begin(), measure.Breaks.end(), at.Byte);
  for (; b != measure.Breaks.end() && *b < end; ++b) {
    PaintText(X, Y, at.X, Text.substr(at.Byte, *b - at.Byte), &R, 0);
    Brush.Style = TBrushStyle::bsClear;
    at = AddMark(Text, measure, *b, at, nullptr);
  }
  PaintText(X, Y, at.X, Text.substr(at.Byte, end - at.Byte), &R, 0);
  Brush = brush;
}

// Interpolation between the known marks: each step measures one part, from
// the nearer mark on either side, and keeps its end as a new mark.
TTextMark TQtCanvas::MarkBefore(std::string_view Text, TQtTextMeasure& Measure, double Target) {
  const double gap = Metrics().height();
  TTextMark best = Measure.Marks.front();
  for (int step = 0; step < MaxSteps; ++step) {
    const auto& marks = Measure.Marks;
    const auto after = std::upper_bound(marks.begin(), marks.end(), Target,
                                        [](double T, const TTextMark& M) { return T < M.X; });
    best = *(after - 1);  // the first mark, at 0, lies before any Target > 0
    if (Target - best.X <= gap || best.Byte == Text.size()) break;
    const std::optional<TTextMark> next = after != marks.end() ? std::optional(*after) : std::nullopt;
    if (!AddMarkNear(Text, Measure, best, next ? &*next : nullptr, Target - gap / 2)) break;
  }
  return best;
}

TTextMark TQtCanvas::MarkAfter(std::string_view Text, TQtTextMeasure& Measure, double Target) {
  const double gap = Metrics().height();
  for (int step = 0; step < MaxSteps; ++step) {
    const auto& marks = Measure.Marks;
    const auto at = std::lower_bound(marks.begin(), marks.end(), Target,
                                     [](const TTextMark& M, double T) { return M.X < T; });
    if (at != marks.end() && (at->X - Target <= gap || at == marks.begin())) return *at;
    if (at == marks.end() && marks.back().Byte == Text.size()) return marks.back();  // beyond the end
    const TTextMark before = *(at - 1);
    const std::optional<TTextMark> next = at != marks.end() ? std::optional(*at) : std::nullopt;
    if (AddMarkNear(Text, Measure, before, next ? &*next : nullptr, Target + gap / 2)) continue;
    if (next) return *next;
    AddMark(Text, Measure, Text.size(), before, nullptr);  // no cut before the end: the end
  }
  // Out of steps: the nearest mark beyond Target, or the end.
  const auto& marks = Measure.Marks;
  const auto at = std::lower_bound(marks.begin(), marks.end(), Target,
                                   [](const TTextMark& M, double T) { return M.X < T; });
  if (at != marks.end()) return *at;
  const TTextMark last = marks.back();  // a copy: AddMark grows the marks
  if (last.Byte == Text.size()) return last;
  return AddMark(Text, Measure, Text.size(), last, nullptr);
}

bool TQtCanvas::AddMarkNear(std::string_view Text, TQtTextMeasure& Measure, const TTextMark& Low,
                            const TTextMark* High, double Aim) {
  const double gap = Metrics().height();
  const double perPixel = High != nullptr && High->X > Low.X
                              ? static_cast<double>(High->Byte - Low.Byte) / (High->X - Low.X)
                              : 2.0 / gap;  // about two characters a font height
  const double guess = static_cast<double>(Low.Byte) + (Aim - Low.X) * perPixel;
  if (High == nullptr && guess >= static_cast<double>(Text.size())) {
    AddMark(Text, Measure, Text.size(), Low, nullptr);  // the end, which may lie before Aim
    return true;
  }
  const std::size_t high = High != nullptr ? High->Byte : Text.size();
  // The places FindCut tries, unless a search from Low tried them all before
  // (as a paint at the same place repeats it).
  const std::size_t start = std::clamp(static_cast<std::size_t>(std::clamp(guess, 0.0, 1e15)), Low.Byte + 1,
                                       std::max(Low.Byte + 1, high));
  const std::size_t from = std::max(Low.Byte + 1, start > CutSearch ? start - CutSearch : 0);
  const std::size_t to = std::max(from, std::min(high, start + CutSearch));
  if (from >= Low.TriedFrom && to <= Low.TriedTo) return false;
  std::size_t cut = 0;
  if (FindCut(Text, Measure, start, Low.Byte, high, cut)) {
    AddMark(Text, Measure, cut, Low, High);
    return true;
  }
  // None there, nor at a break between Low and High: keep the places tried
  // with Low, joined to those tried before where they meet.
  const auto at = std::lower_bound(Measure.Marks.begin(), Measure.Marks.end(), Low.Byte,
                                   [](const TTextMark& M, std::size_t B) { return M.Byte < B; });
  if (at != Measure.Marks.end() && at->Byte == Low.Byte) {
    if (from <= at->TriedTo && to >= at->TriedFrom && at->TriedTo > at->TriedFrom) {
      at->TriedFrom = std::min(at->TriedFrom, from);
      at->TriedTo = std::max(at->TriedTo, to);
    } else {
      at->TriedFrom = from;
      at->TriedTo = to;
    }
  }
  return false;
}

bool TQtCanvas::FindCut(std::string_view Text, const TQtTextMeasure& Measure, std::size_t Guess, std::size_t Low,
                        std::size_t High, std::size_t& Cut) {
  const std::size_t start = std::clamp(Guess, Low + 1, std::max(Low + 1, High));
  for (std::size_t c = start; c < High && c < start + CutSearch; ++c) {
    if (CleanCut(Text, Measure, c)) {
      Cut = c;
      return true;
    }
  }
  for (std::size_t c = std::min(start, High); c > Low + 1 && c + CutSearch > start;) {
    --c;
    if (CleanCut(Text, Measure, c)) {
      Cut = c;
      return true;
    }
  }
  // None near the guess: the break between Low and High nearest to it.
  bool found = false;
  for (auto b = std::upper_bound(Measure.Breaks.begin(), Measure.Breaks.end(), Low);
       b != Measure.Breaks.end() && *b < High; ++b) {
    const auto distance = [&](std::size_t B) { return B > start ? B - start : start - B; };
    if (!found || distance(*b) < distance(Cut)) Cut = *b;
    found = true;
  }
  return found;
}

bool TQtCanvas::CleanCut(std::string_view Text, const TQtTextMeasure& Measure, std::size_t Byte) {
  const auto& breaks = Measure.Breaks;
  if (std::binary_search(breaks.begin(), breaks.end(), Byte)) return true;
  if (Byte == 0 || Byte >= Text.size() || (static_cast<unsigned char>(Text[Byte]) & 0xC0) == 0x80) return false;
  std::size_t start = Byte - 1;
  while (start > 0 && Byte - start < 4 && (static_cast<unsigned char>(Text[start]) & 0xC0) == 0x80) --start;
  char32_t before = 0, after = 0;
  std::size_t length = 0;
  if (!DecodeAt(Text, start, before, length) || start + length != Byte || !DecodeAt(Text, Byte, after, length))
    return false;
  if (!BesideCut(before, Measure.Cuts) || !BesideCut(after, Measure.Cuts)) return false;
  // CutWindow characters on each side, within the run between the breaks
  // around the cut (the text is UTF-8: it may be cut).
  const auto next = std::upper_bound(breaks.begin(), breaks.end(), Byte);
  const std::size_t low = next == breaks.begin() ? 0 : *(next - 1);
  const std::size_t high = next == breaks.end() ? Text.size() : *next;
  const auto continuation = [&](std::size_t I) { return (static_cast<unsigned char>(Text[I]) & 0xC0) == 0x80; };
  std::size_t from = Byte, to = Byte;
  for (int k = 0; k < CutWindow && from > low; ++k) {
    do --from;
    while (from > low && continuation(from));
  }
  for (int k = 0; k < CutWindow && to < high; ++k) {
    do ++to;
    while (to < high && continuation(to));
  }
  // The windows already tried in this font, so that a search repeated at
  // every paint lays nothing out again.
  if (CleanCutsFont_ != FontKeyText_ || CleanCuts_.size() >= MaxCleanCuts) {
    CleanCuts_.clear();
    CleanCutsFont_ = FontKeyText_;
  }
  const std::string_view window = Text.substr(from, to - from);
  std::string key(window);
  key += static_cast<char>(Byte - from);  // at most 4 * CutWindow
  const auto [known, isNew] = CleanCuts_.try_emplace(std::move(key), false);
  if (isNew) known->second = SameInParts(window, Byte - from, QtFont());
  return known->second;
}

TTextMark TQtCanvas::AddMark(std::string_view Text, TQtTextMeasure& Measure, std::size_t Byte, const TTextMark& Before,
                             const TTextMark* After) {
  auto& marks = Measure.Marks;
  const auto known = std::lower_bound(marks.begin(), marks.end(), Byte,
                                      [](const TTextMark& M, std::size_t B) { return M.Byte < B; });
  if (known != marks.end() && known->Byte == Byte) return *known;
  TTextMark mark{Byte, 0};
  if (After != nullptr && After->Byte - Byte < Byte - Before.Byte) {
    mark.X = After->X - AdvanceBetween(Text, Measure, Byte, After->Byte);
  } else {
    mark.X = Before.X + AdvanceBetween(Text, Measure, Before.Byte, Byte);
  }
  if (marks.size() >= MaxMarks) {
    const TTextMark end = marks.back();
    marks.assign(1, TTextMark{});
    if (end.Byte == Text.size()) marks.push_back(end);
  }
  marks.insert(std::lower_bound(marks.begin(), marks.end(), Byte,
                                [](const TTextMark& M, std::size_t B) { return M.Byte < B; }),
               mark);
  return mark;
}

}  // namespace tv
