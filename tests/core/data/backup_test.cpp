// Backup files: tags, order, wrapped records, and restore.
#include "data/backup.h"
#include "data/datafiles.h"
#include "data/json_dump.h"
#include "data_test_support.h"

namespace absence {
namespace {

TEST(Backup, RecordsAreTaggedWrappedAndOrdered) {
  TDataSet d = test::MakeSampleDataSet();
  const TBytes b = SerializeBackup(d);
  ASSERT_EQ(b.size() % kBackupRecSize, 0u);
  std::string tags;
  for (std::size_t off = 0; off < b.size(); off += kBackupRecSize) {
    tags += static_cast<char>(b[off]);
    EXPECT_EQ(b[off + 1], 0);
  }
  // Sick, Vacation + 2 rules; 2 departments; 3 employees with a balance and an entry record;
  // 2 global entries.
  EXPECT_EQ(tags, "RRRRDDEEEEEEEEEGG");
  // The first 'D' record wraps the dept.dat record byte for byte, zero-padded.
  TBytes dept;
  AppendDeptRecord(dept, *d.DeptList[0]);
  const auto first = b.begin() + 4 * kBackupRecSize;
  EXPECT_EQ(TBytes(first + 2, first + 2 + kDeptRecSize), dept);
  EXPECT_EQ(TBytes(first + 2 + kDeptRecSize, first + kBackupRecSize),
            TBytes(kBackupRecSize - 2 - kDeptRecSize, 0));
}

TEST(Backup, RestoreGivesBackTheSameDataSet) {
  test::TTempFolder tmp;
  TDataSet d = test::MakeRandomDataSet(3, 30);
  // What a save and load would give: that is what a backup must restore.
  SaveDataSet(d, tmp.Folder());
  BackupData(d, tmp.File("x.abk"));
  TDataSet restored = test::MakeSampleDataSet();
  RestoreData(restored, tmp.File("x.abk"));
  EXPECT_EQ(DumpJson(restored), DumpJson(d));
}

TEST(Backup, TrashIsLeftOutAndNegatedDepartmentWrittenAsZero) {
  TDataSet d = test::MakeSampleDataSet();
  d.EmpList[0]->Deleted = true;
  d.DeptList[FindDept(d.DeptList, 1, "")]->Delete(d.EmpList);
  const int32_t gone = d.EmpList[0]->EmpID;
  TDataSet restored;
  TWarnings w;
  ParseBackup(restored, SerializeBackup(d), w);
  EXPECT_EQ(FindEmp(restored.EmpList, gone, ""), -1);
  for (const auto& e : restored.EmpList) EXPECT_GE(e->DeptID, 0);
  bool negatedInMemory = false;
  for (const auto& e : d.EmpList) negatedInMemory |= e->DeptID < 0;
  EXPECT_TRUE(negatedInMemory);
}

// A backup that fails at writing or at replacing the old backup file leaves that file whole and
// no temporary file behind.
TEST(Backup, FailureKeepsTheExistingBackupFile) {
  test::TTempFolder tmp;
  const std::string path = tmp.File("b.abk");
  const TBytes existing = SerializeBackup(test::MakeSampleDataSet());
  test::WriteBytes(path, existing);
  for (const char* step : {"write", "rename"}) {
    TFileOps ops = TFileOps::Real();
    if (std::string(step) == "write")
      // The backup is written as it is made: a disk that fills up halfway through.
      ops.WriteFileFrom = [real = ops.WriteFileFrom](const std::string& p,
                                                     const TByteSource& source) {
        real(p, [&](const TByteSink& sink) {
          source([&](std::span<const uint8_t> piece) {
            sink(piece.first(piece.size() / 2));
            throw EDataFileError(p + ": No space left on device");
          });
        });
      };
    else
      ops.Rename = [](const std::string&, const std::string& to) {
        throw EDataFileError(to + ": Permission denied");
      };
    EXPECT_THROW(BackupData(test::MakeRandomDataSet(5, 20), path, ops), EDataFileError) << step;
    EXPECT_EQ(ReadWholeFile(path), existing) << step;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(tmp.Folder()),
                            std::filesystem::directory_iterator()),
              1)
        << step;
  }
  BackupData(test::MakeRandomDataSet(5, 20), path);
  EXPECT_EQ(ReadWholeFile(path), SerializeBackup(test::MakeRandomDataSet(5, 20)));
}

// A backup of nothing is an empty file, and an empty file is no backup: restoring it would
// only empty the data set.
TEST(Backup, EmptyDataSetGivesEmptyFileWhichRestoreRefuses) {
  test::TTempFolder tmp;
  BackupData(TDataSet{}, tmp.File("e.abk"));
  EXPECT_TRUE(ReadWholeFile(tmp.File("e.abk")).empty());
  TDataSet d = test::MakeSampleDataSet();
  const std::string before = DumpJson(d);
  EXPECT_THROW(RestoreData(d, tmp.File("e.abk")), ENotABackupError);
  EXPECT_EQ(DumpJson(d), before);
}

// Whatever else a person may pick in the restore dialog is refused with the reason, and the
// data set stays as it was; a real backup next to them restores.
TEST(Backup, RestoreRefusesWhatIsNotABackup) {
  test::TTempFolder tmp;
  const TBytes good = SerializeBackup(test::MakeSampleDataSet());
  const auto record = [&](std::size_t i) {
    return TBytes(good.begin() + static_cast<std::ptrdiff_t>(i * kBackupRecSize),
                  good.begin() + static_cast<std::ptrdiff_t>((i + 1) * kBackupRecSize));
  };
  const auto only = [&](std::initializer_list<std::size_t> indexes) {
    TBytes out;
    for (const std::size_t i : indexes) {
      const TBytes r = record(i);
      out.insert(out.end(), r.begin(), r.end());
    }
    return out;
  };
  TBytes text(kBackupRecSize * 3, 'a');  // text of a whole number of records
  TBytes oneByteMore = good;
  oneByteMore.push_back(0);
  TBytes badTag = good;
  badTag[5 * kBackupRecSize] = 'X';
  TBytes reasonFile;  // a data file picked by mistake, of a whole number of backup records
  const TBytes firstReason = record(0);
  for (std::size_t i = 0; i < kBackupRecSize; ++i)
    reasonFile.insert(reasonFile.end(), firstReason.begin() + 2,
                      firstReason.begin() + 2 + static_cast<std::ptrdiff_t>(kReasonRecSize));
  // Sick, Vacation, 2 rules; 2 departments; employees from record 6; globals last.
  const std::size_t last = good.size() / kBackupRecSize - 1;
  const struct {
    const char* name;
    TBytes bytes;
    const char* why;
  } cases[] = {
      {"host name", {'h', 'o', 's', 't', '\n'}, "its size (5 bytes) is not a whole number"},
      {"text", text, "record 1 is not a backup record"},
      {"one byte more", oneByteMore, "is not a whole number of 101-byte backup records"},
      {"unknown tag", badTag, "record 6 is not a backup record"},
      {"data file", reasonFile, "record 1 is not a backup record"},
      {"rules alone", only({2, 3}), "it holds policy rules but no reason"},
      {"entries alone", only({0, 7}), "it holds balances or absences but no employee"},
      {"absences without reasons", only({6, 7, last}), "it holds absences but no reason"},
  };
  TDataSet d = test::MakeSampleDataSet();
  const std::string before = DumpJson(d);
  for (const auto& c : cases) {
    const std::string path = tmp.File("picked");
    test::WriteBytes(path, c.bytes);
    try {
      RestoreData(d, path);
      ADD_FAILURE() << c.name << ": restored";
    } catch (const ENotABackupError& e) {
      EXPECT_NE(std::string(e.what()).find(c.why), std::string::npos) << c.name << ": " << e.what();
      EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << c.name;
    }
    EXPECT_EQ(DumpJson(d), before) << c.name;
  }
  EXPECT_THROW(RestoreData(d, tmp.Folder()), ENotABackupError);
  test::WriteBytes(tmp.File("good.abk"), good);
  TDataSet restored;
  RestoreData(restored, tmp.File("good.abk"));
  EXPECT_EQ(SummarizeDataSet(restored).Employees, SummarizeDataSet(d).Employees);
}

TEST(Backup, UnopenableFileGivesTheMessageAndChangesNothing) {
  test::TTempFolder tmp;
  TDataSet d = test::MakeSampleDataSet();
  const std::string before = DumpJson(d);
  try {
    RestoreData(d, tmp.File("missing.abk"));
    FAIL();
  } catch (const ERestoreOpenError& e) {
    EXPECT_EQ(std::string(e.what()),
              "The following error occurred trying to open your Absence backup file:\n\nCode = 2"
              "  Msg = No such file or directory");
  }
  EXPECT_EQ(DumpJson(d), before);
}

TEST(Backup, UnknownTagsAreSkippedAndGlobalsCopyOnlyToEarlierEmployees) {
  TBytes b;
  auto wrap = [&](char tag, const test::TRaw& r) {
    test::TRaw rec(kBackupRecSize);
    rec.U8(0, static_cast<uint8_t>(tag));
    std::copy(r.bytes.begin(), r.bytes.end(), rec.bytes.begin() + 2);
    test::Append(b, rec);
  };
  wrap('R', test::TRaw(41).U8(0, '1').I32(2, 1).Str(6, "Holiday").U8(37, 1));
  wrap('E', test::TRaw(99).U8(0, '1').I32(2, 1).Str(6, "Early").F64(74, 10).U8(90, 'F'));
  wrap('X', test::TRaw(99).U8(0, '1').I32(2, 9).Str(6, "Junk"));
  wrap('G', test::TRaw(16).F64(0, 50).I32(8, 1).F32(12, 8));
  wrap('E', test::TRaw(99).U8(0, '1').I32(2, 2).Str(6, "Late").F64(74, 10).U8(90, 'F'));
  TDataSet d;
  TWarnings w;
  ParseBackup(d, b, w);
  ASSERT_EQ(d.EmpList.size(), 2u);
  EXPECT_EQ(d.EmpList[0]->LastName, "Early");
  EXPECT_EQ(d.EmpList[0]->Entries.size(), 1u);
  EXPECT_TRUE(d.EmpList[1]->Entries.empty());
  EXPECT_EQ(d.GlobalList.size(), 1u);
}

// An exclusion on a day the employee is not employed, next to a live global entry, is kept by
// every path through the files: save and load, backup and restore, in any order.
TEST(Backup, ExclusionOutsideEmploymentSurvivesEveryRoundTrip) {
  constexpr TDate kHoliday = 45005, kStart = 45010;
  const auto make = [] {
    TDataSet d;
    AddReason(d.ReasonList, "Holiday", true, false, TBasis::None, TValidate::None, 1);
    AddEntry(d.GlobalList, d.EmpList, d.ReasonList, 1, kHoliday, 8, TEntryKind::Global);
    AddEmp(d.EmpList, "A", "", "", kStart, 0, 0, 'F', 1);
    AddEntry(d.EmpList[0]->Entries, d.EmpList, d.ReasonList, 1, kHoliday, -1,
             TEntryKind::Exclusion);
    return d;
  };
  const auto excluded = [](const TDataSet& d) {
    const auto& list = d.EmpList.at(0)->Entries;
    return list.size() == 1 && list[0]->Kind == TEntryKind::Exclusion &&
           list[0]->EntryDate == kHoliday;
  };
  enum class TStep { SaveLoad, BackupRestore };
  const std::vector<std::vector<TStep>> paths = {
      {TStep::SaveLoad},
      {TStep::BackupRestore, TStep::SaveLoad},
      {TStep::SaveLoad, TStep::BackupRestore, TStep::SaveLoad},
      {TStep::BackupRestore, TStep::BackupRestore},
  };
  for (std::size_t p = 0; p < paths.size(); ++p) {
    SCOPED_TRACE("path " + std::to_string(p));
    test::TTempFolder tmp;
    TDataSet d = make();
    std::string first;  // what the first step read; every later step reads the same
    for (const TStep step : paths[p]) {
      TWarnings warnings;
      if (step == TStep::SaveLoad) {
        SaveDataSet(d, tmp.Folder(), false);
        LoadDataSet(d, tmp.Folder(), &warnings);
      } else {
        BackupData(d, tmp.File("x.abk"));
        RestoreData(d, tmp.File("x.abk"), &warnings);
      }
      EXPECT_TRUE(warnings.empty()) << warnings.front();
      EXPECT_TRUE(excluded(d));
      if (first.empty()) first = DumpJson(d);
      EXPECT_EQ(DumpJson(d), first);
    }
  }
}

}  // namespace
}  // namespace absence
