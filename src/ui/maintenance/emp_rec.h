#pragma once
// The employee dialog: names, employee ID, start and termination dates, benefit eligibility,
// department and manager role, and a section with the accrual balances that can be shown or
// hidden. The dialog edits the balance list it is given directly; the other fields are handed
// back to the caller. Before it closes with OK it checks the dates against the employee's own
// entries and balances.
#include <QDialog>
#include <cstdint>

#include "data/emp_maintenance.h"
#include "data/records.h"
#include "ui/common/dialog_buttons.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace absence::ui {

class TAccrualBalances;
class TDataSession;
class TDateEdit;
class TPVComboBox;

inline constexpr int kEmpRecHelpContext = 320;
inline constexpr const char* kNoStartDateMessage =
    QT_TRANSLATE_NOOP("absence::ui::TfrmEmpRec", "Please enter a start date for this employee.");
inline constexpr const char* kAsOfQuestion = QT_TRANSLATE_NOOP(
    "absence::ui::TfrmEmpRec",
    "A Benefit Accrual Balance has an As Of Date prior to the start date entered for this "
    "employee.\r\rDo you want to use the start date for the As Of Date of the Accrual Balance "
    "record?");

class TfrmEmpRec : public QDialog, public TDialogButtons {
  Q_OBJECT
 public:
  explicit TfrmEmpRec(TDataSession& session, QWidget* parent = nullptr);

  // The balance list shown and edited; the employee's entries (nullptr for a new employee).
  void SetAccruals(TAccrualList& accruals);
  void SetEntries(const TEntryList* entries) { entries_ = entries; }
  // 0 for a new employee.
  void SetEmpID(int32_t empID) { empID_ = empID; }
  // Fills the boxes; a start date of 0 shows today, a termination date of 0 leaves it empty.
  void SetFields(const TEmpFields& fields);
  // The boxes as typed (dates 0 when empty).
  TEmpFields Fields() const;
  // An inactive department is inserted in name order; none or a trashed one shows
  // "<No Department>".
  void SetDeptID(int32_t deptID);
  // The chosen department; "<No Department>" keeps a trashed department as it came in.
  int32_t DeptID() const;
  void SetIsManager(bool on);
  bool IsManager() const;

 protected:
  void showEvent(QShowEvent* event) override;
  void done(int result) override;

 private:
  void cboDeptBoxClick(int index);
  void cmdAccrualsClick();
  void ShowAccrualSection(bool on);
  void spdStartDateClick();
  void spdEndDateClick();
  void txtStartDateExit();
  void txtEndDateExit();
  void cmdOKClick();
  // The closing checks against the own entries and the balances; false keeps the dialog open.
  bool DatesAgreeWithEntries();
  bool BalancesAgreeWithStart();
  TDate TypedDate(const TDateEdit* box) const;

  TDataSession& session_;
  TAccrualList* accruals_ = nullptr;
  const TEntryList* entries_ = nullptr;
  int32_t empID_ = 0;
  int32_t incomingDeptID_ = 0;
  QLineEdit* firstNameBox_ = nullptr;
  QLineEdit* lastNameBox_ = nullptr;
  QLineEdit* employeeIdBox_ = nullptr;
  TDateEdit* startDateBox_ = nullptr;
  QToolButton* startDateButton_ = nullptr;
  TDateEdit* termDateBox_ = nullptr;
  QToolButton* termDateButton_ = nullptr;
  QCheckBox* benefitsBox_ = nullptr;
  TPVComboBox* departmentBox_ = nullptr;
  QCheckBox* managerBox_ = nullptr;
  QPushButton* accrualsButton_ = nullptr;
  // The employee's saved changes (the History window, filtered to the employee).
  QPushButton* historyButton_ = nullptr;
  TAccrualBalances* balances_ = nullptr;
};

}  // namespace absence::ui
