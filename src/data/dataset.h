#pragma once
// The data set: the four lists, loaded whole from the data folder and saved back crash-safely.
#include <array>
#include <string>
#include <vector>

#include "data/fileio.h"
#include "data/records.h"

namespace absence {

inline constexpr const char* kReasonFile = "reason.dat";
inline constexpr const char* kEmpFile = "emp.dat";
inline constexpr const char* kGlobalsFile = "globals.dat";
inline constexpr const char* kDeptFile = "dept.dat";
// Every file a save of this program leaves behind while it runs starts with this prefix, which
// no person would choose, then the saving process's tag (ProcessTag); recovery never touches a
// file without it.
inline constexpr const char* kSaveFilePrefix = "~absence-save~";
// Written after all temporary files are on disk and removed after the last rename. It lists
// each temporary file and each kept old data file with its size and checksum; recovery acts only
// on files that match it.
inline constexpr const char* kCommitMarker = "~absence-save~commit";

struct TDataSet {
  TReasonList ReasonList;
  TEmpList EmpList;
  TEntryList GlobalList;
  TDeptList DeptList;

  void Free();
  bool Empty() const {
    return ReasonList.empty() && EmpList.empty() && GlobalList.empty() && DeptList.empty();
  }
};

// Folder path with a trailing separator joined with a file name.
std::string DataPath(const std::string& folder, const std::string& fileName);

// The name this process's save gives its file `what` ("emp.dat.tmp", "emp.dat.old",
// "commit.new"): the prefix, the process's tag, then `what`.
std::string SaveTempName(const std::string& what);

// LoadDataSet, SaveDataSet and RecoverInterruptedSave write into the folder: only the holder of
// the folder's lock (TFolderLock) calls them. Everybody else reads with LoadDataSetReadOnly.

// Finishes or discards an interrupted save, then reads reasons, employees, global entries and
// departments. A missing file is created empty. On failure the data set is left as it was and
// EDataFileError is thrown.
void LoadDataSet(TDataSet& data, const std::string& folder, TWarnings* warnings = nullptr,
                 const TFileOps& ops = TFileOps::Real());

// Reads the four files without writing anything to the folder: a missing file is read as empty
// and reported. An interrupted save is recovered in memory only, when its commit marker says
// which files belong together, and reported. A save by another program while the files are read
// makes it read them again, so the lists never mix two data sets.
void LoadDataSetReadOnly(TDataSet& data, const std::string& folder, TWarnings* warnings = nullptr);

// Empty when a file can be created in the data folder; otherwise the system's message (a
// read-only folder or file system), so the program can say at once that changes cannot be
// saved. Tries with a file of the save's own prefix, removed at once.
std::string DataFolderWriteError(const std::string& folder);

// Writes the four temporary files, then replaces the data files as one step; with `reload`
// reads them back (the trash is emptied, copies rebuilt). On failure throws EDataFileError and
// leaves both the data set and the data files as they were. With `generations` > 0 a save that
// changes the files first keeps what they held as a generation and keeps at most that many
// (see generations.h); a generation that cannot be kept fails the save.
//
// `journal`: change-history lines the save appends to the journal once the data files are in
// place. They are kept beside the marker until then, so a save that is finished after a crash
// appends them too and one that is undone does not. A journal that cannot be written does not
// fail the save: what went wrong is added to its Problems.
struct TSaveJournal {
  std::string Lines;
  TWarnings Problems;
};
void SaveDataSet(TDataSet& data, const std::string& folder, bool reload = true,
                 const TFileOps& ops = TFileOps::Real(), int generations = 0,
                 TSaveJournal* journal = nullptr);

// What a data file was when it was loaded: whether it existed, its size, where and when it was
// last written, and a checksum of its contents.
struct TFileStamp {
  bool Exists = false;
  uint64_t Size = 0;
  std::array<int64_t, 4> Identity{};  // device, inode, modification time (s, ns)
  uint64_t Sum = 0;
};
using TDataStamp = std::array<TFileStamp, 4>;

// A checksum of what a save would write for `data`: a data set that gives the same sum as
// before was not changed.
uint64_t ContentSum(const TDataSet& data);

// Stamps reason.dat, emp.dat, globals.dat and dept.dat as they are now.
TDataStamp StampDataFiles(const std::string& folder);
// The names of the data files that are no longer what `stamp` recorded (another program saved
// or restored into the folder); empty when all are. A file only touched, with the same
// contents, counts as unchanged.
std::vector<std::string> ChangedDataFiles(const std::string& folder, const TDataStamp& stamp);

// Finishes a save that was interrupted after its commit marker was written (or finishes putting
// the old files back when the save was failing), acting only on files the marker lists whose
// size and checksum match it; without a marker it only removes the save's own temporary files.
// A marker that does not fit the files leaves everything as it is and adds a warning that says
// what to do. A finished save's journal lines are appended; when that fails, the reason goes to
// `journalWarnings` (to `warnings` when null) and the lines are dropped. Called by LoadDataSet
// and SaveDataSet.
void RecoverInterruptedSave(const std::string& folder, const TFileOps& ops = TFileOps::Real(),
                            TWarnings* warnings = nullptr, TWarnings* journalWarnings = nullptr);

}  // namespace absence
