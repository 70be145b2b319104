// absence-cli import and export end to end: a realistic organisation exported and imported back
// in replace mode comes back the same, and a dry run changes nothing.
#include <nlohmann/json.hpp>

#include <fstream>
#include <map>
#include <sstream>

#include "cli_runner.h"
#include "data_test_support.h"

namespace absence {
namespace {

using test::RunCli;

// Forty people in four departments (one without), some terminated or not eligible, own entries
// in quarter hours over two years, two holidays with one employee exempt from one.
TDataSet MakeOrganisation() {
  TDataSet d;
  const char* reasons[] = {"Vacation", "Sick", "Personal", "Jury Duty"};
  for (int r = 0; r < 4; ++r) {
    AddReason(d.ReasonList, reasons[r], true, r == 0, r == 0 ? TBasis::Anniversary : TBasis::None,
              r == 0 ? TValidate::YearEnd : TValidate::None);
  }
  SortReasons(d.ReasonList);
  const char* depts[] = {"Sales", "Accounts", "Warehouse", "Front Office"};
  for (int k = 0; k < 4; ++k) {
    AddDept(d.DeptList, depts[k], k == 0 ? 7 : 0, true, "D" + std::to_string(k));
  }
  SortDepts(d.DeptList);
  const char* last[] = {"Garcia", "Olsen", "Nguyen", "O'Brien", "Kowalski",
                        "Dubois", "Rossi", "Ahmed",  "Smith",   "Lee"};
  const char* first[] = {"Ana", "Per", "Minh", "Siobhán", "Jan", "Élise", "Marco", "Sara"};
  for (int i = 0; i < 40; ++i) {
    const TDate start = test::k2024Jan1 - 300 - 37 * i;
    AddEmp(d.EmpList, last[i % 10],
           first[i % 8] + std::string(i >= 10 ? " " : "") +
               (i >= 10 ? std::string(1, 'A' + i / 10) : ""),
           "E" + std::to_string(1000 + i), start, i % 9 == 4 ? test::k2024Jan1 + 90 : 0, i % 5,
           i % 7 == 3 ? 'T' : 'F');
    auto& e = *d.EmpList.back();
    SetAccrual(e.Accruals, 1, 40, start);
    for (int k = 0; k < 30; ++k) {
      const TDate day = test::k2024Jan1 - 200 + 11 * k + i % 3;
      if (!e.IsEmployedOn(day)) continue;
      AddEntry(e.Entries, d.EmpList, d.ReasonList, 1 + (k + i) % 4, day,
               static_cast<float>(1 + (k * i) % 32) / 4, TEntryKind::Own);
    }
  }
  SortEmps(d.EmpList);
  AddEntry(d.GlobalList, d.EmpList, d.ReasonList, 3, test::k2024Jan1 + 5, 8, TEntryKind::Global);
  AddEntry(d.GlobalList, d.EmpList, d.ReasonList, 3, test::k2024Jul1, 4, TEntryKind::Global);
  // One employee exempt from the first holiday (saved as an exclusion).
  auto& ex = d.EmpList[3]->Entries;
  for (auto& x : ex)
    if (x->Kind == TEntryKind::Global && x->EntryDate == test::k2024Jan1 + 5)
      x->AddDelMark(TTrashMark::Record, d.EmpList);
  return d;
}

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The dump with identifiers the import renumbers replaced by Employee IDs and accrual balances
// left out (the import starts them afresh).
nlohmann::json Comparable(const std::string& dump) {
  nlohmann::json j = nlohmann::json::parse(dump);
  std::map<int, std::string> ssn;
  for (auto& e : j["employees"]) {
    ssn[e["EmpID"].get<int>()] = e["SSN"].get<std::string>();
    e.erase("EmpID");
    e.erase("Accruals");
    e.erase("Modified");
    for (auto& x : e["Entries"]) x.erase("Modified");
  }
  for (auto& dept : j["departments"]) {
    dept["ManagerID"] = ssn[dept["ManagerID"].get<int>()];
    dept.erase("Modified");
  }
  return j;
}

TEST(CliConvert, ExportThenReplaceImportGivesTheSameData) {
  for (const char* format : {"comma", "tab", "fixed"}) {
    SCOPED_TRACE(format);
    test::TTempFolder tmp;
    TDataSet d = MakeOrganisation();
    SaveDataSet(d, tmp.Folder());
    {
      std::ofstream ini(tmp.File("absence.ini"));
      ini << "[Initialization]\nHourFormat=#,##0.00\n";
    }
    const std::string dir = "--data " + tmp.Folder() + " --ini " + tmp.File("absence.ini");
    const auto before = RunCli(dir + " dump");
    ASSERT_EQ(before.Status, 0);
    const std::string emps = tmp.File(std::string("out/emps-") + format + ".txt");
    const std::string abs = tmp.File(std::string("out/abs-") + format + ".txt");
    const std::string f = std::string(" --format ") + format;
    ASSERT_EQ(RunCli(dir + " export employees " + emps + f).Out, "records\t40\n");
    const auto exported = RunCli(dir + " export absences " + abs + f);
    ASSERT_EQ(exported.Status, 0);

    const auto dry = RunCli(dir + " import employees " + emps + f + " --mode replace --dry-run");
    EXPECT_EQ(dry.Status, 0);
    EXPECT_NE(dry.Out.find("employees added\t40\nemployees replaced\t40\n"), std::string::npos)
        << dry.Out;
    EXPECT_NE(dry.Out.find("dry run: nothing was changed"), std::string::npos);
    EXPECT_TRUE(RunCli(dir + " dump").Out == before.Out);

    ASSERT_EQ(RunCli(dir + " import employees " + emps + f + " --mode replace").Status, 0);
    const auto imported = RunCli(dir + " import absences " + abs + f + " --mode replace");
    ASSERT_EQ(imported.Status, 0);
    EXPECT_EQ("records\t" + imported.Out.substr(8, imported.Out.find('\n') - 8) + '\n',
              exported.Out);

    const auto after = RunCli(dir + " dump");
    EXPECT_TRUE(Comparable(after.Out) == Comparable(before.Out));
    // The import did replace: employees numbered in file order with fresh balances, and the
    // holiday copies stayed copies of their global entries (never own entries).
    const auto j = nlohmann::json::parse(after.Out);
    int n = 0, copies = 0;
    for (const auto& e : j["employees"]) {
      EXPECT_EQ(e["EmpID"], ++n);
      EXPECT_EQ(e["Accruals"][0]["Hours"], 0);
      for (const auto& x : e["Entries"]) copies += x["Kind"] == "G";
    }
    EXPECT_GT(copies, 40);
    EXPECT_NE(imported.Out.find("company holiday copies skipped\t" + std::to_string(copies)),
              std::string::npos)
        << imported.Out;
    // Exporting again writes the same files.
    ASSERT_EQ(RunCli(dir + " export absences " + abs + ".again" + f).Status, 0);
    EXPECT_EQ(ReadText(abs + ".again"), ReadText(abs));
  }
}

TEST(CliConvert, DryRunReportsCreationsAndFailuresExitOne) {
  test::TTempFolder tmp;
  TDataSet d = MakeOrganisation();
  SaveDataSet(d, tmp.Folder());
  const std::string dir = "--data " + tmp.Folder();
  {
    std::ofstream f(tmp.File("abs.txt"), std::ios::binary);
    f << "E1000,Training,01/05/2024,2\r\nE1000,Training,01/05/2024,2\r\nE1001,Sick,01/06/"
         "2024,3\r\n";
  }
  const auto before = RunCli(dir + " dump");
  const auto dry = RunCli(dir + " import absences " + tmp.File("abs.txt") +
                          " --format comma --mode add --dry-run");
  EXPECT_EQ(dry.Status, 0);
  EXPECT_EQ(dry.Out,
            "records\t3\nemployees added\t0\nemployees replaced\t0\nentries added\t2\n"
            "entries merged\t1\nentries replaced\t0\nreason created\tTraining\n"
            "dry run: nothing was changed\n");
  EXPECT_TRUE(RunCli(dir + " dump").Out == before.Out);

  {
    std::ofstream f(tmp.File("bad.txt"), std::ios::binary);
    f << "E1000,Sick,01/05/2024,2\r\nNOBODY,Sick,01/05/2024,2\r\n";
  }
  struct Case {
    std::string args;
    int status;
  } cases[] = {
      {" import absences " + tmp.File("bad.txt") + " --format comma --mode add", 1},
      {" import absences " + tmp.File("none.txt") + " --format comma --mode add", 1},
      {" import absences " + tmp.File("abs.txt") + " --format csv --mode add", 2},
      {" import absences " + tmp.File("abs.txt") + " --format comma", 2},
      {" import people " + tmp.File("abs.txt") + " --format comma --mode add", 2},
      {" export employees " + tmp.File("e.txt") + " --format tab --from 2024-01-01 --to 2024-02-01",
       2},
      {" export absences " + tmp.File("e.txt") + " --format tab --from 2024-02-01 --to 2024-01-01",
       2},
      {" export absences " + tmp.File("abs.txt/x.txt") + " --format tab", 1},
  };
  for (const auto& c : cases) EXPECT_EQ(RunCli(dir + c.args).Status, c.status) << c.args;
  EXPECT_TRUE(RunCli(dir + " dump").Out == before.Out);  // the add-mode failure saved nothing

  ASSERT_EQ(RunCli(dir + " export absences " + tmp.File("range.txt") +
                   " --format comma --from 2024-01-06 --to 2024-01-06")
                .Status,
            0);
  std::istringstream range(ReadText(tmp.File("range.txt")));
  int lines = 0;
  for (std::string line; std::getline(range, line); ++lines)
    EXPECT_NE(line.find(",01/06/2024,"), std::string::npos) << line;
  EXPECT_GT(lines, 0);
}

}  // namespace
}  // namespace absence

namespace absence {
namespace {

TEST(CliConvert, CalendarExport) {
  test::TTempFolder tmp;
  TDataSet d = MakeOrganisation();
  SaveDataSet(d, tmp.Folder());
  const std::string dir = "--data " + tmp.Folder() + " export calendar ";
  const auto all = RunCli(dir + tmp.File("cal/all.ics"));
  ASSERT_EQ(all.Status, 0);
  const std::string text = ReadText(tmp.File("cal/all.ics"));
  EXPECT_EQ(text.rfind("BEGIN:VCALENDAR\r\n", 0), 0u);
  std::size_t events = 0;
  for (std::size_t p = text.find("BEGIN:VEVENT"); p != std::string::npos;
       p = text.find("BEGIN:VEVENT", p + 1))
    ++events;
  EXPECT_EQ(all.Out, "events\t" + std::to_string(events) + "\n");

  const auto one = RunCli(dir + tmp.File("one.ics") + " --emp 5 --from 2024-01-01 --to 2024-12-31");
  EXPECT_EQ(one.Status, 0);
  const auto count = [](const std::string& out) { return std::stoi(out.substr(7)); };
  EXPECT_GT(count(one.Out), 0);
  EXPECT_LT(count(one.Out), count(all.Out));
  struct Case {
    std::string args;
    int status;
  } cases[] = {{" --emp 99", 1}, {" --dept 9", 1}, {" --emp 0", 2}, {" --from 2024-01-01", 2}};
  for (const auto& c : cases)
    EXPECT_EQ(RunCli(dir + tmp.File("x.ics") + c.args).Status, c.status) << c.args;
}

}  // namespace
}  // namespace absence

namespace absence {
namespace {

// What a user's own text file holds: UTF-8 from a Linux editor, short years, a blank last line;
// and the export back in UTF-8.
TEST(CliConvert, ImportsWhatAnEditorWritesAndExportsUtf8) {
  test::TTempFolder tmp;
  TDataSet d = MakeOrganisation();
  SaveDataSet(d, tmp.Folder());
  const std::string dir = "--data " + tmp.Folder();
  std::ofstream(tmp.File("new.txt"), std::ios::binary)
      << "M\xC3\xBCller,J\xC3\xBCrgen,E9000,7/1/26,,Y,K\xC3\xBC"
         "che\n\n";
  const auto run =
      RunCli(dir + " import employees " + tmp.File("new.txt") + " --format comma --mode add");
  ASSERT_EQ(run.Status, 0) << run.Out;
  EXPECT_NE(run.Out.find("department created\tK\xC3\xBC"
                         "che\n"),
            std::string::npos)
      << run.Out;
  const auto j = nlohmann::json::parse(RunCli(dir + " dump").Out);
  int found = 0;
  for (const auto& e : j["employees"]) {
    if (e["SSN"] != "E9000") continue;
    ++found;
    EXPECT_EQ(e["LastName"], "M\xC3\xBCller");
    EXPECT_EQ(e["FirstName"], "J\xC3\xBCrgen");
    EXPECT_EQ(e["StartDate"], 46204);  // 2026-07-01: "26" is near today, not 1926
  }
  EXPECT_EQ(found, 1);

  for (const char* encoding : {"utf-8", "windows-1252"}) {
    SCOPED_TRACE(encoding);
    const std::string out = tmp.File(std::string("out-") + encoding + ".txt");
    ASSERT_EQ(
        RunCli(dir + " export employees " + out + " --format fixed --encoding " + encoding).Status,
        0);
    const std::string text = ReadText(out);
    EXPECT_NE(text.find(encoding == std::string("utf-8") ? "M\xC3\xBCller" : "M\xFCller"),
              std::string::npos);
  }
  EXPECT_EQ(
      RunCli(dir + " export employees " + tmp.File("x.txt") + " --format comma --encoding latin-1")
          .Status,
      2);
}

}  // namespace
}  // namespace absence
