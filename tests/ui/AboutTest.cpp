// The About panel: the version table's 17 rows, its place, and the OK button.
#include <QAction>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "WindowFixture.h"
#include "data/FileVersionInfo.h"
#include "platform/Folders.h"
#include "ui/logic/WindowArithmetic.h"

namespace {

class AboutPanel : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    CopyBackground();
    Create();
  }
  std::string Cell(int Row, int Column) const {
    return Window->StringGrid_VersionsInfo->item(Row, Column)->text().toStdString();
  }
};

TEST_F(AboutPanel, VersionTableRows) {
  const TFileVersionInfo info = Read_FileVersionInfo(tv::ExeFileName());
  const std::pair<const char*, std::string> rows[17] = {
      {"FileType        ", info.FileType},        {"CompanyName     ", info.CompanyName},
      {"FileDescription ", info.FileDescription}, {"FileVersion     ", info.FileVersion},
      {"InternalName    ", info.InternalName},    {"LegalCopyRight  ", info.LegalCopyRight},
      {"LegalTradeMarks ", info.LegalTradeMarks}, {"OriginalFileName", info.OriginalFileName},
      {"ProductName     ", info.ProductName},     {"ProductVersion  ", info.ProductVersion},
      {"SpecialBuildStr ", info.SpecialBuildStr}, {"PrivateBuildStr ", info.PrivateBuildStr},
      {"FileFunction    ", info.FileFunction},    {"DebugBuild      ", "No"},
      {"PreRelease      ", "No"},                 {"PrivateBuild    ", "No"},
      {"SpecialBuild    ", "No"},
  };
  for (int r = 0; r < 17; ++r) {
    EXPECT_EQ(Cell(r, 0), rows[r].first) << "row " << r;
    EXPECT_EQ(Cell(r, 0).size(), 16u);
    EXPECT_EQ(Cell(r, 1), rows[r].second) << "row " << r;
  }
  EXPECT_FALSE(Cell(3, 1).empty());
  EXPECT_FALSE(Cell(0, 1).empty()) << "the shell's type name of the program";
}

TEST_F(AboutPanel, InfoPlacesAndShowsItAndOkHidesIt) {
  TForm_Main& form = *Window;
  ShowWithClientSize(1000, 700);
  QApplication::setActiveWindow(&form);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  form.Info1->trigger();
  const QRect outer = form.frameGeometry();
  EXPECT_TRUE(form.Panel_About->isVisible());
  EXPECT_EQ(form.Panel_About->pos(), QPoint(AboutPanelOffset(outer.width(), outer.x(), 345),
                                            AboutPanelOffset(outer.height(), outer.y(), 473)));
  EXPECT_EQ(QApplication::focusWidget(), form.Button_About_OK);
  // Shown where the tree stacks it: above the chart and input panels, below
  // the left margin and the series list.
  const QObjectList stack = form.Panel_About->parentWidget()->children();
  for (const QWidget* below : {static_cast<QWidget*>(form.Panel_Bild), static_cast<QWidget*>(form.Panel_Rght)})
    EXPECT_LT(stack.indexOf(below), stack.indexOf(form.Panel_About)) << below->objectName().toStdString();
  for (const QWidget* above : {static_cast<QWidget*>(form.Panel_Left), static_cast<QWidget*>(form.Memo1)})
    EXPECT_GT(stack.indexOf(above), stack.indexOf(form.Panel_About)) << above->objectName().toStdString();
  const std::string version = Cell(3, 1);
  QTest::mouseClick(form.Button_About_OK, Qt::LeftButton);
  EXPECT_FALSE(form.Panel_About->isVisible());
  form.Info1->trigger();
  EXPECT_TRUE(form.Panel_About->isVisible());
  EXPECT_EQ(Cell(3, 1), version) << "the table is filled once";
  EXPECT_TRUE(ErrorBoxes.empty());
}

}  // namespace
