// The import and export runs on a data set: round trips, replace and add modes, merging,
// reasons and departments created on the way, and the failures that stop a run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <limits>

#include "convert/export_run.h"
#include "convert/import_run.h"
#include "convert/text_file.h"
#include "convert_test_support.h"
#include "data/ansi.h"

namespace absence {
namespace {

using test::kJan1;
using test::Options;

TEST(ConvertRun, EmployeesRoundTripInEveryFormat) {
  for (const TFileFormat format : {TFileFormat::Comma, TFileFormat::Tab, TFileFormat::Fixed}) {
    TDataSet d = test::MakeOrg();
    d.EmpList[2]->LastName = "Smith, Jr";
    auto before = test::EmpViews(d);
    const auto lines = ExportEmployees(d, Options(format));
    ImportEmployees(d, lines, Options(format), TImportMode::Replace);
    auto after = test::EmpViews(d);
    // Only the comma layout rotates the comma out of the name.
    std::get<0>(before[2]) = format == TFileFormat::Comma ? " Jr Smith" : "Smith, Jr";
    const auto bySSN = [](const auto& a, const auto& b) { return std::get<2>(a) < std::get<2>(b); };
    std::sort(before.begin(), before.end(), bySSN);
    std::sort(after.begin(), after.end(), bySSN);
    EXPECT_EQ(after, before);
  }
}

TEST(ConvertRun, EmployeeTypeField) {
  struct Case {
    std::string line;
    TFileFormat format;
    char type;
  } cases[] = {
      {"Doe,Jane,9,01/02/2024,,,", TFileFormat::Comma, 'T'},  // six commas, empty type
      {"Doe,Jane,9,01/02/2024,,Y,", TFileFormat::Comma, 'F'},
      {"Doe,Jane,9,01/02/2024,, ,", TFileFormat::Comma, 'F'},
      {"Doe,Jane,9,01/02/2024,,N,", TFileFormat::Comma, 'T'},
      {"Doe,Jane,9,01/02/2024,,y,", TFileFormat::Comma, 'T'},
      {"Doe\tJane\t9\t01/02/2024\t\tYes\t", TFileFormat::Tab, 'F'},  // cut to "Y"
      {std::string(30, ' ') + std::string(20, ' ') + std::string(15, ' ') + "01/02/2024" +
           std::string(10, ' ') + " " + std::string(50, ' '),
       TFileFormat::Fixed, 'F'},
  };
  for (const auto& c : cases) {
    TDataSet d;
    ImportEmployees(d, {c.line}, Options(c.format), TImportMode::Add);
    ASSERT_EQ(d.EmpList.size(), 1u) << c.line;
    EXPECT_EQ(d.EmpList[0]->EmpType, c.type) << c.line;
    EXPECT_EQ(d.EmpList[0]->StartDate, kJan1 + 1) << c.line;
  }
}

TEST(ConvertRun, ReplaceEmployeesRenumbersAndDropsOldEntries) {
  TDataSet d = test::MakeOrg();
  const std::vector<std::string> lines = {"Zed,Al,500,01/02/2024,,Y,Sales",
                                          "Adams,Bo,111-22-3333,01/02/2023,,N,Research", "Bad"};
  // The last line has no separator: replace mode then changes nothing at all.
  const TDataSet& cd = d;
  const auto viewsBefore = test::EmpViews(cd);
  EXPECT_EQ(test::FailureOf([&] {
              ImportEmployees(d, lines, Options(TFileFormat::Comma), TImportMode::Replace);
            }),
            FieldErrorMessage("Last Name", 3));
  EXPECT_EQ(test::EmpViews(d), viewsBefore);
  EXPECT_EQ(d.DeptList.size(), 2u);  // "Research" was not kept

  const auto s =
      ImportEmployees(d, {lines[0], lines[1]}, Options(TFileFormat::Comma), TImportMode::Replace);
  EXPECT_EQ(s.EmployeesAdded, 2);
  EXPECT_EQ(s.EmployeesRemoved, 3);
  EXPECT_EQ(s.DepartmentsCreated, std::vector<std::string>{"Research"});
  ASSERT_EQ(d.EmpList.size(), 2u);
  // Sorted by name; numbered in file order.
  const auto& adams = *d.EmpList[0];
  const auto& zed = *d.EmpList[1];
  EXPECT_EQ(adams.LastName, "Adams");
  EXPECT_EQ(adams.EmpID, 2);
  EXPECT_EQ(zed.EmpID, 1);
  // Old entries are gone; the global holiday is copied to the one employed on its day.
  EXPECT_EQ(test::EntryViews(d, zed),
            (std::vector<test::TEntryView>{{'G', "Sick", kJan1 + 20, 8}}));
  EXPECT_EQ(test::EntryViews(d, adams), test::EntryViews(d, zed));
  // A 0-hour balance as of the start date for the reason with a policy only.
  ASSERT_EQ(zed.Accruals.size(), 1u);
  EXPECT_EQ(
      zed.Accruals[0]->ReasonID,
      d.ReasonList[static_cast<std::size_t>(FindReason(d.ReasonList, 0, "Vacation"))]->ReasonID);
  EXPECT_EQ(zed.Accruals[0]->Hours, 0);
  EXPECT_EQ(zed.Accruals[0]->AsOfDate, kJan1 + 1);
  // The new department, active with no manager; Sales keeps its manager by Employee ID.
  const auto& research = *d.DeptList[static_cast<std::size_t>(FindDept(d.DeptList, 0, "Research"))];
  EXPECT_TRUE(research.Active);
  EXPECT_EQ(research.ManagerID, 0);
  EXPECT_EQ(research.DeptCode, "");
  const auto& sales = *d.DeptList[static_cast<std::size_t>(FindDept(d.DeptList, 0, "Sales"))];
  EXPECT_EQ(sales.ManagerID, adams.EmpID);
  EXPECT_EQ(d.DeptList[0]->DeptName, "Accounts");  // the list stays sorted
}

TEST(ConvertRun, AddEmployeesKeepsNothingFromAFileWithAFaultyLine) {
  TDataSet d = test::MakeOrg();
  const std::vector<std::string> lines = {"Zed,Al,500,01/02/2024,,Y,New Dept",
                                          "Bad,Date,501,13/45/2024,,Y,"};
  EXPECT_EQ(test::FailureOf(
                [&] { ImportEmployees(d, lines, Options(TFileFormat::Comma), TImportMode::Add); }),
            "The \"Start Date\" field in record 2 (\"13/45/2024\") is not a valid date.\n\nPlease "
            "check your file and try again.");
  EXPECT_EQ(d.EmpList.size(), 3u);
  EXPECT_EQ(d.DeptList.size(), 2u);
}

TEST(ConvertRun, FixedLengthLinesMustHaveTheirLength) {
  TDataSet d = test::MakeOrg();
  const std::string emp = "Lee" + std::string(132, ' ');
  EXPECT_EQ(test::FailureOf(
                [&] { ImportEmployees(d, {emp}, Options(TFileFormat::Fixed), TImportMode::Add); }),
            LengthErrorMessage(TConvertContent::Employees, 1));
  const std::string ok =
      "333" + std::string(12, ' ') + std::string(30, 'R') + "01/02/2024" + "   1.5";
  EXPECT_EQ(test::FailureOf([&] {
              ImportAbsences(d, {ok, ok + " "}, Options(TFileFormat::Fixed), TImportMode::Add);
            }),
            LengthErrorMessage(TConvertContent::Absences, 2));
}

TEST(ConvertRun, AbsencesMergeAndCreateReasons) {
  TDataSet d = test::MakeOrg();
  const std::vector<std::string> lines = {
      "333,Jury Duty,02/01/2024,2.5", "333,Jury Duty,02/01/2024, 1.5 ", "333,Vacation,01/04/2024,2",
      "222,Sick,01/21/2024,-1.0",  // exempts Jones from the holiday copy
  };
  const auto s = ImportAbsences(d, lines, Options(TFileFormat::Comma), TImportMode::Add);
  EXPECT_EQ(s.ReasonsCreated, std::vector<std::string>{"Jury Duty"});
  EXPECT_EQ(s.EntriesAdded, 1);
  EXPECT_EQ(s.EntriesMerged, 3);
  const int r = FindReason(d.ReasonList, 0, "Jury Duty");
  ASSERT_GE(r, 0);
  const auto& jury = *d.ReasonList[static_cast<std::size_t>(r)];
  EXPECT_TRUE(jury.Active);
  EXPECT_FALSE(jury.HasPolicy);
  EXPECT_EQ(jury.Basis, TBasis::None);
  EXPECT_EQ(jury.Validate, TValidate::None);
  EXPECT_TRUE(jury.Rules.empty());
  EXPECT_EQ(d.ReasonList[0]->Description, "Jury Duty");  // sorted in
  const auto& muller = *d.EmpList[1];
  EXPECT_EQ(test::EntryViews(d, muller),
            (std::vector<test::TEntryView>{{'T', "Vacation", kJan1 + 3, 10},
                                           {'T', "Sick", kJan1 + 10, 4.5f},
                                           {'G', "Sick", kJan1 + 20, 8},
                                           {'T', "Jury Duty", kJan1 + 31, 4}}));
  const auto& jones = *d.EmpList[0];
  EXPECT_EQ(test::EntryViews(d, jones).size(), 2u);  // the holiday copy is in the trash
}

TEST(ConvertRun, DatesAreReadAsAPersonWritesThem) {
  const struct {
    const char* date;
    double day;
  } cases[] = {{"02/01/2024", kJan1 + 31}, {"2/1/2024", kJan1 + 31}, {" 2/1/2024 ", kJan1 + 31},
               {"2/1/19", kJan1 - 1795},  // two-digit years up to 19 are this century's
               {"12/31/99", kJan1 - 8767}, {"1/1/2024", kJan1}};
  for (const auto& c : cases) {
    TDataSet d = test::MakeOrg();
    ImportAbsences(d, {std::string("333,Jury Duty,") + c.date + ",2"}, Options(TFileFormat::Comma),
                   TImportMode::Add);
    const auto views = test::EntryViews(d, *d.EmpList[1]);
    EXPECT_NE(std::find(views.begin(), views.end(), test::TEntryView{'T', "Jury Duty", c.day, 2}),
              views.end())
        << c.date;
  }
}

TEST(ConvertRun, ReplaceAbsencesReplacesEveryEmployeesEntries) {
  TDataSet d = test::MakeOrg();
  const auto s = ImportAbsences(d, {"333\tSick\t03/01/2024\t8", "333\tSick\t03/01/2024\t8"},
                                Options(TFileFormat::Tab), TImportMode::Replace);
  EXPECT_EQ(s.EntriesRemoved, 6);  // two own entries each
  EXPECT_EQ(s.EntriesAdded, 1);
  EXPECT_EQ(s.EntriesMerged, 1);
  // Each keeps the copy of the holiday, which belongs to the global entry.
  const test::TEntryView holiday{'G', "Sick", kJan1 + 20, 8};
  EXPECT_EQ(test::EntryViews(d, *d.EmpList[0]), std::vector<test::TEntryView>{holiday});
  EXPECT_EQ(test::EntryViews(d, *d.EmpList[2]), std::vector<test::TEntryView>{holiday});
  EXPECT_EQ(test::EntryViews(d, *d.EmpList[1]),
            (std::vector<test::TEntryView>{holiday, {'T', "Sick", kJan1 + 60, 16}}));
}

TEST(ConvertRun, AbsenceFailuresStopWithTheRecordNumber) {
  struct Case {
    std::vector<std::string> lines;
    std::string message;
  } cases[] = {
      {{"333,Sick,01/02/2024,1", "999,Sick,01/02/2024,1"},
       "Error locating Employee for ID 999 in record 2."},
      {{"333,Sick"}, FieldErrorMessage("Absence Reason", 1)},
      {{"333,Sick,01/02/2024"}, FieldErrorMessage("Absence Date", 1)},
      {{"333"}, FieldErrorMessage("Employee ID", 1)},
      {{"333,Sick,01/02/2024,1", "333,Sick,01/02/2024,x"},
       "The \"Absence Hours\" field in record 2 (\"x\") is not a valid number.\n\nPlease check "
       "your file and try again."},
      {{"333,New,2024-01-02,1"},
       "The \"Absence Date\" field in record 1 (\"2024-01-02\") is not a valid date.\n\nPlease "
       "check your file and try again."},
  };
  for (const auto& c : cases) {
    for (const TImportMode mode : {TImportMode::Replace, TImportMode::Add}) {
      TDataSet d = test::MakeOrg();
      const auto muller = test::EntryViews(d, *d.EmpList[1]);
      EXPECT_EQ(
          test::FailureOf([&] { ImportAbsences(d, c.lines, Options(TFileFormat::Comma), mode); }),
          c.message);
      // Neither mode changes anything.
      EXPECT_EQ(test::EntryViews(d, *d.EmpList[1]), muller);
      EXPECT_EQ(d.ReasonList.size(), 2u);
    }
  }
}

TEST(ConvertRun, ARecordNeedingAnIdentifierThatIsLeftNoMoreStopsTheRun) {
  const int32_t largest = std::numeric_limits<int32_t>::max();
  for (const TImportMode mode : {TImportMode::Replace, TImportMode::Add}) {
    TDataSet d = test::MakeOrg();
    AddReason(d.ReasonList, "Top", true, false, TBasis::None, TValidate::None, largest);
    AddDept(d.DeptList, "Top", 0, true, "", largest);
    const std::size_t reasons = d.ReasonList.size(), depts = d.DeptList.size();
    const auto absences = test::FailureOf([&] {
      ImportAbsences(d, {"333,Sick,01/02/2024,1", "333,Brand new,01/02/2024,1"},
                     Options(TFileFormat::Comma), mode);
    });
    EXPECT_EQ(absences.rfind("Record 2 cannot be imported. No identifier is left", 0), 0u)
        << absences;
    EXPECT_EQ(d.ReasonList.size(), reasons);
    const auto employees = test::FailureOf([&] {
      ImportEmployees(d, {"Doe,Jane,777,01/02/2024,,Brand new,Y"}, Options(TFileFormat::Comma),
                      mode);
    });
    EXPECT_EQ(employees.rfind("Record 1 cannot be imported. No identifier is left", 0), 0u)
        << employees;
    EXPECT_EQ(d.DeptList.size(), depts);
  }
}

TEST(ConvertRun, AbsenceExportRangeAndKinds) {
  TDataSet d = test::MakeOrg();
  auto& smith = *d.EmpList[2];
  smith.Entries[0]->AddDelMark(TTrashMark::Record, d.EmpList);  // trashed: not written
  int32_t id = AddReason(d.ReasonList, "Gone", true, false, TBasis::None, TValidate::None);
  AddEntry(smith.Entries, d.EmpList, d.ReasonList, id, kJan1 + 11, 3, TEntryKind::Own);
  d.ReasonList.back()->Delete(d.EmpList, d.GlobalList);  // its entries are not written
  auto x = std::make_unique<TAbsenceRecClass>();
  x->Kind = TEntryKind::Exclusion;
  x->ReasonID = 1;
  x->EntryDate = kJan1 + 15;
  x->Hours = -1;
  smith.Entries.insert(smith.Entries.begin() + 3, std::move(x));  // at its date
  d.EmpList[0]->Deleted = true;  // Jones in the trash: nothing of his

  TExportRange range{false, kJan1 + 10, kJan1 + 20};
  EXPECT_EQ(
      ExportAbsences(d, Options(TFileFormat::Comma), range),
      (std::vector<std::string>{
          "333,Sick,01/11/2024,4.5", "333,Sick,01/21/2024,8.0", "111-22-3333,Sick,01/11/2024,4.5",
          "111-22-3333,Vacation,01/16/2024,-1.0", "111-22-3333,Sick,01/21/2024,8.0"}));
  EXPECT_EQ(ExportAbsences(d, Options(TFileFormat::Comma), {}).size(), 6u);
  int calls = 0;
  ExportEmployees(d, Options(TFileFormat::Comma), [&](int done) { EXPECT_EQ(done, ++calls); });
  EXPECT_EQ(calls, 3);  // one step per employee
}

TEST(ConvertRun, FilesUseCrLfAndWindows1252) {
  test::TTempDir tmp;
  const std::string path = tmp.File("new/folder/emps.txt");
  const TDataSet d = test::MakeOrg();
  WriteExportLines(path, ExportEmployees(d, Options(TFileFormat::Comma)));
  std::string bytes;
  {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    ASSERT_NE(f, nullptr);
    char buf[4096];
    bytes.assign(buf, std::fread(buf, 1, sizeof buf, f));
    std::fclose(f);
  }
  EXPECT_EQ(bytes.substr(0, 48), "Jones,Bob,222,09/23/2023,07/19/2024,N,Accounts\r\n");
  EXPECT_NE(bytes.find("M\xFCller,J\xFCrgen"), std::string::npos);
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");

  const auto lines = ReadImportLines(path, TConvertContent::Employees);
  ASSERT_EQ(lines.size(), 3u);
  TDataSet back;
  ImportEmployees(back, lines, Options(TFileFormat::Comma), TImportMode::Replace);
  EXPECT_EQ(back.EmpList[1]->LastName, "Müller");

  {
    std::FILE* f = std::fopen(tmp.File("lf.txt").c_str(), "wb");
    std::fputs("a\nb\r\n\nc", f);
    std::fclose(f);
  }
  EXPECT_EQ(ReadImportLines(tmp.File("lf.txt"), TConvertContent::Absences),
            (std::vector<std::string>{"a", "b", "", "c"}));
  EXPECT_EQ(
      test::FailureOf([&] { ReadImportLines(tmp.File("none.txt"), TConvertContent::Absences); }),
      kMissingImportFileMessage);
  EXPECT_EQ(test::FailureOf([&] { ReadImportLines(tmp.File("new"), TConvertContent::Employees); }),
            OpenErrorMessage(TConvertContent::Employees, EISDIR, std::strerror(EISDIR)));
  EXPECT_EQ(test::FailureOf([&] { WriteExportLines(path + "/below-a-file.txt", {"x"}); }),
            kCannotCreateExportFileMessage);
}

TEST(ConvertRun, ImportFileSplitsLinesAcrossItsReadBlocks) {
  test::TTempDir tmp;
  // The file is read in blocks of 64 KiB: line ends on both sides of a block's end, and a line
  // longer than a block.
  const std::size_t block = 1 << 16;
  struct TCase {
    const char* name;
    std::string text;
    std::vector<std::string> lines;
  };
  const std::string a(block - 1, 'a'), b(block - 2, 'b'), c(3 * block, 'c');
  const TCase cases[] = {
      {"CR LF split by the block end", a + "\r\nx\r\n", {a, "x"}},
      {"LF last in its block", b + "\r\ny", {b, "y"}},
      {"a line over three blocks", "x\n" + c + "\r\n\r\n", {"x", c, ""}},
      {"a lone CR at the end", "x\n\r", {"x", ""}},
      {"empty", "", {}},
  };
  for (const TCase& t : cases) {
    const std::string path = tmp.File("lines.txt");
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(t.text.data(), 1, t.text.size(), f);
    std::fclose(f);
    EXPECT_EQ(ReadImportLines(path, TConvertContent::Absences), t.lines) << t.name;
    TImportFile file(path, TConvertContent::Absences);
    std::vector<std::string> streamed;
    while (const std::string* line = file.Next()) streamed.push_back(*line);
    EXPECT_EQ(streamed, t.lines) << t.name;
    EXPECT_EQ(CountImportLines(path, TConvertContent::Absences), t.lines.size()) << t.name;
  }
}

TEST(ConvertRun, AbsenceExportWrittenAsMadeEqualsTheWrittenLines) {
  test::TTempDir tmp;
  const TDataSet d = test::MakeOrg();
  const auto read = [](const std::string& path) {
    std::string bytes;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    char buf[4096];
    for (std::size_t n; f && (n = std::fread(buf, 1, sizeof buf, f)) > 0;) bytes.append(buf, n);
    if (f) std::fclose(f);
    return bytes;
  };
  const TExportRange ranges[] = {
      {}, {false, kJan1, kJan1 + 40}, {false, kJan1 + 1000, kJan1 + 1001}};
  for (const TExportRange& range : ranges) {
    for (const TFileFormat format : {TFileFormat::Comma, TFileFormat::Tab, TFileFormat::Fixed}) {
      const auto lines = ExportAbsences(d, Options(format), range);
      WriteExportLines(tmp.File("lines.txt"), lines);
      int calls = 0;
      EXPECT_EQ(WriteAbsenceExport(tmp.File("made.txt"), d, Options(format), range,
                                   [&](int done) { EXPECT_EQ(done, ++calls); }),
                lines.size());
      EXPECT_EQ(calls, static_cast<int>(d.EmpList.size()));
      EXPECT_EQ(read(tmp.File("made.txt")), read(tmp.File("lines.txt")));
    }
  }
  EXPECT_EQ(test::FailureOf([&] {
              WriteAbsenceExport(tmp.File("made.txt") + "/below-a-file.txt", d,
                                 Options(TFileFormat::Comma), {});
            }),
            kCannotCreateExportFileMessage);
}

TEST(ConvertRun, ImportFromTheFileLineByLineEqualsImportOfItsLines) {
  test::TTempDir tmp;
  const std::string path = tmp.File("absences.txt");
  const TDataSet org = test::MakeOrg();
  WriteExportLines(path, ExportAbsences(org, Options(TFileFormat::Comma), {}));
  for (const TImportMode mode : {TImportMode::Replace, TImportMode::Add}) {
    TDataSet fromLines = test::MakeOrg(), fromFile = test::MakeOrg();
    const auto s1 = ImportAbsences(fromLines, ReadImportLines(path, TConvertContent::Absences),
                                   Options(TFileFormat::Comma), mode);
    TImportFile file(path, TConvertContent::Absences);
    const auto s2 = ImportAbsences(fromFile, file, Options(TFileFormat::Comma), mode);
    EXPECT_EQ(s1.Records, s2.Records);
    EXPECT_EQ(s1.EntriesAdded, s2.EntriesAdded);
    EXPECT_EQ(s1.EntriesMerged, s2.EntriesMerged);
    EXPECT_EQ(s1.EntriesRemoved, s2.EntriesRemoved);
    EXPECT_EQ(ExportAbsences(fromLines, Options(TFileFormat::Comma), {}),
              ExportAbsences(fromFile, Options(TFileFormat::Comma), {}));
  }
  // A faulty line stops the run at its record, as it does for the lines.
  {
    std::FILE* f = std::fopen(path.c_str(), "ab");
    std::fputs("333,Sick,13/45/2024,8\r\n", f);
    std::fclose(f);
  }
  TDataSet d = test::MakeOrg();
  const auto before = ExportAbsences(d, Options(TFileFormat::Comma), {});
  const auto records = static_cast<int>(ReadImportLines(path, TConvertContent::Absences).size());
  TImportFile file(path, TConvertContent::Absences);
  EXPECT_EQ(test::FailureOf([&] {
              ImportAbsences(d, file, Options(TFileFormat::Comma), TImportMode::Replace);
            }),
            ConversionErrorMessage("Absence Date", "13/45/2024", records));
  EXPECT_EQ(ExportAbsences(d, Options(TFileFormat::Comma), {}), before);
}

}  // namespace
}  // namespace absence
