// The save cycle under failures and crashes, and the load's recovery.
#include <map>

#include "data/journal.h"
#include "data/json_dump.h"
#include "data_test_support.h"
#include "fault_ops.h"

namespace absence {
namespace {

using test::TFaultyOps;

const char* const kDataFiles[] = {kReasonFile, kEmpFile, kGlobalsFile, kDeptFile};

std::vector<TBytes> FilesOf(const test::TTempFolder& tmp) {
  std::vector<TBytes> v;
  for (const char* f : kDataFiles) v.push_back(ReadWholeFile(tmp.File(f)));
  return v;
}

// Only the data files (and nothing temporary) are left in the folder.
void ExpectOnlyDataFiles(const test::TTempFolder& tmp) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(tmp.Folder()))
    names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"dept.dat", "emp.dat", "globals.dat", "reason.dat"}));
}

// Old data set on disk; a changed data set in memory to be saved.
struct TScenario {
  test::TTempFolder tmp;
  TDataSet data;
  std::vector<TBytes> oldFiles, newFiles;
  std::string memoryJson;

  TScenario() {
    TDataSet old = test::MakeRandomDataSet(11, 25);
    SaveDataSet(old, tmp.Folder());
    oldFiles = FilesOf(tmp);
    LoadDataSet(data, tmp.Folder());
    data.EmpList[0]->Deleted = true;
    data.EmpList[1]->LastName = "Changed";
    AddEntry(data.GlobalList, data.EmpList, data.ReasonList, 1, test::k2024Jul1, 3,
             TEntryKind::Global);
    memoryJson = DumpJson(data);
    newFiles = {SerializeReasons(data.ReasonList), SerializeEmps(data.EmpList, data.GlobalList),
                SerializeGlobals(data.GlobalList), SerializeDepts(data.DeptList)};
  }
};

TEST(Save, ReplacesFilesAndReloadsWithTrashEmptied) {
  TScenario s;
  SaveDataSet(s.data, s.tmp.Folder());
  EXPECT_EQ(FilesOf(s.tmp), s.newFiles);
  ExpectOnlyDataFiles(s.tmp);
  for (const auto& e : s.data.EmpList) EXPECT_FALSE(e->Deleted);
}

// Every operation of the save may fail: memory stays as it was, and the folder holds exactly
// the old data files, or (once the commit marker is down and the renames are through) the new.
TEST(Save, AnyFailingOperationLeavesMemoryWholeAndFilesOldOrNew) {
  int total = 0;
  {
    TScenario s;
    TFaultyOps counter{-1, TFaultyOps::Mode::Fail};
    SaveDataSet(s.data, s.tmp.Folder(), false, counter.Make());
    total = counter.calls;
  }
  ASSERT_GT(total, 10);
  for (int k = 1; k <= total; ++k) {
    TScenario s;
    TFaultyOps faulty{k, TFaultyOps::Mode::Fail};
    bool failed = false;
    try {
      SaveDataSet(s.data, s.tmp.Folder(), true, faulty.Make());
    } catch (const EDataFileError&) {
      failed = true;
    }
    EXPECT_EQ(DumpJson(s.data) == s.memoryJson, failed) << "operation " << k;
    TDataSet reloaded;
    LoadDataSet(reloaded, s.tmp.Folder());
    const auto files = FilesOf(s.tmp);
    EXPECT_TRUE(files == s.oldFiles || files == s.newFiles) << "operation " << k;
    if (failed) {
      EXPECT_EQ(files, s.oldFiles) << "a failed save must not change the files, op " << k;
    }
    ExpectOnlyDataFiles(s.tmp);
  }
}

// A crash before any operation completes: the next load finds the whole old or the whole new
// data set, never a mix and never a missing file.
TEST(Save, CrashAtAnyPointLoadsWholeOldOrWholeNew) {
  for (int k = 1; k < 40; ++k) {
    TScenario s;
    TFaultyOps faulty{k, TFaultyOps::Mode::Crash};
    bool crashed = false;
    try {
      SaveDataSet(s.data, s.tmp.Folder(), false, faulty.Make());
    } catch (const TFaultyOps::TCrash&) {
      crashed = true;
    }
    TDataSet reloaded;
    LoadDataSet(reloaded, s.tmp.Folder());
    const auto files = FilesOf(s.tmp);
    EXPECT_TRUE(files == s.oldFiles || files == s.newFiles) << "crash at operation " << k;
    ExpectOnlyDataFiles(s.tmp);
    if (!crashed) break;
  }
}

// The journal follows the data files through every failing or crashing step of a save: after
// the next load, old files go with the old journal and new files with the save's lines added
// once each; only a journal that could not take them may lack them, and then the save said so.
TEST(Save, JournalAndDataFilesAgreeAtEveryFailingOrCrashingStep) {
  TJournalRecord earlier;
  earlier.Time = 1700000000000;
  earlier.Kind = journal_kind::kAddReason;
  earlier.Text = "earlier";
  std::vector<TJournalRecord> saved(2, earlier);
  saved[0].Time += 1000;
  saved[0].Text = "first";
  saved[1].Time += 1000;
  saved[1].Text = "second";
  const std::string lines = JournalLine(saved[0]) + JournalLine(saved[1]);
  const auto texts = [](const TJournal& j) {
    std::string out;
    for (const auto& r : j.Records) out += r.Text + ";";
    return out;
  };
  int total = 0;
  {
    TScenario s;
    TFaultyOps counter{-1, TFaultyOps::Mode::Fail};
    TSaveJournal journal{lines, {}};
    SaveDataSet(s.data, s.tmp.Folder(), false, counter.Make(), 0, &journal);
    EXPECT_TRUE(journal.Problems.empty());
    EXPECT_EQ(texts(ReadJournal(JournalPath(s.tmp.Folder()))), "first;second;");
    total = counter.calls;
  }
  // A failed step is a crash the save lived through; the two modes that leave the most behind.
  for (const auto mode : {TFaultyOps::Mode::PartialWrite, TFaultyOps::Mode::Crash}) {
    for (int k = 1; k <= total; ++k) {
      const std::string at = "mode " + std::to_string(int(mode)) + " step " + std::to_string(k);
      TScenario s;
      AppendJournal(JournalPath(s.tmp.Folder()), JournalLine(earlier));
      TFaultyOps faulty{k, mode};
      TSaveJournal journal{lines, {}};
      try {
        SaveDataSet(s.data, s.tmp.Folder(), true, faulty.Make(), 0, &journal);
      } catch (const EDataFileError&) {
      } catch (const TFaultyOps::TCrash&) {
      }
      TDataSet reloaded;
      TWarnings warnings;
      LoadDataSet(reloaded, s.tmp.Folder(), &warnings);
      const TJournal j = ReadJournal(JournalPath(s.tmp.Folder()));
      if (FilesOf(s.tmp) == s.oldFiles) {
        EXPECT_EQ(texts(j), "earlier;") << at;
      } else {
        ASSERT_EQ(FilesOf(s.tmp), s.newFiles) << at;
        if (journal.Problems.empty())
          EXPECT_EQ(texts(j), "earlier;first;second;") << at;
        else
          EXPECT_EQ(texts(j), "earlier;") << at;
      }
      EXPECT_TRUE(j.DamagedLines.empty()) << at;
      EXPECT_FALSE(j.TornLastLine) << at;
      std::vector<std::string> names;
      for (const auto& e : std::filesystem::directory_iterator(s.tmp.Folder()))
        names.push_back(e.path().filename().string());
      std::sort(names.begin(), names.end());
      EXPECT_EQ(names, (std::vector<std::string>{"dept.dat", "emp.dat", "globals.dat",
                                                 "history.jsonl", "reason.dat"}))
          << at;
    }
  }
}

TEST(Save, RenameFailureRollsBackAlreadyReplacedFiles) {
  TScenario s;
  TFileOps ops = TFileOps::Real();
  int renames = 0;
  const auto realRename = ops.Rename;
  ops.Rename = [&](const std::string& a, const std::string& b) {
    if (a.ends_with(".tmp") && ++renames == 3) throw EDataFileError(b + ": Permission denied");
    realRename(a, b);
  };
  try {
    SaveDataSet(s.data, s.tmp.Folder(), true, ops);
    FAIL() << "the save should have failed";
  } catch (const EDataFileError& e) {
    EXPECT_STREQ(e.what(), (s.tmp.File("globals.dat") + ": Permission denied").c_str());
  }
  EXPECT_EQ(FilesOf(s.tmp), s.oldFiles);
  EXPECT_EQ(DumpJson(s.data), s.memoryJson);
  ExpectOnlyDataFiles(s.tmp);
}

// Files a person may leave in the data folder (copies made by hand, names of other programs'
// temporary files, a marker-like name) are never renamed over the data files nor removed, by a
// load or by a save.
TEST(Recovery, StrayFilesOfAnyNameAreLeftAlone) {
  const char* const names[] = {"emp.old",     "reason.old",  "dept.old",    "globals.old",
                               "emp.tmp",     "reason.tmp",  "globals.tmp", "dept.tmp",
                               "save.commit", "emp.dat.old", "emp.bak",     "~emp.dat"};
  for (const char* name : names) {
    TScenario s;
    const TBytes stray = s.newFiles[1];  // another data set's employees
    test::WriteBytes(s.tmp.File(name), stray);
    TDataSet loaded;
    LoadDataSet(loaded, s.tmp.Folder());
    EXPECT_EQ(FilesOf(s.tmp), s.oldFiles) << name;
    EXPECT_EQ(ReadWholeFile(s.tmp.File(name)), stray) << name;
    SaveDataSet(s.data, s.tmp.Folder());
    EXPECT_EQ(FilesOf(s.tmp), s.newFiles) << name;
    EXPECT_EQ(ReadWholeFile(s.tmp.File(name)), stray) << name;
  }
}

// Stops a save right after its commit marker is in place, before any data file is replaced.
void SaveUntilMarker(TScenario& s) {
  struct TStop {};
  TFileOps ops = TFileOps::Real();
  const auto realRename = ops.Rename;
  ops.Rename = [&](const std::string& a, const std::string& b) {
    if (a.ends_with(".tmp")) throw TStop{};
    realRename(a, b);
  };
  EXPECT_THROW(SaveDataSet(s.data, s.tmp.Folder(), false, ops), TStop);
  ASSERT_TRUE(FileExists(s.tmp.File(kCommitMarker)));
}

// A commit marker is acted on only as far as the files it lists are what the save wrote or
// what was there before. A temporary file that was changed cannot finish the save, so the old
// files stand; a data file that is neither, or a marker this program did not write, leaves
// every file as it is, and the load says so (a save then refuses to go on).
TEST(Recovery, MarkerActsOnlyOnFilesThatMatchIt) {
  const std::string temp = SaveTempName("emp.dat.tmp");
  struct TCase {
    const char* file;  // what a person changed after the interrupted save
    bool garbage;      // replaced with other bytes (else cut to half)
    bool leftAlone;
  } cases[] = {{temp.c_str(), false, false},
               {temp.c_str(), true, false},
               {kEmpFile, true, true},
               {kCommitMarker, true, true}};
  for (const TCase& c : cases) {
    TScenario s;
    SaveUntilMarker(s);
    const std::string changed = s.tmp.File(c.file);
    TBytes bytes = ReadWholeFile(changed);
    if (c.garbage)
      bytes = TBytes{'x', '\n'};
    else
      bytes.resize(bytes.size() / 2);
    test::WriteBytes(changed, bytes);
    std::vector<TBytes> before = FilesOf(s.tmp);
    TWarnings warnings;
    TDataSet loaded;
    LoadDataSet(loaded, s.tmp.Folder(), &warnings);
    if (!c.leftAlone) {
      EXPECT_EQ(FilesOf(s.tmp), s.oldFiles) << c.file;
      EXPECT_TRUE(warnings.empty()) << c.file;
      ExpectOnlyDataFiles(s.tmp);
      continue;
    }
    EXPECT_EQ(FilesOf(s.tmp), before) << c.file;
    EXPECT_EQ(ReadWholeFile(changed), bytes) << c.file;
    EXPECT_TRUE(FileExists(s.tmp.File(temp))) << c.file;
    ASSERT_FALSE(warnings.empty()) << c.file;  // the first one; a garbled file adds its own
    EXPECT_NE(warnings[0].find(kCommitMarker), std::string::npos) << warnings[0];
    EXPECT_NE(warnings[0].find("remove this file; otherwise restore a backup"), std::string::npos)
        << warnings[0];
    EXPECT_THROW(SaveDataSet(s.data, s.tmp.Folder()), EDataFileError) << c.file;
    EXPECT_EQ(FilesOf(s.tmp), before) << c.file;
  }
}

// A reader that may not write finishes an interrupted save in memory only: it sees the data
// set the marker vouches for, and every file stays as the saving program left it.
TEST(Recovery, AReadOnlyReaderRecoversInMemoryOnly) {
  TScenario s;
  SaveUntilMarker(s);
  std::map<std::string, TBytes> before;
  for (const auto& e : std::filesystem::directory_iterator(s.tmp.Folder()))
    before[e.path().filename().string()] = ReadWholeFile(e.path().string());
  TDataSet loaded;
  TWarnings warnings;
  LoadDataSetReadOnly(loaded, s.tmp.Folder(), &warnings);
  const std::vector<TBytes> seen = {
      SerializeReasons(loaded.ReasonList), SerializeEmps(loaded.EmpList, loaded.GlobalList),
      SerializeGlobals(loaded.GlobalList), SerializeDepts(loaded.DeptList)};
  EXPECT_EQ(seen, s.newFiles);
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_NE(warnings[0].find("interrupted save"), std::string::npos) << warnings[0];
  std::map<std::string, TBytes> after;
  for (const auto& e : std::filesystem::directory_iterator(s.tmp.Folder()))
    after[e.path().filename().string()] = ReadWholeFile(e.path().string());
  EXPECT_EQ(after, before);
}

// Left by a save that was stopped before its marker: only the save's own files go.
TEST(Recovery, OwnLeftoversWithoutMarkerAreRemoved) {
  TScenario s;
  for (const char* f : {"reason.dat.tmp", "emp.dat.old", "commit.new"})
    test::WriteBytes(s.tmp.File(std::string(kSaveFilePrefix) + f), s.newFiles[0]);
  TDataSet loaded;
  LoadDataSet(loaded, s.tmp.Folder());
  EXPECT_EQ(FilesOf(s.tmp), s.oldFiles);
  ExpectOnlyDataFiles(s.tmp);
}

TEST(Load, FailureLeavesTheDataSetAsItWas) {
  test::TTempFolder tmp;
  TDataSet d = test::MakeSampleDataSet();
  const std::string before = DumpJson(d);
  std::filesystem::create_directories(tmp.File("emp.dat"));  // unreadable as a file
  EXPECT_THROW(LoadDataSet(d, tmp.Folder()), EDataFileError);
  EXPECT_EQ(DumpJson(d), before);
}

TEST(Load, EmptyFolderGivesEmptySetAndFourEmptyFiles) {
  test::TTempFolder tmp;
  TDataSet d;
  LoadDataSet(d, tmp.Folder());
  EXPECT_TRUE(d.Empty());
  for (const char* f : kDataFiles) EXPECT_TRUE(ReadWholeFile(tmp.File(f)).empty()) << f;
}

}  // namespace
}  // namespace absence
