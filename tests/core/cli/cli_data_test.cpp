// absence-cli end to end: exit codes, dump, save, backup and restore on real folders.
#include "cli_runner.h"
#include "data/backup.h"
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

}  // namespace
}  // namespace absence
