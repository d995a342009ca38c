// The data module: fills the shared state at start-up (version stamp, built-in
// tables, per-user folders, settings file) and releases it at the end of the run.
// Depends on the astronomy module (ArcTan2) and the platform layer. No Qt.
// Writes VersionInfo, VersionStamp, the tables, the folder and file names and
// Settings (see the step headers below).
#pragma once

#include "data/Catalogue.h"
#include "data/FileVersionInfo.h"
#include "data/Settings.h"
#include "data/SharedState.h"
#include "data/Tables.h"

// The data module's start-up, run once before the main window exists: the
// version stamp from the program's own version block, the stars, the
// constellation figures and their label places, the time zones, the texts,
// the two per-user folders and the settings file. A start-up counter pairs it
// with Final_Variables: only the first call of a pair acts. A settings file of
// another version ends the run through tv::EProgramHalt(0) after its message;
// errors of the steps (tv::EInOutError, range and overflow errors) propagate.
void Init_Variables();

// The data module's end of run: releases the module's texts and text-bearing
// tables once the counter comes back to zero. Writes nothing to disk.
void Final_Variables();
