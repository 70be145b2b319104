// Exports and an import that saves, under a failing write, flush or rename, or a crash, at each
// step: the files hold their whole old or whole new contents, the data set in memory is whole,
// and the error carries the system's message.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "convert/export_run.h"
#include "convert/import_run.h"
#include "convert/text_file.h"
#include "convert_test_support.h"
#include "data/fault_ops.h"
#include "data/json_dump.h"

namespace absence {
namespace {

using test::FolderNames;
using test::kJan1;
using test::Options;
using test::TFaultyOps;

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ConvertFaults, ExportKeepsTheEarlierFileWholeAtEveryFailingStep) {
  test::TTempDir tmp;
  const std::string folder = std::filesystem::path(tmp.File("x")).parent_path().string();
  const std::string path = tmp.File("export.txt");
  const std::string oldText = "an earlier export\r\n";
  const TDataSet org = test::MakeOrg();
  const std::string before = DumpJson(org);
  struct TCase {
    const char* name;
    std::function<void(const TFileOps&)> write;
  };
  const TCase cases[] = {
      {"absences, written as made",
       [&](const TFileOps& ops) {
         WriteAbsenceExport(path, org, Options(TFileFormat::Comma), {}, {}, ops);
       }},
      {"employees",
       [&](const TFileOps& ops) {
         WriteExportLines(path, ExportEmployees(org, Options(TFileFormat::Fixed)), ops);
       }},
      {"a text", [&](const TFileOps& ops) { WriteExportText(path, "BEGIN\r\nEND\r\n", ops); }},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    const auto reset = [&] {
      std::filesystem::remove_all(folder);
      std::filesystem::create_directories(folder);
      std::ofstream(path, std::ios::binary) << oldText;
    };
    reset();
    c.write(TFileOps::Real());
    const std::string newText = ReadText(path);
    ASSERT_NE(newText, oldText);
    const int steps = test::ForEachFaultyStep(
        reset, c.write, [&](TFaultyOps::Mode mode, int step, const auto& run) {
          const std::string at =
              "step " + std::to_string(step) + ", mode " + std::to_string(static_cast<int>(mode));
          if (mode == TFaultyOps::Mode::Crash) {
            EXPECT_THROW(run(), TFaultyOps::TCrash) << at;
            const std::string text = ReadText(path);
            EXPECT_TRUE(text == oldText || text == newText) << at;
            return;
          }
          try {
            run();
            ADD_FAILURE() << at << ": no error";
          } catch (const EConvertError& e) {
            EXPECT_EQ(e.Kind, TMessageKind::Error) << at;
            // The system's message names the file it failed on.
            EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << at << e.what();
          }
          EXPECT_EQ(ReadText(path), oldText) << at;
          EXPECT_EQ(FolderNames(folder), std::vector<std::string>{"export.txt"}) << at;
        });
    EXPECT_GE(steps, 2);  // the write and the rename
  }
  EXPECT_EQ(DumpJson(org), before);
}

// An absence import in add mode, then the save that follows it.
TEST(ConvertFaults, ImportThatSavesLeavesFilesOldOrNewAndMemoryImported) {
  test::TTempDir tmp;
  const std::string folder = std::filesystem::path(tmp.File("x")).parent_path().string() + "/";
  TDataSet more = test::MakeOrg();
  AddEntry(more.EmpList[0]->Entries, more.EmpList, more.ReasonList, 1, kJan1 + 30, 6,
           TEntryKind::Own);
  AddEntry(more.EmpList[2]->Entries, more.EmpList, more.ReasonList, 2, kJan1 + 3, 2,
           TEntryKind::Own);
  const auto lines = ExportAbsences(more, Options(TFileFormat::Tab), {});

  const auto reset = [&] {
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    TDataSet org = test::MakeOrg();
    SaveDataSet(org, folder, false);
  };
  const auto loaded = [&] {
    TDataSet d;
    LoadDataSet(d, folder);
    return DumpJson(d);
  };
  TDataSet data;
  std::string imported;
  const auto write = [&](const TFileOps& ops) {
    data = TDataSet();
    LoadDataSet(data, folder);
    ImportAbsences(data, lines, Options(TFileFormat::Tab), TImportMode::Add);
    imported = DumpJson(data);
    SaveDataSet(data, folder, false, ops);
  };
  reset();
  const std::string oldSet = loaded();
  write(TFileOps::Real());
  const std::string newSet = loaded();
  ASSERT_NE(oldSet, newSet);

  const int steps =
      test::ForEachFaultyStep(reset, write, [&](TFaultyOps::Mode mode, int step, const auto& run) {
        const std::string at =
            "step " + std::to_string(step) + ", mode " + std::to_string(static_cast<int>(mode));
        if (mode == TFaultyOps::Mode::Crash) {
          EXPECT_THROW(run(), TFaultyOps::TCrash) << at;
          const std::string next = loaded();  // the next start finishes or undoes the save
          EXPECT_TRUE(next == oldSet || next == newSet) << at;
          return;
        }
        bool failed = false;
        try {
          run();
        } catch (const EDataFileError& e) {
          failed = true;
          EXPECT_NE(std::string(e.what()).find(folder), std::string::npos) << at << e.what();
        }
        EXPECT_EQ(DumpJson(data), imported) << at;
        EXPECT_EQ(loaded(), failed ? oldSet : newSet) << at;
      });
  EXPECT_GT(steps, 4);
}

}  // namespace
}  // namespace absence
