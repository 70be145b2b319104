// Generations: the data files' records wrapped as a backup file, named by the time they were
// kept, and the newest few of them.
#include "data/generations.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <tuple>

#include "data/backup.h"
#include "data/dataset.h"

namespace absence {
namespace {

constexpr const char* kPrefix = "Absence-";
constexpr const char* kExtension = ".abk";
constexpr const char* kTempSuffix = ".tmp";
// "YYYYMMDD-HHMMSS"
constexpr std::size_t kStampLength = 15;

// A generation's name: the prefix, the stamp, for a second generation in the same second "-N",
// and the extension. Its stamp and number, when `name` is one.
struct TGenerationName {
  std::string Stamp;
  int Number = 0;
  auto Key() const { return std::tie(Stamp, Number); }
};

bool AllDigits(const std::string& s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool ParseName(const std::string& name, TGenerationName& out) {
  const std::string prefix = kPrefix, ext = kExtension;
  if (name.size() < prefix.size() + kStampLength + ext.size() ||
      name.compare(0, prefix.size(), prefix) != 0 ||
      name.compare(name.size() - ext.size(), ext.size(), ext) != 0)
    return false;
  const std::string stamp = name.substr(prefix.size(), kStampLength);
  if (!AllDigits(stamp.substr(0, 8)) || stamp[8] != '-' || !AllDigits(stamp.substr(9)))
    return false;
  const std::string rest = name.substr(prefix.size() + kStampLength,
                                       name.size() - prefix.size() - kStampLength - ext.size());
  int number = 0;
  if (!rest.empty()) {
    if (rest[0] != '-' || rest.size() > 7 || !AllDigits(rest.substr(1))) return false;
    number = std::stoi(rest.substr(1));
    if (number < 1) return false;
  }
  out = {stamp, number};
  return true;
}

std::string FileName(const TGenerationName& n) {
  return kPrefix + n.Stamp + (n.Number > 0 ? "-" + std::to_string(n.Number) : "") + kExtension;
}

std::string TimeText(const std::string& stamp) {
  return stamp.substr(0, 4) + "-" + stamp.substr(4, 2) + "-" + stamp.substr(6, 2) + " " +
         stamp.substr(9, 2) + ":" + stamp.substr(11, 2) + ":" + stamp.substr(13, 2);
}

struct TFound {
  TGenerationName Name;
  std::string Path;
};

// Newest first.
std::vector<TFound> Found(const std::string& folder) {
  std::vector<TFound> found;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    TGenerationName name;
    if (it->is_regular_file(ec) && ParseName(it->path().filename().string(), name))
      found.push_back({name, it->path().string()});
  }
  std::sort(found.begin(), found.end(),
            [](const TFound& a, const TFound& b) { return a.Name.Key() > b.Name.Key(); });
  return found;
}

// A data file and the tag its records carry in a backup, in the backup's order.
struct TWrapped {
  const char* File;
  char Tag;
  std::size_t Size;
};
constexpr TWrapped kWrapped[] = {{kReasonFile, 'R', kReasonRecSize},
                                 {kDeptFile, 'D', kDeptRecSize},
                                 {kEmpFile, 'E', kEmpRecSize},
                                 {kGlobalsFile, 'G', kGlobalRecSize}};

// Hands the backup records of the data files to `sink`, a piece per piece of a data file read.
// A last partial record of a data file is left out, as the readers leave it out.
void WrapDataFiles(const std::string& dataFolder, const TByteSink& sink) {
  constexpr std::size_t kRecordsPerPiece = 8192;
  TBytes out;
  for (const TWrapped& w : kWrapped) {
    const std::string path = DataPath(dataFolder, w.File);
    if (!FileExists(path)) continue;
    ReadFileInPieces(
        path, w.Size * kRecordsPerPiece, [](uint64_t) {},
        [&](std::span<const uint8_t> piece) {
          out.clear();
          for (std::size_t off = 0; off + w.Size <= piece.size(); off += w.Size) {
            out.push_back(static_cast<uint8_t>(w.Tag));
            out.push_back(0);
            out.insert(out.end(), piece.begin() + static_cast<std::ptrdiff_t>(off),
                       piece.begin() + static_cast<std::ptrdiff_t>(off + w.Size));
            out.resize(out.size() + kBackupRecSize - 2 - w.Size, 0);
          }
          if (!out.empty()) sink(out);
        });
  }
}

bool HoldsRecords(const std::string& dataFolder) {
  for (const TWrapped& w : kWrapped) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(DataPath(dataFolder, w.File), ec);
    if (!ec && size >= w.Size) return true;
  }
  return false;
}

}  // namespace

std::string GenerationsFolder(const std::string& dataFolder) {
  return DataPath(dataFolder, kBackupsFolder);
}

std::vector<TGeneration> ListGenerations(const std::string& dataFolder) {
  std::vector<TGeneration> list;
  for (const TFound& f : Found(GenerationsFolder(dataFolder)))
    list.push_back({f.Path, TimeText(f.Name.Stamp)});
  return list;
}

namespace {
std::string Stamp(std::time_t now) {
  std::tm local{};
  localtime_r(&now, &local);
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%04d%02d%02d-%02d%02d%02d", local.tm_year + 1900,
                local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
  return stamp;
}
}  // namespace

std::string KeepDataFilesAside(const std::string& dataFolder, std::time_t now,
                               const TFileOps& ops) {
  const std::string base = DataPath(dataFolder, "Originals-" + Stamp(now));
  std::string folder = base;
  std::error_code ec;
  // A new folder each time: an earlier one holds other originals.
  for (int n = 2; !std::filesystem::create_directory(folder, ec); ++n) {
    if (ec) throw EDataFileError(SystemErrorText(folder, ec.value()));
    folder = base + "-" + std::to_string(n);
  }
  for (const TWrapped& w : kWrapped)
    if (FileExists(DataPath(dataFolder, w.File)))
      ops.KeepCopy(DataPath(dataFolder, w.File), DataPath(folder, w.File));
  ops.SyncFolder(folder);
  ops.SyncFolder(dataFolder);
  return folder;
}

std::string KeepGeneration(const std::string& dataFolder, std::time_t now, const TFileOps& ops) {
  if (!HoldsRecords(dataFolder)) return "";
  const std::string folder = GenerationsFolder(dataFolder);
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec) throw EDataFileError(SystemErrorText(folder, ec.value()));
  // Left by a keep that was interrupted.
  std::vector<std::string> stale;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string name = it->path().filename().string();
    TGenerationName parsed;
    if (name.size() > 4 && name.ends_with(kTempSuffix) &&
        ParseName(name.substr(0, name.size() - 4), parsed))
      stale.push_back(it->path().string());
  }
  for (const std::string& path : stale) ops.Remove(path);

  TGenerationName name{Stamp(now), 0};
  // Never before a generation already there, should the clock have gone back.
  const auto existing = Found(folder);
  if (!existing.empty() && existing.front().Name.Stamp >= name.Stamp)
    name = {existing.front().Name.Stamp, existing.front().Name.Number + 1};
  const std::string path = DataPath(folder, FileName(name));
  ReplaceFileFrom(
      path, [&](const TByteSink& sink) { WrapDataFiles(dataFolder, sink); }, kTempSuffix, ops);
  try {
    ops.SyncFolder(folder);
  } catch (const EDataFileError&) {
    // The save stops here; a generation it did not make would only push out an older one.
    try {
      ops.Remove(path);
    } catch (const EDataFileError&) {
    }
    throw;
  }
  return path;
}

void PruneGenerations(const std::string& dataFolder, int keep, const TFileOps& ops) {
  const auto found = Found(GenerationsFolder(dataFolder));
  for (std::size_t i = static_cast<std::size_t>(std::max(keep, 0)); i < found.size(); ++i) {
    try {
      ops.Remove(found[i].Path);
    } catch (const EDataFileError&) {
      // Kept one more time; the next save tries again.
    }
  }
}

}  // namespace absence
