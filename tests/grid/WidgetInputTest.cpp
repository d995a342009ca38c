// The grid's input through the real widget under the offscreen platform:
// QTest keys and mouse events reach the grid's key tables, typing, mouse
// zones with their cursors, drags, the column border and the fill handle;
// copy and paste pass through QClipboard between two grids; the in-place
// editor is a borderless QLineEdit that stores, filters and closes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QTest>
#include <stdexcept>

#include "FakeGridHost.h"
#include "grid/qt/TextGridWidget.h"

namespace {

struct WidgetEnvironment : ::testing::Environment {
  void SetUp() override { EnsureWidgetApplication(); }
};
const ::testing::Environment* const Environment = ::testing::AddGlobalTestEnvironment(new WidgetEnvironment);

// A window with an edit field, two grids without a border (400 x 300 each,
// gutter 20, header 18, four columns of 80, ten rows: the centre of cell
// (c, r) is at (60 + 80c, 27 + 18r)) and a button after them.
struct InputWidget : ::testing::Test {
  QWidget Window;
  QLineEdit* Before = new QLineEdit(&Window);
  TTextGridWidget* W = new TTextGridWidget(&Window);
  TTextGridWidget* W2 = new TTextGridWidget(&Window);
  QPushButton* After = new QPushButton("After", &Window);
  TTextGrid& G = W->Grid();
  void SetUp() override {
    Window.resize(900, 400);
    Before->setGeometry(0, 340, 100, 24);
    W->setGeometry(0, 0, 400, 300);
    W2->setGeometry(450, 0, 400, 300);
    After->setGeometry(200, 340, 100, 24);
    for (TTextGridWidget* w : {W, W2}) {
      w->SetBorderStyle(bsNone);
      w->Grid().SetColCount(4);
      w->Grid().SetRowCount(10);
    }
    QWidget::setTabOrder(Before, W);
    QWidget::setTabOrder(W, W2);
    QWidget::setTabOrder(W2, After);
    Window.show();
    Window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window));
    Focus(W);
  }
  static void Focus(QWidget* Target) {
    Target->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
  }
  static QPoint At(int Col, int Row) { return {60 + 80 * Col, 27 + 18 * Row}; }
  // A move without a button (QTest moves the system cursor for that).
  static void Hover(QWidget* Target, QPoint P) {
    QMouseEvent move(QEvent::MouseMove, P, Target->mapToGlobal(P), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(Target, &move);
  }
  static void Click(TTextGridWidget* Target, QPoint P) {
    Hover(Target, P);
    QTest::mouseClick(Target, Qt::LeftButton, {}, P);
  }
  static void Drag(TTextGridWidget* Target, QPoint From, QPoint To) {
    Hover(Target, From);
    QTest::mousePress(Target, Qt::LeftButton, {}, From);
    QTest::mouseMove(Target, To);
    QTest::mouseRelease(Target, Qt::LeftButton, {}, To);
  }
  static std::string Cell(TTextGridWidget* Target, int Col, int Row) {
    return Target->Grid().CellTextOrEmpty(Col, Row);
  }
  // Types Text as the platform does for a keyboard layout of any script: one
  // key event per character, with the character as its text.
  static void TypeText(QWidget* Target, const QString& Text) {
    for (const char32_t code : Text.toUcs4()) {
      const QString one = QString::fromUcs4(&code, 1);
      QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, one);
      QApplication::sendEvent(Target, &press);
      QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, one);
      QApplication::sendEvent(Target, &release);
    }
  }
  // Opens the editor on (Col, Row) with two clicks and gives it the focus.
  QLineEdit* OpenEditor(int Col, int Row) {
    Click(W, At(Col, Row));
    Click(W, At(Col, Row));
    QLineEdit* e = W->Editor();
    if (e->isVisible()) QTest::mouseClick(e, Qt::LeftButton);
    return e;
  }
};

TEST_F(InputWidget, KeysMoveExtendAndType) {
  QTest::keyClick(W, Qt::Key_Down);
  QTest::keyClick(W, Qt::Key_Right);
  EXPECT_EQ(G.CurCol(), 1);
  EXPECT_EQ(G.CurRow(), 1);
  QTest::keyClick(W, Qt::Key_Down, Qt::ShiftModifier);
  QTest::keyClick(W, Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(G.SelArea(), (tv::TRect{1, 1, 2, 2}));
  QTest::keyClick(W, Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(G.CurCol(), 3);
  EXPECT_EQ(G.CurRow(), 9);
  QTest::keyClick(W, Qt::Key_Home, Qt::ControlModifier);
  EXPECT_EQ(G.SelArea(), (tv::TRect{0, 0, 0, 0}));

  QTest::keyClicks(W, "ab");
  QTest::keyClick(W, Qt::Key_Backspace);
  EXPECT_EQ(Cell(W, 0, 0), "a");
  EXPECT_TRUE(W->CaretShown());
  QTest::keyClick(W, Qt::Key_Return);
  EXPECT_EQ(G.CurRow(), 1);
  // A letter beyond ASCII (QTest types ASCII only).
  for (const char* text : {"\xC3\xA9", "t", "\xC3\xA9"}) {
    QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8(text));
    QApplication::sendEvent(W, &key);
  }
  EXPECT_EQ(Cell(W, 0, 1), "\xC3\xA9t\xC3\xA9");
  QTest::keyClick(W, Qt::Key_Delete);  // not while typing
  EXPECT_EQ(Cell(W, 0, 1), "\xC3\xA9t\xC3\xA9");
  QTest::keyClick(W, Qt::Key_Up);
  QTest::keyClick(W, Qt::Key_Down);
  QTest::keyClick(W, Qt::Key_Delete);
  EXPECT_EQ(Cell(W, 0, 1), "");
  // Ctrl+letters and Alt+letters type nothing.
  QTest::keyClick(W, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(W, Qt::Key_A, Qt::AltModifier);
  EXPECT_EQ(Cell(W, 0, 1), "");
}

// The arrows and the characters are the grid's even where the window has
// shortcuts for them; Tab still moves the focus on.
TEST_F(InputWidget, ArrowsReachTheGridAndTabMovesTheFocus) {
  int stolen = 0;
  for (QKeySequence key : {QKeySequence(Qt::Key_Down), QKeySequence(Qt::Key_Right), QKeySequence(Qt::Key_X)}) {
    auto* shortcut = new QShortcut(key, &Window);
    QObject::connect(shortcut, &QShortcut::activated, [&] { ++stolen; });
  }
  QTest::keyClick(W, Qt::Key_Down);
  QTest::keyClick(W, Qt::Key_Right);
  QTest::keyClick(W, Qt::Key_X);
  EXPECT_EQ(stolen, 0);
  EXPECT_EQ(G.CurCol(), 1);
  EXPECT_EQ(G.CurRow(), 1);
  EXPECT_EQ(Cell(W, 1, 1), "x");
  QTest::keyClick(W, Qt::Key_Tab);
  EXPECT_TRUE(W2->hasFocus());
  EXPECT_EQ(G.CurRow(), 1);
  QTest::keyClick(W2, Qt::Key_Tab);
  EXPECT_TRUE(After->hasFocus());
}

TEST_F(InputWidget, HoverShowsTheZonesCursors) {
  struct Row {
    const char* Name;
    QPoint P;
    std::int16_t Id;
    Qt::CursorShape Shape;
  };
  const Row rows[] = {
      {"corner", {5, 5}, crGridLeftTop, Qt::BitmapCursor}, {"gutter", {5, 60}, crGridRight, Qt::BitmapCursor},
      {"header", {60, 5}, crGridDown, Qt::BitmapCursor},   {"cell", {60, 60}, crGridPlus, Qt::BitmapCursor},
      {"border", {100, 60}, crHSplit, Qt::SplitHCursor},   {"none", {380, 250}, crDefault, Qt::ArrowCursor},
  };
  QPixmap pictures[5];
  for (const Row& r : rows) {
    Hover(W, r.P);
    EXPECT_EQ(G.Cursor(), r.Id) << r.Name;
    EXPECT_EQ(W->cursor().shape(), r.Shape) << r.Name;
    if (r.Shape == Qt::BitmapCursor) {
      const QPixmap picture = W->cursor().pixmap();
      EXPECT_EQ(picture.size(), QSize(32, 32)) << r.Name;
      pictures[r.Id - crGridPlus] = picture;
    }
  }
  // Five different pictures (the fill handle's cross among them).
  G.SetCursor(crGridCross);
  pictures[1] = W->cursor().pixmap();
  for (int i = 0; i < 5; ++i) {
    for (int j = i + 1; j < 5; ++j) EXPECT_NE(pictures[i].toImage(), pictures[j].toImage()) << i << " " << j;
  }
}

TEST_F(InputWidget, MouseSelectsWithCapture) {
  Hover(W, At(1, 1));
  QTest::mousePress(W, Qt::LeftButton, {}, At(1, 1));
  EXPECT_TRUE(W->MouseCaptured());
  QTest::mouseMove(W, At(2, 4));
  QTest::mouseMove(W, At(3, 3));
  QTest::mouseRelease(W, Qt::LeftButton, {}, At(3, 3));
  EXPECT_FALSE(W->MouseCaptured());
  EXPECT_EQ(G.SelArea(), (tv::TRect{1, 1, 3, 3}));
  EXPECT_EQ(G.CurCol(), 1);
  // A header press selects the column, a gutter press the row.
  Click(W, {140, 5});
  EXPECT_EQ(G.SelArea(), (tv::TRect{1, 0, 1, 9}));
  Click(W, {5, At(0, 6).y()});
  EXPECT_EQ(G.SelArea(), (tv::TRect{0, 6, 3, 6}));
  // A press gives the grid the focus, also without a tab stop.
  W->SetTabStop(false);
  Focus(Before);
  Click(W, At(2, 2));
  EXPECT_TRUE(W->hasFocus());
}

TEST_F(InputWidget, BorderDragAndFillDrop) {
  // The right border of column 1 is at x 180.
  Drag(W, {180, 60}, {210, 60});
  EXPECT_EQ(G.Columns()[1].Width(), 110);
  // A fill drop of a two-row pattern over six rows.
  G.SetCellText(0, 0, "A");
  G.SetCellText(0, 1, "B");
  Drag(W, At(0, 0), At(0, 1));
  W->repaint();  // places the fill handle
  const tv::TRect h = G.FillHandleRect();
  Drag(W, {h.Left + 2, h.Top + 2}, At(0, 5));
  for (int r = 0; r < 6; ++r) EXPECT_EQ(Cell(W, 0, r), r % 2 == 0 ? "A" : "B") << r;
  EXPECT_EQ(G.FillSource(), (tv::TRect{-1, -1, -1, -1}));
}

TEST_F(InputWidget, CopyAndPasteThroughTheClipboardBetweenTwoGrids) {
  G.SetCellText(0, 0, "a");
  G.SetCellText(1, 0, "b");
  G.SetCellText(0, 1, "c");
  G.SetCellText(1, 1, "\xC2\xB0");  // a degree sign survives the round trip
  QTest::keyClick(W, Qt::Key_Down, Qt::ShiftModifier);
  QTest::keyClick(W, Qt::Key_Right, Qt::ShiftModifier);
  QTest::keyClick(W, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("a\tb\r\nc\t\xC2\xB0\r\n"));
  EXPECT_EQ(Cell(W, 0, 0), "a");

  Click(W2, At(2, 3));
  ASSERT_TRUE(W2->hasFocus());
  QTest::keyClick(W2, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Cell(W2, 2, 3), "a");
  EXPECT_EQ(Cell(W2, 3, 3), "b");
  EXPECT_EQ(Cell(W2, 2, 4), "c");
  EXPECT_EQ(Cell(W2, 3, 4), "\xC2\xB0");

  // A cut in the second grid and a paste back over the first's block.
  QGuiApplication::clipboard()->setText("z");
  Click(W2, At(3, 3));
  QTest::keyClick(W2, Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "b\r\n");
  EXPECT_EQ(Cell(W2, 3, 3), "");
  Focus(W);
  QTest::keyClick(W, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Cell(W, 0, 0), "b");
  EXPECT_EQ(Cell(W, 1, 0), "b");
  EXPECT_EQ(Cell(W, 0, 1), "b");
  EXPECT_EQ(Cell(W, 1, 1), "b");
}

TEST_F(InputWidget, EditorIsABorderlessLineEditOverTheCell) {
  struct Row {
    THorzAlign Align;
    Qt::Alignment Qt;
    int Width;
  };
  const Row rows[] = {{haLeft, Qt::AlignLeft, 73}, {haCenter, Qt::AlignHCenter, 73}, {haRight, Qt::AlignRight, 74}};
  G.Columns()[1].SetWidth(80);
  G.SetCellText(1, 2, "text");
  for (const Row& r : rows) {
    G.Columns()[1].SetHorzAlign(r.Align);
    Click(W, At(1, 2));
    Click(W, At(1, 2));
    QLineEdit* e = W->Editor();
    ASSERT_TRUE(e->isVisible());
    EXPECT_FALSE(e->hasFrame());
    EXPECT_EQ(e->text(), "text");
    EXPECT_EQ(e->alignment() & Qt::AlignHorizontal_Mask, r.Qt);
    EXPECT_EQ(e->geometry().left(), 103);  // x + 3 for a cell at client x 100
    EXPECT_EQ(e->geometry().width(), r.Width);
    EXPECT_TRUE(W->hasFocus());  // the editor waits for a click
    Click(W, At(2, 2));
    EXPECT_FALSE(e->isVisible());
  }
}

TEST_F(InputWidget, EditorStoresEveryChangeAndClosesOnItsKeys) {
  std::vector<std::string> changes;
  G.OnCellChange = [&](TTextGrid&, int, int, std::string& Str) { changes.push_back(Str); };
  G.OnFilterChar = [](TGridObject&, int, int, TChar Chr, bool& Allowed) { Allowed = Chr != U'q'; };
  struct Row {
    const char* Name;
    Qt::Key Key;
  };
  const Row rows[] = {{"Enter", Qt::Key_Return}, {"Escape", Qt::Key_Escape}, {"Up", Qt::Key_Up}, {"Down", Qt::Key_Down}};
  int n = 0;
  for (const Row& r : rows) {
    G.SetCellText(1, 2, "");
    Click(W, At(1, 2));
    Click(W, At(1, 2));
    QLineEdit* e = W->Editor();
    ASSERT_TRUE(e->isVisible()) << r.Name;
    QTest::mouseClick(e, Qt::LeftButton);  // the editor takes the focus
    ASSERT_TRUE(e->hasFocus()) << r.Name;
    EXPECT_TRUE(G.EditorActive()) << r.Name;
    e->selectAll();
    changes.clear();
    QTest::keyClicks(e, "xqy");  // q is refused
    QTest::keyClick(e, Qt::Key_Backspace);
    EXPECT_EQ(changes, (std::vector<std::string>{"x", "xy", "x"})) << r.Name;
    QTest::keyClick(e, Qt::Key_Left);  // the field's own key: still open
    EXPECT_TRUE(e->isVisible()) << r.Name;
    QTest::keyClick(e, r.Key);
    EXPECT_FALSE(e->isVisible()) << r.Name;
    EXPECT_FALSE(G.EditorActive()) << r.Name;
    EXPECT_TRUE(W->hasFocus()) << r.Name;
    EXPECT_EQ(Cell(W, 1, 2), "x") << r.Name;
    EXPECT_EQ(G.CurRow(), 2) << r.Name;  // Up and Down leave the current cell
    ++n;
  }
  EXPECT_EQ(n, 4);
}

// Opening the editor and closing it without typing leaves every cell byte
// for byte as it was and tells no cell event: a text longer than an edit
// field's usual limit of 32767 characters, bytes that are no UTF-8, a row
// beyond the stored texts. Typing at the end of the long text keeps it whole.
TEST_F(InputWidget, EditorLeavesTheCellsBytesAsTheyAre) {
  std::vector<std::string> events;
  G.OnCellChanging = [&](TTextGrid&, int Col, int Row, bool&) {
    events.push_back("changing " + std::to_string(Col) + "," + std::to_string(Row));
  };
  G.OnCellChange = [&](TTextGrid&, int, int, std::string&) { events.push_back("change"); };
  const std::string longText = std::string(40000, 'x') + "end";
  struct Row {
    const char* Name;
    int Col, Row;
    std::string Text;
    Qt::Key Close;
  };
  const Row rows[] = {{"long text, Escape", 1, 2, longText, Qt::Key_Escape},
                      {"not UTF-8, Enter", 2, 3, "caf\xE9", Qt::Key_Return},
                      {"not UTF-8 inside, Down", 2, 4, "a\xFF\xFE b\xC3", Qt::Key_Down},
                      {"beyond the stored texts, Up", 3, 9, "", Qt::Key_Up}};
  for (const Row& r : rows) {
    if (!r.Text.empty()) G.SetCellText(r.Col, r.Row, r.Text);
    const int stored = G.Columns()[r.Col].Strings().Count();
    QLineEdit* e = OpenEditor(r.Col, r.Row);
    ASSERT_TRUE(e->hasFocus()) << r.Name;
    QTest::keyClick(e, r.Close);
    ASSERT_FALSE(e->isVisible()) << r.Name;
    // And once more, closed by a click on another cell.
    OpenEditor(r.Col, r.Row);
    Click(W, At(0, 0));
    EXPECT_EQ(Cell(W, r.Col, r.Row), r.Text) << r.Name;
    EXPECT_EQ(G.Columns()[r.Col].Strings().Count(), stored) << r.Name;
    EXPECT_TRUE(events.empty()) << r.Name;
  }
  QLineEdit* e = OpenEditor(1, 2);
  EXPECT_EQ(e->text().size(), 40003);
  QTest::keyClick(e, Qt::Key_End);
  QTest::keyClicks(e, "!");
  EXPECT_EQ(Cell(W, 1, 2), longText + "!");
  EXPECT_EQ(events, (std::vector<std::string>{"changing 1,2", "change"}));
}

// Every character the grid takes, in any script, passes OnFilterChar first,
// over a cell and in the editor alike (the editor's text from an input
// method too); a filter that refuses everything lets nothing in on either
// path, Backspace excepted in the editor.
TEST_F(InputWidget, EveryCharacterPassesTheFilterOnBothPaths) {
  std::u32string grid, editor;
  bool allow = true;
  G.OnFilterChar = [&](TGridObject& Sender, int, int, TChar Chr, bool& Allowed) {
    (&Sender == &G ? grid : editor) += Chr;
    Allowed = allow;
  };
  const QString text = QString::fromUtf8("a\xC3\xA9\xE2\x82\xAC\xD0\xB6\xF0\x9F\x98\x80");  // a é € ж 😀
  const std::u32string chars = U"a\u00E9\u20AC\u0436\U0001F600";
  TypeText(W, text);
  EXPECT_EQ(Cell(W, 0, 0), text.toStdString());
  EXPECT_EQ(grid, chars);
  QLineEdit* e = OpenEditor(1, 1);
  TypeText(e, text);
  EXPECT_EQ(e->text(), text);
  EXPECT_EQ(Cell(W, 1, 1), text.toStdString());
  EXPECT_EQ(editor, chars);

  allow = false;
  grid.clear();
  editor.clear();
  Click(W, At(2, 2));
  TypeText(W, text);
  EXPECT_EQ(Cell(W, 2, 2), "");
  EXPECT_EQ(grid, chars);
  e = OpenEditor(3, 3);
  TypeText(e, text);
  QInputMethodEvent composed;
  composed.setCommitString(QString::fromUtf8("\xE2\x82\xAC\xC3\xBC"));  // € ü
  QApplication::sendEvent(e, &composed);
  EXPECT_EQ(e->text(), "");
  EXPECT_EQ(Cell(W, 3, 3), "");
  EXPECT_EQ(editor, chars + U"\u20AC\u00FC");
  // Backspace gets through a refusing filter.
  G.SetCellText(3, 3, "ab");
  e = OpenEditor(3, 3);
  QTest::keyClick(e, Qt::Key_End);
  QTest::keyClick(e, Qt::Key_Backspace);
  EXPECT_EQ(Cell(W, 3, 3), "a");
}

// A fill drag begun with the right button and released away from the
// handle leaves no source behind: the grid then shrinks under the old block
// and still paints. A release that never reaches the grid ends the drag at
// the next move without buttons.
TEST_F(InputWidget, NoFillDragOutlivesItsPress) {
  std::vector<std::string> errors;
  W->OnError = [&](const std::exception& Error) { errors.emplace_back(Error.what()); };
  Drag(W, At(2, 3), At(3, 5));
  W->repaint();
  const tv::TRect h = G.FillHandleRect();
  const QPoint handle(h.Left + 2, h.Top + 2);
  Hover(W, handle);
  ASSERT_EQ(G.Cursor(), crGridCross);
  QTest::mousePress(W, Qt::RightButton, {}, handle);
  EXPECT_EQ(G.FillSource(), (tv::TRect{2, 3, 3, 5}));
  QMouseEvent away(QEvent::MouseMove, At(0, 8), W->mapToGlobal(At(0, 8)), Qt::NoButton, Qt::RightButton,
                   Qt::NoModifier);
  QApplication::sendEvent(W, &away);
  ASSERT_EQ(G.Cursor(), crGridPlus);  // no left button: the cursor follows the zone
  QTest::mouseRelease(W, Qt::RightButton, {}, At(0, 8));
  EXPECT_EQ(G.FillSource(), (tv::TRect{-1, -1, -1, -1}));
  EXPECT_FALSE(W->MouseCaptured());
  G.SetColCount(2);
  G.SetRowCount(3);
  W->repaint();
  EXPECT_TRUE(errors.empty());

  // The left button's release goes to another window.
  G.SetColCount(4);
  G.SetRowCount(10);
  Drag(W, At(1, 1), At(1, 1));
  W->repaint();
  const tv::TRect h2 = G.FillHandleRect();
  const QPoint handle2(h2.Left + 2, h2.Top + 2);
  Hover(W, handle2);
  QTest::mousePress(W, Qt::LeftButton, {}, handle2);
  QTest::mouseMove(W, At(1, 4));
  ASSERT_EQ(G.FillSource(), (tv::TRect{1, 1, 1, 1}));
  Hover(W, At(2, 6));  // the buttons are up
  EXPECT_EQ(G.FillSource(), (tv::TRect{-1, -1, -1, -1}));
  EXPECT_FALSE(W->MouseCaptured());
  EXPECT_EQ(G.DragStartIndex(), -1);
  EXPECT_EQ(G.Cursor(), crGridPlus);
  EXPECT_EQ(Cell(W, 1, 4), "");
  EXPECT_TRUE(errors.empty());
}

// With the editor open on row 9 the program cuts the grid to 5 rows: the
// editor closes, and what is typed next goes to the grid's current cell
// without an error.
TEST_F(InputWidget, EditorClosesWhenItsCellIsGone) {
  std::vector<std::string> errors;
  W->OnError = [&](const std::exception& Error) { errors.emplace_back(Error.what()); };
  QLineEdit* e = OpenEditor(1, 9);
  ASSERT_TRUE(e->hasFocus());
  QTest::keyClicks(e, "a");
  G.SetRowCount(5);
  EXPECT_FALSE(e->isVisible());
  EXPECT_FALSE(G.EditorActive());
  QTest::keyClicks(QApplication::focusWidget(), "b");
  EXPECT_TRUE(errors.empty());
  EXPECT_EQ(G.CurRow(), 4);
  EXPECT_EQ(Cell(W, 1, 4), "b");
  EXPECT_EQ(Cell(W, 1, 9), "a");  // stored while it was there; kept beyond the rows
  // A hidden column closes it as well.
  e = OpenEditor(2, 2);
  G.Columns()[2].SetVisible(false);
  EXPECT_FALSE(e->isVisible());
  QTest::keyClicks(QApplication::focusWidget(), "c");
  EXPECT_EQ(Cell(W, 2, 2), "");
  EXPECT_TRUE(errors.empty());
}

// A click, a double click and a key's release reach their events through
// the real widget: Down, Click, Up, DblClick, Down, Up; an auto-repeated
// key tells no release until it goes up.
TEST_F(InputWidget, ClickDoubleClickAndKeyUp) {
  std::vector<std::string> log;
  G.OnClick = [&](TTextGrid&) { log.push_back("click"); };
  G.OnDblClick = [&](TTextGrid&) { log.push_back("dblclick"); };
  G.OnMouseDown = [&](TTextGrid&, TMouseButton, TShiftState Shift, int, int) {
    log.push_back((Shift & ssDouble) != 0 ? "down double" : "down");
  };
  G.OnMouseUp = [&](TTextGrid&, TMouseButton, TShiftState, int, int) { log.push_back("up"); };
  G.OnKeyUp = [&](TTextGrid&, TVirtualKey& Key, TShiftState) { log.push_back("key up " + std::to_string(Key)); };
  // The platform's events of a double click: the second press comes as the
  // double click itself.
  Hover(W, At(1, 1));
  QTest::mouseClick(W, Qt::LeftButton, {}, At(1, 1));
  QMouseEvent second(QEvent::MouseButtonDblClick, At(1, 1), W->mapToGlobal(At(1, 1)), Qt::LeftButton,
                     Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(W, &second);
  QTest::mouseRelease(W, Qt::LeftButton, {}, At(1, 1));
  EXPECT_EQ(log, (std::vector<std::string>{"down", "click", "up", "dblclick", "down double", "up"}));
  log.clear();
  QTest::mouseClick(W, Qt::RightButton, {}, At(1, 1));
  EXPECT_EQ(log, (std::vector<std::string>{"down", "up"}));
  log.clear();
  Focus(W);
  QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier, QString(), true);
  QApplication::sendEvent(W, &repeat);
  QTest::keyRelease(W, Qt::Key_Down);
  EXPECT_EQ(log, (std::vector<std::string>{"key up 40"}));
}

TEST_F(InputWidget, AnErrorOfAHandlerGoesToOnError) {
  std::vector<std::string> errors;
  W->OnError = [&](const std::exception& Error) { errors.emplace_back(Error.what()); };
  G.OnCellChanging = [](TTextGrid&, int, int, bool&) { throw std::runtime_error("refused"); };
  QTest::keyClicks(W, "a");
  EXPECT_EQ(errors, std::vector<std::string>{"refused"});
  EXPECT_EQ(Cell(W, 0, 0), "");
  G.OnCellChanging = nullptr;
  QTest::keyClick(W, Qt::Key_Down);
  EXPECT_EQ(G.CurRow(), 1);
}

}  // namespace
