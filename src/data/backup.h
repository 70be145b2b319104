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

// The file is not a backup of an Absence data set; what() says why, in the user's terms.
class ENotABackupError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What a data set holds, to set a backup against the data it would replace. Trash is not
// counted; Entries counts own entries and global entries.
struct TDataSetSummary {
  std::size_t Departments = 0;
  std::size_t Employees = 0;
  std::size_t Reasons = 0;
  std::size_t Entries = 0;
  double NewestEntry = 0;  // the date of the newest entry; 0 when there is none
};
TDataSetSummary SummarizeDataSet(const TDataSet& data);

// The backup file's contents, handed to `sink` in pieces as they are made.
void WriteBackup(const TDataSet& data, const TByteSink& sink);
TBytes SerializeBackup(const TDataSet& data);
// Writes the backup of the in-memory data set (trash excluded) into a temporary file beside
// `path` and renames it over `path`, so a failed backup leaves an existing backup file whole.
// Throws EDataFileError.
void BackupData(const TDataSet& data, const std::string& path,
                const TFileOps& ops = TFileOps::Real());
// Replaces the data set with the file's contents. On any failure the data set is unchanged:
// ERestoreOpenError when the file cannot be opened, ENotABackupError when it is not a backup
// (not whole records, no records, a record no backup holds, or records whose owners are
// missing), EDataFileError on a read error.
void RestoreData(TDataSet& data, const std::string& path, TWarnings* warnings = nullptr);
// Parses backup bytes into `data` (emptied first), skipping what it cannot use; it refuses
// nothing (RestoreData is the door for files a person chose).
void ParseBackup(TDataSet& data, std::span<const uint8_t> bytes, TWarnings& warnings);

}  // namespace absence
