// Entries read from a file merge as AddEntry would merge them one after the other, whatever
// order the file lists its days in and however many entries share a day.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>
#include <vector>

#include "data/datafiles.h"
#include "data/entry_order.h"
#include "data/records.h"
#include "data_test_support.h"

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

// An own entry and an exclusion of one reason and day are kept apart in whatever order the file
// lists them, whatever the exclusion's hours; the file a save writes then reads back as itself.
TEST(ReadEntries, OwnEntryAndExclusionOfOneDayStayApartThroughSaves) {
  constexpr TDate kDay = 45300;
  struct TCase {
    const char* name;
    std::vector<float> hours;  // items of reason 1 on kDay, in file order
    float own;                 // the own entry's hours after reading; 0: none
    bool excluded;
  };
  const TCase cases[] = {
      {"own entry, then exclusion", {4, -1}, 4, true},
      {"exclusion, then own entry", {-1, 4}, 4, true},
      {"exclusion larger than the entry", {4, -6}, 4, true},
      {"own entries merge, exclusions do not add up", {-1, 2, -1, 3}, 5, true},
      {"an exclusion's hours are -1 whatever the file held", {-0.5f}, 0, true},
  };
  TReasonList reasons;
  AddReason(reasons, "Holiday", true, false, TBasis::None, TValidate::None, 1);
  TEntryList globals;
  TEmpList none;
  AddEntry(globals, none, reasons, 1, kDay, 8, TEntryKind::Global);
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    TBytes file;
    test::Append(file,
                 test::TRaw(99).U8(0, '1').I32(2, 1).Str(6, "A").F64(74, kDay - 10).U8(90, 'F'));
    test::TRaw items(99);
    items.U8(0, '3').U8(2, static_cast<uint8_t>(c.hours.size()));
    for (std::size_t i = 0; i < c.hours.size(); ++i)
      items.F64(3 + 16 * i, kDay).I32(11 + 16 * i, 1).F32(15 + 16 * i, c.hours[i]);
    test::Append(file, items);

    TEmpList emps;
    TWarnings warnings;
    ParseEmps(emps, reasons, file, "emp.dat", warnings);
    EXPECT_TRUE(warnings.empty());
    ASSERT_EQ(emps.size(), 1u);
    const TEntryList& list = emps[0]->Entries;
    const int own = FindEntry(list, 1, TEntryKind::Own, kDay);
    EXPECT_EQ(own == -1 ? 0.0f : list[static_cast<std::size_t>(own)]->Hours, c.own);
    const auto exclusions = std::count_if(list.begin(), list.end(), [](const auto& e) {
      return e->Kind == TEntryKind::Exclusion && e->Hours == -1.0f;
    });
    EXPECT_EQ(exclusions, c.excluded ? 1 : 0);
    EXPECT_EQ(list.size(), (c.own != 0 ? 1u : 0u) + (c.excluded ? 1u : 0u));

    const TBytes saved = SerializeEmps(emps, globals);
    TEmpList again;
    ParseEmps(again, reasons, saved, "emp.dat", warnings);
    EXPECT_TRUE(warnings.empty());
    EXPECT_EQ(Rows(again[0]->Entries), Rows(list));
    EXPECT_EQ(SerializeEmps(again, globals), saved);
  }
}

}  // namespace
}  // namespace absence
