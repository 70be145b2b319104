#include "data/paths.h"

#include <cstdlib>
#include <filesystem>

#include "data/dataset.h"

namespace absence {
namespace fs = std::filesystem;

namespace {
std::string EnvOr(const char* name, const std::string& fallback) {
  const char* v = std::getenv(name);
  return (v && *v) ? std::string(v) : fallback;
}

std::string Home() {
  return EnvOr("HOME", ".");
}
}  // namespace

std::string WithTrailingSeparator(std::string folder) {
  if (folder.empty()) return "./";
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  if (folder.back() != '/') folder += '/';
  return folder;
}

std::string ProgramFolder() {
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return WithTrailingSeparator(fs::current_path(ec).string());
  return WithTrailingSeparator(exe.parent_path().string());
}

std::string DefaultDataFolder(const std::string& programFolder) {
  std::error_code ec;
  if (!programFolder.empty() && fs::exists(DataPath(programFolder, kEmpFile), ec))
    return WithTrailingSeparator(programFolder);
  const std::string base = EnvOr("XDG_DATA_HOME", Home() + "/.local/share");
  const std::string folder = WithTrailingSeparator(base + "/Absence");
  fs::create_directories(folder, ec);
  return folder;
}

std::string DefaultIniPath() {
  const std::string base = EnvOr("XDG_CONFIG_HOME", Home() + "/.config");
  return base + "/Absence/ABSENCE.INI";
}

}  // namespace absence
