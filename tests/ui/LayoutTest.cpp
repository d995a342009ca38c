// The resize handler's panel layout and picture sizes, and the Exit item's
// picture export.
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QScreen>
#include <QTest>
#include <algorithm>

#include "WindowFixture.h"

namespace {

class Layout : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    CopyBackground();
    Create();
  }
};

// A client area of 1272 x 968 with the 25-pixel status bar: margin 50, the
// chart panel 943 square from x = 50, the input panel from 993, 279 wide.
TEST_F(Layout, RestoredWindow) {
  const int draws = Window->DrawRequests();
  ShowWithClientSize(1272, 968);
  TForm_Main& form = *Window;
  EXPECT_EQ(form.Panel_Left->geometry(), QRect(0, 0, 50, 943));
  EXPECT_EQ(form.Panel_Bild->geometry(), QRect(50, 0, 943, 943));
  EXPECT_EQ(form.Panel_Rght->geometry(), QRect(993, 0, 279, 943));
  EXPECT_EQ(form.StatusBar1->geometry(), QRect(0, 943, 1272, 25));
  EXPECT_EQ(form.StatusBar1->Panel(4)->geometry(), QRect(850, 2, 48, 23));
  EXPECT_EQ(form.StatusBar1->Panel(5)->geometry(), QRect(900, 2, 372, 23)) << "the last panel takes the rest";
  EXPECT_EQ(form.Bild->geometry(), QRect(0, 0, 943, 943));
  EXPECT_EQ(BildWidth, 943);
  EXPECT_EQ(BildHeight, 943);
  EXPECT_EQ(form.Bild->Picture.Width(), 943);
  EXPECT_EQ(form.Bild->Picture.Height(), 943);
  EXPECT_GE(form.DrawRequests(), draws + 2) << "each resize draws twice";
  EXPECT_EQ((form.DrawRequests() - draws) % 2, 0);
  // The visible picture is the chart scaled down, not black.
  EXPECT_NE(QColor(form.Bild->Picture.Image().pixel(471, 400)), QColor(0, 0, 0));
}

// Shown maximised at the start, the window runs its resize handler once, for
// the maximised size: the restored size that the window has while it is
// being shown does not run it first.
TEST_F(Layout, ShownMaximisedResizesOnceForTheMaximisedSize) {
  TForm_Main& form = *Window;
  const int draws = form.DrawRequests();
  form.ShowMaximizedAtStart();
  QTest::qWait(50);
  EXPECT_TRUE(form.isMaximized());
  EXPECT_EQ(form.DrawRequests(), draws + 2) << "one resize, two draws";
  ASSERT_NE(form.screen(), nullptr);
  EXPECT_EQ(form.frameGeometry(), form.screen()->availableGeometry());
  const int W = form.ClientWidth(), H = form.ClientHeight();
  EXPECT_EQ(form.Panel_Left->width(), (W - H) / 6);
  EXPECT_EQ(form.Panel_Bild->geometry(), QRect((W - H) / 6, 0, H - 25, H - 25));
  EXPECT_EQ(BildWidth, H - 25);
  EXPECT_TRUE(ErrorBoxes.empty());
}

TEST_F(Layout, ChartPanelNarrowerThan200AndTallWindow) {
  ShowWithClientSize(400, 180);
  TForm_Main& form = *Window;
  EXPECT_EQ(form.Panel_Left->width(), (400 - 180) / 6);
  EXPECT_EQ(form.Panel_Bild->width(), 155);
  EXPECT_EQ(BildWidth, 155) << "the draws take the panel's width, without the floor of 200";
  EXPECT_EQ(form.Bild->Picture.Width(), 155);
  EXPECT_EQ(form.StatusBar1->Panel(5)->width(), 0) << "no room left for the last panel";
  // Taller than wide: the margin takes no width; the chart panel keeps its
  // square and the input panel is squeezed out.
  ShowWithClientSize(300, 600);
  EXPECT_EQ(form.Panel_Left->width(), 0);
  EXPECT_EQ(form.Panel_Bild->geometry(), QRect(0, 0, 575, 575));
  EXPECT_EQ(form.Panel_Rght->width(), 0);
  EXPECT_EQ(BildWidth, 575);
  EXPECT_TRUE(ErrorBoxes.empty());
}

TEST_F(Layout, ResizeReadsTheFieldsBackAndReportsABadOne) {
  ShowWithClientSize(1000, 700);
  Window->RichEdit_Stunde->setText("x");
  const int draws = Window->DrawRequests();
  ShowWithClientSize(1100, 700);
  ASSERT_FALSE(ErrorBoxes.empty());
  EXPECT_EQ(ErrorBoxes.back(), "'x' is not a valid floating point value.");
  EXPECT_EQ(Window->DrawRequests(), draws) << "the chart stays black";
  EXPECT_EQ(Window->Img1->Picture.Pixel(1000, 1000), tv::clBlack);
}

// The drawing surface is black from the resize handler's clearing to its
// first draw: the Exit item, chosen while the visible picture shows that
// black, saves a black chart; the resize then draws as ever.
TEST_F(Layout, ExitWhileTheResizeShowsBlackSavesABlackChart) {
  ShowWithClientSize(1000, 700);
  TForm_Main& form = *Window;
  // Chooses Exit, once, with the events after the visible picture was
  // painted black.
  struct TExitOnBlack : QObject {
    TForm_Main* Form = nullptr;
    bool Chosen = false;
    bool eventFilter(QObject*, QEvent* Event) override {
      const tv::TBitmap& picture = Form->Bild->Picture;
      const int w = picture.Width(), h = picture.Height();
      if (Chosen || Event->type() != QEvent::Paint || w == 0) return false;
      for (const QPoint p : {QPoint(w / 2, h / 2), QPoint(w / 3, h / 2), QPoint(w / 2, h / 3)})
        if (picture.Pixel(p.x(), p.y()) != tv::clBlack) return false;
      Chosen = true;
      QMetaObject::invokeMethod(Form, [this] { Form->Exit1->trigger(); }, Qt::QueuedConnection);
      return false;
    }
  } exitOnBlack;
  exitOnBlack.Form = &form;
  form.Bild->installEventFilter(&exitOnBlack);
  const int draws = form.DrawRequests();
  ShowWithClientSize(1100, 700);
  form.Bild->removeEventFilter(&exitOnBlack);
  ASSERT_TRUE(exitOnBlack.Chosen);
  ASSERT_TRUE(Closing);
  EXPECT_EQ(form.DrawRequests(), draws + 2);
  QFile file(QString::fromStdString(PictureDir) + "Tarvelsicht_Bild.bmp");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bmp = file.readAll();
  ASSERT_EQ(bmp.size(), 12000054);
  const qsizetype notBlack =
      std::find_if(bmp.begin() + 54, bmp.end(), [](char Byte) { return Byte != 0; }) - bmp.begin();
  EXPECT_EQ(notBlack, bmp.size()) << "a pixel byte that is not black at offset " << notBlack;
  EXPECT_NE(form.Img1->Picture.Pixel(1000, 1000), tv::clBlack) << "then drawn";
  EXPECT_TRUE(ErrorBoxes.empty());
}

TEST_F(Layout, ExitWritesTheDrawingSurfaceAsBmp) {
  Window->Exit1->trigger();
  const QString name = QString::fromStdString(PictureDir) + "Tarvelsicht_Bild.bmp";
  QFile file(name);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.size(), 12000054);
  const QByteArray head = file.read(54 + 3);
  EXPECT_EQ(head.left(2), "BM");
  // The first pixel stored is the chart's bottom-left one, blue green red.
  const QRgb bottomLeft = Window->Img1->Picture.Image().pixel(0, 1999);
  EXPECT_EQ(static_cast<unsigned char>(head[54]), qBlue(bottomLeft));
  EXPECT_EQ(static_cast<unsigned char>(head[55]), qGreen(bottomLeft));
  EXPECT_EQ(static_cast<unsigned char>(head[56]), qRed(bottomLeft));
  EXPECT_TRUE(Closing) << "then the close query ran";
  EXPECT_TRUE(ErrorBoxes.empty());
}

// A picture that cannot be written stops the Exit: the error names the file
// as it would have been written, no picture lands anywhere, the close handler
// does not run, the settings are not written and the window stays. A picture
// folder that is unknown or relative never sends the picture to the working
// folder.
TEST_F(Layout, ExitWithoutPictureFolder) {
  ShowWithClientSize(800, 600);
  // A settings file longer than the record: a write-back would leave 48 bytes.
  const QString settings = QString::fromStdString(SettingsFileName);
  {
    QFile file(settings);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(60, '\x11'));
  }
  struct Case {
    const char* Name;
    std::string Folder;
  };
  const Case cases[] = {
      {"deleted since start-up", WorkPath("gone") + "/"},
      {"unknown", ""},
      {"relative", "pictures/"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    ErrorBoxes.clear();
    PictureDir = c.Folder;
    Window->Exit1->trigger();
    ASSERT_EQ(ErrorBoxes.size(), 1u);
    EXPECT_EQ(ErrorBoxes[0], "Cannot create file " + c.Folder + "Tarvelsicht_Bild.bmp.");
    EXPECT_FALSE(Closing) << "the close handler ran";
    EXPECT_TRUE(ProgramEnds.empty());
    EXPECT_TRUE(Window->isVisible());
    EXPECT_EQ(QFileInfo(settings).size(), 60) << "the settings were written";
  }
  const auto work = [this](const char* Name) { return QFileInfo(QString::fromStdString(WorkPath(Name))); };
  EXPECT_FALSE(work("Tarvelsicht_Bild.bmp").exists());
  EXPECT_FALSE(work("pictures/Tarvelsicht_Bild.bmp").exists());
  EXPECT_FALSE(work("gone").exists());
  // With the folder known again, the next Exit saves and closes.
  PictureDir = WorkPath("pictures") + "/";
  Window->Exit1->trigger();
  EXPECT_EQ(work("pictures/Tarvelsicht_Bild.bmp").size(), 12000054);
  EXPECT_EQ(ProgramEnds, std::vector<int>{0});
  EXPECT_EQ(QFileInfo(settings).size(), 48);
}

}  // namespace
