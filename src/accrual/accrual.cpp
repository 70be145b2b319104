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

float HoursTaken(const TEmpRecClass& emp, const TReasonList& reasons, int32_t reasonID, TDate d,
                 TTakenMode mode, const TBenefitYear& by) {
  const TReasonRecClass* r = ReasonByID(reasons, reasonID);
  TAccrualYear year =
      AccrualYearContaining(r ? r->Basis : TBasis::Calendar, NormalizeDate(emp.StartDate), d, by);
  if (mode == TTakenMode::AsOf) year.Last = NormalizeDate(d);
  float sum = 0;
  for (const auto& entry : emp.Entries) {
    const TAbsenceRecClass& x = *entry;
    if (x.ReasonID == reasonID && year.First <= x.EntryDate && x.EntryDate <= year.Last &&
        x.DelMark.empty() && x.Hours > -1.0f && !x.ReasonDeleted)
      sum += x.Hours;
  }
  return sum;
}

int AccrualStepBound(TDate firstBoundary, TDate asOf, std::size_t ruleCount) {
  const double span = std::max(0.0, NormalizeDate(asOf) + 62.0 - NormalizeDate(firstBoundary));
  const double rules = std::min<double>(static_cast<double>(ruleCount), 1e8);
  return static_cast<int>(std::floor(span / 365.0) + rules + 4);
}

namespace {

// One computation of AccruedHours; the trace is filled only when asked for.
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
  // h := h + x, rounded to single precision (x computed in double).
  void Add(double x) { h_ = static_cast<float>(static_cast<double>(h_) + x); }
  double PerMonth(double days, int dim) const {
    return days / static_cast<double>(dim) * static_cast<double>(rate_) / 12.0;
  }
  void Note(TAccrualStepKind kind, TAccrualStep step = {}) {
    if (!trace_) return;
    step.Kind = kind;
    step.Balance = h_;
    if (step.Rate == 0 && kind != TAccrualStepKind::Rule) step.Rate = rate_;
    if (step.Tier < 0) step.Tier = tier_;
    if (step.TierEnd == 0) step.TierEnd = t_;
    trace_->Steps.push_back(std::move(step));
  }
  TAccrualStep DaysStep(TDate from, TDate to, double days, int dim, double amount) const {
    TAccrualStep s;
    s.From = from;
    s.To = to;
    s.Days = days;
    s.DaysInMonth = dim;
    s.Amount = amount;
    return s;
  }
  float Decide(float result, const char* note) {
    if (trace_) {
      TAccrualStep s;
      s.Note = note;
      s.Kind = TAccrualStepKind::Rule;
      s.Balance = result;
      trace_->Steps.push_back(s);
    }
    h_ = result;
    return result;
  }
  // Brings rule i into force (i = -1: the current rule stays, the tier never ends).
  void EnterRule(int i) {
    const TRuleList& rules = reason_->Rules;
    if (i < 0 || i >= static_cast<int>(rules.size())) {
      if (tier_ < 0 && !rules.empty()) tier_ = static_cast<int>(rules.size()) - 1;
      t_ = kNever;
    } else {
      tier_ = i;
      t_ = AddMonths(rules[static_cast<std::size_t>(i)]->EndMonth, start_);
    }
    rate_ = tier_ >= 0 ? rules[static_cast<std::size_t>(tier_)]->Hours : 0.0f;
  }
  float Carry() const {
    return tier_ >= 0 ? reason_->Rules[static_cast<std::size_t>(tier_)]->CarryOver : 0.0f;
  }
  int FindTier(int months) const {
    return reason_->Rules.empty() ? -1 : FindRule(reason_->Rules, months);
  }

  float Eligible();
  float NotEligible();

  const TEmpRecClass& emp_;
  const TReasonList& reasons_;
  const int32_t id_;
  const TBenefitYear by_;
  TAccrualTrace* trace_;

  const TReasonRecClass* reason_ = nullptr;
  TBasis basis_ = TBasis::None;
  bool hasRecord_ = false;
  TDate start_ = 0, term_ = 0;
  TDate recDate_ = 0;  // the accrual record's AsOfDate (the start date without a record)
  TDate requested_ = 0, asOf_ = 0;
  TDate e_ = 0, f_ = 0, t_ = kNever;
  float h_ = 0;
  float rate_ = 0;
  int tier_ = -1;
};

float TAccrual::Run(TDate requestedIn) {
  reason_ = ReasonByID(reasons_, id_);
  basis_ = reason_ ? reason_->Basis : TBasis::None;
  start_ = NormalizeDate(emp_.StartDate);
  term_ = NormalizeDate(emp_.TermDate);

  // Set-up 1.
  const int ai = FindAccrual(emp_.Accruals, id_);
  if (ai >= 0 && ai < static_cast<int>(emp_.Accruals.size())) {
    const TAccrualRecClass& rec = *emp_.Accruals[static_cast<std::size_t>(ai)];
    hasRecord_ = true;
    h_ = rec.Hours;
    e_ = NormalizeDate(rec.AsOfDate);
  } else {
    h_ = 0;
    e_ = start_;
  }
  recDate_ = e_;
  // Set-up 2.
  requested_ = NormalizeDate(requestedIn);
  asOf_ = requested_;
  if (term_ > 0 && term_ < asOf_) asOf_ = term_;

  const bool eligible = emp_.EmpType == 'F';
  const bool policy = reason_ && reason_->HasPolicy;
  if (trace_) {
    trace_->Basis = basis_;
    trace_->Eligible = eligible;
    trace_->HasPolicy = policy;
    trace_->Requested = requested_;
    trace_->AsOf = asOf_;
    TAccrualStep s;
    s.From = recDate_;
    s.Amount = h_;
    Note(hasRecord_ ? TAccrualStepKind::Record : TAccrualStepKind::NoRecord, s);
    if (asOf_ != requested_) {
      TAccrualStep c;
      c.From = requested_;
      c.To = asOf_;
      Note(TAccrualStepKind::TermCut, c);
    }
  }

  // Set-up 3.
  if (asOf_ < e_) return Decide(0, "the as-of date is before the accrual record's date");
  if (asOf_ <= start_) return Decide(0, "the as-of date is on or before the start date");
  if (start_ == 0) return Decide(h_, "no start date: the record's hours stand");

  if (!eligible) return NotEligible();
  if (!policy) {
    // 9.
    return Decide(Year(asOf_ - 1) == Year(recDate_) ? h_ : 0.0f,
                  "no accrual policy: the record's hours hold for the calendar year of its date");
  }
  return Eligible();
}

float TAccrual::NotEligible() {
  // 4.
  if (!hasRecord_ || asOf_ <= e_)
    return Decide(0, hasRecord_ ? "not eligible: the as-of date is on or before the record's date"
                                : "not eligible and no accrual record");
  switch (basis_) {
    case TBasis::Calendar:  // 5.
      return Decide(Year(asOf_ - 1) == Year(recDate_) ? h_ : 0.0f,
                    "not eligible: the record's hours hold for the calendar year of its date");
    case TBasis::Anniversary: {  // 6.
      const TDate n = AddYears(static_cast<int64_t>(YearDiff(start_, recDate_)) + 1, start_);
      const bool in = reason_ && reason_->Validate == TValidate::YearEnd
                          ? recDate_ <= asOf_ && asOf_ <= n
                          : recDate_ <= asOf_ && asOf_ < n;
      return Decide(in ? h_ : 0.0f,
                    "not eligible: the record's hours hold until the next anniversary");
    }
    case TBasis::UserYear: {  // 7.
      TDate n = NearestValidDate(Year(recDate_), by_.Month, by_.Day);
      if (n < recDate_) n = AddYears(1, n);
      return Decide(recDate_ <= asOf_ && asOf_ <= n ? h_ : 0.0f,
                    "not eligible: the record's hours hold until the next user-defined year");
    }
    default:  // 8.
      return Decide(Year(asOf_) == Year(recDate_) ? h_ : 0.0f,
                    "not eligible: the record's hours hold for the calendar year of its date");
  }
}

float TAccrual::Eligible() {
  // A policy reason of another basis (not written by this system) is computed as 'C'.
  if (basis_ != TBasis::Anniversary && basis_ != TBasis::UserYear) basis_ = TBasis::Calendar;
  if (trace_) trace_->Basis = basis_;
  const TYMD s = DecodeDate(start_);
  const int hM = s.Month, hD = s.Day;

  // 10. Month boundaries and the first year boundary.
  {
    const TYMD p = DecodeDate(e_);
    if (basis_ == TBasis::Calendar) {
      f_ = NextYearNVD(p.Year, 1, 1);
      e_ = NearestValidDate(p.Year, p.Month, 1);
      if (e_ < start_) e_ = AddMonths(1, e_);
    } else if (basis_ == TBasis::Anniversary) {
      f_ = NearestValidDate(Year(e_), hM, hD);
      if (f_ <= e_) f_ = AddOneYear(f_);
      e_ = AddMonths(MonthDiff(start_, e_), start_);
    } else {
      f_ = NearestValidDate(p.Year, by_.Month, by_.Day);
      if (f_ < e_) f_ = AddOneYear(f_);
      if (by_.Day > p.Day)
        e_ = p.Month == 1 ? NearestValidDate(p.Year - 1, 12, by_.Day)
                          : NearestValidDate(p.Year, p.Month - 1, by_.Day);
      else
        e_ = NearestValidDate(p.Year, p.Month, by_.Day);
    }
    if (e_ < recDate_) e_ = AddMonths(1, e_);
  }

  // 11. Tier.
  EnterRule(FindTier(MonthDiff(start_, e_)));
  float limit = Carry();
  if (trace_) {
    TAccrualStep a;
    a.From = e_;
    a.To = f_;
    Note(TAccrualStepKind::Aligned, a);
  }

  // 12. First part month.
  if (e_ <= asOf_ && Year(e_) == Year(recDate_)) {
    const TYMD p = DecodeDate(recDate_);
    const int dim = DaysInMonth(recDate_);
    double days = -1;
    if (basis_ == TBasis::Calendar && p.Day > 1) {
      days = dim - p.Day + 1;
    } else if (basis_ == TBasis::UserYear && by_.Day != p.Day) {
      days = by_.Day < p.Day ? dim - p.Day + by_.Day : by_.Day - p.Day;
    }
    if (days >= 0) {
      const double x = PerMonth(days, dim);
      Add(x);
      Note(TAccrualStepKind::FirstPartMonth, DaysStep(recDate_, e_, days, dim, x));
    }
  }

  // 13. Steps.
  const int bound = AccrualStepBound(std::min(f_, e_), asOf_, reason_->Rules.size());
  int iterations = 0;
  while (e_ < asOf_) {
    if (iterations >= bound) {
      Note(TAccrualStepKind::StepBound);
      break;
    }
    ++iterations;
    // 13.1
    TDate k = f_;
    if (k > asOf_) k = asOf_;
    if (k > t_) k = t_;
    // 13.2
    const int n = MonthDiff(e_, k);
    if (n < 1 && k == asOf_) {
      TAccrualStep st;
      st.From = e_;
      st.To = k;
      Note(TAccrualStepKind::PartMonthSkipped, st);
      break;
    }
    // 13.3
    if (n >= 1) {
      const double x = static_cast<double>(n) * static_cast<double>(rate_) / 12.0;
      Add(x);
      TAccrualStep st;
      st.From = e_;
      st.To = k;
      st.Months = n;
      st.Amount = x;
      Note(TAccrualStepKind::Months, st);
    } else {
      const int dim = DaysInMonth(e_);
      const double x = PerMonth(k - e_, dim);
      Add(x);
      Note(TAccrualStepKind::Days, DaysStep(e_, k, k - e_, dim, x));
    }
    // 13.4 Tier change.
    if (k == t_) {
      const TYMD p = DecodeDate(k);
      const int dimK = DaysInMonth(k);
      if (n >= 1) {
        double days = -1;
        if (basis_ == TBasis::Calendar) {
          days = p.Day - 1;
        } else if (basis_ == TBasis::UserYear && by_.Day != p.Day) {
          days = by_.Day < p.Day ? p.Day - by_.Day : dimK - by_.Day + p.Day;
        }
        if (days >= 0) {
          const double x = PerMonth(days, dimK);
          Add(x);
          Note(TAccrualStepKind::TierOldRate, DaysStep(k - days, k, days, dimK, x));
        }
      }
      limit = Carry();
      EnterRule(FindTier(MonthDiff(start_, k) + 1));
      if (trace_) {
        TAccrualStep st;
        st.From = k;
        Note(TAccrualStepKind::TierChange, st);
      }
      if (basis_ == TBasis::Calendar && p.Day > 1) {
        const double days = dimK - p.Day + 1;
        const double x = PerMonth(days, dimK);
        Add(x);
        const TDate next = AddMonths(1, NearestValidDate(p.Year, p.Month, 1));
        Note(TAccrualStepKind::TierNewRate, DaysStep(k, next, days, dimK, x));
        k = next;
      } else if (basis_ == TBasis::UserYear && by_.Day != p.Day) {
        const TDate b = NearestValidDate(p.Year, p.Month, by_.Day);
        double days;
        TDate next;
        if (by_.Day < p.Day) {
          days = dimK - p.Day + by_.Day;
          next = AddMonths(1, b);
        } else {
          days = by_.Day - p.Day;
          next = b;
        }
        const double x = PerMonth(days, dimK);
        Add(x);
        Note(TAccrualStepKind::TierNewRate, DaysStep(k, next, days, dimK, x));
        k = next;
      }
    }
    // 13.5 Year boundary.
    if (k == f_) {
      if (asOf_ != f_) {
        const TAccrualYear taken = AccrualYearContaining(basis_, start_, f_ - 1, by_);
        const float hours =
            HoursTaken(emp_, reasons_, reason_->ReasonID, f_ - 1, TTakenMode::Year, by_);
        h_ = static_cast<float>(static_cast<double>(h_) - static_cast<double>(hours));
        if (trace_) {
          TAccrualStep st;
          st.From = taken.First;
          st.To = taken.Last;
          st.At = f_;
          st.Amount = hours;
          Note(TAccrualStepKind::Taken, st);
        }
        const float beforeCap = h_;
        TAccrualStepKind kind;
        if (limit == 0) {
          h_ = 0;
          kind = TAccrualStepKind::CarryReset;
        } else if (h_ > limit) {
          h_ = limit;
          kind = TAccrualStepKind::CarryCap;
        } else {
          kind = TAccrualStepKind::CarryKept;
        }
        if (trace_) {
          TAccrualStep st;
          st.From = f_;
          st.Limit = limit;
          st.Amount = static_cast<double>(h_) - static_cast<double>(beforeCap);
          Note(kind, st);
        }
        limit = Carry();
      } else {
        TAccrualStep st;
        st.From = f_;
        Note(TAccrualStepKind::BoundaryNoCap, st);
      }
      f_ = basis_ == TBasis::Anniversary ? NextYearNVD(Year(k), hM, hD)
                                         : NextYearNVD(Year(k), Month(k), Day(k));
    }
    // 13.6
    e_ = k;
  }
  if (trace_) {
    trace_->Iterations = iterations;
    trace_->IterationBound = bound;
  }

  // 14. Termination.
  if (term_ > 0 && term_ <= asOf_) {
    if (f_ < requested_) {
      if (trace_) {
        trace_->Expired = true;
        TAccrualStep st;
        st.From = f_;
        st.To = requested_;
        Note(TAccrualStepKind::Expired, st);
      }
      throw EAccrualExpiredError();
    }
    const TYMD p = DecodeDate(term_);
    double days = -1;
    int dim = DaysInMonth(term_);
    if (basis_ == TBasis::Calendar) {
      if (p.Day != 1) days = p.Day - 1;
    } else if (basis_ == TBasis::Anniversary) {
      if (hD != p.Day) {
        if (hD <= p.Day) {
          days = p.Day - hD;
        } else {
          dim = DaysInMonth(AddMonths(-1, term_));
          days = dim - hD + p.Day;
        }
      }
    } else {
      if (Day(NearestValidDate(p.Year, p.Month, by_.Day)) != p.Day) {
        if (by_.Day <= p.Day) {
          days = p.Day - by_.Day;
        } else {
          dim = DaysInMonth(AddMonths(-1, term_));
          days = dim - by_.Day + p.Day;
        }
      }
    }
    if (days >= 0) {
      const double x = PerMonth(days, dim);
      Add(x);
      Note(TAccrualStepKind::TermPart, DaysStep(term_ - days, term_, days, dim, x));
    }
  }
  // 15.
  return h_;
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
