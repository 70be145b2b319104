#pragma once
// Automatic generations: each save that changes the data files first keeps the data set they
// hold as a backup file in the Backups folder beside them, so any earlier state can be restored
// from File > Restore from Backup or `absence-cli restore`. Only the newest few are kept.
#include <ctime>
#include <string>
#include <vector>

#include "data/fileio.h"

namespace absence {

inline constexpr const char* kBackupsFolder = "Backups";

struct TGeneration {
  std::string Path;
  std::string Time;  // when it was kept, "YYYY-MM-DD HH:MM:SS" (local time)
};

// The folder of the generations of the data set in `dataFolder`.
std::string GenerationsFolder(const std::string& dataFolder);

// The generations kept in the data folder, newest first. Other files in the folder are not
// generations and are never listed or removed.
std::vector<TGeneration> ListGenerations(const std::string& dataFolder);

// Keeps the data set now in the data files as a new generation, made from their records byte for
// byte, and returns its path. It is written beside its final name, flushed and renamed, so a
// generation is never seen half written. Data files that hold nothing give no generation (the
// path is empty). Throws EDataFileError; a failure leaves no file behind.
std::string KeepGeneration(const std::string& dataFolder, std::time_t now,
                           const TFileOps& ops = TFileOps::Real());

// Removes the oldest generations beyond the newest `keep`. A file that cannot be removed stays
// (it is removed at a later save); the data files are never touched.
void PruneGenerations(const std::string& dataFolder, int keep,
                      const TFileOps& ops = TFileOps::Real());

// The data files as they are, kept under a second name in a new dated subfolder of the data
// folder ("Originals-YYYYMMDD-HHMMSS"), before a data set that was repaired while it was read is
// written back over them. Returns the subfolder's path. Throws EDataFileError.
std::string KeepDataFilesAside(const std::string& dataFolder, std::time_t now,
                               const TFileOps& ops = TFileOps::Real());

}  // namespace absence
