// Backup file: every data-file record wrapped in a 101-byte record with a tag.
#include "data/backup.h"

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

#include "data/binio.h"
#include "data/datafiles.h"
#include "data/entry_order.h"
#include "data/record_parsers.h"

namespace absence {
using namespace binio;

namespace {

// Wraps each `size`-byte record of `records` under `tag`.
void Wrap(TBytes& out, char tag, const TBytes& records, std::size_t size) {
  for (std::size_t off = 0; off + size <= records.size(); off += size) {
    PutByte(out, static_cast<uint8_t>(tag));
    PutByte(out, 0);
    out.insert(out.end(), records.begin() + static_cast<std::ptrdiff_t>(off),
               records.begin() + static_cast<std::ptrdiff_t>(off + size));
    PutZeros(out, kBackupRecSize - 2 - size);
  }
}

}  // namespace

TBytes SerializeBackup(const TDataSet& data) {
  TBytes out;
  TBytes rec;
  for (const auto& r : data.ReasonList) {
    if (r->Deleted) continue;
    rec.clear();
    AppendReasonRecords(rec, *r);
    Wrap(out, 'R', rec, kReasonRecSize);
  }
  for (const auto& d : data.DeptList) {
    if (d->Deleted) continue;
    rec.clear();
    AppendDeptRecord(rec, *d);
    Wrap(out, 'D', rec, kDeptRecSize);
  }
  for (const auto& e : data.EmpList) {
    if (e->Deleted) continue;
    rec.clear();
    // Exclusions go into a backup whenever their global entry exists, employed or not.
    AppendEmpRecords(rec, *e, data.GlobalList, false);
    Wrap(out, 'E', rec, kEmpRecSize);
  }
  for (const auto& g : data.GlobalList) {
    if (!g->IsLive()) continue;
    rec.clear();
    AppendGlobalRecord(rec, *g);
    Wrap(out, 'G', rec, kGlobalRecSize);
  }
  return out;
}

void BackupData(const TDataSet& data, const std::string& path) {
  TFileOps::Real().WriteFileSynced(path, SerializeBackup(data));
}

void ParseBackup(TDataSet& data, std::span<const uint8_t> bytes, TWarnings& warnings) {
  TDataSet fresh;
  // Record by record with the data files' own parsers, so that the backup's mixed order keeps
  // its meaning: a 'G' record copies only to the employees read before it.
  std::vector<TGlobalRecord> pendingGlobals;
  TReasonKeys keys(fresh.ReasonList);
  const auto flushGlobals = [&] {
    if (pendingGlobals.empty()) return;
    AddGlobalRecords(fresh.GlobalList, fresh.EmpList, keys, pendingGlobals);
    pendingGlobals.clear();
  };
  const std::size_t count = bytes.size() / kBackupRecSize;
  if (bytes.size() % kBackupRecSize != 0)
    warnings.push_back("backup file: the last " + std::to_string(bytes.size() % kBackupRecSize) +
                       " byte(s) do not make a whole record and were ignored");
  for (std::size_t i = 0; i < count; ++i) {
    const auto r = bytes.subspan(i * kBackupRecSize, kBackupRecSize);
    const std::string where = "backup file, record " + std::to_string(i + 1) + ": ";
    const char tag = static_cast<char>(r[0]);
    if (tag != 'G') flushGlobals();
    switch (tag) {
      case 'R':
        ParseReasonRecord(fresh.ReasonList, r.subspan(2, kReasonRecSize), where, warnings);
        keys = TReasonKeys(fresh.ReasonList);
        break;
      case 'D':
        ParseDeptRecord(fresh.DeptList, r.subspan(2, kDeptRecSize), where, warnings);
        break;
      case 'E':
        ParseEmpRecord(fresh.EmpList, keys, r.subspan(2, kEmpRecSize), where, warnings);
        break;
      case 'G': {
        TGlobalRecord g{};
        if (ParseGlobalRecord(r.subspan(2, kGlobalRecSize), where, warnings, g))
          pendingGlobals.push_back(g);
        break;
      }
      default:
        break;  // not a backup record: skipped
    }
  }
  flushGlobals();
  SortReasons(fresh.ReasonList);
  SortDepts(fresh.DeptList);
  SortEmps(fresh.EmpList);
  data = std::move(fresh);
}

void RestoreData(TDataSet& data, const std::string& path, TWarnings* warnings) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    const int err = errno;
    throw ERestoreOpenError(
        "The following error occurred trying to open your Absence backup file:\n\nCode = " +
        std::to_string(err) + "  Msg = " + std::strerror(err));
  }
  ::close(fd);
  const TBytes bytes = ReadWholeFile(path);
  TWarnings local;
  ParseBackup(data, bytes, warnings ? *warnings : local);
}

}  // namespace absence
