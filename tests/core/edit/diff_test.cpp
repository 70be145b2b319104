// Comparing data sets as they are saved: a folder against its own backup, and one change of each
// record kind made through the change layer, read back from a folder on one side and a backup
// file on the other.
#include <gtest/gtest.h>

#include <functional>
#include <nlohmann/json.hpp>

#include "data/backup.h"
#include "data/data_test_support.h"
#include "edit/changes.h"
#include "edit/diff.h"

namespace absence::edit {
namespace {

using test::k2024Jan1;
using test::k2024Jul1;

TDataSet Read(const std::string& path) {
  TWarnings warnings;
  TDataSet data = ReadDataSetOrBackup(path, warnings);
  EXPECT_TRUE(warnings.empty()) << path << ": " << *warnings.begin();
  return data;
}

// Trash of every kind: none of it is saved, so none of it may count as a difference.
TDataSet SampleWithTrash() {
  TDataSet d = test::MakeSampleDataSet();
  TAccrualList balances;
  SetAccrual(balances, 1, 10.5f, k2024Jan1);
  SetAccrual(balances, 2, 3, k2024Jan1);
  const std::vector<TChangePtr> trash = [] {
    std::vector<TChangePtr> v;
    v.push_back(std::make_unique<TTrashEntry>(1, 1, TEntryKind::Own, k2024Jan1));
    v.push_back(std::make_unique<TTrashEntry>(2, 2, TEntryKind::Global, k2024Jan1 + 30));
    v.push_back(std::make_unique<TTrashRecords>(TRecordKind::Employee, std::vector<int32_t>{3}));
    v.push_back(std::make_unique<TAddDept>(TDeptFields{"Temp", "T", true, 0}));
    v.push_back(std::make_unique<TTrashRecords>(TRecordKind::Dept, std::vector<int32_t>{3}));
    return v;
  }();
  for (const auto& c : trash) c->Apply(d);
  return d;
}

TEST(DiffTest, AFolderAgainstItsOwnBackupIsAlike) {
  struct TCase {
    const char* Name;
    std::function<TDataSet()> Make;
  };
  const std::vector<TCase> cases = {
      {"sample", test::MakeSampleDataSet},
      {"sample with trash", SampleWithTrash},
      {"random", [] { return test::MakeRandomDataSet(11, 40); }},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    test::TTempFolder tmp;
    TDataSet data = c.Make();
    BackupData(data, tmp.File("backup.abk"));
    // The data set in memory, trash and all, is alike to what its save leaves.
    TDataSet saved = c.Make();
    SaveDataSet(saved, tmp.Folder());
    const TDataSet folder = Read(tmp.Folder());
    const TDataSet backup = Read(tmp.File("backup.abk"));
    EXPECT_EQ(DiffText(DiffDataSets(folder, backup)), "");
    EXPECT_EQ(DiffText(DiffDataSets(backup, folder)), "");
    EXPECT_EQ(DiffText(DiffDataSets(data, folder)), "");
    EXPECT_EQ(DiffJson(DiffDataSets(folder, backup)), "[]\n");
  }
}

TAccrualList Balances(std::initializer_list<std::tuple<int32_t, float, TDate>> rows) {
  TAccrualList list;
  for (const auto& [reason, hours, asOf] : rows) SetAccrual(list, reason, hours, asOf);
  return list;
}

// The sample: Vacation (1, policy) and Sick (2); Sales (1, managed by 1) and Accounts (2);
// Smith, Anna (1, Sales), Jones, Bob (2, Accounts), Brown, Cy (3, Sales) with a balance of
// Vacation each and own entries; global Sick on 2024-01-31 and Vacation on 2024-07-01.
TEST(DiffTest, OneChangeListsExactlyThatChange) {
  struct TCase {
    const char* Name;
    std::function<TChangePtr()> Make;
    const char* Listed;
  };
  const std::vector<TCase> cases = {
      {"employee renamed",
       [] {
         return std::make_unique<TEditEmployee>(
             2, TEmpFields{"Jones", "Robert", "SSN1", 'F', 2, k2024Jan1 - 400, 0}, false);
       },
       "~ employee 2 \"Jones, Robert\"\n"
       "    FirstName: \"Bob\" \u2192 \"Robert\"\n"},
      {"employee added, with a balance (the copies of global entries are not listed)",
       [] {
         return std::make_unique<TAddEmployee>(
             TEmpFields{"Adams", "Zoe", "S-9", 'P', 2, k2024Jan1 - 10, k2024Jul1 + 30},
             Balances({{1, 12.5f, k2024Jan1}}), false);
       },
       "+ employee 4 \"Adams, Zoe\"\n"
       "    LastName: \"Adams\"\n"
       "    FirstName: \"Zoe\"\n"
       "    SSN: \"S-9\"\n"
       "    StartDate: 2023-12-22\n"
       "    TermDate: 2024-07-31\n"
       "    DeptID: 2 \"Accounts\"\n"
       "    EmpType: P\n"
       "+ balance of employee 4 \"Adams, Zoe\", reason 1 \"Vacation\"\n"
       "    Hours: 12.5\n"
       "    AsOfDate: 2024-01-01\n"},
      {"employee trashed: the record, its balance and its entries",
       [] {
         return std::make_unique<TTrashRecords>(TRecordKind::Employee, std::vector<int32_t>{3});
       },
       "- employee 3 \"Brown, Cy\"\n"
       "    LastName: \"Brown\"\n"
       "    FirstName: \"Cy\"\n"
       "    SSN: \"SSN2\"\n"
       "    StartDate: 2022-11-27\n"
       "    TermDate: 2024-04-10\n"
       "    DeptID: 1 \"Sales\"\n"
       "    EmpType: F\n"
       "- balance of employee 3 \"Brown, Cy\", reason 1 \"Vacation\"\n"
       "    Hours: 10.5\n"
       "    AsOfDate: 2024-01-01\n"
       "- entry of employee 3 \"Brown, Cy\", reason 1 \"Vacation\", 2024-01-03\n"
       "    Hours: 8\n"
       "- entry of employee 3 \"Brown, Cy\", reason 2 \"Sick\", 2024-01-13\n"
       "    Hours: 8\n"
       "- entry of employee 3 \"Brown, Cy\", reason 1 \"Vacation\", 2024-01-23\n"
       "    Hours: 8\n"
       "- entry of employee 3 \"Brown, Cy\", reason 2 \"Sick\", 2024-02-02\n"
       "    Hours: 8\n"},
      {"balances changed and added",
       [] {
         return std::make_unique<TSetBalances>(
             2, Balances({{1, 3.f, k2024Jan1}, {2, 1.f, k2024Jul1}}));
       },
       "~ balance of employee 2 \"Jones, Bob\", reason 1 \"Vacation\"\n"
       "    Hours: 10.5 \u2192 3\n"
       "+ balance of employee 2 \"Jones, Bob\", reason 2 \"Sick\"\n"
       "    Hours: 1\n"
       "    AsOfDate: 2024-07-01\n"},
      {"hours merged into an entry",
       [] {
         return std::make_unique<TAddEntries>(1, 1, std::vector<TDate>{k2024Jan1}, 2.25f,
                                              TEntryKind::Own);
       },
       "~ entry of employee 1 \"Smith, Anna\", reason 1 \"Vacation\", 2024-01-01\n"
       "    Hours: 8 \u2192 10.25\n"},
      {"entry moved: gone from one day, there on another",
       [] {
         return std::make_unique<TEditEntries>(
             1, std::vector<TEntryEdit>{{1, TEntryKind::Own, k2024Jan1, 1, 8.f, k2024Jan1 + 2}});
       },
       "- entry of employee 1 \"Smith, Anna\", reason 1 \"Vacation\", 2024-01-01\n"
       "    Hours: 8\n"
       "+ entry of employee 1 \"Smith, Anna\", reason 1 \"Vacation\", 2024-01-03\n"
       "    Hours: 8\n"},
      {"one employee's copy of a global entry trashed: an exclusion",
       [] { return std::make_unique<TTrashEntry>(2, 2, TEntryKind::Global, k2024Jan1 + 30); },
       "+ exclusion of employee 2 \"Jones, Bob\", reason 2 \"Sick\", 2024-01-31\n"},
      {"global entry added",
       [] {
         return std::make_unique<TAddEntries>(kGlobalList, 2, std::vector<TDate>{k2024Jan1 + 7},
                                              4.f, TEntryKind::Global);
       },
       "+ global entry of reason 2 \"Sick\", 2024-01-08\n"
       "    Hours: 4\n"},
      {"reason renamed: its entries keep their identity",
       [] {
         return std::make_unique<TEditReason>(2, TReasonFields{"Illness", false, false});
       },
       "~ reason 2 \"Illness\"\n"
       "    Description: \"Sick\" \u2192 \"Illness\"\n"
       "    Active: yes \u2192 no\n"},
      {"policy ladder",
       [] {
         TRuleList rules;
         AddRule(rules, 0, 24, 40, 8);
         AddRule(rules, 24, kMaxRuleMonths, 80.5f, 16);
         return std::make_unique<TSetRules>(1, rules);
       },
       "~ reason 1 \"Vacation\"\n"
       "    Rules: 0-12 months: 80 h, carry-over 0; 12-960 months: 120 h, carry-over 40"
       " \u2192 0-24 months: 40 h, carry-over 8; 24-960 months: 80.5 h, carry-over 16\n"},
      {"department added",
       [] {
         return std::make_unique<TAddDept>(TDeptFields{"Admin \"HQ\"", "AD", true, 2});
       },
       "+ department 3 \"Admin \\\"HQ\\\"\"\n"
       "    DeptName: \"Admin \\\"HQ\\\"\"\n"
       "    DeptCode: \"AD\"\n"
       "    Active: yes\n"
       "    ManagerID: 2 \"Jones, Bob\"\n"},
      {"department changed",
       [] {
         return std::make_unique<TEditDept>(1, TDeptFields{"Sales", "S2", false, 3});
       },
       "~ department 1 \"Sales\"\n"
       "    DeptCode: \"S1\" \u2192 \"S2\"\n"
       "    Active: yes \u2192 no\n"
       "    ManagerID: 1 \"Smith, Anna\" \u2192 3 \"Brown, Cy\"\n"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    test::TTempFolder tmp;
    TDataSet data = test::MakeSampleDataSet();
    SaveDataSet(data, tmp.Folder(), false);
    TChangePtr change = c.Make();
    change->Apply(data);
    BackupData(data, tmp.File("after.abk"));
    const TDataSet before = Read(tmp.Folder());
    const TDataSet after = Read(tmp.File("after.abk"));

    const auto diffs = DiffDataSets(before, after);
    EXPECT_EQ(DiffText(diffs), c.Listed);
    // The other way round, each record is listed with the opposite change.
    const auto back = DiffDataSets(after, before);
    ASSERT_EQ(back.size(), diffs.size());
    for (std::size_t i = 0; i < diffs.size(); ++i) {
      EXPECT_EQ(back[i].Record, diffs[i].Record);
      EXPECT_EQ(back[i].Change, diffs[i].Change == TDiffChange::Added     ? TDiffChange::Removed
                                : diffs[i].Change == TDiffChange::Removed ? TDiffChange::Added
                                                                          : TDiffChange::Changed);
    }
    // The JSON form holds the same records and fields.
    const auto json = nlohmann::json::parse(DiffJson(diffs));
    ASSERT_EQ(json.size(), diffs.size());
    for (std::size_t i = 0; i < diffs.size(); ++i)
      EXPECT_EQ(json[i]["fields"].size(), diffs[i].Fields.size());
  }
}

TEST(DiffTest, JsonNamesRecordsAndSidesForScripts) {
  test::TTempFolder tmp;
  TDataSet data = test::MakeSampleDataSet();
  const TDataSet before = test::MakeSampleDataSet();
  TEditEntries(1, {{1, TEntryKind::Own, k2024Jan1, 1, 6.f, k2024Jan1}}).Apply(data);
  TTrashEntry(kGlobalList, 1, TEntryKind::Global, k2024Jul1).Apply(data);
  const auto json = nlohmann::json::parse(DiffJson(DiffDataSets(before, data)));
  ASSERT_EQ(json.size(), 2u);
  EXPECT_EQ(json[0], nlohmann::json::parse(R"({"change":"changed","record":"entry",
      "employee":{"id":1,"name":"Smith, Anna"},"reason":{"id":1,"name":"Vacation"},
      "date":"2024-01-01","fields":[{"field":"Hours","before":"8","after":"6"}]})"));
  EXPECT_EQ(json[1], nlohmann::json::parse(R"({"change":"removed","record":"global entry",
      "reason":{"id":1,"name":"Vacation"},"date":"2024-07-01",
      "fields":[{"field":"Hours","before":"4","after":null}]})"));
}

TEST(DiffTest, ReadingRefusesWhatIsNeitherAndWritesNothing) {
  test::TTempFolder tmp;
  test::WriteBytes(tmp.File("notes.txt"), TBytes{'h', 'e', 'l', 'l', 'o', '\n'});
  TWarnings warnings;
  EXPECT_THROW(ReadDataSetOrBackup(tmp.File("missing"), warnings), EDataFileError);
  EXPECT_THROW(ReadDataSetOrBackup(tmp.File("notes.txt"), warnings), ENotABackupError);
  // A folder without data files reads as empty and says so; nothing is created in it.
  std::filesystem::create_directories(tmp.File("empty"));
  const TDataSet empty = ReadDataSetOrBackup(tmp.File("empty"), warnings);
  EXPECT_TRUE(empty.Empty());
  EXPECT_EQ(warnings.size(), 4u);
  EXPECT_TRUE(std::filesystem::is_empty(tmp.File("empty")));
}

}  // namespace
}  // namespace absence::edit
