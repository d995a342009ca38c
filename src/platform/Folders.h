// The per-user folders and the running program's file, looked up the XDG way.
// A look-up that finds no answer returns the empty text, never a fallback to
// the file-system root. No Qt, no other module.
#pragma once

#include <string>

namespace tv {

// Full path of the running executable; empty when the system does not tell.
std::string ExeFileName();

// The per-user application-data folder: $XDG_CONFIG_HOME when it is an absolute
// path, else $HOME/.config. Empty when neither gives an absolute path (no home).
std::string AppDataFolder();

// The per-user documents folder: $XDG_DOCUMENTS_DIR when it is an absolute
// path, else the XDG_DOCUMENTS_DIR entry of user-dirs.dirs in AppDataFolder()
// ("$HOME/..." or an absolute path), else $HOME/Documents. Empty when none of
// them gives an absolute path.
std::string DocumentsFolder();

// Creates Folder together with every missing folder above it. True when Folder
// exists as a folder afterwards (an existing one counts); false on any failure
// and for the empty name. Never throws.
bool ForceFolders(const std::string& Folder);

}  // namespace tv
