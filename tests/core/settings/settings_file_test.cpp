// The settings file as one object: values set from outside are checked, a save writes only
// what changed and keeps every line it does not own, and a failed save loses nothing.
#include "data/settings_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <limits>
#include <sstream>

#include "data/data_test_support.h"
#include "data/fault_ops.h"

namespace absence {
namespace {

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// A file as a user or an older version left it: LF line ends, a comment, blanks around "=",
// keys and a section the program does not know, every preference away from its default.
constexpr const char* kUserFile =
    "; kept by hand\n"
    "[Initialization]\n"
    "HourFormat = #,##0.00\n"
    "EmployeeDisplay=1\n"
    "RecordTime=1\n"
    "DefaultHours=0.50\n"
    "ListOrder=1\n"
    "Printer=1\n"
    "BenefitMonth=2\n"
    "BenefitDay=31\n"
    "ShowButtonBorder=1\n"
    "ToolCaption=0\n"
    "FontSettings=120\n"
    "StartupState=10,20,640,480\n"
    "Organization=Acme, Inc.\n"
    "Generations=3\n"
    "ShowAccruals=1\n"
    "FutureOption=yes\n"
    "\n"
    "[Absence]\n"
    "BalancesSettings=120,80,80,80\n"
    "[Plugins]\n"
    "x=1\n";

TEST(SettingsFile, NothingChangedLeavesTheFileByteForByte) {
  test::TTempFolder tmp;
  const std::string path = tmp.File("ABSENCE.INI");
  WriteBytes(path, kUserFile);

  TSettingsFile file(path);
  file.Load();
  const TSettings s = file.ReadPreferences(120, "Absence");
  EXPECT_EQ(s.HourFormat, THourFormat::Hundredth);
  EXPECT_EQ(s.Organization, "Acme, Inc.");
  EXPECT_EQ(s.BenefitDay, 31);  // with February: the day is only limited in the dialog
  // Every write of what the file already holds, as a run that changed nothing makes them.
  file.WritePreferences(s, true);
  file.SetFlag(kShowAccrualsKey, true);
  file.SetColumnWidths("Absence", "BalancesSettings", "120,80,80,80");
  EXPECT_FALSE(file.Save());
  EXPECT_EQ(FileBytes(path), kUserFile);

  // One preference changed: it is written, and nothing the program does not own is lost.
  TSettings changed = s;
  changed.ListOrder = TListOrder::ByDate;
  file.WritePreferences(changed, true);
  EXPECT_TRUE(file.Save());
  const std::string written = FileBytes(path);
  for (const char* kept : {"; kept by hand", "FutureOption=yes", "[Plugins]\r\nx=1",
                           "BalancesSettings=120,80,80,80", "ShowAccruals=1"})
    EXPECT_NE(written.find(kept), std::string::npos) << kept;

  TSettingsFile again(path);
  again.Load();
  const TSettings back = again.ReadPreferences();
  EXPECT_TRUE(ChangedSettings(changed, back).empty());
  EXPECT_EQ(FileBytes(path), written);  // reading without a resolution writes nothing
}

TEST(SettingsFile, ValuesOutOfRangeAreRefusedAndNothingIsWritten) {
  struct Case {
    const char* name;
    std::function<void(TSettings&)> change;
  };
  const Case refused[] = {
      {"BenefitMonth", [](TSettings& s) { s.BenefitMonth = 13; }},
      {"BenefitMonth", [](TSettings& s) { s.BenefitMonth = 0; }},
      {"BenefitDay", [](TSettings& s) { s.BenefitDay = 32; }},
      {"BenefitDay", [](TSettings& s) { s.BenefitDay = 0; }},
      {"DefaultHours", [](TSettings& s) { s.DefaultHours = -0.5f; }},
      {"DefaultHours",
       [](TSettings& s) { s.DefaultHours = std::numeric_limits<float>::quiet_NaN(); }},
      {"ToolCaption", [](TSettings& s) { s.ToolCaption = static_cast<TToolCaption>(3); }},
      {"EmployeeDisplay",
       [](TSettings& s) { s.EmployeeDisplay = static_cast<TEmployeeDisplay>(-1); }},
      {"HourFormat", [](TSettings& s) { s.HourFormat = static_cast<THourFormat>(7); }},
      {"Generations", [](TSettings& s) { s.Generations = kMaxGenerations + 1; }},
      {"StartupState", [](TSettings& s) { s.StartupState = "1,2,-5,40"; }},
  };
  test::TTempFolder tmp;
  const std::string path = tmp.File("ABSENCE.INI");
  WriteBytes(path, kUserFile);
  TSettingsFile file(path);
  file.Load();
  const TSettings stored = file.ReadPreferences();
  for (const Case& c : refused) {
    TSettings s = stored;
    c.change(s);
    try {
      file.WritePreferences(s, true);
      ADD_FAILURE() << c.name << " was accepted";
    } catch (const ESettingRangeError& e) {
      EXPECT_NE(std::string(e.what()).find(c.name), std::string::npos) << e.what();
    }
  }
  EXPECT_FALSE(file.Save());
  EXPECT_EQ(FileBytes(path), kUserFile);

  // The edges of each range are taken.
  TSettings edges = stored;
  edges.BenefitMonth = 12;
  edges.BenefitDay = 1;
  edges.DefaultHours = 0;
  edges.Generations = 0;
  edges.StartupState = kStartMaximised;
  EXPECT_NO_THROW(file.WritePreferences(edges, false));
}

TEST(SettingsFile, AFailedSaveKeepsTheOldFileAndTheChangeForTheNextSave) {
  test::TTempFolder tmp;
  const std::string path = tmp.File("ABSENCE.INI");
  WriteBytes(path, kUserFile);
  TSettingsFile file(path);
  file.Load();
  file.SetFlag(kShowImportPageKey, true);

  test::TFaultyOps rename{2, test::TFaultyOps::Mode::Fail};  // the write, then the rename
  EXPECT_THROW(file.Save(rename.Make()), EDataFileError);
  EXPECT_EQ(FileBytes(path), kUserFile);

  EXPECT_TRUE(file.Save());
  TSettingsFile again(path);
  again.Load();
  EXPECT_TRUE(again.Flag(kShowImportPageKey));
  EXPECT_TRUE(again.Flag(kShowAccrualsKey));
}

TEST(SettingsFile, ANewResolutionDropsTheColumnWidthsOnce) {
  test::TTempFolder tmp;
  const std::string path = tmp.File("sub/ABSENCE.INI");  // the folder is created by the save
  TSettingsFile first(path);
  first.Load();
  TSettings s = first.ReadPreferences(96, "Absence");
  first.SetColumnWidths("Absence", "DeptSettings", "150,60");
  first.WritePreferences(s, true);
  ASSERT_TRUE(first.Save());

  TSettingsFile second(path);
  second.Load();
  s = second.ReadPreferences(144, "Absence");
  EXPECT_EQ(s.FontSettings, 144);
  EXPECT_EQ(second.ColumnWidths("Absence", "DeptSettings"), "0");
  second.SetColumnWidths("Absence", "DeptSettings", "200,90");
  second.WritePreferences(s, true);
  ASSERT_TRUE(second.Save());

  TSettingsFile third(path);
  third.Load();
  third.ReadPreferences(144, "Absence");
  EXPECT_EQ(third.ColumnWidths("Absence", "DeptSettings"), "200,90");
}

}  // namespace
}  // namespace absence
