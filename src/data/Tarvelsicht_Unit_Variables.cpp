#include "data/Tarvelsicht_Unit_Variables.h"

#include "platform/CheckedInt.h"
#include "platform/Folders.h"

namespace {

// Start-up counter of the module, zero at load: Init_Variables counts down
// and acts when it was zero, Final_Variables counts up and releases when it
// comes back to zero.
std::int32_t InitCounter = 0;

}  // namespace

void Init_Variables() {
  const std::int32_t before = InitCounter;
  InitCounter = tv::CheckedSub(InitCounter, 1);
  if (before != 0) return;

  VersionInfo = Read_FileVersionInfo(tv::ExeFileName());
  VersionStamp = Make_VersionStamp(VersionInfo.FileVersion);
  Init_Stars();
  Init_ConstLines();
  Calc_ConstLabels();
  Init_TZones();
  Init_Texts();
  Init_DataDirs();
  Load_Settings();
}

void Final_Variables() {
  InitCounter = tv::CheckedAdd(InitCounter, 1);
  if (InitCounter != 0) return;

  // In the reverse of their declaration order.
  ConstNameText.clear();
  StoredVersion.clear();
  TZoneLabel.clear();
  for (auto& row : Texts)
    for (std::string& text : row) text.clear();
  for (std::string& text : MonthAbbrevs) text.clear();
  for (std::string& text : MonthNames) text.clear();
  for (tTZone_Ary& zone : TZones) {
    zone.StatusText.clear();
    zone.Name.clear();
  }
  for (ConstLine_Type& figure : ConstLines) figure.Abbr.clear();
  SettingsFileName.clear();
  PictureDir.clear();
  SettingsDir.clear();
  ProgTitle.clear();
  VersionInfo = TFileVersionInfo{};
}
