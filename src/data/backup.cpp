// Backup file: every data-file record wrapped in a 101-byte record with a tag.
#include "data/backup.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include "data/binio.h"
#include "data/datafiles.h"
#include "data/entry_order.h"
#include "data/fileio.h"
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

void WriteBackup(const TDataSet& data, const TByteSink& sink) {
  // Handed on in pieces of about this size, so a large data set is never held whole twice.
  constexpr std::size_t kPiece = 1 << 20;
  TBytes out;
  out.reserve(kPiece + 64 * kBackupRecSize);
  TBytes rec;
  const auto wrap = [&](char tag, std::size_t size) {
    Wrap(out, tag, rec, size);
    if (out.size() >= kPiece) {
      sink(out);
      out.clear();
    }
  };
  for (const auto& r : data.ReasonList) {
    if (r->Deleted) continue;
    rec.clear();
    AppendReasonRecords(rec, *r);
    wrap('R', kReasonRecSize);
  }
  for (const auto& d : data.DeptList) {
    if (d->Deleted) continue;
    rec.clear();
    AppendDeptRecord(rec, *d);
    wrap('D', kDeptRecSize);
  }
  for (const auto& e : data.EmpList) {
    if (e->Deleted) continue;
    rec.clear();
    AppendEmpRecords(rec, *e, data.GlobalList);
    wrap('E', kEmpRecSize);
  }
  for (const auto& g : data.GlobalList) {
    if (!g->IsLive()) continue;
    rec.clear();
    AppendGlobalRecord(rec, *g);
    wrap('G', kGlobalRecSize);
  }
  if (!out.empty()) sink(out);
}

TDataSetSummary SummarizeDataSet(const TDataSet& data) {
  TDataSetSummary s;
  const auto entry = [&](const TAbsenceRecClass& x) {
    ++s.Entries;
    s.NewestEntry = std::max(s.NewestEntry, x.EntryDate);
  };
  for (const auto& d : data.DeptList) s.Departments += d->Deleted ? 0 : 1;
  for (const auto& r : data.ReasonList) s.Reasons += r->Deleted ? 0 : 1;
  for (const auto& e : data.EmpList) {
    if (e->Deleted) continue;
    ++s.Employees;
    for (const auto& x : e->Entries)
      if (x->Kind == TEntryKind::Own && x->IsLive()) entry(*x);
  }
  for (const auto& g : data.GlobalList)
    if (g->IsLive()) entry(*g);
  return s;
}

TBytes SerializeBackup(const TDataSet& data) {
  TBytes all;
  WriteBackup(data, [&](std::span<const uint8_t> piece) {
    all.insert(all.end(), piece.begin(), piece.end());
  });
  return all;
}

void BackupData(const TDataSet& data, const std::string& path, const TFileOps& ops) {
  ReplaceFileFrom(
      path, [&](const TByteSink& sink) { WriteBackup(data, sink); }, ".~absence-backup", ops);
}

namespace {

// Reads backup records one at a time with the data files' own parsers, so that the backup's
// mixed order keeps its meaning: a 'G' record copies only to the employees read before it.
class TBackupReader {
 public:
  explicit TBackupReader(TWarnings& warnings) : warnings_(warnings), keys_(fresh_.ReasonList) {}

  void Record(std::span<const uint8_t> r) {
    const std::string& where = where_.At(count_++);
    const char tag = static_cast<char>(r[0]);
    if (tag != 'E') FinishEmpRecords(empState_, Keys());
    if (tag != 'G') FlushGlobals();
    switch (tag) {
      case 'R':
        ParseReasonRecord(fresh_.ReasonList, r.subspan(2, kReasonRecSize), where, warnings_,
                          reasonParent_);
        keysStale_ = true;
        reasonAfterEntries_ = reasonAfterEntries_ || !fresh_.EmpList.empty();
        break;
      case 'D':
        ParseDeptRecord(fresh_.DeptList, r.subspan(2, kDeptRecSize), where, warnings_);
        break;
      case 'E':
        ParseEmpRecord(fresh_.EmpList, Keys(), r.subspan(2, kEmpRecSize), where, warnings_,
                       empState_);
        break;
      case 'G': {
        TGlobalRecord g{};
        if (ParseGlobalRecord(r.subspan(2, kGlobalRecSize), where, warnings_, g))
          pendingGlobals_.push_back(g);
        break;
      }
      default:
        break;  // not a backup record: skipped
    }
  }

  void Tail(std::size_t bytes) {
    if (bytes != 0)
      warnings_.push_back("backup file: the last " + std::to_string(bytes) +
                          " byte(s) do not make a whole record and were ignored");
  }

  // Replaces `data` with what was read.
  void Finish(TDataSet& data) {
    FinishEmpRecords(empState_, Keys());
    EndSkipping(empState_.Parent, warnings_);
    EndSkipping(reasonParent_, warnings_);
    FlushGlobals();
    if (RenumberRepeatedReasons(fresh_.ReasonList, "backup file", warnings_) ||
        reasonAfterEntries_) {
      // The entries were placed by the texts of the reasons' old identifiers, or of the reasons
      // read so far.
      const TReasonKeys keys(fresh_.ReasonList);
      for (auto& e : fresh_.EmpList)
        std::stable_sort(e->Entries.begin(), e->Entries.end(), [&](const auto& a, const auto& b) {
          return CompareEntries(*a, *b, keys, true) < 0;
        });
    }
    RenumberRepeatedDepts(fresh_.DeptList, "backup file", warnings_);
    RenumberRepeatedEmps(fresh_.EmpList, "backup file", warnings_);
    SortReasons(fresh_.ReasonList);
    SortDepts(fresh_.DeptList);
    SortEmps(fresh_.EmpList);
    std::swap(data, fresh_);
    fresh_.Free();
  }

 private:
  void FlushGlobals() {
    if (pendingGlobals_.empty()) return;
    AddGlobalRecords(fresh_.GlobalList, fresh_.EmpList, Keys(), pendingGlobals_, "backup file",
                     warnings_);
    pendingGlobals_.clear();
  }

  // Rebuilt only when a reason was read since, not at every reason record.
  const TReasonKeys& Keys() {
    if (keysStale_) keys_ = TReasonKeys(fresh_.ReasonList);
    keysStale_ = false;
    return keys_;
  }

  TWarnings& warnings_;
  TDataSet fresh_;
  TReasonKeys keys_;
  bool keysStale_ = false;
  bool reasonAfterEntries_ = false;  // a reason came after employees' records
  std::vector<TGlobalRecord> pendingGlobals_;
  TParentState reasonParent_;
  TEmpReadState empState_;
  std::size_t count_ = 0;
  TRecordWhere where_{"backup file"};
};

}  // namespace

void ParseBackup(TDataSet& data, std::span<const uint8_t> bytes, TWarnings& warnings) {
  TBackupReader reader(warnings);
  const std::size_t count = bytes.size() / kBackupRecSize;
  for (std::size_t i = 0; i < count; ++i)
    reader.Record(bytes.subspan(i * kBackupRecSize, kBackupRecSize));
  reader.Tail(bytes.size() % kBackupRecSize);
  reader.Finish(data);
}

namespace {

// Tells a backup file from any other file before a restore replaces the data set with it: every
// record must carry one of the four tags, and the records that belong to a reason or an
// employee need one in the file. Text, pictures or a data file
// picked by mistake fail at once; so does an empty file, which holds nothing to restore.
class TBackupCheck {
 public:
  explicit TBackupCheck(std::string path) : path_(std::move(path)) {}

  void Size(uint64_t bytes) const {
    if (bytes == 0) Refuse("it is empty");
    if (bytes % kBackupRecSize != 0)
      Refuse("its size (" + std::to_string(bytes) + " bytes) is not a whole number of " +
             std::to_string(kBackupRecSize) + "-byte backup records");
  }

  void Record(std::span<const uint8_t> r) {
    ++count_;
    const char tag = static_cast<char>(r[0]);
    const char kind = static_cast<char>(r[2]);
    // A damaged kind byte under a good tag is a damaged record, which the reader skips and
    // reports (a generation keeps the data files' records as they were, damage included).
    if (tag != 'R' && tag != 'D' && tag != 'E' && tag != 'G')
      Refuse("record " + std::to_string(count_) + " is not a backup record");
    if (tag == 'R' && kind == '1') ++reasons_;
    if (tag == 'R' && kind == '2') ++rules_;
    if (tag == 'E' && kind == '1') ++employees_;
    if (tag == 'E' && (kind == '2' || kind == '3')) ++(kind == '2' ? balances_ : entries_);
    if (tag == 'G') ++globals_;
  }

  void Finish() const {
    if (rules_ > 0 && reasons_ == 0) Refuse("it holds policy rules but no reason");
    if (balances_ + entries_ > 0 && employees_ == 0)
      Refuse("it holds balances or absences but no employee");
    if (entries_ + globals_ > 0 && reasons_ == 0) Refuse("it holds absences but no reason");
  }

  [[noreturn]] void Refuse(const std::string& why) const {
    throw ENotABackupError("\"" + path_ + "\" is not an Absence backup file: " + why +
                           ". Your Absence data was not changed.");
  }

 private:
  std::string path_;
  std::size_t count_ = 0;
  std::size_t reasons_ = 0, rules_ = 0, employees_ = 0, balances_ = 0, entries_ = 0, globals_ = 0;
};

}  // namespace

void RestoreData(TDataSet& data, const std::string& path, TWarnings* warnings) {
  // Without blocking: a pipe would wait for a writer.
  const int probe = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (probe < 0) {
    const int err = errno;
    throw ERestoreOpenError(
        "The following error occurred trying to open your Absence backup file:\n\nCode = " +
        std::to_string(err) + "  Msg = " + std::strerror(err));
  }
  struct stat st {};
  if (::fstat(probe, &st) != 0) {
    const int err = errno;
    ::close(probe);
    throw EDataFileError(SystemErrorText(path, err));
  }
  ::close(probe);
  TBackupCheck check(path);
  if (!S_ISREG(st.st_mode)) check.Refuse("it is not a file");
  // Only a regular file of a backup's size is read: a device such as /dev/zero never ends.
  uint64_t size = 0;
  const int fd = OpenRegularForReading(path, kMaxBackupFileSize, &size);
  try {
    check.Size(size);
  } catch (...) {
    ::close(fd);
    throw;
  }
  TWarnings local;
  TBackupReader reader(warnings ? *warnings : local);
  // Read in blocks of whole records, so the file is never held whole besides two data sets.
  std::vector<uint8_t> block(kBackupRecSize * 4096);
  std::size_t filled = 0;
  for (;;) {
    const ssize_t n = ::read(fd, block.data() + filled, block.size() - filled);
    if (n < 0) {
      if (errno == EINTR) continue;
      const int err = errno;
      ::close(fd);
      throw EDataFileError(SystemErrorText(path, err));
    }
    filled += static_cast<std::size_t>(n);
    const bool end = n == 0;
    const std::size_t whole = filled / kBackupRecSize * kBackupRecSize;
    try {
      for (std::size_t off = 0; off < whole; off += kBackupRecSize) {
        const std::span<const uint8_t> record(block.data() + off, kBackupRecSize);
        check.Record(record);
        reader.Record(record);
      }
    } catch (...) {
      ::close(fd);
      throw;
    }
    std::copy(block.begin() + static_cast<std::ptrdiff_t>(whole),
              block.begin() + static_cast<std::ptrdiff_t>(filled), block.begin());
    filled -= whole;
    if (end) break;
  }
  ::close(fd);
  check.Finish();
  reader.Tail(filled);
  reader.Finish(data);
}

}  // namespace absence
