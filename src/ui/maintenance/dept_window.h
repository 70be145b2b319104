#pragma once
// The department list: every department with its code, active flag and manager.
#include "ui/common/list_window.h"

namespace absence::ui {

class TDataSession;
struct TRecordRow;

inline constexpr int kDeptHelpContext = 210;

class TfrmDept : public TListWindow {
  Q_OBJECT
 public:
  explicit TfrmDept(TDataSession& session, QWidget* parent = nullptr);

 protected:
  bool AnyTrashed() const override;
  void EditRecord(int32_t editID) override;
  void DeleteRecords(const std::vector<int32_t>& ids) override;
  void UndoDelete() override;

 private:
  std::vector<TRecordRow> Rows() const;
  void PrintDepartments();

  TDataSession& session_;
};

}  // namespace absence::ui
