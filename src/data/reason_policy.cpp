#include "data/reason_policy.h"

namespace absence {

void SetDefaultRule(TReasonRecClass& reason) {
  FreeRules(reason.Rules);
  AddRule(reason.Rules, 0, kMaxRuleMonths, 0, 0);
}

void ChangePolicy(TReasonRecClass& reason, bool hasPolicy, TEmpList& emps) {
  if (hasPolicy == reason.HasPolicy) return;
  if (!hasPolicy) {
    FreeRules(reason.Rules);
    for (auto& e : emps) {
      const int i = FindAccrual(e->Accruals, reason.ReasonID);
      if (i >= 0) e->Accruals[static_cast<size_t>(i)]->DelMark += std::to_string(reason.ReasonID);
    }
    return;
  }
  SetDefaultRule(reason);
  for (auto& e : emps)
    if (FindAccrual(e->Accruals, reason.ReasonID) < 0)
      SetAccrual(e->Accruals, reason.ReasonID, 0, e->StartDate);
}

int32_t AddReasonWithPolicy(TReasonList& reasons, TEmpList& emps, const std::string& description,
                            bool active, bool hasPolicy, TBasis basis, TValidate validate) {
  const int32_t id = AddReason(reasons, description, active, hasPolicy, basis, validate);
  // Added since the last save: shown as changed.
  reasons.back()->Modified = true;
  // A new identifier comes with the default rule.
  if (hasPolicy)
    for (auto& e : emps) SetAccrual(e->Accruals, id, 0, e->StartDate);
  return id;
}

}  // namespace absence
