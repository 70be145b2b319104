#pragma once
// The absence entry dialog: the reason, date and hours of one entry, or of the entries of one day
// in turn (a scroll bar steps through them). Global entries seen in an employee's list are shown
// read-only. No entry may lie before the earliest date the caller allows.
#include <QDialog>
#include <cstdint>

#include "data/records.h"

class QFrame;
class QScrollBar;
class QToolButton;

#include "ui/common/dialog_buttons.h"

namespace absence::ui {

class TDataSession;
class TDateEdit;
class TNumEdit;
class TPVComboBox;

inline constexpr int kAbsenceRecHelpContext = 420;

class TfrmAbsenceRec : public QDialog, public TDialogButtons {
  Q_OBJECT
 public:
  explicit TfrmAbsenceRec(TDataSession& session, QWidget* parent = nullptr);

  // Dates before it are refused; 0: no limit.
  TDate EarliestDate = 0;

  // Offers every active reason that is not trashed.
  void SetReasons();
  // nullptr: single-entry mode, the caller fills and reads the fields. A list: its entries are
  // shown in turn, and the dialog stores the edited values back into them itself.
  void SetEntries(TEntryList* entries);
  // Selects the reason (added when it is inactive); 0 selects the first one.
  void SetReason(int32_t reasonID);
  int32_t GetReason() const;
  void SetEntryDate(TDate date);
  TDate GetEntryDate() const;
  // Shown with as many decimals as the hour display setting.
  void SetHours(float hours);
  float GetHours() const;
  void SetReadOnly(bool readOnly);
  bool ReadOnlyMode() const { return readOnly_; }
  int EntryIndex() const { return entryIndex_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void FormActivate();
  void spdDateClick();
  void txtDateExit();
  void barScrollScroll(int position);
  void cmdOKClick();
  // True when the date is on or after EarliestDate; otherwise says so and focuses the date.
  bool DateRuleHolds();
  // True when the date box holds a date; otherwise shows the date box's message and focuses it,
  // so that an empty box never stores an entry without a day.
  bool DateGiven();
  // True when the hours are within the box's range; otherwise says so, naming the range, and
  // focuses the box with the typed text kept.
  bool HoursRuleHolds();
  void StoreShown();
  void ShowEntry(int index);

  TDataSession& session_;
  TPVComboBox* reasonBox_ = nullptr;
  TDateEdit* dateEdit_ = nullptr;
  QToolButton* dateButton_ = nullptr;
  TNumEdit* hoursEdit_ = nullptr;
  QScrollBar* entryScroll_ = nullptr;
  TNormalCursor cursor_;
  TEntryList* entries_ = nullptr;
  int entryIndex_ = 0;
  bool readOnly_ = false;
};

}  // namespace absence::ui
