// The text layouts byte by byte, the field cutting rules and the messages of the import.
#include <gtest/gtest.h>

#include "convert/convert_error.h"
#include "convert/export_run.h"
#include "convert/text_format.h"
#include "convert_test_support.h"

namespace absence {
namespace {

using test::kJan1;

std::string Pad(const std::string& s, std::size_t n) {
  std::string t = s.substr(0, n);
  t.resize(n, ' ');
  return t;
}

TEST(ConvertFormat, EmployeeAndAbsenceLinesOfEachFormat) {
  const TDataSet d = test::MakeOrg();
  const std::string jonesFixed = Pad("Jones", 30) + Pad("Bob", 20) + Pad("222", 15) + "09/23/2023" +
                                 "07/19/2024" + "N" + Pad("Accounts", 50);
  const std::string mullerFixed = Pad("M\xFCller", 30) + Pad("J\xFCrgen", 20) + Pad("333", 15) +
                                  "11/12/2023" + Pad("", 10) + "Y" + Pad("", 50);
  struct Case {
    TFileFormat format;
    std::vector<std::string> employees;
    std::string firstAbsence;
  } cases[] = {
      {TFileFormat::Comma,
       {"Jones,Bob,222,09/23/2023,07/19/2024,N,Accounts", "M\xFCller,J\xFCrgen,333,11/12/2023,,Y,",
        "Smith,Anna,111-22-3333,11/27/2022,,Y,Sales"},
       "222,Vacation,01/04/2024,8.0"},
      {TFileFormat::Tab,
       {"Jones\tBob\t222\t09/23/2023\t07/19/2024\tN\tAccounts",
        "M\xFCller\tJ\xFCrgen\t333\t11/12/2023\t\tY\t",
        "Smith\tAnna\t111-22-3333\t11/27/2022\t\tY\tSales"},
       "222\tVacation\t01/04/2024\t8.0"},
      {TFileFormat::Fixed,
       {jonesFixed, mullerFixed,
        Pad("Smith", 30) + Pad("Anna", 20) + Pad("111-22-3333", 15) + "11/27/2022" + Pad("", 10) +
            "Y" + Pad("Sales", 50)},
       Pad("222", 15) + Pad("Vacation", 30) + "01/04/2024" + Pad("8.0", 6)},
  };
  for (const auto& c : cases) {
    const auto emps = ExportEmployees(d, test::Options(c.format));
    EXPECT_EQ(emps, c.employees);
    const auto absences = ExportAbsences(d, test::Options(c.format), {});
    ASSERT_FALSE(absences.empty());
    EXPECT_EQ(absences.front(), c.firstAbsence);
    if (c.format == TFileFormat::Fixed) {
      for (const auto& l : emps) EXPECT_EQ(l.size(), 136u);
      for (const auto& l : absences) EXPECT_EQ(l.size(), 61u);
    }
  }
}

TEST(ConvertFormat, CommaRotationAndLineBreaks) {
  struct Case {
    std::string in, out;
  } cases[] = {
      {"Smith, Jr", " Jr Smith"},
      {"a,b,c", "c a b"},
      {"no comma", "no comma"},
      {",", " "},
  };
  for (const auto& c : cases) EXPECT_EQ(RotateCommas(c.in), c.out) << c.in;

  // A line break or tab inside a field cannot split the record: it is written as a blank.
  TDataSet d = test::MakeOrg();
  d.EmpList[0]->LastName = "Jones,\r\nSr";
  d.EmpList[0]->FirstName = "B\tob";
  const std::string rest = "222,09/23/2023,07/19/2024,N,Accounts";
  EXPECT_EQ(ExportEmployees(d, test::Options(TFileFormat::Comma))[0], "  Sr Jones,B ob," + rest);
  EXPECT_EQ(ExportEmployees(d, test::Options(TFileFormat::Tab))[0],
            "Jones,  Sr\tB ob\t222\t09/23/2023\t07/19/2024\tN\tAccounts");
}

}  // namespace
}  // namespace absence

namespace absence {
namespace {

TEST(ConvertFormat, DelimitedFieldsAreCutToTheirWidths) {
  int failed = -1;
  const std::string longName(40, 'L');
  const auto f = SplitLine(
      longName + ",First,ID,01/02/2024, 12/31/2024 ,Yes," + std::string(60, 'D') + ",more",
      TFileFormat::Comma, kEmployeeFields, {}, failed);
  ASSERT_EQ(f.size(), 7u);
  EXPECT_EQ(f[efLastName], std::string(30, 'L'));
  EXPECT_EQ(f[efEndDate], " 12/31/202");  // cut to 10, blanks kept
  EXPECT_EQ(f[efEmpType], "Y");
  EXPECT_EQ(f[efDepartment], std::string(50, 'D'));  // the rest, commas included, cut to 50

  const auto a =
      SplitLine("ID\tSick\t01/02/2024\t 7.25 \tx", TFileFormat::Tab, kAbsenceFields, {}, failed);
  EXPECT_EQ(a[afHours], " 7.25 ");  // the first 6 characters of the rest
}

TEST(ConvertFormat, MissingSeparatorNamesTheField) {
  struct Case {
    std::string line;
    int field;
  } cases[] = {{"", 0},
               {"Last", 0},
               {"Last,First", 1},
               {"L,F,ID", 2},
               {"L,F,ID,01/01/2024", 3},
               {"L,F,ID,01/01/2024,", 4},
               {"L,F,ID,01/01/2024,,Y", 5}};
  for (const auto& c : cases) {
    int failed = -1;
    EXPECT_THROW(SplitLine(c.line, TFileFormat::Comma, kEmployeeFields, {}, failed),
                 PVConvertException)
        << c.line;
    EXPECT_EQ(failed, c.field) << c.line;
  }
  int failed = -1;
  EXPECT_NO_THROW(
      SplitLine("L,F,ID,01/01/2024,,Y,", TFileFormat::Comma, kEmployeeFields, {}, failed));
  EXPECT_STREQ(PVConvertException().what(),
               "An error occurred finding a data field in the record.");
}

TEST(ConvertFormat, MessagesVerbatim) {
  const std::pair<std::string, std::string> cases[] = {
      {LengthErrorMessage(TConvertContent::Employees, 4),
       "Employee information record 4 is not the correct length.\n\nPlease check your file to "
       "make sure all records are 136 characters long and try again."},
      {LengthErrorMessage(TConvertContent::Absences, 12),
       "Absence information record 12 is not the correct length.\n\nPlease check your file to "
       "make sure all records are 61 characters long and try again."},
      {FieldErrorMessage("Employee Type", 3),
       "An error occurred finding the \"Employee Type\" field in record 3.\n\nPlease check your "
       "file and try again."},
      {UnknownEmployeeMessage("999", 7), "Error locating Employee for ID 999 in record 7."},
      {OpenErrorMessage(TConvertContent::Employees, 13, "Permission denied"),
       "The following error occurred trying to open your Employee data file:\n\nCode = 13  Msg = "
       "Permission denied"},
      {OpenErrorMessage(TConvertContent::Absences, 21, "Is a directory"),
       "The following error occurred trying to open your Absence data file:\n\nCode = 21  Msg = "
       "Is a directory"},
      {kMissingImportFileMessage,
       "The Data File you selected does not exist.  Please check your file selection and try "
       "again."},
      {kCannotCreateExportFileMessage,
       "The file cannot be created. Please check your file selection and try again."},
  };
  for (const auto& [got, want] : cases) EXPECT_EQ(got, want);
}

}  // namespace
}  // namespace absence
