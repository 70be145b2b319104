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
  auto* lblReason = new QLabel(QStringLiteral("Description"));
  txtReason = new QLineEdit;
  txtReason->setObjectName(QStringLiteral("txtReason"));
  txtReason->setMaxLength(kDescriptionLen);
  lblReason->setBuddy(txtReason);
  chkActive = new QCheckBox(QStringLiteral(" Reason is active"));
  chkActive->setObjectName(QStringLiteral("chkActive"));
  chkRules = new QCheckBox(QStringLiteral(" Reason has accrual policy"));
  chkRules->setObjectName(QStringLiteral("chkRules"));
  lblBasis = new QLabel(QStringLiteral("Accrual of this benefit is based on the"));
  lblBasis->setObjectName(QStringLiteral("lblBasis"));
  basis_ = new QButtonGroup(this);
  BasisGroup = RadioGroup("BasisGroup",
                          {QStringLiteral(" Calendar Year"), QStringLiteral(" Anniversary Year"),
                           QStringLiteral(" User defined Year")},
                          basis_);
  lblValidate = new QLabel(QStringLiteral("Hours Available are based on hours earned"));
  lblValidate->setObjectName(QStringLiteral("lblValidate"));
  validate_ = new QButtonGroup(this);
  ValidateGroup = RadioGroup(
      "ValidateGroup", {QStringLiteral(" As of Month End"), QStringLiteral(" As of Year End")},
      validate_);
  for (QWidget* w :
       std::initializer_list<QWidget*>{lblReason, txtReason, chkActive, chkRules, lblBasis,
                                       BasisGroup, lblValidate, ValidateGroup})
    fields->addWidget(w);
  row->addLayout(fields);
  auto* buttons = new QVBoxLayout;
  CreateButtons(this, buttons, kReasonRecHelpContext);
  buttons->addStretch();
  row->addLayout(buttons);
  connect(chkRules, &QCheckBox::clicked, this, &TfrmReasonRec::chkRulesClick);
  connect(cmdOK, &QPushButton::clicked, this, &TfrmReasonRec::cmdOKClick);
  Load(nullptr);
  setFixedSize(sizeHint());
}

void TfrmReasonRec::Load(const TReasonRecClass* reason) {
  setWindowTitle(reason ? QStringLiteral("Edit Absence Reason")
                        : QStringLiteral("New Absence Reason"));
  reasonID_ = reason ? reason->ReasonID : -1;
  txtReason->setText(reason ? QString::fromStdString(reason->Description) : QString());
  chkActive->setChecked(reason ? reason->Active : true);
  chkRules->setChecked(reason && reason->HasPolicy);
  chkRulesClick();
  if (reason && reason->HasPolicy) {
    basis_->button(IndexOf(reason->Basis, kBasisCodes))->setChecked(true);
    validate_->button(IndexOf(reason->Validate, kValidateCodes))->setChecked(true);
  }
}

void TfrmReasonRec::chkRulesClick() {
  const bool on = chkRules->isChecked();
  for (QWidget* w :
       std::initializer_list<QWidget*>{lblBasis, BasisGroup, lblValidate, ValidateGroup})
    w->setEnabled(on);
  for (QButtonGroup* g : {basis_, validate_}) {
    if (!on)
      ClearSelection(g);
    else if (g->checkedId() < 0)
      g->button(0)->setChecked(true);
  }
}

QString TfrmReasonRec::Description() const {
  return txtReason->text();
}

bool TfrmReasonRec::Active() const {
  return chkActive->isChecked();
}

bool TfrmReasonRec::HasPolicy() const {
  return chkRules->isChecked();
}

TBasis TfrmReasonRec::Basis() const {
  return CodeOf(basis_, BasisGroup, kBasisCodes);
}

TValidate TfrmReasonRec::Validate() const {
  return CodeOf(validate_, ValidateGroup, kValidateCodes);
}

void TfrmReasonRec::cmdOKClick() {
  static const TDuplicateTexts texts{
      QStringLiteral("A record for this reason already exists.  Please change the reason and "
                     "try again."),
      QStringLiteral("A record for this reason already exits, but has been deleted.  Please "
                     "change the reason or Undelete the existing record.")};
  if (AcceptName(FindDuplicateReason(reasons_, Description().toStdString(), reasonID_), texts,
                 txtReason))
    accept();
}

}  // namespace absence::ui
