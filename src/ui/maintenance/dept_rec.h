#pragma once
// The department dialog: name, code, active flag and manager of one department.
#include <QDialog>
#include <cstdint>

#include "data/records.h"
#include "ui/common/dialog_buttons.h"

class QCheckBox;
class QLineEdit;

namespace absence::ui {

class TPVComboBox;

inline constexpr int kDeptRecHelpContext = 220;

class TfrmDeptRec : public QDialog, public TDialogButtons {
  Q_OBJECT
 public:
  explicit TfrmDeptRec(QWidget* parent = nullptr);

  // Fills the manager box with the employees still employed and not trashed.
  void SetEmpList(const TEmpList& emps);
  void SetDeptList(const TDeptList& depts) { depts_ = &depts; }
  // The department being edited; -1 for a new one.
  void SetDeptID(int32_t deptID) { deptID_ = deptID; }
  void SetFields(const QString& name, const QString& code, bool active);
  QString DeptName() const;
  QString DeptCode() const;
  bool Active() const;
  // Selects the manager; a former or trashed manager is inserted in name order.
  void SetManager(int32_t empID);
  // The chosen manager's EmpID; with "<No Manager>" chosen, a trashed manager stays recorded.
  int32_t Manager() const;

 private:
  void cmdOKClick();

  const TEmpList* emps_ = nullptr;
  const TDeptList* depts_ = nullptr;
  int32_t deptID_ = -1;
  int32_t managerID_ = 0;
  QLineEdit* nameBox_ = nullptr;
  QLineEdit* codeBox_ = nullptr;
  QCheckBox* activeBox_ = nullptr;
  TPVComboBox* managerBox_ = nullptr;
};

}  // namespace absence::ui
