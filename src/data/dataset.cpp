// The data set's load and crash-safe save.
//
// A save writes four temporary files, keeps a second name of each data file, writes a commit
// marker that records every one of them (name, size, checksum), renames the temporary files
// over the data files, drops the second names and finally the marker. All these files carry
// kSaveFilePrefix. Whatever point a crash or failure interrupts, the next load finds either the
// whole old or the whole new data set:
//   no marker:   the data files were never touched; the save's own leftovers are removed.
//   marker:      every data file is, or has a temporary file that is, what the save wrote: finish
//                the renames. Otherwise every data file is, or has a kept copy that is, what was
//                there before: put those back. Otherwise nothing is touched.
#include "data/dataset.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <optional>
#include <sstream>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "data/datafiles.h"
#include "data/generations.h"

namespace absence {
namespace {

struct TFileNames {
  const char* data;
  const char* temp;
  const char* old;
};

// In the order of the replacement.
constexpr std::array<TFileNames, 4> kFiles = {{
    {kReasonFile, "~absence-save~reason.dat.tmp", "~absence-save~reason.dat.old"},
    {kEmpFile, "~absence-save~emp.dat.tmp", "~absence-save~emp.dat.old"},
    {kGlobalsFile, "~absence-save~globals.dat.tmp", "~absence-save~globals.dat.old"},
    {kDeptFile, "~absence-save~dept.dat.tmp", "~absence-save~dept.dat.old"},
}};
// The marker is written here first and renamed into place, so it is never seen half written.
constexpr const char* kMarkerTemp = "~absence-save~commit.new";
constexpr const char* kMarkerHeader = "absence save 1";

// Size and checksum (64-bit FNV-1a) of a file's contents.
struct TFingerprint {
  uint64_t Size = 0;
  uint64_t Sum = 0;
  bool operator==(const TFingerprint&) const = default;
};

TFingerprint FingerprintOf(std::span<const uint8_t> bytes) {
  uint64_t h = 14695981039346656037ull;
  for (const uint8_t b : bytes) {
    h ^= b;
    h *= 1099511628211ull;
  }
  return {bytes.size(), h};
}

// The fingerprint of a file, or nothing when it does not exist or cannot be read.
std::optional<TFingerprint> FingerprintOfFile(const std::string& path) {
  if (!FileExists(path)) return std::nullopt;
  try {
    return FingerprintOf(ReadWholeFile(path));
  } catch (const EDataFileError&) {
    return std::nullopt;
  }
}

// What the marker records for one data file: the new contents, and the old contents when the
// data file existed before the save.
struct TMarkedFile {
  TFingerprint New;
  std::optional<TFingerprint> Old;
};
using TMarker = std::array<TMarkedFile, kFiles.size()>;

std::string MarkerText(const TMarker& m) {
  std::ostringstream out;
  out << kMarkerHeader << '\n';
  for (std::size_t i = 0; i < kFiles.size(); ++i) {
    out << kFiles[i].data << ' ' << m[i].New.Size << ' ' << m[i].New.Sum;
    if (m[i].Old)
      out << ' ' << m[i].Old->Size << ' ' << m[i].Old->Sum;
    else
      out << " none";
    out << '\n';
  }
  return out.str();
}

// The marker's contents, or nothing when it is not one this program wrote for these files.
std::optional<TMarker> ParseMarker(const TBytes& bytes) {
  std::istringstream in(std::string(bytes.begin(), bytes.end()));
  std::string line;
  if (!std::getline(in, line) || line != kMarkerHeader) return std::nullopt;
  TMarker m;
  for (std::size_t i = 0; i < kFiles.size(); ++i) {
    if (!std::getline(in, line)) return std::nullopt;
    std::istringstream fields(line);
    std::string name, oldSize;
    if (!(fields >> name >> m[i].New.Size >> m[i].New.Sum >> oldSize) || name != kFiles[i].data)
      return std::nullopt;
    if (oldSize != "none") {
      TFingerprint old;
      try {
        old.Size = std::stoull(oldSize);
      } catch (const std::exception&) {
        return std::nullopt;
      }
      if (!(fields >> old.Sum)) return std::nullopt;
      m[i].Old = old;
    }
    std::string extra;
    if (fields >> extra) return std::nullopt;
  }
  if (std::getline(in, line) && !line.empty()) return std::nullopt;
  return m;
}

void RemoveQuietly(const TFileOps& ops, const std::string& path) noexcept {
  try {
    ops.Remove(path);
  } catch (const EDataFileError&) {
    // Clean-up only; a leftover temporary file is removed at the next load.
  }
}

// Removes the save's own temporary files and kept copies (never a data file).
void RemoveLeftovers(const std::string& folder, const TFileOps& ops) {
  for (const auto& f : kFiles) {
    ops.Remove(DataPath(folder, f.temp));
    ops.Remove(DataPath(folder, f.old));
  }
  ops.Remove(DataPath(folder, kMarkerTemp));
}

bool Matches(const std::string& path, const TFingerprint& expected) {
  const auto actual = FingerprintOfFile(path);
  return actual && *actual == expected;
}

// Data file `i` as the marker knows it: with the new contents, with the old ones (absent when
// it did not exist before the save), or neither (changed by someone else since).
enum class TState { New, Old, Other };

TState StateOf(const std::string& folder, const TMarkedFile& m, std::size_t i) {
  const std::string data = DataPath(folder, kFiles[i].data);
  if (Matches(data, m.New)) return TState::New;
  if (m.Old ? Matches(data, *m.Old) : !FileExists(data)) return TState::Old;
  return TState::Other;
}

// Whether data file `i` holds the new contents or, still holding the old ones, can be given
// them from the save's temporary file.
bool CanFinish(const std::string& folder, const TMarkedFile& m, std::size_t i) {
  const TState state = StateOf(folder, m, i);
  return state == TState::New ||
         (state == TState::Old && Matches(DataPath(folder, kFiles[i].temp), m.New));
}

// Whether data file `i` holds the old contents or, holding the new ones, can be given back the
// old ones from its kept copy.
bool CanPutBack(const std::string& folder, const TMarkedFile& m, std::size_t i) {
  const TState state = StateOf(folder, m, i);
  if (state != TState::New) return state == TState::Old;
  return !m.Old || Matches(DataPath(folder, kFiles[i].old), *m.Old);
}

void Finish(const std::string& folder, const TMarker& m, const TFileOps& ops) {
  for (std::size_t i = 0; i < kFiles.size(); ++i) {
    const std::string data = DataPath(folder, kFiles[i].data);
    if (!Matches(data, m[i].New)) ops.Rename(DataPath(folder, kFiles[i].temp), data);
  }
  ops.SyncFolder(folder);
}

void PutBack(const std::string& folder, const TMarker& m, const TFileOps& ops) {
  for (std::size_t i = 0; i < kFiles.size(); ++i) {
    const std::string data = DataPath(folder, kFiles[i].data);
    if (!m[i].Old) {
      ops.Remove(data);  // it did not exist before the save
    } else if (!Matches(data, *m[i].Old)) {
      ops.Rename(DataPath(folder, kFiles[i].old), data);
    }
  }
  ops.SyncFolder(folder);
}

// Removes the marker after its files are dealt with, then the leftovers.
void Close(const std::string& folder, const TFileOps& ops) {
  RemoveLeftovers(folder, ops);
  ops.SyncFolder(folder);
  ops.Remove(DataPath(folder, kCommitMarker));
  ops.SyncFolder(folder);
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

std::string DataFolderWriteError(const std::string& folder) {
  const std::string probe = DataPath(folder, std::string(kSaveFilePrefix) + "write-test");
  const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0) return SystemErrorText(folder, errno);
  ::close(fd);
  ::unlink(probe.c_str());
  return "";
}

std::string DataPath(const std::string& folder, const std::string& fileName) {
  if (folder.empty()) return fileName;
  return folder.back() == '/' ? folder + fileName : folder + "/" + fileName;
}

void RecoverInterruptedSave(const std::string& folder, const TFileOps& ops, TWarnings* warnings) {
  const std::string markerPath = DataPath(folder, kCommitMarker);
  if (!FileExists(markerPath)) {
    RemoveLeftovers(folder, ops);
    return;
  }
  std::optional<TMarker> marker;
  try {
    marker = ParseMarker(ReadWholeFile(markerPath));
  } catch (const EDataFileError&) {
  }
  const auto all = [&](auto test) {
    for (std::size_t i = 0; i < kFiles.size(); ++i)
      if (!test(folder, (*marker)[i], i)) return false;
    return true;
  };
  if (marker && all(CanFinish)) {
    Finish(folder, *marker, ops);
  } else if (marker && all(CanPutBack)) {
    PutBack(folder, *marker, ops);
  } else {
    if (warnings)
      warnings->push_back(markerPath +
                          ": an interrupted save left files that do not match its record; "
                          "the data files were left as they are");
    return;
  }
  Close(folder, ops);
}

static void ReadDataFiles(TDataSet& data, const std::string& folder, TWarnings& w,
                          TMissingFile missing) {
  TDataSet fresh;
  ReadReasons(fresh.ReasonList, DataPath(folder, kReasonFile), &w, missing);
  ReadEmps(fresh.EmpList, fresh.ReasonList, DataPath(folder, kEmpFile), &w, missing);
  ReadGlobals(fresh.GlobalList, fresh.EmpList, fresh.ReasonList, DataPath(folder, kGlobalsFile), &w,
              missing);
  ReadDepts(fresh.DeptList, DataPath(folder, kDeptFile), &w, missing);
  std::swap(data, fresh);
  fresh.Free();
  ReleaseFreedMemory();
}

void LoadDataSet(TDataSet& data, const std::string& folder, TWarnings* warnings,
                 const TFileOps& ops) {
  TWarnings local;
  TWarnings& w = warnings ? *warnings : local;
  RecoverInterruptedSave(folder, ops, &w);
  ReadDataFiles(data, folder, w, TMissingFile::Create);
}

void LoadDataSetReadOnly(TDataSet& data, const std::string& folder, TWarnings* warnings) {
  TWarnings local;
  TWarnings& w = warnings ? *warnings : local;
  bool interrupted = FileExists(DataPath(folder, kCommitMarker));
  for (const auto& f : kFiles)
    interrupted =
        interrupted || FileExists(DataPath(folder, f.temp)) || FileExists(DataPath(folder, f.old));
  if (interrupted)
    w.push_back(
        "files of an interrupted save are in the folder; the data files were read as "
        "they are, and the next start of the program finishes or discards that save");
  ReadDataFiles(data, folder, w, TMissingFile::Report);
}

// Writes the temporary files and replaces the data files with them as one step. The serialised
// contents live only here, so they are freed before a reload.
// With `generations` > 0 the data set the files held is first kept as a generation, when the
// save changes them; the older generations are pruned only once the new files are in place.
static void ReplaceDataFiles(const TDataSet& data, const std::string& folder, const TFileOps& ops,
                             int generations) {
  // The lists are only read here; nothing in memory changes unless the whole save succeeds.
  const std::array<TBytes, 4> contents = {
      SerializeReasons(data.ReasonList), SerializeEmps(data.EmpList, data.GlobalList),
      SerializeGlobals(data.GlobalList), SerializeDepts(data.DeptList)};

  TWarnings recovery;
  RecoverInterruptedSave(folder, ops, &recovery);
  if (!recovery.empty()) throw EDataFileError(recovery.front());
  TMarker marker;
  bool changes = false;
  for (std::size_t i = 0; i < kFiles.size(); ++i) {
    marker[i].New = FingerprintOf(contents[i]);
    marker[i].Old = FingerprintOfFile(DataPath(folder, kFiles[i].data));
    changes = changes || marker[i].Old != marker[i].New;
  }
  // Kept before anything of the save is written; removed again should the save fail, so it
  // never pushes out an older generation for a state the files still hold.
  const std::string generation =
      generations > 0 && changes ? KeepGeneration(folder, std::time(nullptr), ops) : "";
  const auto dropGeneration = [&] {
    if (!generation.empty()) RemoveQuietly(ops, generation);
  };
  try {
    for (std::size_t i = 0; i < kFiles.size(); ++i)
      ops.WriteFileSynced(DataPath(folder, kFiles[i].temp), contents[i]);
    for (const auto& f : kFiles) ops.KeepCopy(DataPath(folder, f.data), DataPath(folder, f.old));
    ops.SyncFolder(folder);
    const std::string text = MarkerText(marker);
    ops.WriteFileSynced(
        DataPath(folder, kMarkerTemp),
        std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
  } catch (const EDataFileError&) {
    for (const auto& f : kFiles) {
      RemoveQuietly(ops, DataPath(folder, f.temp));
      RemoveQuietly(ops, DataPath(folder, f.old));
    }
    RemoveQuietly(ops, DataPath(folder, kMarkerTemp));
    dropGeneration();
    throw;
  }

  const std::string markerPath = DataPath(folder, kCommitMarker);
  try {
    ops.Rename(DataPath(folder, kMarkerTemp), markerPath);
    ops.SyncFolder(folder);
    for (const auto& f : kFiles) ops.Rename(DataPath(folder, f.temp), DataPath(folder, f.data));
    ops.SyncFolder(folder);
  } catch (const EDataFileError& failure) {
    try {
      if (FileExists(markerPath)) PutBack(folder, marker, ops);
      Close(folder, ops);
      dropGeneration();
    } catch (const EDataFileError& rollback) {
      throw EDataFileError(
          std::string(failure.what()) +
          " (the old data files will be put back at the next start: " + rollback.what() + ")");
    }
    throw;
  }
  // The new data set is in place. If this clean-up fails, the marker stays and the next load or
  // save finishes it, so the save still counts as done.
  try {
    Close(folder, ops);
  } catch (const EDataFileError&) {
  }
  if (!generation.empty()) PruneGenerations(folder, generations, ops);
}

void SaveDataSet(TDataSet& data, const std::string& folder, bool reload, const TFileOps& ops,
                 int generations) {
  ReplaceDataFiles(data, folder, ops, generations);
  if (!reload) return;
  // The files are safely in place; reading them back empties the trash and rebuilds the
  // copies of global entries. Should that fail, the lists in memory stay as they were.
  LoadDataSet(data, folder, nullptr, ops);
}

}  // namespace absence
