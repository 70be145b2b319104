// The settings file under a failing write, rename or crash at each step: the old file stays
// whole, the error names the file and the system's reason, and nothing temporary is left.
#include <algorithm>
#include <fstream>

#include "data/ini_file.h"
#include "data_test_support.h"
#include "fault_ops.h"

namespace absence {
namespace {

using test::FolderNames;
using test::TFaultyOps;

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
          EXPECT_EQ(FolderNames(tmp.Folder()), std::vector<std::string>{"ABSENCE.INI"}) << at;
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

// Contents made piece by piece reach the file exactly, however the pieces fall against the
// writer's blocks; a source that fails half-way leaves the old file and no temporary file.
TEST(WriteFaults, StreamedReplaceWritesEveryPieceOrLeavesTheOldFile) {
  test::TTempFolder tmp;
  const std::string path = tmp.File("out.txt");
  const std::size_t block = 1 << 16;
  struct TCase {
    const char* name;
    std::vector<std::size_t> pieces;  // sizes, in order
    int failAfter;                    // the source throws after this many pieces; -1: never
  };
  const TCase cases[] = {
      {"nothing", {}, -1},
      {"small pieces", {1, 2, 0, 5}, -1},
      {"filling a block exactly", {block - 3, 3, 1}, -1},
      {"crossing a block", {block - 3, 7, block, 1}, -1},
      {"one piece over two blocks", {2 * block + 5}, -1},
      {"a source failing half-way", {10, block, 10}, 2},
      {"a source failing at once", {10}, 0},
  };
  for (const TCase& c : cases) {
    std::ofstream(path, std::ios::binary) << "old";
    std::string expected;
    char next = 'a';
    const TByteSource source = [&](const TByteSink& sink) {
      for (std::size_t i = 0; i < c.pieces.size(); ++i) {
        if (static_cast<int>(i) == c.failAfter) throw std::runtime_error("source failed");
        const std::string piece(c.pieces[i], next);
        next = next == 'z' ? 'a' : static_cast<char>(next + 1);
        expected += piece;
        sink(std::span(reinterpret_cast<const uint8_t*>(piece.data()), piece.size()));
      }
    };
    if (c.failAfter >= 0) {
      EXPECT_THROW(ReplaceFileFrom(path, source, ".tmp"), std::runtime_error) << c.name;
      expected = "old";
    } else {
      ReplaceFileFrom(path, source, ".tmp");
    }
    const TBytes bytes = ReadWholeFile(path);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), expected) << c.name;
    EXPECT_EQ(FolderNames(tmp.Folder()), std::vector<std::string>{"out.txt"}) << c.name;
  }
}

}  // namespace
}  // namespace absence
