// The settings file reader/writer keeps values verbatim and the file's other lines intact.
#include "data/ini_file.h"
#include "data_test_support.h"

namespace absence {
namespace {

TEST(IniFile, ValuesAreKeptVerbatimAndOtherLinesSurvive) {
  TIniFile ini;
  ini.Parse(
      "; a comment\r\n[Initialization]\r\nHourFormat=#,##0.0\r\nodd line\r\n\r\n[Absence]\r\n"
      "BalancesSettings=120,80,80,80\r\n");
  EXPECT_EQ(ini.ReadString("initialization", "hourformat", ""), "#,##0.0");
  EXPECT_EQ(ini.ReadString("Absence", "BalancesSettings", ""), "120,80,80,80");
  ini.WriteString("Initialization", "BenefitDay", "31");
  ini.WriteString("Absence", "BalancesSettings", "1,2");
  EXPECT_EQ(ini.Text(),
            "; a comment\r\n[Initialization]\r\nHourFormat=#,##0.0\r\nodd line\r\nBenefitDay=31\r\n"
            "\r\n[Absence]\r\nBalancesSettings=1,2\r\n");
  ini.DeleteKey("Absence", "BalancesSettings");
  EXPECT_FALSE(ini.HasKey("Absence", "BalancesSettings"));
}

TEST(IniFile, NewFileStartsWithItsSectionHeader) {
  TIniFile ini;
  ini.WriteInteger("Initialization", "ListOrder", 1);
  EXPECT_EQ(ini.Text(), "[Initialization]\r\nListOrder=1\r\n");
}

TEST(IniFile, IntegersReadStrictlyAndMissingFileIsEmpty) {
  TIniFile ini;
  ini.Parse("[S]\na=12\nb=12x\nc=\nd=-3\ne=+4\n");
  struct Case {
    const char* key;
    int expected;
  } cases[] = {{"a", 12}, {"b", 7}, {"c", 7}, {"d", -3}, {"e", 4}, {"missing", 7}};
  for (const auto& c : cases) EXPECT_EQ(ini.ReadInteger("S", c.key, 7), c.expected) << c.key;

  test::TTempFolder tmp;
  TIniFile file(tmp.File("sub/ABSENCE.INI"));
  EXPECT_FALSE(file.Load());
  file.WriteString("Initialization", "HourFormat", "#,##0");
  file.Save();  // creates the folder
  TIniFile again(tmp.File("sub/ABSENCE.INI"));
  EXPECT_TRUE(again.Load());
  EXPECT_EQ(again.ReadString("Initialization", "HourFormat", ""), "#,##0");
}

}  // namespace
}  // namespace absence
