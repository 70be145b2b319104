#pragma once
// The accrual balance dialog: the reason, the hours accrued and the date they are accrued as of,
// for one balance of one employee. The as-of date never lies before the earliest date given.
#include <QDialog>
#include <cstdint>

#include "data/records.h"
#include "ui/common/dialog_buttons.h"

class QToolButton;

namespace absence::ui {

class TDateEdit;
class TNumEdit;
class TPVComboBox;

inline constexpr int kAccrualRecHelpContext = 360;

class TfrmAccrualRec : public QDialog, public TDialogButtons {
  Q_OBJECT
 public:
  explicit TfrmAccrualRec(QWidget* parent = nullptr);

  // The employee's balances: reasons with a live balance are not offered.
  void SetAccrualList(const TAccrualList& accruals) { accruals_ = &accruals; }
  // Offers every reason, in list order, that is not in the trash and has no live balance.
  void SetReasonList(const TReasonList& reasons);
  // A known reason is shown and fixed (an existing balance keeps its reason); 0 or an unknown
  // one selects the first offered reason.
  void SetReason(int32_t reasonID);
  int32_t GetReason() const;
  void SetHours(float hours);
  float GetHours() const;
  void SetAsOfDate(TDate date);
  TDate GetAsOfDate() const;
  void SetEarliestDate(TDate date) { earliest_ = date; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormActivate();
  void txtAsOfDateExit();
  void spdAsOfDateClick();
  void cmdOKClick();
  // A date before the earliest one becomes the earliest one.
  void KeepFromEarliest();

  const TAccrualList* accruals_ = nullptr;
  const TReasonList* reasons_ = nullptr;
  TDate earliest_ = 0;
  TPVComboBox* reasonBox_ = nullptr;
  TNumEdit* hoursBox_ = nullptr;
  TDateEdit* asOfDateBox_ = nullptr;
  QToolButton* asOfDateButton_ = nullptr;
};

}  // namespace absence::ui
