// The data files byte for byte: layouts, cutting, conversion, round trips.
#include "data/datafiles.h"
#include "data/fileio.h"
#include "data/json_dump.h"
#include "data_test_support.h"

namespace absence {
namespace {

using test::TRaw;

TEST(DeptFile, LayoutOfOneRecord) {
  TDeptList depts;
  AddDept(depts, std::string(60, 'x'), -4, true, "C\u00e9", 12);  // manager in the trash
  const TBytes b = SerializeDepts(depts);
  TRaw expected(76);
  expected.I32(0, 12).Str(4, std::string(50, 'x')).Str(55, "C\xe9").U8(71, 1).I32(72, 0);
  EXPECT_EQ(b, expected.bytes);
}

TEST(ReasonFile, ReasonWithRulesAndReasonWithoutPolicy) {
  TReasonList reasons;
  AddReason(reasons, "Vacation", true, true, TBasis::Anniversary, TValidate::YearEnd, 3);
  AddRule(reasons[0]->Rules, 0, 12, 40.5f, 8);
  AddRule(reasons[0]->Rules, 12, 960, 80, 16);
  AddReason(reasons, "Sick", false, false, TBasis::None, TValidate::None, 4);
  TBytes expected;
  test::Append(
      expected,
      TRaw(41).U8(0, '1').I32(2, 3).Str(6, "Vacation").U8(37, 1).U8(38, 1).U8(39, 'A').U8(40, 'Y'));
  test::Append(expected, TRaw(41).U8(0, '2').I32(2, 0).I32(6, 12).F32(10, 40.5f).F32(14, 8));
  test::Append(expected, TRaw(41).U8(0, '2').I32(2, 12).I32(6, 960).F32(10, 80).F32(14, 16));
  test::Append(expected, TRaw(41).U8(0, '1').I32(2, 4).Str(6, "Sick").U8(39, ' ').U8(40, ' '));
  EXPECT_EQ(SerializeReasons(reasons), expected.empty() ? TBytes{} : expected);
}

TEST(EmpFile, ThirteenBalancesPackAsSixSixOne) {
  TEmpList emps;
  TEntryList globals;
  AddEmp(emps, std::string(40, 'L'), "Ann", "123", 100, 0, -2, 'F', 5);
  for (int r = 1; r <= 13; ++r) SetAccrual(emps[0]->Accruals, r, r * 1.5f, 200 + r);
  const TBytes b = SerializeEmps(emps, globals);
  ASSERT_EQ(b.size(), 4u * 99);
  TRaw head(99);
  head.U8(0, '1').I32(2, 5).Str(6, std::string(30, 'L')).Str(37, "Ann").Str(58, "123");
  head.F64(74, 100).F64(82, 0).U8(90, 'F').I32(91, 0);  // department in the trash: 0
  EXPECT_EQ(TBytes(b.begin(), b.begin() + 99), head.bytes);
  const int counts[] = {6, 6, 1};
  for (int rec = 0; rec < 3; ++rec) {
    TRaw expected(99);
    expected.U8(0, '2').U8(2, static_cast<uint8_t>(counts[rec]));
    for (int i = 0; i < counts[rec]; ++i) {
      const int r = rec * 6 + i + 1;
      expected.I32(3 + 16 * i, r).F32(7 + 16 * i, r * 1.5f).F64(11 + 16 * i, 200 + r);
    }
    const auto start = b.begin() + 99 * (rec + 1);
    EXPECT_EQ(TBytes(start, start + 99), expected.bytes) << "balance record " << rec;
  }
}

TEST(EmpFile, WhichEntriesAreWritten) {
  TDataSet d;
  AddReason(d.ReasonList, "R", true, false, TBasis::None, TValidate::None, 1);
  AddEmp(d.EmpList, "A", "B", "", 10, 0, 0, 'F', 1);
  auto& e = *d.EmpList[0];
  AddEntry(d.GlobalList, d.EmpList, d.ReasonList, 1, 50, 8,
           TEntryKind::Global);  // copy, live: not written
  AddEntry(d.GlobalList, d.EmpList, d.ReasonList, 1, 60, 8,
           TEntryKind::Global);  // copy trashed: exclusion
  AddEntry(e.Entries, d.EmpList, d.ReasonList, 1, 20, 4, TEntryKind::Own);  // own, live: written
  AddEntry(e.Entries, d.EmpList, d.ReasonList, 1, 30, 4, TEntryKind::Own);  // own, trashed: dropped
  AddEntry(e.Entries, d.EmpList, d.ReasonList, 1, 70, -1,
           TEntryKind::Exclusion);  // exclusion, no global
  e.Entries[FindEntry(e.Entries, 1, TEntryKind::Own, 30)]->AddDelMark(TTrashMark::Record,
                                                                      d.EmpList);
  e.Entries[FindEntry(e.Entries, 1, TEntryKind::Global, 60)]->AddDelMark(TTrashMark::Record,
                                                                         d.EmpList);
  // An exclusion beside the trashed copy (as an import makes it) stands for the same exemption:
  // written once, or the next load would find the file changed.
  AddEntry(e.Entries, d.EmpList, d.ReasonList, 1, 60, -1, TEntryKind::Exclusion);
  ASSERT_NE(FindEntry(e.Entries, 1, TEntryKind::Exclusion, 60), -1);
  const TBytes b = SerializeEmps(d.EmpList, d.GlobalList);
  ASSERT_EQ(b.size(), 2u * 99);
  TRaw entries(99);
  entries.U8(0, '3').U8(2, 2);
  entries.F64(3, 20).I32(11, 1).F32(15, 4);
  entries.F64(19, 60).I32(27, 1).F32(31, -1.0f);
  EXPECT_EQ(TBytes(b.begin() + 99, b.end()), entries.bytes);
}

TEST(Files, OldDayScaleIsConvertedOnlyAboveTheOffset) {
  TBytes emp;
  test::Append(emp, TRaw(99)
                        .U8(0, '1')
                        .I32(2, 1)
                        .Str(6, "A")
                        .F64(74, 693594 + 45000)
                        .F64(82, 693594)
                        .U8(90, 'F'));
  test::Append(emp, TRaw(99).U8(0, '3').U8(2, 1).F64(3, 693594 + 45001).I32(11, 1).F32(15, 8));
  TEmpList emps;
  TWarnings w;
  ParseEmps(emps, TReasonList{}, emp, "emp.dat", w);
  ASSERT_EQ(emps.size(), 1u);
  EXPECT_EQ(emps[0]->StartDate, 45000);
  EXPECT_EQ(emps[0]->TermDate, 693594);
  ASSERT_EQ(emps[0]->Entries.size(), 1u);
  EXPECT_EQ(emps[0]->Entries[0]->EntryDate, 45001);
  EXPECT_TRUE(w.empty());
}

TEST(Files, MissingFileIsCreatedEmpty) {
  test::TTempFolder tmp;
  TDeptList depts;
  ReadDepts(depts, tmp.File("dept.dat"));
  EXPECT_TRUE(depts.empty());
  EXPECT_TRUE(FileExists(tmp.File("dept.dat")));
  EXPECT_THROW(ReadDepts(depts, tmp.File("no/such/folder/dept.dat")), EDataFileError);
}

// Files built field by field from the documented layouts load with the right records, and a
// save writes them back byte for byte when they are already in the system's order.
TEST(Files, IndependentlyBuiltFilesLoadAndSaveByteForByte) {
  test::TTempFolder tmp;
  TBytes reason, emp, globals, dept;
  test::Append(reason,
               TRaw(41).U8(0, '1').I32(2, 2).Str(6, "Sick").U8(37, 1).U8(39, ' ').U8(40, ' '));
  test::Append(
      reason,
      TRaw(41).U8(0, '1').I32(2, 1).Str(6, "Vacation").U8(37, 1).U8(38, 1).U8(39, 'C').U8(40, 'E'));
  test::Append(reason, TRaw(41).U8(0, '2').I32(2, 0).I32(6, 960).F32(10, 80).F32(14, 40));
  test::Append(dept, TRaw(76).I32(0, 1).Str(4, "Office").Str(55, "OF").U8(71, 1).I32(72, 2));
  test::Append(emp, TRaw(99)
                        .U8(0, '1')
                        .I32(2, 2)
                        .Str(6, "Baker")
                        .Str(37, "Al")
                        .Str(58, "9")
                        .F64(74, 40000)
                        .F64(82, 0)
                        .U8(90, 'F')
                        .I32(91, 1));
  test::Append(emp, TRaw(99).U8(0, '2').U8(2, 1).I32(3, 1).F32(7, 12.25f).F64(11, 45292));
  test::Append(emp, TRaw(99)
                        .U8(0, '3')
                        .U8(2, 2)
                        .F64(3, 45300)
                        .I32(11, 2)
                        .F32(15, 8)
                        .F64(19, 45310)
                        .I32(27, 1)
                        .F32(31, -1));
  test::Append(emp, TRaw(99)
                        .U8(0, '1')
                        .I32(2, 1)
                        .Str(6, "Carter")
                        .Str(37, "Bo")
                        .F64(74, 41000)
                        .F64(82, 45000)
                        .U8(90, 'T'));
  test::Append(globals, TRaw(16).F64(0, 44990).I32(8, 1).F32(12, 8));
  test::Append(globals, TRaw(16).F64(0, 45310).I32(8, 1).F32(12, 7.5f));
  test::WriteBytes(tmp.File("reason.dat"), reason);
  test::WriteBytes(tmp.File("emp.dat"), emp);
  test::WriteBytes(tmp.File("globals.dat"), globals);
  test::WriteBytes(tmp.File("dept.dat"), dept);

  TDataSet d;
  TWarnings w;
  LoadDataSet(d, tmp.Folder(), &w);
  EXPECT_TRUE(w.empty());
  ASSERT_EQ(d.ReasonList.size(), 2u);
  EXPECT_EQ(d.ReasonList[0]->Description, "Sick");
  ASSERT_EQ(d.ReasonList[1]->Rules.size(), 1u);
  EXPECT_EQ(d.ReasonList[1]->Rules[0]->CarryOver, 40);
  ASSERT_EQ(d.EmpList.size(), 2u);
  const auto& baker = *d.EmpList[0];
  EXPECT_EQ(baker.FullName(), "Baker, Al");
  EXPECT_EQ(baker.DeptID, 1);
  ASSERT_EQ(baker.Accruals.size(), 1u);
  EXPECT_EQ(baker.Accruals[0]->Hours, 12.25f);
  // Own entry, exclusion of the 45310 global, and a copy of the 44990 global.
  ASSERT_EQ(baker.Entries.size(), 3u);
  EXPECT_EQ(baker.Entries[0]->Kind, TEntryKind::Global);
  EXPECT_EQ(baker.Entries[0]->EntryDate, 44990);
  EXPECT_EQ(baker.Entries[1]->Kind, TEntryKind::Own);
  EXPECT_EQ(baker.Entries[2]->Kind, TEntryKind::Exclusion);
  const auto& carter = *d.EmpList[1];
  ASSERT_EQ(carter.Entries.size(), 1u);  // terminated before 45310
  EXPECT_EQ(carter.Entries[0]->EntryDate, 44990);
  EXPECT_EQ(d.DeptList[0]->ManagerID, 2);

  SaveDataSet(d, tmp.Folder());
  EXPECT_EQ(ReadWholeFile(tmp.File("reason.dat")), reason);
  EXPECT_EQ(ReadWholeFile(tmp.File("emp.dat")), emp);
  EXPECT_EQ(ReadWholeFile(tmp.File("globals.dat")), globals);
  EXPECT_EQ(ReadWholeFile(tmp.File("dept.dat")), dept);
}

TEST(Files, RoundTripOfRandomDataSetsIsByteIdentical) {
  for (uint32_t seed = 1; seed <= 5; ++seed) {
    test::TTempFolder tmp;
    TDataSet d = test::MakeRandomDataSet(seed, 40);
    SaveDataSet(d, tmp.Folder());
    std::vector<TBytes> first;
    for (const char* f : {kReasonFile, kEmpFile, kGlobalsFile, kDeptFile})
      first.push_back(ReadWholeFile(tmp.File(f)));
    const std::string json = DumpJson(d);
    TDataSet again;
    LoadDataSet(again, tmp.Folder());
    EXPECT_EQ(DumpJson(again), json);
    SaveDataSet(again, tmp.Folder());
    int i = 0;
    for (const char* f : {kReasonFile, kEmpFile, kGlobalsFile, kDeptFile})
      EXPECT_EQ(ReadWholeFile(tmp.File(f)), first[i++]) << f << " seed " << seed;
  }
}

TEST(Files, ReadInPiecesHandsOnEveryByteInFullPieces) {
  constexpr std::size_t kPiece = 10;
  for (const std::size_t size :
       {std::size_t{0}, std::size_t{1}, kPiece - 1, kPiece, kPiece + 1, 2 * kPiece + 7}) {
    test::TTempFolder tmp;
    TBytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(i * 7);
    test::WriteBytes(tmp.File("f"), bytes);
    TBytes read;
    uint64_t opened = 99;
    std::vector<std::size_t> pieces;
    ReadFileInPieces(
        tmp.File("f"), kPiece, [&](uint64_t n) { opened = n; },
        [&](std::span<const uint8_t> piece) {
          pieces.push_back(piece.size());
          read.insert(read.end(), piece.begin(), piece.end());
        });
    EXPECT_EQ(read, bytes) << size;
    EXPECT_EQ(opened, size);
    EXPECT_EQ(pieces.size(), (size + kPiece - 1) / kPiece) << size;
    for (std::size_t i = 0; i + 1 < pieces.size(); ++i) EXPECT_EQ(pieces[i], kPiece) << size;
  }
  EXPECT_THROW(
      ReadFileInPieces(
          "/nonexistent/absence/f", kPiece, [](uint64_t) {}, [](std::span<const uint8_t>) {}),
      EDataFileError);
}

// emp.dat is read in pieces; records on both sides of a piece's end, and a last partial record,
// read as they do from the whole file.
TEST(Files, EmpFileLargerThanAPieceLoadsWhole) {
  TDataSet d = test::MakeRandomDataSet(7, 3200);
  const std::string json = DumpJson(d);
  for (const std::size_t tail : {std::size_t{0}, std::size_t{1}, kEmpRecSize - 1}) {
    test::TTempFolder tmp;
    SaveDataSet(d, tmp.Folder());
    TBytes emps = ReadWholeFile(tmp.File(kEmpFile));
    ASSERT_GT(emps.size(), 2 * kEmpFilePiece) << "the data set no longer fills two pieces";
    emps.resize(emps.size() + tail, 0xEE);
    test::WriteBytes(tmp.File(kEmpFile), emps);
    TDataSet again;
    TWarnings warnings;
    LoadDataSet(again, tmp.Folder(), &warnings);
    EXPECT_EQ(DumpJson(again), json) << tail;
    TWarnings expected;
    if (tail > 0)
      expected.push_back(std::string(kEmpFile) + ": the last " + std::to_string(tail) +
                         " byte(s) do not make a whole record and were ignored");
    EXPECT_EQ(warnings, expected) << tail;
  }
}

}  // namespace
}  // namespace absence
