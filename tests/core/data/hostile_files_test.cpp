// Crafted data files that once corrupted or lost data: identifiers at the 32-bit limit, hours
// that overflow when merged, dates of the old day scale, unknown record kinds, a read-only check.
#include <cmath>
#include <limits>

#include "data/datafiles.h"
#include "data/json_dump.h"
#include "data_test_support.h"

namespace absence {
namespace {

constexpr int32_t kMaxID = std::numeric_limits<int32_t>::max();
constexpr float kHuge = 3e38f;

test::TRaw DeptRecord(int32_t id, const std::string& name) {
  return std::move(test::TRaw(kDeptRecSize).I32(0, id).Str(4, name).U8(71, 1));
}
test::TRaw ReasonRecord(int32_t id, const std::string& text) {
  return std::move(test::TRaw(kReasonRecSize).U8(0, '1').I32(2, id).Str(6, text).U8(37, 1));
}
test::TRaw RuleRecord(int32_t months, float hours) {
  return std::move(test::TRaw(kReasonRecSize).U8(0, '2').I32(2, months).F32(10, hours));
}
test::TRaw EmpRecord(int32_t id, const std::string& last, double start) {
  return std::move(
      test::TRaw(kEmpRecSize).U8(0, '1').I32(2, id).Str(6, last).F64(74, start).U8(90, 'F'));
}
// One kind-'3' record with the given (date, reason, hours) items.
test::TRaw EntryRecord(std::initializer_list<std::tuple<double, int32_t, float>> items) {
  test::TRaw r(kEmpRecSize);
  r.U8(0, '3').U8(2, static_cast<uint8_t>(items.size()));
  std::size_t off = 3;
  for (const auto& [date, reason, hours] : items) {
    r.F64(off, date).I32(off + 8, reason).F32(off + 12, hours);
    off += 16;
  }
  return r;
}
test::TRaw BalanceRecord(int32_t reason, float hours, double asOf) {
  return std::move(
      test::TRaw(kEmpRecSize).U8(0, '2').U8(2, 1).I32(3, reason).F32(7, hours).F64(11, asOf));
}
test::TRaw GlobalRecord(double date, int32_t reason, float hours) {
  return std::move(test::TRaw(kGlobalRecSize).F64(0, date).I32(8, reason).F32(12, hours));
}

TBytes Join(std::initializer_list<test::TRaw> records) {
  TBytes out;
  for (const auto& r : records) test::Append(out, r);
  return out;
}

bool AnyWarningHas(const TWarnings& w, const std::string& text) {
  for (const auto& x : w)
    if (x.find(text) != std::string::npos) return true;
  return false;
}

// Writes the four files (empty where not given) and loads them.
struct TFolder {
  test::TTempFolder tmp;
  TBytes depts, reasons, emps, globals;
  TDataSet Load(TWarnings& w) {
    test::WriteBytes(tmp.File(kDeptFile), depts);
    test::WriteBytes(tmp.File(kReasonFile), reasons);
    test::WriteBytes(tmp.File(kEmpFile), emps);
    test::WriteBytes(tmp.File(kGlobalsFile), globals);
    TDataSet d;
    LoadDataSet(d, tmp.Folder(), &w);
    return d;
  }
};

TEST(HostileFiles, IdentifierThatCannotGrowRefusesOnlyTheRecordNeedingIt) {
  // The record with identifier -1 needs a new one; 2147483647 leaves none. The records after it
  // must still load, and what belonged to a refused record must not join its neighbour.
  struct Case {
    const char* name;
    const char* refused;  // the warning's place
    std::function<void(TFolder&)> fill;
    std::function<void(const TDataSet&)> check;
  };
  const Case cases[] = {
      {"departments", "dept.dat, record 2: ",
       [](TFolder& f) {
         f.depts =
             Join({DeptRecord(kMaxID, "Top"), DeptRecord(kNewID, "New"), DeptRecord(5, "After")});
       },
       [](const TDataSet& d) {
         ASSERT_EQ(d.DeptList.size(), 2u);
         EXPECT_EQ(int64_t{d.DeptList[0]->DeptID} + d.DeptList[1]->DeptID, int64_t{kMaxID} + 5);
       }},
      {"reasons and their rules", "reason.dat, record 3: ",
       [](TFolder& f) {
         f.reasons = Join({ReasonRecord(kMaxID, "Top"), RuleRecord(0, 8),
                           ReasonRecord(kNewID, "New"), RuleRecord(0, 99), RuleRecord(12, 99),
                           ReasonRecord(7, "After"), RuleRecord(0, 16)});
       },
       [](const TDataSet& d) {
         ASSERT_EQ(d.ReasonList.size(), 2u);
         for (const auto& r : d.ReasonList) {
           ASSERT_EQ(r->Rules.size(), 1u) << r->Description;
           EXPECT_NE(r->Rules[0]->Hours, 99.0f) << r->Description;
         }
       }},
      {"employees and their entries", "emp.dat, record 3: ",
       [](TFolder& f) {
         f.emps = Join({EmpRecord(kMaxID, "Top", test::k2024Jan1),
                        EntryRecord({{test::k2024Jan1, 1, 8}}),
                        EmpRecord(kNewID, "New", test::k2024Jan1), BalanceRecord(1, 40, 0),
                        EntryRecord({{test::k2024Jul1, 1, 4}, {test::k2024Jul1 + 1, 1, 4}}),
                        EmpRecord(9, "After", test::k2024Jan1)});
       },
       [](const TDataSet& d) {
         ASSERT_EQ(d.EmpList.size(), 2u);
         for (const auto& e : d.EmpList) {
           EXPECT_TRUE(e->Accruals.empty()) << e->LastName;
           EXPECT_EQ(e->Entries.size(), e->LastName == "Top" ? 1u : 0u) << e->LastName;
         }
       }},
  };
  for (const auto& c : cases) {
    TFolder f;
    c.fill(f);
    TWarnings w;
    const TDataSet d = f.Load(w);
    c.check(d);
    EXPECT_TRUE(AnyWarningHas(w, std::string(c.refused) + "No identifier is left")) << c.name;
  }
}

TEST(HostileFiles, NewRecordWithNoIdentifierLeftThrowsAndAddsNothing) {
  TDataSet d;
  AddDept(d.DeptList, "Top", 0, true, "", kMaxID);
  AddReason(d.ReasonList, "Top", true, false, TBasis::None, TValidate::None, kMaxID);
  AddEmp(d.EmpList, "Top", "", "", 0, 0, 0, 'F', kMaxID);
  EXPECT_THROW(AddDept(d.DeptList, "New", 0, true, ""), EIdentifierRangeError);
  EXPECT_THROW(AddReason(d.ReasonList, "New", true, false, TBasis::None, TValidate::None),
               EIdentifierRangeError);
  EXPECT_THROW(AddEmp(d.EmpList, "New", "", "", 0, 0, 0, 'F'), EIdentifierRangeError);
  EXPECT_EQ(d.DeptList.size() + d.ReasonList.size() + d.EmpList.size(), 3u);
}

TEST(HostileFiles, HoursThatWouldOverflowWhenMergedAreKeptApartAndSurviveASave) {
  // Once two entries of a day are kept apart, a third stays apart too, even where it would fit
  // into the first: merged, the first would then fit with the second at the next load, and the
  // files would change from one save to the next.
  struct Case {
    const char* name;
    bool global;
    std::vector<float> hours;
  };
  const Case cases[] = {
      {"own entries", false, {kHuge, kHuge}},
      {"global entries", true, {kHuge, kHuge}},
      // Own hours below zero are read as exclusions; a global entry's may be negative.
      {"own entries, a third that would fit the first", false, {kHuge, kHuge, 8}},
      {"global entries, a third that would fit the first", true, {kHuge, kHuge, -kHuge}},
  };
  for (const Case& c : cases) {
    TFolder f;
    f.reasons = Join({ReasonRecord(1, "Vacation")});
    f.emps = Join({EmpRecord(1, "Smith", test::k2024Jan1)});
    TBytes globals, entries;
    for (float h : c.hours) {
      test::Append(globals, GlobalRecord(test::k2024Jul1, 1, h));
      test::Append(entries, EntryRecord({{test::k2024Jul1, 1, h}}));
    }
    if (c.global)
      f.globals = globals;
    else
      f.emps.insert(f.emps.end(), entries.begin(), entries.end());
    TWarnings w;
    TDataSet d = f.Load(w);
    EXPECT_TRUE(AnyWarningHas(w, "more hours than can be stored")) << c.name;
    std::vector<float> read;
    for (const auto& e : d.EmpList.at(0)->Entries) read.push_back(e->Hours);
    EXPECT_EQ(read, c.hours) << c.name;
    // The dump stays valid JSON: no infinity anywhere.
    EXPECT_EQ(DumpJson(d).find("inf"), std::string::npos) << c.name;

    // Saved and read again, nothing was lost, and a second save writes the same bytes.
    const auto files = [](const TDataSet& x) {
      return std::vector<TBytes>{SerializeEmps(x.EmpList, x.GlobalList),
                                 SerializeGlobals(x.GlobalList)};
    };
    const auto saved = files(d);
    SaveDataSet(d, f.tmp.Folder(), false);
    TDataSet again;
    TWarnings w2;
    LoadDataSet(again, f.tmp.Folder(), &w2);
    EXPECT_EQ(again.EmpList.at(0)->Entries.size(), c.hours.size()) << c.name;
    EXPECT_EQ(again.GlobalList.size(), c.global ? c.hours.size() : 0u) << c.name;
    EXPECT_TRUE(files(again) == saved) << c.name;

    // Nor may the user's own add merge into the first of entries kept apart.
    TEntryList& list = c.global ? again.GlobalList : again.EmpList.at(0)->Entries;
    const auto kind = c.global ? TEntryKind::Global : TEntryKind::Own;
    EXPECT_THROW(
        AddEntry(list, again.EmpList, again.ReasonList, 1, list[0]->EntryDate, -kHuge, kind),
        EHoursRangeError)
        << c.name;
    EXPECT_TRUE(files(again) == saved) << c.name;
  }
}

TEST(HostileFiles, AddEntryRefusesAnOverflowingMergeAndChangesNothing) {
  TDataSet d;
  AddReason(d.ReasonList, "Holiday", true, false, TBasis::None, TValidate::None, 1);
  AddEmp(d.EmpList, "Smith", "", "", 100, 0, 0, 'F', 1);
  for (TEntryKind kind : {TEntryKind::Own, TEntryKind::Global}) {
    TEntryList& list = kind == TEntryKind::Own ? d.EmpList[0]->Entries : d.GlobalList;
    AddEntry(list, d.EmpList, d.ReasonList, 1, 200, kHuge, kind);
    EXPECT_THROW(AddEntry(list, d.EmpList, d.ReasonList, 1, 200, kHuge, kind), EHoursRangeError);
    EXPECT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0]->Hours, kHuge);
    for (const auto& e : d.EmpList[0]->Entries) EXPECT_TRUE(std::isfinite(e->Hours));
  }
}

TEST(HostileFiles, OldScaleDatesAreConvertedOnceAndStayPutAcrossSaves) {
  // A stored day above 693594 was counted from year 1 and is converted once. One that is still
  // above 693594 after that could never be written back unchanged, so it is refused.
  constexpr double kOld = 693594.0;
  struct Case {
    double raw;
    double day;  // 0: refused
  };
  const Case cases[] = {
      {45000, 45000}, {kOld - 2, kOld - 2}, {kOld + 45000, 45000}, {2 * kOld + 45000, 0}};
  for (const Case c : cases) {
    TFolder f;
    f.reasons = Join({ReasonRecord(1, "Vacation")});
    f.emps = Join({EmpRecord(1, "Smith", c.raw), BalanceRecord(1, 8, c.raw),
                   EntryRecord({{c.raw + 1, 1, 8}})});
    f.globals = Join({GlobalRecord(c.raw + 2, 1, 8)});
    TWarnings w;
    TDataSet d = f.Load(w);
    EXPECT_EQ(w.empty(), c.day != 0) << c.raw;
    for (int round = 0; round < 2; ++round) {
      const auto& e = *d.EmpList.at(0);
      EXPECT_EQ(e.StartDate, c.day) << c.raw << " round " << round;
      if (c.day == 0) {
        EXPECT_TRUE(e.Accruals.empty() && e.Entries.empty() && d.GlobalList.empty()) << c.raw;
        break;
      }
      ASSERT_EQ(e.Accruals.size(), 1u);
      EXPECT_EQ(e.Accruals[0]->AsOfDate, c.day) << c.raw << " round " << round;
      ASSERT_EQ(d.GlobalList.size(), 1u);
      EXPECT_EQ(d.GlobalList[0]->EntryDate, c.day + 2) << c.raw << " round " << round;
      ASSERT_EQ(e.Entries.size(), 2u);
      EXPECT_EQ(e.Entries[0]->EntryDate, c.day + 1) << c.raw << " round " << round;
      SaveDataSet(d, f.tmp.Folder(), false);
      LoadDataSet(d, f.tmp.Folder());
    }
  }
}

TEST(HostileFiles, UnknownRecordKindsAreSkippedWithAWarningNamingTheRecord) {
  struct Case {
    const char* name;
    uint8_t kind;
  };
  for (const Case c : {Case{"letter", 'x'}, Case{"digit", '7'}, Case{"zero byte", 0}}) {
    TFolder f;
    f.reasons = Join({ReasonRecord(1, "Vacation"), RuleRecord(0, 40),
                      std::move(RuleRecord(0, 99).U8(0, c.kind))});
    f.emps = Join({EmpRecord(1, "Smith", test::k2024Jan1),
                   std::move(EntryRecord({{test::k2024Jul1, 1, 8}}).U8(0, c.kind))});
    TWarnings w;
    const TDataSet d = f.Load(w);
    ASSERT_EQ(d.ReasonList.size(), 1u) << c.name;
    EXPECT_EQ(d.ReasonList[0]->Rules.size(), 1u) << c.name;
    EXPECT_TRUE(d.EmpList.at(0)->Entries.empty()) << c.name;
    EXPECT_TRUE(AnyWarningHas(w, "reason.dat, record 3: unknown record kind")) << c.name;
    EXPECT_TRUE(AnyWarningHas(w, "emp.dat, record 2: unknown record kind")) << c.name;
  }
}

// One damaged kind byte must not hand a reason's rules or an employee's balances and absences
// to the record before it: they are skipped with it and counted, and the records after the next
// good reason or employee load as before.
TEST(HostileFiles, ADamagedReasonOrEmployeeTakesItsRecordsAlong) {
  TFolder f;
  f.reasons = Join({ReasonRecord(1, "Sick"), RuleRecord(0, 40),
                    std::move(ReasonRecord(2, "Vacation").U8(0, 'x')), RuleRecord(0, 99),
                    RuleRecord(12, 99), ReasonRecord(3, "Personal"), RuleRecord(0, 16)});
  f.emps = Join({EmpRecord(1, "Abel", test::k2024Jan1), EntryRecord({{test::k2024Jan1, 1, 8}}),
                 std::move(EmpRecord(2, "Baker", test::k2024Jan1).U8(0, 0)),
                 BalanceRecord(1, 40, test::k2024Jan1),
                 EntryRecord({{test::k2024Jul1, 1, 4}, {test::k2024Jul1 + 1, 1, 4}}),
                 EmpRecord(3, "Cole", test::k2024Jan1), EntryRecord({{test::k2024Jul1, 3, 2}})});
  TWarnings w;
  const TDataSet d = f.Load(w);
  ASSERT_EQ(d.ReasonList.size(), 2u);
  for (const auto& r : d.ReasonList) {
    ASSERT_EQ(r->Rules.size(), 1u) << r->Description;
    EXPECT_EQ(r->Rules[0]->Hours, r->ReasonID == 1 ? 40.0f : 16.0f) << r->Description;
  }
  ASSERT_EQ(d.EmpList.size(), 2u);
  for (const auto& e : d.EmpList) {
    EXPECT_TRUE(e->Accruals.empty()) << e->LastName;
    ASSERT_EQ(e->Entries.size(), 1u) << e->LastName;
    EXPECT_EQ(e->Entries[0]->ReasonID, e->LastName == "Abel" ? 1 : 3);
  }
  EXPECT_TRUE(AnyWarningHas(w, "reason.dat, record 3: the 2 record(s) after it, holding 2 item"));
  EXPECT_TRUE(AnyWarningHas(w, "emp.dat, record 3: the 2 record(s) after it, holding 3 item"));
}

TEST(HostileFiles, ReadOnlyLoadWritesNothing) {
  test::TTempFolder tmp;
  test::WriteBytes(tmp.File(kReasonFile), Join({ReasonRecord(1, "Vacation")}));
  test::WriteBytes(tmp.File("~absence-save~emp.dat.tmp"), TBytes(kEmpRecSize, 0));
  TDataSet d;
  TWarnings w;
  LoadDataSetReadOnly(d, tmp.Folder(), &w);
  EXPECT_EQ(d.ReasonList.size(), 1u);
  for (const char* name : {kEmpFile, kDeptFile, kGlobalsFile}) {
    EXPECT_FALSE(FileExists(tmp.File(name))) << name;
    EXPECT_TRUE(AnyWarningHas(w, std::string(name) + " is missing")) << name;
  }
  EXPECT_TRUE(FileExists(tmp.File("~absence-save~emp.dat.tmp")));
  EXPECT_TRUE(AnyWarningHas(w, "interrupted save"));
}

}  // namespace
}  // namespace absence
