#include "ui/maintenance/reason_rec.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/common/dialog_buttons.h"
#include "ui/common/scale.h"
#include "ui/maintenance/duplicate_name.h"

namespace absence::ui {
namespace {

constexpr TBasis kBasisCodes[] = {TBasis::Calendar, TBasis::Anniversary, TBasis::UserYear};
constexpr TValidate kValidateCodes[] = {TValidate::MonthEnd, TValidate::YearEnd};

QGroupBox* RadioGroup(const char* name, const QStringList& items, QButtonGroup* group) {
  auto* box = new QGroupBox;
  box->setObjectName(QString::fromLatin1(name));
  auto* column = new QVBoxLayout(box);
  for (int i = 0; i < items.size(); ++i) {
    auto* radio = new QRadioButton(items[i]);
    group->addButton(radio, i);
    column->addWidget(radio);
  }
  return box;
}

void ClearSelection(QButtonGroup* group) {
  group->setExclusive(false);
  for (QAbstractButton* b : group->buttons()) b->setChecked(false);
  group->setExclusive(true);
}

template <typename T, size_t N>
T CodeOf(const QButtonGroup* group, const QGroupBox* box, const T (&codes)[N]) {
  const int i = group->checkedId();
  return box->isEnabled() && i >= 0 && i < static_cast<int>(N) ? codes[i] : T::None;
}

template <typename T, size_t N>
int IndexOf(T code, const T (&codes)[N]) {
  for (size_t i = 0; i < N; ++i)
    if (codes[i] == code) return static_cast<int>(i);
  return 0;
}

}  // namespace

TfrmReasonRec::TfrmReasonRec(const TReasonList& reasons, QWidget* parent)
    : QDialog(parent), reasons_(reasons) {
  auto* row = new QHBoxLayout(this);
  auto* fields = new QVBoxLayout;
  auto* lblReason = new QLabel(tr("Description"));
  descriptionBox_ = new QLineEdit;
  descriptionBox_->setObjectName(QStringLiteral("txtReason"));
  descriptionBox_->setMaxLength(kDescriptionLen);
  lblReason->setBuddy(descriptionBox_);
  activeBox_ = new QCheckBox(tr(" Reason is active"));
  activeBox_->setObjectName(QStringLiteral("chkActive"));
  policyBox_ = new QCheckBox(tr(" Reason has accrual policy"));
  policyBox_->setObjectName(QStringLiteral("chkRules"));
  basisLabel_ = new QLabel(tr("Accrual of this benefit is based on the"));
  basisLabel_->setObjectName(QStringLiteral("lblBasis"));
  basis_ = new QButtonGroup(this);
  basisFrame_ =
      RadioGroup("BasisGroup",
                 {tr(" Calendar Year"), tr(" Anniversary Year"), tr(" User defined Year")}, basis_);
  validateLabel_ = new QLabel(tr("Hours Available are based on hours earned"));
  validateLabel_->setObjectName(QStringLiteral("lblValidate"));
  validate_ = new QButtonGroup(this);
  validateFrame_ =
      RadioGroup("ValidateGroup", {tr(" As of Month End"), tr(" As of Year End")}, validate_);
  for (QWidget* w :
       std::initializer_list<QWidget*>{lblReason, descriptionBox_, activeBox_, policyBox_,
                                       basisLabel_, basisFrame_, validateLabel_, validateFrame_})
    fields->addWidget(w);
  row->addLayout(fields);
  auto* buttons = new QVBoxLayout;
  CreateButtons(this, buttons, kReasonRecHelpContext);
  buttons->addStretch();
  row->addLayout(buttons);
  connect(policyBox_, &QCheckBox::clicked, this, &TfrmReasonRec::chkRulesClick);
  connect(OkButton(), &QPushButton::clicked, this, &TfrmReasonRec::cmdOKClick);
  Load(nullptr);
  setFixedSize(sizeHint());
}

void TfrmReasonRec::Load(const TReasonRecClass* reason) {
  setWindowTitle(reason ? tr("Edit Absence Reason") : tr("New Absence Reason"));
  reasonID_ = reason ? reason->ReasonID : -1;
  descriptionBox_->setText(reason ? QString::fromStdString(reason->Description) : QString());
  activeBox_->setChecked(reason ? reason->Active : true);
  policyBox_->setChecked(reason && reason->HasPolicy);
  chkRulesClick();
  if (reason && reason->HasPolicy) {
    basis_->button(IndexOf(reason->Basis, kBasisCodes))->setChecked(true);
    validate_->button(IndexOf(reason->Validate, kValidateCodes))->setChecked(true);
  }
}

void TfrmReasonRec::chkRulesClick() {
  const bool on = policyBox_->isChecked();
  for (QWidget* w :
       std::initializer_list<QWidget*>{basisLabel_, basisFrame_, validateLabel_, validateFrame_})
    w->setEnabled(on);
  for (QButtonGroup* g : {basis_, validate_}) {
    if (!on)
      ClearSelection(g);
    else if (g->checkedId() < 0)
      g->button(0)->setChecked(true);
  }
}

QString TfrmReasonRec::Description() const {
  return descriptionBox_->text();
}

bool TfrmReasonRec::Active() const {
  return activeBox_->isChecked();
}

bool TfrmReasonRec::HasPolicy() const {
  return policyBox_->isChecked();
}

TBasis TfrmReasonRec::Basis() const {
  return CodeOf(basis_, basisFrame_, kBasisCodes);
}

TValidate TfrmReasonRec::Validate() const {
  return CodeOf(validate_, validateFrame_, kValidateCodes);
}

void TfrmReasonRec::cmdOKClick() {
  const TDuplicateTexts texts{
      tr("A record for this reason already exists.  Please change the reason and "
         "try again."),
      tr("A record for this reason already exits, but has been deleted.  Please "
         "change the reason or Undelete the existing record.")};
  if (AcceptName(FindDuplicateReason(reasons_, Description().toStdString(), reasonID_), texts,
                 descriptionBox_))
    accept();
}

}  // namespace absence::ui
