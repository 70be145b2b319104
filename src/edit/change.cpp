#include "edit/change.h"

#include "edit/journal_values.h"

namespace absence::edit {

void TChange::Apply(TDataSet& data) {
  const TScope scope = Scope(data);
  TJournalRecord journal;
  journal.Time = JournalNow();
  journal.Kind = JournalKind();
  journal.Text = Describe(data, kJournalDatePattern);
  const TPicture pictured = PictureScope(data, scope);
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
  DescribeDifferences(pictured, PictureScope(data, scope, &pictured), journal);
  journal_ = std::move(journal);
}

void TChange::Revert(TDataSet& data) {
  if (!before_) throw std::logic_error("a change was taken back that was not made");
  before_->PutBack(data);
  before_.reset();
}

}  // namespace absence::edit
