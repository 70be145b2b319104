// absence-cli end to end: exit codes, dump, save, backup and restore on real folders.
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "data/backup.h"
#include "data/json_dump.h"
#include "data_test_support.h"

namespace absence {
namespace {

struct TRun {
  int status;
  std::string out;
};

TRun Cli(const std::string& args) {
  const std::string cmd = std::string(ABSENCE_CLI) + " " + args + " 2>/dev/null";
  FILE* p = ::popen(cmd.c_str(), "r");
  std::string out;
  char buf[4096];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
  const int raw = ::pclose(p);
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, out};
}

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
  for (const auto& c : cases) EXPECT_EQ(Cli(c.args).status, c.status) << c.args;
  std::filesystem::remove(tmp.File("emp.dat"));
  std::filesystem::create_directories(tmp.File("emp.dat"));
  EXPECT_EQ(Cli("--data " + tmp.Folder() + " check").status, 1);
}

TEST(Cli, DumpSaveBackupAndRestore) {
  test::TTempFolder tmp;
  TDataSet d = test::MakeSampleDataSet();
  d.EmpList[0]->Entries[0]->AddDelMark("D", d.EmpList);  // saved as nothing: own entry trashed
  SaveDataSet(d, tmp.Folder());
  const std::string dir = "--data " + tmp.Folder();

  const TRun dump = Cli(dir + " dump");
  ASSERT_EQ(dump.status, 0);
  EXPECT_EQ(dump.out, DumpJson(d));

  std::vector<TBytes> before;
  for (const char* f : {kReasonFile, kEmpFile, kGlobalsFile, kDeptFile})
    before.push_back(ReadWholeFile(tmp.File(f)));
  ASSERT_EQ(Cli(dir + " save").status, 0);
  int i = 0;
  for (const char* f : {kReasonFile, kEmpFile, kGlobalsFile, kDeptFile})
    EXPECT_EQ(ReadWholeFile(tmp.File(f)), before[i++]) << f;

  ASSERT_EQ(Cli(dir + " backup " + tmp.File("b.abk")).status, 0);
  EXPECT_EQ(ReadWholeFile(tmp.File("b.abk")), SerializeBackup(d));
  // Restore over an emptied folder brings the same data set back and saves it.
  for (const char* f : {kReasonFile, kEmpFile, kGlobalsFile, kDeptFile})
    std::filesystem::remove(tmp.File(f));
  const TRun restore = Cli(dir + " restore " + tmp.File("b.abk"));
  EXPECT_EQ(restore.status, 0);
  EXPECT_EQ(restore.out, "Your Absence data was successfully restored.\n");
  EXPECT_EQ(Cli(dir + " dump").out, dump.out);
}

}  // namespace
}  // namespace absence
