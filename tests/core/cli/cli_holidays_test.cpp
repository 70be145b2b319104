// absence-cli holidays end to end: a year from the rules, a calendar file, each run twice, and
// dry runs that leave the data files as they were.
#include <filesystem>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>

#include "cli_runner.h"
#include "data_test_support.h"
#include "dates/dates.h"

namespace absence {
namespace {

using test::RunCli;

std::map<std::string, TBytes> DataFiles(const std::string& folder) {
  std::map<std::string, TBytes> files;
  for (const char* name : {kReasonFile, kEmpFile, kGlobalsFile, kDeptFile})
    files[name] = ReadWholeFile(DataPath(folder, name));
  return files;
}

// The global entries of reason 2 as "YYYY-MM-DD hours", and how many copies employee 1 has.
std::vector<std::string> Globals(const std::string& folder, int* copies) {
  TDataSet d;
  LoadDataSet(d, folder);
  std::vector<std::string> out;
  for (const auto& e : d.GlobalList) {
    if (e->ReasonID != 2 || !e->IsLive()) continue;
    const TYMD ymd = DecodeDate(e->EntryDate);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %g", ymd.Year, ymd.Month, ymd.Day,
                  static_cast<double>(e->Hours));
    out.push_back(text);
  }
  *copies = 0;
  for (const auto& e : d.EmpList[static_cast<std::size_t>(FindEmp(d.EmpList, 1, ""))]->Entries)
    *copies += e->Kind == TEntryKind::Global && e->ReasonID == 2 && e->EntryDate > 47000;
  return out;
}

struct THolidayFolder {
  test::TTempFolder data, other;
  std::string dir;
  THolidayFolder() {
    TDataSet d = test::MakeSampleDataSet();
    // Still employed in 2030, so the holidays reach her.
    d.EmpList[static_cast<std::size_t>(FindEmp(d.EmpList, 1, ""))]->TermDate = 0;
    SaveDataSet(d, data.Folder());
    std::ofstream(other.File("absence.ini")) << "[Initialization]\nDefaultHours=7.50\n";
    dir = "--data " + data.Folder() + " --ini " + other.File("absence.ini") + " ";
  }
};

TEST(CliHolidays, AYearFromTheRulesIsAddedOnce) {
  THolidayFolder f;
  std::ofstream(f.data.File("holidays.txt")) << "# ours\n"
                                                "New Year's Day: 01/01 observed\n"
                                                "Memorial Day: last Monday of May\n"
                                                "Thanksgiving: 4th Thursday of November\n"
                                                "Good Friday: Easter -2\n";
  const auto before = DataFiles(f.data.Folder());
  const auto dry = RunCli(f.dir + "holidays add 2030 --reason 2 --dry-run");
  EXPECT_EQ(dry.Status, 0);
  EXPECT_EQ(dry.Out,
            "would add\t2030-01-01\tNew Year's Day\nwould add\t2030-04-19\tGood Friday\n"
            "would add\t2030-05-27\tMemorial Day\nwould add\t2030-11-28\tThanksgiving\n"
            "dry run: nothing was changed\n");
  EXPECT_EQ(DataFiles(f.data.Folder()), before);

  const auto first = RunCli(f.dir + "holidays add 2030 --reason 2");
  EXPECT_EQ(first.Status, 0);
  EXPECT_EQ(first.Out,
            "added\t2030-01-01\tNew Year's Day\nadded\t2030-04-19\tGood Friday\n"
            "added\t2030-05-27\tMemorial Day\nadded\t2030-11-28\tThanksgiving\n");
  int copies = 0;
  EXPECT_EQ(Globals(f.data.Folder(), &copies),
            (std::vector<std::string>{"2024-01-31 8", "2030-01-01 7.5", "2030-04-19 7.5",
                                      "2030-05-27 7.5", "2030-11-28 7.5"}));
  EXPECT_EQ(copies, 4);
  // The history keeps the year's days as one change, with the global entries it added.
  const auto history = RunCli(f.dir + "history --json");
  ASSERT_EQ(history.Status, 0);
  const auto records = nlohmann::json::parse(history.Out);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0]["kind"], "add-entries");
  EXPECT_EQ(records[0]["values"].size(), 4u) << history.Out;

  const auto saved = DataFiles(f.data.Folder());
  const auto second = RunCli(f.dir + "holidays add 2030 --reason 2 --hours 4");
  EXPECT_EQ(second.Status, 0);
  EXPECT_EQ(second.Out.find("added"), std::string::npos) << second.Out;
  EXPECT_NE(second.Out.find("skipped\t2030-05-27\tMemorial Day\n"), std::string::npos);
  EXPECT_EQ(DataFiles(f.data.Folder()), saved);
}

TEST(CliHolidays, RefusalsChangeNothing) {
  THolidayFolder f;
  std::ofstream(f.other.File("bad.txt")) << "Memorial Day: last Monday of May\nOops\n";
  std::ofstream(f.other.File("ok.txt")) << "Memorial Day: last Monday of May\n";
  std::ofstream(f.other.File("no.ics")) << "not a calendar\n";
  const auto before = DataFiles(f.data.Folder());
  const struct {
    std::string Args;
    int Status;
    const char* Message;
  } cases[] = {
      {"holidays add 2030 --reason 2", 1, "holidays.txt is not in the data folder"},
      {"holidays add 2030 --reason 2 --rules " + f.other.File("bad.txt"), 1, "Line 2: "},
      {"holidays add 2030 --rules " + f.other.File("ok.txt"), 1, "has no absence reason"},
      {"holidays add 2030 --reason 9 --rules " + f.other.File("ok.txt"), 1,
       "There is no absence reason 9."},
      {"holidays add 1066 --reason 2 --rules " + f.other.File("ok.txt"), 2, "YEAR must be"},
      {"holidays import " + f.other.File("no.ics") + " --reason 2", 1, "no iCalendar file"},
      {"holidays import " + f.other.File("no.ics") + " --reason 2 --years 2030-2029", 2,
       "--years must lie"},
  };
  for (const auto& c : cases) {
    const auto run = RunCli(f.dir + c.Args, true);
    EXPECT_EQ(run.Status, c.Status) << c.Args << ": " << run.Out;
    EXPECT_NE(run.Out.find(c.Message), std::string::npos) << c.Args << ": " << run.Out;
  }
  EXPECT_EQ(DataFiles(f.data.Folder()), before);
}

TEST(CliHolidays, ACalendarImportedTwiceAddsItsDaysOnce) {
  THolidayFolder f;
  const std::string ics = f.other.File("days.ics");
  std::ofstream(ics) << "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//T//T//EN\r\n"
                        "BEGIN:VEVENT\r\nUID:a@t\r\nDTSTAMP:20240101T000000Z\r\n"
                        "DTSTART;VALUE=DATE:20300527\r\nSUMMARY:Memorial Day\r\nEND:VEVENT\r\n"
                        "BEGIN:VEVENT\r\nUID:b@t\r\nDTSTAMP:20240101T000000Z\r\n"
                        "DTSTART;VALUE=DATE:20301128\r\nSUMMARY:Thanksgiving\r\n"
                        "RRULE:FREQ=YEARLY;BYMONTH=11;BYDAY=4TH\r\nEND:VEVENT\r\n"
                        "END:VCALENDAR\r\n";
  const auto first = RunCli(f.dir + "holidays import " + ics + " --reason 2 --years 2030-2031");
  EXPECT_EQ(first.Status, 0);
  EXPECT_EQ(first.Out,
            "added\t2030-05-27\tMemorial Day\nadded\t2030-11-28\tThanksgiving\n"
            "added\t2031-11-27\tThanksgiving\n");
  const auto saved = DataFiles(f.data.Folder());
  const auto second = RunCli(f.dir + "holidays import " + ics + " --reason 2 --years 2030-2031");
  EXPECT_EQ(second.Status, 0);
  EXPECT_EQ(second.Out,
            "skipped\t2030-05-27\tMemorial Day\nskipped\t2030-11-28\tThanksgiving\n"
            "skipped\t2031-11-27\tThanksgiving\n");
  EXPECT_EQ(DataFiles(f.data.Folder()), saved);
  // Without years the endless event is named, not expanded; its day is already there anyway.
  const auto endless = RunCli(f.dir + "holidays import " + ics + " --reason 2 --dry-run");
  EXPECT_EQ(endless.Out,
            "repeats without end, give --years\tThanksgiving\n"
            "skipped\t2030-05-27\tMemorial Day\ndry run: nothing was changed\n");
}

}  // namespace
}  // namespace absence
