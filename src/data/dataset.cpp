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
// The save's change-history lines wait in a file of their own, written before the marker and
// appended to the journal only once the data files are in place, so the journal records a save
// exactly when its data files hold it.
#include "data/dataset.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <optional>
#include <sstream>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "data/datafiles.h"
#include "data/generations.h"
#include "data/journal.h"

namespace absence {
namespace {

// The data files, in the order of the replacement.
constexpr std::array<const char*, 4> kFiles = {kReasonFile, kEmpFile, kGlobalsFile, kDeptFile};
constexpr const char* kMarkerHeader = "absence save 2";
// A marker of the program's earlier versions, whose save files carried no process.
constexpr const char* kMarkerHeaderUntagged = "absence save 1";

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Where one save's files are: each data file as the file its links lead to (a link stays a
// link), the save's temporary file and kept copy beside it, named after the saving process.
struct TSaveLayout {
  std::string Tag;
  std::array<std::string, 4> Data, Temp, Old;
  std::string MarkerTemp;
  std::string JournalTemp;  // the journal lines of the save, appended once it is finished

  TSaveLayout(const std::string& folder, const std::string& tag) : Tag(tag) {
    for (std::size_t i = 0; i < kFiles.size(); ++i) {
      Data[i] = ReplaceTarget(DataPath(folder, kFiles[i]));
      const std::string beside = FolderOf(Data[i]);
      Temp[i] = beside + SaveFileName(tag, std::string(kFiles[i]) + ".tmp");
      Old[i] = beside + SaveFileName(tag, std::string(kFiles[i]) + ".old");
    }
    MarkerTemp = DataPath(folder, SaveFileName(tag, "commit.new"));
    JournalTemp = DataPath(folder, SaveFileName(tag, "history.pending"));
  }

  static std::string SaveFileName(const std::string& tag, const std::string& what) {
    return std::string(kSaveFilePrefix) + (tag.empty() ? "" : tag + "~") + what;
  }
};

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

// The fingerprint of a file, or nothing when it does not exist or cannot be read. Read in
// pieces: emp.dat can be large.
std::optional<TFingerprint> FingerprintOfFile(const std::string& path) {
  if (!FileExists(path)) return std::nullopt;
  uint64_t h = 14695981039346656037ull, size = 0;
  try {
    ReadFileInPieces(
        path, 1 << 16, [](uint64_t) {},
        [&](std::span<const uint8_t> piece) {
          for (const uint8_t b : piece) {
            h ^= b;
            h *= 1099511628211ull;
          }
          size += piece.size();
        });
  } catch (const EDataFileError&) {
    return std::nullopt;
  }
  return TFingerprint{size, h};
}

// What the marker records for one data file: the new contents, and the old contents when the
// data file existed before the save.
struct TMarkedFile {
  TFingerprint New;
  std::optional<TFingerprint> Old;
};
using TMarker = std::array<TMarkedFile, kFiles.size()>;

std::string MarkerText(const TMarker& m, const std::string& tag) {
  std::ostringstream out;
  out << kMarkerHeader << ' ' << tag << '\n';
  for (std::size_t i = 0; i < kFiles.size(); ++i) {
    out << kFiles[i] << ' ' << m[i].New.Size << ' ' << m[i].New.Sum;
    if (m[i].Old)
      out << ' ' << m[i].Old->Size << ' ' << m[i].Old->Sum;
    else
      out << " none";
    out << '\n';
  }
  return out.str();
}

// The marker's contents and the tag of the save that wrote it, or nothing when it is not one
// this program wrote for these files.
std::optional<std::pair<TMarker, std::string>> ParseMarker(const TBytes& bytes) {
  std::istringstream in(std::string(bytes.begin(), bytes.end()));
  std::string line, tag;
  if (!std::getline(in, line)) return std::nullopt;
  if (line.rfind(std::string(kMarkerHeader) + ' ', 0) == 0) {
    tag = line.substr(std::string(kMarkerHeader).size() + 1);
    if (tag.empty() || tag.find_first_of("/~ ") != std::string::npos) return std::nullopt;
  } else if (line != kMarkerHeaderUntagged) {
    return std::nullopt;
  }
  TMarker m;
  for (std::size_t i = 0; i < kFiles.size(); ++i) {
    if (!std::getline(in, line)) return std::nullopt;
    std::istringstream fields(line);
    std::string name, oldSize;
    if (!(fields >> name >> m[i].New.Size >> m[i].New.Sum >> oldSize) || name != kFiles[i])
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
  return std::make_pair(m, tag);
}

void RemoveQuietly(const TFileOps& ops, const std::string& path) noexcept {
  try {
    ops.Remove(path);
  } catch (const EDataFileError&) {
    // Clean-up only; a leftover temporary file is removed at the next load.
  }
}

// Whether a file name is one a save of this program leaves behind: its prefix, then what
// follows the process's tag.
bool IsSaveLeftover(const std::string& name) {
  if (name.rfind(kSaveFilePrefix, 0) != 0 || name == kCommitMarker) return false;
  for (const char* end : {".dat.tmp", ".dat.old", "commit.new", "history.pending", "write-test"})
    if (name.ends_with(end)) return true;
  return false;
}

// Removes the temporary files and kept copies of every save that is over (never a data file):
// only the holder of the folder's lock calls this, so no other save runs.
void RemoveLeftovers(const std::string& folder, const TFileOps& ops) {
  std::vector<std::string> folders = {DataPath(folder, "")};
  for (const char* f : kFiles) {
    std::string target;
    try {
      target = FolderOf(ReplaceTarget(DataPath(folder, f)));
    } catch (const EDataFileError&) {
      continue;  // reported when the file is read
    }
    if (!target.empty() && std::find(folders.begin(), folders.end(), target) == folders.end())
      folders.push_back(target);
  }
  for (const std::string& dir : folders) {
    DIR* d = ::opendir(dir.empty() ? "." : dir.c_str());
    if (!d) continue;
    std::vector<std::string> names;
    while (const dirent* e = ::readdir(d))
      if (IsSaveLeftover(e->d_name)) names.emplace_back(e->d_name);
    ::closedir(d);
    for (const std::string& n : names) {
      // Only files: a folder of such a name is no save's leftover.
      struct stat st {};
      if (::lstat((dir + n).c_str(), &st) == 0 && S_ISREG(st.st_mode)) ops.Remove(dir + n);
    }
  }
}

bool Matches(const std::string& path, const TFingerprint& expected) {
  const auto actual = FingerprintOfFile(path);
  return actual && *actual == expected;
}

// Data file `i` as the marker knows it: with the new contents, with the old ones (absent when
// it did not exist before the save), or neither (changed by someone else since).
enum class TState { New, Old, Other };

TState StateOf(const TSaveLayout& l, const TMarkedFile& m, std::size_t i) {
  if (Matches(l.Data[i], m.New)) return TState::New;
  if (m.Old ? Matches(l.Data[i], *m.Old) : !FileExists(l.Data[i])) return TState::Old;
  return TState::Other;
}

// Whether data file `i` holds the new contents or, still holding the old ones, can be given
// them from the save's temporary file.
bool CanFinish(const TSaveLayout& l, const TMarkedFile& m, std::size_t i) {
  const TState state = StateOf(l, m, i);
  return state == TState::New || (state == TState::Old && Matches(l.Temp[i], m.New));
}

// Whether data file `i` holds the old contents or, holding the new ones, can be given back the
// old ones from its kept copy.
bool CanPutBack(const TSaveLayout& l, const TMarkedFile& m, std::size_t i) {
  const TState state = StateOf(l, m, i);
  if (state != TState::New) return state == TState::Old;
  return !m.Old || Matches(l.Old[i], *m.Old);
}

void SyncFolders(const std::string& folder, const TSaveLayout& l, const TFileOps& ops) {
  ops.SyncFolder(DataPath(folder, ""));
  for (const auto& d : l.Data)
    if (FolderOf(d) != DataPath(folder, "") && !FolderOf(d).empty()) ops.SyncFolder(FolderOf(d));
}

void Finish(const std::string& folder, const TSaveLayout& l, const TMarker& m,
            const TFileOps& ops) {
  for (std::size_t i = 0; i < kFiles.size(); ++i)
    if (!Matches(l.Data[i], m[i].New)) ops.Rename(l.Temp[i], l.Data[i]);
  SyncFolders(folder, l, ops);
}

void PutBack(const std::string& folder, const TSaveLayout& l, const TMarker& m,
             const TFileOps& ops) {
  for (std::size_t i = 0; i < kFiles.size(); ++i) {
    if (!m[i].Old) {
      ops.Remove(l.Data[i]);  // it did not exist before the save
    } else if (!Matches(l.Data[i], *m[i].Old)) {
      ops.Rename(l.Old[i], l.Data[i]);
    }
  }
  SyncFolders(folder, l, ops);
}

// Removes the marker after its files are dealt with, then the leftovers.
void Close(const std::string& folder, const TSaveLayout& l, const TFileOps& ops) {
  for (std::size_t i = 0; i < kFiles.size(); ++i) {
    ops.Remove(l.Temp[i]);
    ops.Remove(l.Old[i]);
  }
  ops.Remove(l.MarkerTemp);
  ops.Remove(l.JournalTemp);
  SyncFolders(folder, l, ops);
  ops.Remove(DataPath(folder, kCommitMarker));
  ops.SyncFolder(DataPath(folder, ""));
}

// Appends a finished save's journal lines. A journal that cannot take them is reported, never
// allowed to undo or block the save: the data files are already in place.
void AppendSaveJournal(const std::string& folder, std::string_view lines, const TFileOps& ops,
                       TWarnings& problems) {
  if (lines.empty()) return;
  try {
    AppendJournal(JournalPath(folder), lines, ops);
  } catch (const EDataFileError& e) {
    std::string s = e.what();
    s += " (the changes of this save are not in the change history)";
    problems.push_back(std::move(s));
  }
}

// The journal lines an interrupted save left for finishing; only whole lines count.
std::string PendingJournal(const TSaveLayout& l) {
  try {
    if (!FileExists(l.JournalTemp)) return "";
    const TBytes bytes = ReadWholeFile(l.JournalTemp);
    std::string text(bytes.begin(), bytes.end());
    text.resize(text.find_last_of('\n') == std::string::npos ? 0 : text.find_last_of('\n') + 1);
    return text;
  } catch (const EDataFileError&) {
    return "";
  }
}

// What a marker that fits no way out tells the user to do.
std::string UnmatchedMarkerText(const std::string& markerPath) {
  return markerPath +
         ": an interrupted save left files that no longer match its record, so it can be "
         "neither finished nor undone; the data files were left as they are. If they hold the "
         "data you expect, remove this file; otherwise restore a backup (an automatic "
         "generation or your own) and then remove it.";
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
  const std::string probe = DataPath(folder, SaveTempName("write-test"));
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

std::string SaveTempName(const std::string& what) {
  return TSaveLayout::SaveFileName(ProcessTag(), what);
}

void RecoverInterruptedSave(const std::string& folder, const TFileOps& ops, TWarnings* warnings,
                            TWarnings* journalWarnings) {
  const std::string markerPath = DataPath(folder, kCommitMarker);
  if (!FileIsThere(markerPath)) {
    RemoveLeftovers(folder, ops);
    return;
  }
  std::optional<std::pair<TMarker, std::string>> marker;
  try {
    marker = ParseMarker(ReadWholeFile(markerPath, kMaxSmallDataFileSize));
  } catch (const EDataFileError&) {
  }
  if (marker) {
    const TSaveLayout layout(folder, marker->second);
    const TMarker& m = marker->first;
    const auto all = [&](auto test) {
      for (std::size_t i = 0; i < kFiles.size(); ++i)
        if (!test(layout, m[i], i)) return false;
      return true;
    };
    if (all(CanFinish)) {
      Finish(folder, layout, m, ops);
      TWarnings problems;
      AppendSaveJournal(folder, PendingJournal(layout), ops, problems);
      if (TWarnings* to = journalWarnings ? journalWarnings : warnings)
        for (const std::string& p : problems) to->push_back(p);
      Close(folder, layout, ops);
      return;
    }
    if (all(CanPutBack)) {
      PutBack(folder, layout, m, ops);
      Close(folder, layout, ops);
      return;
    }
  }
  if (warnings) warnings->push_back(UnmatchedMarkerText(markerPath));
}

namespace {

// Reads the four lists from `paths` (an empty path: a file that is to be read as empty).
void ReadDataFilesFrom(TDataSet& data, const std::array<std::string, 4>& paths, TWarnings& w,
                       TMissingFile missing) {
  TDataSet fresh;
  const auto bytesOf = [&](const std::string& path) {
    if (path.empty()) return TBytes{};
    if (!FileIsThere(path)) {
      if (missing == TMissingFile::Create) return ReadOrCreateFile(path);
      w.push_back(path.substr(path.find_last_of('/') + 1) + " is missing; read as empty");
      return TBytes{};
    }
    return ReadWholeFile(path, kMaxSmallDataFileSize);
  };
  const auto name = [&](std::size_t i) { return std::string(kFiles[i]); };
  ParseReasons(fresh.ReasonList, bytesOf(paths[0]), name(0), w);
  if (paths[1].empty())
    ParseEmps(fresh.EmpList, fresh.ReasonList, {}, name(1), w);
  else
    ReadEmps(fresh.EmpList, fresh.ReasonList, paths[1], &w, missing);
  ParseGlobals(fresh.GlobalList, fresh.EmpList, fresh.ReasonList, bytesOf(paths[2]), name(2), w);
  ParseDepts(fresh.DeptList, bytesOf(paths[3]), name(3), w);
  std::swap(data, fresh);
  fresh.Free();
  ReleaseFreedMemory();
}

std::array<std::string, 4> DataPaths(const std::string& folder) {
  std::array<std::string, 4> paths;
  for (std::size_t i = 0; i < kFiles.size(); ++i) paths[i] = DataPath(folder, kFiles[i]);
  return paths;
}

// Which file holds each data file's contents for a reader that may not write: the data files,
// or, when a commit marker says which files belong together, the files an interrupted save
// would be finished or undone with.
std::array<std::string, 4> ReadOnlyPlan(const std::string& folder, TWarnings& w) {
  std::array<std::string, 4> paths = DataPaths(folder);
  const std::string markerPath = DataPath(folder, kCommitMarker);
  // A folder that may not be searched is reported by the first data file read.
  if (!FileExists(markerPath)) {
    bool leftovers = false;
    if (DIR* d = ::opendir(DataPath(folder, "").empty() ? "." : DataPath(folder, "").c_str())) {
      while (const dirent* e = ::readdir(d)) leftovers = leftovers || IsSaveLeftover(e->d_name);
      ::closedir(d);
    }
    if (leftovers)
      w.push_back(
          "files of an interrupted save are in the folder; that save had not touched the data "
          "files, which were read as they are");
    return paths;
  }
  std::optional<std::pair<TMarker, std::string>> marker;
  try {
    marker = ParseMarker(ReadWholeFile(markerPath, kMaxSmallDataFileSize));
  } catch (const EDataFileError&) {
  }
  if (marker) {
    try {
      const TSaveLayout l(folder, marker->second);
      const TMarker& m = marker->first;
      bool finish = true, putBack = true;
      for (std::size_t i = 0; i < kFiles.size(); ++i) {
        finish = finish && CanFinish(l, m[i], i);
        putBack = putBack && CanPutBack(l, m[i], i);
      }
      if (finish || putBack) {
        for (std::size_t i = 0; i < kFiles.size(); ++i) {
          const TState state = StateOf(l, m[i], i);
          if (finish)
            paths[i] = state == TState::New ? l.Data[i] : l.Temp[i];
          else if (state == TState::New)
            paths[i] = m[i].Old ? l.Old[i] : std::string();
        }
        w.push_back(std::string("an interrupted save is in the folder; the data was read as ") +
                    (finish ? "that save finished would leave it" : "it was before that save") +
                    ", without changing any file (the program that next saves finishes it)");
        return paths;
      }
    } catch (const EDataFileError&) {
      // A data file that cannot be resolved is reported when it is read.
    }
  }
  w.push_back(UnmatchedMarkerText(markerPath));
  return paths;
}

// What a reader without the lock compares before and after reading: a save that ran meanwhile
// replaced a data file (a new file) or put down or removed its marker.
using TFolderSnapshot = std::vector<std::array<int64_t, 5>>;

TFolderSnapshot Snapshot(const std::string& folder) {
  TFolderSnapshot snap;
  std::array<std::string, 5> names = {kReasonFile, kEmpFile, kGlobalsFile, kDeptFile,
                                      kCommitMarker};
  for (const std::string& n : names) {
    struct stat st {};
    if (::stat(DataPath(folder, n).c_str(), &st) != 0) {
      snap.push_back({-1, errno, 0, 0, 0});
      continue;
    }
    snap.push_back({static_cast<int64_t>(st.st_dev), static_cast<int64_t>(st.st_ino),
                    static_cast<int64_t>(st.st_size), static_cast<int64_t>(st.st_mtim.tv_sec),
                    static_cast<int64_t>(st.st_mtim.tv_nsec)});
  }
  return snap;
}

}  // namespace

void LoadDataSet(TDataSet& data, const std::string& folder, TWarnings* warnings,
                 const TFileOps& ops) {
  TWarnings local;
  TWarnings& w = warnings ? *warnings : local;
  RecoverInterruptedSave(folder, ops, &w);
  ReadDataFilesFrom(data, DataPaths(folder), w, TMissingFile::Create);
}

void LoadDataSetReadOnly(TDataSet& data, const std::string& folder, TWarnings* warnings) {
  TWarnings local;
  TWarnings& w = warnings ? *warnings : local;
  // A writer may save while we read: read again until nothing changed meanwhile, so the four
  // lists always come from one data set.
  constexpr int kAttempts = 50;
  for (int attempt = 0;; ++attempt) {
    TWarnings found;
    const TFolderSnapshot before = Snapshot(folder);
    TDataSet fresh;
    try {
      ReadDataFilesFrom(fresh, ReadOnlyPlan(folder, found), found, TMissingFile::Report);
    } catch (const EDataFileError&) {
      if (Snapshot(folder) == before || attempt + 1 >= kAttempts) throw;
      ::usleep(20000);
      continue;
    }
    if (Snapshot(folder) == before) {
      std::swap(data, fresh);
      w.Append(found);
      return;
    }
    if (attempt + 1 >= kAttempts)
      throw EDataFileError(DataPath(folder, "") +
                           ": the data files kept changing while they were read");
    ::usleep(20000);
  }
}

// Writes the temporary files and replaces the data files with them as one step. The serialised
// contents live only here, so they are freed before a reload.
// With `generations` > 0 the data set the files held is first kept as a generation, when the
// save changes them; the older generations are pruned only once the new files are in place.
static void ReplaceDataFiles(const TDataSet& data, const std::string& folder, const TFileOps& ops,
                             int generations, TSaveJournal* journal) {
  TWarnings noProblems;
  TWarnings& journalProblems = journal ? journal->Problems : noProblems;
  const std::string_view journalLines = journal ? std::string_view(journal->Lines) : "";
  // The lists are only read here; nothing in memory changes unless the whole save succeeds.
  const std::array<TBytes, 4> contents = {
      SerializeReasons(data.ReasonList), SerializeEmps(data.EmpList, data.GlobalList),
      SerializeGlobals(data.GlobalList), SerializeDepts(data.DeptList)};

  TWarnings recovery;
  RecoverInterruptedSave(folder, ops, &recovery, &journalProblems);
  if (!recovery.empty()) throw EDataFileError(recovery.front());
  // Resolved once: a data file that is a link is replaced where it leads, and one that is not a
  // regular file stops the save here, before anything is written.
  const TSaveLayout layout(folder, ProcessTag());
  TMarker marker;
  bool changes = false;
  for (std::size_t i = 0; i < kFiles.size(); ++i) {
    marker[i].New = FingerprintOf(contents[i]);
    marker[i].Old = FingerprintOfFile(layout.Data[i]);
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
    for (std::size_t i = 0; i < kFiles.size(); ++i) {
      ops.WriteFileSynced(layout.Temp[i], contents[i]);
      if (ops.CopyAttributes) ops.CopyAttributes(layout.Data[i], layout.Temp[i]);
    }
    for (std::size_t i = 0; i < kFiles.size(); ++i) ops.KeepCopy(layout.Data[i], layout.Old[i]);
    if (!journalLines.empty()) {
      // On disk before the marker: a save the marker lets finish has its lines.
      ops.WriteFileSynced(
          layout.JournalTemp,
          std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(journalLines.data()),
                                   journalLines.size()));
    }
    SyncFolders(folder, layout, ops);
    const std::string text = MarkerText(marker, layout.Tag);
    ops.WriteFileSynced(
        layout.MarkerTemp,
        std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
  } catch (const EDataFileError&) {
    for (std::size_t i = 0; i < kFiles.size(); ++i) {
      RemoveQuietly(ops, layout.Temp[i]);
      RemoveQuietly(ops, layout.Old[i]);
    }
    RemoveQuietly(ops, layout.MarkerTemp);
    RemoveQuietly(ops, layout.JournalTemp);
    dropGeneration();
    throw;
  }

  const std::string markerPath = DataPath(folder, kCommitMarker);
  try {
    ops.Rename(layout.MarkerTemp, markerPath);
    ops.SyncFolder(DataPath(folder, ""));
    for (std::size_t i = 0; i < kFiles.size(); ++i) ops.Rename(layout.Temp[i], layout.Data[i]);
    SyncFolders(folder, layout, ops);
  } catch (const EDataFileError& failure) {
    try {
      if (FileExists(markerPath)) PutBack(folder, layout, marker, ops);
      Close(folder, layout, ops);
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
  AppendSaveJournal(folder, journalLines, ops, journalProblems);
  try {
    Close(folder, layout, ops);
  } catch (const EDataFileError&) {
  }
  if (!generation.empty()) PruneGenerations(folder, generations, ops);
}

void SaveDataSet(TDataSet& data, const std::string& folder, bool reload, const TFileOps& ops,
                 int generations, TSaveJournal* journal) {
  ReplaceDataFiles(data, folder, ops, generations, journal);
  if (!reload) return;
  // The files are safely in place; reading them back empties the trash and rebuilds the
  // copies of global entries. Should that fail, the lists in memory stay as they were.
  LoadDataSet(data, folder, nullptr, ops);
}

uint64_t ContentSum(const TDataSet& data) {
  uint64_t sum = 0;
  for (const TBytes& bytes :
       {SerializeReasons(data.ReasonList), SerializeEmps(data.EmpList, data.GlobalList),
        SerializeGlobals(data.GlobalList), SerializeDepts(data.DeptList)})
    sum = sum * 31 + FingerprintOf(bytes).Sum + bytes.size();
  return sum;
}

TDataStamp StampDataFiles(const std::string& folder) {
  TDataStamp stamp;
  for (std::size_t i = 0; i < kFiles.size(); ++i) {
    const std::string path = DataPath(folder, kFiles[i]);
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) continue;  // missing: Exists stays false
    TFileStamp& f = stamp[i];
    f.Exists = true;
    f.Size = static_cast<uint64_t>(st.st_size);
    f.Identity = {static_cast<int64_t>(st.st_dev), static_cast<int64_t>(st.st_ino),
                  static_cast<int64_t>(st.st_mtim.tv_sec),
                  static_cast<int64_t>(st.st_mtim.tv_nsec)};
    if (const auto fp = FingerprintOfFile(path)) f.Sum = fp->Sum;
  }
  return stamp;
}

std::vector<std::string> ChangedDataFiles(const std::string& folder, const TDataStamp& stamp) {
  std::vector<std::string> changed;
  for (std::size_t i = 0; i < kFiles.size(); ++i) {
    const std::string path = DataPath(folder, kFiles[i]);
    const TFileStamp& was = stamp[i];
    struct stat st {};
    const bool exists = ::stat(path.c_str(), &st) == 0;
    bool same = exists == was.Exists;
    if (same && exists) {
      const std::array<int64_t, 4> identity = {
          static_cast<int64_t>(st.st_dev), static_cast<int64_t>(st.st_ino),
          static_cast<int64_t>(st.st_mtim.tv_sec), static_cast<int64_t>(st.st_mtim.tv_nsec)};
      same = static_cast<uint64_t>(st.st_size) == was.Size;
      // The same file untouched needs no reading; a touched one counts as changed only when
      // its contents differ.
      if (same && identity != was.Identity) {
        const auto fp = FingerprintOfFile(path);
        same = fp && fp->Sum == was.Sum;
      }
    }
    if (!same) changed.emplace_back(kFiles[i]);
  }
  return changed;
}

}  // namespace absence
