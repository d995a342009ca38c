// Header boxes built from the column titles: the worked examples as a table.
#include <gtest/gtest.h>

#include "FakeGridHost.h"

namespace {

struct Box {
  std::string Str;
  int Left, Top, Right, Bottom;
  friend bool operator==(const Box&, const Box&) = default;
};

std::ostream& operator<<(std::ostream& os, const Box& b) {
  return os << "'" << b.Str << "' cols " << b.Left << "-" << b.Right << " lines " << b.Top << "-" << b.Bottom;
}

// Titles (nullptr: an invisible column) over HeaderLine lines.
std::vector<Box> Build(const std::vector<const char*>& Titles, int HeaderLine) {
  TGridFixture f;
  TTextGrid& g = f.Grid;
  g.SetHeaderLine(HeaderLine);
  g.SetColCount(static_cast<int>(Titles.size()));
  for (std::size_t c = 0; c < Titles.size(); ++c) {
    if (Titles[c] == nullptr) {
      g.Columns()[static_cast<int>(c)].SetVisible(false);
    } else {
      g.Columns()[static_cast<int>(c)].SetTitle(Titles[c]);
    }
  }
  std::vector<Box> boxes;
  for (const auto& h : g.HeaderCells()) boxes.push_back({h->Str, h->Rc.Left, h->Rc.Top, h->Rc.Right, h->Rc.Bottom});
  return boxes;
}

TEST(HeaderCells, WorkedExamples) {
  struct Row {
    const char* Name;
    std::vector<const char*> Titles;
    int Lines;
    std::vector<Box> Expected;
  };
  const Row rows[] = {
      {"body table: seven boxes",
       {"Body", "RA (h)|Azi (°)", "DE (°)|Alt (°)", "r (AU)|mag"},
       2,
       {{"Body", 0, 0, 0, 1}, {"RA (h)", 1, 0, 1, 0}, {"Azi (°)", 1, 1, 1, 1}, {"DE (°)", 2, 0, 2, 0},
        {"Alt (°)", 2, 1, 2, 1}, {"r (AU)", 3, 0, 3, 0}, {"mag", 3, 1, 3, 1}}},
      {"Position over RA and DE",
       {"Position|RA", "Position|DE", "Dist"},
       2,
       {{"Position", 0, 0, 1, 0}, {"RA", 0, 1, 0, 1}, {"DE", 1, 1, 1, 1}, {"Dist", 2, 0, 2, 1}}},
      {"invisible column between equal titles",
       {"Position|RA", nullptr, "Position|DE"},
       2,
       {{"Position", 0, 0, 0, 0}, {"RA", 0, 1, 0, 1}, {"Position", 2, 0, 2, 0}, {"DE", 2, 1, 2, 1}}},
      {"three lines",
       {"A|B|C", "A|B|D", "A|E"},
       3,
       {{"A", 0, 0, 2, 0}, {"B", 0, 1, 1, 1}, {"C", 0, 2, 0, 2}, {"D", 1, 2, 1, 2}, {"E", 2, 1, 2, 2}}},
      {"two empty titles", {"", "", "X"}, 2, {{"", 0, 0, 1, 1}, {"X", 2, 0, 2, 1}}},
      {"'A|' as 'A'", {"A|", "B"}, 2, {{"A", 0, 0, 0, 1}, {"B", 1, 0, 1, 1}}},
      {"'|A' starts empty", {"|A"}, 2, {{"", 0, 0, 0, 0}, {"A", 0, 1, 0, 1}}},
      {"'Alt' and 'alt' stay apart", {"Alt", "alt", "alt "}, 1, {{"Alt", 0, 0, 0, 0}, {"alt", 1, 0, 1, 0}, {"alt ", 2, 0, 2, 0}}},
      {"more lines than the header", {"A|B|C"}, 2, {{"A", 0, 0, 0, 0}, {"B", 0, 1, 0, 1}}},
      {"one line: runs merge", {"A|x", "A|y", "B", "A"}, 1, {{"A", 0, 0, 1, 0}, {"B", 2, 0, 2, 0}, {"A", 3, 0, 3, 0}}},
      {"overlapping boxes", {"A|A", "A|B"}, 2, {{"A", 0, 0, 1, 1}, {"B", 1, 1, 1, 1}}},
      {"a bar before a line feed is one break", {"A|\nB", "A|B"}, 2, {{"A", 0, 0, 1, 0}, {"B", 0, 1, 1, 1}}},
      {"a bar before a return is two", {"A\r\nB", "A|\rB"}, 3,
       {{"A", 0, 0, 1, 0}, {"B", 0, 1, 0, 2}, {"", 1, 1, 1, 1}, {"B", 1, 2, 1, 2}}},
      {"no header line", {"A", "B"}, 0, {}},
  };
  for (const Row& r : rows) EXPECT_EQ(Build(r.Titles, r.Lines), r.Expected) << r.Name;
}

// The sentinel's text is an ordinary title here: it merges with nothing
// but an equal title.
TEST(HeaderCells, NoTitleMatchesTheAbsentBox) {
  const std::vector<Box> boxes = Build({"^%%%%%^******^", "B"}, 1);
  EXPECT_EQ(boxes, (std::vector<Box>{{"^%%%%%^******^", 0, 0, 0, 0}, {"B", 1, 0, 1, 0}}));
}

TEST(HeaderCells, HeaderLineChangeRebuildsAndLaysOut) {
  TGridFixture f;
  f.Grid.SetColCount(2);
  f.Grid.Columns()[0].SetTitle("A|B");
  f.Host.ClearLogs();
  f.Grid.SetHeaderLine(2);
  EXPECT_EQ(f.Grid.HeaderCells().size(), 3u);
  EXPECT_EQ(f.Grid.HeaderExtent(), 36);
  EXPECT_GE(f.Host.WholeInvalidations, 1);
  f.Host.ClearLogs();
  f.Grid.SetHeaderLine(2);
  EXPECT_TRUE(f.Host.NothingInvalidated());
}

}  // namespace
