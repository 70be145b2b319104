// Reason records, their policy rules and the reason list.
#include "data/ansi.h"
#include "data/list_sort.h"
#include "data/records.h"

namespace absence {

void TReasonRecClass::Update(const std::string& description, bool active, bool hasPolicy,
                             TBasis basis, TValidate validate) {
  if (description != Description || active != Active || hasPolicy != HasPolicy || basis != Basis ||
      validate != Validate)
    Modified = true;
  Description = description;
  Active = active;
  HasPolicy = hasPolicy;
  Basis = basis;
  Validate = validate;
}

namespace {
void SetReasonDeleted(TReasonRecClass& r, TEmpList& emps, TEntryList& globals, bool deleted) {
  for (auto& e : emps) {
    for (auto& a : e->Accruals)
      if (a->ReasonID == r.ReasonID) a->ReasonDeleted = deleted;
    for (auto& x : e->Entries)
      if (x->ReasonID == r.ReasonID) x->ReasonDeleted = deleted;
  }
  for (auto& g : globals)
    if (g->ReasonID == r.ReasonID) g->ReasonDeleted = deleted;
  r.Deleted = deleted;
}
}  // namespace

void TReasonRecClass::Delete(TEmpList& emps, TEntryList& globals) {
  SetReasonDeleted(*this, emps, globals, true);
}

void TReasonRecClass::Undelete(TEmpList& emps, TEntryList& globals) {
  SetReasonDeleted(*this, emps, globals, false);
}

int32_t AddReason(TReasonList& list, const std::string& description, bool active, bool hasPolicy,
                  TBasis basis, TValidate validate, int32_t reasonID) {
  const bool assigned = reasonID == kNewID;
  if (assigned)
    reasonID = NextIdentifier(list, [](const TReasonRecClass& r) { return r.ReasonID; });
  auto r = std::make_unique<TReasonRecClass>();
  r->ReasonID = reasonID;
  r->Description = description;
  r->Active = active;
  r->HasPolicy = hasPolicy;
  r->Basis = basis;
  r->Validate = validate;
  if (assigned && hasPolicy) AddRule(r->Rules, 0, kMaxRuleMonths, 0, 0);
  list.push_back(std::move(r));
  return reasonID;
}

int FindReason(const TReasonList& list, int32_t reasonID, const std::string& description) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    const auto& r = *list[i];
    if (reasonID > 0 ? r.ReasonID == reasonID : r.Description == description)
      return static_cast<int>(i);
  }
  return -1;
}

const std::string& ReasonText(const TReasonList& reasons, int32_t reasonID) {
  static const std::string kNone;
  const int i = FindReason(reasons, reasonID, kNone);
  return i < 0 ? kNone : reasons[static_cast<std::size_t>(i)]->Description;
}

void SortReasons(TReasonList& list) {
  std::vector<TNameSortKey> keys;
  keys.reserve(list.size());
  for (const auto& r : list) keys.push_back({AnsiSortKey(r->Description), r->ReasonID});
  SortByKeys(list, keys, CompareNameSortKeys);
}

void FreeReasons(TReasonList& list) {
  list.clear();
}

void AddRule(TRuleList& rules, int32_t startMonth, int32_t endMonth, float hours, float carryOver) {
  auto r = std::make_unique<TFTRuleRecClass>();
  r->StartMonth = startMonth;
  r->EndMonth = endMonth;
  r->Hours = hours;
  r->CarryOver = carryOver;
  rules.push_back(std::move(r));
}

int FindRule(const TRuleList& rules, int32_t months) {
  for (std::size_t i = 0; i < rules.size(); ++i)
    if (rules[i]->EndMonth >= months) return static_cast<int>(i);
  return -1;
}

void FreeRules(TRuleList& rules) {
  rules.clear();
}

}  // namespace absence
