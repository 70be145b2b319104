#include "accrual/accrual.h"

#include <algorithm>
#include <cmath>

namespace absence {

namespace {

// "Never": the end of a tier that does not end (31 December 9999).
constexpr TDate kNever = kMaxDate;
// A year boundary that lies beyond the date range: never reached by an as-of date.
constexpr TDate kBeyondRange = kMaxDate + 1;

const TReasonRecClass* ReasonByID(const TReasonList& reasons, int32_t id) {
  if (id <= 0) return nullptr;  // FindReason would look up an empty description instead
  const int i = FindReason(reasons, id, std::string());
  return i >= 0 && i < static_cast<int>(reasons.size()) ? reasons[static_cast<std::size_t>(i)].get()
                                                        : nullptr;
}

// NearestValidDate one year on, or beyond the range when that year does not exist.
TDate NextYearNVD(int year, int month, int day) {
  return year + 1 > kMaxYear ? kBeyondRange : NearestValidDate(year + 1, month, day);
}

TDate AddOneYear(TDate d) {
  return Year(d) + 1 > kMaxYear ? kBeyondRange : AddYears(1, d);
}

}  // namespace

TBenefitYear NormalizeBenefitYear(int month, int day) {
  TBenefitYear by;
  by.Month = month >= 1 && month <= 12 ? month : 1;
  by.Day = day >= 1 && day <= 31 ? day : 1;
  return by;
}

TTakenMode TakenModeFromText(const std::string& mode) {
  return mode == "AsOf" ? TTakenMode::AsOf : TTakenMode::Year;
}

TAccrualYear AccrualYearContaining(TBasis basis, TDate startDate, TDate d,
                                   const TBenefitYear& byIn) {
  const TBenefitYear by = NormalizeBenefitYear(byIn.Month, byIn.Day);
  d = NormalizeDate(d);
  const TYMD p = DecodeDate(d);
  TAccrualYear year;
  if (basis == TBasis::Anniversary || basis == TBasis::UserYear) {
    TDate a;
    if (basis == TBasis::Anniversary) {
      const TYMD s = DecodeDate(startDate);
      a = NearestValidDate(p.Year, s.Month, s.Day);
    } else {
      a = NearestValidDate(p.Year, by.Month, by.Day);
    }
    if (a > d) {
      year.First = AddYears(-1, a);
      year.Last = a - 1;
    } else {
      year.First = a;
      year.Last = AddYears(1, a) - 1;
    }
  } else {
    year.First = NearestValidDate(p.Year, 1, 1);
    year.Last = NearestValidDate(p.Year, 12, 31);
  }
  return year;
}

TAccrualYear TakenPeriod(const TEmpRecClass& emp, const TReasonList& reasons, int32_t reasonID,
                         TDate d, TTakenMode mode, const TBenefitYear& by) {
  const TReasonRecClass* r = ReasonByID(reasons, reasonID);
  TAccrualYear year =
      AccrualYearContaining(r ? r->Basis : TBasis::Calendar, NormalizeDate(emp.StartDate), d, by);
  if (mode == TTakenMode::AsOf) year.Last = NormalizeDate(d);
  return year;
}

float HoursTaken(const TEmpRecClass& emp, const TReasonList& reasons, int32_t reasonID, TDate d,
                 TTakenMode mode, const TBenefitYear& by) {
  const TAccrualYear year = TakenPeriod(emp, reasons, reasonID, d, mode, by);
  float sum = 0;
  for (const auto& entry : emp.Entries)
    if (CountsAsTaken(*entry, reasonID, year)) sum += entry->Hours;
  return sum;
}

std::vector<const TAbsenceRecClass*> TakenEntries(const TEmpRecClass& emp,
                                                  const TReasonList& reasons, int32_t reasonID,
                                                  TDate d, TTakenMode mode,
                                                  const TBenefitYear& by) {
  const TAccrualYear year = TakenPeriod(emp, reasons, reasonID, d, mode, by);
  std::vector<const TAbsenceRecClass*> taken;
  for (const auto& entry : emp.Entries)
    if (CountsAsTaken(*entry, reasonID, year)) taken.push_back(entry.get());
  return taken;
}

int AccrualStepBound(TDate firstBoundary, TDate asOf, std::size_t ruleCount) {
  const double span = std::max(0.0, NormalizeDate(asOf) + 62.0 - NormalizeDate(firstBoundary));
  const double rules = std::min<double>(static_cast<double>(ruleCount), 1e8);
  return static_cast<int>(std::floor(span / 365.0) + rules + 4);
}

namespace {

// One computation of AccruedHours; the trace is filled only when asked for. Each step method
// is named for the step kinds (TAccrualStepKind) it adds to the explanation.
class TAccrual {
 public:
  TAccrual(const TEmpRecClass& emp, const TReasonList& reasons, int32_t id, const TBenefitYear& by,
           TAccrualTrace* trace)
      : emp_(emp),
        reasons_(reasons),
        id_(id),
        by_(NormalizeBenefitYear(by.Month, by.Day)),
        trace_(trace) {}

  float Run(TDate requestedIn);

 private:
  // The balance plus x, rounded to single precision (x computed in double).
  void Add(double x) { balance_ = static_cast<float>(static_cast<double>(balance_) + x); }
  double PerMonth(double days, int dim) const {
    return days / static_cast<double>(dim) * static_cast<double>(rate_) / 12.0;
  }
  void Note(TAccrualStepKind kind, TAccrualStep step = {}) {
    if (!trace_) return;
    step.Kind = kind;
    step.Balance = balance_;
    if (step.Rate == 0 && kind != TAccrualStepKind::Rule) step.Rate = rate_;
    if (step.Tier < 0) step.Tier = tier_;
    if (step.TierEnd == 0) step.TierEnd = tierEnd_;
    trace_->Steps.push_back(std::move(step));
  }
  void NoteSpan(TAccrualStepKind kind, TDate from, TDate to = 0) {
    if (!trace_) return;
    TAccrualStep s;
    s.From = from;
    s.To = to;
    Note(kind, s);
  }
  // Adds `days` of a month of `dim` days at the rate in force.
  void AddDays(TAccrualStepKind kind, TDate from, TDate to, double days, int dim) {
    const double x = PerMonth(days, dim);
    Add(x);
    if (!trace_) return;
    TAccrualStep s;
    s.From = from;
    s.To = to;
    s.Days = days;
    s.DaysInMonth = dim;
    s.Amount = x;
    Note(kind, s);
  }
  float Decide(float result, const char* note) {
    if (trace_) {
      TAccrualStep s;
      s.Note = note;
      s.Kind = TAccrualStepKind::Rule;
      s.Balance = result;
      trace_->Steps.push_back(s);
    }
    balance_ = result;
    return result;
  }
  // Brings rule i into force (i = -1: the current rule stays, the tier never ends).
  void EnterRule(int i) {
    const TRuleList& rules = reason_->Rules;
    if (i < 0 || i >= static_cast<int>(rules.size())) {
      if (tier_ < 0 && !rules.empty()) tier_ = static_cast<int>(rules.size()) - 1;
      tierEnd_ = kNever;
    } else {
      tier_ = i;
      tierEnd_ = AddMonths(rules[static_cast<std::size_t>(i)]->EndMonth, start_);
    }
    rate_ = tier_ >= 0 ? rules[static_cast<std::size_t>(tier_)]->Hours : 0.0f;
  }
  float RuleCarryOver() const {
    return tier_ >= 0 ? reason_->Rules[static_cast<std::size_t>(tier_)]->CarryOver : 0.0f;
  }
  int FindTier(int months) const {
    return reason_->Rules.empty() ? -1 : FindRule(reason_->Rules, months);
  }

  // Record, NoRecord, TermCut: where the balance starts and the as-of date.
  void StartingPoint(TDate requestedIn);
  // Rule: an employee who earns nothing keeps the record's hours for a while.
  float NotEligible();
  // The eligible employee under a policy: the steps below, in order.
  float Eligible();
  // Aligned: the first month boundary, the first year boundary and the tier in force.
  void Aligned();
  void FirstPartMonth();
  // One pass from the month boundary reached to the next date where something happens; false
  // when the rest is a part month that earns nothing (PartMonthSkipped).
  bool Step();
  // The end of a pass: the next year boundary, cut to the as-of date and to the tier's end.
  TDate StepEnd() const;
  // Months or Days from the boundary reached to `to`.
  void MonthsOrDays(TDate to, int months);
  // TierOldRate, TierChange, TierNewRate at the tier's end `at`; the date the pass reaches.
  TDate TierEnd(TDate at, int months);
  // Taken, then CarryReset / CarryCap / CarryKept, or BoundaryNoCap at the as-of date.
  void YearBoundary(TDate at);
  // Expired, or TermPart: the days of the termination month.
  void TermPart();

  const TEmpRecClass& emp_;
  const TReasonList& reasons_;
  const int32_t id_;
  const TBenefitYear by_;
  TAccrualTrace* trace_;

  const TReasonRecClass* reason_ = nullptr;
  TBasis basis_ = TBasis::None;
  bool hasRecord_ = false;
  TDate start_ = 0, term_ = 0;
  TYMD startDay_;           // month and day of the start date: the anniversaries
  TDate recordDate_ = 0;    // the accrual record's AsOfDate (the start date without a record)
  TDate requested_ = 0;     // the as-of date asked for
  TDate asOf_ = 0;          // the as-of date cut to the termination date
  TDate accruedTo_ = 0;     // accrual is counted up to this date (a month boundary once aligned)
  TDate yearBoundary_ = 0;  // the next year boundary: taken hours go, the carry-over limit holds
  TDate tierEnd_ = kNever;  // where the rule in force ends
  float balance_ = 0;
  float rate_ = 0;        // hours per year of the rule in force
  int tier_ = -1;         // index of the rule in force (-1: none)
  float carryLimit_ = 0;  // the carry-over limit applied at the next year boundary
};

float TAccrual::Run(TDate requestedIn) {
  reason_ = ReasonByID(reasons_, id_);
  basis_ = reason_ ? reason_->Basis : TBasis::None;
  start_ = NormalizeDate(emp_.StartDate);
  term_ = NormalizeDate(emp_.TermDate);
  StartingPoint(requestedIn);

  if (asOf_ < accruedTo_) return Decide(0, "the as-of date is before the accrual record's date");
  if (asOf_ <= start_) return Decide(0, "the as-of date is on or before the start date");
  if (start_ == 0) return Decide(balance_, "no start date: the record's hours stand");

  if (emp_.EmpType != 'F') return NotEligible();
  if (!reason_ || !reason_->HasPolicy) {
    return Decide(Year(asOf_ - 1) == Year(recordDate_) ? balance_ : 0.0f,
                  "no accrual policy: the record's hours hold for the calendar year of its date");
  }
  return Eligible();
}

void TAccrual::StartingPoint(TDate requestedIn) {
  const int ai = FindAccrual(emp_.Accruals, id_);
  if (ai >= 0 && ai < static_cast<int>(emp_.Accruals.size())) {
    const TAccrualRecClass& rec = *emp_.Accruals[static_cast<std::size_t>(ai)];
    hasRecord_ = true;
    balance_ = rec.Hours;
    accruedTo_ = NormalizeDate(rec.AsOfDate);
  } else {
    balance_ = 0;
    accruedTo_ = start_;
  }
  recordDate_ = accruedTo_;
  requested_ = NormalizeDate(requestedIn);
  asOf_ = requested_;
  if (term_ > 0 && term_ < asOf_) asOf_ = term_;

  if (!trace_) return;
  trace_->Basis = basis_;
  trace_->Eligible = emp_.EmpType == 'F';
  trace_->HasPolicy = reason_ && reason_->HasPolicy;
  trace_->Requested = requested_;
  trace_->AsOf = asOf_;
  TAccrualStep s;
  s.From = recordDate_;
  s.Amount = balance_;
  Note(hasRecord_ ? TAccrualStepKind::Record : TAccrualStepKind::NoRecord, s);
  if (asOf_ != requested_) NoteSpan(TAccrualStepKind::TermCut, requested_, asOf_);
}

float TAccrual::NotEligible() {
  if (!hasRecord_ || asOf_ <= accruedTo_)
    return Decide(0, hasRecord_ ? "not eligible: the as-of date is on or before the record's date"
                                : "not eligible and no accrual record");
  switch (basis_) {
    case TBasis::Calendar:
      return Decide(Year(asOf_ - 1) == Year(recordDate_) ? balance_ : 0.0f,
                    "not eligible: the record's hours hold for the calendar year of its date");
    case TBasis::Anniversary: {
      const TDate next = AddYears(static_cast<int64_t>(YearDiff(start_, recordDate_)) + 1, start_);
      const bool in = reason_ && reason_->Validate == TValidate::YearEnd
                          ? recordDate_ <= asOf_ && asOf_ <= next
                          : recordDate_ <= asOf_ && asOf_ < next;
      return Decide(in ? balance_ : 0.0f,
                    "not eligible: the record's hours hold until the next anniversary");
    }
    case TBasis::UserYear: {
      TDate next = NearestValidDate(Year(recordDate_), by_.Month, by_.Day);
      if (next < recordDate_) next = AddYears(1, next);
      return Decide(recordDate_ <= asOf_ && asOf_ <= next ? balance_ : 0.0f,
                    "not eligible: the record's hours hold until the next user-defined year");
    }
    default:
      return Decide(Year(asOf_) == Year(recordDate_) ? balance_ : 0.0f,
                    "not eligible: the record's hours hold for the calendar year of its date");
  }
}

float TAccrual::Eligible() {
  // A policy reason of another basis (not written by this system) is computed as 'C'.
  if (basis_ != TBasis::Anniversary && basis_ != TBasis::UserYear) basis_ = TBasis::Calendar;
  if (trace_) trace_->Basis = basis_;
  startDay_ = DecodeDate(start_);

  Aligned();
  FirstPartMonth();
  const int bound =
      AccrualStepBound(std::min(yearBoundary_, accruedTo_), asOf_, reason_->Rules.size());
  int iterations = 0;
  while (accruedTo_ < asOf_) {
    if (iterations >= bound) {
      Note(TAccrualStepKind::StepBound);
      break;
    }
    ++iterations;
    if (!Step()) break;
  }
  if (trace_) {
    trace_->Iterations = iterations;
    trace_->IterationBound = bound;
  }
  TermPart();
  return balance_;
}

void TAccrual::Aligned() {
  const TYMD p = DecodeDate(accruedTo_);
  if (basis_ == TBasis::Calendar) {
    yearBoundary_ = NextYearNVD(p.Year, 1, 1);
    accruedTo_ = NearestValidDate(p.Year, p.Month, 1);
    if (accruedTo_ < start_) accruedTo_ = AddMonths(1, accruedTo_);
  } else if (basis_ == TBasis::Anniversary) {
    yearBoundary_ = NearestValidDate(Year(accruedTo_), startDay_.Month, startDay_.Day);
    if (yearBoundary_ <= accruedTo_) yearBoundary_ = AddOneYear(yearBoundary_);
    accruedTo_ = AddMonths(MonthDiff(start_, accruedTo_), start_);
  } else {
    yearBoundary_ = NearestValidDate(p.Year, by_.Month, by_.Day);
    if (yearBoundary_ < accruedTo_) yearBoundary_ = AddOneYear(yearBoundary_);
    if (by_.Day > p.Day)
      accruedTo_ = p.Month == 1 ? NearestValidDate(p.Year - 1, 12, by_.Day)
                                : NearestValidDate(p.Year, p.Month - 1, by_.Day);
    else
      accruedTo_ = NearestValidDate(p.Year, p.Month, by_.Day);
  }
  if (accruedTo_ < recordDate_) accruedTo_ = AddMonths(1, accruedTo_);

  EnterRule(FindTier(MonthDiff(start_, accruedTo_)));
  carryLimit_ = RuleCarryOver();
  NoteSpan(TAccrualStepKind::Aligned, accruedTo_, yearBoundary_);
}

void TAccrual::FirstPartMonth() {
  if (accruedTo_ > asOf_ || Year(accruedTo_) != Year(recordDate_)) return;
  const TYMD p = DecodeDate(recordDate_);
  const int dim = DaysInMonth(recordDate_);
  if (basis_ == TBasis::Calendar && p.Day > 1) {
    AddDays(TAccrualStepKind::FirstPartMonth, recordDate_, accruedTo_, dim - p.Day + 1, dim);
  } else if (basis_ == TBasis::UserYear && by_.Day != p.Day) {
    const double days = by_.Day < p.Day ? dim - p.Day + by_.Day : by_.Day - p.Day;
    AddDays(TAccrualStepKind::FirstPartMonth, recordDate_, accruedTo_, days, dim);
  }
}

bool TAccrual::Step() {
  TDate reached = StepEnd();
  const int months = MonthDiff(accruedTo_, reached);
  if (months < 1 && reached == asOf_) {
    NoteSpan(TAccrualStepKind::PartMonthSkipped, accruedTo_, reached);
    return false;
  }
  MonthsOrDays(reached, months);
  if (reached == tierEnd_) reached = TierEnd(reached, months);
  if (reached == yearBoundary_) YearBoundary(reached);
  accruedTo_ = reached;
  return true;
}

TDate TAccrual::StepEnd() const {
  TDate end = yearBoundary_;
  if (end > asOf_) end = asOf_;
  if (end > tierEnd_) end = tierEnd_;
  return end;
}

void TAccrual::MonthsOrDays(TDate to, int months) {
  if (months < 1) {
    const int dim = DaysInMonth(accruedTo_);
    AddDays(TAccrualStepKind::Days, accruedTo_, to, to - accruedTo_, dim);
    return;
  }
  const double x = static_cast<double>(months) * static_cast<double>(rate_) / 12.0;
  Add(x);
  if (!trace_) return;
  TAccrualStep s;
  s.From = accruedTo_;
  s.To = to;
  s.Months = months;
  s.Amount = x;
  Note(TAccrualStepKind::Months, s);
}

TDate TAccrual::TierEnd(TDate at, int months) {
  const TYMD p = DecodeDate(at);
  const int dim = DaysInMonth(at);
  // The pass ended at the tier's end inside a month: the days before it at the old rate.
  if (months >= 1) {
    double days = -1;
    if (basis_ == TBasis::Calendar) {
      days = p.Day - 1;
    } else if (basis_ == TBasis::UserYear && by_.Day != p.Day) {
      days = by_.Day < p.Day ? p.Day - by_.Day : dim - by_.Day + p.Day;
    }
    if (days >= 0) AddDays(TAccrualStepKind::TierOldRate, at - days, at, days, dim);
  }
  carryLimit_ = RuleCarryOver();
  EnterRule(FindTier(MonthDiff(start_, at) + 1));
  NoteSpan(TAccrualStepKind::TierChange, at);
  // The rest of that month at the new rate, up to the next month boundary.
  if (basis_ == TBasis::Calendar && p.Day > 1) {
    const TDate next = AddMonths(1, NearestValidDate(p.Year, p.Month, 1));
    AddDays(TAccrualStepKind::TierNewRate, at, next, dim - p.Day + 1, dim);
    return next;
  }
  if (basis_ == TBasis::UserYear && by_.Day != p.Day) {
    const TDate boundary = NearestValidDate(p.Year, p.Month, by_.Day);
    const bool laterMonth = by_.Day < p.Day;
    const double days = laterMonth ? dim - p.Day + by_.Day : by_.Day - p.Day;
    const TDate next = laterMonth ? AddMonths(1, boundary) : boundary;
    AddDays(TAccrualStepKind::TierNewRate, at, next, days, dim);
    return next;
  }
  return at;
}

void TAccrual::YearBoundary(TDate at) {
  if (asOf_ == yearBoundary_) {
    NoteSpan(TAccrualStepKind::BoundaryNoCap, yearBoundary_);
  } else {
    const float taken =
        HoursTaken(emp_, reasons_, reason_->ReasonID, yearBoundary_ - 1, TTakenMode::Year, by_);
    balance_ = static_cast<float>(static_cast<double>(balance_) - static_cast<double>(taken));
    if (trace_) {
      const TAccrualYear year = AccrualYearContaining(basis_, start_, yearBoundary_ - 1, by_);
      TAccrualStep s;
      s.From = year.First;
      s.To = year.Last;
      s.At = yearBoundary_;
      s.Amount = taken;
      Note(TAccrualStepKind::Taken, s);
    }
    const float beforeCap = balance_;
    TAccrualStepKind kind;
    if (carryLimit_ == 0) {
      balance_ = 0;
      kind = TAccrualStepKind::CarryReset;
    } else if (balance_ > carryLimit_) {
      balance_ = carryLimit_;
      kind = TAccrualStepKind::CarryCap;
    } else {
      kind = TAccrualStepKind::CarryKept;
    }
    if (trace_) {
      TAccrualStep s;
      s.From = yearBoundary_;
      s.Limit = carryLimit_;
      s.Amount = static_cast<double>(balance_) - static_cast<double>(beforeCap);
      Note(kind, s);
    }
    carryLimit_ = RuleCarryOver();
  }
  yearBoundary_ = basis_ == TBasis::Anniversary
                      ? NextYearNVD(Year(at), startDay_.Month, startDay_.Day)
                      : NextYearNVD(Year(at), Month(at), Day(at));
}

void TAccrual::TermPart() {
  if (term_ <= 0 || term_ > asOf_) return;
  if (yearBoundary_ < requested_) {
    if (trace_) {
      trace_->Expired = true;
      NoteSpan(TAccrualStepKind::Expired, yearBoundary_, requested_);
    }
    throw EAccrualExpiredError();
  }
  const TYMD p = DecodeDate(term_);
  // The days since the last month boundary before the termination date.
  int boundaryDay = 1;
  if (basis_ == TBasis::Anniversary) {
    boundaryDay = startDay_.Day;
  } else if (basis_ == TBasis::UserYear) {
    boundaryDay = by_.Day;
  }
  const bool onBoundary = basis_ == TBasis::UserYear
                              ? Day(NearestValidDate(p.Year, p.Month, by_.Day)) == p.Day
                              : boundaryDay == p.Day;
  if (onBoundary) return;
  if (boundaryDay <= p.Day) {
    AddDays(TAccrualStepKind::TermPart, term_ - (p.Day - boundaryDay), term_, p.Day - boundaryDay,
            DaysInMonth(term_));
  } else {
    const int dim = DaysInMonth(AddMonths(-1, term_));
    const double days = dim - boundaryDay + p.Day;
    AddDays(TAccrualStepKind::TermPart, term_ - days, term_, days, dim);
  }
}

}  // namespace

float AccruedHours(const TEmpRecClass& emp, const TReasonList& reasons, int32_t reasonID,
                   TDate asOf, const TBenefitYear& by, TAccrualTrace* trace) {
  if (trace) *trace = TAccrualTrace{};
  TAccrual run(emp, reasons, reasonID, by, trace);
  const float result = run.Run(asOf);
  if (trace) {
    TAccrualStep st;
    st.Kind = TAccrualStepKind::Result;
    st.From = trace->AsOf;
    st.Balance = result;
    trace->Steps.push_back(st);
  }
  return result;
}

}  // namespace absence
