// The per-user folders and the 48-byte settings file "Tarvelsicht.ini".
// Writes SettingsDir, PictureDir, DirError, SettingsFileName, SettingsFile,
// Settings, IOCount, StoredVersion, MsgText and MsgCaption; reads VersionStamp
// and MessageBoxHook.
#pragma once

#include <cstdint>
#include <string>

#include "data/DataTypes.h"

// Defaults of a new settings record (zone 15 is UTC, offset 0).
inline constexpr std::uint8_t DefaultLanguage = 0;
inline constexpr std::int32_t DefaultTZoneIndex = 15;
inline constexpr double DefaultLat = 47.5;  // degrees north
inline constexpr double DefaultLon = 7.5;   // degrees east

// The user's application-data folder, leading and trailing characters with
// codes 0 to 32 removed; "" when the look-up fails.
std::string Get_AppDataDir();
// The user's documents folder, untrimmed; "" when the look-up fails.
std::string Get_PersonalDir();

// Sets SettingsDir and PictureDir (each the folder followed by
// "/Tarvelsicht/") and creates each with all missing parents; DirError is 0
// or 1 by the outcome of the last creation. A failed look-up leaves the folder
// text empty and counts as a failed creation. Start-up step; raises nothing.
void Init_DataDirs();

// Sets SettingsFileName and loads the settings file into Settings, or writes
// it with the defaults when it is missing. A stored stamp other than
// VersionStamp shows the message through MessageBoxHook (the stored stamp's
// non-printable bytes shown as "?"), deletes the file and raises
// tv::EProgramHalt(0). A loaded field outside its range (language
// beyond 2, zone outside 0..39, daylight-saving byte beyond 1, a latitude or
// longitude that is not finite or beyond +-90 / +-180 degrees) takes its
// default; the rest of the record and the file stay as stored. The file is
// opened for reading only. A name that stands for anything but a regular file
// raises tv::EInOutError without being opened for writing and without waiting:
// EISDIR for a folder, EINVAL for a FIFO, device or socket. Other file
// failures raise tv::EInOutError; an unknown settings folder raises it with
// ENOENT. The defaults are written as Save_Settings writes, so that starts at
// the same time all succeed and a start reads either no file or a whole one.
// Start-up step.
void Load_Settings();

// Replaces out-of-range fields of Record by their defaults (see Load_Settings).
void Validate_Settings(Settings_Type& Record);

// The close handler's write-back: only when the file SettingsFileName still
// exists, sets in Settings the stamp to VersionStamp (length and characters;
// the bytes after them are kept), the language, zone index, daylight-saving
// switch and place (degrees), keeps the padding bytes, and rewrites the file
// with the 48 bytes (IOCount). True when written. The bytes go to a
// temporary file of this write's own beside the file first, which replaces
// the file only once it is completely on the disk: a failed write (a full
// disk, a file-size limit) leaves the previous file unchanged and removes the
// temporary file, and programs writing at once never disturb each other. A
// symbolic link stays a link to the rewritten file. File failures raise
// tv::EInOutError with errno and the settings file's name.
bool Save_Settings(std::uint8_t Lang, std::int32_t ZoneIndex, bool DSTOn, double Lat, double Lon);

// The settings stamp for a file version: its first 16 characters, cut at a
// whole character so that it fits the 16 bytes of the record.
ShortString<16> Make_VersionStamp(const std::string& FileVersion);
