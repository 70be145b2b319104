#pragma once
// The employee list: every employee the display filter shows, with employee ID, start and
// termination dates, benefit eligibility and department.
#include "ui/common/list_window.h"

class QLabel;

namespace absence::ui {

class TDataSession;
struct TRecordRow;

inline constexpr int kEmpHelpContext = 310;

class TfrmEmp : public TListWindow {
  Q_OBJECT
 public:
  explicit TfrmEmp(TDataSession& session, QWidget* parent = nullptr);

 protected:
  bool AnyTrashed() const override;
  void EditRecord(int32_t editID) override;
  void DeleteRecords(const std::vector<int32_t>& ids) override;
  void UndoDelete() override;

 private:
  std::vector<TRecordRow> Rows() const;

  TDataSession& session_;
  QLabel* displayLabel_ = nullptr;
};

}  // namespace absence::ui
