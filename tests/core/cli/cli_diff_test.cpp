// absence-cli diff: exit status as diff(1) gives it, the listing, and folders left untouched.
#include <fstream>
#include <map>

#include "cli_runner.h"
#include "data/backup.h"
#include "data_test_support.h"

namespace absence {
namespace {

using test::RunCli;

std::map<std::string, TBytes> FilesIn(const std::string& folder) {
  std::map<std::string, TBytes> files;
  for (const auto& e : std::filesystem::directory_iterator(folder))
    if (e.is_regular_file()) files[e.path().filename().string()] = ReadWholeFile(e.path().string());
  return files;
}

TEST(CliDiff, ComparesFoldersAndBackupsEitherWay) {
  test::TTempFolder tmp;
  const std::string folder = tmp.File("data");
  std::filesystem::create_directories(folder);
  TDataSet d = test::MakeSampleDataSet();
  SaveDataSet(d, folder + "/", false);
  BackupData(d, tmp.File("same.abk"));
  AddEntry(d.GlobalList, d.EmpList, d.ReasonList, 2, test::k2024Jan1 + 7, 4, TEntryKind::Global);
  BackupData(d, tmp.File("changed.abk"));
  std::ofstream(tmp.File("notes.txt")) << "not a backup\n";
  const auto filesBefore = FilesIn(folder);

  struct TCase {
    std::string Args;
    int Status;
    std::string Out;  // standard output; with errors, a part of standard error
    bool Errors = false;
  };
  const std::string added = "+ global entry of reason 2 \"Sick\", 2024-01-08\n    Hours: 4\n";
  const std::vector<TCase> cases = {
      {folder + " " + tmp.File("same.abk"), 0, ""},
      {tmp.File("same.abk") + " " + folder + "/", 0, ""},
      {folder + " " + folder, 0, ""},
      {folder + " " + tmp.File("changed.abk"), 1, added},
      {tmp.File("changed.abk") + " " + folder, 1,
       "- global entry of reason 2 \"Sick\", 2024-01-08\n    Hours: 4\n"},
      {"--json " + folder + " " + tmp.File("changed.abk"), 1,
       "[{\"change\":\"added\",\"record\":\"global entry\",\"reason\":{\"id\":2,\"name\":"
       "\"Sick\"},\"date\":\"2024-01-08\",\"fields\":[{\"field\":\"Hours\",\"before\":null,"
       "\"after\":\"4\"}]}]\n"},
      {"--json " + folder + " " + tmp.File("same.abk"), 0, "[]\n"},
      {folder + " " + tmp.File("missing"), 2, "no such data folder or backup file", true},
      {tmp.File("notes.txt") + " " + folder, 2, "is not an Absence backup file", true},
      {folder, 2, "B is required", true},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Args);
    const auto run = RunCli("diff " + c.Args, c.Errors);
    EXPECT_EQ(run.Status, c.Status) << run.Out;
    if (c.Errors)
      EXPECT_NE(run.Out.find(c.Out), std::string::npos) << run.Out;
    else
      EXPECT_EQ(run.Out, c.Out);
  }
  // Only read: no lock taken, no file made or changed.
  EXPECT_EQ(FilesIn(folder), filesBefore);
}

}  // namespace
}  // namespace absence
