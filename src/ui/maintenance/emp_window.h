#pragma once
// The employee list: every employee the display filter shows, with employee ID, start and
// termination dates, benefit eligibility and department.
#include "ui/common/list_window.h"

class QLabel;

namespace absence::ui {

class TDataSession;

inline constexpr int kEmpHelpContext = 310;

class TfrmEmp : public TListWindow {
  Q_OBJECT
 public:
  explicit TfrmEmp(TDataSession& session, QWidget* parent = nullptr);

  QLabel* lblEmpDisplay = nullptr;

 protected:
  bool AddRows() override;
  void EditRecord(int32_t editID) override;
  void DeleteRecords(const std::vector<int32_t>& ids) override;
  bool UndoDelete() override;

 private:
  TDataSession& session_;
};

}  // namespace absence::ui
