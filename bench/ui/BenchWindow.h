// The main window as the program makes it, for the window's benchmarks:
// offscreen, the built-in tables, the stored place 47.5 N 7.5 E in zone line
// 15, the background picture from the source tree, error boxes on standard
// error. Not shown and not resized.
#pragma once

#include <QDir>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "data/Catalogue.h"
#include "data/Settings.h"
#include "data/SharedState.h"
#include "data/Tables.h"
#include "grid/qt/TextGridWidget.h"
#include "ui/Tarvelsicht_Unit_Main.h"

inline std::unique_ptr<TForm_Main> MakeBenchWindow() {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  EnsureWidgetApplication();
  Init_Stars();
  Init_ConstLines();
  Calc_ConstLabels();
  Init_TZones();
  Init_Texts();
  Settings = {};
  Settings.TZoneIndex = DefaultTZoneIndex;
  Settings.nLat = DefaultLat;
  Settings.eLon = DefaultLon;
  TForm_Main::ErrorBox = [](const std::string& Text, const std::string&) {
    std::fprintf(stderr, "error box: %s\n", Text.c_str());
  };
  QDir::setCurrent(QString(TV_SOURCE_DIR) + "/data/run");  // the background picture
  return std::unique_ptr<TForm_Main>(CreateForm_Main());
}
