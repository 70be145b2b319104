// The data set's load and crash-safe save.
//
// A save writes four temporary files, keeps a second name (".old") of each data file, writes a
// commit marker, renames the temporary files over the data files, drops the ".old" names and
// finally the marker. Whatever point a crash or failure interrupts, the next load finds either
// the whole old or the whole new data set:
//   marker present: the new files are complete; finish the renames.
//   marker absent:  put back any ".old" file and discard the temporary files.
#include "data/dataset.h"

#include <array>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "data/datafiles.h"

namespace absence {
namespace {

struct TFileNames {
  const char* data;
  const char* temp;
  const char* old;
};

// In the order of the replacement.
constexpr std::array<TFileNames, 4> kFiles = {{
    {kReasonFile, "reason.tmp", "reason.old"},
    {kEmpFile, "emp.tmp", "emp.old"},
    {kGlobalsFile, "globals.tmp", "globals.old"},
    {kDeptFile, "dept.tmp", "dept.old"},
}};

void RemoveQuietly(const TFileOps& ops, const std::string& path) noexcept {
  try {
    ops.Remove(path);
  } catch (const EDataFileError&) {
    // Clean-up only; a leftover temporary file is discarded at the next load.
  }
}

// Puts the old data files back after a failed replacement. The marker goes first, so a crash in
// here is finished by the next load's "marker absent" branch.
void RollBack(const std::string& folder, const TFileOps& ops) {
  ops.Remove(DataPath(folder, kCommitMarker));
  ops.SyncFolder(folder);
  for (const auto& f : kFiles) {
    const std::string old = DataPath(folder, f.old);
    if (FileExists(old)) {
      ops.Rename(old, DataPath(folder, f.data));
      RemoveQuietly(ops, old);  // a rename between two names of one file leaves both
    }
  }
  ops.SyncFolder(folder);
  for (const auto& f : kFiles) RemoveQuietly(ops, DataPath(folder, f.temp));
}

// Hands the memory of a replaced data set back to the system: it is one large block of
// millions of small records that would otherwise stay reserved for the life of the process.
void ReleaseFreedMemory() {
#if defined(__GLIBC__)
  malloc_trim(0);
#endif
}

}  // namespace

void TDataSet::Free() {
  ReasonList.clear();
  EmpList.clear();
  GlobalList.clear();
  DeptList.clear();
}

std::string DataPath(const std::string& folder, const std::string& fileName) {
  if (folder.empty()) return fileName;
  return folder.back() == '/' ? folder + fileName : folder + "/" + fileName;
}

void RecoverInterruptedSave(const std::string& folder, const TFileOps& ops) {
  const std::string marker = DataPath(folder, kCommitMarker);
  if (FileExists(marker)) {
    for (const auto& f : kFiles) {
      const std::string temp = DataPath(folder, f.temp);
      if (FileExists(temp)) ops.Rename(temp, DataPath(folder, f.data));
    }
    ops.SyncFolder(folder);
    for (const auto& f : kFiles) ops.Remove(DataPath(folder, f.old));
    ops.Remove(marker);
    ops.SyncFolder(folder);
    return;
  }
  bool restored = false;
  for (const auto& f : kFiles) {
    const std::string old = DataPath(folder, f.old);
    if (FileExists(old)) {
      ops.Rename(old, DataPath(folder, f.data));
      ops.Remove(old);
      restored = true;
    }
    ops.Remove(DataPath(folder, f.temp));
  }
  if (restored) ops.SyncFolder(folder);
}

void LoadDataSet(TDataSet& data, const std::string& folder, TWarnings* warnings,
                 const TFileOps& ops) {
  RecoverInterruptedSave(folder, ops);
  TDataSet fresh;
  TWarnings local;
  TWarnings& w = warnings ? *warnings : local;
  ReadReasons(fresh.ReasonList, DataPath(folder, kReasonFile), &w);
  ReadEmps(fresh.EmpList, fresh.ReasonList, DataPath(folder, kEmpFile), &w);
  ReadGlobals(fresh.GlobalList, fresh.EmpList, fresh.ReasonList, DataPath(folder, kGlobalsFile),
              &w);
  ReadDepts(fresh.DeptList, DataPath(folder, kDeptFile), &w);
  std::swap(data, fresh);
  fresh.Free();
  ReleaseFreedMemory();
}

// Writes the temporary files and replaces the data files with them as one step. The serialised
// contents live only here, so they are freed before a reload.
static void ReplaceDataFiles(const TDataSet& data, const std::string& folder, const TFileOps& ops) {
  // The lists are only read here; nothing in memory changes unless the whole save succeeds.
  const std::array<TBytes, 4> contents = {
      SerializeReasons(data.ReasonList), SerializeEmps(data.EmpList, data.GlobalList),
      SerializeGlobals(data.GlobalList), SerializeDepts(data.DeptList)};

  RecoverInterruptedSave(folder, ops);
  try {
    for (std::size_t i = 0; i < kFiles.size(); ++i)
      ops.WriteFileSynced(DataPath(folder, kFiles[i].temp), contents[i]);
    for (const auto& f : kFiles) ops.KeepCopy(DataPath(folder, f.data), DataPath(folder, f.old));
    ops.SyncFolder(folder);
  } catch (const EDataFileError&) {
    for (const auto& f : kFiles) {
      RemoveQuietly(ops, DataPath(folder, f.temp));
      RemoveQuietly(ops, DataPath(folder, f.old));
    }
    throw;
  }

  const std::string marker = DataPath(folder, kCommitMarker);
  try {
    static const uint8_t kMarkerText[] = "complete\n";
    ops.WriteFileSynced(marker, std::span<const uint8_t>(kMarkerText, sizeof kMarkerText - 1));
    ops.SyncFolder(folder);
    for (const auto& f : kFiles) ops.Rename(DataPath(folder, f.temp), DataPath(folder, f.data));
    ops.SyncFolder(folder);
  } catch (const EDataFileError& failure) {
    try {
      RollBack(folder, ops);
    } catch (const EDataFileError& rollback) {
      throw EDataFileError(
          std::string(failure.what()) +
          " (the old data files will be put back at the next start: " + rollback.what() + ")");
    }
    throw;
  }
  // The new data set is in place. The ".old" names must be gone before the marker, or a later
  // load would put them back; if this clean-up fails, the marker stays and the next load or
  // save finishes it, so the save still counts as done.
  try {
    for (const auto& f : kFiles) ops.Remove(DataPath(folder, f.old));
    ops.Remove(marker);
    ops.SyncFolder(folder);
  } catch (const EDataFileError&) {
  }
}

void SaveDataSet(TDataSet& data, const std::string& folder, bool reload, const TFileOps& ops) {
  ReplaceDataFiles(data, folder, ops);
  if (!reload) return;
  // The files are safely in place; reading them back empties the trash and rebuilds the
  // copies of global entries. Should that fail, the lists in memory stay as they were.
  LoadDataSet(data, folder, nullptr, ops);
}

}  // namespace absence
