// The component tree as built, before the creation handler moves anything:
// names, kinds, places, captions, fonts and colours of a table of controls,
// the menu, the status bar, the tab order and which changes run handlers.
#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <set>

#include "WindowFixture.h"
#include "grid/qt/TextGridWidget.h"

namespace {

class ComponentTree : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    Window = std::make_unique<TForm_Main>();
  }
  QWidget* Find(const char* Name) const { return Window->findChild<QWidget*>(Name); }
};

TEST_F(ComponentTree, ControlsByNameKindPlaceAndCaption) {
  struct Row {
    const char* Name;
    const char* Kind;  // Qt class name
    const char* Parent;
    QRect Place;
    const char* Caption;
  } const Rows[] = {
      {"Panel_Rght", "QFrame", "", {942, 0, 330, 943}, ""},
      {"Panel_Left", "QFrame", "", {0, 0, 81, 943}, ""},
      {"Panel_Bild", "QFrame", "", {85, 5, 850, 850}, ""},
      {"Bild", "QWidget", "Panel_Bild", {48, 72, 153, 153}, ""},
      {"StatusBar1", "QFrame", "", {0, 943, 1272, 25}, ""},
      {"Panel_About", "QFrame", "", {401, 717, 345, 473}, "Panel_About"},
      {"Button_About_OK", "QPushButton", "Panel_About", {133, 416, 89, 33}, "OK"},
      {"StringGrid_VersionsInfo", "QTableWidget", "Panel_About", {6, 43, 335, 345}, ""},
      {"Label_Tarvelsicht", "QLabel", "Panel_About", {67, 10, 112, 24}, "Tarvelsicht"},
      {"Memo1", "QPlainTextEdit", "", {88, 16, 129, 89}, "Memo1"},
      {"Img0", "QWidget", "", {272, 528, 100, 100}, ""},
      {"Img1", "QWidget", "", {400, 528, 121, 121}, ""},
      {"Label9", "QLabel", "Panel_Rght", {5, 0, 281, 63}, "Weltzeit UT\r\n"},
      {"Shape3", "QFrame", "Panel_Rght", {7, 90, 280, 85}, ""},
      {"Label3", "QLabel", "Panel_Rght", {210, 114, 7, 31}, ":"},
      {"Label5", "QLabel", "Panel_Rght", {86, 27, 10, 35}, "-"},
      {"RichEdit_Jahr", "QLineEdit", "Panel_Rght", {7, 116, 82, 31}, "2019"},
      {"RichEdit_Sekunde", "QLineEdit", "Panel_Rght", {253, 116, 31, 31}, "00"},
      {"RichEdit_Monat_UT", "QLineEdit", "Panel_Rght", {95, 29, 31, 31}, "06"},
      {"RichEdit_Stunde_UT", "QLineEdit", "Panel_Rght", {181, 29, 31, 31}, "18"},
      {"BitBtn_Jahr_Plus", "QPushButton", "Panel_Rght", {7, 92, 82, 25}, ""},
      {"BitBtn_Daag_Minus", "QPushButton", "Panel_Rght", {134, 148, 31, 25}, ""},
      {"BitBtn_Sterntag_Plus", "QPushButton", "Panel_Rght", {134, 71, 31, 20}, ""},
      {"BitBtn_Sterntag_Minus", "QPushButton", "Panel_Rght", {134, 174, 31, 20}, ""},
      {"Button_Mittag", "QPushButton", "Panel_Rght", {181, 70, 104, 21}, "Mittag"},
      {"Button_Mitternacht", "QPushButton", "Panel_Rght", {181, 175, 104, 21}, "Mitternacht"},
      {"Button_Jetzt", "QPushButton", "Panel_Rght", {181, 199, 104, 21}, "Jetzt"},
      {"CheckBox1", "QCheckBox", "Panel_Rght", {7, 63, 38, 25}, "M"},
      {"Panel_Month", "QFrame", "Panel_Rght", {5, 225, 214, 25}, ""},
      {"RadioButton_M04", "QRadioButton", "Panel_Month", {55, 3, 17, 17}, ""},
      {"RadioButton_M12", "QRadioButton", "Panel_Month", {195, 3, 17, 17}, ""},
      {"CheckBox_Monat", "QCheckBox", "Panel_Rght", {221, 225, 85, 25}, "Monat"},
      {"RadioButton_Q4", "QRadioButton", "Panel_Quartal", {163, 3, 17, 17}, ""},
      {"CheckBox_Quartal", "QCheckBox", "Panel_Rght", {221, 255, 85, 25}, "Quartal"},
      {"Panel_Jahr", "QFrame", "Panel_Rght", {5, 285, 214, 25}, ""},
      {"CheckBox_Jahr", "QCheckBox", "Panel_Rght", {221, 285, 85, 25}, "Jahr"},
      {"ScrollBar_Quartal", "QScrollBar", "Panel_Rght", {5, 314, 279, 21}, ""},
      {"Panel_Daemmerung", "QFrame", "Panel_Rght", {4, 348, 161, 33}, ""},
      {"RadioButton_SUnter", "QRadioButton", "Panel_Daemmerung", {87, 1, 21, 29}, ""},
      {"Label_Line1", "QLabel", "Panel_Rght", {168, 342, 93, 22}, "Abendhimmel:"},
      {"Label_Line2", "QLabel", "Panel_Rght", {168, 362, 135, 22}, "Bürgerl. Dämmerung"},
      {"ComboBox_TZone", "QComboBox", "Panel_Rght", {6, 389, 108, 30}, "ComboBox_TZone"},
      {"CheckBox_DST", "QCheckBox", "Panel_Rght", {126, 393, 160, 25}, "Sommerzeit"},
      {"Label_nLat", "QLabel", "Panel_Rght", {59, 424, 165, 24}, "Geogr. Breite +=N -=S"},
      {"BitBtn_nLat_MinusSmall", "QPushButton", "Panel_Rght", {52, 449, 49, 25}, ""},
      {"Edit_nLat", "QLineEdit", "Panel_Rght", {114, 447, 54, 28}, "47.50"},
      {"Label_eLon", "QLabel", "Panel_Rght", {59, 482, 173, 24}, "Geogr. Länge +=O -=W"},
      {"Edit_eLon", "QLineEdit", "Panel_Rght", {115, 506, 54, 28}, "7.50"},
      {"BitBtn_eLon_PlusSmall", "QPushButton", "Panel_Rght", {183, 507, 49, 25}, ""},
      {"Button_Zeichnen", "QPushButton", "Panel_Rght", {251, 426, 73, 25}, "Zeichnen"},
      {"TextGrid1", "QWidget", "Panel_Rght", {3, 539, 310, 380}, ""},
  };
  for (const Row& r : Rows) {
    SCOPED_TRACE(r.Name);
    QWidget* control = Find(r.Name);
    ASSERT_NE(control, nullptr);
    EXPECT_TRUE(control->inherits(r.Kind));
    EXPECT_EQ(control->parentWidget()->objectName().toStdString(), r.Parent);
    if (control->property(AutoSizeProperty).toBool()) {
      // Sized to its caption: the place stays, the size is the text's.
      EXPECT_EQ(control->pos(), r.Place.topLeft());
      EXPECT_EQ(control->size(), control->sizeHint());
    } else {
      EXPECT_EQ(control->geometry(), r.Place);
    }
    EXPECT_EQ(Caption(control), r.Caption);
  }
  // The labels sized to their captions; all others keep the tree's size.
  const std::set<std::string> autoSized = {"Label3",     "Label_Line1", "Label_Line2",
                                           "Label_nLat", "Label_eLon",  "Label_Tarvelsicht"};
  for (const QLabel* label : Window->findChildren<QLabel*>()) {
    if (label->objectName().isEmpty()) continue;  // the status bar's panels
    const std::string name = label->objectName().toStdString();
    EXPECT_EQ(label->property(AutoSizeProperty).toBool(), autoSized.count(name) == 1) << name;
  }
  EXPECT_EQ(Window->ClientWidth(), 1272);
  EXPECT_EQ(Window->ClientHeight(), 968);
  EXPECT_EQ(Window->DrawRequests(), 0) << "nothing runs before the creation handler";
}

TEST_F(ComponentTree, FontsColoursAndInitialStates) {
  const auto pixels = [](const QWidget* w) { return w->font().pixelSize(); };
  const QLineEdit& year = *Window->RichEdit_Jahr;
  EXPECT_EQ(pixels(&year), 27);
  EXPECT_TRUE(year.font().bold());
  EXPECT_EQ(year.palette().color(QPalette::Text), QColor(0, 255, 0));
  EXPECT_EQ(year.palette().color(QPalette::Base), QColor(0, 0, 0));
  EXPECT_EQ(year.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
  EXPECT_FALSE(year.isReadOnly());
  EXPECT_TRUE(Window->RichEdit_Jahr_UT->isReadOnly());
  EXPECT_EQ(Window->RichEdit_Jahr_UT->palette().color(QPalette::Text), QColor(160, 160, 164));
  EXPECT_EQ(Window->Panel_Month->palette().color(QPalette::Window), QColor(166, 202, 240));
  EXPECT_EQ(Window->Panel_Quartal->palette().color(QPalette::Window), QColor(192, 220, 192));
  EXPECT_EQ(Window->Panel_Jahr->palette().color(QPalette::Window), QColor(255, 192, 192));
  EXPECT_EQ(Window->Panel_Bild->palette().color(QPalette::Window), QColor(128, 128, 128));
  EXPECT_EQ(Window->Label_Line1->palette().color(QPalette::WindowText), QColor(128, 128, 128));
  EXPECT_EQ(pixels(Window->Edit_nLat), 20);
  EXPECT_EQ(pixels(Window->StatusBar1), 17);
  EXPECT_EQ(pixels(Window->Memo1), 13);
  EXPECT_TRUE(Window->RadioButton_M01->isChecked());
  EXPECT_TRUE(Window->RadioButton_Q1->isChecked());
  EXPECT_TRUE(Window->RadioButton_ABurgD->isChecked());
  EXPECT_FALSE(Window->CheckBox_DST->isChecked());
  EXPECT_EQ(Window->ScrollBar_Quartal->minimum(), 0);
  EXPECT_EQ(Window->ScrollBar_Quartal->maximum(), 91);
  EXPECT_EQ(Window->ScrollBar_Quartal->value(), 1);
  EXPECT_FALSE(Window->ComboBox_TZone->isEditable()) << "pick-only: no text without a line";
  EXPECT_EQ(Window->ComboBox_TZone->count(), 0);
  EXPECT_EQ(Window->ComboBox_TZone->maxVisibleItems(), 8);
  Window->ComboBox_TZone->addItem("UTC+01");
  EXPECT_EQ(Window->ComboBox_TZone->view()->sizeHintForRow(0), 22) << "the list's line height";
  for (QWidget* hidden : {static_cast<QWidget*>(Window->Img0), static_cast<QWidget*>(Window->Img1),
                          static_cast<QWidget*>(Window->Panel_About), static_cast<QWidget*>(Window->Memo1),
                          static_cast<QWidget*>(Window->Button_Zeichnen)})
    EXPECT_TRUE(hidden->isHidden()) << hidden->objectName().toStdString();
  const QTableWidget& grid = *Window->StringGrid_VersionsInfo;
  EXPECT_EQ(grid.rowCount(), 17);
  EXPECT_EQ(grid.columnCount(), 2);
  EXPECT_EQ(grid.columnWidth(0), 165);
  EXPECT_EQ(grid.rowHeight(16), 19);

  // The body table's grid.
  const TTextGrid& body = Window->TextGrid1->Grid();
  EXPECT_EQ(body.RowCount(), 19);
  ASSERT_EQ(body.ColCount(), 4);
  for (int c = 0; c < 4; ++c) EXPECT_EQ(body.Columns()[c].Width(), 75);
  EXPECT_EQ(body.DefColWidth(), 40);
  EXPECT_TRUE(body.ReadOnly());
  EXPECT_EQ(body.GutterKind(), gkNone);
  EXPECT_EQ(body.GutterWidth(), 0);
  EXPECT_FALSE(body.ShowFooter());
  EXPECT_EQ(body.Font().Name, "Arial Narrow");
  EXPECT_EQ(body.Font().Height, -15);
  EXPECT_EQ(body.HeaderFont().Height, -15);
  EXPECT_EQ(body.GutterFont().Height, -10);
  EXPECT_EQ(Window->TextGrid1->BorderStyle(), bsNone);
  EXPECT_FALSE(Window->TextGrid1->TabStop());
}

TEST_F(ComponentTree, MenuStatusBarAndWindow) {
  const QList<QAction*> bar = Window->MainMenu1->actions();
  ASSERT_EQ(bar.size(), 3);
  EXPECT_EQ(bar[0], Window->Exit1);
  EXPECT_EQ(Window->Exit1->text(), "E&xit");
  EXPECT_EQ(bar[1], Window->Option1);
  EXPECT_EQ(Window->Option1->text(), "&Option");
  EXPECT_EQ(bar[2], Window->Info1);
  EXPECT_EQ(Window->Info1->text(), "&Info");
  const QList<QAction*> options = Window->Option1->menu()->actions();
  ASSERT_EQ(options.size(), 4);
  EXPECT_EQ(options[0], Window->Deutsch1);
  EXPECT_EQ(options[2]->text(), "Français");
  EXPECT_TRUE(options[3]->isSeparator());
  EXPECT_TRUE(Window->Deutsch1->isChecked());
  Window->English1->setChecked(true);
  EXPECT_FALSE(Window->Deutsch1->isChecked()) << "one radio group";
  EXPECT_EQ(Window->DrawRequests(), 0) << "checking an item in code runs no handler";

  // Five panels of fixed width; the last one takes the rest of the bar.
  const int widths[5] = {450, 125, 120, 155, 50};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(Window->StatusBar1->Panel(i)->width() + 2, widths[i]) << "panel " << i;
  EXPECT_TRUE(Window->StatusBar1->Panel(1)->alignment() & Qt::AlignHCenter);
  EXPECT_TRUE(Window->StatusBar1->Panel(0)->alignment() & Qt::AlignLeft);
  EXPECT_EQ(Window->centralWidget()->palette().color(QPalette::Window), QColor(0, 128, 128));
}

// The Option menu, opened from the menu bar, ends with the separator N2: a
// line of its own below the three languages, inside the menu.
TEST_F(ComponentTree, OptionMenuShowsItsClosingSeparator) {
  Window->show();
  QApplication::setActiveWindow(Window.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(Window.get()));
  QMenuBar* bar = Window->MainMenu1;
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(Window->Option1).center());
  QMenu* menu = Window->Option1->menu();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
  const QRect languages = menu->actionGeometry(Window->Deutsch1).united(menu->actionGeometry(Window->Francais1));
  const QRect line = menu->actionGeometry(Window->N2);
  EXPECT_FALSE(line.isEmpty()) << "the separator is laid out";
  EXPECT_GT(line.top(), languages.bottom());
  EXPECT_TRUE(menu->rect().contains(line)) << "the menu is tall enough to show it";
  menu->close();
}

// The tab key visits the zone list, the twelve date and time fields, the
// checked button of the quarter, twilight and month groups, and while the
// About panel shows, its OK button and table; nothing else.
TEST_F(ComponentTree, TabOrder) {
  Window->show();
  QApplication::setActiveWindow(Window.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(Window.get()));
  const auto walk = [this](int Steps) {
    std::vector<std::string> names;
    Window->ComboBox_TZone->setFocus();
    for (int i = 0; i < Steps; ++i) {
      names.push_back(QApplication::focusWidget()->objectName().toStdString());
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    return names;
  };
  const std::vector<std::string> fields = {
      "ComboBox_TZone",   "RichEdit_Jahr",     "RichEdit_Monat",     "RichEdit_Daag",      "RichEdit_Stunde",
      "RichEdit_Minute",  "RichEdit_Sekunde",  "RichEdit_Jahr_UT",   "RichEdit_Monat_UT",  "RichEdit_Daag_UT",
      "RichEdit_Stunde_UT", "RichEdit_Minute_UT", "RichEdit_Sekunde_UT", "RadioButton_Q1", "RadioButton_ABurgD",
      "RadioButton_M01"};
  std::vector<std::string> expected = fields;
  expected.push_back("ComboBox_TZone");
  EXPECT_EQ(walk(17), expected);
  Window->Panel_About->show();
  expected = fields;
  expected.insert(expected.end(), {"Button_About_OK", "StringGrid_VersionsInfo", "ComboBox_TZone"});
  EXPECT_EQ(walk(19), expected);
  // A radio button is a tab stop while it is the checked one of its group.
  Window->RadioButton_Q3->setChecked(true);
  EXPECT_EQ(Window->RadioButton_Q3->focusPolicy(), Qt::StrongFocus);
  EXPECT_EQ(Window->RadioButton_Q1->focusPolicy(), Qt::ClickFocus);
}

}  // namespace
