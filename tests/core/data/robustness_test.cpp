// Readers survive any bytes: no crash, no hang, clear warnings.
#include <random>

#include "data/backup.h"
#include "data/datafiles.h"
#include "data_test_support.h"

namespace absence {
namespace {

TEST(Robustness, RandomBytesNeverCrashAnyReader) {
  std::mt19937 rng(99);
  for (int round = 0; round < 300; ++round) {
    TBytes bytes(rng() % 2000);
    for (auto& b : bytes) b = static_cast<uint8_t>(rng());
    // Bias some records towards valid kind bytes so the deeper paths run.
    for (std::size_t off = 0; off < bytes.size(); off += 99) bytes[off] = "123"[rng() % 3];
    TDataSet d;
    TWarnings w;
    ParseReasons(d.ReasonList, bytes, "reason.dat", w);
    ParseEmps(d.EmpList, d.ReasonList, bytes, "emp.dat", w);
    ParseGlobals(d.GlobalList, d.EmpList, d.ReasonList, bytes, "globals.dat", w);
    ParseDepts(d.DeptList, bytes, "dept.dat", w);
    TDataSet restored;
    ParseBackup(restored, bytes, w);
    // What was read can always be written again.
    SerializeEmps(d.EmpList, d.GlobalList);
    SerializeBackup(restored);
  }
}

TEST(Robustness, DamagedFieldsAreRepairedOrSkippedWithAWarning) {
  struct Case {
    const char* name;
    test::TRaw record;
    std::size_t employees, accruals, entries;
  };
  const double nan = std::numeric_limits<double>::quiet_NaN();
  std::vector<Case> cases;
  cases.push_back({"balances before any employee",
                   test::TRaw(99).U8(0, '2').U8(2, 1).I32(3, 1).F64(11, 5), 0, 0, 0});
  cases.push_back({"NaN start date", test::TRaw(99).U8(0, '1').I32(2, 1).F64(74, nan), 1, 0, 0});
  cases.push_back({"length byte above capacity", test::TRaw(99).U8(0, '1').U8(6, 200), 1, 0, 0});
  for (const auto& c : cases) {
    TEmpList emps;
    TWarnings w;
    ParseEmps(emps, TReasonList{}, c.record.bytes, "emp.dat", w);
    EXPECT_EQ(emps.size(), c.employees) << c.name;
    EXPECT_FALSE(w.empty()) << c.name;
    EXPECT_NE(w.empty() ? std::string::npos : w[0].find("emp.dat, record 1"), std::string::npos)
        << c.name;
  }

  // Count above six is taken as six; absurd dates and infinite hours are skipped.
  TBytes b;
  test::Append(b, test::TRaw(99).U8(0, '1').I32(2, 1).F64(74, 10).U8(90, 'F'));
  test::TRaw entries(99);
  entries.U8(0, '3').U8(2, 200);
  for (int i = 0; i < 6; ++i)
    entries.F64(3 + 16 * i, 100 + i).I32(11 + 16 * i, 1).F32(15 + 16 * i, 1);
  entries.F64(3, 1e300);
  entries.F32(15 + 16, std::numeric_limits<float>::infinity());
  test::Append(b, entries);
  b.push_back(0x31);  // a truncated last record
  TEmpList emps;
  TWarnings w;
  ParseEmps(emps, TReasonList{}, b, "emp.dat", w);
  ASSERT_EQ(emps.size(), 1u);
  EXPECT_EQ(emps[0]->Entries.size(), 4u);
  EXPECT_EQ(w.size(), 4u);  // count, date, hours, truncated tail
}

}  // namespace
}  // namespace absence
