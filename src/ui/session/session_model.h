#pragma once
// A record model the data session keeps current: it lists its rows again once a change (made,
// undone or redone) touched what it follows, and whenever the lists are replaced. Windows over
// such a model never refill their lists after their own actions.
#include <cstdint>
#include <functional>
#include <vector>

#include "ui/common/record_model.h"

namespace absence::ui {

class TDataSession;

// What a list shows records of.
struct TFollowed {
  bool Employees = false;  // the employee list and the employees' own fields
  bool Reasons = false;
  bool Depts = false;
  bool Globals = false;
  int32_t Employee = 0;  // one employee's record, balances and entries (0: none)
};

class TSessionRecordModel : public TRecordTableModel {
  Q_OBJECT
 public:
  using TRows = std::function<std::vector<TRecordRow>()>;
  TSessionRecordModel(TDataSession& session, const QStringList& captions, TFollowed followed,
                      TRows rows, QObject* parent = nullptr);

  void Refill() override;

 private:
  TRows rows_;
  bool touched_ = false;
};

}  // namespace absence::ui
