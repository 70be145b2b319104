#pragma once
// The order of entry lists: by date, then reason text (a-z folded), then kind.
#include <string>
#include <unordered_map>

#include "data/records.h"

namespace absence {

// Sort keys of the reasons' descriptions, looked up by identifier.
class TReasonKeys {
 public:
  explicit TReasonKeys(const TReasonList& reasons);
  const std::string& Key(int32_t reasonID) const;

 private:
  std::unordered_map<int32_t, std::string> keys_;
};

// -1, 0 or 1. `byDate`: date, reason, kind; otherwise reason, date, kind.
int CompareEntries(const TAbsenceRecClass& a, const TAbsenceRecClass& b, const TReasonKeys& keys,
                   bool byDate);

// Inserts `entry` after every entry that sorts before or equal to it by date, so a date-sorted
// list stays sorted without sorting it again.
void InsertSorted(TEntryList& list, std::unique_ptr<TAbsenceRecClass> entry,
                  const TReasonKeys& keys);

}  // namespace absence

namespace absence {

// AddEntry with the reason keys built once by the caller (readers add many entries).
void AddEntryWithKeys(TEntryList& list, TEmpList& emps, const TReasonKeys& keys, int32_t reasonID,
                      TDate entryDate, float hours, TEntryKind kind);

// One global entry as read from a file.
struct TGlobalRecord {
  int32_t ReasonID;
  TDate EntryDate;
  float Hours;
};

// Adds global entries read from a file with the effect of AddEntry kind Global on each in turn
// (equal reason and date merge; each employee employed on the day without a live entry of that
// reason and day gets a copy), but inserts each employee's new copies in one merge.
void AddGlobalRecords(TEntryList& globals, TEmpList& emps, const TReasonKeys& keys,
                      const std::vector<TGlobalRecord>& records);

}  // namespace absence
