#pragma once
// One-record parsers shared by the data files and the backup file. Each takes one record in its
// data-file layout and adds what it holds to the lists; impossible values are skipped or
// repaired and reported in `warnings`, prefixed with `where`.
#include <span>
#include <string>

#include "data/entry_order.h"
#include "data/records.h"

namespace absence {

// "<file>, record N: ", the start of a record's warnings, rewritten in place for each record so
// that reading a record allocates no text unless it warns.
class TRecordWhere {
 public:
  explicit TRecordWhere(const std::string& fileName);
  const std::string& At(std::size_t index);

 private:
  std::string text_;
  std::size_t prefix_;
};

// Carried from one record to the next of a file: when a reason or an employee could not be
// added, the rules, balances or entries that follow it are skipped instead of joining the
// record before it.
// An unreadable record may itself have been the reason or employee (its kind byte is what is
// damaged), so what follows it is skipped too: attached to the record before, it would give one
// employee's absences to another.
struct TParentState {
  bool Skipped = false;
  std::string SkippedAt;    // the skipped record's place, "<file>, record N: "
  std::size_t Records = 0;  // records skipped with it
  std::size_t Items = 0;    // the rules, balances or entries they held
};
// Starts skipping the records that follow the record at `where`.
void StartSkipping(TParentState& parent, const std::string& where, TWarnings& warnings);
// Reports what was skipped with the last skipped record (when anything was) and stops skipping.
void EndSkipping(TParentState& parent, TWarnings& warnings);

void ParseDeptRecord(TDeptList& list, std::span<const uint8_t> r, const std::string& where,
                     TWarnings& warnings);
void ParseReasonRecord(TReasonList& list, std::span<const uint8_t> r, const std::string& where,
                       TWarnings& warnings, TParentState& parent);
// What reading emp.dat records carries from one record to the next: the employee being read
// and its entries, which are placed when the next employee starts or the records end.
struct TEmpReadState {
  TParentState Parent;
  TEmpRecClass* Owner = nullptr;
  TReadEntries Entries;
};

// Kind '1' adds an employee; kinds '2' and '3' add balances or entries to the last employee.
// Call FinishEmpRecords after the last record.
void ParseEmpRecord(TEmpList& list, const TReasonKeys& keys, std::span<const uint8_t> r,
                    const std::string& where, TWarnings& warnings, TEmpReadState& state);
void FinishEmpRecords(TEmpReadState& state, const TReasonKeys& keys);
// A list's last step after its records are read (see RenumberRepeatedIdentifiers).
void RenumberRepeatedDepts(TDeptList& list, const std::string& fileName, TWarnings& warnings);
// True when a reason was given a new identifier (entries sorted by reason text need sorting
// again).
bool RenumberRepeatedReasons(TReasonList& list, const std::string& fileName, TWarnings& warnings);
void RenumberRepeatedEmps(TEmpList& list, const std::string& fileName, TWarnings& warnings);
// False when the record cannot be used.
bool ParseGlobalRecord(std::span<const uint8_t> r, const std::string& where, TWarnings& warnings,
                       TGlobalRecord& out);

}  // namespace absence
