#pragma once
// The change journal: every saved change on record, one JSON object a line in `history.jsonl`
// beside the data files. Lines are only ever appended, each whole; a crash can at worst leave
// an unfinished last line, which readers skip and report. Reading never fails the data set: a
// missing, unreadable or damaged journal is described, not thrown.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/fileio.h"
#include "dates/date_type.h"

namespace absence {

inline constexpr const char* kJournalFile = "history.jsonl";

// The kinds of record the journal holds: one for each kind of change, and the whole-data-set
// events.
namespace journal_kind {
inline constexpr const char* kAddEntries = "add-entries";
inline constexpr const char* kEditEntries = "edit-entries";
inline constexpr const char* kTrashEntry = "trash-entry";
inline constexpr const char* kRestoreEntries = "restore-entries";
inline constexpr const char* kAddEmployee = "add-employee";
inline constexpr const char* kEditEmployee = "edit-employee";
inline constexpr const char* kSetBalances = "set-balances";
inline constexpr const char* kRestoreBalances = "restore-balances";
inline constexpr const char* kTrashRecords = "trash-records";
inline constexpr const char* kRestoreRecords = "restore-records";
inline constexpr const char* kAddReason = "add-reason";
inline constexpr const char* kEditReason = "edit-reason";
inline constexpr const char* kSetRules = "set-rules";
inline constexpr const char* kAddDept = "add-department";
inline constexpr const char* kEditDept = "edit-department";
inline constexpr const char* kImport = "import";
inline constexpr const char* kRestore = "restore";
inline constexpr const char* kAbandon = "abandon";
inline constexpr const char* kSave = "save";  // a save with no change of its own (absence-cli save)
}  // namespace journal_kind

enum class TJournalRefType { Employee, Reason, Dept, GlobalList };

// A record a change touched, named as it was when the change was made.
struct TJournalRef {
  TJournalRefType Type = TJournalRefType::Employee;
  int32_t ID = 0;
  std::string Name;
  int32_t DeptID = 0;  // an employee's department, so department filters find its changes
  bool operator==(const TJournalRef&) const = default;
};

// One value a change set: what it is, and its text before and after (nothing: the value did
// not exist, as for an added entry or a trashed one).
struct TJournalValue {
  std::string What;
  std::optional<std::string> Before;
  std::optional<std::string> After;
  bool operator==(const TJournalValue&) const = default;
};

struct TJournalRecord {
  int64_t Time = 0;  // milliseconds since 1970, UTC
  std::string User;
  std::string Host;
  std::string Kind;  // one of journal_kind
  std::string Text;  // what the change did, in words
  std::vector<TJournalRef> Records;
  std::vector<TJournalValue> Values;
  bool operator==(const TJournalRecord&) const = default;

  // Whether the change touched employee `empID` (a global entry reaches every employee).
  bool TouchesEmp(int32_t empID) const;
  bool Touches(TJournalRefType type, int32_t id) const;
};

// The record as one journal line, newline included. Text that is not valid UTF-8 is written
// with replacement characters rather than refused.
std::string JournalLine(const TJournalRecord& record);
// The record a line holds (without its newline); nothing when the line is not one.
std::optional<TJournalRecord> ParseJournalLine(std::string_view line);

// "2026-12-09T03:40:45.123Z", and back (nothing when the text is not such a time).
std::string JournalTimeText(int64_t ms);
std::optional<int64_t> ParseJournalTime(std::string_view text);
// Now, in milliseconds since 1970.
int64_t JournalNow();

// A journal as read, with what was wrong with it.
struct TJournal {
  std::vector<TJournalRecord> Records;    // in file order, oldest first
  bool Missing = false;                   // there is no journal yet
  std::string ReadError;                  // the file is there but could not be read
  bool TornLastLine = false;              // the last line was never finished (a crash)
  std::vector<std::size_t> DamagedLines;  // 1-based numbers of lines that are no record

  // The problems in sentences for the user, naming the file `path`; empty when there are none.
  // A missing journal is no problem until `missingIsProblem`.
  std::vector<std::string> Problems(const std::string& path, bool missingIsProblem = false) const;
};

// Reads the journal file at `path`; never throws for what the file holds or cannot give.
TJournal ReadJournal(const std::string& path);
// Reads journal text.
TJournal ParseJournal(std::string_view text);

struct TJournalFilter {
  std::optional<int32_t> EmpID;
  std::optional<int32_t> ReasonID;
  std::optional<int32_t> DeptID;
  std::string Kind;  // empty: every kind
  // Days (in the local time zone) the change was saved on; 0 leaves that end open.
  TDate From = 0;
  TDate To = 0;

  bool Matches(const TJournalRecord& r) const;
};

enum class TJournalOrder { NewestFirst, FileOrder };

// Positions in `journal.Records` of the records the filter lets through, in `order`.
std::vector<std::size_t> SelectJournal(const TJournal& journal, const TJournalFilter& filter,
                                       TJournalOrder order);

// The local day a journal time falls on.
TDate JournalDay(int64_t ms);

// The journal file of a data folder.
std::string JournalPath(const std::string& folder);

// Appends `lines` (whole journal lines) to the journal file at `path`, created when missing,
// flushed to disk before it returns. When the journal already ends with the first part of
// `lines` (an append a crash cut short), only the rest is appended, so no line is doubled and a
// torn line is finished. Any other unfinished last line is closed first, so it stays a damaged
// line of its own and never spoils the new ones. Throws EDataFileError.
void AppendJournal(const std::string& path, std::string_view lines,
                   const TFileOps& ops = TFileOps::Real());

// Backups keep the journal in a file of its own beside the backup file: the backup's records
// stay exactly as every reader of backups expects them (one with a record of an unknown kind, or
// a size that is not whole records, is refused as no backup).
std::string JournalBesideBackup(const std::string& backupPath);
// Copies the data folder's journal beside the backup `backupPath`, replacing an older copy there
// whole; without a journal, such an older copy is removed, so it never passes for this backup's.
// Throws EDataFileError.
void BackupJournal(const std::string& folder, const std::string& backupPath,
                   const TFileOps& ops = TFileOps::Real());
// Brings back the journal kept beside the backup `backupPath`: its records that the folder's
// journal lacks are merged in by time (a journal lost with its folder comes back whole; one that
// went on after the backup keeps everything since). Returns false when the backup has no
// journal beside it. Throws EDataFileError; the folder's journal is then unchanged.
bool RestoreJournal(const std::string& backupPath, const std::string& folder,
                    const TFileOps& ops = TFileOps::Real());

}  // namespace absence
