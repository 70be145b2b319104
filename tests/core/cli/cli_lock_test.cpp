// absence-cli and the data folder's lock: one writer at a time, readers never in the way, and
// folders that cannot be written or searched.
#include <sys/resource.h>
#include <unistd.h>

#include <fstream>
#include <map>
#include <random>

#include "cli_runner.h"
#include "data/backup.h"
#include "data/folder_lock.h"
#include "data/journal.h"
#include "data/json_dump.h"
#include "data_test_support.h"

namespace absence {
namespace {

using test::RunCli;
using test::RunShell;

using TFolderFiles = std::map<std::string, TBytes>;

// `withHistory` false: the change history, which every run adds to, is left out.
TFolderFiles FilesIn(const std::string& folder, bool withHistory = true) {
  TFolderFiles files;
  for (const auto& e : std::filesystem::directory_iterator(folder))
    if (e.is_regular_file() && (withHistory || e.path().filename() != kJournalFile))
      files[e.path().filename().string()] = ReadWholeFile(e.path().string());
  return files;
}

// A data folder with a data set, and a settings file and an output folder beside it.
struct TCliFolder {
  test::TTempFolder data, other;
  std::string dir;
  TCliFolder() {
    TDataSet d = test::MakeSampleDataSet();
    SaveDataSet(d, data.Folder());
    std::ofstream(other.File("absence.ini")) << "[Initialization]\n";
    dir = "--data " + data.Folder() + " --ini " + other.File("absence.ini") + " ";
  }
};

TEST(CliLock, WritersRefuseNamingTheHolderReadersWorkBesideIt) {
  TCliFolder f;
  const std::string emps = f.other.File("emps.txt");
  ASSERT_EQ(RunCli(f.dir + "export employees " + emps + " --format comma").Status, 0);
  ASSERT_EQ(RunCli(f.dir + "backup " + f.other.File("a.abk")).Status, 0);
  const std::string rules = f.other.File("holidays.txt");
  std::ofstream(rules) << "Labor Day: 1st Monday of September\n";
  TFolderLock window(f.data.Folder(), "absence");
  ASSERT_EQ(window.Acquire().Outcome, TLockOutcome::Taken);
  const TFolderFiles before = FilesIn(f.data.Folder());
  const std::string holder = "is in use by ";
  for (const std::string& writer :
       std::vector<std::string>{"save", "restore " + f.other.File("a.abk"),
                                "import employees " + emps + " --format comma --mode add",
                                "holidays add 2030 --reason 2 --rules " + rules}) {
    const auto run = RunCli(f.dir + writer, true);
    EXPECT_EQ(run.Status, 1) << writer;
    EXPECT_NE(run.Out.find(holder), std::string::npos) << writer << ": " << run.Out;
    EXPECT_NE(run.Out.find("(absence, process " + std::to_string(::getpid())), std::string::npos)
        << run.Out;
  }
  for (const std::string& reader : std::vector<std::string>{
           "check", "dump", "balances 2024-06-01", "backup " + f.other.File("b.abk"),
           "export absences " + f.other.File("abs.txt") + " --format tab",
           "import employees " + emps + " --format comma --mode add --dry-run",
           "holidays add 2030 --reason 2 --dry-run --rules " + rules}) {
    const auto run = RunCli(f.dir + reader, true);
    EXPECT_EQ(run.Status, 0) << reader << ": " << run.Out;
  }
  EXPECT_EQ(FilesIn(f.data.Folder()), before);
  window.Release();
  EXPECT_EQ(RunCli(f.dir + "restore " + f.other.File("a.abk")).Status, 0);
  EXPECT_FALSE(FileExists(f.data.File(kLockFile)));
}

// Two restores of different data sets started together, again and again with random delays:
// the folder always ends with one whole data set, the one whose command said it succeeded.
TEST(CliLock, RacingWritersNeverLeaveAMixOfTwoSaves) {
  TCliFolder f;
  const std::string backups[2] = {f.other.File("a.abk"), f.other.File("b.abk")};
  TFolderFiles expected[2];
  for (int k = 0; k < 2; ++k) {
    TDataSet d = test::MakeRandomDataSet(100 + k, 60);
    BackupData(d, backups[k]);
    test::TTempFolder alone;
    ASSERT_EQ(RunCli("--data " + alone.Folder() + " restore " + backups[k]).Status, 0);
    expected[k] = FilesIn(alone.Folder(), false);
  }
  ASSERT_NE(expected[0], expected[1]);
  std::mt19937 random(7);
  std::uniform_int_distribution<int> delay(0, 40);
  int refused = 0;
  for (int round = 0; round < 24; ++round) {
    std::string script;
    for (int k = 0; k < 2; ++k)
      script += "(sleep 0.0" + std::to_string(delay(random) / 10) +
                std::to_string(delay(random) % 10) + "; " + ABSENCE_CLI + " --data " +
                f.data.Folder() + " restore " + backups[k] + " >/dev/null 2>&1; echo $? > " +
                f.other.File("status" + std::to_string(k)) + ") & ";
    ASSERT_EQ(std::system(("sh -c '" + script + "wait'").c_str()), 0);
    int status[2];
    for (int k = 0; k < 2; ++k)
      std::ifstream(f.other.File("status" + std::to_string(k))) >> status[k];
    const TFolderFiles now = FilesIn(f.data.Folder(), false);
    ASSERT_TRUE(now == expected[0] || now == expected[1]) << "a mix in round " << round;
    ASSERT_TRUE(status[0] == 0 || status[1] == 0) << round;
    for (int k = 0; k < 2; ++k) {
      ASSERT_TRUE(status[k] == 0 || status[k] == 1) << round;
      if (status[k] == 1) {
        ++refused;
        EXPECT_EQ(now, expected[1 - k]) << "round " << round;
      }
    }
  }
  RecordProperty("refused", refused);
}

// Whether this test may make a read-only bind mount in a mount namespace of its own.
bool CanMountReadOnly() {
  return std::system("unshare -m true >/dev/null 2>&1") == 0 && ::geteuid() == 0;
}

// A data set on a read-only file system (a snapshot, a read-only share) can be read, reported,
// exported and backed up; saving is refused with the system's reason.
TEST(CliLock, AReadOnlyFileSystemCanBeReadByEveryReader) {
  if (!CanMountReadOnly()) GTEST_SKIP() << "no read-only bind mount possible here";
  TCliFolder f;
  // Leftovers of an interrupted save, which a reader must not try to remove.
  test::WriteBytes(f.data.File(SaveTempName("emp.dat.tmp")), TBytes(kEmpRecSize, 0));
  const TFolderFiles before = FilesIn(f.data.Folder());
  const std::string folder = f.data.Folder();
  struct TCase {
    std::string args;
    int status;
  };
  std::vector<TCase> cases = {
      {"dump", 0},
      {"balances 2024-06-01", 0},
      {"report absence --from 2024-01-01 --to 2024-01-31 --pdf " + f.other.File("r.pdf"), 0},
      {"export employees " + f.other.File("e.txt") + " --format comma", 0},
      {"backup " + f.other.File("b.abk"), 0},
      {"save", 1},
  };
  if (RunCli("--help").Out.find("\n  report ") == std::string::npos)
    cases.erase(cases.begin() + 2);  // built without the report command
  for (const TCase& c : cases) {
    const std::string cmd = "unshare -m sh -c 'mount --bind -o ro " + folder + " " + folder +
                            " && " + ABSENCE_CLI + " " + f.dir + c.args + "' 2>&1";
    const auto [status, out] = RunShell(cmd);
    EXPECT_EQ(status, c.status) << c.args << ": " << out;
    EXPECT_EQ(out.find("absence-save~"), std::string::npos) << c.args << ": " << out;
    if (c.status == 1) {
      EXPECT_NE(out.find("Read-only file system"), std::string::npos) << out;
    }
  }
  EXPECT_TRUE(std::filesystem::file_size(f.other.File("b.abk")) > 0);
  EXPECT_EQ(FilesIn(f.data.Folder()), before);
}

// A folder the user may not search is unreadable, not empty: check fails and says so.
TEST(CliLock, AFolderThatMayNotBeSearchedIsReportedUnreadable) {
  TCliFolder f;
  ASSERT_EQ(::chmod(f.data.Folder().c_str(), 0), 0);
  const std::string asOther =
      ::geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";
  const std::string cmd = asOther + ABSENCE_CLI + " --data " + f.data.Folder() + " --ini " +
                          f.other.File("absence.ini") + " check 2>&1";
  const auto [status, out] = RunShell(cmd);
  ::chmod(f.data.Folder().c_str(), 0755);
  EXPECT_EQ(status, 1) << out;
  EXPECT_NE(out.find("reason.dat cannot be read: Permission denied"), std::string::npos) << out;
  EXPECT_EQ(out.find("missing"), std::string::npos) << out;
}

// A zero-filled emp.dat of a gigabyte: a clear result in seconds and bounded memory; a device
// or a pipe as a backup or data file is refused at once.
TEST(CliLock, HugeAndEndlessFilesGiveAClearResultQuickly) {
  TCliFolder f;
  std::filesystem::resize_file(f.data.File(kEmpFile), 0);
  std::filesystem::resize_file(f.data.File(kEmpFile), uint64_t{1} << 30);
  // The time the program itself takes, not the wall clock of a machine busy with other work;
  // the wall-clock limit only catches a hang.
  const auto cpuSeconds = [] {
    rusage u{};
    ::getrusage(RUSAGE_CHILDREN, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
  };
  // The sanitizers' instrumented program takes about 8 s alone here and more beside other
  // tests; a plain build takes well under one.
#ifdef __SANITIZE_ADDRESS__
  const double cpuLimit = 30.0;
#else
  const double cpuLimit = 10.0;
#endif
  const double cpuBefore = cpuSeconds();
  const auto huge = RunCli(f.dir + "check", true, 120);
  EXPECT_LT(cpuSeconds() - cpuBefore, cpuLimit);
  EXPECT_EQ(huge.Status, 0) << huge.Out.substr(0, 500);
  EXPECT_NE(huge.Out.find("emp.dat, record 1: unknown record kind byte 0"), std::string::npos);
  // One line per damaged record up to the cap, then the count of the rest.
  const auto more = huge.Out.find("warning: and ");
  ASSERT_NE(more, std::string::npos);
  EXPECT_EQ(huge.Out.substr(more, 27), "warning: and 10845778 more\n");
  rusage usage{};
  ::getrusage(RUSAGE_CHILDREN, &usage);
  EXPECT_LT(usage.ru_maxrss, 200 * 1024);  // kilobytes

  std::filesystem::remove(f.data.File(kEmpFile));
  ASSERT_EQ(::mkfifo(f.data.File(kEmpFile).c_str(), 0600), 0);
  for (const std::string& args :
       std::vector<std::string>{"check", "restore /dev/zero", "restore " + f.data.File(kEmpFile)}) {
    const auto run = RunCli(f.dir + args, true, 5);
    EXPECT_EQ(run.Status, 1) << args << ": " << run.Out;
    EXPECT_NE(run.Out.find("not a regular file"), std::string::npos) << args << ": " << run.Out;
  }
}

}  // namespace
}  // namespace absence
