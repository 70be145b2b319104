// Absence entries, global entries and their copies in the employees' lists.
#include <algorithm>
#include <cmath>
#include <unordered_set>

#include "data/ansi.h"
#include "data/entry_order.h"
#include "data/list_sort.h"
#include "data/records.h"
#include "dates/date_text.h"
#include "dates/dates.h"

namespace absence {

TReasonKeys::TReasonKeys(const TReasonList& reasons) {
  // The first reason of an identifier wins, as a look-up by identifier would find it.
  for (const auto& r : reasons)
    if (r->ReasonID > 0) keys_.emplace(r->ReasonID, AnsiSortKey(r->Description));
}

const std::string& TReasonKeys::Key(int32_t reasonID) const {
  static const std::string kNone;
  const auto it = keys_.find(reasonID);
  return it == keys_.end() ? kNone : it->second;
}

int CompareEntries(const TAbsenceRecClass& a, const TAbsenceRecClass& b, const TReasonKeys& keys,
                   bool byDate) {
  const auto cmpDate = [&] {
    return a.EntryDate < b.EntryDate ? -1 : (a.EntryDate > b.EntryDate ? 1 : 0);
  };
  const auto cmpReason = [&] {
    return a.ReasonID == b.ReasonID ? 0 : CompareBytes(keys.Key(a.ReasonID), keys.Key(b.ReasonID));
  };
  int c = byDate ? cmpDate() : cmpReason();
  if (c == 0) c = byDate ? cmpReason() : cmpDate();
  if (c == 0) c = a.Kind < b.Kind ? -1 : (a.Kind > b.Kind ? 1 : 0);
  return c;
}

void InsertSorted(TEntryList& list, std::unique_ptr<TAbsenceRecClass> entry,
                  const TReasonKeys& keys) {
  const auto pos = std::upper_bound(
      list.begin(), list.end(), entry,
      [&](const auto& x, const auto& y) { return CompareEntries(*x, *y, keys, true) < 0; });
  list.insert(pos, std::move(entry));
}

namespace {

std::unique_ptr<TAbsenceRecClass> MakeEntry(int32_t reasonID, TDate date, float hours,
                                            TEntryKind kind) {
  auto e = std::make_unique<TAbsenceRecClass>();
  e->ReasonID = reasonID;
  e->EntryDate = date;
  e->Hours = hours;
  e->Kind = kind;
  return e;
}

constexpr const char* kHoursDoNotFit =
    "The hours of two entries of one reason and day add up to more than can be stored.";

// Float sums that overflow become infinite, which no file can take back.
bool MergedHoursFit(float a, float b) {
  return std::isfinite(a + b);
}

// The one merge rule of the readers: a record merges into the first entry of its day, reason and
// kind, unless the hours would leave the finite range or the day already keeps entries apart.
// Once one is kept apart every later one is too; were a later one merged into the first, the
// first might then fit with the second, and the saved file would read back as other entries.
bool MergesInto(const TAbsenceRecClass* first, bool apart, float hours) {
  return first && !apart && MergedHoursFit(first->Hours, hours);
}

std::string HoursKeptApart(int32_t reasonID, TDate date) {
  return "two entries of reason " + std::to_string(reasonID) + " on " +
         FormatDate(date, "yyyy-mm-dd") +
         " add up to more hours than can be stored; they are kept apart";
}

// First index whose date is not earlier than `d`, in a date-sorted list.
std::size_t FirstOnOrAfter(const TEntryList& list, TDate d) {
  const auto it = std::lower_bound(list.begin(), list.end(), d,
                                   [](const auto& e, TDate x) { return e->EntryDate < x; });
  return static_cast<std::size_t>(it - list.begin());
}

// Whether an employee's list keeps a new copy of a global entry out: a live entry of any kind
// of the reason and day, or a copy the user put in the trash on this employee only (the next
// save writes it as an exclusion, so after a reload the employee would not have the copy).
bool CopyBlocked(const TEntryList& list, int32_t reasonID, TDate date) {
  for (std::size_t i = FirstOnOrAfter(list, date); i < list.size() && list[i]->EntryDate == date;
       ++i) {
    const auto& e = *list[i];
    if (e.ReasonID == reasonID && !e.ReasonDeleted && (e.IsLive() || e.Kind == TEntryKind::Global))
      return true;
  }
  return false;
}

void CopyToEmployees(TEmpList& emps, const TReasonKeys& keys, int32_t reasonID, TDate date,
                     float hours) {
  for (auto& e : emps) {
    if (!e->IsEmployedOn(date) || CopyBlocked(e->Entries, reasonID, date)) continue;
    InsertSorted(e->Entries, MakeEntry(reasonID, date, hours, TEntryKind::Global), keys);
  }
}

// The copies of a global entry, and the exclusions that exempt the employee from it, follow
// the global entry to its new reason, day and hours. Left behind, an exclusion would no longer
// match its global entry: the next save would drop it and the employee would get the day.
// A moved entry's live copy is made again for the new day as a load would make it: only when
// the employee is employed then and has no entry of the new reason and day.
void FollowGlobalEntry(TEmpRecClass& emp, int32_t oldReason, TDate oldDate, int32_t reasonID,
                       TDate date, float hours) {
  TEntryList& list = emp.Entries;
  const bool moves = reasonID != oldReason || date != oldDate;
  std::vector<TAbsenceRecClass*> followers;
  bool hadCopy = false;
  for (std::size_t i = FirstOnOrAfter(list, oldDate);
       i < list.size() && list[i]->EntryDate == oldDate;) {
    auto& c = *list[i];
    if (c.ReasonID == oldReason && !c.ReasonDeleted && moves && c.Kind == TEntryKind::Global &&
        c.IsLive()) {
      list.erase(list.begin() + static_cast<std::ptrdiff_t>(i));
      hadCopy = true;
      continue;
    }
    if (c.ReasonID == oldReason && !c.ReasonDeleted &&
        (c.Kind == TEntryKind::Global || (moves && c.Kind == TEntryKind::Exclusion && c.IsLive())))
      followers.push_back(&c);
    ++i;
  }
  for (auto* c : followers) {
    c->Modified = true;
    c->ReasonID = reasonID;
    c->EntryDate = date;
    if (c->Kind == TEntryKind::Global) c->Hours = hours;
  }
  if (!moves) return;
  // A moved entry goes back to its date position, so the look-ups keep working.
  if (date != oldDate && !followers.empty())
    std::stable_sort(list.begin(), list.end(),
                     [](const auto& x, const auto& y) { return x->EntryDate < y->EntryDate; });
  if (emp.IsEmployedOn(date) && !CopyBlocked(list, reasonID, date)) {
    auto copy = MakeEntry(reasonID, date, hours, TEntryKind::Global);
    copy->Modified = hadCopy;
    const auto at = std::upper_bound(list.begin(), list.end(), date,
                                     [](TDate d, const auto& e) { return d < e->EntryDate; });
    list.insert(at, std::move(copy));
  }
  // An employee who was exempt on the new day already keeps a single exclusion.
  bool exempt = false;
  for (std::size_t i = FirstOnOrAfter(list, date); i < list.size() && list[i]->EntryDate == date;) {
    const auto& c = *list[i];
    if (c.Kind == TEntryKind::Exclusion && c.IsLive() && c.ReasonID == reasonID) {
      if (exempt) {
        list.erase(list.begin() + static_cast<std::ptrdiff_t>(i));
        continue;
      }
      exempt = true;
    }
    ++i;
  }
}

// The live entry a new one of `kind` merges into: an own entry into an own entry, a global
// entry into a global entry, an exclusion into an exclusion. An exclusion never merges into an
// own entry: its -1 hours would change the entry's hours (turning it into an exclusion when
// they go negative), and the twin exclusion would be lost at the next save and load.
int FindSameKind(const TEntryList& list, int32_t reasonID, TEntryKind kind, TDate date) {
  for (std::size_t i = FirstOnOrAfter(list, date); i < list.size() && list[i]->EntryDate == date;
       ++i) {
    const auto& e = *list[i];
    if (e.ReasonID == reasonID && e.IsLive() && e.Kind == kind) return static_cast<int>(i);
  }
  return -1;
}

// Whether the day of list[found] holds a second live entry of its reason and kind: one kept
// apart when read, which the first must not take more hours from (see MergesInto).
bool KeepsApart(const TEntryList& list, int found) {
  const auto& first = *list[static_cast<std::size_t>(found)];
  for (std::size_t i = static_cast<std::size_t>(found) + 1;
       i < list.size() && list[i]->EntryDate == first.EntryDate; ++i) {
    const auto& e = *list[i];
    if (e.ReasonID == first.ReasonID && e.IsLive() && e.Kind == first.Kind) return true;
  }
  return false;
}

}  // namespace

int FindEntry(const TEntryList& list, int32_t reasonID, TEntryKind kind, TDate entryDate) {
  const bool exactKind = kind == TEntryKind::Global || kind == TEntryKind::Own;
  for (std::size_t i = FirstOnOrAfter(list, entryDate);
       i < list.size() && list[i]->EntryDate == entryDate; ++i) {
    const auto& e = *list[i];
    if (e.ReasonID == reasonID && e.IsLive() && (!exactKind || e.Kind == kind))
      return static_cast<int>(i);
  }
  return -1;
}

void AddEntry(TEntryList& list, TEmpList& emps, const TReasonList& reasons, int32_t reasonID,
              TDate entryDate, float hours, TEntryKind kind) {
  AddEntryWithKeys(list, emps, TReasonKeys(reasons), reasonID, entryDate, hours, kind);
}

void AddEntryWithKeys(TEntryList& list, TEmpList& emps, const TReasonKeys& keys, int32_t reasonID,
                      TDate entryDate, float hours, TEntryKind kind) {
  entryDate = ConvertOldDate(entryDate);
  const int found = FindSameKind(list, reasonID, kind, entryDate);
  if (found == -1) {
    // Placed at its date position rather than appended, so the list never needs a full re-sort.
    InsertSorted(list, MakeEntry(reasonID, entryDate, hours, kind), keys);
    if (kind == TEntryKind::Global) CopyToEmployees(emps, keys, reasonID, entryDate, hours);
    return;
  }
  auto& e = *list[static_cast<std::size_t>(found)];
  // An exclusion carries no hours: a second one of the day and reason changes nothing.
  if (kind == TEntryKind::Exclusion) return;
  if (!MergedHoursFit(e.Hours, hours) || KeepsApart(list, found))
    throw EHoursRangeError(kHoursDoNotFit);
  e.Hours = e.Hours + hours;
  if (kind != TEntryKind::Global) return;
  for (auto& emp : emps) {
    const int c = FindEntry(emp->Entries, reasonID, TEntryKind::Global, entryDate);
    if (c != -1) {
      auto& copy = *emp->Entries[static_cast<std::size_t>(c)];
      copy.Hours = copy.Hours + hours;
    }
  }
}

std::size_t TDayReasonHash::operator()(const TDayReason& k) const {
  return std::hash<TDate>()(k.first) * 31 + std::hash<int32_t>()(k.second);
}

void TReadEntries::TDay::Created(TAbsenceRecClass* e) {
  auto& first = e->Kind == TEntryKind::Own ? Own : Exclusion;
  if (!first)
    first = e;
  else if (e->Kind == TEntryKind::Own)
    Apart = true;
}

namespace {
// Beyond this many entries on the day being read, the day is looked up by hash instead.
constexpr std::size_t kDaySearchLimit = 16;
}  // namespace

TReadEntries::TDay TReadEntries::DayOf(TDate date, int32_t reasonID) {
  if (!indexed_) {
    // In date order so far, the day's entries are the last ones, in the order they were made.
    std::size_t first = entries_.size();
    while (first > 0 && entries_[first - 1]->EntryDate == date &&
           entries_.size() - first < kDaySearchLimit)
      --first;
    const bool inOrder = entries_.empty() || entries_.back()->EntryDate <= date;
    const bool wholeDay = first == 0 || entries_[first - 1]->EntryDate != date;
    if (inOrder && wholeDay) {
      TDay day;
      for (std::size_t i = first; i < entries_.size(); ++i)
        if (entries_[i]->ReasonID == reasonID) day.Created(entries_[i].get());
      return day;
    }
    IndexDays();
  }
  return days_[{date, reasonID}];
}

void TReadEntries::IndexDays() {
  for (const auto& e : entries_) days_[{e->EntryDate, e->ReasonID}].Created(e.get());
  indexed_ = true;
}

void TReadEntries::Add(int32_t reasonID, TDate entryDate, float hours, TEntryKind kind,
                       const std::string& where, TWarnings& warnings) {
  const TDate date = ConvertOldDate(entryDate);
  const TDay day = DayOf(date, reasonID);
  // As AddEntry: like merges with like, and a second exclusion changes nothing.
  TAbsenceRecClass* twin = kind == TEntryKind::Own ? day.Own : day.Exclusion;
  if (twin && kind == TEntryKind::Exclusion) return;
  if (MergesInto(twin, day.Apart, hours)) {
    twin->Hours = twin->Hours + hours;
    return;
  }
  if (twin) warnings.push_back(where + HoursKeptApart(reasonID, date));
  entries_.push_back(MakeEntry(reasonID, date, hours, kind));
  // Look-ups keep finding the first of those kept apart, as a search of the day would.
  if (indexed_) days_[{date, reasonID}].Created(entries_.back().get());
}

void TReadEntries::Reopen(TEntryList& list, const std::string& where, TWarnings& warnings) {
  TEntryList copies;
  for (auto& e : list) {
    if (e->Kind == TEntryKind::Global)
      copies.push_back(std::move(e));
    else
      Add(e->ReasonID, e->EntryDate, e->Hours, e->Kind, where, warnings);
  }
  list = std::move(copies);
}

void TReadEntries::MoveInto(TEntryList& list, const TReasonKeys& keys) {
  const auto before = [&](const auto& a, const auto& b) {
    return CompareEntries(*a, *b, keys, true) < 0;
  };
  // Stable, so entries that compare equal keep the order they were read in, as inserting each
  // after its equals would. A file in order needs no sort.
  if (!std::is_sorted(entries_.begin(), entries_.end(), before))
    std::stable_sort(entries_.begin(), entries_.end(), before);
  if (list.empty()) {
    list = std::move(entries_);
  } else {
    TEntryList merged;
    merged.reserve(list.size() + entries_.size());
    std::merge(std::make_move_iterator(list.begin()), std::make_move_iterator(list.end()),
               std::make_move_iterator(entries_.begin()), std::make_move_iterator(entries_.end()),
               std::back_inserter(merged), before);
    list = std::move(merged);
  }
  entries_.clear();
  days_.clear();
  indexed_ = false;
}

void TAbsenceRecClass::Update(int32_t reasonID, TEmpList& emps, float hours, TDate entryDate) {
  const int32_t oldReason = ReasonID;
  const TDate oldDate = EntryDate;
  Modified = Modified || reasonID != ReasonID || hours != Hours || entryDate != EntryDate;
  ReasonID = reasonID;
  Hours = hours;
  EntryDate = entryDate;
  if (!Modified || Kind != TEntryKind::Global) return;
  for (auto& emp : emps) FollowGlobalEntry(*emp, oldReason, oldDate, reasonID, entryDate, hours);
}

void TAbsenceRecClass::AddDelMark(TTrashMark mark, TEmpList& emps) {
  DelMark += "D";
  if (mark != TTrashMark::Global) return;
  for (auto& emp : emps) {
    const int c = FindEntry(emp->Entries, ReasonID, TEntryKind::Global, EntryDate);
    if (c != -1) emp->Entries.erase(emp->Entries.begin() + c);
  }
}

void Restore(TEntryList& list, TEmpList& emps, TEntryKind listKind, int index,
             const TReasonList& reasons) {
  auto& entry = *list[static_cast<std::size_t>(index)];
  const int live = FindEntry(list, entry.ReasonID, entry.Kind, entry.EntryDate);
  if (live == -1) {
    entry.DelMark.clear();
    if (listKind == TEntryKind::Global)
      CopyToEmployees(emps, TReasonKeys(reasons), entry.ReasonID, entry.EntryDate, entry.Hours);
    return;
  }
  auto& twin = *list[static_cast<std::size_t>(live)];
  if (!MergedHoursFit(twin.Hours, entry.Hours) || KeepsApart(list, live))
    throw EHoursRangeError(kHoursDoNotFit);
  twin.Update(twin.ReasonID, emps, twin.Hours + entry.Hours, twin.EntryDate);
  list.erase(list.begin() + index);
}

void EntriesOnDate(TEntryList& result, const TEntryList* source, TDate d) {
  // The result owns its copies; those of an earlier call are destroyed here.
  result.clear();
  if (!source) return;
  for (std::size_t i = FirstOnOrAfter(*source, d); i < source->size(); ++i) {
    const auto& e = *(*source)[i];
    if (e.EntryDate != d) break;
    if (!e.IsLive() || e.IsExclusion()) continue;
    result.push_back(MakeEntry(e.ReasonID, e.EntryDate, e.Hours, e.Kind));
  }
}

void SortEntries(TEntryList& list, const TReasonList& reasons, TEntryOrder order) {
  const TReasonKeys keys(reasons);
  const bool byDate = order == TEntryOrder::ByDate;
  SortIndexed(
      static_cast<int64_t>(list.size()),
      [&](int64_t i, int64_t j) {
        return CompareEntries(*list[i - 1], *list[j - 1], keys, byDate);
      },
      [&](int64_t i, int64_t j) { std::swap(list[i - 1], list[j - 1]); });
}

void FreeEntries(TEntryList& list) {
  list.clear();
}

void AddGlobalRecords(TEntryList& globals, TEmpList& emps, const TReasonKeys& keys,
                      const std::vector<TGlobalRecord>& records, const std::string& source,
                      TWarnings& warnings) {
  // The first live global entry of each day and reason, as a search of the day would find it,
  // and whether the day keeps global entries apart.
  struct TFirst {
    TAbsenceRecClass* entry;
    bool apart;
  };
  std::unordered_map<TDayReason, TFirst, TDayReasonHash> first;
  for (const auto& g : globals)
    if (g->Kind == TEntryKind::Global && g->IsLive()) {
      const auto [it, made] =
          first.try_emplace({g->EntryDate, g->ReasonID}, TFirst{g.get(), false});
      if (!made) it->second.apart = true;
    }
  TEntryList fresh;  // new global entries, not copied yet; placed with one sort below
  std::unordered_set<const TAbsenceRecClass*> isFresh;
  for (const auto& rec : records) {
    const TDate date = ConvertOldDate(rec.EntryDate);
    const auto it = first.find({date, rec.ReasonID});
    TFirst* found = it == first.end() ? nullptr : &it->second;
    const bool merges = found && MergesInto(found->entry, found->apart, rec.Hours);
    if (found && !merges) warnings.push_back(source + ": " + HoursKeptApart(rec.ReasonID, date));
    if (merges && isFresh.count(found->entry)) {
      // Not copied yet: the copies will carry the merged hours.
      found->entry->Hours = found->entry->Hours + rec.Hours;
      continue;
    }
    if (merges) {
      AddEntryWithKeys(globals, emps, keys, rec.ReasonID, date, rec.Hours, TEntryKind::Global);
      continue;
    }
    fresh.push_back(MakeEntry(rec.ReasonID, date, rec.Hours, TEntryKind::Global));
    isFresh.insert(fresh.back().get());
    if (found)
      found->apart = true;
    else
      first.emplace(TDayReason{date, rec.ReasonID}, TFirst{fresh.back().get(), false});
  }
  if (fresh.empty()) return;
  const auto before = [&](const auto& a, const auto& b) {
    return CompareEntries(*a, *b, keys, true) < 0;
  };
  // Stable, so equal entries keep the order they were read in, as inserting each would.
  std::stable_sort(fresh.begin(), fresh.end(), before);
  std::vector<const TAbsenceRecClass*> added;
  added.reserve(fresh.size());
  for (const auto& g : fresh) added.push_back(g.get());
  TEntryList all;
  all.reserve(globals.size() + fresh.size());
  std::merge(std::make_move_iterator(globals.begin()), std::make_move_iterator(globals.end()),
             std::make_move_iterator(fresh.begin()), std::make_move_iterator(fresh.end()),
             std::back_inserter(all), before);
  globals = std::move(all);
  for (auto& emp : emps) {
    TEntryList copies;
    for (const auto* g : added) {
      if (!emp->IsEmployedOn(g->EntryDate)) continue;
      if (FindEntry(emp->Entries, g->ReasonID, TEntryKind::Exclusion, g->EntryDate) != -1) continue;
      copies.push_back(MakeEntry(g->ReasonID, g->EntryDate, g->Hours, TEntryKind::Global));
    }
    if (copies.empty()) continue;
    TEntryList merged;
    merged.reserve(emp->Entries.size() + copies.size());
    std::merge(
        std::make_move_iterator(emp->Entries.begin()), std::make_move_iterator(emp->Entries.end()),
        std::make_move_iterator(copies.begin()), std::make_move_iterator(copies.end()),
        std::back_inserter(merged),
        [&](const auto& a, const auto& b) { return CompareEntries(*a, *b, keys, true) < 0; });
    emp->Entries = std::move(merged);
  }
}

void TEmpRecClass::AddGlobalEntries(const TEntryList& globals, const TReasonList& reasons) {
  const TReasonKeys keys(reasons);
  TEntryList copies;
  const auto copiedAlready = [&](const TAbsenceRecClass& g) {
    return std::any_of(copies.begin(), copies.end(), [&](const auto& c) {
      return c->EntryDate == g.EntryDate && c->ReasonID == g.ReasonID;
    });
  };
  for (const auto& g : globals) {
    if (!g->IsLive() || !IsEmployedOn(g->EntryDate) || copiedAlready(*g)) continue;
    bool blocked = false;
    for (std::size_t i = FirstOnOrAfter(Entries, g->EntryDate);
         i < Entries.size() && Entries[i]->EntryDate == g->EntryDate; ++i) {
      const auto& e = *Entries[i];
      if (e.ReasonID == g->ReasonID && !e.ReasonDeleted &&
          (e.Kind == TEntryKind::Global || e.Kind == TEntryKind::Exclusion)) {
        blocked = true;
        break;
      }
    }
    if (!blocked)
      copies.push_back(MakeEntry(g->ReasonID, g->EntryDate, g->Hours, TEntryKind::Global));
  }
  for (auto& c : copies) InsertSorted(Entries, std::move(c), keys);
}

}  // namespace absence
