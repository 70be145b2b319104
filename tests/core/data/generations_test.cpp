// Automatic generations: what each save keeps, in which order, how many, and that no failure of
// a save loses a data file or an older generation; the originals of a repaired load.
#include <algorithm>

#include "data/backup.h"
#include "data/datafiles.h"
#include "data/generations.h"
#include "data/json_dump.h"
#include "data_test_support.h"
#include "fault_ops.h"

namespace absence {
namespace {

namespace fs = std::filesystem;
using test::TFaultyOps;

constexpr const char* kDataFiles[] = {kReasonFile, kEmpFile, kGlobalsFile, kDeptFile};

std::string Loaded(const std::string& folder) {
  TDataSet d;
  LoadDataSet(d, folder);
  return DumpJson(d);
}

std::string Restored(const std::string& path) {
  TDataSet d;
  RestoreData(d, path);
  return DumpJson(d);
}

std::vector<TBytes> DataFiles(const std::string& folder) {
  std::vector<TBytes> files;
  for (const char* f : kDataFiles) files.push_back(ReadWholeFile(DataPath(folder, f)));
  return files;
}

// A change every save can make: one more department, named to stay last in the sorted list (so
// a save after the reload writes the same file).
void Change(TDataSet& d, int n) {
  AddDept(d.DeptList, "Zz changed " + std::to_string(n), 0, true, "", -1);
}

TEST(Generations, EachChangingSaveKeepsWhatItReplacesAndTheNewestAreKept) {
  test::TTempFolder tmp;
  const std::string folder = tmp.Folder();
  TDataSet d = test::MakeRandomDataSet(3, 30);
  SaveDataSet(d, folder, true, TFileOps::Real(), 10);  // over nothing: nothing to keep
  EXPECT_TRUE(ListGenerations(folder).empty());

  // A generation is the backup of the data set the files hold, byte for byte.
  const std::string first = KeepGeneration(folder, 0);
  EXPECT_EQ(ReadWholeFile(first), SerializeBackup(d));
  fs::remove(first);

  std::vector<std::string> states;
  for (int i = 1; i <= 3; ++i) {
    states.push_back(Loaded(folder));
    Change(d, i);
    SaveDataSet(d, folder, true, TFileOps::Real(), 10);
  }
  SaveDataSet(d, folder, true, TFileOps::Real(), 10);  // no change: no generation
  const auto kept = ListGenerations(folder);
  ASSERT_EQ(kept.size(), 3u);
  for (std::size_t i = 0; i < kept.size(); ++i) {
    EXPECT_EQ(Restored(kept[i].Path), states[2 - i]) << i;  // newest first
    EXPECT_EQ(kept[i].Time.size(), 19u) << kept[i].Time;
  }

  // Pruning keeps the newest and never touches a file that is not a generation.
  for (const char* other : {"notes.txt", "Absence-mine.abk"})
    test::WriteBytes(DataPath(GenerationsFolder(folder), other), {1, 2, 3});
  const std::string beforeFourth = Loaded(folder);
  Change(d, 4);
  SaveDataSet(d, folder, true, TFileOps::Real(), 2);
  const auto pruned = ListGenerations(folder);
  ASSERT_EQ(pruned.size(), 2u);
  EXPECT_EQ(Restored(pruned[0].Path), beforeFourth);
  EXPECT_EQ(Restored(pruned[1].Path), states[2]);
  for (const char* other : {"notes.txt", "Absence-mine.abk"})
    EXPECT_TRUE(fs::exists(DataPath(GenerationsFolder(folder), other))) << other;
}

// Whatever step of a save fails or crashes, the data files are the old or (once the save is
// done) the new ones whole, and the generations kept before are all there, unchanged.
TEST(Generations, AFailureAtAnyStepLeavesDataFilesAndOlderGenerationsIntact) {
  test::TTempFolder tmp, base;
  TDataSet d = test::MakeSampleDataSet();
  SaveDataSet(d, base.Folder());
  for (int i = 1; i <= 2; ++i) {
    Change(d, i);
    SaveDataSet(d, base.Folder(), true, TFileOps::Real(), 10);
  }
  const auto older = ListGenerations(base.Folder());
  ASSERT_EQ(older.size(), 2u);
  std::vector<TBytes> olderBytes;
  for (const auto& g : older) olderBytes.push_back(ReadWholeFile(g.Path));
  const std::vector<TBytes> oldFiles = DataFiles(base.Folder());
  const std::string oldState = Loaded(base.Folder());
  Change(d, 3);

  const std::string folder = tmp.Folder();
  const auto reset = [&] {
    fs::remove_all(folder);
    fs::copy(base.Folder(), folder, fs::copy_options::recursive);
  };
  const auto olderIntact = [&](const std::string& at) {
    for (std::size_t i = 0; i < older.size(); ++i) {
      const std::string path =
          DataPath(GenerationsFolder(folder), fs::path(older[i].Path).filename());
      ASSERT_TRUE(fs::exists(path)) << at;
      EXPECT_EQ(ReadWholeFile(path), olderBytes[i]) << at;
    }
  };
  std::string newState;
  const int steps = test::ForEachFaultyStep(
      reset,
      [&](const TFileOps& ops) {
        SaveDataSet(d, folder, false, ops, 10);
        if (newState.empty()) newState = Loaded(folder);
      },
      [&](TFaultyOps::Mode mode, int step, const auto& run) {
        const std::string at =
            "mode " + std::to_string(static_cast<int>(mode)) + " step " + std::to_string(step);
        if (mode == TFaultyOps::Mode::Crash) {
          EXPECT_THROW(run(), TFaultyOps::TCrash) << at;
          const std::string after = Loaded(folder);  // finishes or undoes the save
          EXPECT_TRUE(after == oldState || after == newState) << at;
          olderIntact(at);
          return;
        }
        bool failed = false;
        try {
          run();
        } catch (const EDataFileError&) {
          failed = true;
        }
        olderIntact(at);
        const auto generations = ListGenerations(folder);
        if (failed) {
          EXPECT_EQ(DataFiles(folder), oldFiles) << at;
          EXPECT_EQ(generations.size(), older.size()) << at;
        } else {
          EXPECT_EQ(Loaded(folder), newState) << at;
          ASSERT_EQ(generations.size(), older.size() + 1) << at;
          EXPECT_EQ(Restored(generations[0].Path), oldState) << at;
        }
      });
  EXPECT_GE(steps, 12);
}

TEST(Generations, DataFilesKeptAsideStayAsTheyWereAfterASave) {
  test::TTempFolder tmp;
  TDataSet d = test::MakeSampleDataSet();
  SaveDataSet(d, tmp.Folder());
  const std::vector<TBytes> before = DataFiles(tmp.Folder());
  const std::string kept = KeepDataFilesAside(tmp.Folder(), 0);
  const std::string again = KeepDataFilesAside(tmp.Folder(), 0);
  EXPECT_NE(kept, again);
  EXPECT_EQ(fs::path(kept).parent_path(), fs::path(tmp.Folder()).parent_path());
  Change(d, 1);
  SaveDataSet(d, tmp.Folder());
  EXPECT_EQ(DataFiles(kept), before);
  EXPECT_NE(DataFiles(tmp.Folder()), before);
}

}  // namespace
}  // namespace absence
