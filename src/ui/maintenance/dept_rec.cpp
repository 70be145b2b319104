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

QString NoManager() {
  return TfrmDeptRec::tr("<No Manager>");
}

const TEmpRecClass* FindEmployee(const TEmpList* emps, int32_t empID) {
  if (!emps || empID < 1) return nullptr;
  for (const auto& e : *emps)
    if (e->EmpID == empID) return e.get();
  return nullptr;
}

}  // namespace

TfrmDeptRec::TfrmDeptRec(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("New Department"));
  auto* row = new QHBoxLayout(this);
  auto* form = new QFormLayout;
  nameBox_ = new QLineEdit;
  nameBox_->setObjectName(QStringLiteral("txtDeptName"));
  nameBox_->setMaxLength(kDeptNameLen);
  nameBox_->setMinimumWidth(Scale(220));
  codeBox_ = new QLineEdit;
  codeBox_->setObjectName(QStringLiteral("txtDeptCode"));
  codeBox_->setMaxLength(kDeptCodeLen);
  activeBox_ = new QCheckBox(tr(" Department is Active"));
  activeBox_->setObjectName(QStringLiteral("chkActive"));
  activeBox_->setChecked(true);
  managerBox_ = new TPVComboBox;
  managerBox_->setObjectName(QStringLiteral("cboManagerBox"));
  form->addRow(tr("Name"), nameBox_);
  form->addRow(tr("Dept ID"), codeBox_);
  form->addRow(QString(), activeBox_);
  form->addRow(tr("Manager"), managerBox_);
  row->addLayout(form);
  auto* buttons = new QVBoxLayout;
  CreateButtons(this, buttons, kDeptRecHelpContext);
  buttons->addStretch();
  row->addLayout(buttons);
  connect(OkButton(), &QPushButton::clicked, this, &TfrmDeptRec::cmdOKClick);
  managerBox_->AddItem(NoManager(), 0);
  setFixedSize(sizeHint());
}

void TfrmDeptRec::SetEmpList(const TEmpList& emps) {
  emps_ = &emps;
  managerBox_->clear();
  for (const auto& e : emps)
    if (e->TermDate == 0 && !e->Deleted)
      managerBox_->AddItem(QString::fromStdString(e->FullName()), e->EmpID);
  managerBox_->AddItem(NoManager(), 0);
  managerBox_->setCurrentIndex(managerBox_->count() - 1);
}

void TfrmDeptRec::SetFields(const QString& name, const QString& code, bool active) {
  nameBox_->setText(name);
  codeBox_->setText(code);
  activeBox_->setChecked(active);
}

QString TfrmDeptRec::DeptName() const {
  return nameBox_->text();
}

QString TfrmDeptRec::DeptCode() const {
  return codeBox_->text();
}

bool TfrmDeptRec::Active() const {
  return activeBox_->isChecked();
}

void TfrmDeptRec::SetManager(int32_t empID) {
  managerID_ = empID;
  const TEmpRecClass* manager = FindEmployee(emps_, empID);
  const int noManager = managerBox_->count() - 1;
  if (!manager) {
    managerBox_->setCurrentIndex(noManager);
    return;
  }
  const QString name = QString::fromStdString(manager->FullName());
  for (int i = managerBox_->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
       i >= 0 && i < noManager && managerBox_->itemText(i) == name; ++i) {
    if (managerBox_->ItemID(i) == empID) {
      managerBox_->setCurrentIndex(i);
      return;
    }
  }
  // A manager who left or was trashed is shown in name order.
  int at = 0;
  while (at < noManager && managerBox_->itemText(at) < name) ++at;
  managerBox_->insertItem(at, name, QVariant(empID));
  managerBox_->setCurrentIndex(at);
}

int32_t TfrmDeptRec::Manager() const {
  const int32_t id = managerBox_->CurrentID();
  if (id != 0) return id;
  return managerID_ < 0 ? managerID_ : 0;
}

void TfrmDeptRec::cmdOKClick() {
  const TDuplicateTexts texts{
      tr("A record for this department already exists.  Please change the "
         "department name and try again."),
      tr("A record for this department already exits, but has been deleted.  Please "
         "change the Department Name or Undelete the existing record.")};
  const TDuplicate twin =
      depts_ ? FindDuplicateDept(*depts_, DeptName().toStdString(), deptID_) : TDuplicate::None;
  if (AcceptName(twin, texts, nameBox_)) accept();
}

}  // namespace absence::ui
