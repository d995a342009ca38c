#include "platform/Folders.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace tv {

namespace {

// The value of an environment variable when it is an absolute path, else "".
std::string AbsoluteEnv(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || value[0] != '/') return {};
  return value;
}

// The entry Key of a user-dirs.dirs file: Key="$HOME/sub" or Key="/abs/path".
// Empty when the file or the entry is missing or the value is relative.
std::string UserDirsEntry(const std::string& fileName, const std::string& key, const std::string& home) {
  std::ifstream in(fileName);
  std::string line;
  std::string found;
  while (std::getline(in, line)) {
    std::size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos || line[start] == '#') continue;
    if (line.compare(start, key.size() + 1, key + "=") != 0) continue;
    std::string value = line.substr(start + key.size() + 1);
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t' || value.back() == '\r'))
      value.pop_back();
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
      value = value.substr(1, value.size() - 2);
    if (value == "$HOME" || value.rfind("$HOME/", 0) == 0) {
      found = home.empty() ? std::string() : home + value.substr(5);
    } else if (!value.empty() && value[0] == '/') {
      found = value;
    } else {
      found.clear();
    }
  }
  return found;  // the last entry wins, like a shell sourcing the file
}

}  // namespace

std::string ExeFileName() {
  std::error_code ec;
  const std::filesystem::path p = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : p.string();
}

std::string AppDataFolder() {
  std::string folder = AbsoluteEnv("XDG_CONFIG_HOME");
  if (!folder.empty()) return folder;
  const std::string home = AbsoluteEnv("HOME");
  return home.empty() ? std::string() : home + "/.config";
}

std::string DocumentsFolder() {
  std::string folder = AbsoluteEnv("XDG_DOCUMENTS_DIR");
  if (!folder.empty()) return folder;
  const std::string home = AbsoluteEnv("HOME");
  const std::string config = AppDataFolder();
  if (!config.empty()) {
    folder = UserDirsEntry(config + "/user-dirs.dirs", "XDG_DOCUMENTS_DIR", home);
    if (!folder.empty()) return folder;
  }
  return home.empty() ? std::string() : home + "/Documents";
}

bool ForceFolders(const std::string& Folder) {
  if (Folder.empty()) return false;
  std::error_code ec;
  std::filesystem::create_directories(Folder, ec);
  if (ec) return false;
  return std::filesystem::is_directory(Folder, ec) && !ec;
}

}  // namespace tv
