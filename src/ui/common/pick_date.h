#pragma once
// The date picker behind every calendar button: a month grid with month and year choosers.
#include <QDialog>
#include <functional>

#include "data/types.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QToolButton;

namespace absence::ui {

class TDateEdit;
class TPVCalendar;

class TfrmPickDate : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kFirstYear = 1900;
  static constexpr int kLastYear = 2100;

  explicit TfrmPickDate(QWidget* parent = nullptr);
  ~TfrmPickDate() override;

  // The date shown, kept within kFirstYear..kLastYear.
  TDate Date() const;
  void SetDate(TDate date);

  QPushButton* OkButton() const { return okButton_; }
  QPushButton* CancelButton() const { return cancelButton_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void Calendar1Change();
  void cboMonthClick(int index);
  void UpDownClick(int year);
  void SpeedButton1Click();
  void SpeedButton2Click();

  QComboBox* monthBox_ = nullptr;
  QSpinBox* yearBox_ = nullptr;
  QLineEdit* yearText_ = nullptr;  // the year box's own read-only text
  QToolButton* previousMonthButton_ = nullptr;
  QToolButton* nextMonthButton_ = nullptr;
  TPVCalendar* calendar_ = nullptr;
  QPushButton* okButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
  bool arrowCursor_ = false;
};

// Shows the picker modally, starting at `dateText` read with `pattern` (today when it is no
// date). On OK `dateText` becomes the chosen date in `pattern` and the result is true; otherwise
// `dateText` stays and the result is false. The picker shows the normal pointer while it is open
// and leaves the caller's cursor as it found it.
bool PickDate(QString& dateText, const QString& pattern, QWidget* parent = nullptr);

// A date box's calendar button: the picker starts at the box's date; on OK the box shows the
// chosen date and the result is true.
bool PickDateFor(TDateEdit& box);

// While set, PickDate hands the prepared picker to the hook instead of running it modally; the
// hook drives it (events, accept or reject) and the picker's result is used.
using TPickDateHook = std::function<void(TfrmPickDate&)>;
void SetPickDateHook(TPickDateHook hook);

}  // namespace absence::ui
