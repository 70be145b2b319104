// An independent computation of the accrual rules (own date arithmetic on std::chrono, own rule
// and record look-ups, written afresh from the rules' text), compared to the engine to the float on
// many generated employees, policies and dates. Also: the step loop's bound holds on any data.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>
#include <optional>
#include <random>

#include "accrual/accrual.h"
#include "accrual_test_support.h"

namespace absence {
namespace {

using test::AddRecord;
using test::AddTaken;
using test::D;
using test::TWorld;

// ---------------------------------------------------------------------------------------------
// Reference date arithmetic (std::chrono).
namespace ref {

using namespace std::chrono;
constexpr sys_days kEpoch = sys_days{year{1899} / December / 30};

year_month_day Ymd(long n) {
  return year_month_day{kEpoch + days{n}};
}
long Num(const year_month_day& ymd) {
  return (sys_days{ymd} - kEpoch).count();
}
int Y(long n) {
  return static_cast<int>(Ymd(n).year());
}
int M(long n) {
  return static_cast<int>(static_cast<unsigned>(Ymd(n).month()));
}
int Dd(long n) {
  return static_cast<int>(static_cast<unsigned>(Ymd(n).day()));
}
int Dim(int y, int m) {
  return static_cast<int>(static_cast<unsigned>(
      year_month_day_last{year{y}, month_day_last{month{static_cast<unsigned>(m)}}}.day()));
}
int Dim(long n) {
  return Dim(Y(n), M(n));
}
long Nvd(int y, int m, int d) {
  d = std::max(1, std::min(d, Dim(y, m)));
  return Num(year{y} / month{static_cast<unsigned>(m)} / day{static_cast<unsigned>(d)});
}
long AddM(long count, long n) {
  const year_month_day p = Ymd(n);
  const year_month ym = year_month{p.year(), p.month()} + months{count};
  return Nvd(static_cast<int>(ym.year()), static_cast<int>(static_cast<unsigned>(ym.month())),
             Dd(n));
}
long AddY(long count, long n) {
  return AddM(12 * count, n);
}
int MD(long a, long b) {
  const int est = (Y(b) - Y(a)) * 12 + (M(b) - M(a));
  if (a <= b) {
    int n = est + 1;
    while (n > 0 && AddM(n, a) > b) --n;
    return n;
  }
  int n = -est + 1;
  while (n > 0 && AddM(-n, a) < b) --n;
  return -n;
}
int YD(long a, long b) {
  if (a <= b) {
    int n = Y(b) - Y(a) + 1;
    while (n > 0 && AddY(n, a) > b) --n;
    return n;
  }
  int n = Y(a) - Y(b) + 1;
  while (n > 0 && AddY(-n, a) < b) --n;
  return -n;
}

struct Expired {};

struct Input {
  const TEmpRecClass* emp;
  const TReasonRecClass* reason;
  int bm, bd;
};

std::pair<long, long> YearOf(char basis, const Input& in, long d) {
  if (basis != 'A' && basis != 'U') return {Nvd(Y(d), 1, 1), Nvd(Y(d), 12, 31)};
  const long start = static_cast<long>(in.emp->StartDate);
  const long a = basis == 'A' ? Nvd(Y(d), M(start), Dd(start)) : Nvd(Y(d), in.bm, in.bd);
  if (a > d) return {AddY(-1, a), a - 1};
  return {a, AddY(1, a) - 1};
}

float Taken(const Input& in, long d, bool asOf) {
  auto [first, last] = YearOf(Letter(in.reason->Basis), in, d);
  if (asOf) last = d;
  float sum = 0;
  for (const auto& x : in.emp->Entries)
    if (x->ReasonID == in.reason->ReasonID && x->EntryDate >= first && x->EntryDate <= last &&
        x->DelMark.empty() && x->Hours > -1 && !x->ReasonDeleted)
      sum += x->Hours;
  return sum;
}

// AccruedHours, step by step.
float Accrued(const Input& in, long requested) {
  const TEmpRecClass& emp = *in.emp;
  const TReasonRecClass& r = *in.reason;
  const TAccrualRecClass* rec = nullptr;
  for (const auto& a : emp.Accruals)
    if (a->ReasonID == r.ReasonID) {
      if (a->DelMark.empty() && !a->ReasonDeleted) rec = a.get();
      break;
    }
  const long start = static_cast<long>(emp.StartDate), term = static_cast<long>(emp.TermDate);
  float h = rec ? rec->Hours : 0.0f;
  long e = rec ? static_cast<long>(rec->AsOfDate) : start;
  const long rd = e;
  long asOf = requested;
  if (term > 0 && term < asOf) asOf = term;
  if (asOf < e || asOf <= start) return 0;
  if (start == 0) return h;
  const char basis = Letter(r.Basis);
  if (emp.EmpType != 'F') {
    if (!rec || asOf <= e) return 0;
    if (basis == 'C') return Y(asOf - 1) == Y(rd) ? h : 0;
    if (basis == 'A') {
      const long n = AddY(YD(start, rd) + 1, start);
      const bool ok =
          r.Validate == TValidate::YearEnd ? (rd <= asOf && asOf <= n) : (rd <= asOf && asOf < n);
      return ok ? h : 0;
    }
    if (basis == 'U') {
      long n = Nvd(Y(rd), in.bm, in.bd);
      if (n < rd) n = AddY(1, n);
      return rd <= asOf && asOf <= n ? h : 0;
    }
    return Y(asOf) == Y(rd) ? h : 0;
  }
  if (!r.HasPolicy) return Y(asOf - 1) == Y(rd) ? h : 0;

  auto add = [&h](double x) { h = static_cast<float>(h + x); };
  const auto& rules = r.Rules;
  auto findRule = [&rules](int months) {
    for (std::size_t i = 0; i < rules.size(); ++i)
      if (rules[i]->EndMonth >= months) return static_cast<int>(i);
    return -1;
  };
  const long never = Nvd(9999, 12, 31);
  const int hM = M(start), hD = Dd(start), bd = in.bd;
  long F;
  {
    const int y = Y(e), m = M(e), d = Dd(e);
    if (basis == 'C') {
      F = Nvd(y + 1, 1, 1);
      e = Nvd(y, m, 1);
      if (e < start) e = AddM(1, e);
    } else if (basis == 'A') {
      F = Nvd(Y(e), hM, hD);
      if (F <= e) F = AddY(1, F);
      e = AddM(MD(start, e), start);
    } else {
      F = Nvd(y, in.bm, bd);
      if (F < e) F = AddY(1, F);
      e = bd > d ? (m == 1 ? Nvd(y - 1, 12, bd) : Nvd(y, m - 1, bd)) : Nvd(y, m, bd);
    }
    if (e < rd) e = AddM(1, e);
  }
  int cur = findRule(MD(start, e));
  long T;
  if (cur < 0) {
    cur = static_cast<int>(rules.size()) - 1;
    T = never;
  } else {
    T = AddM(rules[cur]->EndMonth, start);
  }
  double rate = rules[cur]->Hours;
  float L = rules[cur]->CarryOver;
  if (e <= asOf && Y(e) == Y(rd)) {
    const int d = Dd(rd), dim = Dim(rd);
    if (basis == 'C' && d > 1) add(static_cast<double>(dim - d + 1) / dim * rate / 12);
    if (basis == 'U' && bd != d) {
      const int days = bd < d ? dim - d + bd : bd - d;
      add(static_cast<double>(days) / dim * rate / 12);
    }
  }
  while (e < asOf) {
    long K = std::min(std::min(F, asOf), T);
    const int n = MD(e, K);
    if (n < 1 && K == asOf) break;
    if (n >= 1)
      add(n * rate / 12);
    else
      add(static_cast<double>(K - e) / Dim(e) * rate / 12);
    if (K == T) {
      const int y = Y(K), m = M(K), d = Dd(K), dim = Dim(K);
      if (n >= 1) {
        if (basis == 'C') add(static_cast<double>(d - 1) / dim * rate / 12);
        if (basis == 'U' && bd != d)
          add(static_cast<double>(bd < d ? d - bd : dim - bd + d) / dim * rate / 12);
      }
      L = rules[cur]->CarryOver;
      const int next = findRule(MD(start, K) + 1);
      if (next < 0) {
        T = never;
      } else {
        cur = next;
        T = AddM(rules[cur]->EndMonth, start);
      }
      rate = rules[cur]->Hours;
      if (basis == 'C' && d > 1) {
        add(static_cast<double>(dim - d + 1) / dim * rate / 12);
        K = AddM(1, Nvd(y, m, 1));
      } else if (basis == 'U' && bd != d) {
        const long B = Nvd(y, m, bd);
        if (bd < d) {
          add(static_cast<double>(dim - d + bd) / dim * rate / 12);
          K = AddM(1, B);
        } else {
          add(static_cast<double>(bd - d) / dim * rate / 12);
          K = B;
        }
      }
    }
    if (K == F) {
      if (asOf != F) {
        h = static_cast<float>(h - static_cast<double>(Taken(in, F - 1, false)));
        if (L == 0)
          h = 0;
        else if (h > L)
          h = L;
        L = rules[cur]->CarryOver;
      }
      F = basis == 'A' ? Nvd(Y(K) + 1, hM, hD) : Nvd(Y(K) + 1, M(K), Dd(K));
    }
    e = K;
  }
  if (term > 0 && term <= asOf) {
    if (F < requested) throw Expired{};
    const int y = Y(term), m = M(term), d = Dd(term);
    if (basis == 'C' && d != 1) add(static_cast<double>(d - 1) / Dim(term) * rate / 12);
    if (basis == 'A' && hD != d) {
      if (hD <= d) {
        add(static_cast<double>(d - hD) / Dim(term) * rate / 12);
      } else {
        const int dim = Dim(AddM(-1, term));
        add(static_cast<double>(dim - hD + d) / dim * rate / 12);
      }
    }
    if (basis == 'U' && Dd(Nvd(y, m, bd)) != d) {
      if (bd <= d) {
        add(static_cast<double>(d - bd) / Dim(term) * rate / 12);
      } else {
        const int dim = Dim(AddM(-1, term));
        add(static_cast<double>(dim - bd + d) / dim * rate / 12);
      }
    }
  }
  return h;
}

}  // namespace ref

// ---------------------------------------------------------------------------------------------
// Generated data.

struct TGen {
  std::mt19937 rng;
  explicit TGen(unsigned seed) : rng(seed) {}
  int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
  bool Chance(int percent) { return Int(1, 100) <= percent; }
  double Date(int y0, int y1) {
    const int y = Int(y0, y1), m = Int(1, 12);
    // Month ends and firsts are where the rules differ most.
    const int pick = Int(0, 9);
    const int d = pick < 2 ? 1 : pick < 4 ? Int(28, 31) : Int(1, 31);
    return NearestValidDate(y, m, d);
  }
  float Hours() {
    switch (Int(0, 3)) {
      case 0:
        return static_cast<float>(Int(0, 30) * 8);
      case 1:
        return static_cast<float>(Int(0, 400)) / 4.0f;
      case 2:
        return std::uniform_real_distribution<float>(0, 300)(rng);
      default:
        return static_cast<float>(Int(1, 26) * 4) + 0.1f;
    }
  }
};

void MakeReason(TGen& g, TWorld& w, int id) {
  static const TBasis kBases[] = {TBasis::Calendar, TBasis::Anniversary, TBasis::UserYear};
  const TBasis basis = kBases[g.Int(0, 2)];
  const TValidate validate = g.Chance(50) ? TValidate::MonthEnd : TValidate::YearEnd;
  if (g.Chance(10)) {
    w.AddPlainReason(id, basis, validate);
    return;
  }
  TReasonRecClass& r = w.AddPolicyReason(id, basis, validate, {});
  const int tiers = g.Int(1, 4);
  int end = 0;
  for (int t = 0; t < tiers; ++t) {
    auto rule = std::make_unique<TFTRuleRecClass>();
    rule->StartMonth = end;
    end = t + 1 == tiers && g.Chance(70) ? 960 : end + g.Int(1, 120);
    rule->EndMonth = end;
    rule->Hours = g.Hours();
    rule->CarryOver = g.Chance(25) ? 0.0f : g.Hours();
    r.Rules.push_back(std::move(rule));
  }
  if (g.Chance(10)) std::swap(r.Rules.front(), r.Rules.back());  // not ascending
}

TEmpRecClass& MakeEmployee(TGen& g, TWorld& w, int reasons) {
  const double start = g.Date(1975, 2010);
  double term = 0;
  if (g.Chance(25)) term = start + g.Int(1, 9000);
  TEmpRecClass& e = w.AddEmployee(start, term, g.Chance(85) ? 'F' : (g.Chance(50) ? 'T' : 'P'));
  for (int id = 1; id <= reasons; ++id) {
    if (g.Chance(10)) continue;
    double asOf = g.Chance(30) ? start : start + g.Int(-60, 4000);
    if (g.Chance(20)) asOf = NearestValidDate(Year(asOf), Month(asOf), 1);
    TAccrualRecClass& a = AddRecord(e, id, g.Chance(30) ? 0.0f : g.Hours(), asOf);
    if (g.Chance(3)) a.DelMark = "D";
  }
  // About 30 entries a year over 25 years, sorted by date.
  std::vector<double> dates;
  for (int i = 0; i < 750; ++i) dates.push_back(start + g.Int(0, 25 * 366));
  std::sort(dates.begin(), dates.end());
  for (double d : dates) {
    const int kind = g.Int(0, 19);
    TAbsenceRecClass& x =
        AddTaken(e, g.Int(1, reasons), d, kind == 0 ? -1.0f : static_cast<float>(g.Int(1, 16)) / 2,
                 kind == 0   ? TEntryKind::Exclusion
                 : kind == 1 ? TEntryKind::Global
                             : TEntryKind::Own);
    if (kind == 2) x.DelMark = "D";
    if (kind == 3) x.ReasonDeleted = true;
  }
  return e;
}

TEST(AccrualReference, EngineAgreesWithAnIndependentComputationToTheFloat) {
  TGen g(20240601);
  int compared = 0, expired = 0, nonZero = 0;
  for (int world = 0; world < 60; ++world) {
    TWorld w;
    const int reasons = 6;
    for (int id = 1; id <= reasons; ++id) MakeReason(g, w, id);
    TBenefitYear by{g.Int(1, 12), g.Chance(30) ? g.Int(28, 31) : g.Int(1, 31)};
    for (int emp = 0; emp < 15; ++emp) {
      const TEmpRecClass& e = MakeEmployee(g, w, reasons);
      for (int q = 0; q < 40; ++q) {
        const int id = g.Int(1, reasons);
        const TReasonRecClass& r = *w.Reasons[static_cast<std::size_t>(id - 1)];
        double asOf = g.Chance(80) ? e.StartDate + g.Int(-30, 25 * 366) : g.Date(1975, 2040);
        if (g.Chance(15)) asOf = AccrualYearContaining(r.Basis, e.StartDate, asOf, by).First;
        const ref::Input in{&e, &r, by.Month, by.Day};
        std::optional<float> want, got;
        try {
          want = ref::Accrued(in, static_cast<long>(asOf));
        } catch (const ref::Expired&) {
        }
        try {
          got = AccruedHours(e, w.Reasons, id, asOf, by);
        } catch (const EAccrualExpiredError&) {
        }
        ASSERT_EQ(want.has_value(), got.has_value())
            << "world " << world << " emp " << e.EmpID << " reason " << id << " asOf " << asOf;
        if (want) {
          ASSERT_EQ(*want, *got) << "world " << world << " emp " << e.EmpID << " reason " << id
                                 << " asOf " << asOf;
          if (*want != 0) ++nonZero;
        } else {
          ++expired;
        }
        ASSERT_EQ(ref::Taken(in, static_cast<long>(asOf), false),
                  HoursTaken(e, w.Reasons, id, asOf, TTakenMode::Year, by));
        ASSERT_EQ(ref::Taken(in, static_cast<long>(asOf), true),
                  HoursTaken(e, w.Reasons, id, asOf, TTakenMode::AsOf, by));
        ++compared;
      }
    }
  }
  // The generator reaches every path often enough for the comparison to mean something.
  EXPECT_EQ(compared, 60 * 15 * 40);
  EXPECT_GT(nonZero, compared / 3);
  EXPECT_GT(expired, 100);
}

TEST(AccrualReference, TheTraceNeverChangesTheResult) {
  TGen g(99);
  for (int world = 0; world < 10; ++world) {
    TWorld w;
    for (int id = 1; id <= 4; ++id) MakeReason(g, w, id);
    const TBenefitYear by{g.Int(1, 12), g.Int(1, 31)};
    for (int emp = 0; emp < 10; ++emp) {
      const TEmpRecClass& e = MakeEmployee(g, w, 4);
      for (int q = 0; q < 20; ++q) {
        const int id = g.Int(1, 4);
        const double asOf = e.StartDate + g.Int(0, 25 * 366);
        TAccrualTrace trace;
        std::optional<float> a, b;
        try {
          a = AccruedHours(e, w.Reasons, id, asOf, by);
        } catch (const EAccrualExpiredError&) {
        }
        try {
          b = AccruedHours(e, w.Reasons, id, asOf, by, &trace);
        } catch (const EAccrualExpiredError&) {
        }
        ASSERT_EQ(a, b);
        ASSERT_EQ(trace.Expired, !b.has_value());
        if (b) {
          ASSERT_EQ(trace.Steps.back().Kind, TAccrualStepKind::Result);
          ASSERT_EQ(trace.Steps.back().Balance, *b);
        }
      }
    }
  }
}

// ---------------------------------------------------------------------------------------------
// The bound. Every pass of the step loop but the last either moves the year boundary F on by at
// least 365 days or brings into force a rule with a strictly larger EndMonth; F never passes the
// as-of date by more than about a month when it moves. So the passes are at most
// (asOf + 62 - F0) / 365 + rules + a few: AccrualStepBound. The engine stops there; these tests
// show that on any data it never needs to (no StepBound step) and stays within the bound.

void ExpectBounded(const TEmpRecClass& e, const TReasonList& reasons, int id, double asOf,
                   const TBenefitYear& by) {
  TAccrualTrace trace;
  try {
    AccruedHours(e, reasons, id, asOf, by, &trace);
  } catch (const EAccrualExpiredError&) {
  }  // any other exception fails the test
  ASSERT_LE(trace.Iterations, trace.IterationBound);
  for (const TAccrualStep& s : trace.Steps)
    ASSERT_NE(s.Kind, TAccrualStepKind::StepBound) << "bound reached for asOf " << asOf;
}

TEST(AccrualBound, HoldsOnAdversarialData) {
  TGen g(4242);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double specialDates[] = {
      0,     kMinDate,       kMaxDate,       kMinDate + 1, kMaxDate - 1,    -1, nan, 1e18,
      -1e18, D(2000, 2, 29), D(9999, 12, 1), D(1, 1, 31),  693594 + 36526.0};
  const int specialMonths[] = {0,
                               -1,
                               1,
                               12,
                               959,
                               960,
                               961,
                               5000,
                               std::numeric_limits<int>::max(),
                               std::numeric_limits<int>::min(),
                               -960};
  auto date = [&] {
    return g.Chance(40) ? specialDates[g.Int(0, std::size(specialDates) - 1)] : g.Date(1, 9999);
  };
  for (int round = 0; round < 800; ++round) {
    TWorld w;
    // Besides the three bases: none, and a letter no window writes.
    static const TBasis kBases[] = {TBasis::Calendar, TBasis::Anniversary, TBasis::UserYear,
                                    TBasis::None, static_cast<TBasis>('X')};
    TReasonRecClass& r = w.AddPolicyReason(
        1, kBases[g.Int(0, 4)], g.Chance(50) ? TValidate::MonthEnd : TValidate::YearEnd, {});
    const int nRules = g.Int(0, 6);
    for (int i = 0; i < nRules; ++i) {
      auto rule = std::make_unique<TFTRuleRecClass>();
      rule->EndMonth =
          g.Chance(50) ? specialMonths[g.Int(0, std::size(specialMonths) - 1)] : g.Int(-100, 2000);
      rule->Hours = g.Chance(10) ? std::numeric_limits<float>::quiet_NaN() : g.Hours();
      rule->CarryOver = g.Chance(10) ? -5.0f : g.Hours();
      r.Rules.push_back(std::move(rule));
    }
    TEmpRecClass& e = w.AddEmployee(date(), g.Chance(30) ? date() : 0, g.Chance(80) ? 'F' : 'T');
    AddRecord(e, 1, g.Hours(), date());
    for (int i = 0; i < 20; ++i) AddTaken(e, 1, date(), g.Hours());
    const TBenefitYear by{g.Int(-3, 15), g.Int(-3, 40)};
    for (int q = 0; q < 4; ++q) ExpectBounded(e, w.Reasons, 1, date(), by);
  }
}

TEST(AccrualBound, WorstCaseSpansTheWholeRangeQuickly) {
  TWorld w;
  TReasonRecClass& r = w.AddPolicyReason(1, TBasis::UserYear, TValidate::MonthEnd, {});
  for (int i = 1; i <= 960; ++i) {  // a new tier every month, each ending mid-month
    auto rule = std::make_unique<TFTRuleRecClass>();
    rule->EndMonth = i;
    rule->Hours = static_cast<float>(i % 7) * 10;
    rule->CarryOver = 5;
    r.Rules.push_back(std::move(rule));
  }
  TEmpRecClass& e = w.AddEmployee(D(1, 1, 17));
  AddRecord(e, 1, 0, D(1, 1, 17));
  const TBenefitYear by{2, 30};
  TAccrualTrace trace;
  AccruedHours(e, w.Reasons, 1, kMaxDate, by, &trace);
  EXPECT_GT(trace.Iterations, 9000);  // a year boundary every year, plus 960 tier changes
  EXPECT_LE(trace.Iterations, trace.IterationBound);
  for (const TAccrualStep& s : trace.Steps) ASSERT_NE(s.Kind, TAccrualStepKind::StepBound);
  // An accrual record before the start date, and a start date of 0.
  e.Accruals[0]->AsOfDate = kMinDate;
  e.StartDate = D(5000, 6, 30);
  ExpectBounded(e, w.Reasons, 1, kMaxDate, by);
  e.StartDate = 0;
  ExpectBounded(e, w.Reasons, 1, kMaxDate, by);
}

}  // namespace
}  // namespace absence
