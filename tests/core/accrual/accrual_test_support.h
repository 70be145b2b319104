#pragma once
// Builders for accrual tests: reasons with rules, employees with records and entries, and dates
// computed with std::chrono (independent of the date library under test).
#include <chrono>
#include <initializer_list>
#include <memory>

#include "data/records.h"
#include "dates/chrono_date.h"

namespace absence::test {

struct TRuleSpec {
  int EndMonth;
  float Hours;
  float CarryOver;
};

struct TWorld {
  TReasonList Reasons;
  TEmpList Emps;

  TReasonRecClass& AddPolicyReason(int id, TBasis basis, TValidate validate,
                                   std::initializer_list<TRuleSpec> rules) {
    auto r = std::make_unique<TReasonRecClass>();
    r->ReasonID = id;
    r->Description = "Reason " + std::to_string(id);
    r->Active = true;
    r->HasPolicy = true;
    r->Basis = basis;
    r->Validate = validate;
    int start = 0;
    for (const TRuleSpec& s : rules) {
      auto rule = std::make_unique<TFTRuleRecClass>();
      rule->StartMonth = start;
      rule->EndMonth = s.EndMonth;
      rule->Hours = s.Hours;
      rule->CarryOver = s.CarryOver;
      start = s.EndMonth;
      r->Rules.push_back(std::move(rule));
    }
    Reasons.push_back(std::move(r));
    return *Reasons.back();
  }

  TReasonRecClass& AddPlainReason(int id, TBasis basis = TBasis::None,
                                  TValidate validate = TValidate::None) {
    auto r = std::make_unique<TReasonRecClass>();
    r->ReasonID = id;
    r->Description = "Reason " + std::to_string(id);
    r->Active = true;
    r->HasPolicy = false;
    r->Basis = basis;
    r->Validate = validate;
    Reasons.push_back(std::move(r));
    return *Reasons.back();
  }

  TEmpRecClass& AddEmployee(double start, double term = 0, char type = 'F') {
    auto e = std::make_unique<TEmpRecClass>();
    e->EmpID = static_cast<int32_t>(Emps.size()) + 1;
    e->LastName = "Emp";
    e->FirstName = std::to_string(e->EmpID);
    e->StartDate = start;
    e->TermDate = term;
    e->EmpType = type;
    Emps.push_back(std::move(e));
    return *Emps.back();
  }
};

inline TAccrualRecClass& AddRecord(TEmpRecClass& e, int reasonID, float hours, double asOf) {
  auto a = std::make_unique<TAccrualRecClass>();
  a->ReasonID = reasonID;
  a->Hours = hours;
  a->AsOfDate = asOf;
  e.Accruals.push_back(std::move(a));
  return *e.Accruals.back();
}

inline TAbsenceRecClass& AddTaken(TEmpRecClass& e, int reasonID, double date, float hours,
                                  TEntryKind kind = TEntryKind::Own) {
  auto x = std::make_unique<TAbsenceRecClass>();
  x->Kind = kind;
  x->ReasonID = reasonID;
  x->EntryDate = date;
  x->Hours = hours;
  e.Entries.push_back(std::move(x));
  return *e.Entries.back();
}

}  // namespace absence::test
