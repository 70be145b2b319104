// Imports that keep what the file says and nothing else: the file's encoding found, blank lines
// skipped, short years near the current one, refused lines that change nothing, and copies of
// company-wide entries that stay copies.
#include <gtest/gtest.h>

#include <fstream>

#include "convert/export_run.h"
#include "convert/import_run.h"
#include "convert/text_file.h"
#include "convert_test_support.h"
#include "data/json_dump.h"
#include "dates/dates.h"

namespace absence {
namespace {

using test::FailureOf;
using test::kJan1;
using test::Options;

// `blanks` spaces, then the text, built in place (concatenating temporaries this long trips
// GCC 12's bounds warning at -O2).
std::string AfterBlanks(std::size_t blanks, const std::string& text) {
  std::string s;
  s.reserve(blanks + text.size());
  s.append(blanks, ' ');
  s.append(text);
  return s;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The list owns its records through pointers, so the record is the caller's to change.
TEmpRecClass& EmpBySSN(const TDataSet& d, const std::string& ssn) {
  for (const auto& e : d.EmpList)
    if (e->SSN == ssn) return *e;
  throw std::runtime_error("no employee " + ssn);
}

TEST(ImportHonesty, TheFileEncodingIsFoundAndAByteOrderMarkSkipped) {
  const std::string utf8Line =
      "M\xC3\xBCller,J\xC3\xBCrgen,900,01/02/2024,,Y,K\xC3\xBC"
      "che\r\n";
  const struct {
    const char* name;
    std::string bytes;
    TTextEncoding encoding;
    const char* ssn;
    const char* last;  // as stored (UTF-8 in memory)
    const char* dept;
  } cases[] = {
      {"UTF-8", utf8Line, TTextEncoding::Utf8, "900", "M\xC3\xBCller",
       "K\xC3\xBC"
       "che"},
      {"UTF-8 with a byte order mark", "\xEF\xBB\xBF" + utf8Line, TTextEncoding::Utf8, "900",
       "M\xC3\xBCller",
       "K\xC3\xBC"
       "che"},
      {"Windows-1252",
       "M\xFCller,J\xFCrgen,900,01/02/2024,,Y,K\xFC"
       "che\r\n",
       TTextEncoding::Windows1252, "900", "M\xC3\xBCller",
       "K\xC3\xBC"
       "che"},
      // One byte that is no UTF-8 makes the whole file Windows-1252, the first line included.
      {"UTF-8-looking, then a Windows-1252 line",
       "\xC3\xBC"
       "ber,A,901,01/02/2024,,Y,\r\nM\xFCller,J,902,01/02/2024,,Y,K\xFC"
       "che\r\n",
       TTextEncoding::Windows1252, "901",
       "\xC3\x83\xC2\xBC"
       "ber",
       ""},
      // A character split by the reader's 64 KiB block boundary is still one character (the
      // blank first line puts the "\xC3" of "M\xC3\xBCller" at the block's last byte).
      {"UTF-8 across a block", AfterBlanks(65532, "\r\n" + utf8Line), TTextEncoding::Utf8, "900",
       "M\xC3\xBCller",
       "K\xC3\xBC"
       "che"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::TTempDir tmp;
    const std::string path = tmp.File("emps.txt");
    WriteBytes(path, c.bytes);
    {
      TImportFile file(path, TConvertContent::Employees);
      EXPECT_EQ(file.Encoding(), c.encoding);
    }
    TDataSet d;
    ImportEmployees(d, ReadImportLines(path, TConvertContent::Employees),
                    Options(TFileFormat::Comma), TImportMode::Replace);
    const TEmpRecClass& e = EmpBySSN(d, c.ssn);
    EXPECT_EQ(e.LastName, c.last);
    const int dept = FindDept(d.DeptList, e.DeptID, "");
    EXPECT_EQ(dept < 0 ? "" : d.DeptList[static_cast<std::size_t>(dept)]->DeptName, c.dept);
  }
}

TEST(ImportHonesty, ExportsInEitherEncodingComeBackTheSame) {
  const TDataSet org = test::MakeOrg();
  for (const TTextEncoding encoding : {TTextEncoding::Windows1252, TTextEncoding::Utf8})
    for (const TFileFormat format : {TFileFormat::Comma, TFileFormat::Tab, TFileFormat::Fixed}) {
      SCOPED_TRACE(static_cast<int>(encoding) * 10 + static_cast<int>(format));
      test::TTempDir tmp;
      TConvertOptions o = Options(format);
      o.Encoding = encoding;
      const std::string path = tmp.File("emps.txt");
      WriteExportLines(path, ExportEmployees(org, o));
      const std::string bytes = ReadBytes(path);
      const bool utf8 = encoding == TTextEncoding::Utf8;
      EXPECT_EQ(bytes.find(utf8 ? "M\xC3\xBCller" : "M\xFCller") != std::string::npos, true);
      EXPECT_EQ(IsValidUtf8(bytes), utf8);
      TDataSet back;
      ImportEmployees(back, ReadImportLines(path, TConvertContent::Employees), o,
                      TImportMode::Replace);
      EXPECT_EQ(test::EmpViews(back), test::EmpViews(org));
    }
}

TEST(ImportHonesty, BlankLinesAreSkippedAndShortYearsAreNearTheCurrentOne) {
  const struct {
    const char* name;
    int nearYear;
    std::string text;
    int records;
    TDate start;
  } cases[] = {
      {"trailing blank line", 2026, "Lee,Ann,1,07/01/2026,,Y,\r\n\r\n", 1, EncodeDate(2026, 7, 1)},
      {"blank lines between and blanks only", 2026,
       "\r\nLee,Ann,1,07/01/2026,,Y,\r\n   \r\n\t\r\nLee,Bo,2,07/01/2026,,Y,\r\n", 2,
       EncodeDate(2026, 7, 1)},
      {"7/1/26 in 2026", 2026, "Lee,Ann,1,7/1/26,,Y,\r\n", 1, EncodeDate(2026, 7, 1)},
      {"7/1/45 in 2026", 2026, "Lee,Ann,1,7/1/45,,Y,\r\n", 1, EncodeDate(2045, 7, 1)},
      {"7/1/46 in 2026", 2026, "Lee,Ann,1,7/1/46,,Y,\r\n", 1, EncodeDate(1946, 7, 1)},
      {"7/1/26 in 1990", 1990, "Lee,Ann,1,7/1/26,,Y,\r\n", 1, EncodeDate(1926, 7, 1)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::TTempDir tmp;
    WriteBytes(tmp.File("e.txt"), c.text);
    TConvertOptions o = Options(TFileFormat::Comma);
    o.NearYear = c.nearYear;
    TDataSet d;
    const TImportSummary s = ImportEmployees(
        d, ReadImportLines(tmp.File("e.txt"), TConvertContent::Employees), o, TImportMode::Add);
    EXPECT_EQ(s.Records, c.records);
    ASSERT_EQ(d.EmpList.size(), static_cast<std::size_t>(c.records));
    EXPECT_EQ(d.EmpList.front()->StartDate, c.start);
  }
}

// Every refused line names its line number and leaves the data set exactly as it was, in add
// mode as in replace mode: nothing read before it stays.
TEST(ImportHonesty, AFaultyLineChangesNothingInEitherMode) {
  const struct {
    const char* name;
    TConvertContent content;
    TFileFormat format;
    std::vector<std::string> lines;
    const char* message;
  } cases[] = {
      {"hours that do not fit",
       TConvertContent::Absences,
       TFileFormat::Tab,
       {"333\tNew Reason\t01/05/2024\t8", "", "333\tSick\t01/05/2024\t12345678901234567890"},
       "The \"Absence Hours\" field in record 3 (\"12345678901234567890\") does not fit in 6 "
       "characters.\n\nPlease check your file and try again."},
      {"an absence line with an extra field",
       TConvertContent::Absences,
       TFileFormat::Comma,
       {"333,Sick,01/05/2024,8", "333,Sick,01/06/2024,8,extra"},
       "Absence information record 2 has more than 4 fields.\n\nPlease check your file and try "
       "again."},
      {"an employee line with an extra field",
       TConvertContent::Employees,
       TFileFormat::Comma,
       {"Lee,Ann,900,01/02/2024,,Y,New Dept", "Lee,Bo,901,01/02/2024,,Y,Sales,Accounts"},
       "Employee information record 2 has more than 7 fields.\n\nPlease check your file and try "
       "again."},
      {"an employee line with an extra tab field",
       TConvertContent::Employees,
       TFileFormat::Tab,
       {"Lee\tAnn\t900\t01/02/2024\t\tY\t", "", "", "Lee\tBo\t901\t01/02/2024\t\tY\tSales\t"},
       "Employee information record 4 has more than 7 fields.\n\nPlease check your file and try "
       "again."},
      {"a bad date after good lines",
       TConvertContent::Employees,
       TFileFormat::Comma,
       {"Lee,Ann,900,01/02/2024,,Y,New Dept", "Lee,Bo,901,13/45/2024,,Y,"},
       "The \"Start Date\" field in record 2 (\"13/45/2024\") is not a valid date.\n\nPlease "
       "check your file and try again."},
      {"an unknown employee after good lines",
       TConvertContent::Absences,
       TFileFormat::Comma,
       {"333,Sick,01/05/2024,8", "333,Brand New,01/06/2024,8", "999,Sick,01/05/2024,8"},
       "Error locating Employee for ID 999 in record 3."},
  };
  for (const auto& c : cases)
    for (const TImportMode mode : {TImportMode::Add, TImportMode::Replace}) {
      SCOPED_TRACE(std::string(c.name) + (mode == TImportMode::Add ? " (add)" : " (replace)"));
      TDataSet d = test::MakeOrg();
      const std::string before = DumpJson(d);
      const std::string message = FailureOf([&] {
        if (c.content == TConvertContent::Employees)
          ImportEmployees(d, c.lines, Options(c.format), mode);
        else
          ImportAbsences(d, c.lines, Options(c.format), mode);
      });
      EXPECT_EQ(message, c.message);
      EXPECT_EQ(DumpJson(d), before);
    }
}

// An absence export holds each employee's copies of the company-wide entries and the
// exemptions from them; importing it back keeps copies as copies and exemptions as exemptions,
// and what the summary counts is what the data set then holds.
TEST(ImportHonesty, HolidayCopiesStayCopiesAndCountsMatchWhatIsStored) {
  const TDate holiday = kJan1 + 20;
  for (const TImportMode mode : {TImportMode::Replace, TImportMode::Add}) {
    SCOPED_TRACE(mode == TImportMode::Add ? "add" : "replace");
    TDataSet d = test::MakeOrg();
    // Smith is exempt from the holiday, as a loaded data set records it: an exclusion in place
    // of her copy.
    auto& smith = EmpBySSN(d, "111-22-3333");
    std::erase_if(smith.Entries, [](const auto& x) { return x->Kind == TEntryKind::Global; });
    AddEntry(smith.Entries, d.EmpList, d.ReasonList, 2, holiday, -1, TEntryKind::Exclusion);
    std::vector<std::string> lines = ExportAbsences(d, Options(TFileFormat::Comma), {});
    // An exemption from a day without a holiday has nothing to exempt from.
    lines.push_back("333,Sick,01/02/2024,-1.0");
    if (mode == TImportMode::Add) {
      // Add mode adds the own entries again; keep only the holiday lines and one new entry.
      std::erase_if(lines, [](const std::string& l) {
        return l.find("01/21/2024") == std::string::npos && l.find(",-1") == std::string::npos;
      });
      lines.push_back("333,Sick,01/03/2024,2.0");
    }
    const TImportSummary s = ImportAbsences(d, lines, Options(TFileFormat::Comma), mode);
    EXPECT_EQ(s.CopiesSkipped, 2);  // Jones and Müller; Smith's line is her exemption
    EXPECT_EQ(s.ExemptionsSkipped, 1);
    int stored = 0;
    for (const auto& e : d.EmpList) {
      int copies = 0, own = 0, exclusions = 0;
      for (const auto& x : e->Entries) {
        if (x->EntryDate == holiday && x->IsLive()) {
          copies += x->Kind == TEntryKind::Global;
          own += x->Kind == TEntryKind::Own;
        }
        exclusions +=
            x->Kind == TEntryKind::Exclusion || (x->Kind == TEntryKind::Global && !x->IsLive());
        stored += x->IsLive() && x->Kind != TEntryKind::Global;
      }
      EXPECT_EQ(own, 0) << e->LastName;
      EXPECT_EQ(copies, e->SSN == "111-22-3333" ? 0 : 1) << e->LastName;
      EXPECT_EQ(exclusions, e->SSN == "111-22-3333" ? 1 : 0) << e->LastName;
    }
    if (mode == TImportMode::Replace) {
      EXPECT_EQ(s.EntriesRemoved, 7);  // six own entries and the exemption
      EXPECT_EQ(stored, s.EntriesAdded);
    } else {
      EXPECT_EQ(s.EntriesAdded, 1);
      EXPECT_EQ(s.EntriesMerged, 1);  // the exemption that was already there
    }
  }
}

TEST(ImportHonesty, ReplaceSaysWhatItRemoves) {
  TDataSet d = test::MakeOrg();
  d.EmpList.back()->Entries.front()->DelMark += "D";  // in the trash: gone already
  const TReplaceLoss employees = ReplaceLoss(d, TConvertContent::Employees);
  EXPECT_EQ(employees.Employees, 3);
  EXPECT_EQ(employees.Entries, 5);
  EXPECT_EQ(employees.Balances, 3);
  const TReplaceLoss entries = ReplaceLoss(d, TConvertContent::Absences);
  EXPECT_EQ(entries.Employees, 0);
  EXPECT_EQ(entries.Entries, 5);
  EXPECT_EQ(entries.Balances, 0);
  const TImportSummary s = ImportEmployees(d, {"Lee,Ann,900,01/02/2024,,Y,"},
                                           Options(TFileFormat::Comma), TImportMode::Replace);
  EXPECT_EQ(s.EmployeesRemoved, employees.Employees);
  EXPECT_EQ(s.EntriesRemoved, employees.Entries);
  EXPECT_EQ(s.BalancesRemoved, employees.Balances);
}

}  // namespace
}  // namespace absence
