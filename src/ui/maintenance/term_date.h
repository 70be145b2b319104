#pragma once
// The question asked when a new start or termination date would leave one of the employee's own
// entries outside the employment: remove those entries, or use the entry's date instead.
#include <QDialog>

#include "data/types.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace absence::ui {

class TfrmTermDate : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmTermDate(QWidget* parent = nullptr);

  // Whether it is about the termination date (otherwise the start date).
  bool TermDate = false;
  // Whether the entry is in the trash.
  bool Deleted = false;
  TDate EntryDate = 0;
  // The date as the user typed it.
  QString TypedDate;
  // The answer: use the entry's date (otherwise remove the entries beyond the typed date).
  bool UseDate() const { return useDate_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  bool useDate_ = false;
  QLabel* messageLabel_ = nullptr;
  QRadioButton* removeButton_ = nullptr;
  QRadioButton* useDateButton_ = nullptr;
  QPushButton* okButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
};

}  // namespace absence::ui
