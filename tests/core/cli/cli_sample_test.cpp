// absence-cli sample: the demo organisation it writes, its sameness for a fixed day, and the
// folders it refuses.
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "cli_runner.h"
#include "data/sample.h"
#include "data_test_support.h"
#include "dates/dates.h"

namespace absence {
namespace {

using test::RunCli;

const std::string kToday = "2026-06-15";
const TDate kTodayDate = EncodeDate(2026, 6, 15);

std::map<std::string, std::string> CheckCounts(const std::string& folder) {
  const auto run = RunCli("--data " + folder + " check");
  EXPECT_EQ(run.Status, 0);
  std::map<std::string, std::string> counts;
  std::istringstream in(run.Out);
  std::string line;
  while (std::getline(in, line)) {
    const auto tab = line.find('\t');
    if (tab != std::string::npos) counts[line.substr(0, tab)] = line.substr(tab + 1);
  }
  return counts;
}

TDataSet Load(const std::string& folder) {
  TDataSet data;
  TWarnings warnings;
  LoadDataSet(data, folder, &warnings);
  EXPECT_TRUE(warnings.empty()) << warnings.front();
  return data;
}

const TReasonRecClass& ReasonNamed(const TDataSet& d, const std::string& name) {
  const int i = FindReason(d.ReasonList, 0, name);
  EXPECT_GE(i, 0) << name;
  return *d.ReasonList.at(static_cast<std::size_t>(std::max(i, 0)));
}

TEST(CliSample, WritesTheDemoOrganisation) {
  test::TTempFolder tmp;
  const std::string dir = tmp.File("demo");
  const auto run = RunCli("sample " + dir + " --today " + kToday);
  ASSERT_EQ(run.Status, 0);
  EXPECT_NE(run.Out.find("absence --data " + dir), std::string::npos) << run.Out;

  const auto counts = CheckCounts(dir);
  const std::pair<const char*, const char*> expected[] = {
      {"reasons", "6"},    {"employees", "25"}, {"departments", "4"},
      {"exclusions", "1"}, {"globals", "30"},   {"rules", "5"},
  };
  for (const auto& [key, value] : expected) EXPECT_EQ(counts.at(key), value) << key;
  // About two weeks a year for each of the 25 over three years.
  EXPECT_GT(std::stoi(counts.at("entries")), 25 * 3 * 10);
}

TEST(CliSample, ReasonsDepartmentsAndEmployees) {
  test::TTempFolder tmp;
  WriteSampleOrganisation(tmp.Folder(), kTodayDate);
  const TDataSet d = Load(tmp.Folder());

  struct ReasonCase {
    std::string name;
    bool active;
    TBasis basis;
    std::size_t rules;
  } reasons[] = {
      {"Vacation", true, TBasis::Anniversary, 3}, {"Sick Leave", true, TBasis::Calendar, 1},
      {"Personal", true, TBasis::UserYear, 1},    {"Holiday", true, TBasis::None, 0},
      {"Jury Duty", true, TBasis::None, 0},       {"Training", false, TBasis::None, 0},
  };
  for (const auto& c : reasons) {
    const TReasonRecClass& r = ReasonNamed(d, c.name);
    EXPECT_EQ(r.Active, c.active) << c.name;
    EXPECT_EQ(r.Basis, c.basis) << c.name;
    EXPECT_EQ(r.HasPolicy, c.rules > 0) << c.name;
    if (c.rules > 0) {
      EXPECT_EQ(r.Rules.size(), c.rules) << c.name;
    }
  }
  // The vacation tiers follow each other without a gap.
  const TRuleList& tiers = ReasonNamed(d, "Vacation").Rules;
  for (std::size_t i = 1; i < tiers.size(); ++i)
    EXPECT_EQ(tiers[i]->StartMonth, tiers[i - 1]->EndMonth);

  // Every department is led by one of its own, still employed.
  for (const auto& dept : d.DeptList) {
    const int m = FindEmp(d.EmpList, dept->ManagerID, std::string());
    ASSERT_GE(m, 0) << dept->DeptName;
    EXPECT_EQ(d.EmpList[static_cast<std::size_t>(m)]->DeptID, dept->DeptID) << dept->DeptName;
    EXPECT_EQ(d.EmpList[static_cast<std::size_t>(m)]->TermDate, 0) << dept->DeptName;
  }

  int terminated = 0;
  TDate earliest = kTodayDate;
  for (const auto& e : d.EmpList) {
    if (e->TermDate > 0) {
      ++terminated;
      EXPECT_LT(e->TermDate, kTodayDate) << e->FullName();
    }
    earliest = std::min(earliest, e->StartDate);
  }
  EXPECT_EQ(terminated, 2);
  EXPECT_GE(YearDiff(earliest, kTodayDate), 14);
}

// Own entries lie on working days of the employment within the three years up to the day,
// cover each of those years, and never fall on a holiday.
TEST(CliSample, EntriesLieWhereTheyCan) {
  test::TTempFolder tmp;
  WriteSampleOrganisation(tmp.Folder(), kTodayDate);
  const TDataSet d = Load(tmp.Folder());
  std::set<TDate> holidays;
  for (const auto& g : d.GlobalList) holidays.insert(g->EntryDate);
  const int32_t training = ReasonNamed(d, "Training").ReasonID;
  std::set<int> years;
  int trainingEntries = 0;
  for (const auto& e : d.EmpList)
    for (const auto& x : e->Entries) {
      if (x->Kind != TEntryKind::Own) continue;
      const TDate day = x->EntryDate;
      EXPECT_TRUE(e->IsEmployedOn(day)) << e->FullName() << ' ' << day;
      EXPECT_GE(day, AddYears(-3, kTodayDate));
      EXPECT_LE(day, kTodayDate);
      const int weekday = static_cast<int>(day + 6) % 7;  // 0 = Sunday
      EXPECT_TRUE(weekday != 0 && weekday != 6) << e->FullName() << ' ' << day;
      EXPECT_EQ(holidays.count(day), 0u) << e->FullName() << ' ' << day;
      years.insert(Year(day));
      if (x->ReasonID == training) ++trainingEntries;
    }
  EXPECT_EQ(years, (std::set<int>{2023, 2024, 2025, 2026}));
  EXPECT_GT(trainingEntries, 0) << "the inactive reason still has old entries";
}

// Everyone employed on a holiday has it, except the one employee excluded from one of them.
TEST(CliSample, HolidaysReachEveryoneButTheExcluded) {
  test::TTempFolder tmp;
  WriteSampleOrganisation(tmp.Folder(), kTodayDate);
  const TDataSet d = Load(tmp.Folder());
  int missing = 0;
  for (const auto& g : d.GlobalList)
    for (const auto& e : d.EmpList) {
      if (!e->IsEmployedOn(g->EntryDate)) continue;
      if (FindEntry(e->Entries, g->ReasonID, TEntryKind::Global, g->EntryDate) >= 0) continue;
      ++missing;
      EXPECT_GE(FindEntry(e->Entries, g->ReasonID, TEntryKind::Exclusion, g->EntryDate), 0);
    }
  EXPECT_EQ(missing, 1);
}

TEST(CliSample, SameDaySameFiles) {
  test::TTempFolder a, b, c;
  ASSERT_EQ(RunCli("sample " + a.Folder() + " --today " + kToday).Status, 0);
  ASSERT_EQ(RunCli("sample " + b.Folder() + " --today " + kToday).Status, 0);
  ASSERT_EQ(RunCli("sample " + c.Folder() + " --today 2026-06-22").Status, 0);
  for (const char* f : {kReasonFile, kEmpFile, kGlobalsFile, kDeptFile})
    EXPECT_EQ(ReadWholeFile(a.File(f)), ReadWholeFile(b.File(f))) << f;
  EXPECT_NE(ReadWholeFile(a.File(kEmpFile)), ReadWholeFile(c.File(kEmpFile)));
}

// The balances of the accruing reasons stay within what a year's policy can give.
TEST(CliSample, BalancesAreSane) {
  test::TTempFolder tmp;
  WriteSampleOrganisation(tmp.Folder(), kTodayDate);
  const auto run = RunCli("--data " + tmp.Folder() + " balances " + kToday);
  ASSERT_EQ(run.Status, 0);
  std::istringstream in(run.Out);
  std::string line;
  int shown = 0;
  while (std::getline(in, line)) {
    std::vector<std::string> f;
    std::istringstream fields(line);
    for (std::string s; std::getline(fields, s, '\t');) f.push_back(s);
    f.resize(6);
    if (f[5].empty()) continue;
    ++shown;
    const double balance = std::stod(f[5]);
    EXPECT_GE(balance, -40) << line;
    EXPECT_LE(balance, 320) << line;
  }
  EXPECT_GT(shown, 60);
}

TEST(CliSample, RefusesAFolderWithData) {
  struct Case {
    const char* file;
  } cases[] = {{kReasonFile}, {kEmpFile}, {kGlobalsFile}, {kDeptFile}, {"~absence-save~commit"}};
  for (const auto& c : cases) {
    test::TTempFolder tmp;
    { std::ofstream(tmp.File(c.file)) << "keep"; }
    const auto run = RunCli("sample " + tmp.Folder() + " --today " + kToday);
    EXPECT_EQ(run.Status, 1) << c.file;
    EXPECT_EQ(ReadWholeFile(tmp.File(c.file)), (TBytes{'k', 'e', 'e', 'p'})) << c.file;
    EXPECT_EQ(DataFilesIn(tmp.Folder()).size(), 1u) << c.file;
    EXPECT_THROW(WriteSampleOrganisation(tmp.Folder(), kTodayDate), ESampleFolderError);
  }
  // A folder with other files is fine; a place that cannot be a folder is a data error.
  test::TTempFolder tmp;
  { std::ofstream(tmp.File("notes.txt")) << "x"; }
  EXPECT_EQ(RunCli("sample " + tmp.Folder() + " --today " + kToday).Status, 0);
  EXPECT_EQ(RunCli("sample " + tmp.File("notes.txt") + "/demo --today " + kToday).Status, 1);
  EXPECT_EQ(RunCli("sample " + tmp.File("x") + " --today 2026-02-30").Status, 2);
}

}  // namespace
}  // namespace absence
