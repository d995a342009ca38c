// A window with one editable text grid, to try the control by hand: 8 columns
// under a two-line header (titles "Group|Column" merge over equal first
// lines), 50 rows with numbered gutter, a footer, columns aligned left,
// centre and right. A developer's tool, not a program feature.
//
//   grid_demo [--shot FILE.png]
//
// Keys: arrows, Home, End, PageUp, PageDown (Ctrl+Home, Ctrl+End), Shift with
// the arrows; typing types over the current cell, Backspace, Delete clears
// the selection, Insert and Ctrl+Delete add and remove rows, Down on the last
// row appends one; Enter on a text ending in "*" fills it down, in ">" to the
// right; Ctrl+C, Ctrl+X, Ctrl+V through the clipboard. Mouse: a click
// selects, a second click on the current cell opens the in-place editor
// (Enter, Escape, Up or Down close it), drags select blocks, the header
// selects columns, the gutter rows, the corner everything; drag a column's
// right border to size it and the small square at the selection's corner to
// repeat the selection over a larger block. --shot writes a picture of the
// window once it is shown and ends.
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <cstdio>
#include <string>

#include "grid/qt/TextGridWidget.h"

namespace {

struct TColumnSpec {
  const char* Title;
  const char* Footer;
  int Width;
  THorzAlign Align;
};

constexpr TColumnSpec Columns[8] = {
    {"Star|Name", "names", 96, haLeft},       {"Star|Constellation", "", 96, haLeft},
    {"Position|RA (h)", "h", 72, haRight},    {"Position|Dec (\u00B0)", "\u00B0", 72, haRight},
    {"Brightness|mag", "mag", 58, haCenter},  {"Brightness|Class", "", 58, haCenter},
    {"Seen", "", 44, haCenter},               {"Remark", "", 120, haLeft},
};

// Some bright stars to start with: name, constellation, RA, Dec, magnitude,
// spectral class.
constexpr const char* Stars[][6] = {
    {"Sirius", "CMa", "6.752", "-16.716", "-1.46", "A1"},   {"Canopus", "Car", "6.399", "-52.696", "-0.74", "F0"},
    {"Arcturus", "Boo", "14.261", "19.182", "-0.05", "K1"}, {"Vega", "Lyr", "18.616", "38.784", "0.03", "A0"},
    {"Capella", "Aur", "5.278", "45.998", "0.08", "G8"},    {"Rigel", "Ori", "5.242", "-8.202", "0.13", "B8"},
    {"Procyon", "CMi", "7.655", "5.225", "0.34", "F5"},     {"Betelgeuse", "Ori", "5.919", "7.407", "0.42", "M1"},
    {"Altair", "Aql", "19.846", "8.868", "0.76", "A7"},     {"Aldebaran", "Tau", "4.599", "16.509", "0.86", "K5"},
    {"Spica", "Vir", "13.420", "-11.161", "0.97", "B1"},    {"Antares", "Sco", "16.490", "-26.432", "1.06", "M1"},
};

void SetUpGrid(TTextGrid& G) {
  G.SetHeaderLine(2);
  G.SetGutterKind(gkNumber);
  G.SetGutterWidth(30);
  G.SetShowFooter(true);
  G.SetAutoAddRow(true);
  G.SetAutoFillDown(true);
  G.SetAutoFillRight(true);
  G.SetAlternateColor(0x00F4F0EC);
  G.SetColCount(8);
  {
    TTextColumns::TUpdate update(G.Columns());
    for (int c = 0; c < 8; ++c) {
      TTextColumn& column = G.Columns()[c];
      column.SetTitle(Columns[c].Title);
      column.SetFooter(Columns[c].Footer);
      column.SetWidth(Columns[c].Width);
      column.SetHorzAlign(Columns[c].Align);
    }
    update.Close();
  }
  G.SetRowCount(50);
  for (int r = 0; r < static_cast<int>(std::size(Stars)); ++r) {
    for (int c = 0; c < 6; ++c) G.SetCellText(c, r, Stars[r][c]);
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QString shot;
  const QStringList args = app.arguments();
  for (int i = 1; i < args.size(); ++i) {
    if (args[i] == "--shot" && i + 1 < args.size()) {
      shot = args[++i];
    } else {
      std::fprintf(stderr, "usage: grid_demo [--shot FILE.png]\n");
      return args[i] == "--help" ? 0 : 2;
    }
  }

  QWidget window;
  window.setWindowTitle("Text grid demo");
  auto* layout = new QVBoxLayout(&window);
  auto* grid = new TTextGridWidget(&window);
  auto* status = new QLabel(&window);
  layout->addWidget(grid, 1);
  layout->addWidget(status);
  TTextGrid& g = grid->Grid();
  SetUpGrid(g);

  const auto show = [status](const QString& Text) { status->setText(Text); };
  g.OnColRowChanged = [=](TTextGrid&, int Col, int Row) { show(QString("Current cell (%1, %2)").arg(Col).arg(Row)); };
  g.OnCellChange = [=](TTextGrid&, int Col, int Row, std::string& Str) {
    show(QString("Cell (%1, %2) := \"%3\"").arg(Col).arg(Row).arg(QString::fromStdString(Str)));
  };
  g.OnInsertRow = [=](TTextGrid& Sender, int Row) {
    show(QString("Row %1 inserted, %2 rows").arg(Row).arg(Sender.RowCount()));
  };
  g.OnDeleteRow = [=](TTextGrid& Sender, int Row) {
    show(QString("Row %1 deleted, %2 rows").arg(Row).arg(Sender.RowCount()));
  };
  g.OnHeaderClick = [=](TTextGrid&, int Col, TMouseButton, TShiftState) { show(QString("Column %1").arg(Col)); };
  g.OnGutterClick = [=](TTextGrid&, int Row, TMouseButton, TShiftState) { show(QString("Row %1").arg(Row)); };
  grid->OnError = [=](const std::exception& Error) { show(QString("Error: %1").arg(Error.what())); };
  show("Click a cell; click it again to edit it. Drag borders and the fill handle.");

  const int width = grid->ClientGeometry().left() * 2 + g.GutterWidth() + g.VisibleColumnsWidth() +
                    TTextGridWidget::ScrollBarExtent;
  window.resize(width + 24, 520);
  window.show();
  window.activateWindow();
  grid->setFocus();

  if (!shot.isEmpty()) {
    QTimer::singleShot(300, &window, [&] {
      const bool saved = window.grab().save(shot);
      if (!saved) std::fprintf(stderr, "grid_demo: cannot write %s\n", qPrintable(shot));
      app.exit(saved ? 0 : 1);
    });
  }
  return app.exec();
}
