// Serialising and parsing the four data files.
#include "data/datafiles.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <unordered_set>

#include "data/binio.h"
#include "data/entry_order.h"
#include "data/fileio.h"
#include "data/list_sort.h"
#include "data/record_parsers.h"
#include "dates/date_text.h"

namespace absence {
using namespace binio;

namespace {

// Kind byte, the unused byte, then the kind's fields.
void PutKind(TBytes& out, char kind) {
  PutByte(out, static_cast<uint8_t>(kind));
  PutByte(out, 0);
}

// Reports the bytes after a file's last whole record, which are ignored.
void WarnPartialRecord(uint64_t fileSize, std::size_t size, const std::string& fileName,
                       TWarnings& warnings) {
  if (fileSize % size != 0)
    warnings.push_back(fileName + ": the last " + std::to_string(fileSize % size) +
                       " byte(s) do not make a whole record and were ignored");
}

// Splits a file into whole records; a shorter tail is reported and ignored.
std::vector<std::span<const uint8_t>> Records(std::span<const uint8_t> bytes, std::size_t size,
                                              const std::string& fileName, TWarnings& warnings) {
  std::vector<std::span<const uint8_t>> records;
  records.reserve(bytes.size() / size);
  for (std::size_t off = 0; off + size <= bytes.size(); off += size)
    records.push_back(bytes.subspan(off, size));
  WarnPartialRecord(bytes.size(), size, fileName, warnings);
  return records;
}

std::string ReadString(std::span<const uint8_t> r, std::size_t off, std::size_t capacity,
                       const std::string& where, TWarnings& warnings) {
  bool clamped = false;
  std::string s = GetString(r, off, capacity, &clamped);
  if (clamped) warnings.push_back(where + "a text longer than its field was cut");
  return s;
}

// A date field, checked as the day it stands for. It is passed on as stored: the Add operations
// convert from the old day scale, and converting here as well would shift large values twice.
// A day that is still above the old scale's offset once converted cannot be written back without
// being read as old-scale again, so it is refused rather than moved at the next load.
// A time of day (a fraction) is dropped, as a date and time value counts it: days are whole, and
// two values of one day must meet as the same day.
bool ReadDate(double raw, const std::string& where, const char* field, TWarnings& warnings,
              double& out) {
  const double whole = std::trunc(raw) + 0.0;  // + 0.0: a day of -0 is day 0
  const TDate day = ConvertOldDate(whole);
  if (!IsValidDate(day) || day > kOldDayScaleOffset) {
    warnings.push_back(where + field + " is not a valid date");
    return false;
  }
  if (whole != raw) warnings.push_back(where + field + " held a time of day, which was dropped");
  out = whole;
  return true;
}

std::string UnknownKind(uint8_t kind) {
  const bool printable = kind >= 0x20 && kind < 0x7f;
  return "unknown record kind " +
         (printable ? "'" + std::string(1, static_cast<char>(kind)) + "'"
                    : "byte " + std::to_string(kind)) +
         "; record skipped";
}

// A reference to another record: 0 is none, and a negative value (in memory: the record is in
// the trash) is never written, so it is read as none.
int32_t ReadReference(int32_t id, const std::string& where, const char* field,
                      TWarnings& warnings) {
  if (id >= 0) return id;
  warnings.push_back(where + field + " " + std::to_string(id) + " is no record; taken as none");
  return 0;
}

int ItemCount(std::span<const uint8_t> r, const std::string& where, TWarnings& warnings) {
  int count = r[2];
  if (count > kItemsPerRecord) {
    warnings.push_back(where + "item count " + std::to_string(count) + " taken as 6");
    count = kItemsPerRecord;
  }
  return count;
}

}  // namespace

// ---------------------------------------------------------------------------------- writing

void AppendDeptRecord(TBytes& out, const TDeptRecClass& d) {
  PutI32(out, d.DeptID);
  PutString(out, d.DeptName, kDeptNameLen);
  PutString(out, d.DeptCode, kDeptCodeLen);
  PutByte(out, d.Active ? 1 : 0);
  PutI32(out, d.ManagerID > 0 ? d.ManagerID : 0);
}

void AppendReasonRecords(TBytes& out, const TReasonRecClass& r) {
  PutKind(out, '1');
  PutI32(out, r.ReasonID);
  PutString(out, r.Description, kDescriptionLen);
  PutByte(out, r.Active ? 1 : 0);
  PutByte(out, r.HasPolicy ? 1 : 0);
  PutByte(out, static_cast<uint8_t>(Letter(r.Basis)));
  PutByte(out, static_cast<uint8_t>(Letter(r.Validate)));
  for (const auto& rule : r.Rules) {
    PutKind(out, '2');
    PutI32(out, rule->StartMonth);
    PutI32(out, rule->EndMonth);
    PutF32(out, rule->Hours);
    PutF32(out, rule->CarryOver);
    PutZeros(out, kReasonRecSize - 18);
  }
}

namespace {

struct TItem {
  int32_t reasonID;
  float hours;
  double date;
};

// Packs items six to a record of kind `kind`; balances start with the reason, entries with the
// date.
void PutItems(TBytes& out, char kind, const std::vector<TItem>& items) {
  for (std::size_t first = 0; first < items.size(); first += kItemsPerRecord) {
    const std::size_t n = std::min<std::size_t>(kItemsPerRecord, items.size() - first);
    PutKind(out, kind);
    PutByte(out, static_cast<uint8_t>(n));
    for (std::size_t i = 0; i < n; ++i) {
      const TItem& it = items[first + i];
      if (kind == '2') {
        PutI32(out, it.reasonID);
        PutF32(out, it.hours);
        PutF64(out, it.date);
      } else {
        PutF64(out, it.date);
        PutI32(out, it.reasonID);
        PutF32(out, it.hours);
      }
    }
    PutZeros(out, (kItemsPerRecord - n) * 16);
  }
}

}  // namespace

void AppendEmpRecords(TBytes& out, const TEmpRecClass& e, const TEntryList& globals) {
  PutKind(out, '1');
  PutI32(out, e.EmpID);
  PutString(out, e.LastName, kLastNameLen);
  PutString(out, e.FirstName, kFirstNameLen);
  PutString(out, e.SSN, kSSNLen);
  PutF64(out, e.StartDate);
  PutF64(out, e.TermDate);
  PutByte(out, static_cast<uint8_t>(e.EmpType));
  PutI32(out, e.DeptID > 0 ? e.DeptID : 0);
  PutZeros(out, 4);

  std::vector<TItem> items;
  for (const auto& a : e.Accruals)
    if (a->IsLive()) items.push_back({a->ReasonID, a->Hours, a->AsOfDate});
  PutItems(out, '2', items);

  items.clear();
  // An exclusion is kept while its global entry lives, also on a day the employee is not
  // employed: the backup keeps it too, and it still exempts the employee should the employment
  // dates come to include the day again.
  const auto blocks = [&](const TAbsenceRecClass& x) {
    return FindEntry(globals, x.ReasonID, TEntryKind::Global, x.EntryDate) != -1;
  };
  // One exclusion per day and reason, though a trashed copy and an exclusion may both stand for
  // it (an import's exemption next to a copy the user trashed): the reader would keep only one.
  std::unordered_set<TDayReason, TDayReasonHash> excluded;
  const auto exclude = [&](const TAbsenceRecClass& x) {
    if (excluded.insert({x.EntryDate, x.ReasonID}).second)
      items.push_back({x.ReasonID, -1.0f, x.EntryDate});
  };
  for (const auto& x : e.Entries) {
    if (x->Kind == TEntryKind::Own) {
      if (x->IsLive()) items.push_back({x->ReasonID, x->Hours, x->EntryDate});
    } else if (x->Kind == TEntryKind::Global) {
      // A copy trashed on this employee only becomes an exclusion.
      if (x->IsDeleted() && !x->ReasonDeleted && blocks(*x)) exclude(*x);
    } else if (x->Kind == TEntryKind::Exclusion && x->IsLive() && blocks(*x)) {
      exclude(*x);
    }
  }
  PutItems(out, '3', items);
}

void AppendGlobalRecord(TBytes& out, const TAbsenceRecClass& g) {
  PutF64(out, g.EntryDate);
  PutI32(out, g.ReasonID);
  PutF32(out, g.Hours);
}

TBytes SerializeDepts(const TDeptList& list) {
  TBytes out;
  out.reserve(list.size() * kDeptRecSize);
  for (const auto& d : list)
    if (!d->Deleted) AppendDeptRecord(out, *d);
  return out;
}

TBytes SerializeReasons(const TReasonList& list) {
  TBytes out;
  for (const auto& r : list)
    if (!r->Deleted) AppendReasonRecords(out, *r);
  return out;
}

TBytes SerializeEmps(const TEmpList& list, const TEntryList& globals) {
  TBytes out;
  std::size_t estimate = 0;
  for (const auto& e : list) estimate += 2 + e->Accruals.size() / 6 + e->Entries.size() / 6;
  out.reserve(estimate * kEmpRecSize);
  for (const auto& e : list)
    if (!e->Deleted) AppendEmpRecords(out, *e, globals);
  return out;
}

TBytes SerializeGlobals(const TEntryList& globals) {
  TBytes out;
  out.reserve(globals.size() * kGlobalRecSize);
  for (const auto& g : globals)
    if (g->IsLive()) AppendGlobalRecord(out, *g);
  return out;
}

// ---------------------------------------------------------------------------------- reading

TRecordWhere::TRecordWhere(const std::string& fileName)
    : text_(fileName + ", record "), prefix_(text_.size()) {}

const std::string& TRecordWhere::At(std::size_t index) {
  char digits[24];
  const auto end = std::to_chars(std::begin(digits), std::end(digits), index + 1).ptr;
  text_.resize(prefix_);
  text_.append(digits, end);
  text_ += ": ";
  return text_;
}

void ParseDeptRecord(TDeptList& list, std::span<const uint8_t> r, const std::string& where,
                     TWarnings& warnings) {
  try {
    AddDept(list, ReadString(r, 4, kDeptNameLen, where, warnings),
            ReadReference(GetI32(r, 72), where, "the manager", warnings), r[71] != 0,
            ReadString(r, 55, kDeptCodeLen, where, warnings), GetI32(r, 0));
  } catch (const EIdentifierRangeError& e) {
    warnings.push_back(where + e.what() + " The record was skipped.");
  }
}

void StartSkipping(TParentState& parent, const std::string& where, TWarnings& warnings) {
  EndSkipping(parent, warnings);
  parent.Skipped = true;
  parent.SkippedAt = where;
}

void EndSkipping(TParentState& parent, TWarnings& warnings) {
  if (parent.Skipped && parent.Records > 0)
    warnings.push_back(parent.SkippedAt + "the " + std::to_string(parent.Records) +
                       " record(s) after it, holding " + std::to_string(parent.Items) +
                       " item(s), were skipped with it: they may belong to it, not to the "
                       "record before it");
  parent = TParentState{};
}

void ParseReasonRecord(TReasonList& list, std::span<const uint8_t> r, const std::string& where,
                       TWarnings& warnings, TParentState& parent) {
  if (r[0] == '1') {
    EndSkipping(parent, warnings);
    try {
      // Any byte is kept as read, so the writer gives back the same file.
      AddReason(list, ReadString(r, 6, kDescriptionLen, where, warnings), r[37] != 0, r[38] != 0,
                static_cast<TBasis>(r[39]), static_cast<TValidate>(r[40]), GetI32(r, 2));
    } catch (const EIdentifierRangeError& e) {
      warnings.push_back(where + e.what() + " The reason and its rules were skipped.");
      StartSkipping(parent, where, warnings);
    }
    return;
  }
  if (r[0] != '2') {
    warnings.push_back(where + UnknownKind(r[0]));
    StartSkipping(parent, where, warnings);
    return;
  }
  if (parent.Skipped) {
    ++parent.Records;
    ++parent.Items;
    return;
  }
  if (list.empty()) {
    warnings.push_back(where + "a policy rule before any reason was skipped");
    return;
  }
  float hours = GetF32(r, 10), carry = GetF32(r, 14);
  if (!std::isfinite(hours) || !std::isfinite(carry)) {
    warnings.push_back(where + "a rule's hours are not a number; taken as 0");
    if (!std::isfinite(hours)) hours = 0;
    if (!std::isfinite(carry)) carry = 0;
  }
  AddRule(list.back()->Rules, GetI32(r, 2), GetI32(r, 6), hours, carry);
}

void ParseEmpRecord(TEmpList& list, const TReasonKeys& keys, std::span<const uint8_t> r,
                    const std::string& where, TWarnings& warnings, TEmpReadState& state) {
  TParentState& parent = state.Parent;
  if (r[0] == '1') {
    FinishEmpRecords(state, keys);
    EndSkipping(parent, warnings);
    double start = 0, term = 0;
    if (!ReadDate(GetF64(r, 74), where, "the start date", warnings, start)) start = 0;
    if (!ReadDate(GetF64(r, 82), where, "the termination date", warnings, term)) term = 0;
    try {
      AddEmp(list, ReadString(r, 6, kLastNameLen, where, warnings),
             ReadString(r, 37, kFirstNameLen, where, warnings),
             ReadString(r, 58, kSSNLen, where, warnings), start, term,
             ReadReference(GetI32(r, 91), where, "the department", warnings),
             static_cast<char>(r[90]), GetI32(r, 2));
      state.Owner = list.back().get();
    } catch (const EIdentifierRangeError& e) {
      warnings.push_back(where + e.what() +
                         " The employee, with its balances and entries, was skipped.");
      StartSkipping(parent, where, warnings);
    }
    return;
  }
  if (r[0] != '2' && r[0] != '3') {
    // A damaged emp.dat can hold millions of such records; once the list is full they are only
    // counted.
    if (warnings.Full())
      warnings.AddCounted();
    else
      warnings.push_back(where + UnknownKind(r[0]));
    StartSkipping(parent, where, warnings);
    return;
  }
  if (parent.Skipped) {
    ++parent.Records;
    parent.Items += std::min<std::size_t>(r[2], kItemsPerRecord);
    return;
  }
  if (list.empty()) {
    warnings.push_back(where + "balances or entries before any employee were skipped");
    return;
  }
  TEmpRecClass& emp = *list.back();
  // Records of another kind came between this employee's records (possible in a backup file):
  // its entries read so far are taken up again, so that those that follow merge with them.
  if (state.Owner != &emp) state.Entries.Reopen(emp.Entries, where, warnings);
  state.Owner = &emp;
  const int count = ItemCount(r, where, warnings);
  for (int k = 0; k < count; ++k) {
    const std::size_t off = 3 + 16 * static_cast<std::size_t>(k);
    double date = 0;
    const bool balance = r[0] == '2';
    const float hours = GetF32(r, balance ? off + 4 : off + 12);
    if (!ReadDate(GetF64(r, balance ? off + 8 : off), where, "an item's date", warnings, date))
      continue;
    if (!std::isfinite(hours)) {
      warnings.push_back(where + "an item's hours are not a number; skipped");
      continue;
    }
    if (balance) {
      SetAccrual(emp.Accruals, GetI32(r, off), hours, date);
    } else {
      // Entries go straight to their date position, so the list is sorted as it is read. Any
      // negative hours make an exclusion, which carries -1 as the writer writes it (other
      // negative hours would count as hours taken until the next save).
      const bool own = hours >= 0;
      state.Entries.Add(GetI32(r, off + 8), date, own ? hours : -1.0f,
                        own ? TEntryKind::Own : TEntryKind::Exclusion, where, warnings);
    }
  }
}

void FinishEmpRecords(TEmpReadState& state, const TReasonKeys& keys) {
  if (state.Owner) state.Entries.MoveInto(state.Owner->Entries, keys);
  state.Owner = nullptr;
}

void RenumberRepeatedDepts(TDeptList& list, const std::string& fileName, TWarnings& warnings) {
  RenumberRepeatedIdentifiers(
      list, [](TDeptRecClass& d) -> int32_t& { return d.DeptID; },
      [](const TDeptRecClass& d) { return d.DeptName; }, fileName, warnings);
}

bool RenumberRepeatedReasons(TReasonList& list, const std::string& fileName, TWarnings& warnings) {
  return RenumberRepeatedIdentifiers(
      list, [](TReasonRecClass& r) -> int32_t& { return r.ReasonID; },
      [](const TReasonRecClass& r) { return r.Description; }, fileName, warnings);
}

void RenumberRepeatedEmps(TEmpList& list, const std::string& fileName, TWarnings& warnings) {
  RenumberRepeatedIdentifiers(
      list, [](TEmpRecClass& e) -> int32_t& { return e.EmpID; },
      [](const TEmpRecClass& e) { return e.FullName(); }, fileName, warnings);
}

bool ParseGlobalRecord(std::span<const uint8_t> r, const std::string& where, TWarnings& warnings,
                       TGlobalRecord& out) {
  double date = 0;
  if (!ReadDate(GetF64(r, 0), where, "the date", warnings, date)) return false;
  const float hours = GetF32(r, 12);
  if (!std::isfinite(hours)) {
    warnings.push_back(where + "the hours are not a number; skipped");
    return false;
  }
  out = {GetI32(r, 8), date, hours};
  return true;
}

void ParseDepts(TDeptList& list, std::span<const uint8_t> bytes, const std::string& fileName,
                TWarnings& warnings) {
  list.clear();
  const auto records = Records(bytes, kDeptRecSize, fileName, warnings);
  TRecordWhere where(fileName);
  for (std::size_t i = 0; i < records.size(); ++i)
    ParseDeptRecord(list, records[i], where.At(i), warnings);
  RenumberRepeatedDepts(list, fileName, warnings);
  SortDepts(list);
}

void ParseReasons(TReasonList& list, std::span<const uint8_t> bytes, const std::string& fileName,
                  TWarnings& warnings) {
  list.clear();
  const auto records = Records(bytes, kReasonRecSize, fileName, warnings);
  TRecordWhere where(fileName);
  TParentState parent;
  for (std::size_t i = 0; i < records.size(); ++i)
    ParseReasonRecord(list, records[i], where.At(i), warnings, parent);
  EndSkipping(parent, warnings);
  RenumberRepeatedReasons(list, fileName, warnings);
  SortReasons(list);
}

namespace {

// Reads emp.dat's records in order, whether from the whole file or from pieces of it as they
// are read.
class TEmpFileReader {
 public:
  TEmpFileReader(TEmpList& list, const TReasonList& reasons, std::string fileName,
                 TWarnings& warnings)
      : list_(list),
        keys_(reasons),
        fileName_(std::move(fileName)),
        where_(fileName_),
        warnings_(warnings) {
    list_.clear();
  }
  // Whole records; the bytes of a last partial one are left out.
  void Records(std::span<const uint8_t> bytes) {
    for (std::size_t off = 0; off + kEmpRecSize <= bytes.size(); off += kEmpRecSize)
      ParseEmpRecord(list_, keys_, bytes.subspan(off, kEmpRecSize), where_.At(count_++), warnings_,
                     state_);
  }
  void Finish() {
    FinishEmpRecords(state_, keys_);
    EndSkipping(state_.Parent, warnings_);
    RenumberRepeatedEmps(list_, fileName_, warnings_);
    SortEmps(list_);
  }

 private:
  TEmpList& list_;
  const TReasonKeys keys_;
  const std::string fileName_;
  TRecordWhere where_;
  TWarnings& warnings_;
  TEmpReadState state_;
  std::size_t count_ = 0;
};

}  // namespace

void ParseEmps(TEmpList& list, const TReasonList& reasons, std::span<const uint8_t> bytes,
               const std::string& fileName, TWarnings& warnings) {
  TEmpFileReader reader(list, reasons, fileName, warnings);
  WarnPartialRecord(bytes.size(), kEmpRecSize, fileName, warnings);
  reader.Records(bytes);
  reader.Finish();
}

void ParseGlobals(TEntryList& globals, TEmpList& emps, const TReasonList& reasons,
                  std::span<const uint8_t> bytes, const std::string& fileName,
                  TWarnings& warnings) {
  globals.clear();
  std::vector<TGlobalRecord> read;
  const auto records = Records(bytes, kGlobalRecSize, fileName, warnings);
  TRecordWhere where(fileName);
  read.reserve(records.size());
  TGlobalRecord g{};
  for (std::size_t i = 0; i < records.size(); ++i)
    if (ParseGlobalRecord(records[i], where.At(i), warnings, g)) read.push_back(g);
  AddGlobalRecords(globals, emps, TReasonKeys(reasons), read, fileName, warnings);
  DropUnusedExclusions(emps, globals, fileName, warnings);
}

void DropUnusedExclusions(TEmpList& emps, const TEntryList& globals, const std::string& fileName,
                          TWarnings& warnings) {
  for (auto& e : emps)
    std::erase_if(e->Entries, [&](const std::unique_ptr<TAbsenceRecClass>& x) {
      if (x->Kind != TEntryKind::Exclusion || !x->IsLive()) return false;
      if (FindEntry(globals, x->ReasonID, TEntryKind::Global, x->EntryDate) != -1) return false;
      warnings.push_back(fileName + ": " + e->FullName() + ": an exclusion of reason " +
                         std::to_string(x->ReasonID) + " on " +
                         FormatDate(x->EntryDate, "yyyy-mm-dd") +
                         " blocks no global entry; it was dropped");
      return true;
    });
}

// ------------------------------------------------------------------------------ file versions

namespace {
std::string BaseName(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

template <class Fn>
void WithWarnings(TWarnings* warnings, Fn fn) {
  TWarnings local;
  fn(warnings ? *warnings : local);
}

// Whether there is anything to read: a missing file is created empty, or reported when the
// data set is only being read.
bool DataFileToRead(const std::string& path, TMissingFile missing, TWarnings& warnings) {
  if (FileIsThere(path)) return true;
  if (missing == TMissingFile::Create)
    ReadOrCreateFile(path);
  else
    warnings.push_back(BaseName(path) + " is missing; read as empty");
  return false;
}

TBytes ReadDataFile(const std::string& path, TMissingFile missing, TWarnings* warnings) {
  TWarnings local;
  // Read whole, so bounded well below emp.dat: none of these comes near a megabyte.
  return DataFileToRead(path, missing, warnings ? *warnings : local)
             ? ReadWholeFile(path, kMaxSmallDataFileSize)
             : TBytes{};
}
}  // namespace

void ReadDepts(TDeptList& list, const std::string& path, TWarnings* warnings,
               TMissingFile missing) {
  const TBytes bytes = ReadDataFile(path, missing, warnings);
  WithWarnings(warnings, [&](TWarnings& w) { ParseDepts(list, bytes, BaseName(path), w); });
}

void ReadReasons(TReasonList& list, const std::string& path, TWarnings* warnings,
                 TMissingFile missing) {
  const TBytes bytes = ReadDataFile(path, missing, warnings);
  WithWarnings(warnings, [&](TWarnings& w) { ParseReasons(list, bytes, BaseName(path), w); });
}

void ReadEmps(TEmpList& list, const TReasonList& reasons, const std::string& path,
              TWarnings* warnings, TMissingFile missing) {
  // Read in pieces: emp.dat holds nearly all of the data set, and a whole copy of a large one
  // would be fresh memory to fill at every load.
  WithWarnings(warnings, [&](TWarnings& w) {
    TEmpFileReader reader(list, reasons, BaseName(path), w);
    if (DataFileToRead(path, missing, w))
      ReadFileInPieces(
          path, kEmpFilePiece,
          [&](uint64_t size) { WarnPartialRecord(size, kEmpRecSize, BaseName(path), w); },
          [&](std::span<const uint8_t> piece) { reader.Records(piece); });
    reader.Finish();
  });
}

void ReadGlobals(TEntryList& globals, TEmpList& emps, const TReasonList& reasons,
                 const std::string& path, TWarnings* warnings, TMissingFile missing) {
  const TBytes bytes = ReadDataFile(path, missing, warnings);
  WithWarnings(warnings, [&](TWarnings& w) {
    ParseGlobals(globals, emps, reasons, bytes, BaseName(path), w);
  });
}

}  // namespace absence
