#pragma once
// The reason dialog: description, active flag, accrual policy, year basis and availability.
#include <QDialog>
#include <cstdint>

#include "data/records.h"
#include "ui/common/dialog_buttons.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace absence::ui {

inline constexpr int kReasonRecHelpContext = 120;

class TfrmReasonRec : public QDialog, public TDialogButtons {
  Q_OBJECT
 public:
  TfrmReasonRec(const TReasonList& reasons, QWidget* parent = nullptr);

  // Fills the dialog from a reason, or, with nullptr, for a new one.
  void Load(const TReasonRecClass* reason);
  QString Description() const;
  bool Active() const;
  bool HasPolicy() const;
  // 'C', 'A', 'U', or ' ' without a policy.
  TBasis Basis() const;
  // 'E', 'Y', or ' ' without a policy.
  TValidate Validate() const;

 private:
  void chkRulesClick();
  void cmdOKClick();

  const TReasonList& reasons_;
  QButtonGroup* basis_ = nullptr;
  QButtonGroup* validate_ = nullptr;
  int32_t reasonID_ = -1;
  QLineEdit* descriptionBox_ = nullptr;
  QCheckBox* activeBox_ = nullptr;
  QCheckBox* policyBox_ = nullptr;
  QLabel* basisLabel_ = nullptr;
  QGroupBox* basisFrame_ = nullptr;
  QLabel* validateLabel_ = nullptr;
  QGroupBox* validateFrame_ = nullptr;
};

}  // namespace absence::ui
