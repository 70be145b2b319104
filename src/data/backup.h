#pragma once
// Backup of the whole data set into one file of tagged 101-byte records, and restore from it.
#include <string>

#include "data/dataset.h"
#include "data/fileio.h"

namespace absence {

inline constexpr std::size_t kBackupRecSize = 101;

// The backup file cannot be opened; what() is the message shown to the user.
class ERestoreOpenError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The backup file's contents, handed to `sink` in pieces as they are made.
void WriteBackup(const TDataSet& data, const TByteSink& sink);
TBytes SerializeBackup(const TDataSet& data);
// Writes the backup of the in-memory data set (trash excluded) into a temporary file beside
// `path` and renames it over `path`, so a failed backup leaves an existing backup file whole.
// Throws EDataFileError.
void BackupData(const TDataSet& data, const std::string& path,
                const TFileOps& ops = TFileOps::Real());
// Replaces the data set with the file's contents. On any failure the data set is unchanged:
// ERestoreOpenError when the file cannot be opened, EDataFileError on a read error.
void RestoreData(TDataSet& data, const std::string& path, TWarnings* warnings = nullptr);
// Parses backup bytes into `data` (emptied first).
void ParseBackup(TDataSet& data, std::span<const uint8_t> bytes, TWarnings& warnings);

}  // namespace absence
