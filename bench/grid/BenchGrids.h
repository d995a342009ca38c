// Grids shared by the grid benchmarks: the main window's body table and a
// grid of 20 columns and a million rows, each in its own widget (not shown).
#pragma once

#include <memory>
#include <string>

#include "grid/qt/TextGridWidget.h"

inline tv::TFont Narrow(std::int32_t Height) {
  tv::TFont f;
  f.Name = "Arial Narrow";
  f.Height = Height;
  f.Pitch = tv::TFontPitch::fpFixed;
  return f;
}

// Writes the body table's 63 texts as a draw request does; Variant 0 and 1
// differ in every text but the body names.
inline void FillBodyTable(TTextGrid& g, int Variant) {
  // Two rows per body: 0-1 the Sun, 2-3 the Moon, 5-6 Mercury ... 17-18 Neptune.
  const char* bodies[9] = {"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune"};
  // Per variant: columns 1 to 3 of a body's first row, then of its second.
  const char* texts[2][6] = {{"17:45:12.3", "-23:26:01", "0.98330", "123.4567", "-12.3456", "-26.7 / 1951.8\""},
                             {"17:45:13.3", "-23:26:02", "0.98331", "123.4568", "-12.3457", "-26.7 / 1951.9\""}};
  const char* const* t = texts[Variant == 0 ? 0 : 1];
  for (int r = 0; r < 19; ++r) {
    if (r == 4) continue;
    const bool first = r < 4 ? r % 2 == 0 : r % 2 == 1;
    g.SetCellText(0, r, first ? bodies[r < 4 ? r / 2 : (r - 1) / 2] : "");
    for (int c = 1; c < 4; ++c) g.SetCellText(c, r, t[(first ? 0 : 3) + c - 1]);
  }
}

// The body table as the main window sets it up and fills it.
inline std::unique_ptr<TTextGridWidget> BodyTable() {
  EnsureWidgetApplication();
  auto w = std::make_unique<TTextGridWidget>();
  w->SetBorderStyle(bsNone);
  w->resize(310, 380);
  TTextGrid& g = w->Grid();
  g.SetFont(Narrow(-15));
  g.SetHeaderFont(Narrow(-15));
  g.SetFooterFont(Narrow(-10));
  g.SetGutterFont(Narrow(-10));
  g.SetDefColWidth(40);
  g.SetReadOnly(true);
  g.SetGutterKind(gkNone);
  g.SetGutterWidth(0);
  g.SetColCount(4);
  g.SetRowCount(19);
  const int widths[4] = {70, 78, 78, 83};
  for (int c = 0; c < 4; ++c) {
    g.Columns()[c].SetWidth(widths[c]);
    g.Columns()[c].SetHorzAlign(c == 0 ? haLeft : haCenter);
  }
  g.SetHeaderLine(2);
  g.Columns()[0].SetTitle("Body");
  g.Columns()[1].SetTitle("RA (h)|Azi (°)");
  g.Columns()[2].SetTitle("DE (°)|Alt (°)");
  g.Columns()[3].SetTitle("r (AU)|Mag / Diam");
  FillBodyTable(g, 0);
  return w;
}

// 20 columns of 80 pixels, a million rows with their numbers in the gutter,
// texts in the rows around the middle, scrolled there.
inline std::unique_ptr<TTextGridWidget> MillionRows(int Width, int Height) {
  EnsureWidgetApplication();
  auto w = std::make_unique<TTextGridWidget>();
  w->resize(Width, Height);
  TTextGrid& g = w->Grid();
  g.SetGutterKind(gkNumber);
  g.SetGutterWidth(60);
  g.SetColCount(20);
  g.SetRowCount(1'000'000);
  for (int r = 499'990; r < 500'040; ++r) {
    for (int c = 0; c < 20; ++c) g.SetCellText(c, r, std::to_string(r) + "/" + std::to_string(c));
  }
  g.SetScrollY(500'000 * 18);
  g.SetScrollX(400);
  return w;
}
