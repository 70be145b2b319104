// absence-cli end to end: exit codes, dump, save, backup and restore on real folders.
#include <fstream>
#include <sstream>

#include "cli_runner.h"
#include "data/backup.h"
#include "data/datafiles.h"
#include "data/json_dump.h"
#include "data_test_support.h"

namespace absence {
namespace {

using test::RunCli;

TEST(Cli, ExitCodes) {
  test::TTempFolder tmp;
  struct Case {
    std::string args;
    int status;
  } cases[] = {
      {"--data " + tmp.Folder() + " check", 0},
      {"--data " + tmp.Folder() + " nosuchcommand", 2},
      {"--data " + tmp.Folder() + " check extra", 2},
      {"--data", 2},
      {"--data " + tmp.Folder() + " restore " + tmp.File("missing.abk"), 1},
  };
  for (const auto& c : cases) EXPECT_EQ(RunCli(c.args).Status, c.status) << c.args;
  std::filesystem::remove(tmp.File("emp.dat"));
  std::filesystem::create_directories(tmp.File("emp.dat"));
  EXPECT_EQ(RunCli("--data " + tmp.Folder() + " check").Status, 1);
}

TEST(Cli, CheckOnAnEmptyFolderReportsAndCreatesNothing) {
  test::TTempFolder tmp;
  const auto run = RunCli("--data " + tmp.Folder() + " check", true);
  EXPECT_EQ(run.Status, 0);
  EXPECT_TRUE(std::filesystem::is_empty(tmp.Folder()));
  for (const char* name : {"reason.dat", "emp.dat", "globals.dat", "dept.dat"})
    EXPECT_NE(run.Out.find(std::string(name) + " is missing"), std::string::npos) << name;
}

TEST(Cli, DumpSaveBackupAndRestore) {
  test::TTempFolder tmp;
  TDataSet d = test::MakeSampleDataSet();
  d.EmpList[0]->Entries[0]->AddDelMark(TTrashMark::Record,
                                       d.EmpList);  // saved as nothing: own entry trashed
  SaveDataSet(d, tmp.Folder());
  const std::string dir = "--data " + tmp.Folder();

  const auto dump = RunCli(dir + " dump");
  ASSERT_EQ(dump.Status, 0);
  EXPECT_EQ(dump.Out, DumpJson(d));

  std::vector<TBytes> before;
  for (const char* f : {kReasonFile, kEmpFile, kGlobalsFile, kDeptFile})
    before.push_back(ReadWholeFile(tmp.File(f)));
  ASSERT_EQ(RunCli(dir + " save").Status, 0);
  int i = 0;
  for (const char* f : {kReasonFile, kEmpFile, kGlobalsFile, kDeptFile})
    EXPECT_EQ(ReadWholeFile(tmp.File(f)), before[i++]) << f;

  ASSERT_EQ(RunCli(dir + " backup " + tmp.File("b.abk")).Status, 0);
  EXPECT_EQ(ReadWholeFile(tmp.File("b.abk")), SerializeBackup(d));
  // Restore over an emptied folder brings the same data set back and saves it.
  for (const char* f : {kReasonFile, kEmpFile, kGlobalsFile, kDeptFile})
    std::filesystem::remove(tmp.File(f));
  const auto restore = RunCli(dir + " restore " + tmp.File("b.abk"));
  EXPECT_EQ(restore.Status, 0);
  EXPECT_EQ(restore.Out, "Your Absence data was successfully restored.\n");
  EXPECT_EQ(RunCli(dir + " dump").Out, dump.Out);
}

std::vector<TBytes> DataFiles(const test::TTempFolder& tmp) {
  std::vector<TBytes> files;
  for (const char* f : {kReasonFile, kEmpFile, kGlobalsFile, kDeptFile})
    files.push_back(ReadWholeFile(tmp.File(f)));
  return files;
}

TEST(Cli, RestoreRefusesWhatIsNotABackupAndChangesNoFile) {
  test::TTempFolder tmp;
  TDataSet d = test::MakeSampleDataSet();
  SaveDataSet(d, tmp.Folder());
  const std::string dir = "--data " + tmp.Folder() + " --ini " + tmp.File("a.ini");
  const auto before = DataFiles(tmp);
  std::ofstream(tmp.File("hostname")) << "myhost\n";
  std::ofstream(tmp.File("empty.abk")).flush();
  for (const std::string& picked : {tmp.File("hostname"), tmp.File("empty.abk"), tmp.Folder()}) {
    const auto run = RunCli(dir + " restore " + picked, true);
    EXPECT_EQ(run.Status, 1) << picked;
    EXPECT_NE(run.Out.find("is not an Absence backup file"), std::string::npos) << run.Out;
    EXPECT_EQ(DataFiles(tmp), before) << picked;
  }
  EXPECT_FALSE(std::filesystem::exists(tmp.File("Backups")));
}

// After three saves with changes there are three generations, newest first, and restoring the
// oldest gives the first state back.
TEST(Cli, BackupsListsTheGenerationsAndRestoreTakesThem) {
  test::TTempFolder tmp;
  TDataSet sample = test::MakeSampleDataSet();
  SaveDataSet(sample, tmp.Folder());
  const std::string dir = "--data " + tmp.Folder() + " --ini " + tmp.File("a.ini");
  const std::string first = RunCli(dir + " dump").Out;
  for (int i = 1; i <= 3; ++i) {
    BackupData(test::MakeRandomDataSet(static_cast<unsigned>(i), 5), tmp.File("b.abk"));
    ASSERT_EQ(RunCli(dir + " restore " + tmp.File("b.abk")).Status, 0) << i;
  }
  const auto list = RunCli(dir + " backups");
  ASSERT_EQ(list.Status, 0);
  std::vector<std::string> paths;
  std::istringstream lines(list.Out);
  for (std::string line; std::getline(lines, line);) {
    const auto tab = line.find('\t');
    ASSERT_NE(tab, std::string::npos) << line;
    EXPECT_EQ(line.size() - tab - 1, 19u) << line;  // YYYY-MM-DD HH:MM:SS
    paths.push_back(line.substr(0, tab));
  }
  ASSERT_EQ(paths.size(), 3u) << list.Out;
  ASSERT_EQ(RunCli(dir + " restore " + paths.back()).Status, 0);
  EXPECT_EQ(RunCli(dir + " dump").Out, first);
}

// A load that repaired the files keeps them aside, as they were, before the save writes over
// them.
TEST(Cli, ASaveAfterARepairedLoadKeepsTheOriginals) {
  test::TTempFolder tmp;
  TDataSet sample = test::MakeSampleDataSet();
  SaveDataSet(sample, tmp.Folder());
  TBytes emp = ReadWholeFile(tmp.File(kEmpFile));
  emp[kEmpRecSize * (emp.size() / kEmpRecSize - 1)] = 'x';  // the last record's kind byte
  test::WriteBytes(tmp.File(kEmpFile), emp);
  const auto run = RunCli("--data " + tmp.Folder() + " --ini " + tmp.File("a.ini") + " save", true);
  EXPECT_EQ(run.Status, 0);
  std::vector<std::string> kept;
  for (const auto& e : std::filesystem::directory_iterator(tmp.Folder()))
    if (e.path().filename().string().starts_with("Originals-")) kept.push_back(e.path());
  ASSERT_EQ(kept.size(), 1u) << run.Out;
  EXPECT_NE(run.Out.find(kept[0]), std::string::npos) << run.Out;
  EXPECT_EQ(ReadWholeFile(kept[0] + "/" + kEmpFile), emp);
  EXPECT_NE(ReadWholeFile(tmp.File(kEmpFile)), emp);
}

}  // namespace
}  // namespace absence
