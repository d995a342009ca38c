#include "platform/Folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <utility>
#include <vector>

namespace tv {

namespace {

// The look-up HomeFolder asks when $HOME gives no answer; empty for the
// password database itself.
std::function<std::string()>& PasswordHomeLookup() {
  static std::function<std::string()> lookup;
  return lookup;
}

// The value of an environment variable when it is an absolute path, else "".
std::string AbsoluteEnv(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || value[0] != '/') return {};
  return value;
}

// Home as given when it is an absolute path other than the root, else "":
// service accounts often have "/" as their home and get no folders rather
// than folders in the root. Whether the folder exists is not asked.
std::string UsableHome(const std::string& home) {
  if (home.empty() || home[0] != '/' || home.find_first_not_of('/') == std::string::npos) return {};
  return home;
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
  constexpr const char* OwnLink = "/proc/self/exe";
  std::error_code ec;
  const std::filesystem::path p = std::filesystem::read_symlink(OwnLink, ec);
  return ec || p.empty() ? std::string(OwnLink) : p.string();
}

std::string PasswordHomeFolder() {
  const long size = sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 1024);
  for (;;) {
    passwd entry{};
    passwd* found = nullptr;
    const int rc = getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found);
    if (rc == ERANGE && buffer.size() < (std::size_t{1} << 20)) {
      buffer.resize(buffer.size() * 2);
      continue;
    }
    if (rc != 0 || found == nullptr || entry.pw_dir == nullptr) return {};
    return entry.pw_dir;
  }
}

void SetPasswordHomeLookup(std::function<std::string()> Lookup) { PasswordHomeLookup() = std::move(Lookup); }

std::string HomeFolder() {
  const std::string home = UsableHome(AbsoluteEnv("HOME"));
  if (!home.empty()) return home;
  const std::function<std::string()>& lookup = PasswordHomeLookup();
  return UsableHome(lookup ? lookup() : PasswordHomeFolder());
}

std::string AppDataFolder() {
  std::string folder = AbsoluteEnv("XDG_CONFIG_HOME");
  if (!folder.empty()) return folder;
  const std::string home = HomeFolder();
  return home.empty() ? std::string() : home + "/.config";
}

std::string DocumentsFolder() {
  std::string folder = AbsoluteEnv("XDG_DOCUMENTS_DIR");
  if (!folder.empty()) return folder;
  const std::string home = HomeFolder();
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
