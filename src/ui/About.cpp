// The About panel: the version table, filled once at start-up, and showing
// and hiding the panel.
#include <QPushButton>
#include <QTableWidget>

#include "data/FileVersionInfo.h"
#include "platform/Folders.h"
#include "ui/Tarvelsicht_Unit_Main.h"
#include "ui/logic/WindowArithmetic.h"

namespace {

const char* const NoYesText[2] = {"No", "Yes"};

}  // namespace

// The program's own version information in 17 rows of label (16 characters,
// blank-padded) and value; the flag rows show "Yes" or "No".
void TForm_Main::ShowVersionInfo(QTableWidget* Grid) {
  const TFileVersionInfo info = Read_FileVersionInfo(tv::ExeFileName());
  const std::pair<const char*, std::string> rows[17] = {
      {"FileType        ", info.FileType},
      {"CompanyName     ", info.CompanyName},
      {"FileDescription ", info.FileDescription},
      {"FileVersion     ", info.FileVersion},
      {"InternalName    ", info.InternalName},
      {"LegalCopyRight  ", info.LegalCopyRight},
      {"LegalTradeMarks ", info.LegalTradeMarks},
      {"OriginalFileName", info.OriginalFileName},
      {"ProductName     ", info.ProductName},
      {"ProductVersion  ", info.ProductVersion},
      {"SpecialBuildStr ", info.SpecialBuildStr},
      {"PrivateBuildStr ", info.PrivateBuildStr},
      {"FileFunction    ", info.FileFunction},
      {"DebugBuild      ", NoYesText[info.DebugBuild]},
      {"PreRelease      ", NoYesText[info.PreRelease]},
      {"PrivateBuild    ", NoYesText[info.PrivateBuild]},
      {"SpecialBuild    ", NoYesText[info.SpecialBuild]},
  };
  for (int r = 0; r < 17; ++r) {
    Grid->item(r, 0)->setText(QString::fromUtf8(rows[r].first));
    Grid->item(r, 1)->setText(QString::fromStdString(rows[r].second));
  }
}

// Places the panel by the window's outer size and its place on the screen
// (near the middle while the window's top-left corner is near the screen's),
// shows it and gives the OK button the focus. It keeps its place in the
// stacking of the window's children: above the chart and input panels,
// below the left margin and the series list.
void TForm_Main::Info1Click(QObject*) {
  const QRect outer = frameGeometry();
  Panel_About->move(AboutPanelOffset(outer.width(), outer.x(), Panel_About->width()),
                    AboutPanelOffset(outer.height(), outer.y(), Panel_About->height()));
  Panel_About->setVisible(true);
  Button_About_OK->setFocus();
}

void TForm_Main::Button_About_OKClick(QObject*) { Panel_About->setVisible(false); }
