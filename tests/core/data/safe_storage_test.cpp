// The folder lock, and files replaced the way the user set them up: mode, owner, links, and
// things that are not files at all.
#include <fcntl.h>
#include <sys/stat.h>

#include <chrono>
#include <fstream>

#include "data/backup.h"
#include "data/folder_lock.h"
#include "data/json_dump.h"
#include "data_test_support.h"

namespace absence {
namespace {

// A process number no system hands out (above the largest possible pid_max).
constexpr long kGonePid = 2147480000;

std::string Text(const std::string& path) {
  const TBytes b = ReadWholeFile(path);
  return std::string(b.begin(), b.end());
}

void WriteText(const std::string& path, const std::string& text) {
  test::WriteBytes(path, TBytes(text.begin(), text.end()));
}

TEST(FolderLock, WhatAnEarlierLockFileSaysDecidesTheOutcome) {
  const auto env = TLockEnvironment::Real();
  const int64_t now = env.Now();
  const std::string here = env.HostName();
  struct TCase {
    const char* name;
    std::string lockText;  // empty: no lock file
    TLockOutcome outcome;
    const char* message;  // part of the message, "" for none
  } cases[] = {
      {"free folder", "", TLockOutcome::Taken, ""},
      {"left by a process of this computer that is gone",
       LockFileText({"ann", here, kGonePid, "absence", now - 60}), TLockOutcome::Taken,
       "which is no longer running, was taken over"},
      {"another computer, an hour ago",
       LockFileText({"bob", "elsewhere", 42, "absence", now - 3600}), TLockOutcome::Busy,
       "in use by bob on elsewhere (absence, process 42, since "},
      {"another computer, three days ago",
       LockFileText({"bob", "elsewhere", 42, "absence", now - 3 * 86400}), TLockOutcome::Stale,
       "more than a day ago. If the program no longer runs there, remove the file "},
      {"text that names nobody", "garbage\n", TLockOutcome::Taken, ""},
  };
  for (const TCase& c : cases) {
    test::TTempFolder tmp;
    if (!c.lockText.empty()) WriteText(tmp.File(kLockFile), c.lockText);
    TFolderLock lock(tmp.Folder(), "absence-cli save");
    const TLockResult r = lock.Acquire();
    EXPECT_EQ(r.Outcome, c.outcome) << c.name;
    EXPECT_EQ(lock.Held(), c.outcome == TLockOutcome::Taken) << c.name;
    if (*c.message)
      EXPECT_NE(r.Message.find(c.message), std::string::npos) << c.name << ": " << r.Message;
    else
      EXPECT_TRUE(r.Message.empty()) << c.name << ": " << r.Message;
    if (c.outcome == TLockOutcome::Taken) {
      const auto me = ParseLockFile(Text(tmp.File(kLockFile)));
      ASSERT_TRUE(me) << c.name;
      EXPECT_EQ(me->Pid, static_cast<long>(::getpid())) << c.name;
      EXPECT_EQ(me->Program, "absence-cli save") << c.name;
    } else {
      EXPECT_EQ(Text(tmp.File(kLockFile)), c.lockText) << c.name;  // never overwritten
    }
  }
}

TEST(FolderLock, OneHolderAtATimeNamedToTheOthers) {
  test::TTempFolder tmp;
  auto first = std::make_unique<TFolderLock>(tmp.Folder(), "absence");
  ASSERT_EQ(first->Acquire().Outcome, TLockOutcome::Taken);
  TFolderLock second(tmp.Folder(), "absence-cli import");
  const TLockResult busy = second.Acquire();
  EXPECT_EQ(busy.Outcome, TLockOutcome::Busy);
  ASSERT_TRUE(busy.Holder);
  EXPECT_EQ(busy.Holder->Pid, static_cast<long>(::getpid()));
  EXPECT_EQ(busy.Holder->Program, "absence");
  EXPECT_NE(busy.Message.find("is in use by"), std::string::npos) << busy.Message;
  first.reset();  // released: the lock file goes
  EXPECT_FALSE(FileExists(tmp.File(kLockFile)));
  EXPECT_EQ(second.Acquire().Outcome, TLockOutcome::Taken);
}

TEST(FolderLock, AFailedWriteOfTheLockFileHoldsNothing) {
  test::TTempFolder tmp;
  TLockEnvironment env = TLockEnvironment::Real();
  env.WriteInfo = [](int, const std::string& path, const std::string&) {
    throw EDataFileError(path + ": No space left on device");
  };
  TFolderLock failing(tmp.Folder(), "absence", env);
  EXPECT_THROW(failing.Acquire(), EDataFileError);
  EXPECT_FALSE(failing.Held());
  EXPECT_FALSE(FileExists(tmp.File(kLockFile)));
  TFolderLock next(tmp.Folder(), "absence");
  EXPECT_EQ(next.Acquire().Outcome, TLockOutcome::Taken);
}

TEST(FolderLock, ALockFileThatIsNoFileIsRefused) {
  test::TTempFolder tmp;
  std::filesystem::create_symlink("/dev/null", tmp.File(kLockFile));
  TFolderLock lock(tmp.Folder(), "absence");
  EXPECT_THROW(lock.Acquire(), EDataFileError);
  EXPECT_TRUE(std::filesystem::is_symlink(tmp.File(kLockFile)));
}

// A replaced file keeps its mode; a link stays a link and its target gets the contents; what
// is not a regular file is refused and left alone. Data files, backups and exports alike.
TEST(ReplaceFile, KeepsModeFollowsLinksAndRefusesNonFiles) {
  test::TTempFolder tmp;
  const TBytes bytes = {'n', 'e', 'w'};
  WriteText(tmp.File("private.abk"), "old");
  ::chmod(tmp.File("private.abk").c_str(), 0600);
  ReplaceFile(tmp.File("private.abk"), bytes, ".tmp");
  struct stat st {};
  ASSERT_EQ(::stat(tmp.File("private.abk").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0600u);
  EXPECT_EQ(ReadWholeFile(tmp.File("private.abk")), bytes);

  std::filesystem::create_directories(tmp.File("elsewhere"));
  WriteText(tmp.File("elsewhere/target.abk"), "old");
  std::filesystem::create_symlink("elsewhere/target.abk", tmp.File("link.abk"));
  ReplaceFileFrom(
      tmp.File("link.abk"), [&](const TByteSink& sink) { sink(bytes); }, ".tmp");
  EXPECT_TRUE(std::filesystem::is_symlink(tmp.File("link.abk")));
  EXPECT_EQ(ReadWholeFile(tmp.File("elsewhere/target.abk")), bytes);

  ASSERT_EQ(::mkfifo(tmp.File("pipe").c_str(), 0600), 0);
  std::filesystem::create_directories(tmp.File("folder.abk"));
  std::filesystem::create_symlink("/dev/full", tmp.File("full-link"));
  for (const std::string& path : {tmp.File("pipe"), tmp.File("folder.abk"),
                                  std::string("/dev/full"), tmp.File("full-link")}) {
    try {
      ReplaceFile(path, bytes, ".tmp");
      ADD_FAILURE() << path << " was replaced";
    } catch (const EDataFileError& e) {
      EXPECT_NE(std::string(e.what()).find("not a regular file"), std::string::npos) << e.what();
    }
  }
  EXPECT_TRUE(std::filesystem::is_fifo(tmp.File("pipe")));
  EXPECT_TRUE(std::filesystem::is_character_file("/dev/full"));
  EXPECT_TRUE(std::filesystem::is_symlink(tmp.File("full-link")));
}

// When the old file's mode cannot be given to the new one, nothing is replaced.
TEST(ReplaceFile, AFailedPermissionCopyLeavesTheOldFile) {
  test::TTempFolder tmp;
  WriteText(tmp.File("b.abk"), "old");
  TFileOps ops = TFileOps::Real();
  ops.CopyAttributes = [](const std::string&, const std::string& to) {
    throw EDataFileError(to + ": Operation not permitted");
  };
  EXPECT_THROW(ReplaceFile(tmp.File("b.abk"), TBytes{'x'}, ".tmp", ops), EDataFileError);
  EXPECT_EQ(Text(tmp.File("b.abk")), "old");
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(tmp.Folder()))
    names.push_back(e.path().filename().string());
  EXPECT_EQ(names, std::vector<std::string>{"b.abk"});
}

// A save keeps each data file's mode and replaces a linked data file where the link leads;
// a data file that is a pipe or a device stops the save before anything is written.
TEST(SaveDataSet, KeepsModesAndLinksOfTheDataFiles) {
  test::TTempFolder tmp;
  TDataSet d = test::MakeSampleDataSet();
  SaveDataSet(d, tmp.Folder());
  std::filesystem::create_directories(tmp.File("shared"));
  std::filesystem::rename(tmp.File(kEmpFile), tmp.File("shared/emp.dat"));
  std::filesystem::create_symlink("shared/emp.dat", tmp.File(kEmpFile));
  ::chmod(tmp.File(kReasonFile).c_str(), 0600);
  ::chmod(tmp.File("shared/emp.dat").c_str(), 0640);
  d.EmpList[0]->LastName = "Changed";
  SaveDataSet(d, tmp.Folder());
  EXPECT_TRUE(std::filesystem::is_symlink(tmp.File(kEmpFile)));
  struct stat st {};
  ASSERT_EQ(::stat(tmp.File(kReasonFile).c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0600u);
  ASSERT_EQ(::stat(tmp.File("shared/emp.dat").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  TDataSet back;
  LoadDataSet(back, tmp.Folder());
  EXPECT_EQ(DumpJson(back), DumpJson(d));
  EXPECT_TRUE(std::filesystem::is_empty(tmp.File("shared")) == false);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(tmp.File("shared")), {}), 1);

  std::filesystem::remove(tmp.File(kDeptFile));
  ASSERT_EQ(::mkfifo(tmp.File(kDeptFile).c_str(), 0600), 0);
  const TBytes emp = ReadWholeFile(tmp.File(kEmpFile));
  d.EmpList[0]->LastName = "Again";
  EXPECT_THROW(SaveDataSet(d, tmp.Folder()), EDataFileError);
  EXPECT_EQ(ReadWholeFile(tmp.File(kEmpFile)), emp);
}

// Pipes and devices are refused at once, and files beyond the size bound before any reading;
// a large damaged emp.dat within it is read with one warning per record up to the cap.
TEST(ReadFiles, NonFilesAndHugeFilesEndAtOnceDamageIsCapped) {
  test::TTempFolder tmp;
  ASSERT_EQ(::mkfifo(tmp.File(kEmpFile).c_str(), 0600), 0);
  const auto start = std::chrono::steady_clock::now();
  TDataSet d;
  EXPECT_THROW(LoadDataSetReadOnly(d, tmp.Folder()), EDataFileError);
  EXPECT_THROW(RestoreData(d, "/dev/zero"), ENotABackupError);
  EXPECT_THROW(RestoreData(d, tmp.File(kEmpFile)), ENotABackupError);
  std::filesystem::remove(tmp.File(kEmpFile));
  {
    std::ofstream(tmp.File(kEmpFile)).close();
    std::filesystem::resize_file(tmp.File(kEmpFile), kMaxDataFileSize + 1);
  }
  try {
    LoadDataSetReadOnly(d, tmp.Folder());
    ADD_FAILURE() << "an emp.dat beyond the bound was read";
  } catch (const EDataFileError& e) {
    EXPECT_NE(std::string(e.what()).find("too large"), std::string::npos) << e.what();
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));

  std::filesystem::resize_file(tmp.File(kEmpFile), kEmpRecSize * 1000);
  TWarnings w;
  LoadDataSetReadOnly(d, tmp.Folder(), &w);
  ASSERT_EQ(w.size(), TWarnings::kMaxListed + 1);
  EXPECT_EQ(w.back(), "and " + std::to_string(1000 + 3 - TWarnings::kMaxListed) + " more");
  EXPECT_NE(w[1].find("emp.dat, record 1: unknown record kind byte 0"), std::string::npos) << w[1];
}

// Before a save the program can tell whether another program changed the data files since
// they were read: a changed byte counts, a file only touched does not.
TEST(DataStamp, TellsChangedFilesFromTouchedOnes) {
  test::TTempFolder tmp;
  TDataSet d = test::MakeSampleDataSet();
  SaveDataSet(d, tmp.Folder());
  const TDataStamp stamp = StampDataFiles(tmp.Folder());
  EXPECT_TRUE(ChangedDataFiles(tmp.Folder(), stamp).empty());
  const TBytes reasons = ReadWholeFile(tmp.File(kReasonFile));
  test::WriteBytes(tmp.File(kReasonFile), reasons);  // same bytes, written again
  EXPECT_TRUE(ChangedDataFiles(tmp.Folder(), stamp).empty());
  TBytes emp = ReadWholeFile(tmp.File(kEmpFile));
  emp[10] ^= 1;  // same size, other contents
  test::WriteBytes(tmp.File(kEmpFile), emp);
  std::filesystem::remove(tmp.File(kDeptFile));
  EXPECT_EQ(ChangedDataFiles(tmp.Folder(), stamp),
            (std::vector<std::string>{"emp.dat", "dept.dat"}));
}

}  // namespace
}  // namespace absence
