#include "ui/maintenance/dept_rec.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/common/dialog_buttons.h"
#include "ui/common/pv_combo_box.h"
#include "ui/common/scale.h"
#include "ui/maintenance/duplicate_name.h"

namespace absence::ui {
namespace {

const QString kNoManager = QStringLiteral("<No Manager>");

const TEmpRecClass* FindEmployee(const TEmpList* emps, int32_t empID) {
  if (!emps || empID < 1) return nullptr;
  for (const auto& e : *emps)
    if (e->EmpID == empID) return e.get();
  return nullptr;
}

}  // namespace

TfrmDeptRec::TfrmDeptRec(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("New Department"));
  auto* row = new QHBoxLayout(this);
  auto* form = new QFormLayout;
  txtDeptName = new QLineEdit;
  txtDeptName->setObjectName(QStringLiteral("txtDeptName"));
  txtDeptName->setMaxLength(kDeptNameLen);
  txtDeptName->setMinimumWidth(Scale(220));
  txtDeptCode = new QLineEdit;
  txtDeptCode->setObjectName(QStringLiteral("txtDeptCode"));
  txtDeptCode->setMaxLength(kDeptCodeLen);
  chkActive = new QCheckBox(QStringLiteral(" Department is Active"));
  chkActive->setObjectName(QStringLiteral("chkActive"));
  chkActive->setChecked(true);
  cboManagerBox = new TPVComboBox;
  cboManagerBox->setObjectName(QStringLiteral("cboManagerBox"));
  form->addRow(QStringLiteral("Name"), txtDeptName);
  form->addRow(QStringLiteral("Dept ID"), txtDeptCode);
  form->addRow(QString(), chkActive);
  form->addRow(QStringLiteral("Manager"), cboManagerBox);
  row->addLayout(form);
  auto* buttons = new QVBoxLayout;
  CreateButtons(this, buttons, kDeptRecHelpContext);
  buttons->addStretch();
  row->addLayout(buttons);
  connect(cmdOK, &QPushButton::clicked, this, &TfrmDeptRec::cmdOKClick);
  cboManagerBox->AddItem(kNoManager, 0);
  setFixedSize(sizeHint());
}

void TfrmDeptRec::SetEmpList(const TEmpList& emps) {
  emps_ = &emps;
  cboManagerBox->clear();
  for (const auto& e : emps)
    if (e->TermDate == 0 && !e->Deleted)
      cboManagerBox->AddItem(QString::fromStdString(e->FullName()), e->EmpID);
  cboManagerBox->AddItem(kNoManager, 0);
  cboManagerBox->setCurrentIndex(cboManagerBox->count() - 1);
}

void TfrmDeptRec::SetFields(const QString& name, const QString& code, bool active) {
  txtDeptName->setText(name);
  txtDeptCode->setText(code);
  chkActive->setChecked(active);
}

QString TfrmDeptRec::DeptName() const {
  return txtDeptName->text();
}

QString TfrmDeptRec::DeptCode() const {
  return txtDeptCode->text();
}

bool TfrmDeptRec::Active() const {
  return chkActive->isChecked();
}

void TfrmDeptRec::SetManager(int32_t empID) {
  managerID_ = empID;
  const TEmpRecClass* manager = FindEmployee(emps_, empID);
  const int noManager = cboManagerBox->count() - 1;
  if (!manager) {
    cboManagerBox->setCurrentIndex(noManager);
    return;
  }
  const QString name = QString::fromStdString(manager->FullName());
  for (int i = cboManagerBox->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
       i >= 0 && i < noManager && cboManagerBox->itemText(i) == name; ++i) {
    if (cboManagerBox->ItemID(i) == empID) {
      cboManagerBox->setCurrentIndex(i);
      return;
    }
  }
  // A manager who left or was trashed is shown in name order.
  int at = 0;
  while (at < noManager && cboManagerBox->itemText(at) < name) ++at;
  cboManagerBox->insertItem(at, name, QVariant(empID));
  cboManagerBox->setCurrentIndex(at);
}

int32_t TfrmDeptRec::Manager() const {
  const int32_t id = cboManagerBox->CurrentID();
  if (id != 0) return id;
  return managerID_ < 0 ? managerID_ : 0;
}

void TfrmDeptRec::cmdOKClick() {
  static const TDuplicateTexts texts{
      QStringLiteral("A record for this department already exists.  Please change the "
                     "department name and try again."),
      QStringLiteral("A record for this department already exits, but has been deleted.  Please "
                     "change the Department Name or Undelete the existing record.")};
  const TDuplicate twin =
      depts_ ? FindDuplicateDept(*depts_, DeptName().toStdString(), deptID_) : TDuplicate::None;
  if (AcceptName(twin, texts, txtDeptName)) accept();
}

}  // namespace absence::ui
