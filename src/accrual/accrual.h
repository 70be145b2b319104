#pragma once
// The accrual engine: hours taken in an accrual year and hours accrued as of a date,
// for one employee and one reason. Pure functions over the records; nothing is cached or
// changed. On request AccruedHours also returns the steps it took (TAccrualTrace), without
// changing any result.
//
// FindAccrual and FindRule are the data layer's (data/records.h); the engine calls them.
#include <cstdint>
#include <exception>
#include <string>
#include <vector>

#include "data/records.h"
#include "dates/dates.h"

namespace absence {

// Raised (empty message) by AccruedHours when a terminated employee's balance is asked for
// beyond the first year boundary after the termination date.
class EAccrualExpiredError : public std::exception {
 public:
  const char* what() const noexcept override { return ""; }
};

// Start of the user-defined accrual year (the BenefitMonth and BenefitDay settings).
struct TBenefitYear {
  int Month = 1;
  int Day = 1;
};
// The settings rule: a month of 0 or above 12 and a day of 0 or above 31 read as 1 (negative
// values too).
TBenefitYear NormalizeBenefitYear(int month, int day);

enum class TTakenMode { AsOf, Year };
// "AsOf" gives AsOf; any other text (normally "Year") gives Year.
TTakenMode TakenModeFromText(const std::string& mode);

// The accrual year [First, Last] that contains d, for a reason's Basis.
struct TAccrualYear {
  TDate First = 0;
  TDate Last = 0;
};
TAccrualYear AccrualYearContaining(TBasis basis, TDate startDate, TDate d, const TBenefitYear& by);

// Hours of the reason taken by the employee in the accrual year containing d (mode Year), or
// from the start of that year up to and including d (mode AsOf). Single precision, summed in
// list order.
float HoursTaken(const TEmpRecClass& emp, const TReasonList& reasons, int32_t reasonID, TDate d,
                 TTakenMode mode, const TBenefitYear& by);
// The period HoursTaken counts for d and mode.
TAccrualYear TakenPeriod(const TEmpRecClass& emp, const TReasonList& reasons, int32_t reasonID,
                         TDate d, TTakenMode mode, const TBenefitYear& by);
// Whether HoursTaken counts `entry` for reason `reasonID` in `period`: a live entry of the
// reason in the period that is no exclusion (-1 hours).
inline bool CountsAsTaken(const TAbsenceRecClass& entry, int32_t reasonID,
                          const TAccrualYear& period) {
  return entry.ReasonID == reasonID && period.First <= entry.EntryDate &&
         entry.EntryDate <= period.Last && entry.DelMark.empty() && entry.Hours > -1.0f &&
         !entry.ReasonDeleted;
}
// The entries HoursTaken adds up, in list order.
std::vector<const TAbsenceRecClass*> TakenEntries(const TEmpRecClass& emp,
                                                  const TReasonList& reasons, int32_t reasonID,
                                                  TDate d, TTakenMode mode, const TBenefitYear& by);

// ---------------------------------------------------------------------------------------------
// The explanation of a balance: the steps AccruedHours took.
enum class TAccrualStepKind {
  Record,            // the starting point: the accrual record's hours as of its date
  NoRecord,          // no live accrual record: 0 hours from the start date
  TermCut,           // the as-of date was cut to the termination date
  Rule,              // a set-up rule decided the result (Note says which); Balance is the result
  Aligned,           // first month boundary From, first year boundary To, tier in force
  FirstPartMonth,    // part of the record's month, Days of DaysInMonth
  Months,            // whole months From..To
  Days,              // part month From..To, Days of DaysInMonth
  PartMonthSkipped,  // a part month ending at the as-of date earns nothing
  TierOldRate,       // days of the tier-end month before the tier end, old rate
  TierChange,        // a new tier comes into force at From (Tier, Rate, TierEnd)
  TierNewRate,       // rest of the tier-end month at the new rate
  Taken,             // hours taken in the accrual year From..To subtracted (Amount)
  CarryReset,        // carry-over limit 0 resets the balance to 0
  CarryCap,          // balance above the limit capped to Limit
  CarryKept,         // balance within the limit (or negative) carried unchanged
  BoundaryNoCap,     // the as-of date is the boundary itself: nothing subtracted or capped
  TermPart,          // part of the termination month, Days of DaysInMonth
  Expired,           // EAccrualExpiredError
  StepBound,         // the loop reached its proven bound (never expected; see AccrualStepBound)
  Result,            // the final balance
};

struct TAccrualStep {
  TAccrualStepKind Kind = TAccrualStepKind::Result;
  TDate From = 0;
  TDate To = 0;
  int Months = 0;       // Months steps
  double Days = 0;      // day-based steps: the days counted
  int DaysInMonth = 0;  // day-based steps: the month length they are divided by
  float Rate = 0;       // hours per year of the rule in force
  int Tier = -1;        // index of the rule in force in the reason's Rules (-1: none)
  TDate TierEnd = 0;    // end of the tier in force (31 December 9999: never)
  double Amount = 0;    // the amount added (or subtracted for Taken), before rounding
  float Limit = 0;      // carry-over limit (Carry* steps)
  TDate At = 0;         // Taken: the year boundary at which the hours are subtracted
  float Balance = 0;    // the running balance after this step
  std::string Note;     // Rule steps: which set-up rule decided
};

struct TAccrualTrace {
  TBasis Basis = TBasis::None;
  bool Eligible = false;
  bool HasPolicy = false;
  TDate Requested = 0;  // the as-of date asked for
  TDate AsOf = 0;       // after the termination cut
  int Iterations = 0;   // passes of the step loop
  int IterationBound = 0;
  bool Expired = false;
  std::vector<TAccrualStep> Steps;
};

// Hours accrued as of asOf (exclusive: what was earned before asOf). Raises
// EAccrualExpiredError only. With `trace`, fills it with the steps (the result is the same).
float AccruedHours(const TEmpRecClass& emp, const TReasonList& reasons, int32_t reasonID,
                   TDate asOf, const TBenefitYear& by, TAccrualTrace* trace = nullptr);

// The proven bound on passes of the step loop, from the first year boundary F0 (after the
// set-up) and the as-of date, for a reason with `ruleCount` rules: every pass but the last
// moves the year boundary on by at least 365 days (and it never passes the as-of date by more
// than a month) or brings a rule with a strictly larger EndMonth into force.
int AccrualStepBound(TDate firstBoundary, TDate asOf, std::size_t ruleCount);

}  // namespace absence
