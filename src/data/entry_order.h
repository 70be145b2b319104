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
// reason and day gets a copy), but inserts each employee's new copies in one merge. Two entries
// whose hours add up to more than can be stored are kept apart, with a warning naming `source`.
void AddGlobalRecords(TEntryList& globals, TEmpList& emps, const TReasonKeys& keys,
                      const std::vector<TGlobalRecord>& records, const std::string& source,
                      TWarnings& warnings);

// A day and a reason, the key under which entries merge.
using TDayReason = std::pair<TDate, int32_t>;
struct TDayReasonHash {
  std::size_t operator()(const TDayReason& k) const;
};

// Collects the own entries and exclusions of one employee as a file lists them, merging them as
// AddEntry would one after the other (an own entry into the day's live own entry of the reason;
// an exclusion where the day already has one of the reason adds nothing), then places them in date
// order with one sort. While the file lists its days in order (as this program writes them), the
// day's entries are the last ones collected and are searched there; otherwise a hash look-up
// replaces AddEntry's search of the day, so a file with a great many entries on one day still
// reads in n log n. Hours that cannot merge without leaving the finite range stay a separate
// entry, with a warning, as does every later entry of that day and reason (see MergesInto).
class TReadEntries {
 public:
  void Add(int32_t reasonID, TDate entryDate, float hours, TEntryKind kind,
           const std::string& where, TWarnings& warnings);
  // Takes the employee's own entries and exclusions out of `list` into the collection again
  // (global entries' copies stay), as if they had just been read.
  void Reopen(TEntryList& list, const std::string& where, TWarnings& warnings);
  // Moves what was collected into `list` in date order and starts again empty.
  void MoveInto(TEntryList& list, const TReasonKeys& keys);
  bool Empty() const { return entries_.empty(); }

 private:
  // The entries a new one of a day and reason merges into: the first own entry and the first
  // exclusion; Apart once the day keeps own entries apart.
  struct TDay {
    TAbsenceRecClass* Own = nullptr;
    TAbsenceRecClass* Exclusion = nullptr;
    bool Apart = false;
    void Created(TAbsenceRecClass* e);
  };
  TDay DayOf(TDate date, int32_t reasonID);
  void IndexDays();

  TEntryList entries_;
  bool indexed_ = false;  // days_ holds every day: the file's days came out of order
  std::unordered_map<TDayReason, TDay, TDayReasonHash> days_;
};

}  // namespace absence
