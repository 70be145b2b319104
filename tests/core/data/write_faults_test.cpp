// The settings file under a failing write, rename or crash at each step: the old file stays
// whole, the error names the file and the system's reason, and nothing temporary is left.
#include <algorithm>
#include <fstream>

#include "data/ini_file.h"
#include "data_test_support.h"
#include "fault_ops.h"

namespace absence {
namespace {

using test::TFaultyOps;

std::vector<std::string> Names(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(folder))
    names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(WriteFaults, SettingsFileKeepsItsOldContentsAtEveryFailingStep) {
  test::TTempFolder tmp;
  const std::string path = tmp.File("ABSENCE.INI");
  const std::string oldText = "[Initialization]\r\nHourFormat=#,##0.0\r\n";
  TIniFile changed(path);
  changed.Parse(oldText);
  changed.WriteString("Initialization", "Organization", "New name");
  const auto reset = [&] {
    std::filesystem::remove_all(tmp.Folder());
    std::filesystem::create_directories(tmp.Folder());
    std::ofstream(path, std::ios::binary) << oldText;
  };
  const auto steps = test::ForEachFaultyStep(
      reset, [&](const TFileOps& ops) { changed.Save(ops); },
      [&](TFaultyOps::Mode mode, int step, const auto& run) {
        const std::string at = "step " + std::to_string(step);
        if (mode == TFaultyOps::Mode::Crash) {
          EXPECT_THROW(run(), TFaultyOps::TCrash) << at;
        } else {
          try {
            run();
            ADD_FAILURE() << at << ": no error";
          } catch (const EDataFileError& e) {
            EXPECT_NE(std::string(e.what()).find(tmp.Folder()), std::string::npos) << e.what();
          }
          EXPECT_EQ(Names(tmp.Folder()), std::vector<std::string>{"ABSENCE.INI"}) << at;
        }
        TIniFile after(path);
        after.Load();
        EXPECT_EQ(after.Text(), oldText) << at;
      });
  EXPECT_GE(steps, 2);  // the write and the rename
}

// Values that a line of the file could not give back are refused; others read back exactly
// (without blanks around them).
TEST(WriteFaults, SettingsValuesCannotBreakTheFile) {
  const struct {
    const char* section;
    const char* key;
    const char* value;
    bool refused;
  } cases[] = {
      {"Initialization", "Organization", "Acme = Widgets", false},
      {"Initialization", "Organization", "  padded  ", false},
      {"Initialization", "Organization", "two\nlines", true},
      {"Initialization", "Organization", "carriage\rreturn", true},
      {"Initialization", "Org=anization", "x", true},
      {"Initialization", "[Absence]", "x", true},
      {"Initialization", "; note", "x", true},
      {"Initialization", "", "x", true},
      {"Init]ialization", "Key", "x", true},
      {"Init\nialization", "Key", "x", true},
  };
  for (const auto& c : cases) {
    TIniFile ini;
    ini.WriteString("Initialization", "HourFormat", "#,##0.0");
    const std::string before = ini.Text();
    if (c.refused) {
      EXPECT_THROW(ini.WriteString(c.section, c.key, c.value), EIniValueError) << c.key;
      EXPECT_EQ(ini.Text(), before) << c.key;
      continue;
    }
    ini.WriteString(c.section, c.key, c.value);
    TIniFile back;
    back.Parse(ini.Text());
    std::string expected = c.value;
    expected.erase(0, expected.find_first_not_of(' '));
    expected.erase(expected.find_last_not_of(' ') + 1);
    EXPECT_EQ(back.ReadString(c.section, c.key, "?"), expected) << c.value;
    EXPECT_EQ(back.ReadString("Initialization", "HourFormat", ""), "#,##0.0") << c.value;
  }
}

}  // namespace
}  // namespace absence
