// Entries read from a file merge as AddEntry would merge them one after the other, whatever
// order the file lists its days in and however many entries share a day.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>
#include <vector>

#include "data/entry_order.h"
#include "data/records.h"

namespace absence {
namespace {

struct TItem {
  int32_t Reason;
  TDate Date;
  float Hours;  // negative: an exclusion
};

using TRow = std::tuple<TDate, int32_t, char, float>;

std::vector<TRow> Rows(const TEntryList& list) {
  std::vector<TRow> rows;
  for (const auto& e : list)
    rows.emplace_back(e->EntryDate, e->ReasonID, static_cast<char>(e->Kind), e->Hours);
  return rows;
}

TEntryKind KindOf(const TItem& i) {
  return i.Hours >= 0 ? TEntryKind::Own : TEntryKind::Exclusion;
}

// The model: AddEntry for each item in turn.
std::vector<TRow> AddedOneByOne(const std::vector<TItem>& items, const TReasonList& reasons) {
  TEntryList list;
  TEmpList noEmps;
  for (const auto& i : items) AddEntry(list, noEmps, reasons, i.Reason, i.Date, i.Hours, KindOf(i));
  return Rows(list);
}

std::vector<TRow> Read(const std::vector<TItem>& items, const TReasonList& reasons) {
  TReadEntries read;
  TWarnings warnings;
  for (const auto& i : items) read.Add(i.Reason, i.Date, i.Hours, KindOf(i), "", warnings);
  TEntryList list;
  read.MoveInto(list, TReasonKeys(reasons));
  EXPECT_TRUE(warnings.empty());
  return Rows(list);
}

TEST(ReadEntries, MergeAsAddEntryInEveryOrderAndDayLength) {
  TReasonList reasons;
  // Twelve reasons, so that a day can hold more entries than are searched one by one; some share
  // a description, so their entries sort by kind, then by arrival.
  for (const char* d : {"Vacation", "Sick", "Sick", "Jury", "Training", "Leave", "Leave", "Unpaid",
                        "Study", "Moving", "Union", "Blood"})
    AddReason(reasons, d, true, false, TBasis::None, TValidate::None);
  std::mt19937 rng(7);
  struct TCase {
    const char* name;
    int days;
    int items;
    bool sorted;
  };
  const TCase cases[] = {
      {"in date order, few per day", 40, 120, true},
      {"shuffled, few per day", 40, 120, false},
      {"in date order, crowded days", 3, 200, true},
      {"shuffled, crowded days", 3, 200, false},
      {"one day", 1, 60, true},
  };
  for (const TCase& c : cases) {
    for (int round = 0; round < 20; ++round) {
      std::vector<TItem> items;
      for (int k = 0; k < c.items; ++k) {
        const float hours = std::uniform_int_distribution<int>(0, 3)(rng) == 0
                                ? -1.0f
                                : static_cast<float>(std::uniform_int_distribution<int>(1, 8)(rng));
        items.push_back({std::uniform_int_distribution<int32_t>(1, 12)(rng),
                         45000.0 + std::uniform_int_distribution<int>(0, c.days - 1)(rng), hours});
      }
      if (c.sorted)
        std::stable_sort(items.begin(), items.end(),
                         [](const TItem& a, const TItem& b) { return a.Date < b.Date; });
      if (round % 2 && c.sorted && c.days > 1) {
        // A file in order but for one day out of place at its end.
        items.push_back({1, 45000.0, 2});
        items.push_back({1, 45000.0 + c.days - 1, 2});
      }
      EXPECT_EQ(Read(items, reasons), AddedOneByOne(items, reasons))
          << c.name << ", round " << round;
    }
  }
}

}  // namespace
}  // namespace absence
