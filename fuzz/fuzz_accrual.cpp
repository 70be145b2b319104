// Fuzz target of the accrual engine and the balance rule over records the readers decoded.
#include "accrual/balances.h"
#include "data/dataset.h"
#include "dates/dates.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_targets.h"

namespace absence::fuzz {
namespace {

TDate AnyDay(TFuzzInput& in) {
  const auto span = static_cast<uint32_t>(kMaxDate - kMinDate + 1);
  return kMinDate + in.Number32() % span;
}

void CheckTrace(const TAccrualTrace& trace) {
  FuzzCheck(trace.Iterations <= trace.IterationBound,
            "the accrual loop ran " + std::to_string(trace.Iterations) +
                " passes, beyond its bound " + std::to_string(trace.IterationBound));
}

}  // namespace

// Reasons and employees read from the input's reason.dat and emp.dat pieces; every employee's
// balance of every reason on three days of the input's choosing (any day of years 1..9999),
// through the engine with its explanation and through both balance rules.
void FuzzAccrual(std::span<const uint8_t> bytes) {
  TFuzzInput in(bytes);
  const TBenefitYear by = NormalizeBenefitYear(in.Byte() % 14, in.Byte() % 33);
  const TDate days[] = {AnyDay(in), AnyDay(in), AnyDay(in)};
  TReasonList reasons;
  TEmpList emps;
  TWarnings warnings;
  ParseReasons(reasons, in.Piece(), kReasonFile, warnings);
  ParseEmps(emps, reasons, in.Rest(), kEmpFile, warnings);

  for (const auto& emp : emps)
    for (const auto& reason : reasons)
      for (const TDate d : days) {
        PanelBalance(*emp, reasons, *reason, d, by);
        ReportBalance(*emp, reasons, *reason, d, by);
        HoursTaken(*emp, reasons, reason->ReasonID, d, TTakenMode::AsOf, by);
        TAccrualTrace trace;
        try {
          AccruedHours(*emp, reasons, reason->ReasonID, d, by, &trace);
        } catch (const EAccrualExpiredError&) {
          // A former employee's balance long after leaving: the engine's ordinary answer.
        }
        CheckTrace(trace);
      }
}

}  // namespace absence::fuzz
