// The real main window for widget tests: a QApplication on the offscreen
// platform, the built-in tables, a private working folder with the
// background picture, private picture and settings locations, an injected
// clock and a record of the error boxes and of the program's ends (which do
// not end the test program). Each test makes its own window with
// the settings it needs.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QCheckBox>
#include <QTemporaryDir>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "data/Settings.h"
#include "data/SharedState.h"
#include "ui/Tarvelsicht_Unit_Main.h"

class WindowTest : public ::testing::Test {
 protected:
  // The clock of the edge cases: 2019-06-01 00:30:00.870 local time.
  static TSystemTime TestClock() { return {2019, 6, 1, 0, 30, 0, 870}; }

  void SetUp() override;
  void TearDown() override;

  // Stored settings as the data module would load them.
  static void StoreSettings(std::uint8_t Lang, std::int32_t Zone, bool DST, double Lat, double Lon);
  // The window built and its creation handler run, as the program entry does
  // it, with TestClock as the clock; not shown.
  TForm_Main& Create();
  // Shows the window with a client area of Width x Height and waits until
  // the resize handler has seen that size.
  void ShowWithClientSize(int Width, int Height);
  // The program's background picture in the source tree, and the name the
  // program reads it by in the working folder.
  static QString BackgroundSource();
  QString WorkBackground() const;
  // Puts a copy of the program's background picture into the working folder.
  void CopyBackground() const;
  // The six local date and time fields typed (not applied), and the local
  // and universal fields as shown, joined by blanks.
  void TypeFields(const std::array<const char*, 6>& Texts);
  std::string LocalFields() const;
  std::string UniversalFields() const;
  // The moment of the fields typed in zone line Zone with daylight saving
  // DST, applied as the time inputs do (through Read_DateTimeInput).
  void SetMoment(int Zone, bool DST, const std::array<const char*, 6>& Texts);
  // A series box checked without its click handler running (no series is
  // computed): the state a series leaves, for the inputs that leave it.
  static void CheckQuietly(QCheckBox* Box);
  // The zone list's line with the text Name.
  int ZoneLine(const char* Name) const;
  std::string WorkPath(const std::string& Name) const { return Work.filePath(QString::fromStdString(Name)).toStdString(); }

  std::unique_ptr<TForm_Main> Window;
  std::vector<std::string> ErrorBoxes;  // the messages shown, in order
  std::vector<int> ProgramEnds;         // the exit codes the program was ended with
  QTemporaryDir Work;
  QString PreviousFolder;
};
