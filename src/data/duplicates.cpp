#include "data/duplicates.h"

namespace absence {
namespace {

// A live twin outweighs a trashed one: it is the one the user has to rename around.
template <typename List, typename NameOf, typename IDOf>
TDuplicate FindDuplicate(const List& list, const std::string& name, int32_t editID, NameOf nameOf,
                         IDOf idOf) {
  TDuplicate found = TDuplicate::None;
  for (const auto& r : list) {
    if (nameOf(*r) != name || idOf(*r) == editID) continue;
    if (!r->Deleted) return TDuplicate::Live;
    found = TDuplicate::Deleted;
  }
  return found;
}

}  // namespace

TDuplicate FindDuplicateReason(const TReasonList& reasons, const std::string& description,
                               int32_t editID) {
  return FindDuplicate(
      reasons, description, editID,
      [](const TReasonRecClass& r) -> const std::string& { return r.Description; },
      [](const TReasonRecClass& r) { return r.ReasonID; });
}

TDuplicate FindDuplicateDept(const TDeptList& depts, const std::string& deptName, int32_t editID) {
  return FindDuplicate(
      depts, deptName, editID,
      [](const TDeptRecClass& d) -> const std::string& { return d.DeptName; },
      [](const TDeptRecClass& d) { return d.DeptID; });
}

}  // namespace absence
