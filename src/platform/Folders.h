// The per-user folders and the running program's file, looked up the XDG way.
// A look-up that finds no answer returns the empty text, never a fallback to
// the file-system root. No Qt, no other module.
#pragma once

#include <functional>
#include <string>

namespace tv {

// Full path of the running executable. When the system does not resolve it
// (no /proc), the link "/proc/self/exe" itself, which still names the running
// program to anyone who asks by name; never empty.
std::string ExeFileName();

// The home folder of the effective user in the password database (pw_dir);
// "" when the user has no entry.
std::string PasswordHomeFolder();

// Replaces the password-database look-up used by HomeFolder (tests point it at
// a private profile); an empty function restores the system's look-up.
void SetPasswordHomeLookup(std::function<std::string()> Lookup);

// The user's home folder: $HOME, else the password database's entry, each
// taken when it is an absolute path other than the root "/" and whether the
// folder exists or not; else "" (no home: the folders below are then unknown,
// never the root). Creates nothing: a home that does not exist yet comes into
// being when ForceFolders makes the program's folders below it.
std::string HomeFolder();

// The per-user application-data folder: $XDG_CONFIG_HOME when it is an absolute
// path, else HomeFolder()/.config. Empty when neither gives an absolute path.
std::string AppDataFolder();

// The per-user documents folder: $XDG_DOCUMENTS_DIR when it is an absolute
// path, else the XDG_DOCUMENTS_DIR entry of user-dirs.dirs in AppDataFolder()
// ("$HOME/..." or an absolute path), else HomeFolder()/Documents. "$HOME"
// stands for HomeFolder(). Empty when none of them gives an absolute path.
std::string DocumentsFolder();

// Creates Folder together with every missing folder above it. True when Folder
// exists as a folder afterwards (an existing one counts); false on any failure
// and for the empty name. Never throws.
bool ForceFolders(const std::string& Folder);

}  // namespace tv
