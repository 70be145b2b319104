#include "data/settings.h"

#include <gtest/gtest.h>

#include <string>

namespace absence {
namespace {

TIniFile IniWith(const std::string& text) {
  TIniFile ini("");
  ini.Parse(text);
  return ini;
}

TEST(Settings, MissingFileGivesTheFirstRunDefaults) {
  TIniFile ini = IniWith("");
  TSettings s;
  s.HourFormat = THourFormat::Whole;
  s.DefaultHours = 3;
  ReadIniSettings(ini, "Absence", 120, s);
  EXPECT_EQ(s.HourFormat, THourFormat::Tenth);
  EXPECT_EQ(s.EmployeeDisplay, TEmployeeDisplay::All);
  EXPECT_EQ(s.RecordTime, TRecordTime::Hours);
  EXPECT_FLOAT_EQ(s.DefaultHours, 8);
  EXPECT_EQ(s.ListOrder, TListOrder::ByDate);
  EXPECT_EQ(s.Printer, TOrientation::Portrait);
  EXPECT_EQ(s.BenefitMonth, 1);
  EXPECT_EQ(s.BenefitDay, 1);
  EXPECT_FALSE(s.ShowButtonBorder);
  EXPECT_EQ(s.ToolCaption, TToolCaption::PictureAndText);
  EXPECT_EQ(s.FontSettings, 120);
  EXPECT_EQ(s.StartupState, "0");
}

// A setting's value as the number the file holds.
template <auto Field>
int Number(const TSettings& s) {
  return static_cast<int>(s.*Field);
}

struct TRangeCase {
  const char* line;
  int (*field)(const TSettings&);
  int expected;
};

TEST(Settings, ValuesOutOfRangeAreRepaired) {
  const TRangeCase cases[] = {
      {"EmployeeDisplay=1", Number<&TSettings::EmployeeDisplay>, 1},
      {"EmployeeDisplay=7", Number<&TSettings::EmployeeDisplay>, 2},
      {"EmployeeDisplay=-3", Number<&TSettings::EmployeeDisplay>, 2},
      {"RecordTime=5", Number<&TSettings::RecordTime>, 1},
      {"ListOrder=9", Number<&TSettings::ListOrder>, 1},
      {"Printer=4", Number<&TSettings::Printer>, 1},
      {"BenefitMonth=12", Number<&TSettings::BenefitMonth>, 12},
      {"BenefitMonth=0", Number<&TSettings::BenefitMonth>, 1},
      {"BenefitMonth=13", Number<&TSettings::BenefitMonth>, 1},
      {"BenefitDay=31", Number<&TSettings::BenefitDay>, 31},
      {"BenefitDay=32", Number<&TSettings::BenefitDay>, 1},
      {"BenefitDay=abc", Number<&TSettings::BenefitDay>, 1},
      {"ToolCaption=0", Number<&TSettings::ToolCaption>, 0},
      {"ToolCaption=1", Number<&TSettings::ToolCaption>, 1},
      {"ToolCaption=5", Number<&TSettings::ToolCaption>, 2},
  };
  for (const TRangeCase& c : cases) {
    TIniFile ini = IniWith(std::string("[Initialization]\n") + c.line + "\n");
    TSettings s;
    ReadIniSettings(ini, "Absence", 96, s);
    EXPECT_EQ(c.field(s), c.expected) << c.line;
  }
}

TEST(Settings, ButtonBorderOnlyForOne) {
  for (const auto& [text, on] : {std::pair{"1", true}, {"2", false}, {"0", false}}) {
    TIniFile ini = IniWith(std::string("[Initialization]\nShowButtonBorder=") + text + "\n");
    TSettings s;
    ReadIniSettings(ini, "Absence", 96, s);
    EXPECT_EQ(s.ShowButtonBorder, on) << text;
  }
}

TEST(Settings, HourFormatKeepsTheThreePatterns) {
  EXPECT_EQ(HourFormatFromText("#,##0"), THourFormat::Whole);
  EXPECT_EQ(HourFormatFromText("#,##0.0"), THourFormat::Tenth);
  EXPECT_EQ(HourFormatFromText("#,##0.00"), THourFormat::Hundredth);
  EXPECT_EQ(HourFormatFromText("0.000"), THourFormat::Hundredth);
  EXPECT_STREQ(HourFormatPattern(THourFormat::Whole), "#,##0");
  EXPECT_STREQ(HourFormatPattern(THourFormat::Tenth), "#,##0.0");
  EXPECT_STREQ(HourFormatPattern(THourFormat::Hundredth), "#,##0.00");
  // Commas must survive the file: the reader does not split values.
  TIniFile ini = IniWith("[Initialization]\nHourFormat=#,##0\n");
  TSettings s;
  ReadIniSettings(ini, "Absence", 96, s);
  EXPECT_EQ(s.HourFormat, THourFormat::Whole);
}

TEST(Settings, DefaultHoursZeroMeansEightOrOneDay) {
  struct {
    const char* text;
    TRecordTime recordTime;
    float expected;
  } cases[] = {{"0", TRecordTime::Hours, 8},        {"0", TRecordTime::Days, 1},
               {"7.50", TRecordTime::Hours, 7.5f},  {"7.50", TRecordTime::Days, 7.5f},
               {"abc", TRecordTime::Hours, 8},      {"-4", TRecordTime::Hours, 8},
               {"nan", TRecordTime::Days, 1},       {"", TRecordTime::Hours, 8},
               {"0.25", TRecordTime::Hours, 0.25f}, {"0.00", TRecordTime::Hours, 0},
               {"0.00", TRecordTime::Days, 0},      {"0.0", TRecordTime::Hours, 0},
               {"00", TRecordTime::Hours, 0}};
  for (const auto& c : cases)
    EXPECT_FLOAT_EQ(DefaultHoursFromText(c.text, c.recordTime), c.expected) << c.text;
  EXPECT_EQ(FormatDefaultHours(8), "8.00");
  EXPECT_EQ(FormatDefaultHours(7.5f), "7.50");
  EXPECT_EQ(FormatDefaultHours(12.345f), "12.35");

  TIniFile ini = IniWith("[Initialization]\nRecordTime=1\nDefaultHours=0\n");
  TSettings s;
  ReadIniSettings(ini, "Absence", 96, s);
  EXPECT_FLOAT_EQ(s.DefaultHours, 1);
}

TEST(Settings, ResolutionChangeDropsTheSevenColumnWidthKeys) {
  std::string text = "[Initialization]\nFontSettings=96\n[Absence]\nOtherKey=1\n";
  for (const char* key : kColumnWidthKeys) text += std::string(key) + "=10,20\n";
  {
    TIniFile ini = IniWith(text);
    TSettings s;
    ReadIniSettings(ini, "Absence", 96, s);
    for (const char* key : kColumnWidthKeys) EXPECT_TRUE(ini.HasKey("Absence", key)) << key;
  }
  TIniFile ini = IniWith(text);
  TSettings s;
  ReadIniSettings(ini, "Absence", 120, s);
  for (const char* key : kColumnWidthKeys) EXPECT_FALSE(ini.HasKey("Absence", key)) << key;
  EXPECT_TRUE(ini.HasKey("Absence", "OtherKey"));
  EXPECT_EQ(s.FontSettings, 120);
}

TEST(Settings, StartupStateParsesFourNumbersOrMeansMaximised) {
  const TWindowPlacement p = ParseStartupState("10,20,700,500");
  EXPECT_FALSE(p.Maximised);
  EXPECT_EQ(p.Top, 10);
  EXPECT_EQ(p.Left, 20);
  EXPECT_EQ(p.ClientWidth, 700);
  EXPECT_EQ(p.ClientHeight, 500);
  EXPECT_EQ(FormatStartupState(p), "10,20,700,500");
  EXPECT_EQ(ParseStartupState("-5,-8,640,480").Left, -8);
  for (const char* bad : {"0", "", "1,2,3", "1,2,3,4,5", "a,b,c,d", "1,2,0,4", "1,,3,4"})
    EXPECT_TRUE(ParseStartupState(bad).Maximised) << bad;
  EXPECT_EQ(FormatStartupState(TWindowPlacement{}), "0");
}

TEST(Settings, WriteOrderAndPrinterOnlyWithAPrinter) {
  TSettings s;
  s.DefaultHours = 7.5f;
  s.StartupState = "1,2,700,500";
  TIniFile ini = IniWith("");
  WriteIniSettings(ini, s, true);
  EXPECT_EQ(ini.Text(),
            "[Initialization]\r\nHourFormat=#,##0.0\r\nBenefitMonth=1\r\nBenefitDay=1\r\n"
            "ListOrder=0\r\nFontSettings=96\r\nPrinter=0\r\nShowButtonBorder=0\r\n"
            "ToolCaption=2\r\nEmployeeDisplay=0\r\nRecordTime=0\r\nDefaultHours=7.50\r\n"
            "StartupState=1,2,700,500\r\nOrganization=\r\nGenerations=10\r\n");

  TIniFile kept = IniWith("[Initialization]\nPrinter=1\n");
  s.Printer = TOrientation::Portrait;
  WriteIniSettings(kept, s, false);
  EXPECT_EQ(kept.ReadString("Initialization", "Printer", ""), "1");
}

TEST(Settings, RoundTripThroughTheFile) {
  TSettings s;
  s.HourFormat = THourFormat::Hundredth;
  s.EmployeeDisplay = TEmployeeDisplay::Former;
  s.RecordTime = TRecordTime::Days;
  s.DefaultHours = 0.5f;
  s.ListOrder = TListOrder::ByReason;
  s.Printer = TOrientation::Landscape;
  s.BenefitMonth = 2;
  s.BenefitDay = 31;
  s.ShowButtonBorder = true;
  s.ToolCaption = TToolCaption::Picture;
  s.StartupState = "3,4,800,600";
  s.Organization = "Acme Widgets, Inc.\r\nEast";
  TIniFile ini = IniWith("");
  WriteIniSettings(ini, s, true);
  TSettings back;
  ReadIniSettings(ini, "Absence", 96, back);
  EXPECT_EQ(back.HourFormat, s.HourFormat);
  EXPECT_EQ(back.EmployeeDisplay, TEmployeeDisplay::Former);
  EXPECT_EQ(back.RecordTime, TRecordTime::Days);
  EXPECT_FLOAT_EQ(back.DefaultHours, 0.5f);
  EXPECT_EQ(back.Organization, "Acme Widgets, Inc.  East");
  EXPECT_EQ(back.ListOrder, TListOrder::ByReason);
  EXPECT_EQ(back.Printer, TOrientation::Landscape);
  EXPECT_EQ(back.BenefitMonth, 2);
  EXPECT_EQ(back.BenefitDay, 31);
  EXPECT_TRUE(back.ShowButtonBorder);
  EXPECT_EQ(back.ToolCaption, TToolCaption::Picture);
  EXPECT_EQ(back.StartupState, "3,4,800,600");
}

TEST(Settings, FormatNumberFollowsThePattern) {
  struct {
    double value;
    const char* pattern;
    const char* expected;
  } cases[] = {
      {8.69, "#,##0", "9"},
      {8.69, "#,##0.0", "8.7"},
      {8.69, "#,##0.00", "8.69"},
      {1234.5, "#,##0.0", "1,234.5"},
      {1234567, "#,##0", "1,234,567"},
      {-2.5, "#0.00", "-2.50"},
      {0.125, "0.00", "0.13"},
      {-0.004, "#,##0.00", "0.00"},
      {999.96, "#,##0.0", "1,000.0"},
      {0, "#0.00", "0.00"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatNumber(c.value, c.pattern), c.expected) << c.value;
}

}  // namespace
}  // namespace absence
