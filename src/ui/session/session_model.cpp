#include "ui/session/session_model.h"

#include "ui/session/data_session.h"

namespace absence::ui {

TSessionRecordModel::TSessionRecordModel(TDataSession& session, const QStringList& captions,
                                         TFollowed followed, TRows rows, QObject* parent)
    : TRecordTableModel(captions, parent), rows_(std::move(rows)) {
  // The finer signals only mark the list: one change may send many of them, and the list is
  // filled once, when the session says the change is complete.
  auto touch = [this] { touched_ = true; };
  if (followed.Employees) connect(&session, &TDataSession::EmployeeListChanged, this, touch);
  if (followed.Reasons) connect(&session, &TDataSession::ReasonsChanged, this, touch);
  if (followed.Depts) connect(&session, &TDataSession::DeptsChanged, this, touch);
  if (followed.Globals) connect(&session, &TDataSession::GlobalsChanged, this, touch);
  if (followed.Employee != 0)
    connect(&session, &TDataSession::EmployeeChanged, this,
            [this, id = followed.Employee](int32_t empID) {
              if (empID == id) touched_ = true;
            });
  connect(&session, &TDataSession::Changed, this, [this] {
    if (touched_) Refill();
  });
  connect(&session, &TDataSession::Reloaded, this, &TSessionRecordModel::Refill);
}

void TSessionRecordModel::Refill() {
  touched_ = false;
  SetRows(rows_());
}

}  // namespace absence::ui
