#pragma once
// Where the data files and the settings file live on this platform.
#include <string>

namespace absence {

// The data folder: the program's own folder when the data files are already there (a portable
// copy), otherwise the per-user data folder ($XDG_DATA_HOME/Absence, else
// ~/.local/share/Absence), created when missing. Always ends with a separator.
std::string DefaultDataFolder(const std::string& programFolder);

// $XDG_CONFIG_HOME/Absence/ABSENCE.INI, else ~/.config/Absence/ABSENCE.INI.
std::string DefaultIniPath();

// Folder of the running program, with a trailing separator.
std::string ProgramFolder();

// `folder` with exactly one trailing separator.
std::string WithTrailingSeparator(std::string folder);

}  // namespace absence
