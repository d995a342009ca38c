// The program's whole shared state: every global of the star chart, each with
// exactly one instance, zero at load. Each line names its unit and its writer.
// Header-only (inline variables) so that the astronomy module can read GMST
// without linking the data module. Depends only on DataTypes.h.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "data/DataTypes.h"

class TPicture;    // a planet icon, defined by the main window
class TForm_Main;  // the main window

// --- Version data, folders and settings (data module start-up) -------------
inline TFileVersionInfo VersionInfo;        // own version block; start-up
inline ShortString<16> VersionStamp;        // FileVersion, first 16 chars; start-up
inline std::string ProgTitle;               // main window caption; main window
inline std::string SettingsDir;             // <config>/Tarvelsicht/, "" when unknown; start-up
inline std::string PictureDir;              // <documents>/Tarvelsicht/, "" when unknown; start-up
inline std::FILE* SettingsFile = nullptr;   // the open settings file; settings step, close handler
inline std::string SettingsFileName;        // SettingsDir + "Tarvelsicht.ini"; start-up
inline Settings_Type Settings{};            // the 48-byte record; settings step, close handler
// The settings step's rejection message box; set by the program entry (a real
// window-system box), replaced by tests. Unset: the message goes to stderr.
inline TMessageBoxProc MessageBoxHook;

// --- The main window and its pictures ------------------------------------------
inline TForm_Main* Form_Main = nullptr;  // the one main window; its creation (before its creation handler)
inline tv::CheckedArray<TPicture*, 1, 7> PlanetIcon{};  // 44x44 icons Mercury..Neptune; creation handler

// --- Built-in tables (start-up) and results (chart, main window) --------------
inline tv::CheckedArray<Star_Type, 1, 2849> Stars{};          // catalogue, brightest first; start-up
inline tv::CheckedArray<ConstLine_Type, 1, 88> ConstLines{};  // figures and labels; start-up
inline tv::CheckedArray<tTZone_Ary, 0, 39> TZones{};          // zone list; start-up
// Rows 0 Sun, 1 Moon, 2 Mercury .. 8 Neptune; columns BodyColumn. Units per
// column (hours, degrees, AU or km, magnitude, arcsec); chart body layers.
inline tv::CheckedArray<tv::CheckedArray<double, 0, 6>, 0, 8> BodyTable{};
inline tv::CheckedArray<double, 0, 366> EventJD{};           // UT Julian day per series day; series
inline tv::CheckedArray<std::string, 0, 35> MonthNames{};    // (month-1)*3 + language; start-up
inline tv::CheckedArray<std::string, 0, 35> MonthAbbrevs{};  // same layout; start-up
inline tv::CheckedArray<tv::CheckedArray<std::string, 0, 2>, 1, 50> Texts{};  // [row][language]; start-up

// --- Language and place (main window) ------------------------------------------
inline std::uint8_t Language = 0;  // 0 German, 1 English, 2 French
inline double eLon = 0;            // longitude, degrees, east positive
inline double nLat = 0;            // latitude, degrees, north positive

// --- Time state, first part (main window) -------------------------------------
inline double GMST = 0;            // Greenwich mean sidereal time, hours [0, 24); read by EquToHor
inline double LAST = 0;            // local mean sidereal time, hours
inline double TZoneOffset = 0;     // zone offset from UT, hours
inline double DSTOffset = 0;       // daylight-saving offset, hours (1 or 0)
inline std::string TZoneLabel;     // "[" + zone name trimmed + "]"

// --- Last computed places (chart layers, series; through output parameters) ---
inline double SunRA = 0, SunDec = 0;    // low-precision Sun, radians; ecliptic and Sun layers
inline double MoonLon = 0, MoonLat = 0; // Moon, ecliptic, radians; Moon path and Moon layers
inline double MoonDist = 0;             // Moon, km; Moon path and Moon layers
inline double MoonRA = 0, MoonDec = 0;  // Moon, radians, RA in [0, 2 pi); Moon layers
inline double HorAlt = 0, HorAzi = 0;   // last EquToHor result, radians (azimuth from the south); chart, series
inline double EventAlt = 0;             // target solar altitude of the series, radians; series

// --- Time state, second part (main window) ------------------------------------
inline double JD_Local = 0;                             // Julian day, local civil time
inline std::int32_t Jahr = 0, Monat = 0, Daag = 0;      // local calendar date
inline double Stunde = 0, Minute = 0, Sekunde = 0;      // local time of day (Sekunde with ms)
inline double JD_UT = 0;                                // Julian day, universal time: the master time
inline std::int32_t Jahr_UT = 0, Monat_UT = 0, Daag_UT = 0;  // UT calendar date
inline double Stunde_UT = 0, Minute_UT = 0, Sekunde_UT = 0;  // UT time of day

// --- Sun series results (draw request) ----------------------------------------
inline double SunLon = 0, SunLat = 0;         // geocentric ecliptic of date, degrees; draw request
inline double SunDist = 0;                    // AU; draw request
inline double SunX = 0, SunY = 0, SunZ = 0;   // geocentric Sun, AU; planet layers (read by nobody)

// --- Working variables -----------------------------------------------------------
inline std::int32_t ConstNameAngle = 0;       // label rotation, degrees; name layer
inline std::int32_t LoopI = 0, LoopJ = 0;     // table-filling counters; start-up
inline std::int32_t DirError = 0;             // 1 when a folder creation failed; start-up
inline std::int32_t IOCount = 0;              // bytes of the last settings block read/write
inline std::int32_t BildWidth = 0, BildHeight = 0;  // visible chart picture, pixels; layout
inline std::int32_t PeriodIndex = 0;          // series period: month, quarter or 1; series
inline std::string StoredVersion;             // stamp of a rejected settings file; settings step
inline std::string ConstNameText;             // label being drawn; name layer
inline const char* MsgText = nullptr;         // rejection message text; settings step
inline const char* MsgCaption = nullptr;      // rejection message caption; settings step
inline bool ButtonHeld = false;               // a hold-to-repeat button is down; main window
inline bool Closing = false;                  // close handler has run; main window
inline ConstLine_Type* pConstLine = nullptr;  // figure visited by the label loop; start-up
inline ConstSeg_Type* pSegment = nullptr;     // segment visited by the label loop; start-up
