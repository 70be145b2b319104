#include "edit/change.h"

namespace absence::edit {

void TChange::Apply(TDataSet& data) {
  const TScope scope = Scope(data);
  TSnapshot before(data, scope);
  try {
    Run(data);
  } catch (...) {
    // Whatever stopped the change, the data set goes back to how it was; the caller learns why.
    before.PutBack(data);
    throw;
  }
  before.Trim(data);
  touched_ = {};
  touched_.Emps = before.ChangedEmps();
  touched_.EmpList = before.EmpListChanged();
  touched_.EmpRecords = before.EmpRecordsChanged();
  touched_.Reasons = scope.Reasons;
  touched_.Depts = scope.Depts;
  touched_.Globals = scope.Globals;
  before_.emplace(std::move(before));
}

void TChange::Revert(TDataSet& data) {
  if (!before_) throw std::logic_error("a change was taken back that was not made");
  before_->PutBack(data);
  before_.reset();
}

}  // namespace absence::edit
