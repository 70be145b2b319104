// absence-cli history end to end: the CLI's own import, restore and save are recorded with the
// time and the user, and the filters choose among them.
#include <nlohmann/json.hpp>

#include <fstream>

#include "cli_runner.h"
#include "data/folder_lock.h"
#include "data/journal.h"
#include "data_test_support.h"
#include "dates/date_text.h"
#include "dates/dates.h"

namespace absence {
namespace {

using test::RunCli;

nlohmann::json History(const std::string& dir, const std::string& filters = "") {
  const auto run = RunCli(dir + " history --json" + filters);
  EXPECT_EQ(run.Status, 0) << filters;
  return nlohmann::json::parse(run.Out, nullptr, false);
}

TEST(CliHistory, ImportRestoreAndSaveAreRecordedWithTimeAndUser) {
  test::TTempFolder a, b;
  TDataSet data = test::MakeSampleDataSet();
  SaveDataSet(data, a.Folder());
  // The same organisation with two more days of Vacation for employee 1, exported for an import.
  const TDate day = EncodeDate(2025, 3, 3);
  for (const TDate d : {day, day + 1})
    AddEntry(data.EmpList[0]->Entries, data.EmpList, data.ReasonList, 1, d, 8, TEntryKind::Own);
  const std::string who = data.EmpList[0]->FullName();
  const int32_t empID = data.EmpList[0]->EmpID;
  SaveDataSet(data, b.Folder());
  const std::string file = b.File("new.txt");
  ASSERT_EQ(RunCli("--data " + b.Folder() + " export absences " + file +
                   " --format comma --from 2025-03-01 --to 2025-03-31")
                .Status,
            0);
  const std::string dir = "--data " + a.Folder();
  EXPECT_EQ(History(dir), nlohmann::json::array());  // no history yet, and no problem

  const int64_t before = JournalNow() - 1000;
  ASSERT_EQ(RunCli(dir + " import absences " + file + " --format comma --mode add").Status, 0);
  const nlohmann::json imported = History(dir);
  ASSERT_EQ(imported.size(), 1u);
  const nlohmann::json& r = imported[0];
  EXPECT_EQ(r["kind"], "import");
  EXPECT_EQ(r["user"], TLockEnvironment::Real().UserName());
  const auto time = ParseJournalTime(r["time"].get<std::string>());
  ASSERT_TRUE(time);
  EXPECT_GE(*time, before);
  EXPECT_LE(*time, JournalNow());
  const nlohmann::json expectedValues = {
      {{"what", "Vacation 2025-03-03"}, {"before", nullptr}, {"after", "8"}},
      {{"what", "Vacation 2025-03-04"}, {"before", nullptr}, {"after", "8"}}};
  EXPECT_EQ(r["values"], expectedValues);
  EXPECT_EQ(r["records"][0]["name"], who);
  EXPECT_EQ(r["records"][0]["id"], empID);

  ASSERT_EQ(RunCli(dir + " backup " + b.File("copy.abk")).Status, 0);
  ASSERT_EQ(RunCli(dir + " restore " + b.File("copy.abk")).Status, 0);
  ASSERT_EQ(RunCli(dir + " save").Status, 0);
  const nlohmann::json all = History(dir);
  ASSERT_EQ(all.size(), 3u);
  EXPECT_EQ(all[0]["kind"], "save");  // newest first
  EXPECT_EQ(all[1]["kind"], "restore");
  EXPECT_EQ(all[2]["kind"], "import");
  // A restore of the data as it is changes no value.
  EXPECT_EQ(all[1]["values"], nlohmann::json::array());

  const std::string today = FormatDate(JournalDay(JournalNow()), "yyyy-mm-dd");
  const std::string tomorrow = FormatDate(JournalDay(JournalNow()) + 1, "yyyy-mm-dd");
  const struct {
    std::string filters;
    std::size_t count;
  } cases[] = {
      {" --emp " + std::to_string(empID), 1},
      {" --emp 999", 0},
      {" --reason 1", 1},
      {" --reason 2", 0},
      {" --kind restore", 1},
      {" --from " + today + " --to " + today, 3},
      {" --from " + tomorrow, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(History(dir, c.filters).size(), c.count) << c.filters;

  // The text form: a line per change, its values indented beneath.
  const auto text = RunCli(dir + " history --kind import");
  EXPECT_NE(text.Out.find("\timport\tImport absences from "), std::string::npos) << text.Out;
  EXPECT_NE(text.Out.find("\n\tVacation 2025-03-03: (none) -> \"8\"\n"), std::string::npos);

  // A torn last line is skipped and reported; the rest still reads.
  std::ofstream(JournalPath(a.Folder()), std::ios::app) << "{\"time\":\"2026";
  const auto torn = RunCli(dir + " history --json", true);
  EXPECT_EQ(torn.Status, 0);
  EXPECT_NE(torn.Out.find("never written to the end"), std::string::npos);
  EXPECT_EQ(RunCli(dir + " history --from 2026-02-01 --to 2026-01-01").Status, 2);
}

}  // namespace
}  // namespace absence
